// Parsing of the UnlitOpacity key.
#include "config/unlit_setting.h"

#include "config/ini_file.h"

namespace zx {

int parseUnlitOpacity(const std::optional<std::string>& value) {
    if (!value) return 0;
    const std::optional<int> n = parseIniInteger(*value);
    return n && *n >= 0 && *n <= kMaxUnlitOpacity ? *n : 0;
}

}  // namespace zx
