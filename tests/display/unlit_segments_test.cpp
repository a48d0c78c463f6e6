// Which controls show faintly while unlit, and with what picture.
#include "display/unlit_segments.h"

#include <gtest/gtest.h>

#include <string>

namespace zx {
namespace {

std::shared_ptr<Picture> picture() { return std::make_shared<Picture>(); }

// Every control has a picture and a rectangle of its own, as after a load.
struct LoadedFace {
    Face face;
    LoadedFace() {
        for (int i = 0; i < kControlCount; ++i) {
            face.setPicture(Ctl(i), picture());
            face.setRect(Ctl(i), {i, 2 * i, 10, 5});
        }
    }
};

TEST(UnlitSegments, WhatEachControlShowsWhileUnlit) {
    using enum Ctl;
    const struct {
        Ctl control;
        bool visible;
        Ctl pictureOf;  // im_backdrop: nothing
    } cases[] = {
        {im_panel_game_a, false, im_panel_game_a},
        {im_panel_time_colon, false, im_panel_time_colon},
        {im_panel_bell, true, im_backdrop},  // lit: drawn as it is
        {im_panel_miss_3, false, im_panel_miss_3},
        {im_hero_1, false, im_hero_1},
        {im_hero_2, true, im_backdrop},
        {im_enemy_3_2, false, im_enemy_3_2},
        {im_enemy_helper_2, false, im_enemy_helper_2},
        {im_shot_2_4, false, im_shot_2_4},
        {im_saveme_1_1, false, im_saveme_1_1},
        {im_miss_5, false, im_miss_5},
        // A digit place shows a faint "8" of its size, lit or not.
        {im_panel_digit_pos_1, false, im_panel_number_8},
        {im_panel_digit_pos_4, true, im_panel_number_8},
        {im_panel_digit_pos_5, true, im_panel_number_small_8},
        // Glyph holders, buttons, the case, the glass, backdrop and menu: never.
        {im_panel_number_8, false, im_backdrop},
        {im_panel_number_small_0, false, im_backdrop},
        {btn_game_a_down, false, im_backdrop},
        {btn_set_top, false, im_backdrop},
        {im_background, false, im_backdrop},
        {im_background_screen_top, false, im_backdrop},
        {im_backdrop_logo, false, im_backdrop},
        {btn_game_menu_top, false, im_backdrop},
    };
    LoadedFace f;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(controlName(c.control)));
        f.face.setVisible(c.control, c.visible);
        const UnlitSegment u = unlitSegment(f.face, c.control);
        if (c.pictureOf == Ctl::im_backdrop) {
            EXPECT_EQ(u.picture, nullptr);
            continue;
        }
        ASSERT_NE(u.picture, nullptr);
        EXPECT_EQ(*u.picture, f.face[c.pictureOf].picture);
        EXPECT_EQ(u.rect, f.face[c.control].rect);  // at its own place
    }
}

// A new opacity repaints the whole face; the same one nothing.
TEST(UnlitSegments, OpacityIsAPercentageAndRepaintsTheFace) {
    struct Looks : FaceObserver {
        int changes = 0;
        void areaChanged(const Rect&) override {}
        void lookChanged() override { ++changes; }
    } looks;
    Face face;
    face.setObserver(&looks);
    const struct {
        int set, expected, changes;
    } steps[] = {{0, 0, 0}, {8, 8, 1}, {8, 8, 1}, {-5, 0, 2}, {250, 100, 3}, {100, 100, 3}};
    for (const auto& s : steps) {
        face.setUnlitOpacity(s.set);
        EXPECT_EQ(face.look().unlitOpacity, s.expected) << s.set;
        EXPECT_EQ(looks.changes, s.changes) << s.set;
    }
}

}  // namespace
}  // namespace zx
