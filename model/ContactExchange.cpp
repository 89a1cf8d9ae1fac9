#include "ContactExchange.h"

#include "Collation.h"
#include "RadioDataModel.h"
#include "StringIds.h"
#include "StringTable.h"
#include "ZQVCPSException.h"

#include <QHash>
#include <QMimeData>
#include <algorithm>
#include <functional>
#include <map>

namespace zqv {

namespace {

// ------------------------------------------------------------------ the columns

enum Column {
    ColType,
    ColName,
    ColPid,
    ColChannel,
    ColInScrollList,
    ColInScanList,
    ColRinger,
    ColHomeGroup,
    ColGroupOnly,
    ColMemberOf,
    ColIdInUse,
    ColSeeAllGroups,
    ColManagerMode,
    ColPrivateScrollList,
    ColScrollListContacts,
    ColCount
};

struct ColumnSpec {
    const char *header;  // what the export writes
    const char *synonyms;  // further header names an import accepts, normalised, blank-separated
};

// The header names are part of the file format (spreadsheets and scripts refer to them), so
// they are not translated.
constexpr ColumnSpec kColumns[ColCount] = {
    {"Type", "contacttype kind"},
    {"Name", "alias contactname displayname"},
    {"PID", "id radioid privateid"},
    {"Channel", "ch chan"},
    {"In Scroll List", "scroll scrolllist"},
    {"In Scan List", "scan scanlist"},
    {"Ringer", "ringtone alerttone tone"},
    {"Home Group", "home"},
    {"Group Only", "groupsonly showgroupsonly"},
    {"Member Of", "group groups privategroups"},
    {"ID In Use", "inuse"},
    {"See All Groups", "seeallgrps"},
    {"Manager Mode", "mngrmode"},
    {"Private Scroll List", ""},
    {"Private Scroll List Contacts", "privatescrolllistnames"},
};
constexpr char kTextHeader[] = "Text";
constexpr char kTextSynonyms[] = "message textmessage txt messagetext";

// The three kinds of contact: their element, list element, the word the add hook takes, and
// the name of the kind in the Type column.
struct KindSpec {
    const char *element;
    const char *list;
    const char *addWord;
    const char *typeName;
};
constexpr KindSpec kKinds[3] = {
    {"Private", "Privates", "Private", "Private Contact"},
    {"PrivateGroup", "PrivateGroups", "Group", "Private Group"},
    {"PublicGroup", "PublicGroups", "Public", "Public Group"},
};
enum Kind { KindPrivate = 0, KindPrivateGroup = 1, KindPublicGroup = 2 };

// Header names compare without case, blanks or punctuation: "Radio ID", "radio_id", "RADIOID".
QString NormaliseHeader(const QString &text)
{
    QString out;
    for (const QChar c : text)
        if (c.isLetterOrNumber())
            out += c.toLower();
    return out;
}

bool HeaderMatches(const QString &normalised, const char *header, const char *synonyms)
{
    if (normalised == NormaliseHeader(QLatin1String(header)))
        return true;
    return QString::fromLatin1(synonyms).split(QLatin1Char(' '), Qt::SkipEmptyParts).contains(normalised);
}

// 1 / 0 for the usual ways of writing yes and no; -1 for anything else.
int ParseFlag(const QString &text)
{
    static const QStringList yes{"yes", "y", "1", "true", "x", "on"};
    static const QStringList no{"no", "n", "0", "false", "off"};
    const QString t = text.trimmed().toLower();
    return yes.contains(t) ? 1 : no.contains(t) ? 0 : -1;
}

int ParseKind(const QString &text)
{
    const QString t = NormaliseHeader(text);
    if (t.isEmpty() || t == QLatin1String("privatecontact") || t == QLatin1String("private") ||
        t == QLatin1String("contact") || t == QLatin1String("privatecall"))
        return KindPrivate;
    if (t == QLatin1String("privategroup") || t == QLatin1String("group"))
        return KindPrivateGroup;
    if (t == QLatin1String("publicgroup") || t == QLatin1String("public"))
        return KindPublicGroup;
    return -1;
}

// Names in one cell: separated by semicolons, or by line breaks when a name holds a semicolon.
QString JoinNames(const QStringList &names)
{
    const bool semicolonInName =
        std::any_of(names.begin(), names.end(), [](const QString &n) { return n.contains(QLatin1Char(';')); });
    return names.join(semicolonInName ? QStringLiteral("\n") : QStringLiteral("; "));
}

QStringList SplitNames(const QString &cell)
{
    const QChar separator = cell.contains(QLatin1Char('\n')) ? QLatin1Char('\n') : QLatin1Char(';');
    QStringList names;
    for (const QString &part : cell.split(separator))
        if (!part.trimmed().isEmpty())
            names << part.trimmed();
    return names;
}

// The text of a message the rule script names; the two length messages carry the limit.
QString RuleMessageText(int id)
{
    if (id == IDS_NAME_TOO_LONG)
        return FormatStr(id, {QStringLiteral("20")});
    if (id == IDS_TEXT_MESSAGE_TOO_LONG)
        return FormatStr(id, {QStringLiteral("80")});
    return LoadStr(id);
}

// ------------------------------------------------------------------ profile look-ups

// Paths start at the root: the schema fixes where each list is (the profile was validated
// when it was read), and a query over the whole document would walk every contact's children.
class CProfileView {
public:
    explicit CProfileView(const CDataItem &root) : m_root(root), m_doc(*root.Context()->doc) {}

    CDataItem Item(xmlNodePtr node) const { return CDataItem(m_root.Context(), node); }
    xmlNodePtr One(const QString &xpath, const XPathVars &vars = {}) const
    {
        return m_doc.SelectOne(nullptr, xpath, vars);
    }
    std::vector<xmlNodePtr> All(const QString &xpath, const XPathVars &vars = {}) const
    {
        return m_doc.Select(nullptr, xpath, vars);
    }
    // A list of the profile: TextMessages, or one of the contact lists.
    CDataItem List(const char *name) const
    {
        return Item(One(QStringLiteral("/dfns:ZQVProfile/dfns:%1 | /dfns:ZQVProfile/dfns:Contacts/dfns:%1")
                            .arg(QLatin1String(name))));
    }
    std::vector<xmlNodePtr> Contacts() const
    {
        return All(QStringLiteral("/dfns:ZQVProfile/dfns:Contacts/dfns:*/dfns:*[@cntct_type]"));
    }
    xmlNodePtr ByPid(int kind, const QString &pid) const
    {
        return One(QStringLiteral("/dfns:ZQVProfile/dfns:Contacts/dfns:%1/dfns:%2[@pid=$p]")
                       .arg(kKinds[kind].list, kKinds[kind].element),
                   {{"p", pid}});
    }
    // The contact whose name equals `name` in the name order (case and accents folded).
    xmlNodePtr BySimilarName(const QString &name, xmlNodePtr except = nullptr) const
    {
        for (xmlNodePtr c : Contacts())
            if (c != except && CollateNames(GetAttr(c, "name"), name) == 0)
                return c;
        return nullptr;
    }
    // A group (private groups first) with this name: the exact name, else one alike.
    xmlNodePtr GroupByName(const QString &name, bool privateOnly) const
    {
        const QString path = privateOnly
            ? QStringLiteral("/dfns:ZQVProfile/dfns:Contacts/dfns:PrivateGroups/dfns:PrivateGroup")
            : QStringLiteral("/dfns:ZQVProfile/dfns:Contacts/dfns:PrivateGroups/dfns:PrivateGroup | "
                             "/dfns:ZQVProfile/dfns:Contacts/dfns:PublicGroups/dfns:PublicGroup");
        const std::vector<xmlNodePtr> groups = All(path);
        for (xmlNodePtr g : groups)
            if (GetAttr(g, "name") == name)
                return g;
        for (xmlNodePtr g : groups)
            if (CollateNames(GetAttr(g, "name"), name) == 0)
                return g;
        return nullptr;
    }
    qint64 Limit(const char *name) const
    {
        xmlNodePtr limit = One(QStringLiteral("/dfns:ZQVProfile/dfns:limit"));
        return limit ? qint64(AttrNumber(limit, name)) : 0;
    }

private:
    CDataItem m_root;
    CXmlDocument &m_doc;
};

// The first child element of `parent` whose `attribute` is `value`, or named `name`.
xmlNodePtr ChildWith(xmlNodePtr parent, const char *attribute, const QString &value)
{
    for (xmlNodePtr child : ElementChildren(parent))
        if (GetAttr(child, attribute) == value)
            return child;
    return nullptr;
}

xmlNodePtr ChildNamed(xmlNodePtr parent, const char *name)
{
    for (xmlNodePtr child : ElementChildren(parent))
        if (IsProfileElement(child, name))
            return child;
    return nullptr;
}

int IndexOf(xmlNodePtr parent, xmlNodePtr child)
{
    const std::vector<xmlNodePtr> children = ElementChildren(parent);
    const auto it = std::find(children.begin(), children.end(), child);
    return it == children.end() ? -1 : int(it - children.begin());
}

// Deletes `child` of `list` through the rule script, agreeing to its question.
void RemoveChild(const CDataItem &listItem, xmlNodePtr child)
{
    CDataItem list = listItem;
    const int index = IndexOf(list.Node(), child);
    if (index < 0)
        return;
    int r1 = 0;
    int r2 = 0;
    list.RemoveChildByIndex(index, r1, 1, r2);
}

// ------------------------------------------------------------------ export

QString FlagText(xmlNodePtr element, const char *name)
{
    return GetAttr(element, name) == QLatin1String("1") ? QStringLiteral("Yes") : QStringLiteral("No");
}

// The name of each PID, the first contact's in document order, as the rule script finds a
// contact by its PID; built once so that an export stays linear in the number of contacts.
using PidNames = QHash<QString, QString>;

PidNames NamesByPid(const CProfileView &view)
{
    PidNames names;
    for (xmlNodePtr c : view.Contacts())
        names.insert(GetAttr(c, "pid"), GetAttr(c, "name"));  // keeps the first of a PID
    return names;
}

QStringList ContactRow(const PidNames &names, int kind, xmlNodePtr c)
{
    QStringList row;
    for (int i = 0; i < ColCount; ++i)
        row << QString();
    row[ColType] = QLatin1String(kKinds[kind].typeName);
    row[ColName] = GetAttr(c, "name");
    row[ColPid] = GetAttr(c, "pid");
    row[ColChannel] = GetAttr(c, "channel");
    row[ColInScrollList] = FlagText(c, "in_scroll_list");
    if (kind == KindPublicGroup)
        row[ColInScanList] = FlagText(c, "in_scan_list");
    if (kind != KindPrivate)
        return row;
    row[ColRinger] = GetAttr(c, "alert_tone");
    row[ColHomeGroup] = names.value(GetAttr(c, "home_grp"));
    row[ColGroupOnly] = FlagText(c, "show_grp_only");
    QStringList groups;
    if (xmlNodePtr holder = ChildNamed(c, "ParentPrivateGroups"))
        for (xmlNodePtr m : ElementChildren(holder))
            if (!GetAttr(m, "pid").isEmpty())
                groups << names.value(GetAttr(m, "pid"));
    row[ColMemberOf] = JoinNames(groups);
    row[ColIdInUse] = FlagText(c, "id_in_use");
    row[ColSeeAllGroups] = FlagText(c, "see_all_groups");
    row[ColManagerMode] = FlagText(c, "mngr_mode");
    row[ColPrivateScrollList] = FlagText(c, "private_scroll_list");
    QStringList entries;
    if (xmlNodePtr list = ChildNamed(c, "scrolllist"))
        for (xmlNodePtr entry : ElementChildren(list))
            entries << GetAttr(entry, "name");
    row[ColScrollListContacts] = JoinNames(entries);
    return row;
}

// ------------------------------------------------------------------ import

// The answer No of a Yes/No question, as the rule script reads it.
constexpr int kAnswerNo = 7;

// The changes one row made, undone in reverse order when a later value of the row is refused.
using UndoLog = std::vector<std::function<void()>>;

struct RowWork {
    const CCsvTable::Row *row = nullptr;
    ImportRowResult result;
    int kind = KindPrivate;
    xmlNodePtr target = nullptr;  // the contact the row writes
    bool isNew = false;
    UndoLog undo;
    bool changed = false;
};

class CImporter {
public:
    // A lenient importer (a paste) leaves out what the profile cannot take of a row's links
    // and switches instead of refusing the row.
    CImporter(const CDataItem &root, ClashPolicy policy, bool lenient = false)
        : m_view(root), m_policy(policy), m_bLenient(lenient)
    {
    }

    bool ReadHeader(const QStringList &header, ExchangeKind kind, QString &error);
    void ImportContacts(std::vector<RowWork> &rows);
    void ImportTexts(std::vector<RowWork> &rows);

private:
    QString Cell(const RowWork &w, int column) const
    {
        const int at = m_columnAt[column];
        return at >= 0 && at < w.row->fields.size() ? w.row->fields[at].trimmed() : QString();
    }
    bool Has(int column) const { return m_columnAt[column] >= 0; }
    // Is the cell given (column present and not blank)?
    bool Given(const RowWork &w, int column) const { return !Cell(w, column).isEmpty(); }

    void PlaceRow(RowWork &w, std::map<std::pair<int, QString>, int> &seenPids);
    bool WriteOwnValues(RowWork &w);
    bool WriteLinks(RowWork &w);
    bool Write(RowWork &w, xmlNodePtr element, const char *attribute, const QString &value, int answer = 1);
    bool TryWrite(RowWork &w, xmlNodePtr element, const char *attribute, const QString &value, int answer,
                  QString &refusal);
    // A refused part of a row: the whole row is refused, unless the importer is lenient and
    // the part is one the row can go in without (then it is noted and the row goes on).
    bool RefusePart(RowWork &w, const QString &message);
    bool WriteFlag(RowWork &w, int column, const char *attribute, int answer = 1);
    bool WriteMemberships(RowWork &w);
    bool WriteScrollEntries(RowWork &w);
    void Refuse(RowWork &w, const QString &message);
    QString UniqueName(const QString &name) const;
    bool LacksFeature(int column) const;
    QString LimitMessage() const;

    CProfileView m_view;
    ClashPolicy m_policy;
    bool m_bLenient = false;
    int m_columnAt[ColCount];
    int m_textAt = -1;
};

bool CImporter::ReadHeader(const QStringList &header, ExchangeKind kind, QString &error)
{
    std::fill(std::begin(m_columnAt), std::end(m_columnAt), -1);
    for (int i = 0; i < header.size(); ++i) {
        const QString name = NormaliseHeader(header[i]);
        if (kind == ExchangeKind::Texts) {
            if (m_textAt < 0 && HeaderMatches(name, kTextHeader, kTextSynonyms))
                m_textAt = i;
            continue;
        }
        for (int c = 0; c < ColCount; ++c)
            if (m_columnAt[c] < 0 && HeaderMatches(name, kColumns[c].header, kColumns[c].synonyms)) {
                m_columnAt[c] = i;
                break;
            }
    }
    const bool ok = kind == ExchangeKind::Texts ? m_textAt >= 0 : m_columnAt[ColName] >= 0;
    if (!ok)
        error = FormatStr(IDS_CSV_NO_COLUMN,
                          {QLatin1String(kind == ExchangeKind::Texts ? kTextHeader : kColumns[ColName].header)});
    return ok;
}

void CImporter::Refuse(RowWork &w, const QString &message)
{
    for (auto it = w.undo.rbegin(); it != w.undo.rend(); ++it)
        (*it)();
    w.undo.clear();
    if (w.isNew && w.target) {
        RemoveChild(m_view.List(kKinds[w.kind].list), w.target);
    }
    w.target = nullptr;
    w.changed = false;
    w.result.verdict = ImportRowResult::Refused;
    w.result.detail = message;
    w.result.leftOut.clear();
}

QString CImporter::UniqueName(const QString &name) const
{
    for (int n = 2; n <= 999; ++n) {
        const QString suffix = QStringLiteral(" %1").arg(n);
        const QString candidate = name.left(20 - suffix.size()) + suffix;
        if (!m_view.BySimilarName(candidate))
            return candidate;
    }
    return name;
}

// Whether the profile's model switches off the feature behind a column's switch.
bool CImporter::LacksFeature(int column) const
{
    const char *feature = column == ColManagerMode ? "mngr_mode_en"
        : column == ColSeeAllGroups                ? "see_all_groups_en"
        : column == ColInScanList                  ? "public_scan_en"
                                                   : nullptr;
    xmlNodePtr limit = m_view.One(QStringLiteral("/dfns:ZQVProfile/dfns:limit"));
    return feature && limit && HasAttr(limit, feature) && GetAttr(limit, feature) == QLatin1String("0");
}

// Why the rule script would not add a contact: all the model holds, or all of that type.
QString CImporter::LimitMessage() const
{
    const qint64 all = std::min<qint64>(m_view.Limit("max_num_of_contacts"), 150);
    if (qint64(m_view.Contacts().size()) >= all)
        return FormatStr(IDS_CSV_LIMIT_CONTACTS, {QString::number(all)});
    return LoadStr(IDS_CSV_LIMIT_KIND);
}

// Decides what the row is (new, an update, a clash) and creates the contact of a new row.
void CImporter::PlaceRow(RowWork &w, std::map<std::pair<int, QString>, int> &seenPids)
{
    w.kind = ParseKind(Cell(w, ColType));
    w.result.name = Cell(w, ColName);
    w.result.pid = Cell(w, ColPid);
    if (w.kind < 0) {
        Refuse(w, FormatStr(IDS_CSV_UNKNOWN_TYPE, {Cell(w, ColType)}));
        return;
    }
    const QString &pid = w.result.pid;
    if (!pid.isEmpty()) {
        const auto [it, first] = seenPids.emplace(std::make_pair(w.kind, pid), w.row->line);
        if (!first) {
            Refuse(w, FormatStr(IDS_CSV_DUPLICATE_PID, {pid, QString::number(it->second)}));
            return;
        }
        w.target = m_view.ByPid(w.kind, pid);
    }
    if (w.target) {
        w.result.verdict = ImportRowResult::Update;
    } else if (xmlNodePtr same = m_view.BySimilarName(w.result.name)) {
        switch (m_policy) {
        case ClashPolicy::Skip: w.result.verdict = ImportRowResult::ClashSkipped; return;
        case ClashPolicy::Replace:
            if (NodeName(same) != QLatin1String(kKinds[w.kind].element)) {
                Refuse(w, LoadStr(IDS_SIMILAR_NAME_EXISTS));
                return;
            }
            w.result.verdict = ImportRowResult::ClashReplaced;
            w.target = same;
            break;
        case ClashPolicy::Rename:
            w.result.verdict = ImportRowResult::ClashRenamed;
            w.result.detail = UniqueName(w.result.name);
            break;
        }
    }
    if (w.target)
        return;
    // A new contact: the rule script creates it with its defaults, then the row's values go in.
    // Its add hook refuses (adds nothing) when the list may take no more.
    CDataItem list = m_view.List(kKinds[w.kind].list);
    if (list.IsEmpty()) {
        Refuse(w, LimitMessage());
        return;
    }
    CDataItem added;
    if (w.kind == KindPublicGroup)
        list.AddNewChild(added);
    else
        list.AddNewPriGrpPrivate(QLatin1String(kKinds[w.kind].addWord), added);
    if (added.IsEmpty()) {
        Refuse(w, LimitMessage());
        return;
    }
    w.target = added.Node();
    w.isNew = true;
    w.changed = true;
    if (w.result.verdict != ImportRowResult::ClashRenamed)
        w.result.verdict = ImportRowResult::New;
}

bool CImporter::Write(RowWork &w, xmlNodePtr element, const char *attribute, const QString &value, int answer)
{
    QString refusal;
    if (TryWrite(w, element, attribute, value, answer, refusal))
        return true;
    Refuse(w, refusal);
    return false;
}

bool CImporter::RefusePart(RowWork &w, const QString &message)
{
    if (!m_bLenient) {
        Refuse(w, message);
        return false;
    }
    // A group missing for the memberships and the home group alike is named once.
    if (!w.result.leftOut.contains(message))
        w.result.leftOut << message;
    return true;
}

bool CImporter::TryWrite(RowWork &w, xmlNodePtr element, const char *attribute, const QString &value, int answer,
                         QString &refusal)
{
    const QString old = GetAttr(element, attribute);
    if (old == value)
        return true;
    CDataItem item = m_view.Item(element);
    int r1 = 0;
    int r2 = 0;
    int result = item.SetAttributeValue(QLatin1String(attribute), value, r1, 0, r2);
    // The file decides: a question (a channel change that drops memberships, ...) is answered
    // as the caller says, as a user would agree in the form.
    if (result == 2)
        result = item.SetAttributeValue(QLatin1String(attribute), value, r1, answer, r2);
    if (result != 0) {
        const QString text = r1 != 0 ? RuleMessageText(r1) : QString();
        refusal = text.isEmpty() ? FormatStr(IDS_CSV_BAD_VALUE, {value, QLatin1String(attribute)}) : text;
        return false;
    }
    w.changed = true;
    if (!w.isNew) {
        w.undo.push_back([this, element, name = QLatin1String(attribute), old]() {
            CDataItem undoItem = m_view.Item(element);
            int a = 0;
            int b = 0;
            undoItem.SetAttributeValue(name, old, a, 1, b);
        });
    }
    return true;
}

bool CImporter::WriteFlag(RowWork &w, int column, const char *attribute, int answer)
{
    if (!Given(w, column))
        return true;
    const int on = ParseFlag(Cell(w, column));
    if (on < 0)
        return RefusePart(w, FormatStr(IDS_CSV_BAD_VALUE, {Cell(w, column), QLatin1String(kColumns[column].header)}));
    // A switch of a feature the target's model lacks is left out of a paste rather than
    // stored where the radio would ignore it.
    if (m_bLenient && on == 1 && LacksFeature(column))
        return RefusePart(w, FormatStr(IDS_PASTE_NO_FEATURE, {QLatin1String(kColumns[column].header)}));
    QString refusal;
    return TryWrite(w, w.target, attribute, QString::number(on), answer, refusal) || RefusePart(w, refusal);
}

// The values of the contact itself: name, PID, channel, switches, ringer.
bool CImporter::WriteOwnValues(RowWork &w)
{
    const QString name = w.result.verdict == ImportRowResult::ClashRenamed ? w.result.detail : Cell(w, ColName);
    if (!Write(w, w.target, "name", name))
        return false;
    if (Given(w, ColPid) && !Write(w, w.target, "pid", Cell(w, ColPid)))
        return false;
    if (Given(w, ColChannel) && !Write(w, w.target, "channel", Cell(w, ColChannel)))
        return false;
    if (!WriteFlag(w, ColInScrollList, "in_scroll_list"))
        return false;
    if (w.kind == KindPublicGroup && !WriteFlag(w, ColInScanList, "in_scan_list"))
        return false;
    if (w.kind != KindPrivate)
        return true;
    QString refusal;
    if (Given(w, ColRinger) && !TryWrite(w, w.target, "alert_tone", Cell(w, ColRinger), 1, refusal) &&
        !RefusePart(w, refusal))
        return false;
    return WriteFlag(w, ColGroupOnly, "show_grp_only") && WriteFlag(w, ColIdInUse, "id_in_use") &&
        WriteFlag(w, ColSeeAllGroups, "see_all_groups") && WriteFlag(w, ColManagerMode, "mngr_mode");
}

bool CImporter::WriteMemberships(RowWork &w)
{
    if (!Has(ColMemberOf))
        return true;
    QStringList wanted;
    for (const QString &groupName : SplitNames(Cell(w, ColMemberOf))) {
        xmlNodePtr group = m_view.GroupByName(groupName, true);
        if (!group || GetAttr(group, "channel") != GetAttr(w.target, "channel")) {
            if (!RefusePart(w, FormatStr(IDS_CSV_UNKNOWN_GROUP, {groupName})))
                return false;
            continue;
        }
        if (!wanted.contains(GetAttr(group, "pid")))
            wanted << GetAttr(group, "pid");
    }
    if (wanted.size() > 5) {
        if (!RefusePart(w, LoadStr(IDS_PRIVATE_IN_MAX_GROUPS)))
            return false;
        wanted = wanted.mid(0, 5);
    }
    xmlNodePtr holder = ChildNamed(w.target, "ParentPrivateGroups");
    if (!holder)
        return true;
    const CDataItem holderItem = m_view.Item(holder);
    auto addMembership = [this, holderItem](const QString &groupPid, QString &refusal) {
        CDataItem list = holderItem;
        CDataItem entry;
        if (list.CanAddChild())
            list.AddNewChild(entry);
        if (entry.IsEmpty()) {
            refusal = LoadStr(IDS_PRIVATE_IN_MAX_GROUPS);
            return false;
        }
        int r1 = 0;
        int r2 = 0;
        if (entry.SetAttributeValue(QStringLiteral("pid"), groupPid, r1, 1, r2) != 0) {
            refusal = r1 ? RuleMessageText(r1) : FormatStr(IDS_CSV_BAD_VALUE, {groupPid, QStringLiteral("pid")});
            // A refused new membership is taken out again by the rule script; make sure.
            if (entry.Node()->parent && GetAttr(entry.Node(), "pid").isEmpty())
                RemoveChild(list, entry.Node());
            return false;
        }
        return true;
    };
    auto findEntry = [holder](const QString &groupPid) { return ChildWith(holder, "pid", groupPid); };
    // Leave the groups the row does not name, then join the ones it names.
    for (xmlNodePtr m : ElementChildren(holder)) {
        const QString groupPid = GetAttr(m, "pid");
        if (wanted.contains(groupPid))
            continue;
        const QString home = GetAttr(w.target, "home_grp");
        RemoveChild(holderItem, m);
        w.changed = true;
        if (!w.isNew)
            w.undo.push_back([this, addMembership, groupPid, home, target = w.target]() {
                QString ignored;
                if (!groupPid.isEmpty())
                    addMembership(groupPid, ignored);
                if (GetAttr(target, "home_grp") != home) {
                    CDataItem item = m_view.Item(target);
                    int a = 0;
                    int b = 0;
                    item.SetAttributeValue(QStringLiteral("home_grp"), home, a, 1, b);
                }
            });
    }
    for (const QString &groupPid : wanted) {
        if (findEntry(groupPid))
            continue;
        QString refusal;
        if (!addMembership(groupPid, refusal)) {
            if (!RefusePart(w, refusal))
                return false;
            continue;
        }
        w.changed = true;
        if (!w.isNew)
            w.undo.push_back([holderItem, findEntry, groupPid]() { RemoveChild(holderItem, findEntry(groupPid)); });
    }
    return true;
}

bool CImporter::WriteScrollEntries(RowWork &w)
{
    if (!Has(ColScrollListContacts))
        return true;
    xmlNodePtr holder = ChildNamed(w.target, "scrolllist");
    if (!holder)
        return true;
    QStringList wanted;
    for (const QString &name : SplitNames(Cell(w, ColScrollListContacts))) {
        if (m_view.One(QStringLiteral("/dfns:ZQVProfile/dfns:Contacts/dfns:*/dfns:*[@cntct_type and @name=$n]"),
                       {{"n", name}}))
            wanted << name;
        else if (!RefusePart(w, FormatStr(IDS_CSV_UNKNOWN_CONTACT, {name})))
            return false;
    }
    const CDataItem holderItem = m_view.Item(holder);
    auto add = [holderItem](const QString &name) {
        CDataItem list = holderItem;
        CDataItem entry;
        list.AddNewPriScrList(name, entry);
        return !entry.IsEmpty();
    };
    auto find = [holder](const QString &name) { return ChildWith(holder, "name", name); };
    for (xmlNodePtr e : ElementChildren(holder)) {
        const QString name = GetAttr(e, "name");
        if (wanted.contains(name))
            continue;
        RemoveChild(holderItem, e);
        w.changed = true;
        if (!w.isNew)
            w.undo.push_back([add, name]() { add(name); });
    }
    for (const QString &name : wanted) {
        if (find(name))
            continue;
        if (!add(name)) {
            if (!RefusePart(w, FormatStr(IDS_CSV_UNKNOWN_CONTACT, {name})))
                return false;
            continue;
        }
        w.changed = true;
        if (!w.isNew)
            w.undo.push_back([holderItem, find, name]() { RemoveChild(holderItem, find(name)); });
    }
    return true;
}

// What joins a private contact to the others: its groups, home group and private scroll list.
// They are written after every row's own values, so that a row may name a group or a contact
// that comes later in the file.
bool CImporter::WriteLinks(RowWork &w)
{
    if (w.kind != KindPrivate)
        return true;
    if (!WriteMemberships(w))
        return false;
    if (Has(ColHomeGroup)) {
        QString pid;
        if (!Cell(w, ColHomeGroup).isEmpty()) {
            xmlNodePtr group = m_view.GroupByName(Cell(w, ColHomeGroup), false);
            if (group && GetAttr(group, "channel") == GetAttr(w.target, "channel"))
                pid = GetAttr(group, "pid");
            else if (!RefusePart(w, FormatStr(IDS_CSV_UNKNOWN_GROUP, {Cell(w, ColHomeGroup)})))
                return false;
        }
        QString refusal;
        if (!TryWrite(w, w.target, "home_grp", pid, 1, refusal) && !RefusePart(w, refusal))
            return false;
    }
    if (!WriteScrollEntries(w))
        return false;
    // Switching the private scroll list on may offer to fill it from the global one: the file
    // says what it holds, so the answer is No.
    return WriteFlag(w, ColPrivateScrollList, "private_scroll_list", kAnswerNo);
}

void CImporter::ImportContacts(std::vector<RowWork> &rows)
{
    // Public groups first, which depend on nothing and are what a smaller model should keep when
    // the rows do not all fit; private groups last, as one can only move to a channel that has
    // a private contact.
    std::vector<RowWork *> order;
    for (int kind : {KindPublicGroup, KindPrivate, KindPrivateGroup})
        for (RowWork &w : rows)
            if (ParseKind(Cell(w, ColType)) == kind)
                order.push_back(&w);
    for (RowWork &w : rows)
        if (ParseKind(Cell(w, ColType)) < 0)
            order.push_back(&w);
    std::map<std::pair<int, QString>, int> seenPids;
    auto guarded = [this](RowWork &w, const std::function<bool()> &step) {
        try {
            step();
        } catch (const CZQVCPSException &e) {
            Refuse(w, LoadStr(e.GetMessageId()));
        }
    };
    for (RowWork *w : order)
        guarded(*w, [&] {
            PlaceRow(*w, seenPids);
            return w->target && WriteOwnValues(*w);
        });
    for (RowWork &w : rows)
        if (w.target)
            guarded(w, [&] { return WriteLinks(w); });
    for (RowWork &w : rows)
        if (w.result.verdict == ImportRowResult::Update && !w.changed)
            w.result.verdict = ImportRowResult::Unchanged;
}

void CImporter::ImportTexts(std::vector<RowWork> &rows)
{
    CDataItem list = m_view.List("TextMessages");
    for (RowWork &w : rows) {
        const QString text = m_textAt < w.row->fields.size() ? w.row->fields[m_textAt] : QString();
        w.result.name = text;
        if (text.isEmpty() && w.row->fields.size() <= 1) {
            w.result.verdict = ImportRowResult::Unchanged;
            continue;
        }
        if (m_view.One(QStringLiteral("/dfns:ZQVProfile/dfns:TextMessages/dfns:TextMessage[@txt=$t]"), {{"t", text}})) {
            w.result.verdict = ImportRowResult::Unchanged;
            continue;
        }
        try {
            CDataItem added;
            if (!list.IsEmpty() && list.CanAddChild())
                list.AddNewChild(added);
            if (added.IsEmpty()) {
                const qint64 max = std::min<qint64>(m_view.Limit("max_num_of_predefined_msgs"), 25);
                Refuse(w, FormatStr(IDS_CSV_LIMIT_TEXTS, {QString::number(max)}));
                continue;
            }
            w.target = added.Node();
            w.isNew = true;
            w.kind = -1;
            int r1 = 0;
            int r2 = 0;
            if (added.SetAttributeValue(QStringLiteral("txt"), text, r1, 1, r2) != 0) {
                RemoveChild(list, w.target);
                w.isNew = false;
                const QString message = r1 ? RuleMessageText(r1) : QString();
                Refuse(w,
                       message.isEmpty() ? FormatStr(IDS_CSV_BAD_VALUE, {text, QLatin1String(kTextHeader)}) : message);
                continue;
            }
            w.result.verdict = ImportRowResult::New;
        } catch (const CZQVCPSException &e) {
            Refuse(w, LoadStr(e.GetMessageId()));
        }
    }
}

}  // namespace

// The header row first, then the rows; the verdicts are appended to `report`.
void ApplyTable(const CDataItem &root, const std::vector<CCsvTable::Row> &table, ExchangeKind kind, ClashPolicy policy,
                ImportReport &report, bool lenient = false)
{
    CImporter importer(root, policy, lenient);
    if (!importer.ReadHeader(table.front().fields, kind, report.fileError))
        return;
    std::vector<RowWork> rows(table.size() - 1);
    for (size_t i = 1; i < table.size(); ++i) {
        rows[i - 1].row = &table[i];
        rows[i - 1].result.line = table[i].line;
    }
    if (kind == ExchangeKind::Texts)
        importer.ImportTexts(rows);
    else
        importer.ImportContacts(rows);
    for (const RowWork &w : rows)
        report.rows.push_back(w.result);
}

// The export table of `source` as rows to apply: only the kinds asked for, and without the list
// columns when the lists are not merged (the target then keeps its own, or a new contact the
// defaults).
std::vector<CCsvTable::Row> MergeRows(const CDataItem &source, ExchangeKind kind, const MergeOptions &options)
{
    std::vector<QStringList> table = CContactExchange::ExportRows(source, kind);
    std::vector<CCsvTable::Row> rows;
    QList<int> dropped;
    if (kind == ExchangeKind::Contacts && !options.lists)
        dropped = {ColScrollListContacts, ColPrivateScrollList, ColInScanList, ColInScrollList};  // high to low
    for (size_t i = 0; i < table.size(); ++i) {
        QStringList fields = table[i];
        if (i > 0 && kind == ExchangeKind::Contacts) {
            const bool isPrivate = ParseKind(fields[ColType]) == KindPrivate;
            if (isPrivate ? !options.contacts : !options.groups)
                continue;
        }
        for (int column : dropped)
            fields.removeAt(column);
        rows.push_back({0, fields});
    }
    return rows;
}

// The settings of `source` written into the target's through the rule script, each refusal a row.
void MergeSettings(const CDataItem &target, const CDataItem &source, ImportReport &report)
{
    const CProfileView to(target);
    const CProfileView from(source);
    xmlNodePtr mine = to.One(QStringLiteral("/dfns:ZQVProfile/dfns:setting"));
    xmlNodePtr theirs = from.One(QStringLiteral("/dfns:ZQVProfile/dfns:setting"));
    if (!mine || !theirs)
        return;
    for (xmlAttrPtr a = theirs->properties; a; a = a->next) {
        const char *name = reinterpret_cast<const char *>(a->name);
        const QString value = GetAttr(theirs, name);
        if (!HasAttr(mine, name) || GetAttr(mine, name) == value)
            continue;
        ImportRowResult row;
        row.name = QString::fromUtf8(name);
        row.pid = value;
        row.verdict = ImportRowResult::SettingTaken;
        CDataItem item = to.Item(mine);
        int r1 = 0;
        int r2 = 0;
        if (item.SetAttributeValue(row.name, value, r1, 1, r2) != 0) {
            row.verdict = ImportRowResult::Refused;
            row.detail = r1 ? RuleMessageText(r1) : QString();
            if (row.detail.isEmpty())
                row.detail = FormatStr(IDS_CSV_BAD_VALUE, {value, row.name});
        }
        report.rows.push_back(row);
    }
}

// ------------------------------------------------------------------ report

int ImportReport::Count(ImportRowResult::Verdict verdict) const
{
    return int(
        std::count_if(rows.begin(), rows.end(), [verdict](const ImportRowResult &r) { return r.verdict == verdict; }));
}

bool ImportReport::Changed() const
{
    return Count(ImportRowResult::New) + Count(ImportRowResult::Update) + Count(ImportRowResult::ClashReplaced) +
        Count(ImportRowResult::ClashRenamed) + Count(ImportRowResult::SettingTaken) >
        0;
}

bool ImportReport::AnyLeftOut() const
{
    return std::any_of(rows.begin(), rows.end(), [](const ImportRowResult &r) {
        return r.verdict == ImportRowResult::Refused || !r.leftOut.isEmpty();
    });
}

QString ImportReport::VerdictText(const ImportRowResult &row)
{
    if (!row.leftOut.isEmpty() && row.verdict != ImportRowResult::Refused) {
        ImportRowResult taken = row;
        taken.leftOut.clear();
        return FormatStr(IDS_PASTE_VERDICT_LEFT_OUT, {VerdictText(taken), row.leftOut.join(QLatin1Char(' '))});
    }
    switch (row.verdict) {
    case ImportRowResult::New: return LoadStr(IDS_CSV_VERDICT_NEW);
    case ImportRowResult::Update: return LoadStr(IDS_CSV_VERDICT_UPDATE);
    case ImportRowResult::Unchanged: return LoadStr(IDS_CSV_VERDICT_UNCHANGED);
    case ImportRowResult::ClashSkipped: return LoadStr(IDS_CSV_VERDICT_CLASH_SKIP);
    case ImportRowResult::ClashReplaced: return LoadStr(IDS_CSV_VERDICT_CLASH_REPLACE);
    case ImportRowResult::ClashRenamed: return FormatStr(IDS_CSV_VERDICT_CLASH_RENAME, {row.detail});
    case ImportRowResult::Refused: return FormatStr(IDS_CSV_VERDICT_REFUSED, {row.detail});
    case ImportRowResult::SettingTaken: return FormatStr(IDS_CSV_VERDICT_SETTING, {row.pid});
    }
    return QString();
}

QString ImportReport::Summary() const
{
    return FormatStr(IDS_CSV_SUMMARY,
                     {QString::number(Count(ImportRowResult::New) + Count(ImportRowResult::ClashRenamed)),
                      QString::number(Count(ImportRowResult::Update) + Count(ImportRowResult::ClashReplaced) +
                                      Count(ImportRowResult::SettingTaken)),
                      QString::number(Count(ImportRowResult::Unchanged)),
                      QString::number(Count(ImportRowResult::ClashSkipped) + Count(ImportRowResult::ClashReplaced) +
                                      Count(ImportRowResult::ClashRenamed)),
                      QString::number(Count(ImportRowResult::Refused))});
}

// ------------------------------------------------------------------ CContactExchange

namespace {

// The export table of the profile's contacts or texts; with `only`, of just those elements.
std::vector<QStringList> TableOf(const CDataItem &root, ExchangeKind kind, const std::vector<xmlNodePtr> *only)
{
    const CProfileView view(root);
    auto wanted = [only](xmlNodePtr e) { return !only || std::find(only->begin(), only->end(), e) != only->end(); };
    std::vector<QStringList> rows;
    if (kind == ExchangeKind::Texts) {
        rows.push_back({QLatin1String(kTextHeader)});
        for (xmlNodePtr t : view.All(QStringLiteral("/dfns:ZQVProfile/dfns:TextMessages/dfns:TextMessage")))
            if (wanted(t))
                rows.push_back({GetAttr(t, "txt")});
        return rows;
    }
    QStringList header;
    for (const ColumnSpec &c : kColumns)
        header << QLatin1String(c.header);
    rows.push_back(header);
    const PidNames names = NamesByPid(view);
    for (int kind3 : {KindPrivate, KindPrivateGroup, KindPublicGroup})
        for (xmlNodePtr c : view.All(QStringLiteral("/dfns:ZQVProfile/dfns:Contacts/dfns:%1/dfns:%2")
                                         .arg(kKinds[kind3].list, kKinds[kind3].element)))
            if (wanted(c))
                rows.push_back(ContactRow(names, kind3, c));
    return rows;
}

// The rows of a clip's table (none for an empty one); `ok` false when it cannot be read.
std::vector<CCsvTable::Row> ClipRows(const QByteArray &csv, bool &ok)
{
    CCsvTable table;
    ok = csv.isEmpty() || CCsvTable::Parse(csv, table) == CCsvTable::Status::Ok;
    return ok ? table.Rows() : std::vector<CCsvTable::Row>();
}

}  // namespace

std::vector<QStringList> CContactExchange::ExportRows(const CDataItem &root, ExchangeKind kind)
{
    return TableOf(root, kind, nullptr);
}

// The clipboard types of the two tables.
constexpr char kContactsMime[] = "application/x-zqvcps-contacts";
constexpr char kTextsMime[] = "application/x-zqvcps-texts";

QMimeData *ExchangeClip::ToMimeData() const
{
    auto *data = new QMimeData;
    if (!contacts.isEmpty())
        data->setData(QLatin1String(kContactsMime), contacts);
    if (!texts.isEmpty())
        data->setData(QLatin1String(kTextsMime), texts);
    data->setText(names);
    return data;
}

ExchangeClip ExchangeClip::FromMimeData(const QMimeData *data)
{
    ExchangeClip clip;
    if (!data)
        return clip;
    clip.contacts = data->data(QLatin1String(kContactsMime));
    clip.texts = data->data(QLatin1String(kTextsMime));
    if (!clip.IsEmpty())
        clip.names = data->text();
    return clip;
}

bool ExchangeClip::IsIn(const QMimeData *data)
{
    return data && (data->hasFormat(QLatin1String(kContactsMime)) || data->hasFormat(QLatin1String(kTextsMime)));
}

ExchangeClip CContactExchange::Copy(const CDataItem &root, const std::vector<xmlNodePtr> &elements)
{
    ExchangeClip clip;
    const std::vector<QStringList> contacts = TableOf(root, ExchangeKind::Contacts, &elements);
    const std::vector<QStringList> texts = TableOf(root, ExchangeKind::Texts, &elements);
    QStringList names;
    if (contacts.size() > 1)
        clip.contacts = CCsvTable::Write(contacts);
    if (texts.size() > 1)
        clip.texts = CCsvTable::Write(texts);
    for (size_t i = 1; i < contacts.size(); ++i)
        names << contacts[i][ColName];
    for (size_t i = 1; i < texts.size(); ++i)
        names << texts[i][0];
    clip.names = names.join(QLatin1Char('\n'));
    return clip;
}

ImportReport CContactExchange::Paste(const CDataItem &target, const ExchangeClip &clip)
{
    ImportReport report;
    bool contactsOk = false;
    bool textsOk = false;
    const std::vector<CCsvTable::Row> contacts = ClipRows(clip.contacts, contactsOk);
    const std::vector<CCsvTable::Row> texts = ClipRows(clip.texts, textsOk);
    if (!contactsOk || !textsOk) {
        report.fileError = LoadStr(IDS_CSV_MALFORMED);
        return report;
    }
    if (contacts.size() > 1)
        ApplyTable(target, contacts, ExchangeKind::Contacts, ClashPolicy::Rename, report, true);
    if (texts.size() > 1)
        ApplyTable(target, texts, ExchangeKind::Texts, ClashPolicy::Rename, report, true);
    return report;
}

QByteArray CContactExchange::ExportCsv(const CDataItem &root, ExchangeKind kind)
{
    return CCsvTable::Write(ExportRows(root, kind));
}

ImportReport CContactExchange::Apply(const CDataItem &root, const QByteArray &csv, ExchangeKind kind,
                                     ClashPolicy policy)
{
    ImportReport report;
    CCsvTable table;
    switch (CCsvTable::Parse(csv, table)) {
    case CCsvTable::Status::Ok: break;
    case CCsvTable::Status::NotText: report.fileError = LoadStr(IDS_CSV_NOT_TEXT); return report;
    case CCsvTable::Status::Malformed: report.fileError = LoadStr(IDS_CSV_MALFORMED); return report;
    }
    if (table.Rows().empty()) {
        report.fileError = LoadStr(IDS_CSV_EMPTY);
        return report;
    }
    ApplyTable(root, table.Rows(), kind, policy, report);
    return report;
}

ImportReport CContactExchange::Merge(const CDataItem &target, const CDataItem &source, const MergeOptions &options)
{
    ImportReport report;
    if (options.contacts || options.groups) {
        const std::vector<CCsvTable::Row> rows = MergeRows(source, ExchangeKind::Contacts, options);
        ApplyTable(target, rows, ExchangeKind::Contacts, options.policy, report);
    }
    if (options.texts)
        ApplyTable(target, MergeRows(source, ExchangeKind::Texts, options), ExchangeKind::Texts, options.policy,
                   report);
    if (options.settings)
        MergeSettings(target, source, report);
    return report;
}

namespace {

// The text of a scratch profile after a preview ran on it, for the caller that adopts it.
void KeepResult(const CRadioDataModel &scratch, const ImportReport &report, QByteArray *after)
{
    if (!after)
        return;
    const auto doc = scratch.ProfileDocument();
    *after = report.fileError.isEmpty() && doc ? doc->ToUtf8() : QByteArray();
}

}  // namespace

ImportReport CContactExchange::PreviewMerge(const CModelEnvironment &environment, const QString &targetText,
                                            const CDataItem &source, const MergeOptions &options, QByteArray *after)
{
    CModelEnvironment quiet = environment;
    quiet.prompter = nullptr;
    CRadioDataModel scratch(quiet);
    scratch.LoadProfile(targetText, false);
    ImportReport report = Merge(scratch.RootItem(), source, options);
    KeepResult(scratch, report, after);
    return report;
}

ImportReport CContactExchange::PreviewImport(const CModelEnvironment &environment, const QString &profileText,
                                             const QByteArray &csv, ExchangeKind kind, ClashPolicy policy,
                                             QByteArray *after)
{
    CModelEnvironment quiet = environment;
    quiet.prompter = nullptr;
    CRadioDataModel scratch(quiet);
    scratch.LoadProfile(profileText, false);
    ImportReport report = Apply(scratch.RootItem(), csv, kind, policy);
    KeepResult(scratch, report, after);
    return report;
}

}  // namespace zqv
