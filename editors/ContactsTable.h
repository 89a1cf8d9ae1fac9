// The rows of the contacts table: every contact of a profile (private contacts, private groups,
// public groups) with what the table shows of it, read from the profile, and the sorting and
// filtering in front of them. The model never changes the profile itself: an edit is handed to
// the form that owns the table, which puts it through the rule script and reloads the rows.
#pragma once

#include "DataItem.h"
#include "NodeKinds.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <functional>
#include <libxml/tree.h>
#include <vector>

namespace zqv {

// Names in natural order under the name collation: runs of digits compare by their value, so
// "Private 2" comes before "Private 19"; everything else compares by collation weight.
int CompareNatural(const QString &a, const QString &b);

// A text folded for matching as the name collation sees it: case and the common accents gone.
QString FoldForMatch(const QString &text);

class CContactsTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column : int {
        kColType,
        kColName,
        kColPid,
        kColChannel,
        kColHomeGroup,
        kColGroupOnly,
        kColRinger,
        kColPrivateGroups,
        kColScroll,
        kColScan,
        kColumnCount
    };
    // The value a sort compares, and the folded text a filter matches.
    static constexpr int kSortRole = Qt::UserRole + 1;
    static constexpr int kMatchRole = Qt::UserRole + 2;

    struct Row {
        xmlNodePtr node = nullptr;
        NodeKind kind = kNodePrivate;
        bool ownRadio = false;
        QString name;
        QString pid;
        int channel = 0;
        QString homePid;
        QString homeName;
        QString groups;  // names of the private groups it belongs to, comma-separated
        int ringer = 0;
        int groupOnly = -1;  // -1: the contact has no such switch
        int scroll = 0;
        int scan = -1;
        QString match;  // folded name and ID
    };

    // Hands an edited cell to the owner: true when the profile took the value.
    using Commit = std::function<bool(xmlNodePtr node, int column, const QVariant &value)>;

    explicit CContactsTableModel(QObject *parent = nullptr);

    void SetCommit(Commit commit) { m_fnCommit = std::move(commit); }
    // Reads every contact of the profile again. When the same contacts stand in the same
    // order, only their cells are refreshed (the selection stays); otherwise the rows are
    // rebuilt.
    void Load(const CDataItem &root);

    const Row &RowAt(int row) const { return m_rows[static_cast<size_t>(row)]; }
    int RowOf(xmlNodePtr node) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    // Whether a column applies to a row's kind of contact.
    static bool Applies(NodeKind kind, int column);

private:
    std::vector<Row> m_rows;
    Commit m_fnCommit;
};

// Sorts by the model's sort values (names in natural order) and keeps the rows whose name or
// ID contains the filter text, case and accents ignored.
class CContactsSortFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit CContactsSortFilter(QObject *parent = nullptr);
    void SetFilterText(const QString &text);

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QString m_strFolded;
    QString m_strPlain;
};

}  // namespace zqv
