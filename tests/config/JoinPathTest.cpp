// JoinPath: one separator between folder and name, never a cut path.
#include <string>

#include <gtest/gtest.h>

#include "config/JoinPath.h"
#include "core/FileSystem.h"

namespace zentrova {
namespace {

TEST(JoinPath, AddsTheSeparatorOnlyWhenTheFolderLacksOne) {
    const std::wstring sep(1, kNativeSeparator);
    EXPECT_EQ(JoinPath(L"C:\\Tools", L"corvix.exe"), L"C:\\Tools" + sep + L"corvix.exe");
    EXPECT_EQ(JoinPath(L"C:\\Tools\\", L"corvix.exe"), L"C:\\Tools\\corvix.exe");
    EXPECT_EQ(JoinPath(L"C:/Tools/", L"corvix.exe"), L"C:/Tools/corvix.exe");
    EXPECT_EQ(JoinPath(L"", L"Lang"), L"Lang");
    EXPECT_EQ(JoinPath(L"C:", L""), L"C:" + sep);
}

TEST(JoinPath, InPlaceJoinFailsWithoutChangeWhenTheResultDoesNotFit) {
    wchar_t folder[12] = L"C:\\Tools";
    EXPECT_FALSE(JoinPath(folder, 12, L"abc"));  // 8 + 1 + 3 = 12 characters: no room
    EXPECT_EQ(std::wstring(folder), L"C:\\Tools");
    EXPECT_TRUE(JoinPath(folder, 12, L"ab"));  // 11 characters and the terminator
    EXPECT_EQ(std::wstring(folder), std::wstring(L"C:\\Tools") + kNativeSeparator + L"ab");
    wchar_t full[4] = {L'a', L'b', L'c', L'd'};  // not terminated
    EXPECT_FALSE(JoinPath(full, 4, L"x"));
    EXPECT_EQ(full[3], L'd');
    EXPECT_FALSE(JoinPath(nullptr, 4, L"x"));
}

}  // namespace
}  // namespace zentrova
