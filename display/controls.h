// Every image control of the device window, named as the skin names them.
#pragma once

#include <array>
#include <string_view>

namespace zx {

// clang-format off
// The first 98 are the skin images in Config.ini order: Image<n> configures
// control n - 1. The four after them are placed by the program itself.
#define ZX_CONTROLS(X)                                                                      \
    X(im_background) X(im_background_screen_top)                                            \
    X(btn_game_a_down) X(btn_game_a_top) X(btn_game_b_down) X(btn_game_b_top)               \
    X(btn_time_down) X(btn_time_top) X(btn_set_top)                                         \
    X(btn_left_down) X(btn_left_top) X(btn_right_down) X(btn_right_top)                     \
    X(btn_shoot_left_down) X(btn_shoot_left_top) X(btn_shoot_right_down)                    \
    X(btn_shoot_right_top)                                                                  \
    X(im_panel_game_a) X(im_panel_game_b) X(im_panel_time_1) X(im_panel_time_2)             \
    X(im_panel_alarm) X(im_panel_date) X(im_panel_chrono) X(im_panel_sound)                 \
    X(im_panel_bell) X(im_panel_time_am) X(im_panel_time_pm) X(im_panel_time_colon)         \
    X(im_panel_miss_1) X(im_panel_miss_2) X(im_panel_miss_3)                                \
    X(im_panel_digit_pos_1) X(im_panel_digit_pos_2) X(im_panel_digit_pos_3)                 \
    X(im_panel_digit_pos_4) X(im_panel_digit_pos_5)                                         \
    X(im_panel_number_0) X(im_panel_number_1) X(im_panel_number_2) X(im_panel_number_3)     \
    X(im_panel_number_4) X(im_panel_number_5) X(im_panel_number_6) X(im_panel_number_7)     \
    X(im_panel_number_8) X(im_panel_number_9)                                               \
    X(im_panel_number_small_0) X(im_panel_number_small_1) X(im_panel_number_small_2)        \
    X(im_panel_number_small_3) X(im_panel_number_small_4) X(im_panel_number_small_5)        \
    X(im_panel_number_small_6) X(im_panel_number_small_7) X(im_panel_number_small_8)        \
    X(im_panel_number_small_9)                                                              \
    X(im_hero_1) X(im_hero_2) X(im_hero_3)                                                  \
    X(im_enemy_1_1) X(im_enemy_2_1) X(im_enemy_3_1)                                         \
    X(im_enemy_1_2) X(im_enemy_2_2) X(im_enemy_3_2)                                         \
    X(im_enemy_1_3) X(im_enemy_2_3) X(im_enemy_3_3)                                         \
    X(im_enemy_helper_1) X(im_enemy_helper_2) X(im_enemy_helper_3)                          \
    X(im_shot_1_4) X(im_shot_2_4) X(im_shot_3_4)                                            \
    X(im_shot_1_3) X(im_shot_2_3) X(im_shot_3_3)                                            \
    X(im_shot_1_2) X(im_shot_2_2) X(im_shot_3_2)                                            \
    X(im_shot_1_1) X(im_shot_2_1) X(im_shot_3_1)                                            \
    X(im_saveme_1_3) X(im_saveme_2_3) X(im_saveme_3_3)                                      \
    X(im_saveme_1_2) X(im_saveme_2_2) X(im_saveme_3_2)                                      \
    X(im_saveme_1_1) X(im_saveme_2_1) X(im_saveme_3_1)                                      \
    X(im_miss_1) X(im_miss_2) X(im_miss_3) X(im_miss_4) X(im_miss_5)                        \
    X(im_backdrop) X(im_backdrop_logo) X(btn_game_menu_background) X(btn_game_menu_top)

// clang-format on

enum class Ctl : int {
#define ZX_ENUM(name) name,
    ZX_CONTROLS(ZX_ENUM)
#undef ZX_ENUM
};

inline constexpr int kControlCount = int(Ctl::btn_game_menu_top) + 1;
inline constexpr int kSkinImageCount = 98;
static_assert(int(Ctl::im_miss_5) == kSkinImageCount - 1);

inline constexpr std::array<std::string_view, kControlCount> kControlNames = {
#define ZX_NAME(name) #name,
    ZX_CONTROLS(ZX_NAME)
#undef ZX_NAME
};

inline std::string_view controlName(Ctl c) { return kControlNames[std::size_t(c)]; }

// The control configured by section Image<n>, n = 1..98.
constexpr Ctl skinImage(int n) { return Ctl(n - 1); }

// Controls whose transparent pixels let the controls beneath show through:
// every im_ control except the backdrop. Button images are opaque.
constexpr bool isTransparentControl(Ctl c) {
    return c != Ctl::im_backdrop && kControlNames[std::size_t(c)].starts_with("im_");
}

// Bottom to top: a later control covers an earlier one where both are visible.
extern const std::array<Ctl, kControlCount> kDrawingOrder;

}  // namespace zx
