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

bool MoveFileReplacing(const wchar_t* from, const wchar_t* to) {
    if (from == nullptr || to == nullptr || *from == L'\0' || *to == L'\0') {
        return false;
    }
    return MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

std::vector<std::wstring> ListFolderFiles(const wchar_t* folder) {
    std::vector<std::wstring> names;
    if (folder == nullptr || *folder == L'\0') {
        return names;
    }
    std::wstring pattern(folder);
    if (pattern.back() != L'\\' && pattern.back() != L'/') {
        pattern += L'\\';
    }
    pattern += L'*';
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names.emplace_back(found.cFileName);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
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
