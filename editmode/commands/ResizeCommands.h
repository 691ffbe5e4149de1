// Resize Image... (40077) and Resize Canvas... (40046): the arithmetic of their dialogs and the
// commands that ask the window for the sizes and change the picture.
//
// Resize: the fields are read as decimal numbers in every unit ("2.5" inch stays 2.5 inch, a
// comma counts as the decimal point), written with up to 8 significant digits, and when the
// proportions are kept a typed field sets the other one with 8 significant digits (whole pixels
// in the unit Pixel). The final size is each field in pixels, truncated, limited to 1 ... 5000.
// An "Ok" that leaves the size as it is changes nothing and pushes no state.
// Canvas: whole numbers limited to 1 ... 5000, the anchor 0 ... 8, "ResizeCanvasColor" as fill.
// Portable; the dialogs are the window's.
#pragma once

#include <cstdint>
#include <string>

#include "editmode/commands/EditCommand.h"
#include "editmode/commands/ResizeChoice.h"
#include "image/ZImage.h"

namespace zentrova {

enum class ResizeUnit : int32_t { Percent = 0, Pixel = 1, Centimeter = 2, Inch = 3 };
constexpr int32_t kResizeLimit = 5000;
constexpr double kInchPerCentimetre = 0.393700787402;

// value in unit to pixels of an axis of imageSize pixels at dpi, and back.
double ResizeToPixels(double value, ResizeUnit unit, int32_t imageSize, double dpi);
double ResizeFromPixels(double pixels, ResizeUnit unit, int32_t imageSize, double dpi);
// At most 8 significant digits, no trailing zeros: 10, 2.5, 33.333333.
std::wstring FormatResizeField(double value);
// A decimal number (point or comma, surrounding blanks allowed). False for anything else.
bool ParseResizeField(const std::wstring& text, double& value);
// Proportions kept: the other field for a typed value of an axis of typedSize pixels, the other
// axis having otherSize.
double ProportionalField(double typed, ResizeUnit unit, int32_t typedSize, int32_t otherSize);
// The field's value as the final size in pixels: truncated, limited to 1 ... 5000.
int32_t ResizeFinalPixels(double value, ResizeUnit unit, int32_t imageSize, double dpi);
int32_t LimitCanvasSize(int64_t value);

class ResizeImageCommand final : public EditCommand {
  public:
    bool Run(EditSession& session) override;
};

class ResizeCanvasCommand final : public EditCommand {
  public:
    bool Run(EditSession& session) override;
};

}  // namespace zentrova
