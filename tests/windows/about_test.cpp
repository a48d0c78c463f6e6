// The about box: layout, links through a shell that fails, Escape, one box only.
#include "windows/about.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "windows/shell.h"
#include "windows/splash_art.h"
#include "windows/window_style.h"

namespace zx {
namespace {

// A shell with no handler for anything: it records the request and fails.
struct FailingShell : Shell {
    QStringList opened;
    void open(const QString& target) override { opened << target; }
};

class AboutTest : public ::testing::Test {
  protected:
    void SetUp() override { QDir::setCurrent(dir.path()); }
    QTemporaryDir dir;
    FailingShell shell;
    TAboutForm form{shell};
};

TEST_F(AboutTest, PictureAndSevenRowsStandAtTheirPlacesWithTheirStyles) {
    EXPECT_EQ(form.windowTitle(), "About the author...");
    EXPECT_EQ(form.size(), QSize(397, 176));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(form.grab().toImage().pixel(390, 170), qRgb(8, 41, 82));
    EXPECT_EQ(form.im_picture->geometry(), QRect(8, 8, 116, 160));
    EXPECT_EQ(form.im_picture->pixmap().size(), QSize(116, 160));
    const QStringList captions = {
        "Name:", "Birthplace:", "Birth date:", "Occupation:", "Hobby:", "Website:", "Email:"};
    for (int i = 0; i < 7; ++i) {
        const QLabel* c = form.captions[std::size_t(i)];
        EXPECT_EQ(c->text(), captions[i]);
        EXPECT_EQ(c->pos(), QPoint(132, 8 + 24 * i));
        EXPECT_FALSE(c->font().bold());
    }
    for (int i = 0; i < 5; ++i) {
        const QLabel* v = form.values[std::size_t(i)];
        EXPECT_EQ(v->pos(), QPoint(212, 8 + 24 * i));
        EXPECT_TRUE(v->font().bold());
        EXPECT_EQ(v->font().italic(), i == 4);  // the hobby
    }
    const struct {
        ClickLabel* link;
        int top;
    } links[] = {{form.la_website_2, 128}, {form.la_email_2, 152}};
    for (const auto& l : links) {
        EXPECT_EQ(l.link->geometry(), QRect(212, l.top, 168, 15));
        EXPECT_EQ(textColour(l.link), qRgb(255, 255, 0));
        EXPECT_TRUE(l.link->font().bold() && l.link->font().underline());
        EXPECT_EQ(l.link->font().pixelSize(), 12);
        EXPECT_EQ(l.link->cursor().shape(), Qt::PointingHandCursor);
    }
}

TEST_F(AboutTest, EitherLinkOrEscapeClosesTheBoxThoughNoProgramHandlesTheLink) {
    const struct {
        std::function<void()> act;
        QStringList opened;
    } ways[] = {
        {[&] { QTest::mouseClick(form.la_website_2, Qt::LeftButton); },
         {"https://www.example.org/sim/"}},
        {[&] { QTest::mouseClick(form.la_email_2, Qt::LeftButton); },
         {"mailto:zorbanix@example.org"}},
        {[&] { QTest::keyClick(&form, Qt::Key_Escape); }, {}},
    };
    for (const auto& w : ways) {
        shell.opened.clear();
        form.open();
        ASSERT_TRUE(form.isVisible());
        w.act();
        EXPECT_EQ(shell.opened, w.opened);
        EXPECT_FALSE(form.isVisible());
    }
}

TEST_F(AboutTest, OpeningTwiceKeepsOneBoxWhereItWasLeft) {
    form.open();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(form.pos(), QPoint((screen.width() - 397) / 2, (screen.height() - 176) / 2));
    form.move(30, 40);
    form.open();
    form.close();
    form.open();
    EXPECT_EQ(form.pos(), QPoint(30, 40));
    int boxes = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        boxes += qobject_cast<TAboutForm*>(w) && w->isVisible();
    EXPECT_EQ(boxes, 1);
}

}  // namespace
}  // namespace zx
