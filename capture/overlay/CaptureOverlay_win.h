// The overlay window of the CaptureEngine and the capture steps that run on it (Windows only;
// internal to capture/overlay).
#pragma once

#include <windows.h>

#include "capture/overlay/CaptureEngine.h"
#include "capture/overlay/OverlayPlacement.h"

namespace zentrova {

// Overlay timers.
constexpr UINT_PTR kTimerStayOnTop = 1;   // 100 ms
constexpr UINT_PTR kTimerFollow = 2;      // 10 ms
constexpr UINT_PTR kTimerScrollStep = 3;  // 50 ms (scrolling capture)
// Overlay hot keys.
constexpr int kHotKeyEscape = 4;
constexpr int kHotKeyEnter = 5;
// The pen cursor of the free-style mode (a resource of the program).
constexpr WORD kPenCursorResource = 142;

// The layout of the screens now.
ScreenLayout CurrentScreenLayout();
// Depth of the overlay's images for the screen now (OverlayImageDepth of its bits x planes):
// 32 on a 32-bit screen, else 24.
uint32_t ScreenImageDepth();
// The main window's message box: printf-style text (at most 1024 characters), caption
// "Zentrova Clarivue 2.1", information icon, topmost, in front.
void ShowCaptureMessage(HWND owner, const wchar_t* format, ...);

// MouseHook.dll, loaded from the program's folder (then by name).
bool InstallOverlayMouseHook(void*& library, HWND overlay, UINT message);
void UninstallOverlayMouseHook(void*& library);

class CaptureOverlay {
  public:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Start steps 1-5 (class, window, layered style, font, texts, timers, hook, hot keys,
    // cursors). False when the window cannot be created.
    static bool Open(CaptureEngine& engine);
    // Freezes the desktop into the result image and spreads the overlay over it; false (message
    // shown) when the picture cannot be made.
    static bool FreezeDesktop(CaptureEngine& engine);
    // The window capture of a target (modes 0, 6, 7).
    static void CaptureWindow(CaptureEngine& engine, HWND target);

    // The scrolling capture (ScrollCapture_win.cpp): the start on a click, the step on timer 3,
    // the stop with what was collected (done, Escape, the window gone), and the release of the
    // cursor and the window's topmost state on every way out (also a teardown).
    static void ScrollStart(CaptureEngine& engine);
    static void ScrollStep(CaptureEngine& engine);
    static void ScrollStop(CaptureEngine& engine);
    static void ScrollRelease(CaptureEngine& engine);

  private:
    static void OnMouseEvent(CaptureEngine& engine, UINT mouseMessage);
    static void OnMouseMove(CaptureEngine& engine, int32_t x, int32_t y);
    static void OnTimer(CaptureEngine& engine, UINT_PTR id);
    static void OnPaint(CaptureEngine& engine);

    static void RectanglePress(CaptureEngine& engine, int32_t x, int32_t y);
    static void RectangleRelease(CaptureEngine& engine);
    static void RectangleMove(CaptureEngine& engine, int32_t x, int32_t y);
    static void FreeStylePress(CaptureEngine& engine, int32_t x, int32_t y);
    static void FreeStyleRelease(CaptureEngine& engine);
    static void FreeStyleMove(CaptureEngine& engine, int32_t x, int32_t y);
    static void CaptureFixedRegion(CaptureEngine& engine);
    static void FollowCursor(CaptureEngine& engine);

    static void PaintFramingModes(CaptureEngine& engine, HDC dc, int width, int height);
    static void PaintRegionModes(CaptureEngine& engine, HDC dc);
    static void PaintInformation(CaptureEngine& engine, HDC dc, int32_t cursorX, int32_t cursorY);

    // Records the cursor, runs the finishing and posts the done message.
    static void Deliver(CaptureEngine& engine, HWND window, int32_t dx, int32_t dy);
    static void SetOverlayCursor(CaptureEngine& engine, int index);
    static SelectionPoint VirtualCursor();
    static HWND WindowUnderCursor(const CaptureEngine& engine);
    static void Repaint(CaptureEngine& engine);
};

}  // namespace zentrova
