// The main window's online commands: the update check (40015) and the configuration of the
// information check (40116).
#include <string>

#include "core/win/MainWindow.h"
#include "core/win/WebLinks.h"

namespace zentrova {

namespace {

constexpr uint32_t kUpdateByWebLink = 1;
constexpr uint32_t kUpdateWithoutInfoCheck = 2;
constexpr uint32_t kUpdateWithInfoCheck = 3;

void FailureBeep() {
    Beep(200, 200);
}

// Hides the main window for the lifetime of the object and shows it again only when it was
// visible before.
class HiddenWhile {
  public:
    explicit HiddenWhile(HWND hwnd) : m_hwnd(hwnd), m_wasVisible(IsWindowVisible(hwnd) != FALSE) {
        ShowWindow(m_hwnd, SW_HIDE);
    }
    ~HiddenWhile() {
        if (m_wasVisible) {
            ShowWindow(m_hwnd, SW_SHOW);
        }
    }
    HiddenWhile(const HiddenWhile&) = delete;
    HiddenWhile& operator=(const HiddenWhile&) = delete;

  private:
    HWND m_hwnd;
    bool m_wasVisible;
};

}  // namespace

bool StartOnlineServices(Application& app) {
    if (app.online.Started()) {
        return false;
    }
    std::wstring folder;
    app.system.GetProgramFolder(folder);
    app.inetLibrary.Load(folder);  // without it the services answer "none"
    app.online.SetProductInfo(MakeOnlineProductInfo(app.language.Handle(), folder));
    return app.online.Start(GetDesktopWindow(), app.mainWindow);
}

void MainWindow::OnlineUpdate() {
    bool done = false;
    switch (m_app.updateType) {
        case kUpdateByWebLink:
            OpenWebLink(m_app.settings, L"update");
            return;
        case kUpdateWithoutInfoCheck: {
            HiddenWhile hidden(m_hwnd);
            done = m_app.online.CheckForUpdate(1, m_hwnd);
            break;
        }
        case kUpdateWithInfoCheck: {
            HiddenWhile hidden(m_hwnd);
            StartOnlineServices(m_app);
            done = m_app.online.CheckForUpdate(0, m_hwnd);
            break;
        }
        default:
            return;
    }
    if (!done) {
        FailureBeep();
    }
}

void MainWindow::ConfigureOnlineServices() {
    HiddenWhile hidden(m_hwnd);
    StartOnlineServices(m_app);
    if (!m_app.online.Configure()) {
        FailureBeep();
    }
}

}  // namespace zentrova
