// The write history: entries kept across openings, the filters of the History window, the
// entry made for a finished write (what changed, read from its backup), and the job sheet.
#include "DataAdaptor.h"
#include "RadioSim.h"
#include "StringIds.h"
#include "StringTable.h"
#include "TextFile.h"
#include "WriteHistory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zqv;
using namespace zqv::link;

namespace {

WriteHistoryEntry Entry(const QString &pid, const QString &name, const QString &when, const char *result,
                        const QStringList &changes = {})
{
    WriteHistoryEntry e;
    e.unitPid = pid;
    e.radioName = name;
    e.when = QDateTime::fromString(when, Qt::ISODate);
    e.result = QLatin1String(result);
    e.profileFile = QStringLiteral("/shop/fleet.zqv");
    e.changes = changes;
    e.changesKnown = true;
    return e;
}

void SaveRecord(const VirtualCPData &record, const QString &path)
{
    QString text;
    CDataAdaptor::VirtualCP2XML(record, text);
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(EncodeTextFile(text, TEXT_MODE_UTF16));
}

}  // namespace

class TestWriteHistory : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        CWriteHistory history(Path());
        QVERIFY2(history.IsOpen(), qPrintable(history.LastError()));
        // Times in local time, so the date filters below are about the dealer's days.
        QVERIFY2(history.Record(Entry("20000001", "Gate 1", "2026-03-01T09:00:00", kHistoryVerified, {"a"})),
                 qPrintable(history.LastError()));
        QVERIFY(history.Record(Entry("20000002", "Gate 2", "2026-03-01T23:30:00", kHistoryFailed)));
        QVERIFY(history.Record(Entry("20000001", "Gate 1", "2026-03-05T10:00:00", kHistoryVerifyFailed)));
        QVERIFY(history.Record(Entry("20000003", "100%_Van", "2026-03-07T08:00:00", kHistoryWritten)));
        QVERIFY(history.Record(Entry("20000004", "It's <b>", "2026-03-08T08:00:00", kHistoryVerified)));
    }

    void filters_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("want");  // unit PID and day, newest first
        const QDate none;
        QTest::newRow("all, newest first")
            << "" << none << none << ""
            << QStringList{"20000004 8", "20000003 7", "20000001 5", "20000002 1", "20000001 1"};
        QTest::newRow("unit PID exactly")
            << "20000001" << none << none << "" << QStringList{"20000001 5", "20000001 1"};
        QTest::newRow("part of a PID is no match") << "2000000" << none << none << "" << QStringList{};
        QTest::newRow("part of the name, any case")
            << "gate" << none << none << "" << QStringList{"20000001 5", "20000002 1", "20000001 1"};
        QTest::newRow("% and _ are letters") << "0%_" << none << none << "" << QStringList{"20000003 7"};
        QTest::newRow("_ alone is no wildcard") << "_" << none << none << "" << QStringList{"20000003 7"};
        QTest::newRow("quote in the name") << "it's" << none << none << "" << QStringList{"20000004 8"};
        QTest::newRow("one day, late evening included")
            << "" << QDate(2026, 3, 1) << QDate(2026, 3, 1) << "" << QStringList{"20000002 1", "20000001 1"};
        QTest::newRow("from only") << "" << QDate(2026, 3, 7) << none << "" << QStringList{"20000004 8", "20000003 7"};
        QTest::newRow("to only") << "" << none << QDate(2026, 3, 4) << "" << QStringList{"20000002 1", "20000001 1"};
        QTest::newRow("result") << "" << none << none << kHistoryVerified << QStringList{"20000004 8", "20000001 1"};
        QTest::newRow("all filters") << "gate 1" << QDate(2026, 3, 2) << QDate(2026, 3, 31) << kHistoryVerifyFailed
                                     << QStringList{"20000001 5"};
    }
    void filters()
    {
        QFETCH(QString, radio);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QString, result);
        QFETCH(QStringList, want);
        // A fresh opening sees what an earlier one recorded.
        CWriteHistory history(Path());
        QStringList got;
        for (const WriteHistoryEntry &e : history.Find({radio, from, to, result}))
            got << QStringLiteral("%1 %2").arg(e.unitPid).arg(e.when.toLocalTime().date().day());
        QCOMPARE(got, want);
    }

    void entriesKeepEveryField()
    {
        CWriteHistory history(Path());
        const auto found = history.Find({QStringLiteral("20000001"), QDate(2026, 3, 1), QDate(2026, 3, 1), {}});
        QCOMPARE(found.size(), std::size_t(1));
        const WriteHistoryEntry &e = found.front();
        QCOMPARE(e.radioName, QStringLiteral("Gate 1"));
        QCOMPARE(e.when, QDateTime::fromString(QStringLiteral("2026-03-01T09:00:00"), Qt::ISODate));
        QCOMPARE(e.profileFile, QStringLiteral("/shop/fleet.zqv"));
        QCOMPARE(e.changes, QStringList{"a"});
        QVERIFY(e.changesKnown);
        QVERIFY(!e.id.isEmpty());
        QVERIFY(!e.station.isEmpty());
    }

    // The history holds customers' radios: it is the user's own file; and a place that cannot
    // hold it says so instead of losing entries silently.
    void fileIsOwnerOnlyAndAFolderInItsPlaceIsRefused()
    {
        QCOMPARE(QFile::permissions(Path()) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
        const QString folder = m_dir.filePath(QStringLiteral("folder.sqlite"));
        QVERIFY(QDir().mkpath(folder));
        CWriteHistory history(folder);
        QVERIFY(!history.IsOpen());
        QVERIFY(!history.Record(Entry("1", "x", "2026-03-01T09:00:00", kHistoryVerified)));
    }

    // The entry of a finished write names the radio from the profile and lists what the write
    // changed against the backup taken before it; without a backup that is not known.
    void entryForAFinishedWrite()
    {
        VirtualCPData before = CRadioSim::DefaultRadio();
        const QString backup = m_dir.filePath(QStringLiteral("backup.zqv"));
        SaveRecord(before, backup);
        VirtualCPData sent = before;
        sent.texts[0] = QStringLiteral("Meet at gate 4");
        for (VirtualCPContact &c : sent.contacts)
            if (c.pid == before.limit.pid)
                c.name = QStringLiteral("Gate 4");

        const WriteHistoryEntry e =
            MakeWriteEntry(before.limit.pid, QStringLiteral("/p.zqv"), WriteOutcome::Verified, backup, sent);
        QCOMPARE(e.result, QString::fromLatin1(kHistoryVerified));
        QCOMPARE(e.radioName, QStringLiteral("Gate 4"));
        QVERIFY(e.changesKnown);
        QVERIFY2(e.changes.join('\n').contains(QStringLiteral("Meet at gate 4")), qPrintable(e.changes.join('\n')));
        QVERIFY2(e.changes.join('\n').contains(QStringLiteral("Gate 4")), qPrintable(e.changes.join('\n')));

        const WriteHistoryEntry blind =
            MakeWriteEntry(before.limit.pid, QStringLiteral("/p.zqv"), WriteOutcome::Failed, QString(), sent);
        QCOMPARE(blind.result, QString::fromLatin1(kHistoryFailed));
        QVERIFY(!blind.changesKnown);
        QVERIFY(blind.changes.isEmpty());
        QVERIFY(HistoryResultKey(WriteOutcome::None).isEmpty());
    }

    void jobSheet()
    {
        CWriteHistory history(Path());
        const QString html = JobSheetHtml(history.Find({}), QStringLiteral("Acme & Sons"));
        // The customer and the radios' names are text, never markup.
        QVERIFY(html.contains(QStringLiteral("Acme &amp; Sons")));
        QVERIFY(html.contains(QStringLiteral("It's &lt;b&gt; (20000004)")));
        QVERIFY(!html.contains(QStringLiteral("<b>")));
        // Oldest first, each with its result and what changed.
        const int first = html.indexOf(QStringLiteral("Gate 1 (20000001)"));
        const int last = html.indexOf(QStringLiteral("(20000004)"));
        QVERIFY(first >= 0 && first < last);
        QVERIFY(html.contains(QStringLiteral("<td>a</td>")));
        QVERIFY(html.contains(HistoryResultText(QLatin1String(kHistoryVerifyFailed))));
        QVERIFY(html.contains(HistoryResultText(QLatin1String(kHistoryFailed))));

        WriteHistoryEntry unknown = Entry("5", "", "2026-03-09T08:00:00", kHistoryWritten);
        unknown.changesKnown = false;
        WriteHistoryEntry none = Entry("6", "", "2026-03-09T08:00:00", kHistoryVerified);
        const QString sheet = JobSheetHtml({unknown, none}, QString());
        QVERIFY(sheet.contains(LoadStr(IDS_JOBSHEET_CHANGES_UNKNOWN)));
        QVERIFY(sheet.contains(LoadStr(IDS_JOBSHEET_NO_CHANGES)));
        QVERIFY(!sheet.contains(FormatStr(IDS_JOBSHEET_CUSTOMER, {QString()})));
    }

private:
    QString Path() const { return m_dir.filePath(QStringLiteral("history.sqlite")); }
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestWriteHistory)
#include "tst_writehistory.moc"
