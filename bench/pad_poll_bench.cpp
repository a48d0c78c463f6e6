// What looking for game controllers costs an idle program: CPU and wake-ups
// of this process's event loop over 5 s, with no watch, with the watch and no
// controller listed, with SDL started and no controller, and with one of SDL's
// virtual controllers connected: polled, as a controller without a device
// file is, and followed through a stand-in device file that stays silent, as
// a real pad's does at rest.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

#include "input/sdl/gamepad_watch.h"
#include "tests/rig/virtual_pads.h"

namespace {

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Context switches of every thread: each is a wake-up or a preemption.
long switches() {
    long total = 0;
    for (const QString& t : QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::ifstream status(("/proc/self/task/" + t + "/status").toStdString());
        for (std::string line; std::getline(status, line);)
            if (line.find("ctxt_switches:") != std::string::npos)
                total += std::stol(line.substr(line.find(':') + 1));
    }
    return total;
}

// The event loop alone, as the program runs it (no test helper's own polling).
void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void measure(const char* name) {
    constexpr int kMs = 5000;
    const double cpu0 = cpuMs();
    const long sw0 = switches();
    runFor(kMs);
    const double cpu = cpuMs() - cpu0;
    const long sw = switches() - sw0;
    std::printf("%-44s %6.3f %% of a core, %6.1f wake-ups/s\n", name, cpu / kMs * 100.0,
                sw * 1000.0 / kMs);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zx::PadInput input(zx::kDefaultPadBindings, [](zx::DeviceButton, bool) {});
    const int settleMs = zx::GamepadTiming{}.settleMs * zx::GamepadTiming{}.settleTicks + 500;

    measure("event loop alone");
    {
        // The floor of any poll: an empty timer at the same interval.
        QTimer bare;
        bare.setTimerType(Qt::PreciseTimer);
        QObject::connect(&bare, &QTimer::timeout, [] {});
        bare.start(zx::GamepadTiming{}.pollMs);
        measure("an empty timer at the program's polling interval");
    }
    {
        zx::GamepadWatch watch(input, [] { return false; });
        watch.start();
        runFor(settleMs);
        measure("watch, no controller listed (SDL unloaded)");
    }
    // One virtual controller connected. SDL names no device file for it, so
    // it is polled; then a FIFO stands in for its device file, which stays
    // silent as a pad at rest does.
    const std::string fifo = QDir::temp().filePath("zx_pad_bench_event0").toStdString();
    ::unlink(fifo.c_str());
    ::mkfifo(fifo.c_str(), 0600);
    const int writer = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
    for (bool followed : {false, true}) {
        zx::GamepadWatch watch(input, [] { return true; });
        if (followed)
            watch.setDevicePaths([&] {
                return std::vector<std::string>(std::size_t(watch.gamepads().connected()), fifo);
            });
        watch.start();
        runFor(settleMs);
        if (!followed) measure("watch, SDL started, no controller");
        zx::testing::VirtualPads pads;  // SDL is the watch's; gone with it
        pads.plug(1);
        watch.devicesChanged();
        runFor(settleMs);
        if (watch.gamepads().connected() != 1) std::printf("the controller was not found\n");
        measure(followed ? "a controller at rest, its device file followed"
                         : "a controller without a device file, polled");
        if (!followed) continue;
        // A pad that reports 500 times a second whatever it is doing; the
        // reports come from another process, whose CPU is not counted.
        const pid_t child = ::fork();
        if (child == 0) {
            for (;;) {
                (void)!::write(writer, "e", 1);
                ::usleep(2000);
            }
        }
        measure("a controller reporting 500 times a second, followed");
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    ::close(writer);
    ::unlink(fifo.c_str());
    return 0;
}
