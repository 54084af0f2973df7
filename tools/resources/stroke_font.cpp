#include "stroke_font.h"

#include <map>
#include <vector>

#include <QPainterPath>

namespace dravicor::resources {

namespace {

using Stroke = std::vector<QPointF>;
using Glyph = std::vector<Stroke>;

constexpr double kGlyphWidth = 4.0;
constexpr double kGlyphHeight = 6.0;
constexpr double kSpacing = 1.6;

const Stroke kRing = {{1, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {1, 6}, {0, 5}, {0, 1}, {1, 0}};

const std::map<QChar, Glyph>& Glyphs() {
    static const std::map<QChar, Glyph> glyphs = {
        {'0', {kRing}},
        {'1', {{{1, 1.2}, {2.2, 0}, {2.2, 6}}, {{1, 6}, {3.4, 6}}}},
        {'2', {{{0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 2.2}, {0, 6}, {4, 6}}}},
        {'3', {{{0, 0}, {4, 0}, {2, 2.5}, {3, 2.5}, {4, 3.5}, {4, 5}, {3, 6}, {1, 6}, {0, 5}}}},
        {'4', {{{3, 6}, {3, 0}, {0, 4}, {4, 4}}}},
        {'5', {{{4, 0}, {0.3, 0}, {0, 2.6}, {3, 2.6}, {4, 3.6}, {4, 5}, {3, 6}, {0, 6}}}},
        {'6', {{{3.6, 0}, {1, 0}, {0, 1}, {0, 5}, {1, 6}, {3, 6}, {4, 5}, {4, 3.6}, {3, 2.6}, {0, 2.6}}}},
        {'7', {{{0, 0}, {4, 0}, {1.5, 6}}}},
        {'8',
         {{{1, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {1, 3}, {0, 2}, {0, 1}, {1, 0}},
          {{1, 3}, {0, 4}, {0, 5}, {1, 6}, {3, 6}, {4, 5}, {4, 4}, {3, 3}}}},
        {'9', {{{0.4, 6}, {3, 6}, {4, 5}, {4, 1}, {3, 0}, {1, 0}, {0, 1}, {0, 2.4}, {1, 3.4}, {4, 3.4}}}},
        {'A', {{{0, 6}, {2, 0}, {4, 6}}, {{0.8, 3.8}, {3.2, 3.8}}}},
        {'B',
         {{{0, 3}, {3, 3}, {4, 4}, {4, 5}, {3, 6}, {0, 6}, {0, 0}, {2.8, 0}, {3.8, 0.8}, {3.8, 2.2}, {3, 3}}}},
        {'C', {{{4, 1}, {3, 0}, {1, 0}, {0, 1}, {0, 5}, {1, 6}, {3, 6}, {4, 5}}}},
        {'D', {{{0, 0}, {2.5, 0}, {4, 1.5}, {4, 4.5}, {2.5, 6}, {0, 6}, {0, 0}}}},
        {'E', {{{4, 0}, {0, 0}, {0, 6}, {4, 6}}, {{0, 3}, {3, 3}}}},
        {'F', {{{4, 0}, {0, 0}, {0, 6}}, {{0, 3}, {3, 3}}}},
        {'I', {{{2, 0}, {2, 6}}, {{1, 0}, {3, 0}}, {{1, 6}, {3, 6}}}},
        {'J', {{{1.5, 0}, {4, 0}, {4, 5}, {3, 6}, {1, 6}, {0, 5}}}},
        {'K', {{{0, 0}, {0, 6}}, {{4, 0}, {0, 3.6}}, {{1.4, 2.4}, {4, 6}}}},
        {'N', {{{0, 6}, {0, 0}, {4, 6}, {4, 0}}}},
        {'O', {kRing}},
        {'P', {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}}},
        {'Q', {kRing, {{2.4, 4.4}, {4.2, 6.4}}}},
        {'R', {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}, {{2, 3}, {4, 6}}}},
        {'S', {{{4, 1}, {3, 0}, {1, 0}, {0, 1}, {0, 2}, {1, 3}, {3, 3}, {4, 4}, {4, 5}, {3, 6}, {1, 6}, {0, 5}}}},
        {'T', {{{0, 0}, {4, 0}}, {{2, 0}, {2, 6}}}},
        {'U', {{{0, 0}, {0, 5}, {1, 6}, {3, 6}, {4, 5}, {4, 0}}}},
        {'V', {{{0, 0}, {2, 6}, {4, 0}}}},
        {'W', {{{0, 0}, {1, 6}, {2, 2.5}, {3, 6}, {4, 0}}}},
        {'X', {{{0, 0}, {4, 6}}, {{4, 0}, {0, 6}}}},
        {'+', {{{2, 1}, {2, 5}}, {{0, 3}, {4, 3}}}},
        {'-', {{{0.5, 3}, {3.5, 3}}}},
        {'?', {{{0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 2}, {2, 3.4}, {2, 4.4}}, {{2, 5.6}, {2, 6}}}},
    };
    return glyphs;
}

}  // namespace

bool HasGlyph(QChar c) { return c == ' ' || Glyphs().contains(c); }

void DrawStrokeText(QPainter& painter, const QString& text, const QRectF& box) {
    if (text.isEmpty()) return;
    const double units = text.size() * kGlyphWidth + (text.size() - 1) * kSpacing;
    const double margin = painter.pen().widthF();
    const double scale =
        std::min((box.width() - margin) / units, (box.height() - margin) / kGlyphHeight);
    if (scale <= 0) return;
    const double left = box.center().x() - units * scale / 2;
    const double top = box.center().y() - kGlyphHeight * scale / 2;

    QPainterPath path;
    for (int i = 0; i < text.size(); ++i) {
        const auto found = Glyphs().find(text[i]);
        if (found == Glyphs().end()) continue;
        const double x0 = left + i * (kGlyphWidth + kSpacing) * scale;
        for (const Stroke& stroke : found->second) {
            for (size_t p = 0; p < stroke.size(); ++p) {
                const QPointF point(x0 + stroke[p].x() * scale, top + stroke[p].y() * scale);
                if (p == 0)
                    path.moveTo(point);
                else
                    path.lineTo(point);
            }
        }
    }
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

}  // namespace dravicor::resources
