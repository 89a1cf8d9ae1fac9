#include "WriteHistory.h"

#include "BackupStore.h"
#include "ConfigStore.h"
#include "ProfileDiff.h"
#include "ProfileFormat.h"
#include "StringIds.h"
#include "StringTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSysInfo>
#include <QUuid>
#include <QVariant>
#include <atomic>
#include <mutex>

namespace zqv::link {

namespace {

constexpr const char *kTable = "write_history";
// Times are stored as UTC text of fixed width, which sorts and compares the same way in every
// database.
constexpr const char *kTimeFormat = "yyyy-MM-ddTHH:mm:ssZ";

QString TimeText(const QDateTime &when)
{
    return when.toUTC().toString(QLatin1String(kTimeFormat));
}

// A LIKE pattern that matches `text` anywhere, its own % and _ taken literally ('!' escapes).
QString ContainsPattern(const QString &text)
{
    QString escaped = text.toLower();
    escaped.replace(QLatin1Char('!'), QLatin1String("!!"));
    escaped.replace(QLatin1Char('%'), QLatin1String("!%"));
    escaped.replace(QLatin1Char('_'), QLatin1String("!_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

// The name of the radio's own private contact in `record`; empty when it has none.
QString OwnContactName(const VirtualCPData &record, const QString &pid)
{
    for (const VirtualCPContact &c : record.contacts) {
        if (c.cntct_type == profile::kPrivateContact && c.pid == pid)
            return c.name;
    }
    return QString();
}

// Text as a value for a NOT NULL column: a null string would bind as NULL.
QVariant Text(const QString &text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

QString Escape(const QString &text)
{
    return text.toHtmlEscaped();
}

}  // namespace

QString HistoryResultKey(WriteOutcome outcome)
{
    switch (outcome) {
    case WriteOutcome::Verified: return QLatin1String(kHistoryVerified);
    case WriteOutcome::Written: return QLatin1String(kHistoryWritten);
    case WriteOutcome::VerifyFailed: return QLatin1String(kHistoryVerifyFailed);
    case WriteOutcome::Failed: return QLatin1String(kHistoryFailed);
    case WriteOutcome::None: break;
    }
    return QString();
}

QString HistoryResultText(const QString &key)
{
    if (key == QLatin1String(kHistoryVerified))
        return LoadStr(IDS_HISTORY_RESULT_VERIFIED);
    if (key == QLatin1String(kHistoryWritten))
        return LoadStr(IDS_HISTORY_RESULT_WRITTEN);
    if (key == QLatin1String(kHistoryVerifyFailed))
        return LoadStr(IDS_HISTORY_RESULT_VERIFY_FAILED);
    if (key == QLatin1String(kHistoryFailed))
        return LoadStr(IDS_HISTORY_RESULT_FAILED);
    return key;
}

QString DefaultHistoryPath()
{
    return QFileInfo(CConfigStore::BackupFolder()).path() + QStringLiteral("/history.sqlite");
}

CWriteHistory::CWriteHistory(const QString &path)
{
    static std::atomic<int> s_nConnections{0};
    m_strConnection = QStringLiteral("zqv-history-%1").arg(++s_nConnections);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_strConnection);
    if (!db.isValid()) {
        m_strError = db.lastError().text();
        return;
    }
    // The history names customers' radios: the file is the user's own, like the backups.
    const QFileInfo info(path);
    if (!QDir().mkpath(info.path())) {
        m_strError = info.path();
        return;
    }
    if (info.exists() && !info.isFile()) {
        m_strError = path;
        return;
    }
    if (!info.exists()) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            m_strError = file.errorString();
            return;
        }
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    db.setDatabaseName(path);
    if (!db.open()) {
        m_strError = db.lastError().text();
        return;
    }
    m_bOpen = EnsureTable();
}

CWriteHistory::~CWriteHistory()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_strConnection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_strConnection);
}

bool CWriteHistory::EnsureTable()
{
    QSqlDatabase db = QSqlDatabase::database(m_strConnection, false);
    if (db.tables().contains(QLatin1String(kTable)))
        return true;
    QSqlQuery query(db);
    const bool ok = query.exec(QStringLiteral("CREATE TABLE write_history ("
                                              "entry_id VARCHAR(40) NOT NULL PRIMARY KEY, "
                                              "written_at VARCHAR(20) NOT NULL, "
                                              "unit_pid VARCHAR(16) NOT NULL, "
                                              "radio_name VARCHAR(64) NOT NULL, "
                                              "profile_file VARCHAR(1024) NOT NULL, "
                                              "result VARCHAR(16) NOT NULL, "
                                              "backup_file VARCHAR(1024) NOT NULL, "
                                              "changes_known INTEGER NOT NULL, "
                                              "change_count INTEGER NOT NULL, "
                                              "changes TEXT NOT NULL, "
                                              "station VARCHAR(255) NOT NULL)")) &&
        query.exec(QStringLiteral("CREATE INDEX write_history_radio ON write_history (unit_pid, written_at)"));
    // Another writer (a radio of the same fleet run, another PC of the shop) may have made the
    // table in the meantime: that is as good as making it.
    if (!ok && !db.tables().contains(QLatin1String(kTable))) {
        m_strError = query.lastError().text();
        return false;
    }
    return true;
}

bool CWriteHistory::Record(WriteHistoryEntry entry)
{
    if (!m_bOpen)
        return false;
    if (entry.id.isEmpty())
        entry.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (entry.station.isEmpty())
        entry.station = QSysInfo::machineHostName();
    if (!entry.when.isValid())
        entry.when = QDateTime::currentDateTimeUtc();
    QSqlQuery query(QSqlDatabase::database(m_strConnection, false));
    query.prepare(QStringLiteral("INSERT INTO write_history (entry_id, written_at, unit_pid, radio_name, profile_file, "
                                 "result, backup_file, changes_known, change_count, changes, station) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant &value :
         {Text(entry.id), Text(TimeText(entry.when)), Text(entry.unitPid), Text(entry.radioName),
          Text(entry.profileFile), Text(entry.result), Text(entry.backupFile), QVariant(entry.changesKnown ? 1 : 0),
          QVariant(int(entry.changes.size())), Text(entry.changes.join(QLatin1Char('\n'))), Text(entry.station)})
        query.addBindValue(value);
    if (!query.exec()) {
        m_strError = query.lastError().text();
        return false;
    }
    return true;
}

std::vector<WriteHistoryEntry> CWriteHistory::Find(const WriteHistoryFilter &filter)
{
    std::vector<WriteHistoryEntry> entries;
    if (!m_bOpen)
        return entries;
    QStringList conditions;
    QVariantList values;
    if (!filter.radio.trimmed().isEmpty()) {
        conditions << QStringLiteral("(unit_pid = ? OR LOWER(radio_name) LIKE ? ESCAPE '!')");
        values << filter.radio.trimmed() << ContainsPattern(filter.radio.trimmed());
    }
    if (filter.from.isValid()) {
        conditions << QStringLiteral("written_at >= ?");
        values << TimeText(filter.from.startOfDay());
    }
    if (filter.to.isValid()) {
        conditions << QStringLiteral("written_at < ?");
        values << TimeText(filter.to.addDays(1).startOfDay());
    }
    if (!filter.result.isEmpty()) {
        conditions << QStringLiteral("result = ?");
        values << filter.result;
    }
    QString sql = QStringLiteral("SELECT entry_id, written_at, unit_pid, radio_name, profile_file, result, "
                                 "backup_file, changes_known, changes, station FROM write_history");
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY written_at DESC, entry_id");
    QSqlQuery query(QSqlDatabase::database(m_strConnection, false));
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        m_strError = query.lastError().text();
        return entries;
    }
    while (query.next()) {
        WriteHistoryEntry e;
        e.id = query.value(0).toString();
        e.when = QDateTime::fromString(query.value(1).toString(), QLatin1String(kTimeFormat));
        e.when.setTimeSpec(Qt::UTC);
        e.unitPid = query.value(2).toString();
        e.radioName = query.value(3).toString();
        e.profileFile = query.value(4).toString();
        e.result = query.value(5).toString();
        e.backupFile = query.value(6).toString();
        e.changesKnown = query.value(7).toInt() != 0;
        const QString changes = query.value(8).toString();
        if (!changes.isEmpty())
            e.changes = changes.split(QLatin1Char('\n'));
        e.station = query.value(9).toString();
        entries.push_back(std::move(e));
    }
    return entries;
}

WriteHistoryEntry MakeWriteEntry(const QString &unitPid, const QString &profileFile, WriteOutcome outcome,
                                 const QString &backupFile, const VirtualCPData &sent)
{
    WriteHistoryEntry entry;
    entry.when = QDateTime::currentDateTimeUtc();
    entry.unitPid = unitPid.isEmpty() ? sent.limit.pid : unitPid;
    entry.profileFile = profileFile;
    entry.result = HistoryResultKey(outcome);
    entry.backupFile = backupFile;
    entry.radioName = OwnContactName(sent, entry.unitPid);
    VirtualCPData before;
    if (ReadBackupRecord(backupFile, before)) {
        if (entry.radioName.isEmpty())
            entry.radioName = OwnContactName(before, entry.unitPid);
        entry.changes = DescribeDifferences(CompareRecords(before, ExpectedAfterWrite(sent, before.limit)));
        entry.changesKnown = true;
    }
    return entry;
}

bool RecordWrite(const QString &unitPid, const QString &profileFile, WriteOutcome outcome, const QString &backupFile,
                 const VirtualCPData &sent)
{
    if (outcome == WriteOutcome::None)
        return false;
    // The radios of a fleet run end on threads of their own: one entry is written at a time.
    static std::mutex s_mutex;
    std::lock_guard<std::mutex> lock(s_mutex);
    CWriteHistory history;
    return history.Record(MakeWriteEntry(unitPid, profileFile, outcome, backupFile, sent));
}

QString JobSheetHtml(const std::vector<WriteHistoryEntry> &entries, const QString &customer)
{
    const QLocale locale;
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head><body>")
                       .arg(Escape(LoadStr(IDS_JOBSHEET_TITLE)));
    html += QStringLiteral("<h1>%1</h1>").arg(Escape(LoadStr(IDS_JOBSHEET_TITLE)));
    if (!customer.trimmed().isEmpty())
        html += QStringLiteral("<p>%1</p>").arg(Escape(FormatStr(IDS_JOBSHEET_CUSTOMER, {customer.trimmed()})));
    html += QStringLiteral("<p>%1</p>")
                .arg(Escape(FormatStr(IDS_JOBSHEET_PRINTED,
                                      {locale.toString(QDateTime::currentDateTime(), QLocale::ShortFormat)})));
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\"><thead><tr>");
    for (const int id : {IDS_JOBSHEET_RADIO, IDS_JOBSHEET_WHEN, IDS_JOBSHEET_RESULT, IDS_JOBSHEET_CHANGES})
        html += QStringLiteral("<th align=\"left\">%1</th>").arg(Escape(LoadStr(id)));
    html += QStringLiteral("</tr></thead><tbody>");
    // Oldest first: the order in which the work was done.
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        const WriteHistoryEntry &e = *it;
        const QString radio = e.radioName.isEmpty() ? e.unitPid : QStringLiteral("%1 (%2)").arg(e.radioName, e.unitPid);
        QString changes;
        if (!e.changesKnown)
            changes = Escape(LoadStr(IDS_JOBSHEET_CHANGES_UNKNOWN));
        else if (e.changes.isEmpty())
            changes = Escape(LoadStr(IDS_JOBSHEET_NO_CHANGES));
        else
            for (const QString &line : e.changes)
                changes += (changes.isEmpty() ? QString() : QStringLiteral("<br>")) + Escape(line);
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>")
                    .arg(Escape(radio), Escape(locale.toString(e.when.toLocalTime(), QLocale::ShortFormat)),
                         Escape(HistoryResultText(e.result)), changes);
    }
    html += QStringLiteral("</tbody></table></body></html>");
    return html;
}

}  // namespace zqv::link
