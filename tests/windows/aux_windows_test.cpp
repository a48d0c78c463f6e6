// Key settings as the device window opens them: the device window is shut
// until they close, and the new key acts on the very next event.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "app/form1.h"
#include "clockwork/clock.h"
#include "clockwork/random.h"
#include "sound/recording_backend.h"
#include "windows/about.h"
#include "windows/aux_windows_impl.h"
#include "windows/keys_form.h"
#include "windows/manual.h"
#include "windows/shell.h"

namespace zx {
namespace {

struct QuietDialogs : Dialogs {
    QStringList errors;
    void showError(const QString& text) override { errors << text; }
};
struct NoShell : Shell {
    void open(const QString&) override {}
};

class AuxWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QDir::setCurrent(dir.path());
        QFile ini(dir.filePath("Config.ini"));
        ini.open(QIODevice::WriteOnly);  // an empty file: every default
        ini.close();
        settings.WriteBool("FullscreenMode", false);
        form = std::make_unique<TForm1>(
            Form1Deps{settings, dialogs, clock, random, sound, dir.path()});
        manual = std::make_unique<TManualForm>(dir.filePath("Config.ini").toStdString(), dialogs);
        windows = std::make_unique<AuxWindowsImpl>(
            [this] { return std::make_unique<TAboutForm>(shell); },
            [this] { return std::make_unique<TKeysForm>(form->keyMap(), settings, form.get()); },
            *manual, *form);
        form->show();
        form->enterStartupMode();
    }
    int mode() const { return form->device().state().DeviceMode; }

    QTemporaryDir dir;
    MemorySettingsStore settings;
    QuietDialogs dialogs;
    NoShell shell;
    FixedClock clock;
    SeededRandom random{1};
    RecordingSoundBackend sound;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TManualForm> manual;
    std::unique_ptr<AuxWindowsImpl> windows;
};

TEST_F(AuxWindowsTest, KeySettingsShutTheDeviceWindowUntilAcceptedAndTheNewKeyActsAtOnce) {
    windows->openKeySettings();
    TKeysForm* keys = &windows->keys();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_TRUE(keys->isVisible());
    EXPECT_EQ(keys->pos(), QPoint((screen.width() - 448) / 2, (screen.height() - 195) / 2));
    EXPECT_FALSE(form->isEnabled());
    QTest::keyClick(form.get(), Qt::Key_1);
    EXPECT_EQ(mode(), mode::Startup);

    keys->combos[0]->setCurrentIndex(keys->combos[0]->findText("A"));
    keys->btn_acceptClick();
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(settings.ReadInteger("Key1", 0), 11);
    QTest::keyClick(form.get(), Qt::Key_1);
    EXPECT_EQ(mode(), mode::Startup);
    QTest::keyClick(form.get(), Qt::Key_A);  // the first mode button leaves the start-up face
    EXPECT_EQ(mode(), mode::Time1);
    QTest::keyPress(form.get(), Qt::Key_A);
    EXPECT_EQ(mode(), mode::GameAReady);
    EXPECT_EQ(form->keyMap().hint(Ctl::btn_game_a_top), "click or press 'A' to start game A");
}

}  // namespace
}  // namespace zx
