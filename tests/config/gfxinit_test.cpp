// LoadSkin and LoadManualPages on real files in a temporary folder.
#include "config/gfxinit.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "picture_files.h"

namespace zx {
namespace {

constexpr std::uint32_t kMagenta = 0xFFFF00FF;
constexpr std::uint32_t kBlack = 0xFF000000;

class SkinTest : public ::testing::Test {
  protected:
    // Writes Config.ini (with SkinDir and BackdropDir pointing into the
    // temporary folder unless the text sets them) and loads it.
    SkinResult load(const std::string& ini, bool fullscreen = false, int sw = 1024, int sh = 768) {
        const std::string text = "[Common]\nSkinDir=" + dir.path() +
                                 "/skin\n[Fullscreen]\nBackdropDir=" + dir.path() + "/back\n" + ini;
        ctx.configPath = dir.write("Config.ini", text);
        ctx.fullscreen = fullscreen;
        ctx.screenWidth = sw;
        ctx.screenHeight = sh;
        return LoadSkin(face, ctx);
    }
    SkinResult loadRaw(const std::string& ini, bool fullscreen, int sw = 1024, int sh = 768) {
        ctx = {dir.write("Config.ini", ini), sw, sh, fullscreen};
        return LoadSkin(face, ctx);
    }
    void skinFile(const std::string& name, const test::Bytes& b) { dir.write("skin/" + name, b); }
    void backFile(const std::string& name, const test::Bytes& b) { dir.write("back/" + name, b); }

    test::TempDir dir;
    SkinContext ctx;
    Face face;
};

void expectMarker(const PictureRef& p) {
    ASSERT_TRUE(p);
    ASSERT_EQ(p->width, 10);
    ASSERT_EQ(p->height, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool border = x == 0 || y == 0 || x == 9 || y == 9;
            EXPECT_EQ(p->pixel(x, y), border ? kBlack : 0xFFFF0000u) << x << ',' << y;
        }
}

TEST_F(SkinTest, MissingConfigStillSetsTheMenuButton) {
    ctx = {dir.file("Config.ini"), 800, 600, true};
    const SkinResult r = LoadSkin(face, ctx);
    EXPECT_EQ(r.status, SkinStatus::ConfigMissing);
    EXPECT_EQ(r.message, "Configuration file (Config.ini) not found. Please reinstall the game.");
    EXPECT_TRUE(face[Ctl::btn_game_menu_top].visible);
    EXPECT_TRUE(face[Ctl::btn_game_menu_background].visible);
    EXPECT_EQ(face[Ctl::btn_game_menu_background].rect, (Rect{0, 0, 36, 32}));
}

TEST_F(SkinTest, EmptyFileWindowed) {
    ASSERT_TRUE(loadRaw("", false).ok());
    EXPECT_EQ(face.look().clientWidth, 542);
    EXPECT_EQ(face.look().clientHeight, 359);
    EXPECT_EQ(face.look().background, kMagenta);
    EXPECT_TRUE(face.look().colourKeyOn);
    EXPECT_EQ(face.look().colourKey, kMagenta);
    for (int n = 1; n <= kSkinImageCount; ++n) {
        EXPECT_EQ(face[skinImage(n)].rect, (Rect{0, 0, 0, 0})) << n;
        EXPECT_FALSE(face[skinImage(n)].picture) << n;
    }
    EXPECT_FALSE(face[Ctl::im_backdrop].visible);
    EXPECT_FALSE(face[Ctl::im_backdrop_logo].visible);
    EXPECT_FALSE(face[Ctl::btn_game_menu_top].visible);
    EXPECT_FALSE(face[Ctl::btn_game_menu_background].visible);
}

// A size that leaves no window is the design size; an absurd one is cut to
// 8192 a side and 2^25 pixels. An 8K face still fits.
TEST_F(SkinTest, WindowSizeIsFittedWithinTheLimits) {
    const struct {
        const char* width;
        const char* height;
        int w, h;
    } cases[] = {
        {"-5", "300", 542, 359},         {"300", "0", 542, 359},
        {"-2147483648", "-1", 542, 359}, {"100000", "100000", 8192, 4096},
        {"2147483647", "10", 8192, 10},  {"7680", "4320", 7680, 4320},
        {"4320", "7680", 4320, 7680},    {"\"300\"", "200", 300, 200},
    };
    for (bool fullscreen : {false, true})
        for (const auto& c : cases) {
            ASSERT_TRUE(loadRaw(std::string("[Common]\nGameWidth=") + c.width +
                                    "\nGameHeight=" + c.height + "\n",
                                fullscreen, 100000, 100000)
                            .ok());
            if (!fullscreen) {
                EXPECT_EQ(face.look().clientWidth, c.w) << c.width << " x " << c.height;
                EXPECT_EQ(face.look().clientHeight, c.h) << c.width << " x " << c.height;
            } else {
                EXPECT_EQ(face.look().clientWidth, 8192);
                EXPECT_EQ(face.look().clientHeight, 4096);
                EXPECT_EQ(face[skinImage(1)].rect.x, (8192 - c.w) / 2) << "face centred";
            }
        }
}

TEST_F(SkinTest, EmptyFileFullscreen) {
    ASSERT_TRUE(loadRaw("", true, 1024, 768).ok());
    EXPECT_EQ(face.look().clientWidth, 1024);
    EXPECT_EQ(face.look().clientHeight, 768);
    EXPECT_EQ(face.look().background, kBlack);
    EXPECT_FALSE(face.look().colourKeyOn);
    EXPECT_FALSE(face[Ctl::im_backdrop].picture);
    EXPECT_FALSE(face[Ctl::im_backdrop].visible);
    EXPECT_EQ(face[Ctl::im_backdrop].rect, (Rect{0, 0, 1024, 768}));
    EXPECT_FALSE(face[Ctl::im_backdrop_logo].picture);
    for (int n = 1; n <= kSkinImageCount; ++n)
        EXPECT_EQ(face[skinImage(n)].rect, (Rect{241, 204, 0, 0})) << n;
    EXPECT_TRUE(face[Ctl::btn_game_menu_top].visible);
}

TEST_F(SkinTest, FullscreenOffsets) {
    const std::string image = "[Image3]\nLeft=10\nTop=20\nWidth=30\nHeight=40\n";
    ASSERT_TRUE(load("GameOffsetX=-20\nGameOffsetY=0\n" + image, true).ok());
    EXPECT_EQ(face[skinImage(3)].rect, (Rect{-10, 224, 30, 40}));

    ASSERT_TRUE(load("GameOffsetX=Center\nGameOffsetY=7\n" + image, true, 539, 100).ok());
    EXPECT_EQ(face[skinImage(3)].rect, (Rect{9, 27, 30, 40})) << "-3 / 2 gives -1";

    ASSERT_TRUE(load("GameOffsetX=5\n" + image, false).ok());
    EXPECT_EQ(face[skinImage(3)].rect, (Rect{10, 20, 30, 40})) << "windowed ignores offsets";

    // Hand-edited extremes neither overflow nor give negative sizes.
    ASSERT_TRUE(
        load("GameOffsetX=2147483647\n[Common]\nGameWidth=-5\n[Image3]\nLeft=100\nWidth=-1\n", true)
            .ok());
    EXPECT_EQ(face[skinImage(3)].rect.x, kMaxCoordinate);
    EXPECT_EQ(face[skinImage(3)].rect.w, 0);
}

TEST_F(SkinTest, PicturesMarkersAndNil) {
    skinFile("hero.png", test::pngBytes(2, 2, test::solid(2, 2, 0xFF00FF00)));
    const std::string named =
        "[Image1]\nFilename=hero.png\n[Image2]\nFilename=hero.png\n[Image3]\nFilename=hero.png\n"
        "[Image4]\nFilename=absent.png\n[Image5]\nFilename=NIL\n";
    ASSERT_TRUE(load(named).ok());
    EXPECT_EQ(face[skinImage(1)].picture->pixel(1, 1), 0xFF00FF00u);
    expectMarker(face[skinImage(4)].picture);
    expectMarker(face[skinImage(5)].picture);

    // A re-run keeps the pictures of images that name none.
    const PictureRef kept = face[skinImage(1)].picture;
    ASSERT_TRUE(load("[Image1]\nFilename=nil\nLeft=3\n[Image2]\nFilename=\n").ok());
    EXPECT_EQ(face[skinImage(1)].picture, kept);
    EXPECT_EQ(face[skinImage(1)].rect.x, 3);
    EXPECT_TRUE(face[skinImage(2)].picture);
    EXPECT_TRUE(face[skinImage(3)].picture) << "no section at all keeps it too";
}

TEST_F(SkinTest, BitmapTransparencyOnlyInTransparentControls) {
    skinFile("b.BMP", test::bmpBytes(2, 2, 24, {0x0000FF, 0x00FF00, 0x0000FF, 0xFF0000}));
    const int hero = int(Ctl::im_hero_1) + 1, button = int(Ctl::btn_time_top) + 1;
    ASSERT_TRUE(load("[Image" + std::to_string(hero) + "]\nFilename=b.BMP\n[Image" +
                     std::to_string(button) + "]\nFilename=b.BMP\n")
                    .ok());
    EXPECT_EQ(face[Ctl::im_hero_1].picture->pixel(0, 1), 0u);
    EXPECT_EQ(face[Ctl::im_hero_1].picture->pixel(0, 0), 0u) << "same colour as lower-left";
    EXPECT_FALSE(face[Ctl::im_hero_1].picture->opaque);
    EXPECT_EQ(face[Ctl::im_hero_1].picture->pixel(1, 0), 0xFF00FF00u);
    EXPECT_EQ(face[Ctl::btn_time_top].picture->pixel(0, 1), 0xFF0000FFu);
}

TEST_F(SkinTest, BackdropAndLogo) {
    backFile("bd.jpg", test::jpegBytes(8, 8, test::solid(8, 8, 0x00FF00)));
    backFile("logo.png", test::pngBytes(30, 20, test::solid(30, 20, 0xFFFFFFFF)));
    ASSERT_TRUE(load("BackdropFile=bd.jpg\nBackdropStretch=1\nLogoFile=logo.png\nLogoPosition=3\n"
                     "BgColor=$00FF0000\n",
                     true, 800, 600)
                    .ok());
    EXPECT_TRUE(face[Ctl::im_backdrop].visible);
    EXPECT_TRUE(face[Ctl::im_backdrop].stretch);
    EXPECT_EQ(face[Ctl::im_backdrop].rect, (Rect{0, 0, 800, 600}));
    EXPECT_EQ(face.look().background, 0xFF0000FFu);
    EXPECT_TRUE(face[Ctl::im_backdrop_logo].visible);
    EXPECT_EQ(face[Ctl::im_backdrop_logo].rect, (Rect{770, 580, 30, 20}));

    const std::pair<int, Rect> corners[] = {
        {0, {0, 0, 30, 20}}, {1, {770, 0, 30, 20}}, {2, {0, 580, 30, 20}}, {7, {0, 580, 30, 20}}};
    for (const auto& [pos, rect] : corners) {
        ASSERT_TRUE(
            load("LogoFile=logo.png\nLogoPosition=" + std::to_string(pos) + "\n", true, 800, 600)
                .ok());
        EXPECT_EQ(face[Ctl::im_backdrop_logo].rect, rect) << "position " << pos;
    }
    EXPECT_TRUE(face[Ctl::im_backdrop].visible) << "no backdrop file leaves the old one";
    EXPECT_TRUE(face[Ctl::im_backdrop].stretch);

    ASSERT_TRUE(load("BackdropFile=bd.jpg\nBackdropStretch=$100\n", true).ok());
    EXPECT_FALSE(face[Ctl::im_backdrop].stretch) << "only the lowest byte counts";

    // Windowed hides both; back in full-screen they show again.
    ASSERT_TRUE(load("BackdropFile=bd.jpg\nLogoFile=logo.png\n", false).ok());
    EXPECT_FALSE(face[Ctl::im_backdrop].visible);
    EXPECT_FALSE(face[Ctl::im_backdrop_logo].visible);
    EXPECT_TRUE(face.look().colourKeyOn);
    ASSERT_TRUE(load("BackdropFile=bd.jpg\nLogoFile=logo.png\n", true).ok());
    EXPECT_TRUE(face[Ctl::im_backdrop].visible);
    EXPECT_TRUE(face[Ctl::im_backdrop_logo].visible);
}

// The face's pictures together hold at most 2^26 pixels: two of the largest
// fit, a third is refused from its header.
TEST_F(SkinTest, PicturesShareOneMemoryBudget) {
    skinFile("big.bmp",
             test::bmp8Bytes(kMaxImageSide, 4096, {0x102030},
                             std::vector<std::uint8_t>(std::size_t(kMaxImageSide) * 4096)));
    const std::string two = "[Image1]\nFilename=big.bmp\n[Image2]\nFilename=big.bmp\n";
    const SkinResult third = load(two + "[Image3]\nFilename=big.bmp\n");
    EXPECT_EQ(third.message, "Picture is too large (8192 x 4096 pixels)");
    EXPECT_TRUE(face[skinImage(2)].picture);
    EXPECT_FALSE(face[skinImage(3)].picture);
}

TEST_F(SkinTest, ErrorsStopTheLoad) {
    SkinResult r = load("BgColor=\n[Image1]\nLeft=5\n", true, 800, 600);
    EXPECT_EQ(r.status, SkinStatus::LoadError);
    EXPECT_EQ(r.message, "'' is not a valid integer value");
    EXPECT_EQ(face.look().clientWidth, 542) << "stopped before the screen size";
    EXPECT_EQ(face[skinImage(1)].rect.x, 0);
    EXPECT_TRUE(face[Ctl::btn_game_menu_top].visible);

    r = load("[VideoMode]\nTranspColor=green\n", false);
    EXPECT_EQ(r.message, "'green' is not a valid integer value");

    skinFile("ok.png", test::pngBytes(1, 1, {0xFF000000}));
    skinFile("bad.gif", test::Bytes{1, 2, 3});
    skinFile("cut.bmp", test::Bytes{'B', 'M', 0, 0});
    ASSERT_TRUE(load("[Image2]\nFilename=ok.png\n").ok());
    const PictureRef before = face[skinImage(2)].picture;
    r = load("[Image1]\nLeft=1\n[Image2]\nFilename=bad.gif\nLeft=2\n[Image3]\nLeft=3\n");
    EXPECT_EQ(r.message, "Unknown picture file extension (.gif)");
    EXPECT_EQ(face[skinImage(1)].rect.x, 1);
    EXPECT_EQ(face[skinImage(2)].picture, before) << "a failed picture keeps the old one";
    EXPECT_EQ(face[skinImage(2)].rect.x, 0);
    EXPECT_EQ(face[skinImage(3)].rect.x, 0);

    EXPECT_EQ(load("[Image4]\nFilename=cut.bmp\n").message, "Bitmap image is not valid");
}

TEST_F(SkinTest, RelativeSkinDirFollowsWorkingDirectory) {
    skinFile("rel.png", test::pngBytes(1, 1, {0xFF123456}));
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    const SkinResult r = loadRaw("[Common]\nSkinDir=skin\n[Image1]\nFilename=rel.png\n", false);
    std::filesystem::current_path(old);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(face[skinImage(1)].picture->pixel(0, 0), 0xFF123456u);
}

TEST(ManualPages, DefaultsAndPages) {
    test::TempDir dir;
    const ManualPages none = LoadManualPages(dir.file("Config.ini"));
    EXPECT_EQ(none.clientWidth, 345);
    EXPECT_EQ(none.clientHeight, 255);
    EXPECT_TRUE(none.error.empty());
    for (const auto& p : none.pages) expectMarker(p);

    for (int n = 1; n <= 11; ++n)
        dir.write("pages/" + std::to_string(n) + ".bmp",
                  test::bmpBytes(1, 1, 24, {std::uint32_t(n)}));
    const std::string cfg =
        dir.write("Config.ini", "[Manual]\nManualDir=" + dir.path() +
                                    "/pages\nManualWidth=400\nManualHeight=300\n");
    const ManualPages m = LoadManualPages(cfg);
    EXPECT_EQ(m.clientWidth, 400);
    EXPECT_EQ(m.clientHeight, 300);
    for (int n = 1; n <= 11; ++n) EXPECT_EQ(m.pages[n - 1]->pixel(0, 0), 0xFF000000u | n);
    expectMarker(m.pages[11]);

    dir.write("pages/3.bmp", test::Bytes{'B', 'M'});
    const ManualPages bad = LoadManualPages(cfg);
    EXPECT_EQ(bad.error, "Bitmap image is not valid");
    EXPECT_TRUE(bad.pages[1]);
    EXPECT_FALSE(bad.pages[2]);
}

// The twelve pages share the face's budget of 2^26 pixels: two 8192 x 4096
// pages fit, the third is refused from its header, before any pixel of it.
TEST(ManualPages, PagesShareOnePixelBudget) {
    test::TempDir dir;
    const std::string big = dir.write(
        "big.bmp", test::bmp8Bytes(kMaxImageSide, 4096, {0x102030},
                                   std::vector<std::uint8_t>(std::size_t(kMaxImageSide) * 4096)));
    for (int n = 1; n <= kManualPageCount; ++n)
        ASSERT_EQ(::symlink(big.c_str(), dir.file("pages/" + std::to_string(n) + ".bmp").c_str()),
                  0);
    ManualLayout layout;
    layout.dir = dir.path() + "/pages/";
    const ManualPages m = LoadManualPages(layout);
    EXPECT_EQ(m.error, "Picture is too large (8192 x 4096 pixels)");
    EXPECT_TRUE(m.pages[0]);
    EXPECT_TRUE(m.pages[1]);
    for (int n = 3; n <= kManualPageCount; ++n) EXPECT_FALSE(m.pages[n - 1]) << n;
}

TEST(ConfigPath, BesideTheExecutable) {
    EXPECT_EQ(configPathBeside("/opt/zx/bin/zorbanix"), "/opt/zx/bin/Config.ini");
}

}  // namespace
}  // namespace zx

namespace zx {
namespace {

// Scale draws the full-screen device larger about its corner; the skin's
// rectangles stay its own, shifted by the offsets of the scaled device.
TEST_F(SkinTest, ScaleOnlyInFullScreen) {
    const std::string image = "[Image3]\nLeft=10\nTop=20\nWidth=30\nHeight=40\n";
    const struct {
        const char* keys;
        bool fullscreen;
        DeviceView view;
    } cases[] = {
        {"", true, {1, 241, 204}},
        {"Scale=\n", true, {1, 241, 204}},
        {"Scale=9\n", true, {1, 241, 204}},
        {"Scale=fit2\n", true, {1, 241, 204}},
        {"Scale=2\n", true, {2, -30, 25}},     // (1024 - 1084) / 2, (768 - 718) / 2
        {"Scale=fit\n", true, {1.7, 51, 79}},  // 921 x 610 on 1024 x 768
        {"Scale=2\nGameOffsetX=40\nGameOffsetY=-10\n", true, {2, 80, -20}},
        {"Scale=2\n", false, {1, 0, 0}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(load(std::string(c.keys) + image, c.fullscreen).ok()) << c.keys;
        EXPECT_EQ(face.look().device, c.view) << c.keys;
        const int offX = c.fullscreen ? c.view.x : 0, offY = c.fullscreen ? c.view.y : 0;
        EXPECT_EQ(face[skinImage(3)].rect, (Rect{10 + offX, 20 + offY, 30, 40})) << c.keys;
    }
}

TEST_F(SkinTest, ScaleLeavesBackdropAndLogoAsTheyAre) {
    backFile("logo.png", test::pngBytes(30, 20, test::solid(30, 20, 0xFFFFFFFF)));
    ASSERT_TRUE(load("Scale=3\nLogoFile=logo.png\nLogoPosition=3\n", true, 1920, 1080).ok());
    EXPECT_EQ(face[Ctl::im_backdrop_logo].rect, (Rect{1890, 1060, 30, 20}));
    EXPECT_EQ(face[Ctl::im_backdrop].rect, (Rect{0, 0, 1920, 1080}));
    EXPECT_EQ(face[Ctl::btn_game_menu_background].rect, (Rect{0, 0, 36, 32}));
}

// Each decoded picture knows where its twin would be; nothing is decoded for it.
TEST_F(SkinTest, PicturesKnowTheirTwinsFile) {
    skinFile("hero.png", test::pngBytes(2, 2, test::solid(2, 2, 0xFF00FF00)));
    skinFile("seg.bmp", test::bmpBytes(2, 2, 24, test::solid(2, 2, 0x00FF00)));
    backFile("bd.jpg", test::jpegBytes(8, 8, test::solid(8, 8, 0x00FF00)));
    const int hero = int(Ctl::im_hero_1) + 1, button = int(Ctl::btn_time_top) + 1;
    ASSERT_TRUE(load("BackdropFile=bd.jpg\n[Image1]\nFilename=hero.png\n[Image2]\nFilename=none."
                     "png\n[Image" +
                         std::to_string(hero) + "]\nFilename=seg.bmp\n[Image" +
                         std::to_string(button) + "]\nFilename=seg.bmp\n",
                     true)
                    .ok());
    EXPECT_EQ(face[skinImage(1)].picture->twinPath, dir.path() + "/skin/hero@2x.png");
    EXPECT_FALSE(face[skinImage(1)].picture->twinKeyed);
    EXPECT_EQ(face[Ctl::im_backdrop].picture->twinPath, dir.path() + "/back/bd@2x.jpg");
    EXPECT_TRUE(face[skinImage(2)].picture->twinPath.empty()) << "the marker has none";
    EXPECT_TRUE(face[Ctl::im_hero_1].picture->twinKeyed);
    EXPECT_FALSE(face[Ctl::btn_time_top].picture->twinKeyed);
}

}  // namespace
}  // namespace zx

namespace zx {
namespace {

// UnlitOpacity, as a player may write it: only a whole number from 0 to 100
// shows unlit segments; anything else keeps them invisible.
TEST_F(SkinTest, UnlitOpacityIsAWholePercentageOrNothing) {
    const struct {
        const char* line;
        int expected;
    } cases[] = {
        {"", 0},  // absent
        {"UnlitOpacity=0\n", 0},
        {"UnlitOpacity=8\n", 8},
        {"UnlitOpacity=100\n", 100},
        {"UnlitOpacity=-1\n", 0},
        {"UnlitOpacity=101\n", 0},
        {"UnlitOpacity=abc\n", 0},
        {"UnlitOpacity=8%\n", 0},
        {"UnlitOpacity=\n", 0},
        {"UnlitOpacity= 8 \n", 8},
        {"unlitopacity=8\n", 8},
        {"UnlitOpacity=8.5\n", 0},
        {"UnlitOpacity=\"8\"\n", 8},
        {"UnlitOpacity=$08\n", 8},
        {"UnlitOpacity=0x64\n", 100},
        {"UnlitOpacity=$65\n", 0},
        {"UnlitOpacity=$FFFFFFFF\n", 0},
        {"UnlitOpacity=99999999999\n", 0},
    };
    for (bool fullscreen : {false, true})
        for (const auto& c : cases) {
            // Each load starts from a face that shows unlit segments: a value
            // that gives 0 must switch them off again.
            face.setUnlitOpacity(50);
            loadRaw(std::string("[Common]\n") + c.line, fullscreen);
            EXPECT_EQ(face.look().unlitOpacity, c.expected)
                << c.line << " full screen " << fullscreen;
        }
    // Only [Common] counts.
    loadRaw("[Fullscreen]\nUnlitOpacity=8\n[VideoMode]\nUnlitOpacity=8\n", true);
    EXPECT_EQ(face.look().unlitOpacity, 0);
}

}  // namespace
}  // namespace zx
