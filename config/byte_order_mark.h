// The UTF-8 byte order mark that some editors put before a text file's first line.
#pragma once

#include <string_view>

namespace zx {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The mark at the text's start, or an empty view.
inline std::string_view leadingByteOrderMark(std::string_view text) {
    return text.starts_with(kUtf8ByteOrderMark) ? text.substr(0, kUtf8ByteOrderMark.size())
                                                : std::string_view();
}

// The text without a leading mark.
inline std::string_view withoutByteOrderMark(std::string_view text) {
    return text.substr(leadingByteOrderMark(text).size());
}

}  // namespace zx
