// What "Factory Defaults" leaves alone.
//
// The store's reset deletes the stored values it resets and loads the record again, so the values
// it keeps come back as they were stored, that is as they were when the program started: a
// language, a skin, an intro flag or a kept hot key changed during this run lives only in memory
// until the program ends. KeepSessionValues puts those values of the running program back.
#pragma once

#include "config/SettingsRecord.h"

namespace zentrova {

// Copies every value the reset keeps (the table's Keep entries) from before, the record as the
// program used it before the reset, into after, the record the reset loaded. Values the reset
// resets stay as loaded.
void KeepSessionValues(const SettingsRecord& before, SettingsRecord& after);

}  // namespace zentrova
