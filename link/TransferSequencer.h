// The Read, Write and Reset sequences as a small state machine without widgets, driven by the
// desktop program's main window and by the command-line tool alike. A command starts a short
// radio operation; each operation's outcome comes back as a notice (kind 2 = finished, 3 =
// failed with a result code) and moves the machine one step:
//
//   Read:     delay -> identify -> [password] -> read flow (transfer, new or overwrite)
//   Write:    unit PID -> identify -> [password] -> write flow (convert, changes, older radio,
//             clock, password prompt, [backup read, change report], transfer, [check read:
//             the same radio? then compared; a difference offers to write again or to write
//             the backup back]; after a write that stopped once data went out, the offer to
//             write the backup back, or that the radio was reset)
//   Reset:    reset operation, nothing afterwards
//   Identify: identify, nothing afterwards (the command-line tool shows what it found)
//
// Everything the machine needs from the program, the profile and the radio link goes through
// ITransferHost, so both programs ask the same questions in the same order, and tests run the
// sequences with a scripted host.
#pragma once

#include "ConfigStore.h"
#include "ProfileDiff.h"
#include "Prompter.h"
#include "VirtualCPData.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace zqv {

// Values of the transfer step.
enum TransferStep : int {
    kStepNone = 0,
    kStepReadReady = 2,  // read: radio identified (and password read); run the read flow
    kStepWriteReady = 3,  // write: the same for the write flow
    kStepReset = 4,  // reset running
    kStepReadRequested = 5,  // read: waiting for the short delay
    kStepReadIdentified = 6,  // read: identity asked
    kStepWriteRequested = 7,  // write: unit PID asked
    kStepWriteIdentified = 8,  // write: identity asked
    kStepIdentify = 9,  // identify only: identity asked
};

// Radios carry a codeplug password from this setting group on; only then is it read and asked.
inline constexpr int kFirstGroupWithPassword = 3;
inline bool GroupHasPassword(int settingGroup)
{
    return settingGroup >= kFirstGroupWithPassword;
}

// Kinds of the transfer notice (the progress message's first word).
enum TransferNoticeKind : int {
    kNoticeProgress = 1,
    kNoticeSuccess = 2,
    kNoticeFailure = 3,
    kNoticeQuestion = 4,
};

// What a flow ended with.
enum class FlowResult { Done, Cancelled, Failed };

// A restore of a backup that was taken of another radio than the connected one: both radios
// as messages name them ("Ann (20000002)"); empty for every other write.
struct OtherRadioBackup {
    QString backupRadio;
    QString connectedRadio;
    bool IsSet() const { return !backupRadio.isEmpty(); }
};

class ITransferHost {
public:
    virtual ~ITransferHost() = default;

    // The cable's port name as last detected; empty when none.
    virtual QString CablePort() const = 0;
    // Asks the active profile's form view to accept its pending edits; false when it refuses.
    virtual bool CommitPendingEdits() = 0;

    // The record exchanged with the radio ("link object"), and a fresh one.
    virtual VirtualCPData &TransferRecord() = 0;
    virtual void RecreateLink() = 0;

    // Short radio operations. Each reports its outcome later through
    // CTransferSequencer::OnNotice (from the window's thread).
    virtual void StartDelay() = 0;  // waits briefly, then reports success
    virtual void StartReset() = 0;  // detects the port again and resets the radio
    virtual void StartReadUnitPid() = 0;  // detects the port again, reads the radio's own PID
    virtual void StartReadIdentity() = 0;  // identity into the transfer record
    virtual void StartReadPassword() = 0;  // codeplug password into the transfer record
    // The setting group of a firmware version ("R5E.08.00"); 0 when no group has it, negative
    // when the host could not tell (it has shown why).
    virtual int GroupByVersion(const QString &firmwareVersion) = 0;

    // The password prompt: shows it once; false when the user cancelled (or, without a user
    // to ask, when the password given is missing or wrong). `entered` receives what the user
    // typed when it was right.
    virtual bool AskPassword(const QString &expected, QString &entered) = 0;
    // The long read or write over the transfer record (the desktop program's modal transfer
    // dialog); true when it ended with OK.
    virtual bool RunTransferDialog(bool write, bool olderRadioAccepted) = 0;

    // The active profile window.
    virtual bool HasActiveProfile() const = 0;
    // The active profile's file (its title when it has none yet), as the write history names it.
    virtual QString ActiveProfilePath() const { return QString(); }
    virtual void NewProfileFromRecord() = 0;
    virtual void OverwriteActiveProfile() = 0;
    // Converts the active profile into the transfer record; shows the failure and returns
    // false when it cannot.
    virtual bool ActiveProfileToRecord() = 0;
    // What writing the active profile would change in the radio, one line each; empty when
    // the radio gets the profile as it is.
    virtual QStringList ActiveProfileWriteChanges() { return {}; }
    virtual int ActiveProfileGroup() const = 0;
    // The profile document's flag "set the radio's clock from this computer's clock".
    virtual bool ActiveProfileUsesPcClock() const = 0;

    // The message for a failed short operation's result code (the main window's table unless
    // the host has its own).
    virtual QString FailureText(int code) const;
    // The user declined a question before the write: nothing is sent.
    virtual void QuestionDeclined() {}
    // Called whenever the idle flag changes, so the window can update its commands.
    virtual void IdleChanged(bool idle) { (void)idle; }

    // Safe write. Before a write the radio is read and saved as a backup profile, and the
    // change report is shown; after it the radio is read back and compared with what was
    // sent. Both are off unless the host switches them on.
    virtual bool BackupBeforeWrite() const { return false; }
    virtual bool VerifyAfterWrite() const { return false; }
    // How many backups to keep per radio, and the folder they go into.
    virtual int BackupKeepCount() const { return CConfigStore::kDefaultBackupKeep; }
    virtual QString BackupFolder() const { return QString(); }
    // Saves `record` (as read from a radio) as a profile at `path`; false when it could not.
    virtual bool SaveRecordAsProfile(const VirtualCPData &record, const QString &path)
    {
        (void)record;
        (void)path;
        return false;
    }
    // Shows what the write changes in the radio and asks whether to write; true to write.
    // The default asks through the prompter with the whole list. `other` names both radios
    // when a backup of another radio is about to be written.
    virtual bool ConfirmChangeReport(IPrompter &prompter, const std::vector<link::ProfileDifference> &changes,
                                     const OtherRadioBackup &other);
    // The profile being written is a backup (a restore): the change report says so when the
    // backup was taken of another radio than the one connected.
    virtual bool WritingBackup() const { return false; }
    // The next RunTransferDialog(false, ...) reads for this purpose (a string id: backing up,
    // verifying); 0 for an ordinary read.
    virtual void SetReadPurpose(int textId) { (void)textId; }
    // Whether the last write sent any data before it ended.
    virtual bool LastWriteSentData() const { return true; }
    // Whether the last write stopped part-way and the radio was reset afterwards.
    virtual bool LastWriteResetRadio() const { return false; }
    // The next RunTransferDialog(true, ...) is followed by the check read: its success is not
    // the end of the write, so it says nothing of success and goes on without waiting.
    virtual void SetCheckFollows(bool follows) { (void)follows; }
    // The radio's own private ID as read at the start of the write; empty when not known.
    virtual QString RadioUnitPid() const { return QString(); }
    // A short notice that needs no answer (where the backup went).
    virtual void ShowNotice(const QString &text) { (void)text; }
};

// How the last write ended, for a caller that reports it (the command-line tool's exit code).
enum class WriteOutcome {
    None,  // no write was started
    Written,  // written, not read back
    Verified,  // written and read back as sent
    VerifyFailed,  // written, but the radio gave back something else (or could not be read)
    Failed,  // the write did not complete (the backup may have been restored since)
};

class CTransferSequencer {
public:
    CTransferSequencer(ITransferHost &host, IPrompter &prompter) : m_host(host), m_prompter(prompter) {}

    // The commands. Without a cable port they show message 304 and change nothing.
    void Read();
    void Write();
    void Reset();
    // Reads the radio's identity and its setting group (RadioGroup(); 0 when it has none),
    // without stopping at a radio of no setting group.
    void Identify();

    // A transfer notice from one of the short operations.
    void OnNotice(int kind, int code);

    bool IsIdle() const { return m_bIdle; }
    int Step() const { return m_nStep; }
    int RadioGroup() const { return m_nRadioGroup; }
    const QString &RadioPassword() const { return m_strRadioPassword; }
    const QString &EnteredPassword() const { return m_strEnteredPassword; }
    bool OlderRadioAccepted() const { return m_bWriteToOlderRadio; }
    WriteOutcome LastWriteOutcome() const { return m_writeOutcome; }
    // The backup the last write took; empty when it took none.
    const QString &LastBackupPath() const { return m_strBackupPath; }

    // The message shown for a failed radio operation's result code.
    static QString FailureMessage(int code);
    // "R5E.08.00": the phase letter, then release (hex), version and revision (decimal).
    static QString FirmwareVersionText(const VirtualCPData &record);
    // A local date and time as whole seconds since 1970-01-01 00:00:00, without any time-zone
    // adjustment (the radio's clock keeps local time).
    static quint32 ClockSeconds(const QDateTime &local);

private:
    bool PortPresent();
    void SetIdle(bool idle);
    // False (message shown, sequence ended) when the firmware is in no setting group.
    bool TakeRadioGroup();
    // The radio's group from its identity; negative when the host could not tell (it has
    // shown why).
    int GroupOfRadio();
    FlowResult PasswordLoop();
    FlowResult ReadFlow();
    FlowResult WriteFlow();
    // Reads the radio into `out` with the host's read; the transfer record is kept.
    bool ReadRadioInto(VirtualCPData &out, int purposeId);
    FlowResult TakeBackup();
    // Once it is known whether the write sent anything: keeps or drops a backup that repeats
    // the newest one, then prunes.
    void SettleBackup(bool sentData);
    // Writes the transfer record; then verifies it, or offers the backup after a failure.
    // `restoring`: the record is the backup being written back.
    void WriteRecord(bool restoring);
    // Reads the radio back and compares it with `sent`; a difference offers to write again or
    // to write the backup back.
    void Verify(const VirtualCPData &sent, bool restoring);
    // The radio that answered the check is the one written (identity and own private ID).
    bool SameRadio(const VirtualCPData &after);
    // Writes `sent` once more, after a check that found differences.
    void WriteAgain(const VirtualCPData &sent);
    // Writes the backup back; the outcome stays that of the write asked for.
    void RestoreBackup();

    ITransferHost &m_host;
    IPrompter &m_prompter;
    bool m_bIdle = true;
    int m_nStep = kStepNone;
    int m_nRadioGroup = 0;
    QString m_strRadioPassword;
    QString m_strEnteredPassword;
    bool m_bWriteToOlderRadio = false;
    WriteOutcome m_writeOutcome = WriteOutcome::None;
    QString m_strBackupPath;
    QString m_strNewestKept;  // the radio's newest backup before this write's
    QString m_strPendingBackup;  // this write's file while the newest one holds the same
    VirtualCPData m_backup;
    QDateTime m_backupTaken;
    // The radio the write goes to, as identified before it (identity bytes).
    VirtualCPData m_writtenRadio;
    // The profile has been written a second time after a failed check.
    bool m_bWrittenAgain = false;
};

}  // namespace zqv
