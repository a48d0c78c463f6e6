// Message boxes on the desktop.
#include "app/dialogs.h"

#include <QMessageBox>

namespace zx {

void QtDialogs::showError(const QString& text) {
    if (quitting_) return;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok);
    open_.push_back(&box);
    box.exec();
    open_.pop_back();
}

void QtDialogs::closeForQuit() {
    quitting_ = true;
    for (QMessageBox* box : open_) box->done(QMessageBox::Ok);
}

}  // namespace zx
