// The spotlight's pixels (ApplySpotlight, ToolCompositing.h).
//
// The enlarged picture D (centred on the selection's centre, white around the picture) is never
// made in full: only its tinted copy is, because the spin blur samples all of it. What is laid
// back is the part of it over the picture, so the darkening mask is stretched only there (the
// same pixel steps as stretching it over the whole of D) and the blur is computed only there.
#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "editmode/paint/EditPainter.h"
#include "editmode/tools/ToolCompositing.h"
#include "image/ZCompositing.h"
#include "image/ZImageEffects.h"
#include "image/ZResample.h"

namespace zentrova {

namespace {

constexpr double kSpinAngle = 3.0;

struct Enlarged {
    int32_t width = 0;
    int32_t height = 0;
    int32_t x = 0;  // where D's top-left lies on the picture (never positive)
    int32_t y = 0;
};

bool EnlargedGeometry(int32_t pictureWidth, int32_t pictureHeight, const ZRect& s, Enlarged& d) {
    const int64_t cx = s.left + s.Width() / 2;
    const int64_t cy = s.top + s.Height() / 2;
    const int64_t w = 2 * std::max(cx, pictureWidth - cx);
    const int64_t h = 2 * std::max(cy, pictureHeight - cy);
    if (!ZImage::IsSizeAcceptable(static_cast<uint32_t>(w), static_cast<uint32_t>(h), 24)) {
        return false;
    }
    d.width = static_cast<int32_t>(w);
    d.height = static_cast<int32_t>(h);
    d.x = static_cast<int32_t>(cx - w / 2);
    d.y = static_cast<int32_t>(cy - h / 2);
    return true;
}

// D's tinted copy: white ANDed with the colour around the picture, the picture ANDed inside.
bool MakeTinted(const ZImage& picture, const Enlarged& d, ZColor colour, ZImage& tinted) {
    if (!tinted.Create(static_cast<uint32_t>(d.width), static_cast<uint32_t>(d.height), 24,
                       colour & 0xFFFFFF, nullptr)) {
        return false;
    }
    picture.FlushDrawing();
    const uint8_t bgr[3] = {static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                            static_cast<uint8_t>(colour)};
    const uint32_t width = picture.GetWidth();
    const uint32_t height = picture.GetHeight();
    for (uint32_t y = 0; y < height; ++y) {
        const uint8_t* s = picture.GetRow(height - 1 - y);
        uint8_t* t =
            tinted.GetRow(static_cast<uint32_t>(d.height - 1 - (static_cast<int32_t>(y) - d.y))) +
            3 * static_cast<size_t>(-d.x);
        for (uint32_t i = 0; i < 3 * width; ++i) {
            t[i] = static_cast<uint8_t>(s[i] & bgr[i % 3]);
        }
    }
    return true;
}

// The darkening mask stretched without smoothing over D, cut to the part over the picture, as a
// 24-bit picture of the picture's size. Rows are stepped from D's bottom row, as the stretch does.
bool StretchedMaskPart(const ZImage& darkening, const Enlarged& d, int32_t width, int32_t height,
                       ZImage& part) {
    ZImage mask;
    if (!mask.CopyFrom(darkening) || !mask.SetBitDepth(24) ||
        !part.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 24, 0, nullptr)) {
        return false;
    }
    std::vector<uint32_t> columns(static_cast<size_t>(d.width));
    std::vector<uint32_t> rows(static_cast<size_t>(d.height));
    resample::NearestSteps(mask.GetWidth(), static_cast<uint32_t>(d.width), columns.data());
    resample::NearestSteps(mask.GetHeight(), static_cast<uint32_t>(d.height), rows.data());
    for (int32_t y = 0; y < height; ++y) {
        const int32_t dRow = d.height - 1 - (y - d.y);
        const uint8_t* m = mask.GetRow(rows[static_cast<size_t>(dRow)]);
        uint8_t* out = part.GetRow(static_cast<uint32_t>(height - 1 - y));
        for (int32_t x = 0; x < width; ++x, out += 3) {
            const uint8_t* p = m + 3 * static_cast<size_t>(columns[static_cast<size_t>(x - d.x)]);
            out[0] = p[0];
            out[1] = p[1];
            out[2] = p[2];
        }
    }
    return true;
}

}  // namespace

bool ApplySpotlight(ZImage& picture, const ZRect& selection, ZColor colour,
                    const ZImage* darkeningMask, const ZImage* shapeMask) {
    if (!picture.IsValid() || picture.GetBitsPerPixel() != 24) {
        return false;
    }
    const auto width = static_cast<int32_t>(picture.GetWidth());
    const auto height = static_cast<int32_t>(picture.GetHeight());
    const ZRect s{std::max(selection.left, 0), std::max(selection.top, 0),
                  std::min(selection.right, width), std::min(selection.bottom, height)};
    Enlarged d;
    if (s.IsEmpty() || !EnlargedGeometry(width, height, s, d)) {
        return false;
    }
    ZImage inside;
    ZImage tinted;
    ZImage blurred;
    if (!inside.Create(static_cast<uint32_t>(s.Width()), static_cast<uint32_t>(s.Height()), 24, 0,
                       nullptr) ||
        !MakeTinted(picture, d, colour, tinted) ||
        !SpinBlurPart(tinted, kSpinAngle, -d.x, -d.y, width, height) ||
        !blurred.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 24, 0,
                        nullptr)) {
        return false;
    }
    picture.FlushDrawing();
    CopyPixels(inside, 0, 0, picture, s.left, s.top, s.Width(), s.Height());
    CopyPixels(blurred, 0, 0, tinted, -d.x, -d.y, width, height);
    tinted.Destroy();
    ZImage mask;
    if (darkeningMask != nullptr && darkeningMask->IsValid() &&
        StretchedMaskPart(*darkeningMask, d, width, height, mask)) {
        BlendMasked(picture, blurred, mask, 0, 0);
    } else {
        CopyPixels(picture, 0, 0, blurred, 0, 0, width, height);
    }
    ZImage shape;
    if (shapeMask != nullptr && shape.CopyFrom(*shapeMask) && shape.SetBitDepth(24) &&
        Resize(shape, s.Width(), s.Height(), kFilterBilinear)) {
        BlendMasked(picture, inside, shape, s.left, s.top);
    } else {
        CopyPixels(picture, s.left, s.top, inside, 0, 0, s.Width(), s.Height());
    }
    return true;
}

}  // namespace zentrova
