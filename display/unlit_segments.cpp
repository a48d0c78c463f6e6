// The faint look of unlit LCD segments.
#include "display/unlit_segments.h"

#include <algorithm>

namespace zx {

UnlitSegment unlitSegment(const Face& face, Ctl c) {
    if (!isLcdSegment(c)) return {};
    const Control& own = face[c];
    if (c >= Ctl::im_panel_digit_pos_1 && c <= Ctl::im_panel_digit_pos_5) {
        // Every segment of a seven-segment digit: the glyph "8".
        const Ctl eight =
            c == Ctl::im_panel_digit_pos_5 ? Ctl::im_panel_number_small_8 : Ctl::im_panel_number_8;
        const PictureRef& glyph = face[eight].picture;
        if (!glyph) return {};
        return {&glyph, own.rect, own.stretch};
    }
    if (own.visible || !own.picture) return {};
    return {&own.picture, own.rect, own.stretch};
}

const std::vector<Ctl>& lcdSegmentsInDrawingOrder() {
    static const std::vector<Ctl> segments = [] {
        std::vector<Ctl> v;
        for (Ctl c : kDrawingOrder)
            if (isLcdSegment(c)) v.push_back(c);
        return v;
    }();
    return segments;
}

std::size_t firstLcdSegmentInDrawingOrder() {
    static const std::size_t first =
        std::size_t(std::find_if(kDrawingOrder.begin(), kDrawingOrder.end(), isLcdSegment) -
                    kDrawingOrder.begin());
    return first;
}

}  // namespace zx
