// The splash window's creation step, play-button state and the launch.
#include <QGuiApplication>
#include <QScreen>

#include "sound/sound.h"
#include "tests/windows/splash_rig.h"

namespace zx::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const char* const kFailure = "error: Sound folder unproperly installed. Please reinstall the game.";

bool greyPlayShows(const TSplashForm& f) {
    return f.playButton()->isHidden() && !f.playButton()->isEnabled() &&
           !f.playButtonDisabled()->isHidden();
}
bool bluePlayShows(const TSplashForm& f) {
    return !f.playButton()->isHidden() && f.playButton()->isEnabled() &&
           f.playButtonDisabled()->isHidden();
}

TEST_F(SplashTest, FirstStartIsCentredWithNoDriverAndOnlyTheGreyPlay) {
    TSplashForm& f = create();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(f.pos(), QPoint((screen.width() - 460) / 2, (screen.height() - 420) / 2));
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(f.background()->pixmap().isNull());
    EXPECT_TRUE(splashPending);
    EXPECT_EQ(f.soundList()->currentIndex(), -1);
    EXPECT_TRUE(f.splashBox()->isChecked());
    EXPECT_TRUE(greyPlayShows(f));
    EXPECT_EQ(f.playButtonDisabled()->toolTip(), "please select sound driver first");
    EXPECT_THAT(log, IsEmpty());  // nothing is written before a launch
    const QImage look = f.grab().toImage();
    EXPECT_EQ(look.pixel(440, 399), qRgb(8, 42, 82));  // behind the check box's text
    EXPECT_EQ(look.pixel(5, 300), qRgb(255, 255, 255));

    // Without a driver nothing launches, whichever way it is asked.
    f.btn_playClick();
    f.activateWindow();
    f.FormActivate();
    press(Qt::Key_Return);
    press(Qt::Key_1, Qt::NoModifier, 10);
    EXPECT_THAT(log, IsEmpty());
    EXPECT_FALSE(f.launched());

    pick(2);
    EXPECT_TRUE(bluePlayShows(f));
    pick(-1);
    EXPECT_TRUE(greyPlayShows(f));
}

TEST_F(SplashTest, DriverListNamesThePlatformsOutputsAtTheStoredPositions) {
#ifdef Q_OS_WIN
    const QStringList names = {"Microsoft DirectSound", "Windows MultiMedia", "(no sound)"};
#else
    const QStringList names = {"Default sound output", "ALSA", "(no sound)"};
#endif
    for (int mode = 0; mode < 3; ++mode) {
        log.clear();
        store.mem.writeText("SoundMode", std::to_string(mode));
        TSplashForm& f = createActive();
        ASSERT_EQ(f.soundList()->count(), 3);
        EXPECT_EQ(f.soundList()->itemText(mode), names[mode]);
        EXPECT_EQ(f.soundList()->currentText(), names[mode]);
        f.btn_playClick();  // the same number goes back and into the sound start
        EXPECT_THAT(log, ::testing::Contains("SoundMode=" + std::to_string(mode)));
        EXPECT_THAT(log, ::testing::Contains("Snd_Init " + std::to_string(mode)));
    }
}

TEST_F(SplashTest, TabMovesBetweenTheDriverListAndTheCheckBoxOnly) {
    TSplashForm& f = createActive();
    press(Qt::Key_Tab);
    EXPECT_EQ(f.focusWidget(), f.splashBox());
    press(Qt::Key_Tab);
    EXPECT_EQ(f.focusWidget(), f.soundList());
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
        EXPECT_EQ(f.soundList()->currentIndex(), -1);
        EXPECT_FALSE(f.splashBox()->isChecked());
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
    EXPECT_EQ(shows, 0);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.pos(), QPoint(-460, -420));
    EXPECT_FALSE(splashPending);
    EXPECT_TRUE(f.launched());
    EXPECT_EQ(f.background(), nullptr) << "never shown, never built";
    EXPECT_EQ(f.soundList(), nullptr);
    // Nothing that may still reach the hidden window launches it again.
    f.btn_playClick();
    f.FormActivate();
    f.show();
    f.hide();
    EXPECT_EQ(log.size(), 6u);
    EXPECT_THAT(log, ElementsAre("SoundMode=2", "Snd_Init 2", "SplashScreen=0", "tick off",
                                 "centre", "startup"));
}

TEST_F(SplashTest, LaunchStoresTheDriverBeforeSoundAndTheBoxAfterOnlyOnce) {
    TSplashForm& f = createActive();
    pick(0);
    f.splashBox()->setChecked(false);
    ASSERT_TRUE(splashPending);  // the device window has not been activated yet
    f.btn_playClick();
    EXPECT_THAT(log, ElementsAre("SoundMode=0", "Snd_Init 0", "SplashScreen=0", "tick off",
                                 "centre", "startup"));
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(splashPending);  // so its activation now cannot bring the splash back

    f.show();  // even if something shows it again, it does not launch twice
    f.btn_playClick();
    press(Qt::Key_Return);
    EXPECT_EQ(log.size(), 6u);
}

TEST_F(SplashTest, StoredDriverIsShownSelectedWhileTickedAndRewrittenAtLaunch) {
    store.mem.writeText("SoundMode", "1");
    TSplashForm& f = createActive();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.soundList()->currentText(), QString::fromLatin1(kSoundModeNames[1]));
    EXPECT_TRUE(bluePlayShows(f));
    f.btn_playClick();
    EXPECT_THAT(log, ElementsAre("SoundMode=1", "Snd_Init 1", "SplashScreen=1", "tick on", "centre",
                                 "startup"));
}

TEST_F(SplashTest, SoundFailureResetsTheChoicesAndEndsWithoutTouchingTheDevice) {
    host.soundWorks = false;
    TSplashForm& f = createActive();
    pick(1);
    f.splashBox()->setChecked(false);
    f.btn_playClick();
    EXPECT_THAT(log, ElementsAre("SoundMode=1", "Snd_Init 1", kFailure, "SoundMode=-1",
                                 "SplashScreen=1", "terminate"));

    // Nothing more happens while the program winds down.
    log.clear();
    f.btn_playClick();
    press(Qt::Key_Return);
    EXPECT_THAT(log, IsEmpty());
}

}  // namespace
}  // namespace zx::test
