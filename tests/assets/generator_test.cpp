// The generator's pieces: the face layout tells the game's story, digits and samples are sound.
#include <gtest/gtest.h>

#include <QPainterPath>
#include <cstring>
#include <string>
#include <vector>

#include "display/controls.h"
#include "lcd_art.h"
#include "skin_layout.h"
#include "sounds.h"

namespace zxa {
namespace {

using zx::Ctl;

Ctl at(Ctl first, int offset) { return Ctl(int(first) + offset); }
QRect r(Ctl c) { return skinRect(c); }

struct Column {
    Ctl hero, helper, enemy[3], shot[5],
        saveme[4];  // shot[1..4] by row, saveme[1..3] by name digit
};

Column column(int c) {
    const int i = c - 1;
    Column k{};
    k.hero = at(Ctl::im_hero_1, i);
    k.helper = at(Ctl::im_enemy_helper_1, i);
    for (int f = 0; f < 3; ++f) k.enemy[f] = at(Ctl::im_enemy_1_1, 3 * f + i);
    for (int row = 1; row <= 4; ++row) k.shot[row] = at(Ctl::im_shot_1_4, 3 * (4 - row) + i);
    for (int d = 1; d <= 3; ++d) k.saveme[d] = at(Ctl::im_saveme_1_3, 3 * (3 - d) + i);
    return k;
}

std::vector<Ctl> figuresOf(int c) {
    const Column k = column(c);
    std::vector<Ctl> v = {k.hero, k.helper, k.enemy[0], k.enemy[1], k.enemy[2]};
    for (int row = 1; row <= 4; ++row) v.push_back(k.shot[row]);
    for (int d = 1; d <= 3; ++d) v.push_back(k.saveme[d]);
    return v;
}

TEST(FaceLayout, ColumnsKeepTheirFiguresApart) {
    for (int a = 1; a <= 3; ++a)
        for (int b = a + 1; b <= 3; ++b)
            for (Ctl x : figuresOf(a))
                for (Ctl y : figuresOf(b))
                    EXPECT_FALSE(r(x).intersects(r(y)))
                        << zx::controlName(x) << " / " << zx::controlName(y);
}

TEST(FaceLayout, EachColumnReadsFromHeroUpToEnemy) {
    for (int c = 1; c <= 3; ++c) {
        SCOPED_TRACE(c);
        const Column k = column(c);
        // Shots rise row by row without overlapping, from above the hero to below the enemy.
        EXPECT_LE(r(k.shot[1]).bottom(), r(k.hero).top());
        for (int row = 1; row < 4; ++row)
            EXPECT_LT(r(k.shot[row + 1]).bottom(), r(k.shot[row]).top());
        EXPECT_GE(r(k.shot[4]).top(), r(k.enemy[1]).top());
        // The helper blocks a shot between its first and second row.
        EXPECT_GT(r(k.helper).top(), r(k.shot[2]).bottom());
        EXPECT_LT(r(k.helper).bottom(), r(k.shot[1]).top());
        // The enemy's poses hang from its body; the first colonist it takes stands highest.
        EXPECT_TRUE(r(k.enemy[1]).intersects(r(k.enemy[0])));
        EXPECT_EQ(r(k.enemy[1]), r(k.enemy[2]));
        EXPECT_LT(r(k.saveme[1]).top(), r(k.saveme[2]).top());
        EXPECT_LT(r(k.saveme[2]).top(), r(k.saveme[3]).top());
        EXPECT_LT(r(k.enemy[0]).top(), r(k.saveme[1]).top());
    }
}

TEST(FaceLayout, LcdSegmentsLieOnTheGlassAndButtonsOffIt) {
    for (int n = 1; n <= zx::kSkinImageCount; ++n) {
        const Ctl c = zx::skinImage(n);
        const auto name = zx::controlName(c);
        if (name.starts_with("im_") && c != Ctl::im_background) {
            EXPECT_TRUE(kGlass.contains(r(c))) << name;
        }
        if (name.starts_with("btn_")) {
            EXPECT_FALSE(kGlass.intersects(r(c))) << name;
        }
    }
    const Button buttons[] = {Button::time, Button::set,   Button::game_a,     Button::game_b,
                              Button::left, Button::right, Button::shoot_left, Button::shoot_right};
    for (Button a : buttons)
        for (Button b : buttons) EXPECT_TRUE(a == b || !buttonRect(a).intersects(buttonRect(b)));
}

// Every lit point of a digit is lit in 8 too, and no two digits look alike.
TEST(DigitGlyphs, SevenSegmentsAreConsistent) {
    for (QSize box : {QSize(17, 27), QSize(10, 15)}) {
        std::vector<std::string> looks;
        for (int d = 0; d <= 9; ++d) {
            const QPainterPath digit = digitShape(d, box), eight = digitShape(8, box);
            std::string look;
            for (qreal y = 0.5; y < box.height(); y += 1)
                for (qreal x = 0.5; x < box.width(); x += 1) {
                    const bool lit = digit.contains(QPointF(x, y));
                    look += lit ? '#' : '.';
                    ASSERT_TRUE(!lit || eight.contains(QPointF(x, y)))
                        << d << " at " << x << "," << y;
                    ASSERT_TRUE(!lit ||
                                QRectF(0, 0, box.width(), box.height()).contains(QPointF(x, y)));
                }
            for (const std::string& other : looks) EXPECT_NE(look, other) << "digit " << d;
            looks.push_back(look);
        }
    }
}

TEST(Samples, TonesFadeAtTheirEdgesAndRestsAreSilent) {
    const std::vector<qint16> s = synthesize({{880, 50}, {0, 20}, {440, 30, 880}});
    // Each tone is a whole number of samples long.
    ASSERT_EQ(s.size(), std::size_t(kSampleRate * 50 / 1000 + kSampleRate * 20 / 1000 +
                                    kSampleRate * 30 / 1000));
    const std::size_t toneEnd = kSampleRate * 50 / 1000,
                      restEnd = toneEnd + kSampleRate * 20 / 1000;
    EXPECT_EQ(s.front(), 0);
    EXPECT_EQ(s.back(), 0);
    EXPECT_EQ(s[toneEnd - 1], 0);
    for (std::size_t i = toneEnd; i < restEnd; ++i) ASSERT_EQ(s[i], 0);
    int peak = 0;
    for (qint16 v : s) peak = std::max(peak, std::abs(int(v)));
    EXPECT_GT(peak, 8000);
}

TEST(Samples, WavHeaderDescribesTheData) {
    const std::vector<qint16> s = synthesize({{1000, 10}});
    const QByteArray w = wavFile(s);
    auto le32 = [&](int at) {
        quint32 v;
        std::memcpy(&v, w.constData() + at, 4);
        return v;
    };
    ASSERT_EQ(w.size(), 44 + int(s.size()) * 2);
    EXPECT_EQ(le32(4), quint32(w.size() - 8));
    EXPECT_EQ(le32(24), quint32(kSampleRate));
    EXPECT_EQ(le32(28), quint32(kSampleRate * 2));  // bytes per second, mono 16-bit
    EXPECT_EQ(w.mid(36, 4), QByteArray("data"));
    EXPECT_EQ(le32(40), quint32(s.size() * 2));
}

}  // namespace
}  // namespace zxa
