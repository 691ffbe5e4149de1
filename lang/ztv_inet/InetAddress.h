// The service address and the request the library sends to it.
#pragma once

#include <cstdint>
#include <string>

namespace zentrova::inet {

// Built into the library; the value "Service" of the library's sub-key may replace it.
constexpr const char* kDefaultService = "https://online.zentrova.example/ztvinet/1/";

struct ServiceAddress {
    bool secure = true;
    std::string host;  // a name, an IPv4 address or "[v6]"
    uint16_t port = 443;
    std::string path;  // begins with "/"
};

// Accepts "https://HOST[:PORT][/PATH]" for any host, and "http://" only for a loopback host
// given as a number (127.x.x.x or [::1]: no name is looked up). No user names, queries or
// fragments; the port is 1..65535.
bool ParseServiceAddress(const std::string& url, ServiceAddress& out);

struct RequestParams {
    std::string product;
    std::string version;
    std::string edition;
    std::string lang;
    std::string channels;  // information checks only
    uint32_t after = 0;    // information checks only: the last item shown
};

// The path and query of a request: PATH + "info?" or "update?" and the parameters, each value
// percent-encoded (letters, digits and "-._~," stay).
std::string BuildRequestPath(const ServiceAddress& address, bool update,
                             const RequestParams& params);

std::string PercentEncode(const std::string& text);

}  // namespace zentrova::inet
