// Entry of corvix.exe, the resident program: the "-exit" request, the single instance, COM, the
// hidden main window and the message loop. The exit code is the quit message's, 1 after "-exit"
// and -1 when another instance runs or COM cannot start.
#include <windows.h>
#include <objbase.h>

#include "core/win/MainWindow.h"
#include "core/win/SingleInstance.h"

namespace zentrova {
namespace {

constexpr int kExitAfterExitRequest = 1;
constexpr int kExitFailure = -1;

// COM for the user-interface thread, released at the end of the run.
class ComScope {
  public:
    ComScope() : m_initialised(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComScope() {
        if (m_initialised) {
            CoUninitialize();
        }
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    bool Initialised() const { return m_initialised; }

  private:
    bool m_initialised;
};

int RunMessageLoop() {
    MSG msg{};
    for (;;) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(msg.wParam);
        }
        if (got == -1) {
            return kExitFailure;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

int RunProgram(HINSTANCE instance, const wchar_t* commandLine) {
    RegisterMainWindowClass(instance);

    if (CommandLineRequestsExit(commandLine)) {
        CloseRunningInstance();
        return kExitAfterExitRequest;
    }

    InstanceMutex mutex;
    if (mutex.AlreadyExisted()) {
        if (!ActivateRunningInstance()) {
            ShowMainMessage(nullptr,
                            L"Failed to find Zentrova Clarivue Instance!\nPlease restart.");
        }
        return kExitFailure;
    }

    ComScope com;
    if (!com.Initialised()) {
        return kExitFailure;
    }

    if (CreateMainWindow(instance) == nullptr) {
        return kExitFailure;
    }
    return RunMessageLoop();
}

}  // namespace
}  // namespace zentrova

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    return zentrova::RunProgram(instance, commandLine);
}
