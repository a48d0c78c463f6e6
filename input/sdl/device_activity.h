// Wakes the program when a controller's device file has something to read,
// so that a connected pad at rest costs nothing and a press is seen at once,
// where a timer would poll all the time. A device that reports all the time
// wakes it at most once per gap.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace zx {

class DeviceActivity : public QObject {
  public:
    DeviceActivity(std::function<void()> onActivity, int gapMs);
    ~DeviceActivity() override;

    // Follows exactly these files (character devices, or FIFOs that stand
    // in for them); false when one cannot be followed (empty, missing, of
    // another kind, or gone): the caller must poll for it.
    bool follow(const std::vector<std::string>& paths);
    int followed() const { return int(files_.size()); }

  private:
    struct File {
        int fd = -1;
        std::unique_ptr<QSocketNotifier> notifier;
    };
    bool open(const std::string& path);
    void close(const std::string& path);
    void readable(const std::string& path);

    std::function<void()> onActivity_;
    std::map<std::string, File> files_;
    QTimer gap_;
};

}  // namespace zx
