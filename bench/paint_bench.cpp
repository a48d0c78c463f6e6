// Painting the face: after one segment change, and a whole full-screen frame.
// Uses the bundled skin of the build's bin folder.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <map>
#include <vector>

#include "app/face_painter.h"
#include "config/gfxinit.h"
#include "display/display.h"

namespace {

// Loads the bundled skin for the given screen size and presentation; marks
// the benchmark as skipped when the build holds no skin.
bool loadBundled(benchmark::State& state, zx::Face& face, int screenW, int screenH,
                 bool fullscreen) {
    const zx::SkinContext ctx{std::string(ZX_BIN_DIR) + "/Config.ini", screenW, screenH,
                              fullscreen};
    if (chdir(ZX_BIN_DIR) == 0 && zx::LoadSkin(face, ctx).ok()) return true;
    state.SkipWithError("bundled skin not found");
    return false;
}

// The bundled face with every segment lit, as the start-up face shows it.
struct LitFace {
    zx::Face face;
    zx::Display vid{face};

    bool load(benchmark::State& state, int screenW, int screenH, bool fullscreen) {
        if (!loadBundled(state, face, screenW, screenH, fullscreen)) return false;
        vid.Vid_Show_All(true);
        return true;
    }
};

void BM_PaintAfterOneSegmentChange(benchmark::State& state) {
    LitFace lit;
    if (!lit.load(state, 1920, 1080, false)) return;
    zx::Face& face = lit.face;
    zx::FacePainter painter;
    QImage frame(face.look().clientWidth, face.look().clientHeight, QImage::Format_RGB32);
    const zx::Rect& r = face[zx::Ctl::im_hero_2].rect;
    bool on = false;
    for (auto _ : state) {
        on = !on;
        lit.vid.Vid_Show_Hero(2, on);
        QPainter p(&frame);
        painter.paint(p, face, QRect(r.x, r.y, r.w, r.h));
    }
}
BENCHMARK(BM_PaintAfterOneSegmentChange)->Unit(benchmark::kMicrosecond);

// The bare reference of a segment change: the clipped drawImage calls the
// area cannot do without, the pictures that show there (the case and the
// screen's frame above it) and the segment while it is lit.
void BM_BareClippedDrawImage(benchmark::State& state) {
    zx::Face face;
    if (!loadBundled(state, face, 1920, 1080, false)) return;
    QImage frame(face.look().clientWidth, face.look().clientHeight, QImage::Format_RGB32);
    auto at = [&](zx::Ctl id) { return QPoint(face[id].rect.x, face[id].rect.y); };
    auto image = [&](zx::Ctl id) { return zx::toQImage(*face[id].picture); };
    const QImage bg = image(zx::Ctl::im_background);
    const QImage screen = image(zx::Ctl::im_background_screen_top);
    const QImage hero = image(zx::Ctl::im_hero_2);
    const zx::Rect& r = face[zx::Ctl::im_hero_2].rect;
    bool on = false;
    for (auto _ : state) {
        on = !on;
        QPainter p(&frame);
        p.setClipRect(QRect(r.x, r.y, r.w, r.h));
        p.drawImage(at(zx::Ctl::im_background), bg);
        if (on) p.drawImage(at(zx::Ctl::im_hero_2), hero);
        p.drawImage(at(zx::Ctl::im_background_screen_top), screen);
    }
}
BENCHMARK(BM_BareClippedDrawImage)->Unit(benchmark::kMicrosecond);

// The windowed device as the window system's buffer takes it: opaque with
// the colour key around the device (X11 without a compositor, as before), or
// see-through, where the buffer is cleared before each paint and only the
// shape is painted. Arg 0: the whole window; arg 1: one segment change.
QRect windowedArea(const zx::Face& face, bool segment) {
    const zx::Rect& r = face[zx::Ctl::im_hero_2].rect;
    return segment ? QRect(r.x, r.y, r.w, r.h)
                   : QRect(0, 0, face.look().clientWidth, face.look().clientHeight);
}

void BM_OpaqueWindowed(benchmark::State& state) {
    LitFace lit;
    if (!lit.load(state, 1920, 1080, false)) return;
    const QRect area = windowedArea(lit.face, state.range(0));
    zx::FacePainter painter;
    QImage frame(area.right() + 1, area.bottom() + 1, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&frame);
        painter.paint(p, lit.face, area);
    }
}
BENCHMARK(BM_OpaqueWindowed)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_SeeThroughWindowed(benchmark::State& state) {
    LitFace lit;
    if (!lit.load(state, 1920, 1080, false)) return;
    const QRect area = windowedArea(lit.face, state.range(0));
    zx::FacePainter painter;
    const QRegion shape = painter.mask(lit.face);
    QImage frame(area.right() + 1, area.bottom() + 1, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&frame);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(area, Qt::transparent);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.paint(p, lit.face, area, &shape);
    }
}
BENCHMARK(BM_SeeThroughWindowed)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PaintFullScreenFrame(benchmark::State& state) {
    const int w = int(state.range(0)), h = int(state.range(1));
    LitFace lit;
    if (!lit.load(state, w, h, true)) return;
    zx::Face& face = lit.face;
    zx::FacePainter painter;
    QImage frame(w, h, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&frame);
        painter.paint(p, face, frame.rect());
    }
}
BENCHMARK(BM_PaintFullScreenFrame)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);

// The bare reference of a frame: every visible picture drawn at its place,
// nothing else.
void BM_BareFullScreenFrame(benchmark::State& state) {
    const int w = int(state.range(0)), h = int(state.range(1));
    LitFace lit;
    if (!lit.load(state, w, h, true)) return;
    zx::Face& face = lit.face;
    std::vector<std::pair<QPoint, QImage>> pictures;
    for (zx::Ctl id : zx::kDrawingOrder) {
        const zx::Control& c = face[id];
        if (!c.visible || !c.picture || c.rect.empty()) continue;
        QPoint at(c.rect.x, c.rect.y);
        if (id == zx::Ctl::im_backdrop)
            at += QPoint((c.rect.w - c.picture->width) / 2, (c.rect.h - c.picture->height) / 2);
        pictures.emplace_back(at, zx::toQImage(*c.picture));
    }
    // Where the backdrop leaves a border, the border must be filled too.
    const bool border =
        pictures.empty() ||
        !QRect(pictures[0].first, pictures[0].second.size()).contains(QRect(0, 0, w, h));
    QImage frame(w, h, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&frame);
        if (border) p.fillRect(frame.rect(), Qt::black);
        for (const auto& [at, img] : pictures) p.drawImage(at, img);
    }
}
BENCHMARK(BM_BareFullScreenFrame)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);

void BM_WindowMask(benchmark::State& state) {
    zx::Face face;
    if (!loadBundled(state, face, 1920, 1080, false)) return;
    zx::FacePainter painter;
    for (auto _ : state) benchmark::DoNotOptimize(painter.mask(face));
}
BENCHMARK(BM_WindowMask)->Unit(benchmark::kMillisecond);

// After a full-screen switch with a stretched backdrop: the load, then the
// first frame, which scales the backdrop once for all later paints.
void BM_LoadAndFirstStretchedFrame(benchmark::State& state) {
    const int w = int(state.range(0)), h = int(state.range(1));
    QImage frame(w, h, QImage::Format_RGB32);
    for (auto _ : state) {
        zx::Face face;
        if (!loadBundled(state, face, w, h, true)) return;
        face.setStretch(zx::Ctl::im_backdrop, true);
        zx::FacePainter painter;
        QPainter p(&frame);
        painter.paint(p, face, frame.rect());
    }
}
BENCHMARK(BM_LoadAndFirstStretchedFrame)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);

// A game in play, with unlit segments invisible (0) or faint (8 %): the
// hero, an enemy and its helper, every saveme figure, a miss and the score.
// Arg 0 (where): 0 one segment change (hero 2, windowed), 1 the whole
// window, 2 a full-screen frame 1920 x 1080, 3 the same with the device
// scaled 2 (the smooth path). Arg 1: the unlit opacity.
void BM_Unlit(benchmark::State& state) {
    const int where = int(state.range(0));
    const bool fullscreen = where >= 2;
    zx::Face face;
    zx::Display vid{face};
    if (!loadBundled(state, face, 1920, 1080, fullscreen)) return;
    if (where == 3) face.setDeviceView({2.0, face.look().device.x, face.look().device.y});
    vid.Vid_Show_All(false);
    vid.Vid_Show_Hero(2, true);
    vid.Vid_Show_All_Saveme(true);
    vid.Vid_Show_Panel_Miss(1);
    vid.Vid_Show_Panel_Score(120, true);
    for (zx::Ctl c : {zx::Ctl::im_enemy_1_1, zx::Ctl::im_enemy_1_2, zx::Ctl::im_enemy_helper_2,
                      zx::Ctl::im_panel_game_a})
        face.setVisible(c, true);
    face.setUnlitOpacity(int(state.range(1)));
    const zx::Rect& r = face[zx::Ctl::im_hero_2].rect;
    const QRect area = where == 0 ? QRect(r.x, r.y, r.w, r.h)
                                  : QRect(0, 0, face.look().clientWidth, face.look().clientHeight);
    zx::FacePainter painter;
    QImage frame(area.right() + 1, area.bottom() + 1, QImage::Format_RGB32);
    bool on = false;
    for (auto _ : state) {
        if (where == 0) vid.Vid_Show_Hero(2, on = !on);
        QPainter p(&frame);
        painter.paint(p, face, area);
    }
}
BENCHMARK(BM_Unlit)->ArgsProduct({{0, 1, 2, 3}, {0, 8}})->Unit(benchmark::kMicrosecond);

}  // namespace

// Prints as usual and keeps each benchmark's best CPU time over its
// repetitions (the least disturbed by other work) for the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && r.iterations > 0) {
                const std::string name = r.run_name.str();
                const double t = r.GetAdjustedCPUTime();
                if (!times.count(name) || t < times[name]) times[name] = t;
            }
    }
    std::map<std::string, double> times;
};

int main(int argc, char** argv) {
    // The window shape is a QBitmap, which needs a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::pair<const char*, const char*> ratios[] = {
        {"BM_PaintAfterOneSegmentChange", "BM_BareClippedDrawImage"},
        {"BM_PaintFullScreenFrame/1920/1080", "BM_BareFullScreenFrame/1920/1080"},
        {"BM_PaintFullScreenFrame/3840/2160", "BM_BareFullScreenFrame/3840/2160"},
        {"BM_SeeThroughWindowed/0", "BM_OpaqueWindowed/0"},
        {"BM_SeeThroughWindowed/1", "BM_OpaqueWindowed/1"},
        {"BM_Unlit/0/8", "BM_Unlit/0/0"},
        {"BM_Unlit/1/8", "BM_Unlit/1/0"},
        {"BM_Unlit/2/8", "BM_Unlit/2/0"},
        {"BM_Unlit/3/8", "BM_Unlit/3/0"},
    };
    for (const auto& [program, bare] : ratios) {
        const auto a = reporter.times.find(program), b = reporter.times.find(bare);
        if (a != reporter.times.end() && b != reporter.times.end() && b->second > 0)
            std::printf("ratio %s / %s = %.2f\n", program, bare, a->second / b->second);
    }
    benchmark::Shutdown();
    return 0;
}
