#include "ui/intro/AboutText.h"

#include <cstring>

namespace zentrova {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::wstring IsoBuildDate(const char* compilerDate) {
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (compilerDate == nullptr || std::strlen(compilerDate) != 11 || compilerDate[3] != ' ' ||
        compilerDate[6] != ' ') {
        return std::wstring();
    }
    int month = 0;
    for (int i = 0; i < 12; ++i) {
        if (std::strncmp(compilerDate, kMonths[i], 3) == 0) {
            month = i + 1;
        }
    }
    const char tens = compilerDate[4] == ' ' ? '0' : compilerDate[4];
    const char ones = compilerDate[5];
    if (month == 0 || !IsDigit(tens) || !IsDigit(ones) || (tens == '0' && ones == '0') ||
        tens > '3' || (tens == '3' && ones > '1')) {
        return std::wstring();
    }
    std::wstring date;
    for (int i = 7; i < 11; ++i) {
        if (!IsDigit(compilerDate[i])) {
            return std::wstring();
        }
        date += static_cast<wchar_t>(compilerDate[i]);
    }
    date += L'-';
    date += static_cast<wchar_t>(L'0' + month / 10);
    date += static_cast<wchar_t>(L'0' + month % 10);
    date += L'-';
    date += static_cast<wchar_t>(tens);
    date += static_cast<wchar_t>(ones);
    return date;
}

std::wstring AboutVersionLine(const wchar_t* product, const wchar_t* version,
                              const std::wstring& buildDate) {
    std::wstring line = product != nullptr ? product : L"";
    line += L"  (";
    line += version != nullptr ? version : L"";
    line += L", ";
    line += buildDate;
    line += L')';
    return line;
}

}  // namespace zentrova
