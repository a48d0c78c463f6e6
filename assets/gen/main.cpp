// zx_assetgen: draws and synthesizes every bundled picture, sound and text into a folder.
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <exception>

#include "asset_io.h"
#include "fonts.h"
#include "icon_art.h"
#include "manual_pages.h"
#include "skin_writer.h"
#include "sounds.h"
#include "texts.h"
#include "window_art.h"

int main(int argc, char** argv) {
    // Drawing needs no screen; the offscreen platform works on build machines without X.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(
            stderr, "usage: zx_assetgen <output folder> [--preview <face.png> | --icons <name>]\n");
        return 2;
    }
    const QString out = args[1];
    try {
        zxa::loadFonts();
        const int preview = int(args.indexOf("--preview"));
        if (preview > 0 && preview + 1 < args.size()) {
            // For looking at the art: every segment lit, and a game in play with all buttons
            // pressed.
            zxa::savePng(zxa::composeFace(zxa::allSegments()), args[preview + 1]);
            zxa::savePng(zxa::composeFace(zxa::gameInPlay(), {-1, 1, 2, 0, -1}),
                         args[preview + 1] + ".game.png");
            return 0;
        }
        // The desktop menu's icon: its own folder, for it does not ship beside the program.
        if (const int icons = int(args.indexOf("--icons")); icons > 0 && icons + 1 < args.size()) {
            zxa::writeIcons(out, args[icons + 1]);
            return 0;
        }
        zxa::writeSkin(out);
        zxa::writeWindowPictures(out);
        zxa::writeManual(out);
        {
            // Every picture again at twice the size, for screens with more
            // pixels per point and for the enlarged full-screen device.
            const zxa::ArtScaleScope twice(2);
            zxa::writeSkin(out);
            zxa::writeWindowPictures(out);
            zxa::writeManual(out);
        }
        zxa::writeSounds(out);
        zxa::writeTexts(out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zx_assetgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
