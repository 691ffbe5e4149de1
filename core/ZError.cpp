#include "core/ZError.h"

#include <cstdio>
#include <cwchar>
#include <string>

#include "core/FileSystem.h"
#include "core/WideText.h"

namespace zentrova {

namespace {

// The part of a module path after its last backslash (or slash).
const wchar_t* ModuleFileName(const wchar_t* module) {
    if (module == nullptr) {
        return L"";
    }
    const wchar_t* name = module;
    for (const wchar_t* p = module; *p != L'\0'; ++p) {
        if (*p == L'\\' || *p == L'/') {
            name = p + 1;
        }
    }
    return name;
}

std::FILE* OpenLogForAppend() {
#ifdef _WIN32
    // Binary mode: the line already ends in "\r\n", text mode would double the carriage return.
    return _wfopen(kErrorLogFileName, L"ab");
#else
    return std::fopen(ToUtf8(kErrorLogFileName).c_str(), "ab");
#endif
}

}  // namespace

void ZTraceV(const wchar_t* module, int line, const wchar_t* format, va_list args) {
    wchar_t pattern[kTraceMaxChars + 1];
    pattern[0] = L'\0';
    int written =
        std::swprintf(pattern, kTraceMaxChars + 1, L"%ls(%d) : [%X] %ls", ModuleFileName(module),
                      line, CurrentThreadId(), format ? format : L"");
    if (written < 0) {
        // Cut: keep what fits (swprintf leaves the buffer unspecified on overflow).
        pattern[kTraceMaxChars] = L'\0';
    }
    wchar_t text[kTraceMaxChars + 1];
    text[0] = L'\0';
    written = std::vswprintf(text, kTraceMaxChars + 1, pattern, args);
    if (written < 0) {
        text[kTraceMaxChars] = L'\0';  // cut: keep what fitted
    }
    WriteDebugOutput(text);
}

void ZTrace(const wchar_t* module, int line, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    ZTraceV(module, line, format, args);
    va_end(args);
}

bool ZError(uint32_t* errorCodeOut, uint32_t code, const wchar_t* module, int line) {
    ZTrace(module, line, L"**** ZError: %d ****\r\n", static_cast<int>(code));
    if (std::FILE* log = OpenLogForAppend()) {
        const std::string moduleText = ToUtf8(module ? module : L"");
        std::fprintf(log, "%s - Line: %d - ZErr: %d\r\n", moduleText.c_str(), line,
                     static_cast<int>(code));
        std::fclose(log);
    }
    if (errorCodeOut != nullptr) {
        *errorCodeOut = code;
    }
    return false;
}

}  // namespace zentrova
