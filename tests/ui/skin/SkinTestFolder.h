// A program folder with a "Skins" folder for the skin tests, and small pictures to put in it.
#pragma once

#include <cstdint>
#include <string>

#include "image/ZImage.h"
#include "tests/support/TestPixels.h"
#include "tests/config/FakeSystemInfo.h"
#include "tests/support/TempFolder.h"

namespace zentrova::test {

class SkinTestFolder {
  public:
    SkinTestFolder();
    // A system whose program folder is this folder.
    const SystemInfo& System() const { return m_system; }
    const std::wstring& ProgramFolder() const { return m_program.Path(); }
    std::wstring SkinsFolder() const;
    // Path of a file in the skin folder.
    std::wstring SkinFile(const std::wstring& name) const;
    // Writes an INI file into the skin folder.
    bool WriteIni(const std::wstring& skinName, const std::string& text) const;
    // Writes image as the skin's PNG file "<skin><image>.png".
    bool WritePng(const std::wstring& skinName, const std::wstring& imageName,
                  const ZImage& image) const;

  private:
    TempFolder m_program;
    FakeSystemInfo m_system;
};

// Sets the pixel at column x of picture row y (from the top) of a 24- or 32-bit image to the
// bytes blue, green, red (and alpha).
void SetPixel(ZImage& image, uint32_t x, uint32_t y, uint8_t blue, uint8_t green, uint8_t red,
              uint8_t alpha = 255);

// A 32-bit strip of 19 icons of width x height where icon i's pixel (x, y) has blue 10 * i + x,
// green 200 - 10 * y, red 13 * i and alpha taken from the pattern a(x, y) = 255 - 40 * x - 30 * y
// (clamped at 0).
bool MakeAlphaStrip(ZImage& strip, uint32_t iconWidth, uint32_t height);

}  // namespace zentrova::test
