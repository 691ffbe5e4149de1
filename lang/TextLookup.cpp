#include "lang/TextLookup.h"

#include <algorithm>
#include <cwchar>

#include "core/WideText.h"

namespace zentrova {

const wchar_t* LookUpLanguageText(ZtvLangManHandle lang, const wchar_t* section,
                                  const wchar_t* name) {
    if (lang == nullptr || section == nullptr || name == nullptr) {
        return nullptr;
    }
    const size_t length = std::wcslen(section) + 1 + std::wcslen(name);
    if (length >= kLanguageKeyChars) {
        return nullptr;
    }
    std::wstring key(section);
    key += L'.';
    key += name;
    if (const wchar_t* text = ztvLangMan_getLocalString(lang, key.c_str(), 0)) {
        return text;
    }
    return ztvLangMan_getDefaultString(lang, key.c_str());
}

const wchar_t* GetLanguageText(ZtvLangManHandle lang, wchar_t* out, size_t capacity,
                               const wchar_t* section, const wchar_t* name,
                               const wchar_t* builtIn) {
    if (out == nullptr || capacity == 0) {
        return out;
    }
    const wchar_t* text = LookUpLanguageText(lang, section, name);
    CopyText(out, std::min(capacity, kLanguageTextChars), text != nullptr ? text : builtIn);
    return out;
}

const wchar_t* GetLanguageMessage(ZtvLangManHandle lang, wchar_t* out, size_t capacity,
                                  const wchar_t* name, const wchar_t* builtIn) {
    return GetLanguageText(lang, out, capacity, kMessagesSection, name, builtIn);
}

std::vector<std::wstring> GetLanguageList(ZtvLangManHandle lang, const wchar_t* section,
                                          const wchar_t* name, const wchar_t* builtIn) {
    const wchar_t* found = LookUpLanguageText(lang, section, name);
    std::wstring text = found != nullptr ? found : (builtIn != nullptr ? builtIn : L"");
    if (text.size() >= kLanguageListChars) {
        text.resize(kLanguageListChars - 1);
    }
    std::vector<std::wstring> items;
    if (text.empty()) {
        return items;
    }
    size_t start = 0;
    for (;;) {
        const size_t bar = text.find(L'|', start);
        std::wstring item =
            text.substr(start, bar == std::wstring::npos ? std::wstring::npos : bar - start);
        if (item.size() >= kLanguageListItemChars) {
            item.resize(kLanguageListItemChars - 1);
        }
        items.push_back(std::move(item));
        if (bar == std::wstring::npos) {
            return items;
        }
        start = bar + 1;
    }
}

std::wstring FillLanguageText(const wchar_t* text, const wchar_t* value) {
    std::wstring result;
    bool filled = false;
    for (const wchar_t* p = text; p != nullptr && *p != L'\0'; ++p) {
        if (p[0] == L'%' && p[1] == L'%') {
            result += L'%';
            ++p;
        } else if (p[0] == L'%' && p[1] == L's' && !filled) {
            result += value != nullptr ? value : L"";
            filled = true;
            ++p;
        } else {
            result += *p;
        }
    }
    return result;
}

}  // namespace zentrova
