// CaptureEngine: one capture at a time, from the overlay window to the finished result image.
//
// The main window starts the engine with a CaptureMode. The engine opens a topmost, partly
// see-through overlay window, installs the global mouse hook (MouseHook.dll, which posts
// kUmHookMouse to the overlay) and the overlay's hot keys Escape and Enter, lets the user point at
// a window or select a region (the region modes work on a frozen copy of the virtual screen),
// takes the pixels into the result image, has them finished (FinishCapture) and posts the
// caller's "done" message (UM_CAPTURE_DONE) to the owner with first parameter
// kCaptureDoneWParam. The owner then stores the capture (GetFinishedCapture) and tears the engine
// down. A right click or Escape cancels: the engine tears itself down and posts nothing.
//
// Use from the main window:
//
//     CaptureEngineContext context;            // settings, language, skin colours
//     engine.Start(hwnd, instance, CaptureMode::FreeRectangle, UM_CAPTURE_DONE, context);
//     ...
//     case UM_CAPTURE_DONE: StoreCapture (host->GetFinishedCapture() = engine.GetFinishedCapture(),
//                           host->TearDownEngine() = engine.TearDown())
//
// Decisions of this implementation:
// * The overlay never takes the activation (it is shown without activating, WS_EX_NOACTIVATE),
//   so the active window and its caption stay as the user left them; in the modes that point
//   at windows it is also click-through (WS_EX_TRANSPARENT), so that the window under the cursor
//   is the window below the overlay.
// * A maximised window on newer Windows is taken from its top-left corner moved inward by its
//   sizing border, i.e. exactly its part on its monitor (see NewerWindowsCaptureRect).
// * The free-style cut-out rasterises the outline itself (non-zero winding, pixel centres) rather
//   than through a GDI clip region, with the same result for the user.
// * Without MouseHook.dll the overlay's own button messages stand in for the hook's.
// * The scrolling modes (1, 2) grab the picked window's pages from its own device context (it
//   is made topmost for the capture, so nothing covers it) and stitch them in memory; every stop
//   (done, Escape, the window gone, the size limit, a teardown) shows the cursor again and gives
//   the window back its topmost state.
//
// Starting while a capture is active tears the old one down first; a finished capture whose done
// message has not been handled yet would be lost with it, so the owner stores that one before it
// starts the next (MainWindow::StoreWaitingCapture). Everything runs on the main
// window's thread. The engine is a Windows object: its members are implemented in
// CaptureEngine_win.cpp; this header only declares the Win32 handle types, so that portable code
// may name the engine.
#pragma once

#include <array>
#include <cstdint>

#include "capture/overlay/CaptureMode.h"
#include "capture/overlay/FreeStyleOutline.h"
#include "capture/overlay/SelectionGeometry.h"
#include "capture/scroll/ScrollSession.h"
#include "core/win/PrivateMessages.h"
#include "image/ZImage.h"
#include "lang/ztv_lang/ztv_lang.h"

// Win32 handle types, declared the way <windows.h> declares them (STRICT).
struct HWND__;
struct HINSTANCE__;
struct HFONT__;
struct HICON__;

namespace zentrova {

struct SettingsRecord;

// Posted by MouseHook.dll to the overlay for mouse events anywhere on the desktop; first
// parameter the mouse message (513 left down, 514 left up, 516 right down).
constexpr uint32_t kUmHookMouse = UM_HOOK_MOUSE;  // 33169
// First parameter of the owner's "done" message (UM_CAPTURE_DONE, 33170, chosen by the owner).
constexpr uintptr_t kCaptureDoneWParam = 1;

// Colours of the overlay when no skin gives "CaptureBorderColor" / "CaptureTextColor" (0x00BBGGRR).
constexpr ZColor kDefaultCaptureBorderColor = 0x00B06020;  // a medium blue
constexpr ZColor kDefaultCaptureTextColor = 0x00FFFFFF;    // white

// What a capture needs from the rest of the program. The pointers must stay valid until the
// engine is torn down (the application owns the settings record and the language session for the
// whole run).
struct CaptureEngineContext {
    // "CaptureFixedWidth", "CaptureFixedHeight", "CaptureBackgroundColor" and everything the
    // finishing reads. Null: a capture does not start (Start returns false).
    const SettingsRecord* settings = nullptr;
    // The caption texts (section "Messages"); null: the built-in English texts.
    ZtvLangManHandle language = nullptr;
    // Skin colours "CaptureBorderColor" and "CaptureTextColor" (Skin::GetColor); the defaults
    // above when the program runs without a skin.
    ZColor borderColour = kDefaultCaptureBorderColor;
    ZColor textColour = kDefaultCaptureTextColor;
};

// Longest caption text, in characters including the terminator.
constexpr size_t kCaptionChars = 512;
// Points of a free-style outline; further points are dropped.
constexpr size_t kFreeStyleMaxPoints = 16000;
// Height of the overlay's caption band.
constexpr int32_t kCaptionHeight = 24;

class CaptureEngine {
  public:
    // Makes the overlay's window class name "_zedCCaptureWebsite-<guid>" (lower-case GUID).
    CaptureEngine();
    ~CaptureEngine();  // tears down
    CaptureEngine(const CaptureEngine&) = delete;
    CaptureEngine& operator=(const CaptureEngine&) = delete;

    // Starts a capture in mode for owner: tears down a capture that is still active, opens the
    // overlay and, for FullDesktop and ActiveWindow, captures at once (the done message is then
    // already posted when Start returns). doneMessage is posted to owner with kCaptureDoneWParam
    // when the capture is finished. True when the overlay is up (or the immediate capture is
    // taken); false when context.settings is null, the overlay cannot be created, the desktop
    // cannot be frozen (message box shown) or the immediate capture of FullDesktop or
    // ActiveWindow cannot be taken (beep or message box) — the engine is then torn down again.
    bool Start(HWND__* owner, HINSTANCE__* instance, CaptureMode mode, uint32_t doneMessage,
               const CaptureEngineContext& context);

    // Unregisters the overlay's hot keys, removes the mouse hook, destroys the four images,
    // kills the overlay's timers, deletes the caption font, destroys the overlay window and
    // unregisters its class; clears the in-progress, active and finished flags. Safe to call at
    // any time, also when not active. Always true.
    bool TearDown();

    // A capture is running (from Start until TearDown, also after the done message was posted).
    bool IsActive() const { return m_active; }
    // The desktop is frozen, or a scrolling capture is collecting.
    bool IsInProgress() const { return m_inProgress; }
    CaptureMode GetMode() const { return m_mode; }

    // The finished capture (24 bits) once the done message has been posted, else null. Belongs
    // to the engine; valid until the next Start or TearDown.
    const ZImage* GetFinishedCapture() const;

    // For the finishing pipeline (FinishCapture) -----------------------------------------------
    // The result image: the frozen desktop while selecting, the taken pixels when finishing.
    ZImage& GetResult() { return m_result; }
    const ZImage& GetResult() const { return m_result; }
    const CaptureEngineContext& GetContext() const { return m_context; }
    HWND__* GetOwner() const { return m_owner; }
    HINSTANCE__* GetInstance() const { return m_instance; }
    HWND__* GetOverlayWindow() const { return m_overlay; }
    // Screen position of the cursor at the moment the pixels were taken (screen coordinates, not
    // virtual-screen coordinates: finishing converts as its mode requires).
    int32_t GetCaptureCursorX() const { return m_captureCursorX; }
    int32_t GetCaptureCursorY() const { return m_captureCursorY; }

  private:
    friend class CaptureOverlay;  // the overlay window's procedure and painting (Windows only)

    enum CursorIndex {
        kCursorCross,
        kCursorSizeNS,
        kCursorSizeWE,
        kCursorSizeNWSE,
        kCursorSizeNESW,
        kCursorHand,
        kCursorPen,
        kCursorCount
    };

    HWND__* m_owner = nullptr;
    HINSTANCE__* m_instance = nullptr;
    wchar_t m_className[260] = {};
    HWND__* m_overlay = nullptr;
    uint32_t m_doneMessage = 0;
    bool m_active = false;
    ZImage m_result;
    ZImage m_backBuffer;
    ZImage m_currentPage;
    HWND__* m_pickedWindow = nullptr;
    bool m_inProgress = false;
    int32_t m_captionHeight = kCaptionHeight;
    HFONT__* m_captionFont = nullptr;
    wchar_t m_captionIdle[kCaptionChars] = {};
    wchar_t m_captionInProgress[kCaptionChars] = {};
    wchar_t m_captionRegion[kCaptionChars] = {};
    wchar_t m_captionSelection[kCaptionChars] = {};
    CaptureMode m_mode = CaptureMode::SingleWindow;
    ScrollSession m_scroll;            // the rows collected, the steps' decisions
    bool m_cursorHidden = false;       // by the scrolling capture
    bool m_pickedMadeTopmost = false;  // the picked window was not topmost before
    SelectionRect m_selection;         // virtual-screen coordinates
    bool m_dragging = false;
    bool m_verticalEdge = false;    // the top or bottom edge is being moved
    bool m_horizontalEdge = false;  // the left or right edge is being moved
    std::array<HICON__*, kCursorCount> m_cursors = {};
    bool m_mouseCaptured = false;
    int32_t m_anchorX = 0;
    int32_t m_anchorY = 0;
    ZColor m_borderColour = kDefaultCaptureBorderColor;
    ZColor m_textColour = kDefaultCaptureTextColor;
    FreeStyleOutline m_outline;  // free style: room for kFreeStyleMaxPoints while it runs

    // Beyond the fields above: the context of this capture, the finished flag, the cursor at
    // the moment of capture, the hook library and the last cursor position seen by timer 2.
    CaptureEngineContext m_context;
    bool m_finished = false;
    int32_t m_captureCursorX = 0;
    int32_t m_captureCursorY = 0;
    void* m_hookLibrary = nullptr;  // HMODULE of MouseHook.dll
    bool m_hookInstalled = false;
    bool m_hotKeysRegistered = false;
    bool m_classRegistered = false;
    int32_t m_lastCursorX = INT32_MIN;
    int32_t m_lastCursorY = INT32_MIN;
    HICON__* m_currentCursor = nullptr;
};

}  // namespace zentrova
