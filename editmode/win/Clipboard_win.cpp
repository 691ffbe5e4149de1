#include "editmode/win/Clipboard_win.h"

#include <cstring>
#include <vector>

#include "core/ZError.h"
#include "editmode/actions/ClipboardPicture.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kModule = L"EditMode\\Clipboard";
constexpr int kOpenTries = 10;
constexpr DWORD kOpenPauseMs = 50;

// The clipboard, open for as long as this object lives.
class OpenClipboardScope {
  public:
    explicit OpenClipboardScope(HWND owner) {
        for (int i = 0; i < kOpenTries && !m_open; ++i) {
            m_open = OpenClipboard(owner) != FALSE;
            if (!m_open) {
                Sleep(kOpenPauseMs);
            }
        }
    }
    ~OpenClipboardScope() {
        if (m_open) {
            CloseClipboard();
        }
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    bool IsOpen() const { return m_open; }

  private:
    bool m_open = false;
};

// Puts bytes on the open clipboard as format; the memory belongs to the clipboard afterwards.
bool PutBytes(UINT format, const std::vector<uint8_t>& bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (memory == nullptr) {
        return false;
    }
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(target, bytes.data(), bytes.size());
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

// A bitmap of the screen's format holding the picture; null when it cannot be made.
HBITMAP MakeScreenBitmap(const ZImage& picture) {
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        return nullptr;
    }
    const int w = static_cast<int>(picture.GetWidth());
    const int h = static_cast<int>(picture.GetHeight());
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HDC dc = CreateCompatibleDC(screen);
    bool drawn = false;
    if (bitmap != nullptr && dc != nullptr) {
        HGDIOBJ previous = SelectObject(dc, bitmap);
        drawn = BitBlt(dc, 0, 0, w, h, picture.GetDC(), 0, 0, SRCCOPY) != FALSE;
        SelectObject(dc, previous);
    }
    if (dc != nullptr) {
        DeleteDC(dc);
    }
    ReleaseDC(nullptr, screen);
    if (!drawn && bitmap != nullptr) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
    return bitmap;
}

// The bytes of a clipboard format read by reader; false when the format is not there.
template <typename Reader>
bool ReadBytes(UINT format, Reader reader, ZImage& picture) {
    HANDLE data = GetClipboardData(format);
    if (data == nullptr) {
        return false;
    }
    const SIZE_T size = GlobalSize(data);
    const void* bytes = GlobalLock(data);
    if (bytes == nullptr) {
        return false;
    }
    const bool ok = reader(static_cast<const uint8_t*>(bytes), static_cast<size_t>(size), picture);
    GlobalUnlock(data);
    return ok;
}

bool ReadBitmap(ZImage& picture) {
    HANDLE bitmap = GetClipboardData(CF_BITMAP);
    return bitmap != nullptr && picture.CreateFromBitmap(static_cast<HBITMAP>(bitmap)) &&
           (picture.GetBitsPerPixel() == 24 || picture.SetBitDepth(24));
}

}  // namespace

bool TakePictureFromClipboard(HWND owner, ZImage& picture, bool& busy) {
    OpenClipboardScope clipboard(owner);
    busy = !clipboard.IsOpen();
    if (busy) {
        ZTrace(kModule, __LINE__, L"the clipboard could not be opened (%lu)\n", GetLastError());
        return false;
    }
    const UINT pngFormat = RegisterClipboardFormatW(L"PNG");
    return (IsClipboardFormatAvailable(CF_DIBV5) && ReadBytes(CF_DIBV5, ReadPackedDib, picture)) ||
           (IsClipboardFormatAvailable(CF_DIB) && ReadBytes(CF_DIB, ReadPackedDib, picture)) ||
           (pngFormat != 0 && IsClipboardFormatAvailable(pngFormat) &&
            ReadBytes(pngFormat, ReadPngBytes, picture)) ||
           (IsClipboardFormatAvailable(CF_BITMAP) && ReadBitmap(picture));
}

bool ClipboardHasPicture() {
    const UINT pngFormat = RegisterClipboardFormatW(L"PNG");
    return IsClipboardFormatAvailable(CF_DIBV5) || IsClipboardFormatAvailable(CF_DIB) ||
           IsClipboardFormatAvailable(CF_BITMAP) ||
           (pngFormat != 0 && IsClipboardFormatAvailable(pngFormat));
}

bool PutPictureOnClipboard(HWND owner, const ZImage& picture) {
    std::vector<uint8_t> dib;
    std::vector<uint8_t> png;
    if (!MakeDibV5(picture, dib) || !MakePngBytes(picture, png)) {
        ZTrace(kModule, __LINE__, L"the clipboard formats could not be made\n");
        return false;
    }
    HBITMAP bitmap = MakeScreenBitmap(picture);
    if (bitmap == nullptr) {
        ZTrace(kModule, __LINE__, L"no screen bitmap of the picture\n");
        return false;
    }
    OpenClipboardScope clipboard(owner);
    if (!clipboard.IsOpen() || !EmptyClipboard()) {
        DeleteObject(bitmap);
        ZTrace(kModule, __LINE__, L"the clipboard could not be opened (%lu)\n", GetLastError());
        return false;
    }
    bool ok = SetClipboardData(CF_BITMAP, bitmap) != nullptr;
    if (!ok) {
        DeleteObject(bitmap);
    }
    ok = PutBytes(CF_DIBV5, dib) && ok;
    const UINT pngFormat = RegisterClipboardFormatW(L"PNG");
    ok = pngFormat != 0 && PutBytes(pngFormat, png) && ok;
    return ok;
}

}  // namespace zentrova
