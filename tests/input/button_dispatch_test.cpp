// Keys and button-image clicks reaching the device buttons.
#include "input/button_dispatch.h"

#include <gtest/gtest.h>

#include "tests/rig/device_rig.h"

namespace zx {
namespace {

constexpr std::uint16_t kLeft = 37, kRight = 39, kCtrl = 17, kAlt = 18;

struct Rig : testing::Rig {
    bool down(std::uint16_t vk) { return FormKeyDown(dev, keys.KeyBindings, vk); }
    bool up(std::uint16_t vk) { return FormKeyUp(dev, keys.KeyBindings, vk); }
};

TEST(Keys, DefaultBindingsWorkEveryButton) {
    Rig r;
    for (int i = 0; i < 3; ++i) r.down('3');  // held TIME acts once
    r.up('3');
    EXPECT_EQ(r.mode(), mode::Time1);
    r.down('2');
    r.up('2');
    EXPECT_EQ(r.mode(), mode::GameB);
    DeviceProbe::state(r.dev).DeviceMode = mode::Time1;
    r.down('1');
    EXPECT_EQ(r.mode(), mode::GameAReady);
    r.game().HeroActive = r.game().ShotReady = true;
    r.down(kRight);
    EXPECT_EQ(r.game().HeroPosition, 3);
    r.up(kRight);
    r.down(kLeft);
    EXPECT_FALSE(DeviceProbe::state(r.dev).DeviceSoundOn);
    r.up(kLeft);
    r.down(kCtrl);
    EXPECT_TRUE(r.on(Ctl::btn_shoot_left_down) && r.on(seg::shot(2, 1)));
    r.up(kCtrl);
    r.down(kAlt);
    EXPECT_TRUE(r.on(Ctl::btn_shoot_right_down) && DeviceProbe::state(r.dev).KeyHeld);
    r.up(kAlt);
    EXPECT_FALSE(r.on(Ctl::btn_shoot_left_down) || r.on(Ctl::btn_shoot_right_down));
    EXPECT_FALSE(DeviceProbe::state(r.dev).KeyHeld);
}

TEST(Keys, ShootReleaseFreesTheLatchThatAHeldKeyTook) {
    Rig r;
    r.down(kLeft);
    r.up(kAlt);
    r.down('3');
    EXPECT_EQ(r.mode(), mode::Time1);
}

TEST(Keys, EarlierOfTwoBindingsOnOneKeyWins) {
    Rig r;
    r.keys.KeyBindings[2].VirtualKey = 'A';  // TIME
    r.keys.KeyBindings[1].VirtualKey = 'A';  // game B, earlier
    DeviceProbe::state(r.dev).DeviceMode = mode::Time1;
    r.down('A');
    EXPECT_EQ(r.mode(), mode::GameBReady);
}

TEST(Keys, KeypadDigitsUnboundKeysAndCodeZeroPressNothing) {
    Rig r;
    r.keys.KeyBindings[0] = {99, 0};  // as left by a stored unknown key number
    for (int vk : {97, 99, int('Q'), 13, 0})
        EXPECT_FALSE(r.down(std::uint16_t(vk)) || r.up(std::uint16_t(vk))) << vk;
    EXPECT_EQ(r.mode(), mode::Startup);
}

TEST(Mouse, OnlyTheLeftButtonOnAButtonImagePresses) {
    Rig r;
    EXPECT_FALSE(buttonImageMouseDown(r.dev, Ctl::btn_time_top, MouseButton::Right));
    EXPECT_FALSE(buttonImageMouseDown(r.dev, Ctl::btn_set_top, MouseButton::Left));
    EXPECT_EQ(r.mode(), mode::Startup);
    EXPECT_TRUE(buttonImageMouseDown(r.dev, Ctl::btn_game_a_top, MouseButton::Left));
    EXPECT_TRUE(buttonImageMouseDown(r.dev, Ctl::btn_game_a_top, MouseButton::Left));
    EXPECT_EQ(r.mode(), mode::Time1);
    buttonImageMouseUp(r.dev, Ctl::btn_game_a_top, MouseButton::Left);
    buttonImageMouseDown(r.dev, Ctl::btn_game_a_top, MouseButton::Left);
    buttonImageMouseUp(r.dev, Ctl::btn_game_a_top, MouseButton::Left);
    EXPECT_EQ(r.mode(), mode::GameA);
    buttonImageMouseDown(r.dev, Ctl::btn_shoot_right_top, MouseButton::Left);
    EXPECT_TRUE(r.on(Ctl::btn_shoot_right_down));
    buttonImageMouseUp(r.dev, Ctl::btn_shoot_right_top, MouseButton::Left);
    EXPECT_FALSE(r.on(Ctl::btn_shoot_right_down));
}

}  // namespace
}  // namespace zx
