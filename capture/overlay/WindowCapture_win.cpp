// The window capture of the modes single window, full desktop and active window.
#include <windows.h>

#include "capture/overlay/CaptureOverlay_win.h"

namespace zentrova {
namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr DWORD kCopy = SRCCOPY | CAPTUREBLT;

bool RunsOnNewerThanXp() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
    const BOOL known = GetVersionExW(&version);
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
    return known && IsNewerThanXp(version.dwMajorVersion, version.dwMinorVersion);
}

WindowStyleBits StyleBitsOf(HWND window) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    WindowStyleBits bits;
    bits.caption = (style & WS_CAPTION) == WS_CAPTION;
    bits.dialogFrame = (style & WS_DLGFRAME) != 0 || (exStyle & WS_EX_DLGMODALFRAME) != 0;
    bits.thickFrame = (style & WS_THICKFRAME) != 0;
    bits.maximiseBox = (style & WS_MAXIMIZEBOX) != 0;
    bits.appWindow = (exStyle & WS_EX_APPWINDOW) != 0;
    bits.maximised = IsZoomed(window) != FALSE;
    return bits;
}

// Copies width x height pixels of the screen from (x, y) into image (already made), through clip
// when given.
void CopyFromScreen(ZImage& image, HRGN clip, int32_t x, int32_t y) {
    HDC screenDc = GetDC(nullptr);
    if (screenDc == nullptr) {
        Beep(800, 200);
        return;
    }
    HDC target = image.GetDC();
    SelectClipRgn(target, clip);
    BitBlt(target, 0, 0, static_cast<int>(image.GetWidth()), static_cast<int>(image.GetHeight()),
           screenDc, x, y, kCopy);
    SelectClipRgn(target, nullptr);
    ReleaseDC(nullptr, screenDc);
    image.FlushDrawing();
}

}  // namespace

void CaptureOverlay::CaptureWindow(CaptureEngine& engine, HWND target) {
    if (target == nullptr || !IsWindow(target)) {
        Beep(200, 200);
        return;
    }
    const ScreenLayout screen = CurrentScreenLayout();
    const bool desktop = target == GetDesktopWindow();
    RECT windowRect{};
    WindowCaptureArea area;
    ZRect window;
    if (desktop) {
        area.rect = ZRect{screen.virtualX, screen.virtualY, screen.virtualX + screen.virtualWidth,
                          screen.virtualY + screen.virtualHeight};
    } else {
        GetWindowRect(target, &windowRect);
        window = ZRect{windowRect.left, windowRect.top, windowRect.right, windowRect.bottom};
        area = LimitWindowCaptureArea(screen, window);
    }
    const int32_t width = area.rect.Width();
    const int32_t height = area.rect.Height();
    if (width < 1 || height < 1) {
        ShowCaptureMessage(engine.m_owner, L"Window has Width/Height of NULL!!!");
        return;
    }

    engine.m_pickedWindow = target;
    ShowWindow(engine.m_overlay, SW_HIDE);
    if (!desktop) {
        SetForegroundWindow(target);
        BringWindowToTop(target);
        RedrawWindow(target, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    }
    Sleep(100);

    bool taken = engine.m_result.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height),
                                        24, kMagenta, nullptr);
    HRGN windowRegion = CreateRectRgn(0, 0, 0, 0);
    const bool hasRegion =
        !desktop && windowRegion != nullptr && GetWindowRgn(target, windowRegion) > NULLREGION;
    if (taken) {
        if (desktop) {
            CopyFromScreen(engine.m_result, nullptr, screen.virtualX, screen.virtualY);
        } else {
            // The region is in window coordinates; the image starts at the cut-off offset.
            if (hasRegion) {
                OffsetRgn(windowRegion, -area.offsetX, -area.offsetY);
            }
            HDC source = GetWindowDC(target);
            HDC image = engine.m_result.GetDC();
            SelectClipRgn(image, hasRegion ? windowRegion : nullptr);
            if (source != nullptr) {
                BitBlt(image, 0, 0, width, height, source, area.offsetX, area.offsetY, kCopy);
                ReleaseDC(target, source);
            } else {
                Beep(800, 200);
            }
            SelectClipRgn(image, nullptr);
            engine.m_result.FlushDrawing();
        }
    }
    if (windowRegion != nullptr) {
        DeleteObject(windowRegion);
    }

    // Newer Windows draw the frame round a window themselves: take it from the screen.
    if (taken && !desktop && !hasRegion && RunsOnNewerThanXp()) {
        const WindowStyleBits bits = StyleBitsOf(target);
        RECT client{};
        GetClientRect(target, &client);
        const ZRect shot =
            NewerWindowsCaptureRect(screen, area, window, ClassifyWindowFrame(bits), client.right);
        if (shot.Width() >= 1 && shot.Height() >= 1 &&
            engine.m_result.Create(static_cast<uint32_t>(shot.Width()),
                                   static_cast<uint32_t>(shot.Height()), 24, kMagenta, nullptr)) {
            HRGN rounded = nullptr;
            if (UsesRoundedCorners(bits)) {
                rounded = CreateRoundRectRgn(0, 0, shot.Width() + 1, shot.Height() + 1, 9, 9);
            }
            CopyFromScreen(engine.m_result, rounded, shot.left, shot.top);
            if (rounded != nullptr) {
                DeleteObject(rounded);
            }
        } else {
            taken = false;
        }
    }

    ShowWindow(engine.m_overlay, SW_SHOWNOACTIVATE);
    if (!taken) {
        Beep(200, 200);
        return;
    }
    Deliver(engine, target, 0, 0);
}

}  // namespace zentrova
