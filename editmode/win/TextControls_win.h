// CTextControls: the editor of the Text and Callout tools and its controls on the Edit Mode's
// window (Windows build only).
//
// The editor is a layered pop-up window of the class "DrawTextEditClass" laid over the frame,
// holding a multi-line edit control whose background is the layer's key colour, so the capture
// shows through and only the typed text is seen, in the text colour and the font at its screen
// size. It starts with "ABC Text", all selected, and holds at most kTextMaxChars characters.
// Under the frame: "Choose Font...", "Text Color...", the alignment list, "Draw Shadow",
// "Shadow Color..." and the "Yes" and "No" of the tool (the Edit Mode's confirm commands).
// While the editor has the keyboard the Edit Mode's shortcuts are off, so Enter and Escape type.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "editmode/EditHost.h"

namespace zentrova {

struct Application;

class CTextControls {
  public:
    using ErrorSink = std::function<void(const wchar_t* text)>;
    explicit CTextControls(Application& app) : m_app(app) {}
    ~CTextControls() { Close(); }
    CTextControls(const CTextControls&) = delete;
    CTextControls& operator=(const CTextControls&) = delete;

    // Makes the editor and the controls on owner (nothing when they are open already); a
    // failure is told through showError.
    bool Open(HWND owner, bool callout, const ErrorSink& showError);
    void Close();
    bool IsOpen() const { return m_back != nullptr; }
    // Lays the controls over and under the frame (owner's client pixels); follows the text
    // settings (colour, font) when they changed.
    void Place(const ZRect& frameOnScreen);
    bool Read(EditHost::TypedText& typed) const;
    // The controls' own commands (font, colours, shadow, alignment): true when id was one.
    bool OnCommand(uint32_t id);
    // Keeps the controls under the frame out of a copy onto owner's device context.
    void ExcludeFrom(HDC dc) const;
    // Gives the editor the keyboard (after the frame was moved or a dialog closed).
    void FocusEditor();

  private:
    static LRESULT CALLBACK BackProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void MakeEditorFont();
    bool MakeEdit(const wchar_t* text, int32_t alignment);
    void UseKeyColour(COLORREF key);
    void ShowAlignment();
    void ChooseTextFont();
    void ChooseColour(uint32_t& setting);

    Application& m_app;
    HWND m_owner = nullptr;
    HWND m_back = nullptr;   // m_hwndDrawTextEditBack
    HWND m_edit = nullptr;   // m_hwndDrawTextEdit
    HWND m_options[7] = {};  // font, text colour, alignment, shadow, shadow colour, yes, no
    HFONT m_editFont = nullptr;
    HBRUSH m_keyBrush = nullptr;
    COLORREF m_key = 0;
    bool m_callout = false;
    int32_t m_editAlignment = 0;
    bool m_shown = false;
    bool m_shortcutsTaken = false;
    int32_t m_minColumn = 0;
    ZRect m_placed;
    uint64_t m_fontKey = 0;
};

}  // namespace zentrova
