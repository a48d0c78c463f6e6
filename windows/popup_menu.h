// The device window's popup menu pm_0_menu: its 13 items, shortcuts and check marks.
#pragma once

#include <QMenu>
#include <array>
#include <functional>

namespace zx {

enum class MenuCommand {
    None,  // a separator
    About,
    Readme,
    Whatsnew,
    Manual,
    Config,
    Keys,
    Hiscore,
    Fullscreen,
    Splashscreen,
    Exit,
};

struct MenuItemDef {
    const char* name;     // the item's object name
    const char* caption;  // "-" for a separator
    int key;              // Qt::Key of the shortcut, 0 for none
    MenuCommand command;
};

inline constexpr int kPopupItemCount = 13;
extern const std::array<MenuItemDef, kPopupItemCount> kPopupItems;

class PopupMenu {
  public:
    // Builds the menu as a child of the window. Every item is also added to
    // the window, so its shortcut works while the menu is closed and takes
    // the key before the window's own key handlers.
    PopupMenu(QWidget* window, std::function<void(MenuCommand)> run);

    QMenu* pm_0_menu = nullptr;
    // The 13 items in menu order, separators included.
    const std::array<QAction*, kPopupItemCount>& PopupItems() const { return items_; }
    QAction* item(MenuCommand c) const;

  private:
    std::array<QAction*, kPopupItemCount> items_{};
};

}  // namespace zx
