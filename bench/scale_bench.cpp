// Painting above a pixel ratio of 1 and on the enlarged full-screen device:
// the bundled skin of the build's bin folder, drawn from its @2x twins.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>

#include "app/face_painter.h"
#include "config/gfxinit.h"
#include "display/display.h"

namespace {

// The bundled face with every segment lit; full screen with Scale=fit when
// fit is set (the bundled Config.ini with the key added, in a folder of its own).
struct LitFace {
    zx::Face face;
    zx::Display vid{face};

    bool load(benchmark::State& state, bool fullscreen, bool fit = false) {
        std::string config = std::string(ZX_BIN_DIR) + "/Config.ini";
        if (fit) {
            QFile in(QString::fromStdString(config));
            if (!in.open(QIODevice::ReadOnly) || !dir.isValid()) return fail(state);
            QByteArray text = in.readAll();
            text.replace("[Fullscreen]\r\n", "[Fullscreen]\r\nScale=fit\r\n");
            config = dir.filePath("Config.ini").toStdString();
            QFile out(QString::fromStdString(config));
            if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
                return fail(state);
        }
        const zx::SkinContext ctx{config, 1920, 1080, fullscreen};
        if (chdir(ZX_BIN_DIR) != 0 || !zx::LoadSkin(face, ctx).ok()) return fail(state);
        vid.Vid_Show_All(true);
        return true;
    }
    static bool fail(benchmark::State& state) {
        state.SkipWithError("bundled skin not found");
        return false;
    }
    QTemporaryDir dir;
};

QImage frameAt(const zx::Face& face, qreal ratio) {
    QImage frame(int(std::ceil(face.look().clientWidth * ratio)),
                 int(std::ceil(face.look().clientHeight * ratio)), QImage::Format_RGB32);
    frame.setDevicePixelRatio(ratio);
    return frame;
}

qreal ratioOf(const benchmark::State& state) { return qreal(state.range(0)) / 100; }

// The windowed face, whole, at a pixel ratio (the twins decoded beforehand).
void BM_WindowedFrameAtRatio(benchmark::State& state) {
    LitFace lit;
    if (!lit.load(state, false)) return;
    zx::FacePainter painter;
    QImage frame = frameAt(lit.face, ratioOf(state));
    const QRect all(0, 0, lit.face.look().clientWidth, lit.face.look().clientHeight);
    for (auto _ : state) {
        QPainter p(&frame);
        painter.paint(p, lit.face, all);
    }
}
BENCHMARK(BM_WindowedFrameAtRatio)->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMillisecond);

// One segment shown and hidden, its rectangle repainted, at a pixel ratio.
void BM_SegmentChangeAtRatio(benchmark::State& state) {
    LitFace lit;
    if (!lit.load(state, false)) return;
    zx::FacePainter painter;
    QImage frame = frameAt(lit.face, ratioOf(state));
    const zx::Rect& r = lit.face[zx::Ctl::im_hero_2].rect;
    bool on = false;
    for (auto _ : state) {
        on = !on;
        lit.vid.Vid_Show_Hero(2, on);
        QPainter p(&frame);
        painter.paint(p, lit.face, QRect(r.x, r.y, r.w, r.h));
    }
}
BENCHMARK(BM_SegmentChangeAtRatio)->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMicrosecond);

// The window shape at a pixel ratio.
void BM_WindowMaskAtRatio(benchmark::State& state) {
    LitFace lit;
    if (!lit.load(state, false)) return;
    zx::FacePainter painter;
    for (auto _ : state) benchmark::DoNotOptimize(painter.mask(lit.face, ratioOf(state)));
}
BENCHMARK(BM_WindowMaskAtRatio)->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMillisecond);

// The first frame after a load at a pixel ratio: the load, the twins'
// decoding and the paint, as a start at that ratio pays them.
void BM_LoadAndFirstFrameAtRatio(benchmark::State& state) {
    for (auto _ : state) {
        LitFace lit;
        if (!lit.load(state, false)) return;
        zx::FacePainter painter;
        QImage frame = frameAt(lit.face, ratioOf(state));
        QPainter p(&frame);
        painter.paint(p, lit.face, QRect(0, 0, 542, 359));
    }
}
BENCHMARK(BM_LoadAndFirstFrameAtRatio)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

// Full screen 1920 x 1080 with Scale=fit (2.707): a whole frame, and a segment change.
void BM_FitFullScreenFrame(benchmark::State& state) {
    LitFace lit;
    if (!lit.load(state, true, state.range(0) != 0)) return;
    zx::FacePainter painter;
    QImage frame = frameAt(lit.face, 1);
    for (auto _ : state) {
        QPainter p(&frame);
        painter.paint(p, lit.face, frame.rect());
    }
}
BENCHMARK(BM_FitFullScreenFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_FitSegmentChange(benchmark::State& state) {
    LitFace lit;
    if (!lit.load(state, true, state.range(0) != 0)) return;
    zx::FacePainter painter;
    QImage frame = frameAt(lit.face, 1);
    const zx::Rect& r = lit.face[zx::Ctl::im_hero_2].rect;
    zx::Rect shown = r;
    lit.face.look().device.covered(shown.x, shown.y, shown.w, shown.h);
    bool on = false;
    for (auto _ : state) {
        on = !on;
        lit.vid.Vid_Show_Hero(2, on);
        QPainter p(&frame);
        painter.paint(p, lit.face, QRect(shown.x, shown.y, shown.w, shown.h));
    }
}
BENCHMARK(BM_FitSegmentChange)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
