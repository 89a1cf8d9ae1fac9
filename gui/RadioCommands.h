// The main window's Read, Write and Reset commands: the transfer-step machine wired to the
// radio link, the transfer dialogs, the password prompt and the profile windows.
//
// The short operations (identity, password, own private ID, reset) run on a worker thread
// each; their outcome comes back to the window's thread as a transfer notice, which moves
// the step machine on.
//
// A Read or Write works on the profile window that was active when the command started, from
// its first step to its last, whichever window the user activates meanwhile; that window
// cannot be closed until the sequence has ended.
#pragma once

#include "RadioTransfer.h"
#include "TransferDialog.h"
#include "TransferSequencer.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <thread>

namespace zqv {

class CZQVCPSApp;
class CChildFrame;
class CMainFrame;

class CRadioCommands : public QObject, private ITransferHost {
    Q_OBJECT
public:
    explicit CRadioCommands(CZQVCPSApp &app);
    ~CRadioCommands() override;

    CTransferSequencer &Sequencer() { return m_sequencer; }
    // The main window's commands: they start the sequence on the active profile window.
    void Read();
    void Write();
    void Reset();
    // Device > Restore Backup: the chosen backup opens as an untitled copy and is written like
    // any profile, with its own backup, change report and check.
    void RestoreBackup();
    const VirtualCPData &Record() const { return m_record; }
    const QString &UnitPid() const { return m_strUnitPid; }
    // How the last transfer dialog ended: 1 after success, else its failure code (0 when it
    // ended without a report, for example without a port).
    int LastDialogResult() const { return m_nLastDialogResult; }

    // What the transfer dialogs get: the prompter, the port look-up and the port pane.
    TransferUiContext UiContext();
    // Tests replace the serial port and the operations' waits.
    void SetPortFactory(CRadioTransfer::PortFactory factory) { m_portFactory = std::move(factory); }
    void SetTiming(const CRadioTransfer::Timing &timing) { m_timing = timing; }

signals:
    // A sequence reached its end (the idle flag is set again).
    void Idle();

private:
    class CNoticeObserver;

    // ITransferHost
    QString CablePort() const override;
    bool CommitPendingEdits() override;
    VirtualCPData &TransferRecord() override { return m_record; }
    void RecreateLink() override { m_record = VirtualCPData(); }
    void StartDelay() override;
    void StartReset() override;
    void StartReadUnitPid() override;
    void StartReadIdentity() override;
    void StartReadPassword() override;
    int GroupByVersion(const QString &firmwareVersion) override;
    bool AskPassword(const QString &expected, QString &entered) override;
    bool RunTransferDialog(bool write, bool olderRadioAccepted) override;
    bool HasActiveProfile() const override;
    QString ActiveProfilePath() const override;
    void NewProfileFromRecord() override;
    void OverwriteActiveProfile() override;
    bool ActiveProfileToRecord() override;
    QStringList ActiveProfileWriteChanges() override;
    int ActiveProfileGroup() const override;
    bool ActiveProfileUsesPcClock() const override;
    void IdleChanged(bool idle) override;
    bool BackupBeforeWrite() const override;
    bool VerifyAfterWrite() const override;
    int BackupKeepCount() const override;
    QString BackupFolder() const override;
    bool SaveRecordAsProfile(const VirtualCPData &record, const QString &path) override;
    bool ConfirmChangeReport(IPrompter &prompter, const std::vector<link::ProfileDifference> &changes,
                             const OtherRadioBackup &other) override;
    bool WritingBackup() const override;
    void SetReadPurpose(int textId) override { m_nReadPurpose = textId; }
    bool LastWriteSentData() const override { return m_bWriteSentData; }
    bool LastWriteResetRadio() const override { return m_bWriteResetRadio; }
    void SetCheckFollows(bool follows) override { m_bCheckFollows = follows; }
    QString RadioUnitPid() const override { return m_strUnitPid; }
    void ShowNotice(const QString &text) override;

    // Runs `operation` on a worker thread; its outcome arrives as a notice once the thread has
    // ended. With `detectPort` the worker looks the port up again and stores it first.
    void StartWorker(bool detectPort, std::function<int(CRadioTransfer &)> operation);
    void JoinWorker();
    void WorkerEnded();
    CMainFrame *Frame() const;
    // Makes `child` the sequence's profile (locked against closing), or releases it (null).
    void HoldTarget(CChildFrame *child);
    // Brings the sequence's profile window to the front.
    void ShowTarget();

    CZQVCPSApp &m_app;
    CTransferSequencer m_sequencer;
    VirtualCPData m_record;
    QString m_strUnitPid;
    int m_nLastDialogResult = 0;
    int m_nReadPurpose = 0;
    bool m_bWriteSentData = false;
    bool m_bWriteResetRadio = false;
    bool m_bCheckFollows = false;
    std::unique_ptr<CNoticeObserver> m_pObserver;
    std::thread m_worker;
    CRadioTransfer::PortFactory m_portFactory;
    std::optional<CRadioTransfer::Timing> m_timing;
    // The sequence's profile window (null when it started without one).
    QPointer<CChildFrame> m_pTarget;
};

}  // namespace zqv
