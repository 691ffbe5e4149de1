// Skin::DrawIcon: the pixels one icon of the strip leaves in a device context.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "tests/ui/skin/SkinTestFolder.h"
#include "ui/skin/Skin.h"

namespace zentrova {
namespace {

using test::PixelAt;

constexpr uint8_t kTargetBlue = 0x60, kTargetGreen = 0x40, kTargetRed = 0x20;

class DrawIconTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.WriteIni(L"Alpha", "[Skin]\n"));
        ZImage strip;
        ASSERT_TRUE(test::MakeAlphaStrip(strip, 6, 4));
        ASSERT_TRUE(m_folder.WritePng(L"Alpha", L"ButtonIcons", strip));
        ASSERT_TRUE(
            m_target.Create(30, 20, 24, RGB(kTargetRed, kTargetGreen, kTargetBlue), nullptr));
    }
    // True when every pixel of the target outside x, y, w, h still has the fill colour.
    bool OutsideUntouched(int x, int y, int w, int h) {
        m_target.FlushDrawing();
        for (int j = 0; j < 20; ++j) {
            for (int i = 0; i < 30; ++i) {
                if (i >= x && i < x + w && j >= y && j < y + h) {
                    continue;
                }
                const uint8_t* p = PixelAt(m_target, i, j);
                if (p[0] != kTargetBlue || p[1] != kTargetGreen || p[2] != kTargetRed) {
                    ADD_FAILURE() << "pixel " << i << "," << j << " changed";
                    return false;
                }
            }
        }
        return true;
    }

    test::SkinTestFolder m_folder;
    ZImage m_target;
};

// Source over destination with premultiplied colour c (of straight colour s and alpha a) at
// constant alpha k: c * k / 255 + d * (1 - a * k / 255^2).
double Blend(uint32_t straight, uint32_t alpha, uint32_t constant, uint32_t destination) {
    const double premultiplied = std::floor(straight * alpha / 255.0);
    return premultiplied * constant / 255.0 + destination * (1.0 - alpha * constant / 65025.0);
}

void ExpectBlendedIcon(const ZImage& target, uint32_t index, int x0, int y0, uint32_t constant) {
    target.FlushDrawing();
    for (uint32_t y = 0; y < 4; ++y) {
        for (uint32_t x = 0; x < 6; ++x) {
            const uint32_t a = test::StripAlpha(x, y);
            const uint8_t* p = PixelAt(target, x0 + x, y0 + y);
            EXPECT_NEAR(p[0], Blend(10 * index + x, a, constant, kTargetBlue), 1.5)
                << x << "," << y;
            EXPECT_NEAR(p[1], Blend(200 - 10 * y, a, constant, kTargetGreen), 1.5) << x << "," << y;
            EXPECT_NEAR(p[2], Blend(13 * index, a, constant, kTargetRed), 1.5) << x << "," << y;
        }
    }
}

TEST_F(DrawIconTest, ThirtyTwoBitIconIsAlphaBlended) {
    Skin skin(m_folder.System());
    ASSERT_TRUE(skin.Load(L"Alpha"));
    ASSERT_TRUE(skin.DrawIcon(7, 0, m_target.GetDC(), 5, 9));
    ExpectBlendedIcon(m_target, 7, 5, 9, 255);
    // The fully opaque top-left pixel of icon 7 is its colour exactly.
    EXPECT_EQ(PixelAt(m_target, 5, 9)[0], 70);
    EXPECT_EQ(PixelAt(m_target, 5, 9)[1], 200);
    EXPECT_EQ(PixelAt(m_target, 5, 9)[2], 91);
    EXPECT_TRUE(OutsideUntouched(5, 9, 6, 4));
}

TEST_F(DrawIconTest, OtherStateBitsDrawTheNormalIcon) {
    Skin skin(m_folder.System());
    ASSERT_TRUE(skin.Load(L"Alpha"));
    ASSERT_TRUE(skin.DrawIcon(18, 1 | 2 | 16 | 32 | 64, m_target.GetDC(), 0, 0));
    ExpectBlendedIcon(m_target, 18, 0, 0, 255);
    EXPECT_TRUE(OutsideUntouched(0, 0, 6, 4));
}

TEST_F(DrawIconTest, DisabledIconUsesConstantAlpha100) {
    Skin skin(m_folder.System());
    ASSERT_TRUE(skin.Load(L"Alpha"));
    ASSERT_TRUE(skin.DrawIcon(2, kIconStateDisabled | 1, m_target.GetDC(), 20, 3));
    ExpectBlendedIcon(m_target, 2, 20, 3, 100);
    EXPECT_TRUE(OutsideUntouched(20, 3, 6, 4));
}

TEST_F(DrawIconTest, NothingOutsideTheStrip) {
    Skin skin(m_folder.System());
    EXPECT_FALSE(skin.DrawIcon(0, 0, m_target.GetDC(), 0, 0)) << "no skin loaded";
    ASSERT_TRUE(skin.Load(L"Alpha"));
    EXPECT_FALSE(skin.DrawIcon(-1, 0, m_target.GetDC(), 0, 0));
    EXPECT_FALSE(skin.DrawIcon(19, 0, m_target.GetDC(), 0, 0));
    EXPECT_FALSE(skin.DrawIcon(0, 0, nullptr, 0, 0));
    EXPECT_TRUE(OutsideUntouched(0, 0, 0, 0));
}

// A 24-bit strip of 19 icons of 4 x 3 on the key colour key; icon i has (1, 1) = blue 10 + i,
// green 20 + i, red 30 + i and (2, 1) = blue 255, green 0, red 0.
void WriteKeyedSkin(const test::SkinTestFolder& folder, const wchar_t* name, ZColor key) {
    ASSERT_TRUE(folder.WriteIni(name, "[Skin]\n"));
    ZImage strip;
    ASSERT_TRUE(strip.Create(19 * 4, 3, 24, key, nullptr));
    for (uint32_t i = 0; i < 19; ++i) {
        test::SetPixel(strip, i * 4 + 1, 1, static_cast<uint8_t>(10 + i),
                       static_cast<uint8_t>(20 + i), static_cast<uint8_t>(30 + i));
        test::SetPixel(strip, i * 4 + 2, 1, 255, 0, 0);
    }
    ASSERT_TRUE(folder.WritePng(name, L"ButtonIcons", strip));
}

TEST_F(DrawIconTest, KeyedIconLeavesTheKeyColourOut) {
    WriteKeyedSkin(m_folder, L"Keyed", 0xFF00FF);
    Skin skin(m_folder.System());
    ASSERT_TRUE(skin.Load(L"Keyed"));
    ASSERT_TRUE(skin.DrawIcon(5, 0, m_target.GetDC(), 10, 10));
    m_target.FlushDrawing();
    const uint8_t* icon = PixelAt(m_target, 11, 11);
    EXPECT_EQ(icon[0], 15);
    EXPECT_EQ(icon[1], 25);
    EXPECT_EQ(icon[2], 35);
    const uint8_t* blue = PixelAt(m_target, 12, 11);
    EXPECT_EQ(blue[0], 255);
    EXPECT_EQ(blue[1], 0);
    EXPECT_EQ(blue[2], 0);
    // Every other pixel of the icon was magenta: the target shows through.
    EXPECT_TRUE(OutsideUntouched(11, 11, 2, 1));
}

TEST_F(DrawIconTest, KeyIsTheStripsTopLeftColour) {
    WriteKeyedSkin(m_folder, L"GreenKey", 0x00FF00);
    Skin skin(m_folder.System());
    ASSERT_TRUE(skin.Load(L"GreenKey"));
    ASSERT_TRUE(skin.DrawIcon(0, 0, m_target.GetDC(), 0, 0));
    m_target.FlushDrawing();
    EXPECT_EQ(PixelAt(m_target, 1, 1)[0], 10);
    EXPECT_EQ(PixelAt(m_target, 1, 1)[2], 30);
    EXPECT_TRUE(OutsideUntouched(1, 1, 2, 1));
}

TEST_F(DrawIconTest, DisabledKeyedIconIsGrey) {
    WriteKeyedSkin(m_folder, L"Keyed", 0xFF00FF);
    Skin skin(m_folder.System());
    ASSERT_TRUE(skin.Load(L"Keyed"));
    ASSERT_TRUE(skin.DrawIcon(5, kIconStateDisabled, m_target.GetDC(), 10, 10));
    m_target.FlushDrawing();
    // Grey is the blue byte: (15, 25, 35) becomes 15 in all three.
    const uint8_t* icon = PixelAt(m_target, 11, 11);
    EXPECT_EQ(icon[0], 15);
    EXPECT_EQ(icon[1], 15);
    EXPECT_EQ(icon[2], 15);
    // Pure blue turns white, the grey of the magenta key, and is left out with it.
    EXPECT_TRUE(OutsideUntouched(11, 11, 1, 1));
}

}  // namespace
}  // namespace zentrova
