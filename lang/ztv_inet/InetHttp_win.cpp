#include "lang/ztv_inet/InetHttp_win.h"

#include <windows.h>
#include <winhttp.h>

#include "core/WideText.h"

namespace zentrova::inet {

namespace {

constexpr int kResolveMs = 5000;
constexpr int kConnectMs = 5000;
constexpr int kSendMs = 5000;
constexpr int kReceiveMs = 10000;

// Closes a WinHTTP handle when it goes out of scope.
class HttpHandle {
  public:
    explicit HttpHandle(HINTERNET handle) : m_handle(handle) {}
    ~HttpHandle() {
        if (m_handle != nullptr) {
            WinHttpCloseHandle(m_handle);
        }
    }
    HttpHandle(const HttpHandle&) = delete;
    HttpHandle& operator=(const HttpHandle&) = delete;
    HINTERNET Get() const { return m_handle; }

  private:
    HINTERNET m_handle;
};

}  // namespace

HttpResult HttpRequest::Get(const ServiceAddress& address, const std::string& path, size_t maxBytes,
                            std::string& body) {
    body.clear();
    // A loopback service is reached directly, never through a proxy.
    const DWORD access =
        address.secure ? WINHTTP_ACCESS_TYPE_DEFAULT_PROXY : WINHTTP_ACCESS_TYPE_NO_PROXY;
    HttpHandle session(
        WinHttpOpen(L"ztv_inet/1", access, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (session.Get() == nullptr) {
        return HttpResult::Failed;
    }
    WinHttpSetTimeouts(session.Get(), kResolveMs, kConnectMs, kSendMs, kReceiveMs);
    std::wstring host = FromUtf8(address.host);
    if (host.size() > 2 && host.front() == L'[') {
        host = host.substr(1, host.size() - 2);
    }
    HttpHandle connection(WinHttpConnect(session.Get(), host.c_str(), address.port, 0));
    if (connection.Get() == nullptr) {
        return HttpResult::Failed;
    }
    const std::wstring object = FromUtf8(path);
    HINTERNET request =
        WinHttpOpenRequest(connection.Get(), L"GET", object.c_str(), nullptr, WINHTTP_NO_REFERER,
                           WINHTTP_DEFAULT_ACCEPT_TYPES, address.secure ? WINHTTP_FLAG_SECURE : 0);
    if (request == nullptr) {
        return HttpResult::Failed;
    }
    {
        std::lock_guard<std::mutex> hold(m_lock);
        if (m_cancelled) {
            WinHttpCloseHandle(request);
            return HttpResult::Cancelled;
        }
        m_request = request;
    }
    HttpResult result = HttpResult::Failed;
    if (WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0,
                           0) &&
        WinHttpReceiveResponse(request, nullptr)) {
        DWORD status = 0;
        DWORD size = sizeof(status);
        if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                                 WINHTTP_HEADER_NAME_BY_INDEX, &status, &size,
                                 WINHTTP_NO_HEADER_INDEX) ||
            status != 200) {
            result = HttpResult::BadStatus;
        } else {
            result = HttpResult::Ok;
            char buffer[4096];
            for (;;) {
                DWORD got = 0;
                if (!WinHttpReadData(request, buffer, sizeof(buffer), &got)) {
                    result = HttpResult::Failed;
                    break;
                }
                if (got == 0) {
                    break;
                }
                if (body.size() + got > maxBytes) {
                    result = HttpResult::TooLarge;
                    break;
                }
                body.append(buffer, got);
            }
        }
    }
    std::lock_guard<std::mutex> hold(m_lock);
    if (m_request != nullptr) {
        WinHttpCloseHandle(request);
        m_request = nullptr;
    }
    if (m_cancelled) {
        result = HttpResult::Cancelled;
    }
    if (result != HttpResult::Ok) {
        body.clear();
    }
    return result;
}

void HttpRequest::Cancel() {
    std::lock_guard<std::mutex> hold(m_lock);
    m_cancelled = true;
    if (m_request != nullptr) {
        WinHttpCloseHandle(m_request);  // the blocked call returns with an error
        m_request = nullptr;
    }
}

}  // namespace zentrova::inet
