// An Edit Mode session on captures in a temporary folder, with a host that records what the
// session asks of the window and files that can be made to fail.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "codecs/ZImageCodecBmp.h"
#include "core/WideText.h"
#include "editmode/EditSession.h"
#include "tests/editmode/EditTestPictures.h"
#include "tests/support/TempFolder.h"

namespace zentrova::test {

using Log = std::vector<std::wstring>;

struct FakeEditHost final : EditHost {
    void Beep() override { ++beeps; }
    void ShowError(const wchar_t* text) override { errors.push_back(text); }
    void RequestLeave() override { ++leaves; }
    void Repaint() override {}
    void OpenHelp(const wchar_t*) override {}
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
        return clipboardWorks && clipboard.CopyFrom(picture);
    }
    ClipboardRead PasteFromClipboard(ZImage& picture) override {
        return !clipboardWorks                                      ? ClipboardRead::Busy
               : clipboard.IsValid() && picture.CopyFrom(clipboard) ? ClipboardRead::Picture
                                                                    : ClipboardRead::NoPicture;
    }
    void ShowFiles(const std::vector<std::wstring>& files) override { shown = files; }
    // The print dialog answers with printChoice unless printCancelled; the print starts when
    // printStarts.
    bool AskPrint(PrintChoice& choice) override {
        printAsked = choice;
        choice = printChoice;
        return !printCancelled;
    }
    bool PrintPicture(const ZImage& picture, const PrintChoice&, const std::wstring& doc) override {
        printed.push_back(doc + L" " + std::to_wstring(picture.dpiX));
        return printStarts;
    }
    // The Rename and Resize dialogs try the typed answers in turn and are cancelled after them.
    bool AskCaptureName(const std::wstring& name,
                        const std::function<bool(const std::wstring&)>& attempt) override {
        shownName = name;
        return std::any_of(typedNames.begin(), typedNames.end(), attempt);
    }
    bool AskResize(const ResizeChoice& start,
                   const std::function<bool(const ResizeChoice&)>& attempt) override {
        resizeStart = start;
        return std::any_of(resizeChoices.begin(), resizeChoices.end(), attempt);
    }
    bool AskCanvas(CanvasChoice& choice) override {
        canvasStart = choice;
        choice = canvasAnswer;
        return canvasOk;
    }
    bool OpenTextEditor(bool callout) override {
        opened.push_back(callout);
        return true;
    }
    void CloseTextEditor() override { ++closed; }

    int beeps = 0, leaves = 0, closed = 0;
    int32_t saveAsIndex = 3;
    Log errors, dialogs, questions, printed, shown, typedNames;
    std::wstring saveAsPath, shownName;
    bool answerYes = false, clipboardWorks = true, printCancelled = false, printStarts = true;
    bool canvasOk = true;
    ZImage clipboard;
    PrintChoice printAsked, printChoice;
    ResizeChoice resizeStart;
    std::vector<ResizeChoice> resizeChoices;
    CanvasChoice canvasStart, canvasAnswer;
    std::vector<bool> opened;
};

// The real files, with a log of the changing calls and switches to make them fail.
struct FailingFiles final : OutputFiles {
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

struct EditBench {
    // Writes name as a BMP of seed's pattern and enters it into the list.
    std::wstring AddCapture(const wchar_t* name, int32_t width, int32_t height, int32_t seed = 0) {
        ZImage image;
        const std::wstring path = folder.File(name);
        EXPECT_TRUE(MakePattern(image, width, height, seed) && WriteBmp(path.c_str(), image) &&
                    captures.Add(path.c_str(), image));
        return path;
    }
    // x.bmp (6 x 4 of seed 1) and y.bmp (5 x 3 of seed 2), output as format; the path of x.bmp.
    std::wstring AddXY(OutputFormat format = OutputFormat::Bmp) {
        settings.CaptureOutputFormat = static_cast<uint32_t>(format);
        const std::wstring x = AddCapture(L"x.bmp", 6, 4, 1);
        AddCapture(L"y.bmp", 5, 3, 2);
        return x;
    }
    void Begin(int32_t screenWidth = 800, int32_t screenHeight = 600) {
        session.Begin(host, screenWidth, screenHeight);
    }
    // Paints the 2 x 2 corner of the picture and commits it.
    void Edit(ZColor colour) {
        session.GetPictureForChange().FillRect(0, 0, 2, 2, colour);
        EXPECT_TRUE(session.CommitChange());
    }
    const ZImage& Picture() const { return session.GetPicture(); }
    std::pair<int32_t, int32_t> Size() const {
        return {static_cast<int32_t>(Picture().GetWidth()),
                static_cast<int32_t>(Picture().GetHeight())};
    }
    int States() { return session.GetHistory()->GetCurrent(); }
    void Select(int32_t l, int32_t t, int32_t r, int32_t b) {
        session.SelectTool(ToolNumber::Select);
        ASSERT_TRUE(session.Selection().Set(ZRect{l, t, r, b}, Size().first, Size().second));
    }

    TempFolder folder;
    CaptureList captures;
    SettingsRecord settings{};
    FailingFiles files;
    FakeEditHost host;
    EditSession session{captures, settings, files};
};

}  // namespace zentrova::test
