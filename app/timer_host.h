// Drives the device's scheduler in real time from the Qt event loop.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "clockwork/timers.h"

namespace zx {

// One precise single-shot QTimer aimed at the earliest deadline; the
// scheduler's milliseconds count from the host's start.
class TimerHost : public QObject {
    Q_OBJECT
  public:
    explicit TimerHost(Scheduler& scheduler, QObject* parent = nullptr);

    // Brings the scheduler up to the present (firing what is due), so that a
    // timer armed by the event about to be handled counts from now.
    void sync();

  private:
    void aim();
    void fire();

    Scheduler& scheduler_;
    QElapsedTimer elapsed_;
    QTimer timer_;
};

}  // namespace zx
