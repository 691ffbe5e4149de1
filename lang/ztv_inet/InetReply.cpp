#include "lang/ztv_inet/InetReply.h"

#include <string_view>

namespace zentrova::inet {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Splits line at "|" into at most maxFields fields; the last one keeps any further "|".
std::vector<std::string_view> SplitFields(std::string_view line, size_t maxFields) {
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < maxFields) {
        const size_t bar = line.find('|');
        if (bar == std::string_view::npos) {
            break;
        }
        fields.push_back(line.substr(0, bar));
        line.remove_prefix(bar + 1);
    }
    fields.push_back(line);
    return fields;
}

bool ParseId(std::string_view text, uint32_t& id) {
    if (text.empty() || text.size() > 9) {
        return false;
    }
    uint32_t value = 0;
    for (char c : text) {
        if (!IsDigit(c)) {
            return false;
        }
        value = value * 10 + static_cast<uint32_t>(c - '0');
    }
    id = value;
    return value != 0;
}

bool ParseItem(std::string_view line, NewsItem& item) {
    const std::vector<std::string_view> f = SplitFields(line, 6);
    if (f.size() != 6 || f[0] != "item") {
        return false;
    }
    item.date.assign(f[2]);
    item.channel.assign(f[3]);
    item.link.assign(f[4]);
    item.title.assign(f[5]);
    return ParseId(f[1], item.id) && IsValidDate(item.date) && IsValidChannel(item.channel) &&
           IsHttpsLink(item.link) && !item.title.empty() && item.title.size() <= kMaxTitleBytes &&
           IsCleanUtf8(item.title);
}

bool ParseLatest(std::string_view line, Reply& out) {
    const std::vector<std::string_view> f = SplitFields(line, 3);
    if (f.size() != 3 || f[0] != "latest" || f[1].empty() || f[1].size() > 32 ||
        !IsCleanUtf8(std::string(f[1])) || !IsHttpsLink(std::string(f[2]))) {
        return false;
    }
    out.hasLatest = true;
    out.latestVersion.assign(f[1]);
    out.latestPage.assign(f[2]);
    return true;
}

}  // namespace

bool IsValidDate(const std::string& t) {
    if (t.size() != 10 || t[4] != '-' || t[7] != '-') {
        return false;
    }
    for (size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u}) {
        if (!IsDigit(t[i])) {
            return false;
        }
    }
    const int month = (t[5] - '0') * 10 + (t[6] - '0');
    const int day = (t[8] - '0') * 10 + (t[9] - '0');
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

bool IsValidChannel(const std::string& t) {
    if (t.empty() || t.size() > kMaxChannelBytes) {
        return false;
    }
    for (char c : t) {
        if (!((c >= 'a' && c <= 'z') || IsDigit(c) || c == '-')) {
            return false;
        }
    }
    return true;
}

bool IsHttpsLink(const std::string& t) {
    static constexpr std::string_view kScheme = "https://";
    if (t.size() <= kScheme.size() || t.size() > kMaxLinkBytes ||
        t.compare(0, kScheme.size(), kScheme) != 0) {
        return false;
    }
    const char first = t[kScheme.size()];
    if (first == '/' || first == '.' || first == ':' || first == '@') {
        return false;  // no host
    }
    for (char c : t) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= 0x20 || u >= 0x7F || c == '"' || c == '<' || c == '>' || c == '\\') {
            return false;
        }
    }
    return true;
}

bool IsCleanUtf8(const std::string& t) {
    size_t i = 0;
    while (i < t.size()) {
        const auto c = static_cast<unsigned char>(t[i]);
        if (c < 0x20 || c == 0x7F) {
            return false;
        }
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t length = 0;
        uint32_t code = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            code = c & 0x07;
        } else {
            return false;
        }
        if (t.size() - i < length) {
            return false;
        }
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(t[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        if (overlong || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

ReplyResult ParseReply(const char* data, size_t size, ReplyKind kind, Reply& out) {
    out = Reply{};
    if (size > kMaxReplyBytes) {
        return ReplyResult::TooLarge;
    }
    std::string_view rest(data != nullptr ? data : "", data != nullptr ? size : 0);
    std::vector<std::string_view> lines;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (lines.size() == kMaxReplyLines) {
            return ReplyResult::TooManyLines;
        }
        lines.push_back(line);
    }
    const std::string_view header = kind == ReplyKind::Info ? "ZTVINET/1 info" : "ZTVINET/1 update";
    if (lines.empty() || lines[0] != header) {
        return ReplyResult::BadHeader;
    }
    if (lines.size() < 2 || lines[1] != "status ok") {
        return ReplyResult::BadStatus;
    }
    for (size_t i = 2; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.empty() || line[0] == '#' || line.size() > kMaxLineBytes) {
            continue;
        }
        if (kind == ReplyKind::Info) {
            NewsItem item;
            if (out.items.size() < kMaxItems && ParseItem(line, item)) {
                out.items.push_back(std::move(item));
            }
        } else if (!out.hasLatest) {
            ParseLatest(line, out);
        }
    }
    return ReplyResult::Ok;
}

}  // namespace zentrova::inet
