#include "background_catalogue.h"

namespace dravicor::art {

namespace {

using T = Texture;

constexpr BackgroundInfo kBackgrounds[] = {
    {101, "Parquet", "Geometricals", T::Parquet, 0x6b3d1a, 0xc98a4b, 11, true},
    {102, "Moquette", "Geometricals", T::Carpet, 0x2a3a6a, 0x5f76b0, 12, true},
    {103, "Cloth", "Geometricals", T::Weave, 0x1f5a2a, 0x4c9a52, 13, true},
    {104, "Cane-brake", "Geometricals", T::Canes, 0x7a6a2a, 0xd8c27a, 14, true},
    {105, "Thousand rows", "Geometricals", T::Rows, 0x20304a, 0x6a86b0, 15, true},

    {257, "Linen", "Tissue", T::Weave, 0x9c907a, 0xe6dcc6, 257, false},
    {258, "Jute", "Tissue", T::Weave, 0x6e5430, 0xc4a46a, 258, false},
    {259, "Velvet", "Tissue", T::Carpet, 0x3a0a1e, 0x8a2048, 259, false},
    {260, "Tweed", "Tissue", T::Weave, 0x3a3a30, 0x8a7e62, 260, false},
    {261, "Denim", "Tissue", T::Weave, 0x1a2a50, 0x5a78a8, 261, false},
    {262, "Silk", "Tissue", T::Brushed, 0x5a2a70, 0xc89ad8, 262, false},

    {263, "Marble 1", "Marbles", T::Marble, 0x8a8a90, 0xf2f0ea, 263, false},
    {264, "Marble 2", "Marbles", T::Marble, 0x1a1a1e, 0x7a7a80, 264, false},
    {265, "Marble 3", "Marbles", T::Marble, 0x2a5a3a, 0xa8d0b0, 265, false},
    {266, "Marble 4", "Marbles", T::Marble, 0x8a4a3a, 0xecc8b0, 266, false},
    {267, "Marble 5", "Marbles", T::Marble, 0x2a3a6a, 0xb8c8e8, 267, false},
    {268, "Marble 6", "Marbles", T::Marble, 0x7a6a3a, 0xeee0b8, 268, false},

    {269, "Brushed steel", "Metal", T::Brushed, 0x5a6068, 0xc8d0d8, 269, false},
    {270, "Copper", "Metal", T::Hammered, 0x6a2a10, 0xe08a50, 270, false},
    {271, "Hammered iron", "Metal", T::Hammered, 0x2a2c30, 0x8a9098, 271, false},
    {272, "Gold leaf", "Metal", T::Brushed, 0x8a6410, 0xf0d070, 272, false},
    {273, "Rust", "Metal", T::Rust, 0x4a1a08, 0xc0602a, 273, false},

    {274, "Aurora", "Colors fantasy", T::Plasma, 0x0a2a3a, 0x40e0a0, 274, false},
    {275, "Lava", "Colors fantasy", T::Plasma, 0x3a0000, 0xffa020, 275, false},
    {276, "Ocean dream", "Colors fantasy", T::Plasma, 0x001a4a, 0x30c0e0, 276, false},
    {277, "Sunset", "Colors fantasy", T::Plasma, 0x3a0a4a, 0xff9050, 277, false},
    {278, "Candy", "Colors fantasy", T::Plasma, 0xd04090, 0xfff0a0, 278, false},
    {279, "Neon", "Colors fantasy", T::Plasma, 0x100030, 0x20ff80, 279, false},
    {280, "Rainbow", "Colors fantasy", T::Plasma, 0x202060, 0xfff040, 280, false},

    {281, "Lightning", "Fractal", T::Fractal, 0x05051a, 0x90a0ff, 281, false},
    {282, "Coral", "Fractal", T::Fractal, 0x200808, 0xff8060, 282, false},
    {283, "Ice", "Fractal", T::Fractal, 0x0a2040, 0xe0f8ff, 283, false},
    {284, "Fire", "Fractal", T::Fractal, 0x200000, 0xffc020, 284, false},
    {285, "Moss", "Fractal", T::Fractal, 0x0a1a08, 0xa0e060, 285, false},
    {286, "Amethyst", "Fractal", T::Fractal, 0x18082a, 0xd0a0ff, 286, false},

    {287, "Chessboard", "Geometricals", T::Checker, 0x1a3a2a, 0xd8d0b0, 287, false},
    {288, "Hexagons", "Geometricals", T::Hexagons, 0x203040, 0x6a90b0, 288, false},
    {289, "Diamonds", "Geometricals", T::Diamonds, 0x4a1a2a, 0xc06070, 289, false},
    {290, "Circles", "Geometricals", T::Dots, 0x1a2a4a, 0x80a8e0, 290, false},
    {291, "Zigzag", "Geometricals", T::Zigzag, 0x2a4a2a, 0xd0e0a0, 291, false},
    {292, "Cubes", "Geometricals", T::Cubes, 0x2a2a3a, 0xb0b0c8, 292, false},
    {293, "Squares", "Geometricals", T::Checker, 0x40381a, 0x8a7a4a, 293, false},
    {294, "Blue diamonds", "Geometricals", T::Diamonds, 0x10204a, 0x6080d0, 294, false},

    {295, "Paper", "Others", T::Speckle, 0xcfc4a8, 0xf4eedc, 295, false},
    {296, "Cork", "Others", T::Speckle, 0x6a4420, 0xc89a60, 296, false},
    {297, "Leather", "Others", T::Cells, 0x3a1c0c, 0x8a5030, 297, false},
    {298, "Sand", "Others", T::Speckle, 0xb09060, 0xead2a0, 298, false},

    {299, "Damask", "Patterns", T::Ornament, 0x5a0a14, 0xa03040, 299, false},
    {300, "Polka dots", "Patterns", T::Dots, 0x1a4a6a, 0xf0f0f0, 300, false},
    {301, "Tartan", "Patterns", T::Tartan, 0x0a3a1a, 0xb01a1a, 301, false},
    {302, "Stripes", "Patterns", T::Rows, 0x3a2a4a, 0xb0a0c8, 302, false},
    {303, "Checks", "Patterns", T::Checker, 0x6a1a1a, 0xe8e0d0, 303, false},
    {304, "Lilies", "Patterns", T::Ornament, 0x1a3a5a, 0xd8c888, 304, false},

    {305, "Granite", "Surfaces", T::Speckle, 0x3a3436, 0xb0a8a8, 305, false},
    {306, "Stucco", "Surfaces", T::Cells, 0xb0a890, 0xe8e2d0, 306, false},
    {307, "Concrete", "Surfaces", T::Speckle, 0x6a6a68, 0xa8a8a2, 307, false},
    {308, "Slate", "Surfaces", T::Cells, 0x202830, 0x506070, 308, false},

    {309, "Oak", "Wood", T::Wood, 0x7a5228, 0xc8975a, 309, false},
    {310, "Walnut", "Wood", T::Wood, 0x3a2212, 0x7a4e2c, 310, false},
    {311, "Parquet", "Wood", T::Parquet, 0x7a4a22, 0xd09a5a, 311, false},
    {312, "Pine", "Wood", T::Wood, 0xb08040, 0xecc888, 312, false},
    {313, "Mahogany", "Wood", T::Wood, 0x4a1408, 0x9a4028, 313, false},
    {314, "Bamboo", "Wood", T::Canes, 0x6a7a2a, 0xd8d890, 314, false},

    {315, "Bricks", "Walls", T::Bricks, 0x6a2a1a, 0xb85a3a, 315, false},
    {316, "Stones", "Walls", T::Cells, 0x4a4640, 0xa8a090, 316, false},
    {317, "Tiles", "Walls", T::Tiles, 0x2a5a7a, 0xd8e8f0, 317, false},
    {318, "Yellow bricks", "Walls", T::Bricks, 0x8a6a30, 0xe0c078, 318, false},

    {319, "Roses wall-paper", "Wall-paper", T::Ornament, 0xd8c8b0, 0xa04050, 319, false},
    {320, "Striped wall-paper", "Wall-paper", T::Rows, 0x6a8a6a, 0xe0e8d0, 320, false},
    {321, "Trellis", "Wall-paper", T::Diamonds, 0xd8d0b8, 0x6a8a50, 321, false},

    {322, "Sky", "Nature", T::Sky, 0x2a6ac0, 0xffffff, 322, false},
    {323, "Water", "Nature", T::Water, 0x0a3a6a, 0x70c0e0, 323, false},
    {324, "Meadow", "Nature", T::Grass, 0x1a4a10, 0x70b040, 324, false},
};

}  // namespace

std::span<const BackgroundInfo> Backgrounds() { return kBackgrounds; }

}  // namespace dravicor::art
