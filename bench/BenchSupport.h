// What the editor benchmarks share: the summary of a series of timings (BenchTiming.h), and
// the largest shipped template filled up to 150 contacts through the rule script.
#pragma once

#include "BenchTiming.h"
#include "EditorTestSupport.h"

namespace zqvbench {

using namespace zqvtest;

// A series of timings in one line.
inline QString Figures(const std::vector<double> &ms)
{
    const Stats s = Summarise(ms);
    return QStringLiteral("median %1 ms, p95 %2 ms, max %3 ms (%4 runs)")
        .arg(s.median, 0, 'f', 3)
        .arg(s.p95, 0, 'f', 3)
        .arg(s.max, 0, 'f', 3)
        .arg(ms.size());
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
