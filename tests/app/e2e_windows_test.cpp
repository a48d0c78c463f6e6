// End to end: the key settings dialog, the manual viewer and the about box of the real program.
#include <gtest/gtest.h>

#include <QThread>

#include "tests/app/test_skin.h"

namespace zx::e2e {
namespace {

constexpr QRgb kKeysBlue = qRgb(8, 42, 82), kAboutBlue = qRgb(8, 41, 82);
// Every window is centred on the 1024 x 768 screen; no window manager adds a frame.
const QRect kKeys((kScreenW - 448) / 2, (kScreenH - 195) / 2, 448, 195);
const QRect kManual((kScreenW - 345) / 2, (kScreenH - 255) / 2, 345, 255);
const QRect kAbout((kScreenW - 397) / 2, (kScreenH - 176) / 2, 397, 176);

QColor pageColour(int n) { return QColor(20 * n, 120, 60); }

class WindowsEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!x.ok()) GTEST_SKIP() << "Xvfb did not start";
        TestSkin skin(folder);
        for (int n = 1; n <= 12; ++n) {
            QImage page(345, 255, QImage::Format_RGB32);
            page.fill(pageColour(n));
            folder.write(QString("Graphics/Manual/%1.bmp").arg(n), encoded(page, "BMP"));
        }
        folder.writeSettings("SoundMode=2\nSplashScreen=0\nFullscreenMode=0\nHiScore1=120\n");
        folder.start(x.display());
        ASSERT_EQ(waitFor([](const QImage& s) { return Screen{s}.digits() == "8888s8"; }).isNull(),
                  false);
    }
    QImage waitFor(const std::function<bool(const QImage&)>& f, int ms = 10000) {
        return x.waitForShot(f, ms);
    }
    // Whether the screenshot shows a colour at a point of a window.
    std::function<bool(const QImage&)> shows(const QRect& window, QPoint at, QRgb colour) {
        return [=](const QImage& s) { return s.pixel(window.topLeft() + at) == colour; };
    }
    void key(const QString& k) { x.tool("xdotool", {"key", "--delay", "80", k}); }

    XvfbSession x{kScreenW, kScreenH};
    ProgramFolder folder;
};

TEST_F(WindowsEndToEnd, KeySettingsRebindGameAAndTheNewKeyShowsTheReadyFace) {
    // The popup menu's seventh item, reached with the keyboard.
    const QPoint body(kLeft + 60, kTop + 200);
    x.tool("xdotool",
           {"mousemove", QString::number(body.x()), QString::number(body.y()), "click", "3"});
    // The menu opens at the pointer and covers the case there.
    ASSERT_TRUE(
        waitUntil([&] { return x.screenshot().pixelColor(body + QPoint(30, 10)) != kBody; }, 5000))
        << "no popup menu";
    for (int i = 0; i < 6; ++i) key("Down");
    key("Return");
    ASSERT_TRUE(waitUntil(
        [&] {
            return shows(kKeys, {440, 190}, kKeysBlue)(x.screenshot());
        },
        5000))
        << "no key settings dialog";
    key("a");       // the focused game A list jumps to "A"
    key("Return");  // accepts
    ASSERT_TRUE(waitUntil(
        [&] {
            return !shows(kKeys, {440, 190}, kKeysBlue)(x.screenshot());
        },
        5000));
    key("1");  // no longer bound
    QThread::msleep(300);
    EXPECT_EQ(Screen{x.screenshot()}.digits(), "8888s8");
    key("a");  // the first mode button leaves the start-up face
    waitFor([](const QImage& s) { return Screen{s}.icon(Time1); });
    x.tool("xdotool", {"keydown", "a"});
    const Screen ready{waitFor([](const QImage& s) { return Screen{s}.icon(GameA); })};
    x.tool("xdotool", {"keyup", "a"});
    EXPECT_TRUE(ready.icon(GameA));
    EXPECT_EQ(ready.digits(), "_120_");
    const QString stored = folder.settingsText();
    EXPECT_TRUE(stored.contains("Key1=11")) << stored.toStdString();
}

TEST_F(WindowsEndToEnd, F4OpensTheManualAndRightTurnsAPage) {
    key("F4");
    QImage s = waitFor(shows(kManual, {100, 100}, pageColour(1).rgb()));
    ASSERT_EQ(s.pixel(kManual.topLeft() + QPoint(100, 100)), pageColour(1).rgb()) << "no manual";
    key("Right");
    s = waitFor(shows(kManual, {100, 100}, pageColour(2).rgb()));
    EXPECT_EQ(s.pixel(kManual.topLeft() + QPoint(100, 100)), pageColour(2).rgb());
    key("Escape");
    s = waitFor([](const QImage& sh) {
        return sh.pixel(kManual.topLeft() + QPoint(100, 100)) != pageColour(2).rgb();
    });
    EXPECT_NE(s.pixel(kManual.topLeft() + QPoint(100, 100)), pageColour(2).rgb());
    EXPECT_EQ(folder.process().state(), QProcess::Running);
}

TEST_F(WindowsEndToEnd, F1OpensTheAboutBoxAndEscapeClosesItOnly) {
    key("F1");
    QImage s = waitFor(shows(kAbout, {390, 170}, kAboutBlue));
    ASSERT_EQ(s.pixel(kAbout.topLeft() + QPoint(390, 170)), kAboutBlue) << "no about box";
    key("Escape");
    s = waitFor([](const QImage& sh) {
        return sh.pixel(kAbout.topLeft() + QPoint(390, 170)) != kAboutBlue;
    });
    EXPECT_NE(s.pixel(kAbout.topLeft() + QPoint(390, 170)), kAboutBlue);
    // The keyboard is back on the device window: TIME leaves the start-up face.
    key("3");
    EXPECT_TRUE(
        Screen{waitFor([](const QImage& sh) { return Screen{sh}.icon(Time1); })}.icon(Time1));
    EXPECT_EQ(folder.process().state(), QProcess::Running);
}

// While a key list is open the keyboard is the list's popup's: Escape and
// Enter still act on the dialog at the first press.
TEST_F(WindowsEndToEnd, EscapeAndEnterInAnOpenKeyListActOnTheDialogAtOnce) {
    const QPoint body(kLeft + 60, kTop + 200);
    const auto dialogShown = shows(kKeys, {440, 190}, kKeysBlue);
    // Below the first list's box the dialog is blue until the list opens.
    const auto listOpen = [](const QImage& s) {
        return s.pixel(kKeys.topLeft() + QPoint(100, 150)) != kKeysBlue;
    };
    for (const char* closing : {"Escape", "Return"}) {
        SCOPED_TRACE(closing);
        x.tool("xdotool",
               {"mousemove", QString::number(body.x()), QString::number(body.y()), "click", "3"});
        ASSERT_TRUE(waitUntil(
            [&] { return x.screenshot().pixelColor(body + QPoint(30, 10)) != kBody; }, 5000))
            << "no popup menu";
        for (int i = 0; i < 6; ++i) key("Down");
        key("Return");
        ASSERT_TRUE(waitUntil([&] { return dialogShown(x.screenshot()); }, 5000))
            << "no key settings dialog";
        key("alt+Down");  // opens game A's list
        ASSERT_TRUE(waitUntil([&] { return listOpen(x.screenshot()); }, 5000)) << "no list";
        key("a");  // highlights "A" in the list
        key(closing);
        EXPECT_TRUE(waitUntil([&] { return !dialogShown(x.screenshot()); }, 3000))
            << "the dialog is still open";
    }
    const QString stored = folder.settingsText();
    EXPECT_TRUE(stored.contains("Key1=11")) << stored.toStdString();
}

}  // namespace
}  // namespace zx::e2e
