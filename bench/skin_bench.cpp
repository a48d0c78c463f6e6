// How long LoadSkin takes, windowed and full-screen with a stretched backdrop.
// Uses the skin in $ZX_SKIN_DIR when it holds a Config.ini, otherwise a
// synthetic one: 98 PNG images and a 1920 x 1080 JPEG backdrop.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <filesystem>
#include <fstream>
#include <string>

#include "config/gfxinit.h"

namespace fs = std::filesystem;

namespace {

QImage pattern(int w, int h, int seed) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        p.setBrush(QColor::fromHsv((seed * 37 + i * 29) % 360, 200, 220, 128 + i * 10));
        p.drawEllipse(QRect((i * 13) % w, (i * 7) % h, w / 2 + 1, h / 2 + 1));
    }
    return img;
}

// The temporary folder of the synthetic skin, removed when the program ends.
struct TempFolder {
    fs::path root;
    ~TempFolder() {
        std::error_code ec;
        if (!root.empty()) fs::remove_all(root, ec);
    }
};

// Writes the synthetic skin into a fresh temporary folder; returns Config.ini.
std::string makeSyntheticSkin() {
    static TempFolder folder;
    std::string tmpl = (fs::temp_directory_path() / "zx_skin_bench_XXXXXX").string();
    if (!mkdtemp(tmpl.data())) return {};
    folder.root = tmpl;
    const fs::path root(tmpl);
    fs::create_directories(root / "skin");
    fs::create_directories(root / "back");

    std::string ini =
        "[Common]\nSkinDir=" + (root / "skin").string() +
        "\nGameWidth=542\nGameHeight=359\n[Fullscreen]\nBackdropDir=" + (root / "back").string() +
        "\nBackdropFile=backdrop.jpg\nBackdropStretch=1\nLogoFile=logo.png\n"
        "LogoPosition=1\nBgColor=$00000000\n[VideoMode]\nTranspColor=$00FF00FF\n";
    for (int n = 1; n <= zx::kSkinImageCount; ++n) {
        const bool background = n == 1;
        const int w = background ? 542 : 24 + n % 40, h = background ? 359 : 20 + n % 30;
        const std::string name = "image" + std::to_string(n) + ".png";
        pattern(w, h, n).save(QString::fromStdString((root / "skin" / name).string()));
        ini += "[Image" + std::to_string(n) + "]\nFilename=" + name +
               "\nLeft=" + std::to_string(background ? 0 : (n * 17) % 500) +
               "\nTop=" + std::to_string(background ? 0 : (n * 11) % 330) +
               "\nWidth=" + std::to_string(w) + "\nHeight=" + std::to_string(h) + "\n";
    }
    QImage backdrop = pattern(1920, 1080, 5).convertToFormat(QImage::Format_RGB32);
    backdrop.save(QString::fromStdString((root / "back" / "backdrop.jpg").string()), "JPG", 90);
    pattern(200, 80, 9).save(QString::fromStdString((root / "back" / "logo.png").string()));
    const fs::path config = root / "Config.ini";
    std::ofstream(config) << ini;
    return config.string();
}

const std::string& configPath() {
    static const std::string path = [] {
        if (const char* dir = std::getenv("ZX_SKIN_DIR");
            dir && fs::exists(fs::path(dir) / "Config.ini")) {
            fs::current_path(dir);  // relative skin folders resolve against it
            return (fs::path(dir) / "Config.ini").string();
        }
        return makeSyntheticSkin();
    }();
    return path;
}

void loadSkin(benchmark::State& state, bool fullscreen) {
    const zx::SkinContext ctx{configPath(), int(state.range(0)), int(state.range(1)), fullscreen};
    for (auto _ : state) {
        zx::Face face;  // a fresh face each time: nothing is shared between runs
        const zx::SkinResult r = zx::LoadSkin(face, ctx);
        if (!r.ok()) {
            state.SkipWithError(r.message.c_str());
            break;
        }
        benchmark::DoNotOptimize(face);
    }
}

void BM_LoadSkinWindowed(benchmark::State& state) { loadSkin(state, false); }
void BM_LoadSkinFullscreen(benchmark::State& state) { loadSkin(state, true); }

// The same face loaded again, as a full-screen toggle does.
void BM_ReloadSkinFullscreen(benchmark::State& state) {
    const zx::SkinContext ctx{configPath(), int(state.range(0)), int(state.range(1)), true};
    zx::Face face;
    for (auto _ : state) {
        if (!zx::LoadSkin(face, ctx).ok()) {
            state.SkipWithError("load failed");
            break;
        }
    }
}

BENCHMARK(BM_LoadSkinWindowed)->Args({1920, 1080})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSkinFullscreen)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReloadSkinFullscreen)->Args({1920, 1080})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
