// Opening the about box, manual viewer and key settings dialog.
#include "windows/aux_windows_impl.h"

#include <QApplication>
#include <QEvent>

#include "windows/about.h"
#include "windows/keys_form.h"
#include "windows/manual.h"
#include "windows/window_style.h"

namespace zx {

AuxWindowsImpl::AuxWindowsImpl(AboutMaker makeAbout, KeysMaker makeKeys, TManualForm& manual,
                               QWidget& mainWindow)
    : makeAbout_(std::move(makeAbout)),
      makeKeys_(std::move(makeKeys)),
      manual_(manual),
      mainWindow_(mainWindow) {
    manual_.installEventFilter(this);
}

AuxWindowsImpl::~AuxWindowsImpl() = default;

TAboutForm& AuxWindowsImpl::about() {
    if (!about_) {
        about_ = makeAbout_();
        about_->installEventFilter(this);
    }
    return *about_;
}

TKeysForm& AuxWindowsImpl::keys() {
    if (!keys_) keys_ = makeKeys_();
    return *keys_;
}

bool AuxWindowsImpl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched == QApplication::activeWindow() &&
        mainWindow_.isVisible())
        mainWindow_.activateWindow();
    return false;
}

void AuxWindowsImpl::openAbout() { about().open(); }

void AuxWindowsImpl::openManual() { manual_.open(); }

void AuxWindowsImpl::openKeySettings() {
    TKeysForm& dialog = keys();
    centreWindow(&dialog);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
    // The dialog enables the device window again when it closes.
    mainWindow_.setEnabled(false);
}

}  // namespace zx
