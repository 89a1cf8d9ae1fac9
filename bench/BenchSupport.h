// What the editor benchmarks share: the summary of a series of timings (BenchTiming.h), and
// the largest shipped template filled up to 150 contacts through the rule script.
#pragma once

#include "BenchTiming.h"
#include "EditorTestSupport.h"

namespace zqvbench {

using namespace zqvtest;

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
