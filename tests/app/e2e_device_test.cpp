// End to end: the real program's clock faces, buttons, drag and splash under Xvfb.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QThread>
#include <csignal>

#include "display/controls.h"
#include "tests/app/test_skin.h"

namespace zx::e2e {
namespace {

QString readDigits(const QImage& shot, QPoint origin) { return Screen{shot, origin}.digits(); }
bool lit(const QImage& shot, QPoint origin, int iconIndex) {
    return Screen{shot, origin}.icon(iconIndex);
}

QString timeFace(const QTime& t) {
    int h = t.hour() % 12;
    if (h == 0) h = 12;
    return QString("%1%2%3_").arg(h < 10 ? "_" : "").arg(h).arg(t.minute(), 2, 10, QChar('0'));
}

class DeviceEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!x.ok()) GTEST_SKIP() << "Xvfb did not start";
    }
    // Waits until the screen satisfies f; returns the last screenshot.
    QImage waitFor(const std::function<bool(const QImage&)>& f, int ms = 10000) {
        return x.waitForShot(f, ms);
    }
    void key(const QString& k) { x.tool("xdotool", {"key", "--delay", "80", k}); }

    XvfbSession x{kScreenW, kScreenH};
    ProgramFolder folder;
    const QPoint origin{kLeft, kTop};
};

TEST_F(DeviceEndToEnd, ClockFacesFollowTheTimeKey) {
    TestSkin skin(folder);
    folder.writeSettings("SoundMode=2\nSplashScreen=0\nFullscreenMode=0\n");
    folder.start(x.display());

    QImage shot = waitFor([&](const QImage& s) { return readDigits(s, origin) == "8888s8"; });
    ASSERT_EQ(readDigits(shot, origin), "8888s8") << "no start-up face";
    for (int i = 0; i < 10; ++i) EXPECT_TRUE(lit(shot, origin, i)) << i;

    const QTime before = QTime::currentTime();
    key("3");
    shot = waitFor([&](const QImage& s) { return lit(s, origin, 0) && !lit(s, origin, 1); });
    const QTime after = QTime::currentTime();
    const QString face = readDigits(shot, origin);
    EXPECT_TRUE(face == timeFace(before) || face == timeFace(after)) << face.toStdString();
    EXPECT_EQ(lit(shot, origin, 6), before.hour() < 12);   // AM
    EXPECT_EQ(lit(shot, origin, 7), before.hour() >= 12);  // PM

    key("3");  // the second time label, same clock
    shot = waitFor([&](const QImage& s) { return lit(s, origin, 1); });
    EXPECT_FALSE(lit(shot, origin, 0));

    key("3");  // alarm: a fixed 12:00 AM
    shot = waitFor([&](const QImage& s) { return lit(s, origin, 2); });
    EXPECT_EQ(readDigits(shot, origin), "1200_");
    EXPECT_TRUE(lit(shot, origin, 6));

    key("3");  // date
    shot = waitFor([&](const QImage& s) { return lit(s, origin, 3); });
    const QDate today = QDate::currentDate();
    const QString date = QString("%1%2%3%4_")
                             .arg(today.month() < 10 ? "_" : "")
                             .arg(today.month())
                             .arg(today.day() < 10 ? "_" : "")
                             .arg(today.day());
    EXPECT_EQ(readDigits(shot, origin), date);

    key("3");  // chrono
    shot = waitFor([&](const QImage& s) { return lit(s, origin, 4); });
    EXPECT_EQ(readDigits(shot, origin), "0000s0");
}

TEST_F(DeviceEndToEnd, HeldGameKeyShowsTheReadyFaceWithTheHighScore) {
    TestSkin skin(folder);
    folder.writeSettings("SoundMode=2\nSplashScreen=0\nFullscreenMode=0\nHiScore1=120\n");
    folder.start(x.display());
    waitFor([&](const QImage& s) { return readDigits(s, origin) == "8888s8"; });
    key("3");
    waitFor([&](const QImage& s) { return lit(s, origin, 0) && !lit(s, origin, 1); });
    x.tool("xdotool", {"keydown", "1"});
    QImage shot = waitFor([&](const QImage& s) { return lit(s, origin, 5); });
    EXPECT_EQ(readDigits(shot, origin), "_120_");
    EXPECT_EQ(Screen{shot}.column(TestSkin::hero), 2) << "hero in the middle column";
    QThread::msleep(600);  // held: still the ready face
    shot = x.screenshot();
    EXPECT_TRUE(lit(shot, origin, 5));
    EXPECT_EQ(readDigits(shot, origin), "_120_");
    x.tool("xdotool", {"keyup", "1"});
}

TEST_F(DeviceEndToEnd, DraggingTheCaseMovesTheWindow) {
    TestSkin skin(folder);
    folder.writeSettings("SoundMode=2\nSplashScreen=0\nFullscreenMode=0\n");
    folder.start(x.display());
    waitFor([&](const QImage& s) { return readDigits(s, origin) == "8888s8"; });
    const QPoint grab = origin + QPoint(60, 250);
    x.tool("xdotool",
           {"mousemove", "--sync", QString::number(grab.x()), QString::number(grab.y())});
    x.tool("xdotool", {"mousedown", "1"});
    // A hand rests a moment on the case before it moves: a window manager
    // takes the move over from the press.
    QThread::msleep(300);
    for (int i = 1; i <= 5; ++i)
        x.tool("xdotool", {"mousemove", "--sync", QString::number(grab.x() + 10 * i),
                           QString::number(grab.y() + 6 * i)});
    x.tool("xdotool", {"mouseup", "1"});
    const QPoint moved = origin + QPoint(50, 30);
    const QImage shot = waitFor([&](const QImage& s) { return readDigits(s, moved) == "8888s8"; });
    EXPECT_EQ(readDigits(shot, moved), "8888s8");
    EXPECT_TRUE(shot.pixelColor(moved + QPoint(45, 35)) == kBody);
}

TEST_F(DeviceEndToEnd, FirstStartShowsTheSplashAndLaunchesSilently) {
    TestSkin skin(folder);
    folder.start(x.display());  // no settings at all
    QString id;
    ASSERT_TRUE(waitUntil(
        [&] {
            id = x.tool("xdotool", {"search", "--onlyvisible", "--name", "^About this game...$"});
            return !id.isEmpty();
        },
        15000))
        << "no splash window";
    id = id.split('\n').first();
    // Centred; a window manager may shift the client by its frame.
    const QString geometry = x.tool("xdotool", {"getwindowgeometry", id});
    const QStringList at = geometry.section("Position: ", 1).section(' ', 0, 0).split(',');
    ASSERT_EQ(at.size(), 2) << geometry.toStdString();
    const int slack = qEnvironmentVariableIsEmpty("ZX_E2E_WM") ? 0 : 48;
    EXPECT_NEAR(at[0].toInt(), (kScreenW - 460) / 2, slack / 4) << geometry.toStdString();
    EXPECT_NEAR(at[1].toInt(), (kScreenH - 420) / 2, slack) << geometry.toStdString();
    // The splash is the program's only window on the screen until the launch.
    EXPECT_TRUE(x.tool("xdotool", {"search", "--onlyvisible", "--name", "^Zorbanix"}).isEmpty());
    x.tool("xdotool", {"windowfocus", "--sync", id});
    key("Down");
    key("Down");
    key("Down");  // "(no sound)", the third driver
    key("Return");
    // Full screen, the default: the backdrop fills the screen, the face on top.
    const QImage shot = waitFor(
        [&](const QImage& s) {
            return s.pixelColor(5, kScreenH - 5) == kBackdrop && readDigits(s, origin) == "8888s8";
        },
        15000);
    EXPECT_EQ(shot.pixelColor(5, kScreenH - 5), kBackdrop);
    EXPECT_EQ(readDigits(shot, origin), "8888s8");
    EXPECT_TRUE(
        x.tool("xdotool", {"search", "--onlyvisible", "--name", "^About this game...$"}).isEmpty());
}

TEST_F(DeviceEndToEnd, QuitSignalsEndTheProgramWithSoundStartedAndSettingsKept) {
    TestSkin skin(folder);
    const QDir bundled = QFileInfo(ZX_PROGRAM).dir();
    // The bundled samples, so that sound starts.
    for (const QString& wav : QDir(bundled.filePath("Sound")).entryList({"*.wav"})) {
        QFile f(bundled.filePath("Sound/" + wav));
        f.open(QIODevice::ReadOnly);
        folder.write("Sound/" + wav, f.readAll());
    }
    for (const int sig : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(sig);
        // Driver 0 opens SDL's silent output here, with SDL's own signal handling.
        folder.writeSettings("SoundMode=0\nSplashScreen=0\nFullscreenMode=0\nHiScore1=70\n");
        folder.start(x.display());
        waitFor([&](const QImage& s) { return readDigits(s, origin) == "8888s8"; });
        // The device window's caption is its own title, nothing appended.
        const QString id = x.tool("xdotool", {"search", "--onlyvisible", "--name", "Zorbanix"});
        EXPECT_EQ(x.tool("xdotool", {"getwindowname", id.split('\n').first()}),
                  "Zorbanix (Quentrel, Tikkabo) Simulator");
        ::kill(pid_t(folder.process().processId()), sig);
        ASSERT_TRUE(folder.waitForEnd(5000)) << "still running after the signal";
        EXPECT_EQ(folder.process().exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(folder.process().exitCode(), 0);
        const QString settings = folder.settingsText();
        EXPECT_TRUE(settings.contains("HiScore1=70")) << settings.toStdString();
        EXPECT_TRUE(settings.contains("SoundMode=0")) << settings.toStdString();
    }
}

}  // namespace
}  // namespace zx::e2e
