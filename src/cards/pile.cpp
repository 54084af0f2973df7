#include "cards/pile.h"

#include <algorithm>
#include <cstring>

namespace dravicor {

std::optional<Pile> Pile::FromText(std::string_view text) {
    if (text.size() % 3 != 0 || text.size() / 3 > static_cast<size_t>(kCapacity)) return std::nullopt;
    Pile pile;
    for (size_t i = 0; i < text.size(); i += 3) {
        int card = 0;
        for (size_t j = i; j < i + 3; ++j) {
            if (text[j] < '0' || text[j] > '9') return std::nullopt;
            card = card * 10 + (text[j] - '0');
        }
        if (card > kCardCount) return std::nullopt;
        pile.append(static_cast<CardNumber>(card));
    }
    return pile;
}

std::string Pile::ToText() const {
    std::string text;
    text.reserve(static_cast<size_t>(size_) * 3);
    for (const CardNumber card : groups()) text += CardText(card);
    return text;
}

int Pile::find(int card) const {
    const auto* begin = groups_.data();
    const auto* end = begin + size_;
    const auto* it = std::find(begin, end, card);
    return it == end ? -1 : static_cast<int>(it - begin);
}

void Pile::eraseAt(int index) {
    auto* at = groups_.data() + index;
    std::memmove(at, at + 1, static_cast<size_t>(size_ - index - 1));
    --size_;
}

void Pile::insertAt(int index, CardNumber card) {
    if (size_ == kCapacity) return;
    auto* at = groups_.data() + index;
    std::memmove(at + 1, at, static_cast<size_t>(size_ - index));
    *at = card;
    ++size_;
}

bool Pile::remove(int card, RemoveMode mode) {
    if (card == kNoCard) return false;
    const int index = find(card);
    if (index < 0) return false;
    switch (mode) {
        case RemoveMode::Delete: eraseAt(index); break;
        case RemoveMode::LeaveSlot: groups_[static_cast<size_t>(index)] = kNoCard; break;
        case RemoveMode::DeleteWithSlot:
            eraseAt(index);
            if (index > 0 && groups_[static_cast<size_t>(index - 1)] == kNoCard) eraseAt(index - 1);
            break;
    }
    return true;
}

}  // namespace dravicor
