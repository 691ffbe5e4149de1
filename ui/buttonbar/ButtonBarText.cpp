#include "ui/buttonbar/ButtonBarText.h"

namespace zentrova {

std::wstring FormatBarClassName(const wchar_t* format, const wchar_t* guidText) {
    // The formats hold one "%ls": the GUID text goes in its place.
    std::wstring name = format != nullptr ? format : L"";
    const size_t at = name.find(L"%ls");
    if (at != std::wstring::npos) {
        name.replace(at, 3, guidText != nullptr ? guidText : L"");
    }
    if (name.size() > kBarLabelMaxChars) {
        name.resize(kBarLabelMaxChars);
    }
    return name;
}

std::vector<std::wstring> SplitBarLabels(const wchar_t* labels, uint32_t count) {
    std::vector<std::wstring> out(count);
    if (labels == nullptr) {
        return out;
    }
    uint32_t item = 0;
    for (const wchar_t* p = labels; *p != L'\0' && item < count; ++p) {
        if (*p == L'|') {
            ++item;
        } else if (out[item].size() < kBarLabelMaxChars) {
            out[item].push_back(*p);
        }
    }
    return out;
}

}  // namespace zentrova
