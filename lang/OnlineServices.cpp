#include "lang/OnlineServices.h"

#include <cwchar>
#include <utility>

namespace zentrova {

uint32_t UpdateCheckFlags(int mode) {
    switch (mode) {
        case 1:
            return 0xB19;
        case 2:
            return 0x719;
        default:
            return 0x319;
    }
}

std::string OnlineLanguageFromPath(const wchar_t* path) {
    static constexpr wchar_t kPrefix[] = L"ztv_inet-";
    static constexpr size_t kPrefixChars = sizeof(kPrefix) / sizeof(kPrefix[0]) - 1;
    static constexpr size_t kTagChars = 5;
    if (path == nullptr) {
        return {};
    }
    const wchar_t* name = path;
    for (const wchar_t* p = path; *p != 0; ++p) {
        if (*p == L'\\' || *p == L'/') {
            name = p + 1;
        }
    }
    if (std::wcsncmp(name, kPrefix, kPrefixChars) != 0) {
        return {};
    }
    std::string tag;
    for (const wchar_t* p = name + kPrefixChars; *p != 0 && tag.size() < kTagChars; ++p) {
        if (*p > 0x7E || *p < 0x20) {
            return {};
        }
        tag += static_cast<char>(*p);
    }
    return tag.size() == kTagChars ? tag : std::string();
}

bool OnlineServices::Start(OnlineWindow parent, OnlineWindow closeWindow) {
    if (m_started) {
        return false;
    }
    m_closeWindow = closeWindow;
    m_library.Init();
    m_handle = m_library.InfoCheckCreate();
    m_closeRequested = false;
    if (m_handle == 0) {
        return false;
    }
    m_library.InfoCheckSetRegistryKey(m_handle, m_info.registryKey.c_str());
    m_library.InfoCheckSetProduct(m_handle, m_info.product.c_str());
    m_library.InfoCheckSetProductVersion(m_handle, m_info.version.c_str());
    m_library.InfoCheckSetProductEdition(m_handle, m_info.edition.c_str());
    m_library.InfoCheckSetProductLang(m_handle, m_info.lang.c_str());
    m_library.InfoCheckSetParentWindow(m_handle, parent);
    if (m_library.InfoCheckStartAllAuto(m_handle) == kInfoCheckCloseProgram) {
        m_closeRequested = true;
        m_host.PostClose(m_closeWindow);
    }
    m_started = true;
    return true;
}

bool OnlineServices::Stop() {
    if (!m_started) {
        return false;
    }
    if (m_handle != 0) {
        m_library.InfoCheckAbort(m_handle);
        m_library.InfoCheckDestroy(m_handle);
    }
    m_handle = 0;
    m_started = false;
    return true;
}

bool OnlineServices::Configure() {
    if (!m_started) {
        return false;
    }
    if (m_handle == 0) {
        m_host.Beep();
    } else {
        m_library.InfoCheckDoConfig(m_handle, m_closeWindow);
    }
    return true;
}

bool OnlineServices::CheckForUpdate(int mode, OnlineWindow closeWindow) {
    if (!m_started) {
        return false;
    }
    const uint32_t update = m_library.UpdateManagerCreate();
    if (update == 0) {
        return false;
    }
    m_library.UpdateManagerSetRegistryKey(update, m_info.registryKey.c_str());
    m_library.UpdateManagerSetProduct(update, m_info.product.c_str());
    m_library.UpdateManagerSetProductVersion(update, m_info.version.c_str());
    m_library.UpdateManagerSetProductEdition(update, m_info.edition.c_str());
    m_library.UpdateManagerSetProductLang(update, m_info.lang.c_str());
    if (m_library.UpdateManagerDoModalCheck(update, closeWindow, UpdateCheckFlags(mode)) ==
        kUpdateCheckCloseProgram) {
        m_closeRequested = true;
        m_host.PostClose(closeWindow);
    }
    m_library.UpdateManagerDestroy(update);
    return true;
}

}  // namespace zentrova
