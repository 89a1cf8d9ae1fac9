// A fleet run: many radios at once, one transfer session per radio, side by side.
//
// The run keeps one row per radio port, refreshed from the port list (rows come and go while a
// run goes on), and runs an action over all rows or chosen ones:
//   Identify  unit PID, firmware and setting group of each radio;
//   Read      each radio into its own profile file in a folder;
//   Check     each radio read and compared with the profile: its change report, nothing written;
//   Write     the profile into each radio as a safe write (backup, change report, write, check
//             read). Every radio is prepared first (identity, password, backup read, change
//             report); then one confirmation for the whole run shows per radio what will
//             change; then the radios are written.
// Each radio runs the single radio's sequence (CTransferSequencer) on a worker thread of its
// own, so its identity rules, backups, verify, reset-and-restore offer and write history are
// exactly those of a single write. A radio whose unit PID is no private contact of the profile
// is not written: its row says why and AddRadiosAsContacts can add it.
//
// Threads: a run belongs to the thread that made it (the owner). Every IFleetHost call is made
// on the owner, from inside Run or Refresh, one at a time; a worker that needs an answer (a
// password, the confirmation, a question, a file saved) waits until the owner has given it.
// Run waits with a plain loop (the command line) or, with SetWaitInEventLoop, a local Qt event
// loop (a window: it repaints, its Stop button and timers work).
#pragma once

#include "ContactExchange.h"
#include "PortEnumerator.h"
#include "ProfileDiff.h"
#include "TransferSequencer.h"
#include "VirtualCPData.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

namespace zqv {

class CDataItem;
class CTransferSession;
class CXmlDocument;
class CZQVCPSDoc;

enum class FleetAction { Identify, Read, Check, Write };

// How a radio's part of a run ended.
enum class FleetResult {
    None,  // not part of the last run, or not ended yet
    Succeeded,  // identified / read and saved / checked and the same / written and verified
    Differs,  // Check: the radio holds something else than the profile would give it
    Refused,  // not done for a reason of its own (unit PID in no private contact, ...)
    Failed,  // the radio operation failed, or a write's check found differences
    Stopped,  // Stop, a declined confirmation or a cancelled password prompt
};

struct FleetRow {
    enum class State {
        Idle,  // no action running on it
        Working,  // its session is busy (step and progress say what with)
        Confirming,  // prepared; waiting for the run's one confirmation
        Done,  // its part of the current or last run has ended (result says how)
    };
    int id = 0;  // stable while the port stays on the list
    QString port;  // the port's name as the list gives it ("ttyUSB0")
    QString device;  // the path opened ("/dev/ttyUSB0")
    bool present = true;  // still on the port list (a row that is working stays until it ends)
    QString unitPid;  // empty until read
    QString name;  // the radio's own private contact's name in the profile; empty when none
    QString firmware;  // "R5E.08.00"; empty until read
    int group = 0;  // setting group; 0 until known
    State state = State::Idle;
    QString step;  // what it does now ("Backing up the radio..."); empty when idle
    int progress = 0;  // percent of the step
    FleetResult result = FleetResult::None;
    QString reason;  // the result in words, for the row (why it was refused or failed)
    bool notInProfile = false;  // its unit PID is in no private contact: offer to add it
};

// What a write will do to one radio, for the run's one confirmation.
struct FleetRadioPlan {
    int rowId = 0;
    QString port;
    QString unitPid;
    QString name;
    std::vector<link::ProfileDifference> changes;  // the change report; empty: nothing changes
    QStringList notes;  // things the single write would have asked about (an older setting group)
    QString backupFile;
};

// One line of the run table.
struct FleetRunEntry {
    int rowId = 0;
    QString port;
    QString unitPid;
    QString name;
    QString firmware;
    FleetResult result = FleetResult::None;
    QString reason;  // the result in words
    qint64 elapsedMs = 0;  // from the radio's start to its end
    QString backupFile;  // Write: its backup; empty when none was taken
    QString verify;  // Write: how the check read ended, in words; empty when none was made
    QString file;  // Read: the profile saved
    std::vector<link::ProfileDifference> changes;  // Check: what differs; Write: the change report
};

// What a window or the command line does for a run. Called on the owner thread only.
class IFleetHost {
public:
    virtual ~IFleetHost() = default;
    // A row appeared or changed (its state, step, progress, identity or result).
    virtual void RowChanged(const FleetRow &row) { (void)row; }
    // A row's port went away and the row is gone.
    virtual void RowRemoved(int rowId) { (void)rowId; }
    // A radio's part of the run ended (the run table has its line).
    virtual void RadioFinished(const FleetRunEntry &entry) { (void)entry; }

    // Write: the one confirmation, with what will change in every prepared radio; true writes
    // them all.
    virtual bool ConfirmWrite(const std::vector<FleetRadioPlan> &plans) = 0;
    // A radio's codeplug password is not the run's: asks for it (`retry`: the last one typed
    // was wrong). False when cancelled or nobody can be asked. The first right one becomes the
    // run's password for the radios that follow.
    virtual bool AskPassword(const FleetRow &row, bool retry, QString &typed) = 0;
    // A question the single write asks of one radio part-way (the restore offer after a write
    // that stopped, the retry after a check that found differences), with its message-box
    // style; returns the answer (IDYES ...).
    virtual int AskRadio(const FleetRow &row, const QString &text, unsigned style) = 0;
    // Saves `record` as a profile file at `path` (a backup, a radio read); false when it could
    // not (the host has said why).
    virtual bool SaveRecordAsProfile(const VirtualCPData &record, const QString &path) = 0;
};

// The profile a Check or Write compares with or sends, taken once at the start of the run.
struct FleetProfile {
    QString text;  // the profile's XML
    int group = 0;  // its setting group
    bool pcClock = false;  // set each radio's clock from this computer's
    QString path;  // its file, as the write history names it
    static FleetProfile FromDocument(const CZQVCPSDoc &doc);
};

class CFleetRun {
public:
    // `ports` gives the port list (the real one, or a test's); it must outlive the run.
    CFleetRun(IFleetHost &host, const IPortEnumerator &ports);
    ~CFleetRun();
    CFleetRun(const CFleetRun &) = delete;
    CFleetRun &operator=(const CFleetRun &) = delete;

    // Which ports become rows: only programming cables (the default), or every port listed
    // (a port list given by name, pseudo-terminals of simulated radios).
    void SetCablesOnly(bool cablesOnly) { m_bCablesOnly = cablesOnly; }
    // How often Run looks at the port list again.
    void SetPollInterval(int ms) { m_nPollMs = ms; }
    void SetWaitInEventLoop(bool on) { m_bEventLoop = on; }

    // What the actions need (set between runs: a run reads them from its workers): the setting
    // groups by firmware (the upgrade setting document),
    // the profile (Check, Write), the folder a Read saves into, the run's codeplug password,
    // the backup folder and how many backups a radio keeps (Write takes a backup and checks
    // every radio, whatever the single write's settings say).
    void SetUpgradeDocument(std::shared_ptr<const CXmlDocument> upgrade) { m_spUpgrade = std::move(upgrade); }
    void SetProfile(const FleetProfile &profile) { m_profile = profile; }
    void SetOutputFolder(const QString &folder) { m_strOutputFolder = folder; }
    void SetPassword(const QString &password) { m_strPassword = password; }
    void SetBackups(const QString &folder, int keep);
    // Tests: called on each new session (a scripted port, shorter waits).
    void SetSessionSetup(std::function<void(CTransferSession &)> setup) { m_sessionSetup = std::move(setup); }

    // Looks at the port list now: new ports become rows, rows of ports gone are removed
    // (a working row stays until it ends). Run does this every poll interval.
    void Refresh();
    const std::vector<FleetRow> &Rows() const { return m_rows; }
    const FleetRow *Row(int rowId) const;

    // Runs `action` over the rows `rowIds` (empty: every row present), sessions side by side,
    // to its end. True when every radio succeeded (Check: also when some differ; see
    // AnyDiffers). Rows that appear during the run are shown but not part of it.
    bool Run(FleetAction action, const std::vector<int> &rowIds = {});
    bool IsRunning() const { return m_bRunning; }
    // Ends every running session safely: a read or check stops, a write is cancelled (a write
    // that had sent data resets the radio and offers its backup, as the single write does),
    // and no radio starts a new step. Any thread; from a signal handler set StopFlag instead.
    void Stop();
    std::atomic<int> &StopFlag() { return m_nStop; }

    // The run table of the last run, in the order the radios ended.
    const std::vector<FleetRunEntry> &RunTable() const { return m_table; }
    bool AllSucceeded() const;
    bool AnyDiffers() const;
    // The run table as CSV (header line, one line per radio) and as an HTML page for the
    // report library's print path.
    QByteArray RunTableCsv() const;
    QString RunTableHtml(const QString &title) const;

    // The text of a result ("Done", "Refused" ...).
    static QString ResultText(FleetResult result);
    // The run table's column titles, and one radio's cells in that order (the CSV file, the
    // printed page and the command line's table).
    static QStringList RunTableColumns();
    static QStringList RunTableCells(const FleetRunEntry &entry);

private:
    class CRadio;
    class CChannel;
    friend class CRadio;

    FleetRow &RowRef(int rowId);
    // A worker's copy of its row, shown: what the worker knows of the radio and its step.
    void UpdateRow(const FleetRow &fromWorker);
    // Once every radio of a write is prepared or has ended: the one confirmation.
    void MaybeConfirm();
    // Whether the run may go on with `expected` as a radio's password (asks the host).
    bool PasswordFor(int rowId, const QString &expected);
    void CancelAll();
    void Finish(CRadio &radio);

    IFleetHost &m_host;
    const IPortEnumerator &m_ports;
    bool m_bCablesOnly = true;
    int m_nPollMs = 1000;
    bool m_bEventLoop = false;
    std::shared_ptr<const CXmlDocument> m_spUpgrade;
    FleetProfile m_profile;
    QString m_strOutputFolder;
    QString m_strPassword;
    QString m_strBackupFolder;
    int m_nBackupKeep = 0;
    std::function<void(CTransferSession &)> m_sessionSetup;

    std::vector<FleetRow> m_rows;
    int m_nNextRowId = 1;
    std::vector<FleetRunEntry> m_table;
    bool m_bRunning = false;
    std::atomic<int> m_nStop{0};
    std::unique_ptr<CChannel> m_spChannel;
    std::vector<std::unique_ptr<CRadio>> m_radios;
    FleetAction m_action = FleetAction::Identify;
    bool m_bConfirmAsked = false;
    bool m_bCancelled = false;
    QHash<QString, QString> m_privateNames;  // the profile's private contacts: PID -> name
};

// Adds each radio (unit PID, name) to the profile below `root` as a private contact, through
// the rule script like an import; the report says per radio whether it went in. The caller
// marks the profile modified (one undo step) or saves it.
ImportReport AddRadiosAsContacts(const CDataItem &root, const std::vector<std::pair<QString, QString>> &radios);

}  // namespace zqv
