// POSIX implementation of the file-system seam (native build).
#include "core/FileSystem.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "core/WideText.h"

namespace zentrova {

namespace {

std::string Narrow(const wchar_t* path) {
    return path ? ToUtf8(path) : std::string();
}

}  // namespace

bool PathExists(const wchar_t* path) {
    if (path == nullptr || *path == L'\0') {
        return false;
    }
    struct stat st {};
    return ::stat(Narrow(path).c_str(), &st) == 0;
}

bool DirectoryExists(const wchar_t* path) {
    if (path == nullptr || *path == L'\0') {
        return false;
    }
    struct stat st {};
    return ::stat(Narrow(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateOneDirectory(const wchar_t* path) {
    if (path == nullptr || *path == L'\0') {
        return false;
    }
    return ::mkdir(Narrow(path).c_str(), 0777) == 0;
}

bool DeleteFileAt(const wchar_t* path) {
    if (path == nullptr || *path == L'\0') {
        return false;
    }
    const std::string name = Narrow(path);
    // A device node is never a file of the program's (a writer failing on one must not remove
    // it, which root could); a link is removed itself, not what it points to.
    struct stat st {};
    if (::lstat(name.c_str(), &st) == 0 && (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))) {
        return false;
    }
    return ::unlink(name.c_str()) == 0;
}

bool MoveFileReplacing(const wchar_t* from, const wchar_t* to) {
    if (from == nullptr || to == nullptr || *from == L'\0' || *to == L'\0') {
        return false;
    }
    return ::rename(Narrow(from).c_str(), Narrow(to).c_str()) == 0;
}

std::vector<std::wstring> ListFolderFiles(const wchar_t* folder) {
    std::vector<std::wstring> names;
    if (folder == nullptr || *folder == L'\0') {
        return names;
    }
    const std::string base = Narrow(folder);
    DIR* dir = ::opendir(base.c_str());
    if (dir == nullptr) {
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        struct stat st {};
        const std::string full = base + "/" + entry->d_name;
        if (::stat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
            names.push_back(FromUtf8(entry->d_name));
        }
    }
    ::closedir(dir);
    return names;
}

std::wstring GetTempFolder() {
    const char* dir = std::getenv("TMPDIR");
    std::string folder = (dir != nullptr && *dir != '\0') ? dir : "/tmp";
    if (folder.back() != '/') {
        folder += '/';
    }
    return FromUtf8(folder);
}

bool CreateTempFile(const wchar_t* prefix, std::wstring& out) {
    // Same shape as GetTempFileNameW: prefix (at most three characters), four hex digits, ".tmp".
    std::string pattern =
        ToUtf8(GetTempFolder()) + ToUtf8(std::wstring(prefix ? prefix : L"")).substr(0, 3);
    pattern += "XXXXXX.tmp";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemps(name.data(), 4);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    out = FromUtf8(name.data());
    if (out.size() >= kMaxPathChars) {
        ::unlink(name.data());
        out.clear();
        return false;
    }
    return true;
}

std::wstring GetFullPath(const wchar_t* path) {
    if (path == nullptr || *path == L'\0') {
        return std::wstring();
    }
    std::wstring text(path);
    if (text[0] == L'/') {
        return text;
    }
    char cwd[4096];
    if (::getcwd(cwd, sizeof cwd) == nullptr) {
        return text;
    }
    std::wstring full = FromUtf8(cwd);
    if (full.empty() || full.back() != L'/') {
        full += L'/';
    }
    return full + text;
}

void WriteDebugOutput(const wchar_t* text) {
    static const bool enabled = std::getenv("CLARIVUE_TRACE") != nullptr;
    if (enabled && text != nullptr) {
        std::fputs(ToUtf8(text).c_str(), stderr);
    }
}

uint32_t CurrentThreadId() {
    return static_cast<uint32_t>(::syscall(SYS_gettid));
}

}  // namespace zentrova
