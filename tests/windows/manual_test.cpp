// The manual viewer: first opening, page turns by keys and clicks, drag, size, missing pages.
#include "windows/manual.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>

#include "tests/rig/hostile_files.h"
#include "windows/dialogs.h"

namespace zx {
namespace {

struct RecordingDialogs : Dialogs {
    QStringList errors;
    void showError(const QString& text) override { errors << text; }
};

// Every page is a small picture of a colour of its own.
QRgb pageColour(int n) { return qRgb(10 * n, 100, 200); }

class ManualTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QDir::setCurrent(dir.path());  // no button pictures here: the stand-ins are drawn
        QDir().mkpath("Graphics/Manual");
        for (int n = 1; n <= 12; ++n) {
            QImage page(40, 30, QImage::Format_RGB32);
            page.fill(pageColour(n));
            page.save(QString("Graphics/Manual/%1.bmp").arg(n), "BMP");
        }
    }
    TManualForm& create(const QByteArray& ini = {}) {
        QFile f(dir.filePath("Config.ini"));
        f.open(QIODevice::WriteOnly);
        f.write(ini);
        f.close();
        form = std::make_unique<TManualForm>(dir.filePath("Config.ini").toStdString(), dialogs);
        return *form;
    }
    // The page on screen, told by its colour; 0 for none.
    int page() const {
        for (int n = 1; n <= 12; ++n)
            if (form->grab().toImage().pixel(20, 15) == pageColour(n)) return n;
        return 0;
    }
    bool shows(ManualCtl c) const { return form->visible(c); }
    void key(QEvent::Type type, int key, bool autoRepeat = false) {
        QKeyEvent e(type, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(form.get(), &e);
    }
    void tap(int k) {
        key(QEvent::KeyPress, k);
        key(QEvent::KeyRelease, k);
    }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
        QMouseEvent e(type, at, form->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &e);
    }

    QTemporaryDir dir;
    RecordingDialogs dialogs;
    std::unique_ptr<TManualForm> form;
};

TEST_F(ManualTest, FirstOpeningShowsPage1CentredWithOnlyTheRightArrow) {
    TManualForm& f = create();
    EXPECT_TRUE(f.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(f.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(f.windowTitle(), "Manual");
    f.open();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(f.size(), QSize(345, 255));
    EXPECT_EQ(f.pos(), QPoint((screen.width() - 345) / 2, (screen.height() - 255) / 2));
    EXPECT_EQ(page(), 1);
    EXPECT_FALSE(shows(ManualCtl::btn_left_up));
    EXPECT_FALSE(shows(ManualCtl::btn_left_down));
    EXPECT_TRUE(shows(ManualCtl::btn_right_up));
    EXPECT_EQ(f.grab().toImage().pixel(200, 100), qRgb(255, 255, 255));  // beside the page
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(ManualTest, ElevenRightPressesReachTheLastPageAndNoFurther) {
    create().open();
    for (int n = 2; n <= 12; ++n) {
        tap(Qt::Key_Right);
        EXPECT_EQ(page(), n);
        EXPECT_TRUE(shows(ManualCtl::btn_left_up)) << n;
        EXPECT_EQ(shows(ManualCtl::btn_right_up), n < 12) << n;
    }
    tap(Qt::Key_Right);
    EXPECT_EQ(form->ManualPage, 12);
    EXPECT_FALSE(shows(ManualCtl::btn_right_down));
    tap(Qt::Key_Left);
    EXPECT_EQ(page(), 11);
    EXPECT_TRUE(shows(ManualCtl::btn_right_up));
}

TEST_F(ManualTest, HeldRightKeyShowsThePressedLookAndTurnsOnePageOnRelease) {
    create().open();
    key(QEvent::KeyPress, Qt::Key_Right);
    for (int i = 0; i < 5; ++i) {  // X11 repeats a held key as release and press pairs
        key(QEvent::KeyRelease, Qt::Key_Right, true);
        key(QEvent::KeyPress, Qt::Key_Right, true);
        EXPECT_FALSE(shows(ManualCtl::btn_right_up));
        EXPECT_TRUE(shows(ManualCtl::btn_right_down));
        EXPECT_EQ(page(), 1);
    }
    key(QEvent::KeyRelease, Qt::Key_Right);
    EXPECT_EQ(page(), 2);
    EXPECT_TRUE(shows(ManualCtl::btn_right_up));
}

TEST_F(ManualTest, ClosedOnPage5ItReopensThereWhereItWasLeft) {
    TManualForm& f = create();
    f.open();
    for (int i = 0; i < 4; ++i) tap(Qt::Key_Right);
    f.move(50, 60);
    key(QEvent::KeyPress, Qt::Key_Escape);
    EXPECT_FALSE(shows(ManualCtl::btn_close_up));
    EXPECT_TRUE(f.isVisible());
    key(QEvent::KeyRelease, Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(shows(ManualCtl::btn_close_up));
    f.open();
    EXPECT_EQ(page(), 5);
    EXPECT_EQ(f.pos(), QPoint(50, 60));
}

TEST_F(ManualTest, ButtonsKeepTheirDistanceToTheEdges) {
    const struct {
        QByteArray ini;
        QPoint close, right, left;
    } sizes[] = {
        {"", {325, 4}, {325, 237}, {4, 237}},
        {"[Manual]\nManualWidth=500\nManualHeight=400\n", {480, 4}, {480, 382}, {4, 382}},
    };
    for (const auto& s : sizes) {
        TManualForm& f = create(s.ini);
        f.open();
        tap(Qt::Key_Right);
        EXPECT_EQ(f.rectOf(ManualCtl::btn_close_up), QRect(s.close, QSize(16, 14)));
        EXPECT_EQ(f.rectOf(ManualCtl::btn_right_up), QRect(s.right, QSize(16, 14)));
        EXPECT_EQ(f.rectOf(ManualCtl::btn_left_down), QRect(s.left, QSize(16, 14)));
        const QImage shot = f.grab().toImage();
        for (QPoint corner : {s.close, s.right, s.left})  // the buttons' dark frames
            EXPECT_NE(shot.pixel(corner), qRgb(255, 255, 255)) << corner.x() << "," << corner.y();
    }
}

TEST_F(ManualTest, ClicksActOnReleaseAndTheWindowFollowsADragOnThePage) {
    TManualForm& f = create();
    f.open();
    const QPoint right = f.rectOf(ManualCtl::btn_right_up).center();
    mouse(QEvent::MouseButtonPress, right);
    EXPECT_FALSE(shows(ManualCtl::btn_right_up));
    EXPECT_EQ(page(), 1);
    mouse(QEvent::MouseButtonRelease, {100, 100});  // released off the arrow: it still counts
    EXPECT_EQ(page(), 2);
    mouse(QEvent::MouseButtonPress, right, Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, right, Qt::RightButton);
    EXPECT_EQ(page(), 2);

    const QPoint start = f.pos();
    mouse(QEvent::MouseButtonPress, {100, 100});
    mouse(QEvent::MouseMove, {130, 90});
    EXPECT_EQ(f.pos(), start + QPoint(30, -10));
    mouse(QEvent::MouseButtonRelease, {130, 90});
    EXPECT_EQ(page(), 2);

    // A click and a key on the same arrow at once: the page stays within the manual.
    mouse(QEvent::MouseButtonPress, f.rectOf(ManualCtl::btn_left_up).center());
    tap(Qt::Key_Left);
    mouse(QEvent::MouseButtonRelease, f.rectOf(ManualCtl::btn_left_up).center());
    EXPECT_EQ(f.ManualPage, 1);

    mouse(QEvent::MouseButtonPress, f.rectOf(ManualCtl::btn_close_up).center());
    mouse(QEvent::MouseButtonRelease, f.rectOf(ManualCtl::btn_close_up).center());
    EXPECT_FALSE(f.isVisible());
}

TEST_F(ManualTest, MissingPageShowsTheRedMarkerAndADamagedOneIsReported) {
    QFile::remove("Graphics/Manual/7.bmp");
    QFile bad("Graphics/Manual/9.bmp");
    bad.open(QIODevice::WriteOnly);
    bad.write("BM not a bitmap");
    bad.close();
    TManualForm& f = create();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << "the pages load when the viewer opens";
    f.ManualPage = 7;
    f.open();
    ASSERT_EQ(dialogs.errors.size(), 1);
    f.open();
    EXPECT_EQ(dialogs.errors.size(), 1) << "reported once";
    const QImage shot = f.grab().toImage();
    EXPECT_EQ(shot.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(12, 12), qRgb(255, 255, 255));
    f.ManualPage = 10;  // after the damaged file nothing was loaded
    f.Vid_Show_Page();
    EXPECT_EQ(f.grab().toImage().pixel(5, 5), qRgb(255, 255, 255));
}

// Special files in place of the viewer's Config.ini, a page and a button
// picture: the defaults, the red marker (or the size message) and the drawn
// stand-in, each at once.
TEST_F(ManualTest, SpecialFilesGiveTheDefaultsTheMarkerAndTheStandIns) {
    enum What { Config, Page, Button };
    struct Target {
        const char* path;
        What what;
        std::uint64_t oversize;
    };
    const std::uint64_t pictureOversize = (1ull << 27) + (1u << 20) + 1;
    const Target targets[] = {{"Config.ini", Config, (1u << 20) + 1},
                              {"Graphics/Manual/3.bmp", Page, pictureOversize},
                              {"Graphics/Windows/manual_close_up.png", Button, pictureOversize}};
    for (const Target& t : targets) {
        for (const test::SpecialKind kind : test::kSpecialKinds) {
            const std::string name = std::string(t.path) + " as " + test::specialKindName(kind);
            SCOPED_TRACE(name);
            dialogs.errors.clear();
            if (t.what != Config) create("[Manual]\nManualWidth=400\nManualHeight=300\n");
            test::makeSpecial(dir.filePath(t.path).toStdString(), kind, t.oversize,
                              "[Manual]\nManualWidth=400\n");
            const test::HangGuard guard(name);
            if (t.what == Config)
                form = std::make_unique<TManualForm>(dir.filePath("Config.ini").toStdString(),
                                                     dialogs);
            TManualForm& f = *form;
            EXPECT_EQ(f.size(), t.what == Config ? QSize(345, 255) : QSize(400, 300));
            f.ManualPage = 3;
            f.open();
            const QImage shot = f.grab().toImage();
            if (t.what == Page && kind == test::SpecialKind::Oversized) {
                EXPECT_EQ(dialogs.errors, QStringList{"Picture file is too large"});
            } else {
                EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
                EXPECT_EQ(shot.pixel(5, 5), t.what == Page ? qRgb(255, 0, 0) : pageColour(3));
            }
            // A button is drawn over the page where its picture could not be read.
            EXPECT_NE(shot.pixel(f.rectOf(ManualCtl::btn_close_up).center()), pageColour(3));

            form.reset();
            QDir(dir.filePath(t.path)).removeRecursively();
            QFile::remove(dir.filePath(t.path));
            QImage page(40, 30, QImage::Format_RGB32);
            page.fill(pageColour(3));
            page.save(dir.filePath("Graphics/Manual/3.bmp"), "BMP");
        }
    }
}

}  // namespace
}  // namespace zx
