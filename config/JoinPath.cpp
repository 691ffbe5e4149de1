// Joining a folder and a name into one path.
#include "config/JoinPath.h"

#include "core/FileSystem.h"

namespace zentrova {

std::wstring JoinPath(const std::wstring& folder, const wchar_t* name) {
    std::wstring path = folder;
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/') {
        path += kNativeSeparator;
    }
    path += name != nullptr ? name : L"";
    return path;
}

bool JoinPath(wchar_t* folder, size_t capacity, const wchar_t* name) {
    if (folder == nullptr || capacity == 0) {
        return false;
    }
    size_t length = 0;
    while (length < capacity && folder[length] != L'\0') {
        ++length;
    }
    if (length == capacity) {
        return false;  // not a terminated text
    }
    const std::wstring joined = JoinPath(std::wstring(folder, length), name);
    if (joined.size() >= capacity) {
        return false;
    }
    joined.copy(folder, joined.size());
    folder[joined.size()] = L'\0';
    return true;
}

}  // namespace zentrova
