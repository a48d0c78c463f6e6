// The real program started from another folder, with folder names that are
// not valid UTF-8 and a relative XDG_CONFIG_HOME: it finds its Config.ini and
// writes its settings where the XDG rules put them.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "config/file_settings_store.h"

extern char** environ;

namespace zx {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Starts the program in a folder with the environment changed as given
// (an empty value removes the variable).
pid_t start(const fs::path& program, const fs::path& folder,
            const std::vector<std::pair<std::string, std::string>>& changes) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        const std::string name = entry.substr(0, entry.find('='));
        bool changed = false;
        for (const auto& c : changes) changed |= c.first == name;
        if (!changed) env.push_back(entry);
    }
    for (const auto& [name, value] : changes)
        if (!value.empty()) env.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        if (::chdir(folder.c_str()) != 0) ::_exit(127);
        char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
        ::execve(program.c_str(), argv, envp.data());
        ::_exit(127);
    }
    return pid;
}

void stop(pid_t pid) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

// The seven keys are written back while the device window is created, after
// its skin: a start that shows "Config.ini not found" stops before them.
bool keysWritten(const fs::path& conf, int ms) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < until) {
        if (parseSettingsText(readAll(conf)).count("Key7")) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

TEST(ProgramPlace, FindsItsFilesAndItsSettingsWhateverTheFolderNames) {
    const struct {
        const char* what;
        std::string programFolder;  // under the temporary folder
        std::string home;           // likewise
        std::string xdg;            // absolute when it starts with '@' (the temporary folder)
        std::string conf;           // where the settings file must appear
    } cases[] = {
        {"relative XDG_CONFIG_HOME", "program", "home", "cfg",
         "home/.config/Orvalle/Zorbax50.conf"},
        {"program folder not UTF-8",
         "zorb\xFF\xFE"
         "anix",
         "home", "@/cfg", "cfg/Orvalle/Zorbax50.conf"},
        {"home folder not UTF-8", "program",
         "h\xFF"
         "me",
         "",
         "h\xFF"
         "me/.config/Orvalle/Zorbax50.conf"},
    };
    for (const auto& c : cases) {
        char pattern[] = "/tmp/zx-place-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        const fs::path root(pattern);
        const fs::path program = root / c.programFolder;
        fs::create_directories(program);
        fs::create_directories(root / c.home);
        fs::create_directories(root / "elsewhere");
        fs::copy_file(ZX_PROGRAM, program / "zorbanix");
        std::ofstream(program / "Config.ini") << "[Common]\nGameWidth=100\nGameHeight=80\n";
        const std::string xdg = c.xdg.starts_with('@') ? root.string() + c.xdg.substr(1) : c.xdg;

        const pid_t pid = start(program / "zorbanix", root / "elsewhere",
                                {{"QT_QPA_PLATFORM", "offscreen"},
                                 {"SDL_AUDIODRIVER", "dummy"},
                                 {"HOME", (root / c.home).string()},
                                 {"XDG_CONFIG_HOME", xdg}});
        ASSERT_GT(pid, 0);
        EXPECT_TRUE(keysWritten(root / c.conf, 15000))
            << c.what << ": no keys in " << (root / c.conf);
        stop(pid);
        EXPECT_FALSE(fs::exists(program / "cfg")) << c.what;
        EXPECT_FALSE(fs::exists(root / "elsewhere" / "cfg")) << c.what;
        fs::remove_all(root);
    }
}

}  // namespace
}  // namespace zx
