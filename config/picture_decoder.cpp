// Choice of decoder by extension, and alpha helpers.
#include "config/picture_decoder.h"

#include <cctype>
#include <fstream>
#include <vector>

namespace zx {

namespace {

// Larger files could not hold a picture within the image limits anyway, bar
// pathological compression; refusing them keeps a stray file from exhausting memory.
constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t(1) << 30;

std::string extensionOf(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot + 1));
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

DecodeResult failure(std::string message) {
    DecodeResult r;
    r.error = std::move(message);
    return r;
}

}  // namespace

std::string pictureTooLargeMessage(std::int64_t width, std::int64_t height) {
    return "Picture is too large (" + std::to_string(width) + " x " + std::to_string(height) +
           " pixels)";
}

PictureFormat pictureFormatFor(std::string_view path) {
    const std::string ext = extensionOf(path);
    if (equalsNoCase(ext, "png")) return PictureFormat::Png;
    if (equalsNoCase(ext, "jpg") || equalsNoCase(ext, "jpeg")) return PictureFormat::Jpeg;
    if (equalsNoCase(ext, "bmp")) return PictureFormat::Bmp;
    return PictureFormat::None;
}

DecodeResult decodePictureFile(const std::string& path, std::int64_t maxPixels) {
    const PictureFormat format = pictureFormatFor(path);
    if (format == PictureFormat::None)
        return failure("Unknown picture file extension (." + extensionOf(path) + ")");

    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return failure("Cannot open file \"" + path + "\"");
    const std::streamoff size = in.tellg();
    if (size < 0) return failure("Cannot read file \"" + path + "\"");
    if (std::uintmax_t(size) > kMaxFileBytes) return failure("Picture file is too large");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size))
        return failure("Cannot read file \"" + path + "\"");

    DecodeResult r;
    switch (format) {
        case PictureFormat::Png:
            r = decodePng(bytes.data(), bytes.size(), maxPixels);
            break;
        case PictureFormat::Jpeg:
            r = decodeJpeg(bytes.data(), bytes.size(), maxPixels);
            break;
        case PictureFormat::Bmp:
            r = decodeBmp(bytes.data(), bytes.size(), maxPixels);
            break;
        case PictureFormat::None:
            break;
    }
    r.format = format;
    return r;
}

PictureRef withLowerLeftTransparent(const PictureRef& picture) {
    if (!picture || picture->width <= 0 || picture->height <= 0) return picture;
    auto out = std::make_shared<Picture>(*picture);
    clearLowerLeftColour(*out);
    return out;
}

void clearLowerLeftColour(Picture& picture) {
    if (picture.width <= 0 || picture.height <= 0) return;
    const std::uint32_t key = picture.pixel(0, picture.height - 1);
    picture.opaque = false;
    for (auto& p : picture.pixels)
        if (p == key) p = 0;
}

}  // namespace zx
