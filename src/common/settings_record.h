#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace dravicor {

// A field of the settings record: its first position (1-based) and width.
struct FieldSpec {
    int position;
    int width;
};

// Named fields of the settings record. Fields that other modules refer to by
// a name of their own carry that name; the rest are named after their use.
namespace Field {
inline constexpr FieldSpec ConfigName{1, 20};
inline constexpr FieldSpec CardBack{21, 3};
inline constexpr FieldSpec CardSet{24, 3};
inline constexpr FieldSpec BackgroundDefault{27, 1};
inline constexpr FieldSpec BackgroundColour{28, 15};
inline constexpr FieldSpec BackgroundPicture{43, 4};
inline constexpr FieldSpec BackgroundFixedColour{47, 15};
inline constexpr FieldSpec CurrentGame{62, 4};
inline constexpr FieldSpec ShowTime{66, 1};
inline constexpr FieldSpec CardsAnimate{67, 1};
inline constexpr FieldSpec LanguageBase{68, 6};
inline constexpr FieldSpec SpeedMoveCard{74, 2};
inline constexpr FieldSpec StatusBar{76, 1};
inline constexpr FieldSpec CurrentPlayer{77, 30};
inline constexpr FieldSpec RunWon{112, 4};
inline constexpr FieldSpec RunLost{116, 4};
inline constexpr FieldSpec ScoringSystem{120, 2};
inline constexpr FieldSpec CurrentScore{122, 6};
inline constexpr FieldSpec CardSize{128, 1};
inline constexpr FieldSpec SavedCardSet{129, 3};
inline constexpr FieldSpec SavedCardBack{132, 3};
inline constexpr FieldSpec FadeBackground{135, 1};
inline constexpr FieldSpec ShowScore{136, 1};
inline constexpr FieldSpec UndoEnabled{137, 1};
inline constexpr FieldSpec LastWasUndo{138, 1};
inline constexpr FieldSpec LastWasRedo{139, 1};
inline constexpr FieldSpec WinningAnimation{140, 1};
inline constexpr FieldSpec SoundsEnabled{141, 1};
inline constexpr FieldSpec SoundsAbout{142, 1};
inline constexpr FieldSpec SoundsAutoplay{143, 1};
inline constexpr FieldSpec SoundsGameWon{144, 1};
inline constexpr FieldSpec SoundsNewGame{145, 1};
inline constexpr FieldSpec SoundsRedo{146, 1};
inline constexpr FieldSpec SoundsRestart{147, 1};
inline constexpr FieldSpec SoundsSplash{148, 1};
inline constexpr FieldSpec SoundsShuffle{149, 1};
inline constexpr FieldSpec SoundsUndo{151, 1};
inline constexpr FieldSpec RandomBackground{152, 1};
inline constexpr FieldSpec CurrentGameNumber{153, 15};
inline constexpr FieldSpec SoundsHiScores{171, 1};
inline constexpr FieldSpec TableCursor{172, 2};
inline constexpr FieldSpec SoundsNewHiScores{174, 1};
inline constexpr FieldSpec SoundsPairing{175, 1};
inline constexpr FieldSpec SoundsStock{176, 1};
inline constexpr FieldSpec SoundsTableau{177, 1};
inline constexpr FieldSpec CardsShadowed{178, 1};
inline constexpr FieldSpec PileToolTips{179, 1};
inline constexpr FieldSpec SoundsFaceUp{180, 1};
inline constexpr FieldSpec SoundsCardDown{181, 1};
inline constexpr FieldSpec SoundsCardUp{182, 1};
inline constexpr FieldSpec SoundsRedeal{183, 1};
inline constexpr FieldSpec SoundsFoundation{184, 1};
inline constexpr FieldSpec ConfirmQuitGame{185, 1};
inline constexpr FieldSpec ConfirmEnterHiScores{186, 1};
inline constexpr FieldSpec RandomCard{187, 1};
inline constexpr FieldSpec RandomDeck{188, 1};
inline constexpr FieldSpec CurrentGameName{189, 50};
inline constexpr FieldSpec AutomaticFaceUp{239, 1};
inline constexpr FieldSpec SavedCardSize{240, 1};
inline constexpr FieldSpec DealAnimation{241, 1};
inline constexpr FieldSpec RedealAnimation{242, 1};
inline constexpr FieldSpec VertScrollBar{243, 1};
inline constexpr FieldSpec ShowToolTips{244, 1};
// Preferences of this program's own, beyond those above (position 250,
// the first of the second block, does not exist).
inline constexpr FieldSpec TableHighContrast{251, 1};
// Where the program keeps its records, at the end of the second block.
// "Y" when the DATA folder cannot be written in this run: preferences and
// records are then read but never written.
inline constexpr FieldSpec DataReadOnly{298, 1};
// The folder whose DATA subfolder holds the configuration file and the
// records, with a trailing separator: the program directory, or in an
// installation the user's data folder of the program.
inline constexpr FieldSpec UserDir{299, 200};
inline constexpr FieldSpec ProgramDir{501, 200};
}  // namespace Field

// One entry of the field catalogue used for listings: the field, the name
// the field goes by in the record's documentation (empty where it has none).
struct FieldEntry {
    FieldSpec field;
    std::string_view name;
};

// Every field of the record in position order.
std::span<const FieldEntry> AllSettingsFields();

// The process-wide record of current settings and current-game values:
// three blocks of 250 characters addressed by position and width. Every
// value is text; numbers are decimal, flags "Y"/"N" or "0"/"1".
class SettingsRecord {
public:
    static constexpr int kBlockSize = 250;
    static constexpr int kLastPosition = 749;

    SettingsRecord();

    // The field's characters with trailing spaces removed. Positions beyond
    // the record read as the empty string.
    std::string GetField(int position, int width) const;
    // Writes the value without its leading spaces, padded with spaces or cut
    // to the width. Writing beyond the record does nothing; a field never
    // spills into the next block.
    void PutField(int position, int width, std::string_view value);

    std::string get(FieldSpec f) const { return GetField(f.position, f.width); }
    void put(FieldSpec f, std::string_view value) { PutField(f.position, f.width, value); }
    // Plain decimal reading of a field; an empty or non-numeric field reads as 0.
    long long getNumber(FieldSpec f) const;
    // True when a one-character flag field holds "Y" (or "1").
    bool isYes(FieldSpec f) const;

private:
    // Characters of all three blocks side by side: position p lives at index
    // p - 1 of block A, p - 250 of block B, p - 500 of block C.
    std::array<std::array<char, kBlockSize>, 3> blocks_;
};

// The number right-aligned in the width and padded on the left with zeros;
// a negative number keeps its minus sign in front. A number needing more
// characters than the width gives the width in asterisks.
std::string FormatField(long long number, int width);

}  // namespace dravicor
