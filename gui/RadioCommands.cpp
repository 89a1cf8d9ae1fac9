#include "RadioCommands.h"

#include "AppShell.h"
#include "AskPwdDlg.h"
#include "ChildFrame.h"
#include "MainFrame.h"
#include "ProblemsPanel.h"
#include "SafeWriteDialogs.h"
#include "StringTable.h"
#include "WriteChanges.h"
#include "ZQVCPSApp.h"
#include "ZQVCPSException.h"

#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>
#include <mutex>

namespace zqv {

namespace {
// The pause before a read identifies the radio.
constexpr int kReadDelayMs = 200;
}  // namespace

// Keeps the short operations' outcome until their thread has ended; it then becomes the
// transfer notice on the window's thread (WorkerEnded).
class CRadioCommands::CNoticeObserver : public ITransferObserver {
public:
    void OnProgress(int) override {}
    void OnSuccess() override { Keep(kNoticeSuccess, 0); }
    void OnFailure(int code) override { Keep(kNoticeFailure, code); }
    void OnQuestion(int) override { CTransferContext::Instance().Answer(false); }

    // Clears the outcome before an operation starts.
    void Reset() { Keep(0, 0); }
    std::pair<int, int> Outcome() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return {m_nKind, m_nCode};
    }

private:
    void Keep(int kind, int code)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_nKind = kind;
        m_nCode = code;
    }
    mutable std::mutex m_mutex;
    int m_nKind = 0;
    int m_nCode = 0;
};

CRadioCommands::CRadioCommands(CZQVCPSApp &app)
    : m_app(app), m_sequencer(*this, app.Prompter()), m_pObserver(std::make_unique<CNoticeObserver>())
{
}

CRadioCommands::~CRadioCommands()
{
    if (m_worker.joinable())
        CTransferContext::Instance().RequestCancel();
    JoinWorker();
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

void CRadioCommands::Read()
{
    // A read may end by overwriting the profile that is active now.
    HoldTarget(Frame() ? Frame()->ActiveChild() : nullptr);
    m_sequencer.Read();
    if (m_sequencer.IsIdle())
        HoldTarget(nullptr);
}

void CRadioCommands::Write()
{
    if (!ConfirmProblemsBeforeWrite(Frame() ? Frame()->ActiveChild() : nullptr, m_app.Prompter()))
        return;
    HoldTarget(Frame() ? Frame()->ActiveChild() : nullptr);
    m_sequencer.Write();
    if (m_sequencer.IsIdle())
        HoldTarget(nullptr);
}

void CRadioCommands::Reset()
{
    HoldTarget(nullptr);
    m_sequencer.Reset();
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

QString CRadioCommands::CablePort() const
{
    return Frame() ? Frame()->CablePort() : QString();
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

void CRadioCommands::JoinWorker()
{
    if (m_worker.joinable())
        m_worker.join();
}

void CRadioCommands::StartWorker(bool detectPort, std::function<int(CRadioTransfer &)> operation)
{
    JoinWorker();
    const QString port = m_app.FindPort(false);
    if (detectPort && Frame())
        Frame()->SetCablePort(port);
    m_pObserver->Reset();
    m_worker = StartTransferWorker(
        port, m_pObserver.get(), UiContext(), [operation = std::move(operation)](CRadioTransfer &t) { operation(t); },
        [this] {
            QMetaObject::invokeMethod(
                this, [this] { WorkerEnded(); }, Qt::QueuedConnection);
        });
}

void CRadioCommands::WorkerEnded()
{
    // The thread has run its last line: the join returns at once, and whatever the operation
    // wrote into the record is complete.
    JoinWorker();
    const auto [kind, code] = m_pObserver->Outcome();
    // An operation that reported nothing ends the sequence as a plain notice does.
    m_sequencer.OnNotice(kind ? kind : kNoticeProgress, code);
}

void CRadioCommands::StartDelay()
{
    QTimer::singleShot(kReadDelayMs, this, [this] { m_sequencer.OnNotice(kNoticeSuccess, 0); });
}

void CRadioCommands::StartReset()
{
    StartWorker(true, [](CRadioTransfer &t) { return t.ResetRadio(); });
}

void CRadioCommands::StartReadUnitPid()
{
    m_strUnitPid.clear();
    StartWorker(true, [this](CRadioTransfer &t) { return t.ReadUnitPid(m_strUnitPid); });
}

void CRadioCommands::StartReadIdentity()
{
    StartWorker(false, [this](CRadioTransfer &t) { return t.ReadIdentity(m_record); });
}

void CRadioCommands::StartReadPassword()
{
    StartWorker(false, [this](CRadioTransfer &t) { return t.ReadRadioPassword(m_record); });
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

bool CRadioCommands::RunTransferDialog(bool write, bool olderRadioAccepted)
{
    CReadWriteDialog dlg(write ? CReadWriteDialog::Mode::Write : CReadWriteDialog::Mode::Read, m_record,
                         olderRadioAccepted, UiContext(), Frame());
    if (!write)
        dlg.SetPurposeText(m_nReadPurpose);
    else
        dlg.SetCheckFollows(m_bCheckFollows);
    const bool ok = dlg.exec() == QDialog::Accepted;
    m_nLastDialogResult = dlg.Succeeded() ? 1 : dlg.FailureCode();
    if (write) {
        m_bWriteSentData = dlg.SentData();
        m_bWriteResetRadio = dlg.RadioWasReset();
    }
    // A backup or check read is part of the write: the profile window stays where it is.
    if (m_nReadPurpose)
        return ok;
    // The question that follows a read is about this profile: the user sees which one.
    if (ok && !write)
        ShowTarget();
    return ok;
}

bool CRadioCommands::HasActiveProfile() const
{
    return m_pTarget != nullptr;
}

QString CRadioCommands::ActiveProfilePath() const
{
    CChildFrame *child = m_pTarget;
    if (!child)
        return QString();
    const CZQVCPSDoc &doc = child->Document();
    return doc.GetPathName().isEmpty() ? doc.GetTitle() : doc.GetPathName();
}

void CRadioCommands::NewProfileFromRecord()
{
    m_app.SetRadioRecordForNew(m_record);
    m_app.OnFileNew();
}

void CRadioCommands::OverwriteActiveProfile()
{
    CChildFrame *child = m_pTarget;
    if (!child)
        return;
    CZQVCPSDoc &doc = child->Document();
    try {
        doc.SetModifiedFlag(true);
        if (doc.SetVirtualCPData(m_record)) {
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

bool CRadioCommands::ActiveProfileToRecord()
{
    CChildFrame *child = m_pTarget;
    if (!child)
        return false;
    // The questions and the dialog that follow are about this profile.
    ShowTarget();
    try {
        return child->Document().GetVirtualCPData(m_record, m_strUnitPid);
    } catch (const CZQVCPSException &e) {
        m_app.Prompter().ShowMessage(e.GetMessageId());
        return false;
    }
}

QStringList CRadioCommands::ActiveProfileWriteChanges()
{
    CChildFrame *child = Frame() ? Frame()->ActiveChild() : nullptr;
    if (!child)
        return {};
    // The profile converted just before, with the same own PID, so this does not fail where
    // the record was built.
    try {
        return link::DescribeWriteChanges(
            link::ListWriteChanges(child->Document().Model().ProfileText(), m_strUnitPid));
    } catch (const CZQVCPSException &e) {
        m_app.Prompter().ShowMessage(e.GetMessageId());
        return {};
    }
}

int CRadioCommands::ActiveProfileGroup() const
{
    CChildFrame *child = m_pTarget;
    return child ? child->Document().Model().GetSettingGroup() : 0;
}

bool CRadioCommands::ActiveProfileUsesPcClock() const
{
    CChildFrame *child = m_pTarget;
    return child && child->Document().PcClockFlag();
}

namespace {

// A document host that hands a radio's record to a new profile without a window: the backup
// taken before a write is saved through it.
class CRecordDocumentHost : public IDocumentHost {
public:
    CRecordDocumentHost(CZQVCPSApp &app, const VirtualCPData &record) : m_app(app), m_record(record) {}
    bool TakeRadioRecord(VirtualCPData &record) override
    {
        if (m_bTaken)
            return false;
        record = m_record;
        m_bTaken = true;
        return true;
    }
    QString NewProfileTemplatePath() const override { return m_app.NewProfileTemplatePath(); }
    std::shared_ptr<const CXmlDocument> WorkingSettingDocument(int group) override
    {
        return m_app.WorkingSettingDocument(group);
    }

private:
    CZQVCPSApp &m_app;
    const VirtualCPData &m_record;
    bool m_bTaken = false;
};

}  // namespace

bool CRadioCommands::BackupBeforeWrite() const
{
    return m_app.Store().ReadSafeWrite().backup;
}

bool CRadioCommands::VerifyAfterWrite() const
{
    return m_app.Store().ReadSafeWrite().verify;
}

int CRadioCommands::BackupKeepCount() const
{
    return m_app.Store().ReadSafeWrite().keep;
}

QString CRadioCommands::BackupFolder() const
{
    return CConfigStore::BackupFolder();
}

bool CRadioCommands::SaveRecordAsProfile(const VirtualCPData &record, const QString &path)
{
    CRecordDocumentHost host(m_app, record);
    CZQVCPSDoc doc(m_app.ModelEnvironment(), host, m_app.Prompter());
    return doc.OnNewDocument() && doc.DoSave(path, true);
}

bool CRadioCommands::ConfirmChangeReport(IPrompter &prompter, const std::vector<link::ProfileDifference> &changes,
                                         const OtherRadioBackup &other)
{
    // Nothing to list: the question alone says it.
    if (changes.empty())
        return ITransferHost::ConfirmChangeReport(prompter, changes, other);
    CChangeReportDialog dlg(changes, m_sequencer.LastBackupPath(), other, Frame());
    return dlg.exec() == QDialog::Accepted;
}

namespace {

// Marks the windows Restore Backup opened: what they hold is a backup.
const char *const kBackupCopyProperty = "zqvBackupCopy";

}  // namespace

bool CRadioCommands::WritingBackup() const
{
    return m_pTarget && m_pTarget->property(kBackupCopyProperty).toBool();
}

void CRadioCommands::ShowNotice(const QString &text)
{
    if (CMainFrame *frame = Frame())
        frame->statusBar()->showMessage(text, 15000);
}

void CRadioCommands::RestoreBackup()
{
    CRestoreBackupDialog dlg(CConfigStore::BackupFolder(), m_strUnitPid, m_app.Shell().Locale(), Frame());
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

void CRadioCommands::IdleChanged(bool idle)
{
    if (idle)
        HoldTarget(nullptr);
    if (CMainFrame *frame = Frame())
        frame->UpdateCommands();
    if (idle)
        emit Idle();
}

}  // namespace zqv
