// The about box, key settings dialog and manual viewer as the device window opens them.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "windows/aux_windows.h"

class QWidget;

namespace zx {

class TAboutForm;
class TKeysForm;
class TManualForm;

// The about box and the key settings dialog are built the first time they
// open and then live until the end: most runs never open them, and their
// widgets and fonts would cost every start-up.
class AuxWindowsImpl final : public QObject, public AuxWindows {
  public:
    using AboutMaker = std::function<std::unique_ptr<TAboutForm>()>;
    using KeysMaker = std::function<std::unique_ptr<TKeysForm>()>;

    AuxWindowsImpl(AboutMaker makeAbout, KeysMaker makeKeys, TManualForm& manual,
                   QWidget& mainWindow);
    ~AuxWindowsImpl() override;

    TAboutForm& about();
    TKeysForm& keys();

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
    AboutMaker makeAbout_;
    KeysMaker makeKeys_;
    std::unique_ptr<TAboutForm> about_;
    std::unique_ptr<TKeysForm> keys_;
    TManualForm& manual_;
    QWidget& mainWindow_;
};

}  // namespace zx
