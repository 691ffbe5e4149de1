#include "lang/ztv_inet/InetProduct_win.h"

#include <ctime>
#include <vector>

#include "core/WideText.h"

namespace zentrova::inet {

namespace {

constexpr DWORD kMaxTextBytes = 4096;

bool ReadRaw(const ProductInfo& info, const wchar_t* name, DWORD& type, std::vector<BYTE>& data) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(info.root, info.key.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    DWORD size = 0;
    LONG status = RegQueryValueExW(key, name, nullptr, &type, nullptr, &size);
    if (status == ERROR_SUCCESS && size <= kMaxTextBytes) {
        data.assign(size, 0);
        status = RegQueryValueExW(key, name, nullptr, &type, data.data(), &size);
        data.resize(size);
    } else {
        status = ERROR_MORE_DATA;
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

void ReadNumber(const ProductInfo& info, const wchar_t* name, uint32_t& value) {
    DWORD type = 0;
    std::vector<BYTE> data;
    if (ReadRaw(info, name, type, data) && type == REG_DWORD && data.size() == 4) {
        value = static_cast<uint32_t>(data[0] | (data[1] << 8) | (data[2] << 16)) |
                (static_cast<uint32_t>(data[3]) << 24);
    }
}

void ReadStamp(const ProductInfo& info, const wchar_t* name, uint64_t& value) {
    DWORD type = 0;
    std::vector<BYTE> data;
    if (ReadRaw(info, name, type, data) && type == REG_QWORD && data.size() == 8) {
        uint64_t v = 0;
        for (size_t i = 8; i-- > 0;) {
            v = (v << 8) | data[i];
        }
        value = v;
    }
}

void ReadText(const ProductInfo& info, const wchar_t* name, std::string& value) {
    DWORD type = 0;
    std::vector<BYTE> data;
    if (!ReadRaw(info, name, type, data) || type != REG_SZ) {
        return;
    }
    std::wstring text;
    for (size_t i = 0; i + 1 < data.size(); i += 2) {
        const wchar_t c = static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
        if (c == 0) {
            break;
        }
        text += c;
    }
    value = ToUtf8(text);
}

bool Write(const ProductInfo& info, const wchar_t* name, DWORD type, const void* data, DWORD size) {
    if (info.root == nullptr || info.key.empty()) {
        return false;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExW(info.root, info.key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const LONG status = RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

}  // namespace

InetSettings LoadInetSettings(const ProductInfo& info) {
    InetSettings s;
    if (info.root == nullptr || info.key.empty()) {
        s.enabled = 0;
        return s;
    }
    ReadNumber(info, L"Enabled", s.enabled);
    ReadText(info, L"Channels", s.channels);
    ReadNumber(info, L"IntervalHours", s.intervalHours);
    s.intervalHours = ClampIntervalHours(s.intervalHours);
    ReadStamp(info, L"LastCheck", s.lastCheck);
    ReadNumber(info, L"LastItem", s.lastItem);
    ReadText(info, L"SkippedVersion", s.skippedVersion);
    ReadText(info, L"Service", s.service);
    return s;
}

bool SaveInetNumber(const ProductInfo& info, const wchar_t* name, uint32_t value) {
    return Write(info, name, REG_DWORD, &value, sizeof(value));
}

bool SaveInetStamp(const ProductInfo& info, const wchar_t* name, uint64_t value) {
    return Write(info, name, REG_QWORD, &value, sizeof(value));
}

bool SaveInetText(const ProductInfo& info, const wchar_t* name, const std::string& utf8) {
    const std::wstring text = FromUtf8(utf8);
    return Write(info, name, REG_SZ, text.c_str(),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

bool ResolveService(const InetSettings& settings, ServiceAddress& address) {
    return ParseServiceAddress(settings.service.empty() ? kDefaultService : settings.service,
                               address);
}

RequestParams MakeRequestParams(const ProductInfo& info, const InetSettings& settings) {
    RequestParams p;
    p.product = info.product;
    p.version = info.version;
    p.edition = info.edition;
    p.lang = info.lang;
    p.channels = settings.channels;
    p.after = settings.lastItem;
    return p;
}

uint64_t NowSeconds() {
    const std::time_t now = std::time(nullptr);
    return now > 0 ? static_cast<uint64_t>(now) : 0;
}

}  // namespace zentrova::inet
