// Where the device's own controls (the skin images) land on the window: a
// full-screen device may be drawn larger than its pictures, scaled about its
// top-left corner. Face rectangles, pictures and hit-testing stay in the
// skin's own coordinates; only drawing and the pointer go through this.
#pragma once

#include "display/controls.h"

namespace zx {

// The skin images are scaled; the backdrop, the logo and the in-game menu
// button are drawn as they are.
constexpr bool isDeviceControl(Ctl c) { return int(c) < kSkinImageCount; }

struct RectF {
    double x = 0, y = 0, w = 0, h = 0;
};

struct DeviceView {
    double scale = 1.0;
    int x = 0, y = 0;  // the device's top-left corner, on the window and in the face alike

    bool operator==(const DeviceView&) const = default;
    bool unscaled() const { return scale == 1.0; }

    // Where a face rectangle (left, top, width, height) lands on the window.
    RectF toWindow(int left, int top, int width, int height) const;
    // The window pixels that rectangle touches, rounded outwards.
    void covered(int& left, int& top, int& width, int& height) const;
    // Whether the centre of window pixel (px, py) lies inside the rectangle.
    bool hits(int left, int top, int width, int height, int px, int py) const;
};

}  // namespace zx
