// The online services' settings in the registry: stored values of the wrong type or size keep
// the defaults, values written read back, and no key means no checks.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "lang/ztv_inet/InetProduct_win.h"

namespace zentrova::inet {
namespace {

constexpr const wchar_t* kTestKey = L"Software\\Zentrova\\Clarivue Tests\\ztv_inet";

class InetSettingsWin : public ::testing::Test {
  protected:
    void SetUp() override { TearDown(), m_info.root = HKEY_CURRENT_USER, m_info.key = kTestKey; }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
    void Store(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kTestKey, name, type, data, size),
                  ERROR_SUCCESS);
    }
    ProductInfo m_info;
};

TEST_F(InetSettingsWin, MissingKeyGivesTheDefaults) {
    const InetSettings s = LoadInetSettings(m_info);
    EXPECT_EQ(s.enabled, 1u);
    EXPECT_EQ(s.channels, "news,tips");
    EXPECT_EQ(s.intervalHours, 24u);
    EXPECT_EQ(s.lastCheck, 0u);
    EXPECT_EQ(s.service, "");
    ProductInfo none;
    EXPECT_EQ(LoadInetSettings(none).enabled, 0u);
    EXPECT_FALSE(SaveInetNumber(none, L"Enabled", 1));
}

TEST_F(InetSettingsWin, WrongTypesAndSizesKeepTheDefaults) {
    Store(L"Enabled", REG_SZ, L"0", 4);
    const uint64_t stamp = 1'800'000'000;
    Store(L"LastCheck", REG_DWORD, &stamp, 4);
    const uint16_t shortNumber = 0;
    Store(L"LastItem", REG_DWORD, &shortNumber, 2);
    Store(L"Channels", REG_BINARY, "news", 4);
    const std::wstring huge(5000, L'x');
    Store(L"Service", REG_SZ, huge.c_str(), static_cast<DWORD>(huge.size() * 2));
    const DWORD zero = 0;
    Store(L"IntervalHours", REG_DWORD, &zero, 4);
    const InetSettings s = LoadInetSettings(m_info);
    EXPECT_EQ(s.enabled, 1u);
    EXPECT_EQ(s.lastCheck, 0u);
    EXPECT_EQ(s.lastItem, 0u);
    EXPECT_EQ(s.channels, "news,tips");
    EXPECT_EQ(s.service, "");
    EXPECT_EQ(s.intervalHours, 1u);
}

TEST_F(InetSettingsWin, TextWithoutTerminatorAndRoundTrips) {
    Store(L"Service", REG_SZ, L"http://127.0.0.1:9/", 19 * 2);  // no terminating zero
    ASSERT_TRUE(SaveInetNumber(m_info, L"LastItem", 42));
    ASSERT_TRUE(SaveInetStamp(m_info, L"LastCheck", 0x1234567890ull));
    ASSERT_TRUE(SaveInetText(m_info, L"SkippedVersion", "2.11"));
    ASSERT_TRUE(SaveInetText(m_info, L"Channels", "tips"));
    const InetSettings s = LoadInetSettings(m_info);
    EXPECT_EQ(s.service, "http://127.0.0.1:9/");
    EXPECT_EQ(s.lastItem, 42u);
    EXPECT_EQ(s.lastCheck, 0x1234567890ull);
    EXPECT_EQ(s.skippedVersion, "2.11");
    EXPECT_EQ(s.channels, "tips");
    ServiceAddress address;
    ASSERT_TRUE(ResolveService(s, address));
    EXPECT_EQ(address.port, 9);
    InetSettings refused = s;
    refused.service = "http://example.com/";
    EXPECT_FALSE(ResolveService(refused, address));  // never the built-in one instead
}

}  // namespace
}  // namespace zentrova::inet
