// The online services on Windows: ztv_inet.dll loaded from beside the program (none when it is
// missing: every Create then answers 0), and the program's WM_CLOSE and beep.
#pragma once

#include <windows.h>

#include "lang/OnlineServices.h"
#include "lang/ztv_lang/ztv_lang.h"

namespace zentrova {

constexpr const char* kOnlineProductNumber = "4712";
constexpr const char* kOnlineProductVersion = "2.10";

class WinInetLibrary final : public InetLibrary {
  public:
    WinInetLibrary() = default;
    ~WinInetLibrary() override;
    WinInetLibrary(const WinInetLibrary&) = delete;
    WinInetLibrary& operator=(const WinInetLibrary&) = delete;

    // Loads "ztv_inet.dll" from folder (once); false when it is missing or incomplete.
    bool Load(const std::wstring& folder);

    void Init() override;
    uint32_t InfoCheckCreate() override;
    void InfoCheckSetRegistryKey(uint32_t handle, const wchar_t* key) override;
    void InfoCheckSetProduct(uint32_t handle, const char* text) override;
    void InfoCheckSetProductVersion(uint32_t handle, const char* text) override;
    void InfoCheckSetProductEdition(uint32_t handle, const char* text) override;
    void InfoCheckSetProductLang(uint32_t handle, const char* text) override;
    void InfoCheckSetParentWindow(uint32_t handle, OnlineWindow parent) override;
    int32_t InfoCheckStartAllAuto(uint32_t handle) override;
    void InfoCheckDoConfig(uint32_t handle, OnlineWindow owner) override;
    void InfoCheckAbort(uint32_t handle) override;
    void InfoCheckDestroy(uint32_t handle) override;
    uint32_t UpdateManagerCreate() override;
    void UpdateManagerSetRegistryKey(uint32_t handle, const wchar_t* key) override;
    void UpdateManagerSetProduct(uint32_t handle, const char* text) override;
    void UpdateManagerSetProductVersion(uint32_t handle, const char* text) override;
    void UpdateManagerSetProductEdition(uint32_t handle, const char* text) override;
    void UpdateManagerSetProductLang(uint32_t handle, const char* text) override;
    int32_t UpdateManagerDoModalCheck(uint32_t handle, OnlineWindow owner, uint32_t flags) override;
    void UpdateManagerDestroy(uint32_t handle) override;

    struct Calls;

  private:
    HMODULE m_module = nullptr;
    Calls* m_calls = nullptr;
};

class WinOnlineHost final : public OnlineHost {
  public:
    void PostClose(OnlineWindow window) override;
    void Beep() override;
};

// The values the program passes: the sub-key "ztv_inet" of the settings key, the product
// number and version, "Edition" of the settings key, and the language of the library's file
// that the language manager finds in programFolder's "Lang".
OnlineProductInfo MakeOnlineProductInfo(ZtvLangManHandle language,
                                        const std::wstring& programFolder);

}  // namespace zentrova
