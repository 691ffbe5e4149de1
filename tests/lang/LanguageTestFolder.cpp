#include "tests/lang/LanguageTestFolder.h"

#include "core/FileSystem.h"

namespace zentrova::test {

LanguageTestFolder::LanguageTestFolder() {
    const std::wstring lang = m_program.File(L"Lang");
    CreateOneDirectory(lang.c_str());
    const std::wstring sep(1, kNativeSeparator);
    WriteWholeFile(lang + sep + L"CVX-en-us.ztvlang",
                   "[Language]\nID=en-us\nNativeName=English\n"
                   "[Dlg_General]\nTitle=General\nStartWithWindows=Start with Windows\n"
                   "CaptureBarAlignmentCBX=Left|Top|Right|Bottom\n"
                   "[Messages]\nOnlyEnglish=Only in English\n"
                   "[Menu]\nTray_Exit=Exit\nFile=File\nTray_Help=Help\n");
    WriteWholeFile(lang + sep + L"CVX-de-de.ztvlang",
                   "[Language]\nID=de-de\nNativeName=Deutsch\n"
                   "[Dlg_General]\nTitle=Allgemein\nStartWithWindows=Mit Windows starten\n"
                   "CaptureBarAlignmentCBX=Links||Rechts|\n"
                   "[Messages]\nOnlyGerman=Nur auf Deutsch\n"
                   "[Menu]\nTray_Exit=Beenden\nFile=Datei\n");
}

}  // namespace zentrova::test
