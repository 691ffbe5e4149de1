// Gradient fills drawn into the pixels of a 24- or 32-bit picture: the portable equivalent of the
// device-context gradients of ZGradient_win.cpp, and the radial picture both of them use.
//
// Precision: the linear modes are integer steps (ZGradientColors.h); the radial mode is computed
// in double precision with exactly the same expression in both builds.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>

#include "image/ZCompositing.h"
#include "image/ZGradientColors.h"

namespace zentrova {

namespace {

// The rectangle of a fill clipped to the picture: columns left..right-1 and picture rows
// top..bottom-1, all inside the image.
struct Span {
    int64_t left, top, right, bottom;
    bool IsEmpty() const { return left >= right || top >= bottom; }
};

Span Clip(const ZImage& image, int32_t x, int32_t y, int32_t w, int32_t h) {
    return {std::max<int64_t>(x, 0), std::max<int64_t>(y, 0),
            std::min<int64_t>(int64_t{x} + w, image.GetWidth()),
            std::min<int64_t>(int64_t{y} + h, image.GetHeight())};
}

// One pixel of the colour at p, as a fill writes it (a 32-bit pixel gets alpha 0).
inline void PutColour(uint8_t* p, uint32_t bytes, ZColor colour) {
    p[0] = static_cast<uint8_t>(colour >> 16);
    p[1] = static_cast<uint8_t>(colour >> 8);
    p[2] = static_cast<uint8_t>(colour);
    if (bytes == 4) {
        p[3] = 0;
    }
}

uint8_t* PictureRow(ZImage& image, int64_t pictureRow) {
    return image.GetRow(static_cast<uint32_t>(image.GetHeight() - 1 - pictureRow));
}

// Mode 0: one row of column colours, copied into every row.
bool FillHorizontal(ZImage& image, const Span& s, int32_t x, int32_t w, ZColor from, ZColor to) {
    const uint32_t bytes = image.GetBitsPerPixel() / 8u;
    const size_t spanBytes = static_cast<size_t>(s.right - s.left) * bytes;
    uint8_t* first = PictureRow(image, s.top) + s.left * bytes;
    for (int64_t c = s.left; c < s.right; ++c) {
        PutColour(first + (c - s.left) * bytes, bytes, gradient::Step(from, to, c - x, w));
    }
    for (int64_t r = s.top + 1; r < s.bottom; ++r) {
        std::memcpy(PictureRow(image, r) + s.left * bytes, first, spanBytes);
    }
    return true;
}

// Mode 1: every row one colour.
bool FillVertical(ZImage& image, const Span& s, int32_t y, int32_t h, ZColor from, ZColor to) {
    const uint32_t bytes = image.GetBitsPerPixel() / 8u;
    for (int64_t r = s.top; r < s.bottom; ++r) {
        const ZColor colour = gradient::Step(from, to, r - y, h);
        uint8_t* p = PictureRow(image, r) + s.left * bytes;
        for (int64_t c = s.left; c < s.right; ++c, p += bytes) {
            PutColour(p, bytes, colour);
        }
    }
    return true;
}

// Mode 2: the pixel at column i, row j of the rectangle gets step k = i + j. The colours of the
// steps the clipped rectangle needs are laid out as pixels in a table; row j is then the run of
// that table starting at the step of its first column.
bool FillDiagonal(ZImage& image, const Span& s, int32_t x, int32_t y, int32_t w, int32_t h,
                  ZColor from, ZColor to) {
    const uint32_t bytes = image.GetBitsPerPixel() / 8u;
    const int64_t firstStep = (s.left - x) + (s.top - y);
    const int64_t lastStep = (s.right - 1 - x) + (s.bottom - 1 - y);
    const auto count = static_cast<size_t>(lastStep - firstStep + 1);
    std::unique_ptr<uint8_t[]> table(new (std::nothrow) uint8_t[count * bytes]);
    if (!table) {
        return false;
    }
    const int64_t steps = int64_t{w} + h;
    for (size_t k = 0; k < count; ++k) {
        PutColour(table.get() + k * bytes, bytes,
                  gradient::Step(from, to, firstStep + static_cast<int64_t>(k), steps));
    }
    const size_t spanBytes = static_cast<size_t>(s.right - s.left) * bytes;
    for (int64_t r = s.top; r < s.bottom; ++r) {
        std::memcpy(PictureRow(image, r) + s.left * bytes, table.get() + (r - s.top) * bytes,
                    spanBytes);
    }
    return true;
}

// The radial gradient of a w x h picture, evaluated per pixel at column i of memory row j
// (memory row 0 is the picture's bottom row). t is the distance from the centre (w / 2, h / 2)
// over R = sqrt((w / 2)^2 + (h / 2)^2), computed as sqrt(d^2 / R^2) from the squared distances:
// these are whole numbers, exact in a double for any picture that can exist, so a pixel at
// distance R (the corners of the picture) gets t = 1 exactly and the colour `to`. (Dividing each
// axis by R first rounds t to just below 1 there for sizes such as 4 x 4, which would give the
// corners `to` - 1 in a rising channel.)
class RadialGradient {
  public:
    RadialGradient(int64_t w, int64_t h, ZColor from, ZColor to)
        : m_cx(static_cast<double>(w / 2)),
          m_cy(static_cast<double>(h / 2)),
          m_radiusSquared(m_cx * m_cx + m_cy * m_cy),
          m_from(from),
          m_to(to) {}

    ZColor At(int64_t i, int64_t j) const {
        if (m_radiusSquared == 0.0) {
            return m_from;  // a 1 x 1 picture is its own centre
        }
        const double di = static_cast<double>(i) - m_cx;
        const double dj = static_cast<double>(j) - m_cy;
        const double distanceSquared = di * di + dj * dj;
        if (!(distanceSquared < m_radiusSquared)) {
            return m_to;
        }
        const double t = std::sqrt(distanceSquared / m_radiusSquared);
        ZColor result = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            const double f = static_cast<double>((m_from >> shift) & 0xFF);
            const double g = static_cast<double>((m_to >> shift) & 0xFF);
            const double c = f * (1.0 - t) + g * t;
            result |= static_cast<ZColor>(std::min(std::max(static_cast<int>(c), 0), 255)) << shift;
        }
        return result;
    }

  private:
    double m_cx;
    double m_cy;
    double m_radiusSquared;
    ZColor m_from;
    ZColor m_to;
};

// Mode 3 into the picture directly: rectangle row r (from its top) is memory row h - 1 - r of
// the radial picture.
bool FillRadial(ZImage& image, const Span& s, int32_t x, int32_t y, int32_t w, int32_t h,
                ZColor from, ZColor to) {
    const RadialGradient radial(w, h, from, to);
    const uint32_t bytes = image.GetBitsPerPixel() / 8u;
    for (int64_t r = s.top; r < s.bottom; ++r) {
        const int64_t j = int64_t{h} - 1 - (r - y);
        uint8_t* p = PictureRow(image, r) + s.left * bytes;
        for (int64_t c = s.left; c < s.right; ++c, p += bytes) {
            PutColour(p, bytes, radial.At(c - x, j));
        }
    }
    return true;
}

}  // namespace

bool FillRadialGradientImage(ZImage& image, ZColor from, ZColor to) {
    if (!image.IsValid() || image.GetBitsPerPixel() != 24) {
        return false;
    }
    image.FlushDrawing();
    const RadialGradient radial(image.GetWidth(), image.GetHeight(), from, to);
    const uint32_t width = image.GetWidth();
    const uint32_t padding = image.GetStride() - 3 * width;
    for (uint32_t j = 0; j < image.GetHeight(); ++j) {
        uint8_t* p = image.GetRow(j);
        for (uint32_t i = 0; i < width; ++i, p += 3) {
            PutColour(p, 3, radial.At(i, j));
        }
        std::memset(p, 0, padding);
    }
    return true;
}

bool FillGradient(ZImage& target, int32_t x, int32_t y, int32_t w, int32_t h, ZColor from,
                  ZColor to, int mode) {
    if (!target.IsValid() || target.GetBitsPerPixel() < 24 || w < 1 || h < 1) {
        return false;
    }
    if (mode < kGradientHorizontal || mode > kGradientRadial) {
        return true;
    }
    const Span span = Clip(target, x, y, w, h);
    if (span.IsEmpty()) {
        return true;
    }
    target.FlushDrawing();
    switch (mode) {
        case kGradientHorizontal:
            return FillHorizontal(target, span, x, w, from, to);
        case kGradientVertical:
            return FillVertical(target, span, y, h, from, to);
        case kGradientDiagonal:
            return FillDiagonal(target, span, x, y, w, h, from, to);
        default:
            return FillRadial(target, span, x, y, w, h, from, to);
    }
}

}  // namespace zentrova
