// Tells the player, once per run, that the settings could not be saved.
#pragma once

#include <QObject>
#include <QString>

#include "config/settings_store.h"
#include "windows/dialogs.h"

namespace zx {

// The words of the box: which file, why, and that the game goes on.
QString settingsNotSavedText(const SettingsWriteFailure& failure);

// Listens to the store's failed writes while it exists. The first failure
// of the run is shown in a box once the handler that wrote has returned
// (a write may come from a timer or a key); later failures are not shown.
class SettingsNotice final : public QObject {
  public:
    SettingsNotice(SettingsStore& store, Dialogs& dialogs);
    ~SettingsNotice() override;
    SettingsNotice(const SettingsNotice&) = delete;
    SettingsNotice& operator=(const SettingsNotice&) = delete;

  private:
    SettingsStore& store_;
    Dialogs& dialogs_;
    bool told_ = false;
};

}  // namespace zx
