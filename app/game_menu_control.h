// The device window's two menus: the popup menu (its items double as the
// window's shortcuts) and the in-game menu that opens from the button at the
// window's top-left corner in full-screen mode.
#pragma once

#include <QPoint>
#include <functional>
#include <memory>

#include "windows/game_menu.h"
#include "windows/popup_menu.h"

class QAction;
class QMenu;
class QWidget;

namespace zx {

class Device;

class GameMenuControl {
  public:
    GameMenuControl(Device& device, QWidget& window, std::function<void(MenuCommand)> run);
    ~GameMenuControl();

    QMenu* pm_0_menu() const { return popup_->pm_0_menu; }
    QAction* menuItem(MenuCommand c) const { return popup_->item(c); }
    void popupAt(QPoint globalPos);

    bool isOpen() const { return GameMenuOpen; }
    const GameMenu& gameMenu() const { return gameMenu_; }
    void btn_game_menu_topClick();
    // Closes the in-game menu if it is open.
    void closeGameMenu();
    // Forgets the in-game menu's state when the window is created.
    void forget() { GameMenuOpen = false; }
    // Builds or removes the in-game menu after GameMenuOpen.
    void Vid_Display_Game_Menu();

  private:
    Device& device_;
    QWidget& window_;
    std::unique_ptr<PopupMenu> popup_;
    GameMenu gameMenu_;
    bool GameMenuOpen = false;
};

}  // namespace zx
