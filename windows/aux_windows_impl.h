// The about box, key settings dialog and manual viewer as the device window opens them.
#pragma once

#include <QObject>

#include "app/aux_windows.h"

class QWidget;

namespace zx {

class TAboutForm;
class TKeysForm;
class TManualForm;

class AuxWindowsImpl final : public QObject, public AuxWindows {
  public:
    AuxWindowsImpl(TAboutForm& about, TKeysForm& keys, TManualForm& manual, QWidget& mainWindow);

    void openAbout() override;   // modeless
    void openManual() override;  // modeless
    // Centred and modeless; the device window takes no input until the dialog
    // closes, while its timers and a running game go on.
    void openKeySettings() override;

  protected:
    // When the about box or the manual closes while it has the keyboard, the
    // device window takes it back.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TAboutForm& about_;
    TKeysForm& keys_;
    TManualForm& manual_;
    QWidget& mainWindow_;
};

}  // namespace zx
