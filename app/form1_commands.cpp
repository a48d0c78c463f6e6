// The device window's side of the menus: the popup menu's opening, the in-game
// menu, and the switch between windowed and full-screen presentation.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>

#include "app/form1.h"
#include "app/window_system.h"
#include "input/button_dispatch.h"

namespace zx {

void TForm1::createMenus() {
    popup_ = std::make_unique<PopupMenu>(this, [this](MenuCommand c) { runCommand(c); });
    connect(popup_->pm_0_menu, &QMenu::aboutToShow, this, &TForm1::pm_0_menuPopup);
    // Both menu images sit at the window's top-left corner; LoadSkin shows
    // them in full-screen mode only.
    const Rect closed{0, 0, kGameMenuClosedWidth, kGameMenuClosedHeight};
    device_.setControlRect(Ctl::btn_game_menu_top, closed);
    device_.setControlRect(Ctl::btn_game_menu_background, closed);
}

QAction* TForm1::menuItem(MenuCommand c) const { return popup_->item(c); }

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    // The menu takes the pointer and the keyboard: their releases go to it.
    releasePointer();
    releaseHeldInput();
    popup_->pm_0_menu->popup(event->globalPos());
    event->accept();
}

void TForm1::pm_0_menuPopup() {
    bool boxTicked = splashScreenTick_;
    if (auto* splash = qobject_cast<TSplashForm*>(splashForm_))
        boxTicked = splash->splashBoxTicked().value_or(boxTicked);
    setSplashScreenTick(deps_.settings.ReadBool("SplashScreen", boxTicked));
    if (FullscreenMode && GameMenuOpen) {
        GameMenuOpen = false;
        Vid_Display_Game_Menu();
    }
}

void TForm1::setSplashScreenTick(bool on) {
    splashScreenTick_ = on;
    menuItem(MenuCommand::Splashscreen)->setChecked(on);
}

void TForm1::pm_10_fullscreenClick() {
    FullscreenMode = !FullscreenMode;
    menuItem(MenuCommand::Fullscreen)->setChecked(FullscreenMode);
    if (GameMenuOpen) {
        GameMenuOpen = false;
        Vid_Display_Game_Menu();
    }
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

void TForm1::pm_11_splashscreenClick() {
    setSplashScreenTick(!splashScreenTick_);
    deps_.settings.WriteBool("SplashScreen", splashScreenTick_);
}

void TForm1::btn_game_menu_topClick() {
    GameMenuOpen = !GameMenuOpen;
    Vid_Display_Game_Menu();
}

void TForm1::Vid_Display_Game_Menu() {
    Rect r = device_.face()[Ctl::btn_game_menu_background].rect;
    if (GameMenuOpen) {
        gameMenu_.open(this, popup_->PopupItems(), [this] {
            GameMenuOpen = false;
            Vid_Display_Game_Menu();
        });
        r.w = kGameMenuOpenWidth;
        r.h = kGameMenuOpenHeight;
    } else {
        if (!gameMenu_.hasLabels()) return;  // already closed
        gameMenu_.close();
        r.w = kGameMenuClosedWidth;
        r.h = kGameMenuClosedHeight;
    }
    device_.setControlRect(Ctl::btn_game_menu_background, r);
}

void TForm1::releaseHeldInput() {
    // A release that goes to another window must not leave a device button down.
    host_.sync();
    for (std::uint16_t vk : input_.takeHeldKeys()) FormKeyUp(device_, keyMap_.KeyBindings, vk);
    const auto held = input_.held();
    if (held && (QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        buttonImageMouseUp(device_, *held, MouseButton::Left);
    }
    input_.forgetHeld();
}

void TForm1::releasePointer() {
    const auto held = input_.held();
    if (!held) return;
    const Ctl c = *held;
    input_.forgetHeld();
    host_.sync();
    buttonImageMouseUp(device_, c, MouseButton::Left);
}

}  // namespace zx
