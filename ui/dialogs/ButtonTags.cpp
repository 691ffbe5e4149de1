#include "ui/dialogs/ButtonTags.h"

#include <cwchar>

namespace zentrova {

namespace {

constexpr const wchar_t* kTags[kButtonTagCount] = {
    L"<Ok>",   L"<Cancel>",  L"<Down>", L"<Up>",    L"<Browse>", L"<DelAll>",    L"<DelSel>",
    L"<Help>", L"<Refresh>", L"<Add>",  L"<Color>", L"<GoTo>",   L"<CopyFiles>", L"<MoveFiles>",
    L"<Edit>", L"<Copy>",    L"<Font>", L"<Zoom>",  L"<Crop>",
};

}  // namespace

const wchar_t* ButtonTagText(int index) {
    if (index < 0 || index >= kButtonTagCount) {
        return L"";
    }
    return kTags[index];
}

int FindButtonTag(const wchar_t* caption, size_t* tagLength) {
    if (caption == nullptr || caption[0] != L'<') {
        return -1;
    }
    for (int i = 0; i < kButtonTagCount; ++i) {
        const size_t length = std::wcslen(kTags[i]);
        if (std::wcsncmp(caption, kTags[i], length) == 0) {
            if (tagLength != nullptr) {
                *tagLength = length;
            }
            return i;
        }
    }
    return -1;
}

std::wstring TaggedCaption(int index, const wchar_t* caption) {
    std::wstring text = ButtonTagText(index);
    if (caption != nullptr) {
        size_t length = 0;
        while (length < kTagCaptionChars && caption[length] != L'\0') {
            ++length;
        }
        text.append(caption, length);
    }
    return text;
}

}  // namespace zentrova
