// The popup menu: its items, shortcuts, check marks and commands.
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QTest>

#include "tests/app/form1_rig.h"
#include "tests/rig/device_probe.h"
#include "windows/splash.h"

namespace zx {
namespace {

using PopupMenuTest = MenuRig;

// One line per item: name, caption ("-" for a separator), shortcut and marks.
QString describe(const TForm1& form, const QAction& a) {
    QStringList parts = {a.objectName(), a.isSeparator() ? "-" : a.text(), a.shortcut().toString()};
    if (a.isCheckable()) parts << (a.isChecked() ? "checked" : "unchecked");
    if (a.font().bold()) parts << "bold";
    if (form.pm_0_menu()->defaultAction() == &a) parts << "default";
    if (!a.isEnabled() || !a.isVisible()) parts << "off";
    // Shortcuts work on the window while the menu is closed.
    if (!a.isSeparator() && !form.actions().contains(&a)) parts << "not on the window";
    return parts.join('|');
}

TEST_F(PopupMenuTest, HoldsThirteenItemsWithCaptionsShortcutsAndMarks) {
    writeConfig(skin);
    auto form = create();  // full screen, the default
    QStringList items;
    for (QAction* a : form->pm_0_menu()->actions()) items << describe(*form, *a);
    EXPECT_EQ(items, QStringList(
                         {"pm_1_about|About...|F1|bold|default", "pm_2_readme|View 'Readme.txt'|F2",
                          "pm_3_whatsnew|View 'Whatsnew.txt'|F3", "pm_4_manual|View manual|F4",
                          "pm_5_n1|-|", "pm_6_config|Edit configuration file|",
                          "pm_7_keys|Key settings|", "pm_8_hiscore|Reset Hiscores|", "pm_9_n2|-|",
                          "pm_10_fullscreen|Display in fullscreen mode|F12|checked",
                          "pm_11_splashscreen|Display splash screen at startup||unchecked",
                          "pm_13_n3|-|", "pm_14_exit|Exit|Esc"}));
}

TEST_F(PopupMenuTest, EachShortcutAndItemRunsItsCommand) {
    settings.WriteBool("FullscreenMode", false);
    writeConfig(skin);
    const struct {
        MenuCommand command;
        Qt::Key key;  // 0: reached through the menu only
        const char* logged;
    } rows[] = {
        {MenuCommand::About, Qt::Key_F1, "about"},
        {MenuCommand::Readme, Qt::Key_F2, "open Readme.txt"},
        {MenuCommand::Whatsnew, Qt::Key_F3, "open Whatsnew.txt"},
        {MenuCommand::Manual, Qt::Key_F4, "manual"},
        {MenuCommand::Config, Qt::Key(0), "open Config.ini"},
        {MenuCommand::Keys, Qt::Key(0), "keys"},
        {MenuCommand::Hiscore, Qt::Key(0), "beep"},
    };
    auto form = createActive();
    for (const auto& row : rows) {
        for (bool byKey : {false, true}) {
            if (byKey && !row.key) continue;
            log.calls.clear();
            if (byKey)
                QTest::keyClick(form.get(), row.key);
            else
                form->menuItem(row.command)->trigger();
            EXPECT_EQ(log.calls, QStringList{row.logged}) << row.logged << " by key " << byKey;
        }
    }
    QTest::keyClick(form.get(), Qt::Key_F12);
    EXPECT_TRUE(form->fullscreenMode());
    EXPECT_FALSE(form->terminationRequested());
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_TRUE(form->terminationRequested());
}

TEST_F(PopupMenuTest, SplashMarkIsTheStoredValueElseTheSplashCheckBox) {
    writeConfig(skin);
    const struct {
        const char* stored;  // nullptr: never stored
        bool box, mark;
    } rows[] = {
        {nullptr, true, true}, {nullptr, false, false}, {"0", true, false},
        {"1", false, true},    {"junk", false, false},
    };
    for (const auto& row : rows) {
        MemorySettingsStore store;
        if (row.stored) store.writeText("SplashScreen", row.stored);
        TForm1 form(Form1Deps{store, dialogs, clock, random, sound, dir.path()});
        TSplashForm splash(form.launch(), store, dialogs, log, form.launch().SplashPending);
        splash.splashBox()->setChecked(row.box);
        form.setSplashForm(&splash);
        emit form.pm_0_menu()->aboutToShow();
        QAction* item = form.menuItem(MenuCommand::Splashscreen);
        EXPECT_EQ(item->isChecked(), row.mark) << (row.stored ? row.stored : "none") << row.box;
        // The switch inverts the mark and stores it; the next opening keeps it.
        item->trigger();
        EXPECT_EQ(store.readText("SplashScreen"), row.mark ? "0" : "1");
        splash.splashBox()->setChecked(row.mark);
        emit form.pm_0_menu()->aboutToShow();
        EXPECT_EQ(item->isChecked(), !row.mark);
    }
}

TEST_F(PopupMenuTest, ResetHiscoresWritesBothAndBeepsWhileTheReadyFaceKeepsItsDigits) {
    settings.WriteInteger("HiScore1", 120);
    settings.WriteInteger("HiScore2", 340);
    QByteArray glyphs = skin;  // a picture of its own for each big digit
    for (int n = 0; n < 10; ++n)
        glyphs += QString("[Image%1]\nFilename=seg.png\n")
                      .arg(int(Ctl::im_panel_number_0) + 1 + n)
                      .toLatin1();
    writeConfig(glyphs);
    auto form = createActive();
    Device& d = form->device();
    auto shown = [&d] {
        std::vector<std::pair<bool, const Picture*>> lit;
        for (int i = 0; i < kControlCount; ++i)
            lit.emplace_back(d.face()[Ctl(i)].visible, d.face()[Ctl(i)].picture.get());
        return lit;
    };
    d.enterMode(mode::GameAReady);
    const auto before = shown();
    form->menuItem(MenuCommand::Hiscore)->trigger();
    EXPECT_EQ(settings.readText("HiScore1"), "0");
    EXPECT_EQ(settings.readText("HiScore2"), "0");
    EXPECT_EQ(d.gameState().HiScoreA + d.gameState().HiScoreB, 0);
    EXPECT_EQ(log.calls, QStringList{"beep"});
    EXPECT_EQ(shown(), before);
    d.enterMode(mode::GameAReady);  // the face built again shows the new score
    EXPECT_NE(shown(), before);
}

TEST_F(PopupMenuTest, DisabledWindowIgnoresInputReleasesHeldKeysAndKeepsTime) {
    settings.WriteBool("FullscreenMode", false);
    writeConfig(skin);
    auto form = createActive();
    Device& d = form->device();
    DeviceProbe::state(d).DeviceMode = mode::Time1;
    QTest::keyPress(form.get(), Qt::Key_Left);
    ASSERT_TRUE(d.face()[Ctl::btn_left_down].visible);
    d.timers()[TimerId::Date].setInterval(20);
    d.timers()[TimerId::Date].setEnabled(true);
    form->setEnabled(false);  // the key settings dialog is open
    EXPECT_FALSE(d.face()[Ctl::btn_left_down].visible);
    EXPECT_FALSE(d.state().KeyHeld);
    QTest::keyClick(form.get(), Qt::Key_F12);
    EXPECT_FALSE(form->fullscreenMode());
    QTest::qWait(100);
    EXPECT_GE(d.timers().now(), 20);
}

}  // namespace
}  // namespace zx
