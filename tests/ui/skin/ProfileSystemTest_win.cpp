// The portable profile reader against the system's own profile functions: both must give the same
// answers for the same files, odd ones included.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/WideText.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/skin/ProfileSamples.h"
#include "ui/skin/Profile.h"
#include "ui/skin/ProfileFile.h"

namespace zentrova {
namespace {

std::string Narrow(const std::wstring& text) {
    return ToUtf8(text);
}

std::wstring SystemString(const std::wstring& path, const wchar_t* section, const wchar_t* key,
                          const wchar_t* defaultValue, DWORD capacity) {
    std::vector<wchar_t> buffer(capacity + 1, L'#');
    const DWORD length =
        GetPrivateProfileStringW(section, key, defaultValue, buffer.data(), capacity, path.c_str());
    return capacity == 0 ? std::wstring() : std::wstring(buffer.data(), length);
}

TEST(ProfileAgainstSystem, EverySampleEverySectionEveryKey) {
    test::TempFolder folder;
    int compared = 0;
    for (const test::ProfileSample& sample : test::ProfileSamples()) {
        const std::wstring path = folder.File(sample.fileName);
        ASSERT_TRUE(test::WriteWholeFile(path, sample.bytes));
        ProfileFile portable;
        ASSERT_TRUE(portable.Load(path.c_str()));
        for (const wchar_t* section : test::ProfileSampleSections()) {
            for (const wchar_t* key : test::ProfileSampleKeys()) {
                const std::string where =
                    Narrow(sample.fileName) + " [" + Narrow(section) + "] '" + Narrow(key) + "'";
                for (const DWORD capacity : {260u, 30u, 6u, 5u, 4u, 3u, 2u, 1u}) {
                    ASSERT_EQ(Narrow(portable.GetString(section, key, L"dflt", capacity)),
                              Narrow(SystemString(path, section, key, L"dflt", capacity)))
                        << where << " capacity " << capacity;
                    ++compared;
                }
                for (const INT fallback : {16, -5}) {
                    ASSERT_EQ(portable.GetInt(section, key, static_cast<uint32_t>(fallback)),
                              GetPrivateProfileIntW(section, key, fallback, path.c_str()))
                        << where;
                }
                // The seam the skin reads through answers as the system does.
                ASSERT_EQ(Narrow(ReadProfileString(path.c_str(), section, key, L"", 260)),
                          Narrow(portable.GetString(section, key, L"", 260)))
                    << where;
            }
        }
    }
    EXPECT_GT(compared, 1000);
}

TEST(ProfileAgainstSystem, DefaultsAndMissingFiles) {
    test::TempFolder folder;
    const std::wstring path = folder.File(L"defaults.ini");
    ASSERT_TRUE(test::WriteWholeFile(path, test::MainSampleBytes()));
    ProfileFile portable;
    ASSERT_TRUE(portable.Load(path.c_str()));
    for (const wchar_t* fallback : {L"", L"plain", L"trailing   ", L"  leading", L"long default"}) {
        for (const DWORD capacity : {260u, 5u, 1u}) {
            EXPECT_EQ(Narrow(portable.GetString(L"Skin", L"Missing", fallback, capacity)),
                      Narrow(SystemString(path, L"Skin", L"Missing", fallback, capacity)))
                << "'" << Narrow(fallback) << "' capacity " << capacity;
        }
    }
    const std::wstring missing = folder.File(L"missing.ini");
    ProfileFile none;
    EXPECT_FALSE(none.Load(missing.c_str()));
    EXPECT_EQ(Narrow(none.GetString(L"Skin", L"A", L"fallback", 260)),
              Narrow(SystemString(missing, L"Skin", L"A", L"fallback", 260)));
    EXPECT_EQ(none.GetInt(L"Skin", L"A", 16),
              GetPrivateProfileIntW(L"Skin", L"A", 16, missing.c_str()));
    EXPECT_EQ(ReadProfileInt(missing.c_str(), L"Skin", L"A", 16), 16u);
}

}  // namespace
}  // namespace zentrova
