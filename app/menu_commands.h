// The commands of the popup menu and the in-game menu, in one table: what
// each opens or asks of the device and the device window.
#pragma once

#include "windows/popup_menu.h"

namespace zx {

class AuxWindows;
class Beeper;
class Device;
class Shell;

// What only the device window can do for a command.
class CommandWindow {
  public:
    virtual ~CommandWindow() = default;
    virtual void toggleFullscreen() = 0;
    virtual void toggleSplashscreen() = 0;
    virtual void terminate() = 0;
};

class MenuCommands {
  public:
    MenuCommands(Device& device, CommandWindow& window) : device_(device), window_(window) {}

    // Where the commands lead: the about box, manual and key settings; the
    // shell's "open"; the system beep (QApplication::beep when none is set).
    void setAuxWindows(AuxWindows* w) { aux_ = w; }
    void setShell(Shell* s) { shell_ = s; }
    void setBeeper(Beeper* b) { beeper_ = b; }

    void run(MenuCommand c);

  private:
    struct Entry;
    void openWithShell(const char* fileName);
    void resetHiScores();

    Device& device_;
    CommandWindow& window_;
    AuxWindows* aux_ = nullptr;
    Shell* shell_ = nullptr;
    Beeper* beeper_ = nullptr;
};

}  // namespace zx
