// EditHistory: index rules, the state file layout, file lifetime and damaged state files.
#include "editmode/EditHistory.h"

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
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
using test::WriteWholeFile;

// True when b holds exactly the picture of a (size, depth, resolution, pixel memory).
::testing::AssertionResult SamePicture(const ZImage& a, const ZImage& b) {
    if (!b.IsValid()) {
        return ::testing::AssertionFailure() << "image is empty";
    }
    if (a.GetWidth() != b.GetWidth() || a.GetHeight() != b.GetHeight() ||
        a.GetBitsPerPixel() != b.GetBitsPerPixel()) {
        return ::testing::AssertionFailure()
               << b.GetWidth() << "x" << b.GetHeight() << "x" << int(b.GetBitsPerPixel());
    }
    if (a.dpiX != b.dpiX || a.dpiY != b.dpiY) {
        return ::testing::AssertionFailure() << "dpi " << b.dpiX << "," << b.dpiY;
    }
    if (PixelBytes(a) != PixelBytes(b)) {
        return ::testing::AssertionFailure() << "pixel memory differs";
    }
    return ::testing::AssertionSuccess();
}

void AppendU32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
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
        ASSERT_TRUE(history.Push(a));
        ASSERT_TRUE(history.Push(b));
        ASSERT_TRUE(history.Push(c));
    }
    // One Undo or Redo into work, then the state reached and the picture it holds.
    void Step(bool (EditHistory::*step)(ZImage&), int current, const ZImage& expected) {
        ASSERT_TRUE((history.*step)(work));
        EXPECT_EQ(history.GetCurrent(), current);
        EXPECT_TRUE(SamePicture(expected, work));
    }
    ZImage a, b, c, work;
    EditHistory history;
};

TEST(EditHistoryTest, EveryOperationIsRefusedBeforeReset) {
    EditHistory history;
    ZImage image;
    MakePicture(image, 4, 4, 9);
    EXPECT_FALSE(history.IsEnabled());
    EXPECT_FALSE(history.Push(image));
    EXPECT_FALSE(history.Undo(image));
    EXPECT_FALSE(history.Redo(image));
    EXPECT_FALSE(history.Clear());
    EXPECT_EQ(history.GetNext(), 0);

    // After a reset: no state to undo or redo, an empty image is refused, the first push is
    // state 0.
    history.Reset();
    EXPECT_FALSE(history.Undo(image));
    ZImage empty;
    EXPECT_FALSE(history.Push(empty));
    EXPECT_EQ(history.GetNext(), 0);
    EXPECT_TRUE(history.Push(image));
    EXPECT_EQ(history.GetCurrent(), 0);
    EXPECT_EQ(history.GetNext(), 1);
}

TEST_F(ThreeStates, UndoStepsBackAndStopsAtStateZero) {
    Step(&EditHistory::Undo, 1, b);
    EXPECT_TRUE(history.IsUndone());
    Step(&EditHistory::Undo, 0, a);
    // At state 0 Undo reloads state 0 and stays there.
    work.Destroy();
    Step(&EditHistory::Undo, 0, a);
    EXPECT_EQ(history.GetNext(), 3);
}

TEST_F(ThreeStates, RedoStepsForwardAndClearsUndoneAtTheEnd) {
    ASSERT_TRUE(history.Undo(work));
    Step(&EditHistory::Undo, 0, a);
    Step(&EditHistory::Redo, 1, b);
    EXPECT_TRUE(history.IsUndone());
    Step(&EditHistory::Redo, 2, c);
    EXPECT_TRUE(history.IsUndone());
    // At the last state Redo reloads it and ends the undo run.
    Step(&EditHistory::Redo, 2, c);
    EXPECT_EQ(history.GetNext(), 3);
    EXPECT_FALSE(history.IsUndone());

    // A push now appends after C.
    ZImage d;
    MakePicture(d, 3, 3, 4);
    ASSERT_TRUE(history.Push(d));
    EXPECT_EQ(history.GetCurrent(), 3);
    EXPECT_EQ(history.GetNext(), 4);
}

TEST_F(ThreeStates, PushAfterUndoDropsTheRedoStates) {
    ASSERT_TRUE(history.Undo(work));
    ASSERT_TRUE(history.Undo(work));
    const std::wstring oldState1 = history.GetStatePath(1);
    const std::wstring oldState2 = history.GetStatePath(2);

    ZImage d;
    MakePicture(d, 6, 1, 5);
    ASSERT_TRUE(history.Push(d));
    EXPECT_EQ(history.GetCurrent(), 1);
    EXPECT_EQ(history.GetNext(), 2);
    EXPECT_FALSE(history.IsUndone());
    // B's file was replaced, C's can never be reached again: both are gone.
    EXPECT_FALSE(PathExists(oldState1.c_str()));
    EXPECT_FALSE(PathExists(oldState2.c_str()));
    EXPECT_TRUE(history.GetStatePath(2).empty());

    // Redo has nothing beyond D; Undo goes back to A.
    Step(&EditHistory::Redo, 1, d);
    Step(&EditHistory::Undo, 0, a);
}

TEST_F(ThreeStates, ClearAndResetDeleteEveryStateFile) {
    ASSERT_TRUE(history.Undo(work));
    std::vector<std::wstring> files;
    for (int i = 0; i < 3; ++i) {
        files.push_back(history.GetStatePath(i));
    }
    EXPECT_TRUE(history.Clear());
    for (const auto& file : files) {
        EXPECT_FALSE(PathExists(file.c_str()));
    }
    EXPECT_EQ(history.GetNext(), 0);
    EXPECT_TRUE(history.IsEnabled());
    EXPECT_TRUE(history.Push(a));
    EXPECT_EQ(history.GetNext(), 1);
    const std::wstring again = history.GetStatePath(0);
    history.Reset();
    EXPECT_FALSE(PathExists(again.c_str()));
    EXPECT_EQ(history.GetNext(), 0);
    EXPECT_TRUE(history.IsEnabled());
}

TEST(EditHistoryTest, HoldsAtMostThreeHundredStates) {
    EditHistory history;
    history.Reset();
    ZImage image;
    for (int i = 0; i < EditHistory::kMaxStates; ++i) {
        MakePicture(image, 1, 1, static_cast<uint8_t>(i));
        ASSERT_TRUE(history.Push(image)) << i;
    }
    EXPECT_EQ(history.GetCurrent(), 299);
    EXPECT_EQ(history.GetNext(), 300);

    // The 301st push is refused and changes nothing.
    ZImage extra;
    MakePicture(extra, 2, 2, 77);
    EXPECT_FALSE(history.Push(extra));
    EXPECT_EQ(history.GetCurrent(), 299);
    EXPECT_EQ(history.GetNext(), 300);
    ZImage work;
    ASSERT_TRUE(history.Redo(work));
    EXPECT_TRUE(SamePicture(image, work));  // still state 299

    // After one undo there is room again: the push replaces state 299.
    ASSERT_TRUE(history.Undo(work));
    EXPECT_EQ(history.GetCurrent(), 298);
    const std::wstring old299 = history.GetStatePath(299);
    ASSERT_TRUE(history.Push(extra));
    EXPECT_EQ(history.GetCurrent(), 299);
    EXPECT_EQ(history.GetNext(), 300);
    EXPECT_FALSE(PathExists(old299.c_str()));
    ASSERT_TRUE(history.Redo(work));
    EXPECT_TRUE(SamePicture(extra, work));

    // Undo and redo back to the last state with the undo run still open: the push is refused.
    ASSERT_TRUE(history.Undo(work));
    ASSERT_TRUE(history.Redo(work));
    EXPECT_TRUE(history.IsUndone());
    EXPECT_FALSE(history.Push(image));
    EXPECT_EQ(history.GetCurrent(), 299);
}

// State file layout -----------------------------------------------------------------------------

// A state file is the header (width, height, depth, resolution), for a palette image 2^bpp
// red, green, blue triplets, then the pixel memory with its padding; it comes back as it was.
TEST(EditHistoryFileTest, StateFileIsHeaderPaletteThenPixelMemory) {
    uint8_t palette[ZImage::kPaletteBytes];
    for (int i = 0; i < ZImage::kPaletteBytes; ++i) {
        palette[i] = static_cast<uint8_t>(i * 5 + 3);
    }
    for (const uint32_t bits : {24u, 8u, 4u, 1u}) {
        SCOPED_TRACE(bits);
        ZImage image;
        ASSERT_TRUE(image.Create(13, 3, bits, 0, palette));
        for (size_t i = 0; i < image.GetPixelMemorySize(); ++i) {
            image.GetBits()[i] = static_cast<uint8_t>(0xA5 ^ i);
        }
        image.dpiX = 300;
        image.dpiY = -7;
        EditHistory history;
        history.Reset();
        ASSERT_TRUE(history.Push(image));

        std::string expected;
        for (const uint32_t field : {13u, 3u, bits, 300u, static_cast<uint32_t>(-7)}) {
            AppendU32(expected, field);
        }
        if (bits <= 8) {
            expected.append(reinterpret_cast<const char*>(palette), 3u << bits);
        }
        expected += PixelBytes(image);
        EXPECT_EQ(ReadWholeFile(history.GetStatePath(0)), expected);

        ZImage work;
        ASSERT_TRUE(history.Undo(work));
        EXPECT_TRUE(SamePicture(image, work));
        uint8_t back[ZImage::kPaletteBytes];
        if (bits <= 8) {
            ASSERT_TRUE(work.GetPalette(back));
            EXPECT_EQ(0, std::memcmp(back, palette, 3u << bits));
        }
    }
}

// Damaged state files ---------------------------------------------------------------------------

// A valid state file of a 4 x 2 24-bit picture: 20 + 2 * 12 bytes.
std::string SmallStateFile() {
    std::string bytes;
    for (const uint32_t field : {4u, 2u, 24u, 96u, 96u}) {
        AppendU32(bytes, field);
    }
    for (int i = 0; i < 24; ++i) {
        bytes.push_back(static_cast<char>(i));
    }
    return bytes;
}

std::string WithU32(std::string bytes, size_t offset, uint32_t value) {
    std::string field;
    AppendU32(field, value);
    return bytes.replace(offset, 4, field);
}

TEST(EditHistoryFileTest, DamagedStateFilesAreRejectedAndLeaveTheImageAlone) {
    const std::string good = SmallStateFile();
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", std::string()},
        {"short header", good.substr(0, 19)},
        {"header only", good.substr(0, 20)},
        {"one pixel byte missing", good.substr(0, good.size() - 1)},
        {"one byte too many", good + '\0'},
        {"zero width", WithU32(good, 0, 0)},
        {"zero height", WithU32(good, 4, 0)},
        {"huge width", WithU32(good, 0, 0x7FFFFFFF)},
        {"huge dimensions", WithU32(WithU32(good, 0, 0x10000), 4, 0x10000)},
        {"largest dimensions", WithU32(WithU32(good, 0, 0xFFFFFFFF), 4, 0xFFFFFFFF)},
        {"width that would fit a bigger stride", WithU32(good, 0, 5)},
        {"unsupported depth 2", WithU32(good, 8, 2)},
        {"unsupported depth 7", WithU32(good, 8, 7)},
        {"huge depth", WithU32(good, 8, 0xFFFFFFFF)},
        {"palette depth without table", WithU32(good, 8, 8)},
    };
    TempFolder folder;
    const std::wstring path = folder.File(L"damaged.tmp");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteWholeFile(path, c.bytes));
        ZImage image, untouched;
        MakePicture(image, 2, 2, 42);
        MakePicture(untouched, 2, 2, 42);
        EXPECT_FALSE(EditHistory::ReadStateFile(path.c_str(), image));
        EXPECT_TRUE(SamePicture(untouched, image));
    }
    ZImage image;
    EXPECT_FALSE(EditHistory::ReadStateFile(folder.File(L"missing.tmp").c_str(), image));
    EXPECT_FALSE(image.IsValid());
}

TEST(EditHistoryFileTest, DamagedStateFileMakesUndoFailWithoutHarm) {
    ZImage a, b;
    MakePicture(a, 8, 8, 1);
    MakePicture(b, 8, 8, 2);
    EditHistory history;
    history.Reset();
    ASSERT_TRUE(history.Push(a));
    ASSERT_TRUE(history.Push(b));

    // State 0 cut short, state 1 given huge dimensions.
    const std::wstring state0 = history.GetStatePath(0);
    const std::wstring state1 = history.GetStatePath(1);
    const std::string bytes0 = ReadWholeFile(state0);
    ASSERT_TRUE(WriteWholeFile(state0, bytes0.substr(0, bytes0.size() / 2)));
    ASSERT_TRUE(
        WriteWholeFile(state1, WithU32(WithU32(ReadWholeFile(state1), 0, 0x40000), 4, 0x40000)));

    ZImage work;
    MakePicture(work, 3, 3, 9);
    EXPECT_FALSE(history.Undo(work));
    EXPECT_EQ(history.GetCurrent(), 0);
    EXPECT_FALSE(history.Redo(work));
    EXPECT_EQ(history.GetCurrent(), 1);
    // The history still works for new states and cleans up without complaint.
    ASSERT_TRUE(history.Push(a));
    EXPECT_TRUE(history.Clear());
    EXPECT_FALSE(PathExists(state1.c_str()));
}

#ifndef _WIN32
// A temporary folder on a full disk: the state file opens, its writes fail. No partial state file
// is left (the link goes, the device it pointed to stays).
TEST(EditHistoryFileTest, StateFileOnAFullDeviceFailsAndLeavesNoFile) {
    TempFolder folder;
    const std::wstring path = folder.File(L"state.tmp");
    std::error_code error;
    std::filesystem::create_symlink("/dev/full", std::filesystem::path(path), error);
    if (error || !PathExists(L"/dev/full")) {
        GTEST_SKIP() << "no /dev/full to link to";
    }
    ZImage image;
    MakePicture(image, 16, 16, 5);
    EXPECT_FALSE(EditHistory::WriteStateFile(path.c_str(), image));
    EXPECT_FALSE(std::filesystem::is_symlink(std::filesystem::path(path), error));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full", error));
}
#endif

}  // namespace
}  // namespace zentrova
