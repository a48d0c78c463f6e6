// Reading a file that a player can replace: only a regular file, within a
// size limit, opened so that it can never block.
#pragma once

#include <cstdint>
#include <string>

namespace zx {

enum class FileStatus {
    Ok,
    Missing,     // no such file (or a folder on the path is missing)
    NotRegular,  // a folder, FIFO, device, socket: never opened for reading
    TooLarge,    // larger than the caller's limit
    Unreadable,  // exists, but cannot be opened or read (permissions, I/O error)
};

struct FileBytes {
    FileStatus status = FileStatus::Missing;
    std::string bytes;  // the whole file when status is Ok, else empty
    bool ok() const { return status == FileStatus::Ok; }
};

// Reads the file at path (links followed) when it is a regular file of at
// most maxBytes. The kind and size are checked before the open and again on
// the open descriptor, since the file may be swapped in between; the open is
// non-blocking, so a FIFO put in its place cannot hang the caller, and no
// more than maxBytes are ever read, even from a file that grows meanwhile.
FileBytes readPlayerFile(const std::string& path, std::uint64_t maxBytes);

// A short English reason for a failed read, for messages.
const char* fileStatusText(FileStatus status);

}  // namespace zx
