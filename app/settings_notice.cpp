// The once-per-run message about settings that did not reach the disk.
#include "app/settings_notice.h"

#include <QFile>
#include <QTimer>

namespace zx {

QString settingsNotSavedText(const SettingsWriteFailure& failure) {
    const QString reason = QString::fromLocal8Bit(failure.reason.c_str());
    const QString where =
        failure.file.empty()
            ? QStringLiteral("The settings could not be saved: %1.").arg(reason)
            : QStringLiteral("The settings could not be saved to\n%1\n(%2).")
                  .arg(QFile::decodeName(QByteArray::fromStdString(failure.file)), reason);
    return where + QStringLiteral(
                       "\n\nThe game goes on, but changed settings and high scores may be "
                       "lost when the program ends.");
}

SettingsNotice::SettingsNotice(SettingsStore& store, Dialogs& dialogs)
    : store_(store), dialogs_(dialogs) {
    store_.onWriteFailure([this](const SettingsWriteFailure& failure) {
        if (told_) return;
        told_ = true;
        QTimer::singleShot(
            0, this, [this, text = settingsNotSavedText(failure)] { dialogs_.showWarning(text); });
    });
}

SettingsNotice::~SettingsNotice() { store_.onWriteFailure(nullptr); }

}  // namespace zx
