// Keys and button-image clicks reaching the device buttons.
#include <gtest/gtest.h>

#include "input/button_dispatch.h"
#include "input/key_map.h"

namespace zx {
namespace {

constexpr std::uint16_t kLeft = 37, kRight = 39, kCtrl = 17, kAlt = 18;

struct Rig {
    FixedClock clock;
    SeededRandom random{3};
    Device dev{clock, random};
    MemorySettingsStore store;
    KeyMap keys;
    Rig() {
        keys.load(store);
        dev.state.DeviceMode = mode::Startup;
        dev.Gam_Set_Mode();
    }
    void down(std::uint16_t vk) { FormKeyDown(dev, keys.KeyBindings, vk); }
    void up(std::uint16_t vk) { FormKeyUp(dev, keys.KeyBindings, vk); }
    void tap(std::uint16_t vk) {
        down(vk);
        up(vk);
    }
    int mode() const { return dev.state.DeviceMode; }
    bool on(Ctl c) const { return dev.face[c].visible; }
};

TEST(DefaultKeys, DigitsWorkTheModeButtons) {
    Rig r;
    r.tap('3');
    EXPECT_EQ(r.mode(), mode::Time1);
    r.tap('3');
    EXPECT_EQ(r.mode(), mode::Time2);
    r.down('2');
    EXPECT_EQ(r.mode(), mode::GameBReady);
    EXPECT_TRUE(r.on(Ctl::btn_game_b_down));
    r.tap('1');  // game A does nothing on game B's ready face
    EXPECT_EQ(r.mode(), mode::GameBReady);
    r.up('2');
    EXPECT_EQ(r.mode(), mode::GameB);
}

TEST(DefaultKeys, ArrowsAndShootKeysWorkThePlayButtons) {
    Rig r;
    r.tap('1');
    r.down('1');  // game A ready face
    r.dev.state.game.HeroActive = r.dev.state.game.ShotReady = true;
    r.tap(kLeft);
    EXPECT_EQ(r.dev.state.game.HeroPosition, 1);
    EXPECT_FALSE(r.dev.state.DeviceSoundOn);
    r.tap(kRight);
    r.tap(kRight);
    EXPECT_EQ(r.dev.state.game.HeroPosition, 3);

    r.down(kCtrl);
    EXPECT_TRUE(r.on(Ctl::btn_shoot_left_down));
    EXPECT_FALSE(r.on(Ctl::btn_shoot_right_down));
    EXPECT_TRUE(r.on(seg::shot(3, 1)));
    r.up(kCtrl);
    EXPECT_FALSE(r.on(Ctl::btn_shoot_left_down));
    EXPECT_FALSE(r.dev.state.KeyHeld);

    r.down(kAlt);  // a shot is in flight: refused, but the latch is taken
    EXPECT_TRUE(r.on(Ctl::btn_shoot_right_down));
    EXPECT_TRUE(r.dev.state.KeyHeld);
    r.up(kAlt);
    EXPECT_FALSE(r.on(Ctl::btn_shoot_right_down));
    EXPECT_FALSE(r.dev.state.KeyHeld);
}

TEST(DefaultKeys, ShootReleaseFreesTheLatchWhateverTookIt) {
    Rig r;
    r.tap('3');
    r.down(kLeft);  // held
    r.tap('3');
    EXPECT_EQ(r.mode(), mode::Time1);
    r.up(kAlt);  // a shoot release frees the latch even without its press
    r.down('3');
    EXPECT_EQ(r.mode(), mode::Time2);
    EXPECT_TRUE(r.on(Ctl::btn_left_down));
}

TEST(DefaultKeys, HeldKeyActsOncePerPress) {
    Rig r;
    for (int i = 0; i < 5; ++i) r.down('3');  // auto-repeated key-downs
    EXPECT_EQ(r.mode(), mode::Time1);
    r.up('3');
    r.down('3');
    EXPECT_EQ(r.mode(), mode::Time2);
}

TEST(Bindings, EarlierBindingWinsASharedKey) {
    Rig r;
    r.keys.KeyBindings[2].VirtualKey = 'A';  // TIME
    r.keys.KeyBindings[0].VirtualKey = 'A';  // game A, earlier
    EXPECT_EQ(boundButton(r.keys.KeyBindings, 'A'), DeviceButton::GameA);
    r.tap('A');
    EXPECT_EQ(r.mode(), mode::Time1);  // the start-up face leaves via game A, not TIME
    r.down('A');
    EXPECT_EQ(r.mode(), mode::GameAReady);
}

TEST(Bindings, UnboundKeysAndKeypadDigitsDoNothing) {
    Rig r;
    for (std::uint16_t vk : {std::uint16_t(96 + 1), std::uint16_t(96 + 3), std::uint16_t('Q'),
                             std::uint16_t(13), std::uint16_t(0)}) {
        EXPECT_FALSE(FormKeyDown(r.dev, r.keys.KeyBindings, vk)) << vk;
        EXPECT_FALSE(FormKeyUp(r.dev, r.keys.KeyBindings, vk)) << vk;
    }
    EXPECT_EQ(r.mode(), mode::Startup);
}

TEST(Bindings, AKeyNumberWithoutACodeMatchesNoKey) {
    Rig r;
    r.keys.KeyBindings[0] = {99, 0};  // as left by a stored 99
    EXPECT_FALSE(boundButton(r.keys.KeyBindings, 0));
}

TEST(Mouse, LeftButtonOnAButtonImagePressesAndReleases) {
    Rig r;
    EXPECT_TRUE(buttonImageMouseDown(r.dev, Ctl::btn_time_top, MouseButton::Left));
    EXPECT_TRUE(r.on(Ctl::btn_time_down));
    EXPECT_EQ(r.mode(), mode::Time1);
    EXPECT_TRUE(buttonImageMouseUp(r.dev, Ctl::btn_time_top, MouseButton::Left));
    EXPECT_FALSE(r.on(Ctl::btn_time_down));

    buttonImageMouseDown(r.dev, Ctl::btn_game_a_top, MouseButton::Left);
    EXPECT_EQ(r.mode(), mode::GameAReady);
    buttonImageMouseUp(r.dev, Ctl::btn_game_a_top, MouseButton::Left);
    EXPECT_EQ(r.mode(), mode::GameA);

    buttonImageMouseDown(r.dev, Ctl::btn_shoot_right_top, MouseButton::Left);
    EXPECT_TRUE(r.on(Ctl::btn_shoot_right_down));
    buttonImageMouseUp(r.dev, Ctl::btn_shoot_right_top, MouseButton::Left);
    EXPECT_FALSE(r.on(Ctl::btn_shoot_right_down));
}

TEST(Mouse, OtherButtonsAndOtherImagesPressNothing) {
    Rig r;
    for (MouseButton b : {MouseButton::Right, MouseButton::Middle, MouseButton::Other}) {
        EXPECT_FALSE(buttonImageMouseDown(r.dev, Ctl::btn_time_top, b));
        EXPECT_FALSE(buttonImageMouseUp(r.dev, Ctl::btn_time_top, b));
    }
    for (Ctl c : {Ctl::btn_set_top, Ctl::im_background, Ctl::btn_time_down})
        EXPECT_FALSE(buttonImageMouseDown(r.dev, c, MouseButton::Left));
    EXPECT_EQ(r.mode(), mode::Startup);
    EXPECT_FALSE(r.on(Ctl::btn_time_down));
    EXPECT_EQ(buttonOfImage(Ctl::btn_shoot_left_top), DeviceButton::ShootLeft);
}

}  // namespace
}  // namespace zx
