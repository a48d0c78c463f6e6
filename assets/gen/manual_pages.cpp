// Lays out the leaflet pages: a title band, the page's text and a picture of the device.
#include "manual_pages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTextLayout>

#include "asset_io.h"
#include "fonts.h"
#include "manual_text.h"
#include "skin_layout.h"
#include "skin_writer.h"

namespace zxa {

using zx::Ctl;

namespace {

constexpr int kW = 345, kH = 255, kBand = 24;
const QColor kInk(30, 34, 44), kRed(170, 44, 38), kPaper(250, 247, 238);

// The glass of a face with the given segments lit; digit slots always take part.
QImage glass(std::set<Ctl> lit, const Digits& digits) {
    for (int i = int(Ctl::im_panel_digit_pos_1); i <= int(Ctl::im_panel_digit_pos_5); ++i)
        lit.insert(Ctl(i));
    return cutOut(composeFace(lit, digits), kGlass);
}

std::set<Ctl> readyFace() {
    std::set<Ctl> s = {Ctl::im_panel_game_a,   Ctl::im_miss_1, Ctl::im_miss_2,
                       Ctl::im_enemy_helper_2, Ctl::im_hero_2, Ctl::im_panel_sound};
    for (int i = int(Ctl::im_saveme_1_3); i <= int(Ctl::im_saveme_3_1); ++i) s.insert(Ctl(i));
    return s;
}

// The start-up face with the keyed outside replaced by the given colour.
QImage deviceCut(QColor outside) {
    QImage f = composeFace(allSegments()).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < f.height(); ++y) {
        QRgb* l = reinterpret_cast<QRgb*>(f.scanLine(y));
        for (int x = 0; x < f.width(); ++x)
            if ((l[x] & 0xffffffu) == 0xff00ffu) l[x] = outside.rgba();
    }
    return f;
}

// Draws text wrapped into the rectangle; returns the y below the last line.
qreal paragraphs(QPainter& p, const QString& text, const QRectF& r, const QFont& font) {
    qreal y = r.top();
    for (const QString& para : text.split('\n')) {
        if (para.isEmpty()) {
            y += 5;
            continue;
        }
        QTextLayout layout(para, font);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(r.width());
            line.setPosition(QPointF(0, 0));
            line.draw(&p, QPointF(r.left(), y));
            y += line.height();
        }
        layout.endLayout();
    }
    return y;
}

void keyTable(QPainter& p, QRectF r) {
    const char* const rows[][2] = {
        {"Game A", "1"},     {"Game B", "2"},          {"Time", "3"},           {"Left", "\u2190"},
        {"Right", "\u2192"}, {"Shoot (left)", "Ctrl"}, {"Shoot (right)", "Alt"}};
    p.setFont(sansFont(11, false));
    qreal y = r.top();
    for (const auto& row : rows) {
        p.setPen(kInk);
        p.drawText(QRectF(r.left(), y, 90, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromLatin1(row[0]));
        const QString key = QString::fromUtf8(row[1]);
        const qreal w = QFontMetricsF(p.font()).horizontalAdvance(key) + 12;
        p.setPen(QPen(QColor(120, 120, 130), 1));
        p.setBrush(QColor(236, 236, 240));
        p.drawRoundedRect(QRectF(r.left() + 92, y + 1, w, 14), 3, 3);
        p.setPen(kInk);
        p.drawText(QRectF(r.left() + 92, y + 1, w, 14), Qt::AlignCenter, key);
        y += 18;
    }
}

// The picture of a page, drawn into the art area.
// The alarm, date and chrono faces, one panel strip above the other.
static void clockFaces(QPainter& p, const QRectF& r) {
    using enum Ctl;
    const QImage faces[3] = {
        glass({im_panel_alarm, im_panel_time_am, im_panel_time_colon}, {1, 2, 0, 0, -1}),
        glass({im_panel_date, im_panel_time_colon}, {-1, 3, -1, 7, -1}),
        glass({im_panel_chrono, im_panel_time_colon}, {0, 0, 0, 0, 0})};
    for (int i = 0; i < 3; ++i) {
        const QRectF t(r.left(), r.top() + i * 46, r.width(), 40);
        p.drawImage(t, cutOut(faces[i], QRect(0, 0, kGlass.width(), kPanelBottom - kGlass.top())));
        p.setPen(QColor(60, 60, 60));
        p.drawRect(t);
    }
}

void art(QPainter& p, PageArt a, const QRectF& r) {
    auto put = [&](const QImage& img) {
        const QSizeF s = img.deviceIndependentSize().scaled(r.size(), Qt::KeepAspectRatio);
        const QRectF t(r.center().x() - s.width() / 2, r.top(), s.width(), s.height());
        p.drawImage(t, img);
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::NoBrush);
        if (a != PageArt::cover && a != PageArt::device)
            p.drawRect(t.adjusted(-0.5, -0.5, 0.5, 0.5));
    };
    using enum Ctl;
    switch (a) {
        case PageArt::cover:
        case PageArt::device:
            put(deviceCut(kPaper));
            break;
        case PageArt::timeFace:
            put(glass({im_panel_time_1, im_panel_time_colon, im_panel_time_am}, {-1, 9, 0, 5, -1}));
            break;
        case PageArt::clockFaces:
            clockFaces(p, r);
            break;
        case PageArt::readyFace:
            put(glass(readyFace(), {-1, 4, 5, 0, -1}));
            break;
        case PageArt::field: {
            auto s = readyFace();
            s.erase(im_panel_sound);
            s.insert({im_enemy_3_1, im_enemy_3_2, im_shot_3_3, im_panel_sound});
            s.erase(im_hero_2);
            s.insert(im_hero_3);
            put(glass(s, {-1, 1, 2, 0, -1}));
            break;
        }
        case PageArt::attack: {
            auto s = readyFace();
            s.insert({im_enemy_1_1, im_enemy_1_3});
            s.erase(im_saveme_1_1);
            s.erase(im_enemy_helper_2);
            s.insert(im_enemy_helper_1);
            put(glass(s, {-1, 2, 3, 0, -1}));
            break;
        }
        case PageArt::bonus: {
            auto s = readyFace();
            s.erase(im_miss_2);
            s.insert(im_miss_3);
            s.erase(im_enemy_helper_2);
            s.insert(im_enemy_helper_3);
            put(glass(s, {1, 0, 0, 0, -1}));
            break;
        }
        case PageArt::miss: {
            auto s = readyFace();
            s.erase(im_miss_2);
            s.insert({im_miss_3, im_miss_5, im_panel_miss_1, im_enemy_2_1, im_enemy_2_2});
            for (Ctl c : {im_saveme_2_1, im_saveme_2_2, im_saveme_2_3}) s.erase(c);
            put(glass(s, {-1, 3, 4, 0, -1}));
            break;
        }
        case PageArt::hiscore:
            put(glass(readyFace(), {1, 2, 5, 0, -1}));
            break;
        case PageArt::keys:
            keyTable(p, r);
            break;
        case PageArt::sound:
            put(glass(readyFace(), {-1, -1, -1, 0, -1}));
            break;
    }
}

void frame(QPainter& p, int n, const QString& title) {
    p.fillRect(QRect(0, 0, kW, kH), kPaper);
    QLinearGradient band(0, 0, kW, 0);
    band.setColorAt(0, kRed);
    band.setColorAt(1, QColor(120, 30, 30));
    p.fillRect(QRect(0, 0, kW, kBand), band);
    p.setPen(QColor(255, 240, 220));
    p.setFont(sansFont(13, true));
    p.drawText(QRectF(10, 0, kW - 60, kBand), Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setFont(sansFont(10, false));
    p.setPen(kInk);
    p.drawText(QRectF(0, kH - 16, kW - 28, 14), Qt::AlignRight | Qt::AlignVCenter,
               QString("%1 / 12").arg(n));
    p.setPen(QPen(kRed, 1));
    p.drawLine(QPointF(10, kH - 18.5), QPointF(kW - 10, kH - 18.5));
}

QImage coverPage() {
    QImage img = artImage(kW, kH, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
    QLinearGradient g(0, 0, 0, kH);
    g.setColorAt(0, QColor(28, 30, 70));
    g.setColorAt(1, QColor(90, 26, 40));
    p.fillRect(img.rect(), g);
    p.setPen(QColor(250, 222, 150));
    p.setFont(serifFont(34, true, true));
    p.drawText(QRectF(0, 6, kW, 44), Qt::AlignCenter, QStringLiteral("Zorbanix"));
    p.setFont(sansFont(11, false));
    p.setPen(QColor(236, 236, 246));
    p.drawText(QRectF(0, 48, kW, 16), Qt::AlignCenter,
               QStringLiteral("Tikkabo series  \u00b7  pocket LCD game and clock"));
    p.drawImage(QRectF(kW / 2.0 - 112, 70, 224, 224.0 * kFaceH / kFaceW),
                deviceCut(Qt::transparent));
    p.setFont(sansFont(12, true));
    p.drawText(QRectF(0, kH - 22, kW, 18), Qt::AlignCenter, QStringLiteral("INSTRUCTIONS"));
    return img;
}

}  // namespace

QImage manualPage(int n) {
    const ManualPageText& t = manualPageText(n);
    if (t.art == PageArt::cover) return coverPage();
    QImage img = artImage(kW, kH, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
    frame(p, n, QString::fromUtf8(t.title));
    p.setPen(kInk);
    const QFont body = sansFont(11, false);
    if (t.art == PageArt::device) {
        art(p, t.art, QRectF(40, kBand + 4, kW - 80, 150));
        paragraphs(p, QString::fromUtf8(t.body), QRectF(12, kBand + 156, kW - 24, 56),
                   condensedFont(11, false));
    } else {
        const QRectF artBox(10, kBand + 8, 150, kH - kBand - 30);
        art(p, t.art, artBox);
        p.setPen(kInk);
        paragraphs(p, QString::fromUtf8(t.body), QRectF(170, kBand + 6, kW - 180, kH - kBand - 28),
                   condensedFont(11, false));
    }
    return img;
}

void writeManual(const QString& dir) {
    for (int n = 1; n <= kManualPages; ++n)
        saveBmp24(manualPage(n), QString("%1/Graphics/Manual/%2.bmp").arg(dir).arg(n));
}

}  // namespace zxa
