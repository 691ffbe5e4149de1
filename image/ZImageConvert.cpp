#include "image/ZImagePixels.h"

#include <cstring>

namespace zentrova::pixels {

namespace {

// Reads pixel x of a row at any depth as blue, green, red.
inline void ReadBgr(const uint8_t* row, uint32_t bits, const uint8_t* paletteBgr, uint32_t x,
                    uint8_t& b, uint8_t& g, uint8_t& r) {
    switch (bits) {
        case 32:
        case 24: {
            const uint8_t* p = row + x * (bits / 8);
            b = p[0], g = p[1], r = p[2];
            return;
        }
        case 16: {
            const uint32_t v = row[2 * x] | (row[2 * x + 1] << 8);
            b = Widen5(v), g = Widen5(v >> 5), r = Widen5(v >> 10);
            return;
        }
        default: {
            uint32_t index;
            if (bits == 8) {
                index = row[x];
            } else if (bits == 4) {
                index = (x & 1) ? (row[x / 2] & 0x0F) : (row[x / 2] >> 4);
            } else {
                index = (row[x / 8] >> (7 - (x & 7))) & 1;
            }
            const uint8_t* e = paletteBgr + 3 * index;
            b = e[0], g = e[1], r = e[2];
            return;
        }
    }
}

}  // namespace

void SwapBytes(uint8_t* a, uint8_t* b, size_t n) {
    constexpr size_t kBlock = 32;
    size_t i = 0;
    for (; i + kBlock <= n; i += kBlock) {
        uint8_t blockA[kBlock];
        uint8_t blockB[kBlock];
        std::memcpy(blockA, a + i, kBlock);
        std::memcpy(blockB, b + i, kBlock);
        std::memcpy(a + i, blockB, kBlock);
        std::memcpy(b + i, blockA, kBlock);
    }
    for (; i < n; ++i) {
        const uint8_t t = a[i];
        a[i] = b[i];
        b[i] = t;
    }
}

void SetPackedIndex(uint8_t* row, uint32_t bits, uint32_t x, uint8_t index) {
    if (bits == 8) {
        row[x] = index;
    } else if (bits == 4) {
        uint8_t& byte = row[x / 2];
        byte = (x & 1) ? static_cast<uint8_t>((byte & 0xF0) | (index & 0x0F))
                       : static_cast<uint8_t>((byte & 0x0F) | (index << 4));
    } else {
        const uint8_t mask = static_cast<uint8_t>(0x80 >> (x & 7));
        row[x / 8] = (index & 1) ? static_cast<uint8_t>(row[x / 8] | mask)
                                 : static_cast<uint8_t>(row[x / 8] & ~mask);
    }
}

uint8_t NearestPaletteIndex(const uint8_t* paletteBgr, int entries, uint8_t blue, uint8_t green,
                            uint8_t red) {
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < entries; ++i) {
        const uint8_t* e = paletteBgr + 3 * i;
        const int db = e[0] - blue, dg = e[1] - green, dr = e[2] - red;
        const int distance = db * db + dg * dg + dr * dr;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
            if (distance == 0) {
                break;
            }
        }
    }
    return static_cast<uint8_t>(best);
}

void ConvertRowToDirect(const uint8_t* src, uint32_t srcBits, const uint8_t* paletteBgr,
                        uint32_t width, uint8_t* dst, uint32_t dstBits) {
    if (srcBits == dstBits) {
        std::memcpy(dst, src, static_cast<size_t>(width) * (dstBits / 8));
        return;
    }
    if (srcBits == 32 && dstBits == 24) {
        for (uint32_t x = 0; x < width; ++x, src += 4, dst += 3) {
            dst[0] = src[0], dst[1] = src[1], dst[2] = src[2];
        }
        return;
    }
    if (srcBits == 24 && dstBits == 32) {
        for (uint32_t x = 0; x < width; ++x, src += 3, dst += 4) {
            dst[0] = src[0], dst[1] = src[1], dst[2] = src[2], dst[3] = 0;
        }
        return;
    }
    for (uint32_t x = 0; x < width; ++x) {
        uint8_t b, g, r;
        ReadBgr(src, srcBits, paletteBgr, x, b, g, r);
        if (dstBits == 16) {
            const uint16_t v = Pack555(b, g, r);
            dst[2 * x] = static_cast<uint8_t>(v), dst[2 * x + 1] = static_cast<uint8_t>(v >> 8);
        } else {
            uint8_t* p = dst + x * (dstBits / 8);
            p[0] = b, p[1] = g, p[2] = r;
            if (dstBits == 32) {
                p[3] = 0;
            }
        }
    }
}

void ConvertRowFromDirect(const uint8_t* src, uint32_t srcBits, uint32_t width, uint8_t* dst,
                          uint32_t dstBits, const uint8_t* paletteBgr) {
    if (dstBits >= 16) {
        ConvertRowToDirect(src, srcBits, nullptr, width, dst, dstBits);
        return;
    }
    const int entries = 1 << dstBits;
    // Neighbouring pixels are often equal: remember the last colour's index.
    bool haveLast = false;
    uint8_t lastB = 0, lastG = 0, lastR = 0, lastIndex = 0;
    for (uint32_t x = 0; x < width; ++x) {
        uint8_t b, g, r;
        ReadBgr(src, srcBits, nullptr, x, b, g, r);
        if (!haveLast || b != lastB || g != lastG || r != lastR) {
            lastIndex = NearestPaletteIndex(paletteBgr, entries, b, g, r);
            lastB = b, lastG = g, lastR = r, haveLast = true;
        }
        SetPackedIndex(dst, dstBits, x, lastIndex);
    }
}

}  // namespace zentrova::pixels
