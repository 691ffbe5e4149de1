// EditHistory: index rules, the state file layout, file lifetime and damaged state files.
#include "editmode/EditHistory.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "core/FileSystem.h"
#include "tests/editmode/EditTestPictures.h"
#include "tests/support/TempFolder.h"

namespace zentrova {
namespace {

using test::MakePicture;
using test::PixelBytes;
using test::ReadWholeFile;
using test::TempFolder;
using test::WriteWholeFile;

// What a picture holds: size, depth, resolution and pixel memory.
auto Contents(const ZImage& i) {
    return std::make_tuple(i.GetWidth(), i.GetHeight(), static_cast<int>(i.GetBitsPerPixel()),
                           i.dpiX, i.dpiY, PixelBytes(i));
}

// The values as little-endian 32-bit fields.
std::string U32s(std::initializer_list<uint32_t> values) {
    std::string out;
    for (const uint32_t v : values) {
        for (int i = 0; i < 4; ++i) {
            out.push_back(static_cast<char>(v >> (8 * i)));
        }
    }
    return out;
}

// Three pictures A, B, C pushed in this order onto a reset history.
struct ThreeStates : ::testing::Test {
    void SetUp() override {
        MakePicture(a, 5, 3, 1);
        MakePicture(b, 5, 3, 2);
        MakePicture(c, 7, 2, 3);
        c.dpiX = 120;
        c.dpiY = 144;
        history.Reset();
        ASSERT_TRUE(history.Push(a) && history.Push(b) && history.Push(c));
    }
    // One Undo or Redo into an emptied work picture, then the state reached, its picture and
    // whether the undo run is still open.
    void Step(bool undo, int current, const ZImage& expected, bool undone) {
        work.Destroy();
        ASSERT_TRUE(undo ? history.Undo(work) : history.Redo(work));
        EXPECT_EQ(std::pair(history.GetCurrent(), history.IsUndone()), std::pair(current, undone));
        EXPECT_EQ(Contents(work), Contents(expected));
    }
    ZImage a, b, c, work;
    EditHistory history;
};

TEST(EditHistoryTest, EveryOperationIsRefusedBeforeResetAndWithoutAState) {
    EditHistory history;
    ZImage image, empty;
    MakePicture(image, 4, 4, 9);
    EXPECT_FALSE(history.IsEnabled());
    EXPECT_EQ((std::vector<bool>{history.Push(image), history.Undo(image), history.Redo(image),
                                 history.Clear()}),
              std::vector<bool>(4, false));
    history.Reset();
    EXPECT_FALSE(history.Undo(image) || history.Push(empty));
    EXPECT_EQ(history.GetNext(), 0);
    EXPECT_TRUE(history.Push(image));
    EXPECT_EQ(std::pair(history.GetCurrent(), history.GetNext()), std::pair(0, 1));
}

TEST_F(ThreeStates, UndoAndRedoStopAtStateZeroAndAtTheLastState) {
    Step(true, 1, b, true);
    Step(true, 0, a, true);
    Step(true, 0, a, true);  // at state 0 Undo reloads it and stays
    Step(false, 1, b, true);
    Step(false, 2, c, true);
    Step(false, 2, c, false);  // at the last state Redo reloads it and ends the undo run
    // A push now appends after C.
    ASSERT_TRUE(history.Push(a));
    EXPECT_EQ(std::pair(history.GetCurrent(), history.GetNext()), std::pair(3, 4));
}

TEST_F(ThreeStates, PushAfterUndoDropsTheRedoStates) {
    ASSERT_TRUE(history.Undo(work) && history.Undo(work));
    const std::wstring oldState1 = history.GetStatePath(1);
    const std::wstring oldState2 = history.GetStatePath(2);
    ZImage d;
    MakePicture(d, 6, 1, 5);
    ASSERT_TRUE(history.Push(d));
    EXPECT_EQ(std::pair(history.GetCurrent(), history.GetNext()), std::pair(1, 2));
    EXPECT_FALSE(history.IsUndone());
    // B's file was replaced, C's can never be reached again: both are gone.
    EXPECT_FALSE(PathExists(oldState1.c_str()) || PathExists(oldState2.c_str()));
    EXPECT_TRUE(history.GetStatePath(2).empty());
    Step(false, 1, d, false);  // nothing beyond D
    Step(true, 0, a, true);
}

TEST_F(ThreeStates, ClearAndResetDeleteEveryStateFile) {
    ASSERT_TRUE(history.Undo(work));
    const std::wstring files[] = {history.GetStatePath(0), history.GetStatePath(1),
                                  history.GetStatePath(2)};
    EXPECT_TRUE(history.Clear());
    EXPECT_FALSE(PathExists(files[0].c_str()) || PathExists(files[1].c_str()) ||
                 PathExists(files[2].c_str()));
    EXPECT_EQ(history.GetNext(), 0);
    EXPECT_TRUE(history.Push(a));
    const std::wstring again = history.GetStatePath(0);
    history.Reset();
    EXPECT_FALSE(PathExists(again.c_str()));
    EXPECT_EQ(std::pair(history.GetNext(), history.IsEnabled()), std::pair(0, true));
}

TEST(EditHistoryTest, HoldsAtMostThreeHundredStates) {
    EditHistory history;
    history.Reset();
    ZImage image, extra, work;
    for (int i = 0; i < EditHistory::kMaxStates; ++i) {
        MakePicture(image, 1, 1, static_cast<uint8_t>(i));
        ASSERT_TRUE(history.Push(image)) << i;
    }
    // The 301st push is refused and changes nothing.
    MakePicture(extra, 2, 2, 77);
    EXPECT_FALSE(history.Push(extra));
    EXPECT_EQ(std::pair(history.GetCurrent(), history.GetNext()), std::pair(299, 300));
    ASSERT_TRUE(history.Redo(work));
    EXPECT_EQ(Contents(work), Contents(image));

    // After one undo there is room again: the push replaces state 299.
    ASSERT_TRUE(history.Undo(work));
    const std::wstring old299 = history.GetStatePath(299);
    ASSERT_TRUE(history.Push(extra));
    EXPECT_EQ(std::pair(history.GetCurrent(), history.GetNext()), std::pair(299, 300));
    EXPECT_FALSE(PathExists(old299.c_str()));

    // Undo and redo back to the last state with the undo run still open: the push is refused.
    ASSERT_TRUE(history.Undo(work) && history.Redo(work));
    EXPECT_EQ(Contents(work), Contents(extra));
    EXPECT_TRUE(history.IsUndone());
    EXPECT_FALSE(history.Push(image));
    EXPECT_EQ(history.GetCurrent(), 299);
}

// A state file is the header (width, height, depth, resolution), for a palette image 2^bpp
// red, green, blue triplets, then the pixel memory with its padding; it comes back as it was.
TEST(EditHistoryFileTest, StateFileIsHeaderPaletteThenPixelMemory) {
    uint8_t palette[ZImage::kPaletteBytes];
    for (int i = 0; i < ZImage::kPaletteBytes; ++i) {
        palette[i] = static_cast<uint8_t>(i * 5 + 3);
    }
    for (const uint32_t bits : {24u, 8u, 4u, 1u}) {
        SCOPED_TRACE(bits);
        ZImage image, work;
        ASSERT_TRUE(image.Create(13, 3, bits, 0, palette));
        for (size_t i = 0; i < image.GetPixelMemorySize(); ++i) {
            image.GetBits()[i] = static_cast<uint8_t>(0xA5 ^ i);
        }
        image.dpiX = 300;
        image.dpiY = -7;
        EditHistory history;
        history.Reset();
        ASSERT_TRUE(history.Push(image));
        const std::string table(reinterpret_cast<const char*>(palette), bits <= 8 ? 3u << bits : 0);
        EXPECT_EQ(ReadWholeFile(history.GetStatePath(0)),
                  U32s({13, 3, bits, 300, static_cast<uint32_t>(-7)}) + table + PixelBytes(image));

        ASSERT_TRUE(history.Undo(work));
        EXPECT_EQ(Contents(work), Contents(image));
        uint8_t back[ZImage::kPaletteBytes];
        if (bits <= 8) {
            ASSERT_TRUE(work.GetPalette(back));
            EXPECT_EQ(0, std::memcmp(back, palette, table.size()));
        }
    }
}

TEST(EditHistoryFileTest, DamagedStateFilesAreRejectedAndLeaveTheImageAlone) {
    // A valid state file of a 4 x 2 24-bit picture is 20 + 2 * 12 bytes. Cut to nothing, a short
    // header, the header only, one pixel byte missing, or one byte too many.
    const std::string pixels(24, '\x5A');
    std::vector<std::string> cases;
    for (const size_t size : {0, 19, 20, 43, 45}) {
        cases.push_back((U32s({4, 2, 24, 96, 96}) + pixels + '\0').substr(0, size));
    }
    // Width, height, depth: zero width, zero height, huge width, huge dimensions, largest
    // dimensions, a width that would fit a bigger stride; depths 2, 7, huge, 8 without a table.
    const uint32_t headers[][3] = {
        {0, 2, 24},     {4, 0, 24}, {0x7FFFFFFF, 2, 24}, {0x10000, 0x10000, 24},
        {~0u, ~0u, 24}, {5, 2, 24}, {4, 2, 2},           {4, 2, 7},
        {4, 2, ~0u},    {4, 2, 8}};
    for (const auto& [w, h, bits] : headers) {
        cases.push_back(U32s({w, h, bits, 96, 96}) + pixels);
    }
    TempFolder folder;
    const std::wstring path = folder.File(L"damaged.tmp");
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(&bytes - cases.data());
        ASSERT_TRUE(WriteWholeFile(path, bytes));
        ZImage image, untouched;
        MakePicture(image, 2, 2, 42);
        MakePicture(untouched, 2, 2, 42);
        EXPECT_FALSE(EditHistory::ReadStateFile(path.c_str(), image));
        EXPECT_EQ(Contents(image), Contents(untouched));
    }
    ZImage image;
    EXPECT_FALSE(EditHistory::ReadStateFile(folder.File(L"missing.tmp").c_str(), image));
    EXPECT_FALSE(image.IsValid());
}

#ifndef _WIN32
// A state file on a full disk (a link to /dev/full): the writes fail and no partial file is left.
TEST(EditHistoryFileTest, StateFileOnAFullDeviceFailsAndLeavesNoFile) {
    TempFolder folder;
    const std::filesystem::path path(folder.File(L"state.tmp"));
    std::error_code error;
    std::filesystem::create_symlink("/dev/full", path, error);
    if (error || !std::filesystem::exists("/dev/full", error)) {
        GTEST_SKIP() << "no /dev/full to link to";
    }
    ZImage image;
    MakePicture(image, 16, 16, 5);
    EXPECT_FALSE(EditHistory::WriteStateFile(path.wstring().c_str(), image));
    EXPECT_FALSE(std::filesystem::is_symlink(path, error));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full", error));
}
#endif

}  // namespace
}  // namespace zentrova
