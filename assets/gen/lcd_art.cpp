// The segment look and the seven-segment digits, shared by every LCD picture.
#include "lcd_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>

#include "asset_io.h"
#include "fonts.h"
#include "skin_layout.h"

namespace zxa {

QImage lcdSegment(QSize size, const QPainterPath& shape) {
    QImage img = canvas(size.width(), size.height());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // The crystal floats above the printed reflector: a soft offset shadow.
    p.setBrush(QColor(20, 32, 24, 40));
    p.drawPath(shape.translated(1.2, 1.4));
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(38, 46, 44, 226));
    g.setColorAt(1, QColor(14, 20, 18, 230));
    p.setBrush(g);
    p.drawPath(shape);
    return img;
}

QPainterPath stroked(const QPainterPath& line, qreal width) {
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(Qt::RoundCap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(line).simplified();
}

QPainterPath panelText(const QString& text, qreal height, qreal maxWidth) {
    QFont f = panelFont();
    f.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF b = path.boundingRect();
    qreal scale = height / b.height();
    const qreal sx = qMin(scale, maxWidth / b.width());
    QTransform t;
    t.scale(sx, scale);
    t.translate(-b.left(), -b.top());
    return t.map(path);
}

namespace {

// Segments a..g, lit per digit (bit 0 = a ... bit 6 = g).
constexpr unsigned char kDigitSegments[10] = {0x3f, 0x06, 0x5b, 0x4f, 0x66,
                                              0x6d, 0x7d, 0x07, 0x7f, 0x6f};

// One segment as a hexagon between two points, with pointed ends that leave a thin gap.
QPainterPath bar(QPointF a, QPointF b, qreal t) {
    const QPointF d = b - a;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF u = d / len, n(-u.y(), u.x());
    const qreal gap = t * 0.35, h = t / 2;
    const QPointF s = a + u * gap, e = b - u * gap;
    QPainterPath p;
    p.moveTo(s);
    p.lineTo(s + u * h + n * h);
    p.lineTo(e - u * h + n * h);
    p.lineTo(e);
    p.lineTo(e - u * h - n * h);
    p.lineTo(s + u * h - n * h);
    p.closeSubpath();
    return p;
}

}  // namespace

QPainterPath digitShape(int d, QSize box) {
    const qreal t = box.height() >= 20 ? 3.4 : 2.2;  // stroke thickness
    const qreal slant = box.height() * 0.09;         // the usual forward lean of LCD digits
    const qreal w = box.width() - slant - t, h = box.height() - t;
    const qreal x0 = t / 2, y0 = t / 2, ym = y0 + h / 2;
    // Lean by shifting x in proportion to the height above the baseline.
    auto P = [&](qreal x, qreal y) { return QPointF(x + slant * (1 - y / box.height()), y); };
    const QPointF tl = P(x0, y0), tr = P(x0 + w, y0), ml = P(x0, ym), mr = P(x0 + w, ym);
    const QPointF bl = P(x0, y0 + h), br = P(x0 + w, y0 + h);
    const QPointF ends[7][2] = {{tl, tr}, {tr, mr}, {mr, br}, {bl, br},
                                {ml, bl}, {tl, ml}, {ml, mr}};
    QPainterPath path;
    for (int s = 0; s < 7; ++s)
        if (kDigitSegments[d] & (1u << s)) path.addPath(bar(ends[s][0], ends[s][1], t));
    return path;
}

}  // namespace zxa
