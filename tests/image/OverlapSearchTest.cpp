// The overlap search: the fast search against the literal one on generated pages, and the
// percentage arithmetic.
#include "image/overlap/ZOverlapSearch.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

namespace zentrova {
namespace {

// A tall document of text-like rows: lines of 12 rows of "glyph" pixels on white, 4 blank rows
// between them, a margin left and right.
std::vector<uint8_t> TextDocument(int32_t width, int32_t rows, uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> doc(static_cast<size_t>(width) * 3 * rows, 0xFF);
    for (int32_t y = 0; y < rows; ++y) {
        if (y % 16 >= 12) {
            continue;
        }
        uint8_t* row = doc.data() + static_cast<size_t>(y) * width * 3;
        for (int32_t x = 8; x < width - 8; ++x) {
            if (random() % 5 == 0) {
                std::memset(row + x * 3, 0x20, 3);
            }
        }
    }
    return doc;
}

// A page: rows first ... first + height - 1 of a document.
void Page(const std::vector<uint8_t>& doc, int32_t width, int32_t first, int32_t height,
          ZImage& page) {
    EXPECT_TRUE(
        page.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 24, 0, nullptr));
    for (int32_t y = 0; y < height; ++y) {
        std::memcpy(page.GetRow(static_cast<uint32_t>(height - 1 - y)),
                    doc.data() + static_cast<size_t>(first + y) * width * 3,
                    static_cast<size_t>(width) * 3);
    }
}

TEST(OverlapPercent, SinglePrecisionTruncatedAndEveryEqualByteIsAHundred) {
    const struct {
        int64_t equal, total;
        int32_t percent;
    } cases[] = {{0, 300, 0},
                 {297, 300, 99},
                 {296, 300, 98},
                 {299, 300, 99},
                 {300, 300, 100},
                 {0, 0, 0},
                 {-1, 300, 0},
                 {5999999, 6000000, 99},
                 {6220799, 6220800, 99},
                 {6220800, 6220800, 100}};
    for (const auto& c : cases) {
        EXPECT_EQ(OverlapPercent(c.equal, c.total), c.percent) << c.equal << "/" << c.total;
    }
}

TEST(OverlapSearch, FastEqualsLiteralOnGeneratedPages) {
    const int32_t w = 64;
    const int32_t h = 48;
    const std::vector<uint8_t> text = TextDocument(w, 400, 7);
    std::vector<uint8_t> noise(static_cast<size_t>(w) * 3 * 400);
    std::generate(noise.begin(), noise.end(), std::mt19937(3));
    std::vector<uint8_t> repeated(static_cast<size_t>(w) * 3 * 400, 0xFF);
    for (int32_t y = 0; y < 400; y += 3) {
        std::memset(repeated.data() + static_cast<size_t>(y) * w * 3, 0x40, 30);
    }
    std::vector<uint8_t> replaced = text;  // the view's content changes below row 100
    std::memset(replaced.data() + static_cast<size_t>(100) * w * 3, 0x80,
                static_cast<size_t>(50) * w * 3);
    struct Case {
        const char* what;
        const std::vector<uint8_t>* previousDoc;
        const std::vector<uint8_t>* currentDoc;
        int32_t previousTop, currentTop;
        int32_t x0, columns, threshold;
    } cases[] = {
        {"text by 20", &text, &text, 0, 20, 0, w, 99},
        {"text by 1", &text, &text, 5, 6, 0, w, 99},
        {"text unchanged", &text, &text, 9, 9, 0, w, 99},
        {"text by a page (no match)", &text, &text, 0, 200, 0, w, 99},
        {"text, website threshold, columns", &text, &text, 0, 17, 10, 30, 98},
        {"noise by 7", &noise, &noise, 0, 7, 0, w, 99},
        {"noise unrelated", &noise, &noise, 0, 300, 0, w, 98},
        {"repeated rows by 9", &repeated, &repeated, 0, 9, 0, w, 99},
        {"content replaced", &text, &replaced, 60, 70, 0, w, 99},
        {"range clipped at the right", &text, &text, 0, 3, 40, 100, 99},
        {"low threshold", &text, &text, 0, 30, 0, w, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ZImage previous, current;
        Page(*c.previousDoc, w, c.previousTop, h, previous);
        Page(*c.currentDoc, w, c.currentTop, h, current);
        const OverlapResult literal =
            FindOverlapLiteral(current, previous, c.x0, c.columns, c.threshold);
        const OverlapResult fast = FindOverlap(current, previous, c.x0, c.columns, c.threshold);
        EXPECT_EQ(std::make_tuple(fast.found, fast.shift, fast.percent),
                  std::make_tuple(literal.found, literal.shift, literal.percent));
    }
    // The obvious answers of the literal search itself.
    ZImage top, down;
    Page(text, w, 0, h, top);
    Page(text, w, 20, h, down);
    EXPECT_EQ(FindOverlapLiteral(down, top, 0, w, 99).shift, 20);
    const OverlapResult same = FindOverlapLiteral(top, top, 0, w, 99);
    EXPECT_EQ(std::make_tuple(same.found, same.shift, same.percent), std::make_tuple(true, 0, 100));
}

TEST(OverlapSearch, PagesThatCannotBeComparedFindNothing) {
    ZImage a, b, c;
    ASSERT_TRUE(a.Create(10, 10, 24, 0, nullptr));
    ASSERT_TRUE(b.Create(10, 11, 24, 0, nullptr));
    ASSERT_TRUE(c.Create(10, 10, 32, 0, nullptr));  // converted: all equal, found at 0
    const ZImage empty;
    for (const auto& r : {FindOverlap(a, b, 0, 10, 99), FindOverlap(a, empty, 0, 10, 99),
                          FindOverlap(a, a, 10, 5, 99), FindOverlap(a, a, 0, 0, 99)}) {
        EXPECT_EQ(std::make_tuple(r.found, r.shift, r.percent), std::make_tuple(false, 0, 0));
    }
    const OverlapResult converted = FindOverlap(a, c, 0, 10, 99);
    EXPECT_TRUE(converted.found);
    EXPECT_EQ(converted.percent, 100);
}

}  // namespace
}  // namespace zentrova
