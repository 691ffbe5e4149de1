// Painting skinned push buttons and tagging their captions.
#include <windows.h>

#include <cwchar>
#include <string>

#include "ui/dialogs/ButtonGeometry.h"
#include "ui/dialogs/SkinnedDialog.h"

namespace zentrova {

namespace {

void DrawFrame(const Skin& skin, HDC target, int width, int height, int row) {
    const ZImage& frames = skin.GetButtonImage();
    if (!frames.IsValid() || frames.GetWidth() < static_cast<uint32_t>(kButtonFrameSize) ||
        frames.GetHeight() < static_cast<uint32_t>((row + 1) * kButtonFrameSize)) {
        return;
    }
    HDC source = frames.GetDC();
    for (const FramePiece& piece : ButtonFramePieces(width, height, row)) {
        if (piece.target.Width() <= 0 || piece.target.Height() <= 0) {
            continue;
        }
        StretchBlt(target, piece.target.left, piece.target.top, piece.target.Width(),
                   piece.target.Height(), source, piece.source.left, piece.source.top,
                   piece.source.Width(), piece.source.Height(), SRCCOPY);
    }
}

RECT ToRect(const ZRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

}  // namespace

void SetButtonTag(HWND button, int index) {
    wchar_t caption[kTagCaptionChars + 1] = L"";
    SendMessageW(button, WM_GETTEXT, kTagCaptionChars + 1, reinterpret_cast<LPARAM>(caption));
    const std::wstring tagged = TaggedCaption(index, caption);
    SendMessageW(button, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(tagged.c_str()));
}

void PaintSkinnedButton(const Skin& skin, HWND button, HDC dc, uint32_t state, const RECT& item) {
    const int width = item.right - item.left;
    const int height = item.bottom - item.top;
    ZImage canvas;
    if (dc == nullptr || width <= 0 || height <= 0 ||
        !canvas.Create(static_cast<uint32_t>(width), static_cast<uint32_t>(height), 24,
                       skin.GetBackgroundColor(), nullptr)) {
        return;
    }
    HDC off = canvas.GetDC();
    SetStretchBltMode(off, COLORONCOLOR);
    DrawFrame(skin, off, width, height, ButtonFrameRow(state));

    const int pressed = ButtonPressedOffset(state);
    wchar_t caption[kPaintCaptionChars + 1] = L"";
    SendMessageW(button, WM_GETTEXT, kPaintCaptionChars + 1, reinterpret_cast<LPARAM>(caption));
    const wchar_t* text = caption;
    size_t tagLength = 0;
    const int icon = FindButtonTag(caption, &tagLength);
    if (icon >= 0) {
        text += tagLength;
        const ButtonPoint at = ButtonIconPosition(height, skin.GetIconHeight(), pressed);
        skin.DrawIcon(icon, state, off, at.x, at.y);
    }

    HFONT font = reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0));
    HGDIOBJ previousFont = font != nullptr ? SelectObject(off, font) : nullptr;
    SetBkMode(off, TRANSPARENT);
    SetTextColor(off, skin.GetColor(ButtonTextColourKey(ButtonTextColourFor(state))));
    const ZRect textRect = ButtonTextRect(width, height, icon >= 0, skin.GetIconWidth());
    const LONG style = GetWindowLongW(button, GWL_STYLE);
    const UINT centre = icon >= 0 ? 0 : DT_CENTER;
    if ((style & BS_MULTILINE) != 0) {
        const UINT format = DT_WORDBREAK | centre;
        RECT measured = ToRect(textRect);
        DrawTextW(off, text, -1, &measured, format | DT_CALCRECT);
        RECT r = ToRect(
            MultiLineTextRect(textRect, width, height, measured.bottom - measured.top, pressed));
        DrawTextW(off, text, -1, &r, format);
    } else {
        RECT r = ToRect(OffsetButtonRect(textRect, pressed));
        DrawTextW(off, text, -1, &r, DT_SINGLELINE | DT_VCENTER | centre);
    }
    if (previousFont != nullptr) {
        SelectObject(off, previousFont);
    }
    BitBlt(dc, item.left, item.top, width, height, off, 0, 0, SRCCOPY);
}

BOOL OnSkinnedDrawItem(const Skin& skin, HWND /*dialog*/, const DRAWITEMSTRUCT* item) {
    if (item == nullptr || item->CtlType != ODT_BUTTON) {
        return FALSE;
    }
    HWND button = item->hwndItem;
    const bool enabled = IsWindowEnabled(button) != FALSE;
    POINT cursor = {};
    RECT window = {};
    const bool inside =
        GetCursorPos(&cursor) && GetWindowRect(button, &window) && PtInRect(&window, cursor);
    const uint32_t state = SkinnedButtonState(item->itemState, enabled, inside);
    PaintSkinnedButton(skin, button, item->hDC, state, item->rcItem);
    return TRUE;
}

}  // namespace zentrova
