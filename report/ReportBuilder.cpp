#include "ReportBuilder.h"

#include "Collation.h"
#include "ConfigStore.h"
#include "FileSave.h"
#include "ProfileFormat.h"
#include "StringIds.h"
#include "StringTable.h"
#include "XmlDom.h"
#include "ZQVCPSDoc.h"
#include "ZQVCPSException.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringEncoder>
#include <algorithm>
#include <vector>

namespace zqv {

namespace {

constexpr char kOpLoadTemplate[] = "LoadReportTemplate";
constexpr char kOpSaveReport[] = "SaveReport";
constexpr char kOpBuild[] = "CReportBuilder::Build";

// The page fragments. "\t\t   " between the cells keeps the generated source readable.
const QString kRule = QStringLiteral("<HR color='#0000ff'>");
const QString kSectionTitle = QStringLiteral("<div class=\"ItemTitle\">%1</div>");
const QString kSubTitle = QStringLiteral("<span class=\"ItemTitleU\">%1</span><BR>");
const QString kLabelValue =
    QStringLiteral("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"Item\">\t\t   <tr>\t\t   "
                   "<td width=\"110\" class=\"ItemName\">%1:</td>\t\t   <td width=\"70\" class=\"ItemVal\">%2</td>"
                   "\t\t   </tr>\t\t   </table>");
const QString kIndentedLine = QStringLiteral(
    "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"Item\">\t\t   <tr>\t\t   "
    "<td width=\"15\">&nbsp;</td>\t\t   <td width=\"265\" class=\"ItemVal\">%1</td>\t\t   </tr>\t\t   </table>");
const QString kParagraph = QStringLiteral("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\">\t\t   <tr>\t\t   "
                                          "<td class=\"ItemVal\"><p>%1</p></td>\t\t   </tr>\t\t   </table>");
const QString kListStart = QStringLiteral("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\">");
const QString kListPair = QStringLiteral("<tr><td width=\"15\">&nbsp;</td><td width=\"265\" class=\"ItemVal\">%1</td>"
                                         "<td width=\"265\" class=\"ItemVal\">%2</td></tr>");
// The head rows of the contact tables are table heads, so a table that continues onto a new
// printed page repeats them there.
const QString kContactHead = QStringLiteral(
    "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"Item\">\t\t   <thead><tr>\t\t   "
    "<td width=\"136\" class=\"ItemTitleUC\">Name</td>\t\t   <td width=\"74\" class=\"ItemTitleUC\">PID</td>"
    "\t\t   <td width=\"46\" class=\"ItemTitleUC\">Channel</td>\t\t   </tr></thead>");
const QString kContactRow =
    QStringLiteral("<tr>\t\t   <td  class=\"ItemVal\">%1</td>\t\t   <td class=\"ItemVal\">%2</td>\t\t   "
                   "<td class=\"ItemVal\">%3</td>\t\t   </tr>");
const QString kPrivateHead = QStringLiteral(
    "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" class=\"Item\">\t\t   <thead><tr>\t\t   "
    "<td width=\"100\" class=\"ItemTitleUC\">Name</td>\t\t   <td width=\"74\" class=\"ItemTitleUC\">PID</td>"
    "\t\t   <td width=\"48\" class=\"ItemTitleUC\">Channel</td>\t\t   "
    "<td width=\"30\" class=\"ItemTitleUC\" Title=\"Group Only\">G.O.</td>\t\t   </tr></thead>");
const QString kPrivateRow =
    QStringLiteral("<tr>\t\t   <td class=\"ItemVal\">%1</td>\t\t   <td class=\"ItemVal\">%2</td>\t\t   "
                   "<td class=\"ItemVal\">%3</td>\t\t   <td class=\"ItemVal\">%4</td>\t\t   </tr>");
const QString kTableEnd = QStringLiteral("</table>");
const QString kDealerTable =
    QStringLiteral("<table width='445'><tr><td><table width=\"100%\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\">"
                   "\t\t   <tr>\t\t   <td width=\"33%\" class=\"ItemVal\" align=\"left\" valign=\"top\">%1</td>"
                   "\t\t   <td width=\"33%\" class=\"ItemVal\" align=\"center\" valign=\"top\">%2</td>"
                   "\t\t   <td width=\"33%\" class=\"ItemVal\" align=\"right\" valign=\"top\">%3</td>"
                   "\t\t   </tr>\t\t   </table></td></tr></table>");

// QString::arg would expand "%1" inside an earlier argument; these fill a fragment's places
// in one pass so that names with percent signs stay as they are.
QString Fill(const QString &fragment, const QStringList &values)
{
    QString out;
    out.reserve(fragment.size() + 64);
    for (qsizetype i = 0; i < fragment.size(); ++i) {
        const QChar c = fragment.at(i);
        if (c == u'%' && i + 1 < fragment.size() && fragment.at(i + 1).isDigit()) {
            const int n = fragment.at(i + 1).digitValue();
            if (n >= 1 && n <= values.size()) {
                out += values.at(n - 1);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}
QString Fill(const QString &fragment, const QString &value)
{
    return Fill(fragment, QStringList{value});
}

QString Label(int id)
{
    return report::EscapeText(LoadStr(id));
}

// One contact of the profile, read once so that building never queries per name.
struct Contact {
    int type = 0;
    QString name;
    QString pid;
    int channel = 0;
    bool inScroll = false;
    bool inScan = false;
    // Private contacts only.
    QString homeGroup;
    bool groupOnly = false;
    bool managerMode = false;
    bool seeAllGroups = false;
    bool privateScrollList = false;
    int alertTone = 0;
    QStringList parentGroups;
    QStringList scrollNames;
};

bool Flag(xmlNodePtr e, const char *name)
{
    return AttrNumber(e, name) == 1;
}
int Int(xmlNodePtr e, const char *name)
{
    return GetAttr(e, name).trimmed().toInt();
}

// A name list kept in collation order; equal names keep the order they came in.
void SortNames(QStringList &names)
{
    std::stable_sort(names.begin(), names.end(), CollateLess);
}
template <class T>
void SortByName(std::vector<const T *> &items)
{
    std::stable_sort(items.begin(), items.end(), [](const T *a, const T *b) { return CollateLess(a->name, b->name); });
}

class CProfileFacts {
public:
    explicit CProfileFacts(const CZQVCPSDoc &doc) : m_doc(doc)
    {
        const std::shared_ptr<CXmlDocument> xml = doc.Model().ProfileDocument();
        if (!xml)
            ZQV_THROW(IDS_FATAL_ERROR_101, kOpBuild, QStringLiteral("No profile document"));
        limit = Require(*xml, profile::kQueryLimit, "limit");
        version = Require(*xml, profile::kQueryVersion, "version");
        setting = Require(*xml, profile::kQuerySetting, "setting");
        xmlNodePtr contacts = xml->SelectOne(nullptr, QStringLiteral("//dfns:Contacts"));
        ForEachElement(contacts, [&](xmlNodePtr e) {
            if (!HasAttr(e, "cntct_type"))
                return true;
            Contact c;
            c.type = Int(e, "cntct_type");
            c.name = GetAttr(e, "name");
            c.pid = GetAttr(e, "pid");
            c.channel = Int(e, "channel");
            c.inScroll = Flag(e, "in_scroll_list");
            c.inScan = Flag(e, "in_scan_list");
            if (c.type == profile::kPrivateContact) {
                c.homeGroup = GetAttr(e, "home_grp");
                c.groupOnly = Flag(e, "show_grp_only");
                c.managerMode = Flag(e, "mngr_mode");
                c.seeAllGroups = Flag(e, "see_all_groups");
                c.privateScrollList = Flag(e, "private_scroll_list");
                c.alertTone = Int(e, "alert_tone");
                ForEachElement(e, [&](xmlNodePtr sub) {
                    if (IsProfileElement(sub, "ParentPrivateGroup"))
                        c.parentGroups << GetAttr(sub, "pid");
                    else if (IsProfileElement(sub, "list"))
                        c.scrollNames << GetAttr(sub, "name");
                    return true;
                });
            }
            all.push_back(std::move(c));
            return true;
        });
        for (const Contact &c : all)
            (c.type == profile::kPublicGroup        ? publics
                 : c.type == profile::kPrivateGroup ? privateGroups
                                                    : privates)
                .push_back(&c);
        SortByName(publics);
        SortByName(privateGroups);
        SortByName(privates);
        ForEachElement(xml->SelectOne(nullptr, QStringLiteral("//dfns:TextMessages")), [&](xmlNodePtr e) {
            if (IsProfileElement(e, "TextMessage"))
                messages << GetAttr(e, "txt");
            return true;
        });
        unitPid = GetAttr(limit, "pid");
        for (const Contact *c : privates)
            if (!own && c->pid == unitPid)
                own = c;
    }

    const Contact *ByPid(const QString &pid) const
    {
        if (pid.isEmpty())
            return nullptr;
        for (const Contact &c : all)
            if (c.pid == pid)
                return &c;
        return nullptr;
    }
    // The number a public group is known by on the radio (its bank number); the stored PID
    // when it lies in no bank.
    QString PublicGroupNumber(const QString &pid) const
    {
        const int number = m_doc.PidToNumber(pid);
        return number > 0 ? QString::number(number) : pid;
    }
    int SettingGroup() const { return m_doc.Model().GetSettingGroup(); }
    QString Model() const { return GetAttr(limit, "model"); }

    xmlNodePtr limit = nullptr;
    xmlNodePtr version = nullptr;
    xmlNodePtr setting = nullptr;
    std::vector<Contact> all;
    std::vector<const Contact *> publics, privateGroups, privates;  // each sorted by name
    QStringList messages;
    QString unitPid;
    const Contact *own = nullptr;

private:
    static xmlNodePtr Require(const CXmlDocument &xml, const char *query, const char *what)
    {
        xmlNodePtr node = xml.SelectOne(nullptr, QLatin1String(query));
        if (!node)
            ZQV_THROW(IDS_PROGRAMMING_ERROR_107, kOpBuild, QStringLiteral("Name='%1'").arg(QLatin1String(what)));
        return node;
    }
    const CZQVCPSDoc &m_doc;
};

// The report content as it grows.
class CContent {
public:
    CContent &operator<<(const QString &s)
    {
        m_text += s;
        return *this;
    }
    void Section(int titleId) { m_text += Fill(kSectionTitle, Label(titleId)); }
    void LabelValue(int labelId, const QString &escapedValue)
    {
        m_text += Fill(kLabelValue, {Label(labelId), escapedValue});
    }
    void Indented(const QString &escaped) { m_text += Fill(kIndentedLine, escaped); }
    void None() { Indented(Label(IDS_NONE)); }
    // One indented line per name, or "None".
    void Lines(const QStringList &names)
    {
        for (const QString &n : names)
            Indented(report::EscapeCell(n));
        if (names.isEmpty())
            None();
    }
    // A two-column list of the names, or "None" (and a line break when `breakAfterNone`).
    void List(const QStringList &names, bool breakAfterNone = false)
    {
        QStringList escaped;
        for (const QString &n : names)
            escaped << report::EscapeCell(n);
        if (escaped.isEmpty()) {
            None();
            if (breakAfterNone)
                m_text += QStringLiteral("<BR>");
            return;
        }
        m_text += report::TwoColumnList(escaped);
    }
    void Dealer(const CDealerTexts &d)
    {
        Section(IDS_DEALER_INFO_TITLE);
        m_text += Fill(kDealerTable,
                       {report::EscapeDealerText(d.dealerInfo), report::EscapeDealerText(d.dealerNotes),
                        report::EscapeDealerText(d.contactInfo)});
        m_text += kRule;
    }
    const QString &Text() const { return m_text; }

private:
    QString m_text;
};

QString EnabledText(bool on)
{
    return Label(on ? IDS_ENABLED : IDS_DISABLED);
}

QStringList NamesOf(const std::vector<const Contact *> &contacts)
{
    QStringList names;
    names.reserve(qsizetype(contacts.size()));
    for (const Contact *c : contacts)
        names << c->name;
    return names;
}

// Joins the template's pieces with the contents, the title and picture filled into the first.
QString Assemble(QStringList pieces, const QStringList &contents, const QString &title, const QString &picture)
{
    pieces[0].replace(QStringLiteral("REPORT_TITLE"), title);
    pieces[0].replace(QStringLiteral("MODEL_PIC"), picture);
    QString page;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        page += pieces.at(i);
        if (i < contents.size())
            page += contents.at(i);
    }
    return page;
}

}  // namespace

bool CDealerTexts::IsBlank() const
{
    return dealerInfo.trimmed().isEmpty() && dealerNotes.trimmed().isEmpty() && contactInfo.trimmed().isEmpty();
}

CDealerTexts ReadDealerTexts(const CConfigStore &store, const QString &language, bool *complete)
{
    CDealerTexts texts;
    if (complete)
        *complete = !language.isEmpty();
    if (language.isEmpty())
        return texts;
    // A stored text ends at its first zero character.
    auto read = [&](const ConfigValue &value) {
        const std::optional<QString> stored = store.ReadString(value, language);
        if (complete && !stored)
            *complete = false;
        const QString s = stored.value_or(QString());
        const qsizetype zero = s.indexOf(QChar(0));
        return zero < 0 ? s : s.left(zero);
    };
    texts.dealerInfo = read(config::UserDealerInfo);
    texts.dealerNotes = read(config::UserDealerNotes);
    texts.contactInfo = read(config::UserContactInfo);
    return texts;
}

namespace report {

QString EscapeText(const QString &text)
{
    return text.toHtmlEscaped();
}

QString EscapeCell(const QString &text)
{
    return text.toHtmlEscaped().replace(u' ', QStringLiteral("&nbsp;"));
}

QString EscapeDealerText(const QString &text)
{
    QString out = text.toHtmlEscaped();
    out.replace(QStringLiteral("\r\n"), QStringLiteral("<BR>"));
    // A text typed on this platform may carry bare line feeds.
    out.replace(u'\n', QStringLiteral("<BR>"));
    if (!out.endsWith(QStringLiteral("<BR>")))
        out += QStringLiteral("<BR>");
    return out;
}

QString TwoColumnList(const QStringList &escapedNames)
{
    if (escapedNames.isEmpty())
        return QString();
    QString out = kListStart;
    for (qsizetype i = 0; i < escapedNames.size(); i += 2)
        out +=
            Fill(kListPair,
                 {escapedNames.at(i), i + 1 < escapedNames.size() ? escapedNames.at(i + 1) : QStringLiteral("&nbsp;")});
    out += kTableEnd;
    return out;
}

QString LoadReportTemplate(const QString &installDir, const QString &name)
{
    QFile file(installDir + QStringLiteral("/Report/") + name);
    if (!file.open(QIODevice::ReadOnly))
        ZQV_THROW(IDS_FATAL_ERROR_101, kOpLoadTemplate, QStringLiteral("Open template file failed"));
    // Templates are single-byte text; the shipped ones are ASCII.
    return QString::fromLatin1(file.readAll());
}

QStringList SplitTemplate(const QString &text, int markers)
{
    const QString marker = QLatin1String(kContentMarker);
    QStringList pieces;
    qsizetype from = 0;
    for (int i = 0; i < markers; ++i) {
        const qsizetype at = text.indexOf(marker, from);
        if (at < 0)
            ZQV_THROW(IDS_FATAL_ERROR_101, kOpLoadTemplate, QStringLiteral("Report content marker missing"));
        // The piece keeps the marker and the one character after it (its line break).
        const qsizetype end = std::min(text.size(), at + marker.size() + 1);
        pieces << text.mid(from, end - from);
        from = end;
    }
    pieces << text.mid(from);
    return pieces;
}

QString DefaultReportCacheFolder()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return cache.isEmpty() ? QDir::tempPath() : cache;
}

bool WriteReportFile(const QString &path, const QString &html, QString *reason)
{
    QStringEncoder encoder(QStringEncoder::Utf16LE);
    QByteArray bytes("\xFF\xFE", 2);
    bytes += QByteArray(encoder.encode(html));
    return SaveFileReplacing(path, bytes, reason);
}

QStringList ReferencedPictures(const QString &html)
{
    static const QRegularExpression re(QStringLiteral("src\\s*=\\s*[\"']([^\"'/\\\\:]+\\.jpg)[\"']"),
                                       QRegularExpression::CaseInsensitiveOption);
    QStringList pictures;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const QString name = it.next().captured(1);
        if (!pictures.contains(name))
            pictures << name;
    }
    return pictures;
}

bool CopyPictures(const QStringList &names, const QString &fromDir, const QString &toDir)
{
    // Removing the target first would delete the source itself when both are one folder.
    if (QDir(fromDir).canonicalPath() == QDir(toDir).canonicalPath())
        return true;
    bool copied = true;
    for (const QString &picture : names) {
        const QString source = fromDir + u'/' + picture, target = toDir + u'/' + picture;
        if (!QFileInfo::exists(source))
            continue;
        // A folder, device or pipe under a picture's name is left alone, as any save does.
        if (!SaveTargetRefusal(target).isEmpty()) {
            copied = false;
            continue;
        }
        QFile::remove(target);
        copied = QFile::copy(source, target) && copied;
    }
    return copied;
}

QString SaveReport(const QString &installDir, const QString &cacheDir, const QString &name, const QString &html)
{
    const QString reportDir = installDir + QStringLiteral("/Report");
    const QString first = reportDir + u'/' + name;
    if (WriteReportFile(first, html))
        return first;
    // The Report folder refuses the page: write it to the cache with the pictures it needs.
    QDir().mkpath(cacheDir);
    const QString second = cacheDir + u'/' + name;
    if (QString reason; !WriteReportFile(second, html, &reason))
        ZQV_THROW_ARGS(IDS_SAVE_IO_ERROR, kOpSaveReport,
                       QStringLiteral("Open report file failed\nFile='%1'\nDesc: %2").arg(second, reason),
                       (QStringList{QDir::toNativeSeparators(second), reason}));
    CopyPictures(QDir(reportDir).entryList({QStringLiteral("*.jpg")}, QDir::Files), reportDir, cacheDir);
    return second;
}

}  // namespace report

CReportBuilder::CReportBuilder(const CZQVCPSDoc &doc, QString installDir, CDealerTexts dealer)
    : m_doc(doc), m_strInstallDir(std::move(installDir)), m_dealer(std::move(dealer))
{
}

bool CReportBuilder::IsRadioSpecificAvailable() const
{
    return CProfileFacts(m_doc).own != nullptr;
}

QString CReportBuilder::OutputName(ReportKind kind)
{
    return QLatin1String(kind == ReportKind::RadioSpecific ? report::kRadioSpecificOutput : report::kOverviewOutput);
}

QString CReportBuilder::Build(ReportKind kind) const
{
    return kind == ReportKind::RadioSpecific ? BuildRadioSpecificReport() : BuildOverviewReport();
}

QString CReportBuilder::BuildRadioSpecificReport() const
{
    const QStringList pieces = report::SplitTemplate(
        report::LoadReportTemplate(m_strInstallDir, QLatin1String(report::kRadioSpecificTemplate)), 1);
    const CProfileFacts p(m_doc);
    if (!p.own)
        ZQV_THROW(IDS_REPORT_NO_OWN_RADIO, kOpBuild, QStringLiteral("No private contact has the unit PID"));
    const Contact &own = *p.own;
    const QString model = p.Model();
    const QString modelName = profile::ModelDisplayName(model);
    const QString title = QStringLiteral("%1 - %2:%3 %4:%5")
                              .arg(LoadStr(IDS_RADIO_SPECIFIC_REPORT), LoadStr(IDS_UNIT_PRIVATE_ID), p.unitPid,
                                   LoadStr(IDS_MODEL), modelName);

    CContent c;
    c << QStringLiteral("&nbsp;<BR>&nbsp;<BR>");
    if (!m_dealer.IsBlank())
        c.Dealer(m_dealer);
    c.LabelValue(IDS_UNIT_PRIVATE_ID, report::EscapeCell(own.pid));
    c.LabelValue(IDS_NAME, report::EscapeCell(own.name));
    c.LabelValue(IDS_FIRMWARE_VERSION,
                 report::EscapeCell(
                     QString::asprintf("%s%02X.%02d.%02d", GetAttr(p.version, "firmware_phase").toLatin1().constData(),
                                       Int(p.version, "firmware_release"), Int(p.version, "firmware_version"),
                                       Int(p.version, "firmware_revision"))));
    c.LabelValue(IDS_CODEPLUG_VERSION,
                 QString::asprintf("CP%02X.%02X.%02X", Int(p.version, "codeplug_structure"),
                                   Int(p.version, "codeplug_version"), Int(p.version, "codeplug_dev_version")));
    c.LabelValue(IDS_MODEL, report::EscapeCell(modelName));
    c.LabelValue(IDS_HOME_CHANNEL, QString::number(own.channel));
    const Contact *home = p.ByPid(own.homeGroup);
    c.LabelValue(IDS_HOME_GROUP, home ? report::EscapeCell(home->name) : Label(IDS_NONE));
    c.LabelValue(IDS_GROUP_ONLY, EnabledText(own.groupOnly));
    c.LabelValue(IDS_RINGER, QString::number(own.alertTone));
    if (Flag(p.limit, "mngr_mode_en"))
        c.LabelValue(IDS_MANAGER_MODE, EnabledText(own.managerMode));
    if (Flag(p.limit, "see_all_groups_en"))
        c.LabelValue(IDS_SEE_ALL_GROUPS, EnabledText(own.seeAllGroups));
    if (Flag(p.limit, "public_scan_en"))
        c.LabelValue(IDS_SCAN_MODE, EnabledText(Flag(p.setting, "scan_en")));
    const bool firstGroup = p.SettingGroup() == 1;
    if (!firstGroup)
        c.LabelValue(IDS_PRIVATE_SCROLL_LIST, EnabledText(own.privateScrollList));

    auto isMember = [&](const Contact *group) { return own.parentGroups.contains(group->pid); };

    // Receive From: the home group when it is public, the scanned public groups of the radio's
    // channel, and the private groups the radio belongs to.
    QStringList receive;
    if (home && home->type == profile::kPublicGroup)
        receive << home->name;
    for (const Contact *g : p.publics)
        if (g != home && g->channel == own.channel && g->inScan)
            receive << g->name;
    for (const Contact *g : p.privateGroups)
        if (isMember(g))
            receive << g->name;
    SortNames(receive);
    c << kRule;
    c.Section(IDS_RECEIVE_FROM);
    c.Lines(receive);

    // Transmit To: every public group, then the private groups the radio may call.
    QStringList transmit = NamesOf(p.publics);
    for (const Contact *g : p.privateGroups)
        if (own.seeAllGroups || isMember(g))
            transmit << g->name;
    c << kRule;
    c.Section(IDS_TRANSMIT_TO);
    c.Lines(transmit);

    // The scroll list the radio uses: its own when it has a private one, else the global one.
    const bool privateList = !firstGroup && own.privateScrollList;
    QStringList scroll;
    if (privateList) {
        scroll = own.scrollNames;
    } else {
        for (const Contact *g : p.publics)
            if (g->inScroll)
                scroll << g->name;
        for (const Contact *g : p.privateGroups)
            if (g->inScroll && (own.seeAllGroups || isMember(g)))
                scroll << g->name;
        if (!own.groupOnly)
            for (const Contact *pc : p.privates)
                if (pc->inScroll && pc != p.own)
                    scroll << pc->name;
    }
    SortNames(scroll);
    c << kRule;
    c.Section(firstGroup ? IDS_SCROLL_LIST : privateList ? IDS_SCROLL_LIST_PRIVATE : IDS_SCROLL_LIST_GLOBAL);
    c.List(scroll);

    c << kRule;
    c.Section(IDS_TEXT_MESSAGES);
    for (const QString &m : p.messages)
        c << Fill(kParagraph, report::EscapeText(m));
    if (p.messages.isEmpty())
        c << Fill(kParagraph, Label(IDS_NONE));

    return Assemble(pieces, {c.Text()}, report::EscapeText(title), report::EscapeText(model));
}

QString CReportBuilder::BuildOverviewReport() const
{
    const QStringList pieces =
        report::SplitTemplate(report::LoadReportTemplate(m_strInstallDir, QLatin1String(report::kOverviewTemplate)), 2);
    const CProfileFacts p(m_doc);

    CContent first;
    first.Dealer(m_dealer);
    first.Section(IDS_ALL_PRIVATES);
    if (p.privates.empty()) {
        first.None();
    } else {
        first << kPrivateHead;
        for (const Contact *pc : p.privates)
            first << Fill(kPrivateRow,
                          {report::EscapeCell(pc->name), report::EscapeCell(pc->pid), QString::number(pc->channel),
                           Label(pc->groupOnly ? IDS_REPORT_YES : IDS_REPORT_NO)});
        first << kTableEnd;
    }
    auto groupTable = [&](int titleId, const std::vector<const Contact *> &groups, bool bankNumbers) {
        first.Section(titleId);
        if (groups.empty()) {
            first.None();
            return;
        }
        first << kContactHead;
        for (const Contact *g : groups)
            first << Fill(kContactRow,
                          {report::EscapeCell(g->name),
                           report::EscapeCell(bankNumbers ? p.PublicGroupNumber(g->pid) : g->pid),
                           QString::number(g->channel)});
        first << kTableEnd;
    };
    groupTable(IDS_ALL_PUBLIC_GROUPS, p.publics, true);
    groupTable(IDS_ALL_PRIVATE_GROUPS, p.privateGroups, false);
    auto privatesWith = [&](bool Contact::*flag) {
        QStringList names;
        for (const Contact *pc : p.privates)
            if (pc->*flag)
                names << pc->name;
        return names;
    };
    first.Section(IDS_MANAGER_MODE_ENABLED);
    first.List(privatesWith(&Contact::managerMode));
    first.Section(IDS_SEE_ALL_GROUPS_ENABLED);
    first.List(privatesWith(&Contact::seeAllGroups));
    first.Section(IDS_GROUP_ONLY_ENABLED);
    first.List(privatesWith(&Contact::groupOnly));

    CContent second;
    // Each group's entry is a block of its own, so its sub-title starts a line after the
    // section title in every renderer.
    auto subTitle = [&](const Contact *g, int listLabel) {
        second << QStringLiteral("<div>");
        second << Fill(kSubTitle,
                       report::EscapeCell(g->name) + QStringLiteral(" (") +
                           report::EscapeText(FormatStr(IDS_CHANNEL_N, {QString::number(g->channel)})) +
                           QStringLiteral(")"));
        second << QStringLiteral("&nbsp;&nbsp;") << Label(listLabel);
    };
    second.Section(IDS_PRIVATE_GROUPS);
    for (const Contact *g : p.privateGroups) {
        subTitle(g, IDS_GROUP_MEMBERS);
        QStringList members;
        for (const Contact *pc : p.privates)
            if (pc->parentGroups.contains(g->pid))
                members << pc->name;
        second.List(members, true);
        second << QStringLiteral("</div>");
    }
    if (p.privateGroups.empty())
        second.None();
    second << kRule;
    second.Section(IDS_PUBLIC_GROUPS);
    for (const Contact *g : p.publics) {
        subTitle(g, IDS_RECEIVE_LIST);
        // A scanned group is heard by every radio on its channel; otherwise by the radios
        // whose home group it is.
        QStringList receivers;
        for (const Contact *pc : p.privates)
            if (g->inScan ? pc->channel == g->channel : pc->homeGroup == g->pid)
                receivers << pc->name;
        second.List(receivers, true);
        second << QStringLiteral("</div>");
    }
    if (p.publics.empty())
        second.None();
    second << QStringLiteral("&nbsp;");

    const QString model = p.Model();
    return Assemble(pieces, {first.Text(), second.Text()}, Label(IDS_OVERVIEW_REPORT),
                    report::EscapeText(model.right(2) + u'S'));
}

}  // namespace zqv
