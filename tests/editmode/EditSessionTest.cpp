// EditSession with its commands and actions: loading, history, canvas, zoom, stepping, and the
// Keep / Erase sequences against a file system that fails on purpose.
#include "editmode/EditSession.h"

#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "codecs/ZImageCodecPng.h"
#include "core/FileSystem.h"
#include "core/LoadImage.h"
#include "editmode/actions/ClipboardAction.h"
#include "editmode/EditCommands.h"
#include "editmode/mail/SendCollectedMail.h"
#include "tests/editmode/EditBench.h"

namespace zentrova {
namespace {

using test::Log;
using test::PatternColour;

constexpr ZColor kRed = 0x0000FF;

// The picture is width x height of the seed's pattern, with the 2 x 2 square at (0, 0) in
// corner (0: no square).
::testing::AssertionResult Shows(const ZImage& picture, int32_t width, int32_t height, int32_t seed,
                                 ZColor corner = 0) {
    return test::PixelsAre(picture, width, height, [=](int32_t x, int32_t y) {
        return corner != 0 && x < 2 && y < 2 ? corner : PatternColour(x, y, seed);
    });
}

::testing::AssertionResult FileShows(const std::wstring& path, int32_t width, int32_t height,
                                     int32_t seed, ZColor corner = 0) {
    ZImage image;
    if (!LoadImageFromFile(image, path.c_str()) || !image.SetBitDepth(24)) {
        return ::testing::AssertionFailure() << "not readable";
    }
    return Shows(image, width, height, seed, corner);
}

using Bench = test::EditBench;

TEST(EditSessionTest, KeepWritesBesideThenReplacesThenDeletesTheCapture) {
    const std::tuple<OutputFormat, const wchar_t*, uint32_t> cases[] = {
        {OutputFormat::Bmp, L".bmp", edit_cmd::kKeep},
        {OutputFormat::Png, L".png", edit_cmd::kKeepOpenFolder}};
    for (const auto& [format, extension, command] : cases) {
        Bench b;
        const std::wstring first = b.AddXY(format);
        b.Begin();
        b.Edit(kRed);
        ASSERT_TRUE(b.session.RunCommand(command));

        const std::wstring target = b.folder.File(L"x") + extension;
        Log expected = {L"write " + target + L"~tmp", L"replace " + target + L"~tmp > " + target};
        if (target != first) {
            expected.push_back(L"remove " + first);  // only once the output is in place
        }
        EXPECT_EQ(b.files.log, expected);
        EXPECT_TRUE(FileShows(target, 6, 4, 1, kRed)) << extension;
        EXPECT_EQ(PathExists(first.c_str()), target == first);
        EXPECT_EQ(b.session.GetOpenFolderOnLeave(), command == edit_cmd::kKeepOpenFolder);
        // On to the next capture at once.
        EXPECT_FALSE(b.captures.IsValid(0));
        EXPECT_TRUE(Shows(b.session.GetPicture(), 5, 3, 2));
    }
}

// The example of the Save As dialog: capture x.bmp, name "shot", type JPG.
TEST(EditSessionTest, SaveAsWritesTheTypeRenamesTheCaptureAndTheNextKeepUsesTheTypeOnce) {
    Bench b;
    const std::wstring x = b.AddXY(OutputFormat::Png);
    b.Begin();
    b.Edit(kRed);
    b.host.saveAsPath = b.folder.File(L"shot");
    b.host.saveAsIndex = 2;
    ASSERT_TRUE(b.session.RunCommand(edit_cmd::kSaveAs));
    EXPECT_EQ(b.host.dialogs, Log{x + L" 3"});  // the capture's name, PNG remembered at first
    const std::wstring shot = b.folder.File(L"shot.bmp");
    ZImage jpeg;
    ASSERT_TRUE(LoadImageFromFile(jpeg, b.folder.File(L"shot.jpg").c_str()));
    EXPECT_TRUE(FileShows(shot, 6, 4, 1));  // renamed, not rewritten
    // The capture stays current under its new name; no question was asked.
    EXPECT_EQ(std::tuple(b.session.GetCurrentPath(), PathExists(x.c_str()), b.captures.IsValid(0),
                         b.session.GetSaveAsFilterIndex(), b.host.questions.size()),
              std::tuple(shot, false, true, 2, size_t{0}));

    // The next output is a JPEG once, then PNG again.
    b.files.log.clear();
    ASSERT_TRUE(b.session.RunCommand(edit_cmd::kKeep));
    EXPECT_EQ(b.files.log.front(), L"write " + b.folder.File(L"shot.jpg~tmp"));
    EXPECT_FALSE(PathExists(shot.c_str()));
    ASSERT_TRUE(b.session.RunCommand(edit_cmd::kKeep));
    EXPECT_TRUE(FileShows(b.folder.File(L"y.png"), 5, 3, 2));
}

TEST(EditSessionTest, SaveAsAsksBeforeAForcedExtensionReplacesAFile) {
    for (const bool yes : {false, true}) {
        Bench b;
        const std::wstring x = b.AddCapture(L"x.bmp", 6, 4, 1);
        const std::wstring other = b.folder.File(L"other.png");
        ZImage small;
        ASSERT_TRUE(test::MakePattern(small, 3, 3, 2));
        ASSERT_TRUE(WritePng(other.c_str(), small, nullptr, 0));
        b.Begin();
        b.host.saveAsPath = b.folder.File(L"other.jpg");  // type PNG: other.png
        b.host.answerYes = yes;
        EXPECT_EQ(b.session.RunCommand(edit_cmd::kSaveAs), yes);
        EXPECT_EQ(b.host.questions, Log{other + L" already exists.\nDo you want to replace it?"});
        EXPECT_TRUE(FileShows(other, yes ? 6 : 3, yes ? 4 : 3, yes ? 1 : 2));
        // No is a cancel: the next output is not the Save As type.
        EXPECT_EQ(b.session.GetOutputFormat(), yes ? 2 : 0);
        // "other.bmp" is free: the capture takes that name only when the file was written.
        EXPECT_EQ(b.session.GetCurrentPath(), yes ? b.folder.File(L"other.bmp") : x);
    }
}

TEST(EditSessionTest, SaveAsCancelledFailedAsPdfOrUnderATakenName) {
    Bench b;
    const std::wstring x = b.AddCapture(L"x.bmp", 6, 4, 1);
    b.Begin();
    EXPECT_FALSE(b.session.RunCommand(edit_cmd::kSaveAs));  // cancelled
    EXPECT_TRUE(b.files.log.empty());
    EXPECT_EQ(b.session.GetSaveAsFilterIndex(), 3);

    b.host.saveAsPath = b.folder.File(L"shot.png");
    b.files.failWrite = true;
    EXPECT_FALSE(b.session.RunCommand(edit_cmd::kSaveAs));
    EXPECT_EQ(b.host.errors, Log{L"Failed Save Capture: disk full"});
    EXPECT_EQ(b.session.GetCurrentPath(), x);
    EXPECT_FALSE(PathExists(b.folder.File(L"shot.png~tmp").c_str()));

    // A PDF under the capture's name: neither a slice nor a backup takes the capture's place.
    b.files.failWrite = false;
    b.Edit(kRed);
    b.host.saveAsPath = b.folder.File(L"x.pdf");
    b.host.saveAsIndex = 4;
    ASSERT_TRUE(b.session.RunCommand(edit_cmd::kSaveAs));
    EXPECT_TRUE(FileShows(x, 6, 4, 1));
    EXPECT_EQ(b.session.GetCurrentPath(), x);
    EXPECT_EQ(ListFolderFiles(b.folder.Path().c_str()).size(), 2u);  // x.bmp, x.pdf

    // A capture name that is taken: the file is written, the capture keeps its name.
    b.AddCapture(L"shot.bmp", 2, 2, 3);
    b.host.errors.clear();
    b.host.saveAsPath = b.folder.File(L"shot.png");
    b.host.saveAsIndex = 3;
    EXPECT_TRUE(b.session.RunCommand(edit_cmd::kSaveAs));
    EXPECT_TRUE(FileShows(b.folder.File(L"shot.png"), 6, 4, 1, kRed));
    EXPECT_EQ(b.host.errors, Log{L"The capture file could not be renamed to shot.bmp."});
    EXPECT_EQ(b.session.GetCurrentPath(), x);
    EXPECT_TRUE(FileShows(b.folder.File(L"shot.bmp"), 2, 2, 3));  // the other capture's file
}

TEST(EditSessionTest, ClipboardFirstThenTheOutputOrTheDeletion) {
    const bool cases[][5] = {{true, false, true, false, true},
                             {true, true, true, false, false},
                             {false, false, false, true, false},
                             {false, true, false, true, false}};
    for (const auto& [clipboardWorks, deleteAfter, advances, captureStays, pngWritten] : cases) {
        Bench b;
        const std::wstring x = b.AddXY(OutputFormat::Png);
        b.settings.EditModeDeleteCaptureAfterAction = deleteAfter;
        b.host.clipboardWorks = clipboardWorks;
        b.Begin();
        EXPECT_EQ(b.session.RunCommand(edit_cmd::kCopyToClipboard), advances);
        EXPECT_EQ(std::tuple(b.host.clipboard.GetWidth() == 6, b.captures.IsValid(0),
                             PathExists(x.c_str()), PathExists(b.folder.File(L"x.png").c_str())),
                  std::tuple(clipboardWorks, !advances, captureStays, pngWritten));
        EXPECT_EQ(b.host.errors, clipboardWorks ? Log{} : Log{kClipboardFailed});
    }
}

TEST(EditSessionTest, PrintEndsTheCaptureOnlyOnceTheDocumentStarted) {
    // Cancelled, started, delete after the action, stay on the capture; then printed, advanced,
    // the BMP still there, the PNG written.
    const bool cases[][8] = {{true, true, false, false, false, false, true, false},
                             {false, false, false, false, true, false, true, false},
                             {false, true, false, false, true, true, false, true},
                             {false, true, true, false, true, true, false, false},
                             {false, true, false, true, true, false, false, true},
                             {false, true, true, true, true, false, true, false}};
    for (const auto& [cancelled, starts, deleteAfter, stay, printed, advances, bmpStays,
                      pngWritten] : cases) {
        Bench b;
        const std::wstring x = b.AddXY(OutputFormat::Png);
        b.settings.EditModeDeleteCaptureAfterAction = deleteAfter;
        b.settings.EditModePrintCommandDoNotAdvanceToNextCapture = stay;
        CopyText(b.settings.EditModePrintPrinter, 260, L"Old");
        b.settings.EditModePrintStyle = 7;  // out of range: the default layout
        b.host.printCancelled = cancelled;
        b.host.printStarts = starts;
        b.host.printChoice = PrintChoice{L"Office", 300, PrintStyle::PagesVertically, true};
        b.Begin();
        b.session.GetPictureForChange().dpiX = 0;
        EXPECT_EQ(b.session.RunCommand(edit_cmd::kPrint), printed && starts);
        const PrintChoice& asked = b.host.printAsked;
        EXPECT_EQ(std::tie(asked.printer, asked.dpi, asked.style),
                  std::make_tuple(std::wstring(L"Old"), 96, PrintStyle::BestFitOnlyBig));
        EXPECT_EQ(b.host.printed, printed ? Log{L"Zentrova Clarivue 2 : " + x + L" 300"} : Log{});
        EXPECT_EQ(std::tuple(std::wstring(b.settings.EditModePrintPrinter),
                             b.settings.EditModePrintStyle, b.captures.IsValid(0),
                             PathExists(x.c_str()), PathExists(b.folder.File(L"x.png").c_str())),
                  std::tuple(std::wstring(cancelled ? L"Old" : L"Office"), cancelled ? 7u : 3u,
                             !advances, bmpStays, pngWritten));
    }
}

// The mail program: answers with result and records the message.
struct RecordingSender final : MailSender {
    MailResult Send(const MailMessage& m, uint32_t& code) override {
        messages.push_back(m);
        code = 3;
        return result;
    }
    MailResult result = MailResult::Sent;
    std::vector<MailMessage> messages;
};

TEST(EditSessionTest, EmailCollectsCopiesAndDeletesOutputsOnlyOnceTheMailWasTaken) {
    using R = MailResult;
    // The mail program's answer, the user's answer to installing one (the files are shown on
    // yes), the outputs deleted, the error shown ("": none).
    const std::tuple<R, bool, bool, const wchar_t*> cases[] = {
        {R::Sent, false, true, L""},
        {R::Cancelled, false, false, L""},
        {R::NotInstalled, true, false, L""},
        {R::NotInstalled, false, false, L""},
        {R::LogonFailed, false, false, L"MAPI: Failed to log on."},
        {R::SendFailed, false, false, L"(error 3)"}};
    for (const auto& [result, answerYes, outputsGone, error] : cases) {
        Bench b;
        const std::wstring mailFolder = b.folder.File(L"mail");
        ASSERT_TRUE(CreateOneDirectory(mailFolder.c_str()));
        b.files.temp = mailFolder + L"/";
        const std::wstring x = b.AddXY();
        b.settings.EditModeDeleteCaptureAfterAction = 1;
        b.host.answerYes = answerYes;
        b.Begin();
        ASSERT_TRUE(b.session.RunCommand(edit_cmd::kSendByEmail));
        b.settings.CaptureOutputFormat = static_cast<uint32_t>(OutputFormat::Jpg);
        ASSERT_TRUE(b.session.RunCommand(edit_cmd::kSendByEmail));
        // BMP output: a PNG copy; JPG output: a JPG copy. Both outputs still there.
        const Log attached{mailFolder + L"/x.png", mailFolder + L"/y.jpg"};
        EXPECT_TRUE(FileShows(attached[0], 6, 4, 1));
        EXPECT_TRUE(PathExists(attached[1].c_str()) && PathExists(x.c_str()));

        RecordingSender sender;
        sender.result = result;
        EXPECT_EQ(
            SendCollectedMail(b.session.MailAttachments(), b.settings, sender, b.host, b.files),
            result == R::Sent);
        ASSERT_EQ(sender.messages.size(), 1u);
        EXPECT_EQ(sender.messages[0].files, attached);
        EXPECT_EQ(sender.messages[0].subject, L"x.png");
        EXPECT_EQ(std::pair(PathExists(x.c_str()), PathExists(b.folder.File(L"y.jpg").c_str())),
                  std::pair(!outputsGone, !outputsGone));
        EXPECT_TRUE(PathExists(attached[0].c_str()));
        EXPECT_EQ(b.host.shown, answerYes ? attached : Log{});
        ASSERT_EQ(b.host.errors.size(), *error != 0 ? 1u : 0u);
        for (const std::wstring& e : b.host.errors) {
            EXPECT_TRUE(e.find(error) != e.npos && e.find(mailFolder) != e.npos) << e;
        }
        EXPECT_TRUE(b.session.MailAttachments().empty());
        // Nothing collected: nothing is handed over.
        EXPECT_FALSE(
            SendCollectedMail(b.session.MailAttachments(), b.settings, sender, b.host, b.files));
        EXPECT_EQ(sender.messages.size(), 1u);
    }
}

TEST(EditSessionTest, FailedKeepShowsTheWriterTextAndKeepsTheCapture) {
    // Calls: write, [replace,] remove the temporary file.
    const std::tuple<bool, const wchar_t*, size_t> cases[] = {
        {true, L"Failed Save Capture: disk full", 2},
        {false, L"Failed Save Capture: The new file could not take the place of the old one.", 3}};
    for (const auto& [failWrite, message, calls] : cases) {
        Bench b;
        const std::wstring first = b.AddXY(OutputFormat::Png);
        b.Begin();
        b.Edit(kRed);
        b.files.failWrite = failWrite;
        b.files.failReplace = !failWrite;
        EXPECT_FALSE(b.session.RunCommand(edit_cmd::kKeep));

        EXPECT_EQ(std::pair(b.host.errors, b.host.beeps), std::pair(Log{message}, 1));
        const std::wstring temporary = b.folder.File(L"x.png~tmp");
        EXPECT_EQ(std::pair(b.files.log.size(), b.files.log.back()),
                  std::pair(calls, L"remove " + temporary));
        EXPECT_FALSE(PathExists(temporary.c_str()));
        EXPECT_TRUE(FileShows(first, 6, 4, 1));
        EXPECT_TRUE(Shows(b.session.GetPicture(), 6, 4, 1, kRed));  // still the edited capture
    }
}

TEST(EditSessionTest, EraseDeletesAndAdvancesUnlessTheFileStays) {
    Bench b;
    const std::wstring first = b.AddCapture(L"one.bmp", 4, 3, 1);
    const std::wstring second = b.AddCapture(L"two.bmp", 5, 2, 2);
    b.Begin();
    ASSERT_TRUE(b.session.RunCommand(edit_cmd::kErase));
    EXPECT_EQ(b.files.log, Log{L"remove " + first});
    EXPECT_FALSE(PathExists(first.c_str()));
    EXPECT_TRUE(Shows(b.session.GetPicture(), 5, 2, 2));

    b.files.failRemove = true;
    EXPECT_FALSE(b.session.RunCommand(edit_cmd::kErase));
    EXPECT_EQ(std::pair(b.host.errors, b.host.beeps),
              std::pair(Log{L"The capture file could not be deleted:\n" + second}, 1));
    EXPECT_TRUE(b.captures.IsValid(1));
}

TEST(EditSessionTest, MissingFileComesFromHistoryElseOnlyEraseRuns) {
    Bench b;
    const std::wstring first = b.AddCapture(L"one.bmp", 4, 3, 1);
    ASSERT_TRUE(DeleteFileAt(first.c_str()));
    b.Begin();
    EXPECT_TRUE(Shows(b.session.GetPicture(), 4, 3, 1));
    EXPECT_EQ(b.host.beeps, 0);

    b.captures.GetHistory(0)->Reset();
    EXPECT_FALSE(b.session.LoadCurrent());
    EXPECT_EQ(b.host.beeps, 1);
    EXPECT_TRUE(b.session.IsUnloadable());
    EXPECT_FALSE(b.session.RunCommand(edit_cmd::kKeep));
    EXPECT_EQ(b.host.beeps, 2);
    EXPECT_TRUE(b.files.log.empty());

    // Erasing the last capture clears the list and leaves.
    EXPECT_TRUE(b.session.RunCommand(edit_cmd::kErase));
    EXPECT_EQ(b.host.leaves, 1);
    EXPECT_EQ(b.captures.GetCount(), 0);
}

}  // namespace
}  // namespace zentrova
