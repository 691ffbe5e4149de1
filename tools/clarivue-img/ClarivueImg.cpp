#include "tools/clarivue-img/ClarivueImg.h"

#include <cstdio>
#include <string>

#include "codecs/ZImageCodecBmp.h"
#include "codecs/ZImageCodecJpg.h"
#include "codecs/ZImageCodecPng.h"
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
    "  convert [OPTIONS] IN OUT\n"
    "                    read IN and write OUT in the format its extension names\n"
    "                    (.bmp .jpg .png, for both); BMP and PNG keep depth and\n"
    "                    palette, JPEG is written as colour\n"
    "      --quality N   JPEG quality 1-100 (default 90; optimised, with the\n"
    "                    comment 'Zentrova Clarivue 2.1')\n"
    "      --progressive progressive JPEG (default baseline)\n"
    "      --interlace   Adam7-interlaced PNG (default not interlaced)\n"
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

struct ConvertOptions {
    int quality = jpg::kDefaultQuality;
    bool progressive = jpg::kDefaultProgressive;
    bool interlace = png::kDefaultInterlace;
};

// Parses "--quality N" into quality; false when N is not a number from 1 to 100.
bool ParseQuality(const std::wstring& text, int& quality) {
    if (text.empty() || text.size() > 3) {
        return false;
    }
    int value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') {
            return false;
        }
        value = value * 10 + (c - L'0');
    }
    if (value < 1 || value > 100) {
        return false;
    }
    quality = value;
    return true;
}

int Convert(const std::wstring& in, const std::wstring& out, const ConvertOptions& options) {
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
    if (EqualsNoCase(extension, L"jpg")) {
        if (!WriteJpg(out.c_str(), image, errorText, kMaxPathChars, options.quality,
                      jpg::kDefaultOptimize, jpg::kDefaultSmoothing, options.progressive,
                      jpg::kDefaultComment)) {
            return Fail(0, errorText);
        }
        return 0;
    }
    if (EqualsNoCase(extension, L"png")) {
        if (!WritePng(out.c_str(), image, errorText, kMaxPathChars, options.interlace)) {
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
        ConvertOptions options;
        std::vector<std::wstring> files;
        for (size_t i = 1; i < args.size(); ++i) {
            if (args[i] == L"--quality") {
                if (i + 1 >= args.size() || !ParseQuality(args[i + 1], options.quality)) {
                    return Usage("--quality takes a number from 1 to 100");
                }
                ++i;
            } else if (args[i] == L"--progressive") {
                options.progressive = true;
            } else if (args[i] == L"--interlace") {
                options.interlace = true;
            } else if (args[i].size() > 2 && args[i].compare(0, 2, L"--") == 0) {
                return Usage("unknown option");
            } else {
                files.push_back(args[i]);
            }
        }
        if (files.size() != 2) {
            return Usage("convert takes an input and an output file");
        }
        return Convert(files[0], files[1], options);
    }
    return Usage("unknown command");
}

}  // namespace zentrova
