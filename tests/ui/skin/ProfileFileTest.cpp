// The portable profile reader: the values the profile functions give for odd INI files.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "core/FileSystem.h"
#include "core/WideText.h"
#include "tests/support/TempFolder.h"
#include "ui/skin/Profile.h"
#include "ui/skin/ProfileFile.h"

namespace zentrova {
namespace {

// UTF-16 little- or big-endian bytes of ASCII text, with the byte order mark.
std::string Utf16Bytes(const std::string& ascii, bool bigEndian) {
    std::string bytes = bigEndian ? std::string("\xFE\xFF", 2) : std::string("\xFF\xFE", 2);
    for (const char c : ascii) {
        bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    }
    return bytes;
}

// The main sample: spaces, comments, case, quotes, duplicates, broken headers, numbers.
std::string MainSampleBytes() {
    return "; a comment line\r\ntop=before any section\r\n\r\n[Skin]\r\n  Color1 = FF8000   \r\n"
           "color2=abc\r\nQuoted=\"  spaced  \"\r\nSingle='x'\r\nHalf=\"open\r\nMixed=\"abc'\r\n"
           "Short=\"abc\"\r\nEmpty=\r\nNoEquals\r\n;Commented=1\r\nDup=first\r\nDUP=second\r\n"
           "Tab\t=\ttabbed\t\r\nEq=a=b\r\n[Broken\r\nBrokenKey=1\r\nN1=42\r\nN2=-7\r\n"
           "N3=0x1F\r\nN4=0X1F\r\nN5=0b101\r\nN6=0o17\r\nN7=12abc\r\nN8=abc\r\nN9=+9\r\n"
           "N10=4294967297\r\nN11=\"77\"\r\nN12=000000000000000000000000000012345\r\nN13=0x\r\n"
           "N14=-0x10\r\nN15= 8 9\r\n=lonely\r\n[Other]\r\nColor1=000000\r\n[skin]\r\n"
           "Later=only in the second Skin section\r\n[ Spaced ]\r\nKey=v\r\n"
           "[Tail] trailing text\r\nKey=t\r\n[A]B]\r\nKey=ab\r\n";
}

constexpr char kZeroSample[] = "[Skin]\nA=ab\0cd\nB=2\n";

// The sample file of that name, parsed.
ProfileFile Parsed(const std::wstring& fileName) {
    const std::map<std::wstring, std::string> samples = {
        {L"main.ini", MainSampleBytes()},
        {L"utf16le.ini", Utf16Bytes("[Skin]\r\nName=Wide\r\nColor=00FF00\r\nNum=23\r\n", false)},
        {L"utf16be.ini", Utf16Bytes("[Skin]\r\nName=Big\r\nColor=0000FF\r\nNum=24\r\n", true)},
        {L"utf8bom.ini", "\xEF\xBB\xBF[Skin]\nName=Caf\xC3\xA9\nNum=25\n"},
        {L"utf8plain.ini", "[Skin]\nName=Caf\xC3\xA9\n"},
        {L"ansi.ini", "[Skin]\nName=Caf\xE9\nEuro=\x80 \x9F\nNum=26\n"},
        {L"cr.ini", "[Skin]\rA=1\rB=2\r\r\rC=3"},
        {L"eof.ini", "[Skin]\nA=1\x1A\n\x1A"},
        {L"zero.ini", std::string(kZeroSample, sizeof(kZeroSample) - 1)},
        {L"nosection.ini", "A=1\nB=2\n"},
        {L"empty.ini", ""}};
    ProfileFile file;
    const auto found = samples.find(fileName);
    if (found != samples.end()) {
        file.Parse(found->second);
    }
    return file;
}

std::wstring Text(const ProfileFile& file, const wchar_t* section, const wchar_t* key,
                  size_t capacity = 260) {
    return file.GetString(section, key, L"(default)", capacity);
}

TEST(ProfileFile, TextsOfTheOddCases) {
    struct Case {
        const wchar_t* file;
        const wchar_t* section;
        const wchar_t* key;
        size_t capacity;
        const wchar_t* expected;
    };
    const Case cases[] = {
        // Spaces around names and values are trimmed; the first "=" ends the name.
        {L"main.ini", L"Skin", L"Color1", 260, L"FF8000"},
        {L"main.ini", L" Skin ", L" Color1 ", 260, L"FF8000"},
        {L"main.ini", L"Skin", L"Tab", 260, L"tabbed"},
        {L"main.ini", L"Skin", L"Eq", 260, L"a=b"},
        // Names compare without case.
        {L"main.ini", L"skin", L"Color2", 260, L"abc"},
        // Quotes are removed only in matching pairs.
        {L"main.ini", L"Skin", L"Quoted", 260, L"  spaced  "},
        {L"main.ini", L"Skin", L"Single", 260, L"x"},
        {L"main.ini", L"Skin", L"Half", 260, L"\"open"},
        {L"main.ini", L"Skin", L"Mixed", 260, L"\"abc'"},
        // Values are cut to the buffer; the closing quote of "abc" goes only when the cut text
        // still holds it.
        {L"main.ini", L"Skin", L"Color1", 4, L"FF8"},
        {L"main.ini", L"Skin", L"Color1", 0, L""},
        {L"main.ini", L"Skin", L"Short", 3, L"ab"},
        {L"main.ini", L"Skin", L"Short", 4, L"ab"},
        {L"main.ini", L"Skin", L"Short", 5, L"abc"},
        // Missing things give the default; an empty value is a value.
        {L"main.ini", L"Skin", L"Missing", 260, L"(default)"},
        {L"main.ini", L"Nope", L"Color1", 260, L"(default)"},
        {L"main.ini", L"Skin", L"NoEquals", 260, L"(default)"},
        {L"main.ini", L"Skin", L"Empty", 260, L""},
        // The first section and the first key win; a second "[skin]" is never searched.
        {L"main.ini", L"Skin", L"Dup", 260, L"first"},
        {L"main.ini", L"Other", L"Color1", 260, L"000000"},
        {L"main.ini", L"Skin", L"Later", 260, L"(default)"},
        // Keys before the first section lie in the nameless one; comments are ordinary keys.
        {L"main.ini", L"", L"top", 260, L"before any section"},
        {L"main.ini", L"Skin", L";Commented", 260, L"1"},
        // "[Broken" has no "]": it is a key of "Skin", and the keys after it stay in "Skin".
        {L"main.ini", L"Skin", L"BrokenKey", 260, L"1"},
        {L"main.ini", L"[Broken", L"BrokenKey", 260, L"(default)"},
        // Blanks inside the brackets go; text after the "]" is ignored; the last "]" ends it.
        {L"main.ini", L"Spaced", L"Key", 260, L"v"},
        {L"main.ini", L"Tail", L"Key", 260, L"t"},
        {L"main.ini", L"A]B", L"Key", 260, L"ab"},
        // Encodings; without the mark, UTF-8 is read in the ANSI code page.
        {L"utf16le.ini", L"Skin", L"Name", 260, L"Wide"},
        {L"utf16be.ini", L"Skin", L"Name", 260, L"Big"},
        {L"utf8bom.ini", L"Skin", L"Name", 260, L"Caf\u00E9"},
        {L"utf8plain.ini", L"Skin", L"Name", 260, L"Caf\u00C3\u00A9"},
        {L"ansi.ini", L"Skin", L"Name", 260, L"Caf\u00E9"},
        {L"ansi.ini", L"Skin", L"Euro", 260, L"\u20AC \u0178"},
        // Line ends and control characters (0x1A counts as a blank).
        {L"cr.ini", L"Skin", L"A", 260, L"1"},
        {L"cr.ini", L"Skin", L"C", 260, L"3"},
        {L"eof.ini", L"Skin", L"A", 260, L"1"},
        {L"zero.ini", L"Skin", L"A", 260, L"ab"},
        {L"zero.ini", L"Skin", L"B", 260, L"2"},
        {L"nosection.ini", L"", L"B", 260, L"2"},
        {L"nosection.ini", L"Skin", L"B", 260, L"(default)"},
        {L"empty.ini", L"Skin", L"A", 260, L"(default)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Text(Parsed(c.file), c.section, c.key, c.capacity), c.expected)
            << ToUtf8(c.file) << " [" << ToUtf8(c.section) << "] " << ToUtf8(c.key) << " "
            << c.capacity;
    }
    // Trailing spaces of the default go; the default is cut to the buffer too.
    const ProfileFile file = Parsed(L"main.ini");
    EXPECT_EQ(file.GetString(L"Skin", L"Missing", L"def  ", 260), L"def");
    EXPECT_EQ(file.GetString(L"Skin", L"Missing", L"default", 4), L"def");
    EXPECT_EQ(Parsed(L"utf16le.ini").GetInt(L"Skin", L"Num", 0), 23u);
}

TEST(ProfileFile, Numbers) {
    const ProfileFile file = Parsed(L"main.ini");
    // N4: only a lower-case "x" makes hexadecimal; N10: 2^32 + 1 wraps; N12: read with 30
    // characters, 28 zeros and "1".
    const std::pair<const wchar_t*, int32_t> cases[] = {
        {L"N1", 42}, {L"N2", -7},   {L"N3", 31}, {L"N4", 0},     {L"N5", 5},       {L"N6", 15},
        {L"N7", 12}, {L"N8", 0},    {L"N9", 9},  {L"N10", 1},    {L"N11", 77},     {L"N12", 1},
        {L"N13", 0}, {L"N14", -16}, {L"N15", 8}, {L"Empty", 16}, {L"Missing", 16}, {L"Quoted", 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(static_cast<int32_t>(file.GetInt(L"Skin", c.first, 16)), c.second)
            << ToUtf8(c.first);
    }
}

TEST(ProfileFile, ReadsFilesThroughThePlatformSeam) {
    test::TempFolder folder;
    const std::wstring path = folder.File(L"seam.ini");
    ASSERT_TRUE(test::WriteWholeFile(path, MainSampleBytes()));
    EXPECT_EQ(ReadProfileString(path.c_str(), L"Skin", L"Color1", L"", 260), L"FF8000");
    EXPECT_EQ(ReadProfileString(path.c_str(), L"Skin", L"Short", L"", 4), L"ab");
    EXPECT_EQ(ReadProfileInt(path.c_str(), L"Skin", L"N3", 16), 31u);
    const std::wstring missing = folder.File(L"missing.ini");
    EXPECT_EQ(ReadProfileString(missing.c_str(), L"Skin", L"Color1", L"none", 260), L"none");
    EXPECT_EQ(static_cast<int32_t>(ReadProfileInt(missing.c_str(), L"Skin", L"N1", -3)), -3);
}

}  // namespace
}  // namespace zentrova
