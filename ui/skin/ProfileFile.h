// A portable reader of INI files that answers as the system's profile functions
// (GetPrivateProfileStringW, GetPrivateProfileIntW) answer for one file.
//
// The file's text:
// * Encoding by its first bytes: EF BB BF UTF-8, FF FE UTF-16 little-endian, FE FF UTF-16
//   big-endian, anything else the ANSI code page (read as Windows-1252, the code page of the
//   Western systems the program ships for).
// * Lines end at CR, LF or any run of them. Each line is trimmed of blanks (tab, LF, VT, FF, CR,
//   space and the DOS end-of-file character 0x1A) at both ends; empty lines are skipped.
// * "[name]" starts a section: the name is what lies between the "[" and the last "]" of the
//   line, trimmed of blanks. A "[" line without a later "]" is an ordinary line.
// * Any other line is a key: the text before the first "=" (trimmed) is its name and the text
//   after it (leading blanks skipped) its value; a line without "=" is a key without a value.
//   Comment lines (";") are not special: they become keys nobody asks for.
// * Keys before the first section belong to a section with an empty name.
//
// Lookups:
// * The section and key names asked for are trimmed of blanks and compared without regard to
//   the case of ASCII letters. The first section of the name is searched, and in it the first key
//   of the name (later duplicates are never seen).
// * A key without a value, a missing key, section or file gives the default, with its trailing
//   spaces removed and cut to capacity - 1 characters.
// * A value enclosed in matching quotes (' or ") loses them; a value is cut at a zero character
//   and to capacity - 1 characters, with the closing quote then removed only when the cut value
//   still fits (the profile functions' own rule).
// * Numbers: the value as read with a buffer of 30 characters; empty gives the default; otherwise
//   leading characters up to the space are skipped, one sign taken, a prefix "0x", "0o" or "0b"
//   picks base 16, 8 or 2 (base 10 otherwise), and digits are taken until the first that does
//   not belong to the base, in 32-bit arithmetic that wraps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zentrova {

// Files larger than this are not read (a skin's INI has a few kilobytes).
constexpr size_t kMaxProfileFileBytes = 4 * 1024 * 1024;

// The text of a profile file's bytes, decoded as described above.
std::wstring DecodeProfileText(const std::string& bytes);

class ProfileFile {
  public:
    // Reads and parses path. False (and no sections) when the file cannot be read or is larger
    // than kMaxProfileFileBytes.
    bool Load(const wchar_t* path);
    // Parses the bytes of a file.
    void Parse(const std::string& bytes);

    // The value of key in section, or defaultValue, cut to capacity - 1 characters.
    std::wstring GetString(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue,
                           size_t capacity) const;
    // The value of key in section as a number, or defaultValue.
    uint32_t GetInt(const wchar_t* section, const wchar_t* key, uint32_t defaultValue) const;

  private:
    struct Key {
        std::wstring name;
        std::wstring value;
        bool hasValue = false;
    };
    struct Section {
        std::wstring name;
        std::vector<Key> keys;
    };
    const Key* Find(const wchar_t* section, const wchar_t* key) const;

    std::vector<Section> m_sections;
};

// The number a value text gives under the rules above (the text already read and cut).
uint32_t ProfileTextToNumber(const std::wstring& text);

// The characters of a value handed to a caller with a buffer of capacity characters: quotes
// removed and the text cut as described above.
std::wstring CopyProfileValue(const std::wstring& value, size_t capacity);

}  // namespace zentrova
