// The safe write of zqvcps-cli against zqv-radio-sim: the backup before a write holds the
// radio's previous memory, the change report lists exactly the edit made, the check after a
// write catches a record the radio stored wrongly, a write cut off part-way is followed by the
// offer to restore and the restore brings the radio back, a backup read that fails or is
// cancelled sends nothing, and the backups are listed and pruned.
#include "BackupStore.h"
#include "CliTestSupport.h"
#include "RadioSim.h"
#include "StringTable.h"
#include "TransferTestSupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace zqv;
using namespace zqv::test;

namespace {

// The full radio less its last private contact, so that one can be added.
VirtualCPData BaseRadio()
{
    VirtualCPData r = CRadioSim::FullRadio();
    r.contacts[149] = VirtualCPContact();
    return r;
}

}  // namespace

class TestSafeWrite : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    QProcessEnvironment m_env;

    // The backups folder the CLI uses under this test's data folder.
    QString BackupRoot() const { return m_home.filePath(QStringLiteral("data/Corvane/ZQV CPS/backups")); }
    CliResult Run(const QStringList &args) const { return Cli(args, m_env); }

    // A simulator started from `radio`.
    static std::unique_ptr<CSimProcess> StartRadio(const VirtualCPData &radio, const QString &dir,
                                                   QStringList options = {})
    {
        const QString file = dir + QStringLiteral("/radio.zqv");
        SaveProfile(radio, file);
        return std::make_unique<CSimProcess>(QStringList{QStringLiteral("--profile"), file} + options);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
        m_env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
    }
    void init() { QDir(BackupRoot()).removeRecursively(); }

    // Each edit of the radio's own profile shows as exactly that change, in the write's report
    // and in `diff --port`, keyed by type and PID.
    void changeReportListsTheEdit_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("oldValue");
        QTest::addColumn<QString>("newValue");
        QTest::newRow("contact added") << "add"
                                       << "added"
                                       << "0:20000300"
                                       << ""
                                       << ""
                                       << "";
        QTest::newRow("contact renamed") << "rename"
                                         << "changed"
                                         << "0:20000011"
                                         << "name"
                                         << QString::fromLatin1("Agent \xD1"
                                                                "010 \xEA")
                                         << "Renamed";
        QTest::newRow("PID changed") << "pid"
                                     << "changed"
                                     << "0:20000301"
                                     << "PID"
                                     << "20000011"
                                     << "20000301";
        QTest::newRow("moved to a group") << "group"
                                          << "changed"
                                          << "0:20000013"
                                          << "groups"
                                          << "(none)" << QString::fromLatin1("\xC9quipe 01 (30000001)");
        QTest::newRow("scan list changed") << "scan"
                                           << "changed"
                                           << "2:17179869183"
                                           << "in scan list"
                                           << "no"
                                           << "yes";
        QTest::newRow("setting changed") << "setting"
                                         << "changed"
                                         << "backlight" << LoadStr(IDS_SET_BACKLIGHT) << "10"
                                         << "30";
        QTest::newRow("text changed") << "text"
                                      << "changed"
                                      << "1"
                                      << "text" << QString::fromLatin1("Message 4: r\xE9union \xE0 11h") << "Changed";
        QTest::newRow("nothing changed") << ""
                                         << ""
                                         << ""
                                         << ""
                                         << ""
                                         << "";
    }
    void changeReportListsTheEdit()
    {
        QFETCH(QString, edit);
        QFETCH(QString, kind);
        QFETCH(QString, key);
        QFETCH(QString, field);
        QFETCH(QString, oldValue);
        QFETCH(QString, newValue);
        QTemporaryDir dir;
        const VirtualCPData radio = BaseRadio();
        const auto sim = StartRadio(radio, dir.path());
        QVERIFY(sim->Ok());
        VirtualCPData profile = radio;
        if (edit == "add") {
            profile.contacts[149] = CRadioSim::FullRadio().contacts[149];
            profile.contacts[149].pid = "20000300";
        } else if (edit == "rename")
            profile.contacts[60].name = "Renamed";
        else if (edit == "pid")
            profile.contacts[60].pid = "20000301";
        else if (edit == "group")
            profile.contacts[62].parent_pid[0] = "30000001";
        else if (edit == "scan")
            profile.contacts[0].contact_flags_a |= CFA_IN_SCAN_LIST;
        else if (edit == "setting")
            profile.setting.backlight = 30;
        else if (edit == "text")
            profile.texts[3] = "Changed";
        const QString file = dir.filePath("edited.zqv");
        SaveProfile(profile, file);

        const CliResult diff = Run({"diff", "--json", "--port", sim->port, file});
        QCOMPARE(diff.exit, edit.isEmpty() ? 0 : 3);
        const QJsonObject root = QJsonDocument::fromJson(diff.out.toUtf8()).object();
        const QJsonArray list = root.value("differences").toArray();
        QCOMPARE(root.value("equal").toBool(), edit.isEmpty());
        QVERIFY2(list.size() == (edit.isEmpty() ? 0 : 1), qPrintable(diff.out));
        if (!edit.isEmpty()) {
            const QJsonObject d = list.first().toObject();
            QCOMPARE(d.value("kind").toString(), kind);
            QCOMPARE(d.value("key").toString(), key);
            QCOMPARE(d.value("field").toString(), field);
            QCOMPARE(d.value("old").toString(), oldValue);
            QCOMPARE(d.value("new").toString(), newValue);
        }

        // The write asks with the same list; without a terminal the answer is No and nothing
        // goes out.
        const CliResult write = Run({"write", "--port", sim->port, file});
        QCOMPARE(write.exit, 1);
        const CliResult text = Run({"diff", "--port", sim->port, file});
        const QString report = edit.isEmpty() ? LoadStr(IDS_SAFE_NOTHING_CHANGES)
                                              : FormatStr(IDS_SAFE_CHANGE_REPORT, {text.out.trimmed()});
        QVERIFY2(write.err.contains(report), qPrintable(write.err));
        for (const char *data : {"29", "31", "33", "36"})
            QVERIFY2(!sim->Commands().contains(data), data);
    }

    // The backup is the radio's memory before the write, field by field; the write goes
    // through, is verified, and `backups` lists the backup.
    void backupHoldsThePreviousMemory()
    {
        QTemporaryDir dir;
        CSimProcess sim({QStringLiteral("--full")});
        QVERIFY(sim.Ok());
        VirtualCPData profile = CRadioSim::FullRadio();
        profile.contacts[70].name = "Someone Else";
        const QString file = dir.filePath("p.zqv");
        SaveProfile(profile, file);
        const CliResult r = Run({"write", "--yes", "--port", sim.port, file});
        QVERIFY2(r.exit == 0, qPrintable(r.err));
        QVERIFY(r.err.endsWith(LoadStr(IDS_SAFE_VERIFIED) + u'\n'));

        const auto backups = link::ListBackups(BackupRoot());
        QCOMPARE(int(backups.size()), 1);
        QCOMPARE(backups.front().pid, QStringLiteral("20000001"));
        CompareAsProfiles(LoadRecord(backups.front().path), CRadioSim::FullRadio());
        CompareAsProfiles(LoadRecord(sim.DumpPath()), profile);
        const CliResult listed = Run({"backups", "--pid", "20000001"});
        QCOMPARE(listed.exit, 0);
        QVERIFY(listed.out.endsWith(u'\t' + backups.front().path + u'\n'));
    }

    // A record acknowledged but stored wrongly fails the write and is named, in the offer to
    // write again or write the backup back.
    void verifyCatchesAWronglyStoredRecord()
    {
        CSimProcess sim({QStringLiteral("--empty"), QStringLiteral("--corrupt-record"), QStringLiteral("5")});
        QVERIFY(sim.Ok());
        const QString file = sim.Path("full.zqv");
        SaveProfile(CRadioSim::FullRadio(), file);
        const CliResult r = Run({"write", "--yes", "--port", sim.port, file});
        QCOMPARE(r.exit, 1);
        // The fifth record sent is the fifth private group.
        const QString name = CRadioSim::FullRadio().contacts[34].name;
        const QString line =
            FormatStr(IDS_DIFF_CHANGED,
                      {FormatStr(IDS_DIFF_PRIVATE_GROUP, {name, "30000005"}), "name", name, u'X' + name.mid(1)});
        const QString backup = link::ListBackups(BackupRoot()).front().path;
        QVERIFY2(r.err.contains(FormatStr(IDS_VERIFY_RETRY_OR_RESTORE, {line, backup}) + u'\n'),
                 qPrintable(r.err.right(800)));
    }

    // The line drops after some records: the user is offered the backup, and writing it
    // brings the radio's previous memory back.
    void droppedWriteIsRestored()
    {
        QTemporaryDir dir;
        const auto sim = StartRadio(BaseRadio(), dir.path(), {QStringLiteral("--drop-after"), QStringLiteral("40")});
        QVERIFY(sim->Ok());
        VirtualCPData profile = CRadioSim::FullRadio();
        profile.setting.backlight = 30;
        const QString file = dir.filePath("p.zqv");
        SaveProfile(profile, file);
        const CliResult r = Run({"write", "--yes", "--port", sim->port, file});
        QCOMPARE(r.exit, 1);
        const QString backup = link::ListBackups(BackupRoot()).front().path;
        QVERIFY2(r.err.contains(FormatStr(IDS_SAFE_RESTORE_QUESTION, {backup})), qPrintable(r.err));
        QVERIFY(r.err.endsWith(LoadStr(IDS_SAFE_VERIFIED) + u'\n'));
        // The radio's clock got the seconds the write took on top of the backup's time.
        const VirtualCPData got = LoadRecord(sim->DumpPath());
        VirtualCPData want = BaseRadio();
        QVERIFY(got.setting.current_time - want.setting.current_time < 60);
        want.setting.current_time = got.setting.current_time;
        CompareAsProfiles(got, want);
        QCOMPARE(sim->Requests().count("31 1/150"), 1);  // the new profile once ...
        QCOMPARE(sim->Requests().count("31 1/149"), 1);  // ... and the backup once
    }

    // A write that fails or does not check out ends with one message that says what happened
    // and offers the next step (--yes takes it); each offer is made once, and success is never
    // said before the check.
    void failedWriteOrCheck_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QList<int>>("shown");  // the messages, in order
        QTest::newRow("refused part-way: only the offer of the backup")
            << QStringList{"--fail", "31@2:q-other"} << QList<int>{IDS_SAFE_RESTORE_QUESTION, IDS_SAFE_VERIFIED};
        QTest::newRow("the write-back fails too") << QStringList{"--drop-after", "1", "--fail", "31@3:q-other"}
                                                  << QList<int>{IDS_SAFE_RESTORE_QUESTION, IDS_RESTORE_WRITE_FAILED};
        QTest::newRow("check fails: written again, then the backup")
            << QStringList{"--corrupt-record", "1"}
            << QList<int>{IDS_VERIFY_RETRY_OR_RESTORE, IDS_VERIFY_RESTORE, IDS_SAFE_VERIFY_FAILED};
        QTest::newRow("a different radio answers the check")
            << QStringList{"--pid-after-write", "20009999"} << QList<int>{IDS_VERIFY_OTHER_RADIO};
    }
    void failedWriteOrCheck()
    {
        QFETCH(QStringList, options);
        QFETCH(QList<int>, shown);
        CSimProcess sim(options);
        QVERIFY(sim.Ok());
        VirtualCPData profile = CRadioSim::DefaultRadio();
        profile.texts[0] = QStringLiteral("Changed");
        const QString file = sim.Path("p.zqv");
        SaveProfile(profile, file);
        const CliResult r = Run({"write", "--yes", "--port", sim.port, file});
        QCOMPARE(r.exit, 1);
        QVERIFY2(!r.err.contains(LoadStr(IDS_WRITE_RADIO_WAS_RESET)), qPrintable(r.err));
        QVERIFY2(!r.err.contains(LoadStr(IDS_WRITING_SUCCESS)), qPrintable(r.err));
        qsizetype at = 0;
        for (const int id : shown) {
            const QString model = LoadStr(id);
            at = r.err.indexOf(model.section(QStringLiteral("%s"), 0, 0), at);
            QVERIFY2(at >= 0, qPrintable(QStringLiteral("%1 missing in:\n%2").arg(model, r.err)));
        }
        if (shown.first() == IDS_VERIFY_OTHER_RADIO)
            QVERIFY(
                r.err.contains(FormatStr(IDS_VERIFY_OTHER_RADIO, {"20000001", "R5E.08.00", "20009999", "R5E.08.00"})));
    }

    // A backup read that fails, or that the user cancels, ends the write before anything is
    // sent; so does a backup that cannot be saved.
    void failedBackupSendsNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("read refused") << "refused";
        QTest::newRow("cancelled") << "cancel";
        QTest::newRow("folder not writable") << "folder";
    }
    void failedBackupSendsNothing()
    {
        QFETCH(QString, how);
        QStringList options{QStringLiteral("--full")};
        if (how == "refused")
            options << "--fail"
                    << "30@20:q-other";
        if (how == "cancel")
            options << "--throttle";
        CSimProcess sim(options);
        QVERIFY(sim.Ok());
        const QString file = sim.Path("p.zqv");
        SaveProfile(CRadioSim::DefaultRadio(), file);
        if (how == "folder") {
            QDir().mkpath(QFileInfo(BackupRoot()).path());
            QFile f(BackupRoot());
            QVERIFY(f.open(QIODevice::WriteOnly));  // a file where the folder should be
        }
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.setStandardInputFile(QProcess::nullDevice());
        p.start(QStringLiteral(ZQV_CLI),
                {"--install-dir", ZQV_BUILD_DIR "/data", "write", "--yes", "--port", sim.port, file});
        QVERIFY(p.waitForStarted());
        if (how == "cancel") {
            // Cancelled in the middle of the backup read, not before or after it.
            QTRY_VERIFY_WITH_TIMEOUT(sim.Requests().contains("30 3/150"), 5000);
            ::kill(pid_t(p.processId()), SIGINT);
        }
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 1);
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        if (how == "folder")
            QVERIFY2(err.contains(FormatStr(IDS_SAFE_BACKUP_SAVE_FAILED, {BackupRoot()})), qPrintable(err));
        for (const char *data : {"29", "31", "33", "36"})
            QVERIFY2(!sim.Commands().contains(data), data);
        if (how == "folder")
            QFile::remove(BackupRoot());
    }

    // Without the backup and the check, a write reads nothing.
    void switchedOffWriteReadsNothing()
    {
        CSimProcess sim({QStringLiteral("--empty")});
        QVERIFY(sim.Ok());
        const QString file = sim.Path("p.zqv");
        SaveProfile(CRadioSim::DefaultRadio(), file);
        const CliResult r = Run({"write", "--no-backup", "--no-verify", "--port", sim.port, file});
        QCOMPARE(r.exit, 0);
        QVERIFY(!sim.Commands().contains("30"));
        QVERIFY(!QFileInfo::exists(BackupRoot()));
    }

    // Two files: equal is 0, different is 3 with the change named.
    void diffOfTwoFiles()
    {
        QTemporaryDir dir;
        VirtualCPData b = CRadioSim::FullRadio();
        b.setting.contrast = 1;
        SaveProfile(CRadioSim::FullRadio(), dir.filePath("a.zqv"));
        SaveProfile(b, dir.filePath("b.zqv"));
        QCOMPARE(Run({"diff", dir.filePath("a.zqv"), dir.filePath("a.zqv")}).exit, 0);
        const CliResult r = Run({"diff", dir.filePath("a.zqv"), dir.filePath("b.zqv")});
        QCOMPARE(r.exit, 3);
        QCOMPARE(r.out,
                 FormatStr(IDS_DIFF_CHANGED, {LoadStr(IDS_DIFF_SETTINGS), LoadStr(IDS_SET_CONTRAST), "5", "1"}) +
                     u'\n');
    }

    // Backups sort by the time in their names; the oldest go beyond the keep count; a PID
    // cannot lead out of the folder.
    void backupStore()
    {
        QTemporaryDir dir;
        const QDateTime t0(QDate(2026, 1, 2), QTime(3, 4, 5));
        QStringList made;
        for (int i : {0, 0, 60, 3600}) {
            made << link::NewBackupPath(dir.path(), "20000001", t0.addSecs(i));
            QFile f(made.last());
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QVERIFY(made[1].endsWith("2026-01-02_03-04-05-2.zqv"));
        link::PruneBackups(dir.path(), "20000001", 2);
        const auto left = link::ListBackups(dir.path(), "20000001");
        QCOMPARE(int(left.size()), 2);
        QCOMPARE(left[0].path, made[3]);
        QCOMPARE(left[1].path, made[2]);
        QCOMPARE(link::BackupFolderName("../../etc"), QStringLiteral("etc"));
        QCOMPARE(link::BackupFolderName(""), QStringLiteral("unknown"));

        // A radio without a PID prunes only its own folder, never the other radios'.
        for (int i : {0, 1, 2}) {
            QFile f(link::NewBackupPath(dir.path(), "", t0.addSecs(7200 + i)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        link::PruneBackups(dir.path(), "", 1);
        QCOMPARE(int(link::ListBackups(dir.path(), "unknown").size()), 1);
        QCOMPARE(int(link::ListBackups(dir.path(), "20000001").size()), 2);
    }
};

QTEST_GUILESS_MAIN(TestSafeWrite)
#include "tst_safe_write.moc"
