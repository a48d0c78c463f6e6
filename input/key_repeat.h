// Held keys act once: the window system's auto-repeat becomes repeats of the
// pressed picture, and only the real release of a key reaches the device.
#pragma once

#include <bitset>
#include <cstdint>
#include <vector>

namespace zx {

class KeyRepeatFilter {
  public:
    enum class Action {
        Press,    // a new press: the key handler's down operation
        Repeat,   // the key is held: show the pressed picture again, nothing else
        Release,  // the real release: the up operation
        Drop,     // an auto-repeat release: the key is still held
    };

    // flaggedRepeat: the window system marked the event as auto-repeat.
    Action onPress(std::uint16_t vk, bool flaggedRepeat);
    // stillDown: the keyboard reports the key down right after the release,
    // which is how an auto-repeat pair that was not marked gives itself away.
    Action onRelease(std::uint16_t vk, bool flaggedRepeat, bool stillDown);
    // The keys held now, forgotten at once: the window lost the keyboard and
    // their releases will go elsewhere.
    std::vector<std::uint16_t> takeHeld();

  private:
    std::bitset<65536> held_;
};

}  // namespace zx
