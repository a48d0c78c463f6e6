// Modal message boxes, behind an interface so that tests can answer them.
#pragma once

#include <QString>
#include <vector>

class QMessageBox;

namespace zx {

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A modal box titled "Error" with one OK button; returns when it is closed.
    virtual void showError(const QString& text) = 0;
};

class QtDialogs final : public Dialogs {
  public:
    void showError(const QString& text) override;
    // The program is ending (a quit signal): every open box closes as its OK
    // would, and no box opens from now on. A box runs an event loop of its
    // own, which the application's quit does not end, least of all before
    // the application's loop has started.
    void closeForQuit();

  private:
    std::vector<QMessageBox*> open_;  // innermost last
    bool quitting_ = false;
};

}  // namespace zx
