// The timing frame of the Windows benchmarks: a millisecond clock, the message pump between
// rounds, and rounds timed with their median, fastest and slowest printed in ms.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace zentrova::bench {

inline double Now() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Runs body(round) rounds times, messages pumped between rounds (untimed), and prints one line.
template <typename Body>
void Time(const char* label, int rounds, Body body) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        PumpMessages();
        const double start = Now();
        body(i);
        times.push_back(Now() - start);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-44s median %8.2f ms  min %8.2f  max %8.2f\n", label, times[times.size() / 2],
                times.front(), times.back());
    std::fflush(stdout);
}

}  // namespace zentrova::bench
