#include "editmode/actions/PrintAction.h"

#include <string>

#include "core/WideText.h"
#include "editmode/EditSession.h"
#include "editmode/actions/KeepAction.h"
#include "editmode/print/PrintChoice.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kDocumentProduct = L"Zentrova Clarivue 2";
constexpr int32_t kStyleCount = 5;
constexpr size_t kSettingTextChars = 260;

}  // namespace

bool PrintAction::Run(EditSession& session) {
    SettingsRecord& settings = session.Settings();
    EditHost& host = session.Host();
    PrintChoice choice;
    choice.printer = settings.EditModePrintPrinter;
    const int32_t dpi = session.GetPicture().dpiX;
    choice.dpi = dpi >= kMinPrintDpi && dpi <= kMaxPrintDpi ? dpi : 96;
    choice.style = static_cast<PrintStyle>(
        settings.EditModePrintStyle < kStyleCount ? settings.EditModePrintStyle : 2);
    choice.landscape = settings.EditModePrintOrientation == 1;
    if (!host.AskPrint(choice)) {
        return false;
    }
    CopyText(settings.EditModePrintPrinter, kSettingTextChars, choice.printer.c_str());
    settings.EditModePrintStyle = static_cast<uint32_t>(choice.style);
    settings.EditModePrintOrientation = choice.landscape ? 1 : 0;
    ZImage& picture = session.GetPictureForChange();
    picture.dpiX = choice.dpi;
    picture.dpiY = choice.dpi;

    const std::wstring path = session.GetCurrentPath();
    const std::wstring document = std::wstring(kDocumentProduct) + L" : " + path;
    if (!host.PrintPicture(picture, choice, document)) {
        return false;
    }
    const bool stay = settings.EditModePrintCommandDoNotAdvanceToNextCapture != 0;
    if (settings.EditModeDeleteCaptureAfterAction == 0) {
        std::wstring written;
        if (!WriteCaptureOutput(session, written)) {
            return false;
        }
        if (stay && !EqualsNoCase(written, path)) {
            session.SetCurrentPath(written);
        }
    } else if (!stay) {
        session.Files().Remove(path.c_str());
    }
    if (stay) {
        host.Repaint();
    } else {
        session.FinishCurrentCapture();
    }
    return true;
}

}  // namespace zentrova
