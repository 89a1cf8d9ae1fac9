// Adapting a profile to the setting group of its firmware version: the list of fields and tags
// its group lacks (added with their defaults on load), and taking them off again on saving or
// converting the profile to the latest format.
#include "RadioDataModel.h"

#include "ProfileFormat.h"
#include "SettingDocs.h"
#include "StringIds.h"
#include "ZQVCPSException.h"

#include <QRegularExpression>
#include <QSet>

namespace zqv {

namespace {

const char kOpLoadProfile[] = "CRadioDataModel::LoadProfile";
const char kOpTakeOffDoc[] = "CRadioDataModel::TakeOffDoc";
const char kOpConvertToLatest[] = "CRadioDataModel::ConvertToLatest";

bool IsTrue(const QString &text)
{
    const QString t = text.trimmed();
    return t == QLatin1String("1") || t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

// The elements of `doc` named `name`, in the profile namespace. Names come from the setting
// documents: one that is not a plain element name names no element and never reaches a query.
std::vector<xmlNodePtr> ElementsNamed(const CXmlDocument &doc, const QString &name)
{
    if (!IsQueryName(name))
        return {};
    return doc.Select(nullptr, QStringLiteral("//dfns:") + name);
}

// The adaptation entries below `parent` (CPField and CPTag elements) that `accept` takes.
template <typename Accept>
void CollectEntries(xmlNodePtr parent, std::vector<xmlNodePtr> &out, Accept accept)
{
    for (xmlNodePtr child : ElementChildren(parent)) {
        const QString kind = NodeName(child);
        if ((kind == QLatin1String("CPField") || kind == QLatin1String("CPTag")) && accept(child))
            out.push_back(child);
    }
}

xmlNodePtr ChildNamed(xmlNodePtr parent, const QString &name)
{
    for (xmlNodePtr child : ElementChildren(parent))
        if (NodeName(child) == name)
            return child;
    return nullptr;
}

CRadioDataModel::AdaptEntry EntryOf(xmlNodePtr node)
{
    CRadioDataModel::AdaptEntry e;
    e.isTag = NodeName(node) == QLatin1String("CPTag");
    e.name = GetAttr(node, "name");
    e.node = GetAttr(node, e.isTag ? "parentNode" : "nodename");
    e.defaultValue = GetAttr(node, "defaulvalue");
    e.replaceBy = GetAttr(node, "replaceby");
    e.optional = IsTrue(GetAttr(node, "optional"));
    return e;
}

}  // namespace

QString CRadioDataModel::GroupPath(int group) const
{
    return QStringLiteral("//dfns:UpDownGradeSetting/dfns:CodePlugSetting/dfns:G%1").arg(group);
}

void CRadioDataModel::BuildAdaptationLists()
{
    m_addList = BuildAddList(m_nSettingGroup);
    m_convertList = m_nSettingGroup == kLatestSettingGroup ? m_addList : BuildAddList(kLatestSettingGroup);
}

// The fields and tags a profile of `group` gets on load: those that exist in the other
// setting groups but not in its own, and those its own group marks as absent or optional
// that the profile does not carry.
std::vector<CRadioDataModel::AdaptEntry> CRadioDataModel::BuildAddList(int group) const
{
    std::vector<AdaptEntry> out;
    if (!m_env.upgradeDoc || !m_spOperaDoc)
        return out;
    const CXmlDocument &upgrade = *m_env.upgradeDoc;
    const QString region = m_env.regionCode;
    const QString clone = QStringLiteral("Clone_%1").arg(m_nCloneCompatibility);
    const bool regionUsable = IsQueryName(region);
    auto existing = [](xmlNodePtr n) { return GetAttr(n, "isExist") == QLatin1String("1"); };
    auto absentOrOptional = [](xmlNodePtr n) {
        const QString e = GetAttr(n, "isExist");
        return e == QLatin1String("0") || (e == QLatin1String("1") && IsTrue(GetAttr(n, "optional")));
    };
    // The entries of one group element, in the order: the clone part of the region, the
    // region, the common part.
    auto entriesOf = [&](xmlNodePtr groupElement, auto accept) {
        std::vector<xmlNodePtr> entries;
        xmlNodePtr regionElement = regionUsable ? ChildNamed(groupElement, region) : nullptr;
        if (regionElement) {
            if (xmlNodePtr clonePart = ChildNamed(regionElement, clone))
                CollectEntries(clonePart, entries, accept);
            CollectEntries(regionElement, entries, accept);
        }
        if (xmlNodePtr common = ChildNamed(groupElement, QStringLiteral("RegionCommon")))
            CollectEntries(common, entries, accept);
        return entries;
    };

    // Keep list: what exists in the profile's own group. An optional field counts only when
    // the profile carries it.
    QSet<QString> keep;
    if (xmlNodePtr own = upgrade.SelectOne(nullptr, GroupPath(group))) {
        for (xmlNodePtr n : entriesOf(own, existing)) {
            const AdaptEntry e = EntryOf(n);
            if (e.name.isEmpty() || keep.contains(e.name))
                continue;
            if (e.optional) {
                bool present = false;
                for (xmlNodePtr target : ElementsNamed(*m_spOperaDoc, e.node))
                    if (e.isTag ? ChildNamed(target, e.name) != nullptr
                                : HasAttr(target, e.name.toUtf8().constData())) {
                        present = true;
                        break;
                    }
                if (!present)
                    continue;
            }
            keep.insert(e.name);
        }
    }

    // Add list: every group from the last back to the second (the first is the base the
    // others are described against).
    const auto groups =
        upgrade.Select(nullptr, QStringLiteral("//dfns:UpDownGradeSetting/dfns:CodePlugSetting/dfns:*"));
    QSet<QString> added;
    const QString ownName = QStringLiteral("G%1").arg(group);
    for (int i = static_cast<int>(groups.size()) - 1; i >= 1; --i) {
        const bool isOwn = NodeName(groups[i]) == ownName;
        const auto entries = isOwn ? entriesOf(groups[i], absentOrOptional) : entriesOf(groups[i], existing);
        for (xmlNodePtr n : entries) {
            AdaptEntry e = EntryOf(n);
            if (e.name.isEmpty() || e.node.isEmpty() || keep.contains(e.name) || added.contains(e.name))
                continue;
            added.insert(e.name);
            out.push_back(std::move(e));
        }
    }
    return out;
}

// A profile carries every setting field of its setting group (older groups gain the later
// fields on load). One without cannot be converted for a radio, so it is refused naming the
// field rather than failing later, after a write has already talked to the radio.
void CRadioDataModel::RequireSettingFields(const CXmlDocument &doc, const QString &where) const
{
    xmlNodePtr setting = doc.SelectOne(nullptr, QLatin1String(profile::kQuerySetting));
    if (!m_env.upgradeDoc || !setting)
        return;
    const XPathVars vars{{"region", m_env.regionCode},
                         {"clone", QStringLiteral("Clone_%1").arg(m_nCloneCompatibility)}};
    const QString group = GroupPath(m_nSettingGroup);
    const QString fields = QStringLiteral("/dfns:CPField[@nodename = 'setting' and @isExist = '1']");
    const QString region = group + QStringLiteral("/dfns:*[local-name() = $region]");
    for (const QString &part : {group + QStringLiteral("/dfns:RegionCommon"), region,
                                region + QStringLiteral("/dfns:*[local-name() = $clone]")}) {
        for (xmlNodePtr field : m_env.upgradeDoc->Select(nullptr, part + fields, vars)) {
            const QString name = GetAttr(field, "name");
            if (IsTrue(GetAttr(field, "optional")) || name.isEmpty() || HasAttr(setting, name.toUtf8().constData()))
                continue;
            ZQV_THROW_ARGS(IDS_PROFILE_SETTING_MISSING, kOpLoadProfile,
                           QStringLiteral("File='%1'\nDesc: the setting attribute '%2' is missing").arg(where, name),
                           {name});
        }
    }
}

void CRadioDataModel::ApplyAddList(CXmlDocument &doc) const
{
    for (const AdaptEntry &e : m_addList) {
        const QByteArray name = e.name.toUtf8();
        for (xmlNodePtr target : ElementsNamed(doc, e.node)) {
            if (e.isTag) {
                // A profile read from a radio, or written by a program that knows the tag,
                // carries it already; a second one would make the profile invalid.
                if (!ChildNamed(target, e.name))
                    xmlAddChild(target, doc.CreateElement(e.name));
                continue;
            }
            const QString value =
                e.replaceBy.isEmpty() ? e.defaultValue : GetAttr(target, e.replaceBy.toUtf8().constData());
            SetAttr(target, name.constData(), value);
        }
    }
}

void CRadioDataModel::TakeOffDoc(bool convert)
{
    try {
        if (!m_spContext)
            ZQV_THROW(IDS_SAVE_FORMAT_ERROR, kOpTakeOffDoc, QStringLiteral("No profile is loaded"));
        auto opera = CXmlDocument::Adopt(xmlCopyDoc(m_spContext->doc->Doc(), 1));
        if (!opera)
            ZQV_THROW(IDS_SAVE_FORMAT_ERROR, kOpTakeOffDoc, QStringLiteral("copy of the profile document failed"));
        const int target = convert ? kLatestSettingGroup : m_nSettingGroup;
        const auto &list = convert ? m_convertList : m_addList;
        const bool regionUsable = IsQueryName(m_env.regionCode);
        for (const AdaptEntry &e : list) {
            if (e.isTag) {
                for (xmlNodePtr parent : ElementsNamed(*opera, e.node))
                    for (xmlNodePtr child : ElementChildren(parent))
                        if (NodeName(child) == e.name)
                            opera->Detach(child);
                continue;
            }
            if (e.optional && m_env.upgradeDoc) {
                // An optional field that the target group knows stays.
                const XPathVars vars{{"name", e.name}, {"region", m_env.regionCode}};
                const QString base = GroupPath(target);
                const bool known =
                    (regionUsable &&
                     m_env.upgradeDoc->SelectOne(
                         nullptr, base + QStringLiteral("/dfns:*[local-name() = $region]/dfns:*[@name = $name]"),
                         vars)) ||
                    m_env.upgradeDoc->SelectOne(
                        nullptr, base + QStringLiteral("/dfns:RegionCommon/dfns:*[@name = $name]"), vars);
                if (known)
                    continue;
            }
            const QByteArray name = e.name.toUtf8();
            for (xmlNodePtr node : ElementsNamed(*opera, e.node))
                RemoveAttr(node, name.constData());
        }
        m_spOperaDoc = std::move(opera);
    }
    ZQV_CATCH_RETHROW(kOpTakeOffDoc, IDS_SAVE_FORMAT_ERROR)
}

void CRadioDataModel::ConvertToLatest()
{
    try {
        if (!m_spOperaDoc || !m_env.upgradeDoc)
            ZQV_THROW(IDS_SAVE_FORMAT_ERROR, kOpConvertToLatest, QStringLiteral("No operating document"));
        const QString base =
            QStringLiteral("//dfns:UpDownGradeSetting/dfns:CPSVersion/dfns:G%1").arg(kLatestSettingGroup);
        QString versionText;
        if (xmlNodePtr span = m_env.upgradeDoc->SelectOne(nullptr, base + QStringLiteral("/dfns:VerSpan")))
            versionText = GetAttr(span, "startVer");
        else if (xmlNodePtr exact = m_env.upgradeDoc->SelectOne(nullptr, base + QStringLiteral("/dfns:FirmwareVer")))
            versionText = GetAttr(exact, "version");
        // XX.YY.ZZ after any phase letters: XX hexadecimal, YY and ZZ decimal.
        while (versionText.startsWith(QLatin1Char('D')) || versionText.startsWith(QLatin1Char('R')))
            versionText.remove(0, 1);
        static const QRegularExpression re(QStringLiteral("^([0-9A-Fa-f]{2}).(\\d{2}).(\\d{2})$"));
        const auto m = re.match(versionText);
        if (!m.hasMatch())
            ZQV_THROW(IDS_SAVE_FORMAT_ERROR, kOpConvertToLatest,
                      QStringLiteral("No firmware version of setting group %1 ('%2')")
                          .arg(kLatestSettingGroup)
                          .arg(versionText));
        xmlNodePtr version = m_spOperaDoc->SelectOne(nullptr, QLatin1String(profile::kQueryVersion));
        if (!version)
            ZQV_THROW(IDS_SAVE_FORMAT_ERROR, kOpConvertToLatest, QStringLiteral("The profile has no version element"));
        SetAttr(version, "firmware_release", QString::number(m.captured(1).toUInt(nullptr, 16)));
        SetAttr(version, "firmware_version", QString::number(m.captured(2).toUInt()));
        SetAttr(version, "firmware_revision", QString::number(m.captured(3).toUInt()));
    }
    ZQV_CATCH_RETHROW(kOpConvertToLatest, IDS_SAVE_FORMAT_ERROR)
}

}  // namespace zqv
