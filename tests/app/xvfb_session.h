// Runs the real program on a private Xvfb display: start, screenshot, keys.
#pragma once

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

#include "tests/app/desktop.h"

namespace zx::e2e {

class XvfbSession : public Desktop {
  public:
    // Starts Xvfb with a black root window of the given size, and the window
    // manager named by ZX_E2E_WM (e.g. "openbox") when that is set.
    XvfbSession(int width, int height);
    // The same with the window manager named here ("" for none); xfwm4 gets
    // the D-Bus session bus it needs.
    XvfbSession(int width, int height, const QString& windowManager);
    ~XvfbSession() override;

    bool ok() const override { return ok_; }
    const QString& display() const { return display_; }

    // Runs a helper tool (xdotool, import) on the display; returns its output.
    QString tool(const QString& program, const QStringList& args, int timeoutMs = 10000);
    QImage screenshot() override;
    QSize size() const override { return size_; }
    QColor background() const override { return Qt::black; }
    void key(const QString& keysym) override;
    void pointerTo(QPoint p) override;
    void leftButton(bool down) override;
    QList<WindowInfo> windows(qint64 pid) override;
    void start(ProgramFolder& folder) override;

  private:
    bool startWindowManager(const QString& program);

    QProcess xvfb_;
    QProcess wm_;
    QProcess bus_;  // the session bus of a window manager that needs one
    QString display_;
    QSize size_;
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
    // Sets a variable of the program's environment for its next start.
    void setEnv(const QString& name, const QString& value) { extraEnv_.insert(name, value); }
    // Starts the program in its folder on the X display.
    void start(const QString& display);
    // Starts it with the desktop's variables; a non-empty launcher (setpriv
    // and its options) runs it as another user, who then owns the folders.
    void start(const QProcessEnvironment& desktop, const QStringList& launcher);
    // Gives both folders to a user, so that a program run as that user can
    // write its settings.
    void handTo(uint uid, uint gid) const;
    // True when the program has ended within the time.
    bool waitForEnd(int ms);
    QProcess& process() { return process_; }
    ~ProgramFolder();

  private:
    QTemporaryDir dir_;
    QTemporaryDir config_;
    QProcess process_;
    QProcessEnvironment extraEnv_;
};

// A picture encoded as a file of the given format ("PNG", "JPG").
QByteArray encoded(const QImage& img, const char* format);

// Polls until f() is true or the time is up.
bool waitUntil(const std::function<bool()>& f, int ms);

}  // namespace zx::e2e
