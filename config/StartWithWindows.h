// The log-on start entry: "Corvix" under the per-user "Run" key.
#pragma once

#include "config/RegistryKey.h"
#include "config/SettingsRecord.h"
#include "config/SystemInfo.h"

namespace zentrova {

constexpr const wchar_t* kRunKeyPath = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* kLogOnEntryName = L"Corvix";
// The entry names this file in the program folder, whatever the running module is called.
constexpr const wchar_t* kProgramFileName = L"corvix.exe";

// Applies GeneralStartWithWindows: with 1 the entry is set (REG_SZ) to the program folder joined
// with "corvix.exe"; otherwise it is deleted. True when the entry is as wanted afterwards (a
// missing entry that was to be deleted counts as done). When the program folder cannot be had,
// nothing is written (an entry without its folder would name a file of whatever folder Windows
// starts in) and the result is false.
bool ApplyStartWithWindows(const SettingsRecord& record, const RegistryKey& registry,
                           const SystemInfo& system);

}  // namespace zentrova
