// The program's side of the online services: the information check that runs from start-up
// (or from the first command that needs it) until the end, its configuration, and the modal
// update check, all driven through the online-services library ztv_inet.dll.
//
// The library and the few system calls are reached through the interfaces below, so that the
// order of the calls is the same natively (against a fake) and on Windows (OnlineServices_win).
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace zentrova {

// A window handle as the library and the system see it (HWND on Windows).
using OnlineWindow = void*;

// The library's calls, one to one. Handles are ids; 0 is no object. A missing library answers
// every Create with 0.
class InetLibrary {
  public:
    virtual ~InetLibrary() = default;
    virtual void Init() = 0;
    virtual uint32_t InfoCheckCreate() = 0;
    virtual void InfoCheckSetRegistryKey(uint32_t handle, const wchar_t* key) = 0;  // under HKCU
    virtual void InfoCheckSetProduct(uint32_t handle, const char* text) = 0;
    virtual void InfoCheckSetProductVersion(uint32_t handle, const char* text) = 0;
    virtual void InfoCheckSetProductEdition(uint32_t handle, const char* text) = 0;
    virtual void InfoCheckSetProductLang(uint32_t handle, const char* text) = 0;
    virtual void InfoCheckSetParentWindow(uint32_t handle, OnlineWindow parent) = 0;
    virtual int32_t InfoCheckStartAllAuto(uint32_t handle) = 0;
    virtual void InfoCheckDoConfig(uint32_t handle, OnlineWindow owner) = 0;
    virtual void InfoCheckAbort(uint32_t handle) = 0;
    virtual void InfoCheckDestroy(uint32_t handle) = 0;
    virtual uint32_t UpdateManagerCreate() = 0;
    virtual void UpdateManagerSetRegistryKey(uint32_t handle, const wchar_t* key) = 0;
    virtual void UpdateManagerSetProduct(uint32_t handle, const char* text) = 0;
    virtual void UpdateManagerSetProductVersion(uint32_t handle, const char* text) = 0;
    virtual void UpdateManagerSetProductEdition(uint32_t handle, const char* text) = 0;
    virtual void UpdateManagerSetProductLang(uint32_t handle, const char* text) = 0;
    virtual int32_t UpdateManagerDoModalCheck(uint32_t handle, OnlineWindow owner,
                                              uint32_t flags) = 0;
    virtual void UpdateManagerDestroy(uint32_t handle) = 0;
};

// What the services do to the program: post WM_CLOSE, and the short beep of a minor failure.
class OnlineHost {
  public:
    virtual ~OnlineHost() = default;
    virtual void PostClose(OnlineWindow window) = 0;
    virtual void Beep() = 0;
};

// What the program tells the library about itself.
struct OnlineProductInfo {
    std::wstring registryKey;  // the library's sub-key of the settings key
    std::string product;
    std::string version;
    std::string edition;
    std::string lang;
};

// The library's results that ask the program to end.
constexpr int32_t kInfoCheckCloseProgram = -1;
constexpr int32_t kUpdateCheckCloseProgram = 3;

// The update check's flags by mode (0 the menu command, 1 the check without the information
// check, 2 a silent check).
uint32_t UpdateCheckFlags(int mode);

// The five characters after "ztv_inet-" in the file name of path (the library's language
// file found by the language manager); empty when path is null or names no such file.
std::string OnlineLanguageFromPath(const wchar_t* path);

class OnlineServices {
  public:
    OnlineServices(InetLibrary& library, OnlineHost& host, OnlineProductInfo info)
        : m_library(library), m_host(host), m_info(std::move(info)) {}
    OnlineServices(const OnlineServices&) = delete;
    OnlineServices& operator=(const OnlineServices&) = delete;

    // Creates and starts the information check; false when already started or when the
    // library has no information check (started stays false: a later request tries again).
    bool Start(OnlineWindow parent, OnlineWindow closeWindow);
    // Aborts and destroys the information check; false when not started.
    bool Stop();
    // The information check's configuration dialog; false when not started.
    bool Configure();
    // The modal update check (mode 0, 1 or 2); false when not started or the library has no
    // update manager.
    bool CheckForUpdate(int mode, OnlineWindow closeWindow);

    // What the next Start and CheckForUpdate pass (set once the language is known).
    void SetProductInfo(OnlineProductInfo info) { m_info = std::move(info); }

    bool Started() const { return m_started; }
    bool CloseRequested() const { return m_closeRequested; }
    uint32_t Handle() const { return m_handle; }

  private:
    InetLibrary& m_library;
    OnlineHost& m_host;
    OnlineProductInfo m_info;
    OnlineWindow m_closeWindow = nullptr;
    uint32_t m_handle = 0;
    bool m_started = false;
    bool m_closeRequested = false;
};

}  // namespace zentrova
