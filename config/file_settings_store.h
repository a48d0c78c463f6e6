// The settings as a text file of its own, written atomically and never waiting long.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "config/settings_store.h"

namespace zx {

// The values of the [General] section of a settings file (name=text lines,
// as the desktop's settings files hold them); other sections are ignored.
std::map<std::string, std::string> parseSettingsText(std::string_view text);

// The file's text with one value of [General] set: its line is replaced, or
// a line is added at the end of the section (which is created if missing).
// Every other line is kept as it stands.
std::string withSettingsValue(std::string_view text, const std::string& name,
                              const std::string& value);

// A settings file on a POSIX file system. A write that changes a value takes
// a short lock on the folder (waiting at most kLockWaitMs, then going on
// without it), merges the value into the file as it is on disk, and replaces
// the file through a temporary file that is flushed before the rename; values
// written together go in one such replacement. A write of the text already
// stored does nothing. Temporary files left by a process that was killed are
// removed when the store opens.
//
// Only a regular file of at most kMaxFileBytes is read, and never blocks;
// anything else in its place leaves every value at its default and is not
// overwritten.
class FileSettingsStore final : public SettingsStore {
  public:
    static constexpr int kLockWaitMs = 100;
    static constexpr std::uint64_t kMaxFileBytes = std::uint64_t(1) << 20;

    explicit FileSettingsStore(std::string path);

    std::optional<std::string> readText(const std::string& name) const override;
    void writeText(const std::string& name, const std::string& text) override;
    void writeTexts(const Values& values) override;

    const std::string& path() const { return path_; }
    // The temporary file of the running process.
    std::string temporaryPath() const;

  private:
    void removeStaleTemporaries() const;

    std::string path_;
    std::map<std::string, std::string> values_;
};

}  // namespace zx
