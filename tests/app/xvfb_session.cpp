// Xvfb, the program's folder and the X tools used by the end-to-end tests.
#include "tests/app/xvfb_session.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
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

XvfbSession::XvfbSession(int width, int height) {
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
    const QString wm = qEnvironmentVariable("ZX_E2E_WM");
    ok_ = wm.isEmpty() || startWindowManager(wm);
    QThread::msleep(200);
}

bool XvfbSession::startWindowManager(const QString& program) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
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
    xvfb_.terminate();
    if (!xvfb_.waitForFinished(3000)) xvfb_.kill();
}

QString XvfbSession::tool(const QString& program, const QStringList& args, int timeoutMs) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

QImage XvfbSession::screenshot() {
    const QString file = dir_.filePath("shot.png");
    QFile::remove(file);
    tool("import", {"-window", "root", file});
    return QImage(file);
}

QImage XvfbSession::waitForShot(const std::function<bool(const QImage&)>& f, int ms) {
    QImage shot;
    waitUntil(
        [&] {
            shot = screenshot();
            return !shot.isNull() && f(shot);
        },
        ms);
    return shot;
}

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
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display);
    env.insert("XDG_CONFIG_HOME", config_.path());
    env.insert("SDL_AUDIODRIVER", "dummy");
    env.remove("QT_QPA_PLATFORM");
    process_.setProcessEnvironment(env);
    process_.setWorkingDirectory(dir_.path());
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    process_.start(dir_.filePath("zorbanix"), {});
    process_.waitForStarted(5000);
}

bool ProgramFolder::waitForEnd(int ms) { return process_.waitForFinished(ms); }

}  // namespace zx::e2e
