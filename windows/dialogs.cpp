// Message boxes on the desktop.
#include "windows/dialogs.h"

#include <QMessageBox>

namespace zx {

void QtDialogs::run(QMessageBox::Icon icon, const QString& title, const QString& text) {
    if (quitting_) return;
    QMessageBox box(icon, title, text, QMessageBox::Ok);
    open_.push_back(&box);
    box.exec();
    open_.pop_back();
}

void QtDialogs::showError(const QString& text) {
    run(QMessageBox::Critical, QStringLiteral("Error"), text);
}

void QtDialogs::showWarning(const QString& text) {
    run(QMessageBox::Warning, QStringLiteral("Settings not saved"), text);
}

void QtDialogs::closeForQuit() {
    quitting_ = true;
    for (QMessageBox* box : open_) box->done(QMessageBox::Ok);
}

}  // namespace zx
