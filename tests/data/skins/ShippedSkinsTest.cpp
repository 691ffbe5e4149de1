// The shipped skins as the build lays them beside the program: every INI key, every picture read
// with the program's codecs, and the geometry the painters cut the pictures by.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/LoadImage.h"
#include "image/ZImage.h"
#include "tests/support/TempFolder.h"

namespace zentrova {
namespace {

const char* const kSkins[] = {"Default", "Small", "Tiny"};

const char* const kColourKeys[] = {"WindowBackColor",
                                   "MainEditTextColor",
                                   "MainStaticTextColor",
                                   "ButtonTextColorDefault",
                                   "ButtonTextColorHilight",
                                   "ButtonTextColorDisabled",
                                   "ButtonBarHiddenColor",
                                   "ButtonBarToolTipBackColor",
                                   "ButtonBarToolTipTextColor",
                                   "MenuBorderColor",
                                   "MenuGradientLeftColor",
                                   "MenuGradientRightColor",
                                   "MenuSelectedColor",
                                   "MenuTextColor",
                                   "MenuTextGrayedColor",
                                   "MenuTextSelectedColor",
                                   "IntroWindowTextColor",
                                   "IntroWindowTextH1Color",
                                   "IntroWindowTextH2Color",
                                   "IntroWindowTextH3Color",
                                   "CurrentCaptureDisplayTextColor",
                                   "CaptureBorderColor",
                                   "CaptureTextColor"};

const char* const kNumberKeys[] = {"cxPlayerButton",
                                   "cyPlayerButton",
                                   "cxPlayerImage",
                                   "cyPlayerImage",
                                   "IntroWindowTextPosX",
                                   "IntroWindowTextPosY",
                                   "IntroWindowTextLineHeight",
                                   "IntroWindowTextH1Weight",
                                   "IntroWindowTextH2Weight",
                                   "IntroWindowTextH3Weight",
                                   "IntroWindowTextH1Italic",
                                   "IntroWindowTextH2Italic",
                                   "IntroWindowTextH3Italic",
                                   "IntroWindowTextH1Underline",
                                   "IntroWindowTextH2Underline",
                                   "IntroWindowTextH3Underline"};

constexpr uint32_t kKey = 0xFF00FF;  // 0xRRGGBB of the transparent key

std::wstring Widen(const std::string& s) {
    return std::wstring(s.begin(), s.end());
}

std::wstring SkinFile(const std::string& skin, const std::string& rest) {
    return Widen(std::string(CLARIVUE_SKINS_DIR) + "/" + skin + rest);
}

// The "Skin" section of an INI file, read the way the profile functions read it: section and
// key names case-insensitive, spaces around keys and values dropped.
std::map<std::string, std::string> ReadSkinSection(const std::wstring& path) {
    std::map<std::string, std::string> values;
    const std::string text = test::ReadWholeFile(path);
    auto trim = [](std::string s) {
        while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
            s.pop_back();
        size_t i = 0;
        while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
            ++i;
        return s.substr(i);
    };
    auto lower = [](std::string s) {
        for (char& c : s)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    bool inSkin = false;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            inSkin = lower(line) == "[skin]";
            continue;
        }
        const size_t eq = line.find('=');
        if (inSkin && eq != std::string::npos) {
            values.emplace(lower(trim(line.substr(0, eq))), trim(line.substr(eq + 1)));
        }
    }
    return values;
}

std::string Lower(const char* s) {
    std::string r(s);
    for (char& c : r)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

int NumberOf(const std::map<std::string, std::string>& ini, const char* key) {
    auto it = ini.find(Lower(key));
    return it == ini.end() ? -1 : std::stoi(it->second);
}

// 0xRRGGBB of the pixel at (x, y) counted from the top-left, for 24- and 32-bit pictures.
uint32_t Pixel(const ZImage& image, uint32_t x, uint32_t y) {
    const uint8_t* row = image.GetRow(image.GetHeight() - 1 - y);
    const uint8_t* p = row + x * (image.GetBitsPerPixel() / 8);
    return (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
}

uint8_t Alpha(const ZImage& image, uint32_t x, uint32_t y) {
    return image.GetRow(image.GetHeight() - 1 - y)[x * 4 + 3];
}

bool Load(ZImage& image, const std::string& skin, const std::string& name) {
    uint32_t code = 0;
    const bool ok = LoadImageFromFile(image, SkinFile(skin, name).c_str(), &code);
    EXPECT_TRUE(ok) << skin << name << " does not load (code " << code << ")";
    return ok && image.IsValid();
}

// A pixel that is close to the key but not the key: an anti-aliased edge that was laid against
// magenta and would show as a pink fringe on screen.
bool IsKeyFringe(uint32_t rgb) {
    if (rgb == kKey)
        return false;
    const int r = static_cast<int>(rgb >> 16), g = static_cast<int>((rgb >> 8) & 0xFF),
              b = static_cast<int>(rgb & 0xFF);
    return r > 200 && b > 200 && g < 90;
}

struct KeyedCounts {
    uint32_t key = 0;
    uint32_t fringe = 0;
    uint32_t other = 0;
};

KeyedCounts CountKey(const ZImage& image, uint32_t x0, uint32_t y0, uint32_t w, uint32_t h) {
    KeyedCounts c;
    for (uint32_t y = y0; y < y0 + h; ++y) {
        for (uint32_t x = x0; x < x0 + w; ++x) {
            const uint32_t p = Pixel(image, x, y);
            if (p == kKey) {
                ++c.key;
            } else if (IsKeyFringe(p)) {
                ++c.fringe;
            } else {
                ++c.other;
            }
        }
    }
    return c;
}

class ShippedSkin : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedSkin, IniHasEveryKeyWithWellFormedValues) {
    const std::string skin = GetParam();
    const auto ini = ReadSkinSection(SkinFile(skin, ".ini"));
    ASSERT_FALSE(ini.empty()) << skin << ".ini has no [Skin] section";

    for (const char* key : kColourKeys) {
        auto it = ini.find(Lower(key));
        ASSERT_NE(it, ini.end()) << skin << ": missing " << key;
        const std::string& v = it->second;
        ASSERT_EQ(v.size(), 6u) << skin << ": " << key << "=" << v;
        for (char c : v) {
            EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))
                << skin << ": " << key << "=" << v << " is not upper-case hexadecimal";
        }
    }
    for (const char* key : kNumberKeys) {
        auto it = ini.find(Lower(key));
        ASSERT_NE(it, ini.end()) << skin << ": missing " << key;
        for (char c : it->second) {
            EXPECT_TRUE(c >= '0' && c <= '9') << skin << ": " << key << "=" << it->second;
        }
    }
    for (const char* key : {"Name", "Author"}) {
        auto it = ini.find(Lower(key));
        ASSERT_NE(it, ini.end()) << skin << ": missing " << key;
        EXPECT_FALSE(it->second.empty());
        EXPECT_LT(it->second.size(), 128u) << "the preview reads Name and Author with 128 chars";
    }
    // Style flags are on only when exactly 1: the shipped files say 0 or 1, nothing else.
    for (const char* key : {"IntroWindowTextH1Italic", "IntroWindowTextH2Italic",
                            "IntroWindowTextH3Italic", "IntroWindowTextH1Underline",
                            "IntroWindowTextH2Underline", "IntroWindowTextH3Underline"}) {
        const int v = NumberOf(ini, key);
        EXPECT_TRUE(v == 0 || v == 1) << skin << ": " << key << "=" << v;
    }
    for (const char* key :
         {"IntroWindowTextH1Weight", "IntroWindowTextH2Weight", "IntroWindowTextH3Weight"}) {
        const int v = NumberOf(ini, key);
        EXPECT_TRUE(v >= 100 && v <= 900 && v % 100 == 0) << skin << ": " << key << "=" << v;
    }
    // The window colour must not be the key colour, or the preview could not tell them apart.
    EXPECT_NE(ini.at("windowbackcolor"), "FF00FF");
}

TEST_P(ShippedSkin, ButtonFramesAndIconStrip) {
    const std::string skin = GetParam();
    ZImage button;
    ASSERT_TRUE(Load(button, skin, "Button.png"));
    EXPECT_EQ(button.GetWidth(), 24u);
    EXPECT_EQ(button.GetHeight(), 120u);
    // The painter copies the frames opaquely onto the dialog: their outer corner pixels must be
    // the window colour, not the key.
    const auto ini = ReadSkinSection(SkinFile(skin, ".ini"));
    const uint32_t window =
        static_cast<uint32_t>(std::stoul(ini.at("windowbackcolor"), nullptr, 16));
    for (uint32_t row = 0; row < 5; ++row) {
        EXPECT_EQ(Pixel(button, 0, row * 24), window) << "row " << row;
        EXPECT_EQ(Pixel(button, 23, row * 24 + 23), window) << "row " << row;
        // The middle of each frame differs from its border: the frame is visible.
        EXPECT_NE(Pixel(button, 12, row * 24 + 12), Pixel(button, 12, row * 24)) << row;
    }
    // The nine-piece painter stretches the 8-pixel middle strips: they must be uniform along
    // the direction they are stretched in.
    for (uint32_t row = 0; row < 5; ++row) {
        for (uint32_t i = 0; i < 8; ++i) {
            for (uint32_t x = 9; x < 16; ++x) {
                EXPECT_EQ(Pixel(button, x, row * 24 + i), Pixel(button, 8, row * 24 + i));
                EXPECT_EQ(Pixel(button, x, row * 24 + 16 + i), Pixel(button, 8, row * 24 + 16 + i));
            }
            for (uint32_t y = 9; y < 16; ++y) {
                EXPECT_EQ(Pixel(button, i, row * 24 + y), Pixel(button, i, row * 24 + 8));
                EXPECT_EQ(Pixel(button, 16 + i, row * 24 + y), Pixel(button, 16 + i, row * 24 + 8));
            }
        }
    }

    ZImage icons;
    ASSERT_TRUE(Load(icons, skin, "ButtonIcons.png"));
    EXPECT_EQ(icons.GetBitsPerPixel(), 32);
    ASSERT_EQ(icons.GetWidth() % 19, 0u);
    const uint32_t size = icons.GetWidth() / 19;
    EXPECT_EQ(icons.GetHeight(), size);
    // A dialog button 20 pixels high still holds the icon.
    EXPECT_LE(size, 16u);
    for (uint32_t k = 0; k < 19; ++k) {
        uint32_t opaque = 0, clear = 0;
        for (uint32_t y = 0; y < size; ++y) {
            for (uint32_t x = k * size; x < (k + 1) * size; ++x) {
                const uint8_t a = Alpha(icons, x, y);
                opaque += a > 128;
                clear += a == 0;
            }
        }
        EXPECT_GT(opaque, size) << "icon " << k << " is empty";
        EXPECT_GT(clear, size * size / 4) << "icon " << k << " has no transparent background";
    }
}

TEST_P(ShippedSkin, MenuStripsHold37IconsWithAlpha) {
    const std::string skin = GetParam();
    for (const char* name : {"MenuCold.png", "MenuHot.png"}) {
        ZImage strip;
        ASSERT_TRUE(Load(strip, skin, name));
        EXPECT_EQ(strip.GetBitsPerPixel(), 32) << name;
        EXPECT_EQ(strip.GetWidth(), 37u * 16u) << name;
        EXPECT_EQ(strip.GetHeight(), 16u) << name;
        if (strip.GetWidth() != 37u * 16u || strip.GetHeight() != 16u)
            continue;
        for (uint32_t k = 0; k < 37; ++k) {
            uint32_t opaque = 0;
            for (uint32_t y = 0; y < 16; ++y) {
                for (uint32_t x = k * 16; x < k * 16 + 16; ++x)
                    opaque += Alpha(strip, x, y) > 128;
            }
            // No command uses icon 0; every other slot is drawn.
            if (k == 0) {
                EXPECT_EQ(opaque, 0u) << name;
            } else {
                EXPECT_GT(opaque, 12u) << name << " icon " << k;
            }
        }
    }
}

struct BarLayout {
    const char* picture;
    uint32_t count;
    bool statesInColumns;
};

const BarLayout kBars[] = {
    {"ButtonBarCaptureTop.png", 9, false},   {"ButtonBarCaptureLeft.png", 9, false},
    {"ButtonBarCaptureRight.png", 9, false}, {"ButtonBarCaptureBottom.png", 9, false},
    {"ButtonBarMouseTools.png", 15, true},   {"ButtonBarImage.png", 16, false},
    {"ButtonBarActions.png", 8, true},
};

// The screen each skin is made for: every Edit Mode bar must fit on it.
void ScreenFor(const std::string& skin, uint32_t& w, uint32_t& h) {
    if (skin == "Default") {
        w = 1024, h = 768;
    } else if (skin == "Small") {
        w = 800, h = 600;
    } else {
        w = 640, h = 480;
    }
}

TEST_P(ShippedSkin, ButtonBarsHaveTheirCellGrid) {
    const std::string skin = GetParam();
    const auto ini = ReadSkinSection(SkinFile(skin, ".ini"));
    const int cell = NumberOf(ini, "cxPlayerButton");
    EXPECT_EQ(NumberOf(ini, "cyPlayerButton"), cell);
    uint32_t screenW = 0, screenH = 0;
    ScreenFor(skin, screenW, screenH);

    for (const BarLayout& bar : kBars) {
        ZImage image;
        if (!Load(image, skin, bar.picture))
            continue;
        EXPECT_EQ(image.GetBitsPerPixel(), 24) << bar.picture;
        const uint32_t across = bar.statesInColumns ? 3 : bar.count;
        const uint32_t down = bar.statesInColumns ? bar.count : 3;
        ASSERT_EQ(image.GetWidth() % across, 0u) << bar.picture;
        ASSERT_EQ(image.GetHeight() % down, 0u) << bar.picture;
        const uint32_t cw = image.GetWidth() / across, ch = image.GetHeight() / down;
        EXPECT_EQ(cw, static_cast<uint32_t>(cell)) << bar.picture;
        EXPECT_EQ(ch, static_cast<uint32_t>(cell)) << bar.picture;
        // Whichever edge it is docked to, the bar fits along the screen's shorter side.
        EXPECT_LE(bar.count * cell, screenH)
            << bar.picture << " does not fit a " << screenW << "x" << screenH << " screen";

        // Transparent only at the bar's outer corners: every cell is mostly opaque, and no
        // soft edge was laid against the key.
        const KeyedCounts all = CountKey(image, 0, 0, image.GetWidth(), image.GetHeight());
        EXPECT_EQ(all.fringe, 0u) << bar.picture;
        EXPECT_GT(all.key, 0u) << bar.picture << ": rounded outer corners expected";
        EXPECT_LT(all.key, image.GetWidth() * image.GetHeight() / 50) << bar.picture;

        // Each state looks different from the normal state in every cell (hover and press
        // feedback), and the buttons differ from each other (their icons).
        for (uint32_t i = 0; i < bar.count; ++i) {
            auto cellX = [&](uint32_t state) { return bar.statesInColumns ? state * cw : i * cw; };
            auto cellY = [&](uint32_t state) { return bar.statesInColumns ? i * ch : state * ch; };
            for (uint32_t state = 1; state < 3; ++state) {
                uint32_t differing = 0;
                for (uint32_t y = 0; y < ch; ++y) {
                    for (uint32_t x = 0; x < cw; ++x) {
                        differing += Pixel(image, cellX(0) + x, cellY(0) + y) !=
                                     Pixel(image, cellX(state) + x, cellY(state) + y);
                    }
                }
                EXPECT_GT(differing, cw * ch / 8)
                    << bar.picture << " button " << i << " state " << state;
            }
        }
    }
    // The image bar runs along the top edge, the mouse tools down the left: 16 and 15 cells.
    EXPECT_LE(16u * cell, screenW);
    EXPECT_LE(15u * cell, screenH);
}

TEST_P(ShippedSkin, ColourBarShowsTheSameColoursInEveryState) {
    const std::string skin = GetParam();
    ZImage image;
    ASSERT_TRUE(Load(image, skin, "ButtonBarChooseColor.png"));
    ASSERT_EQ(image.GetHeight() % 3, 0u);
    const uint32_t w = image.GetWidth(), h = image.GetHeight() / 3;
    EXPECT_GE(w, 3 * h) << "the palette is a wide strip";
    std::set<uint32_t> colours;
    bool black = false, white = false;
    // The bar reads the pixel under the mouse whatever state it shows: the middle rows must be
    // the same in all three states.
    for (uint32_t y = h / 4; y < h - h / 4; ++y) {
        for (uint32_t x = w / 8; x < w - w / 8; ++x) {
            const uint32_t p = Pixel(image, x, y);
            EXPECT_EQ(Pixel(image, x, h + y), p) << x << "," << y;
            EXPECT_EQ(Pixel(image, x, 2 * h + y), p) << x << "," << y;
            EXPECT_NE(p, kKey) << "the key colour cannot be picked";
            colours.insert(p);
        }
    }
    for (uint32_t y = 0; y < h; ++y) {
        for (uint32_t x = 0; x < w; ++x) {
            black |= Pixel(image, x, y) == 0x000000;
            white |= Pixel(image, x, y) == 0xFFFFFF;
        }
    }
    EXPECT_TRUE(black);
    EXPECT_TRUE(white);
    EXPECT_GT(colours.size(), 1000u);
    // The key shows only at the rounded outer corners (the palette's near-magenta hues are
    // real colours and are not counted).
    EXPECT_LT(CountKey(image, 0, 0, w, 3 * h).key, 3 * w * h / 100);
}

// Frame 0 is drawn; in frames 1..n the non-key pixels are the hot area of one button. Each hot
// area exists, lies inside the drawn shape, and no two of them overlap.
void CheckHotFrames(const ZImage& image, uint32_t frames, const char* name) {
    ASSERT_EQ(image.GetWidth() % frames, 0u) << name;
    const uint32_t fw = image.GetWidth() / frames, fh = image.GetHeight();
    std::vector<uint8_t> owner(fw * fh, 0);
    for (uint32_t k = 1; k < frames; ++k) {
        uint32_t hot = 0;
        for (uint32_t y = 0; y < fh; ++y) {
            for (uint32_t x = 0; x < fw; ++x) {
                if (Pixel(image, k * fw + x, y) == kKey)
                    continue;
                ++hot;
                EXPECT_NE(Pixel(image, x, y), kKey) << name << " hot area " << k << " at " << x
                                                    << "," << y << " lies outside the button";
                EXPECT_EQ(owner[y * fw + x], 0) << name << " hot areas " << int(owner[y * fw + x])
                                                << " and " << k << " overlap";
                owner[y * fw + x] = static_cast<uint8_t>(k);
            }
        }
        EXPECT_GT(hot, fw * fh / 16) << name << " hot area " << k;
    }
    const KeyedCounts drawn = CountKey(image, 0, 0, fw, fh);
    EXPECT_EQ(drawn.fringe, 0u) << name;
    EXPECT_GT(drawn.key, 0u) << name;
}

TEST_P(ShippedSkin, ScrollAndPrevNextButtons) {
    const std::string skin = GetParam();
    ZImage scroll, prevNext;
    ASSERT_TRUE(Load(scroll, skin, "ScrollButton.png"));
    ASSERT_TRUE(Load(prevNext, skin, "PrevNextButton.png"));
    CheckHotFrames(scroll, 5, "ScrollButton");
    CheckHotFrames(prevNext, 3, "PrevNextButton");
    // The four scroll arrows: 1 and 2 pan vertically (up, down), 3 and 4 horizontally (left,
    // right); their hot areas lie on those sides of the middle.
    const uint32_t s = scroll.GetWidth() / 5;
    EXPECT_EQ(scroll.GetHeight(), s);
    EXPECT_NE(Pixel(scroll, 1 * s + s / 2, s / 6), kKey);
    EXPECT_NE(Pixel(scroll, 2 * s + s / 2, s - s / 6), kKey);
    EXPECT_NE(Pixel(scroll, 3 * s + s / 6, s / 2), kKey);
    EXPECT_NE(Pixel(scroll, 4 * s + s - s / 6, s / 2), kKey);
    const uint32_t p = prevNext.GetWidth() / 3;
    EXPECT_NE(Pixel(prevNext, 1 * p + p / 4, prevNext.GetHeight() / 2), kKey);
    EXPECT_EQ(Pixel(prevNext, 1 * p + 3 * p / 4, prevNext.GetHeight() / 2), kKey);
    EXPECT_NE(Pixel(prevNext, 2 * p + 3 * p / 4, prevNext.GetHeight() / 2), kKey);
}

TEST_P(ShippedSkin, PointingArrowHasFourDirectionsAndTwoPhases) {
    const std::string skin = GetParam();
    ZImage arrow;
    ASSERT_TRUE(Load(arrow, skin, "PointingArrow.png"));
    ASSERT_EQ(arrow.GetWidth() % 4, 0u);
    ASSERT_EQ(arrow.GetHeight() % 2, 0u);
    const uint32_t a = arrow.GetWidth() / 4;
    EXPECT_EQ(arrow.GetHeight() / 2, a);
    // Halved on 800-pixel screens: still at least 24 pixels.
    EXPECT_GE(a / 2, 24u);
    EXPECT_EQ(CountKey(arrow, 0, 0, arrow.GetWidth(), arrow.GetHeight()).fringe, 0u);
    // Direction 0 points left, 1 right, 2 up, 3 down: the tip touches that side's middle and the
    // opposite corners are transparent.
    for (uint32_t phase = 0; phase < 2; ++phase) {
        const uint32_t y0 = phase * a;
        EXPECT_NE(Pixel(arrow, 0 * a + 4, y0 + a / 2), kKey);
        EXPECT_EQ(Pixel(arrow, 0 * a + 2, y0 + 2), kKey);
        EXPECT_NE(Pixel(arrow, 1 * a + a - 5, y0 + a / 2), kKey);
        EXPECT_EQ(Pixel(arrow, 1 * a + a - 3, y0 + 2), kKey);
        EXPECT_NE(Pixel(arrow, 2 * a + a / 2, y0 + 4), kKey);
        EXPECT_EQ(Pixel(arrow, 2 * a + 2, y0 + 2), kKey);
        EXPECT_NE(Pixel(arrow, 3 * a + a / 2, y0 + a - 5), kKey);
        EXPECT_EQ(Pixel(arrow, 3 * a + 2, y0 + a - 3), kKey);
    }
    // The blink phase looks different.
    EXPECT_NE(Pixel(arrow, a / 2, a / 2), Pixel(arrow, a / 2, a + a / 2));
}

TEST_P(ShippedSkin, IntroPicturesHoldTheText) {
    const std::string skin = GetParam();
    const auto ini = ReadSkinSection(SkinFile(skin, ".ini"));
    ZImage back, logo;
    ASSERT_TRUE(Load(back, skin, "IntroWndBack.jpg"));
    ASSERT_TRUE(Load(logo, skin, "IntroWndLogo.png"));
    EXPECT_EQ(back.GetBitsPerPixel(), 24);
    EXPECT_EQ(logo.GetBitsPerPixel(), 32);
    EXPECT_LT(logo.GetWidth(), back.GetWidth() / 4);
    EXPECT_LT(logo.GetHeight(), back.GetHeight() / 3);
    const int x = NumberOf(ini, "IntroWindowTextPosX"), y = NumberOf(ini, "IntroWindowTextPosY");
    const int lineHeight = NumberOf(ini, "IntroWindowTextLineHeight");
    EXPECT_GT(x, 0);
    EXPECT_GT(y, 0);
    EXPECT_GE(lineHeight, 14) << "room for a heading font";
    // 19 lines, line k at y + k * lineHeight, each lineHeight high, inside the picture.
    EXPECT_LE(y + 19 * lineHeight, static_cast<int>(back.GetHeight()));
    // The window (picture + 24 pixels for the buttons) fits the skin's screen.
    uint32_t screenW = 0, screenH = 0;
    ScreenFor(skin, screenW, screenH);
    EXPECT_LE(back.GetWidth(), screenW);
    EXPECT_LE(back.GetHeight() + 24, screenH);
}

TEST_P(ShippedSkin, JpegBackgroundsAndPreview) {
    const std::string skin = GetParam();
    ZImage background, configure, preview;
    ASSERT_TRUE(Load(background, skin, "Background.jpg"));
    ASSERT_TRUE(Load(configure, skin, "Configure.jpg"));
    ASSERT_TRUE(Load(preview, skin, "Preview.jpg"));
    EXPECT_EQ(background.GetBitsPerPixel(), 24);
    EXPECT_GE(background.GetWidth(), 640u);
    EXPECT_GE(configure.GetWidth(), 400u);
    EXPECT_GE(configure.GetHeight(), 300u);
    // The preview fits the 524 x 276 preview beside the sample button at (340, 100).
    EXPECT_LE(preview.GetWidth(), 336u);
    EXPECT_LE(preview.GetHeight(), 276u);
    // Its frame is exactly the key colour after JPEG decoding (so that the skin page can turn
    // it into the window colour), and the view inside is not.
    const KeyedCounts frame = CountKey(preview, 0, 0, preview.GetWidth(), 8);
    EXPECT_EQ(frame.key, preview.GetWidth() * 8);
    EXPECT_EQ(Pixel(preview, 2, preview.GetHeight() - 3), kKey);
    const KeyedCounts inside =
        CountKey(preview, 24, 24, preview.GetWidth() - 48, preview.GetHeight() - 48);
    EXPECT_EQ(inside.key, 0u);
    EXPECT_EQ(inside.fringe, 0u);
}

INSTANTIATE_TEST_SUITE_P(Skins, ShippedSkin, ::testing::ValuesIn(kSkins));

TEST(ShippedSkins, SmallerSkinsHaveSmallerBars) {
    std::vector<int> cells;
    for (const char* skin : kSkins) {
        cells.push_back(NumberOf(ReadSkinSection(SkinFile(skin, ".ini")), "cxPlayerButton"));
    }
    EXPECT_GT(cells[0], cells[1]);
    EXPECT_GT(cells[1], cells[2]);
    EXPECT_GE(cells[2], 20);
}

}  // namespace
}  // namespace zentrova
