// Key numbers to virtual-key codes.
#include "input/keys_assign.h"

namespace zx {

std::uint16_t virtualKeyOfIndex(int keyIndex) {
    // Entries 37..44 are not in code order: arrows up, down, left, right; Alt
    // before Ctrl.
    static constexpr std::uint16_t kTail[8] = {38, 40, 37, 39, 18, 17, 16, 32};
    if (keyIndex >= 1 && keyIndex <= 10) return std::uint16_t('0' + keyIndex - 1);
    if (keyIndex >= 11 && keyIndex <= 36) return std::uint16_t('A' + keyIndex - 11);
    if (keyIndex >= 37 && keyIndex <= kKeyCount) return kTail[keyIndex - 37];
    return 0;
}

void AssignWord(KeyBindingTable& bindings, int n, const KeyBinding& record) {
    if (n < 1 || n > kBindingCount) return;
    const std::uint16_t code = virtualKeyOfIndex(record.KeyIndex);
    if (code != 0) bindings[std::size_t(n - 1)].VirtualKey = code;
}

}  // namespace zx
