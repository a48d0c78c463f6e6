// readPlayerFile: what it reads, and what it refuses before reading.
#include "config/player_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "picture_files.h"
#include "tests/rig/hostile_files.h"

namespace zx {
namespace {

using test::SpecialKind;

struct Case {
    const char* what;
    std::function<std::string(const test::TempDir&)> make;  // returns the path to read
    std::uint64_t limit;
    FileStatus status;
    std::string bytes;
};

const Case kCases[] = {
    {"absent", [](const test::TempDir& d) { return d.file("none"); }, 10, FileStatus::Missing, ""},
    {"below a file", [](const test::TempDir& d) { return d.write("f", "x") + "/below"; }, 10,
     FileStatus::Missing, ""},
    {"empty", [](const test::TempDir& d) { return d.write("e", ""); }, 10, FileStatus::Ok, ""},
    {"exactly the limit", [](const test::TempDir& d) { return d.write("l", "0123456789"); }, 10,
     FileStatus::Ok, "0123456789"},
    {"one byte over", [](const test::TempDir& d) { return d.write("o", "0123456789A"); }, 10,
     FileStatus::TooLarge, ""},
    {"a link to a file",
     [](const test::TempDir& d) {
         const std::string target = d.write("t", "abc");
         EXPECT_EQ(::symlink(target.c_str(), d.file("ln").c_str()), 0);
         return d.file("ln");
     },
     10, FileStatus::Ok, "abc"},
    {"a dangling link",
     [](const test::TempDir& d) {
         EXPECT_EQ(::symlink("/nonexistent/zx", d.file("dl").c_str()), 0);
         return d.file("dl");
     },
     10, FileStatus::Missing, ""},
    {"a link to /dev/null",
     [](const test::TempDir& d) {
         EXPECT_EQ(::symlink("/dev/null", d.file("null").c_str()), 0);
         return d.file("null");
     },
     10, FileStatus::NotRegular, ""},
    {"a FIFO",
     [](const test::TempDir& d) {
         test::makeSpecial(d.file("fifo"), SpecialKind::Fifo, 0);
         return d.file("fifo");
     },
     10, FileStatus::NotRegular, ""},
    {"a link to /dev/zero",
     [](const test::TempDir& d) {
         test::makeSpecial(d.file("zero"), SpecialKind::DevZeroLink, 0);
         return d.file("zero");
     },
     1 << 20, FileStatus::NotRegular, ""},
    {"a folder", [](const test::TempDir& d) { return d.path(); }, 10, FileStatus::NotRegular, ""},
    {"a sparse 1 GiB file",
     [](const test::TempDir& d) {
         test::makeSpecial(d.file("big"), SpecialKind::Oversized, std::uint64_t(1) << 30, "x");
         return d.file("big");
     },
     std::uint64_t(1) << 20, FileStatus::TooLarge, ""},
    {"binary bytes",
     [](const test::TempDir& d) {
         return d.write("b", test::Bytes{0, 255, 0, 10});
     },
     4, FileStatus::Ok, std::string("\0\xff\0\n", 4)},
};

TEST(PlayerFile, ReadsOnlyRegularFilesWithinTheLimit) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        test::TempDir dir;
        const std::string path = c.make(dir);
        const test::HangGuard guard(c.what);
        const FileBytes r = readPlayerFile(path, c.limit);
        EXPECT_EQ(r.status, c.status) << fileStatusText(r.status);
        EXPECT_EQ(r.bytes, c.bytes);
        EXPECT_EQ(r.ok(), c.status == FileStatus::Ok);
    }
}

}  // namespace
}  // namespace zx
