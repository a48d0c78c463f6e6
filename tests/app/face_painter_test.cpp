// Painting part of the face gives exactly the pixels of a whole frame there,
// whether an opaque picture covers the part or the background shows.
#include "app/face_painter.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

namespace zx {
namespace {

std::shared_ptr<Picture> solid(int w, int h, std::uint32_t argb) {
    auto p = std::make_shared<Picture>();
    p->width = w;
    p->height = h;
    p->pixels.assign(std::size_t(w) * h, argb);
    return p;
}

TEST(FacePainter, PartsMatchTheWholeFrame) {
    Face face;
    face.setClientSize(200, 100);
    face.setBackground(rgb(10, 20, 30));
    // A backdrop narrower than the window, an opaque case with a see-through
    // hole, and a half-transparent segment over both.
    face.setPicture(Ctl::im_backdrop, solid(120, 100, rgb(200, 0, 0)));
    face.setVisible(Ctl::im_backdrop, true);
    auto bg = solid(100, 60, rgb(0, 90, 0));
    for (int y = 20; y < 30; ++y)
        for (int x = 20; x < 40; ++x) bg->pixels[std::size_t(y) * 100 + x] = 0;
    face.setPicture(Ctl::im_background, bg);
    face.setRect(Ctl::im_background, {50, 20, 100, 60});
    face.setVisible(Ctl::im_background, true);
    face.setPicture(Ctl::im_hero_2, solid(10, 10, 0x80400000u));
    face.setRect(Ctl::im_hero_2, {95, 45, 10, 10});
    face.setVisible(Ctl::im_hero_2, true);

    FacePainter painter;
    const QImage whole = painter.render(face);
    const QRect areas[] = {
        {95, 45, 10, 10},  // the segment over the opaque case
        {60, 30, 30, 20},  // across the case's hole
        {0, 0, 30, 30},    // beside the backdrop: the background colour
        {30, 10, 50, 80},  // backdrop, case and its edge
        {0, 0, 200, 100},  // everything
    };
    for (const QRect& area : areas) {
        QImage frame(200, 100, QImage::Format_RGB32);
        frame.fill(Qt::white);
        QPainter p(&frame);
        painter.paint(p, face, area);
        p.end();
        EXPECT_EQ(frame.copy(area), whole.copy(area)) << area.x() << "," << area.y();
    }
    EXPECT_EQ(whole.pixel(5, 5), qRgb(10, 20, 30));
    EXPECT_EQ(whole.pixel(45, 5), qRgb(200, 0, 0));
    EXPECT_EQ(whole.pixel(75, 45), qRgb(200, 0, 0));  // through the hole
}

}  // namespace
}  // namespace zx

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
