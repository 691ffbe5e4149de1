#include "editmode/win/SaveAsDialog_win.h"

#include <commdlg.h>

#include <cwchar>

#include "editmode/actions/CaptureRename.h"

namespace zentrova {

namespace {

constexpr DWORD kFileChars = 520;
constexpr wchar_t kFilter[] =
    L"BMP - Windows Bitmap (*.bmp)\0*.bmp\0"
    L"JPG - Joint Photographic Experts Group (*.jpg)\0*.jpg\0"
    L"PNG - Portable Network Graphics (*.png)\0*.png\0"
    L"PDF - Portable Document Format (*.pdf)\0*.pdf\0";

// Puts the process's current folder back when the dialog has changed it.
class CurrentFolderKeeper {
  public:
    CurrentFolderKeeper() {
        const DWORD n = GetCurrentDirectoryW(MAX_PATH, m_folder);
        m_saved = n > 0 && n < MAX_PATH;
    }
    ~CurrentFolderKeeper() {
        if (m_saved) {
            SetCurrentDirectoryW(m_folder);
        }
    }
    CurrentFolderKeeper(const CurrentFolderKeeper&) = delete;
    CurrentFolderKeeper& operator=(const CurrentFolderKeeper&) = delete;

  private:
    wchar_t m_folder[MAX_PATH] = L"";
    bool m_saved = false;
};

}  // namespace

bool RunSaveAsDialog(HWND owner, const std::wstring& capturePath, int32_t& filterIndex,
                     std::wstring& chosen) {
    CurrentFolderKeeper keeper;
    const std::wstring name = FileNameOf(capturePath);
    const std::wstring folder = capturePath.substr(0, capturePath.size() - name.size());
    wchar_t file[kFileChars] = L"";
    if (name.size() < kFileChars) {
        std::wcscpy(file, name.c_str());
    }
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFilter;
    dialog.nFilterIndex =
        static_cast<DWORD>(filterIndex >= 1 && filterIndex <= 4 ? filterIndex : 3);
    dialog.lpstrFile = file;
    dialog.nMaxFile = kFileChars;
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrDefExt = L"png";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLESIZING;
    if (!GetSaveFileNameW(&dialog)) {
        return false;
    }
    filterIndex = static_cast<int32_t>(dialog.nFilterIndex);
    chosen = file;
    return true;
}

}  // namespace zentrova
