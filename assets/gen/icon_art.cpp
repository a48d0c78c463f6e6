// The program's icon: the handheld's red case, its LCD with a saucer and the
// digits, and the two orange shoot buttons, drawn on a 512-unit square.
#include "icon_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "asset_io.h"

namespace zxa {
namespace {

constexpr double kUnits = 512;
const int kSizes[] = {48, 128, 256, 512};

void paintCase(QPainter& p) {
    const QRectF body(16, 88, 480, 336);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));  // a soft drop shadow under the case
    p.drawRoundedRect(body.translated(0, 10), 60, 60);
    QLinearGradient face(0, body.top(), 0, body.bottom());
    face.setColorAt(0, QColor(196, 68, 56));
    face.setColorAt(1, QColor(128, 34, 32));
    p.setBrush(face);
    p.setPen(QPen(QColor(70, 22, 20), 6));
    p.drawRoundedRect(body, 60, 60);
}

void paintScreen(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(36, 34, 38));
    p.drawRoundedRect(QRectF(128, 124, 256, 224), 18, 18);
    QLinearGradient lcd(0, 140, 0, 332);
    lcd.setColorAt(0, QColor(214, 224, 196));
    lcd.setColorAt(1, QColor(176, 204, 170));
    p.setBrush(lcd);
    p.drawRect(QRectF(144, 140, 224, 192));
    // The saucer, its beam and the hero: dark LCD segments.
    const QColor ink(40, 46, 42);
    p.setBrush(ink);
    p.drawEllipse(QRectF(196, 176, 120, 34));
    p.drawChord(QRectF(226, 154, 60, 48), 0, 180 * 16);
    for (int i = 0; i < 3; ++i) p.drawRect(QRectF(250, 224 + 26 * i, 12, 16));
    p.drawEllipse(QRectF(240, 290, 32, 32));
}

void paintButtons(QPainter& p) {
    for (const double x : {72.0, 440.0}) {
        QRadialGradient knob(x - 8, 180, 44);
        knob.setColorAt(0, QColor(255, 214, 120));
        knob.setColorAt(1, QColor(214, 122, 20));
        p.setBrush(knob);
        p.setPen(QPen(QColor(90, 30, 20), 5));
        p.drawEllipse(QPointF(x, 190), 34, 34);
        p.setBrush(QColor(44, 46, 56));
        p.drawEllipse(QPointF(x, 300), 30, 30);
    }
}

}  // namespace

QImage paintIcon(int size) {
    QImage img = canvas(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kUnits, size / kUnits);
    paintCase(p);
    paintScreen(p);
    paintButtons(p);
    return img;
}

void writeIcons(const QString& folder, const QString& name) {
    for (const int n : kSizes)
        savePng(paintIcon(n), QString("%1/%2x%2/apps/%3.png").arg(folder).arg(n).arg(name));
}

}  // namespace zxa
