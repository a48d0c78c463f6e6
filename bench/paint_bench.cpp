// Painting the face: after one segment change, and a whole full-screen frame.
// Uses the bundled skin of the build's bin folder.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

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

void BM_PaintAfterOneSegmentChange(benchmark::State& state) {
    zx::Face face;
    zx::GameState game;
    zx::Display vid(face, game);
    if (!loadBundled(state, face, 1920, 1080, false)) return;
    vid.Vid_Show_All(true);
    zx::FacePainter painter;
    QImage frame(face.look().clientWidth, face.look().clientHeight, QImage::Format_RGB32);
    const zx::Rect& r = face[zx::Ctl::im_hero_2].rect;
    bool on = false;
    for (auto _ : state) {
        on = !on;
        vid.Vid_Show_Hero(2, on);
        QPainter p(&frame);
        painter.paint(p, face, QRect(r.x, r.y, r.w, r.h));
    }
}
BENCHMARK(BM_PaintAfterOneSegmentChange)->Unit(benchmark::kMicrosecond);

void BM_PaintFullScreenFrame(benchmark::State& state) {
    const int w = int(state.range(0)), h = int(state.range(1));
    zx::Face face;
    zx::GameState game;
    zx::Display vid(face, game);
    if (!loadBundled(state, face, w, h, true)) return;
    vid.Vid_Show_All(true);
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

}  // namespace

int main(int argc, char** argv) {
    // The window shape is a QBitmap, which needs a GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
