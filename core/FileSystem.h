// Thin seam over the operating system's file system, debugger output and thread identity.
//
// FileSystem_win.cpp implements it with Win32 calls, FileSystem_posix.cpp with POSIX calls for
// the native build. Paths are wide texts; the POSIX side converts them to UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zentrova {

// True when something (file or folder) exists at path.
bool PathExists(const wchar_t* path);

// True when path names an existing folder.
bool DirectoryExists(const wchar_t* path);

// Creates one folder level; false when it could not be created (or already exists).
bool CreateOneDirectory(const wchar_t* path);

// Deletes a file (a link itself, not what it points to); false when it did not exist, is a
// device or could not be deleted.
bool DeleteFileAt(const wchar_t* path);

// Moves the file from over the file to (which may exist) in one step; false, both untouched,
// when that is not possible.
bool MoveFileReplacing(const wchar_t* from, const wchar_t* to);

// Creates a new, empty, uniquely named file in the system's temporary folder whose name starts
// with prefix (on Windows through GetTempFileNameW: "zedXXXX.tmp" for prefix "zed").
// Writes the full path (at most kMaxPathChars characters with terminator) into out.
bool CreateTempFile(const wchar_t* prefix, std::wstring& out);

// Names (not paths) of the plain files directly inside folder; empty when it cannot be read.
std::vector<std::wstring> ListFolderFiles(const wchar_t* folder);

// Full path of the system's temporary folder, with a trailing separator.
std::wstring GetTempFolder();

// Resolves a path to an absolute one (no check that it exists).
std::wstring GetFullPath(const wchar_t* path);

// Sends one line to the debugger (OutputDebugStringW). Without a debugger interface (the
// native build) the line goes to the standard error stream when CLARIVUE_TRACE is set.
void WriteDebugOutput(const wchar_t* text);

// Identifier of the calling thread, as the system reports it.
uint32_t CurrentThreadId();

// Path separator of the platform's own paths.
constexpr wchar_t kNativeSeparator =
#ifdef _WIN32
    L'\\';
#else
    L'/';
#endif

}  // namespace zentrova
