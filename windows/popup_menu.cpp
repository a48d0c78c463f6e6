// The items of the popup menu and their shortcuts.
#include "windows/popup_menu.h"

#include <QAction>

namespace zx {

// clang-format off
const std::array<MenuItemDef, kPopupItemCount> kPopupItems = {{
    {"pm_1_about",         "About...",                         Qt::Key_F1,     MenuCommand::About},
    {"pm_2_readme",        "View 'Readme.txt'",                Qt::Key_F2,     MenuCommand::Readme},
    {"pm_3_whatsnew",      "View 'Whatsnew.txt'",              Qt::Key_F3,     MenuCommand::Whatsnew},
    {"pm_4_manual",        "View manual",                      Qt::Key_F4,     MenuCommand::Manual},
    {"pm_5_n1",            "-",                                0,              MenuCommand::None},
    {"pm_6_config",        "Edit configuration file",          0,              MenuCommand::Config},
    {"pm_7_keys",          "Key settings",                     0,              MenuCommand::Keys},
    {"pm_8_hiscore",       "Reset Hiscores",                   0,              MenuCommand::Hiscore},
    {"pm_9_n2",            "-",                                0,              MenuCommand::None},
    {"pm_10_fullscreen",   "Display in fullscreen mode",       Qt::Key_F12,    MenuCommand::Fullscreen},
    {"pm_11_splashscreen", "Display splash screen at startup", 0,              MenuCommand::Splashscreen},
    {"pm_13_n3",           "-",                                0,              MenuCommand::None},
    {"pm_14_exit",         "Exit",                             Qt::Key_Escape, MenuCommand::Exit},
}};
// clang-format on

PopupMenu::PopupMenu(QWidget* window, std::function<void(MenuCommand)> run)
    : pm_0_menu(new QMenu(window)) {
    pm_0_menu->setObjectName(QStringLiteral("pm_0_menu"));
    for (int i = 0; i < kPopupItemCount; ++i) {
        const MenuItemDef& def = kPopupItems[std::size_t(i)];
        auto* action = new QAction(QString::fromLatin1(def.caption), pm_0_menu);
        action->setObjectName(QString::fromLatin1(def.name));
        if (def.command == MenuCommand::None) {
            action->setSeparator(true);
            action->setText(QString());  // a style would draw the "-" beside the line
        } else {
            // The check marks are set by the command handlers, so a trigger
            // never toggles them by itself.
            const bool checkable =
                def.command == MenuCommand::Fullscreen || def.command == MenuCommand::Splashscreen;
            action->setCheckable(checkable);
            if (def.key) action->setShortcut(QKeySequence(def.key));
            action->setShortcutContext(Qt::WindowShortcut);
            QObject::connect(action, &QAction::triggered, window, [action, run, def](bool) {
                // Undo Qt's own toggle: the handler decides the mark.
                if (action->isCheckable()) action->setChecked(!action->isChecked());
                run(def.command);
            });
            window->addAction(action);
        }
        pm_0_menu->addAction(action);
        items_[std::size_t(i)] = action;
    }
    QAction* about = item(MenuCommand::About);
    pm_0_menu->setDefaultAction(about);
    QFont bold = about->font();
    bold.setBold(true);
    about->setFont(bold);
}

QAction* PopupMenu::item(MenuCommand c) const {
    for (int i = 0; i < kPopupItemCount; ++i)
        if (kPopupItems[std::size_t(i)].command == c) return items_[std::size_t(i)];
    return nullptr;
}

}  // namespace zx
