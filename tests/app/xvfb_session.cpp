// Xvfb, the program's folder and the X tools used by the end-to-end tests.
#include "tests/app/xvfb_session.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QThread>

namespace zx::e2e {

QByteArray encoded(const QImage& img, const char* format) {
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, format, 95);
    return bytes;
}

bool waitUntil(const std::function<bool()>& f, int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        if (f()) return true;
        QThread::msleep(50);
    }
    return f();
}

void Desktop::drag(QPoint from, QPoint by, int steps) {
    pointerTo(from);
    leftButton(true);
    // At a hand's pace: the program answers the press by asking the window
    // system to move the window, and only motion after that moves it.
    QThread::msleep(300);
    for (int i = 1; i <= steps; ++i) {
        pointerTo(from + by * i / steps);
        QThread::msleep(50);
    }
    leftButton(false);
}

QImage Desktop::waitForShot(const std::function<bool(const QImage&)>& f, int ms) {
    QImage shot;
    waitUntil(
        [&] {
            shot = screenshot();
            return !shot.isNull() && f(shot);
        },
        ms);
    // ZX_E2E_SHOTS names a folder that keeps every awaited screen, for a look.
    static int n = 0;
    const QString keep = qEnvironmentVariable("ZX_E2E_SHOTS");
    if (!keep.isEmpty())
        shot.save(
            QString("%1/%2-%3.png").arg(keep).arg(QCoreApplication::applicationPid()).arg(++n));
    return shot;
}

std::optional<WindowInfo> windowTitled(Desktop& d, qint64 pid, const QString& title) {
    for (const WindowInfo& w : d.windows(pid))
        if (w.title == title) return w;
    return std::nullopt;
}

XvfbSession::XvfbSession(int width, int height)
    : XvfbSession(width, height, qEnvironmentVariable("ZX_E2E_WM")) {}

XvfbSession::XvfbSession(int width, int height, const QString& wm) : size_(width, height) {
    // Xvfb picks a free display itself and prints its number.
    xvfb_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    xvfb_.start("Xvfb",
                {"-displayfd", "1", "-screen", "0", QString("%1x%2x24").arg(width).arg(height),
                 "-br", "-nolisten", "tcp", "-noreset"});
    if (!xvfb_.waitForStarted(5000)) return;
    QByteArray out;
    while (!out.contains('\n') && xvfb_.waitForReadyRead(10000))
        out += xvfb_.readAllStandardOutput();
    if (!out.contains('\n')) return;
    display_ = ":" + QString::fromLatin1(out).trimmed();
    ok_ = wm.isEmpty() || startWindowManager(wm);
    QThread::msleep(200);
}

bool XvfbSession::startWindowManager(const QString& program) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    // xfwm4 ends at once without a session bus: one of our own, ended with
    // the session, and no accessibility bus (which would outlive it).
    if (program == "xfwm4") {
        bus_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QByteArray address;
        while (!address.contains('\n') && bus_.waitForReadyRead(5000))
            address += bus_.readAllStandardOutput();
        if (!address.contains('\n')) return false;
        env.insert("DBUS_SESSION_BUS_ADDRESS", QString::fromLatin1(address).trimmed());
        env.insert("NO_AT_BRIDGE", "1");
    }
    wm_.setProcessEnvironment(env);
    wm_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    wm_.setStandardOutputFile(QProcess::nullDevice());
    wm_.start(program, {});
    if (!wm_.waitForStarted(5000)) return false;
    // A window manager announces itself on the root window once it manages.
    return waitUntil(
        [&] {
            return tool("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id");
        },
        10000);
}

XvfbSession::~XvfbSession() {
    if (wm_.state() != QProcess::NotRunning) {
        wm_.terminate();
        if (!wm_.waitForFinished(3000)) wm_.kill();
    }
    if (bus_.state() != QProcess::NotRunning) {
        bus_.terminate();
        if (!bus_.waitForFinished(3000)) bus_.kill();
    }
    xvfb_.terminate();
    if (!xvfb_.waitForFinished(3000)) xvfb_.kill();
}

QString runTool(const QProcessEnvironment& env, const QStringList& command, int timeoutMs) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(command.first(), command.mid(1));
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

QString XvfbSession::tool(const QString& program, const QStringList& args, int timeoutMs) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    return runTool(env, QStringList{program} + args, timeoutMs);
}

QImage XvfbSession::screenshot() {
    const QString file = dir_.filePath("shot.png");
    QFile::remove(file);
    tool("import", {"-window", "root", file});
    return QImage(file);
}

void XvfbSession::key(const QString& keysym) { tool("xdotool", {"key", "--delay", "80", keysym}); }

void XvfbSession::pointerTo(QPoint p) {
    tool("xdotool", {"mousemove", "--sync", QString::number(p.x()), QString::number(p.y())});
}

void XvfbSession::leftButton(bool down) { tool("xdotool", {down ? "mousedown" : "mouseup", "1"}); }

QList<WindowInfo> XvfbSession::windows(qint64 pid) {
    QList<WindowInfo> found;
    const QString focus = tool("xdotool", {"getwindowfocus"});
    const QString ids = tool("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid)});
    for (const QString& id : ids.split('\n', Qt::SkipEmptyParts)) {
        WindowInfo w;
        w.title = tool("xdotool", {"getwindowname", id});
        // X=, Y=, WIDTH=, HEIGHT= lines; the position is on the root window.
        QMap<QString, int> g;
        for (const QString& line :
             tool("xdotool", {"getwindowgeometry", "--shell", id}).split('\n'))
            g[line.section('=', 0, 0)] = line.section('=', 1).toInt();
        w.rect = QRect(g["X"], g["Y"], g["WIDTH"], g["HEIGHT"]);
        w.fullScreen =
            tool("xprop", {"-id", id, "_NET_WM_STATE"}).contains("_NET_WM_STATE_FULLSCREEN");
        w.focused = focus == id;
        found << w;
    }
    return found;
}

void XvfbSession::start(ProgramFolder& folder) { folder.start(display_); }

ProgramFolder::ProgramFolder() {
    QFile::copy(ZX_PROGRAM, dir_.filePath("zorbanix"));
    QFile::setPermissions(dir_.filePath("zorbanix"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

ProgramFolder::~ProgramFolder() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

void ProgramFolder::write(const QString& name, const QByteArray& bytes) const {
    const QString file = dir_.filePath(name);
    QDir().mkpath(QFileInfo(file).path());
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

void ProgramFolder::writeSettings(const QString& generalSection) const {
    QDir().mkpath(config_.filePath("Orvalle"));
    QFile f(config_.filePath("Orvalle/Zorbax50.conf"));
    f.open(QIODevice::WriteOnly);
    f.write(("[General]\n" + generalSection).toUtf8());
}

QString ProgramFolder::settingsText() const {
    QFile f(config_.filePath("Orvalle/Zorbax50.conf"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void ProgramFolder::start(const QString& display) {
    QProcessEnvironment env;
    env.insert("DISPLAY", display);
    start(env, {});
}

void ProgramFolder::start(const QProcessEnvironment& desktop, const QStringList& launcher) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(name);
    env.insert(desktop);
    env.insert("XDG_CONFIG_HOME", config_.path());
    env.insert("SDL_AUDIODRIVER", "dummy");
    env.insert(extraEnv_);
    process_.setProcessEnvironment(env);
    process_.setWorkingDirectory(dir_.path());
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    if (launcher.isEmpty()) {
        process_.start(dir_.filePath("zorbanix"), {});
    } else {
        process_.start(launcher.first(), launcher.mid(1) + QStringList{dir_.filePath("zorbanix")});
    }
    process_.waitForStarted(5000);
}

void ProgramFolder::handTo(uint uid, uint gid) const {
    QProcess::execute("chown",
                      {"-R", QString("%1:%2").arg(uid).arg(gid), dir_.path(), config_.path()});
}

bool ProgramFolder::waitForEnd(int ms) { return process_.waitForFinished(ms); }

}  // namespace zx::e2e
