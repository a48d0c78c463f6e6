// Left, right and shoot: the shared latch, the game sound switch and the hero.
#include <gtest/gtest.h>

#include "tests/rig/device_rig.h"

namespace zx {
namespace {

// A game A ready face with the hero free to move and shoot, as during play.
struct Playing : testing::Rig {
    GameState& g = DeviceProbe::game(dev);
    Playing() {
        enter(mode::GameAReady);
        g.HeroActive = g.ShotReady = true;
    }
};

TEST(PlayButtons, LeftOnAReadyFaceSwitchesTheGameSoundOffAndRightDoesNotUndoIt) {
    Playing r;
    r.dev.press(DeviceButton::Left);
    r.dev.release(DeviceButton::Left);
    r.dev.press(DeviceButton::Right);
    EXPECT_FALSE(DeviceProbe::state(r.dev).DeviceSoundOn || r.on(Ctl::im_panel_sound));
    r.enter(mode::GameBReady);
    EXPECT_TRUE(DeviceProbe::state(r.dev).DeviceSoundOn && r.on(Ctl::im_panel_sound));
    DeviceProbe::state(r.dev).DeviceMode = mode::GameB;  // not on a ready face: left leaves it on
    r.dev.release(DeviceButton::Right);
    r.dev.press(DeviceButton::Left);
    EXPECT_TRUE(DeviceProbe::state(r.dev).DeviceSoundOn);
}

TEST(PlayButtons, HeroMovesOneColumnPerPressWithinTheColumns) {
    Playing r;
    for (int i = 0; i < 3; ++i) r.dev.press(DeviceButton::Left);  // held: moves once
    EXPECT_EQ(r.g.HeroPosition, 1);
    r.dev.press(DeviceButton::Right);  // blocked by the held left, picture still shown
    EXPECT_TRUE(r.on(Ctl::btn_right_down));
    EXPECT_EQ(r.g.HeroPosition, 1);
    r.dev.release(DeviceButton::Left);
    for (int i = 0; i < 4; ++i) {
        r.dev.press(DeviceButton::Right);
        r.dev.release(DeviceButton::Right);
    }
    EXPECT_EQ(r.g.HeroPosition, 3);
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(r.on(seg::hero(c)), c == 3);
}

TEST(PlayButtons, ShootFiresOnceAndARefusedShotStillTakesTheLatch) {
    Playing r;
    r.dev.press(DeviceButton::ShootLeft);
    EXPECT_TRUE(r.on(seg::shot(2, 1)) && r.running(TimerId::Shot));
    EXPECT_EQ(r.g.ShotColumn, 2);
    EXPECT_EQ(r.g.ShotStep, 1);
    DeviceProbe::state(r.dev).KeyHeld = false;  // the shoot release
    r.dev.press(DeviceButton::ShootLeft);       // a shot is in flight
    EXPECT_TRUE(DeviceProbe::state(r.dev).KeyHeld);
    r.dev.press(DeviceButton::Left);
    EXPECT_EQ(r.g.HeroPosition, 2);
}

TEST(PlayButtons, ShootWithAnInactiveHeroLeavesTheLatchAlone) {
    Playing r;
    r.g.HeroActive = false;
    r.dev.press(DeviceButton::ShootLeft);
    EXPECT_FALSE(DeviceProbe::state(r.dev).KeyHeld || r.running(TimerId::Shot));
    r.dev.press(DeviceButton::Right);
    r.dev.press(DeviceButton::ShootLeft);
    EXPECT_TRUE(DeviceProbe::state(r.dev).KeyHeld);
}

}  // namespace
}  // namespace zx
