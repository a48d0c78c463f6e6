// End to end with the X server's key auto-repeat on: a held key acts once,
// the game starts on the release of its key, the hero moves and shoots.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>

#include "tests/app/test_skin.h"

namespace zx::e2e {
namespace {

class KeysEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!x.ok()) GTEST_SKIP() << "Xvfb did not start";
        TestSkin skin(folder);
        folder.writeSettings("SoundMode=2\nSplashScreen=0\nFullscreenMode=0\nHiScore1=120\n");
        folder.start(x.display());
        ASSERT_EQ(waitFor([](const Screen& s) { return s.digits() == "8888s8"; }).digits(),
                  "8888s8");
        // Quick repeats, so that a held key sends many of them.
        x.tool("xset", {"r", "on"});
        x.tool("xset", {"r", "rate", "250", "40"});
    }
    Screen screen() { return Screen{x.screenshot()}; }
    Screen waitFor(const std::function<bool(const Screen&)>& f, int ms = 10000) {
        Screen s;
        waitUntil(
            [&] {
                s = screen();
                return !s.shot.isNull() && f(s);
            },
            ms);
        return s;
    }
    void hold(const QString& key, int ms) {
        x.tool("xdotool", {"keydown", key});
        QThread::msleep(ms);
    }
    void up(const QString& key) { x.tool("xdotool", {"keyup", key}); }
    void tap(const QString& key) { x.tool("xdotool", {"key", "--delay", "60", key}); }

    XvfbSession x{kScreenW, kScreenH};
    ProgramFolder folder;
};

TEST_F(KeysEndToEnd, HeldKeysActOnceAndASilentGameStartsAtOnce) {
    hold("3", 1500);  // TIME held: one step, to the time face
    Screen s = screen();
    EXPECT_TRUE(s.icon(Time1) && !s.icon(Time2)) << "TIME acted more than once";
    up("3");

    hold("1", 1500);  // game A held: the ready face stays
    s = screen();
    EXPECT_TRUE(s.icon(GameA) && s.icon(Sound));
    EXPECT_EQ(s.digits(), "_120_") << "the game started while its key was held";
    tap("Left");  // switches the game sound off
    s = waitFor([](const Screen& sc) { return !sc.icon(Sound); });
    EXPECT_FALSE(s.icon(Sound));
    QElapsedTimer sinceRelease;
    up("1");
    sinceRelease.start();
    s = waitFor([](const Screen& sc) { return sc.digits() == "___0_"; }, 3000);
    EXPECT_EQ(s.digits(), "___0_");
    EXPECT_LT(sinceRelease.elapsed(), 1500) << "a silent game starts 100 ms after the release";

    hold("Left", 1500);  // held: one column only
    EXPECT_EQ(screen().column(TestSkin::hero), 1);
    up("Left");
    hold("Right", 1000);
    EXPECT_EQ(screen().column(TestSkin::hero), 2);
    up("Right");
    tap("Left");
    EXPECT_EQ(waitFor([](const Screen& sc) {
                  return sc.column(TestSkin::hero) == 1;
              }).column(TestSkin::hero),
              1);

    // Ctrl fires up the hero's column; a shot flies 100 to 400 ms.
    bool seen = false;
    for (int attempt = 0; attempt < 10 && !seen; ++attempt) {
        x.tool("xdotool", {"keydown", "ctrl"});
        seen = screen().shotColumn() == 1;
        up("ctrl");
        QThread::msleep(500);
    }
    EXPECT_TRUE(seen) << "no shot in the hero's column";
}

TEST_F(KeysEndToEnd, WithTheGameSoundOnTheGameStartsThreeSecondsAfterTheRelease) {
    tap("3");
    hold("1", 300);
    QElapsedTimer sinceRelease;
    up("1");
    sinceRelease.start();
    QThread::msleep(1500);
    EXPECT_EQ(screen().digits(), "_120_");
    const Screen s = waitFor([](const Screen& sc) { return sc.digits() == "___0_"; }, 6000);
    EXPECT_EQ(s.digits(), "___0_");
    EXPECT_GE(sinceRelease.elapsed(), 2900);
}

}  // namespace
}  // namespace zx::e2e
