// Ends the program on SIGTERM, SIGINT and SIGHUP through the event loop.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace zx {

// A signal handler may do almost nothing, so it only writes the signal's
// number into a pipe; the event loop reads it and runs onQuit, which ends
// the program the way the menu's Exit does. One instance per process.
class QuitSignals : public QObject {
    Q_OBJECT
  public:
    explicit QuitSignals(std::function<void()> onQuit, QObject* parent = nullptr);
    ~QuitSignals() override;
    bool ok() const { return notifier_ != nullptr; }

  private:
    void readSignal();

    std::function<void()> onQuit_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace zx
