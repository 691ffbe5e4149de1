#include "ui/intro/IntroWindow.h"

#include <algorithm>

#include "ui/intro/Fade.h"
#include "core/UniqueClassName_win.h"

namespace zentrova {

namespace {

constexpr UINT_PTR kTimerFade = 1;
constexpr uint32_t kIntroFadeMs = 500;
// Text height below the line height, so that lines keep a gap; the smallest text height.
constexpr int32_t kLineGap = 4;
constexpr int32_t kMinTextHeight = 9;

}  // namespace

IntroWindow::IntroWindow() : m_className(UniqueClassName(L"_ZIntroWindow-%s", this)) {}

IntroWindow::~IntroWindow() {
    Close();
}

bool IntroWindow::Create(HWND owner, HINSTANCE instance, UINT notifyMessage, const wchar_t* name,
                         intptr_t notifyId, const IntroLines& lines, const IntroLook& look,
                         ZImage& background, ZImage& logo, const wchar_t* buttonText,
                         const wchar_t* checkText) {
    Close();
    m_look = look;
    m_background.Swap(background);
    m_logo.Swap(logo);
    if (!m_background.IsValid() ||
        !m_offscreen.Create(m_background.GetWidth(), m_background.GetHeight(), 24, 0, nullptr)) {
        return false;
    }
    m_owner = owner;
    m_instance = instance;
    m_notifyMessage = notifyMessage;
    m_notifyId = notifyId;
    m_name = name != nullptr ? name : L"";
    m_lines = lines;
    m_registered = RegisterObjectClass<IntroWindow>(
        instance, m_className.c_str(),
        m_look.rowBrush != nullptr
            ? m_look.rowBrush
            : reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    if (!m_registered) {
        return false;
    }
    FitFonts();
    const int width = static_cast<int>(m_background.GetWidth());
    const int backHeight = static_cast<int>(m_background.GetHeight());
    const int height = backHeight + kIntroBottomRow;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    m_hwnd = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOPMOST, m_className.c_str(), L"",
                             WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, x, y, width, height,
                             owner, nullptr, instance, this);
    if (m_hwnd == nullptr) {
        Close();
        return false;
    }
    SetLayeredWindowAttributes(m_hwnd, 0, 0, LWA_ALPHA);
    const int half = width / 2;
    constexpr int kMargin = 8;
    m_check = CreateWindowExW(
        0, L"BUTTON", checkText, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, kMargin,
        backHeight + 2, half - kMargin, kIntroBottomRow - 4, m_hwnd,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIntroCheckId)), instance, nullptr);
    m_button = CreateWindowExW(
        0, L"BUTTON", buttonText, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, half,
        backHeight + 1, width - half - 1, kIntroBottomRow - 2, m_hwnd,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIntroButtonId)), instance, nullptr);
    for (HWND control : {m_check, m_button}) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_controlFont), FALSE);
    }
    SendMessageW(m_check, BM_SETCHECK, BST_CHECKED, 0);
    // Titled only once complete: whoever finds the window by its name finds its controls.
    SetWindowTextW(m_hwnd, m_name.c_str());
    Compose();
    m_fadingOut = false;
    m_fadeStart = GetTickCount();
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
    SetFocus(m_button);
    SetTimer(m_hwnd, kTimerFade, kFadeStepMs, nullptr);
    return true;
}

void IntroWindow::Close() {
    DestroyObjectWindow(m_hwnd, m_registered, m_className.c_str(), m_instance);
    m_button = nullptr;
    m_check = nullptr;
    ReleaseFonts();
    m_offscreen.Destroy();
    m_background.Destroy();
    m_logo.Destroy();
}

namespace {

LOGFONTW MessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    LOGFONTW base{};
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        base = metrics.lfMessageFont;
    } else {
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(base), &base);
    }
    return base;
}

}  // namespace

void IntroWindow::MakeFonts(int32_t height) {
    ReleaseFonts();
    const LOGFONTW base = MessageFont();
    m_controlFont = CreateFontIndirectW(&base);
    for (int level = 0; level < 4; ++level) {
        LOGFONTW font = base;
        font.lfHeight = -height;
        font.lfWidth = 0;
        font.lfWeight = m_look.weights[level];
        font.lfItalic = m_look.italic[level] ? TRUE : FALSE;
        font.lfUnderline = m_look.underline[level] ? TRUE : FALSE;
        font.lfQuality = CLEARTYPE_QUALITY;
        m_fonts[level] = CreateFontIndirectW(&font);
    }
}

// The text height follows the line height; when a line would run under the logo or past the
// right margin (a long translation), all lines get smaller together until every one fits.
void IntroWindow::FitFonts() {
    HDC dc = m_offscreen.GetDC();
    IntroTextArea area;
    area.width = static_cast<int32_t>(m_background.GetWidth());
    area.logoWidth = static_cast<int32_t>(m_logo.IsValid() ? m_logo.GetWidth() : 0);
    area.logoHeight = static_cast<int32_t>(m_logo.IsValid() ? m_logo.GetHeight() : 0);
    area.textX = m_look.textX;
    area.textY = m_look.textY;
    area.lineHeight = m_look.lineHeight;
    for (int32_t height = std::max(kMinTextHeight, m_look.lineHeight - kLineGap);; --height) {
        MakeFonts(height);
        if (height <= kMinTextHeight || dc == nullptr || LinesFit(dc, area)) {
            return;
        }
    }
}

bool IntroWindow::LinesFit(HDC dc, const IntroTextArea& area) const {
    HGDIOBJ oldFont = GetCurrentObject(dc, OBJ_FONT);
    bool fit = true;
    for (int k = 0; k < static_cast<int>(m_lines.size()) && fit; ++k) {
        const IntroLineStyle style = ParseIntroLine(m_lines[static_cast<size_t>(k)]);
        SIZE size{};
        SelectObject(dc, m_fonts[style.level]);
        if (!style.text.empty() &&
            GetTextExtentPoint32W(dc, style.text.c_str(), static_cast<int>(style.text.size()),
                                  &size)) {
            fit = size.cx <= IntroLineRoom(area, k);
        }
    }
    SelectObject(dc, oldFont);
    return fit;
}

void IntroWindow::ReleaseFonts() {
    for (HFONT& font : m_fonts) {
        if (font != nullptr) {
            DeleteObject(font);
            font = nullptr;
        }
    }
    if (m_controlFont != nullptr) {
        DeleteObject(m_controlFont);
        m_controlFont = nullptr;
    }
}

// The picture of the window above the bottom row: background, logo, lines.
void IntroWindow::Compose() {
    HDC dc = m_offscreen.GetDC();
    if (dc == nullptr) {
        return;
    }
    m_background.Draw(dc, 0, 0, SRCCOPY);
    if (m_logo.IsValid()) {
        const int x = static_cast<int>(m_background.GetWidth() - m_logo.GetWidth());
        m_logo.Draw(dc, x, 0, SRCCOPY);
    }
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = GetCurrentObject(dc, OBJ_FONT);
    int32_t y = m_look.textY;
    for (const std::wstring& line : m_lines) {
        const IntroLineStyle style = ParseIntroLine(line);
        if (m_fonts[style.level] != nullptr) {
            SelectObject(dc, m_fonts[style.level]);
        }
        SetTextColor(dc, m_look.colours[style.level]);
        TextOutW(dc, m_look.textX, y, style.text.c_str(), static_cast<int>(style.text.size()));
        y += m_look.lineHeight;
    }
    SelectObject(dc, oldFont);
    m_offscreen.FlushDrawing();
}

void IntroWindow::OnFadeStep() {
    const uint32_t now = GetTickCount();
    const uint8_t from = m_fadingOut ? 255 : 0;
    const uint8_t to = m_fadingOut ? 0 : 255;
    SetLayeredWindowAttributes(m_hwnd, 0, FadeAlpha(m_fadeStart, now, kIntroFadeMs, from, to),
                               LWA_ALPHA);
    if (!FadeDone(m_fadeStart, now, kIntroFadeMs)) {
        return;
    }
    KillTimer(m_hwnd, kTimerFade);
    if (m_fadingOut) {
        Finish();
    } else {
        InvalidateRect(m_hwnd, nullptr, TRUE);
    }
}

// The end of the fade-out: the owner is told, the window closes.
void IntroWindow::Finish() {
    const bool ticked = SendMessageW(m_check, BM_GETCHECK, 0, 0) == BST_CHECKED;
    HWND owner = m_owner;
    const UINT message = m_notifyMessage;
    const intptr_t id = m_notifyId;
    Close();
    if (owner != nullptr) {
        PostMessageW(owner, message, ticked ? 1 : 0, static_cast<LPARAM>(id));
    }
}

bool IntroWindow::RouteMessage(MSG& msg) {
    if (m_hwnd == nullptr || (msg.hwnd != m_hwnd && !IsChild(m_hwnd, msg.hwnd))) {
        return false;
    }
    return IsDialogMessageW(m_hwnd, &msg) != FALSE;
}

LRESULT IntroWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == kTimerFade) {
                OnFadeStep();
            } else if (m_owner != nullptr) {
                PostMessageW(m_owner, WM_TIMER, wParam, 0);  // the owner's timers, never a callback
            }
            return 0;
        case WM_COMMAND:
            // Enter (the default button's IDOK) and Escape (IDCANCEL) act as the button.
            if ((LOWORD(wParam) == kIntroButtonId || LOWORD(wParam) == IDCANCEL) &&
                HIWORD(wParam) == BN_CLICKED && !m_fadingOut) {
                EnableWindow(m_button, FALSE);
                m_fadingOut = true;
                m_fadeStart = GetTickCount();
                SetTimer(m_hwnd, kTimerFade, kFadeStepMs, nullptr);
            }
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (m_look.rowBrush != nullptr) {
                SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
                SetTextColor(reinterpret_cast<HDC>(wParam), m_look.colours[0]);
                return reinterpret_cast<LRESULT>(m_look.rowBrush);
            }
            break;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(m_hwnd, &paint);
            m_offscreen.Draw(dc, 0, 0, SRCCOPY);
            EndPaint(m_hwnd, &paint);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

}  // namespace zentrova
