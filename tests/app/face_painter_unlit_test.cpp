// Unlit LCD segments painted faintly, on the bundled skin, in every way the
// face is painted: windowed, at a pixel ratio of 2, full screen and scaled.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "app/face_painter.h"
#include "config/gfxinit.h"
#include "display/display.h"
#include "display/unlit_segments.h"

namespace zx {
namespace {

struct Presentation {
    const char* name;
    bool fullscreen;
    qreal ratio;
    double scale;  // the device's, set over the loaded one
};

const Presentation kPresentations[] = {
    {"windowed", false, 1.0, 1.0},
    {"windowed at pixel ratio 2", false, 2.0, 1.0},
    {"full screen", true, 1.0, 1.0},
    {"full screen, device scaled 2", true, 1.0, 2.0},
};

// The bundled face with every segment off or on (the start-up face), at an
// unlit opacity.
class BundledFace {
  public:
    BundledFace(const Presentation& p, bool allLit, int unlitOpacity) {
        const auto previous = std::filesystem::current_path();
        std::filesystem::current_path(ZX_ASSET_DIR);
        loaded_ =
            LoadSkin(face, {std::string(ZX_ASSET_DIR) + "/Config.ini", 1920, 1080, p.fullscreen})
                .ok();
        std::filesystem::current_path(previous);
        DeviceView view = face.look().device;
        view.scale = p.scale;
        face.setDeviceView(view);
        vid.Vid_Show_All(allLit);
        face.setUnlitOpacity(unlitOpacity);
    }
    bool loaded() const { return loaded_; }
    Face face;
    Display vid{face};

  private:
    bool loaded_ = false;
};

QImage render(const Face& face, qreal ratio) {
    FacePainter painter;
    return painter.render(face, ratio);
}

// Where picture pixel (x, y) of a device control lands in a frame.
QPoint inFrame(const Face& face, qreal ratio, int x, int y) {
    const DeviceView& v = face.look().device;
    const auto at = [&](int p, int corner) {
        return int(std::floor(((p + 0.5 - corner) * v.scale + corner) * ratio));
    };
    return {at(x, v.x), at(y, v.y)};
}

TEST(UnlitPainting, EverySegmentUnlitAtFullOpacityLooksLikeEverySegmentLit) {
    for (const Presentation& p : kPresentations) {
        SCOPED_TRACE(p.name);
        BundledFace off(p, false, 100), lit(p, true, 0);
        ASSERT_TRUE(off.loaded() && lit.loaded());
        EXPECT_EQ(render(off.face, p.ratio), render(lit.face, p.ratio));
    }
}

// Whether any picture of another segment than c shows at face pixel (x, y).
bool otherSegmentAt(const Face& face, Ctl c, int x, int y) {
    for (Ctl other : lcdSegmentsInDrawingOrder()) {
        const UnlitSegment u = unlitSegment(face, other);
        if (other == c || !u.picture) continue;
        const Picture& pic = **u.picture;
        const int px = x - u.rect.x, py = y - u.rect.y;
        if (px >= 0 && py >= 0 && px < pic.width && py < pic.height && pic.pixel(px, py) >> 24)
            return true;
    }
    return false;
}

// A dark pixel of hero 2 amid others where no other segment shows: the only
// faint layer there, also when scaled smoothly.
QPoint lonePixelOfHero2(const Face& face) {
    const Control& hero = face[Ctl::im_hero_2];
    const Picture& pic = *hero.picture;
    for (int y = 1; y + 1 < pic.height; ++y)
        for (int x = 1; x + 1 < pic.width; ++x) {
            bool lone = true;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int fx = hero.rect.x + x + dx, fy = hero.rect.y + y + dy;
                    lone = lone && pic.pixel(x + dx, y + dy) >> 24 >= 200 &&
                           !otherSegmentAt(face, Ctl::im_hero_2, fx, fy);
                }
            if (lone) return {hero.rect.x + x, hero.rect.y + y};
        }
    return {-1, -1};
}

TEST(UnlitPainting, AnUnlitSegmentIsItsFaintBlendOverTheLcd) {
    for (const Presentation& p : kPresentations) {
        SCOPED_TRACE(p.name);
        BundledFace at0(p, false, 0), at8(p, false, 8), at100(p, false, 100);
        ASSERT_TRUE(at0.loaded());
        const QPoint lone = lonePixelOfHero2(at0.face);
        ASSERT_GE(lone.x(), 0);
        const QPoint px = inFrame(at0.face, p.ratio, lone.x(), lone.y());
        const QRgb c0 = render(at0.face, p.ratio).pixel(px);
        const QRgb c8 = render(at8.face, p.ratio).pixel(px);
        const QRgb c100 = render(at100.face, p.ratio).pixel(px);
        // 8 % of the way from the bare LCD to the lit segment, within the
        // rounding of 8-bit blending (Qt truncates: about 7 %).
        const auto sum = [](QRgb c) { return qRed(c) + qGreen(c) + qBlue(c); };
        ASSERT_GT(sum(c0) - sum(c100), 300);  // a dark segment on a light LCD
        EXPECT_NEAR(double(sum(c0) - sum(c8)) / (sum(c0) - sum(c100)), 0.08, 0.015);
    }
}

// A game face (hero 2, enemy in column 1, score 120, every saveme figure)
// changes only within the LCD segments' rectangles: not the case, the
// buttons or the backdrop.
TEST(UnlitPainting, OnlyTheLcdChanges) {
    for (const Presentation& p : {kPresentations[0], kPresentations[2]}) {
        SCOPED_TRACE(p.name);
        BundledFace at0(p, false, 0), at8(p, false, 8);
        ASSERT_TRUE(at0.loaded());
        for (BundledFace* f : {&at0, &at8}) {
            f->vid.Vid_Show_Hero(2, true);
            f->vid.Vid_Show_All_Saveme(true);
            f->face.setVisible(Ctl::im_enemy_1_1, true);
            f->vid.Vid_Show_Panel_Score(120, true);
        }
        const QImage a = render(at0.face, 1.0), b = render(at8.face, 1.0);
        QRegion lcd;
        for (Ctl c : lcdSegmentsInDrawingOrder()) {
            const Rect& r = at0.face[c].rect;
            lcd += QRect(r.x, r.y, r.w, r.h);
        }
        int changed = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                if (a.pixel(x, y) == b.pixel(x, y)) continue;
                ++changed;
                ASSERT_TRUE(lcd.contains(QPoint(x, y))) << x << "," << y;
            }
        EXPECT_GT(changed, 1000);
    }
}

// Painting one area (a segment change) gives the pixels of the whole frame
// there, whichever picture covers the area.
TEST(UnlitPainting, PartsMatchTheWholeFrame) {
    for (const Presentation& p : kPresentations) {
        SCOPED_TRACE(p.name);
        BundledFace face(p, false, 8);
        ASSERT_TRUE(face.loaded());
        face.vid.Vid_Show_Panel_Score(7, true);
        FacePainter painter;
        const QImage whole = painter.render(face.face, p.ratio);
        QImage frame(whole.size(), QImage::Format_RGB32);
        frame.setDevicePixelRatio(p.ratio);
        for (Ctl c : {Ctl::im_hero_2, Ctl::im_panel_digit_pos_4, Ctl::im_panel_time_colon,
                      Ctl::btn_time_top, Ctl::im_background}) {
            Rect r = face.face[c].rect;  // where it lands on the window
            face.face.look().device.covered(r.x, r.y, r.w, r.h);
            const QRect area(r.x, r.y, r.w, r.h);
            frame.fill(Qt::white);
            QPainter painting(&frame);
            painter.paint(painting, face.face, area);
            painting.end();
            const QRect pixels(area.topLeft() * p.ratio, area.size() * p.ratio);
            EXPECT_EQ(frame.copy(pixels), whole.copy(pixels)) << controlName(c);
        }
    }
}

// Faint segments lie beneath every lit one, also beneath one that comes
// earlier in the drawing order (the hero before the shots), and above the
// case; the colour key's pixels show nothing.
TEST(UnlitPainting, ALitSegmentCoversTheUnlitOnes) {
    const auto solid = [](const Rect& r, std::uint32_t argb) {
        auto p = std::make_shared<Picture>();
        p->width = r.w;
        p->height = r.h;
        p->pixels.assign(std::size_t(r.w) * r.h, argb);
        return p;
    };
    Face face;
    face.setClientSize(40, 20);
    face.setBackground(rgb(255, 255, 255));
    face.setUnlitOpacity(50);
    face.setColourKey(true, rgb(255, 0, 255));
    const struct {
        Ctl control;
        Rect rect;
        std::uint32_t colour;
        bool lit;
    } layers[] = {{Ctl::im_background, {0, 0, 40, 20}, rgb(0, 0, 200), true},
                  {Ctl::im_hero_2, {10, 5, 10, 10}, rgb(200, 0, 0), true},
                  {Ctl::im_shot_2_1, {15, 5, 10, 10}, rgb(0, 200, 0), false},
                  {Ctl::im_shot_3_1, {30, 5, 10, 10}, rgb(255, 0, 255), false}};
    for (const auto& l : layers) {
        face.setPicture(l.control, solid(l.rect, l.colour));
        face.setRect(l.control, l.rect);
        face.setVisible(l.control, l.lit);
    }
    FacePainter painter;
    const QImage frame = painter.render(face);
    EXPECT_EQ(frame.pixel(17, 10), qRgb(200, 0, 0));    // the lit hero over the faint shot
    EXPECT_EQ(frame.pixel(22, 10), qRgb(0, 100, 100));  // half the shot over the case
    EXPECT_EQ(frame.pixel(5, 10), qRgb(0, 0, 200));
    EXPECT_EQ(frame.pixel(35, 10), qRgb(0, 0, 200));  // no faint blend of the colour key
}

TEST(UnlitPainting, ZeroPaintsAsBeforeAndTheWindowShapeNeverChanges) {
    const Presentation& p = kPresentations[0];
    BundledFace face(p, false, 0);
    ASSERT_TRUE(face.loaded());
    FacePainter painter;
    const QImage before = painter.render(face.face);
    const QRegion shape = painter.mask(face.face);
    face.face.setUnlitOpacity(8);
    EXPECT_NE(painter.render(face.face), before);
    EXPECT_EQ(painter.mask(face.face), shape);
    face.face.setUnlitOpacity(0);
    EXPECT_EQ(painter.render(face.face), before);
}

}  // namespace
}  // namespace zx
