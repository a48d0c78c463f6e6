// End to end at high pixel densities and with a scaled full screen: the real
// program under Xvfb at QT_SCALE_FACTOR 2 and 1.5, and with Scale=fit.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QPointF>

#include "tests/app/test_skin.h"

namespace zx::e2e {
namespace {

constexpr int kW = 1920, kH = 1080;
const QString kDevice = "Zorbanix (Quentrel, Tikkabo) Simulator";

// Aligned 2 x 2 blocks of the window whose four pixels are not all alike. A
// face pixel-doubled from its 1x pictures has none; one drawn from pictures
// made for twice the density has them wherever an edge is anti-aliased.
int mixedBlocks(const QImage& shot, QRect r) {
    int n = 0;
    for (int y = r.top(); y + 1 <= r.bottom(); y += 2)
        for (int x = r.left(); x + 1 <= r.right(); x += 2) {
            const QRgb a = shot.pixel(x, y);
            n += shot.pixel(x + 1, y) != a || shot.pixel(x, y + 1) != a ||
                 shot.pixel(x + 1, y + 1) != a;
        }
    return n;
}

// Mean difference per channel between two pictures of the same size.
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                   std::abs(p.blue() - q.blue());
        }
    return sum / (3.0 * a.width() * a.height());
}

// The lettering below the buttons, drawn at scale 2, is the bundled twin
// picture there, closer to it than to the 1x picture scaled up smoothly.
void expectDrawnFromTwin(const QImage& window) {
    const QString skin = QFileInfo(ZX_PROGRAM).dir().filePath("Graphics/Skin/");
    const QImage twin(skin + "im_background@2x.png");
    const QImage one(skin + "im_background.png");
    ASSERT_FALSE(twin.isNull()) << "no im_background@2x.png in the bundle";
    ASSERT_EQ(twin.size(), one.size() * 2);
    const QRect lettering(2 * 180, 2 * 312, 2 * 180, 2 * 40);
    const QImage shown = window.copy(lettering);
    const QImage fromTwin = twin.copy(lettering);
    const QImage fromOne =
        one.scaled(one.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).copy(lettering);
    const double toTwin = meanDifference(shown, fromTwin);
    EXPECT_LT(toTwin, 2.0);
    EXPECT_LT(toTwin, meanDifference(shown, fromOne) / 2);
}

// The first few colour-key pixels within r, relative to its corner.
QString keyPlaces(const QImage& shot, QRect r) {
    QString out;
    int n = 0;
    for (int y = r.top(); y <= r.bottom() && n < 8; ++y)
        for (int x = r.left(); x <= r.right() && n < 8; ++x)
            if (keyPixels(shot, QRect(x, y, 1, 1))) {
                out += QString(" (%1,%2)").arg(x - r.left()).arg(y - r.top());
                ++n;
            }
    return out;
}

struct ScaleCase {
    const char* factor;
    bool bundled;  // the skin the program ships, else the flat test skin
    QSize window;
};

void PrintTo(const ScaleCase& c, std::ostream* os) {
    *os << c.factor << (c.bundled ? " bundled skin" : " test skin");
}

class ScaleEndToEnd : public ::testing::TestWithParam<ScaleCase> {
  protected:
    void SetUp() override {
        if (!x.ok()) GTEST_SKIP() << "Xvfb did not start";
    }
    std::optional<WindowInfo> waitForDevice(QSize size) {
        std::optional<WindowInfo> w;
        waitUntil(
            [&] {
                w = windowTitled(x, folder.process().processId(), kDevice);
                return w && w->rect.size() == size;
            },
            15000);
        return w;
    }

    XvfbSession x{kW, kH, ""};
    ProgramFolder folder;
};

TEST_P(ScaleEndToEnd, WindowedDeviceHasItsScaledSizeAndNoColourKeyPixel) {
    const ScaleCase c = GetParam();
    if (c.bundled)
        copyBundledSkin(folder);
    else
        TestSkin skin(folder);
    folder.writeSettings("SoundMode=2\nSplashScreen=0\nFullscreenMode=0\n");
    folder.setEnv("QT_SCALE_FACTOR", c.factor);
    folder.start(x.display());
    const auto w = waitForDevice(c.window);
    ASSERT_TRUE(w.has_value()) << "no device window of the scaled size";
    EXPECT_EQ(w->rect.size(), c.window);
    const double f = QString(c.factor).toDouble();
    const QRect r = w->rect;
    // The face is drawn: the case shows at its left edge.
    const QPoint inCase = r.topLeft() + (QPointF(50, 180) * f).toPoint();
    const QImage shot = x.waitForShot(
        [&](const QImage& s) { return s.pixelColor(inCase) != Qt::black && keyPixels(s, r) == 0; });
    EXPECT_EQ(keyPixels(shot, r), 0)
        << "colour key shows at " << c.factor << ":" << keyPlaces(shot, r).toStdString();
    if (!c.bundled) {
        EXPECT_EQ(shot.pixelColor(r.topLeft() + (QPointF(60, 60) * f).toPoint()), kBody);
        for (QPoint corner : {QPoint(4, 4), QPoint(537, 354)})
            EXPECT_EQ(shot.pixelColor(r.topLeft() + (QPointF(corner) * f).toPoint()), Qt::black);
    }
    if (c.bundled && f == 2) {
        const int mixed = mixedBlocks(shot, r);
        EXPECT_GT(mixed, 2000) << "the face is pixel-doubled from its 1x pictures";
        expectDrawnFromTwin(shot.copy(r));
    }
}

INSTANTIATE_TEST_SUITE_P(Factors, ScaleEndToEnd,
                         ::testing::Values(ScaleCase{"2", false, {1084, 718}},
                                           ScaleCase{"2", true, {1084, 718}},
                                           ScaleCase{"1.5", false, {813, 539}},
                                           ScaleCase{"1.5", true, {813, 539}}),
                         [](const auto& info) {
                             return QString("%1x%2")
                                 .arg(QString(info.param.factor).replace('.', '_'))
                                 .arg(info.param.bundled ? "Bundled" : "TestSkin")
                                 .toStdString();
                         });

// The device as the scaled full screen shows it: its scale and its top-left.
struct Placed {
    double k = 0;
    QPoint origin;
    QPoint at(QPoint p) const { return origin + (QPointF(p) * k).toPoint(); }
};

// Measured from the case: 462 of the face's 542 pixels wide, 40 in from its left.
std::optional<Placed> findDevice(const QImage& s) {
    int left = -1, right = -1;
    for (int x = 0; x < s.width(); ++x)
        if (s.pixelColor(x, kH / 2) == kBody) {
            if (left < 0) left = x;
            right = x;
        }
    if (left < 0) return std::nullopt;
    int top = kH / 2;
    while (top > 0 && s.pixelColor(left + 2, top - 1) == kBody) --top;
    Placed p;
    p.k = (right - left + 1) / 462.0;
    p.origin = QPoint(left, top) - (QPointF(40, 30) * p.k).toPoint();
    return p;
}

TEST(ScaledFullScreen, FitFillsNinetyPercentOfTheScreenAndClicksLandOnTheScaledButton) {
    XvfbSession x(kW, kH, "");
    if (!x.ok()) GTEST_SKIP() << "Xvfb did not start";
    ProgramFolder folder;
    TestSkin skin(folder);
    const QRect timeButton(430, 250, 40, 30);
    skin.button(Ctl::btn_time_top, Ctl::btn_time_down, timeButton);
    skin.fullscreenKey("Scale=fit");
    folder.writeSettings("SoundMode=2\nSplashScreen=0\nFullscreenMode=1\n");
    folder.start(x.display());
    QImage shot = x.waitForShot([](const QImage& s) {
        return s.pixelColor(kW - 3, kH - 3) == kBackdrop && findDevice(s).has_value();
    });
    const auto dev = findDevice(shot);
    ASSERT_TRUE(dev.has_value()) << "no device on the full screen";
    // 90 % of 1080 over 359 is the tighter of the two limits.
    EXPECT_GE(dev->k, 2.4);
    EXPECT_NEAR(dev->k, 0.9 * kH / 359, 0.02);
    const QRect device(dev->origin, QSize(qRound(542 * dev->k), qRound(359 * dev->k)));
    EXPECT_TRUE(QRect(0, 0, kW, kH).contains(device)) << "the device leaves the screen";
    EXPECT_NEAR(device.center().x(), kW / 2, 3);
    EXPECT_NEAR(device.center().y(), kH / 2, 3);
    EXPECT_EQ(shot.pixelColor(3, kH - 3), kBackdrop);
    EXPECT_EQ(shot.pixelColor(dev->at(timeButton.center())), kButtonTop);
    EXPECT_TRUE(shot.pixelColor(dev->at(TestSkin::icon(Time2))) == kLit) << "start-up face";

    x.pointerTo(dev->at(timeButton.center()));
    x.leftButton(true);
    x.leftButton(false);
    // TIME leaves the start-up face for the first time face.
    shot = x.waitForShot([&](const QImage& s) {
        return s.pixelColor(dev->at(TestSkin::icon(Time2))) != kLit &&
               s.pixelColor(dev->at(TestSkin::icon(Time1))) == kLit;
    });
    EXPECT_EQ(shot.pixelColor(dev->at(TestSkin::icon(Time1))), kLit);
    EXPECT_NE(shot.pixelColor(dev->at(TestSkin::icon(Time2))), kLit);
}

}  // namespace
}  // namespace zx::e2e
