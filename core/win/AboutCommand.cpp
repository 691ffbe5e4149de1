// The main window's About command (40117).
#include "core/win/MainWindow.h"
#include "core/win/WebLinks.h"
#include "lang/WebLink.h"
#include "ui/intro/AboutBox.h"

namespace zentrova {

void MainWindow::ShowAbout() {
    // The box is modal, but a command posted meanwhile still arrives here.
    if (m_aboutOpen) {
        return;
    }
    m_aboutOpen = true;
    const SettingsRecord& settings = m_app.settings;
    ShowAboutBox(
        m_app.ui, m_hwnd, kWebLinkVersion,
        [&settings](const std::wstring& target) { return OpenWebLink(settings, target.c_str()); },
        !m_app.version.newerWindows);
    m_aboutOpen = false;
}

}  // namespace zentrova
