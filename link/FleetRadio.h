// The inside of a fleet run: the channel between the owner thread and the radios' workers, and
// one radio's part of a run (its worker thread, and the host and prompter its sequence talks
// to). Only FleetRun.cpp and FleetRadio.cpp include this.
#pragma once

#include "FleetRun.h"
#include "TransferSession.h"

#include <QElapsedTimer>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

namespace zqv {

// Tasks for the owner thread. A worker either queues one and goes on (Post) or waits until the
// owner has run it (Call); the owner runs them in Pump, waiting for the first either plainly or
// in a local Qt event loop.
class CFleetRun::CChannel {
public:
    using Task = std::function<void()>;
    void Post(Task task);
    void Call(const Task &task);
    // Runs the queued tasks, waiting up to `ms` for one first.
    void Pump(int ms, bool eventLoop);
    // Ends the owner's current wait at once.
    void Wake();

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::deque<Task> m_tasks;
    bool m_bWoken = false;
    std::function<void()> m_wakeLoop;  // quits the owner's local event loop while it waits
};

// One radio of a run. The worker thread runs the single radio's sequence with this object as
// its host and prompter; whatever needs the owner (a password, a question, a file saved, a row
// shown) goes through the channel.
class CFleetRun::CRadio : public ITransferHost, public IPrompter {
public:
    CRadio(CFleetRun &run, const FleetRow &row, FleetAction action);
    ~CRadio() override;

    void Start();
    void Join();
    int RowId() const { return m_row.id; }
    // Owner: Stop reached this radio; its running operation ends and a waiting
    // confirmation is answered no.
    void Cancel();
    // Owner: the confirmation's state. Waiting: prepared and waiting for the answer; Ended:
    // its part of the run is over.
    bool IsWaitingForConfirmation();
    bool HasEnded();
    FleetRadioPlan Plan();
    void AnswerConfirmation(bool yes);
    // Owner, after Join: the run table's line and the row's result.
    const FleetRunEntry &Entry() const { return m_entry; }
    bool NotInProfile() const { return m_bNotInProfile; }

    // ITransferHost
    int Run(CTransferSession &session, TransferJob &job) override;
    bool AskPassword(const QString &expected, QString &entered) override;
    int GroupByVersion(const QString &firmwareVersion) override;
    bool CommitPendingEdits() override { return true; }
    bool HasActiveProfile() const override { return false; }
    void TakeReadRecord(const VirtualCPData &record, bool overwrite) override;
    bool ProfileForWrite(const QString &unitPid, ProfileToWrite &out) override;
    SafeWriteSettings SafeWrite() const override;
    bool SaveRecordAsProfile(const VirtualCPData &record, const QString &path) override;
    bool ConfirmChangeReport(IPrompter &prompter, const std::vector<link::ProfileDifference> &changes,
                             const OtherRadioBackup &other, const QString &backupPath) override;

    // IPrompter: the sequence's messages become the row's reason; its questions go to the
    // owner's host, except the older setting group's, which the run's confirmation covers.
    int Show(const QString &text, unsigned style) override;

private:
    void Work();
    void DoIdentify(CTransferSequencer &sequencer, CTransferSession &session);
    void DoRead(CTransferSequencer &sequencer, CTransferSession &session, bool check);
    void DoWrite(CTransferSequencer &sequencer, CTransferSession &session);
    // Shows the row's state, step and progress on the owner.
    void ShowRow();
    void SetStep(const QString &step);
    void SetUnitPid(const QString &pid);
    void End(FleetResult result, const QString &reason);
    // The reason the sequence gave for stopping, in order of weight.
    QString Reason() const;
    bool Stopped() const;

    CFleetRun &m_run;
    CChannel &m_channel;
    FleetAction m_action;
    FleetRow m_row;  // the worker's copy; the owner's is updated through the channel
    std::thread m_thread;
    QElapsedTimer m_clock;

    std::mutex m_mutex;  // guards the session pointer and the confirmation's state
    std::condition_variable m_cv;
    CTransferSession *m_pSession = nullptr;
    bool m_bAtConfirmation = false;
    int m_nConfirmation = -1;  // -1 not answered yet, 0 no, 1 yes
    bool m_bEnded = false;
    FleetRadioPlan m_plan;

    // The worker's own (read by the owner only after Join).
    std::optional<VirtualCPData> m_read;
    QString m_strRefusal;  // the radio was not done for a reason of its own
    QString m_strFailure;  // the last radio operation's failure
    QString m_strMessage;  // the last message of the sequence that was no notice
    QStringList m_notes;
    bool m_bNotInProfile = false;
    bool m_bDeclined = false;  // the run's confirmation was answered no
    bool m_bGoOnAfterStop = false;  // the user chose a restore or a second write
    int m_nWrites = 0;  // write operations run: the profile's, then a restore or a second write
    bool m_bWriteFailed = false;  // the profile's write did not complete
    bool m_bRestoreChosen = false;  // ... and the user chose to write the backup back
    bool m_bRestored = false;  // ... which went in
    FleetRunEntry m_entry;
};

}  // namespace zqv
