// The per-user settings: named values that hold decimal text.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zx {

// Integers are stored as decimal text, booleans as "1" and "0". A missing
// value, or a text that is not an integer, reads as the default.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    int ReadInteger(const std::string& name, int def) const;
    void WriteInteger(const std::string& name, int value);
    bool ReadBool(const std::string& name, bool def) const;
    void WriteBool(const std::string& name, bool value);

    // The raw text of a value, if it exists.
    virtual std::optional<std::string> readText(const std::string& name) const = 0;
    // Stores the text and makes it durable at once.
    virtual void writeText(const std::string& name, const std::string& text) = 0;
    // Stores several values together; a store that can makes them durable in
    // one step, so that they reach the disk all or none.
    using Values = std::vector<std::pair<std::string, std::string>>;
    virtual void writeTexts(const Values& values);
    // The same with integers, written as WriteInteger writes them.
    void WriteIntegers(const std::vector<std::pair<std::string, int>>& values);
};

// Parses a whole decimal integer with an optional sign; nothing else.
std::optional<int> parseDecimal(const std::string& text);

// A store that lives in memory only, for tests and as a fallback.
class MemorySettingsStore final : public SettingsStore {
  public:
    std::optional<std::string> readText(const std::string& name) const override;
    void writeText(const std::string& name, const std::string& text) override;
    const std::map<std::string, std::string>& values() const { return values_; }

  private:
    std::map<std::string, std::string> values_;
};

}  // namespace zx
