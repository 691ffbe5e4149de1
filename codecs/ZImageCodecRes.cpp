// Resource pictures through OleLoadPicture.
#include "codecs/ZImageCodecRes.h"

#include <cstring>

#include <windows.h>
#include <objbase.h>
#include <ole2.h>
#include <olectl.h>
#include <ocidl.h>

#include "core/ZError.h"

namespace zentrova {

namespace {

// Releases a COM interface when it goes out of scope.
template <typename T>
class ComRef {
  public:
    ComRef() = default;
    ~ComRef() {
        if (m_p != nullptr) {
            m_p->Release();
        }
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T** Out() { return &m_p; }
    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }

  private:
    T* m_p = nullptr;
};

// Frees a global memory block unless a stream took it over.
class GlobalBlock {
  public:
    explicit GlobalBlock(SIZE_T size) : m_handle(GlobalAlloc(GMEM_MOVEABLE, size)) {}
    ~GlobalBlock() {
        if (m_handle != nullptr) {
            GlobalFree(m_handle);
        }
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    HGLOBAL Get() const { return m_handle; }
    HGLOBAL Release() {
        HGLOBAL handle = m_handle;
        m_handle = nullptr;
        return handle;
    }

  private:
    HGLOBAL m_handle;
};

// Screen pixels per inch along one axis.
int ScreenPixelsPerInch(int index) {
    HDC screen = ::GetDC(nullptr);
    const int ppi = screen != nullptr ? GetDeviceCaps(screen, index) : 96;
    if (screen != nullptr) {
        ::ReleaseDC(nullptr, screen);
    }
    return ppi > 0 ? ppi : 96;
}

// Copies the resource bytes into a movable global block; null when they cannot be read.
bool CopyToGlobal(HMODULE module, HRSRC resource, DWORD size, GlobalBlock& block) {
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr || block.Get() == nullptr) {
        return false;
    }
    void* target = GlobalLock(block.Get());
    if (target == nullptr) {
        return false;
    }
    std::memcpy(target, data, size);
    GlobalUnlock(block.Get());
    return true;
}

}  // namespace

bool ReadResourcePicture(ZImage& image, HINSTANCE__* module, const wchar_t* name,
                         const wchar_t* type, uint32_t* errorCode) {
    image.Destroy();
    HRSRC resource = FindResourceW(module, name, type);
    if (resource == nullptr) {
        return ZError(errorCode, res::kErrorMissing, res::kModule, res::kLineNotFound);
    }
    const DWORD size = SizeofResource(module, resource);
    if (size == 0) {
        return ZError(errorCode, res::kErrorMissing, res::kModule, res::kLineEmpty);
    }
    GlobalBlock block(size);
    if (!CopyToGlobal(module, resource, size, block)) {
        return ZError(errorCode, res::kErrorUnreadable, res::kModule, res::kLineUnreadable);
    }
    ComRef<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(block.Get(), TRUE, stream.Out())) || stream.Get() == nullptr) {
        return ZError(errorCode, res::kErrorNoStream, res::kModule, res::kLineNoStream);
    }
    block.Release();  // the stream frees it
    ComRef<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(picture.Out()))) ||
        picture.Get() == nullptr) {
        return ZError(errorCode, res::kErrorDecode, res::kModule, res::kLineDecode);
    }
    OLE_XSIZE_HIMETRIC widthHimetric = 0;
    OLE_YSIZE_HIMETRIC heightHimetric = 0;
    picture->get_Width(&widthHimetric);
    picture->get_Height(&heightHimetric);
    const int width = MulDiv(widthHimetric, ScreenPixelsPerInch(LOGPIXELSX), 2540);
    const int height = MulDiv(heightHimetric, ScreenPixelsPerInch(LOGPIXELSY), 2540);
    if (width < 1 || height < 1 ||
        !ZImage::IsSizeAcceptable(static_cast<uint32_t>(width), static_cast<uint32_t>(height),
                                  24) ||
        !image.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 24,
                      res::kFillColour, nullptr)) {
        image.Destroy();
        return ZError(errorCode, res::kErrorCreate, res::kModule, res::kLineCreate);
    }
    // The source starts at the picture's bottom with a negative height, so it stands upright.
    if (FAILED(picture->Render(image.GetDC(), 0, 0, width, height, 0, heightHimetric, widthHimetric,
                               -heightHimetric, nullptr))) {
        image.Destroy();
        return ZError(errorCode, res::kErrorRender, res::kModule, res::kLineRender);
    }
    image.FlushDrawing();
    return true;
}

}  // namespace zentrova
