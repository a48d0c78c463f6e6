// Real-time harness: how late the device's timer ticks arrive through the Qt
// event loop. Runs a 50 ms and a 400 ms timer for a few seconds and prints the
// lateness of their ticks against when they were due.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/timer_host.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    zx::Scheduler scheduler;
    zx::TimerHost host(scheduler);
    QElapsedTimer wall;
    wall.start();
    const qint64 offset = wall.elapsed() - scheduler.now();  // host and harness clocks

    std::vector<double> late;
    for (zx::TimerId id : {zx::TimerId::Shot, zx::TimerId::Enemy_Move}) {
        scheduler.setHandler(id, [&, id] {
            // scheduler.now() is the due time of the tick being handled.
            late.push_back(double(wall.nsecsElapsed()) / 1e6 - double(offset) -
                           double(scheduler.now()));
            (void)id;
        });
    }
    host.sync();
    scheduler[zx::TimerId::Shot].setInterval(50);
    scheduler[zx::TimerId::Shot].setEnabled(true);
    scheduler[zx::TimerId::Enemy_Move].setInterval(400);
    scheduler[zx::TimerId::Enemy_Move].setEnabled(true);

    QTimer::singleShot(5000, &app, &QCoreApplication::quit);
    app.exec();

    std::sort(late.begin(), late.end());
    double sum = 0;
    for (double v : late) sum += v;
    const auto pct = [&](double p) { return late[std::size_t(p * double(late.size() - 1))]; };
    std::printf("ticks %zu  lateness ms: mean %.3f  median %.3f  p99 %.3f  max %.3f\n", late.size(),
                sum / double(late.size()), pct(0.5), pct(0.99), late.back());
    return 0;
}
