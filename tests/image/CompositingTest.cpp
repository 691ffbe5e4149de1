// Premultiply, colour keys, channels, the portable alpha blend and the solid rectangle: exact
// values from hand-computed pictures, failures that change nothing.
#include <array>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "image/ZCompositing.h"
#include "tests/image/CompositingTestSupport.h"

namespace zentrova {
namespace {

using testing::ColourAt;
using testing::PixelAt;
using testing::SameBytes;
using testing::SetPixel;

using Colours = std::vector<uint32_t>;
using testing::AllColours;

TEST(Premultiply, EveryColourAlphaPairAndOnlyThirtyTwoBits) {
    // Column c, row a: blue c, green 255 - c, red c / 3, alpha a.
    ZImage image;
    ASSERT_TRUE(image.Create(256, 256, 32, 0, nullptr));
    for (uint32_t a = 0; a < 256; ++a) {
        for (uint32_t c = 0; c < 256; ++c) {
            SetPixel(image, c, a, static_cast<uint8_t>(c), static_cast<uint8_t>(255 - c),
                     static_cast<uint8_t>(c / 3), static_cast<uint8_t>(a));
        }
    }
    ASSERT_TRUE(Premultiply(image));
    for (uint32_t a = 0; a < 256; ++a) {
        for (uint32_t c = 0; c < 256; ++c) {
            const uint8_t* q = PixelAt(image, c, a);
            ASSERT_EQ(q[0], c * a / 255) << c << "," << a;
            ASSERT_EQ(q[1], (255 - c) * a / 255) << c << "," << a;
            ASSERT_EQ(q[2], (c / 3) * a / 255) << c << "," << a;
            ASSERT_EQ(q[3], a);
        }
    }
    ZImage empty, before;
    ASSERT_TRUE(image.Create(3, 2, 24, 0x808080, nullptr));
    ASSERT_TRUE(before.CopyFrom(image));
    EXPECT_FALSE(Premultiply(image));
    EXPECT_TRUE(SameBytes(image, before));
    EXPECT_FALSE(Premultiply(empty));
}

TEST(ColourKeys, ReplaceKeyAndAllButKeyKeepThePadding) {
    // A 5 x 3 picture (odd width: one padding byte per row) with a magenta background and three
    // other colours, one of them differing from magenta in a single channel.
    for (bool mask : {false, true}) {
        ZImage picture;
        ASSERT_TRUE(picture.Create(5, 3, 24, 0xFF00FF, nullptr));
        picture.FlushDrawing();
        for (uint32_t r = 0; r < 3; ++r) {
            picture.GetRow(r)[15] = 0xAB;  // padding
        }
        ASSERT_TRUE(picture.FillRect(1, 1, 2, 1, 0x123456));
        SetPixel(picture, 4, 2, 0xFF, 0x01, 0xFF);  // almost magenta
        SetPixel(picture, 0, 0, 0, 0, 0);
        // Directly, or turning the keyed picture into a mask first.
        const uint32_t key = mask ? 0xFFFFFF : 0xFF00FF;
        ASSERT_TRUE(!mask || ReplaceColor(picture, 0xFF00FF, 0xFFFFFF));
        ASSERT_TRUE(ReplaceAllButColor(picture, key, 0x000000));
        EXPECT_EQ(AllColours(picture), (Colours{0, key, key, key, key,  //
                                                key, 0, 0, key, key,    //
                                                key, key, key, key, 0}));
        for (uint32_t r = 0; r < 3; ++r) {
            EXPECT_EQ(picture.GetRow(r)[15], 0xAB);
        }
    }
    ZImage image, before, empty;
    ASSERT_TRUE(image.Create(2, 2, 32, 0xFF00FF, nullptr));
    ASSERT_TRUE(before.CopyFrom(image));
    EXPECT_FALSE(ReplaceColor(image, 0xFF00FF, 0));
    EXPECT_FALSE(ReplaceAllButColor(image, 0, 0));
    EXPECT_TRUE(SameBytes(image, before));
    EXPECT_FALSE(ReplaceColor(empty, 0, 0));
    EXPECT_FALSE(ReplaceAllButColor(empty, 0, 0));
}

// A 3 x 2 picture whose pixel (x, y) is blue 10x+y, green 50+10x+y, red 100+10x+y, alpha
// 200+10x+y.
void MakeChannelPicture(ZImage& image, uint32_t bits) {
    ASSERT_TRUE(image.Create(3, 2, bits, 0, nullptr));
    for (uint32_t y = 0; y < 2; ++y) {
        for (uint32_t x = 0; x < 3; ++x) {
            const uint8_t v = static_cast<uint8_t>(10 * x + y);
            SetPixel(image, x, y, v, static_cast<uint8_t>(50 + v), static_cast<uint8_t>(100 + v),
                     static_cast<uint8_t>(200 + v));
        }
    }
}

TEST(Channels, ExtractGivesAGreyImageOfTheChannel) {
    const int base[] = {100, 50, 0, 200};  // red, green, blue, alpha
    ZImage picture;
    MakeChannelPicture(picture, 32);
    for (int channel = kChannelRed; channel <= kChannelAlpha; ++channel) {
        ZImage grey;
        ASSERT_TRUE(ExtractChannel(picture, channel, grey));
        ASSERT_EQ(grey.GetBitsPerPixel(), 8);
        ASSERT_EQ(std::make_pair(grey.GetWidth(), grey.GetHeight()), std::make_pair(3u, 2u));
        std::array<uint8_t, ZImage::kPaletteBytes> palette{};
        ASSERT_TRUE(grey.GetPalette(palette.data()));
        EXPECT_EQ(palette, testing::GreyPalette());
        for (uint32_t y = 0; y < 2; ++y) {
            for (uint32_t x = 0; x < 3; ++x) {
                const uint8_t* row = grey.GetRow(1 - y);
                EXPECT_EQ(row[x], base[channel - 1] + 10 * x + y) << channel;
            }
            EXPECT_EQ(grey.GetRow(y)[3], 0);  // padding
        }
    }
    // Into the source itself.
    MakeChannelPicture(picture, 24);
    ASSERT_TRUE(ExtractChannel(picture, kChannelGreen, picture));
    ASSERT_EQ(picture.GetBitsPerPixel(), 8);
    EXPECT_EQ(picture.GetRow(0)[2], 50 + 21);  // pixel (2, 1)
    EXPECT_EQ(picture.GetRow(1)[1], 50 + 10);  // pixel (1, 0)
}

TEST(Channels, ExtractRejectsMissingChannelsAndDepths) {
    ZImage picture24, picture16, empty, target;
    MakeChannelPicture(picture24, 24);
    ASSERT_TRUE(picture16.Create(3, 2, 16, 0, nullptr));
    ASSERT_TRUE(target.Create(1, 1, 24, 0x0A0B0C, nullptr));
    for (int channel : {kChannelAlpha, 0, 5}) {
        EXPECT_FALSE(ExtractChannel(picture24, channel, target));
    }
    EXPECT_FALSE(ExtractChannel(picture16, kChannelRed, target));
    EXPECT_FALSE(ExtractChannel(empty, kChannelRed, target));
    EXPECT_EQ(std::make_pair(target.GetBitsPerPixel(), ColourAt(target, 0, 0)),
              std::make_pair(uint8_t{24}, 0x0A0B0Cu));
}

TEST(Channels, InsertWritesOneChannelOnly) {
    for (uint32_t bits : {24u, 32u}) {
        for (int channel = kChannelRed; channel <= (bits == 32 ? kChannelAlpha : kChannelBlue);
             ++channel) {
            ZImage picture, before, grey;
            MakeChannelPicture(picture, bits);
            ASSERT_TRUE(before.CopyFrom(picture));
            const auto palette = testing::GreyPalette();
            ASSERT_TRUE(grey.Create(3, 2, 8, 0, palette.data()));
            for (uint32_t i = 0; i < 6; ++i) {
                grey.GetRow(i / 3)[i % 3] = static_cast<uint8_t>(240 + 3 * (i % 3) + i / 3);
            }
            ASSERT_TRUE(InsertChannel(picture, channel, grey));
            // The picture as it was, with the channel's byte of every pixel from the grey one.
            const int offsets[] = {2, 1, 0, 3};
            for (uint32_t i = 0; i < 6; ++i) {
                before.GetRow(i / 3)[i % 3 * (bits / 8) + offsets[channel - 1]] =
                    static_cast<uint8_t>(240 + 3 * (i % 3) + i / 3);
            }
            EXPECT_TRUE(SameBytes(picture, before)) << bits << " bits, channel " << channel;
        }
    }
}

TEST(Channels, InsertRejectsWrongSourcesChannelsAndDepths) {
    const auto palette = testing::GreyPalette();
    ZImage picture24, picture32, before, grey, wide, tall, colour, empty, words16;
    MakeChannelPicture(picture24, 24);
    MakeChannelPicture(picture32, 32);
    ASSERT_TRUE(grey.Create(3, 2, 8, 0x777777, palette.data()));
    ASSERT_TRUE(wide.Create(4, 2, 8, 0, palette.data()));
    ASSERT_TRUE(tall.Create(3, 3, 8, 0, palette.data()));
    ASSERT_TRUE(colour.Create(3, 2, 24, 0, nullptr));
    ASSERT_TRUE(words16.Create(3, 2, 16, 0, nullptr));
    ASSERT_TRUE(before.CopyFrom(picture24));
    using Insert = std::pair<int, const ZImage*>;  // a channel and its source
    for (const Insert& i : {Insert{kChannelAlpha, &grey}, Insert{0, &grey}, Insert{5, &grey},
                            Insert{kChannelRed, &wide}, Insert{kChannelRed, &tall},
                            Insert{kChannelRed, &colour}, Insert{kChannelRed, &empty}}) {
        EXPECT_FALSE(InsertChannel(picture24, i.first, *i.second)) << i.first;
    }
    EXPECT_TRUE(SameBytes(picture24, before));
    EXPECT_FALSE(InsertChannel(words16, kChannelRed, grey));
    EXPECT_FALSE(InsertChannel(empty, kChannelRed, grey));
    ASSERT_TRUE(before.CopyFrom(picture32));
    EXPECT_FALSE(InsertChannel(picture32, kChannelAlpha, wide));
    EXPECT_TRUE(SameBytes(picture32, before));
}

TEST(AlphaBlendPixels, HandComputedValues) {
    ZImage target, source;
    ASSERT_TRUE(target.Create(4, 1, 24, 0x646464, nullptr));  // 100 in every channel
    ASSERT_TRUE(source.Create(4, 1, 32, 0, nullptr));
    SetPixel(source, 0, 0, 200, 200, 200, 128);
    SetPixel(source, 1, 0, 7, 8, 9, 255);
    SetPixel(source, 2, 0, 250, 250, 250, 0);
    SetPixel(source, 3, 0, 200, 0, 255, 128);
    ZImage second;
    ASSERT_TRUE(second.CopyFrom(target));

    ASSERT_TRUE(AlphaBlendImagePixels(target, source, 0, 0, 255));
    // Premultiplied 200 * 128 / 255 = 100; 100 + round(100 * 127 / 255) = 100 + 50. Opaque: the
    // source; transparent: the destination. Red 255 -> 128 + 50, blue 200 -> 100 + 50, green
    // 0 -> 0 + 50.
    EXPECT_EQ(AllColours(target), (Colours{0x969696, 0x070809, 0x646464, 0x9632B2}));

    // Constant alpha 128: a' = round(128 * 128 / 255) = 64, c' = round(100 * 128 / 255) = 50,
    // 50 + round(100 * 191 / 255) = 50 + 75.
    ASSERT_TRUE(AlphaBlendImagePixels(second, source, 0, 0, 128));
    EXPECT_EQ(ColourAt(second, 0, 0), 0x7D7D7Du);
}

TEST(AlphaBlendPixels, ClippingConstantClampAndTargetAlpha) {
    ZImage target, source, before;
    ASSERT_TRUE(target.Create(3, 3, 32, 0, nullptr));
    testing::FillAll(target, 0, 0, 0, 100);
    ASSERT_TRUE(source.Create(2, 2, 32, 0, nullptr));
    for (uint8_t i = 0; i < 4; ++i) {  // blue, green, red 1, 2, 3 ... 10, 11, 12
        SetPixel(source, i % 2, i / 2, 3 * i + 1, 3 * i + 2, 3 * i + 3, 255);
    }
    ASSERT_TRUE(before.CopyFrom(target));

    ASSERT_TRUE(AlphaBlendImagePixels(target, source, 0, 0, -20));  // clamped to 0: no change
    EXPECT_TRUE(SameBytes(target, before));
    ASSERT_TRUE(AlphaBlendImagePixels(target, source, 5, 0, 255));  // off the target
    EXPECT_TRUE(SameBytes(target, before));

    // Constant 999 is clamped to 255; source pixel (1, 0) lands at (0, 2), opaque over alpha 100.
    ASSERT_TRUE(AlphaBlendImagePixels(target, source, -1, 2, 999));
    EXPECT_EQ(AllColours(target), (Colours{0, 0, 0, 0, 0, 0, 0x040506, 0, 0}));
    EXPECT_EQ(AllColours(target, true), (Colours{100, 100, 100, 100, 100, 100, 255, 100, 100}));

    ZImage source24, empty;
    ASSERT_TRUE(source24.Create(2, 2, 24, 0xFFFFFF, nullptr));
    ASSERT_TRUE(before.CopyFrom(target));
    EXPECT_FALSE(AlphaBlendImagePixels(target, source24, 0, 0, 255));
    EXPECT_FALSE(AlphaBlendImagePixels(target, empty, 0, 0, 255));
    EXPECT_FALSE(AlphaBlendImagePixels(empty, source, 0, 0, 255));
    EXPECT_TRUE(SameBytes(target, before));
}

TEST(SolidRect, FillsTheClippedRectangle) {
    ZImage target;
    ASSERT_TRUE(target.Create(4, 3, 32, 0, nullptr));
    testing::FillAll(target, 1, 1, 1, 77);
    ASSERT_TRUE(FillSolidRect(target, 2, -1, 5, 2, 0x332211));  // top row, columns 2 and 3
    const uint32_t o = 0x010101, n = 0x332211;
    EXPECT_EQ(AllColours(target), (Colours{o, o, n, n, o, o, o, o, o, o, o, o}));
    EXPECT_EQ(AllColours(target, true), (Colours{77, 77, 0, 0, 77, 77, 77, 77, 77, 77, 77, 77}));
    ZImage before, palette8, empty;
    ASSERT_TRUE(before.CopyFrom(target));
    EXPECT_TRUE(FillSolidRect(target, 0, 0, 0, 3, 0xFFFFFF));
    EXPECT_TRUE(FillSolidRect(target, 0, 0, 3, -1, 0xFFFFFF));
    EXPECT_TRUE(SameBytes(target, before));
    const auto grey = testing::GreyPalette();
    ASSERT_TRUE(palette8.Create(2, 2, 8, 0, grey.data()));
    EXPECT_FALSE(FillSolidRect(palette8, 0, 0, 1, 1, 0xFFFFFF));
    EXPECT_FALSE(FillSolidRect(empty, 0, 0, 1, 1, 0xFFFFFF));
}

}  // namespace
}  // namespace zentrova
