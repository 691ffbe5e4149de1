// The artwork resources inside the built corvix.exe, loaded the way the program loads them: the
// cursors and icons through LoadImageW, the capture sound as a WAVE resource, the splash picture
// through the resource picture codec.
#include <cstdint>
#include <cstring>
#include <string>

#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include "codecs/ZImageCodecBmp.h"
#include "codecs/ZImageCodecRes.h"
#include "core/WideText.h"
#include "image/ZImage.h"
#include "tests/support/TempFolder.h"

namespace zentrova::test {
namespace {

class ProgramResourcesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_com = SUCCEEDED(CoInitialize(nullptr));
        const std::wstring exe = FromUtf8(CLARIVUE_CORVIX_EXE);
        m_module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(m_module, nullptr) << "corvix.exe not loaded, error " << GetLastError();
    }
    void TearDown() override {
        if (m_module != nullptr) {
            FreeLibrary(m_module);
        }
        if (m_com) {
            CoUninitialize();
        }
    }

    // Bytes of a resource of the program; empty when it is missing.
    std::string ResourceBytes(const wchar_t* name, const wchar_t* type) const {
        HRSRC found = FindResourceW(m_module, name, type);
        if (found == nullptr) {
            return std::string();
        }
        HGLOBAL loaded = LoadResource(m_module, found);
        const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
        const DWORD size = SizeofResource(m_module, found);
        return data != nullptr ? std::string(static_cast<const char*>(data), size) : std::string();
    }

    HMODULE m_module = nullptr;
    bool m_com = false;
};

// Size of an icon or cursor handle's picture, and its hot spot.
struct HandleInfo {
    bool ok = false;
    int width = 0;
    int height = 0;
    DWORD hotX = 0;
    DWORD hotY = 0;
};

HandleInfo Describe(HICON icon) {
    HandleInfo info;
    ICONINFO ii = {};
    if (icon == nullptr || !GetIconInfo(icon, &ii)) {
        return info;
    }
    BITMAP bm = {};
    HBITMAP shown = ii.hbmColor != nullptr ? ii.hbmColor : ii.hbmMask;
    if (GetObjectW(shown, sizeof(bm), &bm) == sizeof(bm)) {
        info.ok = true;
        info.width = bm.bmWidth;
        info.height = ii.hbmColor != nullptr ? bm.bmHeight : bm.bmHeight / 2;
    }
    info.hotX = ii.xHotspot;
    info.hotY = ii.yHotspot;
    if (ii.hbmColor != nullptr) {
        DeleteObject(ii.hbmColor);
    }
    if (ii.hbmMask != nullptr) {
        DeleteObject(ii.hbmMask);
    }
    return info;
}

TEST_F(ProgramResourcesTest, TheThreeCursorsLoadWithTheirHotSpots) {
    struct Case {
        int id;
        DWORD hotX, hotY;  // at 32 pixels
    };
    const Case cases[] = {{142, 2, 30}, {111, 16, 16}, {112, 16, 15}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        HANDLE cursor = LoadImageW(m_module, MAKEINTRESOURCEW(c.id), IMAGE_CURSOR, 32, 32, 0);
        ASSERT_NE(cursor, nullptr);
        const HandleInfo info = Describe(static_cast<HICON>(cursor));
        EXPECT_TRUE(info.ok);
        EXPECT_EQ(info.width, 32);
        EXPECT_EQ(info.height, 32);
        EXPECT_EQ(info.hotX, c.hotX);
        EXPECT_EQ(info.hotY, c.hotY);
        DestroyCursor(static_cast<HCURSOR>(cursor));
    }
}

TEST_F(ProgramResourcesTest, BothIconsOfferEverySize) {
    for (int id : {102, 125}) {
        SCOPED_TRACE(id);
        // The icon group lists the eight sizes.
        const std::string group = ResourceBytes(MAKEINTRESOURCEW(id), RT_GROUP_ICON);
        ASSERT_GE(group.size(), 6u);
        uint16_t count = 0;
        std::memcpy(&count, group.data() + 4, 2);
        ASSERT_EQ(count, 8);
        ASSERT_EQ(group.size(), 6u + 14u * count);
        for (int size : {16, 20, 24, 32, 40, 48, 64, 256}) {
            SCOPED_TRACE(size);
            int listed = 0;
            for (int i = 0; i < count; ++i) {
                const int stored = static_cast<uint8_t>(group[6 + 14 * i]);
                listed += (stored == 0 ? 256 : stored) == size ? 1 : 0;
            }
            EXPECT_EQ(listed, 1);
            // And each size loads as a picture of exactly that size.
            HANDLE icon = LoadImageW(m_module, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0);
            ASSERT_NE(icon, nullptr);
            const HandleInfo info = Describe(static_cast<HICON>(icon));
            EXPECT_TRUE(info.ok);
            EXPECT_EQ(info.width, size);
            EXPECT_EQ(info.height, size);
            DestroyIcon(static_cast<HICON>(icon));
        }
    }
}

TEST_F(ProgramResourcesTest, TheCaptureSoundIsTheWaveFileOfTheBuild) {
    const std::string sound = ResourceBytes(MAKEINTRESOURCEW(144), L"WAVE");
    ASSERT_GE(sound.size(), 44u);
    EXPECT_EQ(sound.substr(0, 4), "RIFF");
    EXPECT_EQ(sound.substr(8, 4), "WAVE");
    const std::string file = ReadWholeFile(FromUtf8(CLARIVUE_WIN_ART_DIR) + L"/capture.wav");
    EXPECT_EQ(sound, file);
}

TEST_F(ProgramResourcesTest, TheSplashPictureDecodesToTheBitmapOfTheBuild) {
    ZImage splash;
    uint32_t code = 0;
    ASSERT_TRUE(ReadResourcePicture(splash, m_module, L"IMG_SPLASH", L"IMAGE", &code)) << code;
    ZImage reference;
    ASSERT_TRUE(ReadBmp(reference, (FromUtf8(CLARIVUE_WIN_ART_DIR) + L"/splash.bmp").c_str()));
    ASSERT_EQ(splash.GetBitsPerPixel(), 24);
    // At the usual 96 dots per inch the picture keeps its own size and every pixel.
    HDC screen = GetDC(nullptr);
    const int ppi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    if (ppi != 96) {
        GTEST_SKIP() << "screen at " << ppi << " dots per inch";
    }
    ASSERT_EQ(splash.GetWidth(), reference.GetWidth());
    ASSERT_EQ(splash.GetHeight(), reference.GetHeight());
    uint64_t differing = 0;
    for (uint32_t r = 0; r < splash.GetHeight(); ++r) {
        differing += std::memcmp(splash.GetRow(r), reference.GetRow(r), 3 * splash.GetWidth()) != 0;
    }
    EXPECT_EQ(differing, 0u);
}

}  // namespace
}  // namespace zentrova::test
