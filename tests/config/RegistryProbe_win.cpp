// Test access to the Win32 registry, apart from RegistryKey.
#include "tests/config/RegistryProbe.h"

#include <windows.h>

namespace zentrova::test {

bool StoreRaw(const wchar_t* subKey, const wchar_t* name, uint32_t type,
              const std::vector<uint8_t>& bytes) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, subKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const LONG result = RegSetValueExW(key, name, 0, type, bytes.empty() ? nullptr : bytes.data(),
                                       static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool LoadRaw(const wchar_t* subKey, const wchar_t* name, RegistryValue& value) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, subKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return false;
    }
    DWORD type = 0;
    DWORD size = 0;
    LONG result = RegQueryValueExW(key, name, nullptr, &type, nullptr, &size);
    if (result == ERROR_SUCCESS) {
        value.data.assign(size, 0);
        result = RegQueryValueExW(key, name, nullptr, &type,
                                  value.data.empty() ? nullptr : value.data.data(), &size);
        value.data.resize(size);
        value.type = type;
    }
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool KeyExists(const wchar_t* subKey) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, subKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

void RemoveKey(const wchar_t* subKey) {
    RegDeleteTreeW(HKEY_CURRENT_USER, subKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, subKey);
}

}  // namespace zentrova::test
