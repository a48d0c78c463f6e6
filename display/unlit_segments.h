// A real LCD panel shows its unlit segments faintly. Which controls of the
// face are LCD segments, and what each shows while it is not lit.
#pragma once

#include <cstddef>
#include <vector>

#include "display/face.h"

namespace zx {

// The panel icons, the panel miss marks, the five digit places and the
// figures of the game (hero, enemies, enemy helpers, shots, saveme and miss
// figures). The glyph holders only carry pictures and are none of them.
constexpr bool isLcdSegment(Ctl c) {
    return (c >= Ctl::im_panel_game_a && c <= Ctl::im_panel_digit_pos_5) ||
           (c >= Ctl::im_hero_1 && c <= Ctl::im_miss_5);
}

// A picture and where it lands; the picture is the face's own, not a copy.
struct UnlitSegment {
    const PictureRef* picture = nullptr;  // null: nothing to draw
    Rect rect;
    bool stretch = false;
};

// What segment c shows faintly: its own picture while it is hidden; for a
// digit place the glyph "8" of its size (small at place 5) at the place,
// always, beneath whatever digit is lit there. Nothing for other controls.
UnlitSegment unlitSegment(const Face& face, Ctl c);

// The LCD segments in drawing order, and the place of the first of them in
// kDrawingOrder: the faint ones are drawn there, beneath every lit one.
const std::vector<Ctl>& lcdSegmentsInDrawingOrder();
std::size_t firstLcdSegmentInDrawingOrder();

}  // namespace zx
