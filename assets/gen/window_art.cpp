// Pictures of the splash window, about box, in-game menu, manual buttons, backdrop and logo.
#include "window_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "asset_io.h"
#include "fonts.h"
#include "skin_layout.h"
#include "skin_writer.h"

namespace zxa {

namespace {

const QColor kDarkBlue(8, 41, 82), kMidBlue(24, 82, 148);

void hq(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QImage startFace() { return composeFace(allSegments()); }

// Face with the keyed outside made transparent, for drawing the device on other pictures.
QImage deviceCutout() {
    QImage f = startFace().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < f.height(); ++y) {
        QRgb* l = reinterpret_cast<QRgb*>(f.scanLine(y));
        for (int x = 0; x < f.width(); ++x)
            if ((l[x] & 0xffffffu) == 0xff00ffu) l[x] = 0;
    }
    return f.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Smooth value noise on a lattice, for wood grain that does not repeat visibly.
double noise(double x, double y) {
    auto hash = [](int i, int j) {
        quint32 h = quint32(i) * 374761393u + quint32(j) * 668265263u;
        h = (h ^ (h >> 13)) * 1274126177u;
        return double((h ^ (h >> 16)) & 0xffff) / 65535.0;
    };
    const int xi = int(std::floor(x)), yi = int(std::floor(y));
    const double fx = x - xi, fy = y - yi;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double a = hash(xi, yi) + (hash(xi + 1, yi) - hash(xi, yi)) * sx;
    const double b = hash(xi, yi + 1) + (hash(xi + 1, yi + 1) - hash(xi, yi + 1)) * sx;
    return a + (b - a) * sy;
}

// A dark walnut tabletop of long planks; the device's shadow lies where
// full-screen mode centres it.
QImage backdrop() {
    const int W = 1920, H = 1080, plankH = 216;
    QImage img = artImage(W, H, QImage::Format_RGB32);
    // The grain is a function of 1x coordinates, sampled once per pixel at either scale.
    const int s = artScale();
    for (int py = 0; py < H * s; ++py) {
        QRgb* l = reinterpret_cast<QRgb*>(img.scanLine(py));
        const double y = double(py) / s;
        const int plank = int(y) / plankH;
        const double tone = 0.85 + 0.3 * noise(plank * 3.7, 0.5);
        for (int px = 0; px < W * s; ++px) {
            const double x = double(px) / s;
            // Grain runs along the plank: stretched noise, warped a little.
            const double u = x * 0.0035 + plank * 11.0;
            const double warp = noise(u * 0.6, y * 0.01) * 3.0;
            const double grain = noise(u * 0.4, y * 0.11 + warp);
            const double fine = noise(x * 0.02 + plank * 5.0, y * 0.6);
            const double t = 0.55 * grain + 0.2 * fine + 0.25;
            const bool seam = int(y) % plankH < 2;
            const double dx = (x - W / 2.0) / W, dy = (y - H / 2.0) / H;
            const double k = tone * (seam ? 0.45 : 1.0) * (1.0 - 1.2 * (dx * dx + dy * dy));
            l[px] =
                qRgb(qBound(0, int((52 + 62 * t) * k), 255), qBound(0, int((30 + 38 * t) * k), 255),
                     qBound(0, int((20 + 22 * t) * k), 255));
        }
    }
    QPainter p(&img);
    hq(p);
    p.setPen(Qt::NoPen);
    // Warm light falling on the table from the upper left.
    QRadialGradient light(QPointF(W * 0.3, H * 0.15), W * 0.7);
    light.setColorAt(0, QColor(255, 220, 170, 46));
    light.setColorAt(1, QColor(255, 220, 170, 0));
    p.setBrush(light);
    p.drawRect(img.rect());
    const QRectF dev((W - kFaceW) / 2, (H - kFaceH) / 2, kFaceW, kFaceH);
    for (int i = 12; i >= 0; --i) {
        p.setBrush(QColor(0, 0, 0, 7));
        p.drawRoundedRect(dev.translated(8, 14).adjusted(-i * 2.5, -i * 2.5, i * 2.5, i * 2.5),
                          34 + i * 2.5, 34 + i * 2.5);
    }
    return img;
}

QImage logo() {
    QImage img = canvas(360, 96);
    QPainter p(&img);
    hq(p);
    QPainterPath word;
    word.addText(0, 0, serifFont(52, true, true), QStringLiteral("Zorbanix"));
    const QRectF b = word.boundingRect();
    word.translate(180 - b.center().x(), 56 - b.bottom() + 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPath(word.translated(2, 3));
    QLinearGradient gold(0, 10, 0, 60);
    gold.setColorAt(0, QColor(250, 226, 150));
    gold.setColorAt(1, QColor(196, 150, 70));
    p.setBrush(gold);
    p.drawPath(word);
    p.setPen(QColor(240, 226, 200, 220));
    p.setFont(condensedFont(15, false));
    p.drawText(QRectF(0, 64, 360, 22), Qt::AlignCenter,
               QStringLiteral("Tikkabo series  \u00b7  desktop simulator"));
    return img;
}

QImage splashBackground() {
    QImage img = artImage(460, 420, QImage::Format_RGB32);
    QPainter p(&img);
    p.fillRect(0, 0, 460, 52, kDarkBlue);
    p.fillRect(0, 52, 460, 168, kMidBlue);
    p.fillRect(0, 220, 460, 160, Qt::white);
    p.fillRect(0, 380, 460, 40, kDarkBlue);
    return img;
}

// The retail box: the device on a starry front panel with the title band.
QImage boxPicture() {
    QImage img = artImage(200, 116, QImage::Format_RGB32);
    img.fill(kMidBlue);
    QPainter p(&img);
    hq(p);
    const QRectF front(30, 6, 140, 104);
    QPainterPath side;  // the box's right side, in perspective
    side.moveTo(front.topRight());
    side.lineTo(front.right() + 14, front.top() + 7);
    side.lineTo(front.right() + 14, front.bottom() - 3);
    side.lineTo(front.bottomRight());
    side.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(6, 30, 62));
    p.drawPath(side);
    QLinearGradient g(0, front.top(), 0, front.bottom());
    g.setColorAt(0, QColor(24, 20, 60));
    g.setColorAt(1, QColor(70, 24, 60));
    p.setBrush(g);
    p.drawRect(front);
    p.setBrush(QColor(255, 255, 255, 160));
    for (int i = 0; i < 26; ++i)
        p.drawEllipse(QPointF(front.left() + (i * 53) % 140, front.top() + 20 + (i * 37) % 80), 0.6,
                      0.6);
    p.setBrush(QColor(200, 46, 40));
    p.drawRect(QRectF(front.left(), front.top(), front.width(), 20));
    p.setPen(QColor(255, 230, 160));
    p.setFont(serifFont(15, true, true));
    p.drawText(QRectF(front.left(), front.top() - 1, front.width(), 20), Qt::AlignCenter,
               QStringLiteral("Zorbanix"));
    p.drawImage(QRectF(front.left() + 10, front.top() + 26, 120, 120.0 * kFaceH / kFaceW),
                deviceCutout());
    p.setPen(QColor(230, 230, 240));
    p.setFont(condensedFont(8, false));
    p.drawText(QRectF(front.left(), front.bottom() - 14, front.width(), 12), Qt::AlignCenter,
               QStringLiteral("TIKKABO  \u00b7  LCD GAME  \u00b7  CLOCK"));
    return img;
}

QImage pillButton(QColor top, QColor bottom, const QString& text, QColor textColour) {
    QImage img = artImage(107, 30);
    img.fill(Qt::white);
    QPainter p(&img);
    hq(p);
    QLinearGradient g(0, 0, 0, 30);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(bottom.darker(140), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 106, 29), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 50));
    p.drawRoundedRect(QRectF(2, 2, 103, 12), 6, 6);
    p.setPen(textColour);
    p.setFont(sansFont(15, true));
    p.drawText(QRectF(0, 0, 107, 29), Qt::AlignCenter, text);
    return img;
}

QImage donateButton() {
    QImage img = pillButton(QColor(255, 214, 90), QColor(232, 160, 30), QStringLiteral("   Donate"),
                            QColor(20, 40, 90));
    QPainter p(&img);
    hq(p);
    QPainterPath heart;
    heart.moveTo(22, 22);
    heart.cubicTo(10, 15, 14, 5, 22, 11);
    heart.cubicTo(30, 5, 34, 15, 22, 22);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 50));
    p.drawPath(heart);
    return img;
}

// The about box picture: the project's emblem, the hero cadet under the three enemies.
QImage aboutPicture() {
    QImage img = artImage(116, 160);
    QPainter p(&img);
    hq(p);
    QLinearGradient g(0, 0, 0, 160);
    g.setColorAt(0, QColor(36, 96, 160));
    g.setColorAt(1, QColor(8, 41, 82));
    p.fillRect(img.rect(), g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    for (int i = 0; i < 30; ++i) p.drawEllipse(QPointF((i * 47) % 116, (i * 29) % 100), 0.7, 0.7);
    const QImage face = deviceCutout();
    p.save();
    p.translate(58, 78);
    p.rotate(-12);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(QRectF(-49, -30, 104, 69), 8, 8);
    p.drawImage(QRectF(-52, -34, 104, 104.0 * kFaceH / kFaceW), face);
    p.restore();
    p.setPen(QColor(255, 230, 160));
    p.setFont(serifFont(15, true, true));
    p.drawText(QRectF(0, 8, 116, 20), Qt::AlignCenter, QStringLiteral("Zorbanix"));
    p.setPen(QColor(220, 230, 245));
    p.setFont(condensedFont(10, false));
    p.drawText(QRectF(0, 124, 116, 14), Qt::AlignCenter, QStringLiteral("simulator project"));
    p.drawText(QRectF(0, 138, 116, 14), Qt::AlignCenter, QStringLiteral("version 5.00"));
    p.setPen(QPen(QColor(255, 255, 255, 80), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 115, 159));
    return img;
}

QImage gameMenu() {
    QImage img = canvas(256, 512);
    QPainter p(&img);
    hq(p);
    p.fillRect(QRect(0, 32, 256, 480), QColor(0, 0, 0, 204));
    p.fillRect(QRect(0, 0, 256, 32), Qt::black);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int i = 0; i < 3; ++i) p.drawRoundedRect(QRectF(9, 9 + 6 * i, 18, 3), 1.2, 1.2);
    p.setPen(Qt::white);
    p.setFont(sansFont(14, true));
    p.drawText(QRectF(40, 0, 210, 32), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Game menu"));
    return img;
}

enum class Glyph { left, right, close };

// The manual viewer's 16 x 14 buttons: raised when released, sunk when pressed.
QImage manualButton(Glyph g, bool pressed) {
    QImage img = artImage(16, 14);
    QPainter p(&img);
    hq(p);
    QLinearGradient bg(0, 0, 0, 14);
    bg.setColorAt(0, pressed ? QColor(120, 140, 170) : QColor(226, 234, 246));
    bg.setColorAt(1, pressed ? QColor(150, 170, 200) : QColor(160, 178, 206));
    p.fillRect(img.rect(), bg);
    p.setPen(QPen(pressed ? QColor(40, 50, 70) : QColor(80, 96, 124), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 15, 13));
    const QPointF c(8 + (pressed ? 0.5 : 0), 7 + (pressed ? 0.5 : 0));
    const QColor ink = pressed ? Qt::white : kDarkBlue;
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    if (g == Glyph::close) {
        p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-3.5, -3.5), c + QPointF(3.5, 3.5));
        p.drawLine(c + QPointF(-3.5, 3.5), c + QPointF(3.5, -3.5));
    } else {
        const qreal d = g == Glyph::left ? -1 : 1;
        QPainterPath a;
        a.moveTo(c + QPointF(4 * d, 0));
        a.lineTo(c + QPointF(-3 * d, -4.5));
        a.lineTo(c + QPointF(-3 * d, 4.5));
        a.closeSubpath();
        p.drawPath(a);
    }
    return img;
}

}  // namespace

void writeWindowPictures(const QString& dir) {
    const QString w = dir + "/Graphics/Windows/";
    saveJpeg(backdrop(), dir + "/Graphics/Backdrops/tabletop.jpg", 88);
    savePng(logo(), dir + "/Graphics/Backdrops/logo.png");
    savePng(splashBackground(), w + "splash_background.png");
    saveJpeg(boxPicture(), w + "splash_box.jpg", 92);
    savePng(pillButton(QColor(70, 140, 220), kMidBlue, QStringLiteral("Play"), Qt::white),
            w + "splash_play_blue.png");
    savePng(pillButton(QColor(214, 214, 214), QColor(160, 160, 160), QStringLiteral("Play"),
                       QColor(240, 240, 240)),
            w + "splash_play_grey.png");
    savePng(donateButton(), w + "splash_donate.png");
    savePng(aboutPicture(), w + "about.png");
    savePng(gameMenu(), w + "game_menu.png");
    const struct {
        Glyph g;
        const char* name;
    } buttons[] = {{Glyph::left, "left"}, {Glyph::right, "right"}, {Glyph::close, "close"}};
    for (const auto& b : buttons) {
        savePng(manualButton(b.g, false), w + "manual_" + b.name + "_up.png");
        savePng(manualButton(b.g, true), w + "manual_" + b.name + "_down.png");
    }
}

}  // namespace zxa
