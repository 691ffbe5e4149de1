// Small pictures for the effect tests: filled byte by byte from a rule, read back by picture or
// memory coordinates.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "core/ZError.h"
#include "image/ZImage.h"
#include "tests/image/CompositingTestSupport.h"
#include "tests/support/TempFolder.h"

namespace zentrova::test {

// A 24- or 32-bit picture whose byte c of the pixel at column x of memory row r is byte(x, r, c).
inline void MakePicture(ZImage& image, uint32_t width, uint32_t height, uint32_t bits,
                        const std::function<uint8_t(uint32_t, uint32_t, uint32_t)>& byte) {
    ASSERT_TRUE(image.Create(width, height, bits, 0, nullptr));
    const uint32_t step = bits / 8;
    for (uint32_t r = 0; r < height; ++r) {
        uint8_t* row = image.GetRow(r);
        for (uint32_t x = 0; x < width; ++x) {
            for (uint32_t c = 0; c < step; ++c) {
                row[x * step + c] = byte(x, r, c);
            }
        }
    }
}

// Deterministic noise: every byte of the picture different-looking, all 256 values reached.
inline void MakeNoise(ZImage& image, uint32_t width, uint32_t height, uint32_t bits,
                      uint32_t seed) {
    uint32_t state = seed * 2654435761u + 12345u;
    MakePicture(image, width, height, bits, [&](uint32_t, uint32_t, uint32_t) {
        state = state * 1664525u + 1013904223u;
        return static_cast<uint8_t>(state >> 24);
    });
}

// Byte c of the pixel at column x of memory row r.
inline uint8_t At(const ZImage& image, uint32_t x, uint32_t r, uint32_t c) {
    return image.GetRow(r)[x * (image.GetBitsPerPixel() / 8) + c];
}

// The same size, depth and bytes over the whole pixel memory (padding included)?
using testing::SameBytes;

// The whole error log of the test's working folder.
inline std::string ErrorLog() {
    return ReadWholeFile(kErrorLogFileName);
}

inline void ClearErrorLog() {
    WriteWholeFile(kErrorLogFileName, std::string());
}

// The grey palette where a pointer is wanted.
inline const uint8_t* GreyPalette() {
    static const auto palette = testing::GreyPalette();
    return palette.data();
}

// Runs `effect` on an empty picture and on an 8-bit one: both are refused, the 8-bit picture stays
// as it was, and each refusal writes the log line "Image\ZImageEffects - Line: <line> - ZErr: 14".
template <typename Effect>
void ExpectShallowRefusalsLogged(Effect effect, int line) {
    ClearErrorLog();
    ZImage empty;
    EXPECT_FALSE(effect(empty));
    ZImage grey;
    ASSERT_TRUE(grey.Create(4, 4, 8, 0, GreyPalette()));
    grey.GetRow(1)[1] = 77;
    EXPECT_FALSE(effect(grey));
    EXPECT_EQ(grey.GetRow(1)[1], 77);
    const std::string entry =
        "Image\\ZImageEffects - Line: " + std::to_string(line) + " - ZErr: 14\r\n";
    EXPECT_EQ(ErrorLog(), entry + entry);
    ClearErrorLog();
}

}  // namespace zentrova::test
