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
const char kProfileTemplateDir[] = "ProfileTemplate";

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

bool StartsWithAnyCase(const QString &text, const char *prefix)
{
    return text.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}

}  // namespace

CRadioDataModel::CRadioDataModel(CModelEnvironment environment) : m_env(std::move(environment)) {}

CRadioDataModel::~CRadioDataModel() = default;

QString CRadioDataModel::ReadInstallationFile(const char *name, const char *plainStart) const
{
    const QString path =
        QStringLiteral("%1/%2/%3").arg(m_env.installDir, QLatin1String(kProfileTemplateDir), QLatin1String(name));
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
        const QString path =
            QStringLiteral("%1/%2/DataProfile.js").arg(m_env.installDir, QLatin1String(kProfileTemplateDir));
        int mode = TEXT_MODE_UTF16;
        QString text = ReadTextFile(path, &mode);
        if (text.isEmpty())
            ZQV_THROW(IDS_FATAL_ERROR_REINSTALL, kOpInitialize, QStringLiteral("read '%1' failed").arg(path));
        if (!StartsWithAnyCase(text, "\"use strict\"") && !StartsWithAnyCase(text, "'use strict'"))
            ScrambleText(text, mode);

        auto script = CreateRuleScript();
        QString error;
        if (!script->Load(text, &error)) {
            // "line N: description", as the script host reports it
            static const QRegularExpression lineRe(QStringLiteral("^line (\\d+): (.*)$"),
                                                   QRegularExpression::DotMatchesEverythingOption);
            const auto m = lineRe.match(error);
            if (m_env.prompter)
                m_env.prompter->Show(
                    LoadStr(IDS_SCRIPT_ERROR_TITLE) +
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
                ZQV_THROW_ARGS(
                    IDS_PROFILE_TOO_LARGE, kOpInitialOperaDoc,
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
                           QStringLiteral("File='%1'\nDesc: %2").arg(where, reason),
                           {QString::number(kMaxAttributesPerElement)});
        if (!doc)
            ZQV_THROW(IDS_INVALID_PROFILE, kOpInitialOperaDoc,
                      QStringLiteral("File='%1'\nDesc: %2").arg(where, reason));
        if (fromFile)
            CDataAdaptor::SortProfileDocument(*doc);

        // The setting group of the profile's firmware version.
        xmlNodePtr version = doc->SelectOne(nullptr, QLatin1String(profile::kQueryVersion));
        const QString versionText = GetAttr(version, "firmware_phase") +
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
                ZQV_THROW(IDS_RADIO_MODEL_UNSUPPORTED, kOpValidateProfile,
                          QStringLiteral("clone_compatibility_version"));
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
                      QStringLiteral("File='%1'\nDesc: %2")
                          .arg(fromFile ? source : QStringLiteral("(profile text)"), reason));
        // The schema caps each contact list; the radio image has 150 slots for all of them
        // together, and contacts past that would be lost on the way to a radio.
        const int contacts =
            static_cast<int>(m_spOperaDoc->Select(nullptr, QLatin1String(profile::kQueryAllContacts)).size());
        if (contacts > profile::kMaxContacts)
            ZQV_THROW(IDS_INVALID_PROFILE, kOpLoadProfile,
                      QStringLiteral("File='%1'\nDesc: %2 contacts, at most %3 fit a radio")
                          .arg(fromFile ? source : QStringLiteral("(profile text)"))
                          .arg(contacts)
                          .arg(profile::kMaxContacts));
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

bool CRadioDataModel::RestoreProfileDocument(const QByteArray &utf8)
{
    if (!m_spContext || !m_spScript)
        return false;
    auto doc = CXmlDocument::Parse(utf8);
    if (!doc)
        return false;
    auto context = std::make_shared<CProfileContext>(*m_spContext);
    context->doc = std::move(doc);
    m_spScript->SetDocument(context->doc);
    m_spContext = std::move(context);
    BuildBankTable(*m_spContext->doc);
    return true;
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

void CRadioDataModel::BuildBankTable(const CXmlDocument &doc)
{
    xmlNodePtr limit = doc.SelectOne(nullptr, QLatin1String(profile::kQueryLimit));
    for (int i = 0; i < 4; ++i) {
        Bank &b = m_banks[i];
        b = Bank{};
        b.size = static_cast<qint32>(
            ToInt64(GetAttr(limit, ("public_grp_info_lst_size" + QByteArray::number(i)).constData())));
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
