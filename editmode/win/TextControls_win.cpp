#include "editmode/win/TextControls_win.h"

#include <commdlg.h>

#include <algorithm>
#include <cwchar>
#include <functional>
#include <string>

#include "core/win/Application.h"
#include "editmode/EditCommands.h"
#include "editmode/colorpicker/ColorPicker.h"
#include "editmode/tools/TextGeometry.h"
#include "editmode/tools/ToolSettings.h"
#include "editmode/tools/ToolText.h"
#include "lang/LanguageKeys.h"
#include "lang/TextLookup.h"
#include "lang/TextLookupWin.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kClassName = L"DrawTextEditClass";
// The see-through background of the editor, and the one used when the text has that colour.
constexpr COLORREF kEditorKeyColour = RGB(254, 0, 254);
constexpr COLORREF kEditorOtherKeyColour = RGB(0, 254, 254);
constexpr int kEditId = 1000;
// The controls' own commands (in the main window's command range, which routes them here).
constexpr uint32_t kChooseFont = 40103;
constexpr uint32_t kTextColour = 40104;
constexpr uint32_t kAlignment = 40105;
constexpr uint32_t kDrawShadow = 40111;
constexpr uint32_t kShadowColour = 40112;
constexpr int kComboDropHeight = 120;

struct OptionDefinition {
    const wchar_t* className;
    DWORD style;
    uint32_t id;
    const wchar_t* name;  // the text's name in "MouseTools" (null: a "Messages" text)
    const wchar_t* message;
};
constexpr OptionDefinition kOptions[7] = {
    {L"BUTTON", BS_PUSHBUTTON, kChooseFont, L"ChooseFont", nullptr},
    {L"BUTTON", BS_PUSHBUTTON, kTextColour, L"TextColor", nullptr},
    {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, kAlignment, nullptr, nullptr},
    {L"BUTTON", BS_AUTOCHECKBOX, kDrawShadow, L"DrawShadow", nullptr},
    {L"BUTTON", BS_PUSHBUTTON, kShadowColour, L"ShadowColor", nullptr},
    {L"BUTTON", BS_PUSHBUTTON, edit_cmd::kConfirmYes, nullptr, L"Yes"},
    {L"BUTTON", BS_PUSHBUTTON, edit_cmd::kConfirmNo, nullptr, L"No"},
};

bool RegisterBackClass(HINSTANCE instance, WNDPROC proc) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, kClassName, &existing)) {
        return true;
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
}

LOGFONTW MakeLogFont(const ToolFont& f) {
    LOGFONTW lf{};
    lf.lfHeight = f.height;
    lf.lfWidth = f.width;
    lf.lfEscapement = f.escapement;
    lf.lfOrientation = f.orientation;
    lf.lfWeight = f.weight;
    lf.lfItalic = f.italic;
    lf.lfUnderline = f.underline;
    lf.lfStrikeOut = f.strikeOut;
    lf.lfCharSet = f.charSet;
    lf.lfOutPrecision = f.outPrecision;
    lf.lfClipPrecision = f.clipPrecision;
    lf.lfPitchAndFamily = f.pitchAndFamily;
    wcsncpy(lf.lfFaceName, f.faceName.c_str(), LF_FACESIZE - 1);
    return lf;
}

}  // namespace

bool CTextControls::Open(HWND owner, bool callout, const ErrorSink& showError) {
    if (IsOpen()) {
        return true;
    }
    m_owner = owner;
    m_callout = callout;
    if (!RegisterBackClass(m_app.instance, &CTextControls::BackProc)) {
        showError(L"RegisterClass failed!");
        return false;
    }
    m_back = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 10,
                             10, owner, nullptr, m_app.instance, this);
    if (m_back == nullptr) {
        showError(L"No m_hwndDrawTextEditBack!");
        return false;
    }
    if (!MakeEdit(L"ABC Text", TextAlignment(m_app.settings))) {
        showError(L"No m_hwndDrawTextEdit!");
        Close();
        return false;
    }
    MakeEditorFont();

    const ZtvLangManHandle lang = m_app.language.Handle();
    HGDIOBJ guiFont = GetStockObject(DEFAULT_GUI_FONT);
    m_minColumn = 0;
    HDC dc = ::GetDC(owner);
    HGDIOBJ previous = dc != nullptr ? SelectObject(dc, guiFont) : nullptr;
    for (int i = 0; i < 7; ++i) {
        const OptionDefinition& d = kOptions[i];
        wchar_t text[kLanguageTextChars] = L"";
        if (d.name != nullptr) {
            GetLanguageText(lang, text, kLanguageTextChars, L"MouseTools", d.name,
                            lang::BuiltInText(L"MouseTools", d.name));
        } else if (d.message != nullptr) {
            GetLanguageMessage(lang, text, kLanguageTextChars, d.message, d.message);
        }
        m_options[i] = CreateWindowExW(
            0, d.className, text, WS_CHILD | WS_TABSTOP | d.style, 0, 0, 10, 10, owner,
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(d.id)), m_app.instance, nullptr);
        if (m_options[i] == nullptr) {
            continue;
        }
        SendMessageW(m_options[i], WM_SETFONT, reinterpret_cast<WPARAM>(guiFont), FALSE);
        SIZE extent{};
        const int length = static_cast<int>(std::wcslen(text));
        if (dc != nullptr && i < 5 && length > 0 &&
            GetTextExtentPoint32W(dc, text, length, &extent)) {
            m_minColumn = std::max<int32_t>(m_minColumn, extent.cx + 24);  // the box or margins
        }
    }
    if (dc != nullptr) {
        SelectObject(dc, previous);
        ReleaseDC(owner, dc);
    }
    FillComboFromLanguage(lang, m_options[2], L"MouseTools", L"TextAlignCBX",
                          TextAlignment(m_app.settings),
                          lang::BuiltInText(L"MouseTools", L"TextAlignCBX"));
    const bool shadow = m_app.settings.MToolsShadowEnabled != 0;
    SendMessageW(m_options[3], BM_SETCHECK, shadow ? BST_CHECKED : BST_UNCHECKED, 0);
    EnableWindow(m_options[4], shadow ? TRUE : FALSE);
    m_shown = false;
    m_placed = ZRect{};
    return true;
}

void CTextControls::Close() {
    if (m_shortcutsTaken) {
        m_app.editShortcuts = true;
        m_shortcutsTaken = false;
    }
    for (HWND& option : m_options) {
        if (option != nullptr) {
            DestroyWindow(option);
            option = nullptr;
        }
    }
    if (m_back != nullptr) {
        HWND back = m_back;
        m_back = nullptr;
        m_edit = nullptr;
        DestroyWindow(back);
    }
    // Destroying the editor may have reported its focus leaving: the shortcuts are back.
    if (m_shortcutsTaken) {
        m_app.editShortcuts = true;
        m_shortcutsTaken = false;
    }
    if (m_editFont != nullptr) {
        DeleteObject(m_editFont);
        m_editFont = nullptr;
    }
    if (m_keyBrush != nullptr) {
        DeleteObject(m_keyBrush);
        m_keyBrush = nullptr;
    }
    m_shown = false;
}

// The font at its screen size, not antialiased: smoothed edges would mix with the key colour.
void CTextControls::MakeEditorFont() {
    const SettingsRecord& s = m_app.settings;
    const ToolFont font = ReadTextFont(s, TextScreenHeight(s));
    std::hash<std::wstring> hashText;
    const uint64_t key =
        hashText(font.faceName) ^ (uint64_t{static_cast<uint32_t>(font.height)} << 1) ^
        (uint64_t{static_cast<uint32_t>(font.weight)} << 20) ^ (uint64_t{font.italic} << 40) ^
        (uint64_t{font.underline} << 41) ^ (uint64_t{font.strikeOut} << 42) ^
        (uint64_t{font.charSet} << 43) ^ (uint64_t{AsColour(s.MToolsDrawTextFontColor)} << 24);
    if (m_editFont != nullptr && key == m_fontKey) {
        if (SendMessageW(m_edit, WM_GETFONT, 0, 0) != reinterpret_cast<LRESULT>(m_editFont)) {
            SendMessageW(m_edit, WM_SETFONT, reinterpret_cast<WPARAM>(m_editFont), TRUE);
        }
        return;
    }
    UseKeyColour(AsColour(s.MToolsDrawTextFontColor) == kEditorKeyColour ? kEditorOtherKeyColour
                                                                         : kEditorKeyColour);
    LOGFONTW lf = MakeLogFont(font);
    lf.lfQuality = NONANTIALIASED_QUALITY;
    HFONT made = CreateFontIndirectW(&lf);
    if (made == nullptr) {
        return;
    }
    SendMessageW(m_edit, WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
    if (m_editFont != nullptr) {
        DeleteObject(m_editFont);
    }
    m_editFont = made;
    m_fontKey = key;
    InvalidateRect(m_edit, nullptr, TRUE);
}

void CTextControls::Place(const ZRect& frame) {
    if (!IsOpen()) {
        return;
    }
    MakeEditorFont();
    if (m_shown && frame == m_placed) {
        return;
    }
    const TextControlsLayout l = LayOutTextControls(frame, m_callout, m_minColumn);
    POINT origin{l.editor.left, l.editor.top};
    ClientToScreen(m_owner, &origin);
    SetWindowPos(m_back, HWND_TOP, origin.x, origin.y, l.editor.Width(), l.editor.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    MoveWindow(m_edit, 0, 0, l.editor.Width(), l.editor.Height(), TRUE);
    const ZRect rects[7] = {l.chooseFont,   l.textColour, l.alignment, l.drawShadow,
                            l.shadowColour, l.yes,        l.no};
    for (int i = 0; i < 7; ++i) {
        const int height = i == 2 ? kComboDropHeight : rects[i].Height();
        SetWindowPos(m_options[i], HWND_TOP, rects[i].left, rects[i].top, rects[i].Width(), height,
                     SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    if (!m_shown) {
        SendMessageW(m_edit, EM_SETSEL, 0, -1);
        FocusEditor();
    }
    m_placed = frame;
    m_shown = true;
}

void CTextControls::FocusEditor() {
    if (m_edit != nullptr) {
        SetFocus(m_edit);
    }
}

bool CTextControls::Read(EditHost::TypedText& typed) const {
    if (!IsOpen()) {
        return false;
    }
    std::wstring text(kTextMaxChars + 1, L'\0');
    const int length = GetWindowTextW(m_edit, text.data(), kTextMaxChars + 1);
    text.resize(static_cast<size_t>(std::clamp(length, 0, kTextMaxChars)));
    typed.text = text;
    RECT client{};
    GetClientRect(m_edit, &client);
    MapWindowPoints(m_edit, m_owner, reinterpret_cast<POINT*>(&client), 2);
    typed.rect = ZRect{client.left, client.top, client.right, client.bottom};
    const LRESULT chosen = SendMessageW(m_options[2], CB_GETCURSEL, 0, 0);
    typed.alignment =
        chosen >= 0 && chosen <= 2 ? static_cast<int32_t>(chosen) : TextAlignment(m_app.settings);
    return true;
}

bool CTextControls::OnCommand(uint32_t id) {
    if (!IsOpen()) {
        return false;
    }
    switch (id) {
        case kChooseFont:
            ChooseTextFont();
            break;
        case kTextColour:
            ChooseColour(m_app.settings.MToolsDrawTextFontColor);
            break;
        case kShadowColour:
            ChooseColour(m_app.settings.MToolsShadowColor);
            break;
        case kDrawShadow: {
            const bool on = SendMessageW(m_options[3], BM_GETCHECK, 0, 0) == BST_CHECKED;
            m_app.settings.MToolsShadowEnabled = on ? 1 : 0;
            EnableWindow(m_options[4], on ? TRUE : FALSE);
            return true;  // the check box keeps the keys until the user clicks into the text
        }
        case kAlignment:
            ShowAlignment();
            return true;  // read at the commit
        default:
            return false;
    }
    FocusEditor();
    return true;
}

// The edit control with the text, aligned as the list says (as the commit will draw it), in the
// editor's font and place.
bool CTextControls::MakeEdit(const wchar_t* text, int32_t alignment) {
    static constexpr DWORD kStyles[3] = {ES_LEFT, ES_CENTER, ES_RIGHT};
    RECT place{0, 0, 10, 10};
    GetClientRect(m_back, &place);
    HWND edit = CreateWindowExW(0, L"EDIT", text,
                                WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL |
                                    ES_WANTRETURN | kStyles[std::clamp(alignment, 0, 2)],
                                0, 0, place.right, place.bottom, m_back,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kEditId)),
                                m_app.instance, nullptr);
    if (edit == nullptr) {
        return false;
    }
    SendMessageW(edit, EM_SETLIMITTEXT, kTextMaxChars, 0);
    if (m_editFont != nullptr) {
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(m_editFont), FALSE);
    }
    if (m_edit != nullptr) {
        DestroyWindow(m_edit);
    }
    m_edit = edit;
    m_editAlignment = alignment;
    MakeEditorFont();
    return true;
}

// The layer's see-through colour, never the text's.
void CTextControls::UseKeyColour(COLORREF key) {
    if (m_keyBrush != nullptr && key == m_key) {
        return;
    }
    HBRUSH brush = CreateSolidBrush(key);
    if (brush == nullptr) {
        return;
    }
    if (m_keyBrush != nullptr) {
        DeleteObject(m_keyBrush);
    }
    m_keyBrush = brush;
    m_key = key;
    SetLayeredWindowAttributes(m_back, key, 0, LWA_COLORKEY);
    InvalidateRect(m_back, nullptr, TRUE);
}

// A new alignment chosen: the edit control is made again with it, keeping the text.
void CTextControls::ShowAlignment() {
    const LRESULT chosen = SendMessageW(m_options[2], CB_GETCURSEL, 0, 0);
    if (chosen < 0 || chosen > 2 || chosen == m_editAlignment) {
        return;
    }
    std::wstring text(kTextMaxChars + 1, L'\0');
    const int length = GetWindowTextW(m_edit, text.data(), kTextMaxChars + 1);
    text.resize(static_cast<size_t>(std::clamp(length, 0, kTextMaxChars)));
    if (MakeEdit(text.c_str(), static_cast<int32_t>(chosen))) {
        SendMessageW(m_edit, EM_SETSEL, static_cast<WPARAM>(text.size()), -1);
    }
}

void CTextControls::ChooseTextFont() {
    SettingsRecord& s = m_app.settings;
    LOGFONTW lf = MakeLogFont(ReadTextFont(s, TextScreenHeight(s)));
    CHOOSEFONTW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = m_owner;
    choose.lpLogFont = &lf;
    choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_FORCEFONTEXIST | CF_INITTOLOGFONTSTRUCT;
    choose.rgbColors = AsColour(s.MToolsDrawTextFontColor);
    if (!ChooseFontW(&choose)) {
        return;
    }
    s.MToolsDrawTextFontHeight = lf.lfHeight;
    s.MToolsDrawTextFontWidth = lf.lfWidth;
    s.MToolsDrawTextFontEscapement = lf.lfEscapement;
    s.MToolsDrawTextFontOrientation = lf.lfOrientation;
    s.MToolsDrawTextFontWeight = lf.lfWeight;
    s.MToolsDrawTextFontItalic = lf.lfItalic;
    s.MToolsDrawTextFontUnderline = lf.lfUnderline;
    s.MToolsDrawTextFontStrikeOut = lf.lfStrikeOut;
    s.MToolsDrawTextFontCharSet = lf.lfCharSet;
    s.MToolsDrawTextFontOutPrecision = lf.lfOutPrecision;
    s.MToolsDrawTextFontClipPrecision = lf.lfClipPrecision;
    s.MToolsDrawTextFontQuality = lf.lfQuality;
    s.MToolsDrawTextFontPitchAndFamily = lf.lfPitchAndFamily;
    wcsncpy(s.MToolsDrawTextFontFaceName, lf.lfFaceName, 31);
    s.MToolsDrawTextFontFaceName[31] = L'\0';
    s.MToolsDrawTextFontSize = static_cast<uint32_t>(lf.lfHeight);
    MakeEditorFont();
}

void CTextControls::ChooseColour(uint32_t& setting) {
    CColorPicker picker(m_app.ui);
    picker.Create(m_owner, AsColour(setting));
    if (picker.Show(0)) {
        setting = picker.GetColor();
        m_fontKey = 0;  // the editor shows the new colour
        MakeEditorFont();
        InvalidateRect(m_edit, nullptr, TRUE);
    }
}

void CTextControls::ExcludeFrom(HDC dc) const {
    for (HWND option : m_options) {
        RECT r;
        if (m_shown && option != nullptr && IsWindowVisible(option) && GetWindowRect(option, &r)) {
            MapWindowPoints(nullptr, m_owner, reinterpret_cast<POINT*>(&r), 2);
            if (option == m_options[2]) {
                r.bottom = r.top + kTextControlHeight;  // the closed combo box only
            }
            ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
        }
    }
}

LRESULT CALLBACK CTextControls::BackProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<CTextControls*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_CTLCOLOREDIT: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, AsColour(self->m_app.settings.MToolsDrawTextFontColor));
            SetBkColor(dc, self->m_key);
            return reinterpret_cast<LRESULT>(self->m_keyBrush);
        }
        case WM_ERASEBKGND: {
            RECT r;
            GetClientRect(window, &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, self->m_keyBrush);
            return 1;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == kEditId && HIWORD(wParam) == EN_SETFOCUS &&
                self->m_app.editShortcuts) {
                self->m_app.editShortcuts = false;
                self->m_shortcutsTaken = true;
            } else if (LOWORD(wParam) == kEditId && HIWORD(wParam) == EN_KILLFOCUS &&
                       self->m_shortcutsTaken) {
                self->m_app.editShortcuts = true;
                self->m_shortcutsTaken = false;
            }
            return 0;
        case WM_CLOSE:
            return 0;  // the editor lives as long as its text waits (Escape types, it never closes)
        case WM_NCDESTROY:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace zentrova
