#include "cards/pile.h"

#include <algorithm>

namespace dravicor {

std::optional<Pile> Pile::FromText(std::string_view text) {
    if (text.size() % 3 != 0) return std::nullopt;
    Pile pile;
    pile.groups_.reserve(text.size() / 3);
    for (size_t i = 0; i < text.size(); i += 3) {
        int card = 0;
        for (size_t j = i; j < i + 3; ++j) {
            if (text[j] < '0' || text[j] > '9') return std::nullopt;
            card = card * 10 + (text[j] - '0');
        }
        if (card > kCardCount) return std::nullopt;
        pile.groups_.push_back(static_cast<CardNumber>(card));
    }
    return pile;
}

std::string Pile::ToText() const {
    std::string text;
    text.reserve(groups_.size() * 3);
    for (const CardNumber card : groups_) text += CardText(card);
    return text;
}

int Pile::find(int card) const {
    const auto it = std::find(groups_.begin(), groups_.end(), card);
    return it == groups_.end() ? -1 : static_cast<int>(it - groups_.begin());
}

bool Pile::remove(int card, RemoveMode mode) {
    if (card == kNoCard) return false;
    const int index = find(card);
    if (index < 0) return false;
    const auto at = groups_.begin() + index;
    switch (mode) {
        case RemoveMode::Delete:
            groups_.erase(at);
            break;
        case RemoveMode::LeaveSlot:
            *at = kNoCard;
            break;
        case RemoveMode::DeleteWithSlot:
            if (index > 0 && groups_[static_cast<size_t>(index - 1)] == kNoCard) {
                groups_.erase(at - 1, at + 1);
            } else {
                groups_.erase(at);
            }
            break;
    }
    return true;
}

}  // namespace dravicor
