// Left, right and shoot: the shared latch, the game sound switch and the hero.
#include <gtest/gtest.h>

#include "tests/device/device_rig.h"

namespace zx {
namespace {

using testing::Rig;

// A ready face of game A with the hero free to move, as during play.
Rig& playing(Rig& r) {
    r.launch();
    r.dev.Inp_game_a_down();  // start-up -> time
    r.dev.Inp_game_a_up();
    r.dev.Inp_game_a_down();  // time -> ready
    r.dev.state.game.HeroActive = true;
    r.dev.state.game.ShotReady = true;
    return r;
}

TEST(GameSound, LeftOnAReadyFaceSwitchesItOffUntilTheNextReadyFace) {
    Rig r;
    playing(r);
    ASSERT_TRUE(r.dev.state.DeviceSoundOn);
    r.dev.Inp_left_down();
    EXPECT_FALSE(r.dev.state.DeviceSoundOn);
    EXPECT_FALSE(r.on(Ctl::im_panel_sound));
    r.dev.Inp_left_up();
    r.dev.Inp_right_down();  // right does not switch it back on
    r.dev.Inp_right_up();
    EXPECT_FALSE(r.dev.state.DeviceSoundOn);
    // Re-entering a ready face does.
    r.dev.state.DeviceMode = mode::GameOver;
    r.dev.Inp_game_a_up();
    r.dev.Inp_game_b_down();
    EXPECT_TRUE(r.dev.state.DeviceSoundOn);
    EXPECT_TRUE(r.on(Ctl::im_panel_sound));
}

TEST(GameSound, LeftOutsideAReadyFaceLeavesItAlone) {
    Rig r;
    playing(r);
    r.dev.state.DeviceMode = mode::GameA;
    r.dev.Inp_left_down();
    EXPECT_TRUE(r.dev.state.DeviceSoundOn);
    EXPECT_TRUE(r.on(Ctl::im_panel_sound));
}

TEST(Hero, MovesOneColumnPerPressWithinTheThreeColumns) {
    Rig r;
    playing(r);
    for (int i = 0; i < 3; ++i) {  // held left repeats its key-down
        r.dev.Inp_left_down();
    }
    EXPECT_EQ(r.dev.state.game.HeroPosition, 1);
    r.dev.Inp_left_up();
    r.dev.Inp_left_down();  // already in column 1
    r.dev.Inp_left_up();
    EXPECT_EQ(r.dev.state.game.HeroPosition, 1);
    for (int i = 0; i < 3; ++i) {
        r.dev.Inp_right_down();
        r.dev.Inp_right_up();
    }
    EXPECT_EQ(r.dev.state.game.HeroPosition, 3);
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(r.on(seg::hero(c)), c == 3);
}

TEST(Hero, HeldLeftBlocksRightButShowsItsPicture) {
    Rig r;
    playing(r);
    r.dev.Inp_left_down();
    r.dev.Inp_right_down();
    EXPECT_EQ(r.dev.state.game.HeroPosition, 1);
    EXPECT_TRUE(r.on(Ctl::btn_right_down));
    r.dev.Inp_right_up();
    EXPECT_FALSE(r.on(Ctl::btn_right_down));
    EXPECT_TRUE(r.on(Ctl::btn_left_down));
}

TEST(Hero, StaysPutWhileInactive) {
    Rig r;
    playing(r);
    r.dev.state.game.HeroActive = false;
    r.dev.Inp_right_down();
    EXPECT_EQ(r.dev.state.game.HeroPosition, 2);
    EXPECT_TRUE(r.dev.state.KeyHeld);  // the press still takes the latch
}

TEST(Shoot, FiresUpTheHerosColumn) {
    Rig r;
    playing(r);
    r.dev.Inp_right_down();
    r.dev.Inp_right_up();
    r.dev.Inp_shoot_down();
    const GameState& g = r.dev.state.game;
    EXPECT_TRUE(r.on(seg::shot(3, 1)));
    EXPECT_EQ(g.ShotColumn, 3);
    EXPECT_EQ(g.ShotStep, 1);
    EXPECT_FALSE(g.ShotReady);
    EXPECT_TRUE(r.running(TimerId::Shot));
    EXPECT_TRUE(r.dev.state.KeyHeld);
}

TEST(Shoot, ShotInFlightRefusesAnotherButTakesTheLatch) {
    Rig r;
    playing(r);
    r.dev.state.game.ShotReady = false;
    r.dev.Inp_shoot_down();
    EXPECT_FALSE(r.on(seg::shot(2, 1)));
    EXPECT_FALSE(r.running(TimerId::Shot));
    EXPECT_TRUE(r.dev.state.KeyHeld);
    r.dev.Inp_left_down();  // blocked by the latch the refused shot took
    EXPECT_EQ(r.dev.state.game.HeroPosition, 2);
}

TEST(Shoot, InactiveHeroLeavesTheLatchAlone) {
    Rig r;
    playing(r);
    r.dev.state.game.HeroActive = false;
    r.dev.Inp_shoot_down();
    EXPECT_FALSE(r.dev.state.KeyHeld);
    EXPECT_FALSE(r.running(TimerId::Shot));
    EXPECT_TRUE(r.dev.state.game.ShotReady);
    // Nor does it release a latch already taken.
    r.dev.Inp_left_down();
    r.dev.Inp_shoot_down();
    EXPECT_TRUE(r.dev.state.KeyHeld);
}

}  // namespace
}  // namespace zx
