// End to end: the real program under Xvfb, checked pixel by pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "tests/app/xvfb_session.h"

namespace zx::e2e {
namespace {

constexpr int kScreenW = 1024, kScreenH = 768;
const QColor kBody(90, 110, 130);   // the device's case
const QColor kSegment(20, 40, 30);  // every LCD segment
const QColor kBackdrop(200, 30, 30);

// A test skin: a case with magenta all around it and one segment picture
// that every segment shares, each at its own place.
void writeSkin(ProgramFolder& folder) {
    QImage bg(542, 359, QImage::Format_RGB32);
    bg.fill(QColor(255, 0, 255));
    QPainter p(&bg);
    p.fillRect(40, 30, 462, 299, kBody);
    p.end();
    folder.write("Graphics/Skin/bg.png", encoded(bg, "PNG"));
    QImage seg(12, 12, QImage::Format_RGB32);
    seg.fill(kSegment);
    folder.write("Graphics/Skin/seg.png", encoded(seg, "PNG"));
    QImage back(64, 36, QImage::Format_RGB32);
    back.fill(kBackdrop);
    folder.write("Graphics/Backdrops/back.jpg", encoded(back, "JPG"));

    QByteArray ini =
        "[Fullscreen]\nBackdropFile=back.jpg\nBackdropStretch=1\n"
        "[Image1]\nFilename=bg.png\nLeft=0\nTop=0\nWidth=542\nHeight=359\n";
    // Image58 is im_hero_1: a segment lit on the all-segments face.
    ini += "[Image58]\nFilename=seg.png\nLeft=100\nTop=200\nWidth=12\nHeight=12\n";
    folder.write("Config.ini", ini);
}

bool near(QColor a, QColor b, int tol = 12) {
    return std::abs(a.red() - b.red()) <= tol && std::abs(a.green() - b.green()) <= tol &&
           std::abs(a.blue() - b.blue()) <= tol;
}

class EndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!x.ok()) GTEST_SKIP() << "Xvfb did not start";
    }
    XvfbSession x{kScreenW, kScreenH};
    ProgramFolder folder;
};

TEST_F(EndToEnd, WindowedShowsTheAllSegmentsFaceCentredInTheDeviceOutline) {
    writeSkin(folder);
    folder.writeSettings("FullscreenMode=0\nSoundMode=2\nSplashScreen=0\n");
    folder.start(x.display());
    const int left = (kScreenW - 542) / 2, top = (kScreenH - 359) / 2;
    QImage shot;
    ASSERT_TRUE(waitUntil(
        [&] {
            shot = x.screenshot();
            return !shot.isNull() && near(shot.pixelColor(left + 106, top + 206), kSegment);
        },
        15000))
        << "no lit segment where im_hero_1 stands";
    EXPECT_TRUE(near(shot.pixelColor(left + 60, top + 60), kBody));
    // Outside the device outline, the magenta of the picture is cut away.
    EXPECT_TRUE(near(shot.pixelColor(left + 10, top + 10), Qt::black));
    EXPECT_TRUE(near(shot.pixelColor(left + 530, top + 350), Qt::black));
    EXPECT_TRUE(near(shot.pixelColor(left - 5, top + 100), Qt::black));
}

TEST_F(EndToEnd, FullScreenFillsTheScreenWithTheBackdrop) {
    writeSkin(folder);
    folder.writeSettings("SoundMode=2\nSplashScreen=0\n");
    folder.start(x.display());
    QImage shot;
    ASSERT_TRUE(waitUntil(
        [&] {
            shot = x.screenshot();
            return !shot.isNull() && near(shot.pixelColor(3, kScreenH - 3), kBackdrop, 20);
        },
        15000))
        << "no backdrop in the screen's corner";
    EXPECT_TRUE(near(shot.pixelColor(kScreenW - 3, kScreenH - 3), kBackdrop, 20));
    EXPECT_TRUE(near(shot.pixelColor(kScreenW / 2, 80), kBackdrop, 20));
    // The game menu button in the top-left corner: its symbol on black.
    EXPECT_TRUE(near(shot.pixelColor(3, 3), Qt::black));
    // The face sits centred on top of it, magenta and all: no colour key here.
    const int left = (kScreenW - 542) / 2, top = (kScreenH - 359) / 2;
    EXPECT_TRUE(near(shot.pixelColor(left + 60, top + 60), kBody));
    EXPECT_TRUE(near(shot.pixelColor(left + 106, top + 206), kSegment));
    EXPECT_TRUE(near(shot.pixelColor(left + 10, top + 10), QColor(255, 0, 255)));
}

TEST_F(EndToEnd, WithoutConfigIniTheErrorBoxEndsTheProgram) {
    folder.writeSettings("SoundMode=2\nSplashScreen=0\n");
    folder.start(x.display());
    QString box;
    ASSERT_TRUE(waitUntil(
        [&] {
            box = x.tool("xdotool", {"search", "--name", "^Error$"});
            return !box.isEmpty();
        },
        15000))
        << "no Error box";
    const QString id = box.split('\n').first();
    EXPECT_FALSE(folder.waitForEnd(500)) << "ended before the box was dismissed";
    x.tool("xdotool", {"windowfocus", "--sync", id});
    x.tool("xdotool", {"key", "--window", id, "Return"});
    ASSERT_TRUE(folder.waitForEnd(10000));
    EXPECT_EQ(folder.process().exitStatus(), QProcess::NormalExit);
}

}  // namespace
}  // namespace zx::e2e
