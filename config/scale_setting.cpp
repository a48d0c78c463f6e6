// Parsing of the Scale key and the scale and offset arithmetic of full screen.
#include "config/scale_setting.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "config/ini_file.h"

namespace zx {

namespace {

bool isFit(const std::string& v) {
    return v.size() == 3 && (v[0] | 0x20) == 'f' && (v[1] | 0x20) == 'i' && (v[2] | 0x20) == 't';
}

// Digits, optionally a point and more digits; nothing else (no sign, no
// exponent, no "nan" or "inf"). from_chars does not depend on the locale.
std::optional<double> plainDecimal(const std::string& v) {
    std::size_t i = 0, digits = 0;
    while (i < v.size() && v[i] >= '0' && v[i] <= '9') ++i, ++digits;
    if (i < v.size() && v[i] == '.') {
        ++i;
        std::size_t fraction = 0;
        while (i < v.size() && v[i] >= '0' && v[i] <= '9') ++i, ++fraction;
        if (fraction == 0) return std::nullopt;
    }
    if (digits == 0 || i != v.size()) return std::nullopt;
    double d = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), d);
    if (ec != std::errc() || end != v.data() + v.size()) return std::nullopt;
    return d;
}

}  // namespace

ScaleSetting parseScaleSetting(const std::optional<std::string>& value) {
    if (!value) return {};
    if (isFit(*value)) return {true, 1.0};
    const std::optional<double> d = plainDecimal(*value);
    if (!d || !(*d >= kMinScale && *d <= kMaxScale)) return {};
    return {false, *d};
}

double fitScale(int screenWidth, int screenHeight, int faceWidth, int faceHeight) {
    if (faceWidth <= 0 || faceHeight <= 0 || screenWidth <= 0 || screenHeight <= 0) return 1.0;
    const double s =
        std::min(kFitShare * screenWidth / faceWidth, kFitShare * screenHeight / faceHeight);
    // Rounded down to a thousandth, so that the rounded device size fits too.
    return std::clamp(std::floor(s * 1000) / 1000, kMinScale, kMaxScale);
}

double resolveScale(const ScaleSetting& s, int screenWidth, int screenHeight, int faceWidth,
                    int faceHeight) {
    return s.fit ? fitScale(screenWidth, screenHeight, faceWidth, faceHeight) : s.factor;
}

int scaledOffset(const std::string& value, int screenSize, int faceSize, double scale) {
    const std::optional<int> n = parseIniInteger(value);
    if (n && *n != 0)
        return scale == 1.0 ? *n
                            : int(std::clamp(std::llround(*n * scale), -(1LL << 30), 1LL << 30));
    const std::int64_t scaledFace = std::llround(faceSize * scale);
    // Truncated toward zero, as at the designed size.
    return int((std::int64_t(screenSize) - scaledFace) / 2);
}

}  // namespace zx
