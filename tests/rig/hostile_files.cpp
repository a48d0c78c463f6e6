// Special files for the tests, and the guard that turns a hang into a failure.
#include "tests/rig/hostile_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace zx::test {

namespace fs = std::filesystem;

const char* specialKindName(SpecialKind kind) {
    switch (kind) {
        case SpecialKind::Fifo:
            return "FIFO";
        case SpecialKind::DevZeroLink:
            return "link to /dev/zero";
        case SpecialKind::Directory:
            return "folder";
        case SpecialKind::Oversized:
            return "oversized file";
    }
    return "?";
}

void makeSpecial(const std::string& path, SpecialKind kind, std::uint64_t oversizeBytes,
                 const std::string& prefix) {
    fs::create_directories(fs::path(path).parent_path());
    std::error_code ec;
    fs::remove_all(path, ec);
    bool made = false;
    switch (kind) {
        case SpecialKind::Fifo:
            made = ::mkfifo(path.c_str(), 0600) == 0;
            break;
        case SpecialKind::DevZeroLink:
            made = ::symlink("/dev/zero", path.c_str()) == 0;
            break;
        case SpecialKind::Directory:
            made = fs::create_directory(path, ec);
            break;
        case SpecialKind::Oversized: {
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
            made = fd >= 0 && ::write(fd, prefix.data(), prefix.size()) == ssize_t(prefix.size()) &&
                   ::ftruncate(fd, off_t(oversizeBytes)) == 0;
            if (fd >= 0) ::close(fd);
            break;
        }
    }
    if (!made) throw std::runtime_error("cannot make a special file at " + path);
}

HangGuard::HangGuard(std::string what, std::chrono::seconds limit) {
    watcher_ = std::thread([this, what = std::move(what), limit] {
        std::unique_lock lock(mutex_);
        if (done_.wait_for(lock, limit, [this] { return left_; })) return;
        std::fprintf(stderr, "HANG: %s did not answer within %lld s\n", what.c_str(),
                     static_cast<long long>(limit.count()));
        std::fflush(stderr);
        std::_Exit(3);
    });
}

HangGuard::~HangGuard() {
    {
        std::lock_guard lock(mutex_);
        left_ = true;
    }
    done_.notify_one();
    watcher_.join();
}

}  // namespace zx::test
