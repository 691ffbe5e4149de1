#include "lang/ztv_inet/InetVersion.h"

#include <array>
#include <cstdint>

namespace zentrova::inet {

namespace {

constexpr size_t kMaxParts = 4;
constexpr size_t kMaxDigits = 5;

bool ParseVersion(const std::string& text, std::array<uint32_t, kMaxParts>& parts) {
    parts.fill(0);
    size_t part = 0;
    size_t digits = 0;
    for (char c : text) {
        if (c == '.') {
            if (digits == 0 || ++part == kMaxParts) {
                return false;
            }
            digits = 0;
        } else if (c >= '0' && c <= '9') {
            if (++digits > kMaxDigits) {
                return false;
            }
            parts[part] = parts[part] * 10 + static_cast<uint32_t>(c - '0');
        } else {
            return false;
        }
    }
    return digits != 0;
}

}  // namespace

VersionOrder CompareVersions(const std::string& candidate, const std::string& current) {
    std::array<uint32_t, kMaxParts> a{};
    std::array<uint32_t, kMaxParts> b{};
    if (!ParseVersion(candidate, a) || !ParseVersion(current, b)) {
        return VersionOrder::Invalid;
    }
    for (size_t i = 0; i < kMaxParts; ++i) {
        if (a[i] != b[i]) {
            return a[i] > b[i] ? VersionOrder::Newer : VersionOrder::Older;
        }
    }
    return VersionOrder::Same;
}

}  // namespace zentrova::inet
