// A fresh, empty folder for one test, removed with everything in it when the test ends.
#pragma once

#include <string>

namespace zentrova::test {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Folder path without a trailing separator.
    const std::wstring& Path() const { return m_path; }
    // Path of name inside the folder.
    std::wstring File(const std::wstring& name) const;

  private:
    std::wstring m_path;
};

// Absolute path of a file below the shared test data folder (e.g. L"bmpsuite/g/pal8.bmp").
std::wstring TestDataPath(const std::string& relative);

// Whole contents of a file; empty when it cannot be read.
std::string ReadWholeFile(const std::wstring& path);
// Writes bytes to a file, replacing it. False on failure.
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);

}  // namespace zentrova::test
