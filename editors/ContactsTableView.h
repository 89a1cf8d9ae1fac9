// The form of the tree's "All Contacts" node: every contact of the profile in one table, with
// a filter box, cells edited in place, Add and Delete, and a bulk change that sets one field on
// every selected contact at once.
//
// Every edit goes through the rule script exactly as the contact forms' edits do. A refused
// cell shows the script's message and puts the cell back; a bulk change puts each contact
// through the script, lists the ones it refused with its message and keeps the rest as one
// named step of the window's edit history.
#pragma once

#include "BaseView.h"

#include <QStringList>
#include <libxml/tree.h>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;

namespace zqv {

class CContactsTableModel;
class CContactsSortFilter;

class CContactsTableView : public CBaseView {
    Q_OBJECT
public:
    // What a bulk change sets.
    enum class BulkField { Channel, Ringer, GroupOnly, HomeGroup, JoinGroup, LeaveGroup, ScrollList, ScanList };
    struct BulkChange {
        BulkField field = BulkField::Channel;
        // A channel or ringer number, 0/1 for the switches, a group's ID for home group (empty
        // for none) and for joining or leaving a private group.
        QVariant value;
    };
    struct BulkOutcome {
        int changed = 0;
        // One line per contact left unchanged: its name and why.
        QStringList refused;
    };

    CContactsTableView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent = nullptr);
    ~CContactsTableView() override;

    void Load() override;
    void OnUpdate(const ViewHint &hint) override;

    QTableView *Table() const { return m_pTable; }
    CContactsTableModel *Model() const { return m_pModel; }
    QLineEdit *FilterBox() const { return m_pFilter; }
    QComboBox *BulkFieldBox() const { return m_pBulkField; }
    QComboBox *BulkValueBox() const { return m_pBulkValue; }
    QPushButton *ApplyButton() const { return m_pApply; }
    QPushButton *DeleteButton() const { return m_pDelete; }

    // The contacts of the selected rows, in the order the table shows them.
    std::vector<xmlNodePtr> SelectedContacts() const;
    // Selects the rows of `contacts` (those the filter shows).
    void SelectContacts(const std::vector<xmlNodePtr> &contacts);

    // Sets one field on `contacts`, each through the rule script; a question the script asks
    // for some of them is asked once for all. The refused ones are shown in one message.
    BulkOutcome ApplyBulk(const std::vector<xmlNodePtr> &contacts, const BulkChange &change);
    // Deletes `contacts`: one of them as the tree would (the script's own question), several
    // after one question for all. Returns how many went.
    int DeleteContacts(const std::vector<xmlNodePtr> &contacts);
    // Adds a contact of element kind `kind` (private contact, private group, public group)
    // and selects its row; false when the model has no room or the script refused.
    bool AddContact(NodeKind kind);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class CCellDelegate;
    friend class CCellDelegate;

    void Reload();
    bool IsLive(xmlNodePtr node) const;
    bool CommitCell(xmlNodePtr node, int column, const QVariant &value);
    // Tells the tree what a change of `column` (-1: contacts added or deleted) altered.
    void NotifyTree(int column);
    void FillBulkValues();
    void UpdateButtons();
    void OnApplyClicked();
    QString StepName(const BulkChange &change, int count) const;
    // A refused contact's line ("name: message"), and the message listing them.
    static QString RefusalLine(const QString &name, int messageId);
    void ShowRefused(const QStringList &refused, int total);
    // The choices of the channel, ringer and home-group cells and the bulk values.
    QStringList ChannelChoices() const;
    std::vector<std::pair<QString, QString>> GroupChoices(bool privateOnly, int channel) const;

    QWidget *m_pBody;
    QLabel *m_pHeading;
    QLineEdit *m_pFilter;
    QToolButton *m_pAdd;
    QPushButton *m_pDelete;
    QComboBox *m_pBulkField;
    QComboBox *m_pBulkValue;
    QPushButton *m_pApply;
    QTableView *m_pTable;
    CContactsTableModel *m_pModel;
    CContactsSortFilter *m_pProxy;
    bool m_bCommitting = false;
};

}  // namespace zqv
