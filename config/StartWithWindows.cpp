// The log-on start entry.
#include "config/StartWithWindows.h"

#include <string>

#include "config/JoinPath.h"

namespace zentrova {

bool ApplyStartWithWindows(const SettingsRecord& record, const RegistryKey& registry,
                           const SystemInfo& system) {
    if (record.GeneralStartWithWindows == 1) {
        std::wstring folder;
        if (!system.GetProgramFolder(folder) || folder.empty()) {
            return false;
        }
        return registry.WriteString(kRunKeyPath, kLogOnEntryName,
                                    JoinPath(folder, kProgramFileName).c_str());
    }
    if (registry.Delete(kRunKeyPath, kLogOnEntryName)) {
        return true;
    }
    RegistryValue left;
    return !registry.ReadValue(kRunKeyPath, kLogOnEntryName, left);
}

}  // namespace zentrova
