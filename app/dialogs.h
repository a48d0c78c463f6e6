// Modal message boxes, behind an interface so that tests can answer them.
#pragma once

#include <QString>

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
};

}  // namespace zx
