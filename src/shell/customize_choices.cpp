#include "shell/customize_choices.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "common/profile_file.h"
#include "shell/high_contrast.h"
#include "shell/preferences.h"

namespace dravicor {

namespace {

// Speed_Move_Card of bar positions 1..5.
constexpr std::array<int, 5> kSpeeds = {50, 25, 10, 3, 0};

std::string Flag(bool on) { return on ? "Y" : "N"; }

}  // namespace

int SpeedBarPosition(long long speedMoveCard) {
    for (int i = 0; i < static_cast<int>(kSpeeds.size()); ++i) {
        if (speedMoveCard >= kSpeeds[i]) return i + 1;
    }
    return kFastestSpeedPosition;  // below 0: faster than anything
}

int SpeedMoveCardOf(int barPosition) {
    return kSpeeds[std::clamp(barPosition, kSlowestSpeedPosition, kFastestSpeedPosition) - 1];
}

int CursorRowOf(long long storedCode) {
    for (int row = 0; row < static_cast<int>(kCursorChoices.size()); ++row) {
        if (kCursorChoices[row].code == storedCode) return row;
    }
    return 1;
}

int CursorCodeOfRow(int row) {
    return kCursorChoices[std::clamp(row, 0, static_cast<int>(kCursorChoices.size()) - 1)].code;
}

BackgroundSettings BackgroundSettingsOf(long long key, std::int64_t customColour) {
    BackgroundSettings result;
    result.colour = customColour;
    result.picture = "0";
    if (key <= 0) {
        result.useDefault = true;
    } else if (key > kLastPictureKey) {
        result.fixedColour = key;
    } else if (key > kCustomColourKey) {
        result.picture = std::to_string(key);
    }
    return result;
}

long long BackgroundKeyOf(const SettingsRecord& settings) {
    if (settings.isYes(Field::BackgroundDefault)) return kCustomColourKey;
    if (const long long fixed = settings.getNumber(Field::BackgroundFixedColour); fixed != 0) return fixed;
    if (const long long picture = settings.getNumber(Field::BackgroundPicture); picture != 0) return picture;
    return kCustomColourKey;
}

AppearanceOnEntry::AppearanceOnEntry(const SettingsRecord& settings) {
    for (size_t i = 0; i < kFields.size(); ++i) values_[i] = settings.get(kFields[i]);
}

void AppearanceOnEntry::restore(SettingsRecord& settings) const {
    for (size_t i = 0; i < kFields.size(); ++i) settings.put(kFields[i], values_[i]);
}

std::string_view AppearanceOnEntry::cardSize() const { return values_[0]; }

CustomizeChoices ReadCustomizeChoices(const SettingsRecord& settings) {
    CustomizeChoices c;
    c.faceCode = settings.get(Field::CardSet) + settings.get(Field::CardSize);
    c.back = static_cast<int>(settings.getNumber(Field::CardBack));
    c.backgroundKey = BackgroundKeyOf(settings);
    c.customColour = settings.getNumber(Field::BackgroundColour);
    if (c.customColour == 0) c.customColour = kButtonFaceColour;
    c.fade = settings.isYes(Field::FadeBackground);
    c.randomBackground = settings.isYes(Field::RandomBackground);
    c.highContrast = HighContrastTable(settings);
    c.randomCards = settings.isYes(Field::RandomCard);
    c.randomDecks = settings.isYes(Field::RandomDeck);
    c.shadowed = settings.isYes(Field::CardsShadowed);
    c.animated = settings.isYes(Field::CardsAnimate);
    c.irregularPiles = settings.isYes(Field::PileToolTips);
    c.automaticFaceUp = settings.isYes(Field::AutomaticFaceUp);
    c.dealAnimation = settings.isYes(Field::DealAnimation);
    c.redealAnimation = settings.isYes(Field::RedealAnimation);
    c.speedPosition = SpeedBarPosition(settings.getNumber(Field::SpeedMoveCard));
    c.allSoundsOff = settings.get(Field::SoundsEnabled) == "N";
    const auto events = SoundEventChoices();
    for (size_t i = 0; i < events.size(); ++i) c.sounds[i] = settings.get(events[i].field) == "Y";
    c.cursorCode = CursorCodeOfRow(CursorRowOf(settings.getNumber(Field::TableCursor)));
    return c;
}

bool AsksSmallCardQuestion(std::string_view chosenFaceCode, std::string_view cardSizeOnEntry) {
    return chosenFaceCode.ends_with('M') && cardSizeOnEntry != "M";
}

void ApplyAppearance(SettingsRecord& settings, const CustomizeChoices& choices) {
    // A face code the dialog does not offer (the record may hold any size)
    // leaves the faces as they are.
    if (choices.faceCode.size() == 4) {
        settings.put(Field::CardSet, choices.faceCode.substr(0, 3));
        settings.put(Field::CardSize, choices.faceCode.substr(3));
    }
    settings.put(Field::FadeBackground, Flag(choices.fade));
    if (settings.get(Field::CardSize) == "M") {
        settings.put(Field::CardBack, kSmallCardBack);
    } else if (choices.back > 0) {
        settings.put(Field::CardBack, FormatField(choices.back, Field::CardBack.width));
    }
    const BackgroundSettings background = BackgroundSettingsOf(choices.backgroundKey, choices.customColour);
    settings.put(Field::BackgroundPicture, background.picture);
    settings.put(Field::BackgroundDefault, Flag(background.useDefault));
    settings.put(Field::BackgroundColour, std::to_string(background.colour));
    settings.put(Field::BackgroundFixedColour, std::to_string(background.fixedColour));
    settings.put(Field::TableHighContrast, Flag(choices.highContrast));
    settings.put(Field::PileToolTips, Flag(choices.irregularPiles));
}

void SaveCustomizeChoices(SettingsRecord& settings, ProfileFile& config, const CustomizeChoices& choices) {
    ApplyAppearance(settings, choices);
    settings.put(Field::RandomBackground, Flag(choices.randomBackground));
    settings.put(Field::RandomCard, Flag(choices.randomCards));
    settings.put(Field::RandomDeck, Flag(choices.randomDecks));
    settings.put(Field::CardsShadowed, Flag(choices.shadowed));
    settings.put(Field::CardsAnimate, Flag(choices.animated));
    settings.put(Field::AutomaticFaceUp, Flag(choices.automaticFaceUp));
    settings.put(Field::DealAnimation, Flag(choices.dealAnimation));
    settings.put(Field::RedealAnimation, Flag(choices.redealAnimation));
    settings.put(Field::SpeedMoveCard, std::to_string(SpeedMoveCardOf(choices.speedPosition)));
    settings.put(Field::SoundsEnabled, Flag(!choices.allSoundsOff));
    const auto events = SoundEventChoices();
    for (size_t i = 0; i < events.size(); ++i) settings.put(events[i].field, Flag(choices.sounds[i]));
    settings.put(Field::SoundsSplash, "Y");
    settings.put(Field::TableCursor, std::to_string(choices.cursorCode));

    std::vector<std::pair<std::string, std::string>> keys = {
        {"Random_Background", settings.get(Field::RandomBackground)},
        {"Random_Card", settings.get(Field::RandomCard)},
        {"Random_Deck", settings.get(Field::RandomDeck)},
        {"Card", settings.get(Field::CardSet)},
        {"Card_Size", settings.get(Field::CardSize)},
        {"Back_Card", std::to_string(settings.getNumber(Field::CardBack))},
        {"Background_bmp", settings.get(Field::BackgroundPicture)},
        {"Background_Def", settings.get(Field::BackgroundDefault)},
        {"Background_Col", settings.get(Field::BackgroundColour)},
        {"Background_Fixed_Col", settings.get(Field::BackgroundFixedColour)},
        {"Fade_Background", settings.get(Field::FadeBackground)},
        {std::string(kHighContrastPreference), settings.get(Field::TableHighContrast)},
        {"Cards_Shadowed", settings.get(Field::CardsShadowed)},
        {"Cards_Animate", settings.get(Field::CardsAnimate)},
        {"Piles_TT", settings.get(Field::PileToolTips)},
        {"Automatic_FaceUp", settings.get(Field::AutomaticFaceUp)},
        {"Deal_Animation", settings.get(Field::DealAnimation)},
        {"Redeal_Animation", settings.get(Field::RedealAnimation)},
        {"Speed_Move_Card", settings.get(Field::SpeedMoveCard)},
        {"Sounds_Enabled", settings.get(Field::SoundsEnabled)},
    };
    for (const SoundEventEntry& event : events) keys.emplace_back(event.preference, settings.get(event.field));
    keys.emplace_back("Sounds_Splash", "Y");
    keys.emplace_back("Cursor", settings.get(Field::TableCursor));
    config.WriteStrings(kPreferenceSection, keys);
}

}  // namespace dravicor
