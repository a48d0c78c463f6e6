// Pictures of the LCD segments: figures, panel icons and seven-segment digits.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QSize>

#include "display/controls.h"

namespace zxa {

// A segment picture of the given size: the shape in the dark, slightly
// translucent liquid-crystal colour with the faint shadow it casts on the reflector.
QImage lcdSegment(QSize size, const QPainterPath& shape);

// The path of a stroked polyline or curve, so thin limbs become fillable shapes.
QPainterPath stroked(const QPainterPath& line, qreal width);

// Seven-segment glyph of digit d (0..9) filling a box of the given size.
QPainterPath digitShape(int d, QSize box);

// The picture of any LCD control (figure, icon, mark, glyph); null for others.
QImage lcdPicture(zx::Ctl c);

// Text in the panel lettering, as a path fitted into a box of the given height.
QPainterPath panelText(const QString& text, qreal height, qreal maxWidth);

}  // namespace zxa
