// End to end: a right click during a held left press on the real display.
// The popup menu takes the pointer and the left release with it; the
// button the left press holds must not stay down.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "tests/app/test_skin.h"

namespace zx::e2e {
namespace {

const QColor kPressed(220, 40, 40);
const QRect kTime(440, 200, 30, 20), kGameA(440, 240, 30, 20);  // in the device window

// The test skin with the TIME and GAME A button images and their pressed pictures.
void writeButtons(ProgramFolder& folder) {
    QImage down(kTime.width(), kTime.height(), QImage::Format_RGB32);
    down.fill(kPressed);
    folder.write("Graphics/Skin/down.png", encoded(down, "PNG"));
    QFile ini(folder.path("Config.ini"));
    ASSERT_TRUE(ini.open(QIODevice::Append));
    auto place = [&](Ctl c, const char* file, const QRect& r) {
        ini.write(QString("[Image%1]\nFilename=%2\nLeft=%3\nTop=%4\nWidth=%5\nHeight=%6\n")
                      .arg(int(c) + 1)
                      .arg(file)
                      .arg(r.x())
                      .arg(r.y())
                      .arg(r.width())
                      .arg(r.height())
                      .toUtf8());
    };
    place(Ctl::btn_time_top, "", kTime);
    place(Ctl::btn_time_down, "down.png", kTime);
    place(Ctl::btn_game_a_top, "", kGameA);
    place(Ctl::btn_game_a_down, "down.png", kGameA);
}

class PointerEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!x.ok()) GTEST_SKIP() << "Xvfb did not start";
    }
    QPoint onScreen(const QRect& r) const { return QPoint(kLeft, kTop) + r.center(); }
    void pointer(const QStringList& args) { x.tool("xdotool", args); }
    bool pressed(const QImage& s, const QRect& r) const {
        return s.pixelColor(onScreen(r)) == kPressed;
    }

    XvfbSession x{kScreenW, kScreenH};
    ProgramFolder folder;
};

TEST_F(PointerEndToEnd, ARightClickDuringAHeldLeftPressLetsGoOfTheButton) {
    TestSkin skin(folder);
    writeButtons(folder);
    folder.writeSettings("SoundMode=2\nSplashScreen=0\nFullscreenMode=0\n");
    folder.start(x.display());
    const QPoint time = onScreen(kTime), gameA = onScreen(kGameA);
    ASSERT_FALSE(x.waitForShot([](const QImage& s) { return Screen{s}.icon(GameA); }).isNull());
    pointer({"mousemove", "--sync", QString::number(time.x()), QString::number(time.y())});
    pointer({"mousedown", "1"});
    ASSERT_TRUE(pressed(x.waitForShot([&](const QImage& s) { return pressed(s, kTime); }), kTime))
        << "TIME does not look pressed";
    pointer({"mousedown", "3"});
    pointer({"mouseup", "3"});
    pointer({"mouseup", "1"});   // taken by the menu
    pointer({"key", "Escape"});  // closes the menu only
    const QImage after = x.waitForShot([&](const QImage& s) { return !pressed(s, kTime); }, 3000);
    EXPECT_FALSE(pressed(after, kTime)) << "TIME stays pressed";
    // The next left press on GAME A is GAME A's own.
    pointer({"mousemove", "--sync", QString::number(gameA.x()), QString::number(gameA.y())});
    pointer({"mousedown", "1"});
    const QImage held = x.waitForShot([&](const QImage& s) { return pressed(s, kGameA); }, 3000);
    EXPECT_TRUE(pressed(held, kGameA)) << "GAME A does not take the press";
    EXPECT_FALSE(pressed(held, kTime));
    pointer({"mouseup", "1"});
    EXPECT_FALSE(folder.waitForEnd(300));
}

}  // namespace
}  // namespace zx::e2e
