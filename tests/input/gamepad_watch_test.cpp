// Looking for controllers: SDL only where one may be, polling only while one
// is connected or the devices just changed.
#include "input/sdl/gamepad_watch.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "input/joystick_scan.h"
#include "input/sdl/device_activity.h"
#include "tests/rig/virtual_pads.h"

namespace zx {
namespace {

constexpr GamepadTiming kQuick{4, 5, 4};  // settles in 20 ms

struct Recorder {
    std::vector<std::pair<DeviceButton, bool>> events;
    PadInput input{kDefaultPadBindings,
                   [this](DeviceButton b, bool down) { events.emplace_back(b, down); }};
};

TEST(GamepadWatch, WithoutAControllerListedSdlIsNotStartedAndNothingPolls) {
    Recorder r;
    int looks = 0;
    GamepadWatch watch(
        r.input, [&] { return ++looks, false; }, kQuick);
    watch.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !watch.polling(); }, 2000));
    EXPECT_FALSE(watch.gamepads().started());
    EXPECT_EQ(looks, kQuick.settleTicks);
}

TEST(GamepadWatch, PollsWhileAControllerIsConnectedAndStopsAfterItGoes) {
    Recorder r;
    GamepadWatch watch(
        r.input, [] { return true; }, kQuick);
    watch.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.gamepads().started(); }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !watch.polling(); }, 2000)) << "no controller yet";

    testing::VirtualPads pads;  // SDL is the watch's; it polls them
    ASSERT_TRUE(pads.plug(1));
    // A controller attached after the devices settled is found at the next
    // look, which a change of the input devices' folder brings.
    watch.devicesChanged();
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.gamepads().connected() == 1; }, 2000));
    QTest::qWait(50);
    EXPECT_TRUE(watch.polling()) << "a controller is connected";

    pads.button(1, pad::back, true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !r.events.empty(); }, 2000));
    EXPECT_EQ(r.events.front(), std::pair(DeviceButton::Time, true));
    pads.unplug(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.gamepads().connected() == 0; }, 2000));
    EXPECT_EQ(r.events.back(), std::pair(DeviceButton::Time, false)) << "released when gone";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !watch.polling(); }, 2000));
}

// A FIFO stands in for the controller's device file: what is written to it
// is the device speaking.
struct StandInDevice {
    QTemporaryDir dir;
    std::string path = (dir.path() + "/event0").toStdString();
    int writer = -1;
    StandInDevice() {
        ::mkfifo(path.c_str(), 0600);
        writer = ::open(path.c_str(), O_RDWR | O_NONBLOCK);
    }
    ~StandInDevice() { ::close(writer); }
    void speak() { (void)!::write(writer, "e", 1); }
};

TEST(GamepadWatch, AFollowedControllerIsReadWhenItsDeviceSpeaksAndNeverPolled) {
    Recorder r;
    StandInDevice device;
    GamepadWatch watch(
        r.input, [] { return true; }, kQuick);
    watch.setDevicePaths([&] {
        return std::vector<std::string>(std::size_t(watch.gamepads().connected()), device.path);
    });
    watch.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.gamepads().started(); }, 2000));
    testing::VirtualPads pads;
    ASSERT_TRUE(pads.plug(1));
    watch.devicesChanged();
    ASSERT_TRUE(QTest::qWaitFor([&] { return watch.gamepads().connected() == 1; }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !watch.polling(); }, 2000)) << "no timer runs";
    EXPECT_EQ(watch.followedDevices(), 1);

    pads.button(1, pad::start, true);
    QTest::qWait(50);
    EXPECT_TRUE(r.events.empty()) << "read although the device said nothing";
    device.speak();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !r.events.empty(); }, 2000));
    EXPECT_EQ(r.events.front(), std::pair(DeviceButton::GameA, true));
    // A device that speaks without pause is read once per gap, not more.
    pads.button(1, pad::start, false);
    for (int i = 0; i < 20; ++i) device.speak();
    ASSERT_TRUE(QTest::qWaitFor([&] { return r.events.size() == 2; }, 2000));
    EXPECT_FALSE(watch.polling());
}

TEST(DeviceActivity, FollowsOnlyDeviceFilesThatCanBeRead) {
    int woken = 0;
    DeviceActivity activity([&] { ++woken; }, 4);
    StandInDevice device;
    QTemporaryDir dir;
    const std::string plain = (dir.path() + "/plain").toStdString();
    QFile(QString::fromStdString(plain)).open(QIODevice::WriteOnly);
    EXPECT_FALSE(activity.follow({""}));
    EXPECT_FALSE(activity.follow({plain})) << "a regular file is always readable";
    EXPECT_FALSE(activity.follow({dir.path().toStdString()}));
    EXPECT_FALSE(activity.follow({"/nonexistent/event9"}));
    EXPECT_EQ(activity.followed(), 0);
    EXPECT_TRUE(activity.follow({device.path}));
    device.speak();
    ASSERT_TRUE(QTest::qWaitFor([&] { return woken == 1; }, 2000));
    EXPECT_EQ(activity.followed(), 1);
    // The device gone (its last writer closed): no longer followed.
    ::close(device.writer);
    device.writer = -1;
    QTest::qWait(20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return activity.followed() == 0; }, 2000));
    EXPECT_TRUE(activity.follow({}));
}

TEST(JoystickScan, FindsControllersInTheKernelsListOfInputDevices) {
    const std::string keyboard =
        "I: Bus=0011 Vendor=0001 Product=0001 Version=ab41\n"
        "N: Name=\"AT Translated Set 2 keyboard\"\n"
        "H: Handlers=sysrq kbd event0 leds\n"
        "B: EV=120013\n"
        "B: KEY=402000000 3803078f800d001 feffffdfffefffff fffffffffffffffe\n\n";
    const std::string mouse =
        "N: Name=\"USB Mouse\"\nH: Handlers=mouse0 event3\n"
        "B: KEY=1f0000 0 0 0 0\n\n";  // BTN_LEFT..BTN_TASK
    const std::string gamepad =
        "N: Name=\"USB Gamepad\"\nH: Handlers=event5\n"
        "B: KEY=7fdb000000000000 0 0 0 0\n\n";  // BTN_SOUTH..
    const std::string stick =
        "N: Name=\"Flight stick\"\nH: Handlers=event6\n"
        "B: KEY=ffff00000000 0 0 0 0\n\n";  // BTN_TRIGGER..
    const std::string joydev = "N: Name=\"Pad\"\nH: Handlers=event7 js0\nB: KEY=0\n\n";
    const struct {
        std::string text;
        bool listed;
    } cases[] = {
        {"", false},
        {keyboard + mouse, false},
        {keyboard + gamepad, true},
        {stick, true},
        {joydev, true},
        {"H: Handlers=jsx event1\n", false},          // not a joystick handler's name
        {"B: KEY=zz 1 0 0 0 0\n", false},             // garbage words
        {"B: KEY=1 0 0 0 0 0 0 0 0 0 0 0\n", false},  // a bit far above the range
    };
    for (const auto& c : cases) EXPECT_EQ(listsJoystick(c.text), c.listed) << c.text;
}

}  // namespace
}  // namespace zx
