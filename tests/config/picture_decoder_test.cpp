// Decoding of PNG, JPEG and BMP files, damaged and oversized ones included.
#include "config/picture_decoder.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <random>

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

TEST(DamagedFiles, AbsurdSizesAreRefusedFromTheHeader) {
    const Bytes png = pngClaimingSize(20000, 20000);
    EXPECT_EQ(decodePng(png.data(), png.size()).error,
              "Picture is too large (20000 x 20000 pixels)");
    const Bytes pngOk = pngClaimingSize(16384, 1);
    EXPECT_NE(decodePng(pngOk.data(), pngOk.size()).error.find("image data"), std::string::npos)
        << "16384 is allowed; the missing data is the fault";

    Bytes jpg = test::jpegBytes(8, 8, test::solid(8, 8, 0));
    const std::uint8_t sof0[] = {0xFF, 0xC0};
    const auto sof = std::search(jpg.begin(), jpg.end(), std::begin(sof0), std::end(sof0));
    ASSERT_NE(sof, jpg.end());
    const std::size_t at = std::size_t(sof - jpg.begin()) + 5;  // marker, length, precision
    jpg[at] = 0x4E, jpg[at + 1] = 0x20, jpg[at + 2] = 0x4E, jpg[at + 3] = 0x21;  // 20001 x 20000
    EXPECT_EQ(decodeJpeg(jpg.data(), jpg.size()).error,
              "Picture is too large (20001 x 20000 pixels)");

    Bytes bmp = test::bmpBytes(1, 1, 24, {0});
    for (auto [at, v] : {std::pair{18, 20000}, {22, -20000}})
        for (int i = 0; i < 4; ++i) bmp[at + i] = std::uint8_t(std::uint32_t(v) >> (8 * i));
    EXPECT_EQ(decodeBmp(bmp.data(), bmp.size()).error,
              "Picture is too large (20000 x 20000 pixels)");
}

}  // namespace
}  // namespace zx
