// Writers of small picture files and a temporary folder, for the config tests.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zx::test {

using Bytes = std::vector<std::uint8_t>;

// A fresh folder under the system's temporary directory, removed with the object.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // path() + "/" + name, creating the parent folders of name.
    std::string file(const std::string& name) const;
    // Writes text or bytes to file(name) and returns its path.
    std::string write(const std::string& name, const std::string& text) const;
    std::string write(const std::string& name, const Bytes& bytes) const;

  private:
    std::string path_;
};

// Straight-alpha 0xAARRGGBB pixels, row by row from the top.
Bytes pngBytes(int w, int h, const std::vector<std::uint32_t>& argb);
// A palette PNG (PLTE, and tRNS when a colour is not opaque); index per pixel.
Bytes palettePngBytes(int w, int h, const std::vector<std::uint32_t>& paletteArgb,
                      const std::vector<std::uint8_t>& indices);
// A 16-bit grey PNG.
Bytes grey16PngBytes(int w, int h, const std::vector<std::uint16_t>& grey);
// A baseline JPEG of opaque 0x..RRGGBB pixels at the given quality.
Bytes jpegBytes(int w, int h, const std::vector<std::uint32_t>& rgb, int quality = 95);
// A CMYK JPEG of one colour, its four samples stored as given (the writer
// adds the Adobe marker, so readers take them as inverted inks).
Bytes cmykJpegBytes(int w, int h, std::array<std::uint8_t, 4> stored);
// An uncompressed Windows bitmap of 24 or 32 bits, bottom-up unless topDown.
Bytes bmpBytes(int w, int h, int bpp, const std::vector<std::uint32_t>& rgb, bool topDown = false);
// An 8-bit paletted Windows bitmap, bottom-up.
Bytes bmp8Bytes(int w, int h, const std::vector<std::uint32_t>& paletteRgb,
                const std::vector<std::uint8_t>& indices);

// w * h copies of one colour.
std::vector<std::uint32_t> solid(int w, int h, std::uint32_t colour);

}  // namespace zx::test
