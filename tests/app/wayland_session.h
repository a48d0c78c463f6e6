// Runs the real program natively on Wayland: a headless sway of its own,
// screenshots with grim, the window tree from swaymsg, keys and pointer
// through the compositor's virtual-keyboard and virtual-pointer protocols.
#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

#include "tests/app/desktop.h"

namespace zx::e2e {

class WaylandSession : public Desktop {
  public:
    // sway refuses to run as root: then the compositor, its tools and the
    // program run as an unprivileged system user, made if missing.
    WaylandSession(int width, int height);
    ~WaylandSession() override;

    bool ok() const override { return ok_; }
    QString problem() const override { return problem_; }
    QSize size() const override { return size_; }
    QColor background() const override { return QColor(32, 64, 96); }
    QImage screenshot() override;
    void key(const QString& keysym) override;
    void pointerTo(QPoint p) override;
    void leftButton(bool down) override;
    QList<WindowInfo> windows(qint64 pid) override;
    void start(ProgramFolder& folder) override;

    // Runs a tool (swaymsg, grim) in the session; returns its output.
    QString tool(const QString& program, const QStringList& args, int timeoutMs = 10000);
    QJsonObject tree();

  private:
    bool findUser();
    bool startSway();
    bool startInput();
    // A command to the input helper, and its answer.
    void command(const QString& line);
    QString answer();
    QProcessEnvironment environment() const;
    QStringList launcher() const;

    QProcess sway_;
    QProcess input_;  // zx_wl_input: the virtual keyboard and pointer
    QTemporaryDir runtime_;
    QSize size_;
    QString socket_, ipc_, problem_;
    std::optional<QPoint> pointer_;  // where the pointer was last put
    uint uid_ = 0, gid_ = 0;
    bool asOther_ = false;
    bool ok_ = false;
};

}  // namespace zx::e2e
