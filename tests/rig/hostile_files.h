// Things a player can put where the program expects a file: a FIFO, a link to
// /dev/zero, a folder, a file larger than the reader's limit.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

namespace zx::test {

enum class SpecialKind { Fifo, DevZeroLink, Directory, Oversized };
inline constexpr SpecialKind kSpecialKinds[] = {SpecialKind::Fifo, SpecialKind::DevZeroLink,
                                                SpecialKind::Directory, SpecialKind::Oversized};
const char* specialKindName(SpecialKind kind);

// Replaces whatever is at path (its folders are created) by a thing of the
// kind. An oversized file is sparse, oversizeBytes long, and starts with
// prefix, so that a reader that ignores its size would find it valid.
void makeSpecial(const std::string& path, SpecialKind kind, std::uint64_t oversizeBytes,
                 const std::string& prefix = {});

// Ends the test program with a message when the scope is not left in time:
// a reader that blocks on a FIFO or reads /dev/zero forever fails the test
// with the case's name instead of hanging the suite.
class HangGuard {
  public:
    explicit HangGuard(std::string what, std::chrono::seconds limit = std::chrono::seconds(10));
    ~HangGuard();
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

  private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool left_ = false;
    std::thread watcher_;
};

}  // namespace zx::test
