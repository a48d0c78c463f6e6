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

}  // namespace zx
