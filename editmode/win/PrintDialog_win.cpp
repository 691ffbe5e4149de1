#include "editmode/win/PrintDialog_win.h"

#include <string>
#include <vector>

#include "editmode/win/EditDialogIds.h"
#include "editmode/win/EditDialog_win.h"
#include "lang/TextLookup.h"
#include "lang/TextLookupWin.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kSection = L"Dlg_Print";
constexpr int kDpiChars = 16;

constexpr DialogCaption kCaptions[] = {
    {IDC_PRINT_PRINTER_LABEL, L"Printer"},
    {IDC_PRINT_CONFIGURE, L"Configure"},
    {IDC_PRINT_LAYOUT, L"Print"},
    {IDC_PRINT_STYLE0, L"PrintOriginalSize"},
    {IDC_PRINT_STYLE1, L"PrintBestFit"},
    {IDC_PRINT_STYLE2, L"PrintBestFitOnlyBig"},
    {IDC_PRINT_STYLE3, L"PrintMultiPageVertically"},
    {IDC_PRINT_STYLE4, L"PrintMultiPageHorizontally"},
    {IDC_PRINT_DPI_LABEL, L"DPI"},
    {IDC_PRINT_DPI_INFO, L"DPIInfo"},
    {IDC_PRINT_ORIENTATION, L"Orientation"},
    {IDC_PRINT_PORTRAIT, L"Portrait"},
    {IDC_PRINT_LANDSCAPE, L"Landscape"},
    {IDOK, L"Ok"},
    {IDCANCEL, L"Cancel"},
};

class PrintDialog {
  public:
    PrintDialog(const SkinnedUi& ui, PrinterDevice& printer, PrintChoice& choice)
        : m_ui(ui), m_printer(printer), m_choice(choice) {}
    const SkinnedUi& Ui() const { return m_ui; }

    void Init(HWND dialog) {
        m_dialog = dialog;
        StartSkinnedDialog(dialog, nullptr);
        LoadDialogCaptions(m_ui.Lang(), dialog, kSection, kCaptions, true);
        SetButtonTag(GetDlgItem(dialog, IDOK), kTagOk);
        SetButtonTag(GetDlgItem(dialog, IDCANCEL), kTagCancel);
        HWND list = GetDlgItem(dialog, IDC_PRINT_PRINTER);
        for (const std::wstring& name : PrinterDevice::ListPrinters()) {
            SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        }
        // The remembered printer by its exact name, else the default printer, else the first.
        if (!SelectExactly(m_choice.printer) && !SelectExactly(PrinterDevice::DefaultPrinter())) {
            SendMessageW(list, CB_SETCURSEL, 0, 0);
        }
        SetDlgItemInt(dialog, IDC_PRINT_DPI, static_cast<UINT>(m_choice.dpi), FALSE);
        SendDlgItemMessageW(dialog, IDC_PRINT_DPI, EM_LIMITTEXT, kDpiChars - 1, 0);
        CheckRadioButton(dialog, IDC_PRINT_STYLE0, IDC_PRINT_STYLE4,
                         IDC_PRINT_STYLE0 + static_cast<int>(m_choice.style));
        CheckRadioButton(dialog, IDC_PRINT_PORTRAIT, IDC_PRINT_LANDSCAPE,
                         m_choice.landscape ? IDC_PRINT_LANDSCAPE : IDC_PRINT_PORTRAIT);
    }

    bool OnDrawItem(const DRAWITEMSTRUCT* /*item*/) const { return false; }

    INT_PTR OnCommand(WPARAM wParam) {
        if (HIWORD(wParam) != BN_CLICKED) {
            return FALSE;
        }
        switch (LOWORD(wParam)) {
            case IDC_PRINT_CONFIGURE:
                m_printer.Configure(m_dialog, SelectedPrinter());
                return TRUE;
            case IDOK:
                OnOk();
                return TRUE;
            case IDCANCEL:
                EndDialog(m_dialog, IDCANCEL);
                return TRUE;
            default:
                return FALSE;
        }
    }

  private:
    bool SelectExactly(const std::wstring& name) {
        if (name.empty()) {
            return false;
        }
        HWND list = GetDlgItem(m_dialog, IDC_PRINT_PRINTER);
        const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            if (ItemText(i) == name) {
                SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
                return true;
            }
        }
        return false;
    }

    std::wstring ItemText(LRESULT index) const {
        HWND list = GetDlgItem(m_dialog, IDC_PRINT_PRINTER);
        const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length < 0) {
            return std::wstring();
        }
        std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(text.data()));
        return text.data();
    }

    std::wstring SelectedPrinter() const {
        const LRESULT index = SendDlgItemMessageW(m_dialog, IDC_PRINT_PRINTER, CB_GETCURSEL, 0, 0);
        return index >= 0 ? ItemText(index) : std::wstring();
    }

    void OnOk() {
        wchar_t text[kDpiChars] = L"";
        GetDlgItemTextW(m_dialog, IDC_PRINT_DPI, text, kDpiChars);
        int32_t dpi = 0;
        if (!ParsePrintDpi(text, dpi)) {
            Beep(200, 200);
            SetFocus(GetDlgItem(m_dialog, IDC_PRINT_DPI));
            return;
        }
        m_choice.dpi = dpi;
        const std::wstring printer = SelectedPrinter();
        if (!printer.empty()) {
            m_choice.printer = printer;
        }
        for (int i = 0; i <= 4; ++i) {
            if (IsDlgButtonChecked(m_dialog, IDC_PRINT_STYLE0 + i) == BST_CHECKED) {
                m_choice.style = static_cast<PrintStyle>(i);
            }
        }
        m_choice.landscape = IsDlgButtonChecked(m_dialog, IDC_PRINT_LANDSCAPE) == BST_CHECKED;
        EndDialog(m_dialog, IDOK);
    }

    const SkinnedUi& m_ui;
    PrinterDevice& m_printer;
    PrintChoice& m_choice;
    HWND m_dialog = nullptr;
};

}  // namespace

bool RunPrintDialog(const SkinnedUi& ui, HWND owner, PrinterDevice& printer, PrintChoice& choice) {
    PrintDialog dialog(ui, printer, choice);
    return RunEditDialog(L"PRINTDLG", owner, dialog);
}

}  // namespace zentrova
