#include "back_catalogue.h"

namespace dravicor::art {

namespace {

constexpr BackInfo kBacks[] = {
    {1, "Boat", "Paintings"},         {2, "Magi", "Paintings"},
    {3, "Snowman", "Children"},       {4, "Dragon", "Children"},
    {5, "Flowers", "Children"},       {6, "Plaiting 2", "Geometric"},
    {7, "Flower", "Medieval"},        {8, "Rose-window", "Medieval"},
    {9, "Sun and Moon", "Medieval"},  {10, "Sun", "Medieval"},
    {11, "Plaiting 1", "Geometric"},  {12, "Africa", "Paintings"},
    {13, "Teddy bear", "Children"},   {14, "Roses", "Flowers"},
    {15, "Flower", "Flowers"},        {16, "Japanese woman", "Paintings"},
    {17, "Stars", "Geometric"},       {18, "Eagle", "Animals"},
    {19, "Tropical fish", "Animals"}, {20, "Lake", "Nature"},
    {21, "Clouds", "Nature"},         {22, "Sea", "Nature"},
    {23, "Mountains 1", "Nature"},    {24, "Penguin", "Animals"},
    {25, "Mountains 2", "Nature"},    {26, "Hills", "Nature"},
    {27, "Horse", "Animals"},
};

}  // namespace

std::span<const BackInfo> CardBacks() { return kBacks; }

}  // namespace dravicor::art
