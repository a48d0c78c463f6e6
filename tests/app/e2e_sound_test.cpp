// End to end: a start with a sound driver chosen, as a returning player has
// it, and the launch failure when the Enemy sample is not a usable file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <functional>

#include "input/sdl/gamepad_watch.h"
#include "tests/app/test_skin.h"

namespace zx::e2e {
namespace {

const char* const kDriverChosen = "SoundMode=0\nSplashScreen=0\nFullscreenMode=0\n";

// The libraries the running program has mapped, one path a line.
QString mappedFiles(qint64 pid) {
    QFile maps(QString("/proc/%1/maps").arg(pid));
    return maps.open(QIODevice::ReadOnly) ? QString::fromLatin1(maps.readAll()) : QString();
}

class SoundEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!x.ok()) GTEST_SKIP() << "Xvfb did not start";
        putBundledSamples();
    }
    // The bundled samples, so that sound starts; whatever stood in their
    // place (a FIFO, a link) goes first.
    void putBundledSamples() {
        const QDir bundled = QFileInfo(ZX_PROGRAM).dir();
        for (const QString& wav : QDir(bundled.filePath("Sound")).entryList({"*.wav"})) {
            QFile f(bundled.filePath("Sound/" + wav));
            f.open(QIODevice::ReadOnly);
            QFile::remove(folder.path("Sound/" + wav));
            folder.write("Sound/" + wav, f.readAll());
        }
    }
    bool faceShows() {
        const QImage s = x.waitForShot([&](const QImage& shot) {
            return Screen{shot, origin}.digits() == "8888s8";
        });
        return Screen{s, origin}.digits() == "8888s8";
    }
    QString errorBox(int ms) {
        QString box;
        waitUntil(
            [&] {
                box = x.tool("xdotool", {"search", "--onlyvisible", "--name", "^Error$"});
                return !box.isEmpty();
            },
            ms);
        return box.split('\n').first();
    }

    XvfbSession x{kScreenW, kScreenH};
    ProgramFolder folder;
    TestSkin skin{folder};
    const QPoint origin{kLeft, kTop};
};

TEST_F(SoundEndToEnd, TheOutputStartsAfterTheFaceOnSdlAloneAndPlays) {
    folder.writeSettings(kDriverChosen);
    folder.start(x.display());
    ASSERT_TRUE(faceShows());
    const qint64 pid = folder.process().processId();
    EXPECT_TRUE(waitUntil([&] { return mappedFiles(pid).contains("libSDL2-2.0.so"); }, 3000))
        << "the sound output did not start after the first frame";
    // GAME A: its ready face and the game's start sound.
    x.tool("xdotool", {"mousemove", "--sync", "960", "540"});
    x.tool("xdotool", {"key", "1"});
    QThread::msleep(500);
    EXPECT_FALSE(mappedFiles(pid).contains("SDL2_mixer")) << "the mixer library came in";
    EXPECT_EQ(folder.process().state(), QProcess::Running);
}

TEST_F(SoundEndToEnd, WithoutSoundAndWithoutAControllerSdlIsNeverLoaded) {
    if (systemMayHaveController()) GTEST_SKIP() << "this machine lists a joystick";
    folder.writeSettings("SoundMode=2\nSplashScreen=0\nFullscreenMode=0\n");
    folder.start(x.display());
    ASSERT_TRUE(faceShows());
    // Past the sound output's start and the first look for controllers.
    QThread::msleep(1500);
    EXPECT_FALSE(mappedFiles(folder.process().processId()).contains("libSDL2"));
    EXPECT_EQ(folder.process().state(), QProcess::Running);
}

TEST_F(SoundEndToEnd, AnUnusableEnemySampleShowsTheErrorWithoutTheFaceAndEnds) {
    struct Case {
        const char* what;
        std::function<void(const QString&)> put;
    };
    const Case cases[] = {
        {"missing", [](const QString& f) { QFile::remove(f); }},
        {"a FIFO",
         [](const QString& f) {
             QFile::remove(f);
             ::mkfifo(QFile::encodeName(f).constData(), 0644);
         }},
        {"a link to /dev/zero",
         [](const QString& f) {
             QFile::remove(f);
             QFile::link("/dev/zero", f);
         }},
        {"declares more data than it has",
         [](const QString& f) {
             QFile file(f);
             file.open(QIODevice::ReadWrite);
             file.seek(40);  // the data chunk's length in the bundled header
             file.write(QByteArray("\xff\xff\xff\x7f", 4));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        putBundledSamples();
        c.put(folder.path("Sound/Enemy.wav"));
        folder.writeSettings(kDriverChosen);
        folder.start(x.display());
        // Within 3 s on a normal build; a sanitizer build on a busy machine is slower.
        const QString box = errorBox(10000);
        ASSERT_FALSE(box.isEmpty()) << "no Error box";
        EXPECT_NE((Screen{x.screenshot(), origin}.digits()), "8888s8") << "the face came up";
        // OK ends the program; a key that comes before the box takes it is sent again.
        bool ended = false;
        for (int i = 0; i < 5 && !ended; ++i) {
            x.tool("xdotool", {"windowfocus", "--sync", box});
            x.tool("xdotool", {"key", "--window", box, "Return"});
            ended = folder.waitForEnd(1000);
        }
        ASSERT_TRUE(ended);
        const QString settings = folder.settingsText();
        EXPECT_TRUE(settings.contains("SoundMode=-1")) << settings.toStdString();
        EXPECT_TRUE(settings.contains("SplashScreen=1")) << settings.toStdString();
    }
}

}  // namespace
}  // namespace zx::e2e
