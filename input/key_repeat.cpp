// Telling auto-repeat from real presses and releases.
#include "input/key_repeat.h"

namespace zx {

KeyRepeatFilter::Action KeyRepeatFilter::onPress(std::uint16_t vk, bool flaggedRepeat) {
    if (flaggedRepeat || held_.test(vk)) return Action::Repeat;
    held_.set(vk);
    return Action::Press;
}

KeyRepeatFilter::Action KeyRepeatFilter::onRelease(std::uint16_t vk, bool flaggedRepeat,
                                                   bool stillDown) {
    if (flaggedRepeat || stillDown) return Action::Drop;
    held_.reset(vk);
    return Action::Release;
}

std::vector<std::uint16_t> KeyRepeatFilter::takeHeld() {
    std::vector<std::uint16_t> keys;
    for (std::size_t vk = 0; vk < held_.size() && keys.size() < held_.count(); ++vk)
        if (held_.test(vk)) keys.push_back(std::uint16_t(vk));
    held_.reset();
    return keys;
}

}  // namespace zx
