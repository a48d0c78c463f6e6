// Decoding of PNG, JPEG and BMP files, damaged and oversized ones included.
#include "config/picture_decoder.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string_view>

#include "picture_files.h"

namespace zx {
namespace {

using test::Bytes;

std::uint32_t pix(const DecodeResult& r, int x, int y) { return r.picture->pixel(x, y); }

// Every channel within tol of the expected colour (JPEG is lossy).
void expectNear(std::uint32_t got, std::uint32_t want, int tol) {
    for (int shift : {24, 16, 8, 0})
        EXPECT_NEAR(int((got >> shift) & 0xFF), int((want >> shift) & 0xFF), tol)
            << std::hex << got << " vs " << want;
}

void putBe32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = std::uint8_t(v >> (24 - 8 * i));
}

// Claims a new size in the IHDR chunk and fixes its checksum, so only the
// size is wrong.
Bytes pngClaimingSize(std::uint32_t w, std::uint32_t h) {
    Bytes b = test::pngBytes(2, 2, test::solid(2, 2, 0xFF00FF00));
    putBe32(b, 16, w);
    putBe32(b, 20, h);
    putBe32(b, 29, std::uint32_t(crc32(0, b.data() + 12, 17)));
    return b;
}

TEST(PictureFormat, ChosenByExtensionIgnoringCase) {
    EXPECT_EQ(pictureFormatFor("a/b/HERO.PNG"), PictureFormat::Png);
    EXPECT_EQ(pictureFormatFor("x.Jpeg"), PictureFormat::Jpeg);
    EXPECT_EQ(pictureFormatFor("x.jpg"), PictureFormat::Jpeg);
    EXPECT_EQ(pictureFormatFor("x.bMp"), PictureFormat::Bmp);
    EXPECT_EQ(pictureFormatFor("dir.png/file"), PictureFormat::None);
    EXPECT_EQ(decodePictureFile("/nowhere/skin.gif").error,
              "Unknown picture file extension (.gif)");
    EXPECT_EQ(decodePictureFile("/nowhere/skin").error, "Unknown picture file extension (.)");
    EXPECT_NE(decodePictureFile("/nowhere/skin.png").error, "");
}

TEST(PngDecoder, AlphaIsKeptAndPremultiplied) {
    test::TempDir dir;
    const std::vector<std::uint32_t> px = {0xFFFF0000, 0x80FF0000, 0x00123456, 0xFF0000FF};
    const auto r = decodePictureFile(dir.write("p.PNG", test::pngBytes(2, 2, px)));
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.format, PictureFormat::Png);
    EXPECT_EQ(r.picture->width, 2);
    EXPECT_EQ(r.picture->height, 2);
    EXPECT_EQ(pix(r, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(pix(r, 1, 0), 0x80800000u);
    EXPECT_EQ(pix(r, 0, 1), 0u);
    EXPECT_EQ(pix(r, 1, 1), 0xFF0000FFu);
    EXPECT_FALSE(r.picture->opaque);
}

TEST(PngDecoder, PaletteWithTransparentColourAndSixteenBitGrey) {
    const Bytes pal = test::palettePngBytes(3, 1, {0x00000000, 0xFF00FF00, 0xFFFFFFFF}, {0, 1, 2});
    const auto p = decodePng(pal.data(), pal.size());
    ASSERT_TRUE(p.ok()) << p.error;
    EXPECT_EQ(pix(p, 0, 0), 0u);
    EXPECT_EQ(pix(p, 1, 0), 0xFF00FF00u);
    EXPECT_EQ(pix(p, 2, 0), 0xFFFFFFFFu);

    const Bytes grey = test::grey16PngBytes(2, 1, {0, 65535});
    const auto g = decodePng(grey.data(), grey.size());
    ASSERT_TRUE(g.ok()) << g.error;
    EXPECT_EQ(pix(g, 0, 0), 0xFF000000u);
    EXPECT_EQ(pix(g, 1, 0), 0xFFFFFFFFu);
}

TEST(JpegDecoder, OpaqueColours) {
    const Bytes j = test::jpegBytes(16, 16, test::solid(16, 16, 0x3366CC));
    const auto r = decodeJpeg(j.data(), j.size());
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.picture->width, 16);
    EXPECT_EQ(r.picture->height, 16);
    expectNear(pix(r, 0, 0), 0xFF3366CC, 4);
    expectNear(pix(r, 15, 15), 0xFF3366CC, 4);
    EXPECT_TRUE(r.picture->opaque) << "painted as a plain copy";
}

TEST(BmpDecoder, DepthsAndRowOrders) {
    // Width 3 makes 24-bit rows need padding.
    const std::vector<std::uint32_t> px = {0xFF0000, 0x00FF00, 0x0000FF,
                                           0x123456, 0xABCDEF, 0x000000};
    for (int bpp : {24, 32})
        for (bool topDown : {false, true}) {
            const Bytes b = test::bmpBytes(3, 2, bpp, px, topDown);
            const auto r = decodeBmp(b.data(), b.size());
            ASSERT_TRUE(r.ok()) << bpp << ' ' << topDown << ' ' << r.error;
            ASSERT_EQ(r.picture->width, 3);
            ASSERT_EQ(r.picture->height, 2);
            EXPECT_TRUE(r.picture->opaque);
            for (int i = 0; i < 6; ++i)
                EXPECT_EQ(pix(r, i % 3, i / 3), 0xFF000000u | px[i])
                    << bpp << ' ' << topDown << ' ' << i;
        }

    const Bytes p8 = test::bmp8Bytes(3, 2, {0x000000, 0xFF8000, 0x00FFFF}, {2, 1, 0, 0, 1, 2});
    const auto r = decodeBmp(p8.data(), p8.size());
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(pix(r, 0, 0), 0xFF00FFFFu);
    EXPECT_EQ(pix(r, 1, 0), 0xFFFF8000u);
    EXPECT_EQ(pix(r, 2, 1), 0xFF00FFFFu);
}

TEST(BmpDecoder, IndexOutsideThePaletteIsBlack) {
    const Bytes b = test::bmp8Bytes(2, 1, {0xFFFFFF}, {0, 200});
    const auto r = decodeBmp(b.data(), b.size());
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(pix(r, 0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(pix(r, 1, 0), 0xFF000000u);
}

// Every prefix of a valid file must give a message, never a crash or a read
// outside the buffer (ASan watches the latter).
TEST(DamagedFiles, EveryTruncationIsAnError) {
    const Bytes png = test::pngBytes(8, 8, test::solid(8, 8, 0xFF102030));
    const Bytes bmp = test::bmpBytes(8, 8, 24, test::solid(8, 8, 0x102030));
    std::vector<std::uint32_t> noise(64 * 64);
    std::mt19937 rng(7);
    for (auto& p : noise) p = rng() & 0xFFFFFF;
    const Bytes jpg = test::jpegBytes(64, 64, noise);

    // A PNG without its closing IEND chunk still holds the whole picture.
    for (std::size_t n = 0; n + 12 < png.size(); ++n) {
        const auto r = decodePng(png.data(), n);
        EXPECT_FALSE(r.ok()) << n;
        EXPECT_FALSE(r.error.empty()) << n;
    }
    for (std::size_t n = 0; n < bmp.size(); ++n)
        EXPECT_EQ(decodeBmp(bmp.data(), n).error, "Bitmap image is not valid") << n;
    // The end-of-image marker alone may go missing without harm.
    for (std::size_t n = 0; n + 2 < jpg.size(); n += 7) {
        const auto r = decodeJpeg(jpg.data(), n);
        EXPECT_FALSE(r.ok()) << n;
        EXPECT_FALSE(r.error.empty()) << n;
    }
    const auto cutInData = decodeJpeg(jpg.data(), jpg.size() / 2);
    EXPECT_EQ(cutInData.error, "Premature end of JPEG file");
}

TEST(DamagedFiles, FlippedBytesNeverCrash) {
    const std::vector<Bytes> files = {
        test::pngBytes(4, 4, test::solid(4, 4, 0xFF00FF00)),
        test::bmpBytes(4, 4, 32, test::solid(4, 4, 0x00FF00)),
        test::bmp8Bytes(4, 4, {0, 0xFFFFFF}, std::vector<std::uint8_t>(16, 1)),
        test::jpegBytes(16, 16, test::solid(16, 16, 0x808080)),
    };
    std::mt19937 rng(1234);
    for (int round = 0; round < 300; ++round)
        for (std::size_t f = 0; f < files.size(); ++f) {
            Bytes b = files[f];
            for (int k = 0; k < 3; ++k) b[rng() % b.size()] = std::uint8_t(rng());
            const auto r = f == 0   ? decodePng(b.data(), b.size())
                           : f == 3 ? decodeJpeg(b.data(), b.size())
                                    : decodeBmp(b.data(), b.size());
            EXPECT_TRUE(r.ok() != !r.error.empty());
            if (r.ok()) {
                EXPECT_EQ(r.picture->pixels.size(),
                          std::size_t(r.picture->width) * std::size_t(r.picture->height));
            }
        }
}

// The same file with another size in its header.
Bytes withClaimedSize(PictureFormat f, std::uint32_t w, std::uint32_t h) {
    if (f == PictureFormat::Png) return pngClaimingSize(w, h);
    if (f == PictureFormat::Bmp) {
        Bytes bmp = test::bmpBytes(1, 1, 24, {0});
        for (auto [at, v] : {std::pair{18u, w}, {22u, h}})
            for (int i = 0; i < 4; ++i) bmp[at + i] = std::uint8_t(v >> (8 * i));
        return bmp;
    }
    Bytes jpg = test::jpegBytes(8, 8, test::solid(8, 8, 0));
    const std::uint8_t sof0[] = {0xFF, 0xC0};
    const auto sof = std::search(jpg.begin(), jpg.end(), std::begin(sof0), std::end(sof0));
    const std::size_t at = std::size_t(sof - jpg.begin()) + 5;  // marker, length, precision
    jpg[at] = std::uint8_t(h >> 8), jpg[at + 1] = std::uint8_t(h);
    jpg[at + 2] = std::uint8_t(w >> 8), jpg[at + 3] = std::uint8_t(w);
    return jpg;
}

DecodeResult decode(PictureFormat f, const Bytes& b) {
    return f == PictureFormat::Png    ? decodePng(b.data(), b.size())
           : f == PictureFormat::Jpeg ? decodeJpeg(b.data(), b.size())
                                      : decodeBmp(b.data(), b.size());
}

// Beyond 8192 a side or 2^25 pixels a picture is refused from its header; an
// 8K backdrop is not (these files then lack their pixel data).
TEST(DamagedFiles, AbsurdSizesAreRefusedFromTheHeader) {
    const struct {
        std::uint32_t w, h;
        bool refused;
    } cases[] = {{16384, 16384, true}, {8193, 1, true},      {1, 8193, true},
                 {8192, 4097, true},   {60000, 60000, true}, {7680, 4320, false},
                 {4320, 7680, false},  {8192, 4096, false}};
    for (PictureFormat f : {PictureFormat::Png, PictureFormat::Jpeg, PictureFormat::Bmp})
        for (const auto& c : cases) {
            const std::string tooLarge = "Picture is too large (" + std::to_string(c.w) + " x " +
                                         std::to_string(c.h) + " pixels)";
            const auto r = decode(f, withClaimedSize(f, c.w, c.h));
            EXPECT_FALSE(r.ok());
            EXPECT_EQ(r.error == tooLarge, c.refused)
                << int(f) << " " << c.w << " x " << c.h << ": " << r.error;
        }
}

// A text chunk that claims 1.7 GB in a 65-byte file: refused without the
// memory ever being taken.
TEST(DamagedFiles, ChunkLengthsCannotClaimMemory) {
    for (const char* type : {"tEXt", "zTXt", "iTXt", "abCd"}) {
        Bytes png = test::pngBytes(2, 2, test::solid(2, 2, 0xFF00FF00));
        Bytes chunk = {0x66, 0x66, 0x66, 0x66};
        chunk.insert(chunk.end(), type, type + 4);
        for (const char c : std::string_view("Comment\0abcdefghijklmnopq", 25))
            chunk.push_back(std::uint8_t(c));
        png.insert(png.begin() + 33, chunk.begin(), chunk.end());
        png.resize(65);
        rusage before{}, after{};
        getrusage(RUSAGE_SELF, &before);
        const auto r = decodePng(png.data(), png.size());
        getrusage(RUSAGE_SELF, &after);
        EXPECT_FALSE(r.ok()) << type;
        EXPECT_FALSE(r.error.empty()) << type;
        EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 * 1024) << type << ": KiB of peak memory";
    }
}

TEST(JpegDecoder, CmykColours) {
    // Adobe's inverted inks: 255 is no ink.
    const struct {
        std::array<std::uint8_t, 4> stored;
        std::uint32_t argb;
    } cases[] = {{{255, 255, 255, 255}, 0xFFFFFFFF},
                 {{255, 0, 0, 255}, 0xFFFF0000},
                 {{0, 255, 255, 255}, 0xFF00FFFF},
                 {{255, 255, 255, 0}, 0xFF000000},
                 {{255, 255, 255, 128}, 0xFF808080}};
    for (const auto& c : cases) {
        const Bytes j = test::cmykJpegBytes(16, 8, c.stored);
        const auto r = decodeJpeg(j.data(), j.size());
        ASSERT_TRUE(r.ok()) << r.error;
        EXPECT_EQ(r.picture->width, 16);
        expectNear(pix(r, 3, 5), c.argb, 6);
    }
}

}  // namespace
}  // namespace zx
