// When the information check is due, and what the library keeps in its registry sub-key.
#pragma once

#include <cstdint>
#include <string>

namespace zentrova::inet {

// Values of the library's sub-key (names as stored).
struct InetSettings {
    uint32_t enabled = 1;                // "Enabled": 0 turns both checks off
    std::string channels = "news,tips";  // "Channels": comma-separated channel names
    uint32_t intervalHours = 24;         // "IntervalHours", kept within 1..720
    uint64_t lastCheck = 0;      // "LastCheck": seconds since 1970 of the last success; 0 never
    uint32_t lastItem = 0;       // "LastItem": the highest item id shown
    std::string skippedVersion;  // "SkippedVersion": the update the user chose to skip
    std::string service;         // "Service": overrides the built-in service address
};

constexpr uint32_t kMinIntervalHours = 1;
constexpr uint32_t kMaxIntervalHours = 720;
// After a failed check the next one is tried this much later (or at the next start).
constexpr uint32_t kRetrySeconds = 30 * 60;

uint32_t ClampIntervalHours(uint32_t hours);

// Due on the first run (never stamped), when the interval has passed since the last success,
// and when the clock stands before the last stamp (moved back).
bool IsCheckDue(uint64_t now, uint64_t lastCheck, uint32_t intervalHours);

// Seconds from now until the check is due (0 when it is due).
uint64_t SecondsUntilDue(uint64_t now, uint64_t lastCheck, uint32_t intervalHours);

// True when channel is listed in the comma-separated list (exact names).
bool HasChannel(const std::string& list, const std::string& channel);
// The list with channel added or removed, in the order of known (a comma-separated list);
// channels not in known are dropped.
std::string SetChannel(const std::string& list, const std::string& channel, bool on,
                       const std::string& known);

}  // namespace zentrova::inet
