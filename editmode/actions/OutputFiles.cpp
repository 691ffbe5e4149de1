#include "editmode/actions/OutputFiles.h"

#include "codecs/ZImageCodecBmp.h"
#include "codecs/ZImageCodecJpg.h"
#include "codecs/ZImageCodecPng.h"
#include "codecs/ZPdfExport.h"
#include "core/FileSystem.h"
#include "core/WideText.h"

namespace zentrova {

namespace {

constexpr const wchar_t* kTempSuffix = L"~tmp";
constexpr const wchar_t* kPathTooLong = L"The file name is too long.";
constexpr const wchar_t* kNoFormat = L"This output format can not be written here.";
constexpr const wchar_t* kNotReplaced = L"The new file could not take the place of the old one.";

}  // namespace

const wchar_t* OutputExtension(int32_t format) {
    static constexpr const wchar_t* kExtensions[] = {L".bmp", L".jpg", L".png", L".pdf"};
    return format >= 0 && format <= 3 ? kExtensions[format] : nullptr;
}

std::wstring ReplaceExtension(const std::wstring& path, const wchar_t* extension) {
    const size_t dot = path.find_last_of(L'.');
    const size_t separator = path.find_last_of(L"\\/");
    std::wstring result = path;
    if (dot != std::wstring::npos && (separator == std::wstring::npos || dot > separator)) {
        result.resize(dot);
    }
    return result + extension;
}

bool DiskOutputFiles::Write(const wchar_t* path, const wchar_t* target, const ZImage& image,
                            OutputFormat format, wchar_t* errorText, size_t capacity) {
    switch (format) {
        case OutputFormat::Bmp:
            return WriteBmp(path, image, errorText, capacity);
        case OutputFormat::Jpg:
            return WriteJpg(path, image, errorText, capacity);
        case OutputFormat::Png:
            return WritePng(path, image, errorText, capacity);
        case OutputFormat::Pdf:
            return WritePdf(path, image, target, errorText, capacity);
    }
    CopyText(errorText, capacity, kNoFormat);
    return false;
}

bool DiskOutputFiles::Replace(const wchar_t* from, const wchar_t* to) {
    return MoveFileReplacing(from, to);
}

bool DiskOutputFiles::Remove(const wchar_t* path) {
    return DeleteFileAt(path);
}

bool DiskOutputFiles::Exists(const wchar_t* path) {
    return PathExists(path);
}

bool WriteOutput(OutputFiles& files, const std::wstring& capturePath, int32_t format,
                 const ZImage& image, std::wstring& written, wchar_t* errorText, size_t capacity) {
    written.clear();
    const wchar_t* extension = OutputExtension(format);
    if (extension == nullptr) {
        CopyText(errorText, capacity, kNoFormat);
        return false;
    }
    const std::wstring target = ReplaceExtension(capturePath, extension);
    const std::wstring temporary = target + kTempSuffix;
    if (temporary.size() >= kMaxPathChars) {
        CopyText(errorText, capacity, kPathTooLong);
        return false;
    }
    if (!files.Write(temporary.c_str(), target.c_str(), image, static_cast<OutputFormat>(format),
                     errorText, capacity)) {
        files.Remove(temporary.c_str());
        return false;
    }
    if (!files.Replace(temporary.c_str(), target.c_str())) {
        files.Remove(temporary.c_str());
        CopyText(errorText, capacity, kNotReplaced);
        return false;
    }
    written = target;
    return true;
}

std::wstring OutputFiles::TempFolder() {
    std::wstring folder = GetTempFolder();
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') {
        folder += L'\\';
    }
    return folder;
}

}  // namespace zentrova
