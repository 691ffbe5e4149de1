// PaintToolText with GDI: the font made from the description, the text drawn with DrawTextW
// through the target picture's device context.
#include <windows.h>

#include <cwchar>

#include "editmode/tools/ToolText.h"

namespace zentrova {

bool PaintToolText(ZImage& target, const ToolText& text, int32_t dx, int32_t dy, ZColor colour) {
    HDC dc = target.GetDC();
    if (dc == nullptr || text.text.empty()) {
        return false;
    }
    LOGFONTW lf{};
    lf.lfHeight = text.font.height;
    lf.lfWidth = text.font.width;
    lf.lfEscapement = text.font.escapement;
    lf.lfOrientation = text.font.orientation;
    lf.lfWeight = text.font.weight;
    lf.lfItalic = text.font.italic;
    lf.lfUnderline = text.font.underline;
    lf.lfStrikeOut = text.font.strikeOut;
    lf.lfCharSet = text.font.charSet;
    lf.lfOutPrecision = text.font.outPrecision;
    lf.lfClipPrecision = text.font.clipPrecision;
    lf.lfQuality = text.font.antialiased ? ANTIALIASED_QUALITY : NONANTIALIASED_QUALITY;
    lf.lfPitchAndFamily = text.font.pitchAndFamily;
    wcsncpy(lf.lfFaceName, text.font.faceName.c_str(), LF_FACESIZE - 1);
    HFONT font = CreateFontIndirectW(&lf);
    if (font == nullptr) {
        return false;
    }
    static constexpr UINT kAlign[3] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    const UINT align = kAlign[text.alignment >= 0 && text.alignment <= 2 ? text.alignment : 0];
    HGDIOBJ old = SelectObject(dc, font);
    const int oldBk = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, colour & 0xFFFFFF);
    RECT r{text.rect.left + dx, text.rect.top + dy, text.rect.right + dx, text.rect.bottom + dy};
    DrawTextW(dc, text.text.c_str(), static_cast<int>(text.text.size()), &r,
              DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL | align);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldBk);
    SelectObject(dc, old);
    DeleteObject(font);
    GdiFlush();
    return true;
}

int32_t ScreenDotsPerInchY() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : 96;
}

}  // namespace zentrova
