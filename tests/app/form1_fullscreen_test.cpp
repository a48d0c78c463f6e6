// The full-screen switch and the in-game menu of full-screen mode.
#include <QAction>
#include <QMenu>
#include <QTest>

#include "tests/app/form1_rig.h"

namespace zx {
namespace {

using FullscreenTest = MenuRig;

// Each timer's enabled flag, interval and next deadline.
using TimerSnapshot = std::vector<std::tuple<bool, int, Millis>>;
TimerSnapshot timersOf(Scheduler& s) {
    TimerSnapshot snap;
    for (int i = 0; i < kTimerCount; ++i) {
        const Timer& t = s[TimerId(i)];
        snap.emplace_back(t.enabled(), t.interval(), t.enabled() ? t.deadline() : 0);
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
    d.enterMode(mode::GameAReady);
    d.press(DeviceButton::GameA);
    d.release(DeviceButton::GameA);
    d.timers().advance_to(d.timers().now() + 3500);
}

void clickMenuButton(TForm1& form) { QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(10, 10)); }

TEST_F(FullscreenTest, SwitchingBackAndForthKeepsTheGameAndReshapesTheWindow) {
    settings.WriteBool("FullscreenMode", false);
    writeConfig(skin);
    auto form = createActive();
    Device& d = form->device();
    startGameA(d);
    ASSERT_EQ(d.state().DeviceMode, mode::GameA);
    int running = 0;
    for (int i = 0; i < kTimerCount; ++i) running += d.timers()[TimerId(i)].enabled();
    ASSERT_GE(running, 2) << "the enemy and its helper are on the move";
    const TimerSnapshot timers = timersOf(d.timers());
    const QSize face(542, 359);
    const QPoint centred((screen().width() - 542) / 2, (screen().height() - 359) / 2);
    for (bool full : {true, false, true, false}) {
        QTest::keyClick(form.get(), Qt::Key_F12);
        SCOPED_TRACE(full);
        EXPECT_EQ(form->fullscreenMode(), full);
        EXPECT_EQ(form->menuItem(MenuCommand::Fullscreen)->isChecked(), full);
        EXPECT_EQ(settings.readText("FullscreenMode"), full ? "1" : "0");
        EXPECT_EQ(form->geometry(), full ? QRect(QPoint(0, 0), screen()) : QRect(centred, face));
        // The window system's own full-screen state, not a window of the screen's size.
        EXPECT_EQ(bool(form->windowState() & Qt::WindowFullScreen), full);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->mask().isEmpty(), full);
        if (!full) {
            EXPECT_FALSE(form->mask().contains(QPoint(5, 5)));
        }
        EXPECT_EQ(d.face()[Ctl::btn_game_menu_top].visible, full);
        EXPECT_EQ(d.state().DeviceMode, mode::GameA);
        EXPECT_EQ(timersOf(d.timers()), timers);
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(FullscreenTest, BrokenConfigDuringTheSwitchIsShownAndTheProgramRunsOn) {
    settings.WriteBool("FullscreenMode", false);
    writeConfig(skin);
    auto form = createActive();
    startGameA(form->device());
    const TimerSnapshot timers = timersOf(form->device().timers());
    writeConfig(QByteArray(skin) + "[Fullscreen]\nBgColor=blue\n");
    QTest::keyClick(form.get(), Qt::Key_F12);
    EXPECT_EQ(dialogs.errors, QStringList{"'blue' is not a valid integer value"});
    EXPECT_FALSE(form->terminationRequested());
    EXPECT_TRUE(form->fullscreenMode());
    EXPECT_EQ(timersOf(form->device().timers()), timers);
    QTest::keyClick(form.get(), Qt::Key_F12);  // windowed mode reads no Fullscreen section
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(form->size(), QSize(542, 359));
}

TEST_F(FullscreenTest, OpenMenuShowsThirteenRowsWithMarksOverEverything) {
    settings.WriteBool("SplashScreen", true);
    writeConfig(skin);
    auto form = createActive();
    emit form->pm_0_menu()->aboutToShow();  // reads the splash mark
    const Control& background = form->device().face()[Ctl::btn_game_menu_background];
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
}

// Every way the open menu closes, with what runs on the way: nothing is left
// behind, and the next opening shows exactly 13 rows again.
TEST_F(FullscreenTest, EveryWayOfClosingTheMenuLeavesNoLabel) {
    writeConfig(skin);
    auto form = createActive();
    enum Way { Release, F12, MenuButton, RightClick };
    const struct {
        Way way;
        int row;
        QPoint release;  // pressed at (20, 16) of the row
        QStringList logged;
        bool fullScreenAfter;
    } rows[] = {
        {Release, 0, {20, 16}, {"about"}, true}, {Release, 7, {20, 16}, {"beep"}, true},
        {Release, 3, {20, 40}, {}, true},        {Release, 6, {300, 16}, {}, true},
        {Release, 9, {20, 16}, {}, false},       {F12, 0, {}, {}, false},
        {MenuButton, 0, {}, {}, true},           {RightClick, 2, {}, {}, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.way << " " << r.row);
        if (!form->fullscreenMode()) QTest::keyClick(form.get(), Qt::Key_F12);
        clickMenuButton(*form);
        ASSERT_EQ(liveLabels(*form).size(), 13);
        GameMenuLabel* label = liveLabels(*form).at(r.row);
        log.calls.clear();
        if (r.way == Release) {
            QTest::mousePress(label, Qt::LeftButton, {}, QPoint(20, 16));
            QTest::mouseRelease(label, Qt::LeftButton, {}, r.release);
        } else if (r.way == F12) {
            QTest::keyClick(form.get(), Qt::Key_F12);
        } else if (r.way == MenuButton) {
            clickMenuButton(*form);
        } else {
            QContextMenuEvent click(QContextMenuEvent::Mouse, {}, label->mapToGlobal(QPoint()));
            QApplication::sendEvent(label, &click);
            EXPECT_TRUE(form->pm_0_menu()->isVisible());
            form->pm_0_menu()->hide();
        }
        EXPECT_EQ(log.calls, r.logged);
        EXPECT_EQ(form->fullscreenMode(), r.fullScreenAfter);
        EXPECT_FALSE(form->gameMenuOpen());
        EXPECT_TRUE(liveLabels(*form).empty());
        EXPECT_EQ(form->device().face()[Ctl::btn_game_menu_background].rect, (Rect{0, 0, 36, 32}));
    }
}

TEST_F(FullscreenTest, TheBundledMenuPictureIsUsedWhenItFits) {
    writeConfig(skin);
    QDir().mkpath(dir.filePath("Graphics/Windows"));
    const struct {
        QSize size;
        bool used;
    } rows[] = {{{256, 512}, true}, {{200, 512}, false}};
    settings.WriteBool("FullscreenMode", false);
    EXPECT_FALSE(create()->device().face()[Ctl::btn_game_menu_background].picture)
        << "decoded only when full-screen mode needs it";
    settings.WriteBool("FullscreenMode", true);
    for (const auto& r : rows) {
        QImage img(r.size, QImage::Format_ARGB32);
        img.fill(QColor(10, 20, 250));
        img.save(dir.filePath("Graphics/Windows/game_menu.png"));
        auto form = create();
        const Picture& pic = *form->device().face()[Ctl::btn_game_menu_background].picture;
        EXPECT_EQ(pic.width, 256);
        EXPECT_EQ(pic.pixel(100, 100) == rgb(10, 20, 250), r.used) << r.size.width();
    }
}

}  // namespace
}  // namespace zx
