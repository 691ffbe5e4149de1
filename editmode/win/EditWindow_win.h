// EditWindow: the Edit Mode on the main window. While the Edit Mode is active the main window
// covers the screen and hands this object its paint, mouse, keyboard, wheel, timer 2, cursor
// and display-change messages and the Edit Mode's commands. It owns what only a window has: the
// three button bars, the back buffer, the skin pictures, the cursors and the capture text's
// font, and drives the portable EditSession, which holds the state and does the arithmetic.
// Windows build only.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "editmode/EditHost.h"
#include "editmode/EditSession.h"
#include "editmode/view/KeyedButtons.h"
#include "editmode/win/PrinterDevice_win.h"
#include "editmode/win/TextControls_win.h"
#include "image/ZImage.h"
#include "ui/buttonbar/ButtonBar.h"

namespace zentrova {

struct Application;

// The Edit Mode's timer on the main window: the scroll arrows, every 20 ms.
constexpr UINT_PTR kTimerEditScroll = 2;
constexpr UINT kTimerEditScrollMs = 20;

class EditWindow final : public EditHost {
  public:
    using HelpOpener = std::function<void(const wchar_t* topic)>;
    using SettingsOpener = std::function<void()>;
    EditWindow(Application& app, HelpOpener openHelp, SettingsOpener openToolSettings);
    ~EditWindow() override;
    EditWindow(const EditWindow&) = delete;
    EditWindow& operator=(const EditWindow&) = delete;

    // Covers the screen with window, makes the bars and pictures and shows the current capture.
    bool Enter(HWND window);
    // Releases everything and hides the window; opens the output folder when an action asked.
    void Leave();
    bool IsActive() const { return m_session.IsActive(); }

    // Routed window messages; each does nothing while not active.
    void OnPaint();
    void OnMouseDown(int32_t x, int32_t y);
    void OnMouseMove(int32_t x, int32_t y);
    void OnMouseUp(int32_t x, int32_t y);
    // True when the key was used (arrow keys).
    bool OnKeyDown(WPARAM key);
    void OnMouseWheel(int32_t delta, WPARAM keys);
    void OnTimer();
    void OnDisplayChange();
    // The skin or the language changed: the screen pictures and the three bars are made again.
    void RefreshLook();
    // The mouse capture went elsewhere: drags end, the cursor is free.
    void OnCaptureLost();
    // WM_SETCURSOR over the client area: true when the cursor was set.
    bool OnSetCursor();
    // A command of the bars or the keyboard: true when the Edit Mode has it.
    bool OnCommand(uint32_t id);

    // EditHost
    void Beep() override;
    void ShowError(const wchar_t* text) override;
    void RequestLeave() override;
    void Repaint() override;
    void OpenHelp(const wchar_t* topic) override;
    void OpenToolSettings() override;
    // The settings opened by OpenToolSettings closed: the current tool is selected again.
    void ReselectTool();
    bool ChooseSaveAsPath(const std::wstring& capturePath, int32_t& filterIndex,
                          std::wstring& chosen) override;
    bool AskYesNo(const wchar_t* text) override;
    bool CopyToClipboard(const ZImage& picture) override;
    ClipboardRead PasteFromClipboard(ZImage& picture) override;
    std::wstring LanguageText(const wchar_t* section, const wchar_t* name,
                              const wchar_t* builtIn) override;
    bool AskCaptureName(const std::wstring& name,
                        const std::function<bool(const std::wstring&)>& attempt) override;
    bool AskResize(const ResizeChoice& start,
                   const std::function<bool(const ResizeChoice&)>& attempt) override;
    bool AskCanvas(CanvasChoice& choice) override;
    void ShowColourBar(bool shown) override;
    void ShowFiles(const std::vector<std::wstring>& files) override;
    bool AskPrint(PrintChoice& choice) override;
    bool PrintPicture(const ZImage& picture, const PrintChoice& choice,
                      const std::wstring& document) override;
    bool OpenTextEditor(bool callout) override;
    void CloseTextEditor() override;
    bool ReadTextEditor(TypedText& typed) override;

    // The lParam of the WM_COMMAND being handled (1: the colour bar was clicked with the right
    // mouse button).
    void SetCommandParameter(LPARAM parameter) { m_commandParameter = parameter; }

    // For the window tests and the benchmark: the painted screen.
    const ZImage& GetBackBuffer() const { return m_backBuffer; }

  private:
    enum class Drag { None, Tool, Canvas };

    void PlaceWindow();
    bool MakeScreenPictures();
    void CreateBars();
    void DestroyBars();
    void LoadCursors();
    void MakeInfoFont();
    void DrawCaptureText(HDC dc);
    ZRect ScrollButtonsRect() const;
    ZRect PrevNextRect() const;
    void UpdateHover(int32_t x, int32_t y);
    void StartDrag(Drag drag, bool confine);
    void EndDrag();
    void SetCursorFor(int32_t x, int32_t y);
    ToolPointer MakePointer(int32_t x, int32_t y);
    void CreateConfirmButtons();
    void DestroyConfirmButtons();
    void PlaceConfirmButtons();
    void PickColour();
    // Runs a modal dialog with the window disabled and the shortcuts off.
    bool RunModal(const std::function<bool()>& dialog);
    // Hands the collected e-mail attachments to the mail program (on leaving).
    void SendCollectedAttachments();
    void CreateSelectionButtons();
    void DestroySelectionButtons();
    void PlaceSelectionButtons();
    void PlaceTextControls();
    void ShowSelectionMenu();
    // Keeps the child buttons out of the back buffer's copy to the window.
    void ExcludeButtons(HDC dc, const HWND* buttons, int count, bool shown) const;

    Application& m_app;
    EditSession& m_session;
    HelpOpener m_openHelp;
    SettingsOpener m_openToolSettings;
    HWND m_window = nullptr;
    CButtonBar m_actionBar;
    CButtonBar m_imageBar;
    CButtonBar m_toolBar;
    CButtonBar m_colourBar;
    HWND m_confirmButtons[2] = {};  // "Yes", "No"
    CTextControls m_textControls;
    bool m_confirmShown = false;
    ZRect m_confirmFrame;
    HWND m_selectionButtons[4] = {};  // "Crop", "Pixelize", "Zoom", "More..."
    HFONT m_selectionFont = nullptr;
    int32_t m_selectionTextWidth = 0;  // what the widest button text needs
    bool m_selectionShown = false;
    ZRect m_selectionFrame;
    LPARAM m_commandParameter = 0;
    PrinterDevice m_printer;
    ZImage m_backBuffer;
    ZImage m_background;
    KeyedButtons m_scrollButtons;
    KeyedButtons m_prevNextButtons;
    int32_t m_scrollHover = 0;
    int32_t m_prevNextHover = 0;
    bool m_timerRunning = false;
    HFONT m_infoFont = nullptr;
    ZColor m_infoColour = 0;
    ZColor m_frameColour = 0;
    HCURSOR m_cursors[12] = {};  // by CursorIndex (EditWindow_win.cpp)
    HCURSOR m_cursor = nullptr;
    Drag m_drag = Drag::None;
    ZPoint m_lastMouse;
    int32_t m_screenWidth = 0;
    int32_t m_screenHeight = 0;
};

}  // namespace zentrova
