// The settings store of the desktop: QSettings under Orvalle/Zorbax50.
#pragma once

#include <QSettings>

#include "config/settings_store.h"

namespace zx {

// The registry key Software\Orvalle\Zorbax50 on Windows; on Linux the file
// $XDG_CONFIG_HOME/Orvalle/Zorbax50.conf. Values are decimal text, and each
// write is synced at once (QSettings replaces the file atomically).
class QtSettingsStore final : public SettingsStore {
  public:
    QtSettingsStore();

    std::optional<std::string> readText(const std::string& name) const override;
    void writeText(const std::string& name, const std::string& text) override;

    // Where the values live, for messages and tests.
    QString location() const { return settings_.fileName(); }

  private:
    QSettings settings_;
};

}  // namespace zx
