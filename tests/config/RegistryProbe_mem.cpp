// Test access to the native build's in-memory registry.
#include "tests/config/RegistryProbe.h"

namespace zentrova::test {

bool StoreRaw(const wchar_t* subKey, const wchar_t* name, uint32_t type,
              const std::vector<uint8_t>& bytes) {
    RegistryValue value;
    value.type = type;
    value.data = bytes;
    return RegistryKey(RegistryRoot::CurrentUser).WriteValue(subKey, name, value);
}

bool LoadRaw(const wchar_t* subKey, const wchar_t* name, RegistryValue& value) {
    return RegistryKey(RegistryRoot::CurrentUser).ReadValue(subKey, name, value);
}

bool KeyExists(const wchar_t* subKey) {
    return RegistryKey(RegistryRoot::CurrentUser).KeyExists(subKey);
}

void RemoveKey(const wchar_t* subKey) {
    RegistryKey(RegistryRoot::CurrentUser).Delete(subKey);
}

}  // namespace zentrova::test
