// ui_probe.exe menu PROGRAM_FOLDER SKIN LANGUAGE CHECKED GRAYED
//
// A window ("MenuSkin Demo", class "ZMenuSkinDemo", at 40, 40) for the window test of the
// owner-drawn menus: a right click opens the program's tray menu (TrackTrayMenu, owner-drawn) at
// the cursor, drawn by MenuSkin with SKIN from PROGRAM_FOLDER\Skins and LANGUAGE from
// PROGRAM_FOLDER\Lang. CHECKED 1 puts the check mark on "Show CaptureBar", GRAYED 1 grays
// "Start Edit Mode" as the menu is measured.
//
// Prints (flushed at once) "item POS ID LEFT TOP RIGHT BOTTOM" (screen rectangles) once the menu
// shows, "rtl 0|1", and "chosen ID" when the menu closes (0 for none). Choosing "Exit" (40106)
// ends the program.
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "core/win/TrayIcon.h"
#include "lang/LanguageStartup.h"
#include "tests/config/FakeSystemInfo.h"
#include "ui/menus/MenuSkin.h"
#include "ui/skin/Skin.h"
#include "tests/ui/UiProbe.h"

namespace {

using namespace zentrova;

constexpr UINT_PTR kReportTimer = 7;

struct Demo {
    explicit Demo(const wchar_t* folder) { system.programFolder = folder; }
    test::FakeSystemInfo system;
    LanguageSession language;
    Skin skin{system};
    MenuSkin menuSkin;
    bool checked = false;
    bool grayed = false;
    HMENU popup = nullptr;  // the open menu, from its items' data
};

// The popup menu's own window maps the rectangles to the screen (no owner window given).
void ReportItems(Demo& demo) {
    RECT first{};
    const int count = GetMenuItemCount(demo.popup);
    if (demo.popup == nullptr || count <= 0 || !GetMenuItemRect(nullptr, demo.popup, 0, &first) ||
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
    demo.popup = nullptr;
}

LRESULT CALLBACK DemoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* demo = reinterpret_cast<Demo*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (demo == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_RBUTTONDOWN: {
            SetTimer(window, kReportTimer, 100, nullptr);
            const uint32_t chosen = TrackTrayMenu(window, window, GetModuleHandleW(nullptr),
                                                  demo->language.Handle(), demo->checked, true);
            KillTimer(window, kReportTimer);
            std::printf("chosen %u\n", chosen);
            if (chosen == 40106) {
                DestroyWindow(window);
            }
            return 0;
        }
        case WM_TIMER:
            ReportItems(*demo);
            return 0;
        case WM_MEASUREITEM: {
            auto* data = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (demo->popup == nullptr && demo->grayed) {
                EnableMenuItem(reinterpret_cast<HMENU>(data->itemData), 40151,
                               MF_BYCOMMAND | MF_GRAYED);
            }
            demo->popup = reinterpret_cast<HMENU>(data->itemData);
            return demo->menuSkin.MeasureItem(window, data, nullptr);
        }
        case WM_DRAWITEM:
            return demo->menuSkin.DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam), nullptr);
        case WM_DESTROY:
            demo->menuSkin.Release();
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int MenuSkinDemoMain(int argc, wchar_t** argv) {
    if (argc < 6) {
        return 2;
    }
    Demo demo(argv[1]);
    demo.language.Start(argv[1], argv[3]);
    demo.skin.Load(argv[2]);
    demo.checked = std::wcscmp(argv[4], L"1") == 0;
    demo.grayed = std::wcscmp(argv[5], L"1") == 0;
    HWND window = CreateProbeWindow(L"ZMenuSkinDemo", L"MenuSkin Demo", DemoProc,
                                    WS_OVERLAPPEDWINDOW, {40, 40, 400, 280});
    if (window == nullptr || !demo.menuSkin.Init(window, demo.skin, &demo.language)) {
        return 1;
    }
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&demo));
    return RunProbeMessages();
}
