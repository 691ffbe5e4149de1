// EditSession: the one editor object of the Edit Mode. It owns the state of one visit: which
// capture of the CaptureList is shown, its working picture and history, the view (zoom, pan),
// the selection frame, the canvas drag and the active tool; it runs the commands of the bars and
// the keyboard through its command table. The window (EditWindow_win.cpp) only feeds it events
// and paints what it holds.
//
// Loading a capture happens at once when the capture becomes current (entering, stepping, after
// an action), not at the next paint: the picture is the history's current state when the capture
// was edited before, otherwise its file; when the file cannot be read, the history's current
// state; when neither is there, the capture is "unloadable": the screen shows everything but the
// picture, the user hears one beep, and only the commands that work without a picture (Erase,
// the help, stepping) run.
// Portable; no window system.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "capture/CaptureList.h"
#include "config/SettingsRecord.h"
#include "editmode/mail/MailMessage.h"
#include "editmode/EditHost.h"
#include "editmode/actions/OutputFiles.h"
#include "editmode/commands/EditCommand.h"
#include "editmode/paint/ZoomCache.h"
#include "editmode/tools/EditTool.h"
#include "editmode/view/CanvasDrag.h"
#include "editmode/view/EditView.h"
#include "editmode/view/SelectionFrame.h"
#include "image/ZImage.h"

namespace zentrova {

class EditSession {
  public:
    EditSession(CaptureList& captures, SettingsRecord& settings, OutputFiles& files);
    ~EditSession();
    EditSession(const EditSession&) = delete;
    EditSession& operator=(const EditSession&) = delete;

    // Opens the Edit Mode on a screen of the given size and loads the current capture. The host
    // must live until End.
    void Begin(EditHost& host, int32_t screenWidth, int32_t screenHeight);
    // Closes it: the tool's pending state dropped, picture, cache and selection released.
    void End();
    bool IsActive() const { return m_active; }
    void SetScreenSize(int32_t width, int32_t height);

    // The current capture -------------------------------------------------------------------
    // (Re)loads the current slot as described above. False when it is unloadable.
    bool LoadCurrent();
    bool HasPicture() const { return m_image.IsValid(); }
    bool IsUnloadable() const { return m_unloadable; }
    const ZImage& GetPicture() const { return m_image; }
    // For tools and commands that change the picture in place; call CommitChange afterwards.
    ZImage& GetPictureForChange() { return m_image; }
    std::wstring GetCurrentPath() const;
    EditHistory* GetHistory() { return m_history; }

    // Steps to the previous (-1) or next (+1) valid capture, wrapping round; the pending tool
    // state is dropped first and the new capture loaded at once.
    bool Step(int direction);
    // After an action: the current capture leaves the list and the next valid one is loaded;
    // without one the list is cleared and the host asked to leave.
    void FinishCurrentCapture();

    // Changes -------------------------------------------------------------------------------
    // Every committed change: pushed as one history state, the cache dropped, the view and the
    // frame fitted to the picture's size, repainted. False when the history refused the state
    // (the change stays in the picture).
    bool CommitChange();
    bool Undo();
    bool Redo();
    // The canvas to width x height with the picture at anchor (0..8), filled with
    // "CaptureBackgroundColor". Sizes beyond the image library's limits beep and change nothing.
    bool ResizeCanvas(int32_t width, int32_t height, int32_t anchor);

    // View -----------------------------------------------------------------------------------
    EditView& View() { return m_view; }
    const EditView& View() const { return m_view; }
    ZoomCache& Cache() { return m_cache; }
    bool SetZoom(int32_t zoom);
    bool Pan(int32_t dx, int32_t dy);
    // The mouse wheel: the sizes of the deltas are summed; once the sum reaches 120 it starts
    // again at 0 and the zoom steps once, in for a positive delta, out for a negative one.
    // Ignored with Shift.
    void Wheel(int32_t delta, bool shift);

    SelectionFrame& Selection() { return m_selection; }
    const SelectionFrame& Selection() const { return m_selection; }
    CanvasDrag& Canvas() { return m_canvas; }
    // Arrow keys: key 0 left, 1 up, 2 right, 3 down. Ctrl pans by 20, Shift grows the frame's
    // right or bottom edge by a pixel, otherwise the frame moves by a pixel.
    void ArrowKey(int key, bool ctrl, bool shift);

    // Tools ----------------------------------------------------------------------------------
    bool SelectTool(ToolNumber number);
    // Selects the current tool anew: its pending work dropped, the selection cleared, the tool
    // activated again (after its settings changed).
    void ReselectTool();
    EditTool* GetTool() { return m_tool; }
    ToolNumber GetToolNumber() const;

    // Commands -------------------------------------------------------------------------------
    void RegisterCommand(uint32_t id, std::unique_ptr<EditCommand> command);
    bool HasCommand(uint32_t id) const { return m_commands.count(id) != 0; }
    // Runs command id: false when it is not in the table, refused, or refused for an unloadable
    // capture (with a beep).
    bool RunCommand(uint32_t id);

    // Output format and Save As -----------------------------------------------------------------
    // The format (0 BMP, 1 JPG, 2 PNG, 3 PDF) of the next output: the Save As type once after a
    // Save As, otherwise "CaptureOutputFormat".
    int32_t GetOutputFormat() const;
    // Save As chose type: the next output is written in it once.
    void SetPendingSaveAsType(int32_t type);
    // An output was written: a pending Save As type is used up.
    void UsePendingSaveAsType() { m_saveAsTypePending = false; }
    // The Save As dialog's remembered filter index (1-4), 3 until the user chooses another.
    int32_t GetSaveAsFilterIndex() const { return m_saveAsFilterIndex; }
    void SetSaveAsFilterIndex(int32_t index);
    // The current capture's file is now at path (renamed); false for an invalid slot.
    bool SetCurrentPath(const std::wstring& path);

    // Leaving -------------------------------------------------------------------------------
    bool GetOpenFolderOnLeave() const { return m_openFolderOnLeave; }
    void SetOpenFolderOnLeave(bool open) { m_openFolderOnLeave = open; }

    // The e-mail attachments collected during this visit; they leave when the Edit Mode is left.
    std::vector<MailAttachment>& MailAttachments() { return m_mailAttachments; }

    CaptureList& Captures() { return m_captures; }
    const CaptureList& Captures() const { return m_captures; }
    SettingsRecord& Settings() { return m_settings; }
    const SettingsRecord& Settings() const { return m_settings; }
    OutputFiles& Files() { return m_files; }
    EditHost& Host() { return *m_host; }

  private:
    void AfterPictureChanged(bool newCapture);
    void DropPending();

    CaptureList& m_captures;
    SettingsRecord& m_settings;
    OutputFiles& m_files;
    EditHost* m_host = nullptr;
    bool m_active = false;
    bool m_unloadable = false;
    ZImage m_image;
    EditHistory* m_history = nullptr;
    EditView m_view;
    ZoomCache m_cache;
    SelectionFrame m_selection;
    CanvasDrag m_canvas;
    int32_t m_wheel = 0;
    bool m_openFolderOnLeave = false;
    std::vector<MailAttachment> m_mailAttachments;
    bool m_saveAsTypePending = false;
    int32_t m_saveAsType = 0;
    int32_t m_saveAsFilterIndex = 3;
    std::array<std::unique_ptr<EditTool>, kToolCount> m_tools;
    EditTool* m_tool = nullptr;
    std::map<uint32_t, std::unique_ptr<EditCommand>> m_commands;
};

}  // namespace zentrova
