#include "tools/clarivue-img/ClarivueImg.h"

#include <cstdio>
#include <string>

#include "codecs/ZImageCodecBmp.h"
#include "core/ErrorText.h"
#include "core/LoadImage.h"
#include "core/WideText.h"
#include "image/ZImage.h"

namespace zentrova {

namespace {

constexpr const char* kUsage =
    "usage: clarivue-img COMMAND ARGUMENTS\n"
    "\n"
    "Commands:\n"
    "  info FILE         print one line: WIDTH HEIGHT BITS DPIX DPIY TRANSPARENT\n"
    "                    (TRANSPARENT is the transparent palette index, or -1)\n"
    "  convert IN OUT    read IN and write OUT in the format its extension names,\n"
    "                    keeping depth and palette; readable: .bmp .jpg .png,\n"
    "                    writable: .bmp\n"
    "  --help            show this text\n"
    "\n"
    "On failure the exit status is 1 and the first line on stderr is\n"
    "'error CODE: TEXT' (CODE is the reader's error code, 0 for a write failure).\n";

int Fail(uint32_t code, const std::wstring& text) {
    std::fprintf(stderr, "error %u: %s\n", code, ToUtf8(text).c_str());
    return 1;
}

int Usage(const char* problem) {
    std::fprintf(stderr, "error 0: %s\n%s", problem, kUsage);
    return 1;
}

bool Load(ZImage& image, const std::wstring& path, uint32_t& code) {
    code = 0;
    return LoadImageFromFile(image, path.c_str(), &code);
}

std::wstring ExtensionOf(const std::wstring& path) {
    const size_t dot = path.rfind(L'.');
    const size_t slash = path.find_last_of(L"/\\");
    if (dot == std::wstring::npos || (slash != std::wstring::npos && slash > dot)) {
        return std::wstring();
    }
    return path.substr(dot + 1);
}

int Info(const std::wstring& path) {
    ZImage image;
    uint32_t code = 0;
    if (!Load(image, path, code)) {
        return Fail(code, DescribeErrorCode(code));
    }
    std::printf("%u %u %u %d %d %d\n", image.GetWidth(), image.GetHeight(),
                static_cast<unsigned>(image.GetBitsPerPixel()), image.dpiX, image.dpiY,
                image.hasTransparentIndex ? static_cast<int>(image.transparentIndex) : -1);
    return 0;
}

int Convert(const std::wstring& in, const std::wstring& out) {
    ZImage image;
    uint32_t code = 0;
    if (!Load(image, in, code)) {
        return Fail(code, DescribeErrorCode(code));
    }
    const std::wstring extension = ExtensionOf(out);
    wchar_t errorText[kMaxPathChars] = L"";
    if (EqualsNoCase(extension, L"bmp")) {
        if (!WriteBmp(out.c_str(), image, errorText, kMaxPathChars)) {
            return Fail(0, errorText);
        }
        return 0;
    }
    return Fail(0, L"cannot write files of type '." + extension + L"'");
}

}  // namespace

int RunClarivueImg(const std::vector<std::wstring>& args) {
    if (args.empty()) {
        return Usage("no command given");
    }
    const std::wstring& command = args[0];
    if (command == L"--help" || command == L"-h" || command == L"help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == L"info") {
        if (args.size() != 2) {
            return Usage("info takes one file");
        }
        return Info(args[1]);
    }
    if (command == L"convert") {
        if (args.size() != 3) {
            return Usage("convert takes an input and an output file");
        }
        return Convert(args[1], args[2]);
    }
    return Usage("unknown command");
}

}  // namespace zentrova
