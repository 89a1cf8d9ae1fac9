// The summary of a series of timings, and the wire limit of a transfer at the radio's line
// speed, for every benchmark; it needs no library of the project.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zqvbench {

struct Stats {
    double median = 0, p95 = 0, max = 0, mean = 0;
};

inline Stats Summarise(std::vector<double> ms)
{
    Stats s;
    if (ms.empty())
        return s;
    std::sort(ms.begin(), ms.end());
    s.median = ms[ms.size() / 2];
    s.p95 = ms[std::min(ms.size() - 1, ms.size() * 95 / 100)];
    s.max = ms.back();
    double sum = 0;
    for (double v : ms)
        sum += v;
    s.mean = sum / ms.size();
    return s;
}

// The line as zqv-radio-sim --throttle runs it: 9600 baud, 10 bits a byte; and the fixed pause
// a write waits for before the end-write reply.
constexpr double kBitsPerByte = 10.0;
constexpr double kBaud = 9600.0;
constexpr double kEndWritePauseMs = 4000.0;

// The time `bytes` (both ways together) take on the line.
inline double WireMs(std::uint64_t bytes)
{
    return double(bytes) * kBitsPerByte / kBaud * 1000.0;
}

}  // namespace zqvbench
