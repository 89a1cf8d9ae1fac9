#include "FleetDialogs.h"

#include "Prompter.h"
#include "SafeWriteDialogs.h"
#include "ScreenFit.h"
#include "StringIds.h"
#include "StringTable.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zqv {

namespace {
// Above this many changes in all the radios are shown folded, one line per radio.
constexpr int kMaxUnfoldedChanges = 300;
}  // namespace

QString FleetRadioLabel(const QString &port, const QString &name, const QString &unitPid)
{
    const QString radio = name.isEmpty() ? unitPid : QStringLiteral("%1 (%2)").arg(name, unitPid);
    return radio.isEmpty() ? port : QStringLiteral("%1  %2").arg(port, radio);
}

CFleetConfirmDialog::CFleetConfirmDialog(const std::vector<FleetRadioPlan> &plans, const QString &profile,
                                         QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FleetConfirmDialog"));
    setWindowTitle(LoadStr(IDS_CHANGE_REPORT_TITLE));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(FormatStr(IDS_FLEET_CONFIRM_INTRO, {profile}), this);
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_pList = new QTreeWidget(this);
    m_pList->setAccessibleName(windowTitle());
    m_pList->setHeaderLabels(LoadStr(IDS_CHANGE_REPORT_COLUMNS).split(u'\n'));
    m_pList->header()->setStretchLastSection(true);
    std::size_t total = 0;
    for (const FleetRadioPlan &plan : plans) {
        total += plan.changes.size();
        const QString summary = plan.changes.empty()
            ? LoadStr(IDS_FLEET_CONFIRM_SAME)
            : FormatStr(IDS_FLEET_CONFIRM_CHANGES, {QString::number(plan.changes.size())});
        auto *radio = new QTreeWidgetItem(
            m_pList, {FleetRadioLabel(plan.port, plan.name, plan.unitPid) + QStringLiteral(": ") + summary});
        radio->setFirstColumnSpanned(true);
        QFont bold = radio->font(0);
        bold.setBold(true);
        radio->setFont(0, bold);
        for (const QString &note : plan.notes) {
            auto *item = new QTreeWidgetItem(radio, {note});
            item->setFirstColumnSpanned(true);
        }
        for (const link::ProfileDifference &d : plan.changes)
            new QTreeWidgetItem(radio, ChangeReportCells(d));
    }
    if (total <= std::size_t(kMaxUnfoldedChanges))
        m_pList->expandAll();
    for (int c = 0; c < m_pList->columnCount() - 1; ++c)
        m_pList->resizeColumnToContents(c);
    layout->addWidget(m_pList, 1);

    auto *question = new QLabel(FormatStr(IDS_FLEET_CONFIRM, {QString::number(plans.size())}), this);
    question->setTextFormat(Qt::PlainText);
    question->setWordWrap(true);
    layout->addWidget(question);
    auto *buttons = new QDialogButtonBox(this);
    m_pWrite = buttons->addButton(LoadStr(IDS_CHANGE_REPORT_WRITE), QDialogButtonBox::AcceptRole);
    m_pWrite->setDefault(true);
    buttons->addButton(LoadStr(IDS_BUTTON_CANCEL), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    FitToScreen(*this, QSize(820, 520));
}

CFleetPasswordDialog::CFleetPasswordDialog(const FleetRow &row, IPrompter &prompter, QWidget *parent)
    : CAskPwdDlg(QString(), prompter, parent)
{
    setObjectName(QStringLiteral("FleetPasswordDialog"));
    auto *which = new QLabel(FormatStr(IDS_FLEET_PASSWORD_FOR, {row.port, row.unitPid}), this);
    which->setTextFormat(Qt::PlainText);
    which->setWordWrap(true);
    if (auto *box = qobject_cast<QVBoxLayout *>(layout()))
        box->insertWidget(0, which);
}

QString CFleetPasswordDialog::Typed() const
{
    return Edit()->text();
}

void CFleetPasswordDialog::accept()
{
    // The run compares it with the radio's own password.
    QDialog::accept();
}

}  // namespace zqv
