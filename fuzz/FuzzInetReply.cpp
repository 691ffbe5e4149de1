// Fuzz entry point of the online services' reply parser.
//
// Every input is parsed as both kinds of reply. What the parser accepts must keep its promises:
// at most kMaxItems items, each with a valid date, channel and https link and a clean title, and
// an update reply's page an https link; a failed reply carries nothing.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzSupport.h"
#include "lang/ztv_inet/InetReply.h"
#include "lang/ztv_inet/InetVersion.h"

namespace {

using namespace zentrova::inet;
using zentrova::fuzz::Check;

void ParseAs(const uint8_t* data, size_t size, ReplyKind kind) {
    Reply reply;
    const ReplyResult result = ParseReply(reinterpret_cast<const char*>(data), size, kind, reply);
    if (result != ReplyResult::Ok) {
        Check(reply.items.empty() && !reply.hasLatest);
        return;
    }
    Check(reply.items.size() <= kMaxItems);
    Check(kind == ReplyKind::Info || reply.items.empty());
    for (const NewsItem& item : reply.items) {
        Check(item.id != 0 && IsValidDate(item.date) && IsValidChannel(item.channel));
        Check(IsHttpsLink(item.link) && IsCleanUtf8(item.title));
        Check(!item.title.empty() && item.title.size() <= kMaxTitleBytes);
    }
    if (reply.hasLatest) {
        Check(kind == ReplyKind::Update && IsHttpsLink(reply.latestPage));
        CompareVersions(reply.latestVersion, "2.10");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ParseAs(data, size, ReplyKind::Info);
    ParseAs(data, size, ReplyKind::Update);
    return 0;
}
