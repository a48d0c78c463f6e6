// Paints the device picture: case, bezel, the printed scene under the LCD, buttons and labels.
#include "device_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "asset_io.h"
#include "fonts.h"
#include "skin_layout.h"

namespace zxa {

namespace {

const QRectF kCase(3, 3, kFaceW - 6, kFaceH - 6);
const QColor kGold(214, 182, 104);

QPainterPath caseShape() {
    QPainterPath p;
    p.addRoundedRect(kCase, 34, 34);
    return p;
}

void paintCase(QPainter& p) {
    // Moulded shell: a darker rim with the lit face plate inset one step.
    QLinearGradient rim(0, kCase.top(), 0, kCase.bottom());
    rim.setColorAt(0, QColor(92, 44, 40));
    rim.setColorAt(1, QColor(52, 20, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawPath(caseShape());
    QLinearGradient face(0, 8, 0, kFaceH - 8);
    face.setColorAt(0, QColor(186, 62, 52));
    face.setColorAt(0.55, QColor(160, 46, 40));
    face.setColorAt(1, QColor(128, 34, 32));
    p.setBrush(face);
    p.drawRoundedRect(kCase.adjusted(4, 3, -4, -6), 30, 30);
    // Satin sheen across the upper half of the plastic.
    QLinearGradient sheen(0, 6, 0, 150);
    sheen.setColorAt(0, QColor(255, 255, 255, 46));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawRoundedRect(kCase.adjusted(5, 4, -5, -190), 29, 29);
    p.setPen(QPen(QColor(255, 210, 200, 90), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kCase.adjusted(4.5, 3.5, -4.5, -6.5), 30, 30);
    // Parting line of the two shell halves.
    p.setPen(QPen(QColor(40, 12, 12, 120), 1));
    p.drawRoundedRect(kCase.adjusted(1, 1, -1, -1), 33, 33);
}

void paintBezel(QPainter& p) {
    const QRectF bezel = QRectF(kGlass).adjusted(-14, -14, 14, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 16, 16, 110));  // recess shadow
    p.drawRoundedRect(bezel.adjusted(-2, -1, 2, 3), 14, 14);
    QLinearGradient g(0, bezel.top(), 0, bezel.bottom());
    g.setColorAt(0, QColor(46, 46, 52));
    g.setColorAt(1, QColor(24, 24, 28));
    p.setBrush(g);
    p.drawRoundedRect(bezel, 12, 12);
    p.setPen(QPen(kGold, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(bezel.adjusted(5, 5, -5, -5), 8, 8);
    p.setPen(kGold);
    p.setFont(condensedFont(11, true));
    p.drawText(QRectF(bezel.left(), kGlass.bottom() + 6, bezel.width(), 14), Qt::AlignCenter,
               QStringLiteral("Z O R B A N I X"));
    p.setFont(condensedFont(8, false));
    p.setPen(QColor(200, 200, 200));
    p.drawText(QRectF(bezel.left() + 12, kGlass.bottom() + 7, 80, 12),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("WIDE SCREEN"));
    p.drawText(QRectF(bezel.right() - 92, kGlass.bottom() + 7, 80, 12),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("TWIN SHOT"));
}

// A tiny deterministic generator for scattered details.
struct Lcg {
    quint32 s;
    int next(int n) {
        s = s * 1664525u + 1013904223u;
        return int((s >> 8) % quint32(n));
    }
};

// The sky over the field, its stars and a planet; returns the field.
static QRectF paintSky(QPainter& p, const QRectF& g) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(198, 208, 186));
    p.drawRect(g);
    const QRectF field(g.left(), kPanelBottom + 2, g.width(), g.bottom() - kPanelBottom - 2);
    QLinearGradient sky(0, field.top(), 0, field.bottom());
    sky.setColorAt(0, QColor(150, 176, 216));
    sky.setColorAt(0.55, QColor(196, 214, 208));
    sky.setColorAt(1, QColor(226, 212, 168));
    p.setBrush(sky);
    p.drawRect(field);
    Lcg rng{7};
    p.setBrush(QColor(236, 240, 230));
    for (int i = 0; i < 40; ++i)
        p.drawEllipse(
            QPointF(field.left() + rng.next(int(field.width())), field.top() + rng.next(70)), 0.9,
            0.9);
    // A distant ringed planet beside the first lane.
    p.setBrush(QColor(214, 190, 168));
    p.drawEllipse(QPointF(147, 142), 5, 5);
    p.setPen(QPen(QColor(190, 160, 140), 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(147, 142), 9, 2.4);
    p.setPen(Qt::NoPen);
    return field;
}

// Low hills on the horizon, then the ground.
static void paintGround(QPainter& p, const QRectF& field) {
    QPainterPath hills;
    hills.moveTo(field.left(), field.bottom() - 10);
    for (int k = 0; k <= 8; ++k)
        hills.quadTo(field.left() + k * 35 + 17, field.bottom() - (k % 2 ? 30 : 22),
                     field.left() + (k + 1) * 35, field.bottom() - 12);
    hills.lineTo(field.right(), field.bottom());
    hills.lineTo(field.left(), field.bottom());
    hills.closeSubpath();
    p.setBrush(QColor(178, 204, 160));
    p.drawPath(hills);
    QLinearGradient ground(0, field.bottom() - 14, 0, field.bottom());
    ground.setColorAt(0, QColor(156, 190, 124));
    ground.setColorAt(1, QColor(126, 164, 104));
    p.setBrush(ground);
    p.drawRect(QRectF(field.left(), field.bottom() - 12, field.width(), 12));
}

// The colonists' towers, the shot lanes and the pillars between the columns.
static void paintColumns(QPainter& p, const QRectF& field) {
    for (int c = 1; c <= 3; ++c) {
        const qreal x = columnLeft(c);
        // The colonists' watch tower: three ledges on thin stilts.
        p.setBrush(QColor(230, 186, 130, 120));
        p.drawRect(QRectF(x + 66, 108, 16, 74));
        p.setBrush(QColor(214, 156, 100));
        p.drawRect(QRectF(x + 63, 108, 3, 74));
        p.drawRect(QRectF(x + 82, 108, 3, 74));
        for (int k = 0; k < 3; ++k) p.drawRect(QRectF(x + 61, 131 + 24 * k, 26, 3));
        if (c < 3) {  // column 3 keeps its corner free for the colony shelter
            p.setBrush(QColor(214, 156, 100, 160));
            p.drawRect(QRectF(x + 66, 182, 1.5, field.bottom() - 182));
            p.drawRect(QRectF(x + 80.5, 182, 1.5, field.bottom() - 182));
        }
        // The lane the shots fly up.
        p.setBrush(QColor(255, 255, 240, 60));
        p.drawRect(QRectF(laneX(c) - 5, 110, 10, 128));
    }
    // Column frames: pillars with capitals between and beside the columns.
    for (int k = 0; k <= 3; ++k) {
        const qreal x = 134 + kColumnW * k - (k == 3 ? 2 : 0) - (k > 0 && k < 3 ? 1 : 0);
        p.setBrush(QColor(112, 172, 172));
        p.drawRect(QRectF(x - 1.5, field.top(), 3, field.height()));
        p.setBrush(QColor(86, 150, 150));
        p.drawRect(QRectF(x - 3, field.top(), 6, 3));
        p.drawRect(QRectF(x - 3, field.bottom() - 3, 6, 3));
    }
}

// The panel's rule and caption, and the shade of the recessed glass.
static void paintGlassEdges(QPainter& p, const QRectF& g) {
    // Panel strip: a thin printed rule and the MISS caption.
    p.setBrush(QColor(150, 170, 150));
    p.drawRect(QRectF(g.left() + 3, kPanelBottom, g.width() - 6, 1.2));
    p.setPen(QColor(170, 70, 60));
    p.setFont(condensedFont(8, true));
    p.drawText(QRectF(376, 38, 34, 10), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("MISS"));
    // Recessed glass: shade along the top and left edges.
    QLinearGradient shade(0, g.top(), 0, g.top() + 10);
    shade.setColorAt(0, QColor(0, 0, 0, 70));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRect(QRectF(g.left(), g.top(), g.width(), 10));
    QLinearGradient side(g.left(), 0, g.left() + 6, 0);
    side.setColorAt(0, QColor(0, 0, 0, 50));
    side.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(side);
    p.drawRect(QRectF(g.left(), g.top(), 6, g.height()));
}

void paintScene(QPainter& p) {
    const QRectF g(kGlass);
    p.save();
    p.setClipRect(g);
    const QRectF field = paintSky(p, g);
    paintGround(p, field);
    paintColumns(p, field);
    paintGlassEdges(p, g);
    p.restore();
}

void paintRoundButton(QPainter& p, QRectF r, QColor cap, bool pressed) {
    const QPointF c = r.center();
    const qreal R = r.width() / 2;
    // The well in the case the button sits in.
    p.setPen(Qt::NoPen);
    QRadialGradient well(c + QPointF(0, -2), R);
    well.setColorAt(0.8, QColor(40, 10, 10, 200));
    well.setColorAt(1, QColor(255, 200, 190, 70));
    p.setBrush(well);
    p.drawEllipse(c, R - 0.5, R - 0.5);
    // Pressed, the cap sinks into its well: smaller, lower and in shadow.
    const qreal capR = pressed ? R - 7 : R - 6;
    const QPointF cc = c + (pressed ? QPointF(0, 1.5) : QPointF(0, -1));
    if (!pressed) {
        p.setBrush(QColor(20, 6, 6, 120));
        p.drawEllipse(cc + QPointF(0, 3), capR, capR);
    }
    QRadialGradient body(cc + QPointF(-capR * 0.35, -capR * 0.45), capR * 1.6);
    body.setColorAt(0, pressed ? cap : cap.lighter(150));
    body.setColorAt(0.5, pressed ? cap.darker(125) : cap);
    body.setColorAt(1, cap.darker(pressed ? 190 : 160));
    p.setBrush(body);
    p.drawEllipse(cc, capR, capR);
    if (pressed) {
        QLinearGradient shade(0, cc.y() - capR, 0, cc.y() + capR);
        shade.setColorAt(0, QColor(0, 0, 0, 90));
        shade.setColorAt(0.5, QColor(0, 0, 0, 0));
        p.setBrush(shade);
        p.drawEllipse(cc, capR, capR);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, pressed ? 30 : 70), 1));
    p.drawEllipse(cc, capR - 1.5, capR - 1.5);
}

void paintArrow(QPainter& p, QPointF c, bool left, bool pressed) {
    const qreal d = left ? -1 : 1;
    QPainterPath a;
    a.moveTo(c + QPointF(8 * d, 0));
    a.lineTo(c + QPointF(-5 * d, -7));
    a.lineTo(c + QPointF(-5 * d, 7));
    a.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 230, 226, pressed ? 170 : 220));
    p.drawPath(a.translated(0, pressed ? 1.5 : -1));
}

void paintRectButton(QPainter& p, QRectF r, bool pressed) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 10, 10, 190));
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 7, 7);
    const QRectF cap = r.adjusted(3, pressed ? 4.5 : 2.5, -3, pressed ? -1.5 : -3.5);
    QLinearGradient g(0, cap.top(), 0, cap.bottom());
    g.setColorAt(0, pressed ? QColor(44, 44, 48) : QColor(96, 96, 104));
    g.setColorAt(1, pressed ? QColor(22, 22, 26) : QColor(34, 34, 38));
    p.setBrush(g);
    p.drawRoundedRect(cap, 5, 5);
}

void paintButtons(QPainter& p, bool pressed) {
    for (Button b : {Button::time, Button::set, Button::game_a, Button::game_b}) {
        // SET does nothing on this device, so it never appears pressed.
        paintRectButton(p, QRectF(buttonRect(b)), pressed && b != Button::set);
    }
    const QColor shoot(226, 150, 40), move(58, 58, 66);
    paintRoundButton(p, buttonRect(Button::shoot_left), shoot, pressed);
    paintRoundButton(p, buttonRect(Button::shoot_right), shoot, pressed);
    paintRoundButton(p, buttonRect(Button::left), move, pressed);
    paintRoundButton(p, buttonRect(Button::right), move, pressed);
    paintArrow(p, QRectF(buttonRect(Button::left)).center(), true, pressed);
    paintArrow(p, QRectF(buttonRect(Button::right)).center(), false, pressed);
}

void paintLabels(QPainter& p) {
    p.setPen(QColor(250, 232, 214));
    p.setFont(condensedFont(10, true));
    const struct {
        Button b;
        const char* text;
    } mode[] = {{Button::time, "TIME"},
                {Button::set, "SET"},
                {Button::game_a, "GAME A"},
                {Button::game_b, "GAME B"}};
    for (const auto& m : mode)
        p.drawText(QRectF(buttonRect(m.b)).translated(0, -15).adjusted(-10, 0, 10, 0),
                   Qt::AlignCenter, QString::fromLatin1(m.text));
    for (Button b : {Button::shoot_left, Button::shoot_right})
        p.drawText(QRectF(buttonRect(b)).translated(0, -30).adjusted(-10, 0, 10, -20),
                   Qt::AlignCenter, QStringLiteral("SHOOT"));
    p.drawText(QRectF(buttonRect(Button::left)).translated(0, 58).adjusted(-10, 0, 10, -40),
               Qt::AlignCenter, QStringLiteral("LEFT"));
    p.drawText(QRectF(buttonRect(Button::right)).translated(0, 58).adjusted(-10, 0, 10, -40),
               Qt::AlignCenter, QStringLiteral("RIGHT"));
    // Brand line under the mode buttons.
    p.setPen(kGold);
    p.setFont(serifFont(17, true, true));
    p.drawText(QRectF(120, 314, 302, 24), Qt::AlignCenter, QStringLiteral("Tikkabo"));
    p.setFont(condensedFont(8, false));
    p.setPen(QColor(250, 220, 200, 200));
    p.drawText(QRectF(120, 336, 302, 10), Qt::AlignCenter,
               QStringLiteral("POCKET LCD GAME  \u00b7  CLOCK"));
    // Speaker holes and the sound of the piezo behind them.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 12, 12));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 5; ++col)
            p.drawEllipse(QPointF(452 + 9 * col + (row % 2) * 4.5, 300 + 8 * row), 2, 2);
    // Screw heads at the lower corners.
    for (qreal x : {40.0, 502.0}) {
        p.setBrush(QColor(90, 30, 28));
        p.drawEllipse(QPointF(x, 322), 5, 5);
        p.setPen(QPen(QColor(50, 14, 14), 1.3));
        p.drawLine(QPointF(x - 3, 322), QPointF(x + 3, 322));
        p.setPen(Qt::NoPen);
    }
}

}  // namespace

QImage paintDevice(bool buttonsPressed) {
    QImage img = canvas(kFaceW, kFaceH);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        paintCase(p);
        paintBezel(p);
        paintScene(p);
        paintButtons(p, buttonsPressed);
        paintLabels(p);
    }
    // The outline is cut hard: the window's colour key must meet no half-tinted
    // edge pixels, which would show as a pink fringe around the device.
    const QPainterPath outline = caseShape();
    QImage mask = canvas(kFaceW, kFaceH);
    {
        QPainter m(&mask);
        m.setPen(Qt::NoPen);
        m.setBrush(Qt::white);
        m.drawPath(outline);
    }
    for (int y = 0; y < img.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const QRgb* ml = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = qAlpha(ml[x]) ? (line[x] | 0xff000000u) : 0u;
    }
    return img;
}

QImage glassReflection() {
    QImage img = canvas(kGlass.width(), kGlass.height());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QLinearGradient g(0, 0, kGlass.width() * 0.6, kGlass.height());
    g.setColorAt(0, QColor(255, 255, 255, 40));
    g.setColorAt(0.35, QColor(255, 255, 255, 14));
    g.setColorAt(0.36, QColor(255, 255, 255, 0));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(g);
    p.drawRect(img.rect());
    QLinearGradient streak(0, 0, kGlass.width(), kGlass.height() * 0.3);
    streak.setColorAt(0.55, QColor(255, 255, 255, 0));
    streak.setColorAt(0.62, QColor(255, 255, 255, 22));
    streak.setColorAt(0.70, QColor(255, 255, 255, 0));
    p.setBrush(streak);
    p.drawRect(img.rect());
    return img;
}

}  // namespace zxa
