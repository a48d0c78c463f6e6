// End to end, special files: the real program with a FIFO as Config.ini, as
// its settings file and as a sample, and a link to /dev/zero as a sample.
// Each time it answers at once (its face or its message) and a quit signal
// or the message's OK ends it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <csignal>

#include "tests/app/test_skin.h"
#include "tests/rig/hostile_files.h"

namespace zx::e2e {
namespace {

using test::SpecialKind;

// How long the program may take to answer, and to end after SIGTERM or OK.
// Generous against a loaded machine: a hang is what is caught here.
constexpr int kAnswerMs = 3000;
constexpr int kEndMs = 2000;

bool isFifo(const QString& path) {
    struct stat st {};
    return ::lstat(path.toLocal8Bit().constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

class SpecialFilesEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!x.ok()) GTEST_SKIP() << "Xvfb did not start";
    }
    void copyBundledSamples() {
        const QDir bundled = QFileInfo(ZX_PROGRAM).dir();
        for (const QString& wav : QDir(bundled.filePath("Sound")).entryList({"*.wav"})) {
            QFile f(bundled.filePath("Sound/" + wav));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            folder.write("Sound/" + wav, f.readAll());
        }
    }
    void special(const QString& path, SpecialKind kind) {
        test::makeSpecial(path.toStdString(), kind, 0);
    }
    // Starts the program and returns the milliseconds until f held, or -1.
    int startAndTime(const std::function<bool()>& f) {
        QElapsedTimer t;
        t.start();
        folder.start(x.display());
        if (!waitUntil(f, 15000)) return -1;
        return int(t.elapsed());
    }
    QString errorBox() {
        return x.tool("xdotool", {"search", "--onlyvisible", "--name", "^Error$"})
            .split('\n')
            .first();
    }
    bool faceShown() { return Screen{x.screenshot()}.digits() == "8888s8"; }
    // Presses OK on the box and expects the program to end.
    void pressOkAndExpectTheEnd(const QString& box) {
        x.tool("xdotool", {"windowfocus", "--sync", box});
        x.tool("xdotool", {"key", "--window", box, "Return"});
        EXPECT_TRUE(folder.waitForEnd(kEndMs)) << "still running after OK";
    }
    void signalAndExpectTheEnd() {
        ::kill(pid_t(folder.process().processId()), SIGTERM);
        EXPECT_TRUE(folder.waitForEnd(kEndMs)) << "still running after SIGTERM";
        EXPECT_EQ(folder.process().exitStatus(), QProcess::NormalExit);
    }

    XvfbSession x{kScreenW, kScreenH};
    ProgramFolder folder;
};

// Config.ini a FIFO: the missing-file message, then nothing else is read.
TEST_F(SpecialFilesEndToEnd, AFifoConfigIniGivesTheMessageAndOkEndsTheProgram) {
    folder.writeSettings("SoundMode=2\nSplashScreen=0\n");
    special(folder.path("Config.ini"), SpecialKind::Fifo);
    const int ms = startAndTime([&] { return !errorBox().isEmpty(); });
    ASSERT_GE(ms, 0) << "no Error box";
    EXPECT_LT(ms, kAnswerMs);
    pressOkAndExpectTheEnd(errorBox());
    EXPECT_TRUE(isFifo(folder.path("Config.ini")));
}

// The settings file a FIFO: the defaults (so the splash, with no driver
// chosen), and the FIFO is still there after the splash wrote its settings.
TEST_F(SpecialFilesEndToEnd, AFifoSettingsFileStartsWithTheDefaultsAndStaysAFifo) {
    TestSkin skin(folder);
    folder.writeSettings("");
    special(folder.settingsPath(), SpecialKind::Fifo);
    const int ms = startAndTime([&] {
        return !x.tool("xdotool", {"search", "--onlyvisible", "--name", "^About this game...$"})
                    .isEmpty();
    });
    ASSERT_GE(ms, 0) << "no splash window";
    EXPECT_LT(ms, kAnswerMs);
    signalAndExpectTheEnd();
    EXPECT_TRUE(isFifo(folder.settingsPath()));
}

// A sample that is a link to /dev/zero is a missing sample: silence, and the
// face comes up.
TEST_F(SpecialFilesEndToEnd, ADevZeroSampleIsSilenceAndTheFaceComesUp) {
    TestSkin skin(folder);
    copyBundledSamples();
    special(folder.path("Sound/Shot.wav"), SpecialKind::DevZeroLink);
    folder.writeSettings("SoundMode=0\nSplashScreen=0\nFullscreenMode=0\n");
    const int ms = startAndTime([&] { return faceShown(); });
    ASSERT_GE(ms, 0) << "no start-up face";
    EXPECT_LT(ms, kAnswerMs);
    signalAndExpectTheEnd();
}

// The Enemy sample a FIFO: the launch fails with the sound-folder message.
TEST_F(SpecialFilesEndToEnd, AFifoEnemySampleIsTheSoundFolderMessage) {
    TestSkin skin(folder);
    copyBundledSamples();
    special(folder.path("Sound/Enemy.wav"), SpecialKind::Fifo);
    folder.writeSettings("SoundMode=0\nSplashScreen=0\nFullscreenMode=0\n");
    const int ms = startAndTime([&] { return !errorBox().isEmpty(); });
    ASSERT_GE(ms, 0) << "no Error box";
    EXPECT_LT(ms, kAnswerMs);
    pressOkAndExpectTheEnd(errorBox());
    EXPECT_TRUE(folder.settingsText().contains("SoundMode=-1"))
        << folder.settingsText().toStdString();
}

}  // namespace
}  // namespace zx::e2e
