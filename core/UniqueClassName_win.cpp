#include "core/UniqueClassName_win.h"

#include <windows.h>
#include <objbase.h>
#include <rpc.h>

#include <cwchar>

namespace zentrova {

std::wstring NewGuidText(const void* object) {
    std::wstring guidText;
    GUID guid{};
    RPC_WSTR text = nullptr;
    if (SUCCEEDED(CoCreateGuid(&guid)) && UuidToStringW(&guid, &text) == RPC_S_OK &&
        text != nullptr) {
        guidText = reinterpret_cast<const wchar_t*>(text);
        RpcStringFreeW(&text);
    } else {
        wchar_t address[32];
        std::swprintf(address, 32, L"%p", object);
        guidText = address;
    }
    return guidText;
}

std::wstring UniqueClassName(const wchar_t* format, const void* object) {
    const std::wstring guidText = NewGuidText(object);
    std::wstring name(format);
    const size_t at = name.find(L"%s");
    if (at != std::wstring::npos) {
        name.replace(at, 2, guidText);
    }
    return name;
}

}  // namespace zentrova
