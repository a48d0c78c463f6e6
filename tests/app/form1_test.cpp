// The device window on the offscreen platform: creation, shape and painting.
#include "app/form1.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>

#include "config/qt/qt_settings_store.h"
#include "sound/recording_backend.h"
#include "tests/app/form1_rig.h"
#include "tests/rig/device_probe.h"

namespace zx {
namespace {

using Form1Test = Form1Rig;

TEST_F(Form1Test, StaysHiddenUntilTheLaunchThenShowsCentred) {
    settings.WriteBool("FullscreenMode", false);
    writeConfig(skin);
    auto form = create();
    QApplication::processEvents();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->device().face()[Ctl::im_hero_1].visible);
    EXPECT_EQ(form->size(), QSize(542, 359));
    form->centreOnScreen();
    form->enterStartupMode();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowState() & Qt::WindowFullScreen, 0);
    EXPECT_EQ(form->pos(), QPoint((screen().width() - 542) / 2, (screen().height() - 359) / 2));
    EXPECT_TRUE(form->device().face()[Ctl::im_hero_1].visible);
    EXPECT_TRUE(dialogs.errors.isEmpty());
    // The long title is the device window's own and not appended to every caption.
    EXPECT_EQ(form->windowTitle(), "Zorbanix (Quentrel, Tikkabo) Simulator");
    EXPECT_NE(QGuiApplication::applicationDisplayName(), form->windowTitle());
}

// Sends one mouse event of the given kind to the window.
void mouse(QWidget& w, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, p, w.mapToGlobal(p), button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

// Places three button images side by side: TIME, GAME A and SET.
void placeButtons(Face& face) {
    face.setRect(Ctl::btn_time_top, {200, 20, 30, 20});
    face.setRect(Ctl::btn_game_a_top, {240, 20, 30, 20});
    face.setRect(Ctl::btn_set_top, {280, 20, 30, 20});
}

TEST_F(Form1Test, CursorFollowsTheControlUnderThePointerWithoutAHeldButton) {
    settings.WriteBool("FullscreenMode", false);
    writeConfig(skin);
    auto form = create();
    placeButtons(DeviceProbe::face(form->device()));
    const struct {
        QPoint at;
        Qt::CursorShape cursor;
    } cases[] = {
        {{210, 30}, Qt::PointingHandCursor},  // TIME
        {{250, 30}, Qt::PointingHandCursor},  // GAME A
        {{290, 30}, Qt::WhatsThisCursor},     // SET
        {{30, 200}, Qt::ArrowCursor},         // the case
    };
    for (const auto& c : cases) {
        mouse(*form, QEvent::MouseMove, c.at, Qt::NoButton, Qt::NoButton);
        EXPECT_EQ(form->cursor().shape(), c.cursor) << c.at.x();
    }
}

// The offscreen platform cannot move windows itself, as bare X cannot: the
// window follows the pointer by hand there.
TEST_F(Form1Test, DraggingTheCaseMovesTheWindowWhereTheWindowSystemCannot) {
    settings.WriteBool("FullscreenMode", false);
    writeConfig(skin);
    auto form = create();
    Device& dev = form->device();
    placeButtons(DeviceProbe::face(dev));
    form->show();
    form->move(100, 80);
    const struct {
        QPoint press;
        bool moves;
        const char* what;
    } cases[] = {
        {{30, 200}, true, "the case"},
        {{210, 30}, false, "the TIME button"},
        {{30, 200}, true, "the case again: the drag before let go of the press"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QPoint start = form->pos();
        mouse(*form, QEvent::MouseButtonPress, c.press, Qt::LeftButton, Qt::LeftButton);
        EXPECT_EQ(dev.face()[Ctl::btn_time_down].visible, !c.moves);
        mouse(*form, QEvent::MouseMove, c.press + QPoint(15, 9), Qt::NoButton, Qt::LeftButton);
        mouse(*form, QEvent::MouseButtonRelease, c.press + QPoint(15, 9), Qt::LeftButton,
              Qt::NoButton);
        EXPECT_EQ(form->pos(), c.moves ? start + QPoint(15, 9) : start);
        EXPECT_FALSE(dev.face()[Ctl::btn_time_down].visible);
    }
}

TEST_F(Form1Test, ASecondMouseButtonDoesNotTakeTheLeftReleaseAway) {
    settings.WriteBool("FullscreenMode", false);
    writeConfig(skin);
    auto form = create();
    Device& dev = form->device();
    placeButtons(DeviceProbe::face(dev));
    // On a time face and on the game-A ready face: left press on TIME, right
    // click on GAME A, left release.
    for (const int start : {mode::Time1, mode::GameAReady}) {
        DeviceProbe::state(dev).DeviceMode = start;
        DeviceProbe::setMode(dev);
        const QPoint time(210, 30), gameA(250, 30);
        mouse(*form, QEvent::MouseButtonPress, time, Qt::LeftButton, Qt::LeftButton);
        const int afterPress = DeviceProbe::state(dev).DeviceMode;
        mouse(*form, QEvent::MouseButtonPress, gameA, Qt::RightButton,
              Qt::LeftButton | Qt::RightButton);
        mouse(*form, QEvent::MouseButtonRelease, gameA, Qt::RightButton, Qt::LeftButton);
        mouse(*form, QEvent::MouseButtonRelease, gameA, Qt::LeftButton, Qt::NoButton);
        EXPECT_FALSE(dev.face()[Ctl::btn_time_down].visible) << start;
        EXPECT_FALSE(DeviceProbe::state(dev).KeyHeld) << start;
        EXPECT_FALSE(DeviceProbe::state(dev).GameAHeld) << start;
        EXPECT_EQ(DeviceProbe::state(dev).DeviceMode, afterPress) << start;
    }
}

// The popup menu or a modal window takes the pointer during a held left
// press on TIME, and with it the left release: TIME goes up at once, and
// the next left click on GAME A is GAME A's own, as after a plain TIME click.
TEST_F(Form1Test, APointerTakenAwayReleasesWhatTheLeftButtonHeld) {
    settings.WriteBool("FullscreenMode", false);
    writeConfig(skin);
    const QPoint time(210, 30), gameA(250, 30);
    struct Seen {
        int afterTime, afterGameAPress, afterGameARelease;
    };
    auto play = [&](const std::function<void(TForm1&)>& takeAway) {
        auto form = create();
        Device& dev = form->device();
        placeButtons(DeviceProbe::face(dev));
        DeviceProbe::state(dev).DeviceMode = mode::Time1;
        DeviceProbe::setMode(dev);
        mouse(*form, QEvent::MouseButtonPress, time, Qt::LeftButton, Qt::LeftButton);
        takeAway(*form);
        Seen seen{DeviceProbe::state(dev).DeviceMode, 0, 0};
        EXPECT_FALSE(dev.face()[Ctl::btn_time_down].visible);
        EXPECT_FALSE(DeviceProbe::state(dev).KeyHeld);
        mouse(*form, QEvent::MouseButtonPress, gameA, Qt::LeftButton, Qt::LeftButton);
        EXPECT_TRUE(dev.face()[Ctl::btn_game_a_down].visible);
        seen.afterGameAPress = DeviceProbe::state(dev).DeviceMode;
        mouse(*form, QEvent::MouseButtonRelease, gameA, Qt::LeftButton, Qt::NoButton);
        EXPECT_FALSE(dev.face()[Ctl::btn_game_a_down].visible);
        EXPECT_FALSE(DeviceProbe::state(dev).KeyHeld);
        seen.afterGameARelease = DeviceProbe::state(dev).DeviceMode;
        return seen;
    };
    const Seen plain = play([&](TForm1& f) {
        mouse(f, QEvent::MouseButtonRelease, time, Qt::LeftButton, Qt::NoButton);
    });
    const struct {
        const char* name;
        std::function<void(TForm1&)> takeAway;
    } cases[] = {
        {"the popup menu",
         [&](TForm1& f) {
             mouse(f, QEvent::MouseButtonPress, gameA, Qt::RightButton,
                   Qt::LeftButton | Qt::RightButton);
             QContextMenuEvent e(QContextMenuEvent::Mouse, gameA, f.mapToGlobal(gameA));
             QApplication::sendEvent(&f, &e);
             QWidget* menu = QApplication::activePopupWidget();
             EXPECT_NE(menu, nullptr);
             if (menu) menu->close();
         }},
        {"a modal window",
         [](TForm1& f) {
             QEvent e(QEvent::WindowBlocked);
             QApplication::sendEvent(&f, &e);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Seen seen = play(c.takeAway);
        EXPECT_EQ(seen.afterTime, plain.afterTime);
        EXPECT_EQ(seen.afterGameAPress, plain.afterGameAPress);
        EXPECT_EQ(seen.afterGameARelease, plain.afterGameARelease);
    }
}

TEST_F(Form1Test, CentringClampsAtTheScreensTopLeft) {
    settings.WriteBool("FullscreenMode", false);
    writeConfig("[Common]\nGameWidth=5000\nGameHeight=4000\n");
    auto form = create();
    form->centreOnScreen();
    EXPECT_EQ(form->pos(), QPoint(0, 0));
}

TEST_F(Form1Test, WindowedShapeCutsAwayTheColourKey) {
    settings.WriteBool("FullscreenMode", false);
    writeConfig(skin);
    auto form = create();
    const QRegion shape = form->mask();
    EXPECT_FALSE(shape.contains(QPoint(5, 5)));
    EXPECT_TRUE(shape.contains(QPoint(30, 30)));
    EXPECT_TRUE(shape.contains(QPoint(105, 105)));
}

TEST_F(Form1Test, SeeThroughWindowPaintsOnlyTheDeviceAndFullScreenStaysOpaque) {
    // The case with a half-transparent rim along its top edge.
    QImage bg(542, 359, QImage::Format_ARGB32);
    bg.fill(QColor(255, 0, 255));
    QPainter p(&bg);
    p.fillRect(20, 20, 500, 319, QColor(40, 60, 80));
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(20, 20, 500, 2, QColor(40, 60, 80, 128));
    p.end();
    bg.save(dir.filePath("Graphics/Skin/bg.png"));
    settings.WriteBool("FullscreenMode", false);
    writeConfig(skin);
    auto form = create();
    const struct {
        bool transparent;
        QRgb corner, rim, body;
    } cases[] = {
        // The window shape cuts: painted as designed, the key fills the corner
        // and shows through the rim.
        {false, qRgb(255, 0, 255), qRgb(147, 30, 167), qRgb(40, 60, 80)},
        {true, 0, qPremultiply(qRgba(40, 60, 80, 128)), qRgb(40, 60, 80)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.transparent);
        form->forceShapeByTransparency(c.transparent);
        EXPECT_EQ(form->paintsTransparent(), c.transparent);
        const QImage look =
            form->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(look.pixel(5, 5), c.corner);
        EXPECT_NEAR(qAlpha(look.pixel(100, 20)), qAlpha(c.rim), 1);
        EXPECT_NEAR(qRed(look.pixel(100, 20)), qRed(c.rim), 2);
        EXPECT_EQ(look.pixel(100, 200), c.body);
        EXPECT_FALSE(form->mask().contains(QPoint(5, 5)))
            << "the mask still takes no pointer there";
    }
    form->pm_10_fullscreenClick();
    const QImage full = form->grab().toImage();
    EXPECT_EQ(qAlpha(full.pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(full.pixel(full.width() - 1, full.height() - 1)), 255);
}

// Hand-edited extremes: the window answers with a bounded size and shape,
// and no face arithmetic overflows (the sanitizers watch).
TEST_F(Form1Test, ExtremeSizesAndPositionsGiveABoundedWindow) {
    const struct {
        const char* config;
        QSize size;
        QPoint inShape;  // (-1, -1): nothing of the window is shown
    } cases[] = {
        {"", {542, 359}, {-1, -1}},
        {"[Common]\nGameWidth=-20\nGameHeight=-1\n", {542, 359}, {30, 30}},
        {"[Common]\nGameWidth=100000\nGameHeight=100000\n", {8192, 4096}, {30, 30}},
        {"[Image1]\nLeft=2147483647\nTop=2147483647\n", {542, 359}, {-1, -1}},
        {"[Image1]\nLeft=-2147483648\nWidth=2147483647\nHeight=2147483647\n", {542, 359}, {-1, -1}},
        {"[Image58]\nLeft=2147483647\nWidth=2147483647\n", {542, 359}, {30, 30}},
    };
    settings.WriteBool("FullscreenMode", false);
    for (const auto& c : cases) {
        // The skin's picture and the case's keys; the first occurrence wins.
        writeConfig(QByteArray(c.config) + (QByteArray(c.config).isEmpty() ? "" : skin));
        auto form = create();
        EXPECT_EQ(form->size(), c.size) << c.config;
        const QRegion shape = form->mask();
        EXPECT_FALSE(shape.isEmpty()) << c.config << ": a window always has a shape";
        if (c.inShape.x() < 0)
            EXPECT_TRUE(shape.intersected(form->rect()).isEmpty()) << c.config;
        else
            EXPECT_TRUE(shape.contains(c.inShape)) << c.config;
        EXPECT_FALSE(form->grab(QRect(0, 0, 64, 64)).isNull());
    }
}

TEST_F(Form1Test, FullScreenCoversTheScreenWithoutShape) {
    writeConfig(skin);
    auto form = create();  // no setting: full screen
    EXPECT_TRUE(form->fullscreenMode());
    EXPECT_EQ(form->size(), screen());
    EXPECT_TRUE(form->mask().isEmpty());
}

TEST_F(Form1Test, PaintsLitSegmentsOverTheSkin) {
    settings.WriteBool("FullscreenMode", false);
    writeConfig(skin);
    auto form = create();
    QImage before = form->grab().toImage();
    EXPECT_EQ(before.pixelColor(105, 105), QColor(40, 60, 80));
    DeviceProbe::vid(form->device()).Vid_Show_Hero(1, true);
    QImage after = form->grab().toImage();
    EXPECT_EQ(after.pixelColor(105, 105), QColor(0, 200, 0));
    EXPECT_EQ(after.pixelColor(30, 30), QColor(40, 60, 80));
}

TEST_F(Form1Test, MissingConfigShowsTheErrorAndEndsTheProgram) {
    auto form = create();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(dialogs.errors[0],
              "Configuration file (Config.ini) not found. Please reinstall the game.");
    EXPECT_TRUE(form->terminationRequested());
}

TEST_F(Form1Test, LoadErrorIsShownAndTheProgramGoesOn) {
    writeConfig("[Fullscreen]\nBgColor=\n");
    auto form = create();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(dialogs.errors[0], "'' is not a valid integer value");
    EXPECT_FALSE(form->terminationRequested());
}

TEST_F(Form1Test, ReadsTheHighScores) {
    settings.writeText("HiScore1", "120");
    settings.writeText("HiScore2", "abc");
    writeConfig(skin);
    auto form = create();
    EXPECT_EQ(form->device().gameState().HiScoreA, 120);
    EXPECT_EQ(form->device().gameState().HiScoreB, 0);
}

TEST_F(Form1Test, TheSplashIsShownAtStartOnlyOnceAndAloneWithTheFocus) {
    writeConfig(skin);
    auto form = create();
    QWidget splash;
    QWidget other;
    form->setSplashForm(&splash);
    form->showSplashAtStart();
    QApplication::processEvents();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(splash.isActiveWindow());
    EXPECT_FALSE(form->isVisible()) << "the device window shows only at the launch";
    EXPECT_FALSE(form->launch().SplashPending);
    // Neither a second call nor the device window's activations bring it back.
    splash.hide();
    form->showSplashAtStart();
    auto activate = [](QWidget& w) {
        w.show();
        w.activateWindow();
        QApplication::setActiveWindow(&w);
        QApplication::processEvents();
    };
    activate(other);
    activate(*form);
    EXPECT_TRUE(form->isActiveWindow());
    EXPECT_FALSE(splash.isVisible());
}

TEST_F(Form1Test, StartInFullScreenModeTakesTheWindowSystemsFullScreenState) {
    writeConfig(skin);
    auto form = create();
    ASSERT_TRUE(form->fullscreenMode());
    EXPECT_FALSE(form->isVisible());
    form->centreOnScreen();
    form->enterStartupMode();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->windowState() & Qt::WindowFullScreen);
    EXPECT_EQ(form->geometry(), QRect(QPoint(0, 0), screen()));
}

TEST_F(Form1Test, ClosingTheWindowReleasesSound) {
    writeConfig(skin);
    auto form = create();
    ASSERT_TRUE(form->Snd_Init(2));
    form->show();
    sound.calls.clear();
    form->close();
    ASSERT_FALSE(sound.calls.empty());
    EXPECT_EQ(sound.calls.back().rfind("close(", 0), 0u) << sound.calls.back();
}

TEST_F(Form1Test, FirstStartLeavesExactlyTheSevenKeysInTheSettingsFile) {
    writeConfig(skin);
    const QString file = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Orvalle/Zorbax50.conf";
    QFile::remove(file);
    {
        QtSettingsStore store;
        TForm1 form(Form1Deps{store, dialogs, clock, random, sound, dir.path()});
        EXPECT_TRUE(form.fullscreenMode());
        EXPECT_EQ(form.device().gameState().HiScoreA, 0);
    }
    QSettings written(file, QSettings::IniFormat);
    EXPECT_EQ(written.allKeys(),
              QStringList({"Key1", "Key2", "Key3", "Key4", "Key5", "Key6", "Key7"}));
    const QStringList expected = {"2", "3", "4", "39", "40", "42", "41"};
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(written.value(QString("Key%1").arg(n)).toString(), expected[n - 1]) << n;
}

}  // namespace
}  // namespace zx

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings of the real store go to a folder of this run, never the user's.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
