// What the end-to-end tests need of a desktop, whichever display server runs it.
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <ostream>

// Readable failure messages for the geometry the tests compare.
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << r.width() << "x" << r.height() << "+" << r.x() << "+" << r.y();
}
inline void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << "x" << s.height(); }
inline void PrintTo(const QColor& c, std::ostream* os) {
    *os << "rgb(" << c.red() << "," << c.green() << "," << c.blue() << ")";
}

namespace zx::e2e {

class ProgramFolder;

// Runs a command (program and arguments) in the environment and returns what
// it printed, trimmed; empty when it did not end within the time.
QString runTool(const QProcessEnvironment& env, const QStringList& command, int timeoutMs);

// One visible top-level window of a process, its client area in screen pixels.
struct WindowInfo {
    QString title;
    QRect rect;
    bool fullScreen = false;
    bool focused = false;
};

class Desktop {
  public:
    virtual ~Desktop() = default;
    virtual bool ok() const = 0;
    // What a failed setup or a missing tool left to say.
    virtual QString problem() const { return {}; }
    virtual QSize size() const = 0;
    // The colour of the desktop where no window covers it.
    virtual QColor background() const = 0;
    virtual QImage screenshot() = 0;
    // Screenshots until f accepts one or the time is up; returns the last.
    QImage waitForShot(const std::function<bool(const QImage&)>& f, int ms = 10000);
    // Presses and releases a key named by its keysym ("Return", "F12").
    virtual void key(const QString& keysym) = 0;
    virtual void pointerTo(QPoint p) = 0;
    virtual void leftButton(bool down) = 0;
    // The visible top-level windows of the process.
    virtual QList<WindowInfo> windows(qint64 pid) = 0;
    // Starts the program of the folder on this desktop.
    virtual void start(ProgramFolder& folder) = 0;

    // A left-button drag in `steps` even moves; the pointer ends at from + by.
    void drag(QPoint from, QPoint by, int steps = 5);
};

// The window with this title among the process's visible windows, if any.
std::optional<WindowInfo> windowTitled(Desktop& d, qint64 pid, const QString& title);

}  // namespace zx::e2e
