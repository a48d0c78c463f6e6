// The commands of the popup menu and the in-game menu.
#include "app/menu_commands.h"

#include <QApplication>
#include <QString>

#include "app/beeper.h"
#include "device/device.h"
#include "windows/aux_windows.h"
#include "windows/shell.h"

namespace zx {

struct MenuCommands::Entry {
    MenuCommand command;
    void (*run)(MenuCommands&);
};

void MenuCommands::run(MenuCommand c) {
    static constexpr Entry kTable[] = {
        {MenuCommand::About,
         [](MenuCommands& m) {
             if (m.aux_) m.aux_->openAbout();
         }},
        {MenuCommand::Readme, [](MenuCommands& m) { m.openWithShell("Readme.txt"); }},
        {MenuCommand::Whatsnew, [](MenuCommands& m) { m.openWithShell("Whatsnew.txt"); }},
        {MenuCommand::Manual,
         [](MenuCommands& m) {
             if (m.aux_) m.aux_->openManual();
         }},
        {MenuCommand::Config, [](MenuCommands& m) { m.openWithShell("Config.ini"); }},
        {MenuCommand::Keys,
         [](MenuCommands& m) {
             if (m.aux_) m.aux_->openKeySettings();
         }},
        {MenuCommand::Hiscore, [](MenuCommands& m) { m.resetHiScores(); }},
        {MenuCommand::Fullscreen, [](MenuCommands& m) { m.window_.toggleFullscreen(); }},
        {MenuCommand::Splashscreen, [](MenuCommands& m) { m.window_.toggleSplashscreen(); }},
        {MenuCommand::Exit, [](MenuCommands& m) { m.window_.terminate(); }},
    };
    for (const Entry& e : kTable)
        if (e.command == c) return e.run(*this);
}

void MenuCommands::openWithShell(const char* fileName) {
    // The bare name, resolved against the current directory; failures are silent.
    if (shell_) shell_->open(QString::fromLatin1(fileName));
}

void MenuCommands::resetHiScores() {
    device_.resetHiScores();
    // The digits on the face stay until the face is next built.
    if (beeper_)
        beeper_->beep();
    else
        QApplication::beep();
}

}  // namespace zx
