// The device modes, their faces and the mode buttons, in virtual time.
#include <gtest/gtest.h>

#include "tests/rig/device_rig.h"

namespace zx {
namespace {

using testing::Rig;

TEST(ModeTable, EveryTransitionAndEveryIgnoredPress) {
    struct Op {
        DeviceButton button;
        bool down;
    };
    const Op T{DeviceButton::Time, true}, A{DeviceButton::GameA, true},
        B{DeviceButton::GameB, true}, a{DeviceButton::GameA, false}, b{DeviceButton::GameB, false};
    struct Row {
        int from;
        Op op;
        int to;
    };
    const Row rows[] = {{0, T, 1},
                        {1, T, 2},
                        {2, T, 3},
                        {3, T, 4},
                        {4, T, 5},
                        {5, T, 1},
                        {10, T, 1},
                        {0, A, 1},
                        {0, B, 1},
                        {1, A, 6},
                        {2, B, 7},
                        {3, A, 6},
                        {4, B, 7},
                        {5, A, 6},
                        {10, A, 6},
                        {10, B, 7},
                        {6, a, 8},
                        {7, b, 9},
                        // Ignored: mode buttons on ready faces and in a game, releases elsewhere.
                        {6, T, 6},
                        {6, B, 6},
                        {7, A, 7},
                        {8, T, 8},
                        {8, A, 8},
                        {9, B, 9},
                        {1, a, 1},
                        {0, b, 0}};
    for (const Row& row : rows) {
        Rig r;
        DeviceProbe::state(r.dev).DeviceMode = row.from;
        if (row.op.down)
            r.dev.press(row.op.button);
        else
            r.dev.release(row.op.button);
        EXPECT_EQ(r.mode(), row.to) << "from mode " << row.from;
    }
}

TEST(ModeTable, HeldGameButtonKeepsTheReadyFaceAndStartsOnRelease) {
    Rig r;
    r.enter(mode::Time1);
    for (int i = 0; i < 4; ++i) r.dev.press(DeviceButton::GameA);  // a held key repeats
    r.run(60000);
    EXPECT_EQ(r.mode(), mode::GameAReady);
    EXPECT_TRUE(r.on(Ctl::btn_game_a_down));
    r.dev.release(DeviceButton::GameA);
    EXPECT_EQ(r.mode(), mode::GameA);
    EXPECT_FALSE(r.on(Ctl::btn_game_a_down));
    EXPECT_TRUE(r.on(seg::hero(2)));  // the ready face stays while the game starts
}

TEST(ModeTable, HeldLeftBlocksTimeUntilAnyReleaseOfTheSharedLatch) {
    Rig r;
    r.enter(mode::Time1);
    r.dev.press(DeviceButton::Left);
    r.dev.press(DeviceButton::Time);
    EXPECT_EQ(r.mode(), mode::Time1);
    EXPECT_TRUE(r.on(Ctl::btn_time_down));
    r.dev.release(DeviceButton::Time);
    r.dev.press(DeviceButton::Time);
    EXPECT_EQ(r.mode(), mode::Time2);
    r.dev.press(DeviceButton::Time);  // held TIME acts once
    EXPECT_EQ(r.mode(), mode::Time2);
}

TEST(StartupFace, AllLitThenTheTimeAfterThirtySeconds) {
    Rig r;
    r.at(9, 5);
    EXPECT_EQ(r.digits(), "8888s8");
    EXPECT_TRUE(r.on(Ctl::im_panel_bell) && r.on(seg::shot(3, 4)) && r.on(seg::panelMissMark(3)));
    r.run(29999);
    EXPECT_EQ(r.mode(), mode::Startup);
    r.run(2);
    EXPECT_EQ(r.mode(), mode::Time1);
    EXPECT_EQ(r.digits(), "_905_");
    EXPECT_FALSE(r.on(seg::shot(3, 4)));
    EXPECT_FALSE(r.running(TimerId::Startup));
}

TEST(StartupFace, LeftEarlyItsTimerIsStoppedAndALateTickIsHarmless) {
    Rig r;
    r.run(10000);
    r.dev.press(DeviceButton::GameB);
    r.dev.release(DeviceButton::GameB);
    EXPECT_FALSE(r.running(TimerId::Startup));
    r.dev.press(DeviceButton::Time);
    r.run(40000);
    DeviceProbe::startupTick(r.dev);  // a tick that was already due
    EXPECT_EQ(r.mode(), mode::Time2);
    EXPECT_TRUE(r.on(Ctl::im_panel_time_2));
    EXPECT_FALSE(r.running(TimerId::Startup));
}

TEST(ClockFaces, TwelveHourTimeWithAmPmFollowingTheClock) {
    struct Case {
        int hour, minute;
        const char* digits;
        bool pm;
    };
    for (const Case& c : {Case{0, 7, "1207_", false}, Case{12, 30, "1230_", true},
                          Case{9, 5, "_905_", false}, Case{23, 59, "1159_", true}}) {
        Rig r;
        r.at(c.hour, c.minute);
        r.enter(mode::Time1);
        r.run(1);  // drawn on the first tick
        EXPECT_EQ(r.digits(), c.digits) << c.hour << ":" << c.minute;
        EXPECT_EQ(r.on(Ctl::im_panel_time_pm), c.pm);
        EXPECT_EQ(r.on(Ctl::im_panel_time_am), !c.pm);
        r.at(10, 11);
        r.run(1000);
        EXPECT_EQ(r.digits(), "1011_");
    }
}

TEST(ClockFaces, SecondTimeFaceKeepsTheClockAndItsMark) {
    Rig r;
    r.at(15, 42);
    r.enter(mode::Time1);
    r.run(500);
    r.dev.press(DeviceButton::Time);
    EXPECT_FALSE(r.on(Ctl::im_panel_time_1));
    EXPECT_TRUE(r.on(Ctl::im_panel_time_2) && r.on(Ctl::im_panel_time_pm));
    r.at(15, 43);
    r.run(1000);
    EXPECT_EQ(r.digits(), "_343_");
}

TEST(ClockFaces, DateAlarmAndChrono) {
    Rig r;
    r.at(18, 30, 3, 7);
    r.enter(mode::Date);
    r.run(1);
    EXPECT_EQ(r.digits(), "_3_7_");
    EXPECT_TRUE(r.on(Ctl::im_panel_date) && r.on(Ctl::im_panel_time_colon));
    r.at(18, 30, 12, 25);
    r.run(1000);
    EXPECT_EQ(r.digits(), "1225_");

    r.dev.press(DeviceButton::Time);
    r.dev.release(DeviceButton::Time);
    r.run(5000);
    EXPECT_EQ(r.digits(), "0000s0");  // chrono: nothing draws over it
    EXPECT_TRUE(r.on(Ctl::im_panel_chrono));
    EXPECT_FALSE(r.on(Ctl::im_panel_date) || r.running(TimerId::Date));

    r.enter(mode::Alarm);
    EXPECT_EQ(r.digits(), "1200_");
    EXPECT_TRUE(r.on(Ctl::im_panel_alarm) && r.on(Ctl::im_panel_time_am));
    EXPECT_FALSE(r.on(Ctl::im_panel_time_pm) || r.on(Ctl::im_panel_chrono));
}

TEST(ReadyFace, GameHighScoreAndTheStartingFigures) {
    for (bool gameA : {true, false}) {
        Rig r;
        GameState& g = r.game();
        g.HiScoreA = 1230;
        g.HiScoreB = 40;
        g.MissCount = 2;
        r.enter(gameA ? mode::GameAReady : mode::GameBReady);
        EXPECT_EQ(r.digits(), gameA ? "1230_" : "__40_");
        EXPECT_EQ(r.on(Ctl::im_panel_game_a), gameA);
        EXPECT_EQ(r.on(Ctl::im_panel_game_b), !gameA);
        EXPECT_TRUE(r.on(Ctl::im_panel_sound) && DeviceProbe::state(r.dev).DeviceSoundOn);
        EXPECT_TRUE(r.on(seg::miss(1)) && r.on(seg::miss(2)));
        EXPECT_FALSE(r.on(seg::miss(3)) || r.on(Ctl::im_panel_time_colon));
        for (int c = 1; c <= 3; ++c) {
            for (int k = 1; k <= 3; ++k) EXPECT_TRUE(r.on(seg::saveme(c, k)));
            EXPECT_FALSE(r.on(seg::panelMissMark(c)));
            EXPECT_EQ(r.on(seg::hero(c)), c == 2);
            EXPECT_EQ(r.on(seg::enemyHelper(c)), c == 2);
        }
        EXPECT_EQ(g.MissCount, 0);
    }
}

TEST(ReadyFace, EnteringStopsEveryTimerAndKeepsTheirIntervals) {
    Rig r;
    for (int i = 0; i < kTimerCount; ++i) {
        r.dev.timers()[TimerId(i)].setInterval(100 + i);
        r.dev.timers()[TimerId(i)].setEnabled(true);
    }
    DeviceProbe::state(r.dev).DeviceMode = mode::GameOver;
    r.dev.press(DeviceButton::GameB);
    for (int i = 0; i < kTimerCount; ++i) {
        EXPECT_FALSE(r.running(TimerId(i))) << timerName(TimerId(i));
        EXPECT_EQ(r.dev.timers()[TimerId(i)].interval(), 100 + i);
    }
}

}  // namespace
}  // namespace zx
