#include "editmode/EditSession.h"

#include <cstdlib>

#include "core/LoadImage.h"
#include "core/ZError.h"
#include "editmode/EditCommands.h"
#include "editmode/tools/EditTools.h"
#include "editmode/tools/ToolSettings.h"
#include "image/ZImageEffects.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kModule = L"EditMode\\EditSession";
constexpr int32_t kWheelNotch = 120;

// The picture as the editor works on it: 24 bits.
bool MakeWorkingPicture(ZImage& image) {
    return image.IsValid() && (image.GetBitsPerPixel() == 24 || image.SetBitDepth(24));
}

bool ReadState(const EditHistory* history, int index, ZImage& image) {
    if (history == nullptr || !history->IsEnabled()) {
        return false;
    }
    const std::wstring path = history->GetStatePath(index);
    return !path.empty() && EditHistory::ReadStateFile(path.c_str(), image) &&
           MakeWorkingPicture(image);
}

}  // namespace

EditSession::EditSession(CaptureList& captures, SettingsRecord& settings, OutputFiles& files)
    : m_captures(captures), m_settings(settings), m_files(files) {
    for (int32_t i = 0; i < kToolCount; ++i) {
        m_tools[static_cast<size_t>(i)] = MakeEditTool(static_cast<ToolNumber>(i));
    }
    RegisterEditCommands(*this);
}

EditSession::~EditSession() = default;

void EditSession::Begin(EditHost& host, int32_t screenWidth, int32_t screenHeight) {
    m_host = &host;
    m_active = true;
    m_openFolderOnLeave = false;
    m_wheel = 0;
    m_view.SetScreen(screenWidth, screenHeight);
    m_tool = m_tools[static_cast<size_t>(ToolNumber::Scroll)].get();
    if (!m_captures.IsValid(m_captures.GetCurrent())) {
        m_captures.StepNext();
    }
    LoadCurrent();
}

void EditSession::End() {
    DropPending();
    m_tool = m_tools[static_cast<size_t>(ToolNumber::Scroll)].get();
    m_active = false;
    m_history = nullptr;
    m_selection.Clear();
    m_image.Destroy();
    m_cache.Invalidate();
    m_unloadable = false;
}

void EditSession::SetScreenSize(int32_t width, int32_t height) {
    m_view.SetScreen(width, height);
    m_view.Pan(0, 0);
    m_cache.Invalidate();
}

std::wstring EditSession::GetCurrentPath() const {
    std::wstring path;
    m_captures.GetPath(m_captures.GetCurrent(), path);
    return path;
}

bool EditSession::LoadCurrent() {
    m_image.Destroy();
    m_unloadable = false;
    const int slot = m_captures.GetCurrent();
    m_history = m_captures.GetHistory(slot);
    const std::wstring path = GetCurrentPath();
    bool loaded = false;
    // An edited capture shows its latest state, which its file does not hold yet.
    if (m_history != nullptr && m_history->GetCurrent() > 0) {
        loaded = ReadState(m_history, m_history->GetCurrent(), m_image);
    }
    if (!loaded && !path.empty()) {
        loaded = LoadImageFromFile(m_image, path.c_str()) && MakeWorkingPicture(m_image);
    }
    if (!loaded && m_history != nullptr) {
        loaded = ReadState(m_history, m_history->GetCurrent(), m_image);
    }
    if (!loaded) {
        m_image.Destroy();
        m_unloadable = true;
        ZTrace(kModule, __LINE__, L"capture %d (%ls) could not be loaded\n", slot, path.c_str());
        if (m_host != nullptr) {
            m_host->Beep();
        }
    }
    AfterPictureChanged(true);
    return loaded;
}

void EditSession::AfterPictureChanged(bool newCapture) {
    m_cache.Invalidate();
    const int32_t w = m_image.IsValid() ? static_cast<int32_t>(m_image.GetWidth()) : 1;
    const int32_t h = m_image.IsValid() ? static_cast<int32_t>(m_image.GetHeight()) : 1;
    if (newCapture) {
        m_view.ShowNewImage(w, h);
        m_selection.Clear();
        m_wheel = 0;
    } else {
        m_view.SetImageSize(w, h);
    }
    m_selection.ClampTo(m_image.IsValid() ? w : 0, m_image.IsValid() ? h : 0);
    if (m_host != nullptr) {
        m_host->Repaint();
    }
}

void EditSession::DropPending() {
    if (m_tool != nullptr) {
        m_tool->Cancel(*this);
    }
    m_canvas.Cancel();
}

bool EditSession::Step(int direction) {
    DropPending();
    const bool stepped = direction < 0 ? m_captures.StepPrevious() : m_captures.StepNext();
    if (!stepped) {
        return false;
    }
    LoadCurrent();
    return true;
}

void EditSession::FinishCurrentCapture() {
    DropPending();
    m_captures.Remove(m_captures.GetCurrent());
    if (m_captures.StepNext()) {
        LoadCurrent();
        return;
    }
    m_captures.Clear();
    m_image.Destroy();
    m_history = nullptr;
    m_cache.Invalidate();
    if (m_host != nullptr) {
        m_host->RequestLeave();
    }
}

bool EditSession::CommitChange() {
    if (!m_image.IsValid()) {
        return false;
    }
    const bool pushed = m_history != nullptr && m_history->Push(m_image);
    if (!pushed) {
        ZTrace(kModule, __LINE__, L"the change could not be kept in the history\n");
    }
    AfterPictureChanged(false);
    return pushed;
}

bool EditSession::Undo() {
    DropPending();
    if (m_history == nullptr || !m_history->Undo(m_image) || !MakeWorkingPicture(m_image)) {
        if (!m_image.IsValid()) {
            LoadCurrent();  // never leave the editor without a picture
        }
        return false;
    }
    AfterPictureChanged(false);
    return true;
}

bool EditSession::Redo() {
    DropPending();
    if (m_history == nullptr || !m_history->Redo(m_image) || !MakeWorkingPicture(m_image)) {
        if (!m_image.IsValid()) {
            LoadCurrent();
        }
        return false;
    }
    AfterPictureChanged(false);
    return true;
}

bool EditSession::ResizeCanvas(int32_t width, int32_t height, int32_t anchor) {
    if (!m_image.IsValid() || width < 1 || height < 1 ||
        !ZImage::IsSizeAcceptable(static_cast<uint32_t>(width), static_cast<uint32_t>(height),
                                  m_image.GetBitsPerPixel())) {
        if (m_host != nullptr) {
            m_host->Beep();
        }
        return false;
    }
    if (!zentrova::ResizeCanvas(m_image, width, height, anchor,
                                m_settings.CaptureBackgroundColor)) {
        if (m_host != nullptr) {
            m_host->Beep();
        }
        return false;
    }
    CommitChange();
    return true;
}

bool EditSession::SetZoom(int32_t zoom) {
    if (!m_view.SetZoom(zoom)) {
        return false;
    }
    m_view.Pan(0, 0);
    m_cache.Invalidate();
    if (m_host != nullptr) {
        m_host->Repaint();
    }
    return true;
}

bool EditSession::Pan(int32_t dx, int32_t dy) {
    if (!m_view.Pan(dx, dy)) {
        return false;
    }
    if (m_host != nullptr) {
        m_host->Repaint();
    }
    return true;
}

void EditSession::Wheel(int32_t delta, bool shift) {
    if (shift) {
        return;
    }
    m_wheel += std::abs(delta);
    if (m_wheel >= kWheelNotch) {
        m_wheel = 0;
        SetZoom(delta < 0 ? ZoomStepOut(m_view.GetZoom()) : ZoomStepIn(m_view.GetZoom()));
    }
}

void EditSession::ArrowKey(int key, bool ctrl, bool shift) {
    static constexpr int32_t kDx[4] = {-1, 0, 1, 0};
    static constexpr int32_t kDy[4] = {0, -1, 0, 1};
    if (key < 0 || key > 3) {
        return;
    }
    bool changed;
    if (ctrl) {
        // Ctrl + Left shows more of the left side: the picture moves right.
        changed = m_view.Pan(-kDx[key] * kKeyPanStep, -kDy[key] * kKeyPanStep);
    } else if (shift) {
        changed = m_selection.Grow(kDx[key], kDy[key]);
    } else {
        changed = m_selection.Move(kDx[key], kDy[key]);
    }
    if (changed && m_host != nullptr) {
        m_host->Repaint();
    }
}

bool EditSession::SelectTool(ToolNumber number) {
    const auto index = static_cast<size_t>(number);
    if (index >= m_tools.size() || m_tools[index] == nullptr) {
        return false;
    }
    if (m_tool != m_tools[index].get()) {
        DropPending();
        m_tool = m_tools[index].get();
        m_selection.Clear();
        m_tool->Activate(*this);
        if (m_host != nullptr) {
            m_host->ShowColourBar(ToolShowsColourBar(number));
            m_host->Repaint();
        }
    }
    return true;
}

void EditSession::ReselectTool() {
    if (m_tool == nullptr) {
        return;
    }
    DropPending();
    m_selection.Clear();
    m_tool->Activate(*this);
    if (m_host != nullptr) {
        m_host->Repaint();
    }
}

ToolNumber EditSession::GetToolNumber() const {
    return m_tool != nullptr ? m_tool->Number() : ToolNumber::Scroll;
}

void EditSession::RegisterCommand(uint32_t id, std::unique_ptr<EditCommand> command) {
    m_commands[id] = std::move(command);
}

int32_t EditSession::GetOutputFormat() const {
    return m_saveAsTypePending ? m_saveAsType
                               : static_cast<int32_t>(m_settings.CaptureOutputFormat);
}

void EditSession::SetPendingSaveAsType(int32_t type) {
    if (type >= 0 && type <= 3) {
        m_saveAsType = type;
        m_saveAsTypePending = true;
    }
}

void EditSession::SetSaveAsFilterIndex(int32_t index) {
    if (index >= 1 && index <= 4) {
        m_saveAsFilterIndex = index;
    }
}

bool EditSession::SetCurrentPath(const std::wstring& path) {
    return m_captures.SetPath(m_captures.GetCurrent(), path.c_str());
}

bool EditSession::RunCommand(uint32_t id) {
    const auto found = m_commands.find(id);
    if (found == m_commands.end()) {
        return false;
    }
    EditCommand& command = *found->second;
    if (!HasPicture() && !command.WorksWithoutPicture()) {
        if (m_host != nullptr) {
            m_host->Beep();
        }
        return false;
    }
    return command.Run(*this);
}

}  // namespace zentrova
