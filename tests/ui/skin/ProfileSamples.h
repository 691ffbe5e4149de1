// INI files with the odd cases of the profile functions.
#pragma once

#include <string>
#include <vector>

namespace zentrova::test {

struct ProfileSample {
    const wchar_t* fileName;
    std::string bytes;
};

// UTF-16 little- or big-endian bytes of ASCII text, with the byte order mark.
inline std::string Utf16Bytes(const std::string& ascii, bool bigEndian) {
    std::string bytes = bigEndian ? std::string("\xFE\xFF", 2) : std::string("\xFF\xFE", 2);
    for (const char c : ascii) {
        bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    }
    return bytes;
}

// The main sample: spaces, comments, case, quotes, duplicates, broken headers, numbers.
inline std::string MainSampleBytes() {
    return "; a comment line\r\n"
           "top=before any section\r\n"
           "\r\n"
           "[Skin]\r\n"
           "  Color1 = FF8000   \r\n"
           "color2=abc\r\n"
           "Quoted=\"  spaced  \"\r\n"
           "Single='x'\r\n"
           "Half=\"open\r\n"
           "Mixed=\"abc'\r\n"
           "Short=\"abc\"\r\n"
           "Empty=\r\n"
           "NoEquals\r\n"
           ";Commented=1\r\n"
           "Dup=first\r\n"
           "DUP=second\r\n"
           "Tab\t=\ttabbed\t\r\n"
           "Eq=a=b\r\n"
           "[Broken\r\n"
           "BrokenKey=1\r\n"
           "N1=42\r\n"
           "N2=-7\r\n"
           "N3=0x1F\r\n"
           "N4=0X1F\r\n"
           "N5=0b101\r\n"
           "N6=0o17\r\n"
           "N7=12abc\r\n"
           "N8=abc\r\n"
           "N9=+9\r\n"
           "N10=4294967297\r\n"
           "N11=\"77\"\r\n"
           "N12=000000000000000000000000000012345\r\n"
           "N13=0x\r\n"
           "N14=-0x10\r\n"
           "N15= 8 9\r\n"
           "=lonely\r\n"
           "[Other]\r\n"
           "Color1=000000\r\n"
           "[skin]\r\n"
           "Later=only in the second Skin section\r\n"
           "[ Spaced ]\r\n"
           "Key=v\r\n"
           "[Tail] trailing text\r\n"
           "Key=t\r\n"
           "[A]B]\r\n"
           "Key=ab\r\n";
}

inline constexpr char kZeroSample[] = "[Skin]\nA=ab\0cd\nB=2\n";

inline std::vector<ProfileSample> ProfileSamples() {
    return {
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
        {L"empty.ini", ""},
    };
}

}  // namespace zentrova::test
