// Fuzz target: Config.ini text through the reader, the value conversions and
// the skin loader, and the settings file's parser and editor.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "config/file_settings_store.h"
#include "config/gfxinit.h"
#include "config/ini_file.h"

namespace {

// Every key the skin reads goes through its own conversion on any value.
void convertValues(const zx::IniFile& ini, std::string_view text) {
    (void)zx::parseIniInteger(text);
    (void)zx::readIniColour(ini, "VideoMode", "TranspColor", 0x00FF00FF);
    (void)zx::readIniColour(ini, "Fullscreen", "BgColor", 0);
    const std::string offset = ini.readString("Fullscreen", "GameOffsetX", "Center");
    for (int screen : {0, 1024, INT32_MAX, INT32_MIN})
        for (int faceSize : {0, 542, INT32_MAX, INT32_MIN})
            (void)zx::iniOffset(offset, screen, faceSize);
    (void)zx::iniFileName(ini.readString("Image1", "Filename", ""));
    (void)zx::iniDirectory(ini.readString("Common", "SkinDir", ""));
}

// The skin loader reads a file: one per process, in memory-backed storage
// where there is one.
const std::string& configPath() {
    static const std::string path = [] {
        const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        return std::string(dir) + "/zx_fuzz_" + std::to_string(getpid()) + "_Config.ini";
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const zx::IniFile ini = zx::IniFile::parse(text);
    convertValues(ini, text);

    (void)zx::parseSettingsText(text);
    (void)zx::withSettingsValue(text, "HiScore1", "1200");

    if (FILE* f = std::fopen(configPath().c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
        for (bool fullscreen : {false, true}) {
            zx::Face face;
            (void)zx::LoadSkin(face, {configPath(), 1920, 1080, fullscreen});
        }
    }
    return 0;
}
