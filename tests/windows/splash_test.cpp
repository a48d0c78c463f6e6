// The splash window's creation step, play-button state and the launch.
#include <QComboBox>
#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>

#include "tests/windows/splash_rig.h"

namespace zx::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const char* const kFailure = "error: Sound folder unproperly installed. Please reinstall the game.";

bool greyPlayShows(const TSplashForm& f) {
    return f.btn_play->isHidden() && !f.btn_play->isEnabled() && !f.btn_play_disabled->isHidden();
}
bool bluePlayShows(const TSplashForm& f) {
    return !f.btn_play->isHidden() && f.btn_play->isEnabled() && f.btn_play_disabled->isHidden();
}

TEST_F(SplashTest, FirstStartIsCentredWithNoDriverAndOnlyTheGreyPlay) {
    TSplashForm& f = create();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(f.pos(), QPoint((screen.width() - 460) / 2, (screen.height() - 420) / 2));
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(splashPending);
    EXPECT_EQ(f.cb_sound->currentIndex(), -1);
    EXPECT_TRUE(f.chb_splashscreen->isChecked());
    EXPECT_TRUE(greyPlayShows(f));
    EXPECT_EQ(f.btn_play_disabled->toolTip(), "please select sound driver first");
    EXPECT_EQ(f.windowTitle(), "About this game...");
    EXPECT_EQ(f.size(), QSize(460, 420));
    EXPECT_THAT(log, IsEmpty());  // nothing is written before a launch

    // Without a driver nothing launches, whichever way it is asked.
    f.btn_playClick();
    EXPECT_THAT(log, IsEmpty());
    EXPECT_FALSE(f.launched());
}

TEST_F(SplashTest, PickingADriverSwapsTheGreyPlayForTheBlueOne) {
    TSplashForm& f = create();
    pick(2);
    EXPECT_TRUE(bluePlayShows(f));
    pick(-1);
    EXPECT_TRUE(greyPlayShows(f));
}

TEST_F(SplashTest, DriverListOffersTheThreeOutputsAndTabLeadsToTheCheckBox) {
    TSplashForm& f = createActive();
    ASSERT_EQ(f.cb_sound->count(), 3);
    EXPECT_EQ(f.cb_sound->itemText(0), "Microsoft DirectSound");
    EXPECT_EQ(f.cb_sound->itemText(1), "Windows MultiMedia");
    EXPECT_EQ(f.cb_sound->itemText(2), "(no sound)");
    EXPECT_FALSE(f.cb_sound->isEditable());
    f.cb_sound->setFocus();
    press(Qt::Key_Tab);
    EXPECT_EQ(f.focusWidget(), f.chb_splashscreen);
    press(Qt::Key_Tab);
    EXPECT_EQ(f.focusWidget(), f.cb_sound);  // nothing else takes the focus
    EXPECT_EQ(f.la_release_date->text(),
              "Released by the Zorbanix simulator team on 4th December, 2017");
}

TEST_F(SplashTest, StoredDriverIsSelectedAndTheSplashShownWhileTicked) {
    store.WriteInteger("SoundMode", 1);
    log.clear();
    TSplashForm& f = create();
    EXPECT_EQ(f.cb_sound->currentText(), "Windows MultiMedia");
    EXPECT_TRUE(f.chb_splashscreen->isChecked());
    EXPECT_TRUE(bluePlayShows(f));
    EXPECT_FALSE(f.launched());
    EXPECT_TRUE(f.isVisible());
}

TEST_F(SplashTest, UnusableStoredDriverShowsTheSplashUntickedEvenWhenSwitchedOff) {
    for (const char* stored : {"", "7", "-1", "3", "abc"}) {
        SCOPED_TRACE(stored);
        store.mem = MemorySettingsStore();
        if (*stored) store.mem.writeText("SoundMode", stored);
        store.mem.writeText("SplashScreen", "0");
        log.clear();
        TSplashForm& f = create();
        EXPECT_TRUE(f.isVisible());
        EXPECT_FALSE(f.launched());
        EXPECT_EQ(f.cb_sound->currentIndex(), -1);
        EXPECT_FALSE(f.chb_splashscreen->isChecked());
        EXPECT_TRUE(greyPlayShows(f));
        EXPECT_TRUE(splashPending);
        EXPECT_THAT(log, IsEmpty());
    }
}

TEST_F(SplashTest, StoredDriverWithTheSplashOffLaunchesWithoutEverShowing) {
    store.mem.writeText("SoundMode", "2");
    store.mem.writeText("SplashScreen", "0");
    TSplashForm& f = create();
    QApplication::processEvents();
    EXPECT_EQ(showCounter.shows, 0);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.pos(), QPoint(-460, -420));
    EXPECT_FALSE(splashPending);
    EXPECT_TRUE(f.launched());
    EXPECT_THAT(log, ElementsAre("SoundMode=2", "Snd_Init 2", "SplashScreen=0", "tick off",
                                 "centre", "startup"));
}

TEST_F(SplashTest, LaunchStoresTheDriverBeforeSoundAndTheBoxAfter) {
    TSplashForm& f = createActive();
    pick(0);
    f.chb_splashscreen->setChecked(false);
    f.btn_playClick();
    EXPECT_THAT(log, ElementsAre("SoundMode=0", "Snd_Init 0", "SplashScreen=0", "tick off",
                                 "centre", "startup"));
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(store.readText("SoundMode"), "0");
    EXPECT_EQ(store.readText("SplashScreen"), "0");
}

TEST_F(SplashTest, LaunchRewritesAnUnchangedDriverAndKeepsTheTickedBox) {
    store.mem.writeText("SoundMode", "1");
    TSplashForm& f = createActive();
    f.btn_playClick();
    EXPECT_THAT(log, ElementsAre("SoundMode=1", "Snd_Init 1", "SplashScreen=1", "tick on",
                                 "centre", "startup"));
}

TEST_F(SplashTest, SoundFailureResetsTheChoicesAndEndsWithoutTouchingTheDevice) {
    host.soundWorks = false;
    TSplashForm& f = createActive();
    pick(1);
    f.chb_splashscreen->setChecked(false);
    f.btn_playClick();
    EXPECT_THAT(log, ElementsAre("SoundMode=1", "Snd_Init 1", kFailure, "SoundMode=-1",
                                 "SplashScreen=1", "terminate"));

    // Nothing more happens while the program winds down.
    log.clear();
    f.btn_playClick();
    press(Qt::Key_Return);
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(SplashTest, AutoLaunchWithFailingSoundAlsoResetsTheChoices) {
    host.soundWorks = false;
    store.mem.writeText("SoundMode", "0");
    store.mem.writeText("SplashScreen", "0");
    create();
    EXPECT_THAT(log, ElementsAre("SoundMode=0", "Snd_Init 0", kFailure, "SoundMode=-1",
                                 "SplashScreen=1", "terminate"));
    EXPECT_EQ(showCounter.shows, 0);
}

TEST_F(SplashTest, LaunchHappensAtMostOnce) {
    TSplashForm& f = createActive();
    pick(2);
    f.btn_playClick();
    f.show();  // even if something shows it again
    f.btn_playClick();
    press(Qt::Key_Return);
    EXPECT_EQ(std::count(log.begin(), log.end(), "Snd_Init 2"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "startup"), 1);
}

}  // namespace
}  // namespace zx::test
