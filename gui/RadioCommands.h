// The main window's Read, Write and Reset commands: the link's straight-line sequence
// (CTransferSequencer) over one transfer session per command, with the desktop program's
// host: the transfer dialogs for the long operations, a local event loop for the short ones,
// the password dialog, the change report and the profile windows.
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
#include <memory>
#include <optional>

namespace zqv {

class CZQVCPSApp;
class CChildFrame;
class CMainFrame;

// Saves a radio's record as a profile file at `path` (a backup, a radio read); false when it
// could not (the reason has been shown).
bool SaveRecordAsProfileFile(CZQVCPSApp &app, const VirtualCPData &record, const QString &path);

class CRadioCommands : public QObject, private ITransferHost {
    Q_OBJECT
public:
    explicit CRadioCommands(CZQVCPSApp &app);
    ~CRadioCommands() override;

    const CTransferSequencer &Sequencer() const { return m_sequencer; }
    // The main window's commands: each runs its sequence on the active profile window to its
    // end (windows stay live meanwhile).
    void Read();
    void Write();
    void Reset();
    // Device > Restore Backup: the chosen backup opens as an untitled copy and is written like
    // any profile, with its own backup, change report and check.
    void RestoreBackup();
    // False while a command runs.
    bool IsIdle() const { return !m_bBusy; }
    const QString &UnitPid() const { return m_sequencer.UnitPid(); }
    // How the last transfer dialog ended: 1 after success, else its failure code (0 when it
    // ended without a report, for example without a port).
    int LastDialogResult() const { return m_nLastDialogResult; }

    // What the transfer dialogs get: the prompter, the port look-up and the port pane.
    TransferUiContext UiContext();
    // Tests replace the serial port and the operations' waits.
    void SetPortFactory(CRadioTransfer::PortFactory factory) { m_portFactory = std::move(factory); }
    void SetTiming(const CRadioTransfer::Timing &timing) { m_timing = timing; }

signals:
    // A command reached its end.
    void Idle();

private:
    // ITransferHost
    int Run(CTransferSession &session, TransferJob &job) override;
    bool AskPassword(const QString &expected, QString &entered) override;
    int GroupByVersion(const QString &firmwareVersion) override;
    bool CommitPendingEdits() override;
    bool HasActiveProfile() const override;
    void TakeReadRecord(const VirtualCPData &record, bool overwrite) override;
    bool ProfileForWrite(const QString &unitPid, ProfileToWrite &out) override;
    SafeWriteSettings SafeWrite() const override;
    bool SaveRecordAsProfile(const VirtualCPData &record, const QString &path) override;
    bool ConfirmChangeReport(IPrompter &prompter, const std::vector<link::ProfileDifference> &changes,
                             const OtherRadioBackup &other, const QString &backupPath) override;
    void ShowNotice(const QString &text) override;

    // Runs `command` of the sequence over a new session: on the cable's port, looked up
    // again (and shown, with `detectPort`); none when the program has no cable.
    void RunCommand(bool (CTransferSequencer::*command)(CTransferSession &), bool detectPort);
    // The read or write in the transfer dialog.
    int RunDialog(CTransferSession &session, TransferJob &job);
    void OverwriteTarget(const VirtualCPData &record);
    CMainFrame *Frame() const;
    // Makes `child` the sequence's profile (locked against closing), or releases it (null).
    void HoldTarget(CChildFrame *child);
    // Brings the sequence's profile window to the front.
    void ShowTarget();

    CZQVCPSApp &m_app;
    CTransferSequencer m_sequencer;
    bool m_bBusy = false;
    int m_nLastDialogResult = 0;
    CRadioTransfer::PortFactory m_portFactory;
    std::optional<CRadioTransfer::Timing> m_timing;
    // The sequence's profile window (null when it started without one).
    QPointer<CChildFrame> m_pTarget;
};

}  // namespace zqv
