// Sharper twins: their names, which files are taken, and the budget that
// bounds them together with the face's own pictures.
#include "config/twin_picture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "config/gfxinit.h"
#include "picture_files.h"

namespace zx {
namespace {

using test::Bytes;

TEST(TwinPicture, NamedWithTheSuffixBeforeTheExtension) {
    const struct {
        const char* path;
        const char* twin;
    } cases[] = {
        {"Graphics/Skin/im_background.png", "Graphics/Skin/im_background@2x.png"},
        {"Graphics/Manual/1.bmp", "Graphics/Manual/1@2x.bmp"},
        {"/a.b/c.d/tabletop.jpg", "/a.b/c.d/tabletop@2x.jpg"},
        {"/a.b/noext", "/a.b/noext@2x"},  // a dot in a folder name is no extension
        {"x.tar.png", "x.tar@2x.png"},
        {"C:\\skin.d\\bg", "C:\\skin.d\\bg@2x"},
    };
    for (const auto& c : cases) EXPECT_EQ(twinPathOf(c.path), c.twin) << c.path;
}

class TwinTest : public ::testing::Test {
  protected:
    // A 4 x 3 picture whose twin would be at dir/name.
    Picture pictureWithTwinAt(const std::string& name) {
        Picture p;
        p.width = 4;
        p.height = 3;
        p.pixels.assign(12, rgb(1, 2, 3));
        p.twinPath = dir.file(name);
        return p;
    }
    test::TempDir dir;
};

TEST_F(TwinTest, OnlyAnIntactTwinOfExactlyTwiceTheSizeIsTaken) {
    const Bytes good = test::pngBytes(8, 6, test::solid(8, 6, 0xFF00FF00));
    Bytes cut = good;
    cut.resize(cut.size() / 2);
    dir.write("good.png", good);
    dir.write("small.png", test::pngBytes(4, 3, test::solid(4, 3, 0xFF00FF00)));
    dir.write("wide.png", test::pngBytes(9, 6, test::solid(9, 6, 0xFF00FF00)));
    dir.write("cut.png", cut);
    dir.write("text.png", std::string("not a picture"));
    dir.write("good.xyz", good);
    ::mkdir(dir.file("folder.png").c_str(), 0700);
    ASSERT_EQ(::mkfifo(dir.file("fifo.png").c_str(), 0600), 0);  // would block a reader
    const struct {
        const char* file;
        bool taken;
    } cases[] = {
        {"good.png", true},     {"small.png", false},  {"wide.png", false},
        {"cut.png", false},     {"text.png", false},   {"good.xyz", false},
        {"missing.png", false}, {"folder.png", false}, {"fifo.png", false},
    };
    for (const auto& c : cases) {
        const PictureRef twin = loadTwin(pictureWithTwinAt(c.file));
        EXPECT_EQ(twin != nullptr, c.taken) << c.file;
        if (twin) {
            EXPECT_EQ(twin->pixel(7, 5), 0xFF00FF00u);
        }
    }
    // No name, no twin; and a budget below the twin's 48 pixels refuses it.
    Picture none = pictureWithTwinAt("good.png");
    none.twinPath.clear();
    EXPECT_EQ(loadTwin(none), nullptr);
    EXPECT_EQ(loadTwin(pictureWithTwinAt("good.png"), 47), nullptr);
    EXPECT_NE(loadTwin(pictureWithTwinAt("good.png"), 48), nullptr);
}

TEST_F(TwinTest, AKeyedBitmapsTwinLosesItsOwnLowerLeftColour) {
    std::vector<std::uint32_t> px = test::solid(8, 6, 0x00FF0000);
    px[0] = 0x0000FF00;  // top-left stays; the lower-left red goes
    dir.write("seg.bmp", test::bmpBytes(8, 6, 24, px));
    Picture p = pictureWithTwinAt("seg.bmp");
    p.twinKeyed = true;
    const PictureRef twin = loadTwin(p);
    ASSERT_TRUE(twin);
    EXPECT_EQ(twin->pixel(0, 5), 0u);
    EXPECT_EQ(twin->pixel(0, 0), 0xFF00FF00u);
    EXPECT_FALSE(twin->opaque);
}

TEST_F(TwinTest, CacheDecodesOnceAndKeepsTheBudget) {
    dir.write("a@2x.png", test::pngBytes(8, 6, test::solid(8, 6, 0xFF0000FF)));
    dir.write("b@2x.png", test::pngBytes(8, 6, test::solid(8, 6, 0xFF0000FF)));
    auto a = std::make_shared<Picture>(pictureWithTwinAt("a@2x.png"));
    auto b = std::make_shared<Picture>(pictureWithTwinAt("b@2x.png"));
    TwinCache cache(100);
    // 40 pixels held elsewhere leave room for one twin of 48, not two.
    const Picture* ta = cache.twinOf(a, 40);
    ASSERT_NE(ta, nullptr);
    EXPECT_EQ(cache.twinOf(a, 40), ta) << "decoded once";
    EXPECT_EQ(cache.twinOf(b, 40), nullptr) << "beyond the budget";
    EXPECT_EQ(cache.pixelsHeld(), 48);
    // A picture that is gone frees its twin's share.
    a.reset();
    EXPECT_EQ(cache.pixelsHeld(), 0);
    auto b2 = std::make_shared<Picture>(pictureWithTwinAt("b@2x.png"));
    EXPECT_NE(cache.twinOf(b2, 40), nullptr);
    cache.clear();
    EXPECT_EQ(cache.pixelsHeld(), 0);
}

}  // namespace
}  // namespace zx
