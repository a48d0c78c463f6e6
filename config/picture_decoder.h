// Decoding of picture files (PNG, JPEG, BMP) into premultiplied ARGB pictures.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "display/picture.h"

namespace zx {

enum class PictureFormat { None, Png, Jpeg, Bmp };

struct DecodeResult {
    std::shared_ptr<Picture> picture;  // null on failure; the caller's own until shared
    std::string error;                 // the message to show the user on failure
    PictureFormat format = PictureFormat::None;
    bool ok() const { return picture != nullptr; }
};

// Pictures beyond withinImageLimits() (display/picture.h) or beyond the
// caller's pixel budget are refused from their header, before any pixel
// memory is allocated, with pictureTooLargeMessage().
constexpr bool acceptedSize(std::int64_t width, std::int64_t height, std::int64_t maxPixels) {
    return withinImageLimits(width, height) && width * height <= maxPixels;
}
std::string pictureTooLargeMessage(std::int64_t width, std::int64_t height);

// The format a file name's extension selects, compared without regard to
// case; None for any other extension.
PictureFormat pictureFormatFor(std::string_view path);

// Decodes the file by its extension. Never throws; a damaged or truncated
// file yields the decoder's message.
DecodeResult decodePictureFile(const std::string& path, std::int64_t maxPixels = kMaxImagePixels);

// Decoders over bytes already in memory.
DecodeResult decodePng(const std::uint8_t* data, std::size_t size,
                       std::int64_t maxPixels = kMaxImagePixels);
DecodeResult decodeJpeg(const std::uint8_t* data, std::size_t size,
                        std::int64_t maxPixels = kMaxImagePixels);
DecodeResult decodeBmp(const std::uint8_t* data, std::size_t size,
                       std::int64_t maxPixels = kMaxImagePixels);

// A bitmap shown in a transparent control: every pixel of the lower-left
// pixel's colour becomes fully transparent.
PictureRef withLowerLeftTransparent(const PictureRef& picture);
// The same, on a picture nobody else holds yet.
void clearLowerLeftColour(Picture& picture);

// Premultiplies one straight-alpha ARGB pixel. Inline: the decoders run it
// over every pixel.
inline std::uint32_t premultiply(std::uint32_t argb) {
    const std::uint32_t a = argb >> 24;
    if (a == 255) return argb;
    if (a == 0) return 0;
    auto scale = [a](std::uint32_t c) { return (c * a + 127) / 255; };
    return (a << 24) | (scale((argb >> 16) & 0xFF) << 16) | (scale((argb >> 8) & 0xFF) << 8) |
           scale(argb & 0xFF);
}

}  // namespace zx
