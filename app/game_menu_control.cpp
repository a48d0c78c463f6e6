// The popup menu's opening and the in-game menu of the device window.
#include "app/game_menu_control.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "device/device.h"

namespace zx {

GameMenuControl::GameMenuControl(Device& device, QWidget& window,
                                 std::function<void(MenuCommand)> run)
    : device_(device),
      window_(window),
      popup_(std::make_unique<PopupMenu>(&window, std::move(run))) {
    // Both menu images sit at the window's top-left corner; LoadSkin shows
    // them in full-screen mode only.
    const Rect closed{0, 0, kGameMenuClosedWidth, kGameMenuClosedHeight};
    device_.setControlRect(Ctl::btn_game_menu_top, closed);
    device_.setControlRect(Ctl::btn_game_menu_background, closed);
}

GameMenuControl::~GameMenuControl() = default;

void GameMenuControl::popupAt(QPoint globalPos) { popup_->pm_0_menu->popup(globalPos); }

void GameMenuControl::btn_game_menu_topClick() {
    GameMenuOpen = !GameMenuOpen;
    Vid_Display_Game_Menu();
}

void GameMenuControl::closeGameMenu() {
    if (!GameMenuOpen) return;
    GameMenuOpen = false;
    Vid_Display_Game_Menu();
}

void GameMenuControl::Vid_Display_Game_Menu() {
    Rect r = device_.face()[Ctl::btn_game_menu_background].rect;
    if (GameMenuOpen) {
        gameMenu_.open(&window_, popup_->PopupItems(), [this] {
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

}  // namespace zx
