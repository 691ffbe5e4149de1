#include "lang/ztv_inet/InetAddress.h"

namespace zentrova::inet {

namespace {

bool IsLoopbackNumber(const std::string& host) {
    if (host == "[::1]") {
        return true;
    }
    // Four numbers 0..255, the first 127.
    int parts = 0;
    size_t i = 0;
    int first = -1;
    while (i <= host.size()) {
        size_t digits = 0;
        int value = 0;
        while (i < host.size() && host[i] >= '0' && host[i] <= '9' && digits < 3) {
            value = value * 10 + (host[i] - '0');
            ++i;
            ++digits;
        }
        if (digits == 0 || value > 255) {
            return false;
        }
        if (first < 0) {
            first = value;
        }
        ++parts;
        if (i == host.size()) {
            break;
        }
        if (host[i] != '.') {
            return false;
        }
        ++i;
    }
    return parts == 4 && first == 127;
}

bool IsHostText(const std::string& host) {
    if (host.empty() || host.size() > 253) {
        return false;
    }
    if (host.front() == '[') {
        return host == "[::1]";
    }
    for (char c : host) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '-' || c == '.';
        if (!ok) {
            return false;
        }
    }
    return host.front() != '.' && host.front() != '-';
}

}  // namespace

bool ParseServiceAddress(const std::string& url, ServiceAddress& out) {
    out = ServiceAddress{};
    std::string rest;
    if (url.compare(0, 8, "https://") == 0) {
        out.secure = true;
        out.port = 443;
        rest = url.substr(8);
    } else if (url.compare(0, 7, "http://") == 0) {
        out.secure = false;
        out.port = 80;
        rest = url.substr(7);
    } else {
        return false;
    }
    const size_t slash = rest.find('/');
    std::string authority = rest.substr(0, slash);
    out.path = slash == std::string::npos ? "/" : rest.substr(slash);
    for (char c : out.path) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= 0x20 || u >= 0x7F || c == '?' || c == '#' || c == '\\') {
            return false;
        }
    }
    const size_t close = authority.rfind(']');
    const size_t colon = authority.rfind(':');
    if (colon != std::string::npos && (close == std::string::npos || colon > close)) {
        const std::string port = authority.substr(colon + 1);
        if (port.empty() || port.size() > 5) {
            return false;
        }
        uint32_t value = 0;
        for (char c : port) {
            if (c < '0' || c > '9') {
                return false;
            }
            value = value * 10 + static_cast<uint32_t>(c - '0');
        }
        if (value == 0 || value > 65535) {
            return false;
        }
        out.port = static_cast<uint16_t>(value);
        authority.resize(colon);
    }
    if (!IsHostText(authority)) {
        return false;
    }
    out.host = authority;
    return out.secure || IsLoopbackNumber(out.host);
}

std::string PercentEncode(const std::string& text) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~' ||
                          c == ',';
        if (keep) {
            out += c;
        } else {
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 15];
        }
    }
    return out;
}

std::string BuildRequestPath(const ServiceAddress& address, bool update,
                             const RequestParams& params) {
    std::string path = address.path;
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    path += update ? "update?" : "info?";
    path += "product=" + PercentEncode(params.product);
    path += "&version=" + PercentEncode(params.version);
    path += "&edition=" + PercentEncode(params.edition);
    path += "&lang=" + PercentEncode(params.lang);
    if (!update) {
        path += "&channels=" + PercentEncode(params.channels);
        path += "&after=" + std::to_string(params.after);
    }
    return path;
}

}  // namespace zentrova::inet
