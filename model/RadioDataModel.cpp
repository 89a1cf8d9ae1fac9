#include "RadioDataModel.h"

#include "DataAdaptor.h"
#include "ProfileFormat.h"
#include "SettingDocs.h"
#include "SettingsMerge.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TextFile.h"
#include "ZQVCPSException.h"

#include <QRegularExpression>
#include <QSet>

namespace zqv {

namespace {

const char kOpInitialize[] = "CRadioDataModel::Initialize";
const char kOpLoadProfile[] = "CRadioDataModel::LoadProfile";
const char kOpInitialOperaDoc[] = "CRadioDataModel::InitialOperaDoc";
const char kOpValidateProfile[] = "CRadioDataModel::ValidateProfile";
const char kOpTakeOffDoc[] = "CRadioDataModel::TakeOffDoc";
const char kOpConvertToLatest[] = "CRadioDataModel::ConvertToLatest";
const char kProfileTemplateDir[] = "ProfileTemplate";

bool IsTrue(const QString &text)
{
    const QString t = text.trimmed();
    return t == QLatin1String("1") || t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

// Leading decimal digits as a signed 64-bit integer (an optional minus sign first); text
// without digits reads as 0.
qint64 ToInt64(const QString &text)
{
    qsizetype i = 0;
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        ++i;
    quint64 value = 0;
    for (; i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9'); ++i)
        value = value * 10 + static_cast<quint64>(text.at(i).unicode() - '0');
    return negative ? -static_cast<qint64>(value) : static_cast<qint64>(value);
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

bool StartsWithAnyCase(const QString &text, const char *prefix)
{
    return text.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}

}  // namespace

CRadioDataModel::CRadioDataModel(CModelEnvironment environment) : m_env(std::move(environment)) {}

CRadioDataModel::~CRadioDataModel() = default;

QString CRadioDataModel::ReadInstallationFile(const char *name, const char *plainStart) const
{
    const QString path = QStringLiteral("%1/%2/%3").arg(m_env.installDir, QLatin1String(kProfileTemplateDir),
                                                         QLatin1String(name));
    int mode = TEXT_MODE_UTF16;
    QString text = ReadTextFile(path, &mode);
    if (text.isEmpty())
        ZQV_THROW(IDS_FATAL_ERROR_REINSTALL, kOpInitialize, QStringLiteral("read '%1' failed").arg(path));
    if (!StartsWithAnyCase(text, plainStart))
        ScrambleText(text, mode);
    return text;
}

bool CRadioDataModel::Initialize()
{
    try {
        // The plain rule script starts with "use strict" (in either kind of quotes); any other
        // text is the scrambled form.
        const QString path = QStringLiteral("%1/%2/DataProfile.js").arg(m_env.installDir, QLatin1String(kProfileTemplateDir));
        int mode = TEXT_MODE_UTF16;
        QString text = ReadTextFile(path, &mode);
        if (text.isEmpty())
            ZQV_THROW(IDS_FATAL_ERROR_REINSTALL, kOpInitialize, QStringLiteral("read '%1' failed").arg(path));
        if (!StartsWithAnyCase(text, "\"use strict\"") && !StartsWithAnyCase(text, "'use strict'"))
            ScrambleText(text, mode);

        auto script = std::make_shared<CScriptHost>();
        QString error;
        if (!script->Load(text, &error)) {
            // "line N: description", as the script host reports it
            static const QRegularExpression lineRe(QStringLiteral("^line (\\d+): (.*)$"),
                                                   QRegularExpression::DotMatchesEverythingOption);
            const auto m = lineRe.match(error);
            if (m_env.prompter)
                m_env.prompter->Show(LoadStr(IDS_SCRIPT_ERROR_TITLE) +
                                         FormatStr(IDS_SCRIPT_ERROR_LINE, {m.hasMatch() ? m.captured(1) : QStringLiteral("0")}) +
                                         (m.hasMatch() ? m.captured(2) : error),
                                     MB_OK | MB_ICONERROR);
            ZQV_THROW(IDS_FATAL_ERROR_101, kOpInitialize, QStringLiteral("ParseScriptText failed\n%1").arg(error));
        }
        m_spScript = std::move(script);
        m_bInitialized = true;
        return true;
    }
    ZQV_CATCH_RETHROW(kOpInitialize, IDS_FATAL_ERROR_101)
}

void CRadioDataModel::LoadSchema()
{
    const QString text = ReadInstallationFile("DataProfile.xsd", "<?xml");
    QString error;
    auto schema = CProfileSchema::Load(text.toUtf8(), &error);
    if (!schema)
        throw CZQVCPSException::FromLibraryError(IDS_LOAD_PROFILE_FAILED, kOpLoadProfile, __LINE__, error,
                                                 QStringLiteral("The profile schema does not load"),
                                                 QStringLiteral("DataProfile.xsd"));
    m_spSchema = std::move(schema);
}

bool CRadioDataModel::ValidateProfile(const QString &text)
{
    if (!text.contains(QLatin1String("clone_compatibility_version=\"")))
        return false;
    if (!profile::IsSupportedCloneVersion(text))
        ZQV_THROW(IDS_RADIO_MODEL_UNSUPPORTED, kOpValidateProfile, QStringLiteral("clone_compatibility_version"));
    return true;
}

bool CRadioDataModel::InitialOperaDoc(const QString &source, bool fromFile)
{
    try {
        const QString where = fromFile ? source : QStringLiteral("(profile text)");
        QString text;
        bool singleByte = false;
        if (fromFile) {
            int mode = TEXT_MODE_UTF16;
            TextFileStatus status = TextFileStatus::Ok;
            text = ReadTextFile(source, &mode, kMaxProfileBytes, &status);
            if (status == TextFileStatus::NotRegularFile)
                ZQV_THROW_ARGS(IDS_PROFILE_NOT_REGULAR_FILE, kOpInitialOperaDoc,
                               QStringLiteral("File='%1'\nDesc: not a regular file").arg(source), {source});
            if (status == TextFileStatus::TooLarge)
                ZQV_THROW_ARGS(IDS_PROFILE_TOO_LARGE, kOpInitialOperaDoc,
                               QStringLiteral("File='%1'\nDesc: larger than %2 bytes").arg(source).arg(kMaxProfileBytes),
                               {QString::number(kMaxProfileBytes / 1024)});
            singleByte = mode == TEXT_MODE_CP1252;
            if (!StartsWithAnyCase(text, "<?xml"))
                ScrambleText(text, mode);
        }
        const QString &profileText = fromFile ? text : source;
        ValidateProfile(profileText);
        // One parse per load: the normalising sort works on the parsed document.
        QString reason;
        XmlParseFailure failure = XmlParseFailure::None;
        auto doc = CXmlDocument::Parse(profileText, &reason, &failure);
        if (!doc && failure == XmlParseFailure::TooManyAttributes)
            ZQV_THROW_ARGS(IDS_PROFILE_TOO_MANY_ATTRIBUTES, kOpInitialOperaDoc,
                           QStringLiteral("File='%1'\nDesc: %2").arg(where, reason), {QString::number(kMaxAttributesPerElement)});
        if (!doc)
            ZQV_THROW(IDS_INVALID_PROFILE, kOpInitialOperaDoc, QStringLiteral("File='%1'\nDesc: %2").arg(where, reason));
        if (fromFile)
            CDataAdaptor::SortProfileDocument(*doc);

        // The setting group of the profile's firmware version.
        xmlNodePtr version = doc->SelectOne(nullptr, QLatin1String(profile::kQueryVersion));
        const QString versionText =
            GetAttr(version, "firmware_phase") +
            QString::asprintf("%02X.%02d.%02d", unsigned(ToInt64(GetAttr(version, "firmware_release"))),
                              int(ToInt64(GetAttr(version, "firmware_version"))),
                              int(ToInt64(GetAttr(version, "firmware_revision"))));
        const int group = m_env.upgradeDoc ? GetGroupByVersion(*m_env.upgradeDoc, versionText) : 0;
        xmlNodePtr limit = doc->SelectOne(nullptr, QLatin1String(profile::kQueryLimit));
        // The text check looks at the first double-quoted value only; the parsed value is
        // what the profile really carries.
        if (HasAttr(limit, "clone_compatibility_version")) {
            const QString clone = GetAttr(limit, "clone_compatibility_version");
            if (clone != QLatin1String("1") && clone != QLatin1String("3"))
                ZQV_THROW(IDS_RADIO_MODEL_UNSUPPORTED, kOpValidateProfile, QStringLiteral("clone_compatibility_version"));
        }

        m_spOperaDoc = std::move(doc);
        m_bSingleByte = singleByte;
        m_nSettingGroup = group;
        m_nCloneCompatibility = static_cast<int>(ToInt64(GetAttr(limit, "clone_compatibility_version")));
        BuildAdaptationLists();
        return true;
    }
    ZQV_CATCH_RETHROW(kOpInitialOperaDoc, IDS_LOAD_PROFILE_FAILED)
}

bool CRadioDataModel::LoadProfile(const QString &source, bool fromFile)
{
    // A failed load leaves the loaded profile (and everything the views hold of it) as it was.
    const auto keepOpera = m_spOperaDoc;
    const int keepGroup = m_nSettingGroup, keepClone = m_nCloneCompatibility;
    const bool keepSingleByte = m_bSingleByte;
    const auto keepAdd = m_addList, keepConvert = m_convertList;
    try {
        if (!m_bInitialized && !Initialize())
            return false;
        if (!m_spSchema)
            LoadSchema();
        if (!InitialOperaDoc(source, fromFile))
            return false;
        ApplyAddList(*m_spOperaDoc);

        QString reason;
        if (!m_spSchema->Validate(*m_spOperaDoc, &reason))
            ZQV_THROW(IDS_INVALID_PROFILE, kOpLoadProfile,
                      QStringLiteral("File='%1'\nDesc: %2").arg(fromFile ? source : QStringLiteral("(profile text)"), reason));
        // The schema caps each contact list; the radio image has 150 slots for all of them
        // together, and contacts past that would be lost on the way to a radio.
        const int contacts = static_cast<int>(m_spOperaDoc->Select(nullptr, QLatin1String(profile::kQueryAllContacts)).size());
        if (contacts > profile::kMaxContacts)
            ZQV_THROW(IDS_INVALID_PROFILE, kOpLoadProfile,
                      QStringLiteral("File='%1'\nDesc: %2 contacts, at most %3 fit a radio")
                          .arg(fromFile ? source : QStringLiteral("(profile text)")).arg(contacts).arg(profile::kMaxContacts));
        RequireSettingFields(*m_spOperaDoc, fromFile ? source : QStringLiteral("(profile text)"));

        // The checked and adapted document becomes the profile document; the operating
        // document is rebuilt from it at every save.
        auto context = std::make_shared<CProfileContext>();
        context->doc = m_spOperaDoc;
        context->schema = m_spSchema;
        context->script = m_spScript;
        m_spScript->SetDocument(context->doc);
        m_spContext = std::move(context);
        m_spOperaDoc.reset();
        BuildBankTable(*m_spContext->doc);
        return true;
    } catch (...) {
        m_spOperaDoc = keepOpera;
        m_nSettingGroup = keepGroup;
        m_nCloneCompatibility = keepClone;
        m_bSingleByte = keepSingleByte;
        m_addList = keepAdd;
        m_convertList = keepConvert;
        try {
            throw;
        }
        ZQV_CATCH_RETHROW(kOpLoadProfile, IDS_LOAD_PROFILE_FAILED)
    }
}

std::shared_ptr<CXmlDocument> CRadioDataModel::ProfileDocument() const
{
    return m_spContext ? m_spContext->doc : nullptr;
}

CDataItem CRadioDataModel::RootItem() const
{
    return m_spContext ? CDataItem(m_spContext, m_spContext->doc->Root()) : CDataItem();
}

QString CRadioDataModel::ProfileText() const
{
    return m_spContext ? m_spContext->doc->ToString() : QString();
}

QString CRadioDataModel::OperatingText() const
{
    return m_spOperaDoc ? m_spOperaDoc->ToString() : QString();
}

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
                    if (e.isTag ? ChildNamed(target, e.name) != nullptr : HasAttr(target, e.name.toUtf8().constData())) {
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
    const auto groups = upgrade.Select(nullptr, QStringLiteral("//dfns:UpDownGradeSetting/dfns:CodePlugSetting/dfns:*"));
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
    const XPathVars vars{{"region", m_env.regionCode}, {"clone", QStringLiteral("Clone_%1").arg(m_nCloneCompatibility)}};
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
                           QStringLiteral("File='%1'\nDesc: the setting attribute '%2' is missing").arg(where, name), {name});
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
            const QString value = e.replaceBy.isEmpty() ? e.defaultValue
                                                        : GetAttr(target, e.replaceBy.toUtf8().constData());
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
                     m_env.upgradeDoc->SelectOne(nullptr, base + QStringLiteral("/dfns:*[local-name() = $region]/dfns:*[@name = $name]"), vars)) ||
                    m_env.upgradeDoc->SelectOne(nullptr, base + QStringLiteral("/dfns:RegionCommon/dfns:*[@name = $name]"), vars);
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
        const QString base = QStringLiteral("//dfns:UpDownGradeSetting/dfns:CPSVersion/dfns:G%1").arg(kLatestSettingGroup);
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
                      QStringLiteral("No firmware version of setting group %1 ('%2')").arg(kLatestSettingGroup).arg(versionText));
        xmlNodePtr version = m_spOperaDoc->SelectOne(nullptr, QLatin1String(profile::kQueryVersion));
        if (!version)
            ZQV_THROW(IDS_SAVE_FORMAT_ERROR, kOpConvertToLatest, QStringLiteral("The profile has no version element"));
        SetAttr(version, "firmware_release", QString::number(m.captured(1).toUInt(nullptr, 16)));
        SetAttr(version, "firmware_version", QString::number(m.captured(2).toUInt()));
        SetAttr(version, "firmware_revision", QString::number(m.captured(3).toUInt()));
    }
    ZQV_CATCH_RETHROW(kOpConvertToLatest, IDS_SAVE_FORMAT_ERROR)
}

void CRadioDataModel::BuildBankTable(const CXmlDocument &doc)
{
    xmlNodePtr limit = doc.SelectOne(nullptr, QLatin1String(profile::kQueryLimit));
    for (int i = 0; i < 4; ++i) {
        Bank &b = m_banks[i];
        b = Bank{};
        b.size = static_cast<qint32>(ToInt64(GetAttr(limit, ("public_grp_info_lst_size" + QByteArray::number(i)).constData())));
        b.startPid = GetAttr(limit, ("public_grp_info_start_pid" + QByteArray::number(i)).constData());
        const qint64 p = ToInt64(b.startPid);
        const bool upper = p >= 17179867884LL && p <= 17179869183LL;
        const bool lower = p >= 0 && p <= 10000001LL;
        if (b.size <= 0 || !(upper || lower))
            continue;
        const qint64 d = qAbs(static_cast<qint64>(static_cast<qint32>(static_cast<quint32>(p & 0xFFFFFFFF))) + 1);
        if (d < 1297)
            b.first = static_cast<qint32>(d + 1);
        else if (p <= 10000001LL)
            b.first = static_cast<qint32>((10000001LL - p) + 1298);
        b.last = b.size + b.first - 1;
    }
}

}  // namespace zqv
