// Translation of Qt key events to Windows virtual-key codes.
#include "input/qt/qt_key_translation.h"

#include <QKeyEvent>

namespace zx {

namespace {

// The digit of a key of the main keyboard's digit row, from the platform's
// own key identity, which Shift and the keyboard layout do not change.
std::optional<int> digitRowDigit(const QKeyEvent& e) {
#if defined(Q_OS_WIN)
    const quint32 vk = e.nativeVirtualKey();  // already the Windows code
    if (vk >= '0' && vk <= '9') return int(vk - '0');
#elif defined(Q_OS_MACOS)
    Q_UNUSED(e);
#else
    // X11 and Wayland key codes: 10..18 are the keys 1..9, 19 is the key 0.
    const quint32 sc = e.nativeScanCode();
    if (sc >= 10 && sc <= 18) return int(sc - 9);
    if (sc == 19) return 0;
#endif
    return std::nullopt;
}

struct KeyCode {
    int qtKey;
    std::uint16_t vk;
};

// Most European layouts report the right Alt key as AltGr; it is still Alt.
constexpr KeyCode kNamedKeys[] = {
    {Qt::Key_Left, 37},   {Qt::Key_Up, 38},      {Qt::Key_Right, 39},  {Qt::Key_Down, 40},
    {Qt::Key_Shift, 16},  {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},    {Qt::Key_Space, 32},
    {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},   {Qt::Key_Escape, 27}, {Qt::Key_AltGr, 18},
};

}  // namespace

std::uint16_t virtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    const bool isDigitKey = key >= Qt::Key_0 && key <= Qt::Key_9;
    if (isDigitKey && event.modifiers().testFlag(Qt::KeypadModifier))
        return std::uint16_t(96 + key - Qt::Key_0);
    if (const auto d = digitRowDigit(event)) return std::uint16_t('0' + *d);
    // Synthetic events carry no native code; their key is taken as it is.
    if (isDigitKey) return std::uint16_t('0' + key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return std::uint16_t('A' + key - Qt::Key_A);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return std::uint16_t(112 + key - Qt::Key_F1);
    for (const KeyCode& k : kNamedKeys)
        if (k.qtKey == key) return k.vk;
    return 0;
}

bool isDroppedAutoRepeat(const QKeyEvent& event) {
    return event.isAutoRepeat() && event.type() == QEvent::KeyRelease;
}

std::optional<std::uint16_t> deviceKeyOf(const QKeyEvent& event) {
    if (isDroppedAutoRepeat(event)) return std::nullopt;
    const std::uint16_t vk = virtualKeyOf(event);
    if (vk == 0) return std::nullopt;
    return vk;
}

}  // namespace zx
