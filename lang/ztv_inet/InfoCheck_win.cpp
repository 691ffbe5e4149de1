#include "lang/ztv_inet/InfoCheck_win.h"

#include <algorithm>
#include <chrono>
#include <string>

#include "core/WideText.h"
#include "lang/ztv_inet/InetUi_win.h"

namespace zentrova::inet {

namespace {

constexpr UINT kItemsReady = WM_APP + 18;
constexpr const wchar_t* kMessageClass = L"ztv_inet_InfoCheck";
constexpr uint16_t kIdList = 100;
constexpr uint16_t kIdOpen = 101;
constexpr uint16_t kIdEnabled = 110;
constexpr uint16_t kIdChannel = 111;  // one check box per channel from here
constexpr const char* kKnownChannels = "news,tips,offers";
constexpr const char* kChannelNames[] = {"news", "tips", "offers"};
constexpr const wchar_t* kChannelKeys[] = {L"Config.ChannelNews", L"Config.ChannelTips",
                                           L"Config.ChannelOffers"};
constexpr const wchar_t* kChannelTexts[] = {L"News and releases", L"Tips and tricks",
                                            L"Special offers"};

bool RegisterMessageClass() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;  // replaced per window
        wc.hInstance = InetModule();
        wc.lpszClassName = kMessageClass;
        registered = RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }
    return registered;
}

INT_PTR CALLBACK NoticeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* items = reinterpret_cast<std::vector<NewsItem>*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            items = reinterpret_cast<std::vector<NewsItem>*>(lParam);
            HWND list = GetDlgItem(dialog, kIdList);
            for (const NewsItem& item : *items) {
                const std::wstring line = FromUtf8(item.date + "  " + item.title);
                SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
            }
            SendMessageW(list, LB_SETCURSEL, 0, 0);
            return TRUE;
        }
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const bool open = id == kIdOpen || (id == kIdList && HIWORD(wParam) == LBN_DBLCLK);
            if (open) {
                const LRESULT index = SendDlgItemMessageW(dialog, kIdList, LB_GETCURSEL, 0, 0);
                if (index >= 0 && static_cast<size_t>(index) < items->size()) {
                    OpenHttpsLink((*items)[static_cast<size_t>(index)].link);
                }
            } else if (id == IDCANCEL) {
                DestroyWindow(dialog);
            }
            return TRUE;
        }
        default:
            return FALSE;
    }
}

struct ConfigState {
    InetTexts* texts;
    InetSettings* settings;
    bool changed = false;
};

INT_PTR CALLBACK ConfigProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* s = reinterpret_cast<ConfigState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            s = reinterpret_cast<ConfigState*>(lParam);
            CheckDlgButton(dialog, kIdEnabled, s->settings->enabled ? BST_CHECKED : BST_UNCHECKED);
            for (size_t i = 0; i < 3; ++i) {
                CheckDlgButton(dialog, kIdChannel + static_cast<int>(i),
                               HasChannel(s->settings->channels, kChannelNames[i]) ? BST_CHECKED
                                                                                   : BST_UNCHECKED);
            }
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                s->settings->enabled = IsDlgButtonChecked(dialog, kIdEnabled) == BST_CHECKED;
                for (size_t i = 0; i < 3; ++i) {
                    const bool on =
                        IsDlgButtonChecked(dialog, kIdChannel + static_cast<int>(i)) == BST_CHECKED;
                    s->settings->channels =
                        SetChannel(s->settings->channels, kChannelNames[i], on, kKnownChannels);
                }
                s->changed = true;
                EndDialog(dialog, IDOK);
            } else if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
            }
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

bool InfoCheck::Start() {
    if (m_worker.joinable() || !LoadInetSettings(info).enabled) {
        return false;
    }
    if (m_messages == nullptr && RegisterMessageClass()) {
        m_messages = CreateWindowExW(0, kMessageClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     InetModule(), nullptr);
        if (m_messages != nullptr) {
            SetWindowLongPtrW(m_messages, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
            SetWindowLongPtrW(m_messages, GWLP_WNDPROC,
                              reinterpret_cast<LONG_PTR>(&InfoCheck::MessageProc));
        }
    }
    if (m_messages == nullptr) {
        return false;
    }
    m_stop = false;
    m_http = std::make_unique<HttpRequest>();
    m_worker = std::thread([this] { Run(); });
    return true;
}

void InfoCheck::Abort() {
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_stop = true;
    }
    m_wake.notify_all();
    if (m_http) {
        m_http->Cancel();
    }
    if (m_worker.joinable()) {
        m_worker.join();
    }
    if (m_notice != nullptr) {
        DestroyWindow(m_notice);
        m_notice = nullptr;
    }
    if (m_messages != nullptr) {
        DestroyWindow(m_messages);
        m_messages = nullptr;
    }
}

bool InfoCheck::Pause(uint64_t seconds) {
    std::unique_lock<std::mutex> hold(m_lock);
    return !m_wake.wait_for(hold, std::chrono::seconds(seconds), [this] { return m_stop; });
}

void InfoCheck::Run() {
    for (;;) {
        const InetSettings settings = LoadInetSettings(info);
        if (!settings.enabled) {
            return;
        }
        const uint64_t wait =
            SecondsUntilDue(NowSeconds(), settings.lastCheck, settings.intervalHours);
        if (wait > 0) {
            if (!Pause(wait)) {
                return;
            }
            continue;
        }
        if (CheckOnce(settings)) {
            SaveInetStamp(info, L"LastCheck", NowSeconds());
        } else if (!Pause(kRetrySeconds)) {
            return;
        }
        std::lock_guard<std::mutex> hold(m_lock);
        if (m_stop) {
            return;
        }
    }
}

bool InfoCheck::CheckOnce(const InetSettings& settings) {
    ServiceAddress address;
    if (!ResolveService(settings, address)) {
        return false;
    }
    std::string body;
    const std::string path = BuildRequestPath(address, false, MakeRequestParams(info, settings));
    if (m_http->Get(address, path, kMaxReplyBytes, body) != HttpResult::Ok) {
        return false;
    }
    Reply reply;
    if (ParseReply(body.data(), body.size(), ReplyKind::Info, reply) != ReplyResult::Ok) {
        return false;
    }
    std::vector<NewsItem> fresh;
    for (NewsItem& item : reply.items) {
        if (item.id > settings.lastItem && HasChannel(settings.channels, item.channel)) {
            fresh.push_back(std::move(item));
        }
    }
    if (!fresh.empty()) {
        std::lock_guard<std::mutex> hold(m_lock);
        m_pending = std::move(fresh);
        PostMessageW(m_messages, kItemsReady, 0, 0);
    }
    return true;
}

LRESULT CALLBACK InfoCheck::MessageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<InfoCheck*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == kItemsReady && self != nullptr) {
        self->ShowNotice();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void InfoCheck::ShowNotice() {
    std::vector<NewsItem> items;
    {
        std::lock_guard<std::mutex> hold(m_lock);
        items.swap(m_pending);
    }
    if (items.empty()) {
        return;
    }
    if (m_notice != nullptr) {
        DestroyWindow(m_notice);
        m_notice = nullptr;
    }
    uint32_t newest = 0;
    for (const NewsItem& item : items) {
        newest = item.id > newest ? item.id : newest;
    }
    // The newest first.
    std::sort(items.begin(), items.end(),
              [](const NewsItem& a, const NewsItem& b) { return a.id > b.id; });
    m_shown = std::move(items);
    const InetTexts texts(info.lang);
    DialogTemplate dialog(texts.Get(L"News.Title", L"News from Zentrova"), 260, 120);
    dialog.Add(kListBoxClass, kIdList, L"", LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 8, 8,
               244, 84);
    dialog.Add(kButtonClass, kIdOpen, texts.Get(L"News.Open", L"&Open"),
               BS_DEFPUSHBUTTON | WS_TABSTOP, 120, 100, 64, 14);
    dialog.Add(kButtonClass, IDCANCEL, texts.Get(L"News.Close", L"Close"),
               BS_PUSHBUTTON | WS_TABSTOP, 188, 100, 64, 14);
    m_notice = CreateDialogIndirectParamW(InetModule(), dialog.Get(), parent, NoticeProc,
                                          reinterpret_cast<LPARAM>(&m_shown));
    if (m_notice != nullptr) {
        ShowWindow(m_notice, SW_SHOW);
        SaveInetNumber(info, L"LastItem", newest);
    }
}

void InfoCheck::Configure(HWND owner) {
    InetSettings settings = LoadInetSettings(info);
    InetTexts texts(info.lang);
    ConfigState state{&texts, &settings};
    DialogTemplate dialog(texts.Get(L"Config.Title", L"Online Information"), 200, 104);
    dialog.Add(kButtonClass, kIdEnabled,
               texts.Get(L"Config.Enabled", L"&Check for information automatically"),
               BS_AUTOCHECKBOX | WS_TABSTOP, 10, 10, 180, 12);
    for (size_t i = 0; i < 3; ++i) {
        dialog.Add(kButtonClass, static_cast<uint16_t>(kIdChannel + i),
                   texts.Get(kChannelKeys[i], kChannelTexts[i]), BS_AUTOCHECKBOX | WS_TABSTOP, 22,
                   static_cast<short>(28 + 14 * i), 168, 12);
    }
    dialog.Add(kButtonClass, IDOK, texts.Get(L"Config.OK", L"OK"), BS_DEFPUSHBUTTON | WS_TABSTOP,
               70, 82, 58, 14);
    dialog.Add(kButtonClass, IDCANCEL, texts.Get(L"Config.Cancel", L"Cancel"),
               BS_PUSHBUTTON | WS_TABSTOP, 132, 82, 58, 14);
    DialogBoxIndirectParamW(InetModule(), dialog.Get(), owner, ConfigProc,
                            reinterpret_cast<LPARAM>(&state));
    if (!state.changed) {
        return;
    }
    SaveInetNumber(info, L"Enabled", settings.enabled);
    SaveInetText(info, L"Channels", settings.channels);
    const bool running = m_worker.joinable();
    if (running && !settings.enabled) {
        Abort();
    } else if (!running && settings.enabled) {
        Start();
    }
}

}  // namespace zentrova::inet
