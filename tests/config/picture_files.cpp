// Small PNG, JPEG and BMP files written in memory for the decoder and skin tests.
#include "picture_files.h"

#include <png.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

// libjpeg needs <cstdio> first.
#include <jpeglib.h>

namespace zx::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string tmpl = (fs::temp_directory_path() / "zx_config_XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string TempDir::file(const std::string& name) const {
    const fs::path p = fs::path(path_) / name;
    fs::create_directories(p.parent_path());
    return p.string();
}

std::string TempDir::write(const std::string& name, const std::string& text) const {
    return write(name, Bytes(text.begin(), text.end()));
}

std::string TempDir::write(const std::string& name, const Bytes& bytes) const {
    const std::string p = file(name);
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return p;
}

namespace {

Bytes writePng(png_image& image, const void* buffer, const void* colormap) {
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, buffer, 0, colormap))
        throw std::runtime_error(image.message);
    Bytes out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, buffer, 0, colormap))
        throw std::runtime_error(image.message);
    out.resize(size);
    return out;
}

void put16(Bytes& b, std::size_t at, std::uint32_t v) {
    b[at] = std::uint8_t(v);
    b[at + 1] = std::uint8_t(v >> 8);
}
void put32(Bytes& b, std::size_t at, std::uint32_t v) {
    put16(b, at, v);
    put16(b, at + 2, v >> 16);
}

// File and info headers of an uncompressed bitmap whose pixels start right
// after the palette.
Bytes bmpHeader(int w, int h, int bpp, int paletteSize, std::size_t imageBytes) {
    const std::size_t dataAt = 14 + 40 + std::size_t(paletteSize) * 4;
    Bytes b(dataAt + imageBytes, 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, std::uint32_t(b.size()));
    put32(b, 10, std::uint32_t(dataAt));
    put32(b, 14, 40);
    put32(b, 18, std::uint32_t(w));
    put32(b, 22, std::uint32_t(h));
    put16(b, 26, 1);
    put16(b, 28, std::uint32_t(bpp));
    put32(b, 46, std::uint32_t(paletteSize));
    return b;
}

std::size_t strideOf(int w, int bpp) { return std::size_t((w * bpp + 31) / 32) * 4; }

}  // namespace

Bytes pngBytes(int w, int h, const std::vector<std::uint32_t>& argb) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(w);
    image.height = png_uint_32(h);
    image.format = PNG_FORMAT_BGRA;  // a little-endian 0xAARRGGBB word
    return writePng(image, argb.data(), nullptr);
}

Bytes palettePngBytes(int w, int h, const std::vector<std::uint32_t>& paletteArgb,
                      const std::vector<std::uint8_t>& indices) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(w);
    image.height = png_uint_32(h);
    image.format = PNG_FORMAT_RGBA_COLORMAP;
    image.colormap_entries = png_uint_32(paletteArgb.size());
    std::vector<std::uint8_t> map;
    for (auto c : paletteArgb)
        map.insert(map.end(), {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c),
                               std::uint8_t(c >> 24)});
    return writePng(image, indices.data(), map.data());
}

Bytes grey16PngBytes(int w, int h, const std::vector<std::uint16_t>& grey) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(w);
    image.height = png_uint_32(h);
    image.format = PNG_FORMAT_LINEAR_Y;
    return writePng(image, grey.data(), nullptr);
}

namespace {

// A baseline JPEG of the given samples, components bytes per pixel.
Bytes writeJpeg(int w, int h, int components, J_COLOR_SPACE space, const Bytes& samples,
                int quality) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &mem, &size);
    cinfo.image_width = JDIMENSION(w);
    cinfo.image_height = JDIMENSION(h);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto r = const_cast<JSAMPROW>(samples.data() +
                                      std::size_t(cinfo.next_scanline) * w * components);
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes out(mem, mem + size);
    std::free(mem);
    return out;
}

}  // namespace

Bytes jpegBytes(int w, int h, const std::vector<std::uint32_t>& rgb, int quality) {
    Bytes samples;
    for (std::uint32_t c : rgb)
        samples.insert(samples.end(),
                       {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)});
    return writeJpeg(w, h, 3, JCS_RGB, samples, quality);
}

Bytes cmykJpegBytes(int w, int h, std::array<std::uint8_t, 4> stored) {
    Bytes samples;
    for (int i = 0; i < w * h; ++i) samples.insert(samples.end(), stored.begin(), stored.end());
    return writeJpeg(w, h, 4, JCS_CMYK, samples, 95);
}

Bytes bmpBytes(int w, int h, int bpp, const std::vector<std::uint32_t>& rgb, bool topDown) {
    const std::size_t stride = strideOf(w, bpp);
    Bytes b = bmpHeader(w, topDown ? -h : h, bpp, 0, stride * std::size_t(h));
    const std::size_t dataAt = 14 + 40;
    for (int y = 0; y < h; ++y) {
        const int fileRow = topDown ? y : h - 1 - y;
        for (int x = 0; x < w; ++x) {
            const std::uint32_t c = rgb[std::size_t(y) * w + x];
            const std::size_t at =
                dataAt + std::size_t(fileRow) * stride + std::size_t(x) * (bpp / 8);
            b[at] = std::uint8_t(c);
            b[at + 1] = std::uint8_t(c >> 8);
            b[at + 2] = std::uint8_t(c >> 16);
        }
    }
    return b;
}

Bytes bmp8Bytes(int w, int h, const std::vector<std::uint32_t>& paletteRgb,
                const std::vector<std::uint8_t>& indices) {
    const std::size_t stride = strideOf(w, 8);
    Bytes b = bmpHeader(w, h, 8, int(paletteRgb.size()), stride * std::size_t(h));
    for (std::size_t i = 0; i < paletteRgb.size(); ++i)
        put32(b, 54 + 4 * i, paletteRgb[i] & 0xFFFFFF);
    const std::size_t dataAt = 54 + paletteRgb.size() * 4;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b[dataAt + std::size_t(h - 1 - y) * stride + x] = indices[std::size_t(y) * w + x];
    return b;
}

std::vector<std::uint32_t> solid(int w, int h, std::uint32_t colour) {
    return std::vector<std::uint32_t>(std::size_t(w) * h, colour);
}

}  // namespace zx::test
