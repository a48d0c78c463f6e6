// The bundled window pictures, manual bitmaps and texts: present, decodable, the right size.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "config/picture_decoder.h"
#include "config/twin_picture.h"

namespace zx {
namespace {

const std::string kDir = ZX_ASSET_DIR;

std::vector<std::uint8_t> readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}

TEST(BundledFiles, WindowPicturesDecodeAtTheirDesignSizes) {
    const struct {
        const char* file;
        int w, h;
    } pictures[] = {
        {"Graphics/Windows/splash_background.png", 460, 420},
        {"Graphics/Windows/splash_box.jpg", 200, 116},
        {"Graphics/Windows/splash_play_blue.png", 107, 30},
        {"Graphics/Windows/splash_play_grey.png", 107, 30},
        {"Graphics/Windows/splash_donate.png", 107, 30},
        {"Graphics/Windows/about.png", 116, 160},
        {"Graphics/Windows/game_menu.png", 256, 512},
        {"Graphics/Windows/manual_left_up.png", 16, 14},
        {"Graphics/Windows/manual_left_down.png", 16, 14},
        {"Graphics/Windows/manual_right_up.png", 16, 14},
        {"Graphics/Windows/manual_right_down.png", 16, 14},
        {"Graphics/Windows/manual_close_up.png", 16, 14},
        {"Graphics/Windows/manual_close_down.png", 16, 14},
        {"Graphics/Backdrops/tabletop.jpg", 1920, 1080},
    };
    for (const auto& p : pictures) {
        const DecodeResult r = decodePictureFile(kDir + "/" + p.file);
        ASSERT_NE(r.picture, nullptr) << p.file << ": " << r.error;
        EXPECT_EQ(r.picture->width, p.w) << p.file;
        EXPECT_EQ(r.picture->height, p.h) << p.file;
    }
}

TEST(BundledFiles, GameMenuPictureHasItsStripAndShade) {
    const DecodeResult r = decodePictureFile(kDir + "/Graphics/Windows/game_menu.png");
    ASSERT_NE(r.picture, nullptr);
    const Picture& p = *r.picture;
    EXPECT_EQ(p.pixel(200, 5) >> 24, 255u);   // opaque top strip
    EXPECT_EQ(p.pixel(200, 40) >> 24, 204u);  // 80 % black below it
    EXPECT_EQ(p.pixel(200, 511) >> 24, 204u);
    int white = 0;  // the menu symbol lies inside the 36 x 32 button
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 36; ++x) white += (p.pixel(x, y) & 0xffffff) == 0xffffff;
    EXPECT_GT(white, 40);
}

TEST(BundledFiles, ManualPagesArePlain24BitBitmaps) {
    for (int n = 1; n <= 12; ++n) {
        const auto b = readAll(kDir + "/Graphics/Manual/" + std::to_string(n) + ".bmp");
        ASSERT_GE(b.size(), 54u) << n;
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(le32(b, 18), 345u) << n;
        EXPECT_EQ(le32(b, 22), 255u) << n;  // positive: stored bottom-up
        EXPECT_EQ(b[28] | (b[29] << 8), 24) << n;
        EXPECT_EQ(le32(b, 30), 0u) << n;               // uncompressed
        EXPECT_EQ(b.size(), 54u + 1036u * 255u) << n;  // 1035-byte rows padded to 4 bytes
    }
}

TEST(BundledFiles, TextsBesideTheProgram) {
    for (const char* f : {"Readme.txt", "Whatsnew.txt"}) {
        const auto b = readAll(kDir + "/" + f);
        EXPECT_GT(b.size(), 200u) << f;
    }
    const auto readme = readAll(kDir + "/Readme.txt");
    const std::string text(readme.begin(), readme.end());
    // The keys the player finds first must match the program's defaults.
    EXPECT_NE(text.find("Shoot (left)     Ctrl"), std::string::npos);
    EXPECT_NE(text.find("Version 5.00 * Final *"), std::string::npos);
    EXPECT_EQ(text.find("http://"), std::string::npos);  // only reserved example addresses
}

}  // namespace
}  // namespace zx

namespace zx {
namespace {

// Every bundled picture has a sharper twin that the program takes: twice
// its size, drawn from the same art (the same colours on average), and the
// hard outline of the device picture stays hard.
TEST(BundledFiles, EveryPictureHasItsTwin) {
    std::vector<std::string> files;
    for (const char* folder :
         {"Graphics/Skin", "Graphics/Windows", "Graphics/Backdrops", "Graphics/Manual"})
        for (const auto& e : std::filesystem::directory_iterator(kDir + "/" + folder)) {
            const std::string name = e.path().filename().string();
            if (name.find("@2x") == std::string::npos) files.push_back(e.path().string());
        }
    ASSERT_GT(files.size(), 100u);
    for (const std::string& file : files) {
        DecodeResult r = decodePictureFile(file);
        ASSERT_TRUE(r.ok()) << file;
        r.picture->twinPath = twinPathOf(file);
        const PictureRef twin = loadTwin(*r.picture);
        ASSERT_TRUE(twin) << file;
        // Mean of each channel within a few levels of the 1x picture's.
        auto mean = [](const Picture& p, int shift) {
            double sum = 0;
            for (std::uint32_t px : p.pixels) sum += (px >> shift) & 0xFF;
            return sum / double(p.pixels.size());
        };
        for (int shift : {24, 16, 8, 0})
            EXPECT_NEAR(mean(*twin, shift), mean(*r.picture, shift), 6.0) << file << " " << shift;
    }
    const DecodeResult face = decodePictureFile(kDir + "/Graphics/Skin/im_background@2x.png");
    ASSERT_TRUE(face.ok());
    for (std::uint32_t px : face.picture->pixels) ASSERT_TRUE(px >> 24 == 0 || px >> 24 == 255);
}

}  // namespace
}  // namespace zx
