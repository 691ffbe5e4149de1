#include "lang/OnlineServices_win.h"

#include <memory>

#include "config/RegistryKey.h"
#include "config/Settings.h"
#include "core/WideText.h"

namespace zentrova {

struct WinInetLibrary::Calls {
    using Void = int32_t(__stdcall*)();
    using Create = uint32_t(__stdcall*)();
    using Key = int32_t(__stdcall*)(uint32_t, HKEY, const wchar_t*);
    using Text = int32_t(__stdcall*)(uint32_t, const char*);
    using Window = int32_t(__stdcall*)(uint32_t, HWND);
    using One = int32_t(__stdcall*)(uint32_t);
    using Check = int32_t(__stdcall*)(uint32_t, HWND, uint32_t);
    Void init;
    Create infoCreate;
    Key infoKey;
    Text infoProduct, infoVersion, infoEdition, infoLang;
    Window infoParent;
    One infoStart;
    Window infoConfig;
    One infoAbort, infoDestroy;
    Create updateCreate;
    Key updateKey;
    Text updateProduct, updateVersion, updateEdition, updateLang;
    Check updateCheck;
    One updateDestroy;
};

namespace {

template <typename T>
bool Bind(HMODULE module, const char* name, T& target) {
    target = reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return target != nullptr;
}

HWND Hwnd(OnlineWindow window) {
    return static_cast<HWND>(window);
}

}  // namespace

WinInetLibrary::~WinInetLibrary() {
    delete m_calls;
    if (m_module != nullptr) {
        FreeLibrary(m_module);
    }
}

bool WinInetLibrary::Load(const std::wstring& folder) {
    if (m_calls != nullptr) {
        return true;
    }
    if (m_module == nullptr) {
        const std::wstring path = folder + L"\\ztv_inet.dll";
        m_module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    if (m_module == nullptr) {
        return false;
    }
    auto c = std::make_unique<Calls>();
    const HMODULE m = m_module;
    const bool all = Bind(m, "zinet_Init", c->init) &&
                     Bind(m, "zinet_InfoCheckCreate", c->infoCreate) &&
                     Bind(m, "zinet_InfoCheckSetRegistryKey", c->infoKey) &&
                     Bind(m, "zinet_InfoCheckSetProduct", c->infoProduct) &&
                     Bind(m, "zinet_InfoCheckSetProductVersion", c->infoVersion) &&
                     Bind(m, "zinet_InfoCheckSetProductEdition", c->infoEdition) &&
                     Bind(m, "zinet_InfoCheckSetProductLang", c->infoLang) &&
                     Bind(m, "zinet_InfoCheckSetParentWindow", c->infoParent) &&
                     Bind(m, "zinet_InfoCheckStartAllAuto", c->infoStart) &&
                     Bind(m, "zinet_InfoCheckDoConfig", c->infoConfig) &&
                     Bind(m, "zinet_InfoCheckAbort", c->infoAbort) &&
                     Bind(m, "zinet_InfoCheckDestroy", c->infoDestroy) &&
                     Bind(m, "zinet_UpdateManagerCreate", c->updateCreate) &&
                     Bind(m, "zinet_UpdateManagerSetRegistryKey", c->updateKey) &&
                     Bind(m, "zinet_UpdateManagerSetProduct", c->updateProduct) &&
                     Bind(m, "zinet_UpdateManagerSetProductVersion", c->updateVersion) &&
                     Bind(m, "zinet_UpdateManagerSetProductEdition", c->updateEdition) &&
                     Bind(m, "zinet_UpdateManagerSetProductLang", c->updateLang) &&
                     Bind(m, "zinet_UpdateManagerDoModalCheck", c->updateCheck) &&
                     Bind(m, "zinet_UpdateManagerDestroy", c->updateDestroy);
    if (!all) {
        return false;  // an incomplete library is not used
    }
    m_calls = c.release();
    return true;
}

// Without the library every call does nothing and every Create answers 0.
void WinInetLibrary::Init() {
    if (m_calls)
        m_calls->init();
}
uint32_t WinInetLibrary::InfoCheckCreate() {
    return m_calls ? m_calls->infoCreate() : 0;
}
void WinInetLibrary::InfoCheckSetRegistryKey(uint32_t h, const wchar_t* key) {
    if (m_calls)
        m_calls->infoKey(h, HKEY_CURRENT_USER, key);
}
void WinInetLibrary::InfoCheckSetProduct(uint32_t h, const char* t) {
    if (m_calls)
        m_calls->infoProduct(h, t);
}
void WinInetLibrary::InfoCheckSetProductVersion(uint32_t h, const char* t) {
    if (m_calls)
        m_calls->infoVersion(h, t);
}
void WinInetLibrary::InfoCheckSetProductEdition(uint32_t h, const char* t) {
    if (m_calls)
        m_calls->infoEdition(h, t);
}
void WinInetLibrary::InfoCheckSetProductLang(uint32_t h, const char* t) {
    if (m_calls)
        m_calls->infoLang(h, t);
}
void WinInetLibrary::InfoCheckSetParentWindow(uint32_t h, OnlineWindow w) {
    if (m_calls)
        m_calls->infoParent(h, Hwnd(w));
}
int32_t WinInetLibrary::InfoCheckStartAllAuto(uint32_t h) {
    return m_calls ? m_calls->infoStart(h) : 0;
}
void WinInetLibrary::InfoCheckDoConfig(uint32_t h, OnlineWindow w) {
    if (m_calls)
        m_calls->infoConfig(h, Hwnd(w));
}
void WinInetLibrary::InfoCheckAbort(uint32_t h) {
    if (m_calls)
        m_calls->infoAbort(h);
}
void WinInetLibrary::InfoCheckDestroy(uint32_t h) {
    if (m_calls)
        m_calls->infoDestroy(h);
}
uint32_t WinInetLibrary::UpdateManagerCreate() {
    return m_calls ? m_calls->updateCreate() : 0;
}
void WinInetLibrary::UpdateManagerSetRegistryKey(uint32_t h, const wchar_t* key) {
    if (m_calls)
        m_calls->updateKey(h, HKEY_CURRENT_USER, key);
}
void WinInetLibrary::UpdateManagerSetProduct(uint32_t h, const char* t) {
    if (m_calls)
        m_calls->updateProduct(h, t);
}
void WinInetLibrary::UpdateManagerSetProductVersion(uint32_t h, const char* t) {
    if (m_calls)
        m_calls->updateVersion(h, t);
}
void WinInetLibrary::UpdateManagerSetProductEdition(uint32_t h, const char* t) {
    if (m_calls)
        m_calls->updateEdition(h, t);
}
void WinInetLibrary::UpdateManagerSetProductLang(uint32_t h, const char* t) {
    if (m_calls)
        m_calls->updateLang(h, t);
}
int32_t WinInetLibrary::UpdateManagerDoModalCheck(uint32_t h, OnlineWindow w, uint32_t flags) {
    return m_calls ? m_calls->updateCheck(h, Hwnd(w), flags) : 0;
}
void WinInetLibrary::UpdateManagerDestroy(uint32_t h) {
    if (m_calls)
        m_calls->updateDestroy(h);
}

void WinOnlineHost::PostClose(OnlineWindow window) {
    PostMessageW(Hwnd(window), WM_CLOSE, 0, 0);
}

void WinOnlineHost::Beep() {
    ::Beep(200, 200);
}

OnlineProductInfo MakeOnlineProductInfo(ZtvLangManHandle language,
                                        const std::wstring& programFolder) {
    OnlineProductInfo info;
    info.registryKey = std::wstring(kSettingsKeyPath) + L"\\ztv_inet";
    info.product = kOnlineProductNumber;
    info.version = kOnlineProductVersion;
    wchar_t edition[kMaxPathChars] = L"";
    RegistryKey(RegistryRoot::CurrentUser)
        .ReadString(kSettingsKeyPath, L"Edition", L"", edition, kMaxPathChars);
    info.edition = ToUtf8(edition);
    const std::wstring folder = programFolder + L"\\Lang";
    info.lang = OnlineLanguageFromPath(
        ztvLangMan_findLocalFile(language, folder.c_str(), L"ztv_inet-", L".ztvlang", L"en-us"));
    return info;
}

}  // namespace zentrova
