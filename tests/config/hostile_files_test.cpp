// Special files: a FIFO, a link to /dev/zero, a folder and an oversized file in
// the place of every file the core reads. Each read answers at once, with the
// file's own fallback, and nothing in its place is replaced.
#include "tests/rig/hostile_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "config/file_settings_store.h"
#include "config/gfxinit.h"
#include "config/ini_file.h"
#include "config/picture_decoder.h"
#include "picture_files.h"

namespace zx {
namespace {

using test::SpecialKind;

constexpr std::uint64_t kIniOversize = IniFile::kMaxFileBytes + 1;
constexpr std::uint64_t kPictureOversize = (std::uint64_t(1) << 27) + (std::uint64_t(1) << 20) + 1;

std::string text(const test::Bytes& b) { return std::string(b.begin(), b.end()); }

// What stands at a path, by lstat: kind and size.
struct Standing {
    mode_t type = 0;
    off_t size = 0;
    bool operator==(const Standing&) const = default;
};
Standing standing(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return {};
    return {mode_t(st.st_mode & S_IFMT), S_ISREG(st.st_mode) ? st.st_size : 0};
}

struct Fixture {
    test::TempDir dir;
    Face face;
    SkinResult skin(const std::string& ini, bool fullscreen = false) {
        const std::string cfg = dir.write(
            "Config.ini", "[Common]\nSkinDir=" + dir.path() +
                              "/skin\n[Fullscreen]\nBackdropDir=" + dir.path() + "/back\n" + ini);
        return LoadSkin(face, {cfg, 800, 600, fullscreen});
    }
    std::string manualConfig() const {
        return dir.write("Config.ini", "[Manual]\nManualDir=" + dir.path() + "/pages\n");
    }
};

void expectMarker(const PictureRef& p) {
    ASSERT_TRUE(p);
    EXPECT_EQ(p->width, 10);
    EXPECT_EQ(p->height, 10);
}

// A skin picture: not a regular file gives the marker, an oversized one the
// decoder's message; either way the load answers.
void checkSkinPicture(Fixture& f, SpecialKind kind, const char* name) {
    const SkinResult r = f.skin(std::string("[Image1]\nFilename=") + name + "\n");
    if (kind == SpecialKind::Oversized) {
        EXPECT_EQ(r.status, SkinStatus::LoadError);
        EXPECT_EQ(r.message, "Picture file is too large");
        EXPECT_FALSE(f.face[skinImage(1)].picture);
    } else {
        EXPECT_TRUE(r.ok()) << r.message;
        expectMarker(f.face[skinImage(1)].picture);
    }
}

// Any picture read through the decoder (window pictures, the in-game menu's,
// the splash's) fails with a message and never blocks.
void checkDecoder(const Fixture& f, const char* name) {
    const DecodeResult r = decodePictureFile(f.dir.path() + "/skin/" + name);
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(r.error.empty());
}

struct Target {
    const char* what;
    const char* path;  // in the temporary folder
    std::uint64_t oversize;
    std::string prefix;  // what an oversized file starts with
    std::function<void(Fixture&, SpecialKind)> check;
};

const test::Bytes kPng = test::pngBytes(1, 1, {0xFF102030});
const test::Bytes kJpeg = test::jpegBytes(8, 8, test::solid(8, 8, 0x102030));
const test::Bytes kBmp = test::bmpBytes(1, 1, 24, {0x102030});

const Target kTargets[] = {
    {"Config.ini", "Config.ini", kIniOversize, "[Common]\nGameWidth=100\n",
     [](Fixture& f, SpecialKind) {
         const SkinResult r = LoadSkin(f.face, {f.dir.path() + "/Config.ini", 800, 600, false});
         EXPECT_EQ(r.status, SkinStatus::ConfigMissing);
         EXPECT_EQ(r.message, kConfigMissingMessage);
         EXPECT_NE(f.face.look().clientWidth, 100);
     }},
    {"Config.ini read for the manual", "Config.ini", kIniOversize, "[Manual]\nManualWidth=500\n",
     [](Fixture& f, SpecialKind) {
         const ManualLayout l = ReadManualLayout(f.dir.path() + "/Config.ini");
         EXPECT_EQ(l.clientWidth, 345);
         EXPECT_EQ(l.clientHeight, 255);
     }},
    {"settings file", "Orvalle/Zorbax50.conf", FileSettingsStore::kMaxFileBytes + 1,
     "[General]\nHiScore1=77\n",
     [](Fixture& f, SpecialKind) {
         const std::string path = f.dir.path() + "/Orvalle/Zorbax50.conf";
         const Standing before = standing(path);
         FileSettingsStore store(path);
         EXPECT_FALSE(store.readText("HiScore1")) << "the defaults, not the file's values";
         store.writeText("HiScore1", "5");
         EXPECT_EQ(store.readText("HiScore1"), "5") << "the run goes on with its own value";
         EXPECT_EQ(standing(path), before) << "what stands there is not replaced";
         EXPECT_FALSE(std::filesystem::exists(store.temporaryPath()));
     }},
    {"skin PNG", "skin/a.png", kPictureOversize, text(kPng),
     [](Fixture& f, SpecialKind k) { checkSkinPicture(f, k, "a.png"); }},
    {"skin JPEG", "skin/a.jpg", kPictureOversize, text(kJpeg),
     [](Fixture& f, SpecialKind k) { checkSkinPicture(f, k, "a.jpg"); }},
    {"skin BMP", "skin/a.bmp", kPictureOversize, text(kBmp),
     [](Fixture& f, SpecialKind k) { checkSkinPicture(f, k, "a.bmp"); }},
    {"window PNG", "skin/w.png", kPictureOversize, text(kPng),
     [](Fixture& f, SpecialKind) { checkDecoder(f, "w.png"); }},
    {"window JPEG", "skin/w.jpeg", kPictureOversize, text(kJpeg),
     [](Fixture& f, SpecialKind) { checkDecoder(f, "w.jpeg"); }},
    {"window BMP", "skin/w.bmp", kPictureOversize, text(kBmp),
     [](Fixture& f, SpecialKind) { checkDecoder(f, "w.bmp"); }},
    {"backdrop", "back/bd.jpg", kPictureOversize, text(kJpeg),
     [](Fixture& f, SpecialKind kind) {
         const SkinResult r = f.skin("BackdropFile=bd.jpg\n", true);
         EXPECT_FALSE(f.face[Ctl::im_backdrop].picture);
         if (kind == SpecialKind::Oversized)
             EXPECT_EQ(r.message, "Picture file is too large");
         else
             EXPECT_TRUE(r.ok()) << r.message;
     }},
    {"manual page", "pages/1.bmp", kPictureOversize, text(kBmp),
     [](Fixture& f, SpecialKind kind) {
         const ManualPages m = LoadManualPages(f.manualConfig());
         if (kind == SpecialKind::Oversized) {
             EXPECT_EQ(m.error, "Picture file is too large");
             EXPECT_FALSE(m.pages[0]);
         } else {
             EXPECT_TRUE(m.error.empty()) << m.error;
             expectMarker(m.pages[0]);
             expectMarker(m.pages[1]);
         }
     }},
};

TEST(SpecialFiles, EveryFileTheCoreReadsAnswersAtOnce) {
    for (const Target& t : kTargets) {
        for (const SpecialKind kind : test::kSpecialKinds) {
            const std::string name = std::string(t.what) + " as " + test::specialKindName(kind);
            SCOPED_TRACE(name);
            Fixture f;
            test::makeSpecial(f.dir.file(t.path), kind, t.oversize, t.prefix);
            const test::HangGuard guard(name);
            t.check(f, kind);
        }
    }
}

// The prefixes above are what a reader without limits would take: the same
// bytes as a small regular file load, so the oversized cases fail for their size.
TEST(SpecialFiles, TheSameBytesAsAnOrdinaryFileAreRead) {
    Fixture f;
    f.dir.write("skin/a.png", kPng);
    f.dir.write("skin/a.jpg", kJpeg);
    f.dir.write("skin/a.bmp", kBmp);
    for (const char* name : {"a.png", "a.jpg", "a.bmp"})
        EXPECT_TRUE(decodePictureFile(f.dir.path() + "/skin/" + name).ok()) << name;
    f.dir.write("Orvalle/Zorbax50.conf", "[General]\nHiScore1=77\n");
    EXPECT_EQ(FileSettingsStore(f.dir.path() + "/Orvalle/Zorbax50.conf").readText("HiScore1"),
              "77");
    f.dir.write("Config.ini", "[Manual]\nManualWidth=500\n");
    EXPECT_EQ(ReadManualLayout(f.dir.path() + "/Config.ini").clientWidth, 500);
}

}  // namespace
}  // namespace zx
