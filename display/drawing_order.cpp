// The stacking order of the device face, bottom layer first.
#include "display/controls.h"

namespace zx {

using enum Ctl;

// clang-format off
const std::array<Ctl, kControlCount> kDrawingOrder = {
    im_backdrop, im_backdrop_logo, im_background,
    btn_right_down, btn_left_down, btn_shoot_right_down, btn_shoot_left_down,
    btn_game_a_down, btn_time_down, btn_set_top,
    im_panel_game_a, im_panel_game_b, im_panel_time_1, im_panel_time_2, im_panel_alarm,
    im_panel_date, im_panel_chrono, im_panel_sound, im_panel_bell,
    im_panel_digit_pos_1, im_panel_digit_pos_2, im_panel_time_colon, im_panel_digit_pos_3,
    im_panel_digit_pos_4, im_panel_digit_pos_5, im_panel_time_am, im_panel_time_pm,
    im_panel_miss_1, im_panel_miss_2, im_panel_miss_3,
    im_saveme_1_3, im_saveme_1_2, im_saveme_1_1,
    im_saveme_2_3, im_saveme_2_2, im_saveme_2_1,
    im_saveme_3_3, im_saveme_3_2, im_saveme_3_1,
    im_enemy_1_1, im_enemy_1_2, im_enemy_1_3,
    im_enemy_2_1, im_enemy_2_2, im_enemy_2_3,
    im_enemy_3_1, im_enemy_3_2, im_enemy_3_3,
    im_miss_2, im_miss_1, im_miss_3, im_miss_4, im_miss_5,
    im_enemy_helper_1, im_enemy_helper_2, im_enemy_helper_3,
    im_hero_1, im_hero_2, im_hero_3,
    im_shot_1_1, im_shot_1_2, im_shot_1_3, im_shot_1_4,
    im_shot_2_1, im_shot_2_2, im_shot_2_3, im_shot_2_4,
    im_shot_3_1, im_shot_3_2, im_shot_3_3, im_shot_3_4,
    im_panel_number_0, im_panel_number_1, im_panel_number_2, im_panel_number_3,
    im_panel_number_4, im_panel_number_5, im_panel_number_6, im_panel_number_7,
    im_panel_number_8, im_panel_number_9,
    im_panel_number_small_0, im_panel_number_small_1, im_panel_number_small_2,
    im_panel_number_small_3, im_panel_number_small_4, im_panel_number_small_5,
    im_panel_number_small_6, im_panel_number_small_7, im_panel_number_small_8,
    im_panel_number_small_9,
    btn_shoot_left_top, btn_shoot_right_top, btn_left_top, btn_right_top, btn_time_top,
    btn_game_a_top, btn_game_b_down, btn_game_b_top,
    im_background_screen_top, btn_game_menu_background, btn_game_menu_top,
};
// clang-format on

}  // namespace zx
