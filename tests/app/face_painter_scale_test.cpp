// Painting at pixel ratios above 1 and on a scaled device: the sharper twin
// where it is worth it, smooth scaling otherwise, and a window shape that
// shows no pixel of the colour key.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/face_painter.h"

namespace zx {
namespace {

constexpr QRgb kKey = 0xFFFF00FF;

// A 1x picture of black and white columns, one pixel wide each.
std::shared_ptr<Picture> columns(int w, int h) {
    auto p = std::make_shared<Picture>();
    p->width = w;
    p->height = h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p->pixels.push_back(x % 2 ? rgb(255, 255, 255) : rgb(0, 0, 0));
    return p;
}

// Its twin: what no doubling of the 1x pixels gives, a grey line through
// every column and a red top-left pixel.
QImage twinOf(int w, int h) {
    QImage t(2 * w, 2 * h, QImage::Format_ARGB32);
    for (int y = 0; y < 2 * h; ++y)
        for (int x = 0; x < 2 * w; ++x)
            t.setPixel(x, y,
                       x % 2         ? qRgb(128, 128, 128)
                       : (x / 2) % 2 ? qRgb(255, 255, 255)
                                     : qRgb(0, 0, 0));
    t.setPixel(0, 0, qRgb(255, 0, 0));
    return t;
}

class ScaledPainting : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(twinOf(20, 10).save(dir.filePath("case@2x.png")));
        face.setClientSize(40, 30);
        face.setBackground(kKey);
        face.setColourKey(true, kKey);
    }
    // The picture at (10, 10), with or without a twin on disk.
    void place(bool withTwin) {
        auto pic = columns(20, 10);
        if (withTwin) pic->twinPath = dir.filePath("case@2x.png").toStdString();
        face.setPicture(Ctl::im_background, pic);
        face.setRect(Ctl::im_background, {10, 10, 20, 10});
        face.setVisible(Ctl::im_background, true);
    }
    QImage renderAt(qreal ratio, bool withTwin) {
        place(withTwin);
        FacePainter painter;
        return painter.render(face, ratio).convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir dir;
    Face face;
};

TEST_F(ScaledPainting, PixelRatioTwoDrawsTheTwinNotADoubling) {
    const QImage atTwo = renderAt(2, true);
    ASSERT_EQ(atTwo.size(), QSize(80, 60));
    const QImage twin = twinOf(20, 10).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(atTwo.copy(20, 20, 40, 20), twin) << "the twin, pixel for pixel";
    const QImage doubled =
        renderAt(1, true).scaled(80, 60, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_NE(atTwo.copy(20, 20, 40, 20), doubled.copy(20, 20, 40, 20));
}

TEST_F(ScaledPainting, WithoutATwinTheOneTimesPictureIsScaledSmoothly) {
    const QImage atTwo = renderAt(2, false);
    const QImage doubled =
        renderAt(1, false).scaled(80, 60, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_NE(atTwo, doubled) << "not pixel-doubled";
    // Smooth scaling leaves greys between the black and white columns.
    int greys = 0;
    for (int x = 20; x < 60; ++x) {
        const int v = qRed(atTwo.pixel(x, 30));
        greys += v > 16 && v < 240;
    }
    EXPECT_GT(greys, 10);
}

// Whether the twin is drawn, by pixel ratio and device scale: it is where a
// picture pixel covers more than one screen pixel, and on a device scaled by
// more than 1.5 at a pixel ratio of 1.
TEST_F(ScaledPainting, TwinDrawnAtTheRightDensities) {
    const struct {
        qreal ratio;
        double scale;
        bool twin;
    } cases[] = {
        {1, 1, false}, {1.25, 1, true},  {1.5, 1, true},  {2, 1, true},
        {3, 1, true},  {1, 1.25, false}, {1, 1.5, false}, {1, 1.75, true},
        {1, 2, true},  {1, 2.7, true},   {2, 2, true},
    };
    for (const auto& c : cases) {
        face.setDeviceView({c.scale, 10, 10});
        face.setClientSize(int(40 * c.scale), int(30 * c.scale));
        const bool differs = renderAt(c.ratio, true) != renderAt(c.ratio, false);
        EXPECT_EQ(differs, c.twin) << "ratio " << c.ratio << " scale " << c.scale;
    }
}

TEST_F(ScaledPainting, ScaledDeviceIsDrawnWhereItIsHit) {
    face.setDeviceView({2, 10, 10});
    face.setClientSize(80, 60);
    const QImage frame = renderAt(1, true);
    // The 20 x 10 picture at (10, 10) covers 10..49 x 10..29 at scale 2.
    EXPECT_EQ(frame.pixel(10, 10), qRgb(255, 0, 0)) << "the twin's own corner";
    EXPECT_EQ(frame.pixel(49, 29), qRgb(128, 128, 128)) << "the twin's last column";
    // Around the scaled device the shape cuts the window away; drawn smoothly,
    // edges blend with black there rather than with the key.
    EXPECT_EQ(frame.pixel(50, 15), qRgb(0, 0, 0));
    EXPECT_EQ(frame.pixel(15, 30), qRgb(0, 0, 0));
}

// A twin with a clear corner where its 1x picture is opaque: the window
// pixel there must leave the shape, or the key colour would show.
TEST_F(ScaledPainting, ShapeAtPixelRatioTwoShowsNoKeyColour) {
    QImage t = twinOf(20, 10);
    t.setPixel(0, 0, qRgba(0, 0, 0, 0));
    t.setPixel(39, 19, qRgba(0, 0, 0, 0));
    ASSERT_TRUE(t.save(dir.filePath("case@2x.png")));
    place(true);
    FacePainter painter;
    const qreal ratios[] = {1, 1.25, 1.5, 2, 3};
    for (qreal ratio : ratios) {
        const QRegion shape = painter.mask(face, ratio);
        // Drawn one to one at 2, the clear twin pixels cut their window
        // pixels away; elsewhere they blend with their neighbours.
        if (ratio == 1 || ratio == 2) {
            EXPECT_EQ(shape.contains(QPoint(10, 10)), ratio == 1) << ratio;
            EXPECT_EQ(shape.contains(QPoint(29, 19)), ratio == 1) << ratio;
        }
        EXPECT_TRUE(shape.contains(QPoint(11, 10))) << ratio;
        EXPECT_FALSE(shape.contains(QPoint(9, 10))) << ratio;
        // No screen pixel of a window pixel in the shape is of the key.
        const QImage frame = painter.render(face, ratio).convertToFormat(QImage::Format_RGB32);
        int keyed = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                keyed += frame.pixel(x, y) == kKey &&
                         shape.contains(QPoint(int(x / ratio), int(y / ratio)));
        EXPECT_EQ(keyed, 0) << ratio;
    }
}

}  // namespace
}  // namespace zx
