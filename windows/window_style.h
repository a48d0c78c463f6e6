// Fonts and text colours shared by the small windows (key settings, manual, about box).
#pragma once

#include <QFont>
#include <QRgb>

class QWidget;

namespace zx {

enum FontStyle : unsigned { Regular = 0, Bold = 1, Italic = 2, Underlined = 4 };

// Arial at a character height in pixels, or a face with its metrics where
// Arial is not installed.
QFont arialFont(int pixelSize, unsigned style = Regular);

// The text colour of a label or control.
void setTextColour(QWidget* w, QRgb colour);
QRgb textColour(const QWidget* w);

// Fills the window's background with one colour.
void setBackgroundColour(QWidget* w, QRgb colour);

// Places a window's top-left corner so that it stands at the centre of the primary screen.
void centreWindow(QWidget* w);

}  // namespace zx
