// What the print dialog asks: the printer (by its exact name), the picture's resolution for the
// print, the layout and the orientation.
#pragma once

#include <cstdint>
#include <string>

#include "editmode/print/PrintPlan.h"

namespace zentrova {

constexpr int32_t kMinPrintDpi = 1;
constexpr int32_t kMaxPrintDpi = 10000;

struct PrintChoice {
    std::wstring printer;
    int32_t dpi = 96;
    PrintStyle style = PrintStyle::BestFitOnlyBig;
    bool landscape = false;
};

// The resolution field's text as a whole number from 1 to 10,000; false for anything else
// (empty, signs, letters, spaces, beyond the limit).
bool ParsePrintDpi(const wchar_t* text, int32_t& dpi);

}  // namespace zentrova
