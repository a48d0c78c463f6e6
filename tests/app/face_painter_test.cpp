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

// A see-through window: the frame starts clear, as the window system's
// buffer of a translucent window does, and only the shape is painted.
QImage seeThrough(FacePainter& painter, const Face& face, const QRegion& shape, QRect area) {
    QImage frame(face.look().clientWidth, face.look().clientHeight,
                 QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::transparent);
    QPainter p(&frame);
    painter.paint(p, face, area, &shape);
    return frame;
}

TEST(FacePainter, SeeThroughWindowLeavesTheColourKeyClearAndKeepsTheSkinsAlpha) {
    const std::uint32_t key = rgb(255, 0, 255);
    Face face;
    face.setClientSize(100, 60);
    face.setBackground(key);
    face.setColourKey(true, key);
    // A case with a key-coloured notch, a half-transparent rim on its left
    // and a clear hole; a segment of the key colour's neighbour on top.
    auto bg = solid(80, 40, rgb(0, 90, 0));
    for (int y = 0; y < 40; ++y) bg->pixels[std::size_t(y) * 80] = 0x80004000u;
    for (int x = 30; x < 40; ++x) bg->pixels[x] = key;
    for (int x = 50; x < 60; ++x) bg->pixels[std::size_t(20) * 80 + x] = 0;
    face.setPicture(Ctl::im_background, bg);
    face.setRect(Ctl::im_background, {10, 10, 80, 40});
    face.setVisible(Ctl::im_background, true);
    face.setPicture(Ctl::im_hero_2, solid(4, 4, rgb(254, 0, 255)));
    face.setRect(Ctl::im_hero_2, {70, 40, 4, 4});
    face.setVisible(Ctl::im_hero_2, true);

    FacePainter painter;
    const QRegion shape = painter.mask(face);
    const QImage whole = seeThrough(painter, face, shape, QRect(0, 0, 100, 60));
    const struct {
        QPoint at;
        QRgb pixel;  // premultiplied
        const char* what;
    } cases[] = {
        {{2, 2}, 0, "the background is the colour key"},
        {{45, 10}, 0, "a key-coloured pixel of the case"},
        {{65, 30}, 0, "a clear hole of the case"},
        {{10, 30}, 0x80004000u, "the half-transparent rim"},
        {{40, 30}, 0xFF005A00u, "the case"},
        {{71, 41}, 0xFFFE00FFu, "a segment one step from the key"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(whole.pixel(c.at), c.pixel) << c.what << ": " << std::hex << whole.pixel(c.at);
    // Painting a part gives the whole frame's pixels there and leaves the rest clear.
    for (const QRect area : {QRect(0, 0, 30, 30), QRect(30, 5, 40, 40), QRect(68, 38, 8, 8)}) {
        const QImage part = seeThrough(painter, face, shape, area);
        EXPECT_EQ(part.copy(area), whole.copy(area)) << area.x() << "," << area.y();
        EXPECT_EQ(part.pixel(99, 59), 0u);
    }
    // With no shape at all nothing is painted, not even the background.
    const QImage none = seeThrough(painter, face, QRegion(), QRect(0, 0, 100, 60));
    EXPECT_EQ(none.pixel(40, 30), 0u);
}

}  // namespace
}  // namespace zx

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
