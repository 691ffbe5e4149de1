#include "core/win/HtmlHelpViewer.h"

#include <string>

#include "core/FileSystem.h"
#include "core/HelpTopics.h"

namespace zentrova {

namespace {

constexpr UINT kHelpDisplayTopic = 0;  // HH_DISPLAY_TOPIC

}  // namespace

HtmlHelpViewer::~HtmlHelpViewer() {
    if (m_library != nullptr) {
        FreeLibrary(m_library);
    }
}

bool HtmlHelpViewer::Show(HWND owner, const wchar_t* file, const wchar_t* topic) {
    if (file == nullptr || *file == L'\0' || !PathExists(file)) {
        return false;
    }
    if (m_htmlHelp == nullptr) {
        if (m_library == nullptr) {
            m_library = LoadLibraryW(L"hhctrl.ocx");
        }
        if (m_library == nullptr) {
            return false;
        }
        m_htmlHelp = reinterpret_cast<HtmlHelpFunction>(
            reinterpret_cast<void*>(GetProcAddress(m_library, "HtmlHelpW")));
        if (m_htmlHelp == nullptr) {
            return false;
        }
    }
    std::wstring location = file;
    location += L"::/";
    location += topic != nullptr && *topic != L'\0' ? topic : HelpTopicName(HelpTopic::Welcome);
    location += L".htm";
    return m_htmlHelp(owner, location.c_str(), kHelpDisplayTopic, 0) != nullptr;
}

}  // namespace zentrova
