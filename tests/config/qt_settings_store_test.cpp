// The QSettings store under a temporary XDG_CONFIG_HOME.
#include "config/qt_settings_store.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QFile>
#include <QStandardPaths>

#include "picture_files.h"

namespace zx {
namespace {

class QtSettingsStoreTest : public ::testing::Test {
  protected:
    // QSettings reads XDG_CONFIG_HOME once, at its first use in the process.
    static void SetUpTestSuite() {
        home = new test::TempDir;
        setenv("XDG_CONFIG_HOME", home->path().c_str(), 1);
    }
    static void TearDownTestSuite() {
        delete home;
        home = nullptr;
    }
    static std::string confPath() { return home->path() + "/Orvalle/Zorbax50.conf"; }

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

}  // namespace
}  // namespace zx
