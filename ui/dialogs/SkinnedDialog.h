// Skinned dialogs (Windows build): owner-drawn push buttons painted from the skin, the hover
// refresh, centring, and the duties every skinned dialog procedure performs.
//
// Every dialog of the program is a standard dialog template whose push buttons have the style
// BS_OWNERDRAW. Its dialog procedure:
//   * on WM_INITDIALOG calls StartSkinnedDialog (timer 1 of 50 ms, centred on the desktop or the
//     owner), then its caption loader (which tags buttons with SetButtonTag), then fills its
//     controls;
//   * first hands every message to HandleSkinnedDialogMessage, which answers the WM_CTLCOLOR*
//     messages (SkinCtlColor), WM_DRAWITEM (OnSkinnedDrawItem), WM_TIMER 1 (OnSkinnedTimer) and
//     kills the timer on WM_DESTROY.
#pragma once

#include <windows.h>

#include <cstdint>

#include "image/ZImage.h"
#include "lang/LanguageStartup.h"
#include "ui/dialogs/ButtonTags.h"
#include "ui/dialogs/HoverTracker.h"
#include "ui/skin/Skin.h"

namespace zentrova {

// What every skinned dialog needs from the application: the skin, the language and the cursor
// position last seen by the hover refresh (shared by all dialogs). The application owns one, as
// long as the skin and the language session it refers to.
class SkinnedUi {
  public:
    SkinnedUi(const Skin& skin, const LanguageSession& language)
        : m_skin(skin), m_language(language) {}
    SkinnedUi(const SkinnedUi&) = delete;
    SkinnedUi& operator=(const SkinnedUi&) = delete;

    const Skin& GetSkin() const { return m_skin; }
    ZtvLangManHandle Lang() const { return m_language.Handle(); }
    HoverTracker& Hover() const { return m_hover; }

  private:
    const Skin& m_skin;
    const LanguageSession& m_language;
    mutable HoverTracker m_hover;
};

// The dialogs' hover refresh timer.
constexpr UINT_PTR kSkinnedTimerId = 1;
constexpr UINT kSkinnedTimerMs = 50;

// Puts the tag of icon index (ButtonTags.h) in front of the button's caption (read with at most
// kTagCaptionChars characters). Caption loaders call it after setting the language texts.
void SetButtonTag(HWND button, int index);

// Paints one skinned push button into dc at the top-left corner of item: the frame row of state
// (ButtonGeometry.h) as nine pieces, the tag's icon, the caption without its tag in the button's
// font and the skin's text colour of the state; off-screen first, then copied in one block.
void PaintSkinnedButton(const Skin& skin, HWND button, HDC dc, uint32_t state, const RECT& item);

// The answer to WM_DRAWITEM: TRUE when handled (only ODT_BUTTON items). Adds kButtonHover when
// the button is enabled and the cursor lies inside its window, kButtonDisabled when it is
// disabled, and paints it.
BOOL OnSkinnedDrawItem(const Skin& skin, HWND dialog, const DRAWITEMSTRUCT* item);

// The hover refresh: when the cursor has moved since hover last saw it, every owner-drawn button
// among the dialog's child windows is invalidated (without erasing).
void OnSkinnedTimer(HoverTracker& hover, HWND dialog);

// Places window in the middle of reference, or, when reference is null or the desktop window, of
// the work area of the monitor under the cursor; moved back into that work area (for a reference
// window: the work area of the monitor nearest to it) where it sticks out, left and top edges
// winning. False when a window is invalid.
bool CenterWindowOn(HWND window, HWND reference);

// WM_INITDIALOG duties before the caption loader: starts the hover timer and centres the dialog
// on reference (null: the desktop).
void StartSkinnedDialog(HWND dialog, HWND reference);

// The messages every skinned dialog answers the same way. True when the message was handled;
// *result is then the dialog procedure's return value. background: the dialog's background
// picture, or null (SkinCtlColor).
bool HandleSkinnedDialogMessage(const SkinnedUi& ui, HWND dialog, UINT message, WPARAM wParam,
                                LPARAM lParam, INT_PTR* result, const ZImage* background = nullptr);

}  // namespace zentrova
