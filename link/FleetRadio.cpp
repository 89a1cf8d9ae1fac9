#include "FleetRadio.h"

#include "DataAdaptor.h"
#include "LinkCodec.h"
#include "SettingsMerge.h"
#include "StringTable.h"
#include "WriteChanges.h"
#include "WriteHistory.h"
#include "XmlDom.h"
#include "ZQVCPSException.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

namespace zqv {

// ---- the channel ----

void CFleetRun::CChannel::Post(Task task)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_tasks.push_back(std::move(task));
    m_cv.notify_all();
    if (m_wakeLoop)
        m_wakeLoop();
}

void CFleetRun::CChannel::Call(const Task &task)
{
    std::mutex doneMutex;
    std::condition_variable doneCv;
    bool done = false;
    Post([&] {
        task();
        std::lock_guard<std::mutex> lock(doneMutex);
        done = true;
        doneCv.notify_all();
    });
    std::unique_lock<std::mutex> lock(doneMutex);
    doneCv.wait(lock, [&] { return done; });
}

void CFleetRun::CChannel::Wake()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bWoken = true;
    m_cv.notify_all();
    if (m_wakeLoop)
        m_wakeLoop();
}

void CFleetRun::CChannel::Pump(int ms, bool eventLoop)
{
    if (eventLoop) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        bool wait = false;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            wait = m_tasks.empty() && !m_bWoken;
            if (wait)
                m_wakeLoop = [&loop] { QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection); };
        }
        if (wait) {
            timer.start(ms);
            loop.exec();
            std::lock_guard<std::mutex> lock(m_mutex);
            m_wakeLoop = nullptr;
        }
    } else {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_cv.wait_for(lock, std::chrono::milliseconds(ms), [this] { return !m_tasks.empty() || m_bWoken; });
    }
    std::deque<Task> tasks;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        tasks.swap(m_tasks);
        m_bWoken = false;
    }
    for (const Task &task : tasks)
        task();
}

// ---- one radio ----

CFleetRun::CRadio::CRadio(CFleetRun &run, const FleetRow &row, FleetAction action)
    : m_run(run), m_channel(*run.m_spChannel), m_action(action), m_row(row)
{
    m_entry.rowId = row.id;
    m_entry.port = row.port;
}

CFleetRun::CRadio::~CRadio()
{
    Join();
}

void CFleetRun::CRadio::Start()
{
    m_clock.start();
    m_thread = std::thread([this] { Work(); });
}

void CFleetRun::CRadio::Join()
{
    if (m_thread.joinable())
        m_thread.join();
}

void CFleetRun::CRadio::Cancel()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_pSession)
        m_pSession->RequestCancel();
    if (m_bAtConfirmation && m_nConfirmation < 0) {
        m_nConfirmation = 0;
        m_cv.notify_all();
    }
}

bool CFleetRun::CRadio::IsWaitingForConfirmation()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_bAtConfirmation && m_nConfirmation < 0;
}

bool CFleetRun::CRadio::HasEnded()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_bEnded;
}

FleetRadioPlan CFleetRun::CRadio::Plan()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_plan;
}

void CFleetRun::CRadio::AnswerConfirmation(bool yes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nConfirmation = yes ? 1 : 0;
    m_cv.notify_all();
}

bool CFleetRun::CRadio::Stopped() const
{
    return m_run.m_nStop.load() != 0;
}

void CFleetRun::CRadio::ShowRow()
{
    m_channel.Post([this, row = m_row] { m_run.UpdateRow(row); });
}

void CFleetRun::CRadio::SetStep(const QString &step)
{
    m_row.state = FleetRow::State::Working;
    m_row.step = step;
    m_row.progress = 0;
    ShowRow();
}

void CFleetRun::CRadio::SetUnitPid(const QString &pid)
{
    m_row.unitPid = pid;
    m_row.name = m_run.m_privateNames.value(pid);
    m_row.notInProfile = !m_run.m_privateNames.contains(pid);
    ShowRow();
}

void CFleetRun::CRadio::Work()
{
    {
        CTransferSession session(m_row.device);
        if (m_run.m_sessionSetup)
            m_run.m_sessionSetup(session);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_pSession = &session;
        }
        CTransferSequencer sequencer(*this, *this);
        if (Stopped())
            End(FleetResult::Stopped, LoadStr(IDS_FLEET_STOPPED));
        else if (m_action == FleetAction::Identify)
            DoIdentify(sequencer, session);
        else if (m_action == FleetAction::Write)
            DoWrite(sequencer, session);
        else
            DoRead(sequencer, session, m_action == FleetAction::Check);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pSession = nullptr;
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bEnded = true;
    }
    m_channel.Post([this] { m_run.Finish(*this); });
}

void CFleetRun::CRadio::End(FleetResult result, const QString &reason)
{
    m_entry.unitPid = m_row.unitPid;
    m_entry.name = m_row.name;
    m_entry.firmware = m_row.firmware;
    m_entry.result = result;
    m_entry.reason = reason;
    m_entry.elapsedMs = m_clock.elapsed();
}

QString CFleetRun::CRadio::Reason() const
{
    if (!m_strRefusal.isEmpty())
        return m_strRefusal;
    if (Stopped())
        return LoadStr(IDS_FLEET_STOPPED);
    if (!m_strMessage.isEmpty())
        return m_strMessage;
    return m_strFailure.isEmpty() ? LoadStr(IDS_OPERATION_FAILED) : m_strFailure;
}

void CFleetRun::CRadio::DoIdentify(CTransferSequencer &sequencer, CTransferSession &session)
{
    QString pid;
    TransferJob job;
    job.kind = TransferJob::kUnitPid;
    job.pid = &pid;
    const bool ok = sequencer.Identify(session) && Run(session, job) == link::LR_SUCCESS;
    End(ok              ? FleetResult::Succeeded
            : Stopped() ? FleetResult::Stopped
                        : FleetResult::Failed,
        ok ? CTransferSequencer::FirmwareVersionText(sequencer.Radio()) : Reason());
}

// A file of its own for each radio: "<unit PID>.zqv", numbered when the folder has one already.
static QString ReadFilePath(const QString &folder, const QString &pid)
{
    const QString base = pid.isEmpty() ? QStringLiteral("radio") : pid;
    QString path = QDir(folder).filePath(base + QStringLiteral(".zqv"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(QStringLiteral("%1 (%2).zqv").arg(base).arg(n));
    return path;
}

void CFleetRun::CRadio::DoRead(CTransferSequencer &sequencer, CTransferSession &session, bool check)
{
    if (!sequencer.Read(session) || !m_read) {
        End(Stopped() ? FleetResult::Stopped : FleetResult::Failed, Reason());
        return;
    }
    SetUnitPid(m_read->limit.pid);
    if (!check) {
        const QString path = ReadFilePath(m_run.m_strOutputFolder, m_row.unitPid);
        if (!SaveRecordAsProfile(*m_read, path)) {
            End(FleetResult::Failed, FormatStr(IDS_CSV_CANNOT_WRITE, {path}));
            return;
        }
        m_entry.file = path;
        End(FleetResult::Succeeded, FormatStr(IDS_FLEET_SAVED, {path}));
        return;
    }
    // What a write of the profile would leave in this radio, against what it holds.
    VirtualCPData profile;
    try {
        if (!CDataAdaptor::XML2VirtualCP(m_run.m_profile.text, profile, m_row.unitPid)) {
            End(FleetResult::Failed, LoadStr(IDS_OPERATION_FAILED));
            return;
        }
    } catch (const CZQVCPSException &e) {
        End(FleetResult::Failed, LoadStr(e.GetMessageId()));
        return;
    }
    m_entry.changes = link::CompareRecords(*m_read, link::ExpectedAfterWrite(profile, m_read->limit));
    if (m_entry.changes.empty())
        End(FleetResult::Succeeded, LoadStr(IDS_FLEET_SAME));
    else
        End(FleetResult::Differs, FormatStr(IDS_FLEET_DIFFERENCES, {QString::number(m_entry.changes.size())}));
}

void CFleetRun::CRadio::DoWrite(CTransferSequencer &sequencer, CTransferSession &session)
{
    sequencer.Write(session);
    const WriteOutcome outcome = sequencer.LastWriteOutcome();
    m_entry.backupFile = sequencer.LastBackupPath();
    m_entry.changes = Plan().changes;
    if (outcome == WriteOutcome::Verified || outcome == WriteOutcome::VerifyFailed)
        m_entry.verify = link::HistoryResultText(link::HistoryResultKey(outcome));
    switch (outcome) {
    case WriteOutcome::Verified:
    case WriteOutcome::Written:
        End(FleetResult::Succeeded, link::HistoryResultText(link::HistoryResultKey(outcome)));
        return;
    case WriteOutcome::VerifyFailed:
        End(FleetResult::Failed, m_strMessage.isEmpty() ? m_entry.verify : m_strMessage);
        return;
    case WriteOutcome::Failed:
        // The failure of the write itself says most, then whether the backup went back in.
        End(FleetResult::Failed,
            (m_strFailure.isEmpty() ? Reason() : m_strFailure) +
                (m_bRestored ? u' ' + LoadStr(IDS_FLEET_BACKUP_BACK) : QString()));
        return;
    case WriteOutcome::None: break;
    }
    if (!m_strRefusal.isEmpty())
        End(FleetResult::Refused, m_strRefusal);
    else if (m_bDeclined)
        End(FleetResult::Stopped, LoadStr(IDS_FLEET_NOT_CONFIRMED));
    else
        End(Stopped() ? FleetResult::Stopped : FleetResult::Failed, Reason());
}

// ---- ITransferHost ----

int CFleetRun::CRadio::Run(CTransferSession &session, TransferJob &job)
{
    if (job.kind == TransferJob::kPause)
        return link::LR_SUCCESS;
    if (job.kind == TransferJob::kWrite)
        SetStep(LoadStr(IDS_WRITING_TO_RADIO));
    else if (job.kind == TransferJob::kRead)
        SetStep(LoadStr(job.purposeId ? job.purposeId : IDS_READING_FROM_RADIO));
    // The check of the stop comes after the session has cleared its cancel flag, so a Stop
    // that comes at any moment either finds this operation running or keeps it from starting.
    const auto operation = [this, &job](CRadioTransfer &transfer) {
        if (Stopped() && !m_bGoOnAfterStop)
            return int(link::LR_USER_CANCELED);
        return RunTransferJob(transfer, job);
    };
    const int result = session.Run(operation, [&](const TransferEvent &e) {
        switch (e.kind) {
        case TransferEvent::kProgress:
            if (e.value != m_row.progress) {
                m_row.progress = e.value;
                ShowRow();
            }
            break;
        case TransferEvent::kFailure: m_strFailure = TransferFailureText(e.value); break;
        case TransferEvent::kQuestion:
            // Only a radio whose own private contact is in the profile gets this far, and an
            // older setting group has been accepted for the whole run.
            session.Answer(e.value == -2 && job.olderRadioAccepted);
            break;
        case TransferEvent::kSuccess:
        case TransferEvent::kEnded: break;
        }
    });
    if (job.kind == TransferJob::kWrite && m_nWrites++ == 0)
        m_bWriteFailed = result != link::LR_SUCCESS;
    else if (job.kind == TransferJob::kWrite && m_bRestoreChosen)
        m_bRestored = result == link::LR_SUCCESS;
    if (result == link::LR_SUCCESS) {
        if (job.kind == TransferJob::kUnitPid)
            SetUnitPid(*job.pid);
        else if (job.kind == TransferJob::kIdentity) {
            m_row.firmware = CTransferSequencer::FirmwareVersionText(*job.record);
            ShowRow();
        }
    }
    return result;
}

bool CFleetRun::CRadio::AskPassword(const QString &expected, QString &entered)
{
    bool right = false;
    m_channel.Call([&] { right = m_run.PasswordFor(m_row.id, expected); });
    if (right)
        entered = expected;
    else if (!Stopped())
        m_strRefusal = LoadStr(IDS_PASSWORD_INCORRECT);
    return right;
}

int CFleetRun::CRadio::GroupByVersion(const QString &firmwareVersion)
{
    // A setting document is read by one thread at a time.
    static std::mutex s_mutex;
    int group = -1;
    {
        std::lock_guard<std::mutex> lock(s_mutex);
        if (m_run.m_spUpgrade)
            group = GetGroupByVersion(*m_run.m_spUpgrade, firmwareVersion);
    }
    if (group < 0)
        m_strMessage = FormatStr(IDS_SETTING_GROUP_UNKNOWN, {firmwareVersion});
    m_row.group = std::max(group, 0);
    ShowRow();
    return group;
}

void CFleetRun::CRadio::TakeReadRecord(const VirtualCPData &record, bool overwrite)
{
    (void)overwrite;  // never asked: a fleet read always makes a file of its own
    m_read = record;
}

bool CFleetRun::CRadio::ProfileForWrite(const QString &unitPid, ProfileToWrite &out)
{
    // The radio's own private contact decides its manager mode, groups and scroll list; a
    // radio without one would get somebody else's, so it is not written.
    if (!m_run.m_privateNames.contains(unitPid)) {
        m_bNotInProfile = true;
        m_strRefusal = FormatStr(IDS_FLEET_NOT_IN_PROFILE, {unitPid});
        return false;
    }
    try {
        if (!CDataAdaptor::XML2VirtualCP(m_run.m_profile.text, out.record, unitPid)) {
            m_strRefusal = LoadStr(IDS_OPERATION_FAILED);
            return false;
        }
    } catch (const CZQVCPSException &e) {
        m_strRefusal = LoadStr(e.GetMessageId());
        return false;
    }
    out.group = m_run.m_profile.group;
    out.pcClock = m_run.m_profile.pcClock;
    out.path = m_run.m_profile.path;
    return true;
}

SafeWriteSettings CFleetRun::CRadio::SafeWrite() const
{
    return {true, true, m_run.m_nBackupKeep, m_run.m_strBackupFolder};
}

bool CFleetRun::CRadio::SaveRecordAsProfile(const VirtualCPData &record, const QString &path)
{
    bool saved = false;
    m_channel.Call([&] { saved = m_run.m_host.SaveRecordAsProfile(record, path); });
    return saved;
}

bool CFleetRun::CRadio::ConfirmChangeReport(IPrompter &prompter, const std::vector<link::ProfileDifference> &changes,
                                            const OtherRadioBackup &other, const QString &backupPath)
{
    (void)prompter;
    (void)other;  // a fleet write sends the profile, never another radio's backup
    m_row.state = FleetRow::State::Confirming;
    m_row.step.clear();
    ShowRow();
    std::unique_lock<std::mutex> lock(m_mutex);
    m_plan = {m_row.id, m_row.port, m_row.unitPid, m_row.name, changes, m_notes, backupPath};
    m_bAtConfirmation = true;
    m_channel.Wake();
    m_cv.wait(lock, [this] { return m_nConfirmation >= 0; });
    m_bDeclined = m_nConfirmation == 0;
    return !m_bDeclined;
}

// ---- IPrompter ----

int CFleetRun::CRadio::Show(const QString &text, unsigned style)
{
    if (text == LoadStr(IDS_WARN_PROFILE_NOT_SUPPORTED)) {
        m_notes << FormatStr(IDS_FLEET_OLDER_GROUP,
                             {QString::number(m_row.group), QString::number(m_run.m_profile.group)});
        return IDYES;
    }
    const unsigned buttons = style & 0xF;
    if (buttons == MB_OK) {
        if ((style & 0xF0) != MB_ICONINFORMATION)
            m_strMessage = text;
        return IDOK;
    }
    int answer = IDNO;
    m_channel.Call([&] { answer = m_run.m_host.AskRadio(m_run.RowRef(m_row.id), text, style); });
    // A restore or a second write the user chose runs to its end even after a Stop. After a
    // write that did not complete, the one question is whether to write the backup back.
    if (answer == IDYES || (buttons == MB_YESNOCANCEL && answer == IDNO))
        m_bGoOnAfterStop = true;
    if (m_bWriteFailed && answer == IDYES)
        m_bRestoreChosen = true;
    return answer;
}

}  // namespace zqv
