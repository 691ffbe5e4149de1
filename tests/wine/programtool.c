/* programtool: Windows helper for the resident program's window tests (run under Wine).
 *   hotkey VK MODS [MS]         register hot key VK with modifiers MODS on a hidden window; print
 *                               "registered" or "failed", then "pressed" for each WM_HOTKEY; hold
 *                               it for MS milliseconds (default: until killed)
 *   window TITLE X Y W H RRGGBB a sizeable window (class "ClarivueTestWindow") whose client area
 *                               is one colour, activated; prints "client=L T R B" (screen) and
 *                               "window=L T R B"; runs until killed, as the two below
 *   scrollwin TITLE X Y W H ROWS [MODE]
 *                               a vertical scroll bar over ROWS rows, row c coloured red c & 255,
 *                               green c >> 8, blue 0x80; a line is 48 rows; prints "client=".
 *                               MODE "wheel": no bar, the wheel (16 rows a notch) and Home scroll
 *   editwin TITLE X Y W H LINES a multi-line EDIT (dialog font) of lines "Line n of the text";
 *                               prints its "client=" and "line=" the font's line height
 *   visible|hidden CLASS MS     exit 0 as soon as a visible top-level window of CLASS exists
 *                               (printing "rect=L T R B") / none does
 *   dialogtext CAPTION ID MS    wait for the visible dialog CAPTION, print "text=" of control ID
 *   savedialog CAPTION TYPE NAME MS
 *                               wait for the visible file dialog CAPTION, print "name=" and
 *                               "type=" (1-based); then choose TYPE, enter NAME (\uXXXX for that
 *                               character) and press OK; NAME "-" only prints
 *   clipboard FORMAT FILE       write the clipboard's FORMAT ("DIBV5", "DIB" or a registered name
 *                               such as "PNG") byte for byte to FILE
 * Exit code 1: failure or timed out; 2: bad arguments.
 */
#include <windows.h>

#include <dlgs.h>

#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

static COLORREF g_fill;

static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        HBRUSH brush = CreateSolidBrush(g_fill);
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &paint);
        return 0;
    }
    if (message == WM_HOTKEY) {
        puts("pressed");
        fflush(stdout);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

static HWND MakeWindow(WNDPROC proc, const wchar_t* cls, const wchar_t* title, DWORD style, int x,
                       int y, int w, int h) {
    WNDCLASSW wc = {0};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(NULL);
    wc.hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
    wc.lpszClassName = cls;
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, title, style, x, y, w, h, NULL, NULL, wc.hInstance,
                           NULL);
}

static int RunLoop(DWORD ms) {
    if (ms != INFINITE)
        SetTimer(NULL, 0, ms, NULL);
    MSG msg;
    while (GetMessageW(&msg, NULL, 0, 0) > 0) {
        if (msg.message == WM_TIMER && msg.hwnd == NULL)
            break;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

/* Prints "client=L T R B", the client area of hwnd in screen coordinates. */
static void PrintClient(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, NULL, (POINT*)&client, 2);
    printf("client=%ld %ld %ld %ld\n", client.left, client.top, client.right, client.bottom);
}

static int HoldHotkey(UINT vk, UINT mods, DWORD ms) {
    HWND hwnd = MakeWindow(WindowProc, L"ClarivueHotkeyHolder", L"programtool hotkey", WS_POPUP, 0, 0, 1, 1);
    if (!hwnd)
        return 1;
    if (!RegisterHotKey(hwnd, 1, mods, vk)) {
        puts("failed");
        fflush(stdout);
        return 1;
    }
    puts("registered");
    fflush(stdout);
    return RunLoop(ms);
}

/* The scrolling document of "scrollwin". */
static int g_rows;
static int g_top;

static int ScrollLimit(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    int limit = g_rows - (client.bottom - client.top);
    return limit > 0 ? limit : 0;
}

/* The document's row top (kept inside the document) at the window's top, the bar following. */
static void ScrollTo(HWND hwnd, int top) {
    top = top < 0 ? 0 : top > ScrollLimit(hwnd) ? ScrollLimit(hwnd) : top;
    if (top != g_top) {
        g_top = top;
        if (GetWindowLongW(hwnd, GWL_STYLE) & WS_VSCROLL)
            SetScrollPos(hwnd, SB_VERT, g_top, TRUE);
        InvalidateRect(hwnd, NULL, FALSE);
        UpdateWindow(hwnd);
    }
}

static LRESULT CALLBACK ScrollProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        RECT client;
        GetClientRect(hwnd, &client);
        for (int y = client.top; y < client.bottom; ++y) {
            int c = g_top + y;
            HBRUSH brush = CreateSolidBrush(c < g_rows ? RGB(c & 0xFF, c >> 8, 0x80) : RGB(0, 0, 0));
            RECT row = {client.left, y, client.right, y + 1};
            FillRect(dc, &row, brush);
            DeleteObject(brush);
        }
        EndPaint(hwnd, &paint);
        return 0;
    }
    if (message == WM_MOUSEWHEEL || message == WM_KEYDOWN) {
        int top = message == WM_KEYDOWN ? (wParam == VK_HOME ? 0 : g_top)
                                        : g_top - GET_WHEEL_DELTA_WPARAM(wParam) / 120 * 16;
        ScrollTo(hwnd, top);
        return 0;
    }
    if (message == WM_VSCROLL) {
        int top = g_top;
        switch (LOWORD(wParam)) {
            case SB_TOP: top = 0; break;
            case SB_BOTTOM: top = ScrollLimit(hwnd); break;
            case SB_LINEDOWN: top += 48; break;
            case SB_LINEUP: top -= 48; break;
            default: break;
        }
        ScrollTo(hwnd, top);
        return 0;
    }
    return WindowProc(hwnd, message, wParam, lParam);
}

static int ShowScrollWindow(const wchar_t* title, int x, int y, int w, int h, int rows,
                            const wchar_t* mode) {
    g_rows = rows;
    DWORD style = WS_OVERLAPPEDWINDOW | (wcscmp(mode, L"wheel") == 0 ? 0 : WS_VSCROLL);
    HWND hwnd = MakeWindow(ScrollProc, L"ClarivueScrollWindow", title, style, x, y, w, h);
    if (!hwnd)
        return 1;
    SetScrollRange(hwnd, SB_VERT, 0, ScrollLimit(hwnd), FALSE);
    g_top = ScrollLimit(hwnd) / 2; /* the capture scrolls to the top itself */
    SetScrollPos(hwnd, SB_VERT, g_top, FALSE);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    PrintClient(hwnd);
    fflush(stdout);
    return RunLoop(INFINITE);
}

static int ShowEditWindow(const wchar_t* title, int x, int y, int w, int h, int lines) {
    HWND hwnd = MakeWindow(WindowProc, L"ClarivueEditWindow", title, WS_OVERLAPPEDWINDOW, x, y, w, h);
    if (!hwnd)
        return 1;
    RECT client;
    GetClientRect(hwnd, &client);
    HWND edit = CreateWindowExW(0, L"EDIT", L"",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL,
                                0, 0, client.right, client.bottom, hwnd, NULL,
                                GetModuleHandleW(NULL), NULL);
    if (!edit)
        return 1;
    HFONT font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    SendMessageW(edit, WM_SETFONT, (WPARAM)font, FALSE);
    wchar_t* text = calloc((size_t)lines * 40 + 1, sizeof(wchar_t));
    for (int i = 0; i < lines; ++i)
        swprintf(text + wcslen(text), 40, L"%lsLine %d of the text", i ? L"\r\n" : L"", i + 1);
    SetWindowTextW(edit, text);
    free(text);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    HDC dc = GetDC(edit);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    PrintClient(edit);
    printf("line=%ld\n", metrics.tmHeight);
    fflush(stdout);
    return RunLoop(INFINITE);
}

static int ShowWindowOf(const wchar_t* title, int x, int y, int w, int h, unsigned long rgb) {
    g_fill = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    HWND hwnd = MakeWindow(WindowProc, L"ClarivueTestWindow", title, WS_OVERLAPPEDWINDOW, x, y, w, h);
    if (!hwnd)
        return 1;
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    SetForegroundWindow(hwnd);
    RECT window;
    GetWindowRect(hwnd, &window);
    PrintClient(hwnd);
    printf("window=%ld %ld %ld %ld\n", window.left, window.top, window.right, window.bottom);
    fflush(stdout);
    return RunLoop(INFINITE);
}

struct VisibleSearch {
    const wchar_t* cls;
    BOOL found;
    RECT rect;
};

static BOOL CALLBACK FindVisible(HWND hwnd, LPARAM param) {
    struct VisibleSearch* search = (struct VisibleSearch*)param;
    wchar_t cls[256] = L"";
    GetClassNameW(hwnd, cls, 256);
    if (IsWindowVisible(hwnd) && wcscmp(cls, search->cls) == 0) {
        search->found = TRUE;
        GetWindowRect(hwnd, &search->rect);
        return FALSE;
    }
    return TRUE;
}

/* Polls every 50 ms until a visible window of cls exists (wanted) or none does (!wanted). */
static int WaitVisible(const wchar_t* cls, BOOL wanted, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        struct VisibleSearch search = {cls, FALSE, {0, 0, 0, 0}};
        EnumWindows(FindVisible, (LPARAM)&search);
        if (search.found == wanted) {
            if (wanted)
                printf("rect=%ld %ld %ld %ld\n", search.rect.left, search.rect.top,
                       search.rect.right, search.rect.bottom);
            return 0;
        }
        if (GetTickCount() - start >= timeoutMs)
            return 1;
        Sleep(50);
    }
}

/* Polls every 50 ms for a visible dialog titled caption. */
static HWND WaitDialog(const wchar_t* caption, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    HWND dialog = NULL;
    while ((dialog = FindWindowW(L"#32770", caption)) == NULL || !IsWindowVisible(dialog)) {
        if (GetTickCount() - start >= timeoutMs)
            return NULL;
        Sleep(50);
    }
    return dialog;
}

static void PrintUtf8(const char* label, const wchar_t* text) {
    char utf8[4 * 2048] = "";
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, (int)sizeof utf8, NULL, NULL);
    printf("%s=%s\n", label, utf8);
}

static int DialogText(const wchar_t* caption, int id, DWORD timeoutMs) {
    HWND box = WaitDialog(caption, timeoutMs);
    if (box == NULL)
        return 1;
    wchar_t text[2048] = L"";
    GetDlgItemTextW(box, id, text, 2048);
    PrintUtf8("text", text);
    fflush(stdout);
    return 0;
}

/* Copies text into out (capacity characters), turning each \uXXXX into that UTF-16 unit. */
static void Unescape(const wchar_t* text, wchar_t* out, size_t capacity) {
    size_t n = 0;
    while (*text != L'\0' && n + 1 < capacity) {
        if (text[0] == L'\\' && text[1] == L'u' && wcslen(text) >= 6) {
            wchar_t hex[5] = {text[2], text[3], text[4], text[5], L'\0'};
            out[n++] = (wchar_t)wcstoul(hex, NULL, 16);
            text += 6;
        } else {
            out[n++] = *text++;
        }
    }
    out[n] = L'\0';
}

/* Fills in the file dialog titled caption: type (1-based) and name, then OK. */
static int SaveDialog(const wchar_t* caption, int type, const wchar_t* name, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    HWND dialog = WaitDialog(caption, timeoutMs);
    if (dialog == NULL)
        return 1;
    HWND types = GetDlgItem(dialog, cmb1);
    HWND file = GetDlgItem(dialog, cmb13);
    if (file == NULL)
        file = GetDlgItem(dialog, edt1);
    if (types == NULL || file == NULL)
        return 1;
    /* The start name comes after the dialog is shown; WM_GETTEXT asks the other process. */
    wchar_t text[MAX_PATH] = L"";
    while (SendMessageW(file, WM_GETTEXT, MAX_PATH, (LPARAM)text) == 0 &&
           GetTickCount() - start < timeoutMs)
        Sleep(50);
    PrintUtf8("name", text);
    printf("type=%d\n", (int)SendMessageW(types, CB_GETCURSEL, 0, 0) + 1);
    fflush(stdout);
    if (wcscmp(name, L"-") == 0)
        return 0;
    SendMessageW(types, CB_SETCURSEL, (WPARAM)(type - 1), 0);
    /* As a choice made in the list: the selection changes, then it is confirmed. */
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), (LPARAM)types);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), (LPARAM)types);
    Unescape(name, text, MAX_PATH);
    SendMessageW(file, WM_SETTEXT, 0, (LPARAM)text);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(dialog, IDOK));
    return 0;
}

static int SaveClipboard(const wchar_t* name, const wchar_t* path) {
    UINT format = wcscmp(name, L"DIBV5") == 0 ? CF_DIBV5
                  : wcscmp(name, L"DIB") == 0 ? CF_DIB
                                              : RegisterClipboardFormatW(name);
    if (format == 0 || !OpenClipboard(NULL))
        return 1;
    int rc = 1;
    HANDLE data = GetClipboardData(format);
    const void* bytes = data != NULL ? GlobalLock(data) : NULL;
    if (bytes != NULL) {
        FILE* file = _wfopen(path, L"wb");
        if (file != NULL) {
            const size_t size = GlobalSize(data);
            rc = fwrite(bytes, 1, size, file) == size ? 0 : 1;
            rc = fclose(file) == 0 ? rc : 1;
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return rc;
}

int wmain(int argc, wchar_t** argv) {
    if (argc >= 4 && wcscmp(argv[1], L"hotkey") == 0)
        return HoldHotkey((UINT)wcstoul(argv[2], NULL, 0), (UINT)wcstoul(argv[3], NULL, 0),
                          argc >= 5 ? (DWORD)wcstoul(argv[4], NULL, 10) : INFINITE);
    if (argc >= 8 && wcscmp(argv[1], L"editwin") == 0)
        return ShowEditWindow(argv[2], _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]),
                              _wtoi(argv[6]), _wtoi(argv[7]));
    if (argc >= 8 && wcscmp(argv[1], L"scrollwin") == 0)
        return ShowScrollWindow(argv[2], _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]),
                                _wtoi(argv[6]), _wtoi(argv[7]), argc >= 9 ? argv[8] : L"");
    if (argc >= 8 && wcscmp(argv[1], L"window") == 0)
        return ShowWindowOf(argv[2], _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]), _wtoi(argv[6]),
                            wcstoul(argv[7], NULL, 16));
    if (argc >= 4 && wcscmp(argv[1], L"visible") == 0)
        return WaitVisible(argv[2], TRUE, (DWORD)wcstoul(argv[3], NULL, 10));
    if (argc >= 4 && wcscmp(argv[1], L"hidden") == 0)
        return WaitVisible(argv[2], FALSE, (DWORD)wcstoul(argv[3], NULL, 10));
    if (argc >= 5 && wcscmp(argv[1], L"dialogtext") == 0)
        return DialogText(argv[2], _wtoi(argv[3]), (DWORD)wcstoul(argv[4], NULL, 10));
    if (argc >= 6 && wcscmp(argv[1], L"savedialog") == 0)
        return SaveDialog(argv[2], _wtoi(argv[3]), argv[4], (DWORD)wcstoul(argv[5], NULL, 10));
    if (argc >= 4 && wcscmp(argv[1], L"clipboard") == 0)
        return SaveClipboard(argv[2], argv[3]);
    fputs("usage: programtool COMMAND ARGS...\n", stderr);
    return 2;
}
