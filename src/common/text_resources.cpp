#include "common/text_resources.h"

#include <algorithm>
#include <iterator>

#include "common/settings_record.h"

namespace dravicor {

namespace {

struct Entry {
    int number;
    const char* text;
};

// Sorted by number. English is the complete block; the Italian block has
// only the generic button words and captions.
constexpr Entry kStringTable[] = {
    {kItalianBase + TextId::Yes, "S\xC3\xAC"},
    {kItalianBase + TextId::No, "No"},
    {kItalianBase + TextId::Cancel, "Annulla"},
    {kItalianBase + TextId::Help, "Aiuto"},
    {kItalianBase + TextId::Apply, "&Applica"},
    {kItalianBase + TextId::Edit, "&Modifica"},
    {kItalianBase + TextId::Delete, "&Elimina"},
    {kItalianBase + TextId::Add, "A&ggiungi"},
    {kItalianBase + TextId::Confirm, "Conferma"},
    {kItalianBase + TextId::Sample, "Esempio "},

    {kEnglishBase + TextId::Yes, "Yes"},
    {kEnglishBase + TextId::No, "No"},
    {kEnglishBase + TextId::Cancel, "Cancel"},
    {kEnglishBase + TextId::Help, "Help"},
    {kEnglishBase + TextId::Apply, "&Apply"},
    {kEnglishBase + TextId::Edit, "&Edit"},
    {kEnglishBase + TextId::Delete, "&Delete"},
    {kEnglishBase + TextId::Add, "A&dd"},
    {kEnglishBase + TextId::Confirm, "Confirm"},
    {kEnglishBase + TextId::Sample, "Sample "},
    {kEnglishBase + TextId::ReplaceExistingFile, "This file already exists.\nReplace existing file?"},
    {kEnglishBase + TextId::SaveGameTitle, "Save game"},
    {kEnglishBase + TextId::OpenGameTitle, "Open game"},
    {kEnglishBase + TextId::AddPlayerTitle, "Add a player"},
    {kEnglishBase + TextId::EditPlayerTitle, "Edit a player"},
    {kEnglishBase + TextId::StatsTitle, "Statistics"},
    {kEnglishBase + TextId::StatsTotalGroup, "Total "},
    {kEnglishBase + TextId::StatsSessionGroup, "Current session "},
    {kEnglishBase + TextId::StatsSeriesGroup, "Series "},
    {kEnglishBase + TextId::StatsWon, "Won"},
    {kEnglishBase + TextId::StatsLost, "Lost"},
    {kEnglishBase + TextId::StatsTotal, "Total"},
    {kEnglishBase + TextId::StatsPercent, "Percent"},
    {kEnglishBase + TextId::StatsCurrent, "Current"},
    {kEnglishBase + TextId::StatsPlayer, "Player:"},
    {kEnglishBase + TextId::StatsGameLabel, "Game:"},
    {kEnglishBase + TextId::StatsStreakWonOne, "won"},
    {kEnglishBase + TextId::StatsStreakLostOne, "lost"},
    {kEnglishBase + TextId::StatsStreakWonMany, "won"},
    {kEnglishBase + TextId::StatsStreakLostMany, "lost"},
    {kEnglishBase + TextId::StatsGame, "Game"},
    {kEnglishBase + TextId::StatsAll, "All"},
    {kEnglishBase + TextId::LogDate, "Date"},
    {kEnglishBase + TextId::LogStart, "Start"},
    {kEnglishBase + TextId::LogTime, "Time"},
    {kEnglishBase + TextId::LogGame, "Game"},
    {kEnglishBase + TextId::LogResult, "W/L"},
    {kEnglishBase + TextId::LogScore, "Score"},
    {kEnglishBase + TextId::LogPlayer, "Player"},
    {kEnglishBase + TextId::LogWon, "Won"},
    {kEnglishBase + TextId::LogLost, "Lost"},
    {kEnglishBase + TextId::QuitThisGame, "Quit this game?"},
};

}  // namespace

std::string TextByNumber(int number) {
    const auto it = std::lower_bound(std::begin(kStringTable), std::end(kStringTable), number,
                                     [](const Entry& e, int n) { return e.number < n; });
    if (it == std::end(kStringTable) || it->number != number) return {};
    return it->text;
}

std::string LoadText(const SettingsRecord& settings, int offset) {
    const long long base = settings.getNumber(Field::LanguageBase);
    const long long number = base + offset;
    if (number < 0 || number > 1'000'000) return {};
    return TextByNumber(static_cast<int>(number));
}

}  // namespace dravicor
