// ColorModel: the exact conversions, the limits, the opacity modes and the edit fields' text (the
// colour kept when the same values are set again, and the original restored, are seen by the
// window test through the dialog).
#include "editmode/colorpicker/ColorModel.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zentrova {
namespace {

using Rgb = PickerRgb;
using Hsv = PickerHsv;

TEST(ColorModelTest, RgbToHsvIsExact) {
    const std::pair<Rgb, Hsv> cases[] = {
        {{0, 20, 1}, {123, 100, 7}},       // 2.05 * 60 is 123, not 122.99...
        {{21, 21, 50}, {240, 58, 19}},     // 29 / 50 * 100 is 58
        {{128, 128, 128}, {0, 0, 50}},     // grey: hue 0
        {{255, 0, 1}, {0, 100, 100}},      // -0.24 truncates to 0, not to 359
        {{255, 0, 5}, {359, 100, 100}},    // -1.18 truncates to -1
        {{2, 21, 0}, {114, 100, 8}},       // 114.29, green's largest
        {{255, 0, 255}, {300, 100, 100}},  // red wins a tie with blue
        {{0, 0, 255}, {240, 100, 100}},   {{255, 0, 0}, {0, 100, 100}},
        {{255, 128, 0}, {30, 100, 100}},  {{0, 0, 0}, {0, 0, 0}},
        {{255, 255, 255}, {0, 0, 100}}};
    for (const auto& [rgb, hsv] : cases) {
        EXPECT_EQ(HsvFromRgb(rgb), hsv) << rgb.red << " " << rgb.green << " " << rgb.blue;
    }
}

TEST(ColorModelTest, HsvToRgbIsExact) {
    const std::pair<Hsv, Rgb> cases[] = {
        {{0, 80, 100}, {255, 51, 51}},  {{30, 100, 100}, {255, 127, 0}},
        {{0, 0, 50}, {127, 127, 127}},  {{359, 100, 100}, {255, 0, 4}},
        {{120, 100, 100}, {0, 255, 0}}, {{240, 100, 100}, {0, 0, 255}},
        {{60, 50, 50}, {127, 127, 63}}, {{200, 40, 80}, {122, 176, 204}},
        {{30, 50, 49}, {124, 93, 62}},  {{300, 100, 0}, {0, 0, 0}},
        {{999, 999, 999}, {255, 0, 4}}};  // limited to 359, 100, 100 first
    for (const auto& [hsv, rgb] : cases) {
        EXPECT_EQ(RgbFromHsv(hsv), rgb) << hsv.hue << " " << hsv.saturation << " " << hsv.value;
    }
}

TEST(ColorModelTest, CreateReadsTheBytesAndTheSettersLimit) {
    ColorModel model;
    model.Create(0x000080FF);
    EXPECT_EQ(model.GetRgb(), (Rgb{255, 128, 0}));
    EXPECT_EQ(model.GetHsv(), (Hsv{30, 100, 100}));
    EXPECT_EQ(model.GetOpacity(), 100);
    EXPECT_TRUE(model.SetRgb(-5, 70000, int64_t{1} << 62));
    EXPECT_EQ(model.GetRgb(), (Rgb{0, 255, 255}));
    EXPECT_EQ(model.GetColor(), 0x00FFFF00u);
    EXPECT_TRUE(model.SetHsv(360, 101, -1));
    EXPECT_EQ(model.GetHsv(), (Hsv{359, 100, 0}));
    EXPECT_TRUE(model.Set(PickerComponent::Value, 100));
    EXPECT_EQ(model.GetRgb(), (Rgb{255, 0, 4}));
    EXPECT_TRUE(model.Set(PickerComponent::Green, 300));
    EXPECT_EQ(model.GetRgb(), (Rgb{255, 255, 4}));
    EXPECT_EQ(model.Get(PickerComponent::Hue), 60);
}

TEST(ColorModelTest, OpacityIsInForceOnlyInMode1AndLimited) {
    using M = OpacityMode;
    const std::tuple<int32_t, OpacityMode, uint16_t> cases[] = {{0, M::Plain, 100},
                                                                {1, M::WithOpacity, 40},
                                                                {2, M::Fixed, 100},
                                                                {3, M::WithOpacity, 40},
                                                                {-1, M::WithOpacity, 40}};
    for (const auto& [mode, expectedMode, opacity] : cases) {
        ColorModel model;
        model.Create(0x000080FF);
        model.SetOpacity(40);
        model.SetOpacityMode(mode);
        EXPECT_EQ(std::pair(model.GetOpacityMode(), model.GetOpacity()),
                  std::pair(expectedMode, opacity))
            << mode;
    }
    ColorModel model;
    model.Create(0);
    model.SetOpacityMode(1);
    model.SetOpacity(250);
    EXPECT_EQ(model.GetOpacity(), 100);
    model.SetOpacity(-3);
    EXPECT_EQ(model.GetOpacity(), 0);
}

TEST(ColorModelTest, FieldTextIsParsedWideAndLimited) {
    const std::tuple<const wchar_t*, uint16_t, uint16_t> cases[] = {
        {L"200", 255, 200}, {L"65536", 255, 255}, {L"99999999999999999999999", 255, 255},
        {L"360", 359, 359}, {L"-5", 100, 0},      {L" +7", 100, 7},
        {L"42x", 255, 42},  {L"abc", 255, 17},    {L"", 255, 17},
        {L"-", 255, 17},    {L"0", 100, 0},       {L"\t100", 100, 100},
        {nullptr, 255, 17}};
    for (const auto& [text, limit, expected] : cases) {
        EXPECT_EQ(ParseFieldValue(text, 17, limit), expected) << (text ? text : L"null");
    }
}

}  // namespace
}  // namespace zentrova
