/* wintool: a small Windows console helper for the window tests (run under Wine).
 *   find|gone CLASS [MS]        exit 0 as soon as a top-level window of CLASS exists / none does
 *   nodialog TITLE [MS]         exit 0 as soon as no dialog (#32770) titled TITLE exists
 *   info CLASS                  print title, visibility, styles and class data of that window
 *   msgbox CAPTION [MS]         wait for a message box, print "text=" (line breaks as \n), "topmost="
 *   resource EXE TYPE ID        print "size=", then a manifest's (24) text or an icon group's (14)
 *                               "widths="
 *   iconpixel EXE ID SIZE X Y   icon ID at SIZE pixels drawn on black: the colour at (X, Y), RRGGBB
 *   post CLASS MSG WP LP...     post the messages (0x for hex) at once, so they queue together
 *   tray CLASS ID MS            delete notification icon ID, send "TaskbarCreated"; print
 *                               "deleted=", "gone=" and "back=" (known again within MS), 1 or 0
 *   child CLASS ID              print "rect=L T R B" (screen), "visible=", "textlength=" of child ID
 *   ctl TITLE ID ACTION [ARG]   act on control ID (0: the window) of the dialog TITLE, waiting 5 s
 *                               for both: click (posted), get ("check=", "enabled=", "text="; for
 *                               ID 0 also "rect=" and a property sheet's "page="), gettext,
 *                               settext TEXT, hotkey WORD, key VK, char C (posted), selectstring
 *                               TEXT, choose N (parent told), trackbar N (parent told), tree N
 *                               (item N in visible order selected, 0 the root), page N
 *   topctl TITLE ID ACTION [ARG] as ctl, below a top-level window TITLE of any class
 *   mutex NAME [MS]             create the named mutex, print "created" or "existed", hold it for
 *                               MS milliseconds (default: until killed)
 *   count PREFIX                print how many visible top-level windows have a class name
 *                               beginning with PREFIX
 * Exit code 1: not found / timed out; 2: bad arguments.
 */
#include <windows.h>
#include <shellapi.h>

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
}

static DWORD ParseMs(int argc, wchar_t** argv, int index, DWORD fallback) {
    return argc > index ? (DWORD)wcstoul(argv[index], NULL, 10) : fallback;
}

/* Polls every 50 ms until (FindWindowW(cls, title) != NULL) == wanted or the time is over. */
static HWND WaitWindow(const wchar_t* cls, const wchar_t* title, BOOL wanted, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        HWND hwnd = FindWindowW(cls, title);
        if ((hwnd != NULL) == wanted)
            return wanted ? hwnd : (HWND)1;
        if (GetTickCount() - start >= timeoutMs)
            return NULL;
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
    printf("visible=%d\nstyle=0x%08lx\nexstyle=0x%08lx\nclassstyle=0x%08lx\nbackground=%lld\n"
           "cursor=%d\nicon=%d\n",
           IsWindowVisible(hwnd) ? 1 : 0, (unsigned long)GetWindowLongW(hwnd, GWL_STYLE),
           (unsigned long)GetWindowLongW(hwnd, GWL_EXSTYLE),
           (unsigned long)GetClassLongW(hwnd, GCL_STYLE),
           (long long)GetClassLongPtrW(hwnd, GCLP_HBRBACKGROUND),
           GetClassLongPtrW(hwnd, GCLP_HCURSOR) != 0 ? 1 : 0,
           GetClassLongPtrW(hwnd, GCLP_HICON) != 0 ? 1 : 0);
    return 0;
}

static int MessageBoxText(const wchar_t* caption, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    HWND box = WaitWindow(L"#32770", caption, TRUE, timeoutMs);
    if (!box)
        return 1;
    /* The box is filled and placed before it is shown. */
    while (!IsWindowVisible(box) && GetTickCount() - start < timeoutMs)
        Sleep(20);
    if (!IsWindowVisible(box))
        return 1;
    /* The text of a message box is its static control 0xFFFF. */
    wchar_t text[1100] = L"";
    GetDlgItemTextW(box, 0xFFFF, text, 1100);
    PrintWide("text", text);
    printf("topmost=%d\n", (GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0);
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

static HMODULE OpenProgramFile(const wchar_t* path) {
    return LoadLibraryExW(path, NULL, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
}

static int PrintResource(const wchar_t* path, WORD type, WORD id) {
    HMODULE module = OpenProgramFile(path);
    if (!module)
        return 1;
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(type));
    HGLOBAL loaded = info ? LoadResource(module, info) : NULL;
    const unsigned char* data = loaded ? (const unsigned char*)LockResource(loaded) : NULL;
    if (!data) {
        FreeLibrary(module);
        return 1;
    }
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
    FreeLibrary(module);
    return 0;
}

static int IconPixel(const wchar_t* path, WORD id, int size, int x, int y) {
    HMODULE module = OpenProgramFile(path);
    if (!module)
        return 1;
    HICON icon = (HICON)LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0);
    int result = 1;
    if (icon) {
        /* top-down (negative height): row y is the picture's row y */
        BITMAPINFO bmi = {.bmiHeader = {.biSize = sizeof(BITMAPINFOHEADER), .biWidth = size,
                                        .biHeight = -size, .biPlanes = 1, .biBitCount = 32}};
        void* bits = NULL;
        HDC dc = CreateCompatibleDC(NULL);
        HBITMAP bitmap = CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, &bits, NULL, 0);
        if (dc && bitmap) {
            HGDIOBJ old = SelectObject(dc, bitmap);
            memset(bits, 0, (size_t)size * size * 4);
            DrawIconEx(dc, 0, 0, icon, size, size, 0, NULL, DI_NORMAL);
            GdiFlush();
            DWORD pixel = ((DWORD*)bits)[y * size + x];
            printf("%06lx\n", (unsigned long)(pixel & 0xFFFFFF));
            SelectObject(dc, old);
            result = 0;
        }
        if (bitmap)
            DeleteObject(bitmap);
        if (dc)
            DeleteDC(dc);
        DestroyIcon(icon);
    }
    FreeLibrary(module);
    return result;
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
    NOTIFYICONDATAW data;
    memset(&data, 0, sizeof data);
    data.cbSize = sizeof data;
    data.hWnd = hwnd;
    data.uID = id;
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
    printf("rect=%ld %ld %ld %ld\nvisible=%d\ntextlength=%lu\n", r.left, r.top, r.right, r.bottom,
           IsWindowVisible(child) ? 1 : 0, (unsigned long)length);
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
    HWND top = WaitWindow(cls, title, TRUE, 5000);
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
    if (wcscmp(action, L"hotkey") == 0 && arg != NULL) {
        SendMessageW(control, 0x0401 /* HKM_SETHOTKEY */, (WPARAM)wcstoul(arg, NULL, 0), 0);
        return 0;
    }
    if (wcscmp(action, L"key") == 0 && arg != NULL) {
        UINT vk = (UINT)wcstoul(arg, NULL, 0);
        PostMessageW(control, WM_KEYDOWN, vk, 1);
        PostMessageW(control, WM_KEYUP, vk, 0xC0000001);
        return 0;
    }
    if (wcscmp(action, L"char") == 0 && arg != NULL)
        return PostMessageW(control, WM_CHAR, arg[0], 1) ? 0 : 1;
    if (wcscmp(action, L"choose") == 0 && arg != NULL) {
        /* as the user picks it: the selection, then the parent's CBN_SELCHANGE */
        if (SendMessageW(control, CB_SETCURSEL, (WPARAM)_wtoi(arg), 0) == CB_ERR)
            return 1;
        SendMessageW(GetParent(control), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(control), CBN_SELCHANGE), (LPARAM)control);
        return 0;
    }
    if (wcscmp(action, L"selectstring") == 0 && arg != NULL)
        return SendMessageW(control, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)arg) == CB_ERR ? 1 : 0;
    if (wcscmp(action, L"gettext") == 0) {
        /* asked of the control itself: an edit box's text is not the window's caption */
        wchar_t text[512] = L"";
        SendMessageW(control, WM_GETTEXT, 512, (LPARAM)text);
        PrintWide("text", text);
        return 0;
    }
    if (wcscmp(action, L"settext") == 0 && arg != NULL)
        return SendMessageW(control, WM_SETTEXT, 0, (LPARAM)arg) ? 0 : 1;
    if (wcscmp(action, L"trackbar") == 0 && arg != NULL) {
        /* as a drag ends: the position, then the parent's WM_HSCROLL */
        SendMessageW(control, 0x0405 /* TBM_SETPOS */, TRUE, (LPARAM)_wtoi(arg));
        SendMessageW(GetParent(control), WM_HSCROLL, MAKEWPARAM(8 /* TB_ENDTRACK */, 0),
                     (LPARAM)control);
        return 0;
    }
    if (wcscmp(action, L"tree") == 0 && arg != NULL) {
        /* the tree view's item N in visible order (0: the root) becomes the selection */
        LPARAM item = SendMessageW(control, 0x110A /* TVM_GETNEXTITEM */, 0 /* TVGN_ROOT */, 0);
        for (int n = _wtoi(arg); n > 0 && item != 0; --n)
            item = SendMessageW(control, 0x110A, 6 /* TVGN_NEXTVISIBLE */, item);
        if (item == 0)
            return 1;
        SendMessageW(control, 0x110B /* TVM_SELECTITEM */, 9 /* TVGN_CARET */, item);
        return 0;
    }
    if (wcscmp(action, L"page") == 0 && arg != NULL) {
        SendMessageW(control, 0x0465 /* PSM_SETCURSEL */, (WPARAM)_wtoi(arg), 0);
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
            printf("rect=%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
            HWND page = (HWND)SendMessageW(control, 0x0476 /* PSM_GETCURRENTPAGEHWND */, 0, 0);
            text[0] = 0;
            if (page != NULL)
                GetWindowTextW(page, text, 512);
            PrintWide("page", text);
        }
        return 0;
    }
    return 2;
}

struct ClassCount {
    const wchar_t* prefix;
    int count;
};

static BOOL CALLBACK CountClass(HWND hwnd, LPARAM lParam) {
    struct ClassCount* c = (struct ClassCount*)lParam;
    wchar_t name[256] = L"";
    GetClassNameW(hwnd, name, 256);
    if (IsWindowVisible(hwnd) && wcsncmp(name, c->prefix, wcslen(c->prefix)) == 0)
        c->count++;
    return TRUE;
}

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        fputs("usage: wintool COMMAND NAME ...\n", stderr);
        return 2;
    }
    const wchar_t* command = argv[1];
    const wchar_t* name = argv[2];
    if (wcscmp(command, L"find") == 0 || wcscmp(command, L"gone") == 0)
        return WaitWindow(name, NULL, command[0] == L'f', ParseMs(argc, argv, 3, 0)) ? 0 : 1;
    if (wcscmp(command, L"info") == 0)
        return Info(name);
    if (wcscmp(command, L"msgbox") == 0)
        return MessageBoxText(name, ParseMs(argc, argv, 3, 0));
    if (wcscmp(command, L"mutex") == 0)
        return HoldMutex(name, ParseMs(argc, argv, 3, INFINITE));
    if (wcscmp(command, L"resource") == 0 && argc >= 5)
        return PrintResource(name, (WORD)wcstoul(argv[3], NULL, 10),
                             (WORD)wcstoul(argv[4], NULL, 10));
    if (wcscmp(command, L"iconpixel") == 0 && argc >= 7) {
        int size = _wtoi(argv[4]), x = _wtoi(argv[5]), y = _wtoi(argv[6]);
        if (size < 1 || size > 256 || x < 0 || y < 0 || x >= size || y >= size)
            return 2;
        return IconPixel(name, (WORD)_wtoi(argv[3]), size, x, y);
    }
    if (wcscmp(command, L"child") == 0 && argc >= 4)
        return ChildRect(name, _wtoi(argv[3]));
    if (wcscmp(command, L"ctl") == 0 && argc >= 5)
        return ControlOf(L"#32770", name, _wtoi(argv[3]), argv[4], argc >= 6 ? argv[5] : NULL);
    if (wcscmp(command, L"topctl") == 0 && argc >= 5)
        return ControlOf(NULL, name, _wtoi(argv[3]), argv[4], argc >= 6 ? argv[5] : NULL);
    if (wcscmp(command, L"nodialog") == 0)
        return WaitWindow(L"#32770", name, FALSE, ParseMs(argc, argv, 3, 0)) ? 0 : 1;
    if (wcscmp(command, L"count") == 0) {
        struct ClassCount c = {name, 0};
        EnumWindows(CountClass, (LPARAM)&c);
        printf("%d\n", c.count);
        return 0;
    }
    if (wcscmp(command, L"post") == 0)
        return PostMessages(name, argc - 3, argv + 3);
    if (wcscmp(command, L"tray") == 0 && argc >= 5)
        return RenewTrayIcon(name, (UINT)wcstoul(argv[3], NULL, 10),
                             (DWORD)wcstoul(argv[4], NULL, 10));
    fputs("wintool: unknown command\n", stderr);
    return 2;
}
