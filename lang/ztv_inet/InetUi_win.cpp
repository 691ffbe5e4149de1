#include "lang/ztv_inet/InetUi_win.h"

#include <shellapi.h>

#include "core/WideText.h"
#include "lang/ztv_inet/InetReply.h"
#include "lang/ztv_lang/LanguageFile.h"

namespace zentrova::inet {

namespace {

bool IsLanguageTag(const std::string& lang) {
    if (lang.size() != 5 || lang[2] != '-') {
        return false;
    }
    for (size_t i : {0u, 1u, 3u, 4u}) {
        const char c = lang[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) {
            return false;
        }
    }
    return true;
}

}  // namespace

HMODULE InetModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&InetModule), &module);
    return module;
}

InetTexts::InetTexts(const std::string& lang) {
    if (!IsLanguageTag(lang)) {
        return;
    }
    wchar_t modulePath[MAX_PATH] = L"";
    const DWORD length = GetModuleFileNameW(InetModule(), modulePath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return;
    }
    std::wstring folder(modulePath, length);
    folder.resize(folder.find_last_of(L"\\/") + 1);
    lang::LanguageFile file;
    if (lang::LoadLanguageFile(folder + L"Lang\\ztv_inet-" + FromUtf8(lang) + L".ztvlang", file)) {
        m_texts.assign(file.texts.begin(), file.texts.end());
    }
}

std::wstring InetTexts::Get(const wchar_t* key, const wchar_t* fallback) const {
    for (const auto& entry : m_texts) {
        if (entry.first == key) {
            return entry.second;
        }
    }
    return fallback;
}

DialogTemplate::DialogTemplate(const std::wstring& title, short width, short height) {
    const DWORD style =
        DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SHELLFONT;
    // style, extended style, item count, x, y, width, height, no menu, the dialog class
    m_words = {LOWORD(style),
               HIWORD(style),
               0,
               0,
               0,
               0,
               0,
               static_cast<WORD>(width),
               static_cast<WORD>(height),
               0,
               0};
    Text(title);
    m_words.push_back(8);
    Text(L"MS Shell Dlg");
}

void DialogTemplate::Text(const std::wstring& text) {
    m_words.insert(m_words.end(), text.begin(), text.end());
    m_words.push_back(0);
}

void DialogTemplate::Align() {
    if (m_words.size() % 2 != 0) {
        m_words.push_back(0);
    }
}

void DialogTemplate::Add(uint16_t classAtom, uint16_t id, const std::wstring& text, DWORD style,
                         short x, short y, short width, short height) {
    Align();
    style |= WS_CHILD | WS_VISIBLE;
    const WORD item[] = {LOWORD(style),
                         HIWORD(style),
                         0,
                         0,
                         static_cast<WORD>(x),
                         static_cast<WORD>(y),
                         static_cast<WORD>(width),
                         static_cast<WORD>(height),
                         id,
                         0xFFFF,
                         classAtom};
    m_words.insert(m_words.end(), std::begin(item), std::end(item));
    Text(text);
    m_words.push_back(0);  // no creation data
    ++m_words[4];          // the template's item count
}

const DLGTEMPLATE* DialogTemplate::Get() const {
    return reinterpret_cast<const DLGTEMPLATE*>(m_words.data());
}

bool OpenHttpsLink(const std::string& link) {
    if (!IsHttpsLink(link)) {
        return false;
    }
    const std::wstring wide = FromUtf8(link);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

}  // namespace zentrova::inet
