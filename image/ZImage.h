// ZImage: the one image type of the program.
//
// Contract
// --------
// * Depths: 1, 4, 8, 16, 24 or 32 bits per pixel. Requested depths are rounded up to one of them.
// * Rows are stored bottom-up: memory row 0 is the bottom picture row, memory row height-1 the
//   top one. Memory row r starts at GetBits() + r * GetStride(). Operations that take a picture
//   coordinate y (counted from the top) address memory row height-1-y.
// * stride = ((bitsPerPixel * width + 31) / 32) * 4: every row is padded to 4 bytes. Padding
//   bytes belong to the pixel memory and are copied with it; their value means nothing.
// * Pixel bytes: 32 bits blue, green, red, alpha (straight alpha, 255 opaque); 24 bits blue,
//   green, red; 16 bits a little-endian 5-5-5 word (bits 0-4 blue, 5-9 green, 10-14 red);
//   8 bits a palette index; 4 bits two pixels per byte, left pixel in the high half-byte;
//   1 bit eight pixels per byte, left pixel in the most significant bit.
// * Colours passed in are 0x00BBGGRR (red in the low byte). Palettes passed in and out are 256
//   red, green, blue triplets (768 bytes); inside, the table is kept blue, green, red.
// * Ownership: the image owns its pixel memory, palette, bitmap and device context. It cannot be
//   copied by assignment; use CopyFrom. Buffers returned by GetBitsAs and GetRowAs belong to the
//   caller and are released with std::free.
// * Size limits: width and height at least 1; at most kMaxPixels pixels and a pixel memory that
//   fits in a size_t, so that no size computation can overflow.
// * Platform: the pixel logic here is portable. On Windows the pixel memory is a DIB section
//   selected into the image's own memory device context (ZImage_win.cpp); in the native build it
//   is plain heap memory (ZImage_mem.cpp) and the device-context operations do not exist.
// * Every operation other than a creation returns false, null or 0 on an empty image.
#pragma once

#include <cstddef>
#include <cstdint>

// Win32 handle types, declared the way <windows.h> declares them, so that this header does not
// need the platform headers.
struct HDC__;
struct HBITMAP__;
struct HPALETTE__;

namespace zentrova {

using ZColor = uint32_t;  // 0x00BBGGRR

class ZImage {
  public:
    // Largest picture accepted by any creation, in pixels (2^28).
    static constexpr uint64_t kMaxPixels = uint64_t{1} << 28;
    static constexpr int kPaletteEntries = 256;
    static constexpr int kPaletteBytes = kPaletteEntries * 3;

    ZImage() = default;
    ~ZImage();
    ZImage(const ZImage&) = delete;
    ZImage& operator=(const ZImage&) = delete;

    // Queries ---------------------------------------------------------------------------------
    bool IsValid() const { return m_valid; }
    uint32_t GetWidth() const { return m_width; }
    uint32_t GetHeight() const { return m_height; }
    uint8_t GetBitsPerPixel() const { return m_bitsPerPixel; }
    uint32_t GetStride() const { return m_stride; }
    uint8_t* GetBits() { return m_bits; }
    const uint8_t* GetBits() const { return m_bits; }
    // height * stride, 0 on an empty image.
    size_t GetPixelMemorySize() const { return static_cast<size_t>(m_height) * m_stride; }
    // Memory row r (0 = bottom); null if r >= height or there is no pixel memory.
    uint8_t* GetRow(uint32_t r);
    const uint8_t* GetRow(uint32_t r) const;
    // Palette index at column x of memory row r for 1, 4 and 8 bits; 0 otherwise or outside.
    uint8_t GetPixelIndex(uint32_t x, uint32_t r) const;
    // The colour table as 256 red, green, blue triplets (768 bytes). False on an empty image.
    bool GetPalette(uint8_t* rgbOut) const;
    // Palette entry i as blue, green, red bytes of the internal table.
    const uint8_t* GetPaletteEntryBgr(int i) const { return m_palette + 3 * (i & 0xFF); }

    // Stride of a row of width pixels at the given depth; 0 when it cannot be represented.
    static uint32_t StrideFor(uint32_t width, uint32_t bitsPerPixel);
    // The supported depth that a requested depth rounds up to.
    static uint8_t RoundBitsPerPixel(uint32_t requestedBits);
    // True when width x height at bitsPerPixel is within the size limits above.
    static bool IsSizeAcceptable(uint32_t width, uint32_t height, uint32_t bitsPerPixel);

    // Creation (each first calls Destroy) -----------------------------------------------------
    // palette (768 bytes, RGB triplets) is required for depths of 8 bits or fewer.
    bool Create(uint32_t width, uint32_t height, uint32_t requestedBits, ZColor fillColour,
                const uint8_t* palette);
    // bits: height * stride bytes laid out bottom-up with this image's stride.
    bool CreateFromBits(uint32_t width, uint32_t height, uint32_t requestedBits,
                        const uint8_t* bits, const uint8_t* palette);
    bool CopyFrom(const ZImage& source);
    // As Create, but the pixel memory is left as allocated (unspecified bytes): for readers that
    // overwrite every byte themselves. Not for general use.
    bool CreateForOverwrite(uint32_t width, uint32_t height, uint32_t requestedBits,
                            const uint8_t* palette);
    bool Destroy();
    // Exchanges everything (pixels, palette, resolution, platform bitmap) with `other`: lets an
    // operation build its result in a second image and commit it only once it is complete.
    void Swap(ZImage& other) noexcept;

    // Pixel operations ------------------------------------------------------------------------
    bool Fill(ZColor colour);
    // Rectangle from column x, picture row y (from the top), w x h pixels; clipped to the image.
    bool FillRect(int32_t x, int32_t y, int32_t w, int32_t h, ZColor colour);
    // entries: count 4-byte blue, green, red, reserved entries replacing the first palette entries.
    bool SetColorTable(const uint8_t* entries, int count);
    // New buffer (caller frees with std::free) holding the image at 16, 24 or 32 bits.
    uint8_t* GetBitsAs(uint32_t bits) const;
    uint8_t* GetRowAs(uint32_t bits, uint32_t r) const;
    // Replace pixels from a buffer laid out at depth bits (>= 9) with that depth's stride.
    bool SetBitsFrom(uint32_t bits, const uint8_t* buffer);
    bool SetRowFrom(uint32_t bits, uint32_t r, const uint8_t* buffer);
    bool SetBitDepth(uint32_t bits);
    bool FlipVertical();

    // Completes pending device-context drawing (GdiFlush); call it before reading or writing
    // GetBits() directly after drawing through GetDC(). The operations above do it themselves.
    void FlushDrawing() const;

    // Resolution and palette transparency (read and written directly by the codecs).
    int32_t dpiX = 0;
    int32_t dpiY = 0;
    bool hasTransparentIndex = false;
    uint8_t transparentIndex = 0;

    // Platform operations (Windows build only) -------------------------------------------------
    HDC__* GetDC() const;
    bool Draw(HDC__* dc, int x, int y, uint32_t rop) const;
    bool DrawStretched(HDC__* dc, int x, int y, int w, int h, uint32_t rop) const;
    bool DrawPart(HDC__* dc, int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh,
                  uint32_t rop) const;
    bool ReselectBitmap();
    bool CreateFromBitmap(HBITMAP__* bitmap);

  private:
    // Platform seam: implemented in ZImage_win.cpp (DIB section) or ZImage_mem.cpp (heap).
    // AttachPixelMemory allocates m_stride * m_height bytes (uninitialised) into m_bits and, on
    // Windows, the bitmap, logical palette and device context. ReleasePixelMemory undoes it.
    bool AttachPixelMemory();
    void ReleasePixelMemory();
    // Pushes the internal colour table to the platform bitmap (no-op without one).
    void UploadColorTable();
    bool CreateEmpty(uint32_t width, uint32_t height, uint32_t requestedBits,
                     const uint8_t* palette);
    void ClearFields();

    uint32_t m_width = 0;
    uint32_t m_height = 0;
    uint8_t m_bitsPerPixel = 0;
    uint32_t m_stride = 0;
    uint8_t* m_bits = nullptr;
    uint8_t m_palette[kPaletteBytes] = {};  // blue, green, red per entry
    HPALETTE__* m_paletteHandle = nullptr;
    HBITMAP__* m_bitmapHandle = nullptr;
    HBITMAP__* m_previousBitmap = nullptr;
    HDC__* m_dc = nullptr;
    bool m_valid = false;
};

}  // namespace zentrova
