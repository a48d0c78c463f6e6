// The Scale key of full-screen mode: what each value gives, and the offsets
// of a scaled device.
#include "config/scale_setting.h"

#include <gtest/gtest.h>

namespace zx {
namespace {

TEST(ScaleSetting, EveryBadValueKeepsTheDesignedSize) {
    const char* const bad[] = {
        "",    "0",   "0.5", "0.99", "-2",   "-1",   "8.01", "9",   "100", "1e1",
        "2e0", "nan", "NaN", "inf",  "fit2", "fits", "fi",   "big", "2x",  "2.5.1",
        "2.",  ".5",  "+2",  "2,5",  " 2",   "0x2",  "$2",   "１",  "1/2", "99999999999999999999",
    };
    for (const char* v : bad)
        EXPECT_EQ(parseScaleSetting(std::string(v)), ScaleSetting{}) << '"' << v << '"';
    EXPECT_EQ(parseScaleSetting(std::nullopt), ScaleSetting{});
}

TEST(ScaleSetting, NumbersFromOneToEightAndFit) {
    const struct {
        const char* text;
        ScaleSetting expected;
    } good[] = {
        {"1", {false, 1}},  {"1.0", {false, 1}},   {"2", {false, 2}},  {"2.5", {false, 2.5}},
        {"8", {false, 8}},  {"8.000", {false, 8}}, {"03", {false, 3}}, {"fit", {true, 1}},
        {"FIT", {true, 1}}, {"Fit", {true, 1}},
    };
    for (const auto& g : good)
        EXPECT_EQ(parseScaleSetting(std::string(g.text)), g.expected) << g.text;
}

TEST(ScaleSetting, FitTakesTheLargestScaleWithinNinetyPercent) {
    const struct {
        int sw, sh;
        double expected;
    } cases[] = {
        {1920, 1080, 2.707},  // 0.9 * 1080 / 359 = 2.7075...: the height decides
        {3840, 2160, 5.415}, {1024, 768, 1.700},  // 0.9 * 1024 / 542 = 1.7003...: the width decides
        {600, 400, 1.0},    // 90 % of it is narrower than the device: designed size
        {7680, 4320, 8.0},  // capped at 8 (10.83 would fit)
        {0, 0, 1.0},
    };
    for (const auto& c : cases) {
        const double s = fitScale(c.sw, c.sh, 542, 359);
        EXPECT_DOUBLE_EQ(s, c.expected) << c.sw << "x" << c.sh;
        if (s > 1.0) {
            EXPECT_LE(s * 542, 0.9 * c.sw);
            EXPECT_LE(s * 359, 0.9 * c.sh);
        }
    }
    EXPECT_DOUBLE_EQ(resolveScale({true, 1}, 1920, 1080, 542, 359), 2.707);
    EXPECT_DOUBLE_EQ(resolveScale({false, 2.5}, 1920, 1080, 542, 359), 2.5);
}

TEST(ScaleSetting, OffsetsCentreTheScaledDeviceOrAreScaled) {
    const struct {
        const char* text;
        int screen, face;
        double scale;
        int expected;
    } cases[] = {
        {"Center", 1920, 542, 1, 689},  // as at the designed size
        {"Center", 1920, 542, 2, 418},  // (1920 - 1084) / 2
        {"0", 1080, 359, 2.7, 55},      // (1080 - 969) / 2, 969 = round(359 * 2.7)
        {"junk", 1024, 542, 1.5, 105},  // (1024 - 813) / 2, truncated
        {"Center", 800, 542, 2, -142},  // (800 - 1084) / 2: off the left edge
        {"40", 1920, 542, 1, 40},      {"40", 1920, 542, 2.5, 100},
        {"-20", 1920, 542, 2, -40},    {"$10", 1920, 542, 3, 48},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scaledOffset(c.text, c.screen, c.face, c.scale), c.expected)
            << c.text << " at " << c.scale;
}

}  // namespace
}  // namespace zx
