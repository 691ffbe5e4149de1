#include "tools/clarivue-img/CommandSupport.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "codecs/ZImageCodecBmp.h"
#include "codecs/ZImageCodecJpg.h"
#include "codecs/ZImageCodecPng.h"
#include "core/ErrorText.h"
#include "core/LoadImage.h"
#include "core/WideText.h"

namespace zentrova::img {

namespace {

constexpr const char* kUsage =
    "usage: clarivue-img COMMAND ARGUMENTS\n"
    "\n"
    "Pictures are read from .bmp, .jpg and .png files and written in the format the\n"
    "output's extension names. Colours are written RRGGBB in hexadecimal (FF8000 is\n"
    "orange).\n"
    "\n"
    "Commands:\n"
    "  info FILE         print one line: WIDTH HEIGHT BITS DPIX DPIY TRANSPARENT\n"
    "                    (TRANSPARENT is the transparent palette index, or -1)\n"
    "  convert [OPTIONS] IN OUT\n"
    "                    read IN and write OUT; BMP and PNG keep depth and\n"
    "                    palette, JPEG is written as colour\n"
    "      --quality N   JPEG quality 1-100 (default 90; optimised, with the\n"
    "                    comment 'Zentrova Clarivue 2.1')\n"
    "      --progressive progressive JPEG (default baseline)\n"
    "      --interlace   Adam7-interlaced PNG (default not interlaced)\n"
    "  resize IN OUT W H FILTER\n"
    "                    resample to W x H; FILTER 0 nearest, 1 box, 2 bicubic,\n"
    "                    3 Gaussian, 4 bilinear\n"
    "  display-resize IN OUT W H\n"
    "                    resample to W x H with the area-average display resampler\n"
    "  effect IN OUT NAME [ARGS...]\n"
    "                    apply one effect:\n"
    "      dropshadow SHADOW BACKGROUND DIRECTION DITHER INTENSITY OFFSET PLAIN\n"
    "      filter INDEX          neighbourhood filter 1-12\n"
    "      pixelize SIZE         blocks of SIZE x SIZE pixels\n"
    "      boxblur RADIUS PASSES\n"
    "      spinblur ANGLE\n"
    "      buttonize WIDTH STRENGTH   (STRENGTH 0-1)\n"
    "      grayscale             grey, written as 24 bits\n"
    "      pencil                pencil drawing\n"
    "      invert\n"
    "      offset DR DG DB       add to red, green, blue\n"
    "      mirror | rotate-left | rotate-right | flip\n"
    "      canvas W H ANCHOR FILL   ANCHOR 0-8: top-left, top, top-right, left,\n"
    "                            centre, right, bottom-left, bottom, bottom-right\n"
    "  finish IN OUT [--mode 0-7] [--cursor X,Y] [--program-folder DIR] [NAME=VALUE ...]\n"
    "                    run the capture finishing (cursor, shape, drop shadow,\n"
    "                    fader) with capture settings given by their registry names,\n"
    "                    e.g. CaptureShapeType=7 CaptureShapeFader=7 (decimal or 0x hex);\n"
    "                    masks and cursor pictures come from the program folder\n"
    "                    (default: the tool's own folder)\n"
    "  blend DEST SRC MASK X Y OUT\n"
    "                    lay SRC through the 8-bit or colour MASK onto DEST with the\n"
    "                    mask's top-left at (X, Y)\n"
    "  premultiply IN OUT\n"
    "                    multiply the colours of a 32-bit picture by its alpha\n"
    "  replace IN OUT K N\n"
    "                    every pixel of colour K becomes N (24-bit pictures)\n"
    "  replace-all-but IN OUT K N\n"
    "                    every pixel not of colour K becomes N (24-bit pictures)\n"
    "  gradient OUT W H FROM TO MODE\n"
    "                    a new 24-bit picture with a gradient; MODE 0 horizontal,\n"
    "                    1 vertical, 2 diagonal, 3 radial\n"
    "  pdf IN OUT        write IN as a PDF document OUT: one picture per page, the\n"
    "                    page size by the picture's width, scaled with filter 4\n"
    "  --help            show this text\n"
    "\n"
    "On failure the exit status is 1 and the first line on stderr is\n"
    "'error CODE: TEXT' (CODE is the reader's error code, 0 for other failures).\n";

}  // namespace

int Fail(uint32_t code, const std::wstring& text) {
    std::fprintf(stderr, "error %u: %s\n", code, ToUtf8(text).c_str());
    return 1;
}

int Usage(const char* problem) {
    std::fprintf(stderr, "error 0: %s\n%s", problem, kUsage);
    return 1;
}

const char* UsageText() {
    return kUsage;
}

bool LoadPicture(ZImage& image, const std::wstring& path, int& status) {
    uint32_t code = 0;
    if (LoadImageFromFile(image, path.c_str(), &code)) {
        return true;
    }
    status = Fail(code, DescribeErrorCode(code));
    return false;
}

namespace {

std::wstring ExtensionOf(const std::wstring& path) {
    const size_t dot = path.rfind(L'.');
    const size_t slash = path.find_last_of(L"/\\");
    if (dot == std::wstring::npos || (slash != std::wstring::npos && slash > dot)) {
        return std::wstring();
    }
    return path.substr(dot + 1);
}

}  // namespace

WriteOptions DefaultWriteOptions() {
    return WriteOptions{jpg::kDefaultQuality, jpg::kDefaultProgressive, png::kDefaultInterlace};
}

bool SavePicture(const ZImage& image, const std::wstring& path, const WriteOptions& options,
                 int& status) {
    const std::wstring extension = ExtensionOf(path);
    wchar_t errorText[kMaxPathChars] = L"";
    bool written = false;
    if (EqualsNoCase(extension, L"bmp")) {
        written = WriteBmp(path.c_str(), image, errorText, kMaxPathChars);
    } else if (EqualsNoCase(extension, L"jpg") || EqualsNoCase(extension, L"jpeg")) {
        written = WriteJpg(path.c_str(), image, errorText, kMaxPathChars, options.quality,
                           jpg::kDefaultOptimize, jpg::kDefaultSmoothing, options.progressive,
                           jpg::kDefaultComment);
    } else if (EqualsNoCase(extension, L"png")) {
        written = WritePng(path.c_str(), image, errorText, kMaxPathChars, options.interlace);
    } else {
        status = Fail(0, L"cannot write files of type '." + extension + L"'");
        return false;
    }
    if (!written) {
        status = Fail(0, errorText);
    }
    return written;
}

bool SavePicture(const ZImage& image, const std::wstring& path, int& status) {
    return SavePicture(image, path, DefaultWriteOptions(), status);
}

int TransformPicture(const std::wstring& in, const std::wstring& out, const std::wstring& what,
                     const std::function<bool(ZImage&)>& operation) {
    ZImage image;
    int status = 1;
    if (!LoadPicture(image, in, status)) {
        return status;
    }
    if (!operation(image)) {
        return Fail(0, what + L" failed (unsupported picture or arguments)");
    }
    return SavePicture(image, out, status) ? 0 : status;
}

bool ParseInt(const std::wstring& text, int minimum, int maximum, int& value) {
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == L'-';
    if (negative) {
        i = 1;
    }
    if (i >= text.size() || text.size() - i > 9) {
        return false;  // empty, or too long to be in any range we take
    }
    long long result = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9') {
            return false;
        }
        result = result * 10 + (text[i] - L'0');
    }
    if (negative) {
        result = -result;
    }
    if (result < minimum || result > maximum) {
        return false;
    }
    value = static_cast<int>(result);
    return true;
}

bool ParseNumber(const std::wstring& text, double minimum, double maximum, double& value) {
    if (text.empty() || text.size() > 32) {
        return false;
    }
    for (wchar_t c : text) {
        if (!((c >= L'0' && c <= L'9') || c == L'.' || c == L'-' || c == L'+')) {
            return false;  // no exponents, hexadecimal or locale-dependent forms
        }
    }
    const std::string narrow = ToUtf8(text);
    char* end = nullptr;
    const double parsed = std::strtod(narrow.c_str(), &end);
    if (end == narrow.c_str() || *end != '\0' || !std::isfinite(parsed) || parsed < minimum ||
        parsed > maximum) {
        return false;
    }
    value = parsed;
    return true;
}

bool ParseColour(const std::wstring& text, ZColor& colour) {
    if (text.size() != 6) {
        return false;
    }
    uint32_t rgb = 0;
    for (wchar_t c : text) {
        uint32_t digit = 0;
        if (c >= L'0' && c <= L'9') {
            digit = static_cast<uint32_t>(c - L'0');
        } else if (c >= L'A' && c <= L'F') {
            digit = static_cast<uint32_t>(c - L'A' + 10);
        } else if (c >= L'a' && c <= L'f') {
            digit = static_cast<uint32_t>(c - L'a' + 10);
        } else {
            return false;
        }
        rgb = rgb << 4 | digit;
    }
    const uint32_t red = rgb >> 16, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
    colour = red | green << 8 | blue << 16;
    return true;
}

}  // namespace zentrova::img
