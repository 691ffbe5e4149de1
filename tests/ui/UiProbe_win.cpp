// ui_probe.exe buttonbar|dialog|menu ARGS...: the capture bar (buttonbar_test.sh), the skinned
// dialogs and message boxes (dialogs_window_test.sh) or the tray-style menu
// (menu_skin_window_test.sh) for the window tests; exit code 1 for an unknown name.
#include <cwchar>

#include "tests/ui/UiProbe.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        return 1;
    }
    if (std::wcscmp(argv[1], L"buttonbar") == 0) {
        return ButtonBarProbeMain(argc - 1, argv + 1);
    }
    if (std::wcscmp(argv[1], L"dialog") == 0) {
        return DialogDemoMain(argc - 1, argv + 1);
    }
    if (std::wcscmp(argv[1], L"menu") == 0) {
        return MenuSkinDemoMain(argc - 1, argv + 1);
    }
    return 1;
}
