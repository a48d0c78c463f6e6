// End to end: the popup menu, the full-screen switch and the in-game menu of
// the real program under Xvfb.
#include <gtest/gtest.h>

#include <QImage>

#include "tests/app/test_skin.h"

namespace zx::e2e {
namespace {

class MenuEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!x.ok()) GTEST_SKIP() << "Xvfb did not start";
        TestSkin skin(folder);
        folder.writeSettings("SoundMode=2\nSplashScreen=0\nFullscreenMode=0\n");
        folder.start(x.display());
    }
    QImage waitFor(const std::function<bool(const QImage&)>& f, int ms = 10000) {
        return x.waitForShot(f, ms);
    }
    void key(const QString& k) { x.tool("xdotool", {"key", "--delay", "80", k}); }
    void click(QPoint p, int button = 1) {
        x.tool("xdotool", {"mousemove", "--sync", QString::number(p.x()), QString::number(p.y()),
                           "click", QString::number(button)});
    }
    static bool windowed(const QImage& s) {
        return s.pixelColor(kLeft + 60, kTop + 60) == kBody && s.pixelColor(3, 3) == Qt::black &&
               s.pixelColor(kLeft + 5, kTop + 5) == Qt::black;
    }
    static bool fullScreen(const QImage& s) {
        return s.pixelColor(kScreenW - 3, kScreenH - 3) == kBackdrop &&
               s.pixelColor(kScreenW - 3, 3) == kBackdrop &&
               s.pixelColor(kLeft + 60, kTop + 60) == kBody;
    }

    XvfbSession x{kScreenW, kScreenH};
    ProgramFolder folder;
};

TEST_F(MenuEndToEnd, RightClickOpensThePopupMenu) {
    ASSERT_TRUE(windowed(waitFor(windowed))) << "no windowed device";
    // Beside the device's lower right corner the screen is black until the menu opens.
    const QPoint at(kLeft + 480, kTop + 300);
    const QPoint probe = at + QPoint(120, 100);
    ASSERT_EQ(x.screenshot().pixelColor(probe), Qt::black);
    click(at, 3);
    const QImage shot = waitFor([&](const QImage& s) { return s.pixelColor(probe) != Qt::black; });
    EXPECT_NE(shot.pixelColor(probe), Qt::black) << "no menu beside the device";
    key("Escape");  // closes the menu, not the program
    waitFor([&](const QImage& s) { return s.pixelColor(probe) == Qt::black; });
    EXPECT_FALSE(folder.waitForEnd(300));
}

TEST_F(MenuEndToEnd, F12AndTheInGameMenuSwitchPresentationsAndEscapeEnds) {
    ASSERT_TRUE(windowed(waitFor(windowed))) << "no windowed device";
    key("F12");
    ASSERT_TRUE(fullScreen(waitFor(fullScreen))) << "F12 did not cover the screen";
    key("F12");
    ASSERT_TRUE(windowed(waitFor(windowed))) << "F12 did not bring the shaped window back";
    key("F12");
    ASSERT_TRUE(fullScreen(waitFor(fullScreen)));
    EXPECT_TRUE(folder.settingsText().contains("FullscreenMode=1"));

    // The menu button opens the in-game menu: the backdrop darkens under its rows.
    click({10, 10});
    const QPoint underRows(200, 300);
    QImage shot = waitFor([&](const QImage& s) { return s.pixelColor(underRows) != kBackdrop; });
    const QColor dim = shot.pixelColor(underRows);
    EXPECT_LT(dim.blue(), 80) << "no dark panel";
    // Row 10 is "Display in fullscreen mode": back to the shaped window.
    click({60, 32 * 10 + 16});
    ASSERT_TRUE(windowed(waitFor(windowed))) << "the full-screen row did not switch";

    key("Escape");
    ASSERT_TRUE(folder.waitForEnd(10000)) << "Escape did not end the program";
    const QString saved = folder.settingsText();
    for (const char* value : {"FullscreenMode=0", "SoundMode=2", "SplashScreen=0", "Key7=41"})
        EXPECT_TRUE(saved.contains(value)) << value << "\n" << saved.toStdString();
}

}  // namespace
}  // namespace zx::e2e
