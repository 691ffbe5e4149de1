// The clipboard's CF_DIBV5 form of a picture: its header fields and the rows as kept (the PNG
// form and reading both back: ClipboardReadTest).
#include "editmode/actions/ClipboardPicture.h"

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "tests/editmode/EditTestPictures.h"

namespace zentrova {
namespace {

uint32_t At(const std::vector<uint8_t>& b, size_t offset, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | b[offset + static_cast<size_t>(i)];
    }
    return v;
}

TEST(ClipboardPictureTest, DibV5HeaderAndRowsAsKept) {
    ZImage picture;
    ASSERT_TRUE(test::MakePattern(picture, 5, 3, 1));  // stride 16: padding kept
    picture.dpiX = 96;
    picture.dpiY = 300;
    std::vector<uint8_t> dib;
    ASSERT_TRUE(MakeDibV5(picture, dib));
    ASSERT_EQ(dib.size(), 124u + 48u);
    const std::pair<size_t, uint32_t> fields[] = {
        {0, 124}, {4, 5},     {8, 3},      {12, 1},          {14, 24}, {16, 0},
        {20, 48}, {24, 3780}, {28, 11811}, {56, 0x73524742}, {108, 4}, {120, 0},
    };
    for (const auto& [offset, value] : fields) {
        EXPECT_EQ(At(dib, offset, offset == 12 || offset == 14 ? 2 : 4), value) << offset;
    }
    EXPECT_EQ(std::memcmp(dib.data() + 124, picture.GetBits(), 48), 0);

    ZImage grey;
    const uint8_t palette[ZImage::kPaletteBytes] = {};
    ASSERT_TRUE(grey.Create(2, 2, 8, 0, palette));
    EXPECT_FALSE(MakeDibV5(grey, dib));
}

}  // namespace
}  // namespace zentrova
