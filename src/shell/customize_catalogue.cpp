#include "shell/customize_catalogue.h"

namespace dravicor {

namespace {

constexpr CardBackEntry kCardBacks[] = {
    {"Animals", "Eagle", 18},          {"Animals", "Horse", 27},
    {"Animals", "Penguin", 24},        {"Animals", "Tropical fish", 19},
    {"Children", "Dragon", 4},         {"Children", "Flowers", 5},
    {"Children", "Snowman", 3},        {"Children", "Teddy bear", 13},
    {"Flowers", "Flower", 15},         {"Flowers", "Roses", 14},
    {"Geometric", "Plaiting 1", 11},   {"Geometric", "Plaiting 2", 6},
    {"Geometric", "Stars", 17},        {"Medieval", "Flower", 7},
    {"Medieval", "Rose-window", 8},    {"Medieval", "Sun", 10},
    {"Medieval", "Sun and Moon", 9},   {"Nature", "Clouds", 21},
    {"Nature", "Hills", 26},           {"Nature", "Lake", 20},
    {"Nature", "Mountains 1", 23},     {"Nature", "Mountains 2", 25},
    {"Nature", "Sea", 22},             {"Paintings", "Africa", 12},
    {"Paintings", "Boat", 1},          {"Paintings", "Japanese woman", 16},
    {"Paintings", "Magi", 2},
};

constexpr BackgroundEntry kBackgrounds[] = {
    {"Colors", "", "(Custom color)", kCustomColourKey},
    {"Colors", "", "Blue", 16711680},
    {"Colors", "", "Green", 32768},
    {"Colors", "", "Navy", 8388608},
    {"Colors", "", "Olive", 32896},
    {"Colors", "", "Teal", 8421376},
    {"Colors", "", "White", 16777215},
    {"Over 256 colors", "Colors fantasy", "Aurora", 274},
    {"Over 256 colors", "Colors fantasy", "Candy", 278},
    {"Over 256 colors", "Colors fantasy", "Lava", 275},
    {"Over 256 colors", "Colors fantasy", "Neon", 279},
    {"Over 256 colors", "Colors fantasy", "Ocean dream", 276},
    {"Over 256 colors", "Colors fantasy", "Rainbow", 280},
    {"Over 256 colors", "Colors fantasy", "Sunset", 277},
    {"Over 256 colors", "Fractal", "Amethyst", 286},
    {"Over 256 colors", "Fractal", "Coral", 282},
    {"Over 256 colors", "Fractal", "Fire", 284},
    {"Over 256 colors", "Fractal", "Ice", 283},
    {"Over 256 colors", "Fractal", "Lightning", 281},
    {"Over 256 colors", "Fractal", "Moss", 285},
    {"Over 256 colors", "Geometricals", "Blue diamonds", 294},
    {"Over 256 colors", "Geometricals", "Chessboard", 287},
    {"Over 256 colors", "Geometricals", "Circles", 290},
    {"Over 256 colors", "Geometricals", "Cubes", 292},
    {"Over 256 colors", "Geometricals", "Diamonds", 289},
    {"Over 256 colors", "Geometricals", "Hexagons", 288},
    {"Over 256 colors", "Geometricals", "Squares", 293},
    {"Over 256 colors", "Geometricals", "Zigzag", 291},
    {"Over 256 colors", "Marbles", "Marble 1", 263},
    {"Over 256 colors", "Marbles", "Marble 2", 264},
    {"Over 256 colors", "Marbles", "Marble 3", 265},
    {"Over 256 colors", "Marbles", "Marble 4", 266},
    {"Over 256 colors", "Marbles", "Marble 5", 267},
    {"Over 256 colors", "Marbles", "Marble 6", 268},
    {"Over 256 colors", "Metal", "Brushed steel", 269},
    {"Over 256 colors", "Metal", "Copper", 270},
    {"Over 256 colors", "Metal", "Gold leaf", 272},
    {"Over 256 colors", "Metal", "Hammered iron", 271},
    {"Over 256 colors", "Metal", "Rust", 273},
    {"Over 256 colors", "Nature", "Meadow", 324},
    {"Over 256 colors", "Nature", "Sky", 322},
    {"Over 256 colors", "Nature", "Water", 323},
    {"Over 256 colors", "Others", "Cork", 296},
    {"Over 256 colors", "Others", "Leather", 297},
    {"Over 256 colors", "Others", "Paper", 295},
    {"Over 256 colors", "Others", "Sand", 298},
    {"Over 256 colors", "Patterns", "Checks", 303},
    {"Over 256 colors", "Patterns", "Damask", 299},
    {"Over 256 colors", "Patterns", "Lilies", 304},
    {"Over 256 colors", "Patterns", "Polka dots", 300},
    {"Over 256 colors", "Patterns", "Stripes", 302},
    {"Over 256 colors", "Patterns", "Tartan", 301},
    {"Over 256 colors", "Surfaces", "Concrete", 307},
    {"Over 256 colors", "Surfaces", "Granite", 305},
    {"Over 256 colors", "Surfaces", "Slate", 308},
    {"Over 256 colors", "Surfaces", "Stucco", 306},
    {"Over 256 colors", "Tissue", "Denim", 261},
    {"Over 256 colors", "Tissue", "Jute", 258},
    {"Over 256 colors", "Tissue", "Linen", 257},
    {"Over 256 colors", "Tissue", "Silk", 262},
    {"Over 256 colors", "Tissue", "Tweed", 260},
    {"Over 256 colors", "Tissue", "Velvet", 259},
    {"Over 256 colors", "Wall-paper", "Roses wall-paper", 319},
    {"Over 256 colors", "Wall-paper", "Striped wall-paper", 320},
    {"Over 256 colors", "Wall-paper", "Trellis", 321},
    {"Over 256 colors", "Walls", "Bricks", 315},
    {"Over 256 colors", "Walls", "Stones", 316},
    {"Over 256 colors", "Walls", "Tiles", 317},
    {"Over 256 colors", "Walls", "Yellow bricks", 318},
    {"Over 256 colors", "Wood", "Bamboo", 314},
    {"Over 256 colors", "Wood", "Mahogany", 313},
    {"Over 256 colors", "Wood", "Oak", 309},
    {"Over 256 colors", "Wood", "Parquet", 311},
    {"Over 256 colors", "Wood", "Pine", 312},
    {"Over 256 colors", "Wood", "Walnut", 310},
    {"Under 256 colors", "Geometricals", "Parquet", 101},
    {"Under 256 colors", "Geometricals", "Moquette", 102},
    {"Under 256 colors", "Geometricals", "Cloth", 103},
    {"Under 256 colors", "Geometricals", "Cane-brake", 104},
    {"Under 256 colors", "Geometricals", "Thousand rows", 105},
};

constexpr std::array<SoundEventEntry, kSoundEventCount> kSoundEvents = {{
    {"Sounds_About", Field::SoundsAbout, "About", "About"},
    {"Sounds_Autoplay", Field::SoundsAutoplay, "Autoplay", "Autoplay"},
    {"Sounds_CardDown", Field::SoundsCardDown, "Card_down", "Card down"},
    {"Sounds_CardUp", Field::SoundsCardUp, "Card_up", "Card up"},
    {"Sounds_NewHiScores", Field::SoundsNewHiScores, "Scores", "New hi-scores"},
    {"Sounds_FaceUp", Field::SoundsFaceUp, "Face_up", "Face up"},
    {"Sounds_GameWon", Field::SoundsGameWon, "Won", "Game won"},
    {"Sounds_HiScores", Field::SoundsHiScores, "Hi-Scor", "Hi-scores"},
    {"Sounds_NewGame", Field::SoundsNewGame, "New", "New game"},
    {"Sounds_Pairing", Field::SoundsPairing, "Pairing", "Pairing"},
    {"Sounds_Foundation", Field::SoundsFoundation, "Foundation", "Foundation"},
    {"Sounds_Tableau", Field::SoundsTableau, "Tableau", "Tableau"},
    {"Sounds_Redeal", Field::SoundsRedeal, "Redeal", "Redeal"},
    {"Sounds_Redo", Field::SoundsRedo, "Redo", "Redo"},
    {"Sounds_Restart", Field::SoundsRestart, "Restart", "Restart"},
    {"Sounds_Shuffle", Field::SoundsShuffle, "Shuffle", "Shuffle"},
    {"Sounds_Stock", Field::SoundsStock, "Stock", "Stock"},
    {"Sounds_Undo", Field::SoundsUndo, "Undo", "Undo"},
}};

}  // namespace

std::span<const CardBackEntry> CardBackChoices() { return kCardBacks; }

std::span<const BackgroundEntry> BackgroundChoices() { return kBackgrounds; }

std::string_view BackgroundNameOf(long long key) {
    for (const BackgroundEntry& entry : kBackgrounds) {
        if (entry.key == key) return entry.name;
    }
    return {};
}

std::span<const SoundEventEntry, kSoundEventCount> SoundEventChoices() { return kSoundEvents; }

}  // namespace dravicor
