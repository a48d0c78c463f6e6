// The face geometry: one table of rectangles that both the painters and the
// Config.ini writer use, so a picture and its placement can never disagree.
#include "skin_layout.h"

#include <QString>
#include <optional>

namespace zxa {

using zx::Ctl;

namespace {

// Big digit places 1-4 and the small fifth one; the glyph holders share their sizes.
constexpr int kDigitY = 40;
constexpr QRect kBigDigit{0, kDigitY, 17, 27};
constexpr QRect kSmallDigit{361, 52, 10, 15};
constexpr int kDigitX[4] = {277, 296, 322, 341};

QRect at(int x, int y, int w, int h) { return QRect(x, y, w, h); }

// Figure rectangles relative to the column's left edge.
QRect enemyRect(int c, int frame) {
    const int x = columnLeft(c);
    return frame == 1 ? at(x + 20, 78, 52, 28) : at(x + 16, 98, 60, 18);
}
// Figure 1 of the names (_1) stands highest, nearest the enemy: it is taken first.
QRect savemeRect(int c, int nameDigit) {
    return at(columnLeft(c) + 66, 88 + 24 * nameDigit, 16, 20);
}
QRect shotRect(int c, int row) {
    static constexpr int kTop[5] = {0, 196, 155, 134, 113};
    return at(laneX(c) - 3, kTop[row], 6, 12);
}

int idx(Ctl c) { return int(c); }

}  // namespace

QRect buttonRect(Button b) {
    switch (b) {
        case Button::time:
            return at(143, 287, 46, 16);
        case Button::set:
            return at(213, 287, 46, 16);
        case Button::game_a:
            return at(283, 287, 46, 16);
        case Button::game_b:
            return at(353, 287, 46, 16);
        case Button::shoot_left:
            return at(40, 92, 48, 48);
        case Button::shoot_right:
            return at(454, 92, 48, 48);
        case Button::left:
            return at(36, 196, 56, 56);
        case Button::right:
            return at(450, 196, 56, 56);
    }
    return {};
}

bool buttonIsRound(Button b) { return b >= Button::left; }

// The controls placed one by one: the case, the buttons and the panel's words.
static std::optional<QRect> singleRect(Ctl c) {
    switch (c) {
        case Ctl::im_background:
            return at(0, 0, kFaceW, kFaceH);
        case Ctl::im_background_screen_top:
            return kGlass;
        case Ctl::btn_game_a_down:
        case Ctl::btn_game_a_top:
            return buttonRect(Button::game_a);
        case Ctl::btn_game_b_down:
        case Ctl::btn_game_b_top:
            return buttonRect(Button::game_b);
        case Ctl::btn_time_down:
        case Ctl::btn_time_top:
            return buttonRect(Button::time);
        case Ctl::btn_set_top:
            return buttonRect(Button::set);
        case Ctl::btn_left_down:
        case Ctl::btn_left_top:
            return buttonRect(Button::left);
        case Ctl::btn_right_down:
        case Ctl::btn_right_top:
            return buttonRect(Button::right);
        case Ctl::btn_shoot_left_down:
        case Ctl::btn_shoot_left_top:
            return buttonRect(Button::shoot_left);
        case Ctl::btn_shoot_right_down:
        case Ctl::btn_shoot_right_top:
            return buttonRect(Button::shoot_right);
        case Ctl::im_panel_game_a:
            return at(138, 38, 36, 9);
        case Ctl::im_panel_game_b:
            return at(138, 49, 36, 9);
        case Ctl::im_panel_sound:
            return at(139, 60, 11, 12);
        case Ctl::im_panel_bell:
            return at(153, 60, 12, 12);
        case Ctl::im_panel_time_1:
            return at(177, 38, 34, 9);
        case Ctl::im_panel_time_2:
            return at(177, 49, 34, 9);
        case Ctl::im_panel_date:
            return at(177, 60, 30, 9);
        case Ctl::im_panel_alarm:
            return at(214, 38, 38, 9);
        case Ctl::im_panel_chrono:
            return at(214, 49, 40, 9);
        case Ctl::im_panel_time_am:
            return at(257, 43, 17, 9);
        case Ctl::im_panel_time_pm:
            return at(257, 56, 17, 9);
        case Ctl::im_panel_time_colon:
            return at(315, 46, 6, 16);
        default:
            return std::nullopt;
    }
}

// The miss figures beside the shelter.
static QRect missFigureRect(Ctl c) {
    switch (c) {
        case Ctl::im_miss_1:
            return at(377, 221, 31, 22);
        case Ctl::im_miss_2:
            return at(385, 198, 16, 22);
        case Ctl::im_miss_3:
            return at(382, 196, 22, 24);
        case Ctl::im_miss_4:
            return at(372, 182, 9, 16);
        case Ctl::im_miss_5:
            return at(399, 180, 11, 18);
        default:
            return {};
    }
}

QRect skinRect(Ctl c) {
    if (const auto r = singleRect(c)) return *r;
    const int i = idx(c);
    if (c >= Ctl::im_panel_miss_1 && c <= Ctl::im_panel_miss_3)
        return at(377 + 11 * (i - idx(Ctl::im_panel_miss_1)), 51, 10, 12);
    if (c >= Ctl::im_panel_digit_pos_1 && c <= Ctl::im_panel_digit_pos_4)
        return kBigDigit.translated(kDigitX[i - idx(Ctl::im_panel_digit_pos_1)], 0);
    if (c == Ctl::im_panel_digit_pos_5 ||
        (c >= Ctl::im_panel_number_small_0 && c <= Ctl::im_panel_number_small_9))
        return kSmallDigit;
    if (c >= Ctl::im_panel_number_0 && c <= Ctl::im_panel_number_9)
        return kBigDigit.translated(kDigitX[0], 0);
    if (c >= Ctl::im_hero_1 && c <= Ctl::im_hero_3)
        return at(laneX(1 + i - idx(Ctl::im_hero_1)) - 18, 208, 36, 34);
    if (c >= Ctl::im_enemy_1_1 && c <= Ctl::im_enemy_3_3) {
        const int k = i - idx(Ctl::im_enemy_1_1);  // frame-major: 1_1 2_1 3_1 1_2 ...
        return enemyRect(1 + k % 3, 1 + k / 3);
    }
    if (c >= Ctl::im_enemy_helper_1 && c <= Ctl::im_enemy_helper_3)
        return at(laneX(1 + i - idx(Ctl::im_enemy_helper_1)) - 20, 172, 40, 22);
    if (c >= Ctl::im_shot_1_4 && c <= Ctl::im_shot_3_1) {
        const int k = i - idx(Ctl::im_shot_1_4);  // rows 4, 3, 2, 1, three columns each
        return shotRect(1 + k % 3, 4 - k / 3);
    }
    if (c >= Ctl::im_saveme_1_3 && c <= Ctl::im_saveme_3_1) {
        const int k = i - idx(Ctl::im_saveme_1_3);  // name digits 3, 2, 1
        return savemeRect(1 + k % 3, 3 - k / 3);
    }
    return missFigureRect(c);
}

QString skinFile(Ctl c) {
    if (c >= Ctl::im_panel_digit_pos_1 && c <= Ctl::im_panel_digit_pos_5) return {};
    if (int(c) >= zx::kSkinImageCount) return {};
    return QString::fromLatin1(zx::controlName(c).data(), int(zx::controlName(c).size())) + ".png";
}

}  // namespace zxa
