// The printer of the Edit Mode's prints: its device context, and the driver settings the user
// made with Configure, kept for the printer they were made for. Windows build only.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "editmode/print/PrintPlan.h"
#include "image/ZImage.h"

namespace zentrova {

class PrinterDevice {
  public:
    PrinterDevice() = default;
    ~PrinterDevice() { Close(); }
    PrinterDevice(const PrinterDevice&) = delete;
    PrinterDevice& operator=(const PrinterDevice&) = delete;

    // Opens the printer of exactly this name (with the Configure settings made for it), else the
    // system's default printer. False when none opens or it cannot print pictures (bit-block
    // transfers and stretched device-independent bitmaps).
    bool Open(const std::wstring& name);
    void Close();
    // The printer's own settings dialog for name, starting from the settings kept for it; what
    // the user chose is kept for that printer. False when cancelled or the printer is unknown.
    bool Configure(HWND owner, const std::wstring& name);
    HDC GetDC() const { return m_dc; }
    PrinterMetrics Metrics() const;

    // Every printer of this machine and the connected ones, and the default printer's name.
    static std::vector<std::wstring> ListPrinters();
    static std::wstring DefaultPrinter();

  private:
    HDC m_dc = nullptr;
    std::vector<BYTE> m_devMode;  // driver settings from Configure, empty when none
    std::wstring m_devModePrinter;
};

// Prints picture (24 bits) as pages on the open printer, one document named document: each page
// is filled white and gets its part of the picture (copied, and turned when the plan says so;
// the picture itself never changes). True once the document was started; false for a picture
// of another depth.
bool PrintPages(PrinterDevice& printer, const ZImage& picture, const std::vector<PrintPage>& pages,
                const std::wstring& document);

}  // namespace zentrova
