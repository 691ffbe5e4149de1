// The shape step's image work: the mask files' outlines and the cut-out through the mask.
//
// Each function is a single pass over the picture that gives exactly the pixels of the sequence
// of image operations it stands for (named in the comments): a capture of the whole virtual
// screen would otherwise be walked a dozen times and copied three times. The scaled mask file is
// never made: its rows are made from the file's rows as they are needed, with the column and
// row choice of the No Smoothing resize (integer error stepping, rows counted from the bottom).
#include <array>
#include <memory>
#include <new>

#include "capture/finish/FinishPipeline.h"
#include "image/ZCompositing.h"
#include "image/ZResample.h"

namespace zentrova {

namespace {

constexpr ZColor kWhite = 0xFFFFFF;

bool IsKey(const uint8_t* p) {
    return p[0] == 255 && p[1] == 0 && p[2] == 255;
}

// The mask file as the shape step uses it: made 24 bits, the direction's rectangle painted
// white, scaled to width x height (No Smoothing), and filter 1 (3 x 3 mean, the outer ring of
// pixels as it was). For each memory row it gives the scaled row (whose blue byte is the blend
// weight) and the filtered value of any byte.
class ScaledMask {
  public:
    bool Prepare(ZImage& file, uint32_t direction, uint32_t width, uint32_t height) {
        if (!file.IsValid() || width < 1 || height < 1) {
            return false;
        }
        if (file.GetBitsPerPixel() != 24 && !file.SetBitDepth(24)) {
            return false;
        }
        const auto w = static_cast<int32_t>(file.GetWidth());
        const auto h = static_cast<int32_t>(file.GetHeight());
        int32_t left = 0, top = 0, right = 0, bottom = 0;
        if (MaskDirectionRect(direction, w, h, left, top, right, bottom) &&
            !FillSolidRect(file, left, top, right - left, bottom - top, kWhite)) {
            return false;
        }
        m_file = &file;
        m_width = width;
        m_height = height;
        m_rowBytes = size_t{width} * 3;
        m_columns.reset(new (std::nothrow) uint32_t[width]);
        m_rows.reset(new (std::nothrow) uint32_t[height]);
        m_sums.reset(new (std::nothrow) uint16_t[m_rowBytes]);
        for (Slot& slot : m_slots) {
            slot.pixels.reset(new (std::nothrow) uint8_t[m_rowBytes]);
            slot.source = UINT32_MAX;
            if (!slot.pixels) {
                return false;
            }
        }
        if (!m_columns || !m_rows || !m_sums) {
            return false;
        }
        if (file.GetWidth() == width && file.GetHeight() == height) {
            // The resize copies a picture of the same size as it is.
            for (uint32_t x = 0; x < width; ++x) {
                m_columns[x] = x;
            }
            for (uint32_t y = 0; y < height; ++y) {
                m_rows[y] = y;
            }
        } else {
            resample::NearestSteps(file.GetWidth(), width, m_columns.get());
            resample::NearestSteps(file.GetHeight(), height, m_rows.get());
        }
        file.FlushDrawing();
        return true;
    }

    // Makes memory row r current: Scaled() and Softened() then refer to it.
    void Select(uint32_t r) {
        m_scaled = Expanded(m_rows[r]);
        m_filteredRow = r > 0 && r + 1 < m_height && m_width > 2;
        if (m_filteredRow) {
            const uint8_t* below = Expanded(m_rows[r - 1]);
            const uint8_t* above = Expanded(m_rows[r + 1]);
            const uint8_t* middle = m_scaled;
            uint16_t* sums = m_sums.get();
            for (size_t i = 0; i < m_rowBytes; ++i) {
                sums[i] = static_cast<uint16_t>(below[i] + middle[i] + above[i]);
            }
        }
    }
    const uint8_t* Scaled() const { return m_scaled; }
    // The filtered value of byte i (= 3 * x + channel) of the current row.
    int Softened(uint32_t x, size_t i) const {
        if (m_filteredRow && x > 0 && x + 1 < m_width) {
            return (m_sums[i - 3] + m_sums[i] + m_sums[i + 3]) / 9;
        }
        return m_scaled[i];
    }

  private:
    struct Slot {
        std::unique_ptr<uint8_t[]> pixels;
        uint32_t source = UINT32_MAX;
    };

    // The file's memory row `source` stretched to the width (kept for the next rows).
    const uint8_t* Expanded(uint32_t source) {
        for (Slot& slot : m_slots) {
            if (slot.source == source) {
                return slot.pixels.get();
            }
        }
        Slot& slot = m_slots[m_next];
        m_next = (m_next + 1) % m_slots.size();
        const uint8_t* in = m_file->GetRow(source);
        uint8_t* out = slot.pixels.get();
        for (uint32_t x = 0; x < m_width; ++x, out += 3) {
            const uint8_t* p = in + size_t{m_columns[x]} * 3;
            out[0] = p[0];
            out[1] = p[1];
            out[2] = p[2];
        }
        slot.source = source;
        return slot.pixels.get();
    }

    const ZImage* m_file = nullptr;
    uint32_t m_width = 0;
    uint32_t m_height = 0;
    size_t m_rowBytes = 0;
    std::unique_ptr<uint32_t[]> m_columns;
    std::unique_ptr<uint32_t[]> m_rows;
    std::unique_ptr<uint16_t[]> m_sums;
    std::array<Slot, 4> m_slots;
    size_t m_next = 0;
    const uint8_t* m_scaled = nullptr;
    bool m_filteredRow = false;
};

// The cut-out of one pixel: V = 255 - M's blue (0 where M is magenta); without a shadow magenta
// in M and in the capture counts as the background; the capture laid onto M through V.
inline void CutPixel(const int* m, bool maskKey, uint8_t* c, bool shadow, const int* bg) {
    const int weight = maskKey ? 0 : 255 - m[0];
    const bool captureKey = IsKey(c);
    if (weight == 255 && (shadow || !captureKey)) {
        return;  // inside: the capture's own pixel
    }
    for (int k = 0; k < 3; ++k) {
        const int d = (!shadow && maskKey) ? bg[k] : m[k];
        const int s = (!shadow && captureKey) ? bg[k] : c[k];
        c[k] = static_cast<uint8_t>(d + (s - d) * weight / 255);
    }
}

void SplitColour(ZColor colour, int* bgr) {
    bgr[0] = static_cast<int>((colour >> 16) & 0xFF);
    bgr[1] = static_cast<int>((colour >> 8) & 0xFF);
    bgr[2] = static_cast<int>(colour & 0xFF);
}

}  // namespace

bool MaskDirectionRect(uint32_t direction, int32_t w, int32_t h, int32_t& left, int32_t& top,
                       int32_t& right, int32_t& bottom) {
    const int32_t b = kMaskDirectionBorder;
    switch (direction) {
        case 0:  // right and bottom shaped
            left = 0, top = 0, right = w - b, bottom = h - b;
            return true;
        case 1:  // left and bottom
            left = b, top = 0, right = w, bottom = h - b;
            return true;
        case 2:  // right
            left = 0, top = 0, right = w - b, bottom = h;
            return true;
        case 3:  // left
            left = b, top = 0, right = w, bottom = h;
            return true;
        case 4:  // top
            left = 0, top = b, right = w, bottom = h;
            return true;
        case 5:  // bottom
            left = 0, top = 0, right = w, bottom = h - b;
            return true;
        default:  // all four edges keep the outline
            return false;
    }
}

// Stands for: the file made 24 bits, the rectangle painted white, resized to M's size (filter
// 0); a copy given filter 1 and inverted; the copy laid onto M through the scaled file.
bool DrawMaskFileOutline(ZImage& maskM, ZImage& maskFile, uint32_t direction) {
    if (!maskM.IsValid() || maskM.GetBitsPerPixel() != 24) {
        return false;
    }
    ScaledMask mask;
    if (!mask.Prepare(maskFile, direction, maskM.GetWidth(), maskM.GetHeight())) {
        return false;
    }
    maskM.FlushDrawing();
    const uint32_t width = maskM.GetWidth();
    for (uint32_t r = 0; r < maskM.GetHeight(); ++r) {
        mask.Select(r);
        const uint8_t* scaled = mask.Scaled();
        uint8_t* m = maskM.GetRow(r);
        for (uint32_t x = 0; x < width; ++x) {
            const int weight = scaled[3 * x];
            if (weight == 0) {
                continue;
            }
            for (uint32_t k = 0; k < 3; ++k) {
                const size_t i = 3 * size_t{x} + k;
                const int inside = 255 - mask.Softened(x, i);
                const int d = m[i];
                m[i] = static_cast<uint8_t>(d + (inside - d) * weight / 255);
            }
        }
    }
    return true;
}

// Stands for: V = a copy of M, magenta made white, inverted; without a shadow magenta made the
// background in M and in the capture; the capture laid onto M through V; M becomes the capture.
bool CutOutShape(ZImage& capture, ZImage& maskM, bool shadow, ZColor background) {
    if (!capture.IsValid() || capture.GetBitsPerPixel() != 24 || !maskM.IsValid() ||
        maskM.GetBitsPerPixel() != 24 || maskM.GetWidth() != capture.GetWidth() ||
        maskM.GetHeight() != capture.GetHeight()) {
        return false;
    }
    int bg[3];
    SplitColour(background, bg);
    const uint32_t width = capture.GetWidth();
    capture.FlushDrawing();
    maskM.FlushDrawing();
    for (uint32_t r = 0; r < capture.GetHeight(); ++r) {
        const uint8_t* m = maskM.GetRow(r);
        uint8_t* c = capture.GetRow(r);
        for (uint32_t x = 0; x < width; ++x, m += 3, c += 3) {
            const int mv[3] = {m[0], m[1], m[2]};
            CutPixel(mv, IsKey(m), c, shadow, bg);
        }
    }
    maskM.Destroy();
    return true;
}

// Stands for: M made magenta at the capture's size, DrawMaskFileOutline, CutOutShape.
bool CutOutThroughMaskFile(ZImage& capture, ZImage& maskFile, uint32_t direction, bool shadow,
                           ZColor background) {
    if (!capture.IsValid() || capture.GetBitsPerPixel() != 24) {
        return false;
    }
    ScaledMask mask;
    if (!mask.Prepare(maskFile, direction, capture.GetWidth(), capture.GetHeight())) {
        return false;
    }
    int bg[3];
    SplitColour(background, bg);
    static constexpr int kKey[3] = {255, 0, 255};  // magenta, blue first
    const uint32_t width = capture.GetWidth();
    capture.FlushDrawing();
    for (uint32_t r = 0; r < capture.GetHeight(); ++r) {
        mask.Select(r);
        const uint8_t* scaled = mask.Scaled();
        uint8_t* c = capture.GetRow(r);
        for (uint32_t x = 0; x < width; ++x, c += 3) {
            const int weight = scaled[3 * x];
            if (weight == 0) {
                CutPixel(kKey, true, c, shadow, bg);
                continue;
            }
            if (weight == 255 && mask.Softened(x, 3 * size_t{x}) == 255 && (shadow || !IsKey(c))) {
                continue;  // deep inside: M's blue is 0, so V is 255: the capture's own pixel
            }
            int m[3];
            for (uint32_t k = 0; k < 3; ++k) {
                const int inside = 255 - mask.Softened(x, 3 * size_t{x} + k);
                m[k] = kKey[k] + (inside - kKey[k]) * weight / 255;
            }
            CutPixel(m, m[0] == 255 && m[1] == 0 && m[2] == 255, c, shadow, bg);
        }
    }
    return true;
}

bool KeyToBackground(ZImage& capture, bool shadow, ZColor background) {
    if (shadow) {
        return capture.IsValid();
    }
    return ReplaceColor(capture, kFinishKeyColour, background);
}

}  // namespace zentrova
