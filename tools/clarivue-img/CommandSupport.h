// What the clarivue-img commands share: argument parsing, reading and writing pictures, and the
// error lines on stderr.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "image/ZImage.h"

namespace zentrova::img {

using Arguments = std::vector<std::wstring>;

// Prints "error CODE: TEXT" on stderr; returns the tool's failure status 1.
int Fail(uint32_t code, const std::wstring& text);

// Prints "error 0: PROBLEM" and the usage text on stderr; returns 1.
int Usage(const char* problem);

// The usage text (printed by --help).
const char* UsageText();

// Reads a picture in any format the loader knows; on failure prints the reader's error line.
bool LoadPicture(ZImage& image, const std::wstring& path, int& status);

// Writes a picture in the format its extension names (.bmp .jpg .png), JPEG and PNG with the
// given options; on failure prints the writer's error text.
struct WriteOptions {
    int quality;
    bool progressive;
    bool interlace;
};
WriteOptions DefaultWriteOptions();
bool SavePicture(const ZImage& image, const std::wstring& path, const WriteOptions& options,
                 int& status);
bool SavePicture(const ZImage& image, const std::wstring& path, int& status);

// Reads IN, applies `operation`, writes OUT in the format its extension names; returns the exit
// status. `what` names the operation in the error line when it fails.
int TransformPicture(const std::wstring& in, const std::wstring& out, const std::wstring& what,
                     const std::function<bool(ZImage&)>& operation);

// A decimal integer from minimum to maximum (an optional leading minus sign).
bool ParseInt(const std::wstring& text, int minimum, int maximum, int& value);

// A decimal number such as "3", "0.5" or "-2.25", finite, from minimum to maximum.
bool ParseNumber(const std::wstring& text, double minimum, double maximum, double& value);

// A colour written RRGGBB in hexadecimal, as on the web, into 0x00BBGGRR.
bool ParseColour(const std::wstring& text, ZColor& colour);

}  // namespace zentrova::img
