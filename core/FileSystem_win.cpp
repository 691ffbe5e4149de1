// Win32 implementation of the file-system seam.
#include "core/FileSystem.h"

#include <windows.h>

#include "core/WideText.h"

namespace zentrova {

bool PathExists(const wchar_t* path) {
    if (path == nullptr || *path == L'\0') {
        return false;
    }
    return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

bool DirectoryExists(const wchar_t* path) {
    if (path == nullptr || *path == L'\0') {
        return false;
    }
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CreateOneDirectory(const wchar_t* path) {
    if (path == nullptr || *path == L'\0') {
        return false;
    }
    return CreateDirectoryW(path, nullptr) != FALSE;
}

bool DeleteFileAt(const wchar_t* path) {
    if (path == nullptr || *path == L'\0') {
        return false;
    }
    return DeleteFileW(path) != FALSE;
}

std::wstring GetTempFolder() {
    wchar_t folder[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH) {
        return std::wstring(L".\\");
    }
    return std::wstring(folder, length);
}

bool CreateTempFile(const wchar_t* prefix, std::wstring& out) {
    const std::wstring folder = GetTempFolder();
    wchar_t name[MAX_PATH] = {};
    if (GetTempFileNameW(folder.c_str(), prefix ? prefix : L"", 0, name) == 0) {
        return false;
    }
    out = name;
    return true;
}

std::wstring GetFullPath(const wchar_t* path) {
    if (path == nullptr || *path == L'\0') {
        return std::wstring();
    }
    wchar_t full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameW(path, MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) {
        return std::wstring(path);
    }
    return std::wstring(full, length);
}

void WriteDebugOutput(const wchar_t* text) {
    if (text != nullptr) {
        OutputDebugStringW(text);
    }
}

uint32_t CurrentThreadId() {
    return static_cast<uint32_t>(GetCurrentThreadId());
}

}  // namespace zentrova
