// Left, right and shoot: the shared latch, the game sound switch and the hero.
#include <gtest/gtest.h>

#include "tests/rig/device_rig.h"

namespace zx {
namespace {

// A game A ready face with the hero free to move and shoot, as during play.
struct Playing : testing::Rig {
    GameState& g = dev.game.state;
    Playing() {
        enter(mode::GameAReady);
        g.HeroActive = g.ShotReady = true;
    }
};

TEST(PlayButtons, LeftOnAReadyFaceSwitchesTheGameSoundOffAndRightDoesNotUndoIt) {
    Playing r;
    r.dev.Inp_left_down();
    r.dev.Inp_left_up();
    r.dev.Inp_right_down();
    EXPECT_FALSE(r.dev.state.DeviceSoundOn || r.on(Ctl::im_panel_sound));
    r.enter(mode::GameBReady);
    EXPECT_TRUE(r.dev.state.DeviceSoundOn && r.on(Ctl::im_panel_sound));
    r.dev.state.DeviceMode = mode::GameB;  // not on a ready face: left leaves it on
    r.dev.Inp_right_up();
    r.dev.Inp_left_down();
    EXPECT_TRUE(r.dev.state.DeviceSoundOn);
}

TEST(PlayButtons, HeroMovesOneColumnPerPressWithinTheColumns) {
    Playing r;
    for (int i = 0; i < 3; ++i) r.dev.Inp_left_down();  // held: moves once
    EXPECT_EQ(r.g.HeroPosition, 1);
    r.dev.Inp_right_down();  // blocked by the held left, picture still shown
    EXPECT_TRUE(r.on(Ctl::btn_right_down));
    EXPECT_EQ(r.g.HeroPosition, 1);
    r.dev.Inp_left_up();
    for (int i = 0; i < 4; ++i) {
        r.dev.Inp_right_down();
        r.dev.Inp_right_up();
    }
    EXPECT_EQ(r.g.HeroPosition, 3);
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(r.on(seg::hero(c)), c == 3);
}

TEST(PlayButtons, ShootFiresOnceAndARefusedShotStillTakesTheLatch) {
    Playing r;
    r.dev.Inp_shoot_down();
    EXPECT_TRUE(r.on(seg::shot(2, 1)) && r.running(TimerId::Shot));
    EXPECT_EQ(r.g.ShotColumn, 2);
    EXPECT_EQ(r.g.ShotStep, 1);
    r.dev.state.KeyHeld = false;  // the shoot release
    r.dev.Inp_shoot_down();       // a shot is in flight
    EXPECT_TRUE(r.dev.state.KeyHeld);
    r.dev.Inp_left_down();
    EXPECT_EQ(r.g.HeroPosition, 2);
}

TEST(PlayButtons, ShootWithAnInactiveHeroLeavesTheLatchAlone) {
    Playing r;
    r.g.HeroActive = false;
    r.dev.Inp_shoot_down();
    EXPECT_FALSE(r.dev.state.KeyHeld || r.running(TimerId::Shot));
    r.dev.Inp_right_down();
    r.dev.Inp_shoot_down();
    EXPECT_TRUE(r.dev.state.KeyHeld);
}

}  // namespace
}  // namespace zx
