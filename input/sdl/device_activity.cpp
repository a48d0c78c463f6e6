// Device files watched through the event loop.
#include "input/sdl/device_activity.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace zx {

DeviceActivity::DeviceActivity(std::function<void()> onActivity, int gapMs)
    : onActivity_(std::move(onActivity)) {
    gap_.setSingleShot(true);
    gap_.setInterval(gapMs);
    connect(&gap_, &QTimer::timeout, this, [this] {
        for (auto& [path, file] : files_) file.notifier->setEnabled(true);
    });
}

DeviceActivity::~DeviceActivity() {
    while (!files_.empty()) close(files_.begin()->first);
}

bool DeviceActivity::follow(const std::vector<std::string>& paths) {
    std::vector<std::string> gone;
    for (const auto& [path, file] : files_)
        if (std::find(paths.begin(), paths.end(), path) == paths.end()) gone.push_back(path);
    for (const std::string& path : gone) close(path);
    bool all = true;
    for (const std::string& path : paths)
        if (!files_.contains(path)) all = open(path) && all;
    return all;
}

bool DeviceActivity::open(const std::string& path) {
    if (path.empty()) return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    // A regular file or a folder is always "readable": it would wake the
    // program without end.
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !(S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode))) {
        ::close(fd);
        return false;
    }
    File& file = files_[path];
    file.fd = fd;
    file.notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    file.notifier->setEnabled(!gap_.isActive());
    connect(file.notifier.get(), &QSocketNotifier::activated, this,
            [this, path] { readable(path); });
    return true;
}

void DeviceActivity::close(const std::string& path) {
    const auto it = files_.find(path);
    if (it == files_.end()) return;
    it->second.notifier.reset();
    ::close(it->second.fd);
    files_.erase(it);
}

void DeviceActivity::readable(const std::string& path) {
    // What the device said is SDL's to read on its own descriptor; this
    // copy only tells that it spoke.
    char buffer[4096];
    ssize_t n;
    const int fd = files_.at(path).fd;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) {
    }
    if (n == 0 || (errno != EAGAIN && errno != EINTR)) close(path);  // gone
    for (auto& [p, file] : files_) file.notifier->setEnabled(false);
    gap_.start();
    onActivity_();
}

}  // namespace zx
