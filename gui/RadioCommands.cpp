#include "RadioCommands.h"

#include "AskPwdDlg.h"
#include "ChildFrame.h"
#include "MainFrame.h"
#include "StringTable.h"
#include "WriteChanges.h"
#include "ZQVCPSApp.h"
#include "ZQVCPSException.h"

#include <QTimer>

namespace zqv {

namespace {
// The pause before a read identifies the radio.
constexpr int kReadDelayMs = 200;
}  // namespace

// Turns the short operations' reports into transfer notices on the window's thread.
class CRadioCommands::CNoticeObserver : public ITransferObserver {
public:
    explicit CNoticeObserver(CRadioCommands &owner) : m_owner(owner) {}
    void OnProgress(int) override {}
    void OnSuccess() override { Post(kNoticeSuccess, 0); }
    void OnFailure(int code) override { Post(kNoticeFailure, code); }
    void OnQuestion(int) override { CTransferContext::Instance().Answer(false); }

private:
    void Post(int kind, int code)
    {
        QMetaObject::invokeMethod(
            &m_owner,
            [o = &m_owner, kind, code] {
                o->JoinWorker();
                o->m_sequencer.OnNotice(kind, code);
            },
            Qt::QueuedConnection);
    }
    CRadioCommands &m_owner;
};

CRadioCommands::CRadioCommands(CZQVCPSApp &app)
    : m_app(app), m_sequencer(*this, app.Prompter()), m_pObserver(std::make_unique<CNoticeObserver>(*this))
{
}

CRadioCommands::~CRadioCommands()
{
    if (m_worker.joinable())
        CTransferContext::Instance().RequestCancel();
    JoinWorker();
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
    CChildFrame *child = Frame() ? Frame()->ActiveChild() : nullptr;
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
    m_worker = StartTransferWorker(port, m_pObserver.get(), UiContext(),
                                   [operation = std::move(operation)](CRadioTransfer &t) { operation(t); });
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
    const bool ok = dlg.exec() == QDialog::Accepted;
    m_nLastDialogResult = dlg.Succeeded() ? 1 : dlg.FailureCode();
    return ok;
}

bool CRadioCommands::HasActiveProfile() const
{
    return Frame() && Frame()->ActiveChild();
}

void CRadioCommands::NewProfileFromRecord()
{
    m_app.SetRadioRecordForNew(m_record);
    m_app.OnFileNew();
}

void CRadioCommands::OverwriteActiveProfile()
{
    CChildFrame *child = Frame() ? Frame()->ActiveChild() : nullptr;
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
    CChildFrame *child = Frame() ? Frame()->ActiveChild() : nullptr;
    if (!child)
        return false;
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
        return link::DescribeWriteChanges(link::ListWriteChanges(child->Document().Model().ProfileText(), m_strUnitPid));
    } catch (const CZQVCPSException &e) {
        m_app.Prompter().ShowMessage(e.GetMessageId());
        return {};
    }
}

int CRadioCommands::ActiveProfileGroup() const
{
    CChildFrame *child = Frame() ? Frame()->ActiveChild() : nullptr;
    return child ? child->Document().Model().GetSettingGroup() : 0;
}

bool CRadioCommands::ActiveProfileUsesPcClock() const
{
    CChildFrame *child = Frame() ? Frame()->ActiveChild() : nullptr;
    return child && child->PcClockFlag();
}

void CRadioCommands::IdleChanged(bool idle)
{
    if (CMainFrame *frame = Frame())
        frame->UpdateCommands();
    if (idle)
        emit Idle();
}

}  // namespace zqv
