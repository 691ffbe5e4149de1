// The reply format of the online services, version 1: UTF-8 text, lines ending in LF or CR LF.
//
//   ZTVINET/1 info          (or "ZTVINET/1 update"; the header names the kind of reply)
//   status ok               (any other status is a failure reported by the server)
//   item|ID|YYYY-MM-DD|CHANNEL|https://LINK|TITLE      (information replies)
//   latest|VERSION|https://PAGE                        (update replies, exactly one counts)
//
// Parsing is strict about the frame and forgiving inside it: a reply larger than
// kMaxReplyBytes or with more than kMaxReplyLines lines, a wrong header or a status other than
// "ok" fails as a whole; a body line that does not match its form (bad date, channel, link, id,
// too long, not UTF-8, an unknown keyword) is dropped and the rest stands. Comment lines start
// with "#"; blank lines are ignored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zentrova::inet {

constexpr size_t kMaxReplyBytes = 64 * 1024;
constexpr size_t kMaxReplyLines = 256;
constexpr size_t kMaxLineBytes = 1024;
constexpr size_t kMaxTitleBytes = 300;
constexpr size_t kMaxLinkBytes = 512;
constexpr size_t kMaxChannelBytes = 32;
constexpr size_t kMaxItems = 32;

enum class ReplyKind : uint8_t { Info, Update };

enum class ReplyResult : uint8_t {
    Ok,
    TooLarge,  // more than kMaxReplyBytes
    TooManyLines,
    BadHeader,  // not "ZTVINET/1 <kind>" of the expected kind
    BadStatus,  // no status line, or a status other than "ok"
};

struct NewsItem {
    uint32_t id = 0;      // increasing with every new item of the service
    std::string date;     // "YYYY-MM-DD"
    std::string channel;  // lower-case letters, digits and "-"
    std::string link;     // https only
    std::string title;    // UTF-8, no control characters
};

struct Reply {
    std::vector<NewsItem> items;  // in the order of the reply, at most kMaxItems
    bool hasLatest = false;
    std::string latestVersion;  // as sent; compared with CompareVersions
    std::string latestPage;     // https only
};

ReplyResult ParseReply(const char* data, size_t size, ReplyKind kind, Reply& out);

// Checks used by the parser, shared with the query building.
bool IsValidDate(const std::string& text);
bool IsValidChannel(const std::string& text);
bool IsHttpsLink(const std::string& text);
// Well-formed UTF-8 without control characters (below 0x20, 0x7F).
bool IsCleanUtf8(const std::string& text);

}  // namespace zentrova::inet
