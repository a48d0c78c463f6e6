// Held keys: what the filter makes of the window system's auto-repeat.
#include "input/key_repeat.h"

#include <gtest/gtest.h>

namespace zx {
namespace {

using A = KeyRepeatFilter::Action;

TEST(KeyRepeat, AHeldKeyActsOnceWhateverTheWindowSystemSends) {
    struct Event {
        bool press;
        std::uint16_t vk;
        bool flagged;    // marked as auto-repeat
        bool stillDown;  // the keyboard still reports the key down after a release
        A expected;
    };
    const Event events[] = {
        {true, '3', false, false, A::Press},
        // X11 pairs, marked and unmarked: the release keeps the key held.
        {false, '3', true, false, A::Drop},
        {true, '3', true, false, A::Repeat},
        {false, '3', false, true, A::Drop},
        {true, '3', false, false, A::Repeat},
        // Another key meanwhile acts on its own.
        {true, 37, false, false, A::Press},
        {false, 37, false, false, A::Release},
        // Windows repeats presses only.
        {true, '3', false, false, A::Repeat},
        {false, '3', false, false, A::Release},
        {true, '3', false, false, A::Press},
        // A release whose press went elsewhere still reaches the device.
        {false, 39, false, false, A::Release},
    };
    KeyRepeatFilter f;
    int i = 0;
    for (const Event& e : events) {
        const A got =
            e.press ? f.onPress(e.vk, e.flagged) : f.onRelease(e.vk, e.flagged, e.stillDown);
        EXPECT_EQ(got, e.expected) << "event " << i;
        ++i;
    }
    // The window lost the keyboard: the held keys are handed back once and
    // their next presses are new.
    EXPECT_EQ(f.takeHeld(), std::vector<std::uint16_t>{'3'});
    EXPECT_TRUE(f.takeHeld().empty());
    EXPECT_EQ(f.onPress('3', false), A::Press);
}

}  // namespace
}  // namespace zx
