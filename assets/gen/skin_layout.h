// Where every picture of the generated skin sits on the 542 x 359 face.
#pragma once

#include <QRect>

#include "display/controls.h"

namespace zxa {

inline constexpr int kFaceW = 542;
inline constexpr int kFaceH = 359;

// The LCD glass and its two zones: the panel strip with digits and icons, and
// the game field of three columns.
inline constexpr QRect kGlass{132, 34, 278, 212};
inline constexpr int kPanelBottom = 74;
inline constexpr int kColumnW = 92;
inline int columnLeft(int c) { return 134 + kColumnW * (c - 1); }  // c = 1..3
inline int laneX(int c) { return columnLeft(c) + 32; }             // centre of the shot lane

// The rubber buttons: their area on the face, also the area of their _top control.
enum class Button { time, set, game_a, game_b, left, right, shoot_left, shoot_right };
QRect buttonRect(Button b);
bool buttonIsRound(Button b);

// The rectangle of control c as written to Config.ini (empty for controls outside the skin).
QRect skinRect(zx::Ctl c);

// File name of control c below the skin folder; empty for the digit slots,
// which receive their pictures from the glyph holders at run time.
QString skinFile(zx::Ctl c);

}  // namespace zxa
