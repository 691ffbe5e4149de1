// The portable part of RegistryKey: what stored values mean, and the typed reads and writes.
#include "config/RegistryKey.h"

#include <string>

#include "core/WideText.h"

namespace zentrova {

namespace {

bool IsHighSurrogate(uint32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(uint32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The UTF-16 units of data up to the first zero unit or the end of the data.
std::wstring DecodeUtf16(const std::vector<uint8_t>& data) {
    const size_t units = data.size() / 2;  // an odd last byte belongs to no character
    std::wstring text;
    for (size_t i = 0; i < units; ++i) {
        const uint32_t unit = data[2 * i] | (static_cast<uint32_t>(data[2 * i + 1]) << 8);
        if (unit == 0) {
            break;
        }
        if constexpr (sizeof(wchar_t) == 2) {
            text.push_back(static_cast<wchar_t>(unit));
        } else {
            // Wide text is UTF-32 here: join surrogate pairs, replace lone surrogates.
            if (IsHighSurrogate(unit) && i + 1 < units) {
                const uint32_t next =
                    data[2 * i + 2] | (static_cast<uint32_t>(data[2 * i + 3]) << 8);
                if (IsLowSurrogate(next)) {
                    text.push_back(
                        static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00)));
                    ++i;
                    continue;
                }
            }
            text.push_back(IsHighSurrogate(unit) || IsLowSurrogate(unit)
                               ? static_cast<wchar_t>(0xFFFD)
                               : static_cast<wchar_t>(unit));
        }
    }
    return text;
}

void AppendUnit(std::vector<uint8_t>& data, uint32_t unit) {
    data.push_back(static_cast<uint8_t>(unit & 0xFF));
    data.push_back(static_cast<uint8_t>((unit >> 8) & 0xFF));
}

// Copies text into out, cut to capacity - 1 characters. A cut never leaves the first half of a
// surrogate pair at the end (UTF-16 wide text only; in UTF-32 a character is one unit).
void CopyCut(wchar_t* out, size_t capacity, const std::wstring& text) {
    size_t length = text.size() < capacity - 1 ? text.size() : capacity - 1;
    if (length < text.size() && length > 0 &&
        IsHighSurrogate(static_cast<uint32_t>(text[length - 1]))) {
        --length;
    }
    text.copy(out, length);
    out[length] = L'\0';
}

}  // namespace

bool DecodeRegistryNumber(const RegistryValue& value, uint32_t& number) {
    if ((value.type != kRegDword && value.type != kRegDwordBigEndian) || value.data.size() != 4) {
        return false;
    }
    number = value.data[0] | (static_cast<uint32_t>(value.data[1]) << 8) |
             (static_cast<uint32_t>(value.data[2]) << 16) |
             (static_cast<uint32_t>(value.data[3]) << 24);
    return true;
}

bool DecodeRegistryText(const RegistryValue& value, wchar_t* out, size_t capacity) {
    if (out == nullptr || capacity == 0) {
        return false;
    }
    if (value.type != kRegSz && value.type != kRegExpandSz && value.type != kRegLink &&
        value.type != kRegMultiSz) {
        return false;
    }
    // The first string of a REG_MULTI_SZ is the text up to its first zero, as for the others.
    // A text longer than its field is cut rather than replaced by the default: the user's
    // choice (a folder, a printer) is kept as far as it fits, and a cut text is still a text
    // the consumer can show and correct.
    CopyCut(out, capacity, DecodeUtf16(value.data));
    return true;
}

RegistryValue EncodeRegistryNumber(uint32_t number) {
    RegistryValue value;
    value.type = kRegDword;
    value.data = {static_cast<uint8_t>(number & 0xFF), static_cast<uint8_t>((number >> 8) & 0xFF),
                  static_cast<uint8_t>((number >> 16) & 0xFF),
                  static_cast<uint8_t>((number >> 24) & 0xFF)};
    return value;
}

RegistryValue EncodeRegistryText(const wchar_t* text) {
    RegistryValue value;
    value.type = kRegSz;
    for (const wchar_t* c = text != nullptr ? text : L""; *c != L'\0'; ++c) {
        const uint32_t code = static_cast<uint32_t>(*c);
        if (sizeof(wchar_t) > 2 && code > 0xFFFF && code <= 0x10FFFF) {
            AppendUnit(value.data, 0xD800 + ((code - 0x10000) >> 10));
            AppendUnit(value.data, 0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            AppendUnit(value.data, code > 0x10FFFF ? 0xFFFD : code);
        }
    }
    AppendUnit(value.data, 0);
    return value;
}

uint32_t RegistryKey::ReadDword(const wchar_t* subKey, const wchar_t* name,
                                uint32_t defaultValue) const {
    RegistryValue value;
    uint32_t number = 0;
    if (ReadValue(subKey, name, value) && DecodeRegistryNumber(value, number)) {
        return number;
    }
    return defaultValue;
}

bool RegistryKey::ReadString(const wchar_t* subKey, const wchar_t* name, const wchar_t* defaultText,
                             wchar_t* out, size_t capacity) const {
    if (out == nullptr || capacity == 0) {
        return false;
    }
    RegistryValue value;
    if (ReadValue(subKey, name, value) && DecodeRegistryText(value, out, capacity)) {
        return true;
    }
    CopyText(out, capacity, defaultText != nullptr ? defaultText : L"");
    return false;
}

bool RegistryKey::WriteDword(const wchar_t* subKey, const wchar_t* name, uint32_t value) const {
    return WriteValue(subKey, name, EncodeRegistryNumber(value));
}

bool RegistryKey::WriteString(const wchar_t* subKey, const wchar_t* name,
                              const wchar_t* text) const {
    return WriteValue(subKey, name, EncodeRegistryText(text));
}

bool RegistryKey::Delete(const wchar_t* subKey, const wchar_t* name) const {
    if (subKey == nullptr) {
        return false;
    }
    if (name != nullptr) {
        return DeleteValue(subKey, name);
    }
    // Never the root key itself.
    if (*subKey == L'\0') {
        return false;
    }
    return DeleteKeyTree(subKey);
}

}  // namespace zentrova
