#include "PrivateView.h"

#include "ContactLists.h"
#include "ControlIds.h"
#include "EditorHost.h"
#include "NonPasteEdit.h"
#include "ProfileFormat.h"
#include "ProfileItems.h"
#include "Prompter.h"
#include "StringTable.h"
#include "TwoListWidget.h"
#include "XmlDom.h"
#include "ZQVCPSDoc.h"
#include "ZQVCPSTreeView.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace zqv {

namespace {

bool IsDecimal(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

}  // namespace

CPrivateView::CPrivateView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent)
    : CBaseView(host, tree, kNodePrivate, parent)
{
    m_pHeading = AddHeading(IDC_PRIVATE_HEADING, QString());
    AddLabel(IDC_PRIVATE_NAME_LABEL, LoadStr(IDS_NAME), QRect(0, 64, 100, 26));
    m_pName = AddControl(IDC_PRIVATE_NAME, new QLineEdit, QRect(110, 64, 220, 26));
    AddLabel(IDC_PRIVATE_CHANNEL_LABEL, LoadStr(IDS_CHANNEL), QRect(0, 104, 100, 26));
    m_pChannel = AddControl(IDC_PRIVATE_CHANNEL, new QComboBox, QRect(110, 104, 220, 26));
    AddLabel(IDC_PRIVATE_ID_LABEL, LoadStr(IDS_ID), QRect(0, 144, 100, 26));
    m_pPid = AddControl(IDC_PRIVATE_ID, new CNonPasteEdit, QRect(110, 144, 220, 26));
    m_pReadPid =
        AddControl(IDC_PRIVATE_READ_PID, new QPushButton(LoadStr(IDS_READ_PID_BUTTON)), QRect(340, 142, 220, 30));
    AddLabel(IDC_PRIVATE_HOME_GROUP_LABEL, LoadStr(IDS_HOME_GROUP), QRect(0, 184, 100, 26));
    m_pHomeGroup = AddControl(IDC_PRIVATE_HOME_GROUP, new QComboBox, QRect(110, 184, 220, 26));
    m_pGroupOnly = AddControl(IDC_PRIVATE_GROUP_ONLY, new QCheckBox(LoadStr(IDS_GROUP_ONLY)), QRect(340, 184, 220, 26));
    AddLabel(IDC_PRIVATE_RINGER_LABEL, LoadStr(IDS_RINGER), QRect(0, 224, 100, 26));
    m_pRinger = AddControl(IDC_PRIVATE_RINGER, new QComboBox, QRect(110, 224, 220, 26));
    m_pDelete =
        AddControl(IDC_PRIVATE_DELETE, new QPushButton(LoadStr(IDS_DELETE_CURRENT_CONTACT)), QRect(110, 270, 220, 30));
    m_pAdd = AddAddButton(IDC_PRIVATE_ADD, kNodePrivate, kNodePrivates, QRect(0, 320, 44, 40));
    AddLabel(IDC_PRIVATE_ADD_LABEL, LoadStr(IDS_ADD_PRIVATES), QRect(54, 327, 276, 26));

    AddHeading(IDC_PRIVATE_SCROLL_HEADING, LoadStr(IDS_SCROLL_LIST), 380, kStyleSubHeading);
    m_pScrollEnable = AddControl(IDC_PRIVATE_SCROLL_ENABLE, new QCheckBox(LoadStr(IDS_ENABLE_PRIVATE_SCROLL_LIST)),
                                 QRect(0, 420, 330, 26));
    m_pScroll =
        AddTwoList(new CTwoListWidget,
                   {IDC_PRIVATE_SCROLL_AVAILABLE_LABEL, IDC_PRIVATE_SCROLL_AVAILABLE, IDC_PRIVATE_SCROLL_LIST_LABEL,
                    IDC_PRIVATE_SCROLL_LIST, IDC_PRIVATE_SCROLL_ADD, IDC_PRIVATE_SCROLL_REMOVE},
                   QRect(0, 454, 560, 260));
    m_pScroll->SetCaptions(LoadStr(IDS_AVAILABLE_CONTACTS), LoadStr(IDS_SCROLL_LIST));

    m_pName->setMaxLength(CZQVCPSTreeView::kMaxNameLength);
    for (QWidget *w :
         {static_cast<QWidget *>(m_pName), static_cast<QWidget *>(m_pPid), static_cast<QWidget *>(m_pReadPid)})
        w->installEventFilter(this);
    connect(m_pPid, &QLineEdit::textChanged, this, [this](const QString &t) { Guarded([&] { OnPidChanged(t); }); });
    connect(m_pReadPid, &QPushButton::clicked, this, [this] { Guarded([this] { OnReadPid(); }); });
    connect(m_pChannel, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int i) { Guarded([&] { OnChannelSelected(i); }); });
    connect(m_pHomeGroup, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int i) { Guarded([&] { OnHomeGroupSelected(i); }); });
    connect(m_pGroupOnly, &QCheckBox::clicked, this, [this] { Guarded([this] { OnGroupOnlyToggled(); }); });
    connect(m_pRinger, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int i) { Guarded([&] { OnRingerSelected(i); }); });
    connect(m_pScrollEnable, &QCheckBox::clicked, this,
            [this](bool on) { Guarded([&] { OnScrollEnableToggled(on); }); });
    connect(m_pScroll, &CTwoListWidget::addRequested, this, [this] { Guarded([this] { OnScrollMove(true); }); });
    connect(m_pScroll, &CTwoListWidget::removeRequested, this, [this] { Guarded([this] { OnScrollMove(false); }); });
    connect(m_pDelete, &QPushButton::clicked, this, [this] { PostHint(kHintDelete, kNodePrivate, CurrentIndex()); });
}

CDataItem CPrivateView::Contact() const
{
    return ListChild(ProfileRoot(), kNodePrivate, CurrentIndex());
}

void CPrivateView::Load()
{
    ApplyPageVisibility(QStringLiteral("PrivateX"));
    const CDataItem root = ProfileRoot();
    const CDataItem contact = Contact();
    m_strAddText = Tree().AddText();

    const CDataItem limit = ChildItem(root, "limit");
    m_strPidStart = AttrText(limit, "valid_PID_start").trimmed();
    m_strPidEnd = AttrText(limit, "valid_PID_end").trimmed();
    m_nPidStart = m_strPidStart.toULongLong();
    m_nPidEnd = m_strPidEnd.toULongLong();
    m_pPid->setMaxLength(qMax(1, static_cast<int>(m_strPidEnd.size())));

    {
        const QSignalBlocker b1(m_pChannel);
        const QSignalBlocker b2(m_pRinger);
        const qint64 channels = LimitNumber(root, "max_num_of_channels");
        for (qint64 c = 1; c <= channels; ++c)
            m_pChannel->addItem(FormatStr(IDS_CHANNEL_N, {QString::number(c)}));
        for (int r = 1; r <= kRingers; ++r)
            m_pRinger->addItem(FormatStr(IDS_RINGER_N, {QString::number(r)}));
    }
    if (contact.IsEmpty()) {
        ProfileDataError();
        return;
    }
    const QString name = AttrText(contact, "name");
    m_pHeading->setText(name);
    m_pName->setText(name);
    m_nChannelIndex = m_pChannel->findText(FormatStr(IDS_CHANNEL_N, {AttrText(contact, "channel").trimmed()}));
    m_nRingerIndex = AttrText(contact, "alert_tone").trimmed().toInt() - 1;
    SelectQuietly(m_pChannel, m_nChannelIndex);
    SelectQuietly(m_pRinger, m_nRingerIndex);
    m_strPid = AttrText(contact, "pid");
    {
        const QSignalBlocker block(m_pPid);
        m_pPid->setText(m_strPid);
    }
    m_pGroupOnly->setChecked(AttrText(contact, "show_grp_only").trimmed() == QLatin1String("1"));
    if (m_nChannelIndex < 0) {
        ProfileDataError();
        return;
    }
    FillHomeGroups();
    m_bLoaded = true;
    m_pAdd->setEnabled(ListItem(root, kNodePrivates).CanAddChild());

    m_bScrollShown = !m_pScrollEnable->isHidden();
    if (m_bScrollShown) {
        m_pScrollEnable->setChecked(AttrText(contact, "private_scroll_list").trimmed() == QLatin1String("1"));
        FillScrollLists();
        m_pScroll->SetListsEnabled(m_pScrollEnable->isChecked());
    }
}

void CPrivateView::FillHomeGroups()
{
    const CDataItem root = ProfileRoot();
    const CDataItem contact = Contact();
    const QString channel = AttrText(contact, "channel").trimmed();
    const QString home = AttrText(contact, "home_grp").trimmed();
    const QSignalBlocker block(m_pHomeGroup);
    m_pHomeGroup->clear();
    // Each entry keeps its group's pid, so a choice never has to be found again by name.
    m_pHomeGroup->addItem(LoadStr(IDS_NONE), QString());
    m_nHomeIndex = 0;
    for (NodeKind folder : {kNodePrivateGroups, kNodePublicGroups}) {
        for (xmlNodePtr group : ElementChildren(ListItem(root, folder).Node())) {
            if (GetAttr(group, "channel").trimmed() != channel)
                continue;
            const QString pid = GetAttr(group, "pid").trimmed();
            m_pHomeGroup->addItem(GetAttr(group, "name"), pid);
            if (!home.isEmpty() && pid == home)
                m_nHomeIndex = m_pHomeGroup->count() - 1;
        }
    }
    m_pHomeGroup->setCurrentIndex(m_nHomeIndex);
}

void CPrivateView::FillScrollLists()
{
    const CDataItem root = ProfileRoot();
    const CDataItem contact = Contact();
    QSet<QString> listed;
    for (xmlNodePtr scroll : ElementChildren(contact.Node()))
        if (NodeName(scroll) == QLatin1String("scrolllist"))
            for (xmlNodePtr entry : ElementChildren(scroll))
                listed.insert(GetAttr(entry, "name"));
    const QString ownPid = OwnPid(root);
    m_pScroll->AvailableList()->setUpdatesEnabled(false);
    m_pScroll->SelectedList()->setUpdatesEnabled(false);
    m_pScroll->Clear();
    for (xmlNodePtr c : AllContactNodes(root)) {
        // Entries name contacts, so every contact of that name shows as listed.
        if (listed.contains(GetAttr(c, "name")))
            m_pScroll->AddSelected(ContactEntry(c, ownPid));
        else
            m_pScroll->AddAvailable(ContactEntry(c, ownPid));
    }
    m_pScroll->AvailableList()->setUpdatesEnabled(true);
    m_pScroll->SelectedList()->setUpdatesEnabled(true);
    m_pScroll->UpdateButtons();
}

// ------------------------------------------------------------------ name and PID

bool CPrivateView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_pName)
            Guarded([this] { OnNameLeft(); });
        else if (watched == m_pPid || watched == m_pReadPid)
            Guarded([this] { OnPidLeft(); });
    } else if (watched == m_pPid && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat() && m_bScanner) {
            bool handled = false;
            Guarded([&] { handled = OnEnterInPid(); });
            if (handled)
                return true;
        }
    }
    return CBaseView::eventFilter(watched, event);
}

void CPrivateView::ReturnFocus(QWidget *field)
{
    // Putting the focus back into the name field must not make the PID field judge its text.
    m_bPidCheck = false;
    FocusAndSelectAll(field);
    m_bPidCheck = true;
}

void CPrivateView::OnNameLeft()
{
    if (IsValidationSuspended() || HasDataError() || !m_bLoaded)
        return;
    if (!FocusStaysInForm(m_pDelete))
        return;
    switch (CommitName(Contact(), m_pName->text(), m_pHeading, kNodePrivate)) {
    case NameCommit::Refused: ReturnFocus(m_pName); break;
    case NameCommit::Changed:
        if (m_bScrollShown)
            FillScrollLists();
        break;
    case NameCommit::Kept: break;
    }
}

QString CPrivateView::CleanPid(const QString &text, int *cursor)
{
    QString out;
    int newCursor = cursor ? *cursor : 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        // A zero is leading while nothing but zeros were kept before it.
        if (digit && !(c == QLatin1Char('0') && out.isEmpty()))
            out += c;
        else if (cursor && i < *cursor)
            --newCursor;
    }
    if (cursor)
        *cursor = qMax(0, newCursor);
    return out;
}

void CPrivateView::OnPidChanged(const QString &text)
{
    if (m_bCleaning || !m_bLoaded || HasDataError())
        return;
    SetModified();
    int cursor = m_pPid->cursorPosition();
    const QString clean = CleanPid(text, &cursor);
    if (clean.size() < text.size()) {
        m_bCleaning = true;
        m_pPid->setText(clean);
        m_pPid->setCursorPosition(cursor);
        m_bCleaning = false;
    }
    if (m_strPidStart != m_strPidEnd &&
        (!IsDecimal(m_strPidStart) || !IsDecimal(m_strPidEnd) || m_nPidEnd < m_nPidStart)) {
        ProfileDataError();
        return;
    }
    bool ok = false;
    const quint64 value = clean.toULongLong(&ok);
    // A number too long for 64 bits is above any limit too.
    const bool above = !clean.isEmpty() && (!ok || value > m_nPidEnd);
    if (clean != m_strPidStart && clean != m_strPidEnd && above) {
        // Undo the keystroke: the caret goes back to where the typed character went in.
        const int caret = qMax(0, m_pPid->cursorPosition() - 1);
        m_bCleaning = true;
        m_pPid->setText(m_strPid);
        m_pPid->setCursorPosition(qMin(caret, static_cast<int>(m_strPid.size())));
        m_bCleaning = false;
        return;
    }
    m_strPid = clean;
}

void CPrivateView::OnPidLeft()
{
    if (!m_bPidCheck || IsValidationSuspended() || HasDataError() || !m_bLoaded)
        return;
    // Moving between the field and its read button, or on to Delete, needs no ID yet.
    if (!FocusStaysInForm(m_pDelete))
        return;
    const QWidget *to = QApplication::focusWidget();
    if (to == m_pPid || to == m_pReadPid)
        return;
    CommitPid();
}

bool CPrivateView::OnEnterInPid()
{
    // The scanner typed a PID and Enter: take the PID as leaving the field would, then start
    // the next contact of the chain.
    if (CommitPid() && ListItem(ProfileRoot(), kNodePrivates).CanAddChild()) {
        m_bScanner = false;
        PostHint(kHintAdd, kNodePrivatesWithScanner, 0);
    }
    return true;
}

bool CPrivateView::CommitPid()
{
    const QString pid = m_pPid->text().trimmed();
    if (pid.isEmpty()) {
        ShowMessage(IDS_ID_EMPTY, MB_OK | MB_ICONWARNING);
        FocusAndSelectAll(m_pPid);
        return false;
    }
    CDataItem contact = Contact();
    const QString old = AttrText(contact, "pid");
    if (!SetPid(contact, pid)) {
        FocusAndSelectAll(m_pPid);
        return false;
    }
    if (AttrText(contact, "pid") != old)
        SetModified();
    SendHint(kHintRefresh, kNodePrivate, CurrentIndex());
    return true;
}

void CPrivateView::OnReadPid()
{
    const std::optional<QString> pid = Host().ReadPrivateIdFromRadio();
    if (!pid)
        return;
    // A captured ID is shown as the radio sent it (cleaned like typing), even outside the
    // model's range: the rule script judges it when the field is left and says why it refuses,
    // rather than the field quietly keeping its old text.
    SetModified();
    m_strPid = CleanPid(*pid);
    m_bCleaning = true;
    m_pPid->setText(m_strPid);
    m_bCleaning = false;
    FocusAndSelectAll(m_pPid);
}

// ------------------------------------------------------------------ channel, home group, flags

void CPrivateView::OnChannelSelected(int index)
{
    if (!m_bLoaded || HasDataError() || index < 0 || index == m_nChannelIndex)
        return;
    CDataItem contact = Contact();
    if (contact.IsEmpty()) {
        ProfileDataError();
        return;
    }
    if (!SetValueOrRestore(contact, QStringLiteral("channel"), index + 1,
                           [this] { SelectQuietly(m_pChannel, m_nChannelIndex); }))
        return;
    m_nChannelIndex = index;
    SetModified();
    FillHomeGroups();
    // Memberships and emptied groups may be gone: the tree rebuilds both folders, and this
    // form's scroll-list lists lose the groups deleted.
    SendHint(kHintRefresh, kNodePrivate, CurrentIndex());
    if (m_bScrollShown)
        RefillScrollLists();
}

void CPrivateView::OnHomeGroupSelected(int index)
{
    if (!m_bLoaded || HasDataError() || index < 0 || index == m_nHomeIndex)
        return;
    CDataItem contact = Contact();
    if (!SetValueOrRestore(contact, QStringLiteral("home_grp"), m_pHomeGroup->itemData(index).toString(),
                           [this] { SelectQuietly(m_pHomeGroup, m_nHomeIndex); }))
        return;
    m_nHomeIndex = index;
    SetModified();
}

void CPrivateView::OnGroupOnlyToggled()
{
    if (!m_bLoaded || HasDataError())
        return;
    CDataItem contact = Contact();
    const bool was = AttrText(contact, "show_grp_only").trimmed() == QLatin1String("1");
    if (SetValueOrRestore(contact, QStringLiteral("show_grp_only"), was ? 0 : 1,
                          [this, was] { m_pGroupOnly->setChecked(was); }))
        SetModified();
}

void CPrivateView::OnRingerSelected(int index)
{
    if (!m_bLoaded || HasDataError() || index < 0 || index == m_nRingerIndex)
        return;
    CDataItem contact = Contact();
    if (!SetValueOrRestore(contact, QStringLiteral("alert_tone"), index + 1,
                           [this] { SelectQuietly(m_pRinger, m_nRingerIndex); }))
        return;
    m_nRingerIndex = index;
    SetModified();
}

// ------------------------------------------------------------------ the private scroll list

void CPrivateView::OnScrollEnableToggled(bool on)
{
    if (!m_bLoaded || HasDataError())
        return;
    CDataItem contact = Contact();
    const QString before = AttrText(contact, "private_scroll_list");
    // Switching on may ask whether to start the list from the global scroll list: Yes starts
    // it with those contacts, No switches it on empty, so the script gets the answer itself.
    const RuleResult result =
        SetValue(contact, QStringLiteral("private_scroll_list"), on ? 1 : 0, {}, AnswerMode::PassAnswer);
    const bool nowOn = AttrText(contact, "private_scroll_list").trimmed() == QLatin1String("1");
    m_pScrollEnable->setChecked(nowOn);
    if (result != RuleResult::Applied && AttrText(contact, "private_scroll_list") == before)
        return;
    SetModified();
    if (!nowOn) {
        // The entries stay in the profile; the lists only rest.
        m_pScroll->SetListsEnabled(false);
        return;
    }
    FillScrollLists();
    m_pScroll->SetListsEnabled(true);
    if (m_pScroll->AvailableList()->count() > 0)
        CTwoListWidget::SelectRow(m_pScroll->AvailableList(), 0, false);
    else if (m_pScroll->SelectedList()->count() > 0)
        CTwoListWidget::SelectRow(m_pScroll->SelectedList(), 0, false);
    m_pScroll->UpdateButtons();
}

// "Add >>" and "<< Remove": each chosen contact's entry is added to or removed from this
// contact's scroll list, then both lists are refilled from the profile.
void CPrivateView::OnScrollMove(bool add)
{
    CDataItem contact = Contact();
    if (contact.IsEmpty()) {
        ProfileDataError();
        return;
    }
    CDataItem list;
    contact.GetChildByName(QStringLiteral("scrolllist"), list);
    const QList<QListWidgetItem *> chosen = add ? m_pScroll->SelectedAvailable() : m_pScroll->SelectedChosen();
    const int row = LastSelectedRow(chosen);
    QStringList names;
    for (QListWidgetItem *item : chosen)
        names << CTwoListWidget::NameOf(item);
    bool changed = false;
    for (const QString &name : names) {
        if (!add) {
            changed = RemoveChildWhere(list, "name", name) || changed;
            continue;
        }
        if (!list.CanAddChild())
            break;
        CDataItem added;
        list.AddNewPriScrList(name, added);
        changed = !added.IsEmpty() || changed;
    }
    if (!changed)
        return;
    SetModifiedByMove(add, names, AttrText(contact, "name"));
    SendHint(kHintRefresh, kNodeScrollList, 0);
    FillScrollLists();
    m_pScroll->SelectAfterMove(add ? m_pScroll->AvailableList() : m_pScroll->SelectedList(),
                               row - static_cast<int>(names.size()) + 1);
}

// ------------------------------------------------------------------ leaving, focus, notices

int CPrivateView::ValidateBeforeLeaving()
{
    if (HasDataError())
        return 1;
    CDataItem contact = Contact();
    if (contact.IsEmpty())
        return 1;
    QString wrong;
    bool nameWrong = false;
    if (!CommitQuietly(contact, "name", m_pName->text(), kNodePrivate)) {
        wrong += LoadStr(IDS_WRONG_FIELD_NAME);
        nameWrong = true;
    }
    if (!CommitQuietly(contact, "pid", m_pPid->text().trimmed(), kNodePrivate))
        wrong += LoadStr(IDS_WRONG_FIELD_ID);
    return LeaveOrDeleteIncorrect(wrong, kNodePrivate, nameWrong ? IDC_PRIVATE_NAME : IDC_PRIVATE_ID);
}

void CPrivateView::OnAfterAdd(int addedKind)
{
    if (addedKind == kNodePrivatesWithScanner) {
        // The scanner types into an empty field; the contact keeps the ID the rule script gave
        // it until one is taken, and leaving it without one asks to delete it.
        m_bScanner = true;
        m_pPid->clear();
        FocusAndSelectAll(m_pPid);
    } else {
        m_bScanner = false;
        FocusAndSelectAll(m_pName);
    }
}

void CPrivateView::ReturnToField(int controlId)
{
    if (controlId == IDC_PRIVATE_ID)
        FocusAndSelectAll(m_pPid);
    else
        ReturnFocus(m_pName);
}

void CPrivateView::OnUpdate(const ViewHint &hint)
{
    ShowNameAgain(
        hint, [this] { return Contact(); }, m_pName, m_pHeading);
    // The scroll-list lists name every contact: a contact renamed or deleted elsewhere (in the
    // tree, or by a change that emptied a group) shows there at once.
    if (hint.operation == kHintRefresh && IsElementKind(static_cast<NodeKind>(hint.kind)) && m_bScrollShown &&
        m_bLoaded && !HasDataError())
        Guarded([this] { RefillScrollLists(); });
}

void CPrivateView::RefillScrollLists()
{
    FillScrollLists();
    m_pScroll->SetListsEnabled(m_pScrollEnable->isChecked());
}

}  // namespace zqv
