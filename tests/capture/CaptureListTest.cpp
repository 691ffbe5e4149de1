// CaptureList: slots, valid flags, histories and stepping between captures.
#include "capture/CaptureList.h"

#include <cstring>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "core/FileSystem.h"
#include "image/ZImage.h"
#include "tests/editmode/EditTestPictures.h"

namespace zentrova {
namespace {

using test::MakePicture;

std::wstring PathOf(int i) {
    return L"C:\\Shots\\capture " + std::to_wstring(i) + L".bmp";
}

// A list with count captures of 2 x 2 pixels, picture seed = slot number.
void Fill(CaptureList& list, int count) {
    ZImage image;
    for (int i = 0; i < count; ++i) {
        MakePicture(image, 2, 2, static_cast<uint8_t>(i));
        ASSERT_TRUE(list.Add(PathOf(i).c_str(), image)) << i;
    }
}

// Steps forward or back; the slot reached, -1 when there is none.
int Step(CaptureList& list, bool forward) {
    return (forward ? list.StepNext() : list.StepPrevious()) ? list.GetCurrent() : -1;
}

TEST(CaptureListTest, AddEntersPathValidFlagAndFirstHistoryState) {
    auto list = std::make_unique<CaptureList>();
    ZImage capture;
    MakePicture(capture, 5, 3, 9);
    capture.dpiX = 120;
    capture.dpiY = 120;
    ASSERT_TRUE(list->Add(L"C:\\Shots\\one.bmp", capture));
    EXPECT_EQ(list->GetCount(), 1);
    EXPECT_TRUE(list->IsValid(0));
    std::wstring out;
    ASSERT_TRUE(list->GetPath(0, out));
    EXPECT_EQ(out, L"C:\\Shots\\one.bmp");

    EditHistory* history = list->GetHistory(0);
    ASSERT_NE(history, nullptr);
    EXPECT_TRUE(history->IsEnabled());
    EXPECT_EQ(history->GetCurrent(), 0);
    EXPECT_EQ(history->GetNext(), 1);
    ZImage state;
    ASSERT_TRUE(history->Undo(state));
    ASSERT_EQ(std::tuple(state.GetWidth(), state.GetHeight(), state.dpiX), std::tuple(5u, 3u, 120));
    EXPECT_EQ(0, std::memcmp(state.GetBits(), capture.GetBits(), capture.GetPixelMemorySize()));
}

TEST(CaptureListTest, AddRefusesBadPaths) {
    auto list = std::make_unique<CaptureList>();
    ZImage capture;
    MakePicture(capture, 1, 1, 0);
    EXPECT_FALSE(list->Add(nullptr, capture));
    EXPECT_FALSE(list->Add(L"", capture));
    EXPECT_FALSE(list->Add(std::wstring(260, L'p').c_str(), capture));
    EXPECT_EQ(list->GetCount(), 0);
    EXPECT_TRUE(list->Add(std::wstring(259, L'p').c_str(), capture));
    EXPECT_EQ(list->GetCount(), 1);
}

TEST(CaptureListTest, RemoveDeletesTheHistoryAndItsFiles) {
    auto list = std::make_unique<CaptureList>();
    Fill(*list, 3);
    EXPECT_EQ(list->GetHistory(3), nullptr);
    EXPECT_EQ(list->GetHistory(100), nullptr);  // beyond the hundred slots (StoreCaptureTest)
    ZImage edit;
    MakePicture(edit, 4, 4, 50);
    ASSERT_TRUE(list->GetHistory(1)->Push(edit));
    const std::wstring state0 = list->GetHistory(1)->GetStatePath(0);
    const std::wstring state1 = list->GetHistory(1)->GetStatePath(1);
    ASSERT_TRUE(list->Remove(1));
    EXPECT_FALSE(PathExists(state0.c_str()));
    EXPECT_FALSE(PathExists(state1.c_str()));
    EXPECT_EQ(list->GetHistory(1), nullptr);
    EXPECT_NE(list->GetHistory(2), nullptr);
    EXPECT_FALSE(list->Remove(1));
    EXPECT_EQ(list->GetCount(), 3);
}

TEST(CaptureListTest, ClearEmptiesEverything) {
    auto list = std::make_unique<CaptureList>();
    Fill(*list, 4);
    ASSERT_TRUE(list->SetCurrent(2));
    std::vector<std::wstring> files;
    for (int i = 0; i < 4; ++i) {
        files.push_back(list->GetHistory(i)->GetStatePath(0));
        ASSERT_TRUE(PathExists(files.back().c_str()));
    }
    list->Clear();
    EXPECT_EQ(list->GetCount(), 0);
    EXPECT_EQ(list->GetCurrent(), 0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(PathExists(files[i].c_str())) << i;
        EXPECT_FALSE(list->IsValid(i));
        EXPECT_EQ(list->GetHistory(i), nullptr);
    }
    EXPECT_FALSE(list->StepNext());
}

TEST(CaptureListTest, StepsSkipInvalidSlotsWrapAndFindTheOnlyOne) {
    auto list = std::make_unique<CaptureList>();
    Fill(*list, 5);
    ASSERT_TRUE(list->Remove(1));
    ASSERT_TRUE(list->Remove(3));
    // Slots 5 .. 99 were never used: next from 4 wraps round to 0, previous from 0 continues at
    // 99 and finds 4.
    for (const auto& [forward, slot] :
         {std::pair{true, 2}, {true, 4}, {true, 0}, {false, 4}, {false, 2}}) {
        EXPECT_EQ(Step(*list, forward), slot);
    }
    // Slot 2 alone: found from itself both ways.
    ASSERT_TRUE(list->Remove(0));
    ASSERT_TRUE(list->Remove(4));
    EXPECT_EQ(Step(*list, true), 2);
    EXPECT_EQ(Step(*list, false), 2);
    // The editor takes the current capture out and looks for the next one: there is none.
    ASSERT_TRUE(list->Remove(2));
    EXPECT_FALSE(list->StepNext());
    EXPECT_FALSE(list->StepPrevious());
    EXPECT_EQ(list->GetCurrent(), 2);
}

}  // namespace
}  // namespace zentrova
