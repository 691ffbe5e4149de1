// The topics of the help file the program opens: each is the page "<name>.htm" of the compiled
// help file and has a context id (help/HelpContexts.h) mapped to that page.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zentrova {

enum class HelpTopic : size_t {
    Welcome,          // the start page (help command without a topic)
    Capture,          // the capture bar's help button
    EditActions,      // the Edit Mode's action bar
    MouseTools,       // the Edit Mode's tool bar
    ImageCommands,    // the Edit Mode's image bar
    ConfigureDialog,  // the "Configure..." dialog
    GeneralPage,      // the settings pages, in tab order
    SkinPage,
    LanguagePage,
    MouseTools1Page,
    MouseTools2Page,
    CapturePage,
    EditModePage,
    Count
};

struct HelpTopicEntry {
    HelpTopic topic;
    const wchar_t* name;
    uint32_t context;
};

constexpr size_t kHelpTopicCount = static_cast<size_t>(HelpTopic::Count);

// The whole table, kHelpTopicCount entries in the order of HelpTopic.
const HelpTopicEntry* HelpTopicTable();

// The page name of a topic ("welcome" for an out-of-range value).
const wchar_t* HelpTopicName(HelpTopic topic);

}  // namespace zentrova
