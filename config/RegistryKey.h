// Access to the system registry, one root key at a time.
//
// RegistryKey holds no open handle: each operation opens the sub-key, acts and closes it again.
// The platform part (RegistryKey_win.cpp with the Win32 registry; RegistryKey_mem.cpp, an
// in-memory registry for the native build) only moves raw values, (type, bytes), and deletes;
// what a stored value means (which types are numbers or texts, what is cut or refused) is
// decided here, in RegistryKey.cpp, for both.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zentrova {

enum class RegistryRoot : uint8_t { CurrentUser, LocalMachine };

// Value types, numbered as the system numbers them.
constexpr uint32_t kRegNone = 0;
constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegExpandSz = 2;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;
constexpr uint32_t kRegDwordBigEndian = 5;
constexpr uint32_t kRegLink = 6;
constexpr uint32_t kRegMultiSz = 7;
constexpr uint32_t kRegQword = 11;

// Stored values larger than this are not read (the registry itself advises against values of
// more than a few kilobytes; the settings need at most 520 bytes).
constexpr size_t kMaxRegistryValueBytes = 1024 * 1024;

// A value as stored: its type and its bytes.
struct RegistryValue {
    uint32_t type = kRegNone;
    std::vector<uint8_t> data;
};

// A number: REG_DWORD or REG_DWORD_BIG_ENDIAN of exactly four bytes, taken as they are stored
// (little-endian, never byte-swapped). False for any other type or size.
bool DecodeRegistryNumber(const RegistryValue& value, uint32_t& number);

// A text: REG_SZ, REG_EXPAND_SZ (not expanded), REG_LINK, or the first string of REG_MULTI_SZ.
// The stored UTF-16 text ends at its first zero or at the end of the data, whichever is first,
// so text stored without a terminator is read safely (an odd last byte is ignored). A text
// longer than capacity - 1 characters is cut to that length (never in the middle of a surrogate
// pair); out is always terminated. False for any other type or a null or zero-sized buffer.
bool DecodeRegistryText(const RegistryValue& value, wchar_t* out, size_t capacity);

RegistryValue EncodeRegistryNumber(uint32_t number);
// REG_SZ: the text as UTF-16 with its terminating zero.
RegistryValue EncodeRegistryText(const wchar_t* text);

class RegistryKey {
  public:
    explicit RegistryKey(RegistryRoot root = RegistryRoot::CurrentUser) : m_root(root) {}

    RegistryRoot Root() const { return m_root; }

    // The stored number (see DecodeRegistryNumber), or defaultValue when the key or value is
    // missing or the value is not a number.
    uint32_t ReadDword(const wchar_t* subKey, const wchar_t* name, uint32_t defaultValue) const;

    // Copies the stored text (see DecodeRegistryText), or else defaultText, into out (capacity
    // characters including the terminator), cut to fit. True when the stored text was used.
    bool ReadString(const wchar_t* subKey, const wchar_t* name, const wchar_t* defaultText,
                    wchar_t* out, size_t capacity) const;

    // Creates the sub-key when needed and sets a REG_DWORD (4 bytes) or REG_SZ value.
    bool WriteDword(const wchar_t* subKey, const wchar_t* name, uint32_t value) const;
    bool WriteString(const wchar_t* subKey, const wchar_t* name, const wchar_t* text) const;

    // With a name: deletes that value of the sub-key. Without one (null): deletes the sub-key
    // with all its sub-keys, depth first. An empty sub-key path without a name (the root itself)
    // is refused. False when nothing was deleted.
    bool Delete(const wchar_t* subKey, const wchar_t* name = nullptr) const;

    // The platform part.
    // Reads a value as stored; false when the key or the value is missing, or the value is
    // larger than kMaxRegistryValueBytes. A null or empty name is the key's default value.
    bool ReadValue(const wchar_t* subKey, const wchar_t* name, RegistryValue& value) const;
    // Creates the sub-key when needed and stores the value exactly as given.
    bool WriteValue(const wchar_t* subKey, const wchar_t* name, const RegistryValue& value) const;
    // True when the sub-key exists (an empty path is the root, which always does).
    bool KeyExists(const wchar_t* subKey) const;

  private:
    bool DeleteValue(const wchar_t* subKey, const wchar_t* name) const;
    bool DeleteKeyTree(const wchar_t* subKey) const;

    RegistryRoot m_root;
};

}  // namespace zentrova
