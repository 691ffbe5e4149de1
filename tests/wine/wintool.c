/* wintool: the Windows helper of the window tests (run under Wine). Commands (MS: a wait; none
 * given: no wait, or hold until killed); exit code 1: not found, failed or timed out; 2: usage.
 *   find|gone CLASS [MS], visible|hidden CLASS MS ("rect="), nodialog TITLE [MS]: waits
 *   count PREFIX: visible top-level windows whose class begins with PREFIX
 *   info CLASS: "title=", "visible=", "exstyle="
 *   dialogtext CAPTION ID [MS]: "text=" of control ID (65535: a message box's) of a visible dialog
 *   resource EXE TYPE ID: "size=", a manifest's (24) text or an icon group's (14) "widths="
 *   iconpixel EXE ID SIZE X Y: icon ID at SIZE pixels drawn on black, RRGGBB at (X, Y)
 *   post CLASS MSG WP LP...: the messages posted at once, so that they queue together
 *   tray CLASS ID MS: icon ID deleted, "TaskbarCreated" sent: "deleted=", "gone=", "back="
 *   child CLASS ID: "rect=" (screen), "visible=", "textlength=" of child ID
 *   ctl|topctl TITLE ID ACTION [ARG]: control ID (0: the window) of the dialog (ctl) or top-level
 *     window TITLE: click, get ("check=", "enabled=", "text="; ID 0 also "rect=", "page="),
 *     gettext, settext, hotkey WORD, key VK, char C, selectstring, choose N, trackbar N, tree N,
 *     page N (as the user's choice: the parent is told)
 *   mutex NAME [MS]: "created" or "existed", held; hotkey VK MODS [MS]: "registered" or
 *     "failed", then "pressed" for each press, held
 *   window TITLE X Y W H RRGGBB: one colour ("client=", "window="); scrollwin TITLE X Y W H ROWS
 *     [wheel]: row c is RGB(c & 255, c >> 8, 0x80), a line 48 rows, a notch 16; editwin TITLE X Y
 *     W H LINES: a multi-line EDIT ("client=", "line=" height); each runs until killed
 *   savedialog CAPTION TYPE NAME MS: "name=", "type=" of a file dialog, then TYPE, NAME (\uXXXX:
 *     that character) and OK; NAME "-" only prints
 *   clipboard FORMAT FILE: the clipboard's FORMAT (DIBV5, DIB or a registered name) to FILE
 *   help CHM ID...: "ID window" or "ID none" as the HTML Help viewer opens the id or not
 *   printer NAME PPD PORT: a PostScript printer (Wine's driver, page description PPD) writing
 *     its jobs to the Unix path PORT, made the default printer
 */
#include <windows.h>
#include <shellapi.h>

#include <dlgs.h>
#include <winspool.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

static void PrintWide(const char* label, const wchar_t* text) {
    char out[8];
    printf("%s=", label);
    for (; *text; ++text) {
        if (*text == L'\n') {
            fputs("\\n", stdout);
            continue;
        }
        int n = WideCharToMultiByte(CP_UTF8, 0, text, 1, out, 8, NULL, NULL);
        if (n > 0)
            fwrite(out, 1, (size_t)n, stdout);
    }
    fputc('\n', stdout);
    fflush(stdout);
}

static void PrintRect(const char* label, RECT r) {
    printf("%s=%ld %ld %ld %ld\n", label, r.left, r.top, r.right, r.bottom);
}

/* Polls every 50 ms until (FindWindowW(cls, title) != NULL) == wanted or the time is over; with
 * visible, only a visible window counts. */
static HWND WaitWindow(const wchar_t* cls, const wchar_t* title, BOOL wanted, BOOL visible,
                       DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        HWND hwnd = FindWindowW(cls, title);
        if (hwnd != NULL && visible && !IsWindowVisible(hwnd))
            hwnd = NULL;
        if ((hwnd != NULL) == wanted)
            return wanted ? hwnd : (HWND)1;
        if (GetTickCount() - start >= timeoutMs)
            return NULL;
        Sleep(50);
    }
}

struct ClassSearch {
    const wchar_t* cls;
    BOOL prefix; /* count every visible window whose class begins with cls */
    int count;
    RECT rect;   /* of the first one */
};

static BOOL CALLBACK MatchClass(HWND hwnd, LPARAM lParam) {
    struct ClassSearch* s = (struct ClassSearch*)lParam;
    wchar_t name[256] = L"";
    GetClassNameW(hwnd, name, 256);
    if (!IsWindowVisible(hwnd) ||
        (s->prefix ? wcsncmp(name, s->cls, wcslen(s->cls)) : wcscmp(name, s->cls)) != 0)
        return TRUE;
    if (s->count++ == 0)
        GetWindowRect(hwnd, &s->rect);
    return s->prefix;
}

static int WaitVisible(const wchar_t* cls, BOOL wanted, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        struct ClassSearch search = {cls, FALSE, 0, {0, 0, 0, 0}};
        EnumWindows(MatchClass, (LPARAM)&search);
        if ((search.count > 0) == wanted) {
            if (wanted)
                PrintRect("rect", search.rect);
            return 0;
        }
        if (GetTickCount() - start >= timeoutMs)
            return 1;
        Sleep(50);
    }
}

static int Info(const wchar_t* cls) {
    HWND hwnd = FindWindowW(cls, NULL);
    if (!hwnd)
        return 1;
    wchar_t title[256] = L"";
    GetWindowTextW(hwnd, title, 256);
    PrintWide("title", title);
    printf("visible=%d\nexstyle=0x%08lx\n", IsWindowVisible(hwnd) ? 1 : 0,
           (unsigned long)GetWindowLongW(hwnd, GWL_EXSTYLE));
    return 0;
}

static int DialogText(const wchar_t* caption, int id, DWORD timeoutMs) {
    HWND box = WaitWindow(L"#32770", caption, TRUE, TRUE, timeoutMs);
    if (box == NULL)
        return 1;
    wchar_t text[2048] = L"";
    GetDlgItemTextW(box, id, text, 2048);
    PrintWide("text", text);
    return 0;
}

static int HoldMutex(const wchar_t* name, DWORD ms) {
    HANDLE mutex = CreateMutexW(NULL, FALSE, name);
    if (!mutex)
        return 1;
    BOOL existed = GetLastError() == ERROR_ALREADY_EXISTS;
    puts(existed ? "existed" : "created");
    fflush(stdout);
    Sleep(ms);
    CloseHandle(mutex);
    return existed ? 2 : 0;
}

/* The program file's resources as Windows reads them (the tool ends at once: nothing is freed). */
static HMODULE OpenProgramFile(const wchar_t* path) {
    return LoadLibraryExW(path, NULL, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
}

static int PrintResource(const wchar_t* path, WORD type, WORD id) {
    HMODULE module = OpenProgramFile(path);
    HRSRC info = module ? FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(type)) : NULL;
    HGLOBAL loaded = info ? LoadResource(module, info) : NULL;
    const unsigned char* data = loaded ? (const unsigned char*)LockResource(loaded) : NULL;
    if (!data)
        return 1;
    DWORD size = SizeofResource(module, info);
    printf("size=%lu\n", (unsigned long)size);
    if (type == 24) {
        fwrite(data, 1, size, stdout);
        fputc('\n', stdout);
    } else if (type == 14 && size >= 6) {
        /* GRPICONDIR: reserved, type, count; then 14-byte entries starting with the width. */
        unsigned count = data[4] | (data[5] << 8);
        printf("widths=");
        for (unsigned i = 0; i < count && 6 + 14 * (i + 1) <= size; ++i)
            printf(i ? " %u" : "%u", data[6 + 14 * i] ? data[6 + 14 * i] : 256u);
        fputc('\n', stdout);
    }
    return 0;
}

static int IconPixel(const wchar_t* path, WORD id, int size, int x, int y) {
    HMODULE module = OpenProgramFile(path);
    HICON icon = module ? (HICON)LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0)
                        : NULL;
    /* top-down (negative height): row y is the picture's row y */
    BITMAPINFO bmi = {.bmiHeader = {.biSize = sizeof(BITMAPINFOHEADER), .biWidth = size,
                                    .biHeight = -size, .biPlanes = 1, .biBitCount = 32}};
    void* bits = NULL;
    HDC dc = CreateCompatibleDC(NULL);
    HBITMAP bitmap = CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, &bits, NULL, 0);
    if (!icon || !dc || !bitmap)
        return 1;
    SelectObject(dc, bitmap);
    memset(bits, 0, (size_t)size * size * 4);
    DrawIconEx(dc, 0, 0, icon, size, size, 0, NULL, DI_NORMAL);
    GdiFlush();
    printf("%06lx\n", (unsigned long)(((DWORD*)bits)[y * size + x] & 0xFFFFFF));
    return 0;
}

static int PostMessages(const wchar_t* cls, int count, wchar_t** args) {
    HWND hwnd = FindWindowW(cls, NULL);
    if (!hwnd || count < 3 || count % 3 != 0)
        return hwnd ? 2 : 1;
    UINT message[16];
    WPARAM wParam[16];
    LPARAM lParam[16];
    int n = 0;
    for (int i = 0; i + 2 < count && n < 16; i += 3, ++n) {
        message[n] = (UINT)wcstoul(args[i], NULL, 0);
        wParam[n] = (WPARAM)wcstoull(args[i + 1], NULL, 0);
        lParam[n] = (LPARAM)wcstoull(args[i + 2], NULL, 0);
    }
    /* Parsed first: nothing comes between the posts. */
    for (int i = 0; i < n; ++i) {
        if (!PostMessageW(hwnd, message[i], wParam[i], lParam[i]))
            return 1;
    }
    return 0;
}

/* NIM_MODIFY with nothing to change succeeds while the shell knows the icon (hwnd, id). */
static BOOL TrayCall(HWND hwnd, UINT id, DWORD message) {
    NOTIFYICONDATAW data = {.cbSize = sizeof data, .hWnd = hwnd, .uID = id};
    return Shell_NotifyIconW(message, &data);
}

static int RenewTrayIcon(const wchar_t* cls, UINT id, DWORD timeoutMs) {
    HWND hwnd = FindWindowW(cls, NULL);
    if (!hwnd)
        return 1;
    BOOL deleted = TrayCall(hwnd, id, NIM_DELETE);
    BOOL gone = !TrayCall(hwnd, id, NIM_MODIFY);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(hwnd, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, SMTO_NORMAL,
                        timeoutMs, &result);
    DWORD start = GetTickCount();
    BOOL back;
    while (!(back = TrayCall(hwnd, id, NIM_MODIFY)) && GetTickCount() - start < timeoutMs)
        Sleep(50);
    printf("deleted=%d\ngone=%d\nback=%d\n", deleted ? 1 : 0, gone ? 1 : 0, back ? 1 : 0);
    return deleted && gone && back ? 0 : 1;
}

static int ChildRect(const wchar_t* cls, int id) {
    HWND window = FindWindowW(cls, NULL);
    HWND child = window != NULL ? GetDlgItem(window, id) : NULL;
    RECT r;
    if (child == NULL || !GetWindowRect(child, &r))
        return 1;
    DWORD_PTR length = 0;
    SendMessageTimeoutW(child, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
    PrintRect("rect", r);
    printf("visible=%d\ntextlength=%lu\n", IsWindowVisible(child) ? 1 : 0, (unsigned long)length);
    return 0;
}

struct ControlSearch {
    int id;
    HWND found;
};

static BOOL CALLBACK FindControl(HWND hwnd, LPARAM lParam) {
    struct ControlSearch* search = (struct ControlSearch*)lParam;
    if (GetDlgCtrlID(hwnd) == search->id) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

static int ControlOf(const wchar_t* cls, const wchar_t* title, int id, const wchar_t* action,
                     const wchar_t* arg) {
    DWORD start = GetTickCount();
    HWND top = WaitWindow(cls, title, TRUE, FALSE, 5000);
    if (top == NULL)
        return 1;
    HWND control = top;
    if (id != 0) {
        /* a property sheet makes a page's controls when the page is first shown: wait for them */
        struct ControlSearch search = {id, NULL};
        while (EnumChildWindows(top, FindControl, (LPARAM)&search), search.found == NULL &&
               GetTickCount() - start < 5000 && IsWindow(top))
            Sleep(50);
        if (search.found == NULL)
            return 1;
        control = search.found;
    }
    if (wcscmp(action, L"click") == 0)
        return PostMessageW(control, BM_CLICK, 0, 0) ? 0 : 1;
    if (wcscmp(action, L"gettext") == 0) {
        /* asked of the control itself: an edit box's text is not the window's caption */
        wchar_t text[512] = L"";
        SendMessageW(control, WM_GETTEXT, 512, (LPARAM)text);
        PrintWide("text", text);
        return 0;
    }
    if (wcscmp(action, L"get") == 0) {
        wchar_t text[512] = L"";
        GetWindowTextW(control, text, 512);
        printf("check=%d\n", (int)SendMessageW(control, BM_GETCHECK, 0, 0));
        printf("enabled=%d\n", IsWindowEnabled(control) ? 1 : 0);
        PrintWide("text", text);
        if (id == 0) {
            RECT r;
            GetWindowRect(control, &r);
            PrintRect("rect", r);
            HWND page = (HWND)SendMessageW(control, 0x0476 /* PSM_GETCURRENTPAGEHWND */, 0, 0);
            text[0] = 0;
            if (page != NULL)
                GetWindowTextW(page, text, 512);
            PrintWide("page", text);
        }
        return 0;
    }
    if (arg == NULL)
        return 2;
    if (wcscmp(action, L"hotkey") == 0) {
        SendMessageW(control, 0x0401 /* HKM_SETHOTKEY */, (WPARAM)wcstoul(arg, NULL, 0), 0);
        return 0;
    }
    if (wcscmp(action, L"key") == 0) {
        UINT vk = (UINT)wcstoul(arg, NULL, 0);
        PostMessageW(control, WM_KEYDOWN, vk, 1);
        PostMessageW(control, WM_KEYUP, vk, 0xC0000001);
        return 0;
    }
    if (wcscmp(action, L"char") == 0)
        return PostMessageW(control, WM_CHAR, arg[0], 1) ? 0 : 1;
    if (wcscmp(action, L"choose") == 0) {
        /* as the user picks it: the selection, then the parent's CBN_SELCHANGE */
        if (SendMessageW(control, CB_SETCURSEL, (WPARAM)_wtoi(arg), 0) == CB_ERR)
            return 1;
        SendMessageW(GetParent(control), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(control), CBN_SELCHANGE), (LPARAM)control);
        return 0;
    }
    if (wcscmp(action, L"selectstring") == 0)
        return SendMessageW(control, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)arg) == CB_ERR ? 1 : 0;
    if (wcscmp(action, L"settext") == 0)
        return SendMessageW(control, WM_SETTEXT, 0, (LPARAM)arg) ? 0 : 1;
    if (wcscmp(action, L"trackbar") == 0) {
        /* as a drag ends: the position, then the parent's WM_HSCROLL */
        SendMessageW(control, 0x0405 /* TBM_SETPOS */, TRUE, (LPARAM)_wtoi(arg));
        SendMessageW(GetParent(control), WM_HSCROLL, MAKEWPARAM(8 /* TB_ENDTRACK */, 0),
                     (LPARAM)control);
        return 0;
    }
    if (wcscmp(action, L"tree") == 0) {
        /* the tree view's item N in visible order (0: the root) becomes the selection */
        LPARAM item = SendMessageW(control, 0x110A /* TVM_GETNEXTITEM */, 0 /* TVGN_ROOT */, 0);
        for (int n = _wtoi(arg); n > 0 && item != 0; --n)
            item = SendMessageW(control, 0x110A, 6 /* TVGN_NEXTVISIBLE */, item);
        if (item == 0)
            return 1;
        SendMessageW(control, 0x110B /* TVM_SELECTITEM */, 9 /* TVGN_CARET */, item);
        return 0;
    }
    if (wcscmp(action, L"page") == 0) {
        SendMessageW(control, 0x0465 /* PSM_SETCURSEL */, (WPARAM)_wtoi(arg), 0);
        return 0;
    }
    return 2;
}

/* ---- the test windows ---- */
static COLORREF g_fill;
static int g_rows; /* the scrolling document: its rows, the one at the window's top */
static int g_top;

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

static HWND MakeWindow(WNDPROC proc, const wchar_t* cls, const wchar_t* title, DWORD style,
                       wchar_t** xywh) {
    WNDCLASSW wc = {0};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(NULL);
    wc.hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
    wc.lpszClassName = cls;
    RegisterClassW(&wc);
    return CreateWindowExW(0, cls, title, style, _wtoi(xywh[0]), _wtoi(xywh[1]), _wtoi(xywh[2]),
                           _wtoi(xywh[3]), NULL, NULL, wc.hInstance, NULL);
}

/* Shows hwnd and prints "client=L T R B", the client area of client in screen coordinates. */
static void ShowAndPrint(HWND hwnd, HWND client) {
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    RECT r;
    GetClientRect(client, &r);
    MapWindowPoints(client, NULL, (POINT*)&r, 2);
    PrintRect("client", r);
}

static int HoldHotkey(UINT vk, UINT mods, DWORD ms) {
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"wintool hotkey", WS_POPUP, 0, 0, 1, 1, NULL, NULL,
                                GetModuleHandleW(NULL), NULL);
    if (!hwnd)
        return 1;
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)WindowProc);
    BOOL registered = RegisterHotKey(hwnd, 1, mods, vk);
    puts(registered ? "registered" : "failed");
    fflush(stdout);
    return registered ? RunLoop(ms) : 1;
}

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

static int ShowScrollWindow(wchar_t** args, int rows, const wchar_t* mode) {
    g_rows = rows;
    DWORD style = WS_OVERLAPPEDWINDOW | (wcscmp(mode, L"wheel") == 0 ? 0 : WS_VSCROLL);
    HWND hwnd = MakeWindow(ScrollProc, L"ClarivueScrollWindow", args[0], style, args + 1);
    if (!hwnd)
        return 1;
    SetScrollRange(hwnd, SB_VERT, 0, ScrollLimit(hwnd), FALSE);
    g_top = ScrollLimit(hwnd) / 2; /* the capture scrolls to the top itself */
    SetScrollPos(hwnd, SB_VERT, g_top, FALSE);
    ShowAndPrint(hwnd, hwnd);
    fflush(stdout);
    return RunLoop(INFINITE);
}

static int ShowEditWindow(wchar_t** args, int lines) {
    HWND hwnd =
        MakeWindow(WindowProc, L"ClarivueEditWindow", args[0], WS_OVERLAPPEDWINDOW, args + 1);
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
    ShowAndPrint(hwnd, edit);
    HDC dc = GetDC(edit);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    printf("line=%ld\n", metrics.tmHeight);
    fflush(stdout);
    return RunLoop(INFINITE);
}

static int ShowWindowOf(wchar_t** args, unsigned long rgb) {
    g_fill = RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    HWND hwnd =
        MakeWindow(WindowProc, L"ClarivueTestWindow", args[0], WS_OVERLAPPEDWINDOW, args + 1);
    if (!hwnd)
        return 1;
    ShowAndPrint(hwnd, hwnd);
    SetForegroundWindow(hwnd);
    RECT window;
    GetWindowRect(hwnd, &window);
    PrintRect("window", window);
    fflush(stdout);
    return RunLoop(INFINITE);
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
    HWND dialog = WaitWindow(L"#32770", caption, TRUE, TRUE, timeoutMs);
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
    PrintWide("name", text);
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

static int HelpContexts(wchar_t* chm, int count, wchar_t** ids) {
    typedef HWND(WINAPI * HtmlHelpFunction)(HWND, LPCWSTR, UINT, DWORD_PTR);
    HMODULE library = LoadLibraryW(L"hhctrl.ocx");
    HtmlHelpFunction htmlHelp =
        library != NULL ? (HtmlHelpFunction)(void*)GetProcAddress(library, "HtmlHelpW") : NULL;
    if (htmlHelp == NULL)
        return 1;
    for (int i = 0; i < count; ++i) {
        const unsigned long id = wcstoul(ids[i], NULL, 10);
        HWND window = htmlHelp(NULL, chm, 0x000F /* HH_HELP_CONTEXT */, (DWORD_PTR)id);
        printf("%lu %s\n", id, window != NULL ? "window" : "none");
    }
    htmlHelp(NULL, NULL, 0x0012 /* HH_CLOSE_ALL */, 0);
    return 0;
}

static int AddTestPrinter(wchar_t* name, wchar_t* ppd, wchar_t* port) {
    wchar_t driver[] = L"Clarivue Test PostScript", wineps[] = L"wineps.drv", raw[] = L"RAW";
    wchar_t processor[] = L"WinPrint";
    DRIVER_INFO_3W info = {.cVersion = 3, .pName = driver, .pDriverPath = wineps,
                           .pConfigFile = wineps, .pDataFile = ppd, .pDefaultDataType = raw};
    if (!AddPrinterDriverExW(NULL, 3, (BYTE*)&info, APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY))
        return 1;
    PRINTER_INFO_2W printer = {.pPrinterName = name, .pPortName = port, .pDriverName = driver,
                               .pPrintProcessor = processor, .pDatatype = raw,
                               .Attributes = PRINTER_ATTRIBUTE_LOCAL};
    HANDLE handle = AddPrinterW(NULL, 2, (BYTE*)&printer);
    if (handle == NULL && GetLastError() != ERROR_PRINTER_ALREADY_EXISTS)
        return 1;
    if (handle != NULL)
        ClosePrinter(handle);
    return SetDefaultPrinterW(name) ? 0 : 1;
}

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        fputs("usage: wintool COMMAND NAME ...\n", stderr);
        return 2;
    }
    const wchar_t* command = argv[1];
    const wchar_t* name = argv[2];
#define IS(word, minArgs) (wcscmp(command, L##word) == 0 && argc >= (minArgs))
#define MS(index, fallback) (argc > (index) ? (DWORD)wcstoul(argv[index], NULL, 10) : (fallback))
    if (IS("find", 3) || IS("gone", 3))
        return WaitWindow(name, NULL, command[0] == L'f', FALSE, MS(3, 0)) ? 0 : 1;
    if (IS("visible", 3) || IS("hidden", 3))
        return WaitVisible(name, command[0] == L'v', MS(3, 0));
    if (IS("nodialog", 3))
        return WaitWindow(L"#32770", name, FALSE, FALSE, MS(3, 0)) ? 0 : 1;
    if (IS("count", 3)) {
        struct ClassSearch search = {name, TRUE, 0, {0, 0, 0, 0}};
        EnumWindows(MatchClass, (LPARAM)&search);
        printf("%d\n", search.count);
        return 0;
    }
    if (IS("info", 3))
        return Info(name);
    if (IS("dialogtext", 4))
        return DialogText(name, _wtoi(argv[3]), MS(4, 0));
    if (IS("mutex", 3))
        return HoldMutex(name, MS(3, INFINITE));
    if (IS("resource", 5))
        return PrintResource(name, (WORD)_wtoi(argv[3]), (WORD)_wtoi(argv[4]));
    if (IS("iconpixel", 7)) {
        int size = _wtoi(argv[4]), x = _wtoi(argv[5]), y = _wtoi(argv[6]);
        if (size < 1 || size > 256 || x < 0 || y < 0 || x >= size || y >= size)
            return 2;
        return IconPixel(name, (WORD)_wtoi(argv[3]), size, x, y);
    }
    if (IS("post", 3))
        return PostMessages(name, argc - 3, argv + 3);
    if (IS("tray", 5))
        return RenewTrayIcon(name, (UINT)_wtoi(argv[3]), MS(4, 0));
    if (IS("child", 4))
        return ChildRect(name, _wtoi(argv[3]));
    if (IS("ctl", 5) || IS("topctl", 5))
        return ControlOf(command[0] == L'c' ? L"#32770" : NULL, name, _wtoi(argv[3]), argv[4],
                         argc >= 6 ? argv[5] : NULL);
    if (IS("hotkey", 4))
        return HoldHotkey((UINT)wcstoul(name, NULL, 0), (UINT)wcstoul(argv[3], NULL, 0),
                          MS(4, INFINITE));
    if (IS("window", 8))
        return ShowWindowOf(argv + 2, wcstoul(argv[7], NULL, 16));
    if (IS("scrollwin", 8))
        return ShowScrollWindow(argv + 2, _wtoi(argv[7]), argc >= 9 ? argv[8] : L"");
    if (IS("editwin", 8))
        return ShowEditWindow(argv + 2, _wtoi(argv[7]));
    if (IS("savedialog", 6))
        return SaveDialog(name, _wtoi(argv[3]), argv[4], MS(5, 0));
    if (IS("clipboard", 4))
        return SaveClipboard(name, argv[3]);
    if (IS("help", 4))
        return HelpContexts(argv[2], argc - 3, argv + 3);
    if (IS("printer", 5))
        return AddTestPrinter(argv[2], argv[3], argv[4]);
    fputs("wintool: unknown command\n", stderr);
    return 2;
}
