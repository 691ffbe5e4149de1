// Spin blur: every pixel becomes the mean of the samples along the arc through it around the
// picture's centre (cx, cy) = (w div 2, h div 2), y counting memory rows.
//
// Fixed point 16.16: theta = trunc(angle * 205887.421875 / 181), step = theta div 64,
// q = (step * step) >> 11. From (x - cx, y - cy) two points are rotated 64 times, one with +step
// and one with -step in the second-order update
//   x' = x - ((y >> 8) * step >> 8) - ((x >> 14) * q >> 8)
//   y' = y + ((x >> 8) * step >> 8) - ((y >> 14) * q >> 8)
// (shifts are arithmetic, i.e. floor). The pixel itself and every rotated point inside the
// picture (centre + ((point + 0x8000) >> 16)) add blue, green and red with weight 64; the result
// is sum div total weight. All weights are equal, so the code counts samples and divides the
// plain sums (64 s div 64 n == s div n); the mean of bytes never exceeds 255.
//
// Work on a copy: the picture is first copied into a packed array of 32-bit words B | G << 8 |
// R << 16 (plus 8 words of slack), read by the samples, and the rows are written back.
//
// Two implementations with identical sample points and results:
// * the portable one: the loop above in 64-bit arithmetic, which cannot overflow for any picture
//   and any accepted angle;
// * with AVX2 (checked at run time): 8 neighbouring pixels at once in 32-bit lanes, the sample
//   words fetched with masked gathers (points outside the picture fetch nothing and count
//   nothing), blue and red summed together in the two 16-bit halves of one lane (at most
//   129 * 255 < 65536 each). It is used only when a worst-case bound of every intermediate value
//   over the 64 steps (Fits32Bits) proves that 32-bit lanes compute exactly what 64-bit integers
//   would. Chunks whose samples all lie in the picture (known from a bound of how far a sample
//   can drift from its pixel, per distance from the centre) skip the inside test and the masks;
//   with q == 1 (small angles, 3.0 among them) ((x >> 14) * q) >> 8 is computed as x >> 22. Its
//   division: sums below 2^24 and counts 1..129 are exact in single precision, and the
//   correctly rounded quotient s / n stays more than 1/129 - 2^-16 away from the next integer
//   when it is not one, so truncating it gives s div n.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "core/ZError.h"
#include "image/ZImageEffects.h"

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define ZENTROVA_SPIN_AVX2 1
#include <immintrin.h>
#endif

namespace zentrova {

namespace {

constexpr int kSteps = 64;
constexpr uint32_t kSlackWords = 8;
constexpr double kLargestAngle = 360.0;

struct SpinGeometry {
    int64_t width;
    int64_t height;
    int64_t cx;
    int64_t cy;
    int64_t step;
    int64_t q;
};

// Upper bound of |x| and |y| (16.16) after 64 steps of a point that starts with |x|, |y| <= n,
// growing n by the largest change one step can make: |(a >> 8) * s >> 8| <= (|a| / 256 + 1) *
// |s| / 256 + 1 for the floor shifts. Returns -1 when a step's value would leave int32 (then the
// 32-bit lanes cannot be used).
double GrownBound(double n, const SpinGeometry& g) {
    const double step = std::fabs(static_cast<double>(g.step));
    const double q = static_cast<double>(g.q);
    const double limit = 2147483647.0;
    for (int i = 0; i < kSteps; ++i) {
        const double product1 = (n / 256.0 + 1.0) * step;
        const double product2 = (n / 16384.0 + 1.0) * q;
        if (n + 0x8000 >= limit || product1 >= limit || product2 >= limit) {
            return -1.0;
        }
        n += product1 / 256.0 + 1.0 + product2 / 256.0 + 1.0;
    }
    return n + 0x8000 < limit ? n : -1.0;
}

// The largest distance from the centre, in pixels along either axis, of any pixel.
int64_t Reach(const SpinGeometry& g) {
    return std::max({g.cx, g.width - 1 - g.cx, g.cy, g.height - 1 - g.cy});
}

// True when every value of the 32-bit lane computation stays inside int32 for every pixel.
bool Fits32Bits(const SpinGeometry& g) {
    return GrownBound(static_cast<double>(Reach(g) + 8) * 65536.0, g) >= 0.0;
}

void PortableRow(const uint32_t* pixels, const SpinGeometry& g, int64_t y, int64_t xBegin,
                 int64_t xEnd, uint32_t* out) {
    for (int64_t x = xBegin; x < xEnd; ++x) {
        const uint32_t self = pixels[y * g.width + x];
        uint32_t blue = self & 0xFF;
        uint32_t green = (self >> 8) & 0xFF;
        uint32_t red = (self >> 16) & 0xFF;
        uint32_t count = 1;
        for (const int64_t s : {g.step, -g.step}) {
            int64_t px = (x - g.cx) * 65536;
            int64_t py = (y - g.cy) * 65536;
            for (int i = 0; i < kSteps; ++i) {
                const int64_t nx = px - (((py >> 8) * s) >> 8) - (((px >> 14) * g.q) >> 8);
                const int64_t ny = py + (((px >> 8) * s) >> 8) - (((py >> 14) * g.q) >> 8);
                px = nx;
                py = ny;
                const int64_t sx = g.cx + ((px + 0x8000) >> 16);
                const int64_t sy = g.cy + ((py + 0x8000) >> 16);
                if (sx >= 0 && sx < g.width && sy >= 0 && sy < g.height) {
                    const uint32_t p = pixels[sy * g.width + sx];
                    blue += p & 0xFF;
                    green += (p >> 8) & 0xFF;
                    red += (p >> 16) & 0xFF;
                    ++count;
                }
            }
        }
        out[x] = (blue / count) | ((green / count) << 8) | ((red / count) << 16);
    }
}

#if defined(ZENTROVA_SPIN_AVX2)

struct Avx2Constants {
    __m256i plus;
    __m256i minus;
    __m256i q;
    __m256i cx;
    __m256i cy;
    __m256i width;
    __m256i lastColumn;
    __m256i lastRow;
};

// One step of one direction for 8 points, and their samples. unitQ: q == 1, where
// ((x >> 14) * q) >> 8 is x >> 22. allInside: every sample of these 8 pixels is known to lie in
// the picture, so no test and no mask are needed (the count is added once at the end).
template <bool unitQ, bool allInside>
__attribute__((target("avx2"))) inline void RotateAndSample(__m256i& x, __m256i& y, __m256i step,
                                                            const Avx2Constants& k,
                                                            const int* pixels, __m256i& blueRed,
                                                            __m256i& green, __m256i& count) {
    const __m256i t1 = _mm256_srai_epi32(_mm256_mullo_epi32(_mm256_srai_epi32(y, 8), step), 8);
    const __m256i t3 = _mm256_srai_epi32(_mm256_mullo_epi32(_mm256_srai_epi32(x, 8), step), 8);
    __m256i t2;
    __m256i t4;
    if (unitQ) {
        t2 = _mm256_srai_epi32(x, 22);
        t4 = _mm256_srai_epi32(y, 22);
    } else {
        t2 = _mm256_srai_epi32(_mm256_mullo_epi32(_mm256_srai_epi32(x, 14), k.q), 8);
        t4 = _mm256_srai_epi32(_mm256_mullo_epi32(_mm256_srai_epi32(y, 14), k.q), 8);
    }
    x = _mm256_sub_epi32(_mm256_sub_epi32(x, t1), t2);
    y = _mm256_sub_epi32(_mm256_add_epi32(y, t3), t4);
    const __m256i half = _mm256_set1_epi32(0x8000);
    // Sample position relative to the centre.
    const __m256i rx = _mm256_srai_epi32(_mm256_add_epi32(x, half), 16);
    const __m256i ry = _mm256_srai_epi32(_mm256_add_epi32(y, half), 16);
    __m256i p;
    if (allInside) {
        // `pixels` points at the centre pixel here.
        p = _mm256_i32gather_epi32(pixels, _mm256_add_epi32(_mm256_mullo_epi32(ry, k.width), rx),
                                   4);
    } else {
        const __m256i sx = _mm256_add_epi32(k.cx, rx);
        const __m256i sy = _mm256_add_epi32(k.cy, ry);
        const __m256i index = _mm256_add_epi32(_mm256_mullo_epi32(sy, k.width), sx);
        // Unsigned minimum: negative coordinates look huge and fail like those past the edge.
        const __m256i inside =
            _mm256_and_si256(_mm256_cmpeq_epi32(_mm256_min_epu32(sx, k.lastColumn), sx),
                             _mm256_cmpeq_epi32(_mm256_min_epu32(sy, k.lastRow), sy));
        p = _mm256_mask_i32gather_epi32(_mm256_setzero_si256(), pixels, index, inside, 4);
        count = _mm256_sub_epi32(count, inside);
    }
    blueRed = _mm256_add_epi32(blueRed, _mm256_and_si256(p, _mm256_set1_epi32(0x00FF00FF)));
    green =
        _mm256_add_epi32(green, _mm256_and_si256(_mm256_srli_epi32(p, 8), _mm256_set1_epi32(0xFF)));
}

__attribute__((target("avx2"))) inline __m256i Mean(__m256i sum, __m256 count) {
    return _mm256_cvttps_epi32(_mm256_div_ps(_mm256_cvtepi32_ps(sum), count));
}

// The 8 pixels from column x0 of row y (lanes past the width are computed and not used).
template <bool unitQ, bool allInside>
__attribute__((target("avx2"))) void Avx2Chunk(const uint32_t* pixels, const SpinGeometry& g,
                                               const Avx2Constants& k, int64_t y, int64_t x0,
                                               uint32_t* out) {
    const int* base = reinterpret_cast<const int*>(pixels);
    if (allInside) {
        base += g.cy * g.width + g.cx;
    }
    const __m256i lanes = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
    const __m256i startX = _mm256_slli_epi32(
        _mm256_add_epi32(_mm256_set1_epi32(static_cast<int>(x0 - g.cx)), lanes), 16);
    const __m256i startY = _mm256_set1_epi32(static_cast<int>((y - g.cy) * 65536));
    const __m256i self =
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pixels + y * g.width + x0));
    __m256i blueRed = _mm256_and_si256(self, _mm256_set1_epi32(0x00FF00FF));
    __m256i green = _mm256_and_si256(_mm256_srli_epi32(self, 8), _mm256_set1_epi32(0xFF));
    __m256i count = _mm256_set1_epi32(allInside ? 1 + 2 * kSteps : 1);
    __m256i ax = startX;
    __m256i ay = startY;
    __m256i bx = startX;
    __m256i by = startY;
    for (int i = 0; i < kSteps; ++i) {
        RotateAndSample<unitQ, allInside>(ax, ay, k.plus, k, base, blueRed, green, count);
        RotateAndSample<unitQ, allInside>(bx, by, k.minus, k, base, blueRed, green, count);
    }
    const __m256 n = _mm256_cvtepi32_ps(count);
    const __m256i blue = Mean(_mm256_and_si256(blueRed, _mm256_set1_epi32(0xFFFF)), n);
    const __m256i red = Mean(_mm256_srli_epi32(blueRed, 16), n);
    const __m256i result = _mm256_or_si256(
        _mm256_or_si256(blue, _mm256_slli_epi32(Mean(green, n), 8)), _mm256_slli_epi32(red, 16));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x0), result);
}

// drift[r]: how far, in whole pixels along either axis, a sample can lie from its own pixel when
// the pixel is at most r pixels from the centre along either axis.
__attribute__((target("avx2"))) void Avx2Row(const uint32_t* pixels, const SpinGeometry& g,
                                             const int64_t* drift, int64_t y, int64_t xBegin,
                                             int64_t xEnd, uint32_t* out) {
    Avx2Constants k;
    k.plus = _mm256_set1_epi32(static_cast<int>(g.step));
    k.minus = _mm256_set1_epi32(static_cast<int>(-g.step));
    k.q = _mm256_set1_epi32(static_cast<int>(g.q));
    k.cx = _mm256_set1_epi32(static_cast<int>(g.cx));
    k.cy = _mm256_set1_epi32(static_cast<int>(g.cy));
    k.width = _mm256_set1_epi32(static_cast<int>(g.width));
    k.lastColumn = _mm256_set1_epi32(static_cast<int>(g.width - 1));
    k.lastRow = _mm256_set1_epi32(static_cast<int>(g.height - 1));
    const bool unitQ = g.q == 1;
    for (int64_t x0 = xBegin; x0 < xEnd; x0 += 8) {
        const int64_t x1 = x0 + 7;
        const int64_t r =
            std::max({std::llabs(x0 - g.cx), std::llabs(x1 - g.cx), std::llabs(y - g.cy)});
        const int64_t d = drift[r];
        const bool inside = x0 - d >= 0 && x1 + d < g.width && y - d >= 0 && y + d < g.height;
        if (unitQ) {
            inside ? Avx2Chunk<true, true>(pixels, g, k, y, x0, out)
                   : Avx2Chunk<true, false>(pixels, g, k, y, x0, out);
        } else {
            inside ? Avx2Chunk<false, true>(pixels, g, k, y, x0, out)
                   : Avx2Chunk<false, false>(pixels, g, k, y, x0, out);
        }
    }
}

bool HasAvx2() {
    return __builtin_cpu_supports("avx2");
}

#endif

}  // namespace

bool SpinBlur(ZImage& image, double angle, EffectKernel kernel) {
    return SpinBlurPart(image, angle, 0, 0, static_cast<int32_t>(image.GetWidth()),
                        static_cast<int32_t>(image.GetHeight()), kernel);
}

bool SpinBlurPart(ZImage& image, double angle, int32_t partX, int32_t partY, int32_t partWidth,
                  int32_t partHeight, EffectKernel kernel) {
    if (!image.IsValid() || (image.GetBitsPerPixel() != 24 && image.GetBitsPerPixel() != 32)) {
        return ZError(nullptr, kEffectErrorTooShallow, kEffectsModule, 146);
    }
    if (!std::isfinite(angle) || std::fabs(angle) > kLargestAngle) {
        return false;
    }
    const uint32_t width = image.GetWidth();
    const uint32_t height = image.GetHeight();
    // The part, clipped to the picture, as columns xBegin..xEnd and memory rows rBegin..rEnd.
    const int64_t xBegin = std::max<int64_t>(partX, 0);
    const int64_t xEnd = std::min<int64_t>(int64_t{partX} + std::max(partWidth, 0), width);
    const int64_t yBegin = std::max<int64_t>(partY, 0);
    const int64_t yEnd = std::min<int64_t>(int64_t{partY} + std::max(partHeight, 0), height);
    if (xBegin >= xEnd || yBegin >= yEnd) {
        return true;
    }
    const int64_t rBegin = int64_t{height} - yEnd;
    const int64_t rEnd = int64_t{height} - yBegin;
    const size_t pixelCount = size_t{width} * height;
    std::unique_ptr<uint32_t[]> pixels(new (std::nothrow) uint32_t[pixelCount + kSlackWords]);
    std::unique_ptr<uint32_t[]> row(new (std::nothrow) uint32_t[size_t{width} + kSlackWords]);
    if (!pixels || !row) {
        return ZError(nullptr, kEffectErrorInvalid, kEffectsModule, 151);
    }

    std::fill(pixels.get() + pixelCount, pixels.get() + pixelCount + kSlackWords, 0u);
    image.FlushDrawing();
    const uint32_t bytesPerPixel = image.GetBitsPerPixel() / 8u;
    for (uint32_t r = 0; r < height; ++r) {
        const uint8_t* p = image.GetRow(r);
        uint32_t* packed = pixels.get() + size_t{r} * width;
        for (uint32_t x = 0; x < width; ++x, p += bytesPerPixel) {
            packed[x] = p[0] | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16);
        }
    }

    const int64_t theta = static_cast<int64_t>(std::trunc(angle * 205887.421875 / 181));
    SpinGeometry geometry{};
    geometry.width = width;
    geometry.height = height;
    geometry.cx = width / 2;
    geometry.cy = height / 2;
    geometry.step = theta / 64;
    geometry.q = (geometry.step * geometry.step) >> 11;

#if defined(ZENTROVA_SPIN_AVX2)
    // The 32-bit lanes need the bound of Fits32Bits and a drift table for the inside test.
    std::unique_ptr<int64_t[]> drift;
    if (kernel == EffectKernel::Fastest && HasAvx2() && Fits32Bits(geometry)) {
        const int64_t reach = Reach(geometry) + 8;
        drift.reset(new (std::nothrow) int64_t[static_cast<size_t>(reach) + 1]);
        for (int64_t r = 0; drift && r <= reach; ++r) {
            const double start = static_cast<double>(r) * 65536.0;
            const double moved = GrownBound(start, geometry) - start;
            drift[r] = static_cast<int64_t>(std::ceil(moved / 65536.0)) + 1;
        }
    }
#endif
    for (int64_t r = rBegin; r < rEnd; ++r) {
#if defined(ZENTROVA_SPIN_AVX2)
        if (drift) {
            Avx2Row(pixels.get(), geometry, drift.get(), r, xBegin, xEnd, row.get());
        } else {
            PortableRow(pixels.get(), geometry, r, xBegin, xEnd, row.get());
        }
#else
        static_cast<void>(kernel);  // only the portable loop here
        PortableRow(pixels.get(), geometry, r, xBegin, xEnd, row.get());
#endif
        uint8_t* p = image.GetRow(static_cast<uint32_t>(r)) + xBegin * bytesPerPixel;
        for (int64_t x = xBegin; x < xEnd; ++x, p += bytesPerPixel) {
            const uint32_t v = row[x];
            p[0] = static_cast<uint8_t>(v);
            p[1] = static_cast<uint8_t>(v >> 8);
            p[2] = static_cast<uint8_t>(v >> 16);
        }
    }
    return true;
}

}  // namespace zentrova
