// Byte helpers of the registry probe.
#include "tests/config/RegistryProbe.h"

namespace zentrova::test {

// Test texts stay in the Basic Multilingual Plane: one UTF-16 unit per character.
std::vector<uint8_t> Utf16Bytes(const std::wstring& text) {
    std::vector<uint8_t> bytes;
    for (wchar_t c : text) {
        const uint32_t unit = static_cast<uint32_t>(c);
        bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<uint8_t>((unit >> 8) & 0xFF));
    }
    return bytes;
}

std::vector<uint8_t> DwordBytes(uint32_t value) {
    return {static_cast<uint8_t>(value & 0xFF), static_cast<uint8_t>((value >> 8) & 0xFF),
            static_cast<uint8_t>((value >> 16) & 0xFF), static_cast<uint8_t>((value >> 24) & 0xFF)};
}

}  // namespace zentrova::test
