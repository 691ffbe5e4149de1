#include <gtest/gtest.h>

#include "ui/intro/AboutText.h"

namespace zentrova {
namespace {

TEST(AboutText, BuildDateFromCompilerDate) {
    const struct {
        const char* in;
        const wchar_t* out;
    } kCases[] = {
        {"Dec  7 2026", L"2026-12-07"},
        {"Jan 31 2025", L"2025-01-31"},
        {"Sep 10 2030", L"2030-09-10"},
        {"Feb 29 2028", L"2028-02-29"},
        {"Dez  7 2026", L""},
        {"Dec 32 2026", L""},
        {"Dec  0 2026", L""},
        {"Dec 07 20x6", L""},
        {"Dec  7 2026 ", L""},
        {"Dec 7 2026", L""},
        {"", L""},
        {nullptr, L""},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(IsoBuildDate(c.in), c.out) << (c.in != nullptr ? c.in : "(null)");
    }
}

TEST(AboutText, VersionLineTakesItsPartsLiterally) {
    EXPECT_EQ(AboutVersionLine(kAboutProductName, L"2.10", L"2026-12-07"),
              L"Zentrova Clarivue 2  (2.10, 2026-12-07)");
    EXPECT_EQ(AboutVersionLine(L"A%sB", L"%d", L""), L"A%sB  (%d, )");
    EXPECT_EQ(AboutVersionLine(nullptr, nullptr, L"x"), L"  (, x)");
}

}  // namespace
}  // namespace zentrova
