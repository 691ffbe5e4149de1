// ColorModel: the exact conversions, the limits, the re-derivation only on change, the opacity
// modes, the original colour and the edit fields' text.
#include "editmode/colorpicker/ColorModel.h"

#include <gtest/gtest.h>

#include <string>

namespace zentrova {
namespace {

PickerHsv Hsv(uint16_t h, uint16_t s, uint16_t v) {
    return PickerHsv{h, s, v};
}
PickerRgb Rgb(uint16_t r, uint16_t g, uint16_t b) {
    return PickerRgb{r, g, b};
}

TEST(ColorModelTest, RgbToHsvIsExact) {
    const struct {
        PickerRgb rgb;
        PickerHsv hsv;
    } cases[] = {
        {Rgb(0, 20, 1), Hsv(123, 100, 7)},       // 2.05 * 60 is 123, not 122.99...
        {Rgb(21, 21, 50), Hsv(240, 58, 19)},     // 29 / 50 * 100 is 58
        {Rgb(0, 0, 255), Hsv(240, 100, 100)},    //
        {Rgb(128, 128, 128), Hsv(0, 0, 50)},     // grey: hue 0
        {Rgb(255, 0, 0), Hsv(0, 100, 100)},      //
        {Rgb(255, 128, 0), Hsv(30, 100, 100)},   //
        {Rgb(0, 0, 0), Hsv(0, 0, 0)},            //
        {Rgb(255, 255, 255), Hsv(0, 0, 100)},    //
        {Rgb(255, 0, 1), Hsv(0, 100, 100)},      // -0.24 truncates to 0, not to 359
        {Rgb(255, 0, 5), Hsv(359, 100, 100)},    // -1.18 truncates to -1
        {Rgb(2, 21, 0), Hsv(114, 100, 8)},       // 114.29, green's largest
        {Rgb(255, 0, 255), Hsv(300, 100, 100)},  // red wins a tie with blue
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HsvFromRgb(c.rgb), c.hsv) << c.rgb.red << " " << c.rgb.green << " " << c.rgb.blue;
    }
}

TEST(ColorModelTest, HsvToRgbIsExact) {
    const struct {
        PickerHsv hsv;
        PickerRgb rgb;
    } cases[] = {
        {Hsv(0, 80, 100), Rgb(255, 51, 51)},  {Hsv(30, 100, 100), Rgb(255, 127, 0)},
        {Hsv(0, 0, 50), Rgb(127, 127, 127)},  {Hsv(359, 100, 100), Rgb(255, 0, 4)},
        {Hsv(120, 100, 100), Rgb(0, 255, 0)}, {Hsv(240, 100, 100), Rgb(0, 0, 255)},
        {Hsv(60, 50, 50), Rgb(127, 127, 63)}, {Hsv(200, 40, 80), Rgb(122, 176, 204)},
        {Hsv(30, 50, 49), Rgb(124, 93, 62)},  {Hsv(300, 100, 0), Rgb(0, 0, 0)},
        {Hsv(999, 999, 999), Rgb(255, 0, 4)},  // limited to 359, 100, 100 first
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RgbFromHsv(c.hsv), c.rgb)
            << c.hsv.hue << " " << c.hsv.saturation << " " << c.hsv.value;
    }
}

TEST(ColorModelTest, CreateReadsTheBytesAndTheSettersLimit) {
    ColorModel model;
    model.Create(0x000080FF);
    EXPECT_EQ(model.GetRgb(), Rgb(255, 128, 0));
    EXPECT_EQ(model.GetHsv(), Hsv(30, 100, 100));
    EXPECT_EQ(model.GetColor(), 0x000080FFu);
    EXPECT_EQ(model.GetOpacity(), 100);

    EXPECT_TRUE(model.SetRgb(-5, 70000, int64_t{1} << 62));
    EXPECT_EQ(model.GetRgb(), Rgb(0, 255, 255));
    EXPECT_EQ(model.GetColor(), 0x00FFFF00u);
    EXPECT_TRUE(model.SetHsv(360, 101, -1));
    EXPECT_EQ(model.GetHsv(), Hsv(359, 100, 0));
    EXPECT_TRUE(model.Set(PickerComponent::Value, 100));
    EXPECT_EQ(model.GetRgb(), Rgb(255, 0, 4));
    EXPECT_TRUE(model.Set(PickerComponent::Green, 300));
    EXPECT_EQ(model.GetRgb(), Rgb(255, 255, 4));
    EXPECT_EQ(model.Get(PickerComponent::Hue), 60);
}

TEST(ColorModelTest, SettingTheSameValuesAgainDerivesNothing) {
    ColorModel model;
    model.Create(0x00808080);
    EXPECT_FALSE(model.SetHsv(0, 0, 50));  // 0/0/50 alone would be 127, 127, 127
    EXPECT_EQ(model.GetRgb(), Rgb(128, 128, 128));
    model.Create(0x000080FF);
    EXPECT_FALSE(model.Set(PickerComponent::Hue, 30));  // 30/100/100 alone would be 255, 127, 0
    EXPECT_EQ(model.GetRgb(), Rgb(255, 128, 0));
    EXPECT_TRUE(model.SetHsv(30, 100, 99));
    EXPECT_EQ(model.GetRgb(), Rgb(252, 126, 0));
}

TEST(ColorModelTest, OpacityIsInForceOnlyInMode1) {
    const struct {
        int32_t mode;
        OpacityMode expectedMode;
        uint16_t opacity;
    } cases[] = {{0, OpacityMode::Plain, 100},
                 {1, OpacityMode::WithOpacity, 40},
                 {2, OpacityMode::Fixed, 100},
                 {3, OpacityMode::WithOpacity, 40},
                 {-1, OpacityMode::WithOpacity, 40}};
    for (const auto& c : cases) {
        ColorModel model;
        model.Create(0x000080FF);
        model.SetOpacity(40);
        model.SetOpacityMode(c.mode);
        EXPECT_EQ(model.GetOpacityMode(), c.expectedMode) << c.mode;
        EXPECT_EQ(model.GetOpacity(), c.opacity) << c.mode;
    }
    ColorModel model;
    model.Create(0);
    model.SetOpacityMode(1);
    model.SetOpacity(250);
    EXPECT_EQ(model.GetOpacity(), 100);
    model.SetOpacity(-3);
    EXPECT_EQ(model.GetOpacity(), 0);
}

TEST(ColorModelTest, RestoreGivesTheOriginalTakenLast) {
    ColorModel model;
    model.SetOpacityMode(1);
    model.Create(0x00102030);
    EXPECT_EQ(model.GetOriginalOpacity(), 100);
    model.SetOpacity(60);
    model.TakeOriginal();  // the dialog opening
    model.SetHsv(200, 40, 80);
    model.SetOpacity(10);
    EXPECT_EQ(model.GetOriginalRgb(), Rgb(0x30, 0x20, 0x10));
    model.RestoreOriginal();
    EXPECT_EQ(model.GetColor(), 0x00102030u);
    EXPECT_EQ(model.GetHsv(), HsvFromRgb(Rgb(0x30, 0x20, 0x10)));
    EXPECT_EQ(model.GetOpacity(), 60);
}

TEST(ColorModelTest, FieldTextIsParsedWideAndLimited) {
    const struct {
        const wchar_t* text;
        uint16_t limit;
        uint16_t expected;
    } cases[] = {
        {L"200", 255, 200}, {L"65536", 255, 255}, {L"99999999999999999999999", 255, 255},
        {L"360", 359, 359}, {L"-5", 100, 0},      {L" +7", 100, 7},
        {L"42x", 255, 42},  {L"abc", 255, 17},    {L"", 255, 17},
        {L"-", 255, 17},    {L"0", 100, 0},       {L"\t100", 100, 100},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseFieldValue(c.text, 17, c.limit), c.expected) << std::wstring(c.text).size();
    }
    EXPECT_EQ(ParseFieldValue(nullptr, 17, 255), 17);
}

}  // namespace
}  // namespace zentrova
