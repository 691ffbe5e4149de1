/* printertool: the test printer of the print tests (run under Wine).
 *
 *   printertool add NAME PPD PORT   add a PostScript printer NAME (Wine's PostScript driver with
 *                                   the page description PPD) whose jobs are written to the Unix
 *                                   path PORT, and make it the default printer
 * Exit code 1: failure; 2: bad arguments.
 */
#include <windows.h>

#include <winspool.h>

#include <stdio.h>
#include <wchar.h>

static int AddTestPrinter(wchar_t* name, wchar_t* ppd, wchar_t* port) {
    wchar_t driver[] = L"Clarivue Test PostScript";
    wchar_t wineps[] = L"wineps.drv";
    wchar_t raw[] = L"RAW";
    wchar_t processor[] = L"WinPrint";
    DRIVER_INFO_3W info;
    memset(&info, 0, sizeof info);
    info.cVersion = 3;
    info.pName = driver;
    info.pDriverPath = wineps;
    info.pConfigFile = wineps;
    info.pDataFile = ppd;
    info.pDefaultDataType = raw;
    if (!AddPrinterDriverExW(NULL, 3, (BYTE*)&info, APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY)) {
        fprintf(stderr, "AddPrinterDriverExW: %lu\n", GetLastError());
        return 1;
    }
    PRINTER_INFO_2W printer;
    memset(&printer, 0, sizeof printer);
    printer.pPrinterName = name;
    printer.pPortName = port;
    printer.pDriverName = driver;
    printer.pPrintProcessor = processor;
    printer.pDatatype = raw;
    printer.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE handle = AddPrinterW(NULL, 2, (BYTE*)&printer);
    if (handle == NULL && GetLastError() != ERROR_PRINTER_ALREADY_EXISTS) {
        fprintf(stderr, "AddPrinterW: %lu\n", GetLastError());
        return 1;
    }
    if (handle != NULL)
        ClosePrinter(handle);
    return SetDefaultPrinterW(name) ? 0 : 1;
}

int wmain(int argc, wchar_t** argv) {
    if (argc == 5 && wcscmp(argv[1], L"add") == 0)
        return AddTestPrinter(argv[2], argv[3], argv[4]);
    fputs("usage: printertool add NAME PPD PORT\n", stderr);
    return 2;
}
