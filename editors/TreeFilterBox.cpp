#include "TreeFilterBox.h"

#include "StringTable.h"
#include "ZQVCPSTreeView.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zqv {

CTreeFilterBox::CTreeFilterBox(CZQVCPSTreeView *tree, QWidget *parent)
    : QWidget(parent), m_pTree(tree), m_pEdit(new QLineEdit(this))
{
    setObjectName(QStringLiteral("TreeColumn"));
    m_pEdit->setObjectName(QStringLiteral("TreeFilter"));
    m_pEdit->setPlaceholderText(LoadStr(IDS_TREE_FILTER_PLACEHOLDER));
    m_pEdit->setAccessibleName(m_pEdit->placeholderText());
    m_pEdit->setClearButtonEnabled(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_pEdit);
    layout->addWidget(tree, 1);
    // The column hands the focus on to the tree, as the tree alone did.
    setFocusProxy(tree);
    connect(m_pEdit, &QLineEdit::textChanged, tree, &CZQVCPSTreeView::SetFilter);
    connect(m_pEdit, &QLineEdit::returnPressed, this, &CTreeFilterBox::SelectFirstMatch);
    m_pEdit->installEventFilter(this);
}

void CTreeFilterBox::FocusFilter()
{
    m_pEdit->setFocus(Qt::ShortcutFocusReason);
    m_pEdit->selectAll();
}

void CTreeFilterBox::SelectFirstMatch()
{
    QTreeWidgetItem *match = m_pTree->FirstMatch();
    if (!match)
        return;
    m_pTree->setFocus(Qt::OtherFocusReason);
    m_pTree->SelectNode(match);
}

void CTreeFilterBox::ClearFilter()
{
    m_pEdit->clear();
    m_pTree->setFocus(Qt::OtherFocusReason);
}

bool CTreeFilterBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pEdit && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        ClearFilter();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zqv
