// Modal message boxes, behind an interface so that tests can answer them.
#pragma once

#include <QMessageBox>
#include <QString>
#include <vector>

namespace zx {

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A modal box titled "Error" with one OK button; returns when it is closed.
    virtual void showError(const QString& text) = 0;
    // A modal box with one OK button about a problem the program goes on
    // after; the error box unless the dialogs have a box of their own.
    virtual void showWarning(const QString& text) { showError(text); }
};

class QtDialogs final : public Dialogs {
  public:
    void showError(const QString& text) override;
    void showWarning(const QString& text) override;
    // The program is ending (a quit signal): every open box closes as its OK
    // would, and no box opens from now on. A box runs an event loop of its
    // own, which the application's quit does not end, least of all before
    // the application's loop has started.
    void closeForQuit();

  private:
    void run(QMessageBox::Icon icon, const QString& title, const QString& text);
    std::vector<QMessageBox*> open_;  // innermost last
    bool quitting_ = false;
};

}  // namespace zx
