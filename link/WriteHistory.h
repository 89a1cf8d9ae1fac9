// The history of writes into radios: which radio (its own private ID and name), when, which
// profile, how it ended, where its backup went and what it changed. Every write of either
// program adds one entry; the History window lists and filters them and prints a job sheet for
// the customer.
//
// The history is a table in an SQL database reached through Qt SQL: by default an SQLite file
// in the user's data folder. The statements are plain SQL (text columns, no automatic keys, no
// engine-specific functions), so several programming PCs of a shop can later share one
// database server by opening another driver; each entry names the PC that made it.
#pragma once

#include "SqlDatabase.h"
#include "TransferSequencer.h"
#include "VirtualCPData.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace zqv::link {

// How a write ended, as the history stores it (stable keys, not texts).
inline constexpr const char *kHistoryVerified = "verified";
inline constexpr const char *kHistoryWritten = "written";
inline constexpr const char *kHistoryVerifyFailed = "verify-failed";
inline constexpr const char *kHistoryFailed = "failed";

struct WriteHistoryEntry {
    QString id;  // unique across PCs; given by Record when empty
    QDateTime when;  // kept in UTC
    QString unitPid;
    QString radioName;  // the radio's own private contact's name; empty when it has none
    QString profileFile;
    QString result;  // one of the kHistory* keys
    QString backupFile;  // empty when none was taken
    QStringList changes;  // the change report, one line each; empty when there was none
    bool changesKnown = false;  // false: no backup was read, so what changed is not known
    QString station;  // the PC that wrote
};

// Which entries a list shows; empty fields do not filter.
struct WriteHistoryFilter {
    QString radio;  // the unit PID exactly, or part of the radio's name (any case)
    QDate from, to;  // local dates, both included
    QString result;  // one of the kHistory* keys
};

// The history key for a write's outcome; empty for a write that never started.
QString HistoryResultKey(WriteOutcome outcome);

// The history database of this user: "history.sqlite" beside the backups.
QString DefaultHistoryPath();

class CWriteHistory {
public:
    // Opens (and creates, owner-only) the SQLite database at `path`.
    explicit CWriteHistory(const QString &path = DefaultHistoryPath());
    ~CWriteHistory();
    CWriteHistory(const CWriteHistory &) = delete;
    CWriteHistory &operator=(const CWriteHistory &) = delete;

    bool IsOpen() const { return m_bOpen; }
    // Why the last operation failed (the database's own text).
    const QString &LastError() const { return m_strError; }

    // Adds `entry` (its id and station are filled in when empty); false when it could not.
    bool Record(WriteHistoryEntry entry);
    // The entries that pass `filter`, newest first.
    std::vector<WriteHistoryEntry> Find(const WriteHistoryFilter &filter = {});

private:
    bool EnsureTable();

    std::unique_ptr<ISqlDatabase> m_pDb;  // from the SQL module, loaded at the first history
    bool m_bOpen = false;
    QString m_strError;
};

// The entry for a write that ended: the radio `unitPid` was written with `sent` (the profile's
// record) from `profileFile`. What it changed is read from the backup taken before it, when
// there is one.
WriteHistoryEntry MakeWriteEntry(const QString &unitPid, const QString &profileFile, WriteOutcome outcome,
                                 const QString &backupFile, const VirtualCPData &sent);

// Records a write that ended into the user's history; a write that never started is not
// recorded. False when the history could not take it (the write itself stands).
bool RecordWrite(const QString &unitPid, const QString &profileFile, WriteOutcome outcome, const QString &backupFile,
                 const VirtualCPData &sent);

// The job sheet for a customer: the radios written, when, how it ended and what changed, as an
// HTML page for the report path (printing and PDF). `customer` heads it when not empty.
QString JobSheetHtml(const std::vector<WriteHistoryEntry> &entries, const QString &customer);

// The text shown for a result key ("Verified", "Failed" ...).
QString HistoryResultText(const QString &key);

}  // namespace zqv::link
