// One HTTP(S) GET through WinHTTP with time limits, cancellable from another thread.
#pragma once

#include <mutex>
#include <string>

#include "lang/ztv_inet/InetAddress.h"

namespace zentrova::inet {

enum class HttpResult { Ok, Failed, BadStatus, TooLarge, Cancelled };

class HttpRequest {
  public:
    HttpRequest() = default;
    ~HttpRequest() = default;
    HttpRequest(const HttpRequest&) = delete;
    HttpRequest& operator=(const HttpRequest&) = delete;

    // GETs path from address; the body (at most maxBytes) when the status is 200. Every step
    // has a time limit of a few seconds. Blocks the calling thread: never call it on a
    // user-interface thread.
    HttpResult Get(const ServiceAddress& address, const std::string& path, size_t maxBytes,
                   std::string& body);
    // Ends a running Get at once (it returns Cancelled) and every later one.
    void Cancel();

  private:
    std::mutex m_lock;
    void* m_request = nullptr;  // the running request's handle, closed by Cancel
    bool m_cancelled = false;
};

}  // namespace zentrova::inet
