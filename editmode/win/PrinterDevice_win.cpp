#include "editmode/win/PrinterDevice_win.h"

#include <winspool.h>

#include "editmode/commands/SelectionArithmetic.h"
#include "image/ZImageEffects.h"

namespace zentrova {

namespace {

constexpr int kNeededRasterCaps = RC_BITBLT | RC_STRETCHDIB;
constexpr DWORD kPrinterNameChars = 260;

// The 24-bit picture's pixels into target on dc.
bool DrawPicture(HDC dc, const ZImage& picture, const ZRect& target) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = static_cast<LONG>(picture.GetWidth());
    info.bmiHeader.biHeight = static_cast<LONG>(picture.GetHeight());
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    picture.FlushDrawing();
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    const int lines = StretchDIBits(dc, target.left, target.top, target.Width(), target.Height(), 0,
                                    0, info.bmiHeader.biWidth, info.bmiHeader.biHeight,
                                    picture.GetBits(), &info, DIB_RGB_COLORS, SRCCOPY);
    return lines > 0;
}

// The page's part of the picture: the picture itself when it is all of it and not turned,
// otherwise a copy of the part in part, turned left when asked.
const ZImage* PagePicture(const ZImage& picture, const PrintPage& page, ZImage& part) {
    const bool whole = page.source == ZRect{0, 0, static_cast<int32_t>(picture.GetWidth()),
                                            static_cast<int32_t>(picture.GetHeight())};
    if (whole && !page.turnLeft) {
        return &picture;
    }
    if (!CopyRegion(picture, page.source, part) || (page.turnLeft && !RotateLeft(part))) {
        return nullptr;
    }
    return &part;
}

}  // namespace

bool PrinterDevice::Open(const std::wstring& name) {
    Close();
    if (!name.empty()) {
        const DEVMODEW* mode = !m_devMode.empty() && m_devModePrinter == name
                                   ? reinterpret_cast<const DEVMODEW*>(m_devMode.data())
                                   : nullptr;
        m_dc = CreateDCW(nullptr, name.c_str(), nullptr, mode);
    }
    if (m_dc == nullptr) {
        const std::wstring fallback = DefaultPrinter();
        if (!fallback.empty()) {
            m_dc = CreateDCW(nullptr, fallback.c_str(), nullptr, nullptr);
        }
    }
    if (m_dc != nullptr &&
        (GetDeviceCaps(m_dc, RASTERCAPS) & kNeededRasterCaps) != kNeededRasterCaps) {
        Close();
    }
    return m_dc != nullptr;
}

void PrinterDevice::Close() {
    if (m_dc != nullptr) {
        DeleteDC(m_dc);
        m_dc = nullptr;
    }
}

bool PrinterDevice::Configure(HWND owner, const std::wstring& name) {
    HANDLE printer = nullptr;
    if (name.empty() || !OpenPrinterW(const_cast<wchar_t*>(name.c_str()), &printer, nullptr)) {
        return false;
    }
    wchar_t* device = const_cast<wchar_t*>(name.c_str());
    const LONG size = DocumentPropertiesW(owner, printer, device, nullptr, nullptr, 0);
    bool done = false;
    if (size > 0) {
        std::vector<BYTE> mode(static_cast<size_t>(size), 0);
        const bool haveOwn = !m_devMode.empty() && m_devModePrinter == name;
        auto* in = haveOwn ? reinterpret_cast<DEVMODEW*>(m_devMode.data()) : nullptr;
        const LONG result = DocumentPropertiesW(
            owner, printer, device, reinterpret_cast<DEVMODEW*>(mode.data()), in,
            DM_IN_PROMPT | DM_OUT_BUFFER | (in != nullptr ? DM_IN_BUFFER : 0));
        if (result == IDOK) {
            m_devMode.swap(mode);
            m_devModePrinter = name;
            done = true;
        }
    }
    ClosePrinter(printer);
    return done;
}

PrinterMetrics PrinterDevice::Metrics() const {
    PrinterMetrics m;
    if (m_dc != nullptr) {
        m.horzRes = GetDeviceCaps(m_dc, HORZRES);
        m.vertRes = GetDeviceCaps(m_dc, VERTRES);
        m.logPixelsX = GetDeviceCaps(m_dc, LOGPIXELSX);
        m.logPixelsY = GetDeviceCaps(m_dc, LOGPIXELSY);
    }
    return m;
}

std::vector<std::wstring> PrinterDevice::ListPrinters() {
    std::vector<std::wstring> names;
    const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersW(flags, nullptr, 4, nullptr, 0, &needed, &count);
    if (needed == 0) {
        return names;
    }
    std::vector<BYTE> buffer(needed, 0);
    if (!EnumPrintersW(flags, nullptr, 4, buffer.data(), needed, &needed, &count)) {
        return names;
    }
    const auto* info = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        if (info[i].pPrinterName != nullptr) {
            names.emplace_back(info[i].pPrinterName);
        }
    }
    return names;
}

std::wstring PrinterDevice::DefaultPrinter() {
    wchar_t name[kPrinterNameChars] = L"";
    DWORD chars = kPrinterNameChars;
    return GetDefaultPrinterW(name, &chars) ? std::wstring(name) : std::wstring();
}

bool PrintPages(PrinterDevice& printer, const ZImage& picture, const std::vector<PrintPage>& pages,
                const std::wstring& document) {
    HDC dc = printer.GetDC();
    DOCINFOW info{};
    info.cbSize = sizeof(info);
    info.lpszDocName = document.c_str();
    if (dc == nullptr || picture.GetBitsPerPixel() != 24 || StartDocW(dc, &info) <= 0) {
        return false;
    }
    const PrinterMetrics m = printer.Metrics();
    for (const PrintPage& page : pages) {
        ZImage part;  // one page's part at a time
        const ZImage* drawn = PagePicture(picture, page, part);
        if (StartPage(dc) <= 0) {
            break;
        }
        BitBlt(dc, 0, 0, m.horzRes, m.vertRes, nullptr, 0, 0, WHITENESS);
        if (drawn != nullptr) {
            DrawPicture(dc, *drawn, page.target);
        }
        EndPage(dc);
    }
    EndDoc(dc);
    return true;
}

}  // namespace zentrova
