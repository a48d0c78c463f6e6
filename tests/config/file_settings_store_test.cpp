// The settings file itself: marks, links, high scores of two programs, and
// writes that cannot reach the disk.
#include "config/file_settings_store.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "config/settings_path.h"
#include "picture_files.h"

namespace zx {
namespace {

namespace fs = std::filesystem;

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Names in a folder other than the given ones (temporary files left behind).
std::vector<std::string> strangers(const std::string& dir, std::vector<std::string> known) {
    std::vector<std::string> found;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (std::find(known.begin(), known.end(), name) == known.end()) found.push_back(name);
    }
    return found;
}

class SettingsFile : public ::testing::Test {
  protected:
    std::string conf() const { return dir.path() + "/config/Orvalle/Zorbax50.conf"; }
    std::string confDir() const { return dir.path() + "/config/Orvalle"; }
    void writeConf(const std::string& text) const {
        dir.write("config/Orvalle/Zorbax50.conf", text);
    }
    // A store that records what it reports.
    std::unique_ptr<FileSettingsStore> open(const std::string& path) {
        auto store = std::make_unique<FileSettingsStore>(path);
        store->onWriteFailure([this](const SettingsWriteFailure& f) { failures.push_back(f); });
        return store;
    }

    test::TempDir dir;
    std::vector<SettingsWriteFailure> failures;
};

TEST_F(SettingsFile, ReadsAFileThatStartsWithAByteOrderMark) {
    writeConf("\xEF\xBB\xBF[General]\nHiScore1=120\nSplashScreen=0\n");
    auto store = open(conf());
    EXPECT_EQ(store->ReadInteger("HiScore1", 0), 120);
    EXPECT_FALSE(store->ReadBool("SplashScreen", true));
    store->WriteInteger("Key1", 2);
    EXPECT_EQ(readAll(conf()), "\xEF\xBB\xBF[General]\nHiScore1=120\nSplashScreen=0\nKey1=2\n");
}

// Another program on the same account writes its high score while this one
// runs: the larger of the stored and the new score stays.
TEST_F(SettingsFile, AHighScoreWriteKeepsTheLargerScore) {
    const struct {
        const char* what;
        const char* storedMeanwhile;  // nullptr: nothing
        int result;                   // of writing 30, also in memory and on disk
        bool replaced;                // the file was written
    } cases[] = {
        {"a larger score", "140", 140, false}, {"a smaller score", "20", 30, true},
        {"the same score", "30", 30, false},   {"no score", nullptr, 30, true},
        {"a broken value", "abc", 30, true},   {"a negative one", "-9", 30, true},
    };
    for (const auto& c : cases) {
        writeConf("[General]\nHiScore1=0\nKey1=2\n");
        auto mine = open(conf());
        auto other = open(conf());
        if (c.storedMeanwhile) other->writeText("HiScore1", c.storedMeanwhile);
        struct stat before {
        }, after{};
        ::stat(conf().c_str(), &before);
        EXPECT_EQ(mine->WriteLargerInteger("HiScore1", 30), c.result) << c.what;
        const std::string stored = std::to_string(c.result);
        EXPECT_EQ(parseSettingsText(readAll(conf())).at("HiScore1"), stored) << c.what;
        EXPECT_EQ(mine->readText("HiScore1"), stored) << c.what;
        ::stat(conf().c_str(), &after);
        EXPECT_EQ(before.st_ino != after.st_ino, c.replaced) << c.what;
    }
    EXPECT_TRUE(failures.empty());
}

// "Reset Hiscores" writes 0 even when this program remembers 0 already and
// another one has stored a score since.
TEST_F(SettingsFile, AResetReachesTheDiskWhateverThisProgramRemembers) {
    writeConf("[General]\nHiScore1=0\n");
    auto mine = open(conf());
    open(conf())->WriteInteger("HiScore1", 140);
    mine->WriteInteger("HiScore1", 0);
    EXPECT_EQ(parseSettingsText(readAll(conf())).at("HiScore1"), "0");
}

// A settings file that is a symbolic link (into a folder of dotfiles, say)
// stays a link, and the file it leads to gets the values.
TEST_F(SettingsFile, ALinkStaysALinkAndItsTargetIsWritten) {
    const struct {
        const char* what;
        std::vector<std::pair<std::string, std::string>> links;  // link -> target, in order
        bool targetExists;
    } cases[] = {
        {"absolute link", {{"config/Orvalle/Zorbax50.conf", "@/dots/z.conf"}}, true},
        {"relative link", {{"config/Orvalle/Zorbax50.conf", "../../dots/z.conf"}}, true},
        {"chain of links",
         {{"config/Orvalle/Zorbax50.conf", "../../dots/middle"}, {"dots/middle", "z.conf"}},
         true},
        {"link to a file still to come",
         {{"config/Orvalle/Zorbax50.conf", "@/dots/z.conf"}},
         false},
    };
    for (const auto& c : cases) {
        fs::remove_all(dir.path() + "/config");
        fs::remove_all(dir.path() + "/dots");
        fs::create_directories(confDir());
        fs::create_directories(dir.path() + "/dots");
        if (c.targetExists) dir.write("dots/z.conf", "[General]\nHiScore1=5\n");
        for (const auto& [link, target] : c.links) {
            const std::string to = target[0] == '@' ? dir.path() + target.substr(1) : target;
            fs::create_symlink(to, dir.path() + "/" + link);
        }
        auto store = open(conf());
        EXPECT_EQ(store->ReadInteger("HiScore1", 0), c.targetExists ? 5 : 0) << c.what;
        store->WriteIntegers({{"Key1", 2}, {"Key2", 3}});
        EXPECT_TRUE(fs::is_symlink(conf())) << c.what << ": the link was replaced";
        const auto values = parseSettingsText(readAll(dir.path() + "/dots/z.conf"));
        EXPECT_EQ(values.count("HiScore1"), c.targetExists ? 1u : 0u) << c.what;
        EXPECT_EQ(values.count("Key2"), 1u) << c.what;
        EXPECT_EQ(strangers(confDir(), {"Zorbax50.conf"}), std::vector<std::string>()) << c.what;
        EXPECT_EQ(strangers(dir.path() + "/dots", {"z.conf", "middle"}), std::vector<std::string>())
            << c.what;
    }
    EXPECT_TRUE(failures.empty());
}

// Writes that cannot be made: the file on disk stays as it was, the values
// stay in memory, and every failure is reported with the file and a reason.
TEST_F(SettingsFile, AWriteThatFailsLeavesTheFileAndSaysWhy) {
    const struct {
        const char* what;
        std::function<std::string()> setUp;  // returns the store's path
        const char* reason;                  // nullptr: any
    } cases[] = {
        {"a directory in the file's place",
         [&] {
             fs::create_directories(conf());
             return conf();
         },
         "Is a directory"},
        {"a folder that is a file",
         [&] {
             dir.write("config/Orvalle", "not a folder");
             return conf();
         },
         nullptr},
        {"a link that leads to a missing folder",
         [&] {
             fs::create_directories(confDir());
             fs::create_symlink(dir.path() + "/nowhere/z.conf", conf());
             return conf();
         },
         "No such file or directory"},
        {"links in a circle",
         [&] {
             fs::create_directories(confDir());
             fs::create_symlink("Zorbax50.conf", confDir() + "/other");
             fs::create_symlink("other", conf());
             return conf();
         },
         "Too many levels of symbolic links"},
        {"no home folder", [] { return std::string(); }, nullptr},
    };
    for (const auto& c : cases) {
        fs::remove_all(dir.path() + "/config");
        failures.clear();
        const std::string path = c.setUp();
        auto store = open(path);
        store->WriteInteger("HiScore1", 1200);
        store->WriteInteger("Key1", 2);
        ASSERT_EQ(failures.size(), 2u) << c.what;
        EXPECT_EQ(failures[0].file.empty(), path.empty()) << c.what;
        if (!path.empty() && fs::is_symlink(path))
            EXPECT_NE(failures[0].file.find(dir.path()), std::string::npos) << c.what;
        else
            EXPECT_EQ(failures[0].file, path) << c.what;
        EXPECT_FALSE(failures[0].reason.empty()) << c.what;
        if (c.reason) {
            EXPECT_EQ(failures[0].reason, c.reason) << c.what;
        }
        EXPECT_EQ(store->ReadInteger("HiScore1", 0), 1200) << c.what;
        EXPECT_EQ(store->ReadInteger("Key1", 0), 2) << c.what;
    }
}

// A full disk, as far as this process is concerned: a file size limit that
// even root obeys. The old file stays whole; once the disk has room again
// the next write saves what was lost too.
TEST_F(SettingsFile, AFullDiskLeavesTheOldFileAndTheNextWriteCatchesUp) {
    const std::string old = "[General]\nHiScore1=4321\nKey1=2\n";
    writeConf(old);
    auto store = open(conf());
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldSignal = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = saved;
    tiny.rlim_cur = 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    store->WriteInteger("HiScore1", 5000);
    store->WriteBool("SplashScreen", false);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldSignal);

    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(failures[0].file, conf());
    EXPECT_EQ(failures[0].reason, "File too large");
    EXPECT_EQ(readAll(conf()), old);
    EXPECT_EQ(strangers(confDir(), {"Zorbax50.conf"}), std::vector<std::string>());
    EXPECT_EQ(store->ReadInteger("HiScore1", 0), 5000);

    store->WriteInteger("Key2", 3);
    EXPECT_EQ(failures.size(), 2u);
    const auto values = parseSettingsText(readAll(conf()));
    EXPECT_EQ(values.at("HiScore1"), "5000");
    EXPECT_EQ(values.at("SplashScreen"), "0");
    EXPECT_EQ(values.at("Key2"), "3");
}

TEST(SettingsPath, FollowsTheXdgRules) {
    const struct {
        const char *xdg, *home, *passwd;
        std::string path;
    } cases[] = {
        {"/x", "/h", "/p", "/x/Orvalle/Zorbax50.conf"},
        {"cfg", "/h", "/p", "/h/.config/Orvalle/Zorbax50.conf"},
        {"./cfg", "/h", "/p", "/h/.config/Orvalle/Zorbax50.conf"},
        {"", "/h", "/p", "/h/.config/Orvalle/Zorbax50.conf"},
        {nullptr, "/h", "/p", "/h/.config/Orvalle/Zorbax50.conf"},
        {nullptr, "", "/p", "/p/.config/Orvalle/Zorbax50.conf"},
        {"cfg", "home", "/p", "/p/.config/Orvalle/Zorbax50.conf"},
        {nullptr, nullptr, "", ""},
        {"cfg", "home", "p", ""},
        {"/x\xFF\xFE", "/h", "/p", "/x\xFF\xFE/Orvalle/Zorbax50.conf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(userSettingsPath(c.xdg, c.home, c.passwd), c.path)
            << (c.xdg ? c.xdg : "(unset)") << " " << (c.home ? c.home : "(unset)");
}

}  // namespace
}  // namespace zx
