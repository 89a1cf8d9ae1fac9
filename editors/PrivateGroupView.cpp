#include "PrivateGroupView.h"

#include "ContactLists.h"
#include "ControlIds.h"
#include "EditorHost.h"
#include "ProfileFormat.h"
#include "ProfileItems.h"
#include "Prompter.h"
#include "StringTable.h"
#include "TwoListWidget.h"
#include "XmlDom.h"
#include "ZQVCPSDoc.h"
#include "ZQVCPSTreeView.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace zqv {

CPrivateGroupView::CPrivateGroupView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent)
    : CBaseView(host, tree, kNodePrivateGroup, parent)
{
    m_pHeading = AddHeading(IDC_PRIVATEGROUP_HEADING, QString());
    AddLabel(IDC_PRIVATEGROUP_NAME_LABEL, LoadStr(IDS_NAME), QRect(0, 64, 100, 26));
    m_pName = AddControl(IDC_PRIVATEGROUP_NAME, new QLineEdit, QRect(110, 64, 220, 26));
    AddLabel(IDC_PRIVATEGROUP_CHANNEL_LABEL, LoadStr(IDS_CHANNEL), QRect(0, 104, 100, 26));
    m_pChannel = AddControl(IDC_PRIVATEGROUP_CHANNEL, new QComboBox, QRect(110, 104, 220, 26));
    AddLabel(IDC_PRIVATEGROUP_ID_LABEL, LoadStr(IDS_ID), QRect(0, 144, 100, 26));
    m_pId = AddControl(IDC_PRIVATEGROUP_ID, new QComboBox, QRect(110, 144, 220, 26));
    m_pId->setMaxVisibleItems(20);
    m_pMembers = AddTwoList(new CTwoListWidget,
                            {IDC_PRIVATEGROUP_ALL_LABEL, IDC_PRIVATEGROUP_ALL, IDC_PRIVATEGROUP_MEMBERS_LABEL,
                             IDC_PRIVATEGROUP_MEMBERS, IDC_PRIVATEGROUP_ADD_MEMBER, IDC_PRIVATEGROUP_REMOVE_MEMBER},
                            QRect(0, 190, kMemberListsWidth, 260));
    m_pMembers->SetCaptions(LoadStr(IDS_ALL_PRIVATES), LoadStr(IDS_GROUP_MEMBERS));
    m_pDelete = AddControl(IDC_PRIVATEGROUP_DELETE, new QPushButton(LoadStr(IDS_DELETE_CURRENT_CONTACT)),
                           QRect(110, 466, 220, 30));
    m_pAdd = AddAddButton(IDC_PRIVATEGROUP_ADD, kNodePrivateGroup, kNodePrivateGroups, QRect(0, 516, 44, 40));
    AddLabel(IDC_PRIVATEGROUP_ADD_LABEL, LoadStr(IDS_ADD_PRIVATE_GROUP), QRect(54, 523, 276, 26));

    m_pName->setMaxLength(CZQVCPSTreeView::kMaxNameLength);
    m_pName->installEventFilter(this);
    connect(m_pName, &QLineEdit::textEdited, this, [this] {
        if (m_bLoaded)
            SetModified();
    });
    connect(m_pChannel, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int i) { Guarded([&] { OnChannelSelected(i); }); });
    connect(m_pId, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int i) { Guarded([&] { OnIdSelected(i); }); });
    connect(m_pMembers, &CTwoListWidget::addRequested, this, [this] { Guarded([this] { OnMoveMembers(true); }); });
    connect(m_pMembers, &CTwoListWidget::removeRequested, this, [this] { Guarded([this] { OnMoveMembers(false); }); });
    // Trying to choose a contact that is in five groups already says why in the status bar;
    // a selection that can join brings the idle prompt back.
    QListWidget *all = m_pMembers->AvailableList();
    const auto explain = [this](QListWidgetItem *item) {
        if (item && !(item->flags() & Qt::ItemIsSelectable))
            Host().ShowStatusText(LoadStr(IDS_PRIVATE_IN_5_GROUPS));
    };
    connect(all, &QListWidget::itemPressed, this, explain);
    connect(all, &QListWidget::currentItemChanged, this, explain);
    connect(all, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_pMembers->SelectedAvailable().isEmpty())
            Host().ShowStatusText(QString());
    });
    connect(m_pDelete, &QPushButton::clicked, this,
            [this] { PostHint(kHintDelete, kNodePrivateGroup, CurrentIndex()); });
}

CDataItem CPrivateGroupView::Group() const
{
    return ListChild(ProfileRoot(), kNodePrivateGroup, CurrentIndex());
}

int CPrivateGroupView::GroupsLeft(xmlNodePtr contact)
{
    for (xmlNodePtr child : ElementChildren(contact)) {
        if (NodeName(child) != QLatin1String("ParentPrivateGroups"))
            continue;
        const int n = static_cast<int>(ElementChildren(child).size());
        return n <= profile::kMaxParentGroups ? profile::kMaxParentGroups - n : -1;
    }
    return -1;
}

void CPrivateGroupView::Load()
{
    ApplyPageVisibility(QStringLiteral("PrivateGroupX"));
    const CDataItem root = ProfileRoot();
    const CDataItem group = Group();
    {
        const QSignalBlocker block(m_pChannel);
        const qint64 channels = LimitNumber(root, "max_num_of_channels");
        for (qint64 c = 1; c <= channels; ++c)
            m_pChannel->addItem(FormatStr(IDS_CHANNEL_N, {QString::number(c)}));
    }
    if (group.IsEmpty()) {
        ProfileDataError();
        return;
    }
    const QString name = AttrText(group, "name");
    m_pHeading->setText(name);
    m_pName->setText(name);
    m_nChannelIndex = m_pChannel->findText(FormatStr(IDS_CHANNEL_N, {AttrText(group, "channel").trimmed()}));
    SelectQuietly(m_pChannel, m_nChannelIndex);
    {
        const QSignalBlocker block(m_pId);
        m_pId->addItems(PrivateGroupIdChoices(root, group));
    }
    m_nIdIndex = m_pId->findText(AttrText(group, "pid"));
    SelectQuietly(m_pId, m_nIdIndex);
    if (m_nChannelIndex < 0 || m_nIdIndex < 0 || !FillMembers()) {
        ProfileDataError();
        return;
    }
    m_pAdd->setEnabled(ListItem(root, kNodePrivateGroups).CanAddChild());
    m_bLoaded = true;
}

bool CPrivateGroupView::FillMembers()
{
    const CDataItem root = ProfileRoot();
    const CDataItem group = Group();
    const QString pid = AttrText(group, "pid");
    const QString channel = AttrText(group, "channel").trimmed();
    const QString ownPid = OwnPid(root);
    const QString full = LoadStr(IDS_PRIVATE_IN_5_GROUPS);
    m_pMembers->Clear();
    for (xmlNodePtr contact : ElementChildren(ListItem(root, kNodePrivates).Node())) {
        if (GetAttr(contact, "channel").trimmed() != channel)
            continue;
        bool member = false;
        for (xmlNodePtr m : ElementChildren(contact))
            if (NodeName(m) == QLatin1String("ParentPrivateGroups"))
                for (xmlNodePtr entry : ElementChildren(m))
                    member = member || GetAttr(entry, "pid") == pid;
        if (member) {
            m_pMembers->AddSelected(ContactEntry(contact, ownPid));
            continue;
        }
        const int left = GroupsLeft(contact);
        if (left < 0)
            return false;
        CTwoListWidget::Entry entry = ContactEntry(
            contact, ownPid, GetAttr(contact, "name") + FormatStr(IDS_GROUPS_LEFT, {QString::number(left)}));
        // A contact in five groups is shown but cannot be chosen; its tip says why.
        entry.selectable = left > 0;
        if (left == 0)
            entry.toolTip = full;
        m_pMembers->AddAvailable(entry);
    }
    m_pMembers->UpdateButtons();
    return true;
}

// ------------------------------------------------------------------ members

// "Add >>" (join) and "<< Remove" (leave): each chosen contact joins or leaves this group
// through its memberships, then both lists are refilled from the profile.
void CPrivateGroupView::OnMoveMembers(bool join)
{
    CDataItem group = Group();
    if (group.IsEmpty()) {
        ProfileDataError();
        return;
    }
    const QString pid = AttrText(group, "pid");
    const QList<QListWidgetItem *> chosen = join ? m_pMembers->SelectedAvailable() : m_pMembers->SelectedChosen();
    if (chosen.isEmpty())
        return;
    const int row = LastSelectedRow(chosen);
    std::vector<xmlNodePtr> contacts;
    for (QListWidgetItem *item : chosen)
        contacts.push_back(EntryNode(item));
    bool changed = false;
    for (xmlNodePtr node : contacts) {
        CDataItem contact(group.Context(), node);
        CDataItem memberships;
        contact.GetChildByName(QStringLiteral("ParentPrivateGroups"), memberships);
        // Leaving: a refusal is shown and the contact stays a member.
        changed = (join ? Join(memberships, pid) : RemoveChildWhere(memberships, "pid", pid)) || changed;
    }
    if (!changed)
        return;
    QStringList names;
    for (xmlNodePtr node : contacts)
        names << GetAttr(node, "name");
    SetModifiedByMove(join, names, AttrText(group, "name"));
    if (!FillMembers()) {
        ProfileDataError();
        return;
    }
    const int first = row - static_cast<int>(contacts.size()) + 1;
    if (join) {
        // The next contact that can still join, at or after the last one moved, else before it.
        QListWidget *all = m_pMembers->AvailableList();
        int pick = -1;
        for (int i = qMax(0, first); i < all->count() && pick < 0; ++i)
            if (all->item(i)->flags() & Qt::ItemIsSelectable)
                pick = i;
        for (int i = qMin(qMax(0, first), all->count()) - 1; i >= 0 && pick < 0; --i)
            if (all->item(i)->flags() & Qt::ItemIsSelectable)
                pick = i;
        if (pick >= 0) {
            CTwoListWidget::SelectRow(all, pick, false);
            all->setFocus(Qt::OtherFocusReason);
        } else {
            // Nobody left who can join: the keyboard goes on to the members rather than stay
            // in a list where it can do nothing.
            CTwoListWidget::SelectRow(m_pMembers->SelectedList(), 0, false);
            m_pMembers->SelectedList()->setFocus(Qt::OtherFocusReason);
        }
    } else {
        QListWidget *members = m_pMembers->SelectedList();
        CTwoListWidget::SelectRow(members, first, true);
        members->setFocus(Qt::OtherFocusReason);
    }
    m_pMembers->UpdateButtons();
}

bool CPrivateGroupView::Join(CDataItem &memberships, const QString &pid)
{
    if (!memberships.CanAddChild()) {
        ShowMessage(IDS_PRIVATE_IN_MAX_GROUPS, MB_OK | MB_ICONWARNING);
        return false;
    }
    CDataItem added;
    memberships.AddNewChild(added);
    if (added.IsEmpty())
        return false;
    // A refused entry is taken out again by the rule script: the profile is as it was.
    return SetValue(added, QStringLiteral("pid"), pid) == RuleResult::Applied;
}

// ------------------------------------------------------------------ name, channel, ID

bool CPrivateGroupView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pName && event->type() == QEvent::FocusOut)
        Guarded([this] { OnNameLeft(); });
    return CBaseView::eventFilter(watched, event);
}

void CPrivateGroupView::OnNameLeft()
{
    if (IsValidationSuspended() || HasDataError() || !m_bLoaded)
        return;
    if (FocusStaysInForm(m_pDelete) &&
        CommitName(Group(), m_pName->text(), m_pHeading, kNodePrivateGroup) == NameCommit::Refused)
        FocusAndSelectAll(m_pName);
}

void CPrivateGroupView::OnChannelSelected(int index)
{
    if (!m_bLoaded || HasDataError() || index < 0 || index == m_nChannelIndex)
        return;
    CDataItem group = Group();
    if (group.IsEmpty()) {
        ProfileDataError();
        return;
    }
    const QString channel = QString::number(index + 1);
    bool free = false;
    for (xmlNodePtr contact : ElementChildren(ListItem(ProfileRoot(), kNodePrivates).Node()))
        if (GetAttr(contact, "channel").trimmed() == channel && GroupsLeft(contact) > 0)
            free = true;
    if (!free) {
        SelectQuietly(m_pChannel, m_nChannelIndex);
        ShowMessage(IDS_NO_FREE_PRIVATE_IN_CHANNEL, MB_OK | MB_ICONWARNING);
        return;
    }
    if (!SetValueOrRestore(group, QStringLiteral("channel"), index + 1,
                           [this] { SelectQuietly(m_pChannel, m_nChannelIndex); }))
        return;
    m_nChannelIndex = index;
    SetModified();
    if (!FillMembers())
        ProfileDataError();
    SendHint(kHintRefresh, kNodePrivateGroup, CurrentIndex());
}

void CPrivateGroupView::OnIdSelected(int index)
{
    if (!m_bLoaded || HasDataError() || index < 0 || index == m_nIdIndex)
        return;
    CDataItem group = Group();
    if (group.IsEmpty()) {
        ProfileDataError();
        return;
    }
    // A refused ID is the user's to change again: the list returns to the group's own ID.
    if (!SetPid(group, m_pId->itemText(index), [this] { SelectQuietly(m_pId, m_nIdIndex); }))
        return;
    m_nIdIndex = index;
    SetModified();
    if (!FillMembers())
        ProfileDataError();
}

// ------------------------------------------------------------------ leaving, focus, notices

int CPrivateGroupView::ValidateBeforeLeaving()
{
    if (HasDataError())
        return 1;
    CDataItem group = Group();
    if (group.IsEmpty())
        return 1;
    QString wrong;
    bool nameWrong = false;
    if (!CommitQuietly(group, "name", m_pName->text(), kNodePrivateGroup)) {
        wrong += LoadStr(IDS_WRONG_FIELD_NAME);
        nameWrong = true;
    }
    if (m_pMembers->SelectedList()->count() == 0)
        wrong += LoadStr(IDS_WRONG_FIELD_GROUP_MEMBERS);
    return LeaveOrDeleteIncorrect(wrong, kNodePrivateGroup, nameWrong ? IDC_PRIVATEGROUP_NAME : IDC_PRIVATEGROUP_ALL);
}

void CPrivateGroupView::OnAfterAdd(int)
{
    FocusAndSelectAll(m_pName);
}

void CPrivateGroupView::ReturnToField(int controlId)
{
    if (controlId == IDC_PRIVATEGROUP_ALL)
        m_pMembers->AvailableList()->setFocus(Qt::OtherFocusReason);
    else
        FocusAndSelectAll(m_pName);
}

void CPrivateGroupView::OnUpdate(const ViewHint &hint)
{
    ShowNameAgain(
        hint, [this] { return Group(); }, m_pName, m_pHeading);
}

}  // namespace zqv
