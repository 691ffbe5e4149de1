#include "config/SessionValues.h"

#include <cwchar>

namespace zentrova {

void KeepSessionValues(const SettingsRecord& before, SettingsRecord& after) {
    for (const SettingDef& def : GetSettingsTable()) {
        if (def.reset != ResetRule::Keep) {
            continue;
        }
        if (IsTextKind(def.kind)) {
            const size_t capacity = TextCapacity(def.kind);
            const wchar_t* source = GetSettingText(before, def);
            wchar_t* target = GetSettingTextBuffer(after, def);
            size_t length = 0;
            while (length + 1 < capacity && source[length] != L'\0') {
                ++length;
            }
            std::wmemcpy(target, source, length);
            target[length] = L'\0';
        } else {
            SetSettingNumber(after, def, GetSettingNumber(before, def));
        }
    }
}

}  // namespace zentrova
