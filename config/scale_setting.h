// The [Fullscreen] Scale key: how much larger the full-screen device is drawn.
#pragma once

#include <optional>
#include <string>

namespace zx {

inline constexpr double kMinScale = 1.0;
inline constexpr double kMaxScale = 8.0;
// "fit" leaves this share of the screen's width and height around the device.
inline constexpr double kFitShare = 0.9;

struct ScaleSetting {
    bool fit = false;
    double factor = 1.0;  // when not fit
    bool operator==(const ScaleSetting&) const = default;
};

// Absent, empty, "1", or anything that is neither "fit" (any case) nor a plain
// decimal number from 1 to 8 ("2", "2.5") is the designed size, factor 1.
ScaleSetting parseScaleSetting(const std::optional<std::string>& value);

// The largest factor, from 1 to 8, at which a face fits within kFitShare of
// the screen in both directions; 1 when it does not fit even at its size.
double fitScale(int screenWidth, int screenHeight, int faceWidth, int faceHeight);

// The factor the setting gives on this screen.
double resolveScale(const ScaleSetting& s, int screenWidth, int screenHeight, int faceWidth,
                    int faceHeight);

// A face offset from GameOffsetX/Y for a device drawn at scale: a non-zero
// integer is that offset, scaled; anything else centres the scaled face.
int scaledOffset(const std::string& value, int screenSize, int faceSize, double scale);

}  // namespace zx
