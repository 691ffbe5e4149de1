// What the settings take from the running system: the computed defaults, the locale behind the
// first-start language, the program folder.
//
// HostSystemInfo answers from the system (SystemInfo_win.cpp with Win32 calls, SystemInfo_posix.cpp
// for the native build); tests give their own answers through the same interface.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zentrova {

// Locale texts that make a language tag (the system's LOCALE_SISO639LANGNAME,
// LOCALE_SABBREVLANGNAME, LOCALE_SISO3166CTRYNAME, LOCALE_SABBREVCTRYNAME).
enum class LocaleItem : uint8_t {
    IsoLanguageName,
    AbbreviatedLanguageName,
    IsoCountryName,
    AbbreviatedCountryName,
};

class SystemInfo {
  public:
    virtual ~SystemInfo() = default;

    // Name of the system's default printer; false when there is none.
    virtual bool GetDefaultPrinterName(std::wstring& name) const = 0;
    // The user's picture folder; false when the system cannot tell.
    virtual bool GetPictureFolder(std::wstring& folder) const = 0;
    // Width of the primary screen in pixels (0 when unknown).
    virtual int32_t GetPrimaryScreenWidth() const = 0;
    // The system's default locale identifier.
    virtual uint32_t GetSystemDefaultLocale() const = 0;
    // One text of a locale; false when the system has none.
    virtual bool GetLocaleText(uint32_t locale, LocaleItem item, std::wstring& text) const = 0;
    // Folder of the running program file, without a trailing separator; false on failure.
    virtual bool GetProgramFolder(std::wstring& folder) const = 0;
};

class HostSystemInfo final : public SystemInfo {
  public:
    bool GetDefaultPrinterName(std::wstring& name) const override;
    bool GetPictureFolder(std::wstring& folder) const override;
    int32_t GetPrimaryScreenWidth() const override;
    uint32_t GetSystemDefaultLocale() const override;
    bool GetLocaleText(uint32_t locale, LocaleItem item, std::wstring& text) const override;
    bool GetProgramFolder(std::wstring& folder) const override;
};

// The folder of the running program file without a trailing separator (the module's full path
// with its file name removed) into out (capacity characters including the terminator). False,
// with out left as it was, when the path cannot be had in full or does not fit.
bool GetProgramFolder(wchar_t* out, size_t capacity);

}  // namespace zentrova
