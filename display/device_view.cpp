// The scaled device's arithmetic.
#include "display/device_view.h"

#include <cmath>
#include <cstdint>

namespace zx {

RectF DeviceView::toWindow(int left, int top, int width, int height) const {
    return {x + scale * (double(left) - x), y + scale * (double(top) - y), scale * width,
            scale * height};
}

void DeviceView::covered(int& left, int& top, int& width, int& height) const {
    if (unscaled()) return;
    const RectF r = toWindow(left, top, width, height);
    const double x0 = std::floor(r.x), y0 = std::floor(r.y);
    const double x1 = std::ceil(r.x + r.w), y1 = std::ceil(r.y + r.h);
    left = int(x0);
    top = int(y0);
    width = int(x1 - x0);
    height = int(y1 - y0);
}

bool DeviceView::hits(int left, int top, int width, int height, int px, int py) const {
    if (width <= 0 || height <= 0) return false;
    if (unscaled())
        return px >= left && py >= top && std::int64_t(px) < std::int64_t(left) + width &&
               std::int64_t(py) < std::int64_t(top) + height;
    // The pixel's centre, taken back into face coordinates.
    const double fx = x + (px + 0.5 - x) / scale, fy = y + (py + 0.5 - y) / scale;
    return fx >= left && fy >= top && fx < double(left) + width && fy < double(top) + height;
}

}  // namespace zx
