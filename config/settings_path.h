// Where the settings file of the current user lives on a POSIX desktop.
#pragma once

#include <string>

namespace zx {

// $XDG_CONFIG_HOME/Orvalle/Zorbax50.conf, or $HOME/.config/Orvalle/Zorbax50.conf
// when XDG_CONFIG_HOME is unset, empty or relative (the XDG rules ignore a
// relative value). A HOME that is unset, empty or relative gives way to
// passwdHome, the home folder of the user's account. Empty when there is no
// absolute folder to start from. Paths are bytes, whatever their encoding.
std::string userSettingsPath(const char* xdgConfigHome, const char* home, const char* passwdHome);

// The same from this process's environment and the account database.
std::string userSettingsPath();

}  // namespace zx
