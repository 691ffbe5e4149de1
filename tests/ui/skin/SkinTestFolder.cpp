#include "tests/ui/skin/SkinTestFolder.h"

#include "codecs/ZImageCodecPng.h"
#include "core/FileSystem.h"

namespace zentrova::test {

SkinTestFolder::SkinTestFolder() {
    m_system.programFolder = m_program.Path();
    CreateOneDirectory(SkinsFolder().c_str());
}

std::wstring SkinTestFolder::SkinsFolder() const {
    return m_program.File(L"Skins");
}

std::wstring SkinTestFolder::SkinFile(const std::wstring& name) const {
    return SkinsFolder() + kNativeSeparator + name;
}

bool SkinTestFolder::WriteIni(const std::wstring& skinName, const std::string& text) const {
    return WriteWholeFile(SkinFile(skinName + L".ini"), text);
}

bool SkinTestFolder::WritePng(const std::wstring& skinName, const std::wstring& imageName,
                              const ZImage& image) const {
    wchar_t error[260] = {};
    return zentrova::WritePng(SkinFile(skinName + imageName + L".png").c_str(), image, error, 260);
}

void SetPixel(ZImage& image, uint32_t x, uint32_t y, uint8_t blue, uint8_t green, uint8_t red,
              uint8_t alpha) {
    const uint32_t bytes = image.GetBitsPerPixel() / 8;
    uint8_t* p = image.GetRow(image.GetHeight() - 1 - y) + x * bytes;
    p[0] = blue;
    p[1] = green;
    p[2] = red;
    if (bytes == 4) {
        p[3] = alpha;
    }
}

bool MakeAlphaStrip(ZImage& strip, uint32_t iconWidth, uint32_t height) {
    if (!strip.Create(iconWidth * 19, height, 32, 0, nullptr)) {
        return false;
    }
    for (uint32_t i = 0; i < 19; ++i) {
        for (uint32_t y = 0; y < height; ++y) {
            for (uint32_t x = 0; x < iconWidth; ++x) {
                const int alpha = 255 - 40 * static_cast<int>(x) - 30 * static_cast<int>(y);
                SetPixel(strip, i * iconWidth + x, y, static_cast<uint8_t>(10 * i + x),
                         static_cast<uint8_t>(200 - 10 * y), static_cast<uint8_t>(13 * i),
                         static_cast<uint8_t>(alpha < 0 ? 0 : alpha));
            }
        }
    }
    return true;
}

}  // namespace zentrova::test
