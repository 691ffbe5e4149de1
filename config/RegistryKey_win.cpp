// The Win32 registry under RegistryKey: raw reads and writes, value and key-tree deletion.
#include "config/RegistryKey.h"

#include <windows.h>

#include <string>
#include <utility>

namespace zentrova {

static_assert(kRegSz == REG_SZ && kRegExpandSz == REG_EXPAND_SZ && kRegBinary == REG_BINARY &&
                  kRegDword == REG_DWORD && kRegDwordBigEndian == REG_DWORD_BIG_ENDIAN &&
                  kRegLink == REG_LINK && kRegMultiSz == REG_MULTI_SZ && kRegQword == REG_QWORD,
              "value types are numbered as the system numbers them");

namespace {

// Key names are at most 255 characters; keys nest at most 512 levels.
constexpr DWORD kMaxKeyNameChars = 256;
constexpr int kMaxKeyDepth = 512;

HKEY RootHandle(RegistryRoot root) {
    return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// An open key, closed when it goes out of scope.
class OpenKey {
  public:
    OpenKey() = default;
    ~OpenKey() {
        if (m_key != nullptr) {
            RegCloseKey(m_key);
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    bool Open(HKEY root, const wchar_t* subKey, REGSAM access) {
        return RegOpenKeyExW(root, subKey, 0, access, &m_key) == ERROR_SUCCESS;
    }
    bool Create(HKEY root, const wchar_t* subKey, REGSAM access) {
        return RegCreateKeyExW(root, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                               &m_key, nullptr) == ERROR_SUCCESS;
    }
    HKEY Get() const { return m_key; }

  private:
    HKEY m_key = nullptr;
};

const wchar_t* NameOrDefault(const wchar_t* name) {
    return name != nullptr ? name : L"";
}

bool DeleteTree(HKEY root, const std::wstring& subKey, int depth) {
    if (depth > kMaxKeyDepth) {
        return false;
    }
    std::vector<std::wstring> children;
    {
        OpenKey key;
        if (!key.Open(root, subKey.c_str(), KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE)) {
            return false;
        }
        for (DWORD index = 0;; ++index) {
            wchar_t name[kMaxKeyNameChars];
            DWORD length = kMaxKeyNameChars;
            const LONG result =
                RegEnumKeyExW(key.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (result != ERROR_SUCCESS) {
                break;
            }
            children.emplace_back(name, length);
        }
    }
    for (const std::wstring& child : children) {
        DeleteTree(root, subKey + L"\\" + child, depth + 1);
    }
    return RegDeleteKeyW(root, subKey.c_str()) == ERROR_SUCCESS;
}

}  // namespace

bool RegistryKey::ReadValue(const wchar_t* subKey, const wchar_t* name,
                            RegistryValue& value) const {
    if (subKey == nullptr) {
        return false;
    }
    OpenKey key;
    if (!key.Open(RootHandle(m_root), subKey, KEY_QUERY_VALUE)) {
        return false;
    }
    // Size first, then the bytes; the value may change in between, so try a few times.
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD type = REG_NONE;
        DWORD size = 0;
        if (RegQueryValueExW(key.Get(), NameOrDefault(name), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS) {
            return false;
        }
        if (size > kMaxRegistryValueBytes) {
            return false;
        }
        std::vector<uint8_t> data(size);
        DWORD read = size;
        const LONG result = RegQueryValueExW(key.Get(), NameOrDefault(name), nullptr, &type,
                                             data.empty() ? nullptr : data.data(), &read);
        if (result == ERROR_MORE_DATA) {
            continue;
        }
        if (result != ERROR_SUCCESS || read > size) {
            return false;
        }
        data.resize(read);
        value.type = type;
        value.data = std::move(data);
        return true;
    }
    return false;
}

bool RegistryKey::WriteValue(const wchar_t* subKey, const wchar_t* name,
                             const RegistryValue& value) const {
    if (subKey == nullptr || value.data.size() > MAXDWORD) {
        return false;
    }
    OpenKey key;
    if (!key.Create(RootHandle(m_root), subKey, KEY_SET_VALUE)) {
        return false;
    }
    return RegSetValueExW(key.Get(), NameOrDefault(name), 0, value.type,
                          value.data.empty() ? nullptr : value.data.data(),
                          static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

bool RegistryKey::KeyExists(const wchar_t* subKey) const {
    OpenKey key;
    return subKey != nullptr && key.Open(RootHandle(m_root), subKey, KEY_QUERY_VALUE);
}

bool RegistryKey::DeleteValue(const wchar_t* subKey, const wchar_t* name) const {
    OpenKey key;
    if (!key.Open(RootHandle(m_root), subKey, KEY_SET_VALUE)) {
        return false;
    }
    return RegDeleteValueW(key.Get(), name) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteKeyTree(const wchar_t* subKey) const {
    return DeleteTree(RootHandle(m_root), subKey, 0);
}

}  // namespace zentrova
