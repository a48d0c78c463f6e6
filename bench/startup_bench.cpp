// Start-up and idling of the real program against a minimal Qt window of the
// same size, run interleaved on a private Xvfb: CPU time until the face is on
// the screen, the time to it, idle wake-ups and CPU, peak memory; each figure
// with its ratio to the minimal window; the program without sound and with a
// sound driver chosen (SDL's silent "dummy" output stands for a device).
// Usage: startup_bench [rounds [program]], where another build of the program
// (beside its own Config.ini) may stand in.
#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kScreenW = 1920, kScreenH = 1080;

// CPU time and context switches summed over a process's threads.
struct Usage {
    double cpuMs = 0;
    long switches = 0;
};

Usage usageOf(qint64 pid) {
    Usage u;
    const QString base = QString("/proc/%1/task").arg(pid);
    for (const QString& t : QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::ifstream sched((base + "/" + t + "/schedstat").toStdString());
        double ns = 0;
        sched >> ns;
        u.cpuMs += ns / 1e6;
        std::ifstream status((base + "/" + t + "/status").toStdString());
        for (std::string line; std::getline(status, line);)
            if (line.find("voluntary_ctxt_switches:") != std::string::npos)
                u.switches += std::stol(line.substr(line.find(':') + 1));
    }
    return u;
}

long peakKb(qint64 pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct Subject {
    const char* name;
    QString program;
    QStringList args;
    QString workDir;
    QString settings;  // the program's settings file before each start; empty: none
    QPoint probe;      // a point that leaves black when the face is on the screen
    bool isProgram = false;
};

struct Run {
    double cpuMs = 0, wallMs = 0;  // until the face is on the screen
    double idleWakeups = 0, idleCpuPercent = 0;
    long peakKb = 0;
    bool ok = false;
};

class Bench {
  public:
    Bench(const QString& display) : display_(display) {}

    // idleKey: the key pressed once the face shows, before the idle count;
    // empty: no idling.
    Run run(const Subject& s, const QString& idleKey = {}) {
        const bool idle = !idleKey.isEmpty();
        if (!s.settings.isEmpty()) {
            QDir().mkpath(config_.filePath("Orvalle"));
            QFile f(config_.filePath("Orvalle/Zorbax50.conf"));
            f.open(QIODevice::WriteOnly);
            f.write(s.settings.toUtf8());
        }
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display_);
        env.insert("XDG_CONFIG_HOME", config_.path());
        env.insert("SDL_AUDIODRIVER", "dummy");
        env.remove("QT_QPA_PLATFORM");
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(s.workDir);
        p.setStandardOutputFile(QProcess::nullDevice());
        p.setStandardErrorFile(QProcess::nullDevice());
        Run r;
        QElapsedTimer clock;
        clock.start();
        p.start(s.program, s.args);
        if (!p.waitForStarted(5000)) return r;
        const qint64 pid = p.processId();
        QScreen* screen = QGuiApplication::primaryScreen();
        while (clock.elapsed() < 15000) {
            const QImage px = screen->grabWindow(0, s.probe.x(), s.probe.y(), 1, 1).toImage();
            if (!px.isNull() && (px.pixel(0, 0) & 0xFFFFFF) != 0) {
                r.wallMs = clock.nsecsElapsed() / 1e6;
                r.cpuMs = usageOf(pid).cpuMs;
                r.ok = true;
                break;
            }
            QThread::usleep(1000);
        }
        if (r.ok && idle && s.isProgram) {
            // The TIME key ("3" by default) leaves the start-up face for the
            // clock, which ticks once a second; GAME A ("1") starts a game.
            QThread::msleep(300);
            QProcess::execute("xdotool", {"mousemove", "--sync", QString::number(s.probe.x()),
                                          QString::number(s.probe.y())});
            QProcess::execute("xdotool", {"key", idleKey});
        }
        if (r.ok && idle) {
            // Past start-up and the sound output's quiet spell, then 5 s alone.
            QThread::msleep(std::max<qint64>(0, 6000 - clock.elapsed()));
            const Usage a = usageOf(pid);
            QThread::msleep(5000);
            const Usage b = usageOf(pid);
            r.idleWakeups = (b.switches - a.switches) / 5.0;
            r.idleCpuPercent = (b.cpuMs - a.cpuMs) / 5000.0 * 100.0;
        }
        r.peakKb = peakKb(pid);
        p.terminate();
        if (!p.waitForFinished(5000)) {
            p.kill();
            p.waitForFinished(2000);
        }
        return r;
    }

  private:
    QString display_;
    QTemporaryDir config_;
};

QString settingsText(int soundMode, bool fullscreen) {
    return QString("[General]\nSoundMode=%1\nSplashScreen=0\nFullscreenMode=%2\n")
        .arg(soundMode)
        .arg(fullscreen ? 1 : 0);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 8;
    // A private X server, which this process also reads the screen from.
    QProcess xvfb;
    xvfb.start("Xvfb",
               {"-displayfd", "1", "-screen", "0", QString("%1x%2x24").arg(kScreenW).arg(kScreenH),
                "-br", "-nolisten", "tcp", "-noreset"});
    QByteArray out;
    while (!out.contains('\n') && xvfb.waitForReadyRead(10000)) out += xvfb.readAllStandardOutput();
    if (!out.contains('\n')) {
        std::fprintf(stderr, "Xvfb did not start\n");
        return 1;
    }
    const QString display = ":" + QString::fromLatin1(out).trimmed();
    qputenv("DISPLAY", display.toUtf8());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);

    const QString program = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString(ZX_PROGRAM);
    const QString bin = QFileInfo(program).path();
    // The device face is centred in both presentations, the reference too.
    const QPoint centre(kScreenW / 2, kScreenH / 2), corner = centre;
    const Subject programWindowed{"program, windowed",    program, {},  bin,
                                  settingsText(2, false), centre,  true};
    const Subject minimalWindowed{
        "minimal window, 542 x 359", ZX_MINIMAL_WINDOW, {}, bin, {}, centre};
    const Subject programFull{"program, full screen", program, {},  bin,
                              settingsText(2, true),  corner,  true};
    const Subject minimalFull{
        "minimal window, full screen", ZX_MINIMAL_WINDOW, {"full"}, bin, {}, corner};
    // The same full-screen backdrop, decoded by Qt's own reader and drawn: what
    // the program costs beyond showing the picture it has to show.
    const Subject minimalBackdrop{"minimal window showing the backdrop, full screen",
                                  ZX_MINIMAL_WINDOW,
                                  {"full", bin + "/Graphics/Backdrops/tabletop.jpg"},
                                  bin,
                                  {},
                                  corner};
    const Subject programSound{
        "program, windowed, sound started", program, {}, bin, settingsText(0, false), centre, true};

    Bench bench(display);
    // Start-up: the program and its reference one after the other, round by round.
    const Subject* pairs[][2] = {{&programWindowed, &minimalWindowed},
                                 {&programSound, &minimalWindowed},
                                 {&programFull, &minimalFull},
                                 {&programFull, &minimalBackdrop}};
    for (const auto& pair : pairs) {
        std::vector<double> cpu[2], wall[2];
        for (int i = 0; i < rounds; ++i) {
            for (int k = 0; k < 2; ++k) {
                const Run r = bench.run(*pair[k]);
                if (!r.ok) std::fprintf(stderr, "%s: no face on the screen\n", pair[k]->name);
                cpu[k].push_back(r.cpuMs);
                wall[k].push_back(r.wallMs);
            }
        }
        std::printf(
            "start-up, median of %d: %s %.1f ms CPU, %.1f ms to the face; %s %.1f ms CPU, "
            "%.1f ms\n  ratio CPU %.2f, time to face %.2f\n",
            rounds, pair[0]->name, median(cpu[0]), median(wall[0]), pair[1]->name, median(cpu[1]),
            median(wall[1]), median(cpu[0]) / median(cpu[1]), median(wall[0]) / median(wall[1]));
    }

    // Idling: 5 s after the quiet spell, each subject once.
    const Run ref = bench.run(minimalWindowed, "3");
    std::printf("idle, %s: %.1f wake-ups/s, %.3f %% CPU, VmHWM %ld kB\n", minimalWindowed.name,
                ref.idleWakeups, ref.idleCpuPercent, ref.peakKb);
    for (const Subject* s : {&programWindowed, &programSound}) {
        const Run r = bench.run(*s, "3");
        std::printf("idle, %s: %.1f wake-ups/s, %.3f %% CPU, VmHWM %ld kB (ratio %.2f)\n", s->name,
                    r.idleWakeups, r.idleCpuPercent, r.peakKb,
                    ref.peakKb ? double(r.peakKb) / ref.peakKb : 0.0);
    }
    // Memory once sounds have played: a game of game A runs (its start and
    // enemy sounds) until the peak is read.
    const Run game = bench.run(programSound, "1");
    std::printf("%s, a game playing: VmHWM %ld kB (ratio %.2f)\n", programSound.name, game.peakKb,
                ref.peakKb ? double(game.peakKb) / ref.peakKb : 0.0);
    xvfb.terminate();
    xvfb.waitForFinished(3000);
    return 0;
}
