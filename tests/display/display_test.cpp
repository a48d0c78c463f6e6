// Segment groups and the Vid_ operations.
#include "display/display.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "tests/rig/lcd_text.h"

namespace zx {
namespace {

struct Lcd : FaceObserver {
    Face face;
    GameState game;
    Display vid{face};
    std::vector<Rect> repaints;

    Lcd() {
        testing::giveGlyphsPictures(face);
        face.setObserver(this);
    }
    void areaChanged(const Rect& r) override { repaints.push_back(r); }
    void lookChanged() override {}

    std::string digits() const { return testing::lcdFields(face).at("digits"); }
    bool on(Ctl c) const { return face[c].visible; }
    // Controls shown beyond those visible as designed.
    int lit() const {
        const Face designed;
        int n = 0;
        for (int i = 0; i < kControlCount; ++i)
            n += face[Ctl(i)].visible && !designed[Ctl(i)].visible;
        return n;
    }
};

TEST(SegmentGroups, FollowTheNamesOfTheImages) {
    EXPECT_EQ(controlName(seg::shot(1, 1)), "im_shot_1_1");
    EXPECT_EQ(controlName(seg::shot(3, 4)), "im_shot_3_4");
    EXPECT_EQ(controlName(seg::shot(2, 3)), "im_shot_2_3");
    EXPECT_EQ(controlName(seg::enemy(2, 3)), "im_enemy_2_3");
    EXPECT_EQ(controlName(seg::enemy(3, 1)), "im_enemy_3_1");
    EXPECT_EQ(controlName(seg::saveme(1, 1)), "im_saveme_1_3");
    EXPECT_EQ(controlName(seg::saveme(3, 3)), "im_saveme_3_1");
    EXPECT_EQ(controlName(seg::digitSlot(5)), "im_panel_digit_pos_5");
    EXPECT_EQ(controlName(seg::smallGlyph(9)), "im_panel_number_small_9");
    EXPECT_EQ(controlName(seg::miss(5)), "im_miss_5");
    EXPECT_EQ(controlName(skinImage(98)), "im_miss_5");
    EXPECT_EQ(controlName(skinImage(9)), "btn_set_top");
}

TEST(SegmentGroups, DrawingOrderHoldsEveryControlOnce) {
    std::vector<int> seen(kControlCount, 0);
    for (Ctl c : kDrawingOrder) ++seen[std::size_t(c)];
    for (int i = 0; i < kControlCount; ++i)
        EXPECT_EQ(seen[std::size_t(i)], 1) << controlName(Ctl(i));
    EXPECT_EQ(kDrawingOrder.front(), Ctl::im_backdrop);
    EXPECT_EQ(kDrawingOrder.back(), Ctl::btn_game_menu_top);
}

TEST(SegmentGroups, TransparencyByKindOfControl) {
    EXPECT_TRUE(isTransparentControl(Ctl::im_hero_1));
    EXPECT_TRUE(isTransparentControl(Ctl::im_background));
    EXPECT_FALSE(isTransparentControl(Ctl::im_backdrop));
    EXPECT_FALSE(isTransparentControl(Ctl::btn_time_top));
}

TEST(PanelScore, RightAlignedWithoutLeadingZeros) {
    Lcd lcd;
    const std::pair<int, const char*> cases[] = {
        {0, "___0_"},
        {7, "___7_"},
        {1200, "1200_"},
        {12345, "2345_"},
        {10000, "___0_"},
        {90, "__90_"},
        {305, "_305_"},
        // Values a hand-edited settings file can hold: never another control's picture.
        {-9, "___0_"},
        {-1, "___0_"},
        {INT_MIN, "___0_"},
        {INT_MAX, "3647_"}};
    for (auto [value, text] : cases) {
        lcd.vid.Vid_Show_Panel_Score(value, true);
        EXPECT_EQ(lcd.digits(), text) << value;
    }
}

TEST(PanelScore, BlanksTheSmallDigitAndNeverTouchesVisibility) {
    Lcd lcd;
    lcd.vid.Vid_Show_All(true);
    EXPECT_EQ(lcd.digits(), "8888s8");
    lcd.vid.Vid_Show_Panel_Score(42, true);
    EXPECT_EQ(lcd.digits(), "__42_");
    lcd.vid.setDigit(5, seg::smallGlyph(3));
    lcd.vid.Vid_Show_Panel_Score(42, false);
    EXPECT_EQ(lcd.digits(), "_____");
    for (int place = 1; place <= 5; ++place) EXPECT_TRUE(lcd.on(seg::digitSlot(place)));
}

TEST(ShowAll, LightsEveryLcdSegmentAndNothingElse) {
    Lcd lcd;
    lcd.vid.Vid_Show_All(true);
    // 12 icons, 5 slots, 3 marks, 9 enemies, 3 helpers, 3 heroes, 5 misses, 9 savemes, 12 shots.
    EXPECT_EQ(lcd.lit(), 61);
    EXPECT_FALSE(lcd.on(Ctl::btn_time_down));
    EXPECT_FALSE(lcd.on(Ctl::im_panel_number_8));
    EXPECT_TRUE(lcd.on(Ctl::im_panel_miss_3));
}

TEST(ShowAll, OffLeavesOnlyEmptyDigitSlotsAndDigitsReappearLater) {
    Lcd lcd;
    lcd.vid.Vid_Show_All(true);
    lcd.vid.Vid_Show_All(false);
    EXPECT_EQ(lcd.lit(), 5);
    EXPECT_EQ(lcd.digits(), "_____");
    lcd.repaints.clear();
    lcd.vid.Vid_Show_Panel_Score(5, true);
    EXPECT_EQ(lcd.digits(), "___5_");
    EXPECT_EQ(lcd.lit(), 5);
}

TEST(Figures, EnemyInItsColumnWithAlternatingPoses) {
    Lcd lcd;
    lcd.vid.Vid_Show_All_Enemy(true);
    lcd.game.EnemyColumn = 2;
    lcd.vid.Vid_Show_Enemy(lcd.game.EnemyColumn, 1);
    EXPECT_TRUE(lcd.on(seg::enemy(2, 1)));
    EXPECT_TRUE(lcd.on(seg::enemy(2, 2)));
    EXPECT_FALSE(lcd.on(seg::enemy(2, 3)));
    EXPECT_FALSE(lcd.on(seg::enemy(1, 1)));
    lcd.vid.Vid_Show_Enemy(lcd.game.EnemyColumn, 2);
    EXPECT_FALSE(lcd.on(seg::enemy(2, 2)));
    EXPECT_TRUE(lcd.on(seg::enemy(2, 3)));
    lcd.game.EnemyColumn = 0;
    lcd.vid.Vid_Show_Enemy(lcd.game.EnemyColumn, 1);
    EXPECT_EQ(lcd.lit(), 0);
}

TEST(Figures, EnemyHelperAndHero) {
    Lcd lcd;
    lcd.vid.Vid_Show_All_Enemy_Helper(true);
    lcd.game.EnemyHelperPosition = 3;
    lcd.vid.Vid_Show_Enemy_Helper(lcd.game.EnemyHelperPosition);
    EXPECT_TRUE(lcd.on(seg::enemyHelper(3)));
    EXPECT_EQ(lcd.lit(), 1);
    lcd.game.EnemyHelperPosition = 0;
    lcd.vid.Vid_Show_Enemy_Helper(lcd.game.EnemyHelperPosition);
    EXPECT_EQ(lcd.lit(), 0);

    lcd.vid.Vid_Show_Hero(1, true);
    lcd.vid.Vid_Show_Hero(3, true);
    lcd.vid.Vid_Show_Hero(1, false);
    EXPECT_TRUE(lcd.on(seg::hero(3)));
    EXPECT_EQ(lcd.lit(), 1);
    lcd.vid.Vid_Show_Hero(0, true);  // outside the columns: ignored
    lcd.vid.Vid_Show_Hero(4, true);
    EXPECT_EQ(lcd.lit(), 1);
}

TEST(Figures, SavemeFiguresGoFromTheUnderscoreOneImage) {
    Lcd lcd;
    lcd.game.SavemeCounts[1] = 2;
    lcd.vid.Vid_Show_Saveme(1, lcd.game.SavemeCounts[1]);
    EXPECT_TRUE(lcd.on(Ctl::im_saveme_1_3));
    EXPECT_TRUE(lcd.on(Ctl::im_saveme_1_2));
    EXPECT_FALSE(lcd.on(Ctl::im_saveme_1_1));
    lcd.game.SavemeCounts[1] = 0;
    lcd.vid.Vid_Show_Saveme(1, lcd.game.SavemeCounts[1]);
    EXPECT_EQ(lcd.lit(), 0);
    lcd.game.SavemeCounts[3] = 7;
    lcd.vid.Vid_Show_Saveme(3, lcd.game.SavemeCounts[3]);
    EXPECT_EQ(lcd.lit(), 3);
}

TEST(Figures, PanelMissMarks) {
    Lcd lcd;
    lcd.vid.Vid_Show_Panel_Miss(2);
    EXPECT_TRUE(lcd.on(Ctl::im_panel_miss_2));
    EXPECT_FALSE(lcd.on(Ctl::im_panel_miss_3));
    lcd.vid.Vid_Show_Panel_Miss(5);
    EXPECT_EQ(lcd.lit(), 3);
    lcd.vid.Vid_Show_Panel_Miss(0);
    EXPECT_EQ(lcd.lit(), 0);
}

TEST(Repaint, OnlyTheChangedSegmentsRectangle) {
    Lcd lcd;
    lcd.face.setRect(Ctl::im_hero_2, {100, 200, 30, 40});
    lcd.repaints.clear();
    lcd.vid.Vid_Show_Hero(2, true);
    lcd.vid.Vid_Show_Hero(2, true);  // no change, no repaint
    ASSERT_EQ(lcd.repaints.size(), 1u);
    EXPECT_EQ(lcd.repaints[0], (Rect{100, 200, 30, 40}));
    lcd.vid.Vid_Show_Hero(2, false);
    EXPECT_EQ(lcd.repaints.size(), 2u);
}

}  // namespace
}  // namespace zx
