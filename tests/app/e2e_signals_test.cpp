// End to end: quit signals while a start-up message box is open. The box
// runs its own loop before the program's loop has started; the signal must
// still end the program at once, as the box's OK would.
#include <gtest/gtest.h>

#include <csignal>
#include <functional>

#include "tests/app/test_skin.h"

namespace zx::e2e {
namespace {

struct BoxCase {
    const char* name;
    std::function<void(ProgramFolder&)> setUp;
    const char* settingAfter;  // what the box's OK leaves in the settings file
};

const BoxCase kBoxes[] = {
    {"no Config.ini", [](ProgramFolder& f) { f.writeSettings("SoundMode=2\nSplashScreen=0\n"); },
     "SoundMode=2"},
    {"a skin picture that is no picture",
     [](ProgramFolder& f) {
         f.write("Graphics/Skin/bad.png", "not a picture");
         f.write("Config.ini", "[Image1]\nFilename=bad.png\nWidth=542\nHeight=359\n");
         f.writeSettings("SoundMode=2\nSplashScreen=0\n");
     },
     "SoundMode=2"},
    // No Sound folder: the launch with a driver fails, and its OK asks for
    // the splash and a driver at the next start.
    {"the samples missing",
     [](ProgramFolder& f) {
         TestSkin skin(f);
         f.writeSettings("SoundMode=0\nSplashScreen=0\nFullscreenMode=0\n");
     },
     "SoundMode=-1"},
};

class SignalsEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!x.ok()) GTEST_SKIP() << "Xvfb did not start";
    }
    XvfbSession x{kScreenW, kScreenH};
};

TEST_F(SignalsEndToEnd, AQuitSignalEndsTheProgramWhileAStartUpBoxIsOpen) {
    for (const BoxCase& box : kBoxes) {
        for (const int sig : {SIGTERM, SIGINT}) {
            SCOPED_TRACE(std::string(box.name) + ", signal " + std::to_string(sig));
            ProgramFolder folder;
            box.setUp(folder);
            folder.start(x.display());
            if (!waitUntil(
                    [&] {
                        return !x.tool("xdotool", {"search", "--name", "^Error$"}).isEmpty();
                    },
                    15000)) {
                ADD_FAILURE() << "no Error box";
                continue;
            }
            ::kill(pid_t(folder.process().processId()), sig);
            const bool ended = folder.waitForEnd(2000);
            EXPECT_TRUE(ended) << "still running 2 s after the signal";
            if (!ended) continue;
            EXPECT_EQ(folder.process().exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(folder.process().exitCode(), 0);
            EXPECT_TRUE(folder.settingsText().contains(box.settingAfter))
                << folder.settingsText().toStdString();
        }
    }
}

}  // namespace
}  // namespace zx::e2e
