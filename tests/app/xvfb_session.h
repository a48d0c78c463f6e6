// Runs the real program on a private Xvfb display: start, screenshot, keys.
#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

namespace zx::e2e {

class XvfbSession {
  public:
    // Starts Xvfb with a black root window of the given size, and the window
    // manager named by ZX_E2E_WM (e.g. "openbox") when that is set.
    XvfbSession(int width, int height);
    ~XvfbSession();

    bool ok() const { return ok_; }
    const QString& display() const { return display_; }

    // Runs a helper tool (xdotool, import) on the display; returns its output.
    QString tool(const QString& program, const QStringList& args, int timeoutMs = 10000);
    QImage screenshot();
    // Screenshots until f accepts one or the time is up; returns the last.
    QImage waitForShot(const std::function<bool(const QImage&)>& f, int ms = 10000);

  private:
    bool startWindowManager(const QString& program);

    QProcess xvfb_;
    QProcess wm_;
    QString display_;
    QTemporaryDir dir_;
    bool ok_ = false;
};

// A copy of the program in a folder of its own, as a player installs it.
class ProgramFolder {
  public:
    ProgramFolder();
    QString path(const QString& name) const { return dir_.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const;
    // Writes a settings file into the private XDG_CONFIG_HOME.
    void writeSettings(const QString& generalSection) const;
    // The text of the settings file as the program left it.
    QString settingsText() const;
    // Where the program looks for its settings file.
    QString settingsPath() const { return config_.filePath("Orvalle/Zorbax50.conf"); }
    // Starts the program in its folder on the display.
    void start(const QString& display);
    // True when the program has ended within the time.
    bool waitForEnd(int ms);
    QProcess& process() { return process_; }
    ~ProgramFolder();

  private:
    QTemporaryDir dir_;
    QTemporaryDir config_;
    QProcess process_;
};

// A picture encoded as a file of the given format ("PNG", "JPG").
QByteArray encoded(const QImage& img, const char* format);

// Polls until f() is true or the time is up.
bool waitUntil(const std::function<bool()>& f, int ms);

}  // namespace zx::e2e
