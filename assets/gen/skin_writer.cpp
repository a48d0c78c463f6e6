// Cuts the device picture into the skin's controls and writes them with Config.ini.
#include "skin_writer.h"

#include <QPainter>

#include "asset_io.h"
#include "device_art.h"
#include "lcd_art.h"
#include "skin_layout.h"

namespace zxa {

using zx::Ctl;

namespace {

bool isDown(Ctl c) { return zx::controlName(c).ends_with("_down"); }
bool isTop(Ctl c) {
    return zx::controlName(c).ends_with("_top") && c != Ctl::im_background_screen_top;
}

// Drawn once per art scale.
const QImage& device(bool pressed) {
    static QImage up[3], down[3];
    const int s = artScale();
    if (up[s].isNull()) {
        up[s] = paintDevice(false);
        down[s] = paintDevice(true);
    }
    return pressed ? down[s] : up[s];
}

}  // namespace

QImage skinPicture(Ctl c) {
    const QRect r = skinRect(c);
    if (c == Ctl::im_background) return device(false);
    if (c == Ctl::im_background_screen_top) return glassReflection();
    // The pressed look replaces the button's whole area, cut from the pressed device.
    if (isDown(c)) return cutOut(device(true), r);
    // SET never moves: its control shows the button as printed.
    if (c == Ctl::btn_set_top) return cutOut(device(false), r);
    // The other _top controls only catch the pointer: clear, so the printed
    // button or its pressed picture beneath shows through.
    if (isTop(c)) return canvas(r.width(), r.height());
    return lcdPicture(c);
}

std::set<Ctl> allSegments() {
    std::set<Ctl> s;
    for (int i = 0; i < zx::kSkinImageCount; ++i) {
        const Ctl c = Ctl(i);
        const auto n = zx::controlName(c);
        if (n.starts_with("im_") && c != Ctl::im_background && !n.starts_with("im_panel_number"))
            s.insert(c);
    }
    s.insert(Ctl::btn_set_top);
    for (Ctl c : {Ctl::btn_game_a_top, Ctl::btn_game_b_top, Ctl::btn_time_top, Ctl::btn_left_top,
                  Ctl::btn_right_top, Ctl::btn_shoot_left_top, Ctl::btn_shoot_right_top})
        s.insert(c);
    return s;
}

std::set<Ctl> gameInPlay() {
    using enum Ctl;
    std::set<Ctl> s = {im_panel_game_a, im_panel_sound, im_panel_miss_1, im_miss_1,
                       im_miss_2,       im_enemy_2_1,   im_enemy_2_3,    im_enemy_helper_1,
                       im_hero_2,       im_shot_2_3,    im_saveme_1_3,   im_saveme_1_2,
                       im_saveme_1_1,   im_saveme_2_3,  im_saveme_2_2,   im_saveme_3_3};
    for (int i = int(im_panel_digit_pos_1); i <= int(im_panel_digit_pos_5); ++i) s.insert(Ctl(i));
    for (int i = 0; i < zx::kSkinImageCount; ++i)
        if (zx::controlName(Ctl(i)).starts_with("btn_")) s.insert(Ctl(i));
    return s;
}

QImage composeFace(const std::set<Ctl>& shown, const Digits& digits) {
    QImage out = artImage(kFaceW, kFaceH);
    out.fill(QColor(255, 0, 255));
    QPainter p(&out);
    p.drawImage(0, 0, device(false));
    for (Ctl c : zx::kDrawingOrder) {
        if (int(c) >= zx::kSkinImageCount || c == Ctl::im_background || !shown.count(c)) continue;
        QImage pic;
        if (c >= Ctl::im_panel_digit_pos_1 && c <= Ctl::im_panel_digit_pos_5) {
            const int place = int(c) - int(Ctl::im_panel_digit_pos_1);
            const int d = digits[std::size_t(place)];
            if (d < 0 || d > 9) continue;
            const Ctl base = place == 4 ? Ctl::im_panel_number_small_0 : Ctl::im_panel_number_0;
            pic = skinPicture(Ctl(int(base) + d));
        } else {
            pic = skinPicture(c);
        }
        p.drawImage(skinRect(c).topLeft(), pic);
    }
    return out;
}

QString configIni() {
    QString s;
    s += "; Face of the Zorbanix handheld: pictures and their places on the 542 x 359 face\r\n";
    s += "[Common]\r\n"
         "; UnlitOpacity=8 shows the unlit LCD segments faintly, as on a real panel, at 8 %\r\n"
         "; opacity (a whole number from 1 to 100). Without it they are invisible.\r\n"
         "SkinDir=Graphics\\Skin\\\r\nGameWidth=542\r\nGameHeight=359\r\n\r\n";
    s += "[Fullscreen]\r\n"
         "; Scale=2.5 draws the device 2.5 times its size here (1 to 8); Scale=fit as large\r\n"
         "; as fits in 90 % of the screen. Without it the device keeps its designed size.\r\n"
         "BackdropDir=Graphics\\Backdrops\\\r\nBackdropFile=tabletop.jpg\r\n"
         "BackdropStretch=0\r\nBgColor=$000E141E\r\nGameOffsetX=Center\r\nGameOffsetY=Center\r\n"
         "LogoFile=logo.png\r\nLogoPosition=3\r\n\r\n";
    s += "[VideoMode]\r\nTranspColor=$00FF00FF\r\n\r\n";
    for (int n = 1; n <= zx::kSkinImageCount; ++n) {
        const Ctl c = zx::skinImage(n);
        const QRect r = skinRect(c);
        const QString name =
            QString::fromLatin1(zx::controlName(c).data(), int(zx::controlName(c).size()));
        const QString file = skinFile(c);
        s += QString(
                 "[Image%1]\r\n; "
                 "%2\r\nFilename=%3\r\nLeft=%4\r\nTop=%5\r\nWidth=%6\r\nHeight=%7\r\n\r\n")
                 .arg(n)
                 .arg(name, file.isEmpty() ? QStringLiteral("nil") : file)
                 .arg(r.x())
                 .arg(r.y())
                 .arg(r.width())
                 .arg(r.height());
    }
    s += "[Manual]\r\nManualDir=Graphics\\Manual\\\r\nManualWidth=345\r\nManualHeight=255\r\n";
    return s;
}

void writeSkin(const QString& dir) {
    for (int n = 1; n <= zx::kSkinImageCount; ++n) {
        const Ctl c = zx::skinImage(n);
        const QString file = skinFile(c);
        if (!file.isEmpty()) savePng(skinPicture(c), dir + "/Graphics/Skin/" + file);
    }
    if (artScale() == 1) saveBytes(configIni().toLatin1(), dir + "/Config.ini");
}

}  // namespace zxa
