// A folder of small language files for the lookup tests: "en-us" (the default language) and
// "de-de", each with texts the other lacks.
#pragma once

#include <string>

#include "tests/support/TempFolder.h"

namespace zentrova::test {

class LanguageTestFolder {
  public:
    LanguageTestFolder();
    // The program folder: its "Lang" sub-folder holds the files.
    const std::wstring& ProgramFolder() const { return m_program.Path(); }

  private:
    TempFolder m_program;
};

}  // namespace zentrova::test
