// The scaled device: where its rectangles land, which window pixels a
// pointer hits them with, and the areas the face reports for repainting.
#include "display/device_view.h"

#include <gtest/gtest.h>

#include <vector>

#include "display/face.h"

namespace zx {
namespace {

// A button at (100, 50), 20 x 10, on a device whose corner is at (300, 200).
struct HitCase {
    double scale;
    int px, py;
    bool hit;
};

TEST(DeviceView, PointerHitsTheButtonWhereItIsDrawn) {
    const HitCase cases[] = {
        // Designed size: exactly the face rectangle.
        {1, 100, 50, true},
        {1, 119, 59, true},
        {1, 120, 59, false},
        {1, 99, 50, false},
        // 1.5: the button spans 300 + 1.5 * (100 - 300) = 0 ... 30 across.
        {1.5, 0, -25, true},
        {1.5, 29, -11, true},
        {1.5, 30, -11, false},
        {1.5, 100, 50, false},  // where the designed button was
        // 2: from -100 to -60 across, -100 to -80 down.
        {2, -100, -100, true},
        {2, -61, -81, true},
        {2, -60, -81, false},
        {2, -101, -90, false},
        // 2.7: from 300 - 540 = -240 to -186, and 200 - 405 = -205 to -178.
        {2.7, -240, -205, true},
        {2.7, -187, -179, true},
        {2.7, -186, -190, false},
        {2.7, -190, -178, false},
    };
    for (const HitCase& c : cases) {
        const DeviceView v{c.scale, 300, 200};
        EXPECT_EQ(v.hits(100, 50, 20, 10, c.px, c.py), c.hit)
            << "scale " << c.scale << " at " << c.px << "," << c.py;
    }
}

TEST(DeviceView, TheDeviceCornerStaysPutAndTheRestGrows) {
    struct Case {
        double scale;
        int left, top, w, h;
        RectF expected;
    };
    const Case cases[] = {
        {1, 320, 210, 10, 10, {320, 210, 10, 10}},
        {2, 300, 200, 542, 359, {300, 200, 1084, 718}},  // the device picture itself
        {2, 320, 210, 10, 10, {340, 220, 20, 20}},
        {1.5, 310, 220, 4, 6, {315, 230, 6, 9}},
        {2.7, 301, 201, 10, 10, {302.7, 202.7, 27, 27}},
    };
    for (const Case& c : cases) {
        const RectF r = DeviceView{c.scale, 300, 200}.toWindow(c.left, c.top, c.w, c.h);
        EXPECT_DOUBLE_EQ(r.x, c.expected.x) << c.scale;
        EXPECT_DOUBLE_EQ(r.y, c.expected.y) << c.scale;
        EXPECT_DOUBLE_EQ(r.w, c.expected.w) << c.scale;
        EXPECT_DOUBLE_EQ(r.h, c.expected.h) << c.scale;
    }
    // The window pixels touched are rounded outwards: 302.7 .. 329.7 covers 302 .. 329.
    int x = 301, y = 201, w = 10, h = 10;
    DeviceView{2.7, 300, 200}.covered(x, y, w, h);
    EXPECT_EQ(x, 302);
    EXPECT_EQ(y, 202);
    EXPECT_EQ(w, 28);
    EXPECT_EQ(h, 28);
}

struct Areas : FaceObserver {
    std::vector<Rect> areas;
    void areaChanged(const Rect& r) override { areas.push_back(r); }
    void lookChanged() override {}
};

TEST(DeviceView, FaceReportsScaledAreasOnlyForTheDevice) {
    Face face;
    face.setDeviceView({2, 100, 100});
    Areas seen;
    face.setObserver(&seen);
    face.setRect(Ctl::im_hero_2, {110, 120, 10, 10});
    face.setVisible(Ctl::im_hero_2, true);
    // The logo is not part of the device: its area is its own rectangle.
    face.setRect(Ctl::im_backdrop_logo, {5, 5, 10, 10});
    face.setVisible(Ctl::im_backdrop_logo, true);
    face.setObserver(nullptr);
    ASSERT_EQ(seen.areas.size(), 2u);
    EXPECT_EQ(seen.areas[0], (Rect{120, 140, 20, 20}));
    EXPECT_EQ(seen.areas[1], (Rect{5, 5, 10, 10}));
}

}  // namespace
}  // namespace zx
