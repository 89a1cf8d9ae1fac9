// The Fleet window's answers to the run (the confirmation, passwords, questions, files), its
// run table (listed, saved as CSV, printed) and what it adds to the profile.
#include "FleetWindow.h"

#include "ChildFrame.h"
#include "FileSave.h"
#include "FleetDialogs.h"
#include "MainFrame.h"
#include "Prompter.h"
#include "RadioCommands.h"
#include "ReportBuilder.h"
#include "ReportDlg.h"
#include "StringIds.h"
#include "StringTable.h"
#include "ZQVCPSApp.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTreeWidget>
#include <algorithm>

namespace zqv {

bool CFleetWindow::ConfirmWrite(const std::vector<FleetRadioPlan> &plans)
{
    CFleetConfirmDialog dlg(plans, m_strRunProfile, this);
    return dlg.exec() == QDialog::Accepted;
}

bool CFleetWindow::AskPassword(const FleetRow &row, bool retry, QString &typed)
{
    if (retry)
        m_app.Prompter().ShowMessage(IDS_PASSWORD_INCORRECT);
    CFleetPasswordDialog dlg(row, m_app.Prompter(), this);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    typed = dlg.Typed();
    return true;
}

int CFleetWindow::AskRadio(const FleetRow &row, const QString &text, unsigned style)
{
    raise();
    return m_app.Prompter().Show(FleetRadioLabel(row.port, row.name, row.unitPid) + QStringLiteral("\n\n") + text,
                                 style);
}

bool CFleetWindow::SaveRecordAsProfile(const VirtualCPData &record, const QString &path)
{
    return SaveRecordAsProfileFile(m_app, record, path);
}

void CFleetWindow::AddRunEntry(const FleetRunEntry &entry)
{
    m_runTable.push_back(entry);
    const QStringList cells = CFleetRun::RunTableCells(entry);
    auto *item = new QTreeWidgetItem(m_pRunList, cells);
    for (int c = 0; c < cells.size(); ++c)
        item->setToolTip(c, cells[c]);
    // Every column as wide as its cells, but a long path no wider than a third of the list
    // (its tool tip has it whole), so the columns after it stay in sight.
    const int widest = std::max(m_pRunList->viewport()->width() / 3, 200);
    for (int c = 0; c < m_pRunList->columnCount() - 1; ++c) {
        m_pRunList->resizeColumnToContents(c);
        m_pRunList->setColumnWidth(c, std::min(m_pRunList->columnWidth(c), widest));
    }
}

// ---- Add to Profile --------------------------------------------------------------------------

void CFleetWindow::AddToProfile()
{
    CChildFrame *profile = ActiveProfile();
    const std::vector<int> ids = RowsNotInProfile(ChosenRows());
    if (!profile || ids.empty() || IsRunning() || !profile->Tree().CommitPendingEdits())
        return;
    std::vector<std::pair<QString, QString>> radios;
    for (int id : ids)
        radios.emplace_back(m_spRun->Row(id)->unitPid, QString());
    const ImportReport report = AddRadiosAsContacts(profile->Document().Model().RootItem(), radios);
    if (report.Changed()) {
        // All the radios added are one step of the profile's undo history.
        profile->BeginEdit(FormatStr(IDS_FLEET_ADD_UNDO, {QString::number(radios.size())}));
        profile->SetModified();
        profile->EndEdit();
    }
    profile->Tree().Build();
    profile->ShowStatusText(report.Summary());
    // What the profile's rules refused, and why (a unit ID outside the model's range ...).
    QStringList refused;
    for (const ImportRowResult &row : report.rows)
        if (row.verdict == ImportRowResult::Refused)
            refused << ImportReport::VerdictText(row);
    if (!refused.isEmpty())
        m_app.Prompter().Show(refused.join(u'\n'), MB_OK | MB_ICONWARNING);
    // The rows take their names from the profile again.
    Execute(FleetAction::Identify, ids, profile);
}

// ---- the run table ---------------------------------------------------------------------------

bool CFleetWindow::SaveRunTable(const QString &path)
{
    QString reason;
    if (SaveFileReplacing(path, m_runCsv, &reason))
        return true;
    m_app.Prompter().Show(FormatStr(IDS_FLEET_SAVE_FAILED, {QDir::toNativeSeparators(path), reason}),
                          MB_OK | MB_ICONERROR);
    return false;
}

QString CFleetWindow::WriteRunTablePage()
{
    const QString path = QDir(report::DefaultReportCacheFolder()).filePath(QStringLiteral("FleetRun.htm"));
    QDir().mkpath(QFileInfo(path).path());
    QString reason;
    if (report::WriteReportFile(path, m_strRunPage, &reason))
        return path;
    m_app.Prompter().Show(FormatStr(IDS_FLEET_SAVE_FAILED, {QDir::toNativeSeparators(path), reason}),
                          MB_OK | MB_ICONERROR);
    return QString();
}

void CFleetWindow::OnSaveCsv()
{
    IFileDialog::SaveRequest request;
    request.proposedPath =
        QDir(QDir::fromNativeSeparators(m_pFolder->text().trimmed()))
            .filePath(QStringLiteral("fleet-%1.csv").arg(QDate::currentDate().toString(Qt::ISODate)));
    request.filter = LoadStr(IDS_CSV_FILE_FILTER);
    request.defaultExtension = QStringLiteral("csv");
    const QString path = m_app.FileDialog().GetSaveFileName(request);
    if (!path.isEmpty())
        SaveRunTable(path);
}

void CFleetWindow::OnPrint()
{
    const QString path = WriteRunTablePage();
    if (path.isEmpty())
        return;
    CReportDlg dlg(path, m_strRunProfile, QString(), m_app.Prompter(), m_app.FileDialog(), this);
    dlg.setWindowTitle(LoadStr(IDS_FLEET_RUN_TITLE));
    dlg.exec();
}

void CFleetWindow::OnBrowse()
{
    const QString folder =
        QFileDialog::getExistingDirectory(this, LoadStr(IDS_FLEET_CHOOSE_FOLDER), m_pFolder->text().trimmed());
    if (!folder.isEmpty())
        m_pFolder->setText(QDir::toNativeSeparators(folder));
}

}  // namespace zqv
