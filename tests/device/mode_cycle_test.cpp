// The device modes, their faces and the mode buttons, in virtual time.
#include <gtest/gtest.h>

#include "tests/device/device_rig.h"

namespace zx {
namespace {

using testing::Rig;

// Brings a freshly launched device to mode m through the buttons alone.
void reach(Rig& r, int m) {
    r.launch();
    if (m == 0) return;
    r.dev.Inp_time_down();  // 0 -> 1
    r.dev.Inp_time_up();
    if (m >= 6) {
        m == 6 ? r.dev.Inp_game_a_down() : r.dev.Inp_game_b_down();
        return;  // the game button stays held: releasing it would start the game
    }
    while (r.mode() != m) {
        r.dev.Inp_time_down();
        r.dev.Inp_time_up();
    }
}

TEST(ModeTable, TimeCyclesThroughTheClockFacesAndLeavesGameOver) {
    Rig r;
    r.launch();
    const int expected[] = {1, 2, 3, 4, 5, 1, 2};
    for (int m : expected) {
        r.dev.Inp_time_down();
        r.dev.Inp_time_up();
        EXPECT_EQ(r.mode(), m);
    }
    r.dev.state.DeviceMode = mode::GameOver;
    r.dev.Inp_time_down();
    EXPECT_EQ(r.mode(), mode::Time1);
    EXPECT_TRUE(r.on(Ctl::im_panel_time_1));
}

TEST(ModeTable, GameButtonsLeadToTheReadyFacesFromClockFacesAndGameOver) {
    for (int from : {1, 2, 3, 4, 5, 10}) {
        for (bool gameA : {true, false}) {
            Rig r;
            reach(r, from == 10 ? 1 : from);
            r.dev.state.DeviceMode = from;
            gameA ? r.dev.Inp_game_a_down() : r.dev.Inp_game_b_down();
            EXPECT_EQ(r.mode(), gameA ? 6 : 7) << "from mode " << from;
        }
    }
}

TEST(ModeTable, AnyModeButtonOnTheStartupFaceShowsTheTime) {
    for (int button = 0; button < 3; ++button) {
        Rig r;
        r.launch();
        if (button == 0) r.dev.Inp_time_down();
        if (button == 1) r.dev.Inp_game_a_down();
        if (button == 2) r.dev.Inp_game_b_down();
        EXPECT_EQ(r.mode(), mode::Time1);
        // Releasing the game button there starts no game.
        r.dev.Inp_game_a_up();
        r.dev.Inp_game_b_up();
        EXPECT_EQ(r.mode(), mode::Time1);
    }
}

TEST(ModeTable, ModeButtonsAreIgnoredOnReadyFacesAndDuringAGame) {
    for (int m : {6, 7, 8, 9}) {
        Rig r;
        reach(r, m <= 7 ? m : 6);
        r.dev.state.DeviceMode = m;
        r.dev.Inp_time_down();
        r.dev.Inp_time_up();
        r.dev.Inp_game_b_down();
        r.dev.Inp_game_a_down();
        EXPECT_EQ(r.mode(), m);
    }
}

TEST(ModeTable, GameStartsOnReleaseNotOnPressOrRepeat) {
    Rig r;
    reach(r, 1);
    r.dev.Inp_game_a_down();
    EXPECT_EQ(r.mode(), mode::GameAReady);
    for (int i = 0; i < 5; ++i) r.dev.Inp_game_a_down();  // key repeat of a held key
    r.run(60000);
    EXPECT_EQ(r.mode(), mode::GameAReady);
    EXPECT_TRUE(r.on(Ctl::btn_game_a_down));
    r.dev.Inp_game_a_up();
    EXPECT_EQ(r.mode(), mode::GameA);
    EXPECT_FALSE(r.on(Ctl::btn_game_a_down));
    EXPECT_FALSE(r.dev.state.GameAHeld);
    // The ready face stays on the LCD while the game starts.
    EXPECT_TRUE(r.on(seg::hero(2)));

    Rig b;
    reach(b, 7);
    b.dev.Inp_game_b_up();
    EXPECT_EQ(b.mode(), mode::GameB);
}

TEST(ModeTable, ReleaseOutsideAReadyFaceOnlyClearsTheLatch) {
    Rig r;
    reach(r, 3);
    r.dev.Inp_game_b_down();  // 3 -> 7
    r.dev.state.DeviceMode = mode::Alarm;
    r.dev.Inp_game_b_up();
    EXPECT_EQ(r.mode(), mode::Alarm);
    EXPECT_FALSE(r.dev.state.GameBHeld);
    EXPECT_FALSE(r.on(Ctl::btn_game_b_down));
}

TEST(ModeTable, SetModeAboveNineBuildsNothing) {
    Rig r;
    reach(r, 4);
    r.run(5);
    const std::string before = r.digits();
    r.dev.state.DeviceMode = mode::GameOver;
    r.dev.Gam_Set_Mode();
    EXPECT_EQ(r.digits(), before);
    EXPECT_TRUE(r.running(TimerId::Date));
}

TEST(StartupFace, EverySegmentLitThenTheTimeAfterThirtySeconds) {
    Rig r;
    r.at(9, 5);
    r.launch();
    EXPECT_EQ(r.digits(), "8888s8");
    for (Ctl c : seg::kPanelIcons) EXPECT_TRUE(r.on(c));
    EXPECT_TRUE(r.on(seg::shot(3, 4)));
    r.run(29999);
    EXPECT_EQ(r.mode(), mode::Startup);
    r.run(1);
    EXPECT_EQ(r.mode(), mode::Time1);
    EXPECT_FALSE(r.running(TimerId::Startup));
    r.run(1);
    EXPECT_EQ(r.digits(), "_905_");
    EXPECT_FALSE(r.on(seg::shot(3, 4)));
}

TEST(StartupFace, LeftEarlyTheStartupTimerNeverReturnsToTheTime) {
    Rig r;
    r.launch();
    r.run(10000);
    r.dev.Inp_game_a_down();
    r.dev.Inp_game_a_up();
    EXPECT_FALSE(r.running(TimerId::Startup));
    r.dev.Inp_time_down();  // on to the second time face
    r.run(40000);
    EXPECT_EQ(r.mode(), mode::Time2);
    // A tick that was already due when the face changed finds the guard.
    r.dev.Timer_StartupTimer();
    EXPECT_EQ(r.mode(), mode::Time2);
    EXPECT_TRUE(r.on(Ctl::im_panel_time_2));
    EXPECT_FALSE(r.running(TimerId::Startup));
}

TEST(ClockFaces, TimeIsTwelveHourWithAmPm) {
    struct Case {
        int hour, minute;
        const char* digits;
        bool pm;
    };
    for (const Case& c : {Case{0, 7, "1207_", false}, Case{12, 30, "1230_", true},
                          Case{9, 5, "_905_", false}, Case{23, 59, "1159_", true},
                          Case{11, 0, "1100_", false}}) {
        Rig r;
        r.at(c.hour, c.minute);
        reach(r, 1);
        r.run(1);  // the face is drawn on the first tick
        EXPECT_EQ(r.digits(), c.digits) << c.hour << ":" << c.minute;
        EXPECT_EQ(r.on(Ctl::im_panel_time_pm), c.pm);
        EXPECT_EQ(r.on(Ctl::im_panel_time_am), !c.pm);
        EXPECT_TRUE(r.on(Ctl::im_panel_time_colon));
    }
}

TEST(ClockFaces, TimeFollowsTheClockEverySecond) {
    Rig r;
    r.at(11, 59);
    reach(r, 1);
    r.run(1);
    r.at(12, 0);
    r.run(999);
    EXPECT_EQ(r.digits(), "1159_");
    r.run(1);
    EXPECT_EQ(r.digits(), "1200_");
    EXPECT_TRUE(r.on(Ctl::im_panel_time_pm));
}

TEST(ClockFaces, SecondTimeFaceKeepsTheClockAndItsMark) {
    Rig r;
    r.at(15, 42);
    reach(r, 1);
    r.run(500);
    r.dev.Inp_time_down();
    EXPECT_EQ(r.mode(), mode::Time2);
    EXPECT_FALSE(r.on(Ctl::im_panel_time_1));
    EXPECT_TRUE(r.on(Ctl::im_panel_time_2));
    EXPECT_TRUE(r.on(Ctl::im_panel_time_pm));
    EXPECT_EQ(r.digits(), "_342_");
    EXPECT_TRUE(r.running(TimerId::Clock));
    r.at(15, 43);
    r.run(1000);
    EXPECT_EQ(r.digits(), "_343_");
}

TEST(ClockFaces, DateShowsMonthAndDayWithBlankTens) {
    struct Case {
        int month, day;
        const char* digits;
    };
    for (const Case& c : {Case{3, 7, "_3_7_"}, Case{12, 25, "1225_"}, Case{10, 1, "10_1_"}}) {
        Rig r;
        r.at(8, 0, c.month, c.day);
        reach(r, 4);
        EXPECT_TRUE(r.on(Ctl::im_panel_date));
        EXPECT_TRUE(r.on(Ctl::im_panel_time_colon));
        EXPECT_FALSE(r.on(Ctl::im_panel_time_am));
        r.run(1);
        EXPECT_EQ(r.digits(), c.digits);
    }
}

TEST(ClockFaces, AlarmAndChronoAreFixedFaces) {
    Rig r;
    r.at(18, 30);
    reach(r, 3);
    EXPECT_EQ(r.digits(), "1200_");
    EXPECT_TRUE(r.on(Ctl::im_panel_alarm));
    EXPECT_TRUE(r.on(Ctl::im_panel_time_am));
    EXPECT_FALSE(r.on(Ctl::im_panel_time_pm));
    EXPECT_FALSE(r.on(Ctl::im_panel_time_2));
    r.run(5000);
    EXPECT_EQ(r.digits(), "1200_");  // the clock no longer draws here

    r.dev.Inp_time_down();
    r.dev.Inp_time_up();
    r.dev.Inp_time_down();
    EXPECT_EQ(r.mode(), mode::Chrono);
    r.run(5000);
    EXPECT_EQ(r.digits(), "0000s0");
    EXPECT_TRUE(r.on(Ctl::im_panel_chrono));
    EXPECT_FALSE(r.on(Ctl::im_panel_date));
    EXPECT_FALSE(r.running(TimerId::Date));
}

TEST(ReadyFace, ShowsTheGameItsHighScoreAndTheStartingFigures) {
    for (bool gameA : {true, false}) {
        Rig r;
        r.dev.state.game.HiScoreA = 1230;
        r.dev.state.game.HiScoreB = 40;
        r.dev.state.game.MissCount = 2;
        reach(r, gameA ? 6 : 7);
        EXPECT_EQ(r.digits(), gameA ? "1230_" : "__40_");
        EXPECT_EQ(r.on(Ctl::im_panel_game_a), gameA);
        EXPECT_EQ(r.on(Ctl::im_panel_game_b), !gameA);
        EXPECT_TRUE(r.on(Ctl::im_panel_sound));
        EXPECT_TRUE(r.dev.state.DeviceSoundOn);
        EXPECT_FALSE(r.on(Ctl::im_panel_time_colon));
        EXPECT_TRUE(r.on(seg::miss(1)));
        EXPECT_TRUE(r.on(seg::miss(2)));
        EXPECT_FALSE(r.on(seg::miss(3)));
        for (int c = 1; c <= 3; ++c)
            for (int k = 1; k <= 3; ++k) EXPECT_TRUE(r.on(seg::saveme(c, k)));
        for (int i = 1; i <= 3; ++i) {
            EXPECT_FALSE(r.on(seg::panelMissMark(i)));
            EXPECT_EQ(r.on(seg::hero(i)), i == 2);
            EXPECT_EQ(r.on(seg::enemyHelper(i)), i == 2);
        }
        EXPECT_EQ(r.dev.state.game.MissCount, 0);
        EXPECT_EQ(r.dev.state.game.HeroPosition, 2);
    }
}

TEST(Timers, FacesStopEveryTimerButKeepIntervals) {
    Rig r;
    reach(r, 1);
    for (int i = 0; i < kTimerCount; ++i) {
        r.dev.timers[TimerId(i)].setInterval(100 + i);
        r.dev.timers[TimerId(i)].setEnabled(true);
    }
    r.dev.state.DeviceMode = mode::GameOver;
    r.dev.Inp_game_b_down();
    for (int i = 0; i < kTimerCount; ++i) {
        EXPECT_FALSE(r.running(TimerId(i))) << timerName(TimerId(i));
        EXPECT_EQ(r.dev.timers[TimerId(i)].interval(), 100 + i);
    }
}

TEST(Latches, HeldLeftBlocksTimeUntilAReleaseOfTheSharedLatch) {
    Rig r;
    reach(r, 1);
    r.dev.Inp_left_down();
    r.dev.Inp_time_down();
    EXPECT_EQ(r.mode(), mode::Time1);
    EXPECT_TRUE(r.on(Ctl::btn_time_down));  // the pressed picture still shows
    r.dev.Inp_time_up();                    // any release of the latch frees it
    r.dev.Inp_time_down();
    EXPECT_EQ(r.mode(), mode::Time2);
    r.dev.Inp_left_up();
    EXPECT_FALSE(r.on(Ctl::btn_left_down));
    EXPECT_FALSE(r.dev.state.KeyHeld);
}

TEST(Latches, HeldTimeActsOnce) {
    Rig r;
    reach(r, 1);
    for (int i = 0; i < 4; ++i) r.dev.Inp_time_down();
    EXPECT_EQ(r.mode(), mode::Time2);
}

}  // namespace
}  // namespace zx
