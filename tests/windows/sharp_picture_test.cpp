// The small windows' pictures at a pixel ratio: their twin where there is
// one, smooth scaling where not, and always their own size on the window.
#include "windows/sharp_picture.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace zx {
namespace {

// A 6 x 4 picture of black and white columns.
Picture columns() {
    Picture p;
    p.width = 6;
    p.height = 4;
    for (int i = 0; i < 24; ++i) p.pixels.push_back(i % 2 ? rgb(255, 255, 255) : rgb(0, 0, 0));
    return p;
}

TEST(SharpPicture, TwinOrSmoothAtEachRatio) {
    QTemporaryDir dir;
    QImage twin(12, 8, QImage::Format_RGB32);
    twin.fill(qRgb(0, 0, 255));
    ASSERT_TRUE(twin.save(dir.filePath("p@2x.png")));
    QImage wrong(13, 8, QImage::Format_RGB32);
    wrong.fill(qRgb(0, 0, 255));
    ASSERT_TRUE(wrong.save(dir.filePath("w@2x.png")));
    const struct {
        const char* twinFile;  // "" for none
        qreal ratio;
        QSize pixels;
        bool blue;   // drawn from the twin
        bool greys;  // smoothly scaled from the 1x columns
    } cases[] = {
        {"p@2x.png", 1, {6, 4}, false, false},
        {"p@2x.png", 2, {12, 8}, true, false},
        {"p@2x.png", 1.5, {9, 6}, true, false},
        {"p@2x.png", 3, {18, 12}, true, false},
        {"", 2, {12, 8}, false, true},
        {"w@2x.png", 2, {12, 8}, false, true},  // not twice the size: ignored
        {"missing@2x.png", 1.25, {8, 5}, false, true},
    };
    for (const auto& c : cases) {
        Picture p = columns();
        if (*c.twinFile) p.twinPath = dir.filePath(c.twinFile).toStdString();
        const QImage img = atPixelRatio(p, c.ratio);
        SCOPED_TRACE(std::string(c.twinFile) + " at " + std::to_string(c.ratio));
        EXPECT_EQ(img.size(), c.pixels);
        EXPECT_DOUBLE_EQ(img.devicePixelRatio(), c.ratio);
        EXPECT_NEAR(img.deviceIndependentSize().width(), 6, 0.5);
        EXPECT_EQ(img.pixel(img.width() / 2, 1) == qRgb(0, 0, 255), c.blue);
        int greys = 0;
        for (int x = 0; x < img.width(); ++x) {
            const int v = qRed(img.pixel(x, 1));
            greys += v > 16 && v < 240 && qBlue(img.pixel(x, 1)) == v;
        }
        EXPECT_EQ(greys > 0, c.greys);
    }
}

}  // namespace
}  // namespace zx
