#include "RadioCommands.h"

#include "AppShell.h"
#include "AskPwdDlg.h"
#include "CableDoctor.h"
#include "ChildFrame.h"
#include "MainFrame.h"
#include "ProblemsPanel.h"
#include "SafeWriteDialogs.h"
#include "StringTable.h"
#include "TransferSession.h"
#include "WriteChanges.h"
#include "ZQVCPSApp.h"
#include "ZQVCPSException.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>

namespace zqv {

namespace {
// The pause before a read identifies the radio.
constexpr int kReadDelayMs = 200;
// Marks the windows Restore Backup opened: what they hold is a backup.
const char *const kBackupCopyProperty = "zqvBackupCopy";
}  // namespace

CRadioCommands::CRadioCommands(CZQVCPSApp &app) : m_app(app), m_sequencer(*this, app.Prompter()) {}

CRadioCommands::~CRadioCommands()
{
    HoldTarget(nullptr);
}

void CRadioCommands::HoldTarget(CChildFrame *child)
{
    if (m_pTarget && m_pTarget != child)
        m_pTarget->SetTransferLock(false);
    m_pTarget = child;
    if (child)
        child->SetTransferLock(true);
}

void CRadioCommands::ShowTarget()
{
    if (m_pTarget && Frame())
        Frame()->ActivateChild(m_pTarget);
}

void CRadioCommands::RunCommand(bool (CTransferSequencer::*command)(CTransferSession &), bool detectPort)
{
    if (m_bBusy)
        return;
    m_bBusy = true;
    if (CMainFrame *frame = Frame())
        frame->UpdateCommands();
    const auto run = [this, command, detectPort] {
        QString port;
        if (Frame() && !Frame()->CablePort().isEmpty()) {
            port = m_app.FindPort(false);
            if (detectPort)
                Frame()->SetCablePort(port);
        }
        const std::unique_ptr<CTransferSession> session = MakeTransferSession(port, UiContext());
        (m_sequencer.*command)(*session);
        m_bBusy = false;
        HoldTarget(nullptr);
        if (CMainFrame *frame = Frame())
            frame->UpdateCommands();
        emit Idle();
    };
    // The menu command returns at once and its sequence runs from the event loop, so the
    // window the user activates next is not the sequence's. Without a cable there is nothing
    // to wait for: the message shows at once.
    if (Frame() && !Frame()->CablePort().isEmpty())
        QTimer::singleShot(0, this, run);
    else
        run();
}

void CRadioCommands::Read()
{
    // A read may end by overwriting the profile that is active now.
    HoldTarget(Frame() ? Frame()->ActiveChild() : nullptr);
    RunCommand(&CTransferSequencer::Read, false);
}

void CRadioCommands::Write()
{
    if (!ConfirmProblemsBeforeWrite(Frame() ? Frame()->ActiveChild() : nullptr, m_app.Prompter()))
        return;
    HoldTarget(Frame() ? Frame()->ActiveChild() : nullptr);
    RunCommand(&CTransferSequencer::Write, true);
}

void CRadioCommands::Reset()
{
    HoldTarget(nullptr);
    RunCommand(&CTransferSequencer::Reset, true);
}

CMainFrame *CRadioCommands::Frame() const
{
    return m_app.MainFrame();
}

TransferUiContext CRadioCommands::UiContext()
{
    TransferUiContext context;
    context.prompter = &m_app.Prompter();
    context.findPort = [this] { return m_app.FindPort(false); };
    context.setPortPane = [this](const QString &text) {
        if (CMainFrame *frame = Frame())
            frame->SetPortPane(text);
    };
    context.portFactory = m_portFactory;
    context.timing = m_timing;
    return context;
}

bool CRadioCommands::CommitPendingEdits()
{
    CChildFrame *child = m_pTarget;
    if (!child)
        return true;
    if (!child->Tree().CommitPendingEdits())
        return false;
    child->Tree().RefreshSelectedItem();
    return true;
}

int CRadioCommands::Run(CTransferSession &session, TransferJob &job)
{
    if (job.kind == TransferJob::kPause) {
        // Gives the cable a moment before a read identifies the radio.
        QEventLoop loop;
        QTimer::singleShot(kReadDelayMs, &loop, &QEventLoop::quit);
        loop.exec();
        return link::LR_SUCCESS;
    }
    if (job.IsLong())
        return RunDialog(session, job);
    int failure = 0;
    const int result = session.RunInEventLoop([&job](CRadioTransfer &t) { return RunTransferJob(t, job); },
                                              [&](const TransferEvent &e) {
                                                  if (e.kind == TransferEvent::kFailure)
                                                      failure = e.value;
                                                  else if (e.kind == TransferEvent::kQuestion)
                                                      session.Answer(false);
                                              });
    if (failure)
        ShowTransferFailure(m_app.Prompter(), CTransferSequencer::FailureMessage(failure), failure, session.Port());
    return result;
}

int CRadioCommands::RunDialog(CTransferSession &session, TransferJob &job)
{
    const bool write = job.kind == TransferJob::kWrite;
    CReadWriteDialog dlg(write ? CReadWriteDialog::Mode::Write : CReadWriteDialog::Mode::Read, *job.record,
                         job.olderRadioAccepted, UiContext(), &session, Frame());
    if (write)
        dlg.SetCheckFollows(job.checkFollows);
    else
        dlg.SetPurposeText(job.purposeId);
    const bool ok = dlg.exec() == QDialog::Accepted;
    m_nLastDialogResult = dlg.Succeeded() ? 1 : dlg.FailureCode();
    if (write) {
        job.sentData = dlg.SentData();
        job.radioReset = dlg.RadioWasReset();
    }
    // The question that follows a plain read is about this profile: the user sees which one.
    // A backup or check read is part of the write: the profile window stays where it is.
    if (ok && !write && !job.purposeId)
        ShowTarget();
    if (ok)
        return link::LR_SUCCESS;
    return dlg.FailureCode() ? dlg.FailureCode() : int(link::LR_USER_CANCELED);
}

int CRadioCommands::GroupByVersion(const QString &firmwareVersion)
{
    return m_app.Shell().GetGroupByVersion(firmwareVersion);
}

bool CRadioCommands::AskPassword(const QString &expected, QString &entered)
{
    CAskPwdDlg dlg(expected, m_app.Prompter(), Frame());
    if (dlg.exec() != QDialog::Accepted)
        return false;
    if (!dlg.Entered().isEmpty())
        entered = dlg.Entered();
    return true;
}

bool CRadioCommands::HasActiveProfile() const
{
    return m_pTarget != nullptr;
}

void CRadioCommands::TakeReadRecord(const VirtualCPData &record, bool overwrite)
{
    if (overwrite) {
        OverwriteTarget(record);
        return;
    }
    m_app.NewProfileFromRecord(record);
}

void CRadioCommands::OverwriteTarget(const VirtualCPData &record)
{
    CChildFrame *child = m_pTarget;
    if (!child)
        return;
    CZQVCPSDoc &doc = child->Document();
    try {
        doc.SetModifiedFlag(true);
        if (doc.SetVirtualCPData(record)) {
            // The profile's own setting document follows its (possibly new) setting group
            // before the tree and the form read it again.
            doc.SyncSettingDocument();
            child->ProfileChanged();
            child->ShowView(child->ViewKind());
        }
    } catch (const CZQVCPSException &e) {
        m_app.Prompter().ShowMessage(e.GetMessageId());
    }
    child->SetModified(true);
}

bool CRadioCommands::ProfileForWrite(const QString &unitPid, ProfileToWrite &out)
{
    CChildFrame *child = m_pTarget;
    if (!child)
        return false;
    // The questions and the dialog that follow are about this profile.
    ShowTarget();
    CZQVCPSDoc &doc = child->Document();
    try {
        if (!doc.GetVirtualCPData(out.record, unitPid))
            return false;
    } catch (const CZQVCPSException &e) {
        m_app.Prompter().ShowMessage(e.GetMessageId());
        return false;
    }
    // The profile converted just before, with the same own PID, so this does not fail where
    // the record was built.
    try {
        out.changes = link::DescribeWriteChanges(link::ListWriteChanges(doc.Model().ProfileText(), unitPid));
    } catch (const CZQVCPSException &e) {
        m_app.Prompter().ShowMessage(e.GetMessageId());
    }
    out.group = doc.Model().GetSettingGroup();
    out.pcClock = doc.PcClockFlag();
    out.isBackup = child->property(kBackupCopyProperty).toBool();
    out.path = doc.GetPathName().isEmpty() ? doc.GetTitle() : doc.GetPathName();
    return true;
}

namespace {

// A document host without a window: the backup taken before a write is saved through it.
class CRecordDocumentHost : public IDocumentHost {
public:
    explicit CRecordDocumentHost(CZQVCPSApp &app) : m_app(app) {}
    QString NewProfileTemplatePath() const override { return m_app.NewProfileTemplatePath(); }
    std::shared_ptr<const CXmlDocument> WorkingSettingDocument(int group) override
    {
        return m_app.WorkingSettingDocument(group);
    }

private:
    CZQVCPSApp &m_app;
};

}  // namespace

SafeWriteSettings CRadioCommands::SafeWrite() const
{
    const CConfigStore::SafeWrite values = m_app.Store().ReadSafeWrite();
    return {values.backup, values.verify, values.keep, CConfigStore::BackupFolder()};
}

bool SaveRecordAsProfileFile(CZQVCPSApp &app, const VirtualCPData &record, const QString &path)
{
    CRecordDocumentHost host(app);
    CZQVCPSDoc doc(app.ModelEnvironment(), host, app.Prompter());
    return doc.OnNewDocument(&record) && doc.DoSave(path, true);
}

bool CRadioCommands::SaveRecordAsProfile(const VirtualCPData &record, const QString &path)
{
    return SaveRecordAsProfileFile(m_app, record, path);
}

bool CRadioCommands::ConfirmChangeReport(IPrompter &prompter, const std::vector<link::ProfileDifference> &changes,
                                         const OtherRadioBackup &other, const QString &backupPath)
{
    // Nothing to list: the question alone says it.
    if (changes.empty())
        return ITransferHost::ConfirmChangeReport(prompter, changes, other, backupPath);
    CChangeReportDialog dlg(changes, backupPath, other, Frame());
    return dlg.exec() == QDialog::Accepted;
}

void CRadioCommands::ShowNotice(const QString &text)
{
    if (CMainFrame *frame = Frame())
        frame->statusBar()->showMessage(text, 15000);
}

void CRadioCommands::RestoreBackup()
{
    CRestoreBackupDialog dlg(CConfigStore::BackupFolder(), m_sequencer.UnitPid(), m_app.Shell().Locale(), Frame());
    if (dlg.exec() != QDialog::Accepted || dlg.Chosen().isEmpty())
        return;
    // A copy: an edit saved with Ctrl+S can never overwrite the backup itself.
    const QFileInfo chosen(dlg.Chosen());
    CChildFrame *copy = m_app.OpenProfileCopy(
        chosen.filePath(), FormatStr(IDS_RESTORE_COPY_TITLE, {chosen.dir().dirName(), chosen.completeBaseName()}));
    if (!copy)
        return;
    copy->setProperty(kBackupCopyProperty, true);
    Write();
}

}  // namespace zqv
