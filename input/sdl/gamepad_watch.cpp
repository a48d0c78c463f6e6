// Watching for game controllers and polling them while they are there.
#include "input/sdl/gamepad_watch.h"

#include <QFile>
#include <QFileInfo>

#include "input/joystick_scan.h"

namespace zx {

namespace {

const QString kInputFolder = QStringLiteral("/dev/input");
const QString kDeviceFolder = QStringLiteral("/dev");  // where the input folder appears

}  // namespace

bool systemMayHaveController() {
#if defined(Q_OS_LINUX)
    QFile list(QStringLiteral("/proc/bus/input/devices"));
    if (!list.open(QIODevice::ReadOnly)) return true;
    // A few kilobytes for a desktop's devices; a megabyte is far beyond any.
    const QByteArray text = list.read(1 << 20);
    return listsJoystick(std::string_view(text.constData(), std::size_t(text.size())));
#else
    return true;
#endif
}

GamepadWatch::GamepadWatch(PadInput& input, std::function<bool()> mayHaveController,
                           GamepadTiming timing)
    : pads_(input),
      mayHaveController_(std::move(mayHaveController)),
      timing_(timing),
      devicePaths_([this] { return pads_.devicePaths(); }),
      activity_(
          [this] {
              if (read() && !timer_.isActive()) timer_.start(timing_.pollMs);
          },
          timing.pollMs) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    connect(&folders_, &QFileSystemWatcher::directoryChanged, this, [this] { devicesChanged(); });
}

void GamepadWatch::start() {
    if (QFileInfo(kDeviceFolder).isDir()) folders_.addPath(kDeviceFolder);
    devicesChanged();
}

void GamepadWatch::devicesChanged() {
    // Once the input folder exists, its changes are the ones that matter.
    if (QFileInfo(kInputFolder).isDir() && !folders_.directories().contains(kInputFolder)) {
        folders_.removePath(kDeviceFolder);
        folders_.addPath(kInputFolder);
    }
    settleLeft_ = timing_.settleTicks;
    timer_.start(0);
}

bool GamepadWatch::sdlStarted() {
    if (pads_.started()) return true;
    if (sdlFailed_ || !mayHaveController_()) return false;
    sdlFailed_ = !pads_.start();
    return !sdlFailed_;
}

bool GamepadWatch::read() {
    if (!sdlStarted()) return false;
    pads_.poll();
    return !activity_.follow(devicePaths_()) && pads_.connected() > 0;
}

void GamepadWatch::tick() {
    if (settleLeft_ > 0) --settleLeft_;
    if (read())
        timer_.start(timing_.pollMs);
    else if (settleLeft_ > 0)
        timer_.start(timing_.settleMs);
}

}  // namespace zx
