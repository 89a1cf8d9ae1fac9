#include "ContactsTableView.h"

#include "ContactLists.h"
#include "ContactsTable.h"
#include "EditorHost.h"
#include "NodeIcons.h"
#include "ProfileItems.h"
#include "Prompter.h"
#include "StringTable.h"
#include "ThemeColours.h"
#include "XmlDom.h"
#include "ZQVCPSTreeView.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <set>

namespace zqv {

namespace {

// The highest ringer a private contact has.
constexpr int kRingers = 12;
// The most refused contacts one message lists; the rest are summed up by the count above them.
constexpr int kMaxListedRefusals = 25;

// The attribute a table column or bulk field writes.
const char *ColumnAttribute(int column)
{
    switch (column) {
    case CContactsTableModel::kColName: return "name";
    case CContactsTableModel::kColPid: return "pid";
    case CContactsTableModel::kColChannel: return "channel";
    case CContactsTableModel::kColHomeGroup: return "home_grp";
    case CContactsTableModel::kColGroupOnly: return "show_grp_only";
    case CContactsTableModel::kColRinger: return "alert_tone";
    case CContactsTableModel::kColScroll: return "in_scroll_list";
    case CContactsTableModel::kColScan: return "in_scan_list";
    default: return nullptr;
    }
}

int BulkColumn(CContactsTableView::BulkField field)
{
    using F = CContactsTableView::BulkField;
    switch (field) {
    case F::Channel: return CContactsTableModel::kColChannel;
    case F::Ringer: return CContactsTableModel::kColRinger;
    case F::GroupOnly: return CContactsTableModel::kColGroupOnly;
    case F::HomeGroup: return CContactsTableModel::kColHomeGroup;
    case F::JoinGroup:
    case F::LeaveGroup: return CContactsTableModel::kColPrivateGroups;
    case F::ScrollList: return CContactsTableModel::kColScroll;
    case F::ScanList: return CContactsTableModel::kColScan;
    }
    return -1;
}

// The membership of private contact `contact` in the group with ID `pid` (null when none),
// and its list element.
xmlNodePtr MembershipList(xmlNodePtr contact)
{
    for (xmlNodePtr child : ElementChildren(contact))
        if (NodeName(child) == QLatin1String("ParentPrivateGroups"))
            return child;
    return nullptr;
}

xmlNodePtr Membership(xmlNodePtr contact, const QString &pid)
{
    if (xmlNodePtr list = MembershipList(contact))
        for (xmlNodePtr m : ElementChildren(list))
            if (GetAttr(m, "pid") == pid)
                return m;
    return nullptr;
}

}  // namespace

// ------------------------------------------------------------------ the cell editors

// Edits a cell with a line (name, ID) or a list (channel, ringer, home group); a list commits
// as soon as an entry is chosen.
class CContactsTableView::CCellDelegate : public QStyledItemDelegate {
public:
    explicit CCellDelegate(CContactsTableView &view) : QStyledItemDelegate(&view), m_view(view) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const int column = index.column();
        if (column == CContactsTableModel::kColName || column == CContactsTableModel::kColPid) {
            auto *edit = new QLineEdit(parent);
            edit->setObjectName(QStringLiteral("ContactsTableCellEdit"));
            if (column == CContactsTableModel::kColName) {
                edit->setMaxLength(CZQVCPSTreeView::kMaxNameLength);
            } else {
                edit->setValidator(
                    new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,11}")), edit));
            }
            return edit;
        }
        if (column != CContactsTableModel::kColChannel && column != CContactsTableModel::kColRinger &&
            column != CContactsTableModel::kColHomeGroup)
            return QStyledItemDelegate::createEditor(parent, option, index);
        auto *box = new QComboBox(parent);
        box->setObjectName(QStringLiteral("ContactsTableCellList"));
        if (column == CContactsTableModel::kColChannel) {
            const QStringList channels = m_view.ChannelChoices();
            for (int i = 0; i < channels.size(); ++i)
                box->addItem(channels[i], i + 1);
        } else if (column == CContactsTableModel::kColRinger) {
            for (int i = 1; i <= kRingers; ++i)
                box->addItem(FormatStr(IDS_RINGER_N, {QString::number(i)}), i);
        } else {
            box->addItem(LoadStr(IDS_NONE), QString());
            const int channel = index.siblingAtColumn(CContactsTableModel::kColChannel).data(Qt::EditRole).toInt();
            for (const auto &[pid, name] : m_view.GroupChoices(false, channel))
                box->addItem(name, pid);
        }
        QObject::connect(box, &QComboBox::activated, this, [this, box] {
            emit const_cast<CCellDelegate *>(this)->commitData(box);
            emit const_cast<CCellDelegate *>(this)->closeEditor(box);
        });
        return box;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        const QVariant value = index.data(Qt::EditRole);
        if (auto *box = qobject_cast<QComboBox *>(editor)) {
            const int at =
                box->findData(index.column() == CContactsTableModel::kColHomeGroup ? QVariant(value.toString())
                                                                                   : QVariant(value.toInt()));
            box->setCurrentIndex(qMax(0, at));
            return;
        }
        if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
            edit->setText(value.toString());
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        if (auto *box = qobject_cast<QComboBox *>(editor))
            model->setData(index, box->currentData(), Qt::EditRole);
        else if (auto *edit = qobject_cast<QLineEdit *>(editor))
            model->setData(index, edit->text(), Qt::EditRole);
        else
            QStyledItemDelegate::setModelData(editor, model, index);
    }

private:
    CContactsTableView &m_view;
};

// ------------------------------------------------------------------ building the form

CContactsTableView::CContactsTableView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent)
    : CBaseView(host, tree, kNodeAllContacts, parent)
{
    m_pBody = new QWidget(Canvas());
    m_pBody->setObjectName(QStringLiteral("ContactsTableBody"));
    auto *layout = new QVBoxLayout(m_pBody);
    layout->setContentsMargins(kHeadingMargin, kHeadingMargin, kHeadingMargin, kHeadingMargin);

    m_pHeading = new QLabel(LoadStr(IDS_ALL_CONTACTS));
    m_pHeading->setTextFormat(Qt::PlainText);
    m_pHeading->setIndent(8);
    m_pHeading->setMinimumHeight(30);
    m_pHeading->setAutoFillBackground(true);
    PaintThemed(m_pHeading, ThemeRole::Heading);
    layout->addWidget(m_pHeading);

    auto *top = new QHBoxLayout;
    auto *filterLabel = new QLabel(LoadStr(IDS_TABLE_FILTER));
    m_pFilter = new QLineEdit;
    m_pFilter->setObjectName(QStringLiteral("ContactsTableFilter"));
    m_pFilter->setPlaceholderText(LoadStr(IDS_TABLE_FILTER_HINT));
    m_pFilter->setClearButtonEnabled(true);
    filterLabel->setBuddy(m_pFilter);
    m_pAdd = new QToolButton;
    m_pAdd->setObjectName(QStringLiteral("ContactsTableAdd"));
    m_pAdd->setText(LoadStr(IDS_TABLE_ADD));
    m_pAdd->setPopupMode(QToolButton::InstantPopup);
    m_pAdd->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_pAdd->setIcon(NodeIcon(kNodePrivate));
    auto *addMenu = new QMenu(m_pAdd);
    const struct {
        NodeKind kind;
        int label;
    } adds[] = {{kNodePrivate, IDS_ADD_PRIVATES},
                {kNodePrivateGroup, IDS_ADD_PRIVATE_GROUP},
                {kNodePublicGroup, IDS_ADD_PUBLIC_GROUP}};
    for (const auto &a : adds) {
        QAction *action = addMenu->addAction(NodeIcon(a.kind), LoadStr(a.label));
        action->setData(static_cast<int>(a.kind));
        connect(action, &QAction::triggered, this, [this, kind = a.kind] { Guarded([&] { AddContact(kind); }); });
    }
    connect(addMenu, &QMenu::aboutToShow, this, [this, addMenu] {
        for (QAction *action : addMenu->actions()) {
            bool can = false;
            try {
                const CDataItem list =
                    ListItem(ProfileRoot(), FolderKindOf(static_cast<NodeKind>(action->data().toInt())));
                can = !list.IsEmpty() && list.IsEnabled() && list.CanAddChild();
            } catch (const CZQVCPSException &) {
                can = false;
            }
            action->setEnabled(can);
        }
    });
    m_pAdd->setMenu(addMenu);
    m_pDelete = new QPushButton(LoadStr(IDS_TABLE_DELETE));
    m_pDelete->setObjectName(QStringLiteral("ContactsTableDelete"));
    connect(m_pDelete, &QPushButton::clicked, this,
            [this] { Guarded([this] { DeleteContacts(SelectedContacts()); }); });
    // The filter grows with the window up to the width of a long name or number, no further:
    // the buttons stay beside it.
    m_pFilter->setMaximumWidth(m_pFilter->fontMetrics().averageCharWidth() * 48);
    top->addWidget(filterLabel);
    top->addWidget(m_pFilter, 1);
    top->addSpacing(20);
    top->addWidget(m_pAdd);
    top->addWidget(m_pDelete);
    top->addStretch(1);
    layout->addLayout(top);

    auto *bulk = new QHBoxLayout;
    auto *bulkLabel = new QLabel(LoadStr(IDS_TABLE_CHANGE_SELECTED));
    m_pBulkField = new QComboBox;
    m_pBulkField->setObjectName(QStringLiteral("ContactsTableBulkField"));
    bulkLabel->setBuddy(m_pBulkField);
    const struct {
        BulkField field;
        int label;
    } fields[] = {
        {BulkField::Channel, IDS_CHANNEL},
        {BulkField::Ringer, IDS_RINGER},
        {BulkField::GroupOnly, IDS_GROUP_ONLY},
        {BulkField::HomeGroup, IDS_HOME_GROUP},
        {BulkField::JoinGroup, IDS_TABLE_ADD_TO_GROUP},
        {BulkField::LeaveGroup, IDS_TABLE_REMOVE_FROM_GROUP},
        {BulkField::ScrollList, IDS_SCROLL_LIST},
        {BulkField::ScanList, IDS_SCAN_LIST},
    };
    for (const auto &f : fields)
        m_pBulkField->addItem(LoadStr(f.label), static_cast<int>(f.field));
    m_pBulkValue = new QComboBox;
    m_pBulkValue->setObjectName(QStringLiteral("ContactsTableBulkValue"));
    m_pBulkValue->setMinimumContentsLength(16);
    m_pBulkValue->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pApply = new QPushButton(LoadStr(IDS_TABLE_APPLY));
    m_pApply->setObjectName(QStringLiteral("ContactsTableApply"));
    connect(m_pBulkField, &QComboBox::currentIndexChanged, this, [this] { Guarded([this] { FillBulkValues(); }); });
    connect(m_pApply, &QPushButton::clicked, this, [this] { Guarded([this] { OnApplyClicked(); }); });
    bulk->addWidget(bulkLabel);
    bulk->addWidget(m_pBulkField);
    bulk->addWidget(m_pBulkValue);
    bulk->addWidget(m_pApply);
    bulk->addStretch(1);
    layout->addLayout(bulk);

    m_pModel = new CContactsTableModel(this);
    m_pModel->SetCommit(
        [this](xmlNodePtr node, int column, const QVariant &value) { return CommitCell(node, column, value); });
    m_pProxy = new CContactsSortFilter(this);
    m_pProxy->setSourceModel(m_pModel);
    m_pTable = new QTableView;
    m_pTable->setObjectName(QStringLiteral("ContactsTable"));
    m_pTable->setAccessibleName(m_pHeading->text());
    m_pTable->setModel(m_pProxy);
    m_pTable->setItemDelegate(new CCellDelegate(*this));
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pTable->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::SelectedClicked);
    m_pTable->setSortingEnabled(true);
    m_pTable->sortByColumn(CContactsTableModel::kColType, Qt::AscendingOrder);
    m_pTable->verticalHeader()->setVisible(false);
    m_pTable->verticalHeader()->setDefaultSectionSize(m_pTable->fontMetrics().height() + 8);
    m_pTable->horizontalHeader()->setStretchLastSection(true);
    m_pTable->setWordWrap(false);
    m_pTable->installEventFilter(this);
    connect(m_pTable->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { UpdateButtons(); });
    connect(m_pFilter, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_pProxy->SetFilterText(text);
        UpdateButtons();
    });
    layout->addWidget(m_pTable, 1);
}

CContactsTableView::~CContactsTableView() = default;

void CContactsTableView::Load()
{
    Reload();
    // Column widths from the headers and the widest text a column can hold, not from every
    // cell: measuring 150 rows would cost more than showing them.
    const QFontMetrics metrics = m_pTable->fontMetrics();
    QHeaderView *header = m_pTable->horizontalHeader();
    // A table without an icon size of its own shows the style's small icons.
    const int icon = m_pTable->iconSize().isValid()
        ? m_pTable->iconSize().width()
        : m_pTable->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, m_pTable);
    for (int c = 0; c < CContactsTableModel::kColumnCount; ++c) {
        int width = qMax(header->sectionSizeHint(c), 40);
        switch (c) {
        case CContactsTableModel::kColType:
            for (int id : {IDS_TABLE_PRIVATE, IDS_TABLE_PRIVATE_GROUP, IDS_TABLE_PUBLIC_GROUP})
                width = qMax(width, metrics.horizontalAdvance(LoadStr(id)) + icon + 24);
            break;
        case CContactsTableModel::kColName:
        case CContactsTableModel::kColHomeGroup:
            width = qMax(width, metrics.horizontalAdvance(QStringLiteral("Private Contact 1234")) + 16);
            break;
        case CContactsTableModel::kColPid:
            width = qMax(width, metrics.horizontalAdvance(QStringLiteral("00000000000")) + 16);
            break;
        default: break;
        }
        m_pTable->setColumnWidth(c, width);
    }
    FillBulkValues();
    UpdateButtons();
}

void CContactsTableView::Reload()
{
    m_pModel->Load(ProfileRoot());
    UpdateButtons();
}

void CContactsTableView::OnUpdate(const ViewHint &)
{
    if (!m_bCommitting)
        Guarded([this] { Reload(); });
}

void CContactsTableView::resizeEvent(QResizeEvent *event)
{
    CBaseView::resizeEvent(event);
    m_pBody->setGeometry(Canvas()->rect());
}

bool CContactsTableView::eventFilter(QObject *watched, QEvent *event)
{
    // An open cell editor takes its own keys; the table gets Delete only between edits.
    if (watched == m_pTable && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            Guarded([this] { DeleteContacts(SelectedContacts()); });
            return true;
        }
    }
    return CBaseView::eventFilter(watched, event);
}

void CContactsTableView::UpdateButtons()
{
    const bool any = m_pTable->selectionModel()->hasSelection();
    m_pDelete->setEnabled(any);
    m_pApply->setEnabled(any && m_pBulkValue->count() > 0);
}

bool CContactsTableView::IsLive(xmlNodePtr node) const
{
    if (!node)
        return false;
    for (xmlNodePtr contact : AllContactNodes(ProfileRoot()))
        if (contact == node)
            return true;
    return false;
}

void CContactsTableView::NotifyTree(int column)
{
    // The tree shows names, the radio's own contact, the scroll count and the scan counts; a
    // home group, ringer, Group Only or membership changes nothing there.
    switch (column) {
    case CContactsTableModel::kColHomeGroup:
    case CContactsTableModel::kColGroupOnly:
    case CContactsTableModel::kColRinger:
    case CContactsTableModel::kColPrivateGroups: return;
    case CContactsTableModel::kColScroll: SendHint(kHintRefresh, kNodeScrollList, 0); return;
    case CContactsTableModel::kColScan: SendHint(kHintRefresh, kNodePublicGroup, 0); return;
    default:
        // The private contacts' notice rebuilds the private groups too (a channel change or a
        // delete may remove groups it left empty) and the scroll count; the public groups'
        // notice their channels' scan counts.
        SendHint(kHintRefresh, kNodePrivate, 0);
        SendHint(kHintRefresh, kNodePublicGroup, 0);
    }
}

// ------------------------------------------------------------------ selection

std::vector<xmlNodePtr> CContactsTableView::SelectedContacts() const
{
    QModelIndexList rows = m_pTable->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    std::vector<xmlNodePtr> out;
    for (const QModelIndex &index : rows)
        out.push_back(m_pModel->RowAt(m_pProxy->mapToSource(index).row()).node);
    return out;
}

void CContactsTableView::SelectContacts(const std::vector<xmlNodePtr> &contacts)
{
    QItemSelection selection;
    for (xmlNodePtr node : contacts) {
        const int row = m_pModel->RowOf(node);
        if (row < 0)
            continue;
        const QModelIndex at = m_pProxy->mapFromSource(m_pModel->index(row, 0));
        if (at.isValid())
            selection.select(at, at.siblingAtColumn(CContactsTableModel::kColumnCount - 1));
    }
    m_pTable->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!selection.isEmpty())
        m_pTable->selectionModel()->setCurrentIndex(selection.first().topLeft(), QItemSelectionModel::NoUpdate);
}

// ------------------------------------------------------------------ choices

QStringList CContactsTableView::ChannelChoices() const
{
    QStringList out;
    const qint64 channels = LimitNumber(ProfileRoot(), "max_num_of_channels");
    for (qint64 c = 1; c <= channels; ++c)
        out << FormatStr(IDS_CHANNEL_N, {QString::number(c)});
    return out;
}

std::vector<std::pair<QString, QString>> CContactsTableView::GroupChoices(bool privateOnly, int channel) const
{
    // Private groups before public groups, each in profile order, as the contact form lists
    // home groups; with channel 0 every channel's groups, their channel named.
    std::vector<std::pair<QString, QString>> out;
    const CDataItem root = ProfileRoot();
    for (NodeKind kind : {kNodePrivateGroups, kNodePublicGroups}) {
        if (privateOnly && kind == kNodePublicGroups)
            continue;
        for (xmlNodePtr group : ElementChildren(ListItem(root, kind).Node())) {
            const int c = static_cast<int>(AttrNumber(group, "channel"));
            if (channel != 0 && c != channel)
                continue;
            QString label = GetAttr(group, "name");
            if (channel == 0)
                label += QStringLiteral(" (") + FormatStr(IDS_CHANNEL_N, {QString::number(c)}) + QLatin1Char(')');
            out.emplace_back(GetAttr(group, "pid"), label);
        }
    }
    return out;
}

void CContactsTableView::FillBulkValues()
{
    m_pBulkValue->clear();
    const auto field = static_cast<BulkField>(m_pBulkField->currentData().toInt());
    switch (field) {
    case BulkField::Channel: {
        const QStringList channels = ChannelChoices();
        for (int i = 0; i < channels.size(); ++i)
            m_pBulkValue->addItem(channels[i], i + 1);
        break;
    }
    case BulkField::Ringer:
        for (int i = 1; i <= kRingers; ++i)
            m_pBulkValue->addItem(FormatStr(IDS_RINGER_N, {QString::number(i)}), i);
        break;
    case BulkField::GroupOnly:
    case BulkField::ScrollList:
    case BulkField::ScanList:
        m_pBulkValue->addItem(LoadStr(IDS_REPORT_YES), 1);
        m_pBulkValue->addItem(LoadStr(IDS_REPORT_NO), 0);
        break;
    case BulkField::HomeGroup:
        m_pBulkValue->addItem(LoadStr(IDS_NONE), QString());
        for (const auto &[pid, label] : GroupChoices(false, 0))
            m_pBulkValue->addItem(label, pid);
        break;
    case BulkField::JoinGroup:
    case BulkField::LeaveGroup:
        for (const auto &[pid, label] : GroupChoices(true, 0))
            m_pBulkValue->addItem(label, pid);
        break;
    }
    UpdateButtons();
}

void CContactsTableView::OnApplyClicked()
{
    const std::vector<xmlNodePtr> contacts = SelectedContacts();
    if (contacts.empty() || m_pBulkValue->currentIndex() < 0)
        return;
    BulkChange change;
    change.field = static_cast<BulkField>(m_pBulkField->currentData().toInt());
    change.value = m_pBulkValue->currentData();
    ApplyBulk(contacts, change);
    std::vector<xmlNodePtr> still;
    for (xmlNodePtr node : contacts)
        if (m_pModel->RowOf(node) >= 0)
            still.push_back(node);
    SelectContacts(still);
    // The group lists name what the profile now holds.
    const int field = m_pBulkField->currentIndex();
    const int value = m_pBulkValue->currentIndex();
    FillBulkValues();
    m_pBulkField->setCurrentIndex(field);
    m_pBulkValue->setCurrentIndex(qMin(value, m_pBulkValue->count() - 1));
}

// ------------------------------------------------------------------ one cell

bool CContactsTableView::CommitCell(xmlNodePtr node, int column, const QVariant &value)
{
    // A message box shown during the commit takes the focus from the cell's editor, which
    // would commit the same value again.
    if (m_bCommitting || !IsLive(node))
        return false;
    const char *attribute = ColumnAttribute(column);
    if (!attribute)
        return false;
    bool applied = false;
    {
        QScopedValueRollback<bool> guard(m_bCommitting, true);
        Guarded([&] {
            const CDataItem root = ProfileRoot();
            CDataItem item(root.Context(), node);
            const QString before = GetAttr(node, attribute);
            const QString text = value.toString();
            if (text == before) {
                applied = true;
                return;
            }
            const QString name = GetAttr(node, "name");
            const QString step = column == CContactsTableModel::kColName
                ? FormatStr(IDS_STEP_RENAME, {name, text})
                : FormatStr(IDS_STEP_CHANGE_CELL,
                            {m_pModel->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(), name});
            CEditScope scope(Host(), step);
            if (column == CContactsTableModel::kColName) {
                if (text.isEmpty())
                    ShowMessage(IDS_NAME_EMPTY, MB_OK | MB_ICONWARNING);
                else
                    applied = SetValue(item, QStringLiteral("name"), text) == RuleResult::Applied;
            } else if (column == CContactsTableModel::kColPid) {
                applied = SetPid(item, text);
            } else {
                applied = SetValue(item, QLatin1String(attribute), value) == RuleResult::Applied;
            }
            if (!applied || GetAttr(node, attribute) == before)
                return;
            // The tree keeps contacts in name order; so does the profile.
            if (column == CContactsTableModel::kColName)
                CDataItem::RepositionChild(CDataItem(root.Context(), node->parent), ElementIndex(node),
                                           QStringLiteral("name"));
            SetModified();
            NotifyTree(column);
        });
    }
    // The rows are read again whatever happened, so a refused cell shows the profile's value.
    // When contacts went (a channel change deletes the groups it empties), the rows are rebuilt
    // once the cell's editor has closed.
    // The sort moves a changed row out of the selection: the selected contacts are selected
    // again afterwards.
    const std::vector<xmlNodePtr> selected = SelectedContacts();
    auto reload = [this, selected] {
        Reload();
        std::vector<xmlNodePtr> still;
        for (xmlNodePtr contact : selected)
            if (m_pModel->RowOf(contact) >= 0)
                still.push_back(contact);
        SelectContacts(still);
    };
    if (static_cast<int>(AllContactNodes(ProfileRoot()).size()) == m_pModel->rowCount())
        reload();
    else
        QMetaObject::invokeMethod(
            this, [this, reload] { Guarded(reload); }, Qt::QueuedConnection);
    return applied;
}

// ------------------------------------------------------------------ bulk change

QString CContactsTableView::StepName(const BulkChange &change, int count) const
{
    const QString n = QString::number(count);
    auto groupName = [&] {
        const QString pid = change.value.toString();
        for (xmlNodePtr node : AllContactNodes(ProfileRoot()))
            if (ContactKind(node) != kNodePrivate && GetAttr(node, "pid") == pid)
                return GetAttr(node, "name");
        return pid;
    };
    const QString onOff = LoadStr(change.value.toInt() == 1 ? IDS_REPORT_YES : IDS_REPORT_NO);
    switch (change.field) {
    case BulkField::Channel: return FormatStr(IDS_STEP_SET_CHANNEL, {QString::number(change.value.toInt()), n});
    case BulkField::Ringer: return FormatStr(IDS_STEP_SET_RINGER, {QString::number(change.value.toInt()), n});
    case BulkField::GroupOnly: return FormatStr(IDS_STEP_SET_FIELD, {LoadStr(IDS_GROUP_ONLY), onOff, n});
    case BulkField::ScrollList: return FormatStr(IDS_STEP_SET_FIELD, {LoadStr(IDS_SCROLL_LIST), onOff, n});
    case BulkField::ScanList: return FormatStr(IDS_STEP_SET_FIELD, {LoadStr(IDS_SCAN_LIST), onOff, n});
    case BulkField::HomeGroup:
        return FormatStr(
            IDS_STEP_SET_FIELD,
            {LoadStr(IDS_HOME_GROUP), change.value.toString().isEmpty() ? LoadStr(IDS_NONE) : groupName(), n});
    case BulkField::JoinGroup: return FormatStr(IDS_STEP_JOIN_GROUP, {n, groupName()});
    case BulkField::LeaveGroup: return FormatStr(IDS_STEP_LEAVE_GROUP, {n, groupName()});
    }
    return QString();
}

CContactsTableView::BulkOutcome CContactsTableView::ApplyBulk(const std::vector<xmlNodePtr> &contacts,
                                                              const BulkChange &change)
{
    BulkOutcome outcome;
    const CDataItem root = ProfileRoot();
    const int column = BulkColumn(change.field);
    const char *attribute = ColumnAttribute(column);
    const QString groupPid = change.value.toString();
    auto refuse = [&](xmlNodePtr node, int messageId) {
        outcome.refused << RefusalLine(GetAttr(node, "name"), messageId);
    };

    // What the change would not alter anyway is left out of the count; contacts of a kind the
    // field does not apply to are listed.
    std::vector<xmlNodePtr> todo;
    for (xmlNodePtr node : contacts) {
        if (!IsLive(node))
            continue;
        if (!CContactsTableModel::Applies(ContactKind(node), column)) {
            refuse(node, IDS_TABLE_NOT_APPLICABLE);
            continue;
        }
        bool already = false;
        if (attribute)
            already = GetAttr(node, attribute) == change.value.toString();
        else if (change.field == BulkField::JoinGroup)
            already = Membership(node, groupPid) != nullptr;
        else if (change.field == BulkField::LeaveGroup)
            already = Membership(node, groupPid) == nullptr;
        if (!already)
            todo.push_back(node);
    }
    if (todo.empty()) {
        ShowRefused(outcome.refused, static_cast<int>(contacts.size()));
        return outcome;
    }

    // One contact through the rule script, with the confirm value of a question's answer.
    auto call = [&](xmlNodePtr node, int confirm) -> RuleAnswer {
        CDataItem item(root.Context(), node);
        if (attribute) {
            return CallRule(
                [&](int c, int &message, int &style) {
                    return item.SetAttributeValue(QLatin1String(attribute), change.value, message, c, style);
                },
                confirm);
        }
        CDataItem memberships(root.Context(), MembershipList(node));
        if (change.field == BulkField::LeaveGroup) {
            const int index = ElementIndex(Membership(node, groupPid));
            return CallRule([&](int c, int &message,
                                int &style) { return memberships.RemoveChildByIndex(index, message, c, style); },
                            confirm);
        }
        if (memberships.IsEmpty() || !memberships.CanAddChild())
            return RuleAnswer{RuleResult::Refused, IDS_PRIVATE_IN_MAX_GROUPS, MB_OK};
        CDataItem added;
        memberships.AddNewChild(added);
        if (added.IsEmpty())
            return RuleAnswer{RuleResult::Refused, IDS_PRIVATE_IN_MAX_GROUPS, MB_OK};
        // A refused entry is taken out again by the rule script.
        return SetValueQuietly(added, QStringLiteral("pid"), groupPid);
    };

    std::vector<xmlNodePtr> asked;
    RuleAnswer question;
    std::set<int> notices;
    auto run = [&](xmlNodePtr node, int confirm) {
        // An earlier change of this step may have deleted it (a group left without members).
        if (!IsLive(node))
            return;
        RuleAnswer answer;
        try {
            answer = call(node, confirm);
        } catch (const CZQVCPSException &e) {
            refuse(node, e.GetMessageId());
            return;
        }
        switch (answer.result) {
        case RuleResult::Applied:
            ++outcome.changed;
            if (answer.message != 0)
                notices.insert(answer.message);
            break;
        case RuleResult::Refused: refuse(node, answer.message); break;
        case RuleResult::Ask:
            if (asked.empty())
                question = answer;
            asked.push_back(node);
            break;
        }
    };

    {
        CEditScope scope(Host(), StepName(change, static_cast<int>(todo.size())));
        for (xmlNodePtr node : todo)
            run(node, 0);
        if (!asked.empty()) {
            // The script's question is asked once for all the contacts it concerns.
            const std::vector<xmlNodePtr> pending = std::move(asked);
            asked.clear();
            const int answer = Prompter().Show(
                FormatStr(IDS_TABLE_QUESTION_FOR, {QString::number(pending.size()), LoadStr(question.message)}),
                question.style != 0 ? question.style : MB_OKCANCEL | MB_ICONQUESTION);
            const bool agreed = answer == IDOK || answer == IDYES;
            for (xmlNodePtr node : pending) {
                if (agreed)
                    run(node, 1);
                else
                    refuse(node, IDS_TABLE_DECLINED);
            }
        }
        if (outcome.changed > 0) {
            SetModified();
            NotifyTree(column);
        }
    }
    Reload();

    for (int notice : notices)
        ShowMessage(notice, MB_OK | MB_ICONINFORMATION);
    ShowRefused(outcome.refused, static_cast<int>(contacts.size()));
    return outcome;
}

// ------------------------------------------------------------------ adding and deleting

bool CContactsTableView::AddContact(NodeKind kind)
{
    CDataItem list = ListItem(ProfileRoot(), FolderKindOf(kind));
    if (list.IsEmpty() || !list.IsEnabled() || !list.CanAddChild())
        return false;
    const int typeText = kind == kNodePublicGroup
        ? IDS_TABLE_PUBLIC_GROUP
        : (kind == kNodePrivateGroup ? IDS_TABLE_PRIVATE_GROUP : IDS_TABLE_PRIVATE);
    CDataItem added;
    {
        CEditScope scope(Host(), FormatStr(IDS_STEP_ADD, {LoadStr(typeText)}));
        switch (kind) {
        case kNodePrivate: list.AddNewPriGrpPrivate(LoadStr(IDS_NEW_PRIVATE_TEXT), added); break;
        case kNodePrivateGroup: list.AddNewPriGrpPrivate(LoadStr(IDS_NEW_GROUP_TEXT), added); break;
        default: list.AddNewChild(added); break;
        }
        if (added.IsEmpty())
            return false;
        SetModified();
        NotifyTree(-1);
    }
    // A filter that would hide the new row goes.
    m_pFilter->clear();
    Reload();
    SelectContacts({added.Node()});
    const int row = m_pModel->RowOf(added.Node());
    if (row >= 0)
        m_pTable->scrollTo(m_pProxy->mapFromSource(m_pModel->index(row, CContactsTableModel::kColName)));
    m_pTable->setFocus(Qt::OtherFocusReason);
    return true;
}

int CContactsTableView::DeleteContacts(const std::vector<xmlNodePtr> &contacts)
{
    if (contacts.empty())
        return 0;
    const bool several = contacts.size() > 1;
    // Several contacts: one question for all, then each goes as agreed. One contact: the
    // script's own question, as the tree asks it.
    if (several &&
        Prompter().Show(FormatStr(IDS_TABLE_DELETE_QUESTION, {QString::number(contacts.size())}),
                        MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return 0;
    const CDataItem root = ProfileRoot();
    int removed = 0;
    QStringList refused;
    {
        CEditScope scope(Host(), FormatStr(IDS_STEP_DELETE, {QString::number(contacts.size())}));
        for (xmlNodePtr node : contacts) {
            // Deleting the last member of a group deletes the group with it.
            if (!IsLive(node))
                continue;
            const QString name = GetAttr(node, "name");
            CDataItem list(root.Context(), node->parent);
            const int index = ElementIndex(node);
            const RuleCall remove = [&list, index](int confirm, int &message, int &style) {
                return list.RemoveChildByIndex(index, message, confirm, style);
            };
            if (!several) {
                removed += ApplyRule(Prompter(), remove) == RuleResult::Applied ? 1 : 0;
                continue;
            }
            RuleAnswer answer;
            try {
                answer = CallRule(remove, 1);
            } catch (const CZQVCPSException &e) {
                answer = RuleAnswer{RuleResult::Refused, e.GetMessageId(), MB_OK};
            }
            if (answer.result == RuleResult::Applied)
                ++removed;
            else
                refused << RefusalLine(name, answer.message);
        }
        if (removed > 0) {
            SetModified();
            NotifyTree(-1);
        }
    }
    Reload();
    ShowRefused(refused, static_cast<int>(contacts.size()));
    return removed;
}

QString CContactsTableView::RefusalLine(const QString &name, int messageId)
{
    return QStringLiteral("%1: %2").arg(name, messageId != 0 ? LoadStr(messageId) : QString());
}

void CContactsTableView::ShowRefused(const QStringList &refused, int total)
{
    if (refused.isEmpty())
        return;
    QStringList lines = refused.mid(0, kMaxListedRefusals);
    if (refused.size() > kMaxListedRefusals)
        lines << LoadStr(IDS_TREE_LABEL_ELLIPSIS);
    Prompter().Show(FormatStr(IDS_TABLE_UNCHANGED, {QString::number(refused.size()), QString::number(total)}) +
                        QStringLiteral("\n\n") + lines.join(QLatin1Char('\n')),
                    MB_OK | MB_ICONWARNING);
}

}  // namespace zqv
