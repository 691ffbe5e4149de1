// The Edit Mode window's printing: the print dialog, then the pages the plan gives on the
// chosen printer.
#include <vector>

#include "core/win/Application.h"
#include "editmode/print/PrintPlan.h"
#include "editmode/win/EditWindow_win.h"
#include "editmode/win/PrintDialog_win.h"

namespace zentrova {

bool EditWindow::AskPrint(PrintChoice& choice) {
    // The printer's own dialogs must be able to come in front of the editor.
    SetWindowPos(m_window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return RunModal([&] { return RunPrintDialog(m_app.ui, m_window, m_printer, choice); });
}

bool EditWindow::PrintPicture(const ZImage& picture, const PrintChoice& choice,
                              const std::wstring& document) {
    if (!m_printer.Open(choice.printer)) {
        return false;
    }
    const PrintSource source{static_cast<int32_t>(picture.GetWidth()),
                             static_cast<int32_t>(picture.GetHeight()), picture.dpiX, picture.dpiY};
    std::vector<PrintPage> pages;
    const bool started =
        PlanPrint(source, choice.style, choice.landscape, m_printer.Metrics(), pages) &&
        PrintPages(m_printer, picture, pages, document);
    m_printer.Close();
    Repaint();
    return started;
}

}  // namespace zentrova
