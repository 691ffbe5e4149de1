#include "lang/ztv_inet/InetSchedule.h"

#include <vector>

namespace zentrova::inet {

namespace {

std::vector<std::string> SplitList(const std::string& list) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= list.size()) {
        size_t comma = list.find(',', start);
        if (comma == std::string::npos) {
            comma = list.size();
        }
        if (comma > start) {
            names.push_back(list.substr(start, comma - start));
        }
        start = comma + 1;
    }
    return names;
}

}  // namespace

uint32_t ClampIntervalHours(uint32_t hours) {
    if (hours < kMinIntervalHours) {
        return kMinIntervalHours;
    }
    return hours > kMaxIntervalHours ? kMaxIntervalHours : hours;
}

bool IsCheckDue(uint64_t now, uint64_t lastCheck, uint32_t intervalHours) {
    return SecondsUntilDue(now, lastCheck, intervalHours) == 0;
}

uint64_t SecondsUntilDue(uint64_t now, uint64_t lastCheck, uint32_t intervalHours) {
    if (lastCheck == 0 || now < lastCheck) {
        return 0;
    }
    const uint64_t interval = uint64_t{ClampIntervalHours(intervalHours)} * 3600;
    const uint64_t passed = now - lastCheck;
    return passed >= interval ? 0 : interval - passed;
}

bool HasChannel(const std::string& list, const std::string& channel) {
    for (const std::string& name : SplitList(list)) {
        if (name == channel) {
            return true;
        }
    }
    return false;
}

std::string SetChannel(const std::string& list, const std::string& channel, bool on,
                       const std::string& known) {
    std::string result;
    for (const std::string& name : SplitList(known)) {
        const bool wanted = name == channel ? on : HasChannel(list, name);
        if (wanted) {
            result += result.empty() ? name : "," + name;
        }
    }
    return result;
}

}  // namespace zentrova::inet
