// The settings as a text file of its own, written atomically and never waiting long.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
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

// A settings file on a POSIX file system. A write takes a short lock on the
// folder (waiting at most kLockWaitMs, then going on without it), merges the
// value into the file as it is on disk, and replaces the file through a
// temporary file that is flushed before the rename; values written together
// go in one such replacement. A write of the text already on disk does not
// touch the file. A file that is a symbolic link stays one: the file it leads
// to is replaced, in its own folder (a link that leads nowhere yet creates
// its target, if the target's folder exists). A write that fails leaves the
// file as it was, keeps the values in memory, tries them again with the next
// write and is reported to the failure handler. Temporary files left by a
// process that was killed are removed when the store opens.
//
// Only a regular file of at most kMaxFileBytes is read, and never blocks;
// anything else in its place leaves every value at its default and is not
// overwritten.
class FileSettingsStore final : public SettingsStore {
  public:
    static constexpr int kLockWaitMs = 100;
    static constexpr std::uint64_t kMaxFileBytes = std::uint64_t(1) << 20;

    // An empty path: there is no place for the file; every write fails.
    explicit FileSettingsStore(std::string path);

    std::optional<std::string> readText(const std::string& name) const override;
    void writeText(const std::string& name, const std::string& text) override;
    void writeTexts(const Values& values) override;
    int WriteLargerInteger(const std::string& name, int value) override;

    const std::string& path() const { return path_; }
    // The temporary file of the running process.
    std::string temporaryPath() const;

  private:
    // Given the values on disk, the values to write into the file.
    using Change = std::function<Values(const std::map<std::string, std::string>&)>;
    void update(const Change& change);
    // The file a write replaces: the path, or the end of its chain of links.
    std::optional<std::string> writtenPath() const;
    // Replaces the file with the text; the reason when that failed.
    std::optional<std::string> replaceFile(const std::string& target,
                                           const std::string& text) const;
    void removeStaleTemporaries() const;

    std::string path_;
    std::map<std::string, std::string> values_;
    std::map<std::string, std::string> unsaved_;  // values a failed write left in memory only
};

}  // namespace zx
