// Message boxes on the desktop.
#include "app/dialogs.h"

#include <QMessageBox>

namespace zx {

void QtDialogs::showError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok);
    box.exec();
}

void QtDialogs::showWarning(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Settings not saved"), text,
                    QMessageBox::Ok);
    box.exec();
}

}  // namespace zx
