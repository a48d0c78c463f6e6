// The device window with settings that cannot be saved, and high scores
// from a settings file edited by hand.
#include "app/settings_notice.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <climits>

#include "config/file_settings_store.h"
#include "tests/app/form1_rig.h"
#include "tests/rig/device_probe.h"
#include "tests/rig/lcd_text.h"

namespace zx {
namespace {

using SettingsNoticeTest = Form1Rig;

// The settings file's place is taken by a folder: every write fails. The
// player hears of it once, after the creation, and the device goes on.
TEST_F(SettingsNoticeTest, AFailedWriteIsToldOnceWithTheFileAndWhy) {
    writeConfig(skin);
    const QString conf = dir.filePath("config/Zorbax50.conf");
    ASSERT_TRUE(QDir().mkpath(conf));
    FileSettingsStore store(conf.toStdString());
    TForm1 form({store, dialogs, clock, random, sound, dir.path()});
    // The keys written back at creation failed; the box waits for the loop.
    EXPECT_TRUE(dialogs.warnings.isEmpty());
    QApplication::processEvents();
    ASSERT_EQ(dialogs.warnings.size(), 1);
    EXPECT_TRUE(dialogs.warnings[0].contains(conf)) << dialogs.warnings[0].toStdString();
    EXPECT_TRUE(dialogs.warnings[0].contains("Is a directory"))
        << dialogs.warnings[0].toStdString();

    form.runCommand(MenuCommand::Fullscreen);
    form.runCommand(MenuCommand::Hiscore);
    QApplication::processEvents();
    EXPECT_EQ(dialogs.warnings.size(), 1);
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_TRUE(QFileInfo(conf).isDir());
}

// Values out of the range a game can reach, as a hand-edited file holds them:
// a negative one is 0, a huge one is capped, and the ready face draws digits.
TEST_F(SettingsNoticeTest, StoredHighScoresAreTakenWithinTheirRange) {
    const struct {
        const char* text;
        int value;
        const char* digits;
    } cases[] = {
        {"-9", 0, "___0_"},
        {"-2147483648", 0, "___0_"},
        {"2147483647", kMaxHiScore, "9990_"},
        {"9999990", 9999990, "9990_"},
        {"12340", 12340, "2340_"},
        {"abc", 0, "___0_"},
    };
    writeConfig(skin);
    for (const auto& c : cases) {
        settings.writeText("HiScore1", c.text);
        settings.writeText("HiScore2", c.text);
        auto form = create();
        EXPECT_EQ(form->device().gameState().HiScoreA, c.value) << c.text;
        EXPECT_EQ(form->device().gameState().HiScoreB, c.value) << c.text;
        testing::giveGlyphsPictures(DeviceProbe::face(form->device()));
        form->device().enterMode(6);  // the game A ready face
        EXPECT_EQ(testing::lcdFields(form->device().face()).at("digits"), c.digits) << c.text;
    }
}

}  // namespace
}  // namespace zx
