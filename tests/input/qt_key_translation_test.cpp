// Qt key events to virtual-key codes, with synthetic events.
#include "input/qt/qt_key_translation.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

#include "input/button_dispatch.h"
#include "tests/rig/device_rig.h"

namespace zx {
namespace {

QKeyEvent press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, quint32 scan = 0) {
    return QKeyEvent(QEvent::KeyPress, key, mods, scan, 0, 0);
}

TEST(KeyTranslation, CodesOfDigitsLettersAndNamedKeys) {
    struct Case {
        int key;
        Qt::KeyboardModifiers mods;
        quint32 scan;
        int vk;
    };
    const Qt::KeyboardModifiers none, shift = Qt::ShiftModifier, pad = Qt::KeypadModifier;
    const Case cases[] = {
        {Qt::Key_0, none, 0, '0'},  // no native code: the key itself
        {Qt::Key_7, Qt::ControlModifier, 0, '7'},
        {Qt::Key_1, pad, 87, 97},  // keypad digits have codes of their own
        {Qt::Key_9, pad, 81, 105},
        {Qt::Key_A, none, 0, 'A'},
        {Qt::Key_Z, shift, 52, 'Z'},
        {Qt::Key_Left, none, 0, 37},
        {Qt::Key_Down, none, 0, 40},
        {Qt::Key_Shift, none, 0, 16},
        {Qt::Key_Control, none, 105, 17},
        {Qt::Key_Alt, none, 0, 18},
        {Qt::Key_AltGr, none, 108, 18},  // the right Alt of European layouts
        {Qt::Key_Space, none, 0, 32},
        {Qt::Key_Return, none, 0, 13},
        {Qt::Key_Enter, pad, 0, 13},
        {Qt::Key_Escape, none, 0, 27},
        {Qt::Key_F1, none, 0, 112},
        {Qt::Key_F12, none, 0, 123},
        {Qt::Key_Tab, none, 0, 0},
        {Qt::Key_Meta, none, 0, 0},
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
        // X11 key codes of the digit row (10..18 for 1..9, 19 for 0) decide,
        // whatever symbol Shift or the layout gives.
        {Qt::Key_Exclam, shift, 10, '1'},
        {Qt::Key_ParenRight, shift, 19, '0'},
        {Qt::Key_Ampersand, none, 10, '1'},
#endif
    };
    for (const Case& c : cases)
        EXPECT_EQ(virtualKeyOf(press(c.key, c.mods, c.scan)), c.vk) << c.key;
}

TEST(KeyTranslation, AutoRepeatReleasesAreDroppedPressesPass) {
    const QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_Left, {}, 113, 0, 0, {}, true);
    const QKeyEvent realUp(QEvent::KeyRelease, Qt::Key_Left, {}, 113, 0, 0, {}, false);
    const QKeyEvent repeatDown(QEvent::KeyPress, Qt::Key_Left, {}, 113, 0, 0, {}, true);
    EXPECT_FALSE(deviceKeyOf(repeatUp));
    EXPECT_EQ(deviceKeyOf(realUp), 37);
    EXPECT_EQ(deviceKeyOf(repeatDown), 37);
    EXPECT_FALSE(deviceKeyOf(press(Qt::Key_Tab)));
}

TEST(KeyTranslation, ShiftedDigitPressesGameAAndTheKeypadDigitDoesNot) {
    testing::Rig r;
    Device& dev = r.dev;
    DeviceProbe::state(dev).DeviceMode = mode::Time1;
    auto deliver = [&](const QKeyEvent& e) {
        if (const auto vk = deviceKeyOf(e)) FormKeyDown(dev, r.keys.KeyBindings, *vk);
    };
    deliver(press(Qt::Key_1, Qt::KeypadModifier, 87));
    EXPECT_EQ(DeviceProbe::state(dev).DeviceMode, mode::Time1);
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    deliver(press(Qt::Key_Exclam, Qt::ShiftModifier, 10));
#else
    deliver(press(Qt::Key_1, Qt::ShiftModifier));
#endif
    EXPECT_EQ(DeviceProbe::state(dev).DeviceMode, mode::GameAReady);
}

}  // namespace
}  // namespace zx
