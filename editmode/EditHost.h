// EditHost: what the Edit Mode needs from the window it runs in. The Windows window implements
// it; the tests give a recording fake.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/ZRect.h"
#include "editmode/commands/ResizeChoice.h"
#include "editmode/print/PrintChoice.h"
#include "image/ZImage.h"

namespace zentrova {

class EditHost {
  public:
    virtual ~EditHost() = default;
    // The short failure sound (200 Hz, 100 ms).
    virtual void Beep() = 0;
    // A failure the user must read (writer messages).
    virtual void ShowError(const wchar_t* text) = 0;
    // Asks the main window to leave the Edit Mode (command 40029, posted).
    virtual void RequestLeave() = 0;
    // The screen must be painted again.
    virtual void Repaint() = 0;
    // Opens the help file at topic.
    virtual void OpenHelp(const wchar_t* topic) = 0;
    // Opens the settings at the mouse tools; once they close, the current tool is selected
    // again (ReselectTool) so that it starts from the settings as stored.
    virtual void OpenToolSettings() {}

    // What only a window can do; a host without it answers false.
    // The system's Save As dialog for the capture at capturePath (its folder and file name to
    // start with) with the four picture types; filterIndex (1-4) is the type shown first and
    // receives the one chosen. False when cancelled; otherwise chosen is the full path.
    virtual bool ChooseSaveAsPath(const std::wstring& /*capturePath*/, int32_t& /*filterIndex*/,
                                  std::wstring& /*chosen*/) {
        return false;
    }
    // Asks the user; true for Yes.
    virtual bool AskYesNo(const wchar_t* /*text*/) { return false; }
    // Puts the picture on the clipboard (a bitmap for the screen, CF_DIBV5 and "PNG"); a
    // clipboard that is busy is tried again for a short while. False when it could not be done.
    virtual bool CopyToClipboard(const ZImage& /*picture*/) { return false; }
    // Reads the clipboard's picture (CF_DIBV5, CF_DIB, "PNG" or a bitmap, in that order) as 24
    // bits: Picture, NoPicture, or Busy when another program kept the clipboard open.
    enum class ClipboardRead { Picture, NoPicture, Busy };
    virtual ClipboardRead PasteFromClipboard(ZImage& /*picture*/) {
        return ClipboardRead::NoPicture;
    }
    // The text of section and name in the current language, builtIn without one.
    virtual std::wstring LanguageText(const wchar_t* /*section*/, const wchar_t* /*name*/,
                                      const wchar_t* builtIn) {
        return builtIn;
    }
    // The Rename dialog, starting with name: every "Ok" hands the typed name to attempt, and the
    // dialog closes when attempt returns true. False when cancelled or the dialog could not be
    // made (the user heard a beep).
    virtual bool AskCaptureName(const std::wstring& /*name*/,
                                const std::function<bool(const std::wstring&)>& /*attempt*/) {
        return false;
    }
    // The Resize dialog, starting with start (the picture's size in pixels): every "Ok" hands the
    // choice (in pixels) to attempt, and the dialog closes when attempt returns true. False when
    // cancelled or the dialog could not be made.
    virtual bool AskResize(const ResizeChoice& /*start*/,
                           const std::function<bool(const ResizeChoice&)>& /*attempt*/) {
        return false;
    }
    // The Resize Canvas dialog on choice (the colour picker may change its fill); false when
    // cancelled or the dialog could not be made.
    virtual bool AskCanvas(CanvasChoice& /*choice*/) { return false; }
    // The print dialog on choice (the printers, the resolution, layout and orientation); false
    // when cancelled or the dialog could not be made.
    virtual bool AskPrint(PrintChoice& /*choice*/) { return false; }
    // Prints picture as choice says, as one document named document. True once the document was
    // started (the pages went to the printer); false when the printer could not be opened or
    // lacks what printing a picture needs, or the document could not be started.
    virtual bool PrintPicture(const ZImage& /*picture*/, const PrintChoice& /*choice*/,
                              const std::wstring& /*document*/) {
        return false;
    }
    // Opens the folder of the files with them selected.
    virtual void ShowFiles(const std::vector<std::wstring>& /*files*/) {}
    // Shows or hides the colour bar of the tools with a colour to pick.
    virtual void ShowColourBar(bool /*shown*/) {}

    // The text tools' editor and its controls, placed over and under the selection frame at
    // every paint. Opening an open editor keeps what was typed. False when it could not be made
    // (the user was told).
    virtual bool OpenTextEditor(bool /*callout*/) { return false; }
    virtual void CloseTextEditor() {}
    // What the editor holds: the text (at most kTextMaxChars characters), the editor's client
    // area in window pixels, the chosen alignment (0 left, 1 centre, 2 right).
    struct TypedText {
        std::wstring text;
        ZRect rect;
        int32_t alignment = 0;
    };
    virtual bool ReadTextEditor(TypedText& /*typed*/) { return false; }
};

}  // namespace zentrova
