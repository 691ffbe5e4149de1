// The information check: a worker thread asks the service for news when the check is due,
// stamps the time after a success and tries again later after a failure; new items of the
// user's channels open a small notice on the thread that started the check.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "lang/ztv_inet/InetHttp_win.h"
#include "lang/ztv_inet/InetProduct_win.h"
#include "lang/ztv_inet/InetReply.h"

namespace zentrova::inet {

class InfoCheck {
  public:
    InfoCheck() = default;
    ~InfoCheck() { Abort(); }
    InfoCheck(const InfoCheck&) = delete;
    InfoCheck& operator=(const InfoCheck&) = delete;

    ProductInfo info;
    HWND parent = nullptr;

    // Starts the worker when the check is enabled; false when it already runs or is off.
    bool Start();
    // Cancels a running request, ends the worker and closes an open notice.
    void Abort();
    // The settings dialog; a change of "Enabled" starts or stops the worker.
    void Configure(HWND owner);

  private:
    void Run();
    // Waits seconds or until aborted; false when aborted.
    bool Pause(uint64_t seconds);
    // One request; true on success (items of the user's channels newer than the last shown
    // are queued for the notice).
    bool CheckOnce(const InetSettings& settings);
    static LRESULT CALLBACK MessageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void ShowNotice();

    std::unique_ptr<HttpRequest> m_http;  // one per run of the worker
    std::thread m_worker;
    std::mutex m_lock;
    std::condition_variable m_wake;
    bool m_stop = false;
    HWND m_messages = nullptr;  // receives the worker's "items ready" on the starting thread
    HWND m_notice = nullptr;
    std::vector<NewsItem> m_pending;  // under m_lock
    std::vector<NewsItem> m_shown;    // the notice's items
};

}  // namespace zentrova::inet
