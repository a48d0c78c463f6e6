// Real-time driving of the scheduler.
#include "app/timer_host.h"

#include <algorithm>

namespace zx {

TimerHost::TimerHost(Scheduler& scheduler, QObject* parent)
    : QObject(parent), scheduler_(scheduler) {
    elapsed_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TimerHost::fire);
    scheduler_.setOnReschedule([this] { aim(); });
    aim();
}

void TimerHost::sync() { scheduler_.advance_to(elapsed_.elapsed()); }

void TimerHost::fire() { sync(); }

void TimerHost::aim() {
    const auto next = scheduler_.nextDeadline();
    if (!next) {
        timer_.stop();
        return;
    }
    const qint64 wait = std::max<qint64>(0, *next - elapsed_.elapsed());
    constexpr qint64 kDay = 24LL * 3600 * 1000;  // QTimer takes an int
    timer_.start(int(std::min(wait, kDay)));
}

}  // namespace zx
