#include "PublicGroupView.h"

#include "ControlIds.h"
#include "EditorHost.h"
#include "ProfileFormat.h"
#include "ProfileItems.h"
#include "Prompter.h"
#include "StringTable.h"
#include "ZQVCPSDoc.h"
#include "ZQVCPSTreeView.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalBlocker>
#include <QTimer>

namespace zqv {

namespace {

// An entry of the ID list: the number first, so that typing it finds it, then the bank it
// belongs to, and "x" for a number another group uses.
QString IdEntry(int number, const QString &bank, bool used)
{
    QString text = QStringLiteral("%1  (%2)").arg(number).arg(bank);
    if (used)
        text += QStringLiteral("  x");
    return text;
}

}  // namespace

CPublicGroupView::CPublicGroupView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent)
    : CBaseView(host, tree, kNodePublicGroup, parent)
{
    m_pHeading = AddHeading(IDC_PUBLICGROUP_HEADING, QString());
    AddLabel(IDC_PUBLICGROUP_NAME_LABEL, LoadStr(IDS_NAME), QRect(0, 64, 100, 26));
    m_pName = AddControl(IDC_PUBLICGROUP_NAME, new QLineEdit, QRect(110, 64, 220, 26));
    AddLabel(IDC_PUBLICGROUP_CHANNEL_LABEL, LoadStr(IDS_CHANNEL), QRect(0, 104, 100, 26));
    m_pChannel = AddControl(IDC_PUBLICGROUP_CHANNEL, new QComboBox, QRect(110, 104, 220, 26));
    AddLabel(IDC_PUBLICGROUP_ID_LABEL, LoadStr(IDS_ID), QRect(0, 144, 100, 26));
    m_pId = AddControl(IDC_PUBLICGROUP_ID, new QComboBox, QRect(110, 144, 220, 26));
    m_pId->setMaxVisibleItems(20);
    m_pDelete = AddControl(IDC_PUBLICGROUP_DELETE, new QPushButton(LoadStr(IDS_DELETE_CURRENT_CONTACT)),
                           QRect(110, 194, 220, 30));
    m_pAdd = AddAddButton(IDC_PUBLICGROUP_ADD, kNodePublicGroup, kNodePublicGroups, QRect(0, 250, 44, 40));
    AddLabel(IDC_PUBLICGROUP_ADD_LABEL, LoadStr(IDS_ADD_PUBLIC_GROUP), QRect(54, 257, 276, 26));

    m_pName->setMaxLength(CZQVCPSTreeView::kMaxNameLength);
    m_pName->installEventFilter(this);
    m_pId->installEventFilter(this);
    // Typing a number moves through the list key by key; the number is taken once the typing
    // pauses (or the list is left), not at every digit on the way.
    m_pIdTyped = new QTimer(this);
    m_pIdTyped->setSingleShot(true);
    connect(m_pIdTyped, &QTimer::timeout, this, [this] { Guarded([this] { OnIdSelected(m_pId->currentIndex()); }); });
    connect(m_pChannel, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) { Guarded([&] { OnChannelSelected(index); }); });
    connect(m_pId, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) { Guarded([&] { OnIdSelected(index); }); });
    connect(m_pDelete, &QPushButton::clicked, this,
            [this] { PostHint(kHintDelete, kNodePublicGroup, CurrentIndex()); });
}

CDataItem CPublicGroupView::Group() const
{
    return ListChild(ProfileRoot(), kNodePublicGroup, CurrentIndex());
}

void CPublicGroupView::Load()
{
    m_bLoading = true;
    ApplyPageVisibility(QStringLiteral("PublicGroupX"));
    const CDataItem root = ProfileRoot();
    const CDataItem group = Group();
    m_pAdd->setEnabled(ListItem(root, kNodePublicGroups).CanAddChild());

    QStringList channels;
    const qint64 count = LimitNumber(root, "max_num_of_channels");
    for (qint64 c = 1; c <= count; ++c)
        channels << FormatStr(IDS_CHANNEL_N, {QString::number(c)});
    m_pChannel->addItems(channels);

    const auto &banks = Document().Model().Banks();
    for (std::size_t i = 0; i < m_banks.size(); ++i)
        m_banks[i] = Bank{banks[i].first, banks[i].last, banks[i].startPid};
    CheckBanks();

    if (group.IsEmpty()) {
        m_bLoading = false;
        ProfileDataError();
        return;
    }
    const QString ownPid = AttrText(group, "pid");
    FillIdList(ownPid);

    const QString name = AttrText(group, "name");
    m_pHeading->setText(name);
    m_pName->setText(name);
    m_nChannelIndex = m_pChannel->findText(FormatStr(IDS_CHANNEL_N, {AttrText(group, "channel").trimmed()}));
    m_nIdIndex = m_pId->findData(Document().PidToNumber(ownPid));
    m_pChannel->setCurrentIndex(m_nChannelIndex);
    m_pId->setCurrentIndex(m_nIdIndex);
    m_bLoading = false;
    if (m_nChannelIndex < 0 || m_nIdIndex < 0)
        ProfileDataError();
}

void CPublicGroupView::CheckBanks()
{
    // A bank that starts inside an earlier one gives some numbers twice.
    bool overlap = false;
    for (std::size_t i = 1; i < m_banks.size(); ++i) {
        if (m_banks[i].last == -1)
            continue;
        for (std::size_t j = 0; j < i; ++j)
            if (m_banks[j].first < m_banks[i].first && m_banks[i].first < m_banks[j].last)
                overlap = true;
    }
    if (overlap)
        ShowMessage(IDS_DUPLICATE_PUBLIC_GROUP_ID, MB_OK | MB_ICONWARNING);

    // The banks in use number from 1 upwards, each starting above the one before it.
    bool incorrect = false;
    int previousFirst = 0;
    for (const Bank &bank : m_banks) {
        if (bank.last == -1)
            continue;
        if (bank.first <= previousFirst || bank.last < bank.first)
            incorrect = true;
        previousFirst = bank.first;
    }
    if (incorrect)
        ShowMessage(IDS_BANK_INFO_INCORRECT, MB_OK | MB_ICONWARNING);
}

void CPublicGroupView::FillIdList(const QString &ownPid)
{
    QSet<QString> used;
    for (xmlNodePtr group : ElementChildren(ListItem(ProfileRoot(), kNodePublicGroups).Node()))
        used.insert(GetAttr(group, "pid"));
    const CDataItem limit = ChildItem(ProfileRoot(), "limit");
    for (std::size_t b = 0; b < m_banks.size(); ++b) {
        const Bank &bank = m_banks[b];
        QString name = AttrText(limit, QStringLiteral("public_grp_info_pid_name%1").arg(b).toLatin1().constData());
        if (name.trimmed().isEmpty())
            name = FormatStr(IDS_BANK_N, {QString::number(b + 1)});
        for (int n = bank.first; n <= bank.last; ++n) {
            // The same test as isUsed, with the groups' PIDs gathered once for the whole list.
            const QString pid = Document().NumberToPid(n);
            const bool taken = pid.isEmpty() || used.contains(pid);
            m_pId->addItem(IdEntry(n, name, taken && pid != ownPid), n);
        }
    }
}

bool CPublicGroupView::isUsed(int number) const
{
    const QString pid = Document().NumberToPid(number);
    if (pid.isEmpty())
        return true;
    // The form's own group leads to the profile; without it the form has lost its element.
    const CDataItem group = Group();
    if (group.IsEmpty() || !group.Context() || !group.Context()->doc)
        ZQV_THROW(IDS_NULL_POINTER_ERROR, "CPublicGroupView::isUsed",
                  QStringLiteral("public group %1 missing").arg(CurrentIndex()));
    return group.Context()->doc->SelectOne(nullptr, QLatin1String(profile::kQueryPublicGroupByPid),
                                           {{QStringLiteral("pid"), pid}}) != nullptr;
}

bool CPublicGroupView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pName && event->type() == QEvent::FocusOut)
        Guarded([this] { OnNameLeft(); });
    if (watched == m_pId && event->type() == QEvent::FocusOut && m_pIdTyped->isActive()) {
        m_pIdTyped->stop();
        Guarded([this] { OnIdSelected(m_pId->currentIndex()); });
    }
    if (watched == m_pId && event->type() == QEvent::KeyPress && !m_bForwardingKey) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).isPrint() && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            // The list searches as it always does, without taking each number it passes.
            m_bForwardingKey = true;
            {
                const QSignalBlocker block(m_pId);
                QCoreApplication::sendEvent(m_pId, event);
            }
            m_bForwardingKey = false;
            if (m_pId->currentIndex() != m_nIdIndex)
                m_pIdTyped->start(QApplication::keyboardInputInterval() + kIdTypingPause);
            return true;
        }
    }
    return CBaseView::eventFilter(watched, event);
}

void CPublicGroupView::OnNameLeft()
{
    if (IsValidationSuspended() || HasDataError())
        return;
    // Leaving for the tree is covered by the check before leaving the form; leaving for the
    // Delete button needs no valid name.
    if (FocusStaysInForm(m_pDelete) &&
        CommitName(Group(), m_pName->text(), m_pHeading, kNodePublicGroup) == NameCommit::Refused)
        FocusAndSelectAll(m_pName);
}

void CPublicGroupView::OnChannelSelected(int index)
{
    if (m_bLoading || HasDataError() || index < 0 || index == m_nChannelIndex)
        return;
    CDataItem group = Group();
    if (group.IsEmpty()) {
        ProfileDataError();
        return;
    }
    const int newChannel = index + 1;
    const int oldChannel = m_nChannelIndex + 1;
    // The question about leaving the scan list names the old and the new channel.
    if (SetValueOrRestore(group, QStringLiteral("channel"), newChannel,
                          [this] { SelectQuietly(m_pChannel, m_nChannelIndex); },
                          {QString::number(oldChannel), QString::number(newChannel)})) {
        m_nChannelIndex = index;
        SetModified();
    }
    SendHint(kHintRefresh, kNodePublicGroup, CurrentIndex());
}

void CPublicGroupView::OnIdSelected(int index)
{
    m_pIdTyped->stop();
    if (m_bLoading || HasDataError() || index < 0 || index == m_nIdIndex)
        return;
    const QString pid = Document().NumberToPid(m_pId->itemData(index).toInt());
    CDataItem group = Group();
    if (pid.isEmpty() || group.IsEmpty()) {
        ProfileDataError();
        return;
    }
    if (!SetPid(group, pid, [this] { SelectQuietly(m_pId, m_nIdIndex); }))
        return;
    m_nIdIndex = index;
    SetModified();
}

int CPublicGroupView::ValidateBeforeLeaving()
{
    if (HasDataError())
        return 1;
    if (m_pIdTyped->isActive())
        OnIdSelected(m_pId->currentIndex());
    CDataItem group = Group();
    if (group.IsEmpty())
        return 1;
    QString wrong;
    if (!CommitQuietly(group, "name", m_pName->text(), kNodePublicGroup))
        wrong += LoadStr(IDS_WRONG_FIELD_NAME);
    return LeaveOrDeleteIncorrect(wrong, kNodePublicGroup, IDC_PUBLICGROUP_NAME);
}

void CPublicGroupView::OnAfterAdd(int)
{
    FocusAndSelectAll(m_pName);
}

void CPublicGroupView::ReturnToField(int)
{
    FocusAndSelectAll(m_pName);
}

void CPublicGroupView::OnUpdate(const ViewHint &hint)
{
    ShowNameAgain(
        hint, [this] { return Group(); }, m_pName, m_pHeading);
}

}  // namespace zqv
