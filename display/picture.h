// An immutable decoded picture, shared between controls by handle.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zx {

// Pixels are premultiplied ARGB in native 32-bit words (0xAARRGGBB), the
// layout Qt paints from directly, so the front end never converts per paint.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // width * height, row by row from the top
    // Every pixel is opaque, as its format guarantees (a JPEG): painting need
    // not look at the alpha of each pixel.
    bool opaque = false;
    // The file of its sharper twin: the same picture at twice the width and
    // height, named with "@2x" before the extension. It is decoded only where
    // the picture is drawn larger than its own pixels. Empty: none.
    std::string twinPath;
    // The twin loses the colour of its own lower-left pixel, as this picture
    // did (a bitmap in a transparent control).
    bool twinKeyed = false;

    std::uint32_t pixel(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

using PictureRef = std::shared_ptr<const Picture>;

// The largest picture or window: 8192 pixels a side and 2^25 pixels in all
// (128 MiB of ARGB words). An 8K screen or backdrop (7680 x 4320) fits.
inline constexpr int kMaxImageSide = 8192;
inline constexpr std::int64_t kMaxImagePixels = std::int64_t(1) << 25;

constexpr bool withinImageLimits(std::int64_t width, std::int64_t height) {
    return width >= 0 && height >= 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= kMaxImagePixels;
}

// Packs an opaque colour from its components.
constexpr std::uint32_t rgb(int r, int g, int b) {
    return 0xFF000000u | (std::uint32_t(r & 0xFF) << 16) | (std::uint32_t(g & 0xFF) << 8) |
           std::uint32_t(b & 0xFF);
}

// A colour of the form $00BBGGRR, as Config.ini writes them, turned into ARGB.
constexpr std::uint32_t fromBgr(std::uint32_t bgr) {
    return rgb(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// The 10 x 10 picture put in place of a configured picture file that does not
// exist: a black border around a red inside.
PictureRef missingPictureMarker();

}  // namespace zx
