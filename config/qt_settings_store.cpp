// QSettings-backed settings store.
#include "config/qt_settings_store.h"

namespace zx {

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, "Orvalle", "Zorbax50") {}

std::optional<std::string> QtSettingsStore::readText(const std::string& name) const {
    const QString key = QString::fromStdString(name);
    if (!settings_.contains(key)) return std::nullopt;
    return settings_.value(key).toString().toStdString();
}

void QtSettingsStore::writeText(const std::string& name, const std::string& text) {
    settings_.setValue(QString::fromStdString(name), QString::fromStdString(text));
    // Settings are written the moment they change, never at exit.
    settings_.sync();
}

}  // namespace zx
