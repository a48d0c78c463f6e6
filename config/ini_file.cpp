// Parsing of profile files and of the value types they hold.
#include "config/ini_file.h"

#include <cctype>
#include <filesystem>

#include "config/byte_order_mark.h"
#include "config/player_file.h"
#include "display/picture.h"

namespace zx {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string lookupKey(std::string_view section, std::string_view key) {
    return lower(section) + '\n' + lower(key);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<IniFile> IniFile::load(const std::string& path) {
    const FileBytes file = readPlayerFile(path, kMaxFileBytes);
    if (!file.ok()) return std::nullopt;
    return parse(file.bytes);
}

IniFile IniFile::parse(std::string_view text) {
    IniFile ini;
    text = withoutByteOrderMark(text);
    std::string section;
    bool inSection = false;  // key lines before the first [Section] belong to none
    while (!text.empty()) {
        const std::size_t eol = text.find('\n');
        std::string_view line = trim(text.substr(0, eol));
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            section = std::string(trim(line.substr(
                1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
            inSection = true;
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!inSection || eq == std::string_view::npos) continue;
        std::string_view value = trim(line.substr(eq + 1));
        // Like the platform's profile reader: one surrounding pair of quotes
        // is not part of the value.
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        if (value.size() > kMaxValueLength) value = value.substr(0, kMaxValueLength);
        ini.values_.emplace(lookupKey(section, trim(line.substr(0, eq))), std::string(value));
    }
    return ini;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    auto it = values_.find(lookupKey(section, key));
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                const std::string& def) const {
    return value(section, key).value_or(def);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int def) const {
    const auto text = value(section, key);
    if (!text) return def;
    return parseIniInteger(*text).value_or(def);
}

std::optional<int> parseIniInteger(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    bool hex = false;
    if (s.starts_with('$')) {
        hex = true;
        s.remove_prefix(1);
    } else if (s.starts_with("0x") || s.starts_with("0X")) {
        hex = true;
        s.remove_prefix(2);
    }
    if (s.empty()) return std::nullopt;

    // Accumulate in 64 bits and stop as soon as the value leaves the range.
    const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t v = 0;
    for (char c : s) {
        const int d = hex ? hexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (d < 0) return std::nullopt;
        v = v * (hex ? 16 : 10) + std::uint64_t(d);
        if (v > limit) return std::nullopt;
    }
    // Two's complement wrap: hexadecimal uses all 32 bits.
    std::uint32_t bits = std::uint32_t(v);
    if (negative) bits = ~bits + 1u;
    return std::int32_t(bits);
}

IniColour readIniColour(const IniFile& ini, std::string_view section, std::string_view key,
                        std::uint32_t defBgr) {
    IniColour result;
    const auto text = ini.value(section, key);
    std::uint32_t bgr = defBgr;
    if (text) {
        const auto v = parseIniInteger(*text);
        if (!v) {
            result.error = "'" + *text + "' is not a valid integer value";
            return result;
        }
        bgr = std::uint32_t(*v);
    }
    result.argb = fromBgr(bgr & 0xFFFFFFu);
    return result;
}

std::string iniDirectory(const std::string& value) {
    namespace fs = std::filesystem;
    std::string dir = value;
    for (char& c : dir)
        if (c == '\\' || c == '/') c = char(fs::path::preferred_separator);
    if (dir.empty() || dir.back() != char(fs::path::preferred_separator))
        dir += char(fs::path::preferred_separator);
    const fs::path p(dir);
    if (p.is_absolute()) return dir;
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    if (ec) return dir;  // without a working directory the OS resolves it, or fails to
    return (cwd / p).string();
}

std::optional<std::string> iniFileName(const std::string& value) {
    if (value.empty() || value == "nil") return std::nullopt;
    std::string name = value;
    for (char& c : name)
        if (c == '\\' || c == '/') c = char(std::filesystem::path::preferred_separator);
    return name;
}

int iniOffset(const std::string& value, int screenSize, int faceSize) {
    const auto v = parseIniInteger(value);
    if (v && *v != 0) return *v;
    // Computed in 64 bits: the face size comes from the file and may be extreme.
    return int((std::int64_t(screenSize) - faceSize) / 2);
}

}  // namespace zx
