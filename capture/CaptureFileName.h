// Names and paths of capture files.
//
// A capture file is named "Clarivue - YYYY.MM.DD hh.mm - NNN.bmp" from the local time of the
// capture and the session's capture number (at least three digits: 001 ... 999, then 1000 ...),
// e.g. "Clarivue - 2007.05.03 14.05 - 007.bmp" for the 7th capture taken on 3 May 2007 at 14:05.
#pragma once

#include <cstdint>
#include <string>

namespace zentrova {

// Local time of a capture, to the minute (seconds are not part of the name).
struct CaptureTime {
    int year = 0;  // four digits
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// Highest " (n)" suffix tried before a clash is given up.
constexpr uint32_t kMaxCaptureNameCopy = 9999;

// The file name of capture number from time. copy >= 2 inserts " (copy)" before ".bmp"
// ("Clarivue - 2007.05.03 14.05 - 007 (2).bmp"); 0 and 1 give the plain name.
std::wstring FormatCaptureFileName(const CaptureTime& time, uint32_t number, uint32_t copy = 0);

// folder + separator + name, where the separator (the platform's own, "\" on Windows) is left out
// when folder already ends in "\" or "/". False (out cleared) when the result would be longer
// than 259 characters.
bool JoinCapturePath(const std::wstring& folder, const std::wstring& name, std::wstring& out);

// The full path for capture number in folder that does not name an existing file: the plain
// name, or when that exists the first free one of " (2)", " (3)", ... up to
// kMaxCaptureNameCopy, so that a capture never overwrites a file (possible after a restart
// within the same minute, when the session counter starts again at 1). False (out cleared)
// when the path is too long or no free name was found.
bool MakeCapturePath(const std::wstring& folder, const CaptureTime& time, uint32_t number,
                     std::wstring& out);

}  // namespace zentrova
