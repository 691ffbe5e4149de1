// ui_probe.exe menu PROGRAM_FOLDER SKIN LANGUAGE CHECKED GRAYED
//
// A window ("MenuSkin Demo", class "ZMenuSkinDemo", at 40, 40) for the window test of the
// owner-drawn menus: a right click opens the tray-style menu (the items of the program's tray
// menu with their built-in texts, replaced by the language's where it has them) at the cursor,
// drawn by MenuSkin with SKIN from PROGRAM_FOLDER\Skins and LANGUAGE from PROGRAM_FOLDER\Lang.
// CHECKED 1 puts the check mark on "Show CaptureBar", GRAYED 1 grays "Start Edit Mode".
//
// Prints (flushed at once) "item POS ID LEFT TOP RIGHT BOTTOM" (screen rectangles) once the menu
// shows, "rtl 0|1", and "chosen ID" when the menu closes (0 for none). Choosing "Exit" (40106) ends
// the program.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "lang/LanguageStartup.h"
#include "lang/TextLookupWin.h"
#include "tests/config/FakeSystemInfo.h"
#include "ui/menus/MenuSkin.h"
#include "ui/skin/Skin.h"
#include "tests/ui/UiProbe.h"

namespace {

using namespace zentrova;

struct TrayItem {
    UINT command;  // 0: separator
    const wchar_t* text;
    const wchar_t* name;
};
constexpr TrayItem kTrayItems[] = {
    {40128, L"Capture a scrolling Window (Text)", L"File_CaptureScrollingText"},
    {40127, L"Capture a scrolling Window (Website)", L"File_CaptureScrollingWindow"},
    {40107, L"Capture a Window\tF11", L"File_CaptureWindow"},
    {40108, L"Capture a Region\tShift+F11", L"File_CaptureFreeRectRegion"},
    {40155, L"Capture a Free Style Region\tShift+F11", L"File_CaptureFreeStyleRegion"},
    {40109, L"Capture a Predefined Area\tCtrl+F11", L"File_CaptureArea"},
    {0, nullptr, nullptr},
    {40006, L"Configure...", L"Tray_Configure"},
    {0, nullptr, nullptr},
    {40152, L"Show CaptureBar", L"Tray_ShowCaptureBar"},
    {40151, L"Start Edit Mode", L"Tray_StartEditMode"},
    {0, nullptr, nullptr},
    {40118, L"&Help", L"Tray_Help"},
    {0, nullptr, nullptr},
    {40106, L"Exit", L"Tray_Exit"},
};
constexpr UINT_PTR kReportTimer = 7;

struct Demo {
    explicit Demo(const wchar_t* folder) { system.programFolder = folder; }
    test::FakeSystemInfo system;
    LanguageSession language;
    Skin skin{system};
    MenuSkin menuSkin;
    bool checked = false;
    bool grayed = false;
    HMENU popup = nullptr;
    bool reported = false;
};

// The popup menu's own window maps the rectangles to the screen (no owner window given).
void ReportItems(Demo& demo) {
    if (demo.reported || demo.popup == nullptr) {
        return;
    }
    const int count = GetMenuItemCount(demo.popup);
    RECT first{};
    if (count <= 0 || !GetMenuItemRect(nullptr, demo.popup, 0, &first) ||
        first.right <= first.left) {
        return;  // not shown yet
    }
    for (int position = 0; position < count; ++position) {
        RECT rect{};
        GetMenuItemRect(nullptr, demo.popup, static_cast<UINT>(position), &rect);
        std::printf("item %d %u %ld %ld %ld %ld\n", position, GetMenuItemID(demo.popup, position),
                    rect.left, rect.top, rect.right, rect.bottom);
    }
    std::printf("rtl %d\n", demo.menuSkin.IsRightToLeft() ? 1 : 0);
    demo.reported = true;
}

UINT OpenMenu(HWND window, Demo& demo) {
    HMENU popup = CreatePopupMenu();
    for (const TrayItem& item : kTrayItems) {
        AppendMenuW(popup, item.command == 0 ? MF_SEPARATOR : MF_STRING, item.command, item.text);
        if (item.command != 0) {
            SetMenuItemFromLanguage(demo.language.Handle(), popup, item.name, item.command);
        }
    }
    MakeMenuOwnerDrawn(popup);
    CheckMenuItem(popup, 40152, MF_BYCOMMAND | (demo.checked ? MF_CHECKED : MF_UNCHECKED));
    if (demo.grayed) {
        EnableMenuItem(popup, 40151, MF_BYCOMMAND | MF_GRAYED);
    }
    demo.popup = popup;
    demo.reported = false;
    SetTimer(window, kReportTimer, 100, nullptr);
    SetForegroundWindow(window);
    POINT cursor{};
    GetCursorPos(&cursor);
    const UINT chosen =
        static_cast<UINT>(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                         cursor.x, cursor.y, 0, window, nullptr));
    KillTimer(window, kReportTimer);
    PostMessageW(window, WM_NULL, 0, 0);
    demo.popup = nullptr;
    DestroyMenu(popup);
    return chosen;
}

LRESULT CALLBACK DemoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* demo = reinterpret_cast<Demo*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (demo == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_RBUTTONDOWN: {
            const UINT chosen = OpenMenu(window, *demo);
            std::printf("chosen %u\n", chosen);
            if (chosen == 40106) {
                DestroyWindow(window);
            }
            return 0;
        }
        case WM_TIMER:
            ReportItems(*demo);
            return 0;
        case WM_MEASUREITEM:
            return demo->menuSkin.MeasureItem(window, reinterpret_cast<MEASUREITEMSTRUCT*>(lParam),
                                              nullptr);
        case WM_DRAWITEM:
            return demo->menuSkin.DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam), nullptr);
        case WM_DESTROY:
            demo->menuSkin.Release();
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int MenuSkinDemoMain(int argc, wchar_t** argv) {
    if (argc < 6) {
        std::fprintf(stderr, "usage: ui_probe menu PROGRAM_FOLDER SKIN LANGUAGE CHECKED GRAYED\n");
        return 2;
    }
    Demo demo(argv[1]);
    demo.language.Start(argv[1], argv[3]);
    demo.skin.Load(argv[2]);
    demo.checked = std::wcscmp(argv[4], L"1") == 0;
    demo.grayed = std::wcscmp(argv[5], L"1") == 0;

    HWND window = CreateProbeWindow(L"ZMenuSkinDemo", L"MenuSkin Demo", DemoProc,
                                    WS_OVERLAPPEDWINDOW, {40, 40, 400, 280}, nullptr);
    if (window == nullptr || !demo.menuSkin.Init(window, demo.skin, &demo.language)) {
        return 1;
    }
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&demo));
    return RunProbeMessages();
}
