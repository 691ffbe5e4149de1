// EditSession with its commands and actions: loading, history, canvas, zoom, stepping, and the
// Keep / Erase sequences against a file system that fails on purpose.
#include "editmode/EditSession.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "codecs/ZImageCodecBmp.h"
#include "codecs/ZImageCodecPng.h"
#include "core/FileSystem.h"
#include "core/LoadImage.h"
#include "core/WideText.h"
#include "editmode/actions/ClipboardAction.h"
#include "editmode/EditCommands.h"
#include "editmode/mail/SendCollectedMail.h"
#include "tests/editmode/EditTestPictures.h"
#include "tests/support/TempFolder.h"

namespace zentrova {
namespace {

using test::PatternColour;
using Log = std::vector<std::wstring>;

constexpr ZColor kRed = 0x0000FF;
constexpr ZColor kBlue = 0xFF0000;

class RecordingHost final : public EditHost {
  public:
    void Beep() override { ++beeps; }
    void ShowError(const wchar_t* text) override { errors.push_back(text); }
    void RequestLeave() override { ++leaves; }
    void Repaint() override {}
    void OpenHelp(const wchar_t*) override {}
    void OpenToolSettings() override { ++toolSettings; }
    // The Save As dialog answers with saveAsPath and saveAsIndex (cancel when the path is empty).
    bool ChooseSaveAsPath(const std::wstring& capturePath, int32_t& filterIndex,
                          std::wstring& chosen) override {
        dialogs.push_back(capturePath + L" " + std::to_wstring(filterIndex));
        filterIndex = saveAsIndex;
        chosen = saveAsPath;
        return !saveAsPath.empty();
    }
    bool AskYesNo(const wchar_t* text) override {
        questions.push_back(text);
        return answerYes;
    }
    bool CopyToClipboard(const ZImage& picture) override {
        clipboardWidth = clipboardWorks ? static_cast<int32_t>(picture.GetWidth()) : 0;
        return clipboardWorks;
    }
    // The print dialog answers with printChoice unless printCancelled; the print starts when
    // printStarts.
    void ShowFiles(const std::vector<std::wstring>& files) override { shown = files; }
    bool AskPrint(PrintChoice& choice) override {
        printAsked = choice;
        choice = printChoice;
        return !printCancelled;
    }
    bool PrintPicture(const ZImage& picture, const PrintChoice&, const std::wstring& doc) override {
        printed.push_back(doc + L" " + std::to_wstring(picture.dpiX));
        return printStarts;
    }
    int beeps = 0;
    int leaves = 0;
    int toolSettings = 0;
    PrintChoice printAsked, printChoice;
    bool printCancelled = false, printStarts = true;
    Log printed;
    Log shown;
    Log errors;
    Log dialogs;
    Log questions;
    std::wstring saveAsPath;
    int32_t saveAsIndex = 3;
    bool answerYes = false;
    bool clipboardWorks = true;
    int32_t clipboardWidth = 0;
};

// The real files, with a log of the changing calls and switches to make them fail.
class FailingFiles final : public OutputFiles {
  public:
    bool Write(const wchar_t* path, const wchar_t* target, const ZImage& image, OutputFormat format,
               wchar_t* errorText, size_t capacity) override {
        log.push_back(L"write " + std::wstring(path));
        if (failWrite) {
            CopyText(errorText, capacity, L"disk full");
            return false;
        }
        return disk.Write(path, target, image, format, errorText, capacity);
    }
    bool Replace(const wchar_t* from, const wchar_t* to) override {
        log.push_back(L"replace " + std::wstring(from) + L" > " + to);
        return !failReplace && disk.Replace(from, to);
    }
    bool Remove(const wchar_t* path) override {
        log.push_back(L"remove " + std::wstring(path));
        return !failRemove && disk.Remove(path);
    }
    bool Exists(const wchar_t* path) override { return disk.Exists(path); }
    std::wstring TempFolder() override { return temp.empty() ? disk.TempFolder() : temp; }

    DiskOutputFiles disk;
    bool failWrite = false, failReplace = false, failRemove = false;
    std::wstring temp;
    Log log;
};

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

struct Bench {
    // Writes name as a BMP of seed's pattern and enters it into the list.
    std::wstring AddCapture(const wchar_t* name, int32_t width, int32_t height, int32_t seed) {
        ZImage image;
        EXPECT_TRUE(test::MakePattern(image, width, height, seed));
        const std::wstring path = folder.File(name);
        EXPECT_TRUE(WriteBmp(path.c_str(), image));
        EXPECT_TRUE(captures.Add(path.c_str(), image));
        return path;
    }
    void Begin() { session.Begin(host, 800, 600); }
    // Paints the 2 x 2 corner of the picture and commits it.
    void Edit(ZColor colour) {
        session.GetPictureForChange().FillRect(0, 0, 2, 2, colour);
        EXPECT_TRUE(session.CommitChange());
    }

    test::TempFolder folder;
    CaptureList captures;
    SettingsRecord settings{};
    FailingFiles files;
    RecordingHost host;
    EditSession session{captures, settings, files};
};

TEST(EditSessionTest, KeepWritesBesideThenReplacesThenDeletesTheCapture) {
    struct Case {
        OutputFormat format;
        const wchar_t* extension;
        uint32_t command;
    };
    for (const Case& c : {Case{OutputFormat::Bmp, L".bmp", edit_cmd::kKeep},
                          Case{OutputFormat::Png, L".png", edit_cmd::kKeepOpenFolder}}) {
        Bench b;
        const std::wstring first = b.AddCapture(L"one.bmp", 6, 4, 1);
        b.AddCapture(L"two.bmp", 5, 3, 2);
        b.settings.CaptureOutputFormat = static_cast<uint32_t>(c.format);
        b.Begin();
        b.Edit(kRed);
        ASSERT_TRUE(b.session.RunCommand(c.command));

        const std::wstring target = b.folder.File(L"one") + c.extension;
        Log expected = {L"write " + target + L"~tmp", L"replace " + target + L"~tmp > " + target};
        if (target != first) {
            expected.push_back(L"remove " + first);  // only once the output is in place
        }
        EXPECT_EQ(b.files.log, expected);
        EXPECT_TRUE(FileShows(target, 6, 4, 1, kRed)) << c.extension;
        EXPECT_EQ(PathExists(first.c_str()), target == first);
        EXPECT_EQ(b.session.GetOpenFolderOnLeave(), c.command == edit_cmd::kKeepOpenFolder);
        // On to the next capture at once.
        EXPECT_FALSE(b.captures.IsValid(0));
        EXPECT_EQ(b.captures.GetCurrent(), 1);
        EXPECT_TRUE(Shows(b.session.GetPicture(), 5, 3, 2));
    }
}

TEST(EditSessionTest, KeepWritesEachOutputFormat) {
    for (const OutputFormat format :
         {OutputFormat::Bmp, OutputFormat::Jpg, OutputFormat::Png, OutputFormat::Pdf}) {
        Bench b;
        const std::wstring capture = b.AddCapture(L"one.bmp", 6, 4, 1);
        b.settings.CaptureOutputFormat = static_cast<uint32_t>(format);
        b.Begin();
        ASSERT_TRUE(b.session.RunCommand(edit_cmd::kKeep));
        const std::wstring target =
            ReplaceExtension(capture, OutputExtension(static_cast<int32_t>(format)));
        if (format == OutputFormat::Bmp || format == OutputFormat::Png) {
            EXPECT_TRUE(FileShows(target, 6, 4, 1));
        } else {
            // Byte for byte what the format's writer makes of the picture (a PDF's Title is the
            // target's path); their pages and pixels: pdf_export_test.sh, the codec tests.
            ZImage picture;
            ASSERT_TRUE(test::MakePattern(picture, 6, 4, 1));
            const std::wstring reference = b.folder.File(L"reference");
            wchar_t error[kMaxPathChars] = L"";
            ASSERT_TRUE(DiskOutputFiles().Write(reference.c_str(), target.c_str(), picture, format,
                                                error, kMaxPathChars));
            EXPECT_EQ(test::ReadWholeFile(target), test::ReadWholeFile(reference));
        }
        EXPECT_EQ(PathExists(capture.c_str()), format == OutputFormat::Bmp);
    }
}

// The example of the Save As dialog: capture x.bmp, name "shot", type JPG.
TEST(EditSessionTest, SaveAsWritesTheTypeRenamesTheCaptureAndTheNextKeepUsesTheTypeOnce) {
    Bench b;
    const std::wstring x = b.AddCapture(L"x.bmp", 6, 4, 1);
    b.AddCapture(L"y.bmp", 5, 3, 2);
    b.settings.CaptureOutputFormat = static_cast<uint32_t>(OutputFormat::Png);
    b.Begin();
    b.Edit(kRed);
    b.host.saveAsPath = b.folder.File(L"shot");
    b.host.saveAsIndex = 2;
    ASSERT_TRUE(b.session.RunCommand(edit_cmd::kSaveAs));
    EXPECT_EQ(b.host.dialogs, Log{x + L" 3"});  // the capture's name, PNG remembered at first
    const std::wstring shot = b.folder.File(L"shot.bmp");
    ZImage jpeg;
    ASSERT_TRUE(LoadImageFromFile(jpeg, b.folder.File(L"shot.jpg").c_str()));
    EXPECT_EQ(jpeg.GetWidth(), 6u);
    EXPECT_EQ(b.session.GetCurrentPath(), shot);
    EXPECT_FALSE(PathExists(x.c_str()));
    EXPECT_TRUE(FileShows(shot, 6, 4, 1));  // renamed, not rewritten
    EXPECT_TRUE(b.captures.IsValid(0));     // the capture stays current
    EXPECT_EQ(b.session.GetSaveAsFilterIndex(), 2);
    EXPECT_TRUE(b.host.questions.empty());

    // The next output is a JPEG once, then PNG again.
    b.files.log.clear();
    ASSERT_TRUE(b.session.RunCommand(edit_cmd::kKeep));
    EXPECT_EQ(b.files.log.front(), L"write " + b.folder.File(L"shot.jpg~tmp"));
    EXPECT_FALSE(PathExists(shot.c_str()));
    ASSERT_TRUE(b.session.RunCommand(edit_cmd::kKeep));
    EXPECT_TRUE(FileShows(b.folder.File(L"y.png"), 5, 3, 2));
}

TEST(EditSessionTest, SaveAsPdfUnderTheCapturesNameKeepsTheCapture) {
    Bench b;
    const std::wstring x = b.AddCapture(L"x.bmp", 6, 4, 1);
    b.Begin();
    b.Edit(kRed);
    b.host.saveAsPath = b.folder.File(L"x.pdf");
    b.host.saveAsIndex = 4;
    ASSERT_TRUE(b.session.RunCommand(edit_cmd::kSaveAs));
    EXPECT_TRUE(PathExists(b.folder.File(L"x.pdf").c_str()));
    EXPECT_TRUE(FileShows(x, 6, 4, 1));  // neither a slice nor a backup took its place
    EXPECT_EQ(b.session.GetCurrentPath(), x);
    EXPECT_EQ(ListFolderFiles(b.folder.Path().c_str()).size(), 2u);
}

TEST(EditSessionTest, SaveAsAsksBeforeAForcedExtensionReplacesAFile) {
    for (const bool yes : {false, true}) {
        Bench b;
        const std::wstring x = b.AddCapture(L"x.bmp", 6, 4, 1);
        const std::wstring other = b.folder.File(L"other.png");
        ZImage small;
        ASSERT_TRUE(test::MakePattern(small, 3, 3, 2));
        wchar_t error[kMaxPathChars] = L"";
        ASSERT_TRUE(WritePng(other.c_str(), small, error, kMaxPathChars));
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

// Saved as BMP beside the capture under a new name: that file is the capture's new name, which
// the capture file must not replace; both stay.
TEST(EditSessionTest, SaveAsBmpBesideTheCaptureKeepsBothFiles) {
    Bench b;
    const std::wstring x = b.AddCapture(L"x.bmp", 6, 4, 1);
    b.Begin();
    b.Edit(kRed);
    b.host.saveAsPath = b.folder.File(L"shot.bmp");
    b.host.saveAsIndex = 1;
    ASSERT_TRUE(b.session.RunCommand(edit_cmd::kSaveAs));
    EXPECT_TRUE(FileShows(b.folder.File(L"shot.bmp"), 6, 4, 1, kRed));
    EXPECT_TRUE(FileShows(x, 6, 4, 1));
    EXPECT_EQ(b.session.GetCurrentPath(), x);
    EXPECT_TRUE(b.host.errors.empty());
}

TEST(EditSessionTest, SaveAsCancelledOrFailedChangesNothing) {
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
    EXPECT_TRUE(FileShows(x, 6, 4, 1));
    EXPECT_FALSE(PathExists(b.folder.File(L"shot.png~tmp").c_str()));

    // A capture name that is taken: the file is written, the capture keeps its name.
    b.files.failWrite = false;
    b.AddCapture(L"shot.bmp", 2, 2, 3);
    b.host.errors.clear();
    EXPECT_TRUE(b.session.RunCommand(edit_cmd::kSaveAs));
    EXPECT_TRUE(FileShows(b.folder.File(L"shot.png"), 6, 4, 1));
    EXPECT_EQ(b.host.errors, Log{L"The capture file could not be renamed to shot.bmp."});
    EXPECT_EQ(b.session.GetCurrentPath(), x);
    EXPECT_TRUE(FileShows(b.folder.File(L"shot.bmp"), 2, 2, 3));
}

TEST(EditSessionTest, ClipboardFirstThenTheOutputOrTheDeletion) {
    struct Case {
        bool clipboardWorks;
        bool deleteAfter;
        bool advances;
        bool captureStays;
        bool pngWritten;
    };
    for (const Case& c :
         {Case{true, false, true, false, true}, Case{true, true, true, false, false},
          Case{false, false, false, true, false}, Case{false, true, false, true, false}}) {
        Bench b;
        const std::wstring x = b.AddCapture(L"x.bmp", 6, 4, 1);
        b.AddCapture(L"y.bmp", 5, 3, 2);
        b.settings.CaptureOutputFormat = static_cast<uint32_t>(OutputFormat::Png);
        b.settings.EditModeDeleteCaptureAfterAction = c.deleteAfter;
        b.host.clipboardWorks = c.clipboardWorks;
        b.Begin();
        EXPECT_EQ(b.session.RunCommand(edit_cmd::kCopyToClipboard), c.advances);
        EXPECT_EQ(b.host.clipboardWidth, c.clipboardWorks ? 6 : 0);
        EXPECT_EQ(b.captures.IsValid(0), !c.advances);
        EXPECT_EQ(PathExists(x.c_str()), c.captureStays);
        EXPECT_EQ(PathExists(b.folder.File(L"x.png").c_str()), c.pngWritten);
        EXPECT_EQ(b.host.errors, c.clipboardWorks ? Log{} : Log{kClipboardFailed});
    }
}

TEST(EditSessionTest, PrintEndsTheCaptureOnlyOnceTheDocumentStarted) {
    struct Case {
        bool cancelled, starts, deleteAfter, stay;
        bool printed, advances, bmpStays, pngWritten;
    };
    const Case cases[] = {
        {true, true, false, false, false, false, true, false},
        {false, false, false, false, true, false, true, false},
        {false, true, false, false, true, true, false, true},
        {false, true, true, false, true, true, false, false},
        {false, true, false, true, true, false, false, true},
        {false, true, true, true, true, false, true, false},
    };
    for (const Case& c : cases) {
        Bench b;
        const std::wstring x = b.AddCapture(L"x.bmp", 6, 4, 1);
        b.AddCapture(L"y.bmp", 5, 3, 2);
        b.settings.CaptureOutputFormat = static_cast<uint32_t>(OutputFormat::Png);
        b.settings.EditModeDeleteCaptureAfterAction = c.deleteAfter;
        b.settings.EditModePrintCommandDoNotAdvanceToNextCapture = c.stay;
        CopyText(b.settings.EditModePrintPrinter, 260, L"Old");
        b.settings.EditModePrintStyle = 7;  // out of range: the default layout
        b.host.printCancelled = c.cancelled;
        b.host.printStarts = c.starts;
        b.host.printChoice = PrintChoice{L"Office", 300, PrintStyle::PagesVertically, true};
        b.Begin();
        b.session.GetPictureForChange().dpiX = 0;
        EXPECT_EQ(b.session.RunCommand(edit_cmd::kPrint), c.printed && c.starts);
        EXPECT_EQ(b.host.printAsked.printer, L"Old");
        EXPECT_EQ(b.host.printAsked.dpi, 96);
        EXPECT_EQ(b.host.printAsked.style, PrintStyle::BestFitOnlyBig);
        EXPECT_EQ(b.host.printed, c.printed ? Log{L"Zentrova Clarivue 2 : " + x + L" 300"} : Log{});
        EXPECT_EQ(std::wstring(b.settings.EditModePrintPrinter), c.cancelled ? L"Old" : L"Office");
        EXPECT_EQ(b.settings.EditModePrintStyle, c.cancelled ? 7u : 3u);
        EXPECT_EQ(b.captures.IsValid(0), !c.advances);
        EXPECT_EQ(PathExists(x.c_str()), c.bmpStays);
        EXPECT_EQ(PathExists(b.folder.File(L"x.png").c_str()), c.pngWritten);
    }
}

// The mail program: answers with result and records the message.
class RecordingSender final : public MailSender {
  public:
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
    struct Case {
        R result;
        bool answerYes;
        bool outputsGone;
        const wchar_t* error;  // 0: none
        bool shown;
    };
    const Case cases[] = {
        {R::Sent, false, true, nullptr, false},
        {R::Cancelled, false, false, nullptr, false},
        {R::NotInstalled, true, false, nullptr, true},
        {R::NotInstalled, false, false, nullptr, false},
        {R::LogonFailed, false, false, L"MAPI: Failed to log on.", false},
        {R::SendFailed, false, false, L"(error 3)", false},
    };
    for (const Case& c : cases) {
        Bench b;
        const std::wstring mailFolder = b.folder.File(L"mail");
        ASSERT_TRUE(CreateOneDirectory(mailFolder.c_str()));
        b.files.temp = mailFolder + L"/";
        const std::wstring x = b.AddCapture(L"x.bmp", 6, 4, 1);
        const std::wstring y = b.AddCapture(L"y.bmp", 5, 3, 2);
        b.settings.EditModeDeleteCaptureAfterAction = 1;
        b.host.answerYes = c.answerYes;
        b.Begin();
        ASSERT_TRUE(b.session.RunCommand(edit_cmd::kSendByEmail));
        b.settings.CaptureOutputFormat = static_cast<uint32_t>(OutputFormat::Jpg);
        ASSERT_TRUE(b.session.RunCommand(edit_cmd::kSendByEmail));
        // BMP output: a PNG copy; JPG output: a JPG copy. Both outputs still there.
        const Log attached{mailFolder + L"/x.png", mailFolder + L"/y.jpg"};
        EXPECT_TRUE(FileShows(attached[0], 6, 4, 1));
        EXPECT_TRUE(PathExists(attached[1].c_str()));
        EXPECT_TRUE(PathExists(x.c_str()));
        EXPECT_TRUE(PathExists(b.folder.File(L"y.jpg").c_str()));

        RecordingSender sender;
        sender.result = c.result;
        EXPECT_EQ(SendCollectedMail(b.session.MailAttachments(), b.settings, sender, b.host,
                                    b.files),
                  c.result == R::Sent);
        ASSERT_EQ(sender.messages.size(), 1u);
        const MailMessage& m = sender.messages[0];
        EXPECT_EQ(m.files, attached);
        EXPECT_EQ(m.subject, L"x.png");
        EXPECT_EQ(m.to, L"Please enter the recipient");
        EXPECT_EQ(m.note, kMailNote);
        EXPECT_EQ(PathExists(x.c_str()), !c.outputsGone);
        EXPECT_EQ(PathExists(b.folder.File(L"y.jpg").c_str()), !c.outputsGone);
        EXPECT_TRUE(PathExists(attached[0].c_str()));
        EXPECT_EQ(b.host.shown, c.shown ? attached : Log{});
        ASSERT_EQ(b.host.errors.size(), c.error != nullptr ? 1u : 0u);
        if (c.error != nullptr) {
            EXPECT_NE(b.host.errors[0].find(c.error), std::wstring::npos) << b.host.errors[0];
            EXPECT_NE(b.host.errors[0].find(mailFolder), std::wstring::npos);
        }
        EXPECT_TRUE(b.session.MailAttachments().empty());
        // Nothing collected: nothing is handed over.
        EXPECT_FALSE(SendCollectedMail(b.session.MailAttachments(), b.settings, sender, b.host,
                                       b.files));
        EXPECT_EQ(sender.messages.size(), 1u);
    }
}

TEST(EditSessionTest, FailedKeepShowsTheWriterTextAndKeepsTheCapture) {
    struct Case {
        bool failWrite;
        const wchar_t* message;
        size_t calls;  // write, [replace,] remove the temporary file
    };
    for (const Case& c :
         {Case{true, L"Failed Save Capture: disk full", 2},
          Case{false, L"Failed Save Capture: The new file could not take the place of the old one.",
               3}}) {
        Bench b;
        const std::wstring first = b.AddCapture(L"one.bmp", 6, 4, 1);
        b.settings.CaptureOutputFormat = static_cast<uint32_t>(OutputFormat::Png);
        b.Begin();
        b.Edit(kRed);
        b.files.failWrite = c.failWrite;
        b.files.failReplace = !c.failWrite;
        EXPECT_FALSE(b.session.RunCommand(edit_cmd::kKeep));

        EXPECT_EQ(b.host.errors, Log{c.message});
        EXPECT_EQ(b.host.beeps, 1);
        const std::wstring temporary = b.folder.File(L"one.png~tmp");
        ASSERT_EQ(b.files.log.size(), c.calls);
        EXPECT_EQ(b.files.log.back(), L"remove " + temporary);
        EXPECT_FALSE(PathExists(temporary.c_str()));
        EXPECT_TRUE(FileShows(first, 6, 4, 1));
        EXPECT_TRUE(b.captures.IsValid(0));
        EXPECT_EQ(b.captures.GetHistory(0)->GetNext(), 2);
        EXPECT_TRUE(Shows(b.session.GetPicture(), 6, 4, 1, kRed));
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
    EXPECT_EQ(b.host.errors, Log{L"The capture file could not be deleted:\n" + second});
    EXPECT_EQ(b.host.beeps, 1);
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

TEST(EditSessionTest, StepLoadsAtOnceWrapsRoundAndShowsTheLatestEdit) {
    Bench b;
    const std::wstring first = b.AddCapture(L"a.bmp", 4, 3, 0);
    b.AddCapture(L"b.bmp", 3, 2, 1);
    b.AddCapture(L"c.bmp", 2, 2, 2);
    b.Begin();
    b.Edit(kRed);
    ASSERT_TRUE(b.session.Step(-1));
    EXPECT_TRUE(Shows(b.session.GetPicture(), 2, 2, 2));
    ASSERT_TRUE(b.session.Step(+1));
    EXPECT_TRUE(Shows(b.session.GetPicture(), 4, 3, 0, kRed));
    EXPECT_TRUE(FileShows(first, 4, 3, 0));
}

TEST(EditSessionTest, UndoAndRedoWalkTheCommittedChanges) {
    Bench b;
    b.AddCapture(L"one.bmp", 4, 3, 1);
    b.Begin();
    b.Edit(kRed);
    b.Edit(kBlue);
    const ZImage& picture = b.session.GetPicture();
    const std::pair<uint32_t, ZColor> steps[] = {{edit_cmd::kUndo, kRed},  {edit_cmd::kUndo, 0},
                                                 {edit_cmd::kUndo, 0},     {edit_cmd::kRedo, kRed},
                                                 {edit_cmd::kRedo, kBlue}, {edit_cmd::kRedo, kBlue},
                                                 {edit_cmd::kUndo, kRed}};
    for (const auto& [command, corner] : steps) {
        EXPECT_TRUE(b.session.RunCommand(command));
        EXPECT_TRUE(Shows(picture, 4, 3, 1, corner)) << command;
    }
}

TEST(EditSessionTest, CanvasResizeFillsWithBackgroundColourAndUndoes) {
    Bench b;
    b.AddCapture(L"one.bmp", 6, 4, 1);
    b.settings.CaptureBackgroundColor = kBlue;
    b.Begin();
    ASSERT_TRUE(b.session.ResizeCanvas(9, 6, 0));
    const ZImage& picture = b.session.GetPicture();
    EXPECT_TRUE(test::PixelsAre(picture, 9, 6, [](int32_t x, int32_t y) {
        return x < 6 && y < 4 ? PatternColour(x, y, 1) : kBlue;
    }));
    EXPECT_EQ(b.session.View().GetImageWidth(), 9);
    ASSERT_TRUE(b.session.Undo());
    EXPECT_TRUE(Shows(picture, 6, 4, 1));

    EXPECT_FALSE(b.session.ResizeCanvas(70000, 70000, 0));
    EXPECT_EQ(b.host.beeps, 1);
    EXPECT_TRUE(Shows(picture, 6, 4, 1));
    EXPECT_EQ(b.captures.GetHistory(0)->GetNext(), 2);
}

TEST(EditSessionTest, ToolSettingsButtonOpensTheSettingsAndTheToolIsSelectedAgainAfter) {
    Bench b;
    b.AddCapture(L"one.bmp", 4, 3, 1);
    b.Begin();
    ASSERT_TRUE(b.session.SelectTool(ToolNumber::Select));
    ASSERT_TRUE(b.session.Selection().Set(ZRect{1, 1, 3, 2}, 4, 3));
    EXPECT_TRUE(b.session.RunCommand(edit_cmd::kToolConfigure));
    EXPECT_EQ(b.host.toolSettings, 1);
    EXPECT_EQ(b.host.beeps, 0);
    EXPECT_TRUE(b.session.Selection().Exists());
    b.session.ReselectTool();
    EXPECT_EQ(b.session.GetToolNumber(), ToolNumber::Select);
    EXPECT_FALSE(b.session.Selection().Exists());
}

TEST(EditSessionTest, ZoomCommandsAndWheelStepExactly) {
    Bench b;
    b.AddCapture(L"one.bmp", 4, 3, 1);
    b.Begin();
    const EditView& view = b.session.View();
    const std::pair<uint32_t, int32_t> steps[] = {{edit_cmd::kZoomIn, 1100},
                                                  {edit_cmd::kZoomIn, 1200},
                                                  {edit_cmd::kZoomOut, 1100},
                                                  {edit_cmd::kZoomOut, kZoomOne}};
    for (const auto& [command, zoom] : steps) {
        EXPECT_TRUE(b.session.RunCommand(command));
        EXPECT_EQ(view.GetZoom(), zoom);
    }
    b.session.SetZoom(kZoomMin);
    EXPECT_FALSE(b.session.RunCommand(edit_cmd::kZoomOut));
    EXPECT_EQ(view.GetZoom(), kZoomMin);
    EXPECT_TRUE(b.session.RunCommand(edit_cmd::kZoom100));
    for (const int32_t expected : {kZoomOne, kZoomOne, 1100}) {
        b.session.Wheel(40, false);
        EXPECT_EQ(view.GetZoom(), expected);
    }
    b.session.Wheel(120, true);  // with Shift: not a zoom
    EXPECT_EQ(view.GetZoom(), 1100);
    b.session.Wheel(-120, false);
    EXPECT_EQ(view.GetZoom(), kZoomOne);
}

}  // namespace
}  // namespace zentrova
