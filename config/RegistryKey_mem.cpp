// An in-memory registry under RegistryKey for the native build.
//
// It stands in for the per-user registry of the system: one tree of keys per root, shared by all
// RegistryKey objects of the process and alive until the process ends, with the registry's rules
// that matter here (key and value names compare without regard to ASCII case, a write creates
// the missing keys of its path, values keep their type and bytes exactly).
#include "config/RegistryKey.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace zentrova {

namespace {

wchar_t FoldCase(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
}

struct NoCaseLess {
    bool operator()(const std::wstring& a, const std::wstring& b) const {
        const size_t n = a.size() < b.size() ? a.size() : b.size();
        for (size_t i = 0; i < n; ++i) {
            const wchar_t x = FoldCase(a[i]);
            const wchar_t y = FoldCase(b[i]);
            if (x != y) {
                return x < y;
            }
        }
        return a.size() < b.size();
    }
};

struct MemoryKey {
    std::map<std::wstring, RegistryValue, NoCaseLess> values;
    std::map<std::wstring, std::unique_ptr<MemoryKey>, NoCaseLess> subKeys;
};

struct MemoryRegistry {
    std::mutex lock;
    MemoryKey currentUser;
    MemoryKey localMachine;
};

MemoryRegistry& Registry() {
    static MemoryRegistry registry;
    return registry;
}

MemoryKey& RootKey(MemoryRegistry& registry, RegistryRoot root) {
    return root == RegistryRoot::LocalMachine ? registry.localMachine : registry.currentUser;
}

// The path's parts between backslashes (empty parts skipped).
std::vector<std::wstring> SplitPath(const wchar_t* path) {
    std::vector<std::wstring> parts;
    std::wstring part;
    for (const wchar_t* c = path; *c != L'\0'; ++c) {
        if (*c == L'\\') {
            if (!part.empty()) {
                parts.push_back(part);
            }
            part.clear();
        } else {
            part.push_back(*c);
        }
    }
    if (!part.empty()) {
        parts.push_back(part);
    }
    return parts;
}

MemoryKey* FindKey(MemoryKey& root, const wchar_t* path) {
    MemoryKey* key = &root;
    for (const std::wstring& part : SplitPath(path)) {
        auto found = key->subKeys.find(part);
        if (found == key->subKeys.end()) {
            return nullptr;
        }
        key = found->second.get();
    }
    return key;
}

MemoryKey& CreateKey(MemoryKey& root, const wchar_t* path) {
    MemoryKey* key = &root;
    for (const std::wstring& part : SplitPath(path)) {
        std::unique_ptr<MemoryKey>& child = key->subKeys[part];
        if (!child) {
            child = std::make_unique<MemoryKey>();
        }
        key = child.get();
    }
    return *key;
}

std::wstring NameOrDefault(const wchar_t* name) {
    return name != nullptr ? name : L"";
}

}  // namespace

bool RegistryKey::ReadValue(const wchar_t* subKey, const wchar_t* name,
                            RegistryValue& value) const {
    if (subKey == nullptr) {
        return false;
    }
    MemoryRegistry& registry = Registry();
    std::lock_guard<std::mutex> guard(registry.lock);
    MemoryKey* key = FindKey(RootKey(registry, m_root), subKey);
    if (key == nullptr) {
        return false;
    }
    auto found = key->values.find(NameOrDefault(name));
    if (found == key->values.end() || found->second.data.size() > kMaxRegistryValueBytes) {
        return false;
    }
    value = found->second;
    return true;
}

bool RegistryKey::WriteValue(const wchar_t* subKey, const wchar_t* name,
                             const RegistryValue& value) const {
    if (subKey == nullptr) {
        return false;
    }
    MemoryRegistry& registry = Registry();
    std::lock_guard<std::mutex> guard(registry.lock);
    CreateKey(RootKey(registry, m_root), subKey).values[NameOrDefault(name)] = value;
    return true;
}

bool RegistryKey::KeyExists(const wchar_t* subKey) const {
    if (subKey == nullptr) {
        return false;
    }
    MemoryRegistry& registry = Registry();
    std::lock_guard<std::mutex> guard(registry.lock);
    return FindKey(RootKey(registry, m_root), subKey) != nullptr;
}

bool RegistryKey::DeleteValue(const wchar_t* subKey, const wchar_t* name) const {
    MemoryRegistry& registry = Registry();
    std::lock_guard<std::mutex> guard(registry.lock);
    MemoryKey* key = FindKey(RootKey(registry, m_root), subKey);
    return key != nullptr && key->values.erase(NameOrDefault(name)) == 1;
}

bool RegistryKey::DeleteKeyTree(const wchar_t* subKey) const {
    MemoryRegistry& registry = Registry();
    std::lock_guard<std::mutex> guard(registry.lock);
    std::vector<std::wstring> parts = SplitPath(subKey);
    if (parts.empty()) {
        return false;
    }
    const std::wstring last = parts.back();
    parts.pop_back();
    MemoryKey* parent = &RootKey(registry, m_root);
    for (const std::wstring& part : parts) {
        auto found = parent->subKeys.find(part);
        if (found == parent->subKeys.end()) {
            return false;
        }
        parent = found->second.get();
    }
    // Erasing the entry releases the key and, child by child, everything below it.
    return parent->subKeys.erase(last) == 1;
}

}  // namespace zentrova
