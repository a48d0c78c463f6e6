// A read-only profile (INI) file: case-insensitive lookup of trimmed values.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace zx {

// Holds the [Section] / key = value pairs of one file. Lookups ignore case,
// a value is the text after '=' with surrounding blanks and one surrounding
// pair of quotes (" or ') removed and at most kMaxValueLength characters, and
// the first occurrence of a key wins.
class IniFile {
  public:
    static constexpr std::size_t kMaxValueLength = 2047;
    // A real file holds a few kilobytes; a larger one is taken as absent.
    static constexpr std::uint64_t kMaxFileBytes = std::uint64_t(1) << 20;

    // An empty file: every lookup gives its default.
    IniFile() = default;

    // Reads the file at path; nullopt unless it is a regular file of at most
    // kMaxFileBytes that can be read (config/player_file.h).
    static std::optional<IniFile> load(const std::string& path);
    static IniFile parse(std::string_view text);

    // The value, or nullopt when the section or the key is absent. A key
    // written with nothing after '=' is present with an empty value.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    std::string readString(std::string_view section, std::string_view key,
                           const std::string& def) const;
    int readInteger(std::string_view section, std::string_view key, int def) const;

  private:
    // Keys are "section\nkey", lower-cased; '\n' cannot occur inside either.
    std::map<std::string, std::string> values_;
};

// Integer text: optional leading blanks, optional sign, then decimal digits or
// hexadecimal after '$' or '0x'/'0X'. Hexadecimal may use all 32 bits
// ($FFFFFFFF is -1); decimal must fit an int. Nothing may follow the digits.
std::optional<int> parseIniInteger(std::string_view text);

// Result of reading a colour: an error message when the text is present but
// is not an integer.
struct IniColour {
    std::uint32_t argb = 0;  // opaque ARGB converted from $00BBGGRR
    std::string error;
    bool ok() const { return error.empty(); }
};

// Reads a colour written as $00BBGGRR. Absent -> def (also $00BBGGRR).
IniColour readIniColour(const IniFile& ini, std::string_view section, std::string_view key,
                        std::uint32_t defBgr);

// A directory from the file, ready to have a file name appended: '\' becomes
// the native separator, a separator is appended if missing, an empty value
// becomes the root, and a relative path is made absolute against the current
// working directory.
std::string iniDirectory(const std::string& value);

// A file name from the file, or nullopt for "" and the exact lower-case
// "nil", which both mean "no picture". Separators are made native.
std::optional<std::string> iniFileName(const std::string& value);

// A face offset: "Center", 0 or any non-integer text centres the face, which
// is (screen - face) / 2 truncated toward zero.
int iniOffset(const std::string& value, int screenSize, int faceSize);

}  // namespace zx
