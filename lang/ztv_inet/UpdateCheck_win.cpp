#include "lang/ztv_inet/UpdateCheck_win.h"

#include <string>
#include <thread>

#include "core/WideText.h"
#include "lang/ztv_inet/InetHttp_win.h"
#include "lang/ztv_inet/InetReply.h"
#include "lang/ztv_inet/InetUi_win.h"
#include "lang/ztv_inet/InetVersion.h"
#include "lang/ztv_inet/ztv_inet.h"

namespace zentrova::inet {

namespace {

constexpr UINT kCheckDone = WM_APP + 17;
constexpr uint16_t kIdText = 0xFFFF;  // the usual id of a static text
constexpr uint16_t kIdOpen = 101;
constexpr uint16_t kIdSkip = 102;
constexpr uint16_t kIdLater = 103;

enum class Outcome { Newer, UpToDate, Failed };

// One check: the dialog and its worker share this; the worker posts kCheckDone when done.
struct UpdateState {
    ProductInfo info;
    uint32_t flags = 0;
    InetTexts texts{""};
    InetSettings settings;
    HttpRequest http;
    std::thread worker;
    Outcome outcome = Outcome::Failed;
    std::string latestVersion;
    std::string latestPage;
    int32_t result = kZinetCheckFailed;
};

Outcome Fetch(UpdateState& s) {
    ServiceAddress address;
    if (!ResolveService(s.settings, address)) {
        return Outcome::Failed;
    }
    std::string body;
    const std::string path = BuildRequestPath(address, true, MakeRequestParams(s.info, s.settings));
    if (s.http.Get(address, path, kMaxReplyBytes, body) != HttpResult::Ok) {
        return Outcome::Failed;
    }
    Reply reply;
    if (ParseReply(body.data(), body.size(), ReplyKind::Update, reply) != ReplyResult::Ok ||
        !reply.hasLatest) {
        return Outcome::Failed;
    }
    const VersionOrder order = CompareVersions(reply.latestVersion, s.info.version);
    if (order == VersionOrder::Invalid) {
        return Outcome::Failed;
    }
    if (order != VersionOrder::Newer) {
        return Outcome::UpToDate;
    }
    const bool skipped =
        (s.flags & kZinetHonourSkipped) != 0 &&
        CompareVersions(reply.latestVersion, s.settings.skippedVersion) == VersionOrder::Same;
    if (skipped) {
        return Outcome::UpToDate;
    }
    s.latestVersion = reply.latestVersion;
    s.latestPage = reply.latestPage;
    return Outcome::Newer;
}

void ShowButton(HWND dialog, int id, const std::wstring& text, bool show) {
    HWND button = GetDlgItem(dialog, id);
    SetWindowTextW(button, text.c_str());
    ShowWindow(button, show ? SW_SHOW : SW_HIDE);
}

// Shows the outcome, or ends the dialog when the flags want nothing said.
void ShowOutcome(HWND dialog, UpdateState& s) {
    const InetTexts& t = s.texts;
    if (s.outcome == Outcome::Newer) {
        std::wstring text = t.Get(L"Update.Newer",
                                  L"Version %1 is available (you have %2).\n"
                                  L"Open its page to download it?");
        const std::wstring latest = FromUtf8(s.latestVersion);
        const std::wstring current = FromUtf8(s.info.version);
        const size_t one = text.find(L"%1");
        if (one != std::wstring::npos) {
            text.replace(one, 2, latest);
        }
        const size_t two = text.find(L"%2");
        if (two != std::wstring::npos) {
            text.replace(two, 2, current);
        }
        SetDlgItemTextW(dialog, kIdText, text.c_str());
        ShowButton(dialog, kIdOpen, t.Get(L"Update.Open", L"&Open page"), true);
        ShowButton(dialog, kIdSkip, t.Get(L"Update.Skip", L"&Skip this version"),
                   (s.flags & kZinetOfferSkip) != 0);
        ShowButton(dialog, kIdLater, t.Get(L"Update.Later", L"&Later"), true);
        SetFocus(GetDlgItem(dialog, kIdOpen));
        return;
    }
    const bool upToDate = s.outcome == Outcome::UpToDate;
    s.result = upToDate ? kZinetUpToDate : kZinetCheckFailed;
    if (!(s.flags & (upToDate ? kZinetReportUpToDate : kZinetReportFailure))) {
        EndDialog(dialog, 0);
        return;
    }
    SetDlgItemTextW(
        dialog, kIdText,
        upToDate ? t.Get(L"Update.UpToDate", L"The program is up to date.").c_str()
                 : t.Get(L"Update.Failed", L"Could not check for updates. Please try again later.")
                       .c_str());
    ShowButton(dialog, kIdOpen, L"", false);
    ShowButton(dialog, kIdSkip, L"", false);
    ShowButton(dialog, kIdLater, t.Get(L"Update.Close", L"Close"), true);
    SetFocus(GetDlgItem(dialog, kIdLater));
}

INT_PTR CALLBACK UpdateProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* s = reinterpret_cast<UpdateState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            s = reinterpret_cast<UpdateState*>(lParam);
            ShowButton(dialog, kIdOpen, L"", false);
            ShowButton(dialog, kIdSkip, L"", false);
            ShowButton(dialog, kIdLater, s->texts.Get(L"Update.Cancel", L"Cancel"), true);
            if (!(s->flags & kZinetShowProgress)) {
                ShowWindow(dialog, SW_HIDE);
            } else {
                SetForegroundWindow(dialog);
            }
            s->worker = std::thread([dialog, s] {
                s->outcome = Fetch(*s);
                PostMessageW(dialog, kCheckDone, 0, 0);
            });
            return TRUE;
        }
        case kCheckDone:
            if (!(s->flags & kZinetShowProgress) && s->outcome != Outcome::Failed) {
                ShowWindow(dialog, SW_SHOW);
            }
            if (s->flags & kZinetStampCheck) {
                SaveInetStamp(s->info, L"LastUpdateCheck", NowSeconds());
            }
            ShowOutcome(dialog, *s);
            return TRUE;
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (id == kIdOpen) {
                const bool opened = OpenHttpsLink(s->latestPage);
                s->result = !opened                          ? kZinetCheckFailed
                            : (s->flags & kZinetCloseOnOpen) ? kZinetPageOpenedClose
                                                             : kZinetPageOpened;
                EndDialog(dialog, 0);
            } else if (id == kIdSkip) {
                SaveInetText(s->info, L"SkippedVersion", s->latestVersion);
                s->result = kZinetSkipped;
                EndDialog(dialog, 0);
            } else if (id == kIdLater || id == IDCANCEL) {
                if (s->outcome == Outcome::Newer && s->result == kZinetCheckFailed) {
                    s->result = kZinetLater;
                }
                s->http.Cancel();  // a check still running ends at once
                EndDialog(dialog, 0);
            }
            return TRUE;
        }
        default:
            return FALSE;
    }
}

}  // namespace

int32_t RunUpdateCheck(const ProductInfo& info, HWND owner, uint32_t flags) {
    UpdateState s;
    s.info = info;
    s.flags = flags;
    s.texts = InetTexts(info.lang);
    s.settings = LoadInetSettings(info);
    const std::wstring title = s.texts.Get(L"Update.Title", L"Online Update");
    DialogTemplate dialog(title, 272, 78);
    dialog.Add(kStaticClass, kIdText, s.texts.Get(L"Update.Checking", L"Checking for updates..."),
               SS_LEFT, 10, 10, 252, 36);
    dialog.Add(kButtonClass, kIdOpen, L"", BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 56, 80, 14);
    dialog.Add(kButtonClass, kIdSkip, L"", BS_PUSHBUTTON | WS_TABSTOP, 96, 56, 80, 14);
    dialog.Add(kButtonClass, kIdLater, L"", BS_PUSHBUTTON | WS_TABSTOP, 182, 56, 80, 14);
    DialogBoxIndirectParamW(InetModule(), dialog.Get(), owner, UpdateProc,
                            reinterpret_cast<LPARAM>(&s));
    // A check still running when the dialog ended was cancelled: its worker returns at once.
    s.http.Cancel();
    if (s.worker.joinable()) {
        s.worker.join();
    }
    return s.result;
}

}  // namespace zentrova::inet
