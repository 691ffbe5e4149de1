// Labels of a button bar and the names of its window classes.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ui/buttonbar/ButtonBarText.h"

namespace zentrova {
namespace {

using Labels = std::vector<std::wstring>;

TEST(ButtonBarText, ClassNamesCarryTheGuid) {
    const wchar_t* guid = L"6b29fc40-ca47-1067-b31d-00dd010662da";
    EXPECT_EQ(FormatBarClassName(kButtonBarClassFormat, guid),
              L"_zedCButtonBar-6b29fc40-ca47-1067-b31d-00dd010662da");
    EXPECT_EQ(FormatBarClassName(kButtonBarTooltipClassFormat, guid),
              L"_zedCButtonBarTooltip-6b29fc40-ca47-1067-b31d-00dd010662da");
    EXPECT_EQ(FormatBarClassName(kButtonBarClassFormat, nullptr), L"_zedCButtonBar-");
    // Class names stay within 259 characters.
    const std::wstring longGuid(300, L'a');
    EXPECT_EQ(FormatBarClassName(kButtonBarClassFormat, longGuid.c_str()).size(), 259u);
}

TEST(ButtonBarText, SplitIntoCountLabels) {
    EXPECT_EQ(SplitBarLabels(L"Undo|Redo|Zoom In", 3), (Labels{L"Undo", L"Redo", L"Zoom In"}));
    // Without "|" the whole text is the first label.
    EXPECT_EQ(SplitBarLabels(L"Pick a colour", 1), (Labels{L"Pick a colour"}));
    EXPECT_EQ(SplitBarLabels(L"Pick a colour", 3), (Labels{L"Pick a colour", L"", L""}));
    // Empty items stay empty; items beyond count are dropped.
    EXPECT_EQ(SplitBarLabels(L"a||c", 3), (Labels{L"a", L"", L"c"}));
    EXPECT_EQ(SplitBarLabels(L"a|b|c|d", 2), (Labels{L"a", L"b"}));
    EXPECT_EQ(SplitBarLabels(L"|", 2), (Labels{L"", L""}));
    EXPECT_EQ(SplitBarLabels(nullptr, 2), (Labels{L"", L""}));
    EXPECT_EQ(SplitBarLabels(L"a|b", 0), Labels{});
}

TEST(ButtonBarText, LabelsAreCutAt259Characters) {
    const std::wstring long1(259, L'x');
    const std::wstring long2(400, L'y');
    const std::wstring text = long1 + L"|" + long2 + L"|z";
    const Labels labels = SplitBarLabels(text.c_str(), 3);
    EXPECT_EQ(labels[0], long1);
    EXPECT_EQ(labels[1], std::wstring(259, L'y'));
    // The cut does not swallow the next separator.
    EXPECT_EQ(labels[2], L"z");
}

}  // namespace
}  // namespace zentrova
