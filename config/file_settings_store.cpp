// Settings file: parsing, editing and the atomic, bounded-wait write.
#include "config/file_settings_store.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <thread>

#include "config/byte_order_mark.h"
#include "config/player_file.h"

namespace zx {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSection = "[General]";

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Calls f(line, lineStart, lineEnd) for every line; lineEnd excludes '\n'.
template <typename F>
void forEachLine(std::string_view text, F f) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        f(trim(text.substr(at, end - at)), at, end);
        at = end + 1;
    }
}

bool isSectionLine(std::string_view line) { return !line.empty() && line.front() == '['; }

// The name of a name=text line, or empty.
std::string_view nameOf(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos || isSectionLine(line) || line.front() == ';') return {};
    return trim(line.substr(0, eq));
}

// The file's text; empty when there is no file yet, nullopt when something
// else stands in its place (a FIFO, a device, a folder, a file over
// kMaxFileBytes) or it cannot be read: that is never parsed or replaced,
// and *why says what it is.
std::optional<std::string> readFile(const std::string& path, std::string* why = nullptr) {
    FileBytes file = readPlayerFile(path, FileSettingsStore::kMaxFileBytes);
    if (file.status == FileStatus::Missing) return std::string();
    if (file.ok()) return std::move(file.bytes);
    if (why) {
        std::error_code ec;
        *why = fs::is_directory(path, ec) ? std::strerror(EISDIR) : fileStatusText(file.status);
    }
    return std::nullopt;
}

bool writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = ENOSPC;
        if (n <= 0) return false;
        text.remove_prefix(std::size_t(n));
    }
    return true;
}

// Where the text of a settings file that is a symbolic link goes: the file
// the chain of links ends at (which may not exist yet), so that the link
// stays in place. nullopt for a chain that never ends.
std::optional<std::string> linkTarget(const std::string& path) {
    constexpr int kMaxLinks = 40;  // as the kernel counts them
    fs::path at(path);
    for (int links = 0; links < kMaxLinks; ++links) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(at, ec))) return at.string();
        const fs::path next = fs::read_symlink(at, ec);
        if (ec) return at.string();
        at = (at.parent_path() / next).lexically_normal();  // an absolute next replaces all
    }
    return std::nullopt;
}

// An exclusive lock on the folder, released when the descriptor closes (also
// when the process dies, so no lock is ever left behind).
class FolderLock {
  public:
    explicit FolderLock(const std::string& dir) : fd_(::open(dir.c_str(), O_RDONLY | O_DIRECTORY)) {
        if (fd_ < 0) return;
        const auto until = std::chrono::steady_clock::now() +
                           std::chrono::milliseconds(FileSettingsStore::kLockWaitMs);
        while (::flock(fd_, LOCK_EX | LOCK_NB) != 0 && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ~FolderLock() {
        if (fd_ >= 0) ::close(fd_);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

std::map<std::string, std::string> parseSettingsText(std::string_view text) {
    text = withoutByteOrderMark(text);
    std::map<std::string, std::string> values;
    bool inGeneral = false;
    forEachLine(text, [&](std::string_view line, std::size_t, std::size_t) {
        if (isSectionLine(line)) {
            inGeneral = line == kSection;
            return;
        }
        const std::string_view name = nameOf(line);
        if (!inGeneral || name.empty()) return;
        std::string_view value = trim(line.substr(line.find('=') + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        values.emplace(name, value);
    });
    return values;
}

std::string withSettingsValue(std::string_view text, const std::string& name,
                              const std::string& value) {
    // A mark before the first section is kept where it is.
    const std::string_view mark = leadingByteOrderMark(text);
    text.remove_prefix(mark.size());
    const std::string line = name + "=" + value;
    bool inGeneral = false;
    std::size_t replaceFrom = std::string_view::npos, replaceTo = 0;  // the value's line
    std::size_t sectionEnd = std::string_view::npos;  // after the section's last non-blank line
    forEachLine(text, [&](std::string_view l, std::size_t start, std::size_t end) {
        if (isSectionLine(l)) inGeneral = l == kSection;
        if (!inGeneral) return;
        if (!l.empty()) sectionEnd = end;
        if (replaceFrom == std::string_view::npos && nameOf(l) == name)
            replaceFrom = start, replaceTo = end;
    });
    std::string out(text);
    if (replaceFrom != std::string_view::npos)
        out.replace(replaceFrom, replaceTo - replaceFrom, line);
    else if (sectionEnd != std::string_view::npos)
        out.insert(sectionEnd, "\n" + line);
    else {
        if (!out.empty() && out.back() != '\n') out += '\n';
        if (!out.empty()) out += '\n';
        out += std::string(kSection) + "\n" + line + "\n";
    }
    return std::string(mark) + out;
}

FileSettingsStore::FileSettingsStore(std::string path) : path_(std::move(path)) {
    if (auto text = readFile(path_)) values_ = parseSettingsText(*text);
    removeStaleTemporaries();
}

std::string FileSettingsStore::temporaryPath() const {
    return writtenPath().value_or(path_) + "." + std::to_string(::getpid()) + ".tmp";
}

// Names are <file>.<pid>.tmp; a file whose process no longer runs is left
// over from a kill between its creation and its rename.
void FileSettingsStore::removeStaleTemporaries() const {
    const fs::path file(writtenPath().value_or(path_));
    const std::string prefix = file.filename().string() + ".";
    std::error_code ec;
    for (fs::directory_iterator it(file.parent_path(), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix) || !name.ends_with(".tmp")) continue;
        const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - 4);
        if (digits.empty() || digits.size() > 9 ||
            digits.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const pid_t pid = pid_t(std::stol(digits));
        if (pid == ::getpid() || (::kill(pid, 0) != 0 && errno == ESRCH)) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

std::optional<std::string> FileSettingsStore::readText(const std::string& name) const {
    auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

void FileSettingsStore::writeText(const std::string& name, const std::string& text) {
    writeTexts({{name, text}});
}

void FileSettingsStore::writeTexts(const Values& values) {
    for (const auto& [name, text] : values) values_[name] = text;
    update([&](const std::map<std::string, std::string>& onDisk) {
        Values changed;
        for (const auto& [name, text] : values) {
            auto stored = onDisk.find(name);
            if (stored == onDisk.end() || stored->second != text) changed.emplace_back(name, text);
        }
        return changed;
    });
}

int FileSettingsStore::WriteLargerInteger(const std::string& name, int value) {
    int result = value;
    update([&](const std::map<std::string, std::string>& onDisk) -> Values {
        auto text = onDisk.find(name);
        const auto stored = text == onDisk.end() ? std::nullopt : parseDecimal(text->second);
        if (stored && *stored >= value) {
            result = *stored;
            return {};
        }
        return {{name, std::to_string(value)}};
    });
    values_[name] = std::to_string(result);
    return result;
}

std::optional<std::string> FileSettingsStore::writtenPath() const {
    if (path_.empty()) return std::nullopt;
    return linkTarget(path_);
}

void FileSettingsStore::update(const Change& change) {
    if (path_.empty()) {
        reportWriteFailure({"", "there is no home folder to keep them in"});
        return;
    }
    std::error_code ec;
    fs::create_directories(fs::path(path_).parent_path(), ec);
    const auto target = writtenPath();
    if (ec || !target) {
        reportWriteFailure({path_, ec ? ec.message() : std::strerror(ELOOP)});
        return;
    }
    FolderLock lock(fs::path(*target).parent_path().string());
    // Merged into the file as it is now, so another process's values stay;
    // values this process could not save before are tried again.
    std::string why;
    const std::optional<std::string> current = readFile(path_, &why);
    if (!current) {
        // What stands there is not a settings file: it is left alone, and
        // the values wait in memory.
        for (const auto& [name, value] : change({})) unsaved_[name] = value;
        reportWriteFailure({path_, why});
        return;
    }
    std::string text = *current;
    Values changed = change(parseSettingsText(text));
    for (const auto& [name, value] : unsaved_)
        if (std::none_of(changed.begin(), changed.end(), [&](auto& c) { return c.first == name; }))
            changed.emplace_back(name, value);
    for (const auto& [name, value] : changed) text = withSettingsValue(text, name, value);
    values_ = parseSettingsText(text);
    if (changed.empty()) return;
    if (auto error = replaceFile(*target, text)) {
        for (const auto& [name, value] : changed) unsaved_[name] = value;
        reportWriteFailure({*target, *error});
        return;
    }
    unsaved_.clear();
    if (lock.fd() >= 0) ::fsync(lock.fd());  // the rename itself reaches the disk
}

std::optional<std::string> FileSettingsStore::replaceFile(const std::string& target,
                                                          const std::string& text) const {
    const std::string temp = target + "." + std::to_string(::getpid()) + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return std::strerror(errno);
    // The file keeps its permissions (a private file stays private).
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(fd, old.st_mode & 07777);
    const bool written = writeAll(fd, text) && ::fdatasync(fd) == 0;
    const int writeError = errno;
    ::close(fd);
    if (written && ::rename(temp.c_str(), target.c_str()) == 0) return std::nullopt;
    const int error = written ? errno : writeError;
    ::unlink(temp.c_str());
    return std::strerror(error);
}

}  // namespace zx
