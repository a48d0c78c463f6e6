// The settings file's path from the environment, as the XDG rules give it.
#include "config/settings_path.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace zx {

namespace {

bool isAbsolute(const char* path) { return path && path[0] == '/'; }

constexpr const char* kFile = "/Orvalle/Zorbax50.conf";

}  // namespace

std::string userSettingsPath(const char* xdgConfigHome, const char* home, const char* passwdHome) {
    if (isAbsolute(xdgConfigHome)) return std::string(xdgConfigHome) + kFile;
    if (isAbsolute(home)) return std::string(home) + "/.config" + kFile;
    if (isAbsolute(passwdHome)) return std::string(passwdHome) + "/.config" + kFile;
    return {};
}

std::string userSettingsPath() {
    std::string passwdHome;
    const char* home = std::getenv("HOME");
    if (!isAbsolute(home)) {
        std::vector<char> buffer(16384);
        struct passwd entry {};
        struct passwd* found = nullptr;
        if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
            found->pw_dir)
            passwdHome = found->pw_dir;
    }
    return userSettingsPath(std::getenv("XDG_CONFIG_HOME"), home, passwdHome.c_str());
}

}  // namespace zx
