// Opening the about box, manual viewer and key settings dialog.
#include "windows/aux_windows_impl.h"

#include <QApplication>
#include <QEvent>

#include "input/keys_form.h"
#include "windows/about.h"
#include "windows/manual.h"
#include "windows/window_style.h"

namespace zx {

AuxWindowsImpl::AuxWindowsImpl(TAboutForm& about, TKeysForm& keys, TManualForm& manual,
                               QWidget& mainWindow)
    : about_(about), keys_(keys), manual_(manual), mainWindow_(mainWindow) {
    about_.installEventFilter(this);
    manual_.installEventFilter(this);
}

bool AuxWindowsImpl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched == QApplication::activeWindow() &&
        mainWindow_.isVisible())
        mainWindow_.activateWindow();
    return false;
}

void AuxWindowsImpl::openAbout() { about_.open(); }

void AuxWindowsImpl::openManual() { manual_.open(); }

void AuxWindowsImpl::openKeySettings() {
    centreWindow(&keys_);
    keys_.show();
    keys_.raise();
    keys_.activateWindow();
    // The dialog enables the device window again when it closes.
    mainWindow_.setEnabled(false);
}

}  // namespace zx
