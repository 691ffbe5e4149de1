// A SystemInfo with the answers a test chooses.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "config/SystemInfo.h"

namespace zentrova::test {

class FakeSystemInfo : public SystemInfo {
  public:
    bool hasPrinter = true;
    std::wstring printer = L"Office Laser 5";
    bool hasPictures = true;
    std::wstring pictures = L"C:\\Users\\Ada\\Pictures";
    int32_t screenWidth = 1024;
    uint32_t defaultLocale = 0x0407;
    bool hasProgramFolder = true;
    std::wstring programFolder = L"C:\\Tools\\Zentrova";
    // Locale texts by (locale, item); missing ones fail.
    std::map<std::pair<uint32_t, LocaleItem>, std::wstring> localeTexts = {
        {{0x0407, LocaleItem::IsoLanguageName}, L"de"},
        {{0x0407, LocaleItem::AbbreviatedLanguageName}, L"DEU"},
        {{0x0407, LocaleItem::IsoCountryName}, L"DE"},
        {{0x0407, LocaleItem::AbbreviatedCountryName}, L"DEU"},
    };

    // Each text when the system has one; the output stays as it was otherwise.
    bool GetDefaultPrinterName(std::wstring& name) const override {
        return hasPrinter && (name = printer, true);
    }
    bool GetPictureFolder(std::wstring& folder) const override {
        return hasPictures && (folder = pictures, true);
    }
    bool GetProgramFolder(std::wstring& folder) const override {
        return hasProgramFolder && (folder = programFolder, true);
    }
    int32_t GetPrimaryScreenWidth() const override { return screenWidth; }
    uint32_t GetSystemDefaultLocale() const override { return defaultLocale; }
    bool GetLocaleText(uint32_t locale, LocaleItem item, std::wstring& text) const override {
        const auto found = localeTexts.find({locale, item});
        return found != localeTexts.end() && (text = found->second, true);
    }
};

}  // namespace zentrova::test
