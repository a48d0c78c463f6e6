// The settings store of the desktop: the registry on Windows, a file elsewhere.
#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>

#include "config/settings_store.h"

namespace zx {

// The registry key Software\Orvalle\Zorbax50 on Windows (and the native store
// on macOS), through QSettings; on Linux the file
// $XDG_CONFIG_HOME/Orvalle/Zorbax50.conf (see userSettingsPath), a [General]
// section of decimal texts, written by FileSettingsStore. Each write is
// durable at once; a write that fails goes to the failure handler.
class QtSettingsStore final : public SettingsStore {
  public:
    QtSettingsStore();
    ~QtSettingsStore() override;

    std::optional<std::string> readText(const std::string& name) const override;
    void writeText(const std::string& name, const std::string& text) override;
    void writeTexts(const Values& values) override;
    int WriteLargerInteger(const std::string& name, int value) override;

    // Where the values live, for messages and tests.
    QString location() const { return location_; }

  private:
    QString location_;
    std::unique_ptr<SettingsStore> store_;
};

}  // namespace zx
