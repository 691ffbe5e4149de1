// The artwork files that res/artwork.rc puts into corvix.exe, read byte by byte as the build
// makes them: the program icon, the three cursors, the capture sound and the splash picture.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "codecs/ZImageCodecBmp.h"
#include "core/WideText.h"
#include "image/ZImage.h"
#include "tests/support/TempFolder.h"

namespace zentrova::test {
namespace {

std::wstring ArtPath(const std::wstring& name) {
    return FromUtf8(CLARIVUE_WIN_ART_DIR) + L"/" + name;
}

uint32_t U16(const std::string& b, size_t at) {
    return at + 2 <= b.size() ? uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 : 0;
}
uint32_t U32(const std::string& b, size_t at) {
    return at + 4 <= b.size() ? U16(b, at) | U16(b, at + 2) << 16 : 0;
}
int32_t S32(const std::string& b, size_t at) {
    return static_cast<int32_t>(U32(b, at));
}

// One picture of an icon or cursor file.
struct Entry {
    uint32_t size = 0;    // width = height, 256 stored as 0
    uint32_t field1 = 0;  // planes (icon) or hot spot x (cursor)
    uint32_t field2 = 0;  // bit count (icon) or hot spot y (cursor)
    std::string dib;      // BITMAPINFOHEADER, BGRA rows, AND mask
};

// Reads the directory of an icon (kind 1) or cursor (kind 2) file; checks its framing.
std::vector<Entry> ReadDirectory(const std::string& file, uint32_t kind) {
    std::vector<Entry> entries;
    EXPECT_GE(file.size(), 6u);
    EXPECT_EQ(U16(file, 0), 0u);
    EXPECT_EQ(U16(file, 2), kind);
    const uint32_t count = U16(file, 4);
    for (uint32_t i = 0; i < count; ++i) {
        const size_t at = 6 + 16 * size_t{i};
        Entry e;
        e.size = uint8_t(file[at]) == 0 ? 256 : uint8_t(file[at]);
        EXPECT_EQ(uint8_t(file[at]), uint8_t(file[at + 1])) << "square pictures only";
        e.field1 = U16(file, at + 4);
        e.field2 = U16(file, at + 6);
        const uint32_t bytes = U32(file, at + 8);
        const uint32_t offset = U32(file, at + 12);
        EXPECT_LE(uint64_t{offset} + bytes, file.size()) << "entry " << i;
        if (uint64_t{offset} + bytes <= file.size()) {
            e.dib = file.substr(offset, bytes);
        }
        entries.push_back(e);
    }
    return entries;
}

// Checks a 32-bit DIB picture of the given size; returns its alpha values, top row first.
std::vector<uint8_t> CheckDib(const Entry& e) {
    const std::string& d = e.dib;
    const uint32_t s = e.size;
    EXPECT_EQ(U32(d, 0), 40u);
    EXPECT_EQ(S32(d, 4), int32_t(s));
    EXPECT_EQ(S32(d, 8), int32_t(2 * s)) << "height counts colour and mask";
    EXPECT_EQ(U16(d, 14), 32u);
    const size_t colourBytes = size_t{s} * s * 4;
    const size_t maskStride = ((s + 31) / 32) * 4;
    EXPECT_EQ(d.size(), 40 + colourBytes + maskStride * s);
    std::vector<uint8_t> alpha(size_t{s} * s);
    if (d.size() != 40 + colourBytes + maskStride * s) {
        return alpha;
    }
    int maskMismatches = 0;
    for (uint32_t row = 0; row < s; ++row) {  // rows are stored bottom-up
        const uint32_t y = s - 1 - row;
        for (uint32_t x = 0; x < s; ++x) {
            const uint8_t a = uint8_t(d[40 + (size_t{row} * s + x) * 4 + 3]);
            alpha[size_t{y} * s + x] = a;
            const uint8_t maskByte = uint8_t(d[40 + colourBytes + row * maskStride + x / 8]);
            const bool transparent = (maskByte & (0x80 >> (x % 8))) != 0;
            maskMismatches += transparent != (a == 0) ? 1 : 0;
        }
    }
    EXPECT_EQ(maskMismatches, 0) << "the AND mask must match the alpha channel";
    return alpha;
}

TEST(ProgramIcon, HoldsEverySizeAs32BitPicturesOfARoundedTile) {
    const std::string file = ReadWholeFile(ArtPath(L"clarivue.ico"));
    ASSERT_FALSE(file.empty());
    const std::vector<Entry> entries = ReadDirectory(file, 1);
    std::set<uint32_t> sizes;
    for (const Entry& e : entries) {
        SCOPED_TRACE(e.size);
        sizes.insert(e.size);
        EXPECT_EQ(e.field1, 1u);
        EXPECT_EQ(e.field2, 32u);
        const std::vector<uint8_t> alpha = CheckDib(e);
        const uint32_t s = e.size;
        // The rounded tile: clear in the very corner, solid in the middle and, just inside its
        // small margin, along the middle of each edge.
        const uint32_t in = s / 12 + 1;
        EXPECT_EQ(alpha[0], 0);
        EXPECT_EQ(alpha[size_t{s} * s - 1], 0);
        EXPECT_EQ(alpha[size_t{s / 2} * s + s / 2], 255);
        EXPECT_EQ(alpha[size_t{s / 2} * s + in], 255);
        EXPECT_EQ(alpha[size_t{s / 2} * s + s - 1 - in], 255);
        EXPECT_EQ(alpha[size_t{in} * s + s / 2], 255);
        EXPECT_EQ(alpha[size_t{s - 1 - in} * s + s / 2], 255);
    }
    EXPECT_EQ(sizes, (std::set<uint32_t>{16, 20, 24, 32, 40, 48, 64, 256}));
}

struct CursorCase {
    const wchar_t* file;
    double hotX, hotY;  // in the 32-pixel grid
};

TEST(Cursors, HoldThreeSizesWithTheHotSpotOnTheDrawing) {
    const CursorCase cases[] = {{L"pen.cur", 2, 30}, {L"hand.cur", 16, 15}, {L"grab.cur", 16, 16}};
    for (const CursorCase& c : cases) {
        SCOPED_TRACE(ToUtf8(c.file));
        const std::string file = ReadWholeFile(ArtPath(c.file));
        ASSERT_FALSE(file.empty());
        const std::vector<Entry> entries = ReadDirectory(file, 2);
        std::set<uint32_t> sizes;
        for (const Entry& e : entries) {
            SCOPED_TRACE(e.size);
            sizes.insert(e.size);
            const std::vector<uint8_t> alpha = CheckDib(e);
            const uint32_t s = e.size;
            EXPECT_EQ(e.field1, uint32_t(std::lround(c.hotX * s / 32)));
            EXPECT_EQ(e.field2, uint32_t(std::lround(c.hotY * s / 32)));
            // Something is drawn within two grid units of the hot spot: the pen's point, or the
            // palm under the hand.
            const int reach = int(2 * s / 32);
            int drawn = 0;
            for (int dy = -reach; dy <= reach; ++dy) {
                for (int dx = -reach; dx <= reach; ++dx) {
                    const int x = int(e.field1) + dx;
                    const int y = int(e.field2) + dy;
                    if (x >= 0 && y >= 0 && x < int(s) && y < int(s)) {
                        drawn += alpha[size_t(y) * s + size_t(x)] >= 128 ? 1 : 0;
                    }
                }
            }
            EXPECT_GT(drawn, 0);
        }
        EXPECT_EQ(sizes, (std::set<uint32_t>{32, 48, 64}));
    }
}

TEST(CaptureSound, IsAShortTwoStageClickInPcm) {
    const std::string wav = ReadWholeFile(ArtPath(L"capture.wav"));
    ASSERT_GE(wav.size(), 44u);
    ASSERT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(U32(wav, 4), wav.size() - 8);
    ASSERT_EQ(wav.substr(8, 4), "WAVE");
    ASSERT_EQ(wav.substr(12, 4), "fmt ");
    EXPECT_EQ(U16(wav, 20), 1u);  // PCM
    EXPECT_EQ(U16(wav, 22), 1u);  // mono
    const uint32_t rate = U32(wav, 24);
    EXPECT_EQ(rate, 44100u);
    EXPECT_EQ(U16(wav, 34), 16u);
    ASSERT_EQ(wav.substr(36, 4), "data");
    const uint32_t bytes = U32(wav, 40);
    ASSERT_EQ(44 + size_t{bytes}, wav.size());
    std::vector<int> samples;
    for (size_t at = 44; at + 1 < wav.size(); at += 2) {
        samples.push_back(int16_t(U16(wav, at)));
    }
    const double seconds = double(samples.size()) / rate;
    EXPECT_GT(seconds, 0.08);
    EXPECT_LT(seconds, 0.4) << "a capture sound must not hold up the next capture";

    int peak = 0;
    for (int s : samples) {
        peak = std::max(peak, std::abs(s));
    }
    EXPECT_GT(peak, 32767 * 3 / 10) << "audible";
    EXPECT_LT(peak, 32767 * 9 / 10) << "never clipped";
    // No click of its own at either end.
    EXPECT_LT(std::abs(samples.front()), 200);
    EXPECT_LT(std::abs(samples.back()), 200);

    // Two transients (the shutter opening and closing), 40 to 120 ms apart: local maxima of the
    // 5-ms energy above a third of the loudest window, merged when closer than 20 ms.
    const size_t window = rate / 200;
    std::vector<double> energy;
    for (size_t at = 0; at + window <= samples.size(); at += window) {
        double e = 0;
        for (size_t i = at; i < at + window; ++i) {
            e += double(samples[i]) * samples[i];
        }
        energy.push_back(e);
    }
    double loudest = 0;
    for (double e : energy) {
        loudest = std::max(loudest, e);
    }
    std::vector<size_t> onsets;
    for (size_t i = 0; i < energy.size(); ++i) {
        const bool rising = i == 0 || energy[i - 1] < energy[i] / 3;
        if (energy[i] > loudest / 3 && rising &&
            (onsets.empty() || (i - onsets.back()) * 5 >= 20)) {
            onsets.push_back(i);
        }
    }
    ASSERT_EQ(onsets.size(), 2u);
    const size_t gapMs = (onsets[1] - onsets[0]) * 5;
    EXPECT_GE(gapMs, 40u);
    EXPECT_LE(gapMs, 120u);
}

TEST(SplashPicture, IsA24BitBitmapOnALightBackground) {
    ZImage splash;
    uint32_t code = 0;
    ASSERT_TRUE(ReadBmp(splash, ArtPath(L"splash.bmp").c_str(), &code)) << code;
    EXPECT_EQ(splash.GetWidth(), 520u);
    EXPECT_EQ(splash.GetHeight(), 320u);
    EXPECT_EQ(splash.GetBitsPerPixel(), 24);
    // Mostly light, with the dark logo and title on it.
    uint64_t light = 0;
    uint64_t dark = 0;
    for (uint32_t r = 0; r < splash.GetHeight(); ++r) {
        const uint8_t* p = splash.GetRow(r);
        for (uint32_t x = 0; x < splash.GetWidth(); ++x, p += 3) {
            const int sum = p[0] + p[1] + p[2];
            light += sum > 3 * 200 ? 1 : 0;
            dark += sum < 3 * 100 ? 1 : 0;
        }
    }
    const uint64_t total = uint64_t{splash.GetWidth()} * splash.GetHeight();
    EXPECT_GT(light, total * 6 / 10);
    EXPECT_GT(dark, total / 50);
}

}  // namespace
}  // namespace zentrova::test
