#include "core/HelpTopics.h"

#include "help/HelpContexts.h"

namespace zentrova {

namespace {

constexpr HelpTopicEntry kTopics[] = {
    {HelpTopic::Welcome, L"welcome", IDH_WELCOME},
    {HelpTopic::Capture, L"capture_help", IDH_CAPTURE_HELP},
    {HelpTopic::EditActions, L"action_help", IDH_ACTION_HELP},
    {HelpTopic::MouseTools, L"mousetools_help", IDH_MOUSETOOLS_HELP},
    {HelpTopic::ImageCommands, L"image_help", IDH_IMAGE_HELP},
    {HelpTopic::ConfigureDialog, L"configuredlg", IDH_CONFIGUREDLG},
    {HelpTopic::GeneralPage, L"general_tab", IDH_GENERAL_TAB},
    {HelpTopic::SkinPage, L"skin_tab", IDH_SKIN_TAB},
    {HelpTopic::LanguagePage, L"language_tab", IDH_LANGUAGE_TAB},
    {HelpTopic::MouseTools1Page, L"mousetools1_tab", IDH_MOUSETOOLS1_TAB},
    {HelpTopic::MouseTools2Page, L"mousetools2_tab", IDH_MOUSETOOLS2_TAB},
    {HelpTopic::CapturePage, L"capture_tab", IDH_CAPTURE_TAB},
    {HelpTopic::EditModePage, L"editmode_tab", IDH_EDITMODE_TAB},
};
static_assert(sizeof(kTopics) / sizeof(kTopics[0]) == kHelpTopicCount, "one entry per topic");

}  // namespace

const HelpTopicEntry* HelpTopicTable() {
    return kTopics;
}

const wchar_t* HelpTopicName(HelpTopic topic) {
    const size_t index = static_cast<size_t>(topic);
    return index < kHelpTopicCount ? kTopics[index].name : kTopics[0].name;
}

}  // namespace zentrova
