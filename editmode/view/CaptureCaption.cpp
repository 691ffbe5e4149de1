#include "editmode/view/CaptureCaption.h"

namespace zentrova {

std::wstring CaptureDisplayName(const std::wstring& path) {
    const size_t separator = path.find_last_of(L"\\/");
    std::wstring name = separator == std::wstring::npos ? path : path.substr(separator + 1);
    const size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) {
        name.resize(dot);
    }
    return name;
}

std::wstring FormatCaptureCaption(const std::wstring& path, int32_t width, int32_t height,
                                  int32_t position, int32_t count) {
    return L"\"" + CaptureDisplayName(path) + L"\"\r\n(" + std::to_wstring(width) + L"x" +
           std::to_wstring(height) + L") : (" + std::to_wstring(position) + L"/" +
           std::to_wstring(count) + L")";
}

}  // namespace zentrova
