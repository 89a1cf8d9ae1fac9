// A profile filled as a dealer's full fleet: what the CSV and merge tests export, import and
// compare.
#pragma once

#include "ModelTestSupport.h"

namespace zqv::test {

inline CDataItem List(const CRadioDataModel &model, const char *name)
{
    return CDataItem(model.Context(),
                     model.ProfileDocument()->SelectOne(nullptr, QStringLiteral("//dfns:") + QLatin1String(name)));
}

// A rule-checked attribute write the test expects to go in.
inline void Set(CDataItem item, const char *name, const QString &value)
{
    int r1 = 0;
    int r2 = 0;
    if (item.SetAttributeValue(QLatin1String(name), value, r1, 1, r2) != 0)
        qFatal("fleet: %s=%s refused (%d)", name, qPrintable(value), r1);
}

// Fills a profile as a dealer's full fleet would: public groups on scan lists, private
// groups with members, every contact slot the model has, home groups of both kinds, private
// scroll lists and every text slot; names with the characters CSV has to quote.
inline void FillFleet(CRadioDataModel &model)
{
    CDataItem publics = List(model, "PublicGroups");
    CDataItem groups = List(model, "PrivateGroups");
    CDataItem privates = List(model, "Privates");
    for (int c = 1; c <= 3; ++c) {
        CDataItem g;
        publics.AddNewChild(g);
        Set(g, "name", QStringLiteral("Pub, \"Zone\" %1").arg(c));
        Set(g, "channel", QString::number(c));
        Set(g, "in_scan_list", QStringLiteral("1"));
    }
    std::vector<CDataItem> people;
    for (int i = 0; privates.CanAddChild() && int(people.size()) < 150; ++i) {
        CDataItem p;
        privates.AddNewPriGrpPrivate(QStringLiteral("Private"), p);
        Set(p, "name", QStringLiteral("Kontakt %1; Renée").arg(i));
        Set(p, "channel", QString::number(i % 3 + 1));
        Set(p, "alert_tone", QString::number(i % 12 + 1));
        Set(p, "show_grp_only", QString::number(i % 2));
        people.push_back(p);
    }
    // Room for the groups: the last three contacts make way for them.
    for (int k = 0; k < 3; ++k) {
        int r1 = 0;
        int r2 = 0;
        privates.RemoveChildByIndex(privates.GetChildCount() - 1, r1, 1, r2);
        people.pop_back();
    }
    QStringList groupPids;
    for (int c = 1; c <= 3; ++c) {
        CDataItem g;
        groups.AddNewPriGrpPrivate(QStringLiteral("Group"), g);
        Set(g, "name", QStringLiteral("Team %1\nNight").arg(c).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        Set(g, "channel", QString::number(c));
        groupPids << GetAttr(g.Node(), "pid");
    }
    const auto publicPids = model.ProfileDocument()->Select(nullptr, QStringLiteral("//dfns:PublicGroup"));
    for (size_t i = 0; i < people.size(); ++i) {
        CDataItem &p = people[i];
        const int channel = int(i % 3);
        CDataItem holder;
        p.GetChildByName(QStringLiteral("ParentPrivateGroups"), holder);
        CDataItem entry;
        holder.AddNewChild(entry);
        Set(entry, "pid", groupPids[channel]);
        if (i % 2 == 0)
            Set(p, "home_grp", groupPids[channel]);
        else
            Set(p, "home_grp", GetAttr(publicPids[publicPids.size() - 3 + channel], "pid"));
        if (i % 5 == 0) {
            CDataItem list;
            p.GetChildByName(QStringLiteral("scrolllist"), list);
            CDataItem added;
            list.AddNewPriScrList(GetAttr(people[(i + 1) % people.size()].Node(), "name"), added);
            list.AddNewPriScrList(QStringLiteral("Pub, \"Zone\" 2"), added);
            Set(p, "private_scroll_list", QStringLiteral("1"));
        }
    }
    CDataItem texts = List(model, "TextMessages");
    for (int i = 0; texts.CanAddChild(); ++i) {
        CDataItem t;
        texts.AddNewChild(t);
        Set(t, "txt", QStringLiteral("Call back, \"urgent\" %1").arg(i));
    }
}

}  // namespace zqv::test
