// StoreCapture: the stored file, the list entry, the host calls and the failure paths.
#include "capture/StoreCapture.h"

#include <filesystem>
#include <iterator>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "core/FileSystem.h"
#include "image/ZImage.h"
#include "tests/editmode/EditTestPictures.h"
#include "tests/support/TempFolder.h"

namespace zentrova {
namespace {

using test::MakePicture;
using test::PixelBytes;
using test::ReadWholeFile;
using test::TempFolder;

// Records every call the store makes.
class FakeHost : public CaptureStoreHost {
  public:
    const ZImage* GetFinishedCapture() override {
        ++finishedCalls;
        return image.IsValid() || offerEmptyImage ? &image : nullptr;
    }
    void GetScreenDpi(int32_t& x, int32_t& y) override { x = dpiX, y = dpiY, ++otherCalls; }
    CaptureTime GetLocalTime() override { return ++otherCalls, time; }
    void Beep(uint32_t frequency, uint32_t ms) override { beeps.push_back({frequency, ms}); }
    void ShowMessage(const wchar_t* text) override { messages.push_back(text); }
    void TearDownEngine() override { ++tearDowns; }
    void PostCommand(uint32_t command) override { commands.push_back(command); }

    int OtherCalls() const {
        return otherCalls + tearDowns +
               static_cast<int>(beeps.size() + messages.size() + commands.size());
    }

    ZImage image;
    bool offerEmptyImage = false;
    int32_t dpiX = 96, dpiY = 96;
    CaptureTime time = CaptureTime{2007, 12, 31, 23, 59};
    int finishedCalls = 0, otherCalls = 0, tearDowns = 0;
    std::vector<std::pair<uint32_t, uint32_t>> beeps;
    std::vector<std::wstring> messages;
    std::vector<uint32_t> commands;
};

uint32_t U32At(const std::string& bytes, size_t offset) {
    const auto byte = [&](size_t i) { return uint32_t{static_cast<uint8_t>(bytes[offset + i])}; };
    return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
}

size_t CountFiles(const std::wstring& folder) {
    const std::filesystem::directory_iterator files{std::filesystem::path(folder)};
    return static_cast<size_t>(std::distance(begin(files), end(files)));
}

const std::vector<std::wstring> kWriteFailed = {
    L"Failed Save Capture: Couldn't open BMP File for writing!"};

struct StoreCaptureTest : ::testing::Test {
    void SetUp() override {
        MakePicture(host.image, 7, 5, 3);  // stride 24: 3 padding bytes per row
        settings.outputFolder = folder.Path();
        settings.captureType = kCaptureTypeSingle;
    }
    std::wstring FileNamed(const wchar_t* name) const { return folder.File(name); }
    // The path of list entry i, empty when there is none.
    std::wstring Listed(int i) const {
        std::wstring path;
        return list->GetPath(i, path) ? path : std::wstring();
    }

    TempFolder folder;
    FakeHost host;
    CaptureStoreSettings settings;
    CaptureStore store;
    std::unique_ptr<CaptureList> list = std::make_unique<CaptureList>();
};

TEST_F(StoreCaptureTest, StoresTheFirstCaptureAsNumberedBmp) {
    host.dpiX = 120;
    host.dpiY = 144;
    ASSERT_TRUE(store.StoreCapture(host, settings, *list));
    EXPECT_EQ(store.GetSessionCounter(), 1u);

    const std::wstring path = FileNamed(L"Clarivue - 2007.12.31 23.59 - 001.bmp");
    const std::string bytes = ReadWholeFile(path);
    ASSERT_EQ(bytes.size(), 54u + 5 * 24);
    // Pixels per metre from the screen's dpi: trunc(dpi * 0.393700787402 * 100).
    EXPECT_EQ(U32At(bytes, 38), 4724u);  // 120 dpi
    EXPECT_EQ(U32At(bytes, 42), 5669u);  // 144 dpi
    EXPECT_EQ(bytes.substr(54), PixelBytes(host.image));

    // The engine's image itself keeps its resolution; only the stored copy got the screen's.
    EXPECT_EQ(host.image.dpiX, 96);

    // Single capture: the engine is torn down and the Edit Mode is asked for, once.
    EXPECT_EQ(host.tearDowns, 1);
    EXPECT_EQ(host.commands, std::vector<uint32_t>{40026});
    EXPECT_TRUE(host.beeps.empty());
    EXPECT_TRUE(host.messages.empty());

    // The list entry and the first history state are the capture, at the screen's dpi.
    ASSERT_EQ(list->GetCount(), 1);
    EXPECT_EQ(Listed(0), path);
    ZImage state;
    ASSERT_TRUE(list->GetHistory(0)->Undo(state));
    EXPECT_EQ(std::pair(state.dpiX, state.dpiY), std::pair(120, 144));
    EXPECT_EQ(PixelBytes(state), PixelBytes(host.image));
}

TEST_F(StoreCaptureTest, NoFinishedImageChangesNothing) {
    host.image.Destroy();
    EXPECT_FALSE(store.StoreCapture(host, settings, *list));
    // An image object that is not valid counts as none.
    host.offerEmptyImage = true;
    EXPECT_FALSE(store.StoreCapture(host, settings, *list));

    EXPECT_EQ(host.finishedCalls, 2);
    EXPECT_EQ(host.OtherCalls(), 0);
    EXPECT_EQ(store.GetSessionCounter(), 0u);
    EXPECT_EQ(list->GetCount(), 0);
    EXPECT_EQ(CountFiles(folder.Path()), 0u);
}

TEST_F(StoreCaptureTest, NumbersKeepRisingAcrossMinutesDaysAndClears) {
    settings.captureType = kCaptureTypeMultiple;
    host.time = CaptureTime{2007, 5, 3, 14, 5};
    for (int i = 0; i < 7; ++i) {
        ASSERT_TRUE(store.StoreCapture(host, settings, *list));
    }
    EXPECT_EQ(Listed(6), FileNamed(L"Clarivue - 2007.05.03 14.05 - 007.bmp"));
    host.time = CaptureTime{2007, 5, 4, 0, 0};
    ASSERT_TRUE(store.StoreCapture(host, settings, *list));

    // Leaving the Edit Mode clears the list, not the counter.
    list->Clear();
    ASSERT_TRUE(store.StoreCapture(host, settings, *list));
    EXPECT_EQ(Listed(0), FileNamed(L"Clarivue - 2007.05.04 00.00 - 009.bmp"));
    EXPECT_EQ(CountFiles(folder.Path()), 9u);
    // Multiple capture: the engine is torn down each time, no Edit Mode is asked for.
    EXPECT_TRUE(host.commands.empty());
    EXPECT_EQ(host.tearDowns, 9);
}

TEST_F(StoreCaptureTest, WriteFailureBeepsReportsAndStillEntersTheSlot) {
    // Two missing levels: only one is created, so the file cannot be written.
    const std::wstring missing = folder.File(L"missing");
    settings.outputFolder = missing + kNativeSeparator + L"deeper";
    ASSERT_TRUE(store.StoreCapture(host, settings, *list));

    EXPECT_EQ(host.beeps, (std::vector<std::pair<uint32_t, uint32_t>>{{200, 200}}));
    EXPECT_EQ(host.messages, kWriteFailed);
    EXPECT_TRUE(host.commands.empty());
    EXPECT_EQ(host.tearDowns, 1);
    EXPECT_FALSE(DirectoryExists(missing.c_str()));

    ASSERT_EQ(list->GetCount(), 1);
    EXPECT_EQ(Listed(0),
              settings.outputFolder + kNativeSeparator + L"Clarivue - 2007.12.31 23.59 - 001.bmp");
    ASSERT_NE(list->GetHistory(0), nullptr);
    EXPECT_EQ(list->GetHistory(0)->GetNext(), 1);
    EXPECT_EQ(store.GetSessionCounter(), 1u);
}

TEST_F(StoreCaptureTest, PathTooLongIsReportedAndNotListed) {
    settings.outputFolder = folder.Path() + kNativeSeparator + std::wstring(250, L'z');
    ASSERT_TRUE(store.StoreCapture(host, settings, *list));
    EXPECT_EQ(host.messages, kWriteFailed);
    EXPECT_EQ(std::tuple(host.beeps.size(), host.commands.size(), host.tearDowns),
              std::tuple(1u, 0u, 1));
    EXPECT_EQ(list->GetCount(), 0);
    EXPECT_EQ(store.GetSessionCounter(), 1u);
}

TEST_F(StoreCaptureTest, HundredAndFirstCaptureIsWrittenButNotListed) {
    settings.captureType = kCaptureTypeMultiple;
    MakePicture(host.image, 2, 2, 1);
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(store.StoreCapture(host, settings, *list));
    }
    ASSERT_EQ(list->GetCount(), 100);
    MakePicture(host.image, 3, 1, 2);
    ASSERT_TRUE(store.StoreCapture(host, settings, *list));
    EXPECT_EQ(list->GetCount(), 100);
    const std::wstring last = FileNamed(L"Clarivue - 2007.12.31 23.59 - 101.bmp");
    EXPECT_EQ(ReadWholeFile(last).substr(54), PixelBytes(host.image));
    EXPECT_EQ(Listed(99), FileNamed(L"Clarivue - 2007.12.31 23.59 - 100.bmp"));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.tearDowns, 101);
}

}  // namespace
}  // namespace zentrova
