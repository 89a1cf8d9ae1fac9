// The form of one private group: its name, channel and ID, and its members. Members are the
// private contacts on the group's channel whose memberships name the group's pid; a contact
// belongs to at most five groups, so one that is full is listed but cannot be chosen.
// Memberships change one contact at a time through the rule script; a refusal is shown and
// the contact stays where it was.
#pragma once

#include "BaseView.h"

#include <libxml/tree.h>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zqv {

class CTwoListWidget;

class CPrivateGroupView : public CBaseView {
    Q_OBJECT
public:
    // The member lists side by side: wide enough that a contact's longest name and its count
    // of groups left both show.
    static constexpr int kMemberListsWidth = 760;

    CPrivateGroupView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent = nullptr);

    void Load() override;
    int ValidateBeforeLeaving() override;
    void OnAfterAdd(int addedKind) override;
    void ReturnToField(int controlId) override;
    void OnUpdate(const ViewHint &hint) override;

    // How many more groups private contact `contact` may join: 5 less its memberships, or -1
    // when it has no membership list or more than five entries.
    static int GroupsLeft(xmlNodePtr contact);

    QLineEdit *NameEdit() const { return m_pName; }
    QComboBox *ChannelList() const { return m_pChannel; }
    QComboBox *IdList() const { return m_pId; }
    CTwoListWidget *Members() const { return m_pMembers; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CDataItem Group() const;
    bool FillMembers();
    void OnNameLeft();
    void OnChannelSelected(int index);
    void OnIdSelected(int index);
    void OnMoveMembers(bool join);
    // One contact's memberships: joins the group `pid`; true when the profile changed.
    bool Join(CDataItem &memberships, const QString &pid);

    QLabel *m_pHeading;
    QLineEdit *m_pName;
    QComboBox *m_pChannel;
    QComboBox *m_pId;
    CTwoListWidget *m_pMembers;
    QPushButton *m_pDelete;
    QPushButton *m_pAdd;
    int m_nChannelIndex = -1;
    int m_nIdIndex = -1;
    bool m_bLoaded = false;
};

}  // namespace zqv
