#include "ProfileDiff.h"

#include "SettingFields.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TransferRecord.h"
#include "TransferSequencer.h"
#include "WriteChanges.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <map>
#include <set>

namespace zqv::link {
namespace {

// A contact slot that holds something a radio keeps (a read drops the others).
bool InUse(const VirtualCPContact &c)
{
    return !c.IsEmpty() && !c.name.isEmpty() && !c.pid.isEmpty();
}

QString ContactKey(const VirtualCPContact &c)
{
    return QStringLiteral("%1:%2").arg(c.cntct_type).arg(c.pid);
}

QString ContactLabel(const VirtualCPContact &c)
{
    const int id = c.cntct_type == profile::kPrivateGroup ? IDS_DIFF_PRIVATE_GROUP
        : c.cntct_type == profile::kPublicGroup           ? IDS_DIFF_PUBLIC_GROUP
                                                          : IDS_DIFF_PRIVATE_CONTACT;
    return FormatStr(id, {c.name, c.pid});
}

QString YesNo(bool on)
{
    return LoadStr(on ? IDS_DIFF_YES : IDS_DIFF_NO);
}

QString OrNone(const QString &value)
{
    return value.isEmpty() ? LoadStr(IDS_DIFF_NONE_VALUE) : value;
}

// The groups of a record (public and private) by PID, for naming memberships and home groups.
std::map<QString, QString> GroupNames(const VirtualCPData &record)
{
    std::map<QString, QString> names;
    for (const VirtualCPContact &c : record.contacts)
        if (InUse(c) && (c.cntct_type == profile::kPrivateGroup || c.cntct_type == profile::kPublicGroup))
            names.emplace(c.pid, c.name);
    return names;
}

QString GroupText(const std::map<QString, QString> &names, const QString &pid)
{
    const auto found = names.find(pid);
    return found == names.end() ? pid : QStringLiteral("%1 (%2)").arg(found->second, pid);
}

class CDiffBuilder {
public:
    CDiffBuilder(const VirtualCPData &before, const VirtualCPData &after)
        : m_before(before), m_after(after), m_beforeGroups(GroupNames(before)), m_afterGroups(GroupNames(after))
    {
    }

    std::vector<ProfileDifference> Build()
    {
        Contacts();
        Settings();
        Features();
        Texts();
        return std::move(m_out);
    }

private:
    void Changed(const QString &section, const QString &key, const QString &item, const QString &field,
                 const QString &oldValue, const QString &newValue)
    {
        if (oldValue != newValue)
            m_out.push_back({ProfileDifference::Changed, section, key, item, field, oldValue, newValue});
    }
    void Whole(ProfileDifference::Kind kind, const QString &section, const QString &key, const QString &item)
    {
        m_out.push_back({kind, section, key, item, QString(), QString(), QString()});
    }

    static std::set<QString> MemberPids(const VirtualCPContact &c)
    {
        std::set<QString> pids;
        for (const QString &p : c.parent_pid)
            if (!p.isEmpty())
                pids.insert(p);
        return pids;
    }
    static QString Memberships(const std::set<QString> &pids, const std::map<QString, QString> &names)
    {
        QStringList texts;
        for (const QString &p : pids)
            texts << GroupText(names, p);
        return OrNone(texts.join(QStringLiteral(", ")));
    }

    // Manager mode and see-all-groups are not compared per contact: the radio keeps them in
    // its settings (compared there) and a read derives the own contact's from them.
    void CompareContact(const VirtualCPContact &a, const VirtualCPContact &b)
    {
        const QString key = ContactKey(b);
        const QString item = ContactLabel(a);
        const QString section = QStringLiteral("contact");
        auto flag = [&](int fieldId, std::uint8_t flagsA, std::uint8_t flagsB, std::uint8_t mask) {
            Changed(section, key, item, LoadStr(fieldId), YesNo(flagsA & mask), YesNo(flagsB & mask));
        };
        Changed(section, key, item, LoadStr(IDS_DIFF_FIELD_NAME), a.name, b.name);
        // Groups are compared by PID and named for the reader: a renamed group is one change of
        // the group, not of every member.
        const std::set<QString> oldGroups = MemberPids(a), newGroups = MemberPids(b);
        if (oldGroups != newGroups)
            Changed(section, key, item, LoadStr(IDS_DIFF_FIELD_GROUPS), Memberships(oldGroups, m_beforeGroups),
                    Memberships(newGroups, m_afterGroups));
        if (a.home_grp != b.home_grp)
            Changed(section, key, item, LoadStr(IDS_DIFF_FIELD_HOME_GROUP),
                    OrNone(a.home_grp.isEmpty() ? QString() : GroupText(m_beforeGroups, a.home_grp)),
                    OrNone(b.home_grp.isEmpty() ? QString() : GroupText(m_afterGroups, b.home_grp)));
        flag(IDS_DIFF_FIELD_SCROLL_LIST, a.contact_flags_a, b.contact_flags_a, CFA_IN_SCROLL_LIST);
        flag(IDS_DIFF_FIELD_SCAN_LIST, a.contact_flags_a, b.contact_flags_a, CFA_IN_SCAN_LIST);
        flag(IDS_GROUP_ONLY, a.contact_flags_a, b.contact_flags_a, CFA_SHOW_GRP_ONLY);
        Changed(section, key, item, LoadStr(IDS_DIFF_FIELD_ALERT_TONE), QString::number(a.alert_tone),
                QString::number(b.alert_tone));
        Changed(section, key, item, LoadStr(IDS_DIFF_FIELD_CHANNEL), QString::number(a.channel),
                QString::number(b.channel));
    }

    void Contacts()
    {
        // Each contact of `after` pairs with one of `before` of the same type and PID: first
        // those with the same name too, then the rest in list order. A profile can hold two
        // contacts under one PID, and each must find its own.
        std::map<QString, std::vector<int>> beforeByKey;
        for (int i = 0; i < profile::kMaxContacts; ++i)
            if (InUse(m_before.contacts[i]))
                beforeByKey[ContactKey(m_before.contacts[i])].push_back(i);
        std::set<int> matched;
        std::vector<int> partner(profile::kMaxContacts, -1);
        for (const bool sameName : {true, false}) {
            for (int i = 0; i < profile::kMaxContacts; ++i) {
                const VirtualCPContact &b = m_after.contacts[i];
                if (!InUse(b) || partner[i] >= 0)
                    continue;
                const auto found = beforeByKey.find(ContactKey(b));
                if (found == beforeByKey.end())
                    continue;
                for (int k : found->second) {
                    if (matched.count(k) || (sameName && m_before.contacts[k].name != b.name))
                        continue;
                    partner[i] = k;
                    matched.insert(k);
                    break;
                }
            }
        }
        std::vector<int> added;
        for (int i = 0; i < profile::kMaxContacts; ++i) {
            if (!InUse(m_after.contacts[i]))
                continue;
            if (partner[i] < 0)
                added.push_back(i);
            else
                CompareContact(m_before.contacts[partner[i]], m_after.contacts[i]);
        }
        std::vector<int> removed;
        for (int i = 0; i < profile::kMaxContacts; ++i)
            if (InUse(m_before.contacts[i]) && !matched.count(i))
                removed.push_back(i);

        // The same name and type under another PID: the PID was changed.
        for (auto a = added.begin(); a != added.end();) {
            const VirtualCPContact &b = m_after.contacts[*a];
            const auto r = std::find_if(removed.begin(), removed.end(), [&](int k) {
                const VirtualCPContact &old = m_before.contacts[k];
                return old.cntct_type == b.cntct_type && old.name == b.name;
            });
            if (r == removed.end()) {
                ++a;
                continue;
            }
            const VirtualCPContact &old = m_before.contacts[*r];
            Changed(QStringLiteral("contact"), ContactKey(b), ContactLabel(b), LoadStr(IDS_DIFF_FIELD_PID), old.pid,
                    b.pid);
            VirtualCPContact samePid = old;
            samePid.pid = b.pid;
            CompareContact(samePid, b);
            removed.erase(r);
            a = added.erase(a);
        }
        for (int i : added)
            Whole(ProfileDifference::Added, QStringLiteral("contact"), ContactKey(m_after.contacts[i]),
                  ContactLabel(m_after.contacts[i]));
        for (int i : removed)
            Whole(ProfileDifference::Removed, QStringLiteral("contact"), ContactKey(m_before.contacts[i]),
                  ContactLabel(m_before.contacts[i]));
    }

    void Settings()
    {
        const VirtualCPSetting &a = m_before.setting;
        const VirtualCPSetting &b = m_after.setting;
        const QString item = LoadStr(IDS_DIFF_SETTINGS);
        // Named and shown as the Settings form shows them.
        auto field = [&](const char *name, const QString &oldValue, const QString &newValue) {
            const QString attribute = QLatin1String(name);
            Changed(QStringLiteral("setting"), attribute, item, settings::Label(attribute),
                    settings::ValueText(attribute, oldValue), settings::ValueText(attribute, newValue));
        };
        auto number = [&](const char *name, unsigned oldValue, unsigned newValue) {
            field(name, QString::number(oldValue), QString::number(newValue));
        };
        auto flag = [&](const char *name, bool oldValue, bool newValue) {
            field(name, QString::number(oldValue ? 1 : 0), QString::number(newValue ? 1 : 0));
        };
        number("contrast", a.contrast, b.contrast);
        number("backlight", a.backlight, b.backlight);
        number("vibracall", a.vibracall, b.vibracall);
        number("alarm_time", a.alarm_time, b.alarm_time);
        number("ringer_vol_level", a.ringer_vol_level, b.ringer_vol_level);
        number("speaker_vol_level", a.speaker_vol_level, b.speaker_vol_level);
        number("keypad_vol_level", a.keypad_vol_level, b.keypad_vol_level);
        number("alarm_vol_level", a.alarm_vol_level, b.alarm_vol_level);
        number("earpiece_vol_level", a.earpiece_vol_level, b.earpiece_vol_level);
        number("language", a.language, b.language);
        number("noise_level_accessory", a.noise_level_accessory(), b.noise_level_accessory());
        number("noise_level_radio", a.noise_level_radio(), b.noise_level_radio());
        number("tot_timer", a.tot_timer, b.tot_timer);
        number("tpt_offset", a.tpt_offset, b.tpt_offset);
        auto id = [](const QString &pid) { return OrNone(pid == QLatin1String("0") ? QString() : pid); };
        field("call_forward_id", id(a.call_forward_id), id(b.call_forward_id));
        // The codeplug password is named as changed but never shown.
        if (a.password != b.password)
            m_out.push_back({ProfileDifference::Changed, QStringLiteral("setting"), QStringLiteral("password"), item,
                             settings::Label(QStringLiteral("password")), LoadStr(IDS_DIFF_HIDDEN_VALUE),
                             LoadStr(IDS_DIFF_HIDDEN_VALUE)});
        for (const FlagAttribute &f : kSettingFlagAttributes)
            flag(f.name, a.setting_flags & f.mask, b.setting_flags & f.mask);
    }

    void Features()
    {
        const VirtualCPLimit &a = m_before.limit;
        const VirtualCPLimit &b = m_after.limit;
        const QString item = LoadStr(IDS_DIFF_FEATURES);
        auto field = [&](const QString &name, const QString &oldValue, const QString &newValue) {
            Changed(QStringLiteral("feature"), name, item, QString(name).replace(u'_', u' '), oldValue, newValue);
        };
        field(QStringLiteral("model"), a.model, b.model);
        field(QStringLiteral("max_num_of_contacts"), QString::number(a.max_num_of_contacts),
              QString::number(b.max_num_of_contacts));
        field(QStringLiteral("max_num_of_private_grps"), QString::number(a.max_num_of_private_grps),
              QString::number(b.max_num_of_private_grps));
        field(QStringLiteral("max_num_of_public_grps"), QString::number(a.max_num_of_public_grps),
              QString::number(b.max_num_of_public_grps));
        field(QStringLiteral("max_num_of_predefined_msgs"), QString::number(a.max_num_of_predefined_msgs),
              QString::number(b.max_num_of_predefined_msgs));
        for (const FlagAttribute &f : kLimitFlagAttributes)
            field(QLatin1String(f.name), YesNo(a.limit_flags & f.mask), YesNo(b.limit_flags & f.mask));
        for (int k = 0; k < profile::kPublicGroupBanks; ++k) {
            const auto bank = [](const PublicGroupInfo &g) {
                return g.lst_size == 0 ? LoadStr(IDS_DIFF_NONE_VALUE)
                                       : QStringLiteral("%1, %2 × %3").arg(g.pid_name, g.start_pid).arg(g.lst_size);
            };
            field(QStringLiteral("bank_%1").arg(k + 1), bank(a.bank[k]), bank(b.bank[k]));
        }
    }

    // A profile keeps its texts in an order of its own, so texts are matched by content: a
    // text only in `before` and one only in `after` at the same turn are one change.
    void Texts()
    {
        auto used = [](const VirtualCPData &r) {
            QStringList texts;
            for (const QString &t : r.texts)
                if (!t.isEmpty())
                    texts << t;
            return texts;
        };
        const QStringList a = used(m_before);
        const QStringList b = used(m_after);
        QStringList common = a;
        QList<int> removed, added;  // positions in a and b
        for (int i = 0; i < b.size(); ++i)
            if (!common.removeOne(b[i]))
                added << i;
        QStringList rest = b;
        for (int i = 0; i < a.size(); ++i)
            if (!rest.removeOne(a[i]))
                removed << i;
        const QString section = QStringLiteral("text");
        const auto label = [](int i, const QString &t) {
            return FormatStr(IDS_DIFF_TEXT, {QString::number(i + 1), t});
        };
        const qsizetype paired = std::min(removed.size(), added.size());
        for (qsizetype k = 0; k < paired; ++k)
            Changed(section, QString::number(added[k] + 1), label(removed[k], a[removed[k]]),
                    LoadStr(IDS_DIFF_FIELD_TEXT), a[removed[k]], b[added[k]]);
        for (qsizetype k = paired; k < added.size(); ++k)
            Whole(ProfileDifference::Added, section, QString::number(added[k] + 1), label(added[k], b[added[k]]));
        for (qsizetype k = paired; k < removed.size(); ++k)
            Whole(ProfileDifference::Removed, section, QString::number(removed[k] + 1),
                  label(removed[k], a[removed[k]]));
    }

    const VirtualCPData &m_before;
    const VirtualCPData &m_after;
    const std::map<QString, QString> m_beforeGroups;
    const std::map<QString, QString> m_afterGroups;
    std::vector<ProfileDifference> m_out;
};

}  // namespace

std::vector<ProfileDifference> CompareRecords(const VirtualCPData &before, const VirtualCPData &after)
{
    return CDiffBuilder(before, after).Build();
}

std::vector<ProfileDifference> CompareIdentities(const VirtualCPData &before, const VirtualCPData &after)
{
    std::vector<ProfileDifference> out;
    const QString section = QStringLiteral("radio");
    const QString item = LoadStr(IDS_RADIO_INFO_CAPTION);
    if (before.limit.pid != after.limit.pid)
        out.push_back({ProfileDifference::Changed, section, QStringLiteral("pid"), item, LoadStr(IDS_UNIT_PRIVATE_ID),
                       OrNone(before.limit.pid), OrNone(after.limit.pid)});
    const QString oldFirmware = CTransferSequencer::FirmwareVersionText(before);
    const QString newFirmware = CTransferSequencer::FirmwareVersionText(after);
    if (oldFirmware != newFirmware)
        out.push_back({ProfileDifference::Changed, section, QStringLiteral("firmware"), item,
                       LoadStr(IDS_FIRMWARE_VERSION), oldFirmware, newFirmware});
    return out;
}

// Names and values are shown with their control characters as escapes: a name holding a
// line break or an escape sequence must not break the line or steer a terminal.
QString DescribeDifference(const ProfileDifference &d)
{
    switch (d.kind) {
    case ProfileDifference::Added: return FormatStr(IDS_DIFF_ADDED, {VisibleText(d.item)});
    case ProfileDifference::Removed: return FormatStr(IDS_DIFF_REMOVED, {VisibleText(d.item)});
    case ProfileDifference::Changed: break;
    }
    return FormatStr(IDS_DIFF_CHANGED,
                     {VisibleText(d.item), d.field, VisibleText(d.oldValue), VisibleText(d.newValue)});
}

QStringList DescribeDifferences(const std::vector<ProfileDifference> &differences)
{
    QStringList lines;
    for (const ProfileDifference &d : differences)
        lines << DescribeDifference(d);
    return lines;
}

QByteArray DifferencesToJson(const std::vector<ProfileDifference> &differences)
{
    static const char *const kKinds[] = {"added", "removed", "changed"};
    QJsonArray list;
    for (const ProfileDifference &d : differences) {
        QJsonObject o{{QStringLiteral("kind"), QLatin1String(kKinds[d.kind])},
                      {QStringLiteral("section"), d.section},
                      {QStringLiteral("key"), d.key},
                      {QStringLiteral("item"), d.item}};
        if (d.kind == ProfileDifference::Changed) {
            o.insert(QStringLiteral("field"), d.field);
            o.insert(QStringLiteral("old"), d.oldValue);
            o.insert(QStringLiteral("new"), d.newValue);
        }
        list.append(o);
    }
    const QJsonObject root{{QStringLiteral("equal"), differences.empty()}, {QStringLiteral("differences"), list}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

VirtualCPData ExpectedAfterWrite(const VirtualCPData &record, const VirtualCPLimit &radio)
{
    VirtualCPData prepared = record;
    RecountCounters(prepared);
    CheckFits(prepared, radio);
    PrepareRecordForWrite(prepared, radio);
    VirtualCPData expected = StoreAsRadio(prepared).radio;
    expected.limit = radio;
    FinishRead(expected);
    RecountCounters(expected);
    return expected;
}

}  // namespace zqv::link
