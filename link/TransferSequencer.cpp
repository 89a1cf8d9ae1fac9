#include "TransferSequencer.h"

#include "BackupStore.h"
#include "StringTable.h"
#include "TraceStore.h"
#include "TransferSession.h"
#include "WriteChanges.h"
#include "WriteHistory.h"

#include <QDate>
#include <QFile>
#include <utility>

namespace zqv {

QString CTransferSequencer::FailureMessage(int code)
{
    auto withReason = [](int reasonId) { return FormatStr(IDS_OPERATION_FAILED_REASON, {LoadStr(reasonId)}); };
    switch (code) {
    case -1: return LoadStr(IDS_MAIN_PORT_IN_USE);
    case -2: return LoadStr(IDS_MAIN_NO_CONNECTION);
    case -3: return LoadStr(IDS_MAIN_EARLIER_FIRMWARE);
    case -4: return LoadStr(IDS_MAIN_VERSION_UNSUPPORTED);
    case -5: return LoadStr(IDS_RADIO_MODEL_UNSUPPORTED);
    case -6: return withReason(IDS_REASON_INVALID_OPCODE);
    case -7: return withReason(IDS_REASON_UNSUPPORTED_COMMAND);
    case -8: return LoadStr(IDS_OPERATION_FAILED);
    case -9: return LoadStr(IDS_MAIN_TIMED_OUT);
    case -10: return withReason(IDS_REASON_OPERATION_UNSUPPORTED);
    case -11: return LoadStr(IDS_MAIN_RADIO_BUSY);
    case -12: return withReason(IDS_REASON_USER_CANCELED);
    case -13: return withReason(IDS_REASON_MESSAGE_COMPOSE);
    case -14: return LoadStr(IDS_MAIN_PERFORM_RESET);
    case -15: return LoadStr(IDS_CPS_TEXT_CONVERT_FAILED);
    case -16: return LoadStr(IDS_RADIO_TEXT_CONVERT_FAILED);
    case -17: return LoadStr(IDS_RADIO_PASSWORD_FAILED);
    case -18: return LoadStr(IDS_M_PROFILE_NOT_COMPATIBLE);
    case -19: return LoadStr(IDS_PORT_NOT_FOUND);
    case -20: return LoadStr(IDS_CONNECTION_LOST);
    case -21: return LoadStr(IDS_GARBLED_REPLIES);
    case -22: return LoadStr(IDS_PORT_NOT_A_TERMINAL);
    default: return FormatStr(IDS_OPERATION_FAILED_CODE, {QString::number(code)});
    }
}

QString CTransferSequencer::FirmwareVersionText(const VirtualCPData &record)
{
    return QString(record.firmware_phase) +
        QStringLiteral("%1.%2.%3")
            .arg(record.firmware_release, 2, 16, QLatin1Char('0'))
            .arg(record.firmware_version, 2, 10, QLatin1Char('0'))
            .arg(record.firmware_revision, 2, 10, QLatin1Char('0'))
            .toUpper();
}

quint32 CTransferSequencer::ClockSeconds(const QDateTime &local)
{
    const QDate d = local.date();
    const QTime t = local.time();
    const qint64 days = d.toJulianDay() - QDate(1970, 1, 1).toJulianDay();
    return static_cast<quint32>(days * 86400 + t.hour() * 3600 + t.minute() * 60 + t.second());
}

int RunTransferJob(CRadioTransfer &transfer, TransferJob &job)
{
    switch (job.kind) {
    case TransferJob::kPause: return link::LR_SUCCESS;
    case TransferJob::kReset: return transfer.ResetRadio();
    case TransferJob::kUnitPid: return transfer.ReadUnitPid(*job.pid);
    case TransferJob::kIdentity: return transfer.ReadIdentity(*job.record);
    case TransferJob::kPassword: return transfer.ReadRadioPassword(*job.record);
    case TransferJob::kRead: {
        const int result = transfer.ReadRadio(*job.record);
        job.notes = transfer.LastReadNotes();
        return result;
    }
    case TransferJob::kWrite: {
        const int result = transfer.WriteRadio(*job.record);
        job.sentData = transfer.LastWriteSentData();
        job.radioReset = transfer.LastWriteResetRadio();
        return result;
    }
    }
    return 0;
}

bool AnswerWriteQuestion(IPrompter &prompter, int question, bool olderRadioAccepted)
{
    if (question == -2 && olderRadioAccepted)
        return true;
    if (question == -1 || question == -2) {
        const int id = question == -1 ? IDS_WARN_RADIO_NOT_IN_PROFILE : IDS_WARN_PROFILE_NOT_SUPPORTED;
        return prompter.ShowMessage(id, MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
    return prompter.ShowMessage(IDS_UNKNOWN_WARNING, MB_OK) == IDOK;
}

bool ITransferHost::ConfirmChangeReport(IPrompter &prompter, const std::vector<link::ProfileDifference> &changes,
                                        const OtherRadioBackup &other, const QString &backupPath)
{
    (void)backupPath;
    const QString list = link::DescribeDifferences(changes).join(QLatin1Char('\n'));
    QString text;
    if (other.IsSet())
        text = FormatStr(IDS_RESTORE_OTHER_RADIO, {other.backupRadio, other.connectedRadio}) + QStringLiteral("\n\n") +
            (changes.empty() ? LoadStr(IDS_RESTORE_CHANGES_NOTHING) : FormatStr(IDS_RESTORE_CHANGES, {list})) +
            QStringLiteral("\n\n") +
            FormatStr(IDS_RESTORE_OTHER_RADIO_QUESTION, {other.backupRadio, other.connectedRadio});
    else
        text = changes.empty() ? LoadStr(IDS_SAFE_NOTHING_CHANGES) : FormatStr(IDS_SAFE_CHANGE_REPORT, {list});
    return prompter.Show(text, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// Marks a command as running for its whole length, whichever way it returns.
class CTransferSequencer::CBusy {
public:
    CBusy(CTransferSequencer &owner, CTransferSession &session) : m_owner(owner)
    {
        owner.m_bBusy = true;
        owner.m_pSession = &session;
        tracestore::BeginSession();
    }
    ~CBusy()
    {
        tracestore::EndSession();
        m_owner.m_bBusy = false;
        m_owner.m_pSession = nullptr;
    }

private:
    CTransferSequencer &m_owner;
};

bool CTransferSequencer::PortPresent(const CTransferSession &session)
{
    if (!session.Port().isEmpty())
        return true;
    m_prompter.ShowMessage(IDS_NO_COM_PORT);
    return false;
}

bool CTransferSequencer::RunJob(TransferJob::Kind kind, VirtualCPData *record, QString *pid)
{
    TransferJob job;
    job.kind = kind;
    job.record = record;
    job.pid = pid;
    return m_host.Run(*m_pSession, job) == link::LR_SUCCESS;
}

bool CTransferSequencer::IdentifyForTransfer()
{
    if (!RunJob(TransferJob::kIdentity, &m_radio))
        return false;
    m_nRadioGroup = m_host.GroupByVersion(FirmwareVersionText(m_radio));
    if (m_nRadioGroup <= 0) {
        // Without a setting group nothing says which fields the radio has: stop here. A host
        // that could not tell has said why already.
        if (m_nRadioGroup == 0)
            m_prompter.Show(FormatStr(IDS_SETTING_GROUP_UNKNOWN, {FirmwareVersionText(m_radio)}), MB_OK);
        return false;
    }
    if (!GroupHasPassword(m_nRadioGroup))
        return true;
    if (!RunJob(TransferJob::kPassword, &m_radio))
        return false;
    m_strRadioPassword = m_radio.setting.password;
    return true;
}

bool CTransferSequencer::Identify(CTransferSession &session)
{
    if (!PortPresent(session))
        return false;
    CBusy busy(*this, session);
    m_radio = VirtualCPData();
    if (!RunJob(TransferJob::kIdentity, &m_radio))
        return false;
    m_nRadioGroup = m_host.GroupByVersion(FirmwareVersionText(m_radio));
    return true;
}

bool CTransferSequencer::Reset(CTransferSession &session)
{
    if (!PortPresent(session))
        return false;
    CBusy busy(*this, session);
    return RunJob(TransferJob::kReset);
}

bool CTransferSequencer::PasswordLoop()
{
    const QString expected = m_strRadioPassword;
    while (!expected.isEmpty() && expected != m_strEnteredPassword) {
        if (!m_host.AskPassword(expected, m_strEnteredPassword))
            return false;
    }
    return true;
}

bool CTransferSequencer::Read(CTransferSession &session)
{
    if (!PortPresent(session))
        return false;
    CBusy busy(*this, session);
    if (!RunJob(TransferJob::kPause) || !IdentifyForTransfer())
        return false;
    if (GroupHasPassword(m_nRadioGroup) && !PasswordLoop())
        return false;
    m_bWriteToOlderRadio = false;
    VirtualCPData record;
    if (!RunJob(TransferJob::kRead, &record))
        return false;

    int answer = IDYES;
    if (m_host.HasActiveProfile())
        answer = m_prompter.ShowMessage(IDS_READ_NEW_OR_OVERWRITE, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer != IDYES && answer != IDNO)
        return false;
    m_host.TakeReadRecord(record, answer == IDNO);
    return true;
}

bool CTransferSequencer::Write(CTransferSession &session)
{
    // The acceptance, the outcome and the backup belong to this write only: a flag left over
    // from an earlier write must not answer this one's questions, and a write stopped at a
    // question took no backup.
    m_bWriteToOlderRadio = false;
    m_writeOutcome = WriteOutcome::None;
    m_strBackupPath.clear();
    m_strNewestKept.clear();
    m_strPendingBackup.clear();
    m_bWrittenAgain = false;
    if (!PortPresent(session) || !m_host.CommitPendingEdits())
        return false;
    CBusy busy(*this, session);
    // The radio's own private ID decides whose private scroll list the record carries.
    m_strUnitPid.clear();
    m_radio = VirtualCPData();
    if (!RunJob(TransferJob::kUnitPid, nullptr, &m_strUnitPid) || !IdentifyForTransfer())
        return false;
    return WriteFlow();
}

bool CTransferSequencer::WriteFlow()
{
    ProfileToWrite profile;
    if (!m_host.ProfileForWrite(m_strUnitPid, profile))
        return false;
    const auto declined = [this] {
        m_host.ShowNotice(TransferFailureText(link::LR_USER_CANCELED));
        return false;
    };
    if (!link::ConfirmWriteChanges(m_prompter, profile.changes))
        return declined();
    // The questions come before the password prompt: the user decides about the profile
    // first and is asked for the password only when something is to be written.
    if (m_nRadioGroup < profile.group) {
        if (m_prompter.ShowMessage(IDS_WARN_PROFILE_NOT_SUPPORTED, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return declined();
        m_bWriteToOlderRadio = true;
    }
    if (profile.pcClock)
        profile.record.setting.current_time = ClockSeconds(QDateTime::currentDateTime());
    if (GroupHasPassword(m_nRadioGroup) && !PasswordLoop())
        return false;
    m_safe = m_host.SafeWrite();
    if (m_safe.backup && !TakeBackup(profile))
        return false;
    WriteRecord(profile.record, false);
    SettleBackup(m_bLastWriteSentData);
    link::RecordWrite(m_strUnitPid, profile.path, m_writeOutcome, m_strBackupPath, profile.record);
    return m_writeOutcome != WriteOutcome::Failed;
}

bool CTransferSequencer::ReadRadioInto(VirtualCPData &out, int purposeId)
{
    TransferJob job;
    job.kind = TransferJob::kRead;
    job.record = &out;
    job.purposeId = purposeId;
    return m_host.Run(*m_pSession, job) == link::LR_SUCCESS;
}

// Reads the radio and saves it before anything is sent; a read that fails or is cancelled,
// or a backup that cannot be saved, ends the write there. Then the change report.
bool CTransferSequencer::TakeBackup(const ProfileToWrite &profile)
{
    VirtualCPData before;
    if (!ReadRadioInto(before, IDS_SAFE_BACKING_UP))
        return false;  // the read has shown why
    const QString root = m_safe.folder;
    const auto kept = link::ListBackups(root, link::BackupFolderName(before.limit.pid));
    m_strNewestKept = kept.empty() ? QString() : kept.front().path;
    const QString path = link::NewBackupPath(root, before.limit.pid, QDateTime::currentDateTime());
    if (path.isEmpty() || !m_host.SaveRecordAsProfile(before, path)) {
        if (!path.isEmpty())
            QFile::remove(path);
        m_prompter.Show(FormatStr(IDS_SAFE_BACKUP_SAVE_FAILED, {path.isEmpty() ? root : path}), MB_OK | MB_ICONERROR);
        return false;
    }
    m_backup = before;
    m_backupTaken = QDateTime::currentDateTime();
    // A radio unchanged since its newest backup keeps that one as its backup: the new file is
    // named nowhere, kept only if the write sends something, so every path shown exists and
    // declined writes leave the backups as they were.
    if (!m_strNewestKept.isEmpty() && link::SameProgramming(path, m_strNewestKept)) {
        m_strPendingBackup = path;
        m_strBackupPath = m_strNewestKept;
        m_host.ShowNotice(FormatStr(IDS_SAFE_BACKUP_SAME_AS_KEPT, {m_strBackupPath}));
    } else {
        m_strBackupPath = path;
        m_host.ShowNotice(FormatStr(IDS_SAFE_BACKUP_SAVED, {path}));
    }

    OtherRadioBackup other;
    if (profile.isBackup && profile.record.limit.pid != before.limit.pid)
        other = {link::RadioLabel(profile.record), link::RadioLabel(before)};
    const VirtualCPData expected = link::ExpectedAfterWrite(profile.record, before.limit);
    if (!m_host.ConfirmChangeReport(m_prompter, link::CompareRecords(before, expected), other, m_strBackupPath)) {
        SettleBackup(false);
        m_host.ShowNotice(TransferFailureText(link::LR_USER_CANCELED));
        return false;
    }
    return true;
}

// Pruning waits until the write has ended and never takes this write's backup. A write that
// sent nothing drops a new file that only repeats the newest backup.
void CTransferSequencer::SettleBackup(bool sentData)
{
    if (m_strBackupPath.isEmpty())
        return;
    if (!m_strPendingBackup.isEmpty()) {
        const QString pending = std::exchange(m_strPendingBackup, QString());
        if (!sentData) {
            QFile::remove(pending);
            return;
        }
        m_strBackupPath = pending;  // the same programming, taken now
    }
    link::PruneBackups(m_safe.folder, m_backup.limit.pid, m_safe.keep, m_strBackupPath);
}

void CTransferSequencer::WriteRecord(const VirtualCPData &record, bool restoring)
{
    const VirtualCPData sent = record;
    const bool check = m_safe.verify;
    TransferJob job;
    job.kind = TransferJob::kWrite;
    job.record = const_cast<VirtualCPData *>(&sent);  // a write only reads its record
    job.olderRadioAccepted = m_bWriteToOlderRadio || restoring;
    job.checkFollows = check;
    const bool written = m_host.Run(*m_pSession, job) == link::LR_SUCCESS;
    m_bLastWriteSentData = job.sentData;
    m_bLastWriteResetRadio = job.radioReset;
    if (!written) {
        m_writeOutcome = WriteOutcome::Failed;
        if (restoring) {
            // The backup did not go back in either: the radio holds part of a profile, and the
            // dealer needs to know where the backup is to try again later.
            m_prompter.Show(FormatStr(IDS_RESTORE_WRITE_FAILED, {m_strBackupPath}), MB_OK | MB_ICONERROR);
            return;
        }
        // Part of the new programming may be in the radio: one message says so, offering the
        // backup when there is one.
        if (!m_strBackupPath.isEmpty() && m_bLastWriteSentData) {
            if (m_prompter.Show(FormatStr(IDS_SAFE_RESTORE_QUESTION, {m_strBackupPath}), MB_YESNO | MB_ICONWARNING) ==
                IDYES)
                RestoreBackup();
        } else if (m_bLastWriteResetRadio) {
            m_prompter.ShowMessage(IDS_WRITE_RADIO_WAS_RESET, MB_OK | MB_ICONWARNING);
        }
        return;
    }
    m_writeOutcome = WriteOutcome::Written;
    if (check)
        Verify(sent, restoring);
}

void CTransferSequencer::RestoreBackup()
{
    const WriteOutcome outcome = m_writeOutcome;
    // The radio's clock went on while the write ran: it gets its own time back, not the time
    // the backup was read.
    VirtualCPData record = m_backup;
    if (record.setting.current_time != 0)
        record.setting.current_time += quint32(m_backupTaken.secsTo(QDateTime::currentDateTime()));
    WriteRecord(record, true);
    m_writeOutcome = outcome;  // the write asked for still did not happen
}

bool CTransferSequencer::SameRadio(const VirtualCPData &after)
{
    const VirtualCPData &before = m_radio;
    const QString &pid = m_strUnitPid;
    const bool same = FirmwareVersionText(before) == FirmwareVersionText(after) &&
        before.codeplug_structure == after.codeplug_structure && before.codeplug_version == after.codeplug_version &&
        before.codeplug_dev_version == after.codeplug_dev_version && (pid.isEmpty() || pid == after.limit.pid);
    if (!same)
        m_prompter.Show(FormatStr(IDS_VERIFY_OTHER_RADIO,
                                  {pid, FirmwareVersionText(before), after.limit.pid, FirmwareVersionText(after)}),
                        MB_OK | MB_ICONERROR);
    return same;
}

void CTransferSequencer::Verify(const VirtualCPData &sent, bool restoring)
{
    // Writes `sent` once more, after a check that found differences.
    const auto WriteAgain = [this, &sent] {
        m_bWrittenAgain = true;
        WriteRecord(sent, false);
    };
    VirtualCPData after;
    if (!ReadRadioInto(after, IDS_SAFE_VERIFYING)) {
        m_writeOutcome = WriteOutcome::VerifyFailed;
        m_prompter.ShowMessage(IDS_SAFE_VERIFY_READ_FAILED, MB_ICONERROR);
        return;
    }
    // Another radio on the cable says nothing about the one written: no comparison.
    if (!SameRadio(after)) {
        m_writeOutcome = WriteOutcome::VerifyFailed;
        return;
    }
    const auto differences = link::CompareRecords(link::ExpectedAfterWrite(sent, after.limit), after);
    if (differences.empty()) {
        m_writeOutcome = WriteOutcome::Verified;
        m_prompter.ShowMessage(IDS_SAFE_VERIFIED, MB_ICONINFORMATION);
        return;
    }
    m_writeOutcome = WriteOutcome::VerifyFailed;
    const QString list = link::DescribeDifferences(differences).join(QLatin1Char('\n'));
    const bool backup = !m_strBackupPath.isEmpty();
    // Each choice is offered once: the profile is written again at most once, and a backup
    // written back that does not check out is only reported.
    if (restoring || (m_bWrittenAgain && !backup)) {
        m_prompter.Show(FormatStr(IDS_SAFE_VERIFY_FAILED, {list}), MB_OK | MB_ICONERROR);
    } else if (m_bWrittenAgain) {
        if (m_prompter.Show(FormatStr(IDS_VERIFY_RESTORE, {list, m_strBackupPath}), MB_YESNO | MB_ICONWARNING) == IDYES)
            RestoreBackup();
    } else if (!backup) {
        if (m_prompter.Show(FormatStr(IDS_VERIFY_RETRY, {list}), MB_YESNO | MB_ICONWARNING) == IDYES)
            WriteAgain();
    } else {
        const int answer = m_prompter.Show(FormatStr(IDS_VERIFY_RETRY_OR_RESTORE, {list, m_strBackupPath}),
                                           MB_YESNOCANCEL | MB_ICONWARNING);
        if (answer == IDYES)
            WriteAgain();
        else if (answer == IDNO)
            RestoreBackup();
    }
}

}  // namespace zqv
