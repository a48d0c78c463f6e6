// Settings file: parsing, editing and the atomic, bounded-wait write.
#include "config/file_settings_store.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

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
// kMaxFileBytes) or it cannot be read: that is never parsed or replaced.
std::optional<std::string> readFile(const std::string& path) {
    FileBytes file = readPlayerFile(path, FileSettingsStore::kMaxFileBytes);
    if (file.status == FileStatus::Missing) return std::string();
    if (!file.ok()) return std::nullopt;
    return std::move(file.bytes);
}

bool writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        text.remove_prefix(std::size_t(n));
    }
    return true;
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
        return out.replace(replaceFrom, replaceTo - replaceFrom, line);
    if (sectionEnd != std::string_view::npos) return out.insert(sectionEnd, "\n" + line);
    if (!out.empty() && out.back() != '\n') out += '\n';
    if (!out.empty()) out += '\n';
    return out + std::string(kSection) + "\n" + line + "\n";
}

FileSettingsStore::FileSettingsStore(std::string path) : path_(std::move(path)) {
    if (auto text = readFile(path_)) values_ = parseSettingsText(*text);
    removeStaleTemporaries();
}

std::string FileSettingsStore::temporaryPath() const {
    return path_ + "." + std::to_string(::getpid()) + ".tmp";
}

// Names are <file>.<pid>.tmp; a file whose process no longer runs is left
// over from a kill between its creation and its rename.
void FileSettingsStore::removeStaleTemporaries() const {
    const fs::path file(path_);
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
    Values changed;
    for (const auto& [name, text] : values) {
        auto known = values_.find(name);
        if (known != values_.end() && known->second == text) continue;
        values_[name] = text;
        changed.emplace_back(name, text);
    }
    if (changed.empty()) return;

    const std::string dir = fs::path(path_).parent_path().string();
    std::error_code ec;
    fs::create_directories(dir, ec);
    FolderLock lock(dir);
    // Merged into the file as it is now, so another process's values stay.
    const std::optional<std::string> current = readFile(path_);
    if (!current) return;  // what stands there is not ours to replace
    std::string updated = *current;
    for (const auto& [name, text] : changed) updated = withSettingsValue(updated, name, text);
    values_ = parseSettingsText(updated);

    const std::string temp = temporaryPath();
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return;
    const bool written = writeAll(fd, updated) && ::fdatasync(fd) == 0;
    ::close(fd);
    if (!written || ::rename(temp.c_str(), path_.c_str()) != 0) {
        ::unlink(temp.c_str());
        return;
    }
    if (lock.fd() >= 0) ::fsync(lock.fd());  // the rename itself reaches the disk
}

}  // namespace zx
