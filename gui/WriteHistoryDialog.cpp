#include "WriteHistoryDialog.h"

#include "AccessibleName.h"
#include "FlowLayout.h"
#include "MainFrame.h"
#include "Prompter.h"
#include "ReportBuilder.h"
#include "ReportDlg.h"
#include "ScreenFit.h"
#include "StringIds.h"
#include "StringTable.h"
#include "ZQVCPSApp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace zqv {

namespace {

// What changed comes before the files, whose long paths would push it out of sight.
enum Column { ColWhen, ColRadio, ColPid, ColResult, ColChanges, ColProfile, ColBackup, ColCount };

// The widest the change summary column opens; the whole list is in its tool tip.
constexpr int kMaxChangesWidth = 360;

// A date box with a tick box before it: the date filters only while ticked.
QDateEdit *DateFilter(QCheckBox *&on, int labelId, const QDate &start, QWidget *parent, CFlowLayout *filters)
{
    auto *row = new QHBoxLayout;
    on = new QCheckBox(LoadStr(labelId), parent);
    auto *date = new QDateEdit(start, parent);
    date->setAccessibleName(WithoutMnemonic(on->text()));
    date->setCalendarPopup(true);
    date->setEnabled(false);
    QObject::connect(on, &QCheckBox::toggled, date, &QWidget::setEnabled);
    row->addWidget(on);
    row->addWidget(date);
    filters->AddLayout(row);
    return date;
}

}  // namespace

CWriteHistoryDialog::CWriteHistoryDialog(const QString &historyPath, IPrompter &prompter, IFileDialog &fileDialog,
                                         QWidget *parent)
    : QDialog(parent), m_history(historyPath), m_strPath(historyPath), m_prompter(prompter), m_fileDialog(fileDialog)
{
    setWindowTitle(LoadStr(IDS_HISTORY_TITLE));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto *layout = new QVBoxLayout(this);

    // Each filter keeps its label beside its field; the filters wrap onto further rows where
    // the window is narrow.
    auto *filters = new CFlowLayout;
    auto *radioRow = new QHBoxLayout;
    auto *radioLabel = new QLabel(LoadStr(IDS_HISTORY_FILTER_RADIO), this);
    m_pRadio = new QLineEdit(this);
    radioLabel->setBuddy(m_pRadio);
    radioRow->addWidget(radioLabel);
    radioRow->addWidget(m_pRadio, 1);
    filters->AddLayout(radioRow);
    const QDate today = QDate::currentDate();
    m_pFrom = DateFilter(m_pFromOn, IDS_HISTORY_FILTER_FROM, today.addMonths(-1), this, filters);
    m_pTo = DateFilter(m_pToOn, IDS_HISTORY_FILTER_TO, today, this, filters);
    auto *resultRow = new QHBoxLayout;
    auto *resultLabel = new QLabel(LoadStr(IDS_HISTORY_FILTER_RESULT), this);
    m_pResult = new QComboBox(this);
    resultLabel->setBuddy(m_pResult);
    m_pResult->addItem(LoadStr(IDS_HISTORY_ALL_RESULTS), QString());
    for (const char *key :
         {link::kHistoryVerified, link::kHistoryWritten, link::kHistoryVerifyFailed, link::kHistoryFailed})
        m_pResult->addItem(link::HistoryResultText(QLatin1String(key)), QLatin1String(key));
    resultRow->addWidget(resultLabel);
    resultRow->addWidget(m_pResult);
    filters->AddLayout(resultRow);
    layout->addLayout(filters);

    m_pList = new QTreeWidget(this);
    m_pList->setAccessibleName(windowTitle());
    m_pList->setRootIsDecorated(false);
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pList->setHeaderLabels({LoadStr(IDS_JOBSHEET_WHEN), LoadStr(IDS_JOBSHEET_RADIO), LoadStr(IDS_HISTORY_COL_PID),
                              LoadStr(IDS_JOBSHEET_RESULT), LoadStr(IDS_JOBSHEET_CHANGES),
                              LoadStr(IDS_HISTORY_COL_PROFILE), LoadStr(IDS_HISTORY_COL_BACKUP)});
    layout->addWidget(m_pList, 1);
    m_pCount = new QLabel(this);
    m_pCount->setTextFormat(Qt::PlainText);
    layout->addWidget(m_pCount);

    auto *sheet = new CFlowLayout;
    auto *customerRow = new QHBoxLayout;
    auto *customerLabel = new QLabel(LoadStr(IDS_HISTORY_CUSTOMER), this);
    m_pCustomer = new QLineEdit(this);
    customerLabel->setBuddy(m_pCustomer);
    customerRow->addWidget(customerLabel);
    customerRow->addWidget(m_pCustomer, 1);
    sheet->AddLayout(customerRow);
    auto *buttons = new QDialogButtonBox(this);
    m_pPrint = buttons->addButton(LoadStr(IDS_HISTORY_PRINT), QDialogButtonBox::ActionRole);
    buttons->addButton(LoadStr(IDS_HISTORY_CLOSE), QDialogButtonBox::RejectRole);
    sheet->addWidget(buttons);
    layout->addLayout(sheet);

    connect(m_pRadio, &QLineEdit::textChanged, this, &CWriteHistoryDialog::Refill);
    for (QCheckBox *box : {m_pFromOn, m_pToOn})
        connect(box, &QCheckBox::toggled, this, &CWriteHistoryDialog::Refill);
    for (QDateEdit *date : {m_pFrom, m_pTo})
        connect(date, &QDateEdit::dateChanged, this, &CWriteHistoryDialog::Refill);
    connect(m_pResult, &QComboBox::currentIndexChanged, this, &CWriteHistoryDialog::Refill);
    connect(m_pPrint, &QPushButton::clicked, this, &CWriteHistoryDialog::OnPrint);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    FitToScreen(*this, QSize(960, 560));
    Refill();
}

link::WriteHistoryFilter CWriteHistoryDialog::Filter() const
{
    link::WriteHistoryFilter filter;
    filter.radio = m_pRadio->text();
    if (m_pFromOn->isChecked())
        filter.from = m_pFrom->date();
    if (m_pToOn->isChecked())
        filter.to = m_pTo->date();
    filter.result = m_pResult->currentData().toString();
    return filter;
}

void CWriteHistoryDialog::Refill()
{
    m_entries = m_history.Find(Filter());
    m_pList->clear();
    const QLocale locale;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const link::WriteHistoryEntry &e = m_entries[i];
        QString changes;
        if (!e.changesKnown)
            changes = LoadStr(IDS_JOBSHEET_CHANGES_UNKNOWN);
        else if (e.changes.isEmpty())
            changes = LoadStr(IDS_JOBSHEET_NO_CHANGES);
        else
            changes = e.changes.join(QStringLiteral("; "));
        auto *item =
            new QTreeWidgetItem(m_pList,
                                {locale.toString(e.when.toLocalTime(), QLocale::ShortFormat), e.radioName, e.unitPid,
                                 link::HistoryResultText(e.result), changes, QDir::toNativeSeparators(e.profileFile),
                                 QDir::toNativeSeparators(e.backupFile)});
        item->setData(ColWhen, Qt::UserRole, int(i));
        item->setToolTip(ColChanges, e.changes.join(QLatin1Char('\n')));
    }
    for (int c = 0; c < ColCount; ++c)
        m_pList->resizeColumnToContents(c);
    m_pList->setColumnWidth(ColChanges, std::min(m_pList->columnWidth(ColChanges), kMaxChangesWidth));
    m_pCount->setText(m_history.IsOpen() ? FormatStr(IDS_HISTORY_COUNT, {QString::number(m_entries.size())})
                                         : FormatStr(IDS_HISTORY_OPEN_FAILED,
                                                     {QDir::toNativeSeparators(m_strPath), m_history.LastError()}));
    m_pPrint->setEnabled(!m_entries.empty());
}

std::vector<link::WriteHistoryEntry> CWriteHistoryDialog::SheetEntries() const
{
    const QList<QTreeWidgetItem *> selected = m_pList->selectedItems();
    if (selected.isEmpty())
        return m_entries;
    // In the list's order (newest first), whatever order they were selected in.
    std::vector<bool> chosen(m_entries.size(), false);
    for (const QTreeWidgetItem *item : selected)
        chosen[std::size_t(item->data(ColWhen, Qt::UserRole).toInt())] = true;
    std::vector<link::WriteHistoryEntry> entries;
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (chosen[i])
            entries.push_back(m_entries[i]);
    return entries;
}

QString CWriteHistoryDialog::WriteJobSheet()
{
    const QString path = QDir(report::DefaultReportCacheFolder()).filePath(QStringLiteral("JobSheet.htm"));
    QDir().mkpath(QFileInfo(path).path());
    QString reason;
    if (!report::WriteReportFile(path, link::JobSheetHtml(SheetEntries(), m_pCustomer->text()), &reason)) {
        m_prompter.Show(FormatStr(IDS_HISTORY_PDF_FAILED, {QDir::toNativeSeparators(path), reason}),
                        MB_OK | MB_ICONERROR);
        return QString();
    }
    return path;
}

void CWriteHistoryDialog::OnPrint()
{
    const QString path = WriteJobSheet();
    if (path.isEmpty())
        return;
    // The report window prints, previews and saves it as PDF, as it does the reports.
    CReportDlg dlg(path, m_pCustomer->text().trimmed(), QString(), m_prompter, m_fileDialog, this);
    dlg.setWindowTitle(LoadStr(IDS_JOBSHEET_TITLE));
    dlg.exec();
}

void ShowWriteHistory(CZQVCPSApp &app)
{
    const QString path = link::DefaultHistoryPath();
    CWriteHistoryDialog dlg(path, app.Prompter(), app.FileDialog(), app.MainFrame());
    dlg.exec();
}

}  // namespace zqv
