#include "common/settings_record.h"

#include <algorithm>
#include <charconv>

namespace dravicor {

namespace {

// Locates a position: the block it belongs to, its 1-based character
// within that block, and how many characters from there to the block's last
// position (249, 499, 749). Positions 250 and 500 fall on character 0 of
// their block, which does not exist, just like positions 750 and above.
struct Place {
    int block;
    int character;
    int room;
};

bool Locate(int position, Place& place) {
    if (position < 1 || position > SettingsRecord::kLastPosition) return false;
    const int block = position < 250 ? 0 : position < 500 ? 1 : 2;
    const int character = position - block * SettingsRecord::kBlockSize;
    if (character < 1) return false;
    const int lastPosition = (block + 1) * SettingsRecord::kBlockSize - 1;
    place = {block, character, lastPosition - position + 1};
    return true;
}

}  // namespace

SettingsRecord::SettingsRecord() {
    for (auto& block : blocks_) block.fill(' ');
}

std::string SettingsRecord::GetField(int position, int width) const {
    Place place{};
    if (width <= 0 || !Locate(position, place)) return {};
    const auto& block = blocks_[place.block];
    const int first = place.character - 1;
    const int count = std::min(width, place.room);
    std::string value(block.begin() + first, block.begin() + first + count);
    value.erase(value.find_last_not_of(' ') + 1);
    return value;
}

void SettingsRecord::PutField(int position, int width, std::string_view value) {
    Place place{};
    if (width <= 0 || !Locate(position, place)) return;
    const auto start = value.find_first_not_of(' ');
    value = start == std::string_view::npos ? std::string_view{} : value.substr(start);
    auto& block = blocks_[place.block];
    const int first = place.character - 1;
    const int count = std::min(width, place.room);
    for (int i = 0; i < count; ++i) {
        block[first + i] = i < static_cast<int>(value.size()) ? value[i] : ' ';
    }
}

long long SettingsRecord::getNumber(FieldSpec f) const {
    const std::string text = get(f);
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return 0;
    return value;
}

bool SettingsRecord::isYes(FieldSpec f) const {
    const std::string text = get(f);
    return text == "Y" || text == "1";
}

std::string FormatField(long long number, int width) {
    if (width <= 0) return {};
    const bool negative = number < 0;
    // Work with the magnitude as unsigned so the smallest value has one too.
    unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(number)
                                            : static_cast<unsigned long long>(number);
    std::string digits = std::to_string(magnitude);
    const int needed = static_cast<int>(digits.size()) + (negative ? 1 : 0);
    if (needed > width) return std::string(static_cast<size_t>(width), '*');
    std::string text(static_cast<size_t>(width - needed), '0');
    text += digits;
    return negative ? "-" + text : text;
}

namespace {

constexpr FieldEntry kFields[] = {
    {Field::ConfigName, "ConfigName"},
    {Field::CardBack, "CardBack"},
    {Field::CardSet, "CardSet"},
    {Field::BackgroundDefault, ""},
    {Field::BackgroundColour, ""},
    {Field::BackgroundPicture, ""},
    {Field::BackgroundFixedColour, ""},
    {Field::CurrentGame, "CurrentGame"},
    {Field::ShowTime, ""},
    {Field::CardsAnimate, ""},
    {Field::LanguageBase, "LanguageBase"},
    {Field::SpeedMoveCard, ""},
    {Field::StatusBar, ""},
    {Field::CurrentPlayer, "CurrentPlayer"},
    {Field::RunWon, "RunWon"},
    {Field::RunLost, "RunLost"},
    {Field::ScoringSystem, "ScoringSystem"},
    {Field::CurrentScore, "CurrentScore"},
    {Field::CardSize, "CardSize"},
    {Field::SavedCardSet, ""},
    {Field::SavedCardBack, ""},
    {Field::FadeBackground, ""},
    {Field::ShowScore, ""},
    {Field::UndoEnabled, ""},
    {Field::LastWasUndo, ""},
    {Field::LastWasRedo, ""},
    {Field::WinningAnimation, ""},
    {Field::SoundsEnabled, ""},
    {Field::SoundsAbout, ""},
    {Field::SoundsAutoplay, ""},
    {Field::SoundsGameWon, ""},
    {Field::SoundsNewGame, ""},
    {Field::SoundsRedo, ""},
    {Field::SoundsRestart, ""},
    {Field::SoundsSplash, ""},
    {Field::SoundsShuffle, ""},
    {Field::SoundsUndo, ""},
    {Field::RandomBackground, ""},
    {Field::CurrentGameNumber, "CurrentGameNumber"},
    {Field::SoundsHiScores, ""},
    {Field::TableCursor, ""},
    {Field::SoundsNewHiScores, ""},
    {Field::SoundsPairing, ""},
    {Field::SoundsStock, ""},
    {Field::SoundsTableau, ""},
    {Field::CardsShadowed, ""},
    {Field::PileToolTips, ""},
    {Field::SoundsFaceUp, ""},
    {Field::SoundsCardDown, ""},
    {Field::SoundsCardUp, ""},
    {Field::SoundsRedeal, ""},
    {Field::SoundsFoundation, ""},
    {Field::ConfirmQuitGame, ""},
    {Field::ConfirmEnterHiScores, ""},
    {Field::RandomCard, ""},
    {Field::RandomDeck, ""},
    {Field::CurrentGameName, "CurrentGameName"},
    {Field::AutomaticFaceUp, ""},
    {Field::SavedCardSize, ""},
    {Field::DealAnimation, ""},
    {Field::RedealAnimation, ""},
    {Field::VertScrollBar, ""},
    {Field::ShowToolTips, ""},
    {Field::TableHighContrast, ""},
    {Field::DataReadOnly, "DataReadOnly"},
    {Field::UserDir, "UserDir"},
    {Field::ProgramDir, "ProgramDir"},
};

}  // namespace

std::span<const FieldEntry> AllSettingsFields() { return kFields; }

}  // namespace dravicor
