// A full-screen device drawn larger by the Scale key: the pointer presses
// the buttons where they are drawn, and the picture is there.
#include <QMouseEvent>
#include <cmath>

#include "tests/app/form1_rig.h"

namespace zx {
namespace {

using ScaleTest = Form1Rig;

void mouse(QWidget& w, QEvent::Type type, QPoint p, Qt::MouseButtons held) {
    QMouseEvent e(type, p, w.mapToGlobal(p), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

// Whether a left press at p shows TIME's pressed picture; released after.
bool pressesTime(TForm1& form, QPoint p) {
    mouse(form, QEvent::MouseButtonPress, p, Qt::LeftButton);
    const bool pressed = form.device().face()[Ctl::btn_time_down].visible;
    mouse(form, QEvent::MouseButtonRelease, p, Qt::NoButton);
    return pressed;
}

TEST_F(ScaleTest, ClicksLandOnTheScaledButtons) {
    // TIME's button at (200, 150), 30 x 20 on the face; its pressed picture beneath.
    const QByteArray time =
        "[Image7]\nFilename=seg.png\nLeft=200\nTop=150\nWidth=30\nHeight=20\n"
        "[Image8]\nFilename=seg.png\nLeft=200\nTop=150\nWidth=30\nHeight=20\n";
    const struct {
        const char* value;
        double scale;
    } cases[] = {{"1", 1}, {"1.5", 1.5}, {"2", 2}, {"2.7", 2.7}, {"0", 1}, {"fit", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        writeConfig("[Fullscreen]\nScale=" + QByteArray(c.value) + "\n" + skin + time);
        auto form = create();
        const DeviceView view = form->device().face().look().device;
        if (c.scale > 0) {
            EXPECT_DOUBLE_EQ(view.scale, c.scale);
        }
        const Rect& r = form->device().face()[Ctl::btn_time_top].rect;
        const RectF drawn = view.toWindow(r.x, r.y, r.w, r.h);
        const int left = int(std::ceil(drawn.x)), right = int(std::floor(drawn.x + drawn.w)) - 1;
        const int middle = int(drawn.y + drawn.h / 2);
        EXPECT_TRUE(pressesTime(*form, {left, middle}));
        EXPECT_TRUE(pressesTime(*form, {right, middle}));
        EXPECT_FALSE(pressesTime(*form, {right + 2, middle}));
        EXPECT_FALSE(pressesTime(*form, {left - 2, middle}));
        // The button's 10 x 10 picture is drawn at its corner, scaled, and
        // the case beside it.
        const QImage shot = form->grab().toImage();
        const double s = drawn.w / 30;
        EXPECT_EQ(shot.pixelColor(int(drawn.x + 5 * s), int(drawn.y + 5 * s)), QColor(0, 200, 0));
        EXPECT_EQ(shot.pixelColor(int(drawn.x + 20 * s), int(drawn.y + 5 * s)), QColor(40, 60, 80));
    }
}

TEST_F(ScaleTest, TheMenuButtonStaysAtTheCornerAtItsSize) {
    writeConfig("[Fullscreen]\nScale=2\n" + skin);
    auto form = create();
    ASSERT_TRUE(form->fullscreenMode());
    mouse(*form, QEvent::MouseButtonPress, {30, 25}, Qt::LeftButton);
    mouse(*form, QEvent::MouseButtonRelease, {30, 25}, Qt::NoButton);
    EXPECT_TRUE(form->gameMenuOpen());
}

}  // namespace
}  // namespace zx
