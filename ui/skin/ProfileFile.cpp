// The portable profile-file reader (rules in ProfileFile.h).
#include "ui/skin/ProfileFile.h"

#include <limits>

#include "codecs/ZFile.h"
#include "core/WideText.h"

namespace zentrova {

namespace {

bool IsProfileBlank(wchar_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20;
}

wchar_t FoldAscii(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool EqualsFolded(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::wstring Trimmed(const std::wstring& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsProfileBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsProfileBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

// Names and values end at a zero character, as the system's texts do.
std::wstring CutAtZero(std::wstring text) {
    const size_t zero = text.find(L'\0');
    if (zero != std::wstring::npos) {
        text.resize(zero);
    }
    return text;
}

// Windows-1252 characters 0x80..0x9F; the rest of the page equals Latin-1.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::wstring DecodeAnsi(const std::string& bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        text.push_back(b >= 0x80 && b <= 0x9F ? static_cast<wchar_t>(kCp1252High[b - 0x80])
                                              : static_cast<wchar_t>(b));
    }
    return text;
}

std::wstring DecodeUtf16(const std::string& bytes, size_t start, bool bigEndian) {
    std::u16string units;
    units.reserve((bytes.size() - start) / 2);
    for (size_t i = start; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(bigEndian ? static_cast<char16_t>((first << 8) | second)
                                  : static_cast<char16_t>((second << 8) | first));
    }
    if constexpr (sizeof(wchar_t) == 2) {
        return std::wstring(units.begin(), units.end());
    } else {
        // Pairs of surrogates make one character; a lone surrogate becomes U+FFFD.
        std::wstring text;
        text.reserve(units.size());
        for (size_t i = 0; i < units.size(); ++i) {
            const char32_t unit = units[i];
            if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units.size() &&
                units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
                const char32_t low = units[++i];
                text.push_back(
                    static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
            } else if (unit >= 0xD800 && unit <= 0xDFFF) {
                text.push_back(static_cast<wchar_t>(0xFFFD));
            } else {
                text.push_back(static_cast<wchar_t>(unit));
            }
        }
        return text;
    }
}

}  // namespace

std::wstring DecodeProfileText(const std::string& bytes) {
    auto starts = [&bytes](const char* prefix, size_t length) {
        return bytes.size() >= length && bytes.compare(0, length, prefix, length) == 0;
    };
    if (starts("\xEF\xBB\xBF", 3)) {
        return FromUtf8(bytes.substr(3));
    }
    if (starts("\xFF\xFE", 2)) {
        return DecodeUtf16(bytes, 2, false);
    }
    if (starts("\xFE\xFF", 2)) {
        return DecodeUtf16(bytes, 2, true);
    }
    return DecodeAnsi(bytes);
}

bool ProfileFile::Load(const wchar_t* path) {
    m_sections.clear();
    ZFile file;
    if (path == nullptr || !file.Open(path, ZFile::Mode::Read)) {
        return false;
    }
    const int64_t size = file.GetSize();
    if (size < 0 || static_cast<uint64_t>(size) > kMaxProfileFileBytes) {
        return false;
    }
    std::string bytes(static_cast<size_t>(size), '\0');
    if (file.Read(bytes.data(), bytes.size()) != bytes.size()) {
        return false;
    }
    Parse(bytes);
    return true;
}

void ProfileFile::Parse(const std::string& bytes) {
    m_sections.clear();
    m_sections.push_back(Section{});  // keys before the first section
    const std::wstring text = DecodeProfileText(bytes);
    bool hasPrevious = false;  // a key was added since the section began
    bool previousNameless = false;
    size_t position = 0;
    while (position < text.size()) {
        size_t end = position;
        while (end < text.size() && text[end] != L'\n' && text[end] != L'\r') {
            ++end;
        }
        const std::wstring line = Trimmed(text.substr(position, end - position));
        position = end;
        while (position < text.size() && (text[position] == L'\n' || text[position] == L'\r')) {
            ++position;
        }
        if (line.empty()) {
            continue;
        }
        if (line[0] == L'[') {
            const size_t close = line.find_last_of(L']');
            if (close != std::wstring::npos && close > 0) {
                Section section;
                section.name = CutAtZero(Trimmed(line.substr(1, close - 1)));
                m_sections.push_back(std::move(section));
                hasPrevious = false;
                continue;
            }
        }
        Key key;
        const size_t equals = line.find(L'=');
        if (equals != std::wstring::npos) {
            key.name = CutAtZero(Trimmed(line.substr(0, equals)));
            size_t valueStart = equals + 1;
            while (valueStart < line.size() && IsProfileBlank(line[valueStart])) {
                ++valueStart;
            }
            key.value = CutAtZero(line.substr(valueStart));
            key.hasValue = true;
        } else {
            key.name = CutAtZero(line);
        }
        // A nameless key directly after another nameless one is dropped, as the system does.
        if (!key.name.empty() || !hasPrevious || !previousNameless) {
            hasPrevious = true;
            previousNameless = key.name.empty();
            m_sections.back().keys.push_back(std::move(key));
        }
    }
}

const ProfileFile::Key* ProfileFile::Find(const wchar_t* section, const wchar_t* key) const {
    const std::wstring sectionName = Trimmed(section != nullptr ? section : L"");
    const std::wstring keyName = Trimmed(key != nullptr ? key : L"");
    for (const Section& candidate : m_sections) {
        if (!EqualsFolded(candidate.name, sectionName)) {
            continue;
        }
        for (const Key& entry : candidate.keys) {
            if (EqualsFolded(entry.name, keyName)) {
                return &entry;
            }
        }
        return nullptr;  // only the first section of the name is searched
    }
    return nullptr;
}

std::wstring CopyProfileValue(const std::wstring& value, size_t capacity) {
    if (capacity == 0) {
        return std::wstring();
    }
    std::wstring text = CutAtZero(value);
    bool quoted = false;
    if (text.size() > 1 && (text[0] == L'\'' || text[0] == L'"') && text.back() == text[0]) {
        quoted = true;
        text.erase(0, 1);
    }
    std::wstring copy = text.substr(0, capacity - 1);
    if (quoted && capacity >= text.size() && !copy.empty()) {
        copy.pop_back();
    }
    return copy;
}

std::wstring ProfileFile::GetString(const wchar_t* section, const wchar_t* key,
                                    const wchar_t* defaultValue, size_t capacity) const {
    const Key* found = Find(section, key);
    if (found != nullptr && found->hasValue) {
        return CopyProfileValue(found->value, capacity);
    }
    std::wstring fallback = defaultValue != nullptr ? defaultValue : L"";
    while (fallback.size() > 1 && fallback.back() == L' ') {
        fallback.pop_back();
    }
    return capacity == 0 ? std::wstring() : fallback.substr(0, capacity - 1);
}

uint32_t ProfileFile::GetInt(const wchar_t* section, const wchar_t* key,
                             uint32_t defaultValue) const {
    constexpr size_t kNumberChars = 30;
    const std::wstring text = GetString(section, key, L"", kNumberChars);
    if (text.empty()) {
        return defaultValue;
    }
    return ProfileTextToNumber(text);
}

uint32_t ProfileTextToNumber(const std::wstring& text) {
    size_t i = 0;
    while (i < text.size() && text[i] <= L' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    uint32_t base = 10;
    if (i + 1 < text.size() && text[i] == L'0') {
        const wchar_t marker = text[i + 1];
        base = marker == L'x' ? 16 : marker == L'o' ? 8 : marker == L'b' ? 2 : 10;
        if (base != 10) {
            i += 2;
        }
    }
    uint32_t total = 0;
    for (; i < text.size(); ++i) {
        const wchar_t c = text[i];
        uint32_t digit = std::numeric_limits<uint32_t>::max();
        if (c >= L'0' && c <= L'9') {
            digit = static_cast<uint32_t>(c - L'0');
        } else if (c >= L'A' && c <= L'Z') {
            digit = static_cast<uint32_t>(c - L'A' + 10);
        } else if (c >= L'a' && c <= L'z') {
            digit = static_cast<uint32_t>(c - L'a' + 10);
        }
        if (digit >= base) {
            break;
        }
        total = total * base + digit;  // wraps in 32 bits, as the system's conversion does
    }
    return negative ? 0u - total : total;
}

}  // namespace zentrova
