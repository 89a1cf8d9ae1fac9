#include "TransferSequencer.h"

#include "BackupStore.h"
#include "CableDoctor.h"
#include "StringTable.h"
#include "TraceStore.h"
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

QString ITransferHost::FailureText(int code) const
{
    return CTransferSequencer::FailureMessage(code);
}

bool ITransferHost::ConfirmChangeReport(IPrompter &prompter, const std::vector<link::ProfileDifference> &changes,
                                        const OtherRadioBackup &other)
{
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

bool CTransferSequencer::PortPresent()
{
    if (!m_host.CablePort().isEmpty())
        return true;
    m_prompter.ShowMessage(IDS_NO_COM_PORT);
    return false;
}

void CTransferSequencer::SetIdle(bool idle)
{
    if (m_bIdle == idle)
        return;
    m_bIdle = idle;
    idle ? tracestore::EndSession() : tracestore::BeginSession();
    m_host.IdleChanged(idle);
}

void CTransferSequencer::Read()
{
    if (!PortPresent())
        return;
    SetIdle(false);
    m_nStep = kStepReadRequested;
    m_host.StartDelay();
}

void CTransferSequencer::Write()
{
    if (!PortPresent())
        return;
    if (!m_host.CommitPendingEdits())
        return;
    SetIdle(false);
    m_nStep = kStepWriteRequested;
    m_host.StartReadUnitPid();
}

void CTransferSequencer::Reset()
{
    if (!PortPresent())
        return;
    SetIdle(false);
    m_nStep = kStepReset;
    m_host.StartReset();
}

void CTransferSequencer::Identify()
{
    if (!PortPresent())
        return;
    SetIdle(false);
    m_nStep = kStepIdentify;
    m_host.StartReadIdentity();
}

int CTransferSequencer::GroupOfRadio()
{
    m_nRadioGroup = m_host.GroupByVersion(FirmwareVersionText(m_host.TransferRecord()));
    return m_nRadioGroup;
}

bool CTransferSequencer::TakeRadioGroup()
{
    const int group = GroupOfRadio();
    if (group > 0)
        return true;
    // Without a setting group nothing says which fields the radio has: stop here. A host that
    // could not tell has said why already.
    if (group == 0)
        m_prompter.Show(FormatStr(IDS_SETTING_GROUP_UNKNOWN, {FirmwareVersionText(m_host.TransferRecord())}), MB_OK);
    SetIdle(true);
    return false;
}

void CTransferSequencer::OnNotice(int kind, int code)
{
    if (kind == kNoticeFailure) {
        // The step stays where it was; the next command starts its sequence afresh.
        ShowTransferFailure(m_prompter, m_host.FailureText(code), code, m_host.CablePort());
        SetIdle(true);
        return;
    }
    if (kind != kNoticeSuccess) {
        SetIdle(true);
        return;
    }

    // The sequence stays busy while a further operation runs; it ends with a flow or with a
    // step that has nothing more to do.
    FlowResult result = FlowResult::Done;
    switch (m_nStep) {
    case kStepReadRequested:
        m_nStep = kStepReadIdentified;
        m_host.StartReadIdentity();
        return;
    case kStepReadIdentified:
        if (!TakeRadioGroup())
            return;
        m_nStep = kStepReadReady;
        if (GroupHasPassword(m_nRadioGroup)) {
            m_host.StartReadPassword();
            return;
        }
        result = ReadFlow();
        break;
    case kStepReadReady:
        m_strRadioPassword = m_host.TransferRecord().setting.password;
        result = ReadFlow();
        break;
    case kStepWriteRequested:
        m_nStep = kStepWriteIdentified;
        m_host.StartReadIdentity();
        return;
    case kStepWriteIdentified:
        if (!TakeRadioGroup())
            return;
        m_nStep = kStepWriteReady;
        if (GroupHasPassword(m_nRadioGroup)) {
            m_host.StartReadPassword();
            return;
        }
        result = WriteFlow();
        break;
    case kStepWriteReady:
        m_strRadioPassword = m_host.TransferRecord().setting.password;
        result = WriteFlow();
        break;
    case kStepIdentify: GroupOfRadio(); break;
    default: break;
    }
    if (result != FlowResult::Cancelled)
        SetIdle(true);
}

FlowResult CTransferSequencer::PasswordLoop()
{
    const QString expected = m_strRadioPassword;
    while (!expected.isEmpty() && expected != m_strEnteredPassword) {
        if (!m_host.AskPassword(expected, m_strEnteredPassword)) {
            SetIdle(true);
            return FlowResult::Cancelled;
        }
    }
    return FlowResult::Done;
}

FlowResult CTransferSequencer::ReadFlow()
{
    if (GroupHasPassword(m_nRadioGroup) && PasswordLoop() == FlowResult::Cancelled)
        return FlowResult::Cancelled;
    m_bWriteToOlderRadio = false;
    if (!m_host.RunTransferDialog(false, false))
        return FlowResult::Done;

    int answer = IDYES;
    if (m_host.HasActiveProfile())
        answer = m_prompter.ShowMessage(IDS_READ_NEW_OR_OVERWRITE, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDYES)
        m_host.NewProfileFromRecord();
    else if (answer == IDNO)
        m_host.OverwriteActiveProfile();
    return FlowResult::Done;
}

FlowResult CTransferSequencer::WriteFlow()
{
    // The acceptance belongs to this write only: a flag left over from an earlier write must
    // not answer the write dialog's own question for a profile that does not fit.
    m_bWriteToOlderRadio = false;
    // Likewise the outcome and the backup: a write stopped at a question took neither.
    m_writeOutcome = WriteOutcome::None;
    m_strBackupPath.clear();
    m_strNewestKept.clear();
    m_strPendingBackup.clear();
    m_bWrittenAgain = false;
    // The record holds the identity of the radio just asked; the check compares with it.
    m_writtenRadio = m_host.TransferRecord();
    m_host.RecreateLink();
    if (!m_host.ActiveProfileToRecord())
        return FlowResult::Failed;
    if (!link::ConfirmWriteChanges(m_prompter, m_host.ActiveProfileWriteChanges())) {
        m_host.QuestionDeclined();
        SetIdle(true);
        return FlowResult::Cancelled;
    }
    // The questions come before the password prompt: the user decides about the profile
    // first and is asked for the password only when something is to be written.
    if (m_nRadioGroup < m_host.ActiveProfileGroup()) {
        if (m_prompter.ShowMessage(IDS_WARN_PROFILE_NOT_SUPPORTED, MB_YESNO | MB_ICONQUESTION) != IDYES) {
            m_host.QuestionDeclined();
            SetIdle(true);
            return FlowResult::Cancelled;
        }
        m_bWriteToOlderRadio = true;
    }
    if (m_host.ActiveProfileUsesPcClock())
        m_host.TransferRecord().setting.current_time = ClockSeconds(QDateTime::currentDateTime());
    if (GroupHasPassword(m_nRadioGroup) && PasswordLoop() == FlowResult::Cancelled)
        return FlowResult::Cancelled;
    if (m_host.BackupBeforeWrite()) {
        const FlowResult backup = TakeBackup();
        if (backup != FlowResult::Done)
            return backup;
    }
    const VirtualCPData sent = m_host.TransferRecord();
    WriteRecord(false);
    SettleBackup(m_host.LastWriteSentData());
    link::RecordWrite(m_host.RadioUnitPid(), m_host.ActiveProfilePath(), m_writeOutcome, m_strBackupPath, sent);
    return FlowResult::Done;
}

bool CTransferSequencer::ReadRadioInto(VirtualCPData &out, int purposeId)
{
    VirtualCPData &record = m_host.TransferRecord();
    const VirtualCPData kept = record;
    record = VirtualCPData();
    m_host.SetReadPurpose(purposeId);
    const bool ok = m_host.RunTransferDialog(false, false);
    m_host.SetReadPurpose(0);
    out = m_host.TransferRecord();
    m_host.TransferRecord() = kept;
    return ok;
}

// Reads the radio and saves it before anything is sent; a read that fails or is cancelled,
// or a backup that cannot be saved, ends the write there. Then the change report.
FlowResult CTransferSequencer::TakeBackup()
{
    VirtualCPData before;
    if (!ReadRadioInto(before, IDS_SAFE_BACKING_UP))
        return FlowResult::Failed;  // the read has shown why
    const QString root = m_host.BackupFolder();
    const auto kept = link::ListBackups(root, link::BackupFolderName(before.limit.pid));
    m_strNewestKept = kept.empty() ? QString() : kept.front().path;
    const QString path = link::NewBackupPath(root, before.limit.pid, QDateTime::currentDateTime());
    if (path.isEmpty() || !m_host.SaveRecordAsProfile(before, path)) {
        if (!path.isEmpty())
            QFile::remove(path);
        m_prompter.Show(FormatStr(IDS_SAFE_BACKUP_SAVE_FAILED, {path.isEmpty() ? root : path}), MB_OK | MB_ICONERROR);
        return FlowResult::Failed;
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

    const VirtualCPData &profile = m_host.TransferRecord();
    OtherRadioBackup other;
    if (m_host.WritingBackup() && profile.limit.pid != before.limit.pid)
        other = {link::RadioLabel(profile), link::RadioLabel(before)};
    const VirtualCPData expected = link::ExpectedAfterWrite(profile, before.limit);
    if (!m_host.ConfirmChangeReport(m_prompter, link::CompareRecords(before, expected), other)) {
        SettleBackup(false);
        m_host.QuestionDeclined();
        return FlowResult::Failed;
    }
    return FlowResult::Done;
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
    link::PruneBackups(m_host.BackupFolder(), m_backup.limit.pid, m_host.BackupKeepCount(), m_strBackupPath);
}

void CTransferSequencer::WriteRecord(bool restoring)
{
    const VirtualCPData sent = m_host.TransferRecord();
    const bool check = m_host.VerifyAfterWrite();
    m_host.SetCheckFollows(check);
    const bool written = m_host.RunTransferDialog(true, m_bWriteToOlderRadio || restoring);
    m_host.SetCheckFollows(false);
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
        if (!m_strBackupPath.isEmpty() && m_host.LastWriteSentData()) {
            if (m_prompter.Show(FormatStr(IDS_SAFE_RESTORE_QUESTION, {m_strBackupPath}), MB_YESNO | MB_ICONWARNING) ==
                IDYES)
                RestoreBackup();
        } else if (m_host.LastWriteResetRadio()) {
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
    VirtualCPData &record = m_host.TransferRecord();
    record = m_backup;
    if (record.setting.current_time != 0)
        record.setting.current_time += quint32(m_backupTaken.secsTo(QDateTime::currentDateTime()));
    WriteRecord(true);
    m_writeOutcome = outcome;  // the write asked for still did not happen
}

void CTransferSequencer::WriteAgain(const VirtualCPData &sent)
{
    m_bWrittenAgain = true;
    m_host.TransferRecord() = sent;
    WriteRecord(false);
}

bool CTransferSequencer::SameRadio(const VirtualCPData &after)
{
    const VirtualCPData &before = m_writtenRadio;
    const QString pid = m_host.RadioUnitPid();
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
            WriteAgain(sent);
    } else {
        const int answer = m_prompter.Show(FormatStr(IDS_VERIFY_RETRY_OR_RESTORE, {list, m_strBackupPath}),
                                           MB_YESNOCANCEL | MB_ICONWARNING);
        if (answer == IDYES)
            WriteAgain(sent);
        else if (answer == IDNO)
            RestoreBackup();
    }
}

}  // namespace zqv
