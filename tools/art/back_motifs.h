// The pictures in the middle of the card backs. Each draws into a field of
// 100 x 136 units (the painter is scaled and clipped to the field).
#pragma once

#include <QPainter>

namespace dravicor::art::motifs {

inline constexpr double kFieldWidth = 100;
inline constexpr double kFieldHeight = 136;

// Landscapes (back_scenes.cpp).
void Boat(QPainter& p);
void Africa(QPainter& p);
void Lake(QPainter& p);
void Clouds(QPainter& p);
void Sea(QPainter& p);
void Mountains(QPainter& p, bool evening);
void Hills(QPainter& p);

// Figures and animals (back_figures.cpp).
void Magi(QPainter& p);
void Snowman(QPainter& p);
void Dragon(QPainter& p);
void TeddyBear(QPainter& p);
void JapaneseWoman(QPainter& p);
void Eagle(QPainter& p);
void TropicalFish(QPainter& p);
void Penguin(QPainter& p);
void Horse(QPainter& p);

// Patterns and ornaments (back_ornaments.cpp).
void Plaiting(QPainter& p, QColor warp, QColor weft, QColor ground);
void Stars(QPainter& p);
void RoseWindow(QPainter& p);
void Sun(QPainter& p);
void SunAndMoon(QPainter& p);
void MedievalFlower(QPainter& p);
void Flowers(QPainter& p);
void Flower(QPainter& p);
void Roses(QPainter& p);

}  // namespace dravicor::art::motifs
