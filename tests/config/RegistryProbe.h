// Direct access to the registry the settings use, for setting up and checking tests.
//
// In the Windows build this goes straight to the Win32 registry (RegistryProbe_win.cpp), apart
// from the code under test; in the native build the in-memory registry is the only one there is
// (RegistryProbe_mem.cpp goes through RegistryKey's raw value access).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/RegistryKey.h"

namespace zentrova::test {

// Stores bytes with any type under HKEY_CURRENT_USER\subKey, creating the key.
bool StoreRaw(const wchar_t* subKey, const wchar_t* name, uint32_t type,
              const std::vector<uint8_t>& bytes);
// Reads a value of HKEY_CURRENT_USER\subKey as stored; false when missing.
bool LoadRaw(const wchar_t* subKey, const wchar_t* name, RegistryValue& value);
// True when HKEY_CURRENT_USER\subKey exists.
bool KeyExists(const wchar_t* subKey);
// Removes HKEY_CURRENT_USER\subKey with everything below it, when it exists.
void RemoveKey(const wchar_t* subKey);

// Bytes of a text as UTF-16LE, without a terminator (append {0, 0} for one). Test texts stay in
// the Basic Multilingual Plane: one UTF-16 unit per character.
inline std::vector<uint8_t> Utf16Bytes(const std::wstring& text) {
    std::vector<uint8_t> bytes;
    for (wchar_t c : text) {
        bytes.insert(bytes.end(), {static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>(c >> 8)});
    }
    return bytes;
}
inline std::vector<uint8_t> DwordBytes(uint32_t v) {
    return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
            static_cast<uint8_t>(v >> 24)};
}

}  // namespace zentrova::test
