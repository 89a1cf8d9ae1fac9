#include "ReportOptionDlg.h"

#include "AccessibleName.h"
#include "StringIds.h"
#include "StringTable.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zqv {

namespace {
constexpr int kRadioSpecificRow = 0;
constexpr int kOverviewRow = 1;
}  // namespace

CReportOptionDlg::CReportOptionDlg(bool radioSpecificAvailable, QWidget *parent)
    : QDialog(parent), m_bRadioSpecificAvailable(radioSpecificAvailable)
{
    setWindowTitle(LoadStr(IDS_REPORTS_TITLE));
    auto *layout = new QVBoxLayout(this);
    auto *listLabel = new QLabel(LoadStr(IDS_CHOOSE_REPORT_TEMPLATE), this);
    layout->addWidget(listLabel);
    m_pList = new QListWidget(this);
    NameByLabel(listLabel, m_pList);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->addItem(LoadStr(IDS_RADIO_SPECIFIC_REPORT));
    m_pList->addItem(LoadStr(IDS_OVERVIEW_REPORT));
    layout->addWidget(m_pList);
    auto *buttons = new QDialogButtonBox(this);
    m_pOk = buttons->addButton(LoadStr(IDS_BUTTON_OK), QDialogButtonBox::AcceptRole);
    m_pOk->setDefault(true);
    buttons->addButton(LoadStr(IDS_BUTTON_CANCEL), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pList, &QListWidget::itemSelectionChanged, this, &CReportOptionDlg::OnSelectionChanged);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        if (item->flags() & Qt::ItemIsSelectable)
            accept();
    });

    if (!m_bRadioSpecificAvailable) {
        // Grey and out of reach: neither the mouse nor the keys can select it.
        QListWidgetItem *radioSpecific = m_pList->item(kRadioSpecificRow);
        radioSpecific->setFlags(Qt::ItemIsEnabled);
        radioSpecific->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
    }
    const int selected = m_bRadioSpecificAvailable ? kRadioSpecificRow : kOverviewRow;
    m_pList->setCurrentRow(selected);
    m_pList->item(selected)->setSelected(true);
    m_pList->setFocus();
    OnSelectionChanged();
    resize(300, 200);
}

void CReportOptionDlg::OnSelectionChanged()
{
    // The unavailable item never stays selected.
    QListWidgetItem *radioSpecific = m_pList->item(kRadioSpecificRow);
    if (!m_bRadioSpecificAvailable && radioSpecific->isSelected())
        radioSpecific->setSelected(false);
    m_pOk->setEnabled(!m_pList->selectedItems().isEmpty());
}

void CReportOptionDlg::accept()
{
    const QList<QListWidgetItem *> selected = m_pList->selectedItems();
    if (selected.isEmpty())
        return;
    m_choice = m_pList->row(selected.first()) == kRadioSpecificRow ? ReportKind::RadioSpecific : ReportKind::Overview;
    QDialog::accept();
}

}  // namespace zqv
