// What both checks know about the product and where their settings live, and the settings'
// registry access.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "lang/ztv_inet/InetAddress.h"
#include "lang/ztv_inet/InetSchedule.h"

namespace zentrova::inet {

struct ProductInfo {
    HKEY root = nullptr;
    std::wstring key;  // the library's sub-key; empty: no settings, the checks stay off
    std::string product;
    std::string version;
    std::string edition;
    std::string lang;
};

// Reads the sub-key's values; missing or mistyped values keep their defaults. Without a key the
// checks are off.
InetSettings LoadInetSettings(const ProductInfo& info);
bool SaveInetNumber(const ProductInfo& info, const wchar_t* name, uint32_t value);
bool SaveInetStamp(const ProductInfo& info, const wchar_t* name, uint64_t value);
bool SaveInetText(const ProductInfo& info, const wchar_t* name, const std::string& utf8);

// The service to ask: "Service" when it is acceptable, else the built-in one. False when the
// configured value is refused (the checks then fail rather than go elsewhere).
bool ResolveService(const InetSettings& settings, ServiceAddress& address);

RequestParams MakeRequestParams(const ProductInfo& info, const InetSettings& settings);

// Seconds since 1970.
uint64_t NowSeconds();

}  // namespace zentrova::inet
