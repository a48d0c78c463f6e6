// Loads the DejaVu font files explicitly and hands out fonts by role.
#include "fonts.h"

#include <QFontDatabase>
#include <stdexcept>
#include <string>

namespace zxa {

namespace {

const char* const kDir = "/usr/share/fonts/truetype/dejavu/";
const char* const kFiles[] = {
    "DejaVuSans.ttf",          "DejaVuSans-Bold.ttf",
    "DejaVuSansCondensed.ttf", "DejaVuSansCondensed-Bold.ttf",
    "DejaVuSerif.ttf",         "DejaVuSerif-Bold.ttf",
    "DejaVuSerif-Italic.ttf",
};

QFont make(const char* family, int px, bool bold, bool italic) {
    loadFonts();
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(px);
    f.setBold(bold);
    f.setItalic(italic);
    // Unhinted outlines come out the same whatever the system's font settings.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

}  // namespace

void loadFonts() {
    static bool done = false;
    if (done) return;
    done = true;
    for (const char* file : kFiles) {
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(kDir) + file) < 0)
            throw std::runtime_error(std::string("font missing: ") + kDir + file);
    }
}

QFont sansFont(int px, bool bold) { return make("DejaVu Sans", px, bold, false); }
QFont condensedFont(int px, bool bold) { return make("DejaVu Sans Condensed", px, bold, false); }
QFont serifFont(int px, bool bold, bool italic) { return make("DejaVu Serif", px, bold, italic); }
QFont panelFont() { return condensedFont(10, true); }

}  // namespace zxa
