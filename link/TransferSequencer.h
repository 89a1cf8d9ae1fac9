// Read, Write, Reset and Identify as straight-line code over one radio's transfer session,
// the same for the desktop program, the command-line tool and a fleet run:
//
//   Read:     pause -> identity -> setting group -> [password] -> read -> new profile or
//             overwrite the active one
//   Write:    pending edits -> unit PID -> identity -> setting group -> [password read] ->
//             the profile's conversion -> its changes (question) -> older radio (question) ->
//             clock -> [password prompt] -> [backup read, change report] -> write ->
//             [check read: the same radio? then compared; a difference offers to write
//             again or to write the backup back]; after a write that stopped once data went
//             out, the offer to write the backup back, or that the radio was reset
//   Reset:    reset
//   Identify: identity -> setting group (the caller shows what was found)
//
// Each command runs to its end before it returns. Every radio operation goes through the
// host's Run, which waits for it in its own way (the desktop program: a transfer dialog or a
// local event loop; the command line: a plain loop printing progress) and shows its failure;
// everything else the sequence needs from a program is the rest of ITransferHost. Questions go
// through the prompter in the order above, so both programs ask the same in the same order.
#pragma once

#include "ConfigStore.h"
#include "ProfileDiff.h"
#include "Prompter.h"
#include "RadioTransfer.h"
#include "VirtualCPData.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace zqv {

class CTransferSession;

// Radios carry a codeplug password from this setting group on; only then is it read and asked.
inline constexpr int kFirstGroupWithPassword = 3;
inline bool GroupHasPassword(int settingGroup)
{
    return settingGroup >= kFirstGroupWithPassword;
}

// One radio operation of a sequence, for the host that runs it, and what it left behind.
struct TransferJob {
    enum Kind {
        kPause,  // the short wait before a read identifies the radio (no radio operation)
        kReset,
        kUnitPid,  // the radio's own private ID into `pid`
        kIdentity,  // the identity bytes into `record`
        kPassword,  // the codeplug password into `record`
        kRead,  // the whole radio into `record` (only on success)
        kWrite,  // `record` into the radio
    };
    Kind kind = kPause;
    VirtualCPData *record = nullptr;
    QString *pid = nullptr;
    // A read made for a write (IDS_SAFE_BACKING_UP, IDS_SAFE_VERIFYING); 0 for a plain read.
    int purposeId = 0;
    // A write whose question "not supported by the radio" the user has answered yes already.
    bool olderRadioAccepted = false;
    // A write that the check read follows: its success is not the end of the write.
    bool checkFollows = false;

    // Left behind by a read: what it left out or changed.
    ReadNotes notes;
    // Left behind by a write: whether it sent any record, and whether it stopped part-way
    // and the radio was reset.
    bool sentData = false;
    bool radioReset = false;

    bool IsLong() const { return kind == kRead || kind == kWrite; }
};

// Runs `job`'s operation on `transfer` (on the session's worker thread) and keeps what it
// left behind in `job`; returns 1 or the failure code. kPause does nothing and returns 1.
int RunTransferJob(CRadioTransfer &transfer, TransferJob &job);

// The answer to the question a write asks while it runs (-1 radio not in the profile, -2
// profile not supported), asked through `prompter`; -2 is yes without asking once accepted.
bool AnswerWriteQuestion(IPrompter &prompter, int question, bool olderRadioAccepted);

// The backup and the check of a safe write.
struct SafeWriteSettings {
    bool backup = false;  // read and save the radio before the write, then the change report
    bool verify = false;  // read the radio back afterwards and compare
    int keep = CConfigStore::kDefaultBackupKeep;  // backups kept per radio
    QString folder;  // where they go
};

// The profile a write sends, as the host converted it for the radio being written.
struct ProfileToWrite {
    VirtualCPData record;
    // What writing it changes in the profile (names cut, ...), one line each; empty when the
    // radio gets the profile as it is.
    QStringList changes;
    int group = 0;  // its setting group
    bool pcClock = false;  // "set the radio's clock from this computer's clock"
    bool isBackup = false;  // it is a backup being written back (restore)
    QString path;  // its file (its title when it has none yet), as the write history names it
};

// A restore of a backup that was taken of another radio than the connected one: both radios
// as messages name them ("Ann (20000002)"); empty for every other write.
struct OtherRadioBackup {
    QString backupRadio;
    QString connectedRadio;
    bool IsSet() const { return !backupRadio.isEmpty(); }
};

// What differs between the programs that run a sequence.
class ITransferHost {
public:
    virtual ~ITransferHost() = default;

    // Progress: runs `job` in `session` to its end, showing its progress and its failure and
    // asking the questions the radio raises (AnswerWriteQuestion); returns 1 or the failure
    // code (0 when it ended without either).
    virtual int Run(CTransferSession &session, TransferJob &job) = 0;
    // The password prompt: shows it once; false when the user cancelled (or, without a user
    // to ask, when the password given is missing or wrong). `entered` receives what the user
    // typed when it was right.
    virtual bool AskPassword(const QString &expected, QString &entered) = 0;
    // The setting group of a firmware version ("R5E.08.00"); 0 when no group has it, negative
    // when the host could not tell (it has shown why).
    virtual int GroupByVersion(const QString &firmwareVersion) = 0;

    // The active profile: its form accepts its pending edits (false when it refuses) ...
    virtual bool CommitPendingEdits() = 0;
    // ... whether there is one to overwrite with a read ...
    virtual bool HasActiveProfile() const = 0;
    // ... a record read from a radio becomes a new profile, or overwrites the active one ...
    virtual void TakeReadRecord(const VirtualCPData &record, bool overwrite) = 0;
    // ... and the profile to write, converted for the radio whose own private ID is `unitPid`;
    // false when it cannot be (the host has shown why).
    virtual bool ProfileForWrite(const QString &unitPid, ProfileToWrite &out) = 0;

    // The safe-write settings, and saving a backup as a profile at `path` (false when it
    // could not be saved).
    virtual SafeWriteSettings SafeWrite() const = 0;
    virtual bool SaveRecordAsProfile(const VirtualCPData &record, const QString &path) = 0;
    // Shows what the write changes in the radio and asks whether to write; true to write.
    // The default asks through the prompter with the whole list. `other` names both radios
    // when a backup of another radio is about to be written; `backupPath` is this write's
    // backup.
    virtual bool ConfirmChangeReport(IPrompter &prompter, const std::vector<link::ProfileDifference> &changes,
                                     const OtherRadioBackup &other, const QString &backupPath);
    // A short notice that needs no answer (where the backup went, that nothing was written).
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

    // The commands, each over `session` and run to its end; true when it did what it was
    // asked (a read: the record went into a profile; a write: written, whether or not the
    // check found it as sent; see LastWriteOutcome). Without a port (the session's is empty)
    // they show message 304 and change nothing.
    bool Read(CTransferSession &session);
    bool Write(CTransferSession &session);
    bool Reset(CTransferSession &session);
    // Reads the radio's identity and its setting group (RadioGroup(); 0 when it has none),
    // without stopping at a radio of no setting group.
    bool Identify(CTransferSession &session);

    // False while a command runs.
    bool IsIdle() const { return !m_bBusy; }
    int RadioGroup() const { return m_nRadioGroup; }
    // The radio's identity as the last command read it.
    const VirtualCPData &Radio() const { return m_radio; }
    // The radio's own private ID as read at the start of the last write; empty when unknown.
    const QString &UnitPid() const { return m_strUnitPid; }
    const QString &RadioPassword() const { return m_strRadioPassword; }
    // The password typed last: a radio with this password is not asked for it again.
    const QString &EnteredPassword() const { return m_strEnteredPassword; }
    bool OlderRadioAccepted() const { return m_bWriteToOlderRadio; }
    WriteOutcome LastWriteOutcome() const { return m_writeOutcome; }
    // The backup the last write took; empty when it took none.
    const QString &LastBackupPath() const { return m_strBackupPath; }

    // The message shown for a failed short radio operation's result code.
    static QString FailureMessage(int code);
    // "R5E.08.00": the phase letter, then release (hex), version and revision (decimal).
    static QString FirmwareVersionText(const VirtualCPData &record);
    // A local date and time as whole seconds since 1970-01-01 00:00:00, without any time-zone
    // adjustment (the radio's clock keeps local time).
    static quint32 ClockSeconds(const QDateTime &local);

private:
    class CBusy;
    bool PortPresent(const CTransferSession &session);
    // Runs a job of `kind` on `record` or `pid`; true on success.
    bool RunJob(TransferJob::Kind kind, VirtualCPData *record = nullptr, QString *pid = nullptr);
    // Identity, setting group and, for a group with a password, the radio's password; false
    // (shown why) when the sequence stops there.
    bool IdentifyForTransfer();
    bool PasswordLoop();
    // The write's steps from the profile's conversion on.
    bool WriteFlow();
    // Reads the radio into `out` for `purposeId`.
    bool ReadRadioInto(VirtualCPData &out, int purposeId);
    bool TakeBackup(const ProfileToWrite &profile);
    // Once it is known whether the write sent anything: keeps or drops a backup that repeats
    // the newest one, then prunes.
    void SettleBackup(bool sentData);
    // Writes `record`; then verifies it, or offers the backup after a failure. `restoring`:
    // the record is the backup being written back.
    void WriteRecord(const VirtualCPData &record, bool restoring);
    // Reads the radio back and compares it with `sent`; a difference offers to write again or
    // to write the backup back.
    void Verify(const VirtualCPData &sent, bool restoring);
    // The radio that answered the check is the one written (identity and own private ID).
    bool SameRadio(const VirtualCPData &after);
    // Writes the backup back; the outcome stays that of the write asked for.
    void RestoreBackup();

    ITransferHost &m_host;
    IPrompter &m_prompter;
    CTransferSession *m_pSession = nullptr;  // while a command runs
    bool m_bBusy = false;
    int m_nRadioGroup = 0;
    VirtualCPData m_radio;
    QString m_strUnitPid;
    QString m_strRadioPassword;
    QString m_strEnteredPassword;
    bool m_bWriteToOlderRadio = false;
    bool m_bLastWriteSentData = false;
    bool m_bLastWriteResetRadio = false;
    WriteOutcome m_writeOutcome = WriteOutcome::None;
    SafeWriteSettings m_safe;
    QString m_strBackupPath;
    QString m_strNewestKept;  // the radio's newest backup before this write's
    QString m_strPendingBackup;  // this write's file while the newest one holds the same
    VirtualCPData m_backup;
    QDateTime m_backupTaken;
    // The profile has been written a second time after a failed check.
    bool m_bWrittenAgain = false;
};

}  // namespace zqv
