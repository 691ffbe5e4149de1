// A folder of small language files for the lookup tests: "en-us" (the default language) and
// "de-de", each with texts the other lacks.
#pragma once

#include <string>

#include "core/FileSystem.h"
#include "tests/support/TempFolder.h"

namespace zentrova::test {

class LanguageTestFolder {
  public:
    LanguageTestFolder() {
        const std::wstring lang = m_program.File(L"Lang");
        CreateOneDirectory(lang.c_str());
        WriteWholeFile(lang + kNativeSeparator + L"CVX-en-us.ztvlang",
                       "[Language]\nID=en-us\nNativeName=English\n"
                       "[Dlg_General]\nTitle=General\nStartWithWindows=Start with Windows\n"
                       "CaptureBarAlignmentCBX=Left|Top|Right|Bottom\n"
                       "[Messages]\nOnlyEnglish=Only in English\n"
                       "[Menu]\nTray_Exit=Exit\nFile=File\nTray_Help=Help\n");
        WriteWholeFile(lang + kNativeSeparator + L"CVX-de-de.ztvlang",
                       "[Language]\nID=de-de\nNativeName=Deutsch\n"
                       "[Dlg_General]\nTitle=Allgemein\nStartWithWindows=Mit Windows starten\n"
                       "CaptureBarAlignmentCBX=Links||Rechts|\n"
                       "[Messages]\nOnlyGerman=Nur auf Deutsch\n"
                       "[Menu]\nTray_Exit=Beenden\nFile=Datei\n");
    }
    // The program folder: its "Lang" sub-folder holds the files.
    const std::wstring& ProgramFolder() const { return m_program.Path(); }

  private:
    TempFolder m_program;
};

}  // namespace zentrova::test
