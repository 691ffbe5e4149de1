// Button icon tags: the table, finding a tag at the start of a caption, tagging a caption.
#include <gtest/gtest.h>

#include <string>

#include "ui/dialogs/ButtonTags.h"

namespace zentrova {
namespace {

TEST(ButtonTagsTest, TableInIconOrderAndEmptyOutside) {
    const wchar_t* expected[] = {
        L"<Ok>",   L"<Cancel>",  L"<Down>", L"<Up>",    L"<Browse>", L"<DelAll>",    L"<DelSel>",
        L"<Help>", L"<Refresh>", L"<Add>",  L"<Color>", L"<GoTo>",   L"<CopyFiles>", L"<MoveFiles>",
        L"<Edit>", L"<Copy>",    L"<Font>", L"<Zoom>",  L"<Crop>",
    };
    for (int i = 0; i < 19; ++i) {
        EXPECT_EQ(std::wstring(ButtonTagText(i)), expected[i]) << i;
        size_t length = 0;
        EXPECT_EQ(FindButtonTag(expected[i], &length), i);
        EXPECT_EQ(length, std::wstring(expected[i]).size());
    }
    EXPECT_EQ(std::wstring(ButtonTagText(-1)), L"");
    EXPECT_EQ(std::wstring(ButtonTagText(19)), L"");
    EXPECT_EQ(std::wstring(ButtonTagText(1000)), L"");
}

TEST(ButtonTagsTest, FindsOnlyALeadingExactTag) {
    size_t length = 99;
    // "<Help>Help": the help icon and the text "Help".
    EXPECT_EQ(FindButtonTag(L"<Help>Help", &length), 7);
    EXPECT_EQ(length, 6u);
    // "<Copy>" is not mistaken for "<CopyFiles>" and the other way round.
    EXPECT_EQ(FindButtonTag(L"<CopyFiles>Copy", &length), 12);
    EXPECT_EQ(length, 11u);
    EXPECT_EQ(FindButtonTag(L"<Copy>Files", &length), 15);
    EXPECT_EQ(length, 6u);
    length = 99;
    EXPECT_EQ(FindButtonTag(L"Help<Help>", &length), -1);
    EXPECT_EQ(FindButtonTag(L"<help>Help", &length), -1);
    EXPECT_EQ(FindButtonTag(L"<Ok", &length), -1);
    EXPECT_EQ(FindButtonTag(L"", &length), -1);
    EXPECT_EQ(FindButtonTag(nullptr, &length), -1);
    EXPECT_EQ(length, 99u);
    EXPECT_EQ(FindButtonTag(L"<Crop>", nullptr), 18);
}

TEST(ButtonTagsTest, TaggedCaptionPutsTagInFrontOfCutCaption) {
    EXPECT_EQ(TaggedCaption(0, L"Ok"), L"<Ok>Ok");
    EXPECT_EQ(TaggedCaption(1, L""), L"<Cancel>");
    EXPECT_EQ(TaggedCaption(19, L"Plain"), L"Plain");
    EXPECT_EQ(TaggedCaption(-1, nullptr), L"");
    // 239 characters are kept, the 240th is dropped.
    const std::wstring long239(239, L'x');
    EXPECT_EQ(TaggedCaption(4, (long239 + L"yz").c_str()), L"<Browse>" + long239);
    EXPECT_EQ(TaggedCaption(4, long239.c_str()).size(), 8u + 239u);
}

}  // namespace
}  // namespace zentrova
