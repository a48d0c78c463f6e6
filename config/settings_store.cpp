// Conversions between settings text and integers or booleans.
#include "config/settings_store.h"

#include <charconv>

namespace zx {

std::optional<int> parseDecimal(const std::string& text) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') ++first;
    if (first == last) return std::nullopt;
    int value = 0;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last) return std::nullopt;
    return value;
}

int SettingsStore::ReadInteger(const std::string& name, int def) const {
    const auto text = readText(name);
    if (!text) return def;
    return parseDecimal(*text).value_or(def);
}

void SettingsStore::WriteInteger(const std::string& name, int value) {
    writeText(name, std::to_string(value));
}

void SettingsStore::writeTexts(const Values& values) {
    for (const auto& [name, text] : values) writeText(name, text);
}

void SettingsStore::WriteIntegers(const std::vector<std::pair<std::string, int>>& values) {
    Values texts;
    for (const auto& [name, value] : values) texts.emplace_back(name, std::to_string(value));
    writeTexts(texts);
}

int SettingsStore::WriteLargerInteger(const std::string& name, int value) {
    const auto text = readText(name);
    const auto stored = text ? parseDecimal(*text) : std::nullopt;
    if (stored && *stored >= value) return *stored;
    WriteInteger(name, value);
    return value;
}

bool SettingsStore::ReadBool(const std::string& name, bool def) const {
    return ReadInteger(name, def ? 1 : 0) != 0;
}

void SettingsStore::WriteBool(const std::string& name, bool value) {
    WriteInteger(name, value ? 1 : 0);
}

std::optional<std::string> MemorySettingsStore::readText(const std::string& name) const {
    auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

void MemorySettingsStore::writeText(const std::string& name, const std::string& text) {
    values_[name] = text;
}

}  // namespace zx
