// The bundled Config.ini and skin, loaded by the program's own loader.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "config/gfxinit.h"
#include "config/ini_file.h"
#include "display/controls.h"
#include "display/face.h"

namespace zx {
namespace {

const std::string kDir = ZX_ASSET_DIR;

bool isMarker(const PictureRef& p) {
    const PictureRef m = missingPictureMarker();
    return p && p->width == m->width && p->height == m->height && p->pixels == m->pixels;
}

int alphaOf(std::uint32_t argb) { return int(argb >> 24); }

// Skin folders in Config.ini are relative to the working directory, as for the
// player who starts the program in its folder.
class BundledSkin : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(kDir);
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

    SkinResult load(Face& face, bool fullscreen) {
        SkinContext ctx;
        ctx.configPath = kDir + "/Config.ini";
        ctx.screenWidth = 1920;
        ctx.screenHeight = 1080;
        ctx.fullscreen = fullscreen;
        return LoadSkin(face, ctx);
    }

    std::filesystem::path previous_;
};

bool isDigitSlot(Ctl c) { return c >= Ctl::im_panel_digit_pos_1 && c <= Ctl::im_panel_digit_pos_5; }

TEST_F(BundledSkin, EveryImageHasItsOwnPictureInsideTheFace) {
    Face face;
    ASSERT_TRUE(load(face, false).ok());
    for (int n = 1; n <= kSkinImageCount; ++n) {
        const Ctl c = skinImage(n);
        const Control& ctl = face[c];
        SCOPED_TRACE(std::string(controlName(c)));
        EXPECT_GE(ctl.rect.x, 0);
        EXPECT_GE(ctl.rect.y, 0);
        EXPECT_LE(ctl.rect.x + ctl.rect.w, 542);
        EXPECT_LE(ctl.rect.y + ctl.rect.h, 359);
        EXPECT_FALSE(ctl.rect.empty());
        if (isDigitSlot(c)) {
            EXPECT_EQ(ctl.picture, nullptr);  // filled from the glyphs at run time
            continue;
        }
        ASSERT_NE(ctl.picture, nullptr);
        EXPECT_FALSE(isMarker(ctl.picture));
        // Pictures are drawn unscaled from the top-left: a size mismatch would cut or shift them.
        EXPECT_EQ(ctl.picture->width, ctl.rect.w);
        EXPECT_EQ(ctl.picture->height, ctl.rect.h);
    }
}

TEST_F(BundledSkin, DigitGlyphsFitTheirSlots) {
    Face face;
    ASSERT_TRUE(load(face, false).ok());
    for (int d = 0; d <= 9; ++d) {
        const Control& big = face[Ctl(int(Ctl::im_panel_number_0) + d)];
        const Control& small = face[Ctl(int(Ctl::im_panel_number_small_0) + d)];
        for (int place = 1; place <= 4; ++place) {
            const Rect slot = face[Ctl(int(Ctl::im_panel_digit_pos_1) + place - 1)].rect;
            EXPECT_EQ(big.picture->width, slot.w) << "big " << d << " at place " << place;
            EXPECT_EQ(big.picture->height, slot.h) << "big " << d << " at place " << place;
        }
        const Rect fifth = face[Ctl::im_panel_digit_pos_5].rect;
        EXPECT_EQ(small.picture->width, fifth.w) << "small " << d;
        EXPECT_EQ(small.picture->height, fifth.h) << "small " << d;
    }
}

TEST_F(BundledSkin, SegmentsAreVisibleAndDistinctWhenLitAlone) {
    Face face;
    ASSERT_TRUE(load(face, false).ok());
    for (int n = 1; n <= kSkinImageCount; ++n) {
        const Ctl c = skinImage(n);
        const auto name = controlName(c);
        if (!name.starts_with("im_") || c == Ctl::im_background || isDigitSlot(c)) continue;
        int dark = 0;
        for (std::uint32_t px : face[c].picture->pixels) dark += alphaOf(px) >= 160;
        EXPECT_GE(dark, c == Ctl::im_background_screen_top ? 0 : 8) << name;
    }
    // The two poses of an enemy must differ, or its animation would not show.
    EXPECT_NE(face[Ctl::im_enemy_1_2].picture->pixels, face[Ctl::im_enemy_1_3].picture->pixels);
    // Adjacent digits must differ, or the display could not be read.
    for (int d = 0; d < 9; ++d)
        EXPECT_NE(face[Ctl(int(Ctl::im_panel_number_0) + d)].picture->pixels,
                  face[Ctl(int(Ctl::im_panel_number_0) + d + 1)].picture->pixels);
}

TEST_F(BundledSkin, DeviceOutlineIsCleanForTheColourKey) {
    Face face;
    ASSERT_TRUE(load(face, false).ok());
    EXPECT_TRUE(face.look().colourKeyOn);
    EXPECT_EQ(face.look().colourKey, rgb(255, 0, 255));
    EXPECT_EQ(face.look().clientWidth, 542);
    EXPECT_EQ(face.look().clientHeight, 359);
    const Picture& bg = *face[Ctl::im_background].picture;
    // Outside the case the window's key colour (windowed) or the backdrop
    // (full screen) shows; a half-transparent edge would show a pink fringe.
    int partial = 0;
    for (std::uint32_t px : bg.pixels) partial += alphaOf(px) != 0 && alphaOf(px) != 255;
    EXPECT_EQ(partial, 0);
    EXPECT_EQ(alphaOf(bg.pixel(0, 0)), 0);
    EXPECT_EQ(alphaOf(bg.pixel(541, 358)), 0);
    EXPECT_EQ(alphaOf(bg.pixel(271, 179)), 255);
}

TEST_F(BundledSkin, PressedButtonsShowThroughTheirButtonAreas) {
    Face face;
    ASSERT_TRUE(load(face, false).ok());
    const Ctl pairs[][2] = {{Ctl::btn_game_a_down, Ctl::btn_game_a_top},
                            {Ctl::btn_game_b_down, Ctl::btn_game_b_top},
                            {Ctl::btn_time_down, Ctl::btn_time_top},
                            {Ctl::btn_left_down, Ctl::btn_left_top},
                            {Ctl::btn_right_down, Ctl::btn_right_top},
                            {Ctl::btn_shoot_left_down, Ctl::btn_shoot_left_top},
                            {Ctl::btn_shoot_right_down, Ctl::btn_shoot_right_top}};
    for (const auto& pair : pairs) {
        SCOPED_TRACE(std::string(controlName(pair[1])));
        EXPECT_EQ(face[pair[0]].rect, face[pair[1]].rect);
        for (std::uint32_t px : face[pair[1]].picture->pixels) ASSERT_EQ(alphaOf(px), 0);
        // The pressed picture must change the look, or a press would not show.
        const Picture& down = *face[pair[0]].picture;
        const Picture& bg = *face[Ctl::im_background].picture;
        const Rect r = face[pair[0]].rect;
        int changed = 0;
        for (int y = 0; y < r.h; ++y)
            for (int x = 0; x < r.w; ++x) changed += down.pixel(x, y) != bg.pixel(r.x + x, r.y + y);
        EXPECT_GT(changed, r.w * r.h / 10);
    }
}

TEST_F(BundledSkin, FullScreenShowsBackdropAndLogo) {
    Face face;
    ASSERT_TRUE(load(face, true).ok());
    const Control& backdrop = face[Ctl::im_backdrop];
    const Control& logo = face[Ctl::im_backdrop_logo];
    ASSERT_TRUE(backdrop.visible);
    ASSERT_NE(backdrop.picture, nullptr);
    EXPECT_EQ(backdrop.picture->width, 1920);
    EXPECT_EQ(backdrop.picture->height, 1080);
    ASSERT_TRUE(logo.visible);
    ASSERT_NE(logo.picture, nullptr);
    EXPECT_FALSE(isMarker(logo.picture));
    EXPECT_EQ(logo.rect.x + logo.rect.w, 1920);  // bottom-right corner, clear of the menu button
    EXPECT_EQ(logo.rect.y + logo.rect.h, 1080);
    EXPECT_EQ(face[Ctl::im_background].rect.x, (1920 - 542) / 2);
}

TEST_F(BundledSkin, ManualHasTwelveReadablePages) {
    const ManualPages m = LoadManualPages(kDir + "/Config.ini");
    EXPECT_TRUE(m.error.empty()) << m.error;
    EXPECT_EQ(m.clientWidth, 345);
    EXPECT_EQ(m.clientHeight, 255);
    for (int i = 0; i < kManualPageCount; ++i) {
        ASSERT_NE(m.pages[std::size_t(i)], nullptr) << "page " << i + 1;
        EXPECT_FALSE(isMarker(m.pages[std::size_t(i)])) << "page " << i + 1;
        EXPECT_EQ(m.pages[std::size_t(i)]->width, 345);
        EXPECT_EQ(m.pages[std::size_t(i)]->height, 255);
    }
}

}  // namespace
}  // namespace zx

namespace zx {
namespace {

// The bundled file keeps the designed look (the device at its size in full
// screen, unlit segments invisible) and tells the player, in a comment in
// the key's own section, how to change it.
TEST(BundledConfig, OptionalKeysAreDocumentedButAbsent) {
    const auto ini = IniFile::load(kDir + "/Config.ini");
    ASSERT_TRUE(ini);
    std::ifstream in(kDir + "/Config.ini");
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const struct {
        const char* section;
        const char* key;
        const char* comment;
        const char* nextSection;
    } keys[] = {{"Fullscreen", "Scale", "; Scale=2.5", "[VideoMode]"},
                {"Fullscreen", "Scale", "Scale=fit", "[VideoMode]"},
                {"Common", "UnlitOpacity", "; UnlitOpacity=8 ", "[Fullscreen]"}};
    for (const auto& k : keys) {
        SCOPED_TRACE(k.comment);
        EXPECT_FALSE(ini->value(k.section, k.key));
        const std::size_t section = text.find("[" + std::string(k.section) + "]");
        ASSERT_NE(section, std::string::npos);
        const std::size_t comment = text.find(k.comment, section);
        ASSERT_NE(comment, std::string::npos);
        EXPECT_LT(comment, text.find(k.nextSection));
    }
}

}  // namespace
}  // namespace zx
