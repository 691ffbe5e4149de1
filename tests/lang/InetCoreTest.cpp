// The portable core of the online-services library: reply format, due rule, versions, address.
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "lang/ztv_inet/InetAddress.h"
#include "lang/ztv_inet/InetReply.h"
#include "lang/ztv_inet/InetSchedule.h"
#include "lang/ztv_inet/InetVersion.h"

namespace zentrova::inet {
namespace {

ReplyResult Parse(const std::string& text, ReplyKind kind, Reply& reply) {
    return ParseReply(text.data(), text.size(), kind, reply);
}

TEST(InetReply, InfoItemsKeptAndBadLinesDropped) {
    const std::string text =
        "ZTVINET/1 info\r\n"
        "status ok\r\n"
        "# a comment\n"
        "item|7|2026-12-01|news|https://z.example/a|Clarivue 2.11 | released\n"
        "item|8|2026-13-01|news|https://z.example/b|bad month\n"
        "item|9|2026-12-02|News|https://z.example/c|upper-case channel\n"
        "item|10|2026-12-02|tips|http://z.example/d|not https\n"
        "item|0|2026-12-02|tips|https://z.example/e|id zero\n"
        "item|11|2026-12-02|tips|https://z.example/f|\x01 control\n"
        "item|12|2026-12-02|tips|https://z.example/g|\xC3\x28 broken UTF-8\n"
        "bogus|13\n"
        "item|14|2026-12-03|tips|https://z.example/h|Gr\xC3\xBC\xC3\x9F"
        "e\n";
    Reply reply;
    ASSERT_EQ(Parse(text, ReplyKind::Info, reply), ReplyResult::Ok);
    ASSERT_EQ(reply.items.size(), 2u);
    EXPECT_EQ(std::tie(reply.items[0].id, reply.items[0].link, reply.items[0].title),
              std::make_tuple(7u, std::string("https://z.example/a"),
                              std::string("Clarivue 2.11 | released")));
    EXPECT_EQ(reply.items[1].id, 14u);
    EXPECT_EQ(reply.items[1].title,
              "Gr\xC3\xBC\xC3\x9F"
              "e");
}

TEST(InetReply, FrameFailures) {
    const struct {
        std::string text;
        ReplyKind kind;
        ReplyResult result;
    } cases[] = {
        {"", ReplyKind::Info, ReplyResult::BadHeader},
        {"<html>Internal error</html>\n", ReplyKind::Info, ReplyResult::BadHeader},
        {"ZTVINET/2 info\nstatus ok\n", ReplyKind::Info, ReplyResult::BadHeader},
        {"ZTVINET/1 info\n", ReplyKind::Info, ReplyResult::BadStatus},
        {"ZTVINET/1 info\nstatus busy\n", ReplyKind::Info, ReplyResult::BadStatus},
        {"ZTVINET/1 update\nstatus ok", ReplyKind::Update, ReplyResult::Ok},
        {std::string(kMaxReplyBytes + 1, 'x'), ReplyKind::Info, ReplyResult::TooLarge},
        {"ZTVINET/1 info\nstatus ok\n" + std::string(kMaxReplyLines - 2, '\n'), ReplyKind::Info,
         ReplyResult::Ok},
        {"ZTVINET/1 info\nstatus ok\n" + std::string(kMaxReplyLines - 1, '\n'), ReplyKind::Info,
         ReplyResult::TooManyLines},
    };
    for (const auto& c : cases) {
        Reply reply;
        reply.hasLatest = true;
        EXPECT_EQ(Parse(c.text, c.kind, reply), c.result) << c.text.substr(0, 40);
        EXPECT_FALSE(reply.hasLatest);
    }
}

TEST(InetReply, UpdateTakesTheFirstValidLatestLine) {
    Reply reply;
    ASSERT_EQ(Parse("ZTVINET/1 update\nstatus ok\nlatest|2.11|http://z.example/\n"
                    "latest|2.12|https://z.example/get\nlatest|2.13|https://z.example/x\n",
                    ReplyKind::Update, reply),
              ReplyResult::Ok);
    EXPECT_EQ(std::tie(reply.hasLatest, reply.latestVersion, reply.latestPage),
              std::make_tuple(true, std::string("2.12"), std::string("https://z.example/get")));
}

TEST(InetReply, ItemsBeyondTheLimitAreDropped) {
    std::string text = "ZTVINET/1 info\nstatus ok\n";
    for (size_t i = 1; i <= kMaxItems + 3; ++i) {
        text += "item|" + std::to_string(i) + "|2026-01-01|news|https://z.example/|t\n";
    }
    Reply reply;
    ASSERT_EQ(Parse(text, ReplyKind::Info, reply), ReplyResult::Ok);
    ASSERT_EQ(reply.items.size(), kMaxItems);
    EXPECT_EQ(reply.items.back().id, kMaxItems);
}

TEST(InetSchedule, DueRule) {
    const uint64_t day = 24 * 3600;
    const uint64_t now = 1'800'000'000;
    EXPECT_TRUE(IsCheckDue(now, 0, 24));               // first run
    EXPECT_FALSE(IsCheckDue(now, now - day + 1, 24));  // one second early
    EXPECT_TRUE(IsCheckDue(now, now - day, 24));       // interval passed
    EXPECT_TRUE(IsCheckDue(now, now + 60, 24));        // clock moved back
    EXPECT_EQ(SecondsUntilDue(now, now - 3600, 24), day - 3600);
    EXPECT_EQ(SecondsUntilDue(now, now, 0), 3600u);  // interval kept at one hour at least
    EXPECT_EQ(SecondsUntilDue(now, now, 100000), uint64_t{kMaxIntervalHours} * 3600);
}

TEST(InetSchedule, Channels) {
    EXPECT_TRUE(HasChannel("news,tips", "tips"));
    EXPECT_FALSE(HasChannel("news,tipsx", "tips"));
    EXPECT_EQ(SetChannel("tips", "news", true, "news,tips,offers"), "news,tips");
    EXPECT_EQ(SetChannel("news,tips,junk", "news", false, "news,tips,offers"), "tips");
    EXPECT_EQ(SetChannel("", "offers", false, "news,tips,offers"), "");
}

TEST(InetVersion, Compare) {
    const struct {
        const char* candidate;
        const char* current;
        VersionOrder order;
    } cases[] = {
        {"2.10", "2.9", VersionOrder::Newer},         {"2.9", "2.10", VersionOrder::Older},
        {"2.10", "2.10.0", VersionOrder::Same},       {"2.10.0.1", "2.10", VersionOrder::Newer},
        {"3", "2.99999", VersionOrder::Newer},        {"2.010", "2.10", VersionOrder::Same},
        {"2.10a", "2.10", VersionOrder::Invalid},     {"2..10", "2.10", VersionOrder::Invalid},
        {"1.2.3.4.5", "2.10", VersionOrder::Invalid}, {"2.100000", "2.10", VersionOrder::Invalid},
        {" 2.11", "2.10", VersionOrder::Invalid},     {"2.11", "-2", VersionOrder::Invalid},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CompareVersions(c.candidate, c.current), c.order)
            << c.candidate << " vs " << c.current;
    }
}

TEST(InetAddress, OnlyHttpsOrLoopback) {
    const struct {
        const char* url;
        bool secure;
        const char* host;
        uint16_t port;
        const char* path;
    } cases[] = {
        {"https://online.zentrova.example/ztvinet/1/", true, "online.zentrova.example", 443,
         "/ztvinet/1/"},
        {"http://127.0.0.1:8123/svc", false, "127.0.0.1", 8123, "/svc"},
        {"http://127.9.0.1", false, "127.9.0.1", 80, "/"},
        {"http://[::1]:9/", false, "[::1]", 9, "/"},
    };
    for (const auto& c : cases) {
        ServiceAddress a;
        ASSERT_TRUE(ParseServiceAddress(c.url, a)) << c.url;
        EXPECT_EQ(std::tie(a.secure, a.host, a.port, a.path),
                  std::make_tuple(c.secure, std::string(c.host), c.port, std::string(c.path)));
    }
    for (const char* url :
         {"http://localhost:8123/", "http://128.0.0.1/", "http://127.0.0.1.example.com/",
          "http://127.0.0.256/", "http://user@127.0.0.1/", "https://host:0/", "https://host:65536/",
          "ftp://127.0.0.1/", "https:///path"}) {
        ServiceAddress a;
        EXPECT_FALSE(ParseServiceAddress(url, a)) << url;
    }
    ServiceAddress builtIn;
    EXPECT_TRUE(ParseServiceAddress(kDefaultService, builtIn));
}

TEST(InetAddress, RequestPathEncodesEveryValue) {
    ServiceAddress a;
    ASSERT_TRUE(ParseServiceAddress("http://127.0.0.1:1/svc", a));
    RequestParams p{"4711", "2.10", "Home & Office", "de-de", "news,tips", 42};
    EXPECT_EQ(BuildRequestPath(a, false, p),
              "/svc/info?product=4711&version=2.10&edition=Home%20%26%20Office&lang=de-de"
              "&channels=news,tips&after=42");
    EXPECT_EQ(BuildRequestPath(a, true, p),
              "/svc/update?product=4711&version=2.10&edition=Home%20%26%20Office&lang=de-de");
}

}  // namespace
}  // namespace zentrova::inet
