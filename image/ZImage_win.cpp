// Windows attachment of ZImage: the pixel memory is a DIB section selected into the image's own
// memory device context, so that GDI can draw into the same pixels the library reads.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "image/ZImage.h"

namespace zentrova {

namespace {

struct DibInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
};

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

}  // namespace

bool ZImage::AttachPixelMemory() {
    DibInfo info = {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = static_cast<LONG>(m_width);
    info.header.biHeight = static_cast<LONG>(m_height);  // positive: bottom-up
    info.header.biPlanes = 1;
    info.header.biBitCount = m_bitsPerPixel;
    info.header.biCompression = BI_RGB;
    if (m_bitsPerPixel <= 8) {
        struct {
            WORD version;
            WORD count;
            PALETTEENTRY entries[256];
        } logical = {0x300, 256, {}};
        for (int i = 0; i < 256; ++i) {
            info.colors[i] = {m_palette[3 * i], m_palette[3 * i + 1], m_palette[3 * i + 2], 0};
            logical.entries[i] = {m_palette[3 * i + 2], m_palette[3 * i + 1], m_palette[3 * i], 0};
        }
        m_paletteHandle = CreatePalette(reinterpret_cast<LOGPALETTE*>(&logical));
    }
    m_dc = CreateCompatibleDC(nullptr);
    if (m_dc == nullptr) {
        return false;
    }
    void* bits = nullptr;
    m_bitmapHandle = CreateDIBSection(m_dc, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                      &bits, nullptr, 0);
    if (m_bitmapHandle == nullptr || bits == nullptr) {
        return false;
    }
    m_bits = static_cast<uint8_t*>(bits);
    m_previousBitmap = static_cast<HBITMAP>(SelectObject(m_dc, m_bitmapHandle));
    return true;
}

void ZImage::ReleasePixelMemory() {
    if (m_paletteHandle != nullptr) {
        DeleteObject(m_paletteHandle);
    }
    if (m_dc != nullptr && m_previousBitmap != nullptr) {
        SelectObject(m_dc, m_previousBitmap);
    }
    if (m_bitmapHandle != nullptr) {
        DeleteObject(m_bitmapHandle);
    }
    if (m_dc != nullptr) {
        DeleteDC(m_dc);
    }
    m_paletteHandle = nullptr;
    m_previousBitmap = nullptr;
    m_bitmapHandle = nullptr;
    m_dc = nullptr;
    m_bits = nullptr;
}

void ZImage::UploadColorTable() {
    if (m_dc == nullptr || m_bitsPerPixel > 8) {
        return;
    }
    RGBQUAD colors[256];
    const int count = 1 << m_bitsPerPixel;
    for (int i = 0; i < count; ++i) {
        colors[i] = {m_palette[3 * i], m_palette[3 * i + 1], m_palette[3 * i + 2], 0};
    }
    SetDIBColorTable(m_dc, 0, count, colors);
}

void ZImage::FlushDrawing() const {
    GdiFlush();
}

HDC ZImage::GetDC() const {
    return m_valid ? m_dc : nullptr;
}

bool ZImage::Draw(HDC dc, int x, int y, uint32_t rop) const {
    if (!m_valid) {
        return false;
    }
    BitBlt(dc, x, y, static_cast<int>(m_width), static_cast<int>(m_height), m_dc, 0, 0, rop);
    return true;
}

bool ZImage::DrawStretched(HDC dc, int x, int y, int w, int h, uint32_t rop) const {
    if (!m_valid) {
        return false;
    }
    StretchBlt(dc, x, y, w, h, m_dc, 0, 0, static_cast<int>(m_width), static_cast<int>(m_height),
               rop);
    return true;
}

bool ZImage::DrawPart(HDC dc, int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh,
                      uint32_t rop) const {
    if (!m_valid) {
        return false;
    }
    StretchBlt(dc, dx, dy, dw, dh, m_dc, sx, sy, sw, sh, rop);
    return true;
}

bool ZImage::ReselectBitmap() {
    if (!m_valid) {
        return false;
    }
    SelectObject(m_dc, m_bitmapHandle);
    return true;
}

bool ZImage::CreateFromBitmap(HBITMAP bitmap) {
    Destroy();
    HDC screen = ::GetDC(nullptr);
    DibInfo info = {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    if (bitmap == nullptr || GetDIBits(screen, bitmap, 0, 0, nullptr,
                                       reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == 0) {
        ReleaseDC(nullptr, screen);
        MessageBoxW(nullptr, L"No GetImageInfo", L"", MB_OK);
        return false;
    }
    const uint32_t width =
        static_cast<uint32_t>(info.header.biWidth < 0 ? -info.header.biWidth : info.header.biWidth);
    const LONG signedHeight = info.header.biHeight;
    const uint32_t height = static_cast<uint32_t>(signedHeight < 0 ? -signedHeight : signedHeight);
    const uint32_t bits = RoundBitsPerPixel(info.header.biBitCount);
    if (!IsSizeAcceptable(width, height, bits)) {
        ReleaseDC(nullptr, screen);
        MessageBoxW(nullptr, L"No SrcBuffer", L"", MB_OK);
        return false;
    }
    const size_t bytes = size_t{StrideFor(width, bits)} * height;
    std::unique_ptr<uint8_t, FreeDeleter> buffer(static_cast<uint8_t*>(std::malloc(bytes)));
    if (!buffer) {
        ReleaseDC(nullptr, screen);
        MessageBoxW(nullptr, L"No SrcBuffer", L"", MB_OK);
        return false;
    }
    // Ask for bottom-up rows at the bitmap's own depth, uncompressed, with its colour table.
    info.header.biHeight = static_cast<LONG>(height);
    info.header.biBitCount = static_cast<WORD>(bits);
    info.header.biCompression = BI_RGB;
    info.header.biSizeImage = 0;
    const int rows = GetDIBits(screen, bitmap, 0, height, buffer.get(),
                               reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows == 0) {
        MessageBoxW(nullptr, L"No GetImageData", L"", MB_OK);
        return false;
    }
    uint8_t palette[kPaletteBytes] = {};
    if (bits <= 8) {
        for (int i = 0; i < (1 << bits); ++i) {
            palette[3 * i + 0] = info.colors[i].rgbRed;
            palette[3 * i + 1] = info.colors[i].rgbGreen;
            palette[3 * i + 2] = info.colors[i].rgbBlue;
        }
    }
    return CreateFromBits(width, height, bits, buffer.get(), palette);
}

}  // namespace zentrova
