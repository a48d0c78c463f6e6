// Skin loading: applies Config.ini to the device face, and reads the manual pages.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "display/face.h"

namespace zx {

// All pictures of the face together hold at most this many pixels (256 MiB):
// an 8K backdrop and a face, but not a hundred 8K pictures. The sharper
// twins decoded for drawing count against the same budget. The manual's
// twelve pages share a budget of the same size.
inline constexpr std::int64_t kMaxFacePixels = std::int64_t(1) << 26;

// The pixels the face's pictures hold, each shared picture counted once.
std::int64_t facePicturePixels(const Face& face);

inline constexpr const char* kConfigMissingMessage =
    "Configuration file (Config.ini) not found. Please reinstall the game.";

// What the skin depends on besides the file itself.
struct SkinContext {
    std::string configPath;  // full path of Config.ini
    int screenWidth = 0;
    int screenHeight = 0;
    bool fullscreen = false;  // the in-memory FullscreenMode setting
};

enum class SkinStatus {
    Ok,
    ConfigMissing,  // the caller shows kConfigMissingMessage and ends the program
    LoadError,      // the caller shows message; the program goes on
};

struct SkinResult {
    SkinStatus status = SkinStatus::Ok;
    std::string message;
    bool ok() const { return status == SkinStatus::Ok; }
};

// Config.ini in the folder of the given executable.
std::string configPathBeside(const std::string& executablePath);

// Sets the client size, unlit opacity, background, colour key, backdrop and logo and the
// picture and rectangle of every skin image from the file. Works on a face
// that is already loaded: controls whose Filename names no picture keep the
// one they have. A load error stops at that point and leaves what was set so
// far. The in-game menu button's visibility and closed size are set in
// every case, so they always match the presentation.
SkinResult LoadSkin(Face& face, const SkinContext& context);

inline constexpr int kManualPageCount = 12;

// The Manual section: the viewer's client size and the folder of its pages.
struct ManualLayout {
    int clientWidth = 345;
    int clientHeight = 255;
    std::string dir = "Graphics/Manual/";
};

struct ManualPages {
    int clientWidth = 345;
    int clientHeight = 255;
    // Page n + 1; a missing file gives the missing-picture marker. After a
    // load error the pages from the failed one on are null.
    std::array<PictureRef, kManualPageCount> pages;
    std::string error;  // the decoder's message if a page file was rejected
};

// Reads the Manual section; a missing Config.ini gives every default.
ManualLayout ReadManualLayout(const std::string& configPath);
// The twelve page bitmaps of the layout's folder, 1.bmp to 12.bmp.
ManualPages LoadManualPages(const ManualLayout& layout);
// Both: the Manual section and its pages.
ManualPages LoadManualPages(const std::string& configPath);

}  // namespace zx
