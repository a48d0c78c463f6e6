// LoadSkin and LoadManualPages: Config.ini applied to the face and the manual.
#include "config/gfxinit.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <vector>

#include "config/ini_file.h"
#include "config/picture_decoder.h"
#include "config/player_file.h"
#include "config/scale_setting.h"
#include "config/twin_picture.h"
#include "config/unlit_setting.h"

namespace zx {

namespace {

constexpr std::uint32_t kDefaultTranspBgr = 0x00FF00FF;   // magenta
constexpr std::uint32_t kDefaultBgColorBgr = 0x00000000;  // black
constexpr int kMenuButtonWidth = 36;
constexpr int kMenuButtonHeight = 32;
constexpr int kDefaultGameWidth = 542;
constexpr int kDefaultGameHeight = 359;

bool fileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

// Face coordinates come from a hand-edited file: add and clamp in 64 bits so
// an extreme value cannot overflow.
int clampedSum(std::int64_t a, std::int64_t b) {
    return int(std::clamp<std::int64_t>(a + b, INT32_MIN, INT32_MAX));
}

// Pixels held by every control but c, each shared picture counted once.
std::int64_t pixelsHeldBesides(const Face& face, Ctl c) {
    std::vector<const Picture*> seen;
    std::int64_t total = 0;
    for (int i = 0; i < kControlCount; ++i) {
        const Picture* p = face[Ctl(i)].picture.get();
        if (Ctl(i) == c || !p || std::find(seen.begin(), seen.end(), p) != seen.end()) continue;
        seen.push_back(p);
        total += std::int64_t(p->width) * p->height;
    }
    return total;
}

// Decodes path into control c. A bitmap in a transparent control loses the
// colour of its lower-left pixel. The picture remembers where its sharper
// twin would be; the twin is not looked for here. Returns the decoder's
// message on failure, leaving the control's previous picture.
std::string loadPicture(Face& face, Ctl c, const std::string& path) {
    DecodeResult r = decodePictureFile(path, kMaxFacePixels - pixelsHeldBesides(face, c));
    if (!r.ok()) return r.error;
    Picture& pic = *r.picture;
    if (r.format == PictureFormat::Bmp && isTransparentControl(c)) {
        clearLowerLeftColour(pic);
        pic.twinKeyed = true;
    }
    pic.twinPath = twinPathOf(path);
    face.setPicture(c, std::move(r.picture));
    return {};
}

// The in-game menu button exists only in full-screen mode; it starts closed.
void placeMenuButton(Face& face, bool fullscreen) {
    face.setVisible(Ctl::btn_game_menu_top, fullscreen);
    face.setVisible(Ctl::btn_game_menu_background, fullscreen);
    Rect r = face[Ctl::btn_game_menu_background].rect;
    r.h = kMenuButtonHeight;
    r.w = kMenuButtonWidth;
    face.setRect(Ctl::btn_game_menu_background, r);
}

// A window size from the file or the screen, fitted within the image limits
// (display/picture.h). A size that leaves no window at all is the design
// size of the device window.
void fitWindowSize(int& width, int& height) {
    if (width <= 0 || height <= 0) {
        width = kDefaultGameWidth;
        height = kDefaultGameHeight;
    }
    width = std::min(width, kMaxImageSide);
    height = std::min(height, kMaxImageSide);
    if (std::int64_t(width) * height > kMaxImagePixels) height = int(kMaxImagePixels / width);
}

}  // namespace

std::int64_t facePicturePixels(const Face& face) { return pixelsHeldBesides(face, Ctl(-1)); }

namespace {

SkinResult loadError(std::string message) { return {SkinStatus::LoadError, std::move(message)}; }

// Backdrop, background colour, offsets, client size and logo of full-screen
// mode. Writes the face offsets into offX/offY.
SkinResult loadFullscreenLook(Face& face, const IniFile& ini, const SkinContext& ctx, int& offX,
                              int& offY) {
    const std::string backdropDir =
        iniDirectory(ini.readString("Fullscreen", "BackdropDir", "Graphics\\Backdrops\\"));
    if (auto name = iniFileName(ini.readString("Fullscreen", "BackdropFile", "nil"))) {
        const std::string path = backdropDir + *name;
        if (fileExists(path)) {
            if (auto err = loadPicture(face, Ctl::im_backdrop, path); !err.empty())
                return loadError(err);
            face.setStretch(Ctl::im_backdrop,
                            (ini.readInteger("Fullscreen", "BackdropStretch", 0) & 0xFF) != 0);
            face.setVisible(Ctl::im_backdrop, true);
        }
    }

    const IniColour bg = readIniColour(ini, "Fullscreen", "BgColor", kDefaultBgColorBgr);
    if (!bg.ok()) return loadError(bg.error);
    face.setBackground(bg.argb);
    face.setColourKey(false, face.look().colourKey);
    const int faceW = face.look().clientWidth;
    const int faceH = face.look().clientHeight;
    int screenW = ctx.screenWidth, screenH = ctx.screenHeight;
    fitWindowSize(screenW, screenH);
    // The device may be drawn larger; its offsets are where it lands then.
    const double scale = resolveScale(parseScaleSetting(ini.value("Fullscreen", "Scale")), screenW,
                                      screenH, faceW, faceH);
    offX =
        scaledOffset(ini.readString("Fullscreen", "GameOffsetX", "Center"), screenW, faceW, scale);
    offY =
        scaledOffset(ini.readString("Fullscreen", "GameOffsetY", "Center"), screenH, faceH, scale);
    face.setDeviceView({scale, offX, offY});

    face.setClientSize(screenW, screenH);

    if (auto name = iniFileName(ini.readString("Fullscreen", "LogoFile", "nil"))) {
        const std::string path = backdropDir + *name;
        if (fileExists(path)) {
            if (auto err = loadPicture(face, Ctl::im_backdrop_logo, path); !err.empty())
                return loadError(err);
            const PictureRef& logo = face[Ctl::im_backdrop_logo].picture;
            Rect r = face[Ctl::im_backdrop_logo].rect;
            r.w = logo->width;
            r.h = logo->height;
            const int right = screenW - r.w;
            const int bottom = screenH - r.h;
            switch (ini.readInteger("Fullscreen", "LogoPosition", 1)) {
                case 0:
                    r.x = 0, r.y = 0;
                    break;
                case 1:
                    r.x = right, r.y = 0;
                    break;
                case 2:
                    r.x = 0, r.y = bottom;
                    break;
                case 3:
                    r.x = right, r.y = bottom;
                    break;
                default:
                    break;  // shown where it was
            }
            face.setRect(Ctl::im_backdrop_logo, r);
            face.setVisible(Ctl::im_backdrop_logo, true);
        }
    }
    return {};
}

// Picture and rectangle of every skin image, shifted by the face offset.
SkinResult loadSkinImages(Face& face, const IniFile& ini, const std::string& skinDir, int offX,
                          int offY) {
    for (int n = 1; n <= kSkinImageCount; ++n) {
        const Ctl c = skinImage(n);
        const std::string section = "Image" + std::to_string(n);
        if (auto name = iniFileName(ini.readString(section, "Filename", ""))) {
            const std::string path = skinDir + *name;
            if (!fileExists(path)) {
                face.setPicture(c, missingPictureMarker());
            } else if (auto err = loadPicture(face, c, path); !err.empty()) {
                return loadError(err);
            }
        }
        // A negative size is meaningless for a control; it shows nothing.
        face.setRect(c, {clampedSum(ini.readInteger(section, "Left", 0), offX),
                         clampedSum(ini.readInteger(section, "Top", 0), offY),
                         std::max(0, ini.readInteger(section, "Width", 0)),
                         std::max(0, ini.readInteger(section, "Height", 0))});
    }
    return {};
}

SkinResult applySkin(Face& face, const IniFile& ini, const SkinContext& ctx) {
    const std::string skinDir =
        iniDirectory(ini.readString("Common", "SkinDir", "Graphics\\Skin\\"));
    int width = ini.readInteger("Common", "GameWidth", kDefaultGameWidth);
    int height = ini.readInteger("Common", "GameHeight", kDefaultGameHeight);
    fitWindowSize(width, height);
    face.setClientSize(width, height);
    face.setUnlitOpacity(parseUnlitOpacity(ini.value("Common", "UnlitOpacity")));

    int offX = 0, offY = 0;
    if (!ctx.fullscreen) {
        const IniColour key = readIniColour(ini, "VideoMode", "TranspColor", kDefaultTranspBgr);
        if (!key.ok()) return loadError(key.error);
        face.setBackground(key.argb);
        face.setColourKey(true, key.argb);
        face.setDeviceView({});
        face.setVisible(Ctl::im_backdrop, false);
        face.setVisible(Ctl::im_backdrop_logo, false);
    } else if (SkinResult r = loadFullscreenLook(face, ini, ctx, offX, offY); !r.ok()) {
        return r;
    }
    return loadSkinImages(face, ini, skinDir, offX, offY);
}

}  // namespace

std::string configPathBeside(const std::string& executablePath) {
    return (std::filesystem::path(executablePath).parent_path() / "Config.ini").string();
}

SkinResult LoadSkin(Face& face, const SkinContext& ctx) {
    SkinResult result;
    // A folder, FIFO, device or oversized file in its place is no Config.ini.
    const FileBytes file = readPlayerFile(ctx.configPath, IniFile::kMaxFileBytes);
    if (file.ok()) {
        result = applySkin(face, IniFile::parse(file.bytes), ctx);
    } else if (file.status == FileStatus::Unreadable) {
        result = loadError("Configuration file (Config.ini) could not be read.");
    } else {
        result = {SkinStatus::ConfigMissing, kConfigMissingMessage};
    }
    placeMenuButton(face, ctx.fullscreen);
    return result;
}

ManualLayout ReadManualLayout(const std::string& configPath) {
    const IniFile ini = IniFile::load(configPath).value_or(IniFile());
    ManualLayout l;
    l.dir = iniDirectory(ini.readString("Manual", "ManualDir", "Graphics\\Manual\\"));
    l.clientHeight = std::clamp(ini.readInteger("Manual", "ManualHeight", 255), 0, kMaxImageSide);
    l.clientWidth = std::clamp(ini.readInteger("Manual", "ManualWidth", 345), 0, kMaxImageSide);
    return l;
}

ManualPages LoadManualPages(const std::string& configPath) {
    return LoadManualPages(ReadManualLayout(configPath));
}

ManualPages LoadManualPages(const ManualLayout& layout) {
    ManualPages m;
    m.clientWidth = layout.clientWidth;
    m.clientHeight = layout.clientHeight;
    // The pages together get the face's budget, each checked from its header.
    std::int64_t pixelsLeft = kMaxFacePixels;
    for (int n = 1; n <= kManualPageCount; ++n) {
        const std::string path = layout.dir + std::to_string(n) + ".bmp";
        if (!fileExists(path)) {
            m.pages[n - 1] = missingPictureMarker();
            continue;
        }
        DecodeResult r = decodePictureFile(path, pixelsLeft);
        if (!r.ok()) {
            m.error = r.error;
            break;
        }
        pixelsLeft -= std::int64_t(r.picture->width) * r.picture->height;
        r.picture->twinPath = twinPathOf(path);
        m.pages[n - 1] = std::move(r.picture);
    }
    return m;
}

}  // namespace zx
