// What the editor benchmarks share: the summary of a series of timings, and the largest
// shipped template filled up to 150 contacts through the rule script.
#pragma once

#include "EditorTestSupport.h"

#include <algorithm>
#include <vector>

namespace zqvbench {

using namespace zqvtest;

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

// 50 public groups, 30 private groups, private contacts up to the model's 150 contacts, and
// 25 text messages, all with the rule script's defaults.
inline void FillFullProfile(CEditorWindow &w)
{
    const CDataItem root = w.Root();
    const struct {
        int kind;
        int count;
    } plan[] = {{kNodePublicGroups, 50}, {kNodePrivateGroups, 30}, {kNodePrivates, 150}, {kNodeTextMessages, 25}};
    for (const auto &p : plan) {
        CDataItem list = ListItem(root, p.kind);
        for (int i = 0; i < p.count && list.CanAddChild(); ++i) {
            CDataItem added;
            if (p.kind == kNodePrivateGroups)
                list.AddNewPriGrpPrivate(QStringLiteral("Group"), added);
            else if (p.kind == kNodePrivates)
                list.AddNewPriGrpPrivate(QStringLiteral("Private"), added);
            else
                list.AddNewChild(added);
        }
    }
}

}  // namespace zqvbench
