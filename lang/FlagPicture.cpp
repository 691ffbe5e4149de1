#include "lang/FlagPicture.h"

#include "config/JoinPath.h"

namespace zentrova {

namespace {

constexpr size_t kMaxFlagTagChars = 31;

std::wstring FlagFile(const std::wstring& programFolder, const std::wstring& name) {
    return JoinPath(JoinPath(programFolder, kFlagsFolderName), (name + L".bmp").c_str());
}

}  // namespace

bool IsFlagTag(const wchar_t* tag) {
    if (tag == nullptr || tag[0] == L'\0') {
        return false;
    }
    size_t length = 0;
    for (; tag[length] != L'\0'; ++length) {
        const wchar_t c = tag[length];
        const bool allowed = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') ||
                             (c >= L'0' && c <= L'9') || c == L'-';
        if (!allowed || length >= kMaxFlagTagChars) {
            return false;
        }
    }
    return true;
}

std::wstring FlagPicturePath(const std::wstring& programFolder, const wchar_t* tag) {
    return IsFlagTag(tag) ? FlagFile(programFolder, tag) : UnknownFlagPicturePath(programFolder);
}

std::wstring UnknownFlagPicturePath(const std::wstring& programFolder) {
    return FlagFile(programFolder, kUnknownFlagName);
}

}  // namespace zentrova
