// The desktop's settings store under a temporary XDG_CONFIG_HOME.
#include "config/qt/qt_settings_store.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <chrono>
#include <cstdio>
#include <future>
#include <thread>

#include "picture_files.h"

namespace zx {
namespace {

class QtSettingsStoreTest : public ::testing::Test {
  protected:
    // Set before anything in the process resolves the user's folders.
    static void SetUpTestSuite() {
        home = new test::TempDir;
        setenv("XDG_CONFIG_HOME", home->path().c_str(), 1);
    }
    static void TearDownTestSuite() {
        delete home;
        home = nullptr;
    }
    static std::string confPath() { return home->path() + "/Orvalle/Zorbax50.conf"; }
    static QByteArray confText() {
        QFile f(QString::fromStdString(confPath()));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void removeConf() {
        QDir(QString::fromStdString(home->path() + "/Orvalle")).removeRecursively();
    }

    static test::TempDir* home;
};

test::TempDir* QtSettingsStoreTest::home = nullptr;

TEST_F(QtSettingsStoreTest, LivesInTheUserConfigFolderAsDecimalText) {
    QtSettingsStore store;
    EXPECT_EQ(store.location().toStdString(), confPath());
    store.WriteInteger("HiScore1", 1200);
    store.WriteInteger("SoundMode", -1);
    store.WriteBool("SplashScreen", false);

    // Synced at once: the file holds the text without the store being closed.
    QFile f(QString::fromStdString(confPath()));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    EXPECT_TRUE(text.contains("HiScore1=1200")) << text.toStdString();
    EXPECT_TRUE(text.contains("SoundMode=-1")) << text.toStdString();
    EXPECT_TRUE(text.contains("SplashScreen=0")) << text.toStdString();

    QtSettingsStore again;
    EXPECT_EQ(again.readText("HiScore1"), "1200");
    EXPECT_EQ(again.ReadInteger("SoundMode", 5), -1);
    EXPECT_FALSE(again.ReadBool("SplashScreen", true));
    EXPECT_EQ(again.readText("Key1"), std::nullopt);
    EXPECT_EQ(again.ReadInteger("Key1", 2), 2);
}

TEST_F(QtSettingsStoreTest, TextsThatAreNotIntegersReadAsDefaults) {
    QtSettingsStore store;
    store.writeText("FullscreenMode", "5");
    EXPECT_TRUE(QtSettingsStore().ReadBool("FullscreenMode", true));
    store.writeText("FullscreenMode", "0");
    EXPECT_FALSE(QtSettingsStore().ReadBool("FullscreenMode", true));
    store.writeText("FullscreenMode", "abc");
    EXPECT_TRUE(QtSettingsStore().ReadBool("FullscreenMode", true));
    store.writeText("HiScore1", "abc");
    EXPECT_EQ(QtSettingsStore().ReadInteger("HiScore1", 0), 0);
}

// The lock file another settings library would wait on is no obstacle: a
// write never stalls, even when the write hangs the test ends at once.
TEST_F(QtSettingsStoreTest, ALeftoverLockFileNeverStallsAWrite) {
    const std::string lock = confPath() + ".lock";
    const std::string liveLock = std::to_string(getpid()) + "\nzorbanix\n" +
                                 QSysInfo::machineHostName().toStdString() + "\n";
    const struct {
        const char* what;
        std::string fileText;  // empty: a directory
    } cases[] = {{"directory", ""}, {"garbage", "\x01\x02 not a lock"}, {"live pid", liveLock}};
    for (const auto& c : cases) {
        removeConf();
        QDir().mkpath(QString::fromStdString(home->path() + "/Orvalle"));
        if (c.fileText.empty())
            QDir().mkpath(QString::fromStdString(lock));
        else
            home->write("Orvalle/Zorbax50.conf.lock", c.fileText);
        auto done = std::make_shared<std::promise<void>>();
        std::thread([done] {
            QtSettingsStore store;
            store.WriteInteger("HiScore1", 1200);
            store.WriteInteger("HiScore2", 70);
            done->set_value();
        }).detach();
        if (done->get_future().wait_for(std::chrono::seconds(2)) != std::future_status::ready) {
            ADD_FAILURE() << c.what << ": the write is still waiting";
            std::fflush(nullptr);
            std::_Exit(1);
        }
        EXPECT_TRUE(confText().contains("HiScore1=1200\nHiScore2=70")) << c.what;
    }
}

// Two stores open at once (two running programs) lose nothing of each other,
// and a write of the text already stored does not touch the file.
TEST_F(QtSettingsStoreTest, WritesMergeAndUnchangedTextsCostNothing) {
    removeConf();
    QtSettingsStore first, second;
    first.WriteInteger("HiScore1", 500);
    second.WriteInteger("HiScore2", 300);
    first.WriteInteger("Key1", 2);
    EXPECT_EQ(QtSettingsStore().ReadInteger("HiScore1", 0), 500);
    EXPECT_EQ(QtSettingsStore().ReadInteger("HiScore2", 0), 300);
    EXPECT_EQ(QtSettingsStore().ReadInteger("Key1", 0), 2);

    struct stat before {
    }, after{};
    ASSERT_EQ(stat(confPath().c_str(), &before), 0);
    for (int i = 0; i < 9; ++i) first.WriteInteger("Key1", 2);
    first.WriteIntegers({{"Key1", 2}, {"HiScore1", 500}});
    ASSERT_EQ(stat(confPath().c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino) << "the file was replaced";
    EXPECT_EQ(before.st_mtim.tv_nsec, after.st_mtim.tv_nsec);

    // Values written together are merged with the file as it is on disk.
    first.WriteIntegers({{"Key1", 2}, {"Key2", 7}, {"Key3", 9}});
    QtSettingsStore reread;
    EXPECT_EQ(reread.ReadInteger("Key2", 0), 7);
    EXPECT_EQ(reread.ReadInteger("Key3", 0), 9);
    EXPECT_EQ(reread.ReadInteger("HiScore2", 0), 300);
}

// Files written by earlier versions load, keep their other lines, and a
// temporary file left by a killed process goes away.
TEST_F(QtSettingsStoreTest, OlderFilesLoadAndLeftoversAreRemoved) {
    removeConf();
    {
        QSettings old(QString::fromStdString(confPath()), QSettings::IniFormat);
        old.setValue("HiScore1", "900");
        old.setValue("Key3", "4");
        old.setValue("Other/Thing", "kept");
    }
    const std::string stale = home->write("Orvalle/Zorbax50.conf.99999999.tmp", "half a file");
    QtSettingsStore store;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(stale)));
    EXPECT_EQ(store.ReadInteger("HiScore1", 0), 900);
    store.WriteInteger("Key3", 5);
    QSettings reread(QString::fromStdString(confPath()), QSettings::IniFormat);
    EXPECT_EQ(reread.value("HiScore1").toString(), "900");
    EXPECT_EQ(reread.value("Key3").toString(), "5");
    EXPECT_EQ(reread.value("Other/Thing").toString(), "kept");
    EXPECT_EQ(QDir(QString::fromStdString(home->path() + "/Orvalle")).entryList(QDir::Files).size(),
              1);
}

// The desktop's store compares a high score with the file, not with what it
// read at start, and passes the file's refusals on to its handler.
TEST_F(QtSettingsStoreTest, HighScoresFromTheDiskAndFailuresReachTheCaller) {
    removeConf();
    QtSettingsStore first, second;
    second.WriteInteger("HiScore1", 140);
    EXPECT_EQ(first.WriteLargerInteger("HiScore1", 30), 140);
    EXPECT_EQ(QtSettingsStore().ReadInteger("HiScore1", 0), 140);

    removeConf();
    QDir().mkpath(QString::fromStdString(confPath()));  // a folder in the file's place
    std::vector<SettingsWriteFailure> failures;
    first.onWriteFailure([&](const SettingsWriteFailure& f) { failures.push_back(f); });
    EXPECT_EQ(first.WriteLargerInteger("HiScore2", 10), 10);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].file, confPath());
    EXPECT_EQ(failures[0].reason, "Is a directory");
    removeConf();
}

}  // namespace
}  // namespace zx
