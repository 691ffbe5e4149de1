// The scrolling capture: the picked window is scrolled to its top, then step by step; each new
// view is compared with the previous one and the rows that came into view are appended. An EDIT
// control is not scrolled but drawn line by line from its text.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <vector>

#include "capture/overlay/CaptureOverlay_win.h"
#include "capture/scroll/ScrollRules.h"
#include "core/ZError.h"
#include "image/overlap/ZOverlapSearch.h"

namespace zentrova {
namespace {

constexpr const wchar_t* kModule = L"Capture\\ScrollCapture";
constexpr DWORD kSettleMs = 100;
constexpr int kEditLineChars = 2048;
constexpr int32_t kEditMaxLineHeight = 1000;
constexpr DWORD kRepaintPollMs = 10;
constexpr DWORD kSettledMs = 60;
constexpr DWORD kRepaintLimitMs = 400;

ScrollKind KindOf(CaptureMode mode) {
    return mode == CaptureMode::ScrollingWebsite ? ScrollKind::Website : ScrollKind::Text;
}

bool HasClass(HWND window, const wchar_t* name) {
    wchar_t cls[64] = L"";
    return GetClassNameW(window, cls, 64) > 0 && _wcsicmp(cls, name) == 0;
}

ScrollWindowFacts FactsOf(HWND window) {
    ScrollWindowFacts f;
    RECT client{};
    RECT outer{};
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    f.browser = HasClass(window, L"Internet Explorer_Server");
    f.clientWidth = client.right - client.left;
    f.clientHeight = client.bottom - client.top;
    f.windowWidth = outer.right - outer.left;
    f.windowHeight = outer.bottom - outer.top;
    f.borderX = GetSystemMetrics(SM_CXBORDER);
    f.borderY = GetSystemMetrics(SM_CYBORDER);
    f.vscrollX = GetSystemMetrics(SM_CXVSCROLL);
    f.hscrollY = GetSystemMetrics(SM_CYHSCROLL);
    return f;
}

// The page's pixels, 24 bits, as the screen shows them: the window is topmost for the whole
// capture, so nothing covers its client area (the overlay round it is see-through there). A read
// through another program's window device context can give parts of an older view.
bool GrabPage(HWND window, const ScrollPage& page, ZImage& out) {
    POINT origin{page.x, page.y};
    if (page.width < 1 || page.height < 1 || !ClientToScreen(window, &origin) ||
        !out.Create(static_cast<uint32_t>(page.width), static_cast<uint32_t>(page.height), 24, 0,
                    nullptr)) {
        return false;
    }
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        return false;
    }
    const BOOL copied =
        BitBlt(out.GetDC(), 0, 0, page.width, page.height, screen, origin.x, origin.y, SRCCOPY);
    ReleaseDC(nullptr, screen);
    out.FlushDrawing();
    return copied != FALSE;
}

bool SamePixels(const ZImage& a, const ZImage& b) {
    return a.IsValid() && b.IsValid() && a.GetWidth() == b.GetWidth() &&
           a.GetHeight() == b.GetHeight() && a.GetBitsPerPixel() == b.GetBitsPerPixel() &&
           std::memcmp(a.GetBits(), b.GetBits(),
                       static_cast<size_t>(a.GetStride()) * a.GetHeight()) == 0;
}

// The page once the window has shown its new view. Its pixels reach the screen a while after
// the scroll message returns, and not all at once (a window's drawing may be passed on in parts,
// up to some 50 ms apart), so the page is taken again until it has changed from the previous
// page and then stayed the same for kSettledMs. When the time is up (the view did not change),
// the last take.
bool GrabRepaintedPage(HWND window, const ScrollPage& page, const ZImage& previous, ZImage& out) {
    ZImage earlier;
    const DWORD start = GetTickCount();
    DWORD sameSince = start;
    while (GetTickCount() - start < kRepaintLimitMs) {
        if (!GrabPage(window, page, out)) {
            return false;
        }
        const DWORD now = GetTickCount();
        if (!SamePixels(out, earlier)) {
            sameSince = now;
        } else if (now - sameSince >= kSettledMs && !SamePixels(out, previous)) {
            return true;
        }
        earlier.Swap(out);
        Sleep(kRepaintPollMs);
    }
    out.Swap(earlier);
    return out.IsValid();
}

bool HasVerticalScrollBar(HWND window) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VSCROLL) != 0;
}

// One step down: the scroll bar's line down, or the wheel over the window.
void ScrollOneStep(HWND window, const ScrollWindowFacts& facts, const ScrollPage& page) {
    RECT outer{};
    GetWindowRect(window, &outer);
    if (HasVerticalScrollBar(window)) {
        SetCursorPos(outer.left, outer.top);
        SendMessageW(window, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
        return;
    }
    const WheelPoint point = WheelPointFor(outer.top, outer.right, outer.bottom, page.rightCut);
    SetCursorPos(point.x, point.y);
    const int32_t step = facts.browser ? kWheelStepBrowser : kWheelStepWindow;
    SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(step)),
                 MAKELPARAM(static_cast<WORD>(point.x), static_cast<WORD>(point.y)));
}

// Draws the lines of an EDIT control into the session; false when the line picture could not be
// made (a control without lines draws nothing and is no failure).
bool RenderEditLines(HWND edit, int32_t pageWidth, ScrollSession& session) {
    // The control's colours, as its device context tells them (the system's window colours when
    // it cannot).
    COLORREF background = GetSysColor(COLOR_WINDOW);
    COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    if (HDC editDc = GetDC(edit); editDc != nullptr) {
        background = GetPixel(editDc, 1, 1);
        text = GetTextColor(editDc);
        ReleaseDC(edit, editDc);
    }
    // The control's font belongs to its program: a font of ours is made from its description
    // (the dialog font when the control does not tell it).
    LOGFONTW description{};
    HFONT theirs = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
    const bool described =
        theirs != nullptr && GetObjectType(theirs) == OBJ_FONT &&
        GetObjectW(theirs, sizeof(description), &description) == sizeof(description) &&
        description.lfHeight > -kEditMaxLineHeight && description.lfHeight < kEditMaxLineHeight;
    HFONT ours = described ? CreateFontIndirectW(&description) : nullptr;
    HGDIOBJ font = ours != nullptr ? ours : GetStockObject(DEFAULT_GUI_FONT);

    bool made = false;
    ZImage page;
    if (pageWidth >= 1 && page.Create(static_cast<uint32_t>(pageWidth), 1, 24, 0, nullptr)) {
        HGDIOBJ old = SelectObject(page.GetDC(), font);
        TEXTMETRICW metrics{};
        GetTextMetricsW(page.GetDC(), &metrics);
        SelectObject(page.GetDC(), old);
        const int32_t lineHeight = metrics.tmHeight;
        const int32_t lines = static_cast<int32_t>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0));
        made = lines < 1 || (lineHeight >= 1 && lineHeight <= kEditMaxLineHeight &&
                             page.Create(static_cast<uint32_t>(pageWidth),
                                         static_cast<uint32_t>(lineHeight), 24, 0, nullptr));
        if (made && lines >= 1) {
            const LONG_PTR style = GetWindowLongPtrW(edit, GWL_STYLE);
            const UINT align = (style & ES_CENTER)  ? DT_CENTER
                               : (style & ES_RIGHT) ? DT_RIGHT
                                                    : DT_LEFT;
            const COLORREF fill = background == CLR_INVALID ? RGB(255, 255, 255) : background;
            std::vector<wchar_t> buffer(kEditLineChars + 1);
            for (int32_t line = 0; line < lines; ++line) {
                buffer[0] = static_cast<wchar_t>(kEditLineChars);  // EM_GETLINE reads the size
                const LRESULT length = SendMessageW(edit, EM_GETLINE, static_cast<WPARAM>(line),
                                                    reinterpret_cast<LPARAM>(buffer.data()));
                const int count = static_cast<int>(
                    std::min<LRESULT>(std::max<LRESULT>(length, 0), kEditLineChars));
                HDC dc = page.GetDC();
                HBRUSH brush = CreateSolidBrush(fill);
                RECT all{0, 0, pageWidth, lineHeight};
                FillRect(dc, &all, brush);
                DeleteObject(brush);
                old = SelectObject(dc, font);
                SetBkMode(dc, TRANSPARENT);
                SetTextColor(dc, text);
                RECT box{2, 0, pageWidth, lineHeight};
                DrawTextW(dc, buffer.data(), count, &box,
                          DT_SINGLELINE | DT_VCENTER | DT_HIDEPREFIX | align);
                SelectObject(dc, old);
                page.FlushDrawing();
                if (!session.AppendDrawnRows(page)) {
                    break;  // the picture's limit: what was drawn stays
                }
            }
        }
    }
    if (ours != nullptr) {
        DeleteObject(ours);
    }
    return made;
}

}  // namespace

void CaptureOverlay::ScrollStart(CaptureEngine& engine) {
    if (engine.m_inProgress) {
        return;
    }
    HWND target = WindowUnderCursor(engine);
    if (target == nullptr) {
        Beep(200, 200);
        return;
    }
    engine.m_pickedWindow = target;
    ShowCursor(FALSE);
    engine.m_cursorHidden = true;
    KillTimer(engine.m_overlay, kTimerFollow);
    engine.m_inProgress = true;
    if (engine.m_hookLibrary != nullptr) {
        UninstallOverlayMouseHook(engine.m_hookLibrary);
    }
    engine.m_hookInstalled = false;
    Repaint(engine);

    if (HasVerticalScrollBar(target)) {
        SendMessageW(target, WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
    } else {
        SetForegroundWindow(target);
        PostMessageW(target, WM_KEYDOWN, VK_HOME, 0);
        PostMessageW(target, WM_KEYUP, VK_HOME, 0xC0000001);
    }
    engine.m_pickedMadeTopmost = (GetWindowLongPtrW(target, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0;
    SetWindowPos(target, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(target, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(kSettleMs);

    engine.m_scroll.Clear();
    if (!HasClass(target, L"EDIT")) {
        const ScrollWindowFacts facts = FactsOf(target);
        if (!GrabPage(target, FullPage(facts), engine.m_currentPage) ||
            !engine.m_scroll.Begin(KindOf(engine.m_mode), engine.m_currentPage)) {
            ZTrace(kModule, __LINE__, L"the first page could not be taken\n");
            ScrollStop(engine);
            return;
        }
    }
    SetTimer(engine.m_overlay, kTimerScrollStep, kScrollStepMs, nullptr);
}

void CaptureOverlay::ScrollStep(CaptureEngine& engine) {
    if (!engine.m_inProgress || engine.m_finished) {
        return;
    }
    KillTimer(engine.m_overlay, kTimerScrollStep);
    HWND target = engine.m_pickedWindow;
    if (target == nullptr || !IsWindow(target) || !IsWindowVisible(target)) {
        ScrollStop(engine);  // the window is gone: what was collected
        return;
    }
    const ScrollWindowFacts facts = FactsOf(target);
    if (HasClass(target, L"EDIT")) {
        if (!RenderEditLines(target, FullPage(facts).width, engine.m_scroll)) {
            ShowCaptureMessage(engine.m_owner, L"Failed to create CurrentPageImage?!");
        }
        ScrollStop(engine);
        return;
    }
    ScrollOneStep(target, facts, FullPage(facts));
    const bool goOn = GrabRepaintedPage(target, StepPage(facts, KindOf(engine.m_mode)),
                                        engine.m_scroll.PreviousPage(), engine.m_currentPage)
                          ? engine.m_scroll.Step(engine.m_currentPage)
                          : engine.m_scroll.StepWithoutPage();
    if (goOn) {
        SetTimer(engine.m_overlay, kTimerScrollStep, kScrollStepMs, nullptr);
    } else {
        ScrollStop(engine);
    }
}

void CaptureOverlay::ScrollRelease(CaptureEngine& engine) {
    if (engine.m_overlay != nullptr) {
        KillTimer(engine.m_overlay, kTimerScrollStep);
    }
    if (engine.m_cursorHidden) {
        ShowCursor(TRUE);
        engine.m_cursorHidden = false;
    }
    if (engine.m_pickedMadeTopmost && engine.m_pickedWindow != nullptr &&
        IsWindow(engine.m_pickedWindow)) {
        SetWindowPos(engine.m_pickedWindow, HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    engine.m_pickedMadeTopmost = false;
}

void CaptureOverlay::ScrollStop(CaptureEngine& engine) {
    ScrollRelease(engine);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    if (!engine.m_scroll.Finish(engine.m_result)) {
        Beep(200, 200);  // nothing was collected (an empty EDIT control, no first page)
        engine.TearDown();
        return;
    }
    Deliver(engine, engine.m_pickedWindow, 0, 0);
}

}  // namespace zentrova
