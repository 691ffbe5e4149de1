// Error reports of the image library and the application.
//
// A report names an error code together with the source module (a text such as
// "Codecs\\ZImageCodecBmp") and a line. It goes twice: as a trace line to the debugger output and
// as one line appended to "_Zlog.txt" in the process's current directory.
#pragma once

#include <cstdarg>
#include <cstdint>

namespace zentrova {

// Name of the log file, relative to the current directory.
constexpr const wchar_t* kErrorLogFileName = L"_Zlog.txt";

// Longest text of one trace step, in characters; longer texts are cut.
constexpr int kTraceMaxChars = 4095;

// Writes one trace line: "<module file name>(<line>) : [<thread id hex>] " followed by format
// filled from the arguments. Wide strings in format are passed with %ls.
void ZTrace(const wchar_t* module, int line, const wchar_t* format, ...);
void ZTraceV(const wchar_t* module, int line, const wchar_t* format, va_list args);

// Reports code at module/line: traces "**** ZError: <code> ****", appends
// "<module> - Line: <line> - ZErr: <code>\r\n" to the log file, stores the code into
// errorCodeOut when given. Always returns false so that failing functions can return it.
bool ZError(uint32_t* errorCodeOut, uint32_t code, const wchar_t* module, int line);

}  // namespace zentrova
