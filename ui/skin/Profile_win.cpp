// Profile reading with the system's own profile functions.
#include <windows.h>

#include <limits>
#include <vector>

#include "ui/skin/Profile.h"

namespace zentrova {

std::wstring ReadProfileString(const wchar_t* path, const wchar_t* section, const wchar_t* key,
                               const wchar_t* defaultValue, size_t capacity) {
    if (path == nullptr || capacity == 0 || capacity > std::numeric_limits<DWORD>::max()) {
        return std::wstring();
    }
    std::vector<wchar_t> buffer(capacity, L'\0');
    const DWORD length = GetPrivateProfileStringW(section, key, defaultValue, buffer.data(),
                                                  static_cast<DWORD>(capacity), path);
    return std::wstring(buffer.data(), length < capacity ? length : capacity - 1);
}

uint32_t ReadProfileInt(const wchar_t* path, const wchar_t* section, const wchar_t* key,
                        int32_t defaultValue) {
    if (path == nullptr) {
        return static_cast<uint32_t>(defaultValue);
    }
    return GetPrivateProfileIntW(section, key, defaultValue, path);
}

}  // namespace zentrova
