// The overlay window of the CaptureEngine: opening it, the mouse and hot-key events, the timers,
// the rectangle, free-style and fixed-region captures, and the painting.
#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <cwchar>
#include <string>

#include "capture/finish/FinishCapture.h"
#include "capture/overlay/CaptureOverlay_win.h"
#include "capture/overlay/OverlayPixels.h"
#include "config/SettingsRecord.h"
#include "core/ZError.h"
#include "lang/TextLookup.h"

namespace zentrova {
namespace {

constexpr const wchar_t* kModule = L"Capture\\CaptureOverlay";
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr BYTE kOverlayOpacity = 200;
constexpr UINT kStayOnTopMs = 100;
constexpr UINT kFollowMs = 10;
constexpr int32_t kTextAreaHeight = 2 * kCaptionHeight;  // magnifier text above the picture

void FailureBeep() {
    Beep(200, 200);
}

CaptureEngine* EngineOf(HWND window) {
    return reinterpret_cast<CaptureEngine*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void FillColour(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

RECT ToRect(const ZRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

ZRect ToPlace(const RECT& r) {
    return ZRect{r.left, r.top, r.right, r.bottom};
}

// The selection with its corners ordered, for drawing while a drag runs backwards.
SelectionRect Ordered(SelectionRect s) {
    if (s.left > s.right) {
        std::swap(s.left, s.right);
    }
    if (s.top > s.bottom) {
        std::swap(s.top, s.bottom);
    }
    return s;
}

void LoadCaption(ZtvLangManHandle language, wchar_t* out, const wchar_t* name,
                 const wchar_t* builtIn) {
    GetLanguageMessage(language, out, kCaptionChars, name, builtIn);
}

}  // namespace

bool CaptureOverlay::Open(CaptureEngine& engine) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = engine.m_instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    windowClass.lpszClassName = engine.m_className;
    if (RegisterClassExW(&windowClass) == 0) {
        return false;
    }
    engine.m_classRegistered = true;

    // The overlay never takes the focus (it is shown without activation below, rather than
    // created visible, which would activate it); in the modes that point at windows it lets the
    // mouse through, so that the window under the cursor is the one below it.
    DWORD exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    if (!IsRegionMode(engine.m_mode)) {
        exStyle |= WS_EX_TRANSPARENT;
    }
    HWND overlay = CreateWindowExW(exStyle, engine.m_className, L"", WS_POPUP | WS_CLIPSIBLINGS, 0,
                                   0, 0, 0, engine.m_owner, nullptr, engine.m_instance, &engine);
    if (overlay == nullptr) {
        return false;
    }
    engine.m_overlay = overlay;

    // Layered: first fully transparent, then magenta see-through and the rest at 200 / 255.
    SetWindowLongPtrW(overlay, GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle | WS_EX_LAYERED));
    SetLayeredWindowAttributes(overlay, 0, 0, LWA_ALPHA);
    ShowWindow(overlay, SW_SHOWNOACTIVATE);
    SetLayeredWindowAttributes(overlay, kMagenta, kOverlayOpacity, LWA_COLORKEY | LWA_ALPHA);

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        LOGFONTW font = metrics.lfMenuFont;
        font.lfWeight = 600;
        font.lfItalic = TRUE;
        engine.m_captionFont = CreateFontIndirectW(&font);
    }

    ZtvLangManHandle language = engine.m_context.language;
    LoadCaption(language, engine.m_captionIdle, L"CaptureWebsiteCaption",
                L"Left Button: Capture | Right Button: Cancel");
    LoadCaption(language, engine.m_captionInProgress, L"CaptureWebsiteCaptionInProgress",
                L"Please wait until the operation has finished");
    LoadCaption(language, engine.m_captionRegion, L"CaptureWebsiteCaptionFreeRegion",
                L"Left Button: Hold Down and Drag to Select | Right Button: Cancel");
    LoadCaption(language, engine.m_captionSelection, L"CaptureWebsiteFreeRegionCapture",
                L"Left click into the selection to capture");

    SetTimer(overlay, kTimerFollow, kFollowMs, nullptr);
    SetTimer(overlay, kTimerStayOnTop, kStayOnTopMs, nullptr);
    engine.m_hookInstalled = InstallOverlayMouseHook(engine.m_hookLibrary, overlay, kUmHookMouse);
    if (!engine.m_hookInstalled) {
        ZTrace(kModule, __LINE__, L"MouseHook.dll could not be installed\n");
    }
    const BOOL escape = RegisterHotKey(overlay, kHotKeyEscape, 0, VK_ESCAPE);
    const BOOL enter = RegisterHotKey(overlay, kHotKeyEnter, 0, VK_RETURN);
    engine.m_hotKeysRegistered = escape || enter;

    engine.m_cursors[CaptureEngine::kCursorCross] = LoadCursorW(nullptr, IDC_CROSS);
    engine.m_cursors[CaptureEngine::kCursorSizeNS] = LoadCursorW(nullptr, IDC_SIZENS);
    engine.m_cursors[CaptureEngine::kCursorSizeWE] = LoadCursorW(nullptr, IDC_SIZEWE);
    engine.m_cursors[CaptureEngine::kCursorSizeNWSE] = LoadCursorW(nullptr, IDC_SIZENWSE);
    engine.m_cursors[CaptureEngine::kCursorSizeNESW] = LoadCursorW(nullptr, IDC_SIZENESW);
    engine.m_cursors[CaptureEngine::kCursorHand] = LoadCursorW(nullptr, IDC_HAND);
    HCURSOR pen = LoadCursorW(engine.m_instance, MAKEINTRESOURCEW(kPenCursorResource));
    engine.m_cursors[CaptureEngine::kCursorPen] =
        pen != nullptr ? pen : engine.m_cursors[CaptureEngine::kCursorCross];
    engine.m_currentCursor = engine.m_cursors[CaptureEngine::kCursorCross];
    return true;
}

bool CaptureOverlay::FreezeDesktop(CaptureEngine& engine) {
    engine.m_inProgress = true;
    engine.m_dragging = false;
    engine.m_selection = SelectionRect{};

    HWND overlay = engine.m_overlay;
    const LONG_PTR exStyle = GetWindowLongPtrW(overlay, GWL_EXSTYLE);
    SetWindowLongPtrW(overlay, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(50);

    const ScreenLayout screen = CurrentScreenLayout();
    const uint32_t depth = ScreenImageDepth();
    if (screen.virtualWidth < 1 || screen.virtualHeight < 1 ||
        !engine.m_result.Create(static_cast<uint32_t>(screen.virtualWidth),
                                static_cast<uint32_t>(screen.virtualHeight), depth,
                                engine.m_context.settings->CaptureBackgroundColor, nullptr)) {
        ShowCaptureMessage(engine.m_owner, L"FAiled to create copy of Desktop! %dx%dx%d",
                           screen.virtualWidth, screen.virtualHeight, static_cast<int>(depth));
        return false;
    }
    // The screen's device context stands for the desktop window's: both show the whole screen.
    HDC screenDc = GetDC(nullptr);
    if (screenDc == nullptr) {
        Beep(800, 200);
    } else {
        BitBlt(engine.m_result.GetDC(), 0, 0, screen.virtualWidth, screen.virtualHeight, screenDc,
               screen.virtualX, screen.virtualY, SRCCOPY | CAPTUREBLT);
        ReleaseDC(nullptr, screenDc);
        engine.m_result.FlushDrawing();
    }
    SetWindowPos(overlay, HWND_TOPMOST, screen.virtualX, screen.virtualY, screen.virtualWidth,
                 screen.virtualHeight, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Repaint(engine);
    return true;
}

// Mouse events ----------------------------------------------------------------------------------

void CaptureOverlay::OnMouseEvent(CaptureEngine& engine, UINT mouseMessage) {
    if (!engine.m_active || engine.m_finished) {
        return;
    }
    const SelectionPoint cursor = VirtualCursor();
    switch (mouseMessage) {
        case WM_LBUTTONDOWN:
            switch (engine.m_mode) {
                case CaptureMode::SingleWindow: {
                    HWND target = WindowUnderCursor(engine);
                    if (target == nullptr) {
                        FailureBeep();
                    } else {
                        CaptureWindow(engine, target);
                    }
                    break;
                }
                case CaptureMode::ScrollingWebsite:
                case CaptureMode::ScrollingText:
                    ScrollStart(engine);
                    break;
                case CaptureMode::FreeRectangle:
                    RectanglePress(engine, cursor.x, cursor.y);
                    break;
                case CaptureMode::FreeStyle:
                    FreeStylePress(engine, cursor.x, cursor.y);
                    break;
                case CaptureMode::FixedRegion:
                    CaptureFixedRegion(engine);
                    break;
                case CaptureMode::FullDesktop:
                case CaptureMode::ActiveWindow:
                    break;
            }
            break;
        case WM_LBUTTONUP:
            if (engine.m_mode == CaptureMode::FreeRectangle) {
                RectangleRelease(engine);
            } else if (engine.m_mode == CaptureMode::FreeStyle) {
                FreeStyleRelease(engine);
            }
            break;
        case WM_RBUTTONDOWN:
            if (IsScrollingMode(engine.m_mode) && engine.m_inProgress) {
                ScrollStop(engine);  // Escape while collecting keeps what was collected
            } else {
                // Cancel: everything is released, the owner hears nothing.
                engine.TearDown();
            }
            break;
        default:
            break;
    }
}

void CaptureOverlay::OnMouseMove(CaptureEngine& engine, int32_t x, int32_t y) {
    if (!engine.m_active || engine.m_finished) {
        return;
    }
    if (engine.m_mode == CaptureMode::FreeRectangle) {
        RectangleMove(engine, x, y);
    } else if (engine.m_mode == CaptureMode::FreeStyle) {
        FreeStyleMove(engine, x, y);
    }
}

void CaptureOverlay::RectanglePress(CaptureEngine& engine, int32_t x, int32_t y) {
    engine.m_dragging = true;
    engine.m_verticalEdge = false;
    engine.m_horizontalEdge = false;
    const SelectionHit hit = HitTestSelection(engine.m_selection, x, y);
    if (hit == SelectionHit::Inside) {
        const SelectionRect s = engine.m_selection;
        const int32_t width = SelectionWidth(s);
        const int32_t height = SelectionHeight(s);
        ZImage part;
        if (width >= 1 && height >= 1 &&
            part.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 24,
                        engine.m_context.settings->CaptureBackgroundColor, nullptr) &&
            CopyArea(engine.m_result, s.left, s.top, part) && engine.m_result.CopyFrom(part)) {
            engine.m_dragging = false;
            Deliver(engine, GetDesktopWindow(), -s.left, -s.top);
            return;
        }
    } else if (hit == SelectionHit::Outside) {
        engine.m_selection = SelectionRect{x, y, x, y};
    } else {
        const DragFlags flags = DragFlagsForHit(hit);
        engine.m_verticalEdge = flags.verticalEdge;
        engine.m_horizontalEdge = flags.horizontalEdge;
        engine.m_anchorX = x;
        engine.m_anchorY = y;
    }
    SetCapture(engine.m_overlay);
    engine.m_mouseCaptured = true;
    Repaint(engine);
}

void CaptureOverlay::RectangleMove(CaptureEngine& engine, int32_t x, int32_t y) {
    if (engine.m_dragging && engine.m_mouseCaptured) {
        DragFlags flags;
        flags.verticalEdge = engine.m_verticalEdge;
        flags.horizontalEdge = engine.m_horizontalEdge;
        const ScreenLayout screen = CurrentScreenLayout();
        DragSelection(engine.m_selection, flags, x, y, screen.virtualWidth, screen.virtualHeight);
        engine.m_anchorX = x;
        engine.m_anchorY = y;
    }
    const SelectionHit hit = HasSelection(engine.m_selection)
                                 ? HitTestSelection(engine.m_selection, x, y)
                                 : SelectionHit::Outside;
    switch (CursorForHit(hit)) {
        case SelectionCursor::Cross:
            SetOverlayCursor(engine, CaptureEngine::kCursorCross);
            break;
        case SelectionCursor::SizeNS:
            SetOverlayCursor(engine, CaptureEngine::kCursorSizeNS);
            break;
        case SelectionCursor::SizeWE:
            SetOverlayCursor(engine, CaptureEngine::kCursorSizeWE);
            break;
        case SelectionCursor::SizeNWSE:
            SetOverlayCursor(engine, CaptureEngine::kCursorSizeNWSE);
            break;
        case SelectionCursor::SizeNESW:
            SetOverlayCursor(engine, CaptureEngine::kCursorSizeNESW);
            break;
        case SelectionCursor::Hand:
            SetOverlayCursor(engine, CaptureEngine::kCursorHand);
            break;
    }
    Repaint(engine);
}

void CaptureOverlay::RectangleRelease(CaptureEngine& engine) {
    engine.m_dragging = false;
    engine.m_currentCursor = LoadCursorW(nullptr, IDC_ARROW);
    SetCursor(engine.m_currentCursor);
    engine.m_verticalEdge = false;
    engine.m_horizontalEdge = false;
    FinishSelection(engine.m_selection);
    if (engine.m_mouseCaptured) {
        engine.m_mouseCaptured = false;
        ReleaseCapture();
    }
    Repaint(engine);
}

void CaptureOverlay::FreeStylePress(CaptureEngine& engine, int32_t x, int32_t y) {
    engine.m_dragging = true;
    engine.m_outline.Append(x, y);
    SetCapture(engine.m_overlay);
    engine.m_mouseCaptured = true;
}

void CaptureOverlay::FreeStyleMove(CaptureEngine& engine, int32_t x, int32_t y) {
    if (engine.m_dragging && engine.m_mouseCaptured) {
        engine.m_outline.Append(x, y);  // the list stops growing when it is full
    }
    SetOverlayCursor(engine, CaptureEngine::kCursorPen);
    Repaint(engine);
}

void CaptureOverlay::FreeStyleRelease(CaptureEngine& engine) {
    engine.m_dragging = false;
    if (engine.m_mouseCaptured) {
        engine.m_mouseCaptured = false;
        ReleaseCapture();
    }
    if (engine.m_outline.Count() == 0) {
        return;  // a release without a press
    }
    engine.m_outline.Close();
    const ZRect box = engine.m_outline.BoundingBox(5);
    ZImage cut;
    if (!CutOutOutline(engine.m_result, engine.m_outline, box, cut) ||
        !engine.m_result.CopyFrom(cut)) {
        FailureBeep();
        engine.m_outline.Start(kFreeStyleMaxPoints);  // the user may draw again
        Repaint(engine);
        return;
    }
    Deliver(engine, GetDesktopWindow(), -box.left, -box.top);
}

void CaptureOverlay::CaptureFixedRegion(CaptureEngine& engine) {
    const int32_t width = static_cast<int32_t>(engine.m_context.settings->CaptureFixedWidth);
    const int32_t height = static_cast<int32_t>(engine.m_context.settings->CaptureFixedHeight);
    RECT windowRect{};
    GetWindowRect(engine.m_overlay, &windowRect);
    const ZRect source = FixedRegionSource(ToPlace(windowRect), width, height, kCaptionHeight);
    if (width < 1 || height < 1 ||
        !engine.m_result.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 24,
                                engine.m_context.settings->CaptureBackgroundColor, nullptr)) {
        FailureBeep();
        return;
    }
    HDC screenDc = GetDC(nullptr);
    if (screenDc == nullptr) {
        Beep(800, 200);
    } else {
        BitBlt(engine.m_result.GetDC(), 0, 0, width, height, screenDc, source.left, source.top,
               SRCCOPY | CAPTUREBLT);
        ReleaseDC(nullptr, screenDc);
        engine.m_result.FlushDrawing();
    }
    Deliver(engine, GetDesktopWindow(), width / 2, height / 2);
}

// Timers ------------------------------------------------------------------------------------------

void CaptureOverlay::OnTimer(CaptureEngine& engine, UINT_PTR id) {
    if (id == kTimerStayOnTop) {
        HWND active = GetForegroundWindow();
        DWORD process = 0;
        if (active != nullptr) {
            GetWindowThreadProcessId(active, &process);
        }
        const bool ownWindowInFront = active != nullptr && process == GetCurrentProcessId() &&
                                      IsWindowVisible(active) && active != engine.m_overlay;
        if (!ownWindowInFront) {
            SetWindowPos(engine.m_overlay, HWND_TOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    } else if (id == kTimerFollow) {
        FollowCursor(engine);
    } else if (id == kTimerScrollStep) {
        ScrollStep(engine);
    }
}

void CaptureOverlay::FollowCursor(CaptureEngine& engine) {
    if (!engine.m_active || engine.m_finished) {
        return;
    }
    ZRect frame;
    if (IsWindowFramingMode(engine.m_mode)) {
        if (engine.m_inProgress) {
            return;
        }
        HWND target = WindowUnderCursor(engine);
        RECT targetRect{};
        if (target == nullptr || !GetWindowRect(target, &targetRect)) {
            return;
        }
        frame = FrameAroundWindow(ToPlace(targetRect), engine.m_captionHeight);
    } else if (engine.m_mode == CaptureMode::FixedRegion) {
        POINT cursor{};
        GetCursorPos(&cursor);
        if (cursor.x == engine.m_lastCursorX && cursor.y == engine.m_lastCursorY) {
            return;
        }
        engine.m_lastCursorX = cursor.x;
        engine.m_lastCursorY = cursor.y;
        frame = FixedRegionFrame(
            cursor.x, cursor.y, static_cast<int32_t>(engine.m_context.settings->CaptureFixedWidth),
            static_cast<int32_t>(engine.m_context.settings->CaptureFixedHeight),
            engine.m_captionHeight);
    } else {
        return;
    }
    RECT current{};
    GetWindowRect(engine.m_overlay, &current);
    if (ToPlace(current).left == frame.left && current.top == frame.top &&
        current.right == frame.right && current.bottom == frame.bottom) {
        return;
    }
    SetWindowPos(engine.m_overlay, HWND_TOPMOST, frame.left, frame.top, frame.Width(),
                 frame.Height(), SWP_NOACTIVATE);
    Repaint(engine);
}

// Painting ----------------------------------------------------------------------------------------

void CaptureOverlay::OnPaint(CaptureEngine& engine) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(engine.m_overlay, &paint);
    RECT client{};
    GetClientRect(engine.m_overlay, &client);
    const bool region = IsRegionMode(engine.m_mode) && engine.m_result.IsValid();
    if (engine.m_backBuffer.IsValid()) {
        HDC buffer = engine.m_backBuffer.GetDC();
        if (region) {
            PaintRegionModes(engine, buffer);
        } else {
            PaintFramingModes(engine, buffer, client.right, client.bottom);
        }
        engine.m_backBuffer.FlushDrawing();
        BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    } else if (!region) {
        PaintFramingModes(engine, dc, client.right, client.bottom);
    }
    EndPaint(engine.m_overlay, &paint);
}

void CaptureOverlay::PaintFramingModes(CaptureEngine& engine, HDC dc, int width, int height) {
    FillColour(dc, RECT{0, 0, width, height}, kMagenta);
    const RECT band{2, 4, width - 2, kCaptionHeight};
    FillColour(dc, band, engine.m_borderColour);
    HPEN pen = CreatePen(PS_SOLID, 4, engine.m_borderColour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, 2, 2, width - 1, height - 1, 15, 15);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);

    HGDIOBJ oldFont = engine.m_captionFont ? SelectObject(dc, engine.m_captionFont) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, engine.m_textColour);
    // While a scrolling capture runs its caption stands in the band above the window, never over
    // the window's pixels that are being taken. A frame narrower than the text (a small fixed
    // region) ends it with an ellipsis.
    RECT text = band;
    DrawTextW(dc, engine.m_inProgress ? engine.m_captionInProgress : engine.m_captionIdle, -1,
              &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (oldFont != nullptr) {
        SelectObject(dc, oldFont);
    }
}

void CaptureOverlay::PaintRegionModes(CaptureEngine& engine, HDC dc) {
    ZImage& buffer = engine.m_backBuffer;
    CopyArea(engine.m_result, 0, 0, buffer);
    const SelectionPoint cursor = VirtualCursor();
    if (engine.m_mode == CaptureMode::FreeRectangle) {
        if (!HasSelection(engine.m_selection)) {
            DrawCrossHair(buffer, cursor.x, cursor.y, engine.m_borderColour);
        } else {
            const SelectionRect s = Ordered(engine.m_selection);
            TintOutsideSelection(buffer, s);
            DrawSelectionHandles(buffer, s, engine.m_borderColour);
        }
    } else if (engine.m_outline.Count() >= 2) {
        HPEN pen = CreatePen(PS_SOLID, 2, RGB(255, 0, 0));
        HGDIOBJ oldPen = SelectObject(dc, pen);
        static_assert(sizeof(POINT) == 2 * sizeof(int32_t), "POINT is two 32-bit values");
        Polyline(dc, reinterpret_cast<const POINT*>(engine.m_outline.Points()),
                 static_cast<int>(engine.m_outline.Count()));
        SelectObject(dc, oldPen);
        DeleteObject(pen);
        GdiFlush();
    }
    PaintInformation(engine, dc, cursor.x, cursor.y);
}

void CaptureOverlay::PaintInformation(CaptureEngine& engine, HDC dc, int32_t cursorX,
                                      int32_t cursorY) {
    const ScreenLayout screen = CurrentScreenLayout();
    HGDIOBJ oldFont = engine.m_captionFont ? SelectObject(dc, engine.m_captionFont) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, engine.m_textColour);

    RECT band = ToRect(RegionCaptionBand(screen, engine.m_captionHeight));
    FillColour(dc, band, engine.m_borderColour);
    const bool selected =
        engine.m_mode == CaptureMode::FreeRectangle && HasSelection(engine.m_selection);
    DrawTextW(dc, selected ? engine.m_captionSelection : engine.m_captionRegion, -1, &band,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    const ZRect box = MagnifierBox(screen, cursorX, cursorY, engine.m_captionHeight);
    RECT textArea{box.left, box.top, box.right, box.top + kTextAreaHeight};
    FillColour(dc, textArea, engine.m_borderColour);
    uint8_t red = 0, green = 0, blue = 0;
    ReadPixelRgb(engine.m_result, cursorX, cursorY, red, green, blue);
    const SelectionRect s = Ordered(engine.m_selection);
    const std::wstring text = FormatMagnifierText(cursorX, cursorY, SelectionWidth(s),
                                                  SelectionHeight(s), red, green, blue);
    RECT measure = textArea;
    DrawTextW(dc, text.c_str(), -1, &measure, DT_CALCRECT | DT_CENTER | DT_NOPREFIX);
    RECT placed = textArea;
    placed.top += std::max<LONG>(0, (kTextAreaHeight - (measure.bottom - measure.top)) / 2);
    DrawTextW(dc, text.c_str(), -1, &placed, DT_CENTER | DT_NOPREFIX);
    if (oldFont != nullptr) {
        SelectObject(dc, oldFont);
    }
    GdiFlush();
    DrawMagnifierPicture(engine.m_result, cursorX, cursorY, engine.m_backBuffer, box.left,
                         box.top + kTextAreaHeight);
}

// Helpers -----------------------------------------------------------------------------------------

void CaptureOverlay::Deliver(CaptureEngine& engine, HWND window, int32_t dx, int32_t dy) {
    POINT cursor{};
    GetCursorPos(&cursor);
    engine.m_captureCursorX = cursor.x;
    engine.m_captureCursorY = cursor.y;
    if (engine.m_mouseCaptured) {
        engine.m_mouseCaptured = false;
        ReleaseCapture();
    }
    // The finishing pipeline works on the result image in place; a step that fails leaves the
    // capture as it was, which is still handed over.
    FinishCapture(engine, window, dx, dy);
    engine.m_finished = true;
    PostMessageW(engine.m_owner, engine.m_doneMessage, kCaptureDoneWParam, 0);
}

void CaptureOverlay::SetOverlayCursor(CaptureEngine& engine, int index) {
    HCURSOR cursor = engine.m_cursors[static_cast<size_t>(index)];
    engine.m_currentCursor = cursor != nullptr ? cursor : LoadCursorW(nullptr, IDC_ARROW);
    SetCursor(engine.m_currentCursor);
}

SelectionPoint CaptureOverlay::VirtualCursor() {
    POINT cursor{};
    GetCursorPos(&cursor);
    return ToVirtualScreen(CurrentScreenLayout(), cursor.x, cursor.y);
}

HWND CaptureOverlay::WindowUnderCursor(const CaptureEngine& engine) {
    POINT cursor{};
    GetCursorPos(&cursor);
    HWND window = WindowFromPoint(cursor);
    if (window == nullptr || window == engine.m_overlay) {
        return nullptr;
    }
    return window;
}

void CaptureOverlay::Repaint(CaptureEngine& engine) {
    if (engine.m_overlay != nullptr) {
        InvalidateRect(engine.m_overlay, nullptr, FALSE);
    }
}

// The window procedure ----------------------------------------------------------------------------

LRESULT CALLBACK CaptureOverlay::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* engine = static_cast<CaptureEngine*>(create->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(engine));
        if (engine != nullptr) {
            engine->m_overlay = window;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
    CaptureEngine* engine = EngineOf(window);
    if (engine == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            OnPaint(*engine);
            return 0;
        case WM_TIMER:
            OnTimer(*engine, wParam);
            return 0;
        case WM_HOTKEY:
            if (wParam == kHotKeyEnter) {
                OnMouseEvent(*engine, WM_LBUTTONDOWN);
            } else if (wParam == kHotKeyEscape) {
                OnMouseEvent(*engine, WM_RBUTTONDOWN);
            }
            return 0;
        case kUmHookMouse:
            OnMouseEvent(*engine, static_cast<UINT>(wParam));
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
            // Without the hook library the overlay's own clicks stand in for its messages.
            if (!engine->m_hookInstalled) {
                OnMouseEvent(*engine, message);
            }
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(*engine, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && engine->m_currentCursor != nullptr) {
                SetCursor(engine->m_currentCursor);
                return TRUE;
            }
            break;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != window) {
                engine->m_mouseCaptured = false;
            }
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace zentrova
