// The native build's profile reading: the portable reader over the file.
#include "ui/skin/Profile.h"

#include "ui/skin/ProfileFile.h"

namespace zentrova {

std::wstring ReadProfileString(const wchar_t* path, const wchar_t* section, const wchar_t* key,
                               const wchar_t* defaultValue, size_t capacity) {
    ProfileFile file;
    file.Load(path);  // an unreadable file has no sections: every lookup gives the default
    return file.GetString(section, key, defaultValue, capacity);
}

uint32_t ReadProfileInt(const wchar_t* path, const wchar_t* section, const wchar_t* key,
                        int32_t defaultValue) {
    ProfileFile file;
    file.Load(path);
    return file.GetInt(section, key, static_cast<uint32_t>(defaultValue));
}

}  // namespace zentrova
