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

TEST_F(StartWithWindowsTest, OnlyOneWritesTheEntryAnythingElseDeletesIt) {
    ASSERT_TRUE(test::StoreRaw(kRunKeyPath, L"OtherTool", kRegSz, {'x', 0, 0, 0}));
    system.programFolder = L"C:\\Program Files\\Zentrova\\Clarivue 2";
    const struct {
        uint32_t value;
        bool hasFolder, result;
        std::wstring entry;
    } steps[] = {
        {1, true, true, system.programFolder + kNativeSeparator + L"corvix.exe"},
        {0, true, true, L"<none>"},
        {2, true, true, L"<none>"},    // only 1 means on; a missing entry is fine
        {1, false, false, L"<none>"},  // without a program folder nothing is written
    };
    for (const auto& step : steps) {
        record.GeneralStartWithWindows = step.value;
        system.hasProgramFolder = step.hasFolder;
        EXPECT_EQ(ApplyStartWithWindows(record, RegistryKey(), system), step.result)
            << &step - steps;
        EXPECT_EQ(Entry(), step.entry) << &step - steps;
    }
    RegistryValue other;  // other entries of the key are left alone
    EXPECT_TRUE(LoadRaw(kRunKeyPath, L"OtherTool", other));
    RegistryKey().Delete(kRunKeyPath, L"OtherTool");
}

TEST_F(StartWithWindowsTest, TheRunningProgramsFolderHoldsThisTestProgram) {
    HostSystemInfo host;
    std::wstring folder;
    ASSERT_TRUE(host.GetProgramFolder(folder));
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), L'\\');
    EXPECT_NE(folder.back(), L'/');
    const std::wstring program = folder + kNativeSeparator + L"clarivue_tests";
    EXPECT_TRUE(PathExists(program.c_str()) || PathExists((program + L".exe").c_str()));
    record.GeneralStartWithWindows = 1;
    EXPECT_TRUE(ApplyStartWithWindows(record, RegistryKey(), host));
    EXPECT_EQ(Entry(), folder + kNativeSeparator + L"corvix.exe");
    wchar_t small[4];
    EXPECT_FALSE(GetProgramFolder(small, 4));
}

}  // namespace
}  // namespace zentrova
