/* helptool: opens a compiled help file at context ids with the system's HTML Help viewer and
 * tells which ids resolve (a help window comes back) and which do not (NULL).
 *
 *   helptool CHM ID...    for each id print "ID window" or "ID none", then close the viewer
 *
 * Exit code 0 when every line was printed; 1 when hhctrl.ocx cannot be loaded; 2: bad arguments.
 */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

#define HELP_HELP_CONTEXT 0x000F /* HH_HELP_CONTEXT */
#define HELP_CLOSE_ALL 0x0012    /* HH_CLOSE_ALL */

typedef HWND(WINAPI* HtmlHelpFunction)(HWND, LPCWSTR, UINT, DWORD_PTR);

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        fputs("usage: helptool CHM ID...\n", stderr);
        return 2;
    }
    HMODULE library = LoadLibraryW(L"hhctrl.ocx");
    HtmlHelpFunction htmlHelp =
        library != NULL ? (HtmlHelpFunction)(void*)GetProcAddress(library, "HtmlHelpW") : NULL;
    if (htmlHelp == NULL) {
        fputs("helptool: no HtmlHelpW\n", stderr);
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        const unsigned long id = wcstoul(argv[i], NULL, 10);
        HWND window = htmlHelp(NULL, argv[1], HELP_HELP_CONTEXT, (DWORD_PTR)id);
        printf("%lu %s\n", id, window != NULL ? "window" : "none");
        fflush(stdout);
    }
    htmlHelp(NULL, NULL, HELP_CLOSE_ALL, 0);
    FreeLibrary(library);
    return 0;
}
