// Drop shadow: the picture grows by a margin on every side and is laid over the background with a
// blurred shadow.
//
// The slow path (any outline: pixels of the key colour count as outside the picture) is the
// sequence "silhouette A = picture drawn on the key colour, then replace-all-but-key by the shadow
// colour S and replace key by the background; box blur of A; B = picture on the background with
// key replaced by the background; mask M = picture on the key colour turned into black/white and
// background (inverted for a bright background); masked blend of B onto A through M". Every one
// of those replacements maps a pixel by whether it equals the key colour, so the pass over the
// picture is fused here without changing a byte:
//   A = silhouetteInside where the drawn pixel is not the key colour, the background elsewhere;
//   the blend gives, per channel, a + trunc((b - a) * w / 255) (a of the blurred A) with
//     b = the pixel, w = the mask weight of a non-key pixel, inside the picture where it is not
//         the key colour;
//     b = the background, w = the mask weight of a key pixel, everywhere else.
// The weights and colours are worked out from the replacement rules below, including the corner
// cases where S, 0x000000 or 0xFFFFFF happen to be the key colour itself.
//
// The plain-rectangle path blurs a 200 x 200 sample instead and stretches its edges over the
// margins (ZShadowPieces.h); the picture is then copied in as an opaque rectangle.
//
// Both paths build the result in the image itself: its pixels are first saved in one heap block,
// the image is re-created at the grown size and written from that block, so that the only new
// picture-sized memory is the result's own (fresh pages are expensive). When a step fails after
// that, the image is re-created from the saved block as it was.
#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <new>

#include "image/ZImageEffects.h"
#include "image/effects/ZShadowPieces.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zentrova {

namespace {

constexpr int kSampleSide = 200;
constexpr int kShadowBlurPasses = 3;

struct Bgr {
    uint8_t b, g, r;
};

Bgr ToBgr(ZColor c) {
    return {static_cast<uint8_t>((c >> 16) & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF),
            static_cast<uint8_t>(c & 0xFF)};
}

// The effective shadow colour: shadow + trunc((background - shadow) * (255 - t) / 255) per
// channel, t = intensity * 255 div 100 (intensity limited to 0..100).
ZColor EffectiveShadow(ZColor shadow, ZColor background, int intensity) {
    const int t = std::clamp(intensity, 0, 100) * 255 / 100;
    ZColor result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int s = (shadow >> shift) & 0xFF;
        const int b = (background >> shift) & 0xFF;
        result |= static_cast<ZColor>(s + (b - s) * (255 - t) / 255) << shift;
    }
    return result;
}

// (ox, oy): where the shadow lies relative to the picture.
void ShadowDisplacement(int direction, int offset, int& ox, int& oy) {
    ox = oy = 0;
    if (direction >= 0 && direction < 90) {
        ox = -offset, oy = offset;
    } else if (direction >= 90 && direction < 180) {
        ox = -offset, oy = -offset;
    } else if (direction >= 180 && direction < 270) {
        ox = offset, oy = -offset;
    } else if (direction >= 270 && direction < 360) {
        ox = offset, oy = offset;
    }
}

// Replace-all-but-key by first, then replace key by second: what a pixel becomes.
ZColor AfterReplacements(bool isKey, ZColor key, ZColor first, ZColor second) {
    const ZColor afterFirst = isKey ? key : first;
    return afterFirst == key ? second : afterFirst;
}

// The fused blend of one byte: a + trunc((b - a) * w / 255).
inline uint8_t Mix(int a, int b, int w) {
    return static_cast<uint8_t>(a + (b - a) * w / 255);
}

// The picture's pixels kept aside while the image is re-created at its grown size (one block on
// the heap), so that the image can be given back unchanged when a later step fails.
class SavedPicture {
  public:
    bool Save(const ZImage& image) {
        m_width = image.GetWidth();
        m_height = image.GetHeight();
        m_bits = image.GetBitsPerPixel();
        m_stride = image.GetStride();
        m_dpiX = image.dpiX;
        m_dpiY = image.dpiY;
        m_pixels.reset(new (std::nothrow) uint8_t[image.GetPixelMemorySize()]);
        if (!m_pixels) {
            return false;
        }
        image.FlushDrawing();
        std::memcpy(m_pixels.get(), image.GetBits(), image.GetPixelMemorySize());
        return true;
    }
    void Restore(ZImage& image) const {
        if (image.CreateFromBits(m_width, m_height, m_bits, m_pixels.get(), nullptr)) {
            image.dpiX = m_dpiX;
            image.dpiY = m_dpiY;
        }
    }
    uint32_t Width() const { return m_width; }
    uint32_t Height() const { return m_height; }
    uint32_t BytesPerPixel() const { return m_bits / 8u; }
    // Picture row y, counted from the top.
    const uint8_t* Row(uint32_t y) const {
        return m_pixels.get() + size_t{m_height - 1 - y} * m_stride;
    }

  private:
    std::unique_ptr<uint8_t[]> m_pixels;
    uint32_t m_width = 0, m_height = 0, m_bits = 0, m_stride = 0;
    int32_t m_dpiX = 0, m_dpiY = 0;
};

inline bool IsKey(const uint8_t* p, const Bgr& key) {
    return p[0] == key.b && p[1] == key.g && p[2] == key.r;
}

// 16 pixels of one colour as 48 bytes, for filling and comparing rows of 3-byte pixels.
struct PixelPattern {
    explicit PixelPattern(const Bgr& c) {
        for (int i = 0; i < 16; ++i) {
            bytes[3 * i] = c.b, bytes[3 * i + 1] = c.g, bytes[3 * i + 2] = c.r;
        }
    }
    uint8_t bytes[48];
};

// Writes count pixels of one colour; returns the end.
inline uint8_t* FillPixels(uint8_t* out, uint32_t count, const PixelPattern& c) {
    uint32_t i = 0;
    for (; i + 16 <= count; i += 16, out += 48) {
        std::memcpy(out, c.bytes, 48);
    }
    std::memcpy(out, c.bytes, size_t{count - i} * 3);
    return out + size_t{count - i} * 3;
}

// The number of leading pixels (3 bytes each) of p[0 .. count) that are not the key colour:
// 16 pixels at a time are compared byte by byte, a pixel being the key where its three bytes
// all match.
uint32_t KeyFreeRun(const uint8_t* p, uint32_t count, const Bgr& key, const PixelPattern& keys) {
    uint32_t i = 0;
#if defined(__SSE2__)
    const __m128i k0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(keys.bytes));
    const __m128i k1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(keys.bytes + 16));
    const __m128i k2 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(keys.bytes + 32));
    for (; i + 16 <= count; i += 16) {
        const __m128i* q = reinterpret_cast<const __m128i*>(p + size_t{i} * 3);
        const uint64_t m0 =
            static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(q), k0)));
        const uint64_t m1 =
            static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(q + 1), k1)));
        const uint64_t m2 =
            static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(q + 2), k2)));
        const uint64_t m = m0 | (m1 << 16) | (m2 << 32);
        if ((m & (m >> 1) & (m >> 2) & 0x249249249249ull) != 0) {
            break;  // a key pixel among these 16: found below
        }
    }
#else
    (void)keys;
#endif
    while (i < count && !IsKey(p + size_t{i} * 3, key)) {
        ++i;
    }
    return i;
}

// image: the grown 24-bit canvas (contents undefined), picture: the original pixels.
bool OutlinePath(ZImage& image, const SavedPicture& picture, const DropShadowOptions& o, int m,
                 int ox, int oy, ZColor shadow) {
    const uint32_t w = picture.Width();
    const uint32_t h = picture.Height();
    const uint32_t bpp = picture.BytesPerPixel();
    const uint32_t rw = image.GetWidth();
    const uint32_t rh = image.GetHeight();
    const uint32_t um = static_cast<uint32_t>(m);
    const ZColor key = o.keyColour & 0xFFFFFF;
    const ZColor background = o.backgroundColour & 0xFFFFFF;
    const Bgr keyBgr = ToBgr(key);
    const Bgr backgroundBgr = ToBgr(background);

    // Silhouette colours (step 2) and mask weights (step 5).
    const Bgr silhouetteInside = ToBgr(AfterReplacements(false, key, shadow, background));
    const bool bright = backgroundBgr.r >= 50 || backgroundBgr.g >= 50 || backgroundBgr.b >= 50;
    const ZColor maskFirst = bright ? 0x000000 : 0xFFFFFF;
    const int maskNonKey = ToBgr(AfterReplacements(false, key, maskFirst, background)).b;
    const int maskKey = ToBgr(AfterReplacements(true, key, maskFirst, background)).b;
    const int weightPicture = bright ? 255 - maskNonKey : maskNonKey;
    const int weightOutside = bright ? 255 - maskKey : maskKey;

    // A: the silhouette of the picture at (m + ox, m + oy) on the background.
    const PixelPattern backgroundFill(backgroundBgr);
    const PixelPattern silhouetteFill(silhouetteInside);
    const PixelPattern keyPattern(keyBgr);
    const uint32_t top = rh - 1;
    const uint32_t sx = static_cast<uint32_t>(m + ox);
    const uint32_t sy = static_cast<uint32_t>(m + oy);
    for (uint32_t y = 0; y < rh; ++y) {
        uint8_t* out = image.GetRow(top - y);
        if (y < sy || y >= sy + h) {
            FillPixels(out, rw, backgroundFill);
            continue;
        }
        out = FillPixels(out, sx, backgroundFill);
        const uint8_t* in = picture.Row(y - sy);
        if (bpp == 3) {
            for (uint32_t x = 0; x < w;) {
                const uint32_t run = KeyFreeRun(in + size_t{x} * 3, w - x, keyBgr, keyPattern);
                out = FillPixels(out, run, silhouetteFill);
                for (x += run; x < w && IsKey(in + size_t{x} * 3, keyBgr); ++x, out += 3) {
                    out[0] = backgroundBgr.b, out[1] = backgroundBgr.g, out[2] = backgroundBgr.r;
                }
            }
        } else {
            for (uint32_t x = 0; x < w; ++x, in += bpp, out += 3) {
                const Bgr& c = IsKey(in, keyBgr) ? backgroundBgr : silhouetteInside;
                out[0] = c.b, out[1] = c.g, out[2] = c.r;
            }
        }
        FillPixels(out, rw - sx - w, backgroundFill);
    }
    if (o.dither > 0 && !BoxBlur(image, o.dither, kShadowBlurPasses)) {
        return false;
    }

    // The picture laid through the mask onto the blurred silhouette.
    const int bb = backgroundBgr.b, bg = backgroundBgr.g, br = backgroundBgr.r;
    auto outside = [&](uint8_t* p, uint32_t count) {
        if (weightOutside == 0) {
            return;
        }
        for (uint32_t i = 0; i < count; ++i, p += 3) {
            p[0] = Mix(p[0], bb, weightOutside);
            p[1] = Mix(p[1], bg, weightOutside);
            p[2] = Mix(p[2], br, weightOutside);
        }
    };
    for (uint32_t y = 0; y < rh; ++y) {
        uint8_t* out = image.GetRow(top - y);
        if (y < um || y >= um + h) {
            outside(out, rw);
            continue;
        }
        outside(out, um);
        const uint8_t* in = picture.Row(y - um);
        uint8_t* p = out + size_t{um} * 3;
        if (weightPicture == 255 && bpp == 3) {
            // Runs of picture pixels are copied as they are.
            uint32_t x = 0;
            while (x < w) {
                const uint32_t run = x + KeyFreeRun(in + size_t{x} * 3, w - x, keyBgr, keyPattern);
                std::memcpy(p + size_t{x} * 3, in + size_t{x} * 3, size_t{run - x} * 3);
                x = run;
                while (x < w && IsKey(in + size_t{x} * 3, keyBgr)) {
                    outside(p + size_t{x} * 3, 1);
                    ++x;
                }
            }
            p += size_t{w} * 3;
        } else {
            for (uint32_t x = 0; x < w; ++x, in += bpp, p += 3) {
                if (IsKey(in, keyBgr)) {
                    outside(p, 1);
                } else if (weightPicture == 255) {
                    p[0] = in[0], p[1] = in[1], p[2] = in[2];
                } else {
                    p[0] = Mix(p[0], in[0], weightPicture);
                    p[1] = Mix(p[1], in[1], weightPicture);
                    p[2] = Mix(p[2], in[2], weightPicture);
                }
            }
        }
        outside(p, um);
    }
    return true;
}

// The sample: the shadow rectangle on the background, blurred.
bool MakeSample(ZImage& sample, const DropShadowOptions& o, int m, int ox, int oy, ZColor shadow) {
    const uint32_t side = kSampleSide + 2u * static_cast<uint32_t>(m);
    if (!sample.Create(side, side, 24, o.backgroundColour & 0xFFFFFF, nullptr) ||
        !sample.FillRect(m + ox, m + oy, kSampleSide, kSampleSide, shadow)) {
        return false;
    }
    return o.dither <= 0 || BoxBlur(sample, o.dither, kShadowBlurPasses);
}

// image: the grown 24-bit canvas (contents undefined), picture: the original pixels. Every pixel
// is written: the margins by the pieces (after the background, all the same), the inside by the
// picture.
bool PlainRectanglePath(ZImage& image, const SavedPicture& picture, const ZImage& sample,
                        const DropShadowOptions& o, int m) {
    const uint32_t w = picture.Width();
    const uint32_t h = picture.Height();
    const uint32_t bpp = picture.BytesPerPixel();
    const ZColor background = o.backgroundColour & 0xFFFFFF;
    const int32_t rw = static_cast<int32_t>(image.GetWidth());
    const int32_t rh = static_cast<int32_t>(image.GetHeight());
    image.FillRect(0, 0, rw, m, background);
    image.FillRect(0, rh - m, rw, m, background);
    image.FillRect(0, m, m, rh - 2 * m, background);
    image.FillRect(rw - m, m, m, rh - 2 * m, background);
    if (!effects::CopyShadowPieces(image, sample, m)) {
        return false;
    }
    image.FlushDrawing();
    const uint32_t top = image.GetHeight() - 1;
    const uint32_t um = static_cast<uint32_t>(m);
    for (uint32_t y = 0; y < h; ++y) {
        const uint8_t* in = picture.Row(y);
        uint8_t* out = image.GetRow(top - (um + y)) + size_t{um} * 3;
        if (bpp == 3) {
            std::memcpy(out, in, size_t{w} * 3);
        } else {
            for (uint32_t x = 0; x < w; ++x, in += 4, out += 3) {
                out[0] = in[0], out[1] = in[1], out[2] = in[2];
            }
        }
    }
    return true;
}

}  // namespace

int DropShadowMargin(int offset, int dither) {
    const int64_t m = 2 * int64_t{offset} + (5 * int64_t{dither}) / 2;
    return static_cast<int>(std::clamp<int64_t>(m, INT_MIN, INT_MAX));
}

bool ApplyDropShadow(ZImage& image, const DropShadowOptions& options) {
    if (!image.IsValid() || (image.GetBitsPerPixel() != 24 && image.GetBitsPerPixel() != 32) ||
        options.offset < 0 || options.dither < 0) {
        return false;
    }
    const int64_t m = 2 * int64_t{options.offset} + (5 * int64_t{options.dither}) / 2;
    const int64_t rw = image.GetWidth() + 2 * m;
    const int64_t rh = image.GetHeight() + 2 * m;
    if (m > INT_MAX / 4 || rw > UINT32_MAX || rh > UINT32_MAX ||
        !ZImage::IsSizeAcceptable(static_cast<uint32_t>(rw), static_cast<uint32_t>(rh), 24)) {
        return false;
    }
    int ox = 0, oy = 0;
    ShadowDisplacement(options.directionDegrees, options.offset, ox, oy);
    const ZColor shadow =
        EffectiveShadow(options.shadowColour & 0xFFFFFF, options.backgroundColour & 0xFFFFFF,
                        options.intensityPercent);
    const bool plain =
        options.plainRectangle && image.GetWidth() > kSampleSide && image.GetHeight() > kSampleSide;
    const int margin = static_cast<int>(m);
    ZImage sample;
    if (plain && !MakeSample(sample, options, margin, ox, oy, shadow)) {
        return false;
    }

    // The image is re-created at its grown size and built in place from the saved pixels.
    SavedPicture picture;
    if (!picture.Save(image)) {
        return false;
    }
    if (!image.CreateForOverwrite(static_cast<uint32_t>(rw), static_cast<uint32_t>(rh), 24,
                                  nullptr)) {
        picture.Restore(image);
        return false;
    }
    const bool done = plain ? PlainRectanglePath(image, picture, sample, options, margin)
                            : OutlinePath(image, picture, options, margin, ox, oy, shadow);
    if (!done) {
        picture.Restore(image);
    }
    return done;
}

}  // namespace zentrova
