// End to end on the desktops players have: native Wayland (a headless sway)
// and X11 window managers (xfwm4, openbox). The same scenarios on each.
#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QThread>
#include <memory>

#include "tests/app/test_skin.h"
#include "tests/app/wayland_session.h"

namespace zx::e2e {
namespace {

constexpr int kW = 1920, kH = 1080;
const QString kDevice = "Zorbanix (Quentrel, Tikkabo) Simulator";
const QString kSplash = "About this game...";

class DesktopEndToEnd : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        const QString name = GetParam();
        const QString tool = name == "sway" ? "sway" : name;
        if (QStandardPaths::findExecutable(tool).isEmpty())
            GTEST_SKIP() << tool.toStdString() << " is not installed";
        if (name == "sway")
            d = std::make_unique<WaylandSession>(kW, kH);
        else
            d = std::make_unique<XvfbSession>(kW, kH, name);
        if (!d->ok() && d->problem().contains("not installed"))
            GTEST_SKIP() << d->problem().toStdString();
        ASSERT_TRUE(d->ok()) << "the desktop did not start: " << d->problem().toStdString();
        skin = std::make_unique<TestSkin>(folder);
    }
    qint64 pid() { return folder.process().processId(); }
    // Waits for the program's window of that title to satisfy f.
    std::optional<WindowInfo> waitForWindow(const QString& title,
                                            const std::function<bool(const WindowInfo&)>& f,
                                            int ms = 15000) {
        std::optional<WindowInfo> w;
        waitUntil(
            [&] {
                w = windowTitled(*d, pid(), title);
                return w && f(*w);
            },
            ms);
        return w;
    }
    // Starts windowed and waits for the start-up face; returns the device window.
    WindowInfo startWindowed() {
        folder.writeSettings("SoundMode=2\nSplashScreen=0\nFullscreenMode=0\n");
        d->start(folder);
        const auto w = waitForWindow(kDevice, [&](const WindowInfo& w) {
            return w.rect.size() == QSize(542, 359) &&
                   Screen{d->screenshot(), w.rect.topLeft()}.digits() == "8888s8";
        });
        EXPECT_TRUE(w.has_value()) << "no windowed device";
        return w.value_or(WindowInfo{});
    }
    // The device as a shaped window: the case, the desktop in its corners, no key.
    void expectShapedAt(const QImage& shot, QRect r) {
        EXPECT_EQ(Screen({shot, r.topLeft()}).digits().toStdString(), "8888s8");
        EXPECT_EQ(shot.pixelColor(r.topLeft() + QPoint(60, 60)), kBody);
        for (QPoint corner : {QPoint(4, 4), QPoint(537, 4), QPoint(4, 354), QPoint(537, 354)})
            EXPECT_EQ(shot.pixelColor(r.topLeft() + corner), d->background()) << corner.x();
        EXPECT_EQ(keyPixels(shot, r), 0);
    }
    bool fullScreenShown(const QImage& s) {
        return s.pixelColor(kW - 3, kH - 3) == kBackdrop && s.pixelColor(kW - 3, 3) == kBackdrop &&
               s.pixelColor(3, kH - 3) == kBackdrop &&
               Screen{s, {(kW - 542) / 2, (kH - 359) / 2}}.digits() == "8888s8";
    }

    std::unique_ptr<Desktop> d;
    ProgramFolder folder;
    std::unique_ptr<TestSkin> skin;
};

TEST_P(DesktopEndToEnd, FirstStartGivesTheSplashTheFocusAloneAndEnterLaunches) {
    d->start(folder);  // no settings: the splash comes first
    const auto splash = waitForWindow(kSplash, [](const WindowInfo& w) { return w.focused; });
    ASSERT_TRUE(splash.has_value()) << "no splash window";
    EXPECT_TRUE(splash->focused) << "the splash does not have the keyboard";
    // For a while nothing else of the program shows, parked or not.
    for (int i = 0; i < 5; ++i) {
        QStringList titles;
        for (const WindowInfo& w : d->windows(pid())) titles << w.title;
        EXPECT_EQ(titles.join(" | ").toStdString(), kSplash.toStdString()) << i;
        QThread::msleep(200);
    }
    for (int i = 0; i < 3; ++i) d->key("Down");  // "(no sound)", the last driver
    d->key("Return");
    const auto device = waitForWindow(kDevice, [](const WindowInfo& w) { return w.fullScreen; });
    ASSERT_TRUE(device.has_value()) << "Enter did not launch the device";
    EXPECT_EQ(device->rect, QRect(0, 0, kW, kH));
    EXPECT_TRUE(
        fullScreenShown(d->waitForShot([&](const QImage& s) { return fullScreenShown(s); })));
    EXPECT_FALSE(windowTitled(*d, pid(), kSplash).has_value());
}

TEST_P(DesktopEndToEnd, WindowedDeviceShowsTheDesktopThroughItsCorners) {
    const WindowInfo w = startWindowed();
    ASSERT_EQ(w.rect.size(), QSize(542, 359));
    expectShapedAt(d->screenshot(), w.rect);
}

TEST_P(DesktopEndToEnd, DragOnTheCaseMovesTheWindowByTheDrag) {
    const WindowInfo before = startWindowed();
    ASSERT_EQ(before.rect.size(), QSize(542, 359));
    const QPoint by(-150, 90);
    d->drag(before.rect.topLeft() + QPoint(60, 250), by);
    const QRect moved = before.rect.translated(by);
    const auto after = waitForWindow(
        kDevice, [&](const WindowInfo& w) { return w.rect == moved; }, 5000);
    ASSERT_TRUE(after.has_value());
    EXPECT_EQ(after->rect, moved);
    const QImage shot = d->waitForShot([&](const QImage& s) {
        return Screen{s, moved.topLeft()}.digits() == "8888s8";
    });
    expectShapedAt(shot, moved);
}

TEST_P(DesktopEndToEnd, F12GivesAFullScreenWindowAndF12AgainTheDevice) {
    const WindowInfo windowed = startWindowed();
    ASSERT_EQ(windowed.rect.size(), QSize(542, 359));
    d->key("F12");
    const auto full = waitForWindow(kDevice, [](const WindowInfo& w) { return w.fullScreen; });
    ASSERT_TRUE(full.has_value());
    EXPECT_TRUE(full->fullScreen) << "the window system was not told";
    EXPECT_EQ(full->rect, QRect(0, 0, kW, kH));
    EXPECT_TRUE(fullScreenShown(d->waitForShot([&](const QImage& s) {
        return fullScreenShown(s);
    }))) << "no backdrop in the corners of the screen";
    d->key("F12");
    const auto back = waitForWindow(kDevice, [](const WindowInfo& w) {
        return !w.fullScreen && w.rect.size() == QSize(542, 359);
    });
    ASSERT_TRUE(back.has_value());
    EXPECT_FALSE(back->fullScreen);
    EXPECT_EQ(back->rect.size(), QSize(542, 359));
    expectShapedAt(d->waitForShot([&](const QImage& s) {
        return Screen{s, back->rect.topLeft()}.digits() == "8888s8";
    }),
                   back->rect);
}

TEST_P(DesktopEndToEnd, EscapeEndsTheProgramWithExitCodeZero) {
    startWindowed();
    d->key("Escape");
    ASSERT_TRUE(folder.waitForEnd(10000)) << "Escape did not end the program";
    EXPECT_EQ(folder.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(folder.process().exitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(Desktops, DesktopEndToEnd, ::testing::Values("sway", "xfwm4", "openbox"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace zx::e2e
