#include "tests/support/TempFolder.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "codecs/ZFile.h"
#include "core/FileSystem.h"
#include "core/WideText.h"

namespace zentrova::test {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    static std::atomic<unsigned> counter{0};
    // Reserve a unique name through the temporary-file seam, then turn it into a folder.
    std::wstring reserved;
    if (!CreateTempFile(L"ztf", reserved)) {
        return;
    }
    DeleteFileAt(reserved.c_str());
    m_path = reserved + L"." + std::to_wstring(counter++) + L".d";
    std::error_code ec;
    fs::create_directories(fs::path(m_path), ec);
}

TempFolder::~TempFolder() {
    if (!m_path.empty()) {
        std::error_code ec;
        fs::remove_all(fs::path(m_path), ec);
    }
}

std::wstring TempFolder::File(const std::wstring& name) const {
    return m_path + kNativeSeparator + name;
}

std::wstring TestDataPath(const std::string& relative) {
    return FromUtf8(std::string(CLARIVUE_TESTDATA_DIR) + "/" + relative);
}

std::string ReadWholeFile(const std::wstring& path) {
    std::ifstream in(fs::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    std::ofstream out(fs::path(path), std::ios::binary | std::ios::trunc);
    return static_cast<bool>(out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())));
}

}  // namespace zentrova::test
