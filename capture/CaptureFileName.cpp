#include "capture/CaptureFileName.h"

#include <cwchar>

#include "config/JoinPath.h"
#include "core/FileSystem.h"
#include "core/WideText.h"

namespace zentrova {

std::wstring FormatCaptureFileName(const CaptureTime& time, uint32_t number, uint32_t copy) {
    // Years in four digits, the other fields in two, the number in at least three.
    wchar_t name[128];
    int length = std::swprintf(name, sizeof name / sizeof name[0],
                               L"Clarivue - %.2d.%.2d.%.2d %2.2d.%2.2d - %.3u", time.year,
                               time.month, time.day, time.hour, time.minute, number);
    if (length < 0) {
        return std::wstring();
    }
    std::wstring text(name, static_cast<size_t>(length));
    if (copy >= 2) {
        length = std::swprintf(name, sizeof name / sizeof name[0], L" (%u)", copy);
        if (length < 0) {
            return std::wstring();
        }
        text.append(name, static_cast<size_t>(length));
    }
    text += L".bmp";
    return text;
}

bool JoinCapturePath(const std::wstring& folder, const std::wstring& name, std::wstring& out) {
    out = JoinPath(folder, name.c_str());
    if (out.size() >= kMaxPathChars) {
        out.clear();
        return false;
    }
    return true;
}

bool MakeCapturePath(const std::wstring& folder, const CaptureTime& time, uint32_t number,
                     std::wstring& out) {
    // The counter restarts at 1 with every run, so a run started in the same minute as an
    // earlier one meets that run's files: they are kept, and this capture takes the next free
    // " (n)" name instead.
    for (uint32_t copy = 1; copy <= kMaxCaptureNameCopy; ++copy) {
        if (!JoinCapturePath(folder, FormatCaptureFileName(time, number, copy), out)) {
            return false;
        }
        if (!PathExists(out.c_str())) {
            return true;
        }
    }
    out.clear();
    return false;
}

}  // namespace zentrova
