// The per-user settings: named values that hold decimal text.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zx {

// A write that did not reach the disk: the file meant and why, in words.
struct SettingsWriteFailure {
    std::string file;  // as bytes; empty when there is no place for the file at all
    std::string reason;
};

// Integers are stored as decimal text, booleans as "1" and "0". A missing
// value, or a text that is not an integer, reads as the default.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // Called for every write that could not be made durable; the values stay
    // in memory. Nothing is called when no handler is set.
    using WriteFailureHandler = std::function<void(const SettingsWriteFailure&)>;
    void onWriteFailure(WriteFailureHandler handler) { failureHandler_ = std::move(handler); }

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

    // Writes the integer unless the store already holds a larger or equal one,
    // and returns what the store holds afterwards. A store shared with other
    // running programs compares with what is stored now, not at start.
    virtual int WriteLargerInteger(const std::string& name, int value);

  protected:
    void reportWriteFailure(const SettingsWriteFailure& failure) const {
        if (failureHandler_) failureHandler_(failure);
    }

  private:
    WriteFailureHandler failureHandler_;
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
