// The summary of a series of timings, for every benchmark; it needs no library of the project.
#pragma once

#include <algorithm>
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

}  // namespace zqvbench
