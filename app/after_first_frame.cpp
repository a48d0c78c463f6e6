// The one-shot task after a window's first paint.
#include "app/after_first_frame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace zx {

AfterFirstFrame::AfterFirstFrame(QWidget* window, int delayMs, std::function<void()> task)
    : window_(window), delayMs_(delayMs), task_(std::move(task)) {
    window_->installEventFilter(this);
}

bool AfterFirstFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Paint) {
        window_->removeEventFilter(this);
        // The timer starts now and fires after the paint has been handled and
        // the frame handed to the window system.
        QTimer::singleShot(delayMs_, this, [this] { task_(); });
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zx
