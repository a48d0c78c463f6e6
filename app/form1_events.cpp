// The device window's events, forwarded to its input and menus, and the
// switch between windowed and full-screen presentation.
#include <QAction>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "app/form1.h"
#include "app/window_system.h"

namespace zx {

bool TForm1::event(QEvent* e) {
    if (e->type() == QEvent::WindowBlocked) {
        // A modal window took the pointer and the keyboard.
        input_.releasePointer();
        input_.releaseHeldInput();
    }
    if (e->type() == QEvent::ToolTip) {
        input_.showHint(*static_cast<QHelpEvent*>(e));
        return true;
    }
    // On a screen of another pixel ratio the shape is worked out anew.
    if (e->type() == QEvent::ScreenChangeInternal && device_.face().look().colourKeyOn &&
        devicePixelRatio() != shapeRatio_)
        applyShape();
    return QWidget::event(e);
}

void TForm1::keyPressEvent(QKeyEvent* event) { input_.keyPress(*event); }
void TForm1::keyReleaseEvent(QKeyEvent* event) { input_.keyRelease(*event); }
void TForm1::mousePressEvent(QMouseEvent* event) { input_.mousePress(*event); }
void TForm1::mouseMoveEvent(QMouseEvent* event) { input_.mouseMove(*event); }
void TForm1::mouseReleaseEvent(QMouseEvent* event) { input_.mouseRelease(*event); }

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    // The menu takes the pointer and the keyboard: their releases go to it.
    input_.releasePointer();
    input_.releaseHeldInput();
    menus_.popupAt(event->globalPos());
    event->accept();
}

void TForm1::pm_0_menuPopup() {
    launch_.refreshSplashTick();
    if (FullscreenMode) menus_.closeGameMenu();
}

void TForm1::pm_10_fullscreenClick() {
    FullscreenMode = !FullscreenMode;
    menuItem(MenuCommand::Fullscreen)->setChecked(FullscreenMode);
    menus_.closeGameMenu();
    deps_.settings.WriteBool("FullscreenMode", FullscreenMode);
    // The window leaves full screen before the skin shrinks it, and enters
    // it after the skin has sized it to the screen and it stands centred:
    // window managers give full screen only to a window that may take the
    // screen's size, and some take it back when a full-screen window moves.
    const bool shown = isVisible();
    if (!FullscreenMode && shown) leaveFullScreen();
    LoadSkinAndApply();
    centreOnScreen();
    if (shown) {
        showPresentation();
        activateWindow();
    }
    // The device itself (mode, game, timers, lit segments) is left as it is.
}

void TForm1::leaveFullScreen() {
    // Where the compositor places windows it would leave the device where
    // full screen began, in a corner: shown anew, it is placed as a new
    // window (centred, by most compositors).
    if (programPlacesWindows()) {
        showNormal();
        return;
    }
    hide();
    // Told while hidden: a resize of a hidden window forgets the state in
    // the widget but not in its native window, which would come back full.
    setWindowState(Qt::WindowNoState);
}

}  // namespace zx
