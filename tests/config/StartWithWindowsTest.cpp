// The log-on start entry "Corvix" under the per-user "Run" key.
#include <cwchar>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "config/StartWithWindows.h"
#include "core/FileSystem.h"
#include "core/WideText.h"
#include "tests/config/FakeSystemInfo.h"
#include "tests/config/RegistryProbe.h"

namespace zentrova {
namespace {

using test::LoadRaw;

class StartWithWindowsTest : public testing::Test {
  protected:
    void SetUp() override { RegistryKey().Delete(kRunKeyPath, kLogOnEntryName); }
    void TearDown() override { RegistryKey().Delete(kRunKeyPath, kLogOnEntryName); }

    // The entry's path (stored as a text with its terminator exactly once); else "<none>".
    std::wstring Entry() {
        RegistryValue value;
        wchar_t text[kMaxPathChars];
        const bool ok = LoadRaw(kRunKeyPath, L"Corvix", value) && value.type == kRegSz &&
                        value.data.size() >= 2 && value.data.end()[-1] == 0 &&
                        value.data.end()[-2] == 0 && DecodeRegistryText(value, text, kMaxPathChars);
        return ok && (value.data.size() - 2) / 2 == std::wcslen(text) ? text : L"<none>";
    }

    test::FakeSystemInfo system;
    SettingsRecord record;
};

TEST_F(StartWithWindowsTest, OnWritesTheProgramFolderWithCorvixExe) {
    record.GeneralStartWithWindows = 1;
    system.programFolder = L"C:\\Program Files\\Zentrova\\Clarivue 2";
    EXPECT_TRUE(ApplyStartWithWindows(record, RegistryKey(), system));
    EXPECT_EQ(Entry(), system.programFolder + kNativeSeparator + L"corvix.exe");
    // Other entries of the key are left alone.
    ASSERT_TRUE(test::StoreRaw(kRunKeyPath, L"OtherTool", kRegSz, {'x', 0, 0, 0}));
    record.GeneralStartWithWindows = 0;
    EXPECT_TRUE(ApplyStartWithWindows(record, RegistryKey(), system));
    EXPECT_EQ(Entry(), L"<none>");
    RegistryValue other;
    EXPECT_TRUE(LoadRaw(kRunKeyPath, L"OtherTool", other));
    RegistryKey().Delete(kRunKeyPath, L"OtherTool");
}

TEST_F(StartWithWindowsTest, OffDeletesTheEntryAndAMissingEntryIsFine) {
    ASSERT_TRUE(test::StoreRaw(kRunKeyPath, L"Corvix", kRegSz, {'x', 0, 0, 0}));
    record.GeneralStartWithWindows = 0;
    EXPECT_TRUE(ApplyStartWithWindows(record, RegistryKey(), system));
    EXPECT_EQ(Entry(), L"<none>");
    // Only 1 means on.
    record.GeneralStartWithWindows = 2;
    EXPECT_TRUE(ApplyStartWithWindows(record, RegistryKey(), system));
    EXPECT_EQ(Entry(), L"<none>");
}

TEST_F(StartWithWindowsTest, WithoutAProgramFolderNothingIsWritten) {
    record.GeneralStartWithWindows = 1;
    system.hasProgramFolder = false;
    EXPECT_FALSE(ApplyStartWithWindows(record, RegistryKey(), system));
    EXPECT_EQ(Entry(), L"<none>");
}

TEST_F(StartWithWindowsTest, TheRunningProgramsFolderHoldsThisTestProgram) {
    HostSystemInfo host;
    std::wstring folder;
    ASSERT_TRUE(host.GetProgramFolder(folder));
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), L'\\');
    EXPECT_NE(folder.back(), L'/');
#ifdef _WIN32
    EXPECT_TRUE(PathExists((folder + L"\\clarivue_tests.exe").c_str()));
#else
    EXPECT_TRUE(PathExists((folder + L"/clarivue_tests").c_str()));
#endif
    record.GeneralStartWithWindows = 1;
    EXPECT_TRUE(ApplyStartWithWindows(record, RegistryKey(), host));
    EXPECT_EQ(Entry(), folder + kNativeSeparator + L"corvix.exe");
    wchar_t small[4];
    EXPECT_FALSE(GetProgramFolder(small, 4));
}

}  // namespace
}  // namespace zentrova
