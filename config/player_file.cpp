// Bounded, non-blocking reads of files a player can replace.
#include "config/player_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace zx {

namespace {

// Kind and size of what stat or fstat found.
FileStatus classify(const struct stat& st, std::uint64_t maxBytes) {
    if (!S_ISREG(st.st_mode)) return FileStatus::NotRegular;
    if (st.st_size < 0 || std::uint64_t(st.st_size) > maxBytes) return FileStatus::TooLarge;
    return FileStatus::Ok;
}

// Closes the descriptor on every way out.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

FileBytes readPlayerFile(const std::string& path, std::uint64_t maxBytes) {
    maxBytes = std::min<std::uint64_t>(maxBytes, std::uint64_t(1) << 40);  // room for one more
    FileBytes result;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        result.status =
            errno == ENOENT || errno == ENOTDIR ? FileStatus::Missing : FileStatus::Unreadable;
        return result;
    }
    if ((result.status = classify(st, maxBytes)) != FileStatus::Ok) return result;

    const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (file.fd < 0) {
        result.status = errno == ENOENT ? FileStatus::Missing : FileStatus::Unreadable;
        return result;
    }
    if (::fstat(file.fd, &st) != 0) {
        result.status = FileStatus::Unreadable;
        return result;
    }
    if ((result.status = classify(st, maxBytes)) != FileStatus::Ok) return result;

    // Read to the end, one byte past the limit at most, to see a file that
    // grew after the fstat.
    std::string bytes(std::size_t(st.st_size) + 1, '\0');
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > maxBytes) break;
            bytes.resize(std::min<std::uint64_t>(maxBytes + 1, std::uint64_t(got) * 2 + 4096));
        }
        const ssize_t n = ::read(file.fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.status = FileStatus::Unreadable;
            return result;
        }
        if (n == 0) break;
        got += std::size_t(n);
    }
    if (got > maxBytes) {
        result.status = FileStatus::TooLarge;
        return result;
    }
    bytes.resize(got);
    result.bytes = std::move(bytes);
    return result;
}

const char* fileStatusText(FileStatus status) {
    switch (status) {
        case FileStatus::Ok:
            return "read";
        case FileStatus::Missing:
            return "not found";
        case FileStatus::NotRegular:
            return "not a regular file";
        case FileStatus::TooLarge:
            return "too large";
        case FileStatus::Unreadable:
            return "cannot be read";
    }
    return "cannot be read";
}

}  // namespace zx
