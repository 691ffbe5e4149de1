// Opening a link of the Internet menu in the user's web browser. Windows build only.
#pragma once

#include "config/SettingsRecord.h"

namespace zentrova {

// Builds the link for target (see lang/WebLink.h) with the "Edition" registry value, the user's
// locale and the current language, and opens it; false when the shell could not.
bool OpenWebLink(const SettingsRecord& settings, const wchar_t* target);

}  // namespace zentrova
