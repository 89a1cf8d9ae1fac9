#include "ContactsTable.h"

#include "Collation.h"
#include "ContactLists.h"
#include "NodeIcons.h"
#include "ProfileItems.h"
#include "StringTable.h"
#include "XmlDom.h"

#include <QHash>

namespace zqv {

namespace {

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The end of the run of digits that starts at `i`.
int DigitRunEnd(const QString &s, int i)
{
    while (i < s.size() && IsDigit(s[i]))
        ++i;
    return i;
}

// Compares two runs of digits by value: leading zeros dropped, the longer number is larger,
// equal lengths compare digit by digit.
int CompareDigitRuns(QStringView a, QStringView b)
{
    auto trim = [](QStringView s) {
        int k = 0;
        while (k + 1 < s.size() && s[k] == QLatin1Char('0'))
            ++k;
        return s.mid(k);
    };
    const QStringView ta = trim(a);
    const QStringView tb = trim(b);
    if (ta.size() != tb.size())
        return ta.size() < tb.size() ? -1 : 1;
    const int c = ta.compare(tb);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

QString TypeText(NodeKind kind)
{
    switch (kind) {
    case kNodePublicGroup: return LoadStr(IDS_TABLE_PUBLIC_GROUP);
    case kNodePrivateGroup: return LoadStr(IDS_TABLE_PRIVATE_GROUP);
    default: return LoadStr(IDS_TABLE_PRIVATE);
    }
}

bool IsFlagColumn(int column)
{
    return column == CContactsTableModel::kColGroupOnly || column == CContactsTableModel::kColScroll ||
        column == CContactsTableModel::kColScan;
}

}  // namespace

int CompareNatural(const QString &a, const QString &b)
{
    int i = 0;
    int j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            const int ei = DigitRunEnd(a, i);
            const int ej = DigitRunEnd(b, j);
            if (const int c = CompareDigitRuns(QStringView(a).mid(i, ei - i), QStringView(b).mid(j, ej - j)))
                return c;
            i = ei;
            j = ej;
            continue;
        }
        const int wa = CollationWeight(a[i].unicode());
        const int wb = CollationWeight(b[j].unicode());
        if (wa != wb)
            return wa < wb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    // Equal under the collation ("Private 02" and "Private 2", "Anna" and "anna"): the plain
    // collation, then the code units, keep the order stable.
    if (const int c = CollateNames(a, b))
        return c;
    return a < b ? -1 : (b < a ? 1 : 0);
}

QString FoldForMatch(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        out.append(QChar(static_cast<char16_t>(0x100 + CollationWeight(c.unicode()))));
    return out;
}

// ------------------------------------------------------------------ model

CContactsTableModel::CContactsTableModel(QObject *parent) : QAbstractTableModel(parent) {}

bool CContactsTableModel::Applies(NodeKind kind, int column)
{
    switch (column) {
    case kColHomeGroup:
    case kColGroupOnly:
    case kColRinger:
    case kColPrivateGroups: return kind == kNodePrivate;
    case kColScan: return kind == kNodePublicGroup;
    default: return column >= 0 && column < kColumnCount;
    }
}

void CContactsTableModel::Load(const CDataItem &root)
{
    const std::vector<xmlNodePtr> nodes = AllContactNodes(root);
    const QString ownPid = OwnPid(root);
    // The names of the groups by their IDs, for home groups and memberships.
    QHash<QString, QString> groupNames;
    for (xmlNodePtr node : nodes)
        if (ContactKind(node) != kNodePrivate)
            groupNames.insert(GetAttr(node, "pid"), GetAttr(node, "name"));

    std::vector<Row> rows;
    rows.reserve(nodes.size());
    for (xmlNodePtr node : nodes) {
        Row r;
        r.node = node;
        r.kind = ContactKind(node);
        r.name = GetAttr(node, "name");
        r.pid = GetAttr(node, "pid");
        r.ownRadio = r.kind == kNodePrivate && !ownPid.isEmpty() && r.pid == ownPid;
        r.channel = static_cast<int>(AttrNumber(node, "channel"));
        r.scroll = AttrNumber(node, "in_scroll_list") == 1 ? 1 : 0;
        if (r.kind == kNodePublicGroup)
            r.scan = AttrNumber(node, "in_scan_list") == 1 ? 1 : 0;
        if (r.kind == kNodePrivate) {
            r.ringer = static_cast<int>(AttrNumber(node, "alert_tone"));
            r.groupOnly = AttrNumber(node, "show_grp_only") == 1 ? 1 : 0;
            r.homePid = GetAttr(node, "home_grp");
            r.homeName = r.homePid.isEmpty() ? QString() : groupNames.value(r.homePid, r.homePid);
            QStringList groups;
            for (xmlNodePtr list : ElementChildren(node))
                if (NodeName(list) == QLatin1String("ParentPrivateGroups"))
                    for (xmlNodePtr m : ElementChildren(list)) {
                        const QString pid = GetAttr(m, "pid");
                        if (!pid.isEmpty())
                            groups << groupNames.value(pid, pid);
                    }
            r.groups = groups.join(QStringLiteral(", "));
        }
        r.match = FoldForMatch(r.name) + QChar(0x1F) + r.pid;
        rows.push_back(std::move(r));
    }

    // The same contacts, perhaps in another profile order (a rename moves a contact to its
    // place by name): they keep their rows, so the selection and an open cell editor stay.
    bool sameRows = rows.size() == m_rows.size();
    if (sameRows) {
        QHash<xmlNodePtr, size_t> fresh;
        for (size_t i = 0; i < rows.size(); ++i)
            fresh.insert(rows[i].node, i);
        for (size_t i = 0; sameRows && i < m_rows.size(); ++i)
            sameRows = fresh.contains(m_rows[i].node);
        if (sameRows) {
            std::vector<Row> ordered;
            ordered.reserve(rows.size());
            for (const Row &old : m_rows)
                ordered.push_back(std::move(rows[fresh.value(old.node)]));
            rows = std::move(ordered);
        }
    }
    if (sameRows) {
        m_rows = std::move(rows);
        if (!m_rows.empty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
        return;
    }
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int CContactsTableModel::RowOf(xmlNodePtr node) const
{
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].node == node)
            return static_cast<int>(i);
    return -1;
}

int CContactsTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CContactsTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CContactsTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row &r = RowAt(index.row());
    const int column = index.column();
    if (role == kMatchRole)
        return r.match;
    if (!Applies(r.kind, column))
        return role == kSortRole ? QVariant(QString()) : QVariant();
    if (IsFlagColumn(column)) {
        const int on = column == kColGroupOnly ? r.groupOnly : (column == kColScroll ? r.scroll : r.scan);
        if (role == Qt::CheckStateRole)
            return on == 1 ? Qt::Checked : Qt::Unchecked;
        if (role == kSortRole)
            return on;
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
        case kColType: return TypeText(r.kind);
        case kColName: return r.name;
        case kColPid: return r.pid;
        case kColChannel: return r.channel;
        case kColHomeGroup: return r.homePid.isEmpty() ? LoadStr(IDS_NONE) : r.homeName;
        case kColRinger: return r.ringer;
        case kColPrivateGroups: return r.groups;
        default: return {};
        }
    case Qt::EditRole:
        switch (column) {
        case kColName: return r.name;
        case kColPid: return r.pid;
        case kColChannel: return r.channel;
        case kColHomeGroup: return r.homePid;
        case kColRinger: return r.ringer;
        default: return {};
        }
    case Qt::DecorationRole:
        if (column == kColType)
            return NodeIcon(r.kind, r.ownRadio);
        return {};
    case kSortRole:
        switch (column) {
        case kColType:
            // The tree's order: private contacts, private groups, public groups.
            return r.kind == kNodePrivate ? 0 : (r.kind == kNodePrivateGroup ? 1 : 2);
        case kColName: return r.name;
        case kColPid: return r.pid;
        case kColChannel: return r.channel;
        case kColHomeGroup: return r.homeName;
        case kColRinger: return r.ringer;
        case kColPrivateGroups: return r.groups;
        default: return {};
        }
    default: return {};
    }
}

QVariant CContactsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const int kHeaders[kColumnCount] = {IDS_TABLE_TYPE,  IDS_NAME,       IDS_ID,     IDS_CHANNEL,
                                               IDS_HOME_GROUP,  IDS_GROUP_ONLY, IDS_RINGER, IDS_PRIVATE_GROUPS,
                                               IDS_SCROLL_LIST, IDS_SCAN_LIST};
    return section >= 0 && section < kColumnCount ? LoadStr(kHeaders[section]) : QVariant();
}

Qt::ItemFlags CContactsTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const Row &r = RowAt(index.row());
    const int column = index.column();
    if (!Applies(r.kind, column))
        return f;
    if (IsFlagColumn(column))
        return f | Qt::ItemIsUserCheckable;
    if (column == kColName || column == kColPid || column == kColChannel || column == kColHomeGroup ||
        column == kColRinger)
        f |= Qt::ItemIsEditable;
    return f;
}

bool CContactsTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || !m_fnCommit || index.row() >= rowCount())
        return false;
    const int column = index.column();
    QVariant v = value;
    if (role == Qt::CheckStateRole) {
        if (!IsFlagColumn(column))
            return false;
        v = value.toInt() == Qt::Checked ? 1 : 0;
    } else if (role != Qt::EditRole) {
        return false;
    }
    // The owner reloads the rows afterwards: a refused value shows what the profile still holds.
    return m_fnCommit(RowAt(index.row()).node, column, v);
}

// ------------------------------------------------------------------ sorting and filtering

CContactsSortFilter::CContactsSortFilter(QObject *parent) : QSortFilterProxyModel(parent)
{
    setSortRole(CContactsTableModel::kSortRole);
    setDynamicSortFilter(true);
}

void CContactsSortFilter::SetFilterText(const QString &text)
{
    const QString folded = FoldForMatch(text.trimmed());
    if (folded == m_strFolded)
        return;
    m_strFolded = folded;
    m_strPlain = text.trimmed();
    invalidateRowsFilter();
}

bool CContactsSortFilter::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QVariant l = left.data(sortRole());
    const QVariant r = right.data(sortRole());
    int c = 0;
    if (l.typeId() == QMetaType::Int && r.typeId() == QMetaType::Int)
        c = l.toInt() - r.toInt();
    else
        c = CompareNatural(l.toString(), r.toString());
    if (c == 0 && left.column() != CContactsTableModel::kColName) {
        // Ties keep the rows in name order.
        c = CompareNatural(left.sibling(left.row(), CContactsTableModel::kColName).data().toString(),
                           right.sibling(right.row(), CContactsTableModel::kColName).data().toString());
    }
    return c < 0;
}

bool CContactsSortFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (m_strFolded.isEmpty())
        return true;
    const QString match =
        sourceModel()->index(sourceRow, 0, sourceParent).data(CContactsTableModel::kMatchRole).toString();
    // The folded name, then the ID as it is: a filter of digits also finds IDs.
    const int split = match.indexOf(QChar(0x1F));
    if (match.left(split).contains(m_strFolded))
        return true;
    return match.mid(split + 1).contains(m_strPlain);
}

}  // namespace zqv
