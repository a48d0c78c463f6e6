// The [Common] UnlitOpacity key: how faintly unlit LCD segments show.
#pragma once

#include <optional>
#include <string>

namespace zx {

inline constexpr int kMaxUnlitOpacity = 100;

// A whole number from 0 to 100, written as every integer of the file may be
// (decimal, or hexadecimal after '$' or "0x": "$08" is 8). Absent, empty,
// negative, over 100 or not a number ("8%", "8.5", "abc") is 0: unlit
// segments stay invisible.
int parseUnlitOpacity(const std::optional<std::string>& value);

}  // namespace zx
