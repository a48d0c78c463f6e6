// Qt key events to virtual-key codes, with synthetic events.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "input/button_dispatch.h"
#include "input/key_map.h"
#include "input/qt_key_translation.h"

namespace zx {
namespace {

QKeyEvent press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, quint32 scan = 0,
                bool repeat = false) {
    return QKeyEvent(QEvent::KeyPress, key, mods, scan, 0, 0, QString(), repeat);
}
QKeyEvent release(int key, bool repeat) {
    return QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, 0, 0, 0, QString(), repeat);
}

TEST(KeyTranslation, DigitRowGivesItsDigitWhateverShiftDoes) {
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    // X11 key codes of the digit row: 10..18 for 1..9, 19 for 0.
    EXPECT_EQ(virtualKeyOf(press(Qt::Key_Exclam, Qt::ShiftModifier, 10)), '1');
    EXPECT_EQ(virtualKeyOf(press(Qt::Key_At, Qt::ShiftModifier, 11)), '2');
    EXPECT_EQ(virtualKeyOf(press(Qt::Key_ParenRight, Qt::ShiftModifier, 19)), '0');
    EXPECT_EQ(virtualKeyOf(press(Qt::Key_9, Qt::NoModifier, 18)), '9');
    // A layout whose digit row types other symbols unshifted.
    EXPECT_EQ(virtualKeyOf(press(Qt::Key_Ampersand, Qt::NoModifier, 10)), '1');
#endif
    // Without a native code the key itself is used.
    EXPECT_EQ(virtualKeyOf(press(Qt::Key_0)), '0');
    EXPECT_EQ(virtualKeyOf(press(Qt::Key_7, Qt::ControlModifier)), '7');
}

TEST(KeyTranslation, KeypadDigitsHaveTheirOwnCodes) {
    EXPECT_EQ(virtualKeyOf(press(Qt::Key_0, Qt::KeypadModifier, 90)), 96);
    EXPECT_EQ(virtualKeyOf(press(Qt::Key_1, Qt::KeypadModifier, 87)), 97);
    EXPECT_EQ(virtualKeyOf(press(Qt::Key_9, Qt::KeypadModifier, 81)), 105);
    EXPECT_EQ(virtualKeyOf(press(Qt::Key_Enter, Qt::KeypadModifier, 104)), 13);
}

TEST(KeyTranslation, LettersAndNamedKeys) {
    EXPECT_EQ(virtualKeyOf(press(Qt::Key_A)), 'A');
    EXPECT_EQ(virtualKeyOf(press(Qt::Key_Z, Qt::ShiftModifier, 52)), 'Z');
    const std::pair<int, int> named[] = {
        {Qt::Key_Left, 37},  {Qt::Key_Up, 38},    {Qt::Key_Right, 39},  {Qt::Key_Down, 40},
        {Qt::Key_Shift, 16}, {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},  {Qt::Key_Space, 32},
        {Qt::Key_Return, 13}, {Qt::Key_Escape, 27}, {Qt::Key_F1, 112},  {Qt::Key_F12, 123}};
    for (auto [key, vk] : named) EXPECT_EQ(virtualKeyOf(press(key)), vk) << key;
    // Both keys of a pair report one code: the right Ctrl has another scan code.
    EXPECT_EQ(virtualKeyOf(press(Qt::Key_Control, Qt::ControlModifier, 105)), 17);
    EXPECT_EQ(virtualKeyOf(press(Qt::Key_Meta)), 0);
    EXPECT_EQ(virtualKeyOf(press(Qt::Key_Tab)), 0);
    EXPECT_FALSE(deviceKeyOf(press(Qt::Key_Tab)));
}

TEST(KeyTranslation, AutoRepeatReleasesAreDroppedPressesPass) {
    EXPECT_TRUE(isDroppedAutoRepeat(release(Qt::Key_Left, true)));
    EXPECT_FALSE(deviceKeyOf(release(Qt::Key_Left, true)));
    EXPECT_EQ(deviceKeyOf(release(Qt::Key_Left, false)), 37);
    EXPECT_EQ(deviceKeyOf(press(Qt::Key_Left, Qt::NoModifier, 113, true)), 37);
}

TEST(KeyTranslation, ShiftedDigitPressesGameAAndTheKeypadDigitDoesNot) {
    FixedClock clock;
    SeededRandom random(1);
    Device dev(clock, random);
    MemorySettingsStore store;
    KeyMap keys;
    keys.load(store);
    dev.Inp_time_down();  // start-up -> time face
    dev.Inp_time_up();
    auto deliver = [&](const QKeyEvent& e) {
        if (const auto vk = deviceKeyOf(e)) FormKeyDown(dev, keys.KeyBindings, *vk);
    };
    deliver(press(Qt::Key_1, Qt::KeypadModifier, 87));
    EXPECT_EQ(dev.state.DeviceMode, mode::Time1);
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    deliver(press(Qt::Key_Exclam, Qt::ShiftModifier, 10));
#else
    deliver(press(Qt::Key_1, Qt::ShiftModifier));
#endif
    EXPECT_EQ(dev.state.DeviceMode, mode::GameAReady);
}

}  // namespace
}  // namespace zx
