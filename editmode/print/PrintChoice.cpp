#include "editmode/print/PrintChoice.h"

namespace zentrova {

bool ParsePrintDpi(const wchar_t* text, int32_t& dpi) {
    if (text == nullptr || *text == L'\0') {
        return false;
    }
    int32_t value = 0;
    for (const wchar_t* c = text; *c != L'\0'; ++c) {
        if (*c < L'0' || *c > L'9') {
            return false;
        }
        value = value * 10 + (*c - L'0');
        if (value > kMaxPrintDpi) {
            return false;
        }
    }
    if (value < kMinPrintDpi) {
        return false;
    }
    dpi = value;
    return true;
}

}  // namespace zentrova
