// The portable profile reader: the values the profile functions give for odd INI files.
#include <gtest/gtest.h>

#include <string>

#include "core/FileSystem.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/skin/ProfileSamples.h"
#include "ui/skin/Profile.h"
#include "ui/skin/ProfileFile.h"

namespace zentrova {
namespace {

using test::ProfileSample;

ProfileFile Parsed(const std::wstring& fileName) {
    ProfileFile file;
    for (const ProfileSample& sample : test::ProfileSamples()) {
        if (fileName == sample.fileName) {
            file.Parse(sample.bytes);
        }
    }
    return file;
}

std::wstring Text(const ProfileFile& file, const wchar_t* section, const wchar_t* key,
                  size_t capacity = 260) {
    return file.GetString(section, key, L"(default)", capacity);
}

TEST(ProfileFile, SpacesAroundNamesAndValuesAreTrimmed) {
    const ProfileFile file = Parsed(L"main.ini");
    EXPECT_EQ(Text(file, L"Skin", L"Color1"), L"FF8000");
    EXPECT_EQ(Text(file, L" Skin ", L" Color1 "), L"FF8000");
    EXPECT_EQ(Text(file, L"Skin", L"Tab"), L"tabbed");
    EXPECT_EQ(Text(file, L"Skin", L"Eq"), L"a=b");  // the first "=" ends the name
}

TEST(ProfileFile, NamesCompareWithoutCase) {
    const ProfileFile file = Parsed(L"main.ini");
    EXPECT_EQ(Text(file, L"SKIN", L"COLOR1"), L"FF8000");
    EXPECT_EQ(Text(file, L"skin", L"Color2"), L"abc");
}

TEST(ProfileFile, QuotesAreRemovedOnlyInMatchingPairs) {
    const ProfileFile file = Parsed(L"main.ini");
    EXPECT_EQ(Text(file, L"Skin", L"Quoted"), L"  spaced  ");
    EXPECT_EQ(Text(file, L"Skin", L"Single"), L"x");
    EXPECT_EQ(Text(file, L"Skin", L"Half"), L"\"open");
    EXPECT_EQ(Text(file, L"Skin", L"Mixed"), L"\"abc'");
}

TEST(ProfileFile, ValuesAreCutToTheBuffer) {
    const ProfileFile file = Parsed(L"main.ini");
    EXPECT_EQ(Text(file, L"Skin", L"Color1", 4), L"FF8");
    EXPECT_EQ(Text(file, L"Skin", L"Color1", 1), L"");
    EXPECT_EQ(Text(file, L"Skin", L"Color1", 0), L"");
    // "abc" in quotes: the closing quote goes only when the cut text still holds it.
    EXPECT_EQ(Text(file, L"Skin", L"Short", 3), L"ab");
    EXPECT_EQ(Text(file, L"Skin", L"Short", 4), L"ab");
    EXPECT_EQ(Text(file, L"Skin", L"Short", 5), L"abc");
    EXPECT_EQ(Text(file, L"Skin", L"Short", 6), L"abc");
}

TEST(ProfileFile, MissingThingsGiveTheDefault) {
    const ProfileFile file = Parsed(L"main.ini");
    EXPECT_EQ(Text(file, L"Skin", L"Missing"), L"(default)");
    EXPECT_EQ(Text(file, L"Nope", L"Color1"), L"(default)");
    EXPECT_EQ(Text(file, L"Skin", L"NoEquals"), L"(default)");
    // An empty value is a value.
    EXPECT_EQ(Text(file, L"Skin", L"Empty"), L"");
    // Trailing spaces of the default go.
    EXPECT_EQ(file.GetString(L"Skin", L"Missing", L"def  ", 260), L"def");
    EXPECT_EQ(file.GetString(L"Skin", L"Missing", L"default", 4), L"def");
}

TEST(ProfileFile, FirstSectionAndFirstKeyWin) {
    const ProfileFile file = Parsed(L"main.ini");
    EXPECT_EQ(Text(file, L"Skin", L"Dup"), L"first");
    EXPECT_EQ(Text(file, L"Other", L"Color1"), L"000000");
    // A second "[skin]" section is never searched.
    EXPECT_EQ(Text(file, L"Skin", L"Later"), L"(default)");
}

TEST(ProfileFile, SectionHeaders) {
    const ProfileFile file = Parsed(L"main.ini");
    // Keys before the first section lie in the nameless one.
    EXPECT_EQ(Text(file, L"", L"top"), L"before any section");
    // Comments are ordinary keys.
    EXPECT_EQ(Text(file, L"", L"; a comment line"), L"(default)");
    EXPECT_EQ(Text(file, L"Skin", L";Commented"), L"1");
    // "[Broken" has no "]": it is a key of "Skin", and the keys after it stay in "Skin".
    EXPECT_EQ(Text(file, L"Skin", L"BrokenKey"), L"1");
    EXPECT_EQ(Text(file, L"[Broken", L"BrokenKey"), L"(default)");
    // Blanks inside the brackets go.
    EXPECT_EQ(Text(file, L"Spaced", L"Key"), L"v");
    EXPECT_EQ(Text(file, L" Spaced ", L"Key"), L"v");
    // Text after the "]" is ignored; the last "]" ends the name.
    EXPECT_EQ(Text(file, L"Tail", L"Key"), L"t");
    EXPECT_EQ(Text(file, L"A]B", L"Key"), L"ab");
}

TEST(ProfileFile, Numbers) {
    const ProfileFile file = Parsed(L"main.ini");
    auto number = [&file](const wchar_t* key) { return file.GetInt(L"Skin", key, 16); };
    EXPECT_EQ(number(L"N1"), 42u);
    EXPECT_EQ(static_cast<int32_t>(number(L"N2")), -7);
    EXPECT_EQ(number(L"N3"), 31u);
    EXPECT_EQ(number(L"N4"), 0u);  // only a lower-case "x" makes hexadecimal
    EXPECT_EQ(number(L"N5"), 5u);
    EXPECT_EQ(number(L"N6"), 15u);
    EXPECT_EQ(number(L"N7"), 12u);
    EXPECT_EQ(number(L"N8"), 0u);
    EXPECT_EQ(number(L"N9"), 9u);
    EXPECT_EQ(number(L"N10"), 1u);  // 2^32 + 1 wraps
    EXPECT_EQ(number(L"N11"), 77u);
    EXPECT_EQ(number(L"N12"), 1u);  // read with 30 characters: 28 zeros and "1"
    EXPECT_EQ(number(L"N13"), 0u);
    EXPECT_EQ(static_cast<int32_t>(number(L"N14")), -16);
    EXPECT_EQ(number(L"N15"), 8u);
    EXPECT_EQ(number(L"Empty"), 16u);
    EXPECT_EQ(number(L"Missing"), 16u);
    EXPECT_EQ(number(L"Quoted"), 0u);
}

TEST(ProfileFile, Encodings) {
    EXPECT_EQ(Text(Parsed(L"utf16le.ini"), L"Skin", L"Name"), L"Wide");
    EXPECT_EQ(Parsed(L"utf16le.ini").GetInt(L"Skin", L"Num", 0), 23u);
    EXPECT_EQ(Text(Parsed(L"utf16be.ini"), L"Skin", L"Name"), L"Big");
    EXPECT_EQ(Text(Parsed(L"utf16be.ini"), L"Skin", L"Color"), L"0000FF");
    EXPECT_EQ(Text(Parsed(L"utf8bom.ini"), L"Skin", L"Name"), L"Caf\u00E9");
    // Without the mark, UTF-8 is read in the ANSI code page.
    EXPECT_EQ(Text(Parsed(L"utf8plain.ini"), L"Skin", L"Name"), L"Caf\u00C3\u00A9");
    EXPECT_EQ(Text(Parsed(L"ansi.ini"), L"Skin", L"Name"), L"Caf\u00E9");
    EXPECT_EQ(Text(Parsed(L"ansi.ini"), L"Skin", L"Euro"), L"\u20AC \u0178");
}

TEST(ProfileFile, LineEndsAndControlCharacters) {
    const ProfileFile cr = Parsed(L"cr.ini");
    EXPECT_EQ(Text(cr, L"Skin", L"A"), L"1");
    EXPECT_EQ(Text(cr, L"Skin", L"B"), L"2");
    EXPECT_EQ(Text(cr, L"Skin", L"C"), L"3");
    EXPECT_EQ(Text(Parsed(L"eof.ini"), L"Skin", L"A"), L"1");  // 0x1A counts as a blank
    const ProfileFile zero = Parsed(L"zero.ini");
    EXPECT_EQ(Text(zero, L"Skin", L"A"), L"ab");
    EXPECT_EQ(Text(zero, L"Skin", L"B"), L"2");
    EXPECT_EQ(Text(Parsed(L"nosection.ini"), L"", L"B"), L"2");
    EXPECT_EQ(Text(Parsed(L"nosection.ini"), L"Skin", L"B"), L"(default)");
    EXPECT_EQ(Text(Parsed(L"empty.ini"), L"Skin", L"A"), L"(default)");
}

TEST(ProfileFile, ReadsFilesThroughThePlatformSeam) {
    test::TempFolder folder;
    const std::wstring path = folder.File(L"seam.ini");
    ASSERT_TRUE(test::WriteWholeFile(path, test::MainSampleBytes()));
    EXPECT_EQ(ReadProfileString(path.c_str(), L"Skin", L"Color1", L"", 260), L"FF8000");
    EXPECT_EQ(ReadProfileString(path.c_str(), L"Skin", L"Short", L"", 4), L"ab");
    EXPECT_EQ(ReadProfileInt(path.c_str(), L"Skin", L"N3", 16), 31u);
    EXPECT_EQ(ReadProfileInt(path.c_str(), L"Skin", L"Missing", 16), 16u);
    const std::wstring missing = folder.File(L"missing.ini");
    EXPECT_EQ(ReadProfileString(missing.c_str(), L"Skin", L"Color1", L"none", 260), L"none");
    EXPECT_EQ(ReadProfileInt(missing.c_str(), L"Skin", L"N1", 16), 16u);
    EXPECT_EQ(static_cast<int32_t>(ReadProfileInt(missing.c_str(), L"Skin", L"N1", -3)), -3);
}

}  // namespace
}  // namespace zentrova
