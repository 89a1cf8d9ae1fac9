#include "TwoListWidget.h"

#include "AccessibleName.h"
#include "Collation.h"
#include "StringTable.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QVBoxLayout>

namespace zqv {

namespace {

// An entry ordered by its name under the name collation (the shown text may carry a suffix).
class CCollatedItem : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem &other) const override
    {
        const int order =
            CollateNames(data(CTwoListWidget::kNameRole).toString(), other.data(CTwoListWidget::kNameRole).toString());
        if (order != 0)
            return order < 0;
        return text() < other.text();
    }
};

// A list that shows the keyboard focus even while it is empty (the style marks only the
// current entry, and an empty list has none).
class CFocusShowingList : public QListWidget {
protected:
    void paintEvent(QPaintEvent *event) override
    {
        QListWidget::paintEvent(event);
        if (!hasFocus() || count() > 0)
            return;
        QPainter painter(viewport());
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = viewport()->rect().adjusted(1, 1, -1, -1);
        option.backgroundColor = palette().color(QPalette::Base);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
};

QListWidget *MakeList()
{
    auto *list = new CFocusShowingList;
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSortingEnabled(true);
    list->setUniformItemSizes(true);
    list->setIconSize(QSize(17, 17));
    // A list too narrow for an entry drops letters of its middle, not its end, where a count
    // may stand.
    list->setTextElideMode(Qt::ElideMiddle);
    return list;
}

}  // namespace

CTwoListWidget::CTwoListWidget(QWidget *parent)
    : QWidget(parent), m_pAvailableLabel(new QLabel(LoadStr(IDS_TWOLIST_AVAILABLE))),
      m_pSelectedLabel(new QLabel(LoadStr(IDS_TWOLIST_SELECTED))), m_pAvailable(MakeList()), m_pSelected(MakeList()),
      m_pAdd(new QPushButton(LoadStr(IDS_ADD_ARROW))), m_pRemove(new QPushButton(LoadStr(IDS_REMOVE_ARROW)))
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_pAvailableLabel, 0, 0);
    grid->addWidget(m_pSelectedLabel, 0, 2);
    grid->addWidget(m_pAvailable, 1, 0);
    grid->addWidget(m_pSelected, 1, 2);
    auto *buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pAdd);
    buttons->addWidget(m_pRemove);
    buttons->addStretch();
    grid->addLayout(buttons, 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    m_pAdd->setEnabled(false);
    m_pRemove->setEnabled(false);
    NameByLabel(m_pAvailableLabel, m_pAvailable);
    NameByLabel(m_pSelectedLabel, m_pSelected);
    // Tab goes as the eye does: the left list, the buttons between, the right list.
    setTabOrder(m_pAvailable, m_pAdd);
    setTabOrder(m_pAdd, m_pRemove);
    setTabOrder(m_pRemove, m_pSelected);

    connect(m_pAdd, &QPushButton::clicked, this, &CTwoListWidget::addRequested);
    connect(m_pRemove, &QPushButton::clicked, this, &CTwoListWidget::removeRequested);
    for (QListWidget *list : {m_pAvailable, m_pSelected}) {
        connect(list, &QListWidget::itemPressed, this, [this, list] { OnPressed(list); });
        // Selecting with the keyboard in one list ends the selection in the other, as a click does.
        connect(list, &QListWidget::itemSelectionChanged, this, [this, list] {
            if (list->hasFocus())
                OnPressed(list);
            else
                UpdateButtons();
        });
        list->installEventFilter(this);
        connect(list, &QListWidget::itemDoubleClicked, this, [this, list] {
            if (list->selectedItems().isEmpty())
                return;
            if (list == m_pAvailable)
                emit addRequested();
            else
                emit removeRequested();
        });
    }
}

void CTwoListWidget::SetCaptions(const QString &available, const QString &selected)
{
    m_pAvailableLabel->setText(available);
    m_pSelectedLabel->setText(selected);
}

void CTwoListWidget::Clear()
{
    m_pAvailable->clear();
    m_pSelected->clear();
    UpdateButtons();
}

QListWidgetItem *CTwoListWidget::Insert(QListWidget *list, const Entry &entry)
{
    auto *item = new CCollatedItem(entry.icon, entry.text.isEmpty() ? entry.name : entry.text);
    item->setData(kNameRole, entry.name);
    item->setData(kDataRole, entry.data);
    if (!entry.selectable)
        item->setFlags(item->flags() & ~Qt::ItemIsSelectable);
    if (!entry.toolTip.isEmpty())
        item->setToolTip(entry.toolTip);
    list->addItem(item);
    return item;
}

QListWidgetItem *CTwoListWidget::AddAvailable(const Entry &entry)
{
    return Insert(m_pAvailable, entry);
}

QListWidgetItem *CTwoListWidget::AddSelected(const Entry &entry)
{
    return Insert(m_pSelected, entry);
}

namespace {

QList<QListWidgetItem *> InRowOrder(QListWidget *list)
{
    QList<QListWidgetItem *> items = list->selectedItems();
    std::sort(items.begin(), items.end(),
              [list](QListWidgetItem *a, QListWidgetItem *b) { return list->row(a) < list->row(b); });
    return items;
}

}  // namespace

QList<QListWidgetItem *> CTwoListWidget::SelectedAvailable() const
{
    return InRowOrder(m_pAvailable);
}

QList<QListWidgetItem *> CTwoListWidget::SelectedChosen() const
{
    return InRowOrder(m_pSelected);
}

int CTwoListWidget::Move(QListWidgetItem *item, QListWidget *to, const QString &text)
{
    QListWidget *from = item->listWidget();
    const int row = from->row(item);
    QListWidgetItem *taken = from->takeItem(row);
    taken->setSelected(false);
    taken->setText(text.isEmpty() ? taken->data(kNameRole).toString() : text);
    to->addItem(taken);
    return row;
}

int CTwoListWidget::MoveToSelected(QListWidgetItem *item, const QString &text)
{
    return Move(item, m_pSelected, text);
}

int CTwoListWidget::MoveToAvailable(QListWidgetItem *item, const QString &text)
{
    return Move(item, m_pAvailable, text);
}

void CTwoListWidget::SelectRow(QListWidget *list, int row, bool pastEndToLast)
{
    if (list->count() == 0)
        return;
    if (row < 0 || row >= list->count())
        row = pastEndToLast ? list->count() - 1 : 0;
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void CTwoListWidget::SelectAfterMove(QListWidget *from, int row)
{
    QListWidget *other = from == m_pAvailable ? m_pSelected : m_pAvailable;
    if (from->count() > 0) {
        SelectRow(from, row, false);
    } else if (other->count() > 0) {
        SelectRow(other, 0, false);
        other->setFocus(Qt::OtherFocusReason);
    }
    UpdateButtons();
}

void CTwoListWidget::SetListsEnabled(bool enabled)
{
    if (!enabled) {
        m_pAvailable->clearSelection();
        m_pSelected->clearSelection();
    }
    m_pAvailable->setEnabled(enabled);
    m_pSelected->setEnabled(enabled);
    UpdateButtons();
}

void CTwoListWidget::UpdateButtons()
{
    m_pAdd->setEnabled(m_pAvailable->isEnabled() && !m_pAvailable->selectedItems().isEmpty());
    m_pRemove->setEnabled(m_pSelected->isEnabled() && !m_pSelected->selectedItems().isEmpty());
}

bool CTwoListWidget::eventFilter(QObject *watched, QEvent *event)
{
    // Tabbing into a list works in it as a click does: without a selection its current entry is
    // selected, so the button and Enter act at once, and the other list's selection ends. Enter
    // moves the selected entries across, as a double click does.
    if (event->type() == QEvent::FocusIn && (watched == m_pAvailable || watched == m_pSelected)) {
        auto *list = static_cast<QListWidget *>(watched);
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && list->selectedItems().isEmpty()) {
            // The current entry, or the first that can be chosen when it cannot.
            const auto choosable = [list](int row) {
                return row < list->count() && (list->item(row)->flags() & Qt::ItemIsSelectable);
            };
            int row = qMax(0, list->currentRow());
            if (!choosable(row))
                for (row = 0; row < list->count() && !choosable(row); ++row) {
                }
            if (row < list->count())
                list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        }
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            OnPressed(list);
    }
    if (event->type() == QEvent::KeyPress && (watched == m_pAvailable || watched == m_pSelected)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            auto *list = static_cast<QListWidget *>(watched);
            if (!list->selectedItems().isEmpty()) {
                if (list == m_pAvailable)
                    emit addRequested();
                else
                    emit removeRequested();
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CTwoListWidget::OnPressed(QListWidget *list)
{
    // Working in one list ends the selection in the other, so a button always acts on the
    // list the user is looking at.
    QListWidget *other = list == m_pAvailable ? m_pSelected : m_pAvailable;
    if (!list->selectedItems().isEmpty())
        other->clearSelection();
    UpdateButtons();
}

QListWidgetItem *CTwoListWidget::FindByName(QListWidget *list, const QString &name)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->data(kNameRole).toString() == name)
            return list->item(i);
    return nullptr;
}

QString CTwoListWidget::NameOf(const QListWidgetItem *item)
{
    return item ? item->data(kNameRole).toString() : QString();
}

QVariant CTwoListWidget::DataOf(const QListWidgetItem *item)
{
    return item ? item->data(kDataRole) : QVariant();
}

}  // namespace zqv
