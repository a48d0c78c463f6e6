// The shapes of the game's figures and panel icons, each drawn into its own segment picture.
#include <QPainterPath>

#include "lcd_art.h"
#include "skin_layout.h"

namespace zxa {

using zx::Ctl;

namespace {

QPainterPath line(std::initializer_list<QPointF> pts) {
    QPainterPath p;
    auto it = pts.begin();
    p.moveTo(*it);
    for (++it; it != pts.end(); ++it) p.lineTo(*it);
    return p;
}

QPainterPath ellipse(qreal x, qreal y, qreal w, qreal h) {
    QPainterPath p;
    p.addEllipse(QRectF(x, y, w, h));
    return p;
}

QPainterPath rect(qreal x, qreal y, qreal w, qreal h, qreal r = 0) {
    QPainterPath p;
    p.addRoundedRect(QRectF(x, y, w, h), r, r);
    return p;
}

// The hero: a space cadet seen from behind, blaster raised up the column.
QPainterPath hero() {
    QPainterPath helmet = ellipse(10, 6, 14, 13);
    helmet = helmet.subtracted(rect(13.5, 10, 7, 4, 1.5));  // the visor glints through
    QPainterPath p = helmet;
    p.addPath(rect(10.5, 19, 13, 9, 2.5));                  // suit
    p.addPath(rect(3, 20, 5, 7, 1.5));                      // air tank
    p.addPath(stroked(line({{24, 23}, {28, 16}}), 3.2));    // arm up
    p.addPath(rect(26.5, 2, 4, 16, 1.5));                   // blaster barrel
    p.addPath(rect(25, 12, 7, 4, 1));                       // blaster grip
    p.addPath(stroked(line({{10, 22}, {7, 26}}), 3));       // other arm
    p.addPath(stroked(line({{14, 28}, {13, 32.5}}), 3.4));  // legs
    p.addPath(stroked(line({{20, 28}, {21, 32.5}}), 3.4));
    return p.simplified();
}

// Enemy frame 1: the saucer-borne creature's body, three eyes looking down.
QPainterPath enemyBody() {
    QPainterPath dome = ellipse(14, 1, 24, 20);
    for (qreal x : {18.5, 24.0, 29.5}) dome = dome.subtracted(ellipse(x, 8, 4.2, 4.6));
    QPainterPath rim = ellipse(1, 12, 50, 12);
    for (qreal x : {8.0, 17.0, 26.0, 35.0, 44.0})
        rim = rim.subtracted(ellipse(x - 1.8, 16.2, 3.6, 3.6));
    QPainterPath p = dome.united(rim);
    p.addPath(stroked(line({{26, 1}, {26, -3}}), 1.5));
    return p;
}

// Enemy frames 2 and 3: the grabbing claws, spread wide or reaching down.
QPainterPath enemyClaws(bool spread) {
    QPainterPath p;
    if (spread) {
        p.addPath(stroked(line({{22, 2}, {12, 8}, {6, 14}}), 3));
        p.addPath(stroked(line({{38, 2}, {48, 8}, {54, 14}}), 3));
        p.addPath(stroked(line({{3, 11}, {6, 14}, {3, 17}}), 2.2));
        p.addPath(stroked(line({{57, 11}, {54, 14}, {57, 17}}), 2.2));
    } else {
        p.addPath(stroked(line({{24, 2}, {22, 9}, {24, 15}}), 3));
        p.addPath(stroked(line({{36, 2}, {38, 9}, {36, 15}}), 3));
        p.addPath(stroked(line({{21, 14}, {24, 15}, {27, 16.5}}), 2.2));
        p.addPath(stroked(line({{39, 14}, {36, 15}, {33, 16.5}}), 2.2));
    }
    return p.simplified();
}

// The enemy helper: a small gremlin riding a shield plate that blocks the lane.
QPainterPath helper() {
    QPainterPath p = rect(2, 9, 36, 6, 3);
    QPainterPath head = ellipse(14, 0, 12, 10);
    head = head.subtracted(ellipse(16.5, 3, 2.6, 2.6)).subtracted(ellipse(21, 3, 2.6, 2.6));
    p.addPath(head);
    p.addPath(stroked(line({{8, 16}, {6, 20}}), 2.4));  // jets
    p.addPath(stroked(line({{20, 16}, {20, 21}}), 2.4));
    p.addPath(stroked(line({{32, 16}, {34, 20}}), 2.4));
    return p.simplified();
}

QPainterPath shot() {
    QPainterPath p;
    p.moveTo(3, 0);
    p.lineTo(5.6, 4);
    p.lineTo(5, 11.5);
    p.lineTo(1, 11.5);
    p.lineTo(0.4, 4);
    p.closeSubpath();
    return p;
}

// A colonist waiting to be saved, waving both arms.
QPainterPath person(bool armsUp, qreal dx = 0) {
    QPainterPath p = ellipse(5 + dx, 0.5, 6, 6);
    p.addPath(rect(5 + dx, 7, 6, 7, 2));
    if (armsUp) {
        p.addPath(stroked(line({{5.5 + dx, 8.5}, {2 + dx, 3}}), 2.2));
        p.addPath(stroked(line({{10.5 + dx, 8.5}, {14 + dx, 3}}), 2.2));
    } else {
        p.addPath(stroked(line({{5 + dx, 8.5}, {3.5 + dx, 13}}), 2.2));
        p.addPath(stroked(line({{11 + dx, 8.5}, {12.5 + dx, 13}}), 2.2));
    }
    p.addPath(stroked(line({{6.5 + dx, 14}, {6 + dx, 18.5}}), 2.4));
    p.addPath(stroked(line({{9.5 + dx, 14}, {10 + dx, 18.5}}), 2.4));
    return p.simplified();
}

// The colony shelter at the corner of the field.
QPainterPath shelter() {
    QPainterPath p = ellipse(1, 2, 29, 36).intersected(rect(0, 0, 31, 19));
    p.addPath(rect(0, 18, 31, 3.5, 1));
    p = p.subtracted(rect(11, 8, 8, 11, 3));  // door
    p = p.subtracted(ellipse(4, 9, 4, 4)).subtracted(ellipse(22.5, 9, 4, 4));
    return p;
}

QPainterPath exclamation() {
    QPainterPath p;
    p.moveTo(1.5, 0);
    p.lineTo(7.5, 0);
    p.lineTo(5.5, 10);
    p.lineTo(3.5, 10);
    p.closeSubpath();
    p.addPath(ellipse(2.5, 11.5, 4, 4));
    return p;
}

QPainterPath alarmWaves() {
    QPainterPath p;
    for (int i = 0; i < 3; ++i) {
        QPainterPath arc;
        const qreal r = 3 + 3 * i;
        arc.arcMoveTo(QRectF(-r + 1, 9 - r, 2 * r, 2 * r), 50);
        arc.arcTo(QRectF(-r + 1, 9 - r, 2 * r, 2 * r), 50, -100);
        p.addPath(stroked(arc, 1.8));
    }
    return p.simplified();
}

QPainterPath note() {
    QPainterPath p = ellipse(0.5, 7.5, 5, 4);
    p.addPath(rect(4, 1, 1.6, 9));
    p.addPath(stroked(line({{4.8, 1.2}, {9.8, 3.2}}), 2));
    p.addPath(rect(8.6, 2.5, 1.6, 6.5));
    p.addPath(ellipse(5.5, 7, 4.5, 3.6));
    return p.simplified();
}

QPainterPath bell() {
    QPainterPath p;
    p.moveTo(6, 0.5);
    p.cubicTo(2, 0.5, 2.5, 5, 2, 7.5);
    p.lineTo(0.5, 9.5);
    p.lineTo(11.5, 9.5);
    p.lineTo(10, 7.5);
    p.cubicTo(9.5, 5, 10, 0.5, 6, 0.5);
    p.closeSubpath();
    p.addPath(ellipse(4.5, 9.5, 3, 2.5));
    return p;
}

QPainterPath colon() {
    QPainterPath p = rect(1.4, 2, 3.4, 3.4, 0.6);
    p.addPath(rect(0.4, 10, 3.4, 3.4, 0.6));
    return p;
}

// The panel's miss mark: a small broken heart.
QPainterPath missMark() {
    QPainterPath h;
    h.moveTo(5, 11);
    h.cubicTo(-2, 6, 0, -1, 5, 3);
    h.cubicTo(10, -1, 12, 6, 5, 11);
    h.closeSubpath();
    return h.subtracted(stroked(line({{5.5, 2}, {4, 5}, {6.5, 7}, {5, 11}}), 1.1));
}

QPainterPath textIcon(const char* text, QSize s) {
    return panelText(QString::fromLatin1(text), s.height() - 1.5, s.width() - 1);
}

}  // namespace

QImage lcdPicture(Ctl c) {
    const QSize s = skinRect(c).size();
    const int i = int(c);
    auto seg = [&](const QPainterPath& p) { return lcdSegment(s, p); };
    switch (c) {
        case Ctl::im_panel_game_a:
            return seg(textIcon("GAME A", s));
        case Ctl::im_panel_game_b:
            return seg(textIcon("GAME B", s));
        case Ctl::im_panel_time_1:
            return seg(textIcon("TIME 1", s));
        case Ctl::im_panel_time_2:
            return seg(textIcon("TIME 2", s));
        case Ctl::im_panel_alarm:
            return seg(textIcon("ALARM", s));
        case Ctl::im_panel_date:
            return seg(textIcon("DATE", s));
        case Ctl::im_panel_chrono:
            return seg(textIcon("CHRONO", s));
        case Ctl::im_panel_time_am:
            return seg(textIcon("AM", s));
        case Ctl::im_panel_time_pm:
            return seg(textIcon("PM", s));
        case Ctl::im_panel_sound:
            return seg(note());
        case Ctl::im_panel_bell:
            return seg(bell());
        case Ctl::im_panel_time_colon:
            return seg(colon());
        case Ctl::im_panel_miss_1:
        case Ctl::im_panel_miss_2:
        case Ctl::im_panel_miss_3:
            return seg(missMark());
        case Ctl::im_miss_1:
            return seg(shelter());
        case Ctl::im_miss_2:
            return seg(person(false));
        case Ctl::im_miss_3:
            return seg(person(true, 3));
        case Ctl::im_miss_4:
            return seg(exclamation());
        case Ctl::im_miss_5:
            return seg(alarmWaves());
        default:
            break;
    }
    if (c >= Ctl::im_panel_number_0 && c <= Ctl::im_panel_number_9)
        return seg(digitShape(i - int(Ctl::im_panel_number_0), s));
    if (c >= Ctl::im_panel_number_small_0 && c <= Ctl::im_panel_number_small_9)
        return seg(digitShape(i - int(Ctl::im_panel_number_small_0), s));
    if (c >= Ctl::im_hero_1 && c <= Ctl::im_hero_3) return seg(hero());
    if (c >= Ctl::im_enemy_1_1 && c <= Ctl::im_enemy_3_1) return seg(enemyBody().translated(0, 3));
    if (c >= Ctl::im_enemy_1_2 && c <= Ctl::im_enemy_3_2) return seg(enemyClaws(true));
    if (c >= Ctl::im_enemy_1_3 && c <= Ctl::im_enemy_3_3) return seg(enemyClaws(false));
    if (c >= Ctl::im_enemy_helper_1 && c <= Ctl::im_enemy_helper_3) return seg(helper());
    if (c >= Ctl::im_shot_1_4 && c <= Ctl::im_shot_3_1) return seg(shot());
    if (c >= Ctl::im_saveme_1_3 && c <= Ctl::im_saveme_3_1) return seg(person(true));
    return {};
}

}  // namespace zxa
