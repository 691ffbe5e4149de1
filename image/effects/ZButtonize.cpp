// Buttonize: a raised-button frame. Four bands, in this order, with the strength f carried from
// band to band:
//   1. top rows k = 0 .. n-1 (picture rows, from the edge inwards), columns k+1 .. w-k-1:
//      lightened, c -> trunc(c * (1 - f) + 255 * f); after each row f falls by 0.05;
//   2. bottom rows h-k for k = n down to 1 (from the inside out), columns k .. w-k: darkened,
//      c -> trunc(c * (1 - f)); after each row with k < 11, f rises by 0.05;
//   3. left columns k = 0 .. n-1, picture rows k .. h-k-1: lightened, f falling after each;
//   4. right columns w-k for k = n down to 1, picture rows k .. h-k-1: darkened, f rising after
//      each column with k < 11.
// f never steps past 0 or 1 (a step that would cross stops at the limit) and every byte is
// clamped to 0..255. Column ranges are cut to the picture; alpha bytes are untouched.
// Each line is changed through a 256-entry table of its mapping (double precision, truncated).
#include <algorithm>
#include <cmath>

#include "image/ZImageEffects.h"

namespace zentrova {

namespace {

class ButtonFrame {
  public:
    ButtonFrame(ZImage& image, double strength)
        : m_image(image),
          m_width(static_cast<int64_t>(image.GetWidth())),
          m_height(static_cast<int64_t>(image.GetHeight())),
          m_bytesPerPixel(image.GetBitsPerPixel() / 8u),
          m_strength(strength) {}

    // Picture row y, columns x0 .. x1 (inclusive, cut to the picture).
    void Row(int64_t y, int64_t x0, int64_t x1, bool lighten) {
        x0 = std::max<int64_t>(x0, 0);
        x1 = std::min(x1, m_width - 1);
        if (y < 0 || y >= m_height || x0 > x1) {
            return;
        }
        BuildTable(lighten);
        uint8_t* p = m_image.GetRow(static_cast<uint32_t>(m_height - 1 - y)) + x0 * m_bytesPerPixel;
        for (int64_t x = x0; x <= x1; ++x, p += m_bytesPerPixel) {
            MapPixel(p);
        }
    }

    // Column x, picture rows y0 .. y1 (inclusive, cut to the picture).
    void Column(int64_t x, int64_t y0, int64_t y1, bool lighten) {
        y0 = std::max<int64_t>(y0, 0);
        y1 = std::min(y1, m_height - 1);
        if (x < 0 || x >= m_width || y0 > y1) {
            return;
        }
        BuildTable(lighten);
        for (int64_t y = y0; y <= y1; ++y) {
            MapPixel(m_image.GetRow(static_cast<uint32_t>(m_height - 1 - y)) + x * m_bytesPerPixel);
        }
    }

    void Weaken() {
        if (m_strength > 0.0) {
            m_strength = std::max(0.0, m_strength - 0.05);
        }
    }

    void Strengthen() {
        if (m_strength < 1.0) {
            m_strength = std::min(1.0, m_strength + 0.05);
        }
    }

  private:
    void BuildTable(bool lighten) {
        const double f = m_strength;
        for (int c = 0; c < 256; ++c) {
            const double v = lighten ? c * (1.0 - f) + 255.0 * f : c * (1.0 - f);
            m_table[c] = static_cast<uint8_t>(std::clamp(std::trunc(v), 0.0, 255.0));
        }
    }

    void MapPixel(uint8_t* p) const {
        p[0] = m_table[p[0]];
        p[1] = m_table[p[1]];
        p[2] = m_table[p[2]];
    }

    ZImage& m_image;
    int64_t m_width;
    int64_t m_height;
    uint32_t m_bytesPerPixel;
    double m_strength;
    uint8_t m_table[256] = {};
};

}  // namespace

bool Buttonize(ZImage& image, int frameWidth, double strength) {
    if (!image.IsValid() || (image.GetBitsPerPixel() != 24 && image.GetBitsPerPixel() != 32)) {
        return false;
    }
    if (frameWidth < 0 || !std::isfinite(strength)) {
        return false;
    }
    const int64_t w = image.GetWidth();
    const int64_t h = image.GetHeight();
    int64_t n = frameWidth;
    if (n > w || n > h) {
        n = std::min(w, h) - 1;
    }

    image.FlushDrawing();
    ButtonFrame frame(image, strength);
    for (int64_t k = 0; k < n; ++k) {
        frame.Row(k, k + 1, w - k - 1, true);
        frame.Weaken();
    }
    for (int64_t k = n; k >= 1; --k) {
        frame.Row(h - k, k, w - k, false);
        if (k < 11) {
            frame.Strengthen();
        }
    }
    for (int64_t k = 0; k < n; ++k) {
        frame.Column(k, k, h - k - 1, true);
        frame.Weaken();
    }
    for (int64_t k = n; k >= 1; --k) {
        frame.Column(w - k, k, h - k - 1, false);
        if (k < 11) {
            frame.Strengthen();
        }
    }
    return true;
}

}  // namespace zentrova
