// ZBilinearRows gives, row by row, exactly the rows of the whole-picture filter 4.
#include "image/ZResampleRows.h"

#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "image/ZResample.h"

namespace zentrova {
namespace {

// Noise in every byte, so that any mixed-up weight shows.
void MakeNoise(ZImage& image, uint32_t w, uint32_t h) {
    ASSERT_TRUE(image.Create(w, h, 24, 0, nullptr));
    uint32_t s = w * 7919 + h;
    for (uint32_t r = 0; r < h; ++r) {
        uint8_t* row = image.GetRow(r);
        for (uint32_t i = 0; i < w * 3; ++i) {
            s = s * 1103515245u + 12345u;
            row[i] = static_cast<uint8_t>(s >> 16);
        }
    }
}

TEST(BilinearRowsTest, RowsEqualTheWholeResize) {
    const uint32_t sizes[][4] = {
        {97, 61, 40, 23},    // shrink both
        {31, 17, 80, 45},    // enlarge both
        {50, 90, 120, 30},   // wider, shorter
        {64, 48, 64, 48},    // equal: the source rows
        {5, 700, 3, 1},      // many rows into one
        {3840, 4, 3368, 3},  // the 4K width onto the largest page
    };
    for (const auto& s : sizes) {
        ZImage source;
        MakeNoise(source, s[0], s[1]);
        ZImage whole;
        ASSERT_TRUE(whole.CopyFrom(source));
        ASSERT_TRUE(
            Resize(whole, static_cast<int32_t>(s[2]), static_cast<int32_t>(s[3]), kFilterBilinear));
        ZBilinearRows rows;
        ASSERT_TRUE(rows.Init(source, s[2], s[3]));
        std::vector<uint8_t> row(size_t{s[2]} * 3);
        // Top row first, as the PDF pages read them.
        for (uint32_t r = s[3]; r-- > 0;) {
            ASSERT_TRUE(rows.GetRow(r, row.data()));
            ASSERT_EQ(std::memcmp(row.data(), whole.GetRow(r), row.size()), 0)
                << s[0] << "x" << s[1] << " -> " << s[2] << "x" << s[3] << " row " << r;
        }
        EXPECT_FALSE(rows.GetRow(s[3], row.data()));
    }
}

TEST(BilinearRowsTest, RefusesWhatFilterFourCannotRead) {
    ZImage grey;
    const uint8_t palette[ZImage::kPaletteBytes] = {};
    ASSERT_TRUE(grey.Create(4, 4, 8, 0, palette));
    ZImage colour;
    ASSERT_TRUE(colour.Create(4, 4, 24, 0, nullptr));
    ZImage empty;
    ZBilinearRows rows;
    EXPECT_FALSE(rows.Init(grey, 2, 2));
    EXPECT_FALSE(rows.Init(empty, 2, 2));
    EXPECT_FALSE(rows.Init(colour, 0, 2));
    uint8_t row[6];
    EXPECT_FALSE(rows.GetRow(0, row));
}

}  // namespace
}  // namespace zentrova
