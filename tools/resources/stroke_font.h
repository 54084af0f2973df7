#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>

namespace dravicor::resources {

// Letters and digits drawn as strokes, so the pictures look the same on
// every machine whatever fonts it has. Glyphs lie on a 4 x 6 grid.
bool HasGlyph(QChar c);

// Draws the text centred in the box, as large as fits, with the painter's
// current pen (its width is kept; the strokes are scaled, not the pen).
void DrawStrokeText(QPainter& painter, const QString& text, const QRectF& box);

}  // namespace dravicor::resources
