#include "editmode/paint/EditPainter.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace zentrova {

namespace {

constexpr int32_t kHandleSize = 4;

uint8_t* PixelAt(ZImage& buffer, int32_t x, int32_t y) {
    return buffer.GetRow(buffer.GetHeight() - 1 - static_cast<uint32_t>(y)) + 3 * x;
}

// Clips [a, a + n) against [0, limit): returns the first inside index and the new count.
bool ClipSpan(int32_t& a, int32_t& n, int32_t& offset, int32_t limit) {
    offset = 0;
    if (a < 0) {
        offset = -a;
        n += a;
        a = 0;
    }
    if (a + n > limit) {
        n = limit - a;
    }
    return n > 0;
}

void AndPixel(ZImage& buffer, int32_t x, int32_t y, ZColor colour) {
    if (x < 0 || y < 0 || x >= static_cast<int32_t>(buffer.GetWidth()) ||
        y >= static_cast<int32_t>(buffer.GetHeight())) {
        return;
    }
    uint8_t* p = PixelAt(buffer, x, y);
    p[0] &= static_cast<uint8_t>(colour >> 16);
    p[1] &= static_cast<uint8_t>(colour >> 8);
    p[2] &= static_cast<uint8_t>(colour);
}

void DrawImage(ZImage& buffer, const EditPaintScene& scene) {
    const EditView& view = *scene.view;
    const ZRect rect = view.GetImageRect();
    const ImageDrawPath path =
        ChooseImageDrawPath(view.GetZoom(), rect.Width(), rect.Height(),
                            scene.cache != nullptr && scene.cache->IsCurrent(view.GetZoom()));
    const ZImage& image = *scene.image;
    switch (path) {
        case ImageDrawPath::Copy:
            if (image.GetBitsPerPixel() == 24) {
                CopyPixels(buffer, rect.left, rect.top, image, 0, 0, rect.Width(), rect.Height());
                return;
            }
            break;
        case ImageDrawPath::RebuildCache:
            if (scene.cache == nullptr ||
                !scene.cache->Rebuild(image, view.GetZoom(), rect.Width(), rect.Height())) {
                break;  // no cache: drawn directly below
            }
            [[fallthrough]];
        case ImageDrawPath::Cache:
            CopyPixels(buffer, rect.left, rect.top, scene.cache->Get(), 0, 0, rect.Width(),
                       rect.Height());
            return;
        case ImageDrawPath::Direct:
            break;
    }
    if (scene.cache != nullptr && path != ImageDrawPath::Copy) {
        scene.cache->Invalidate();
    }
    DrawNearestScaled(buffer, rect, image);
}

}  // namespace

void CopyPixels(ZImage& buffer, int32_t dx, int32_t dy, const ZImage& source, int32_t sx,
                int32_t sy, int32_t w, int32_t h) {
    if (source.GetBitsPerPixel() != 24 || buffer.GetBitsPerPixel() != 24) {
        return;
    }
    // Clip against the source, then the buffer.
    w = std::min(w, static_cast<int32_t>(source.GetWidth()) - sx);
    h = std::min(h, static_cast<int32_t>(source.GetHeight()) - sy);
    int32_t skip = 0;
    if (!ClipSpan(dx, w, skip, static_cast<int32_t>(buffer.GetWidth())))
        return;
    sx += skip;
    if (!ClipSpan(dy, h, skip, static_cast<int32_t>(buffer.GetHeight())))
        return;
    sy += skip;
    if (sx < 0 || sy < 0)
        return;
    const uint32_t sourceHeight = source.GetHeight();
    for (int32_t row = 0; row < h; ++row) {
        const uint8_t* from =
            source.GetRow(sourceHeight - 1 - static_cast<uint32_t>(sy + row)) + 3 * sx;
        std::memcpy(PixelAt(buffer, dx, dy + row), from, static_cast<size_t>(w) * 3);
    }
}

void DrawNearestScaled(ZImage& buffer, const ZRect& rect, const ZImage& source) {
    if (buffer.GetBitsPerPixel() != 24 || !source.IsValid() || rect.IsEmpty()) {
        return;
    }
    const int32_t bw = static_cast<int32_t>(buffer.GetWidth());
    const int32_t bh = static_cast<int32_t>(buffer.GetHeight());
    const int32_t x0 = std::max(rect.left, 0);
    const int32_t x1 = std::min(rect.right, bw);
    const int32_t y0 = std::max(rect.top, 0);
    const int32_t y1 = std::min(rect.bottom, bh);
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    const int64_t sw = source.GetWidth();
    const int64_t sh = source.GetHeight();
    std::vector<uint32_t> columns(static_cast<size_t>(x1 - x0));
    for (int32_t x = x0; x < x1; ++x) {
        columns[static_cast<size_t>(x - x0)] =
            static_cast<uint32_t>((int64_t{x} - rect.left) * sw / rect.Width());
    }
    std::vector<uint8_t> row(static_cast<size_t>(sw) * 3);
    int64_t lastSourceRow = -1;
    for (int32_t y = y0; y < y1; ++y) {
        const int64_t sy = (int64_t{y} - rect.top) * sh / rect.Height();
        if (sy != lastSourceRow) {
            // The source row at 24 bits, whatever its depth.
            uint8_t* converted = source.GetRowAs(24, static_cast<uint32_t>(sh - 1 - sy));
            if (converted == nullptr) {
                return;
            }
            std::memcpy(row.data(), converted, row.size());
            std::free(converted);
            lastSourceRow = sy;
        }
        uint8_t* out = PixelAt(buffer, x0, y);
        for (size_t i = 0; i < columns.size(); ++i) {
            std::memcpy(out + 3 * i, row.data() + 3 * size_t{columns[i]}, 3);
        }
    }
}

void DrawCanvasFrame(ZImage& buffer, const ZRect& f, ZColor colour) {
    // The outline runs just outside the picture: columns left - 1 and right, rows top - 1 and
    // bottom.
    const int32_t l = f.left - 1;
    const int32_t r = f.right;
    const int32_t t = f.top - 1;
    const int32_t b = f.bottom;
    const int32_t bw = static_cast<int32_t>(buffer.GetWidth());
    const int32_t bh = static_cast<int32_t>(buffer.GetHeight());
    for (int32_t x = std::max(l, 0); x <= std::min(r, bw - 1); ++x) {
        if (((x - l) & 1) == 0) {
            AndPixel(buffer, x, t, colour);
            AndPixel(buffer, x, b, colour);
        }
    }
    for (int32_t y = std::max(t, 0); y <= std::min(b, bh - 1); ++y) {
        if (((y - t) & 1) == 0) {
            AndPixel(buffer, l, y, colour);
            AndPixel(buffer, r, y, colour);
        }
    }
    const int32_t mx = l + (r - l) / 2;
    const int32_t my = t + (b - t) / 2;
    const int32_t xs[8] = {l, mx, r, r, r, mx, l, l};
    const int32_t ys[8] = {t, t, t, my, b, b, b, my};
    for (int i = 0; i < 8; ++i) {
        for (int32_t dy = 0; dy < kHandleSize; ++dy) {
            for (int32_t dx = 0; dx < kHandleSize; ++dx) {
                const int32_t x = xs[i] - kHandleSize / 2 + dx;
                const int32_t y = ys[i] - kHandleSize / 2 + dy;
                if (x >= 0 && y >= 0 && x < bw && y < bh) {
                    uint8_t* p = PixelAt(buffer, x, y);
                    p[0] = static_cast<uint8_t>(colour >> 16);
                    p[1] = static_cast<uint8_t>(colour >> 8);
                    p[2] = static_cast<uint8_t>(colour);
                }
            }
        }
    }
}

void DrawKeyedButtons(ZImage& buffer, const KeyedButtons& buttons, int32_t x, int32_t y,
                      int32_t hover) {
    if (!buttons.IsLoaded() || buffer.GetBitsPerPixel() != 24) {
        return;
    }
    const ZImage& picture = buttons.GetPicture();
    const int32_t fw = buttons.GetFrameWidth();
    const int32_t fh = buttons.GetFrameHeight();
    const int32_t bw = static_cast<int32_t>(buffer.GetWidth());
    const int32_t bh = static_cast<int32_t>(buffer.GetHeight());
    for (int32_t row = 0; row < fh; ++row) {
        const int32_t ty = y + row;
        if (ty < 0 || ty >= bh)
            continue;
        const uint8_t* from = picture.GetRow(picture.GetHeight() - 1 - static_cast<uint32_t>(row));
        for (int32_t column = 0; column < fw; ++column) {
            const int32_t tx = x + column;
            if (tx < 0 || tx >= bw)
                continue;
            const uint8_t* s = from + 3 * column;
            if (s[0] == 0xFF && s[1] == 0x00 && s[2] == 0xFF)
                continue;
            uint8_t* d = PixelAt(buffer, tx, ty);
            const bool lit = hover > 0 && buttons.InHotArea(hover, column, row);
            for (int c = 0; c < 3; ++c) {
                d[c] = lit ? static_cast<uint8_t>(s[c] + (255 - s[c]) / 2) : s[c];
            }
        }
    }
}

bool PaintEditScene(ZImage& buffer, const EditPaintScene& scene) {
    if (!buffer.IsValid() || buffer.GetBitsPerPixel() != 24) {
        return false;
    }
    const ZImage* background = scene.background;
    if (background != nullptr && background->GetBitsPerPixel() == 24 &&
        background->GetWidth() == buffer.GetWidth() &&
        background->GetHeight() == buffer.GetHeight()) {
        std::memcpy(buffer.GetBits(), background->GetBits(), buffer.GetPixelMemorySize());
    } else {
        buffer.Fill(0xFFFFFF);
    }
    if (scene.image != nullptr && scene.image->IsValid() && scene.view != nullptr) {
        DrawImage(buffer, scene);
    }
    if (scene.drawFrame) {
        DrawCanvasFrame(buffer, scene.frame, scene.frameColour);
    }
    const int32_t bw = static_cast<int32_t>(buffer.GetWidth());
    const int32_t bh = static_cast<int32_t>(buffer.GetHeight());
    if (scene.scrollButtons != nullptr) {
        const KeyedButtons& b = *scene.scrollButtons;
        DrawKeyedButtons(buffer, b, bw - b.GetFrameWidth(), bh - b.GetFrameHeight(),
                         scene.scrollHover);
    }
    if (scene.prevNextButtons != nullptr) {
        const KeyedButtons& b = *scene.prevNextButtons;
        DrawKeyedButtons(buffer, b, 0, bh - b.GetFrameHeight(), scene.prevNextHover);
    }
    return true;
}

}  // namespace zentrova
