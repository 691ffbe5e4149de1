#include "tools/clarivue-img/ClarivueImg.h"

#include <cstdio>
#include <string>

#include "codecs/ZImageCodecJpg.h"
#include "codecs/ZImageCodecPng.h"
#include "codecs/ZPdfExport.h"
#include "core/WideText.h"
#include "tools/clarivue-img/CommandSupport.h"
#include "tools/clarivue-img/ImageCommands.h"

namespace zentrova {

namespace {

using img::Arguments;

int Info(const std::wstring& path) {
    ZImage image;
    int status = 1;
    if (!img::LoadPicture(image, path, status)) {
        return status;
    }
    std::printf("%u %u %u %d %d %d\n", image.GetWidth(), image.GetHeight(),
                static_cast<unsigned>(image.GetBitsPerPixel()), image.dpiX, image.dpiY,
                image.hasTransparentIndex ? static_cast<int>(image.transparentIndex) : -1);
    return 0;
}

int Convert(const Arguments& args) {
    img::WriteOptions options = img::DefaultWriteOptions();
    std::vector<std::wstring> files;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == L"--quality") {
            if (i + 1 >= args.size() || !img::ParseInt(args[i + 1], 1, 100, options.quality)) {
                return img::Usage("--quality takes a number from 1 to 100");
            }
            ++i;
        } else if (args[i] == L"--progressive") {
            options.progressive = true;
        } else if (args[i] == L"--interlace") {
            options.interlace = true;
        } else if (args[i].size() > 2 && args[i].compare(0, 2, L"--") == 0) {
            return img::Usage("unknown option");
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2) {
        return img::Usage("convert takes an input and an output file");
    }
    ZImage image;
    int status = 1;
    if (!img::LoadPicture(image, files[0], status) ||
        !img::SavePicture(image, files[1], options, status)) {
        return status;
    }
    return 0;
}

// The PDF export of the editor, for batch use.
int Pdf(const std::wstring& in, const std::wstring& out) {
    ZImage image;
    int status = 1;
    if (!img::LoadPicture(image, in, status)) {
        return status;
    }
    wchar_t errorText[kMaxPathChars] = L"";
    return ExportPdf(out.c_str(), image, errorText, kMaxPathChars) ? 0 : img::Fail(0, errorText);
}

}  // namespace

int RunClarivueImg(const std::vector<std::wstring>& args) {
    if (args.empty()) {
        return img::Usage("no command given");
    }
    const std::wstring& command = args[0];
    const Arguments rest(args.begin() + 1, args.end());
    if (command == L"--help" || command == L"-h" || command == L"help") {
        std::fputs(img::UsageText(), stdout);
        return 0;
    }
    if (command == L"info") {
        return rest.size() == 1 ? Info(rest[0]) : img::Usage("info takes one file");
    }
    if (command == L"convert") {
        return Convert(rest);
    }
    if (command == L"resize") {
        return img::RunResize(rest);
    }
    if (command == L"display-resize") {
        return img::RunDisplayResize(rest);
    }
    if (command == L"effect") {
        return img::RunEffect(rest);
    }
    if (command == L"finish") {
        return img::RunFinish(rest);
    }
    if (command == L"blend") {
        return img::RunBlend(rest);
    }
    if (command == L"premultiply") {
        return img::RunPremultiply(rest);
    }
    if (command == L"replace" || command == L"replace-all-but") {
        return img::RunReplace(rest, command == L"replace-all-but");
    }
    if (command == L"pdf") {
        return rest.size() == 2 ? Pdf(rest[0], rest[1]) : img::Usage("pdf takes IN and OUT");
    }
    if (command == L"gradient") {
        return img::RunGradient(rest);
    }
    return img::Usage("unknown command");
}

}  // namespace zentrova
