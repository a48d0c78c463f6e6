// The profile file reader and the value types of Config.ini.
#include "config/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "display/picture.h"
#include "picture_files.h"

namespace zx {
namespace {

TEST(IniFile, LookupRules) {
    const IniFile ini = IniFile::parse(
        "\xEF\xBB\xBF"
        "Stray=before any section\r\n"
        "[Common]\r\n"
        "  SkinDir  =   Graphics\\My Skin\\  \r\n"
        "GameWidth=100\n"
        "gamewidth=200\n"
        "Empty=\n"
        "; Comment=1\n"
        "Equals=a=b\n"
        "NoEqualsSign\n"
        "[ image7 ]\n"
        "Left=\t12\t\n"
        "[COMMON]\n"
        "GameHeight=300\n"
        "GameWidth=999\n");
    EXPECT_EQ(ini.value("common", "SKINDIR"), "Graphics\\My Skin\\");
    EXPECT_EQ(ini.value("Common", "GameWidth"), "100") << "first occurrence wins";
    EXPECT_EQ(ini.value("Common", "GameHeight"), "300") << "a repeated section adds its keys";
    EXPECT_EQ(ini.value("Common", "Empty"), "") << "present but empty";
    EXPECT_EQ(ini.value("Common", "Missing"), std::nullopt);
    EXPECT_EQ(ini.value("Nowhere", "GameWidth"), std::nullopt);
    EXPECT_EQ(ini.value("Common", "Equals"), "a=b");
    EXPECT_EQ(ini.value("Common", "Comment"), std::nullopt);
    EXPECT_EQ(ini.value("Image7", "Left"), "12");
    EXPECT_EQ(ini.value("", "Stray"), std::nullopt);
    EXPECT_EQ(ini.readString("Common", "Missing", "dflt"), "dflt");
}

TEST(IniFile, OnePairOfSurroundingQuotesIsStripped) {
    const struct {
        const char* line;
        const char* value;
    } cases[] = {
        {"K=\"300\"", "300"},         {"K=  \"300\"  ", "300"},
        {"K='300'", "300"},           {"K=\"\"", ""},
        {"K=\"\"300\"\"", "\"300\""}, {"K=\"300", "\"300"},
        {"K=\"300'", "\"300'"},       {"K=\"", "\""},
        {"K=a\"b\"", "a\"b\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IniFile::parse(std::string("[S]\n") + c.line).value("S", "K"), c.value) << c.line;
    EXPECT_EQ(IniFile::parse("[Common]\nGameWidth=\"300\"").readInteger("Common", "GameWidth", 542),
              300);
}

TEST(IniFile, ValueIsCutAt2047Characters) {
    const std::string longValue(3000, 'x');
    const IniFile ini = IniFile::parse("[S]\nK=" + longValue + "\n");
    EXPECT_EQ(ini.value("S", "K")->size(), 2047u);
}

TEST(IniFile, LoadReadsFileAndReportsMissingOne) {
    test::TempDir dir;
    const std::string path = dir.write("Config.ini", "[Manual]\nManualWidth=$10\n");
    const auto ini = IniFile::load(path);
    ASSERT_TRUE(ini);
    EXPECT_EQ(ini->readInteger("manual", "manualwidth", 0), 16);
    EXPECT_FALSE(IniFile::load(dir.file("absent.ini")));
}

TEST(IniInteger, AcceptedForms) {
    EXPECT_EQ(parseIniInteger("42"), 42);
    EXPECT_EQ(parseIniInteger("  -7"), -7);
    EXPECT_EQ(parseIniInteger("+7"), 7);
    EXPECT_EQ(parseIniInteger("$ff"), 255);
    EXPECT_EQ(parseIniInteger("0X1A"), 26);
    EXPECT_EQ(parseIniInteger("0x00ff00ff"), 0x00FF00FF);
    EXPECT_EQ(parseIniInteger("-$10"), -16);
    EXPECT_EQ(parseIniInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(parseIniInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseIniInteger("-2147483648"), INT32_MIN);
}

TEST(IniInteger, RejectedForms) {
    for (const char* bad : {"", " ", "-", "$", "0x", "12px", "1 2", "Center", "$1G", "2147483648",
                            "-2147483649", "$100000000", "99999999999999999999"})
        EXPECT_EQ(parseIniInteger(bad), std::nullopt) << '"' << bad << '"';
    const IniFile ini = IniFile::parse("[S]\nBad=12px\nEmpty=\n");
    EXPECT_EQ(ini.readInteger("S", "Bad", 5), 5);
    EXPECT_EQ(ini.readInteger("S", "Empty", 6), 6);
    EXPECT_EQ(ini.readInteger("S", "Absent", 7), 7);
}

TEST(IniColour, PresentAbsentAndInvalid) {
    const IniFile ini =
        IniFile::parse("[V]\nGreen=$0000FF00\nRed=255\nEmpty=\nWord=pink\nHigh=$FF0000FF\n");
    EXPECT_EQ(readIniColour(ini, "V", "Green", 0).argb, rgb(0, 255, 0));
    EXPECT_EQ(readIniColour(ini, "V", "Red", 0).argb, rgb(255, 0, 0));
    EXPECT_EQ(readIniColour(ini, "V", "High", 0).argb, rgb(255, 0, 0)) << "high byte ignored";
    EXPECT_EQ(readIniColour(ini, "V", "Absent", 0x00FF00FF).argb, rgb(255, 0, 255));

    const IniColour empty = readIniColour(ini, "V", "Empty", 0);
    EXPECT_FALSE(empty.ok());
    EXPECT_EQ(empty.error, "'' is not a valid integer value");
    EXPECT_EQ(readIniColour(ini, "V", "Word", 0).error, "'pink' is not a valid integer value");
}

TEST(IniPaths, DirectoriesAndFileNames) {
    const std::string cwd = std::filesystem::current_path().string();
    EXPECT_EQ(iniDirectory("Graphics\\Skin\\"), cwd + "/Graphics/Skin/");
    EXPECT_EQ(iniDirectory("Graphics\\Skin"), cwd + "/Graphics/Skin/");
    EXPECT_EQ(iniDirectory("/opt/skin"), "/opt/skin/");
    EXPECT_EQ(iniDirectory(""), "/") << "an empty folder is the root";

    EXPECT_EQ(iniFileName(""), std::nullopt);
    EXPECT_EQ(iniFileName("nil"), std::nullopt);
    EXPECT_EQ(iniFileName("NIL"), "NIL") << "only the exact lower-case word means none";
    EXPECT_EQ(iniFileName("Nil"), "Nil");
    EXPECT_EQ(iniFileName("sub\\hero.png"), "sub/hero.png");
}

// The offsets themselves are proven through LoadSkin; these are the extremes.
TEST(IniOffset, AnyOtherTextCentresWithoutOverflow) {
    EXPECT_EQ(iniOffset("middle", 1024, 542), 241);
    EXPECT_EQ(iniOffset("Center", 0, INT32_MIN), 1073741824);
}

}  // namespace
}  // namespace zx
