#include "editmode/win/EditWindow_win.h"

#include <shellapi.h>

#include <algorithm>
#include <cwchar>
#include <initializer_list>
#include <string>

#include "core/WideText.h"
#include "core/ZError.h"
#include "core/win/Application.h"
#include "core/win/CommandIds.h"
#include "core/win/resource.h"
#include "editmode/EditCommands.h"
#include "editmode/paint/EditPainter.h"
#include "editmode/commands/SelectionArithmetic.h"
#include "editmode/tools/SelectTool.h"
#include "editmode/tools/ToolSettings.h"
#include "editmode/view/CaptureCaption.h"
#include "editmode/win/Clipboard_win.h"
#include "editmode/win/RenameDialog_win.h"
#include "editmode/win/ResizeDialogs_win.h"
#include "editmode/win/SaveAsDialog_win.h"
#include "image/ZResample.h"
#include "lang/LanguageKeys.h"
#include "lang/TextLookup.h"
#include "lang/TextLookupWin.h"
#include "ui/dialogs/MessageBoxes.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kModule = L"EditMode\\EditWindow";
constexpr int32_t kConfirmButtonWidth = 70;
constexpr int32_t kConfirmButtonHeight = 22;
// The "More..." button under the selection: opens the selection menu (a window command only).
constexpr uint32_t kSelectMore = 40148;

struct MenuEntry {
    uint32_t command;  // 0: a separator
    const wchar_t* name;
    const wchar_t* text;
};
constexpr MenuEntry kSelectionMenu[] = {
    {edit_cmd::kMenuCopy, L"SelectCopy", L"Copy"},
    {edit_cmd::kMenuPaste, L"SelectPaste", L"Paste"},
    {edit_cmd::kMenuCut, L"SelectCut", L"Cut"},
    {edit_cmd::kMenuCrop, L"SelectCrop", L"Crop"},
    {0, nullptr, nullptr},
    {edit_cmd::kMenuButtonize, L"SelectButtonize", L"Buttonize"},
    {edit_cmd::kMenuPixelize, L"SelectPixelize", L"Pixelize"},
    {0, nullptr, nullptr},
    {edit_cmd::kMenuBlur, L"SelectBlur", L"Blur"},
    {edit_cmd::kMenuSharpen, L"SelectSharpen", L"Sharpen"},
    {0, nullptr, nullptr},
    {edit_cmd::kMenuZoomSelection, L"SelectZoom", L"Zoom into Selection"},
};

// A dialog or box has the keyboard while it is open: the Edit Mode's shortcuts are off.
class ShortcutsOff {
  public:
    explicit ShortcutsOff(bool& shortcuts) : m_shortcuts(shortcuts), m_was(shortcuts) {
        shortcuts = false;
    }
    ~ShortcutsOff() { m_shortcuts = m_was; }
    ShortcutsOff(const ShortcutsOff&) = delete;
    ShortcutsOff& operator=(const ShortcutsOff&) = delete;

  private:
    bool& m_shortcuts;
    bool m_was;
};

enum CursorIndex {
    kArrow,
    kCross,
    kMove,
    kSizeNS,
    kSizeWE,
    kSizeNWSE,
    kSizeNESW,
    kHand,
    kGrab,
    kPencil,
    kMarker,
    kRubber,
    kCursorCount
};

int CursorIndexFor(ToolCursor cursor) {
    switch (cursor) {
        case ToolCursor::Arrow:
            return kArrow;
        case ToolCursor::Cross:
            return kCross;
        case ToolCursor::Move:
            return kMove;
        case ToolCursor::SizeNS:
            return kSizeNS;
        case ToolCursor::SizeWE:
            return kSizeWE;
        case ToolCursor::SizeNWSE:
            return kSizeNWSE;
        case ToolCursor::SizeNESW:
            return kSizeNESW;
        case ToolCursor::Hand:
            return kHand;
        case ToolCursor::Grab:
            return kGrab;
        case ToolCursor::Pencil:
            return kPencil;
        case ToolCursor::Marker:
            return kMarker;
        case ToolCursor::Rubber:
            return kRubber;
    }
    return kArrow;
}

int CursorIndexForEdges(uint32_t edges) {
    switch (edges) {
        case kEdgeLeft:
        case kEdgeRight:
            return kSizeWE;
        case kEdgeTop:
        case kEdgeBottom:
            return kSizeNS;
        case kEdgeLeft | kEdgeTop:
        case kEdgeRight | kEdgeBottom:
            return kSizeNWSE;
        default:
            return kSizeNESW;
    }
}

struct BarDefinition {
    const wchar_t* picture;
    const wchar_t* labelsKey;
    uint32_t alignment;
    bool statesInColumns;
    uint32_t count;
    uint32_t commands[16];
};

constexpr BarDefinition kActionBar = {L"ButtonBarActions",
                                      L"EditActions",
                                      2,
                                      true,
                                      8,
                                      {40030, 40031, 40078, 40153, 40032, 40033, 40080, 40079}};
constexpr BarDefinition kImageBar = {L"ButtonBarImage",
                                     L"EditImage",
                                     1,
                                     false,
                                     16,
                                     {40039, 40040, 40041, 40042, 40043, 40045, 40044, 40119, 40120,
                                      40121, 40122, 40123, 40077, 40046, 40085, 40083}};
constexpr BarDefinition kToolBar = {L"ButtonBarMouseTools",
                                    L"EditMouseTools",
                                    0,
                                    true,
                                    15,
                                    {40086, 40087, 40088, 40089, 40090, 40092, 40093, 40091, 40094,
                                     40095, 40096, 40097, 40098, 40099, 40100}};

}  // namespace

EditWindow::EditWindow(Application& app, HelpOpener openHelp, SettingsOpener openToolSettings)
    : m_app(app),
      m_session(app.editSession),
      m_openHelp(std::move(openHelp)),
      m_openToolSettings(std::move(openToolSettings)),
      m_textControls(app) {}

EditWindow::~EditWindow() {
    if (m_infoFont != nullptr) {
        DeleteObject(m_infoFont);
    }
}

bool EditWindow::Enter(HWND window) {
    if (m_session.IsActive()) {
        return true;
    }
    m_window = window;
    LockWindowUpdate(window);
    PlaceWindow();
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(window);
    SetActiveWindow(window);
    LockWindowUpdate(nullptr);
    if (!MakeScreenPictures()) {
        ZTrace(kModule, __LINE__, L"no back buffer of %d x %d\n", m_screenWidth, m_screenHeight);
    }
    LoadCursors();
    CreateBars();
    CreateConfirmButtons();
    CreateSelectionButtons();
    MakeInfoFont();
    m_infoColour = m_app.skinFound ? m_app.skin.GetColor(L"CurrentCaptureDisplayTextColor") : 0;
    m_frameColour = 0;  // black until the text tools first make their controls
    m_scrollHover = 0;
    m_prevNextHover = 0;
    SetFocus(window);
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_session.Begin(*this, m_screenWidth, m_screenHeight);
    Repaint();
    return true;
}

void EditWindow::Leave() {
    if (!m_session.IsActive()) {
        return;
    }
    EndDrag();
    if (m_timerRunning) {
        KillTimer(m_window, kTimerEditScroll);
        m_timerRunning = false;
    }
    const bool openFolder = m_session.GetOpenFolderOnLeave();
    m_session.End();
    m_textControls.Close();
    LockWindowUpdate(m_window);
    DestroyBars();
    DestroyConfirmButtons();
    DestroySelectionButtons();
    if (m_infoFont != nullptr) {
        DeleteObject(m_infoFont);
        m_infoFont = nullptr;
    }
    m_scrollButtons.Release();
    m_prevNextButtons.Release();
    m_background.Destroy();
    m_backBuffer.Destroy();
    ShowWindow(m_window, SW_HIDE);
    LockWindowUpdate(nullptr);
    SendCollectedAttachments();
    if (openFolder) {
        ShellExecuteW(nullptr, L"open", m_app.settings.CaptureOutputDirectory, nullptr, nullptr,
                      SW_SHOWNORMAL);
    }
}

void EditWindow::PlaceWindow() {
    m_screenWidth = GetSystemMetrics(SM_CXSCREEN);
    m_screenHeight = GetSystemMetrics(SM_CYSCREEN);
    MoveWindow(m_window, 0, 0, m_screenWidth, m_screenHeight, FALSE);
    ShowWindow(m_window, SW_SHOW);
}

bool EditWindow::MakeScreenPictures() {
    const auto w = static_cast<uint32_t>(m_screenWidth);
    const auto h = static_cast<uint32_t>(m_screenHeight);
    if (!m_backBuffer.Create(w, h, 24, 0xFFFFFF, nullptr)) {
        return false;
    }
    // The skin's background, stretched once to the screen; without one the paint clears white.
    m_background.Destroy();
    if (m_app.skinFound && (m_app.skin.LoadPng(m_background, L"Background") ||
                            m_app.skin.LoadJpg(m_background, L"Background"))) {
        if (!ResizeForDisplay(m_background, m_screenWidth, m_screenHeight) ||
            !m_background.SetBitDepth(24)) {
            m_background.Destroy();
        }
    }
    ZImage picture;
    if (m_app.skin.LoadPng(picture, L"ScrollButton")) {
        m_scrollButtons.Load(picture, 5);
    }
    if (m_app.skin.LoadPng(picture, L"PrevNextButton")) {
        m_prevNextButtons.Load(picture, 3);
    }
    return true;
}

void EditWindow::CreateBars() {
    const bool autoHide = m_app.settings.EditModeEditBarStyle == 0;
    const struct {
        CButtonBar* bar;
        const BarDefinition* definition;
    } bars[] = {{&m_actionBar, &kActionBar}, {&m_imageBar, &kImageBar}, {&m_toolBar, &kToolBar}};
    for (const auto& entry : bars) {
        const BarDefinition& d = *entry.definition;
        ZImage picture;
        if (!m_app.skin.LoadPng(picture, d.picture)) {
            ZTrace(kModule, __LINE__, L"no bar picture %ls\n", d.picture);
            continue;
        }
        wchar_t labels[kLanguageTextChars] = L"";
        GetLanguageText(m_app.language.Handle(), labels, kLanguageTextChars, L"ButtonLabels",
                        d.labelsKey, lang::BuiltInText(L"ButtonLabels", d.labelsKey));
        if (!entry.bar->Create(
                m_window, m_app.instance, m_app.skin.GetColor(L"ButtonBarHiddenColor"),
                m_app.skin.GetColor(L"ButtonBarToolTipBackColor"),
                m_app.skin.GetColor(L"ButtonBarToolTipTextColor"), d.alignment, true, true,
                autoHide, d.count, d.commands, labels, picture, d.statesInColumns)) {
            ZTrace(kModule, __LINE__, L"bar %ls not created\n", d.picture);
        }
    }
}

void EditWindow::DestroyBars() {
    m_actionBar.Destroy();
    m_imageBar.Destroy();
    m_toolBar.Destroy();
    m_colourBar.Destroy();
}

void EditWindow::ShowColourBar(bool shown) {
    if (!shown) {
        m_colourBar.Destroy();
        return;
    }
    if (m_colourBar.IsCreated()) {
        return;
    }
    ZImage picture;
    if (!m_app.skin.LoadPng(picture, L"ButtonBarChooseColor")) {
        ZTrace(kModule, __LINE__, L"no colour bar picture\n");
        return;
    }
    wchar_t label[kLanguageTextChars] = L"";
    GetLanguageText(m_app.language.Handle(), label, kLanguageTextChars, L"ButtonLabels",
                    L"EditChooseColor", lang::BuiltInText(L"ButtonLabels", L"EditChooseColor"));
    const uint32_t command = edit_cmd::kPickColour;
    m_colourBar.Create(m_window, m_app.instance, m_app.skin.GetColor(L"ButtonBarHiddenColor"),
                       m_app.skin.GetColor(L"ButtonBarToolTipBackColor"),
                       m_app.skin.GetColor(L"ButtonBarToolTipTextColor"), 3, true, true, true, 1,
                       &command, label, picture, false);
}

// The colour under the mouse in the colour bar (the screen's pixel when the bar's own device
// context cannot tell) becomes the tool's colour, or with the right button its fill colour.
void EditWindow::PickColour() {
    POINT cursor;
    GetCursorPos(&cursor);
    COLORREF colour = CLR_INVALID;
    if (HWND bar = m_colourBar.GetWindow(); bar != nullptr) {
        POINT inBar = cursor;
        ScreenToClient(bar, &inBar);
        HDC dc = ::GetDC(bar);
        colour = GetPixel(dc, inBar.x, inBar.y);
        ReleaseDC(bar, dc);
    }
    if (colour == CLR_INVALID) {
        HDC screen = ::GetDC(nullptr);
        colour = GetPixel(screen, cursor.x, cursor.y);
        ReleaseDC(nullptr, screen);
    }
    if (!StorePickedColour(m_session.Settings(), m_session.GetToolNumber(), colour,
                           m_commandParameter == 1)) {
        Beep();
        return;
    }
    Repaint();
}

void EditWindow::CreateConfirmButtons() {
    static const wchar_t* const kNames[2] = {L"Yes", L"No"};
    const uint32_t ids[2] = {edit_cmd::kConfirmYes, edit_cmd::kConfirmNo};
    for (int i = 0; i < 2; ++i) {
        wchar_t text[kLanguageTextChars] = L"";
        GetLanguageMessage(m_app.language.Handle(), text, kLanguageTextChars, kNames[i], kNames[i]);
        m_confirmButtons[i] = CreateWindowExW(
            0, L"BUTTON", text, WS_CHILD | BS_PUSHBUTTON, 0, 0, kConfirmButtonWidth,
            kConfirmButtonHeight, m_window, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ids[i])),
            m_app.instance, nullptr);
        if (m_confirmButtons[i] != nullptr) {
            SendMessageW(m_confirmButtons[i], WM_SETFONT,
                         reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        }
    }
    m_confirmShown = false;
}

void EditWindow::DestroyConfirmButtons() {
    for (HWND& button : m_confirmButtons) {
        if (button != nullptr) {
            DestroyWindow(button);
            button = nullptr;
        }
    }
    m_confirmShown = false;
}

// "Yes" and "No" side by side, centred 4 pixels under a shape that waits for them.
void EditWindow::PlaceConfirmButtons() {
    const EditTool* tool = m_session.GetTool();
    const bool show = tool != nullptr && tool->IsAwaitingConfirm() && !tool->UsesTextControls() &&
                      m_session.Selection().Exists();
    if (!show) {
        if (m_confirmShown) {
            for (HWND button : m_confirmButtons) {
                ShowWindow(button, SW_HIDE);
            }
            m_confirmShown = false;
        }
        return;
    }
    const ZRect frame = FrameWindowRect(m_session);
    if (m_confirmShown && frame == m_confirmFrame) {
        return;
    }
    const int32_t centre = frame.left + frame.Width() / 2;
    const int32_t top = frame.bottom + 4;
    const int32_t lefts[2] = {centre - kConfirmButtonWidth, centre};
    for (int i = 0; i < 2; ++i) {
        SetWindowPos(m_confirmButtons[i], HWND_TOP, lefts[i], top, kConfirmButtonWidth,
                     kConfirmButtonHeight, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    }
    m_confirmFrame = frame;
    m_confirmShown = true;
}

// The text tools' editor and controls over and under the frame while a text waits.
void EditWindow::PlaceTextControls() {
    if (m_textControls.IsOpen() && m_session.Selection().Exists()) {
        m_textControls.Place(FrameWindowRect(m_session));
    }
}

bool EditWindow::OpenTextEditor(bool callout) {
    const bool open =
        m_textControls.Open(m_window, callout, [this](const wchar_t* text) { ShowError(text); });
    if (open) {
        // From now on the frame is drawn in the skin's text colour.
        m_frameColour = m_app.skinFound ? m_app.skin.GetColor(L"MainStaticTextColor") : 0;
        Repaint();
    }
    return open;
}

void EditWindow::CloseTextEditor() {
    const bool hadKeys = m_textControls.IsOpen();
    m_textControls.Close();
    if (hadKeys && IsWindowVisible(m_window)) {
        SetFocus(m_window);
    }
    Repaint();
}

bool EditWindow::ReadTextEditor(TypedText& typed) {
    return m_textControls.Read(typed);
}

void EditWindow::ExcludeButtons(HDC dc, const HWND* buttons, int count, bool shown) const {
    for (int i = 0; shown && i < count; ++i) {
        RECT r;
        if (buttons[i] != nullptr && GetWindowRect(buttons[i], &r)) {
            MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&r), 2);
            ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
        }
    }
}

void EditWindow::CreateSelectionButtons() {
    static const wchar_t* const kNames[4][2] = {{L"SelectCrop", L"Crop"},
                                                {L"SelectPixelize", L"Pixelize"},
                                                {L"SelectZoom", L"Zoom"},
                                                {L"SelectMore", L"More..."}};
    const uint32_t ids[4] = {edit_cmd::kCrop, edit_cmd::kPixelize, edit_cmd::kZoomSelection,
                             kSelectMore};
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        m_selectionFont = CreateFontIndirectW(&metrics.lfMenuFont);
    }
    for (int i = 0; i < 4; ++i) {
        wchar_t text[kLanguageTextChars] = L"";
        GetLanguageText(m_app.language.Handle(), text, kLanguageTextChars, L"MouseTools",
                        kNames[i][0], kNames[i][1]);
        m_selectionButtons[i] = CreateWindowExW(
            0, L"BUTTON", text, WS_CHILD | BS_PUSHBUTTON, 0, 0, kSelectionButtonMinWidth,
            kSelectionButtonHeight, m_window,
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ids[i])), m_app.instance, nullptr);
        if (m_selectionButtons[i] != nullptr) {
            HGDIOBJ font = m_selectionFont != nullptr ? static_cast<HGDIOBJ>(m_selectionFont)
                                                      : GetStockObject(DEFAULT_GUI_FONT);
            SendMessageW(m_selectionButtons[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        }
    }
    // Every text must fit its button, however small the frame.
    m_selectionTextWidth = 0;
    if (HDC dc = ::GetDC(m_window); dc != nullptr) {
        HGDIOBJ previous =
            SelectObject(dc, m_selectionFont != nullptr ? static_cast<HGDIOBJ>(m_selectionFont)
                                                        : GetStockObject(DEFAULT_GUI_FONT));
        for (HWND button : m_selectionButtons) {
            wchar_t text[kLanguageTextChars] = L"";
            SIZE extent{};
            const int length =
                button != nullptr ? GetWindowTextW(button, text, kLanguageTextChars) : 0;
            if (length > 0 && GetTextExtentPoint32W(dc, text, length, &extent)) {
                m_selectionTextWidth = std::max<int32_t>(m_selectionTextWidth, extent.cx + 12);
            }
        }
        SelectObject(dc, previous);
        ReleaseDC(m_window, dc);
    }
    m_selectionShown = false;
}

void EditWindow::DestroySelectionButtons() {
    for (HWND& button : m_selectionButtons) {
        if (button != nullptr) {
            DestroyWindow(button);
            button = nullptr;
        }
    }
    if (m_selectionFont != nullptr) {
        DeleteObject(m_selectionFont);
        m_selectionFont = nullptr;
    }
    m_selectionShown = false;
}

// The four buttons under the Select tool's frame, while there is one.
void EditWindow::PlaceSelectionButtons() {
    const bool show = m_session.GetToolNumber() == ToolNumber::Select &&
                      m_session.Selection().Exists() && !m_session.Selection().IsDragging();
    if (!show) {
        if (m_selectionShown) {
            for (HWND button : m_selectionButtons) {
                ShowWindow(button, SW_HIDE);
            }
            m_selectionShown = false;
        }
        return;
    }
    const ZRect frame = FrameWindowRect(m_session);
    if (m_selectionShown && frame == m_selectionFrame) {
        return;
    }
    const auto rects = SelectionButtonRects(frame, m_selectionTextWidth);
    for (size_t i = 0; i < rects.size(); ++i) {
        const ZRect& r = rects[i];
        SetWindowPos(m_selectionButtons[i], HWND_TOP, r.left, r.top, r.Width(), r.Height(),
                     SWP_SHOWWINDOW | SWP_NOACTIVATE);
    }
    m_selectionFrame = frame;
    m_selectionShown = true;
}

// The selection menu at the lower left corner of "More..."; Paste is greyed without a picture
// on the clipboard.
void EditWindow::ShowSelectionMenu() {
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr) {
        Beep();
        return;
    }
    for (const MenuEntry& entry : kSelectionMenu) {
        if (entry.command == 0) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        AppendMenuW(menu, MF_STRING, entry.command, entry.text);
        SetMenuItemFromLanguage(m_app.language.Handle(), menu, entry.name, entry.command);
    }
    EnableMenuItem(menu, edit_cmd::kMenuPaste,
                   MF_BYCOMMAND | (ClipboardHasPicture() ? MF_ENABLED : MF_GRAYED));
    if (m_app.menuSkin.IsActive()) {
        MakeMenuOwnerDrawn(menu);
    }
    RECT more{};
    GetWindowRect(m_selectionButtons[3], &more);
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_LEFTALIGN,
                       more.left, more.bottom, 0, m_window, nullptr));
    DestroyMenu(menu);
    if (chosen != 0) {
        m_session.RunCommand(chosen);
    }
    Repaint();
}

void EditWindow::LoadCursors() {
    static_assert(sizeof(m_cursors) / sizeof(m_cursors[0]) == kCursorCount);
    static const LPCWSTR kSystem[] = {IDC_ARROW,  IDC_CROSS,    IDC_SIZEALL, IDC_SIZENS,
                                      IDC_SIZEWE, IDC_SIZENWSE, IDC_SIZENESW};
    for (int i = 0; i < 7; ++i) {
        m_cursors[i] = LoadCursorW(nullptr, kSystem[i]);
    }
    m_cursors[kHand] = LoadCursorW(m_app.instance, MAKEINTRESOURCEW(IDR_CURSOR_HAND));
    m_cursors[kGrab] = LoadCursorW(m_app.instance, MAKEINTRESOURCEW(IDR_CURSOR_GRAB));
    m_cursors[kPencil] = LoadCursorW(m_app.instance, MAKEINTRESOURCEW(IDR_CURSOR_PENCIL));
    m_cursors[kMarker] = LoadCursorW(m_app.instance, MAKEINTRESOURCEW(IDR_CURSOR_MARKER));
    m_cursors[kRubber] = LoadCursorW(m_app.instance, MAKEINTRESOURCEW(IDR_CURSOR_RUBBER));
    for (HCURSOR& cursor : m_cursors) {
        if (cursor == nullptr) {
            cursor = m_cursors[kArrow];
        }
    }
    m_cursor = m_cursors[kArrow];
}

void EditWindow::MakeInfoFont() {
    if (m_infoFont != nullptr) {
        DeleteObject(m_infoFont);
        m_infoFont = nullptr;
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    LOGFONTW font{};
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        font = metrics.lfSmCaptionFont;
    } else {
        std::wcscpy(font.lfFaceName, L"Tahoma");
    }
    font.lfHeight = 32;
    font.lfWidth = 0;
    font.lfWeight = FW_BOLD;
    font.lfItalic = TRUE;
    font.lfQuality = ANTIALIASED_QUALITY;
    m_infoFont = CreateFontIndirectW(&font);
}

ZRect EditWindow::ScrollButtonsRect() const {
    const int32_t w = m_scrollButtons.GetFrameWidth();
    const int32_t h = m_scrollButtons.GetFrameHeight();
    return ZRect{m_screenWidth - w, m_screenHeight - h, m_screenWidth, m_screenHeight};
}

ZRect EditWindow::PrevNextRect() const {
    const int32_t h = m_prevNextButtons.GetFrameHeight();
    return ZRect{0, m_screenHeight - h, m_prevNextButtons.GetFrameWidth(), m_screenHeight};
}

void EditWindow::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_window, &paint);
    if (m_session.IsActive() && m_backBuffer.IsValid()) {
        m_backBuffer.FlushDrawing();
        EditPaintScene scene;
        scene.background = m_background.IsValid() ? &m_background : nullptr;
        scene.image = m_session.HasPicture() ? &m_session.GetPicture() : nullptr;
        scene.view = &m_session.View();
        scene.cache = &m_session.Cache();
        scene.frame = m_session.Canvas().IsActive() ? m_session.Canvas().GetFrame()
                                                    : m_session.View().GetImageRect();
        scene.drawFrame = m_session.HasPicture();
        scene.frameColour = m_frameColour;
        scene.scrollButtons = &m_scrollButtons;
        scene.scrollHover = m_scrollHover;
        scene.prevNextButtons = &m_prevNextButtons;
        scene.prevNextHover = m_prevNextHover;
        PaintEditScene(m_backBuffer, scene);
        if (m_session.GetTool() != nullptr) {
            m_session.GetTool()->DrawLive(m_session, m_backBuffer);
        }
        DrawCaptureText(m_backBuffer.GetDC());
        PlaceConfirmButtons();
        PlaceSelectionButtons();
        PlaceTextControls();
        // The buttons paint themselves; the copy leaves them alone.
        ExcludeButtons(dc, m_confirmButtons, 2, m_confirmShown);
        ExcludeButtons(dc, m_selectionButtons, 4, m_selectionShown);
        m_textControls.ExcludeFrom(dc);
        m_backBuffer.Draw(dc, 0, 0, SRCCOPY);
    }
    EndPaint(m_window, &paint);
}

void EditWindow::DrawCaptureText(HDC dc) {
    const CaptureList& list = m_session.Captures();
    std::wstring path;
    if (!list.GetPath(list.GetCurrent(), path)) {
        return;
    }
    const int32_t w =
        m_session.HasPicture() ? static_cast<int32_t>(m_session.GetPicture().GetWidth()) : 0;
    const int32_t h =
        m_session.HasPicture() ? static_cast<int32_t>(m_session.GetPicture().GetHeight()) : 0;
    const std::wstring text =
        FormatCaptureCaption(path, w, h, list.GetCurrent() + 1, list.GetCount());
    HGDIOBJ oldFont =
        SelectObject(dc, m_infoFont != nullptr ? m_infoFont : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, m_infoColour);
    RECT rect{m_prevNextButtons.GetFrameWidth(), m_screenHeight - (2 * metrics.tmHeight + 40),
              m_screenWidth - m_scrollButtons.GetFrameWidth(), m_screenHeight};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CENTER | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    GdiFlush();
}

ToolPointer EditWindow::MakePointer(int32_t x, int32_t y) {
    ToolPointer pointer;
    pointer.window = ZPoint{x, y};
    pointer.pixel = m_session.View().WindowToImage(x, y);
    pointer.dx = x - m_lastMouse.x;
    pointer.dy = y - m_lastMouse.y;
    m_lastMouse = ZPoint{x, y};
    return pointer;
}

void EditWindow::StartDrag(Drag drag, bool confine) {
    m_drag = drag;
    SetCapture(m_window);
    if (confine) {
        RECT client;
        GetClientRect(m_window, &client);
        MapWindowPoints(m_window, nullptr, reinterpret_cast<POINT*>(&client), 2);
        ClipCursor(&client);
    }
}

void EditWindow::EndDrag() {
    if (m_drag == Drag::None) {
        return;
    }
    m_drag = Drag::None;
    ClipCursor(nullptr);
    if (GetCapture() == m_window) {
        ReleaseCapture();
    }
}

void EditWindow::OnCaptureLost() {
    if (m_drag == Drag::Tool && m_session.GetTool() != nullptr) {
        m_session.GetTool()->Cancel(m_session);
    } else if (m_drag == Drag::Canvas) {
        m_session.Canvas().Cancel();
    }
    if (m_drag != Drag::None) {
        m_drag = Drag::None;
        ClipCursor(nullptr);
        Repaint();
    }
}

void EditWindow::OnMouseDown(int32_t x, int32_t y) {
    if (!m_session.IsActive()) {
        return;
    }
    m_lastMouse = ZPoint{x, y};
    UpdateHover(x, y);
    if (m_scrollButtons.IsLoaded() && ScrollButtonsRect().Contains(x, y)) {
        return;
    }
    if (m_prevNextHover != 0) {
        m_session.Step(m_prevNextHover == 1 ? -1 : 1);
        return;
    }
    if (m_session.HasPicture()) {
        const uint32_t edges = HitTestCanvasBorder(m_session.View().GetImageRect(), x, y);
        if (edges != kEdgeNone) {
            m_session.Canvas().Begin(m_session.View().GetImageRect(), edges, x, y);
            m_cursor = m_cursors[CursorIndexForEdges(edges)];
            SetCursor(m_cursor);
            StartDrag(Drag::Canvas, true);
            return;
        }
    }
    EditTool* tool = m_session.GetTool();
    if (tool != nullptr && tool->Press(m_session, MakePointer(x, y))) {
        StartDrag(Drag::Tool, tool->ConfinesCursor());
        SetCursorFor(x, y);
    }
}

void EditWindow::OnMouseMove(int32_t x, int32_t y) {
    if (!m_session.IsActive()) {
        return;
    }
    UpdateHover(x, y);
    if (m_drag == Drag::Canvas) {
        if (m_session.Canvas().MoveTo(x, y)) {
            Repaint();
        }
        m_lastMouse = ZPoint{x, y};
        return;
    }
    if (m_drag == Drag::Tool && m_session.GetTool() != nullptr) {
        m_session.GetTool()->Move(m_session, MakePointer(x, y));
        return;
    }
    m_lastMouse = ZPoint{x, y};
    SetCursorFor(x, y);
}

void EditWindow::OnMouseUp(int32_t x, int32_t y) {
    if (!m_session.IsActive()) {
        return;
    }
    const Drag drag = m_drag;
    EndDrag();
    if (drag == Drag::Canvas) {
        const CanvasChange change = m_session.Canvas().Finish(
            m_session.View().GetZoom(), static_cast<int32_t>(m_session.GetPicture().GetWidth()),
            static_cast<int32_t>(m_session.GetPicture().GetHeight()));
        if (change.changed) {
            m_session.ResizeCanvas(change.width, change.height, change.anchor);
        }
        Repaint();
    } else if (drag == Drag::Tool && m_session.GetTool() != nullptr) {
        m_session.GetTool()->Release(m_session, MakePointer(x, y));
        if (m_textControls.IsOpen()) {
            m_textControls.FocusEditor();  // typing goes on after the frame moved
        }
    }
    SetCursorFor(x, y);
}

void EditWindow::SetCursorFor(int32_t x, int32_t y) {
    int index = kArrow;
    if (m_scrollButtons.IsLoaded() && ScrollButtonsRect().Contains(x, y)) {
        index = kArrow;
    } else if (m_prevNextHover != 0) {
        index = kArrow;
    } else if (m_session.HasPicture() && m_drag != Drag::Tool &&
               HitTestCanvasBorder(m_session.View().GetImageRect(), x, y) != kEdgeNone) {
        index = CursorIndexForEdges(HitTestCanvasBorder(m_session.View().GetImageRect(), x, y));
    } else if (m_session.GetTool() != nullptr) {
        ToolPointer pointer;
        pointer.window = ZPoint{x, y};
        pointer.pixel = m_session.View().WindowToImage(x, y);
        index =
            CursorIndexFor(m_session.GetTool()->CursorAt(m_session, pointer, m_drag == Drag::Tool));
    }
    m_cursor = m_cursors[index];
    SetCursor(m_cursor);
}

bool EditWindow::OnSetCursor() {
    if (!m_session.IsActive() || m_cursor == nullptr) {
        return false;
    }
    SetCursor(m_cursor);
    return true;
}

void EditWindow::UpdateHover(int32_t x, int32_t y) {
    int32_t scroll = 0;
    if (m_scrollButtons.IsLoaded() && ScrollButtonsRect().Contains(x, y)) {
        const ZRect r = ScrollButtonsRect();
        scroll = m_scrollButtons.HitTest(x - r.left, y - r.top);
    }
    int32_t prevNext = 0;
    if (m_prevNextButtons.IsLoaded() && PrevNextRect().Contains(x, y)) {
        const ZRect r = PrevNextRect();
        prevNext = m_prevNextButtons.HitTest(x - r.left, y - r.top);
    }
    if (scroll != m_scrollHover || prevNext != m_prevNextHover) {
        m_scrollHover = scroll;
        m_prevNextHover = prevNext;
        Repaint();
    }
    if (m_scrollHover != 0 && !m_timerRunning) {
        m_timerRunning = SetTimer(m_window, kTimerEditScroll, kTimerEditScrollMs, nullptr) != 0;
    } else if (m_scrollHover == 0 && m_timerRunning) {
        KillTimer(m_window, kTimerEditScroll);
        m_timerRunning = false;
    }
}

void EditWindow::OnTimer() {
    if (!m_session.IsActive()) {
        KillTimer(m_window, kTimerEditScroll);
        m_timerRunning = false;
        return;
    }
    // The cursor may have left the window (onto a bar) without a mouse move reaching it.
    POINT cursor;
    GetCursorPos(&cursor);
    if (WindowFromPoint(cursor) != m_window) {
        cursor.x = cursor.y = -1;
    } else {
        ScreenToClient(m_window, &cursor);
    }
    UpdateHover(cursor.x, cursor.y);
    if (m_scrollHover == 0) {
        return;
    }
    const int32_t step =
        (GetAsyncKeyState(VK_LBUTTON) & 0x8000) ? kArrowPanStepFast : kArrowPanStep;
    static constexpr int32_t kDx[5] = {0, 0, 0, 1, -1};
    static constexpr int32_t kDy[5] = {0, 1, -1, 0, 0};
    m_session.Pan(kDx[m_scrollHover] * step, kDy[m_scrollHover] * step);
}

bool EditWindow::OnKeyDown(WPARAM key) {
    if (!m_session.IsActive()) {
        return false;
    }
    int arrow;
    switch (key) {
        case VK_LEFT:
            arrow = 0;
            break;
        case VK_UP:
            arrow = 1;
            break;
        case VK_RIGHT:
            arrow = 2;
            break;
        case VK_DOWN:
            arrow = 3;
            break;
        default:
            return false;
    }
    m_session.ArrowKey(arrow, (GetKeyState(VK_CONTROL) & 0x8000) != 0,
                       (GetKeyState(VK_SHIFT) & 0x8000) != 0);
    return true;
}

void EditWindow::OnMouseWheel(int32_t delta, WPARAM keys) {
    if (m_session.IsActive()) {
        m_session.Wheel(delta, (keys & MK_SHIFT) != 0);
    }
}

void EditWindow::OnDisplayChange() {
    if (!m_session.IsActive()) {
        return;
    }
    PlaceWindow();
    MakeScreenPictures();
    m_session.SetScreenSize(m_screenWidth, m_screenHeight);
    for (CButtonBar* bar : {&m_actionBar, &m_imageBar, &m_toolBar}) {
        if (bar->IsCreated()) {
            bar->Reposition();
        }
    }
    Repaint();
}

void EditWindow::RefreshLook() {
    if (!m_session.IsActive()) {
        return;
    }
    MakeScreenPictures();
    CreateBars();
    Repaint();
}

bool EditWindow::OnCommand(uint32_t id) {
    if (m_session.IsActive() && id == edit_cmd::kPickColour) {
        PickColour();
        return true;
    }
    if (m_session.IsActive() && m_textControls.OnCommand(id)) {
        Repaint();
        return true;
    }
    const bool more = m_session.IsActive() && id == kSelectMore;
    if (!more && (!m_session.IsActive() || !m_session.HasCommand(id))) {
        return false;
    }
    if (more) {
        ShowSelectionMenu();
    } else {
        m_session.RunCommand(id);
    }
    // A click on a button under the frame leaves the keys with the Edit Mode.
    if (GetFocus() != m_window && IsWindowVisible(m_window)) {
        SetFocus(m_window);
    }
    return true;
}

void EditWindow::Beep() {
    ::Beep(200, 100);
}

void EditWindow::ShowError(const wchar_t* text) {
    ShortcutsOff off(m_app.editShortcuts);
    if (!ShowOkBox(m_app.ui, m_window, L"%ls", text)) {
        MessageBoxW(m_window, text, L"Zentrova Clarivue 2.1", MB_OK | MB_ICONINFORMATION);
    }
}

bool EditWindow::ChooseSaveAsPath(const std::wstring& capturePath, int32_t& filterIndex,
                                  std::wstring& chosen) {
    ShortcutsOff off(m_app.editShortcuts);
    return RunSaveAsDialog(m_window, capturePath, filterIndex, chosen);
}

bool EditWindow::AskYesNo(const wchar_t* text) {
    ShortcutsOff off(m_app.editShortcuts);
    return ShowYesNoBox(m_app.ui, m_window, kOkBoxCaption, text);
}

bool EditWindow::CopyToClipboard(const ZImage& picture) {
    return PutPictureOnClipboard(m_window, picture);
}

std::wstring EditWindow::LanguageText(const wchar_t* section, const wchar_t* name,
                                      const wchar_t* builtIn) {
    wchar_t text[kLanguageTextChars] = L"";
    GetLanguageText(m_app.language.Handle(), text, kLanguageTextChars, section, name, builtIn);
    return text;
}

bool EditWindow::RunModal(const std::function<bool()>& dialog) {
    ShortcutsOff off(m_app.editShortcuts);
    const bool enabled = IsWindowEnabled(m_window) != FALSE;
    if (enabled) {
        EnableWindow(m_window, FALSE);
    }
    const bool done = dialog();
    if (enabled) {
        EnableWindow(m_window, TRUE);
        SetFocus(m_window);
    }
    return done;
}

bool EditWindow::AskCaptureName(const std::wstring& name,
                                const std::function<bool(const std::wstring&)>& attempt) {
    return RunModal([&] { return RunRenameDialog(m_app.ui, m_window, name, attempt); });
}

bool EditWindow::AskResize(const ResizeChoice& start,
                           const std::function<bool(const ResizeChoice&)>& attempt) {
    return RunModal([&] { return RunResizeDialog(m_app.ui, m_window, start, attempt); });
}

bool EditWindow::AskCanvas(CanvasChoice& choice) {
    return RunModal([&] { return RunCanvasDialog(m_app.ui, m_window, choice); });
}

EditHost::ClipboardRead EditWindow::PasteFromClipboard(ZImage& picture) {
    bool busy = false;
    if (TakePictureFromClipboard(m_window, picture, busy)) {
        return ClipboardRead::Picture;
    }
    return busy ? ClipboardRead::Busy : ClipboardRead::NoPicture;
}

void EditWindow::RequestLeave() {
    PostMessageW(m_window, WM_COMMAND, kCmdLeaveEditMode, 0);
}

void EditWindow::Repaint() {
    if (m_window != nullptr && m_session.IsActive()) {
        InvalidateRect(m_window, nullptr, FALSE);
    }
}

void EditWindow::OpenHelp(const wchar_t* topic) {
    if (m_openHelp) {
        m_openHelp(topic);
    }
}

void EditWindow::OpenToolSettings() {
    if (m_openToolSettings) {
        m_openToolSettings();
    }
}

void EditWindow::ReselectTool() {
    if (m_session.IsActive()) {
        m_session.ReselectTool();
    }
}

}  // namespace zentrova
