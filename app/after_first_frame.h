// Runs a task once, shortly after a window's first paint: work that the
// first frame does not need waits until the window is on the screen.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace zx {

class AfterFirstFrame : public QObject {
  public:
    // delayMs counts from the end of the first paint; the task never runs
    // once this object is gone.
    AfterFirstFrame(QWidget* window, int delayMs, std::function<void()> task);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QWidget> window_;
    int delayMs_;
    std::function<void()> task_;
};

}  // namespace zx
