#include "shell/preferences.h"

#include "common/platform.h"
#include "common/profile_file.h"
#include "common/settings_record.h"
#include "shell/high_contrast.h"

namespace dravicor {

std::string UserDirOf(const SettingsRecord& settings) {
    std::string dir = settings.get(Field::UserDir);
    return dir.empty() ? settings.get(Field::ProgramDir) : dir;
}

ProfileFile ConfigFile(const SettingsRecord& settings) {
    return ProfileFile(UserDirOf(settings) + settings.get(Field::ConfigName),
                       settings.isYes(Field::DataReadOnly) ? ProfileWrites::Dropped : ProfileWrites::Made);
}

void ShowMessageOnce(const ProfileFile& config, Platform& platform, std::string_view text,
                     std::string_view key, std::string_view picture) {
    if (config.ReadString(kShowMessagesSection, key, "Y") == "N") return;
    if (platform.messages.showMessageWithOptOut(text, picture)) {
        ProfileFile(config).WriteString(kShowMessagesSection, key, "N");
    }
}

std::string ApplyProgramName(std::string_view text) {
    static constexpr std::string_view kMarker = "[Program]";
    std::string result(text);
    if (const auto at = result.find(kMarker); at != std::string::npos)
        result.replace(at, kMarker.size(), kProductName);
    return result;
}

void UpgradeOldPreferences(ProfileFile& config) {
    for (const std::string_view key : {"Cards_Animate", "ConfirmQuit"}) {
        if (config.ReadString(kPreferenceSection, key, "") == "S") config.WriteString(kPreferenceSection, key, "Y");
    }
}

namespace {

constexpr std::string_view kLowColourMessage =
    "At this time your display driver supports 256 colors or less. This program takes advantage of "
    "65,536 colors (16 bit) or 16.8 million colors (24 bit) palettes or higher resolutions. \r"
    "If your video driver allows High or True color mode settings (16 bit or 24 bit), modify your "
    "screen resolution using Properties for Display in Control Panel.";

// Reads the preferences of one file into the record.
class PreferenceReader {
public:
    PreferenceReader(const ProfileFile& config, SettingsRecord& settings) : config_(config), settings_(settings) {}

    std::string text(std::string_view key, std::string_view defaultValue) const {
        return config_.ReadString(kPreferenceSection, key, defaultValue);
    }

    void flag(FieldSpec field, std::string_view key, std::string_view defaultValue = "Y") {
        settings_.put(field, text(key, defaultValue));
    }

    void string(FieldSpec field, std::string_view key, std::string_view defaultValue) {
        settings_.put(field, text(key, defaultValue));
    }

    // An integer preference; zeroPad writes it with FormatField. A value that
    // does not fit the field falls back to the default, so the record never
    // holds a cut-off or starred number.
    void integer(FieldSpec field, std::string_view key, int defaultValue, bool zeroPad) {
        const int value = config_.ReadInteger(kPreferenceSection, key, defaultValue);
        settings_.put(field, fitted(value, field.width, zeroPad) ? format(value, field.width, zeroPad)
                                                                 : format(defaultValue, field.width, zeroPad));
    }

private:
    static std::string format(int value, int width, bool zeroPad) {
        return zeroPad ? FormatField(value, width) : std::to_string(value);
    }
    static bool fitted(int value, int width, bool zeroPad) {
        const std::string text = format(value, width, zeroPad);
        return static_cast<int>(text.size()) <= width && text.find('*') == std::string::npos;
    }

    const ProfileFile& config_;
    SettingsRecord& settings_;
};

}  // namespace

void LoadPreferences(SettingsRecord& settings, Platform& platform) {
    const ProfileFile config = ConfigFile(settings);
    const bool lowColour = platform.screen.info().colourDepth <= 8;
    if (lowColour) ShowMessageOnce(config, platform, kLowColourMessage, "Screen_Under_256_Colors", "Color");

    PreferenceReader read(config, settings);
    read.flag(Field::ShowToolTips, "Show_ToolTips");
    read.integer(Field::CardBack, "Back_Card", 11, true);
    read.integer(Field::CardSet, "Card", lowColour ? 3 : 1, true);
    read.string(Field::CardSize, "Card_Size", "B");
    read.string(Field::BackgroundPicture, "Background_bmp", "");
    read.integer(Field::BackgroundFixedColour, "Background_Fixed_Col", 32768, false);
    read.integer(Field::BackgroundColour, "Background_Col", kButtonFaceColour, false);
    read.flag(Field::BackgroundDefault, "Background_def", "N");
    read.flag(Field::FadeBackground, "Fade_Background");
    read.integer(Field::CurrentGame, "Game", 1, true);
    read.string(Field::CurrentGameName, "Game_name", "FreeCell");
    read.flag(Field::ShowTime, "Show_Time");
    read.flag(Field::ShowScore, "Show_Score");
    read.flag(Field::CardsAnimate, "Cards_Animate");
    read.flag(Field::CardsShadowed, "Cards_Shadowed", settings.get(Field::CardsAnimate));
    read.flag(Field::PileToolTips, "Piles_TT", "N");
    read.flag(Field::AutomaticFaceUp, "Automatic_FaceUp");
    read.flag(Field::DealAnimation, "Deal_Animation");
    read.flag(Field::RedealAnimation, "Redeal_Animation");
    read.integer(Field::LanguageBase, "Language", 20000, false);
    read.integer(Field::SpeedMoveCard, "Speed_Move_Card", 10, false);
    read.flag(Field::StatusBar, "StatusBar", "N");
    read.string(Field::CurrentPlayer, "UserDefault", "");
    read.integer(Field::UndoEnabled, "Undo_Enabled", 0, false);
    read.flag(Field::WinningAnimation, "Winning_Animation");
    read.flag(Field::ConfirmQuitGame, "ConfirmQuitGame");
    read.flag(Field::ConfirmEnterHiScores, "ConfirmEnterHiScores");
    read.flag(Field::VertScrollBar, "VertScrollBar", "N");
    read.flag(Field::RandomBackground, "Random_Background", "N");
    read.flag(Field::RandomCard, "Random_Card", "N");
    read.flag(Field::RandomDeck, "Random_Deck", "N");
    read.integer(Field::TableCursor, "Cursor", 11, false);
    read.flag(Field::TableHighContrast, kHighContrastPreference, "N");

    struct SoundSwitch {
        FieldSpec field;
        std::string_view key;
    };
    static constexpr SoundSwitch kSoundSwitches[] = {
        {Field::SoundsEnabled, "Sounds_Enabled"},       {Field::SoundsAbout, "Sounds_About"},
        {Field::SoundsAutoplay, "Sounds_Autoplay"},     {Field::SoundsGameWon, "Sounds_GameWon"},
        {Field::SoundsNewGame, "Sounds_NewGame"},       {Field::SoundsRedo, "Sounds_Redo"},
        {Field::SoundsRestart, "Sounds_Restart"},       {Field::SoundsSplash, "Sounds_Splash"},
        {Field::SoundsShuffle, "Sounds_Shuffle"},       {Field::SoundsUndo, "Sounds_Undo"},
        {Field::SoundsHiScores, "Sounds_HiScores"},     {Field::SoundsNewHiScores, "Sounds_NewHiScores"},
        {Field::SoundsPairing, "Sounds_Pairing"},       {Field::SoundsStock, "Sounds_Stock"},
        {Field::SoundsTableau, "Sounds_Tableau"},       {Field::SoundsFaceUp, "Sounds_FaceUp"},
        {Field::SoundsCardDown, "Sounds_CardDown"},     {Field::SoundsCardUp, "Sounds_CardUp"},
        {Field::SoundsRedeal, "Sounds_Redeal"},         {Field::SoundsFoundation, "Sounds_Foundation"},
    };
    for (const auto& sound : kSoundSwitches) read.flag(sound.field, sound.key);

    // Only the three card sizes exist; anything else would leave the table
    // without a card size.
    const std::string size = settings.get(Field::CardSize);
    if (size != "B" && size != "M" && size != "P") settings.put(Field::CardSize, "B");
    // Medium cards come with their own back.
    if (settings.get(Field::CardSize) == "M") settings.put(Field::CardBack, "006");

    settings.put(Field::ScoringSystem, "01");
    if (settings.getNumber(Field::CardBack) == 0) settings.put(Field::CardBack, "001");
    if (settings.getNumber(Field::BackgroundColour) == 0)
        settings.put(Field::BackgroundColour, std::to_string(kButtonFaceColour));
    if (settings.get(Field::BackgroundPicture).empty()) settings.put(Field::BackgroundPicture, "0");

    settings.put(Field::RunWon, "0000");
    settings.put(Field::RunLost, "0000");
    settings.put(Field::CurrentScore, "0");
    settings.put(Field::LastWasUndo, "0");
    settings.put(Field::LastWasRedo, "0");

    if (settings.get(Field::CurrentPlayer).empty()) {
        // The record gets the player even if the file cannot take it, so the
        // program stays usable; the write failure is reported by the caller.
        settings.put(Field::CurrentPlayer, kFirstPlayer);
        ProfileFile file = config;
        file.WriteString(kPreferenceSection, "UserDefault", kFirstPlayer);
        file.WriteString(kUsersSection, "User001", kFirstPlayer);
    }
}

bool AutoplayPreference(const SettingsRecord& settings) {
    return ConfigFile(settings).ReadString(kPreferenceSection, "AutoPlay", "Y") == "Y";
}

}  // namespace dravicor
