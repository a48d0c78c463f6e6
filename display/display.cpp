// Segment groups and the Vid_ operations.
#include "display/display.h"

namespace zx {

namespace seg {

using enum Ctl;

Ctl digitSlot(int place) { return Ctl(int(im_panel_digit_pos_1) + place - 1); }
Ctl bigGlyph(int digit) { return Ctl(int(im_panel_number_0) + digit); }
Ctl smallGlyph(int digit) { return Ctl(int(im_panel_number_small_0) + digit); }
Ctl panelMissMark(int i) { return Ctl(int(im_panel_miss_1) + i - 1); }
Ctl hero(int column) { return Ctl(int(im_hero_1) + column - 1); }
Ctl enemyHelper(int column) { return Ctl(int(im_enemy_helper_1) + column - 1); }
Ctl miss(int frame) { return Ctl(int(im_miss_1) + frame - 1); }

// The skin lists these by frame (or row), three columns each.
Ctl enemy(int column, int frame) { return Ctl(int(im_enemy_1_1) + (frame - 1) * 3 + column - 1); }
Ctl shot(int column, int row) { return Ctl(int(im_shot_1_1) - (row - 1) * 3 + column - 1); }
// Figure 1 of a column is the image whose name ends in _3.
Ctl saveme(int column, int figure) {
    return Ctl(int(im_saveme_1_3) + (figure - 1) * 3 + column - 1);
}

const std::array<Ctl, 12> kPanelIcons = {im_panel_game_a,  im_panel_game_b,  im_panel_time_1,
                                         im_panel_time_2,  im_panel_alarm,   im_panel_date,
                                         im_panel_chrono,  im_panel_bell,    im_panel_sound,
                                         im_panel_time_am, im_panel_time_pm, im_panel_time_colon};

}  // namespace seg

void Display::setDigit(int place, Ctl glyph) {
    face_.setPicture(seg::digitSlot(place), face_[glyph].picture);
}

void Display::clearDigit(int place) { face_.setPicture(seg::digitSlot(place), nullptr); }

void Display::Vid_Show_Panel_Score(int value, bool on) {
    // The last four places of the value; a negative value shows as 0, so
    // that no digit is ever drawn with another control's picture.
    const int n = value < 0 ? 0 : value % 10000;
    if (!on) {
        for (int place = 1; place <= 5; ++place) clearDigit(place);
        return;
    }
    const int divisors[3] = {1000, 100, 10};
    for (int place = 1; place <= 3; ++place) {
        const int d = divisors[place - 1];
        if (n > d - 1)
            setDigit(place, seg::bigGlyph((n / d) % 10));
        else
            clearDigit(place);
    }
    setDigit(4, seg::bigGlyph(n % 10));
    clearDigit(5);
}

void Display::Vid_Show_All(bool on) {
    for (Ctl icon : seg::kPanelIcons) face_.setVisible(icon, on);
    for (int place = 1; place <= 5; ++place) face_.setVisible(seg::digitSlot(place), true);
    Vid_Show_Panel_Score(8888, on);
    if (on)
        setDigit(5, seg::smallGlyph(8));
    else
        clearDigit(5);
    Vid_Show_Panel_Miss(on ? 3 : 0);
    Vid_Show_All_Enemy(on);
    Vid_Show_All_Enemy_Helper(on);
    Vid_Show_All_Hero(on);
    Vid_Show_All_Miss(on);
    Vid_Show_All_Saveme(on);
    Vid_Show_All_Shot(on);
}

void Display::Vid_Show_All_Enemy(bool on) {
    for (int c = 1; c <= 3; ++c)
        for (int f = 1; f <= 3; ++f) face_.setVisible(seg::enemy(c, f), on);
}

void Display::Vid_Show_All_Enemy_Helper(bool on) {
    for (int c = 1; c <= 3; ++c) face_.setVisible(seg::enemyHelper(c), on);
}

void Display::Vid_Show_All_Hero(bool on) {
    for (int c = 1; c <= 3; ++c) face_.setVisible(seg::hero(c), on);
}

void Display::Vid_Show_All_Miss(bool on) {
    for (int f = 1; f <= 5; ++f) face_.setVisible(seg::miss(f), on);
}

void Display::Vid_Show_All_Saveme(bool on) {
    for (int c = 1; c <= 3; ++c)
        for (int k = 1; k <= 3; ++k) face_.setVisible(seg::saveme(c, k), on);
}

void Display::Vid_Show_All_Shot(bool on) {
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 4; ++r) face_.setVisible(seg::shot(c, r), on);
}

void Display::Vid_Show_Enemy(int column, int pose) {
    for (int c = 1; c <= 3; ++c) {
        const bool here = c == column;
        face_.setVisible(seg::enemy(c, 1), here);
        face_.setVisible(seg::enemy(c, 2), here && pose == 1);
        face_.setVisible(seg::enemy(c, 3), here && pose != 1);
    }
}

void Display::Vid_Show_Enemy_Helper(int position) {
    for (int i = 1; i <= 3; ++i) face_.setVisible(seg::enemyHelper(i), i == position);
}

void Display::Vid_Show_Hero(int column, bool on) {
    if (column < 1 || column > 3) return;  // only columns 1..3 exist
    face_.setVisible(seg::hero(column), on);
}

void Display::Vid_Show_Saveme(int column, int count) {
    if (column < 1 || column > 3) return;
    for (int k = 1; k <= 3; ++k) face_.setVisible(seg::saveme(column, k), k <= count);
}

void Display::Vid_Show_Panel_Miss(int count) {
    for (int i = 1; i <= 3; ++i) face_.setVisible(seg::panelMissMark(i), i <= count);
}

}  // namespace zx
