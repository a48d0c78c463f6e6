// The shell's "open" action through the desktop's URL handlers.
#include "windows/shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QRegularExpression>

namespace zx {

QUrl shellTargetUrl(const QString& target) {
    if (target.isEmpty()) return {};
    // One letter before a colon is a Windows drive, not a scheme.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(target).hasMatch()) return QUrl(target);
    return QUrl::fromLocalFile(QDir::current().absoluteFilePath(target));
}

void QtShell::open(const QString& target) {
    const QUrl url = shellTargetUrl(target);
    if (url.isValid()) QDesktopServices::openUrl(url);
}

}  // namespace zx
