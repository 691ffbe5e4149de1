#include "core/LoadImage.h"

#include <string>

#include "codecs/ZImageCodecBmp.h"
#include "codecs/ZImageCodecJpg.h"
#include "codecs/ZImageCodecPng.h"
#include "core/FileSystem.h"
#include "core/WideText.h"
#include "core/ZError.h"

namespace zentrova {

bool LoadImageFromFile(ZImage& image, const wchar_t* path, uint32_t* errorCode) {
    using namespace load_image;
    if (path == nullptr || *path == L'\0' || !PathExists(path)) {
        return ZError(errorCode, kErrorNotFound, kModule, kLine);
    }
    const std::wstring text(path);
    const size_t dot = text.rfind(L'.');
    std::wstring extension = dot == std::wstring::npos ? std::wstring() : text.substr(dot + 1);
    if (extension.size() > kMaxExtensionChars) {
        extension.resize(kMaxExtensionChars);
    }
    if (EqualsNoCase(extension, L"bmp")) {
        return ReadBmp(image, path, errorCode);
    }
    if (EqualsNoCase(extension, L"jpg")) {
        return ReadJpg(image, path, errorCode);
    }
    if (EqualsNoCase(extension, L"png")) {
        return ReadPng(image, path, errorCode);
    }
    return ZError(errorCode, kErrorExtension, kModule, kLine);
}

}  // namespace zentrova
