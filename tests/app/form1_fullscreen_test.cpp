// The full-screen switch and the in-game menu of full-screen mode.
#include <QAction>
#include <QMenu>
#include <QTest>

#include "tests/app/form1_rig.h"

namespace zx {
namespace {

using FullscreenTest = MenuRig;

struct TimerSnapshot {
    std::vector<std::tuple<bool, int, Millis>> timers;
    bool operator==(const TimerSnapshot&) const = default;
};

TimerSnapshot timersOf(Scheduler& s) {
    TimerSnapshot snap;
    for (int i = 0; i < kTimerCount; ++i) {
        const Timer& t = s[TimerId(i)];
        snap.timers.emplace_back(t.enabled(), t.interval(), t.enabled() ? t.deadline() : 0);
    }
    return snap;
}

QList<GameMenuLabel*> liveLabels(TForm1& form) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return form.findChildren<GameMenuLabel*>();
}

// Game A started by its button and brought into play: the scheduler is
// stepped past the start delay, ahead of real time, so no timer fires by
// itself while a test runs.
void startGameA(Device& d) {
    d.state.DeviceMode = mode::GameAReady;
    d.Gam_Set_Mode();
    d.Inp_game_a_down();
    d.Inp_game_a_up();
    d.timers.advance_to(d.timers.now() + 3500);
}

void clickMenuButton(TForm1& form) { QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(10, 10)); }

TEST_F(FullscreenTest, SwitchingBackAndForthKeepsTheGameAndReshapesTheWindow) {
    settings.WriteBool("FullscreenMode", false);
    writeConfig(skin);
    auto form = createActive();
    Device& d = form->device();
    startGameA(d);
    ASSERT_EQ(d.state.DeviceMode, mode::GameA);
    int running = 0;
    for (int i = 0; i < kTimerCount; ++i) running += d.timers[TimerId(i)].enabled();
    ASSERT_GE(running, 2) << "the enemy and its helper are on the move";
    const TimerSnapshot timers = timersOf(d.timers);
    const QSize face(542, 359);
    const QPoint centred((screen().width() - 542) / 2, (screen().height() - 359) / 2);
    for (bool full : {true, false, true, false}) {
        QTest::keyClick(form.get(), Qt::Key_F12);
        SCOPED_TRACE(full);
        EXPECT_EQ(form->fullscreenMode(), full);
        EXPECT_EQ(form->menuItem(MenuCommand::Fullscreen)->isChecked(), full);
        EXPECT_EQ(settings.readText("FullscreenMode"), full ? "1" : "0");
        EXPECT_EQ(form->geometry(), full ? QRect(QPoint(0, 0), screen()) : QRect(centred, face));
        EXPECT_EQ(form->mask().isEmpty(), full);
        if (!full) {
            EXPECT_FALSE(form->mask().contains(QPoint(5, 5)));
        }
        EXPECT_EQ(d.face[Ctl::btn_game_menu_top].visible, full);
        EXPECT_EQ(d.state.DeviceMode, mode::GameA);
        EXPECT_EQ(timersOf(d.timers), timers);
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(FullscreenTest, BrokenConfigDuringTheSwitchIsShownAndTheProgramRunsOn) {
    settings.WriteBool("FullscreenMode", false);
    writeConfig(skin);
    auto form = createActive();
    startGameA(form->device());
    const TimerSnapshot timers = timersOf(form->device().timers);
    writeConfig(QByteArray(skin) + "[Fullscreen]\nBgColor=blue\n");
    QTest::keyClick(form.get(), Qt::Key_F12);
    EXPECT_EQ(dialogs.errors, QStringList{"'blue' is not a valid integer value"});
    EXPECT_FALSE(form->terminationRequested());
    EXPECT_TRUE(form->fullscreenMode());
    EXPECT_EQ(timersOf(form->device().timers), timers);
    QTest::keyClick(form.get(), Qt::Key_F12);  // windowed mode reads no Fullscreen section
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(form->size(), QSize(542, 359));
}

TEST_F(FullscreenTest, OpenMenuShowsThirteenRowsWithMarksOverEverything) {
    settings.WriteBool("SplashScreen", true);
    writeConfig(skin);
    auto form = createActive();
    emit form->pm_0_menu()->aboutToShow();  // reads the splash mark
    const Control& background = form->device().face[Ctl::btn_game_menu_background];
    EXPECT_EQ(background.rect, (Rect{0, 0, 36, 32}));
    clickMenuButton(*form);
    ASSERT_TRUE(form->gameMenuOpen());
    EXPECT_EQ(background.rect, (Rect{0, 0, 256, 448}));
    const QStringList texts = {"   About...",
                               "   View 'Readme.txt'",
                               "   View 'Whatsnew.txt'",
                               "   View manual",
                               "",
                               "   Edit configuration file",
                               "   Key settings",
                               "   Reset Hiscores",
                               "",
                               "   Display in fullscreen mode [V]",
                               "   Display splash screen at startup [V]",
                               "",
                               "   Exit"};
    const auto labels = liveLabels(*form);
    ASSERT_EQ(labels.size(), 13);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(labels[i]->text(), texts[i]);
        EXPECT_EQ(labels[i]->geometry(), QRect(0, 32 * (i + 1), 256, 32));
        EXPECT_FALSE(labels[i]->highlighted());
    }
    // Hover highlights a caption row only.
    for (int i : {0, 4}) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(labels[i], &enter);
        EXPECT_EQ(labels[i]->highlighted(), i == 0);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(labels[i], &leave);
        EXPECT_FALSE(labels[i]->highlighted());
    }
    // Clicks on a separator row or the title strip leave it open.
    QTest::mouseClick(labels[4], Qt::LeftButton, {}, QPoint(100, 16));
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(150, 16));
    EXPECT_TRUE(form->gameMenuOpen());
    EXPECT_EQ(liveLabels(*form).size(), 13);
    // The menu button closes it again.
    clickMenuButton(*form);
    EXPECT_FALSE(form->gameMenuOpen());
    EXPECT_TRUE(liveLabels(*form).empty());
    EXPECT_EQ(background.rect, (Rect{0, 0, 36, 32}));
}

TEST_F(FullscreenTest, ARowRunsItsCommandOnReleaseOverItAndClosesTheMenu) {
    writeConfig(skin);
    auto form = createActive();
    const struct {
        int row;
        QPoint release;
        const char* logged;  // nullptr: nothing runs
    } rows[] = {
        {0, {20, 16}, "about"},
        {7, {20, 16}, "beep"},
        {3, {20, 40}, nullptr},   // released on the row below
        {6, {300, 16}, nullptr},  // released beside the menu
    };
    for (const auto& r : rows) {
        log.calls.clear();
        clickMenuButton(*form);
        GameMenuLabel* label = liveLabels(*form).at(r.row);
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(20, 16));
        QTest::mouseRelease(label, Qt::LeftButton, {}, r.release);
        EXPECT_EQ(log.calls, r.logged ? QStringList{r.logged} : QStringList{}) << r.row;
        EXPECT_FALSE(form->gameMenuOpen());
        EXPECT_TRUE(liveLabels(*form).empty());
    }
}

TEST_F(FullscreenTest, LeavingFullScreenWithTheMenuOpenLeavesNoLabel) {
    writeConfig(skin);
    auto form = createActive();
    // By F12, then by the menu's own full-screen row.
    for (bool byRow : {false, true}) {
        clickMenuButton(*form);
        ASSERT_EQ(liveLabels(*form).size(), 13);
        if (byRow) {
            GameMenuLabel* row = liveLabels(*form).at(9);
            QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(20, 16));
        } else {
            QTest::keyClick(form.get(), Qt::Key_F12);
        }
        EXPECT_FALSE(form->fullscreenMode());
        EXPECT_FALSE(form->gameMenuOpen());
        EXPECT_TRUE(liveLabels(*form).empty());
        QTest::keyClick(form.get(), Qt::Key_F12);
        ASSERT_TRUE(form->fullscreenMode());
    }
    clickMenuButton(*form);
    EXPECT_EQ(liveLabels(*form).size(), 13);
}

TEST_F(FullscreenTest, OpeningThePopupMenuClosesTheInGameMenu) {
    writeConfig(skin);
    auto form = createActive();
    clickMenuButton(*form);
    GameMenuLabel* label = liveLabels(*form).at(2);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 16),
                            label->mapToGlobal(QPoint(20, 16)));
    QApplication::sendEvent(label, &click);
    EXPECT_TRUE(form->pm_0_menu()->isVisible());
    EXPECT_FALSE(form->gameMenuOpen());
    EXPECT_TRUE(liveLabels(*form).empty());
    form->pm_0_menu()->hide();
}

TEST(GameMenuPicture, StandInHasAnOpaqueTitleStripWithSymbolAndATranslucentBody) {
    const QImage img = drawGameMenuImage();
    ASSERT_EQ(img.size(), QSize(256, 512));
    EXPECT_EQ(img.pixelColor(2, 2), QColor(0, 0, 0));
    EXPECT_EQ(img.pixelColor(12, 10), QColor(255, 255, 255));  // the menu symbol
    EXPECT_EQ(img.pixelColor(100, 200).alpha(), 204);
    EXPECT_EQ(img.pixelColor(100, 200).rgb() & 0xFFFFFF, 0u);
    int lit = 0;  // the caption beside the symbol
    for (int x = 40; x < 256; ++x)
        for (int y = 0; y < 32; ++y) lit += img.pixelColor(x, y).lightness() > 128;
    EXPECT_GT(lit, 40);
}

TEST_F(FullscreenTest, TheBundledMenuPictureIsUsedWhenItFits) {
    writeConfig(skin);
    QDir().mkpath(dir.filePath("Graphics/Windows"));
    const struct {
        QSize size;
        bool used;
    } rows[] = {{{256, 512}, true}, {{200, 512}, false}};
    for (const auto& r : rows) {
        QImage img(r.size, QImage::Format_ARGB32);
        img.fill(QColor(10, 20, 250));
        img.save(dir.filePath("Graphics/Windows/game_menu.png"));
        auto form = create();
        const Picture& pic = *form->device().face[Ctl::btn_game_menu_background].picture;
        EXPECT_EQ(pic.width, 256);
        EXPECT_EQ(pic.pixel(100, 100) == rgb(10, 20, 250), r.used) << r.size.width();
    }
}

}  // namespace
}  // namespace zx
