// A small Windows bitmap decoder: 1/4/8-bit paletted, 16, 24 and 32-bit.
#include <algorithm>
#include <bit>
#include <iterator>
#include <optional>
#include <string>

#include "config/picture_decoder.h"

namespace zx {

namespace {

constexpr const char* kInvalid = "Bitmap image is not valid";

std::uint32_t u16(const std::uint8_t* p) { return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8; }
std::uint32_t u32(const std::uint8_t* p) { return u16(p) | u16(p + 2) << 16; }

// One colour channel described by a bit mask, scaled to 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    explicit Channel(std::uint32_t m = 0) : mask(m) {
        if (mask) {
            shift = std::countr_zero(mask);
            max = mask >> shift;
        }
    }
    std::uint32_t get(std::uint32_t v) const {
        if (!max) return 0;
        return std::uint32_t(std::uint64_t((v & mask) >> shift) * 255 / max);
    }
};

struct Header {
    std::int64_t width = 0, height = 0;
    int bpp = 0;
    std::uint32_t compression = 0;
    std::uint32_t colours = 0;
    std::size_t paletteAt = 0;
    int paletteEntry = 4;
    std::uint32_t dataAt = 0;
    std::uint32_t infoSize = 0;
    Channel r, g, b, a;
    bool useAlpha = false;
};

DecodeResult fail(const std::string& message) {
    DecodeResult res;
    res.format = PictureFormat::Bmp;
    res.error = message;
    return res;
}

// The header's size, depth and layout fields; false if they cannot be read.
bool readHeader(const std::uint8_t* d, std::size_t size, Header& h) {
    if (size < 26 || d[0] != 'B' || d[1] != 'M') return false;
    h.dataAt = u32(d + 10);
    h.infoSize = u32(d + 14);
    if (h.infoSize != 12 && (h.infoSize < 40 || h.infoSize > 124)) return false;
    if (14 + std::size_t(h.infoSize) > size) return false;
    const std::uint8_t* info = d + 14;
    if (h.infoSize == 12) {  // OS/2 core header: 16-bit sizes, 3-byte palette entries
        h.width = u16(info + 4);
        h.height = u16(info + 6);
        h.bpp = int(u16(info + 10));
        h.paletteEntry = 3;
    } else {
        h.width = std::int32_t(u32(info + 4));
        h.height = std::int32_t(u32(info + 8));
        h.bpp = int(u16(info + 14));
        h.compression = u32(info + 16);
        h.colours = u32(info + 32);
    }
    h.paletteAt = 14 + h.infoSize;
    return true;
}

// Colour masks: explicit bit fields, or the fixed layouts of plain bitmaps.
// Returns the error, if any.
std::optional<std::string> readMasks(const std::uint8_t* d, std::size_t size, Header& h) {
    if (h.compression == 3 || h.compression == 6) {  // BI_BITFIELDS, BI_ALPHABITFIELDS
        if (h.bpp != 16 && h.bpp != 32) return kInvalid;
        const std::size_t masksAt = h.infoSize >= 52 ? 14 + 40 : h.paletteAt;
        const std::size_t count = h.infoSize >= 56 || h.compression == 6 ? 4 : 3;
        if (masksAt + 4 * count > size) return kInvalid;
        h.r = Channel(u32(d + masksAt));
        h.g = Channel(u32(d + masksAt + 4));
        h.b = Channel(u32(d + masksAt + 8));
        if (count == 4) h.a = Channel(u32(d + masksAt + 12));
        if (h.infoSize == 40) h.paletteAt += 4 * count;
        h.useAlpha = h.a.mask != 0;
    } else if (h.compression == 0) {
        if (h.bpp == 16) h.r = Channel(0x7C00), h.g = Channel(0x03E0), h.b = Channel(0x001F);
        if (h.bpp == 32) h.r = Channel(0xFF0000), h.g = Channel(0xFF00), h.b = Channel(0xFF);
    } else {
        return "Bitmap compression is not supported";
    }
    return std::nullopt;
}

// The palette, limited to what the bit depth can index; indices beyond the
// stored entries read as black. False if the stored entries run past the end.
bool readPalette(const std::uint8_t* d, std::size_t size, const Header& h,
                 std::uint32_t (&palette)[256]) {
    std::fill(std::begin(palette), std::end(palette), 0xFF000000u);
    if (h.bpp != 1 && h.bpp != 4 && h.bpp != 8) return true;
    const std::uint32_t maxColours = 1u << h.bpp;
    const std::uint32_t n = h.colours == 0 || h.colours > maxColours ? maxColours : h.colours;
    if (h.paletteAt + std::size_t(n) * h.paletteEntry > size) return false;
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint8_t* e = d + h.paletteAt + std::size_t(i) * h.paletteEntry;
        palette[i] = rgb(e[2], e[1], e[0]);
    }
    return true;
}

// One stored row into ARGB words; notes whether any pixel has alpha.
void decodeRow(const std::uint8_t* row, const Header& h, const std::uint32_t (&palette)[256],
               std::uint32_t* out, bool& anyAlpha) {
    for (std::int64_t x = 0; x < h.width; ++x) {
        std::uint32_t px;
        switch (h.bpp) {
            case 1:
                px = palette[(row[x >> 3] >> (7 - (x & 7))) & 1];
                break;
            case 4:
                px = palette[(row[x >> 1] >> (x & 1 ? 0 : 4)) & 0xF];
                break;
            case 8:
                px = palette[row[x]];
                break;
            case 24:
                px = rgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                break;
            default: {
                const std::uint32_t v = h.bpp == 16 ? u16(row + 2 * x) : u32(row + 4 * x);
                const std::uint32_t alpha = h.useAlpha ? h.a.get(v) : 255;
                anyAlpha = anyAlpha || alpha != 0;
                px = alpha << 24 | h.r.get(v) << 16 | h.g.get(v) << 8 | h.b.get(v);
            }
        }
        out[x] = px;
    }
}

}  // namespace

DecodeResult decodeBmp(const std::uint8_t* d, std::size_t size, std::int64_t maxPixels) {
    Header h;
    if (!readHeader(d, size, h)) return fail(kInvalid);
    const bool topDown = h.height < 0;
    const std::int64_t height = topDown ? -h.height : h.height;
    if (h.width <= 0 || height <= 0) return fail(kInvalid);
    if (!acceptedSize(h.width, height, maxPixels))
        return fail(pictureTooLargeMessage(h.width, height));
    if (auto error = readMasks(d, size, h)) return fail(*error);

    const bool paletted = h.bpp == 1 || h.bpp == 4 || h.bpp == 8;
    if (!paletted && h.bpp != 16 && h.bpp != 24 && h.bpp != 32) return fail(kInvalid);
    std::uint32_t palette[256];
    if (!readPalette(d, size, h, palette)) return fail(kInvalid);

    const std::size_t stride = std::size_t((h.width * h.bpp + 31) / 32) * 4;
    if (h.dataAt > size || stride * std::size_t(height) > size - h.dataAt) return fail(kInvalid);

    auto pic = std::make_shared<Picture>();
    pic->width = int(h.width);
    pic->height = int(height);
    pic->pixels.resize(std::size_t(h.width) * std::size_t(height));
    bool anyAlpha = false;
    for (std::int64_t y = 0; y < height; ++y) {
        const std::uint8_t* row = d + h.dataAt + std::size_t(topDown ? y : height - 1 - y) * stride;
        decodeRow(row, h, palette, pic->pixels.data() + std::size_t(y) * std::size_t(h.width),
                  anyAlpha);
    }
    // An alpha mask over all-zero alpha is a common writer's mistake: such a
    // bitmap is meant to be opaque. Otherwise the alpha is honoured.
    pic->opaque = !(h.useAlpha && anyAlpha);
    for (auto& p : pic->pixels) p = pic->opaque ? p | 0xFF000000u : premultiply(p);

    DecodeResult res;
    res.format = PictureFormat::Bmp;
    res.picture = std::move(pic);
    return res;
}

}  // namespace zx
