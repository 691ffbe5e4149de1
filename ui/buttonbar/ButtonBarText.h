// Texts of a button bar: the per-object window class names and the button labels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zentrova {

constexpr const wchar_t* kButtonBarClassFormat = L"_zedCButtonBar-%ls";
constexpr const wchar_t* kButtonBarTooltipClassFormat = L"_zedCButtonBarTooltip-%ls";
// A label holds at most this many characters.
constexpr size_t kBarLabelMaxChars = 259;

// The class name made of one of the formats above and a GUID in text form (at most 259
// characters).
std::wstring FormatBarClassName(const wchar_t* format, const wchar_t* guidText);

// Splits the labels, one text with "|" between the items, into exactly count labels: a text
// without "|" gives one label, missing items are empty, items beyond count are dropped and every
// label is cut to kBarLabelMaxChars characters.
std::vector<std::wstring> SplitBarLabels(const wchar_t* labels, uint32_t count);

}  // namespace zentrova
