// End to end: a whole silent game A played by watching the screen, aiming
// at the enemy until one hit, then left to be lost. Takes a few minutes.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>

#include "tests/app/test_skin.h"

namespace zx::e2e {
namespace {

int scoreOf(const QString& digits) {
    QString n = digits.left(4);
    n.remove('_');
    return n.isEmpty() ? -1 : n.toInt();
}

TEST(GameEndToEnd, AGamePlayedToItsEndStoresAndShowsTheBeatenHighScore) {
    XvfbSession x(kScreenW, kScreenH);
    if (!x.ok()) GTEST_SKIP() << "Xvfb did not start";
    ProgramFolder folder;
    TestSkin skin(folder);
    folder.writeSettings("SoundMode=2\nSplashScreen=0\nFullscreenMode=0\nHiScore1=0\n");
    folder.start(x.display());
    auto screen = [&] { return Screen{x.screenshot()}; };
    auto tap = [&](const QString& key) { x.tool("xdotool", {"key", "--delay", "40", key}); };
    ASSERT_TRUE(waitUntil([&] { return screen().digits() == "8888s8"; }, 15000));

    tap("3");
    x.tool("xdotool", {"keydown", "1"});
    tap("Left");  // a silent game: it starts 100 ms after the release
    x.tool("xdotool", {"keyup", "1"});
    ASSERT_TRUE(waitUntil([&] { return screen().icon(GameA) && !screen().icon(Sound); }, 5000));

    // Aim: walk under the enemy and shoot when the helper leaves the column free.
    QElapsedTimer clock;
    clock.start();
    int score = 0;
    while (score == 0 && clock.elapsed() < 6 * 60 * 1000) {
        const Screen s = screen();
        if (s.missMarks() == 3) break;
        score = std::max(0, scoreOf(s.digits()));
        const int hero = s.column(TestSkin::hero), enemy = s.column(TestSkin::enemy);
        if (hero <= 0 || enemy <= 0 || score > 0) continue;
        if (hero < enemy)
            tap("Right");
        else if (hero > enemy)
            tap("Left");
        else if (s.column(TestSkin::helper) != hero && s.shotColumn() == 0)
            tap("ctrl");
    }
    ASSERT_GT(score, 0) << "no hit in six minutes of aiming";

    // Left alone, the enemies take the figures until the third miss.
    Screen end;
    ASSERT_TRUE(waitUntil(
        [&] {
            end = screen();
            return end.missMarks() == 3;
        },
        12 * 60 * 1000))
        << "the game did not end";
    const int finalScore = scoreOf(end.digits());
    EXPECT_GE(finalScore, score);
    QString stored;
    waitUntil(
        [&] {
            stored = QRegularExpression("HiScore1=(\\d+)").match(folder.settingsText()).captured(1);
            return stored == QString::number(finalScore);
        },
        5000);
    EXPECT_EQ(stored, QString::number(finalScore)) << folder.settingsText().toStdString();

    // Game over: the face stays; the next ready face shows the new high score.
    QThread::msleep(500);
    EXPECT_EQ(screen().missMarks(), 3);
    x.tool("xdotool", {"keydown", "1"});
    const bool ready = waitUntil([&] { return screen().missMarks() == 0; }, 5000);
    const Screen next = screen();
    x.tool("xdotool", {"keyup", "1"});
    ASSERT_TRUE(ready);
    EXPECT_EQ(scoreOf(next.digits()), finalScore);
    EXPECT_TRUE(next.icon(GameA));
}

}  // namespace
}  // namespace zx::e2e
