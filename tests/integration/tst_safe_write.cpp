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
        // It holds the codeplug password: the file and its folders are the owner's only.
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
            QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        for (const QString &path : {backups.front().path, QFileInfo(backups.front().path).path(), BackupRoot()})
            QVERIFY2(!(QFileInfo(path).permissions() & others), qPrintable(path));
    }

    // Pruning never takes a backup that matters: the new one stays when 20 others are named
    // later than now, and writes declined at the change report do not pile up copies of the
    // same memory that would push real backups out.
    void pruningKeepsTheBackupsThatMatter_data()
    {
        QTest::addColumn<QString>("existing");  // "future": 20 named in 2099; "older": one real, older
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("writes");
        QTest::addColumn<int>("kept");
        QTest::newRow("20 named in the future") << "future" << QStringList{"--yes"} << 1 << 20;
        QTest::newRow("three declined writes") << "older" << QStringList{} << 3 << 2;
    }
    void pruningKeepsTheBackupsThatMatter()
    {
        QFETCH(QString, existing);
        QFETCH(QStringList, options);
        QFETCH(int, writes);
        QFETCH(int, kept);
        QTemporaryDir dir;
        const auto sim = StartRadio(BaseRadio(), dir.path());
        QVERIFY(sim->Ok());
        const QString folder = BackupRoot() + QStringLiteral("/20000001");
        QVERIFY(QDir().mkpath(folder));
        const QString older = folder + QStringLiteral("/2020-01-01_00-00-00.zqv");
        if (existing == "future")
            for (int i = 0; i < 20; ++i)
                SaveProfile(CRadioSim::FullRadio(),
                            folder + QStringLiteral("/2099-01-01_00-00-%1.zqv").arg(i, 2, 10, QChar(u'0')));
        else
            SaveProfile(CRadioSim::FullRadio(), older);
        VirtualCPData profile = BaseRadio();
        profile.setting.backlight = 30;
        const QString file = dir.filePath("p.zqv");
        SaveProfile(profile, file);
        for (int i = 0; i < writes; ++i) {
            const CliResult r = Run(QStringList{"write", "--port", sim->port} + options + QStringList{file});
            // Every write names its backup, and the path it names exists.
            int named = 0;
            for (const QString &line : r.err.split(u'\n'))
                for (const int id : {IDS_SAFE_BACKUP_SAVED, IDS_SAFE_BACKUP_SAME_AS_KEPT}) {
                    const QStringList parts = LoadStr(id).split(QStringLiteral("%s"));
                    if (line.startsWith(parts[0]) && line.endsWith(parts[1])) {
                        ++named;
                        const QString path = line.mid(parts[0].size(), line.size() - parts[0].size() - parts[1].size());
                        QVERIFY2(QFileInfo::exists(path), qPrintable(r.err));
                    }
                }
            QVERIFY2(named == 1, qPrintable(r.err));
        }
        const auto backups = link::ListBackups(BackupRoot(), "20000001");
        QCOMPARE(int(backups.size()), kept);
        if (existing == "older")
            QCOMPARE(backups.back().path, older);
    }

    // A backup restored into another radio than the one it was taken of: the report's first
    // line says so and the question names both radios. An ordinary write of the same file
    // does not.
    void restoreNamesWhoseBackupItIs_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("restore") << "restore";
        QTest::newRow("write") << "write";
    }
    void restoreNamesWhoseBackupItIs()
    {
        QFETCH(QString, command);
        QTemporaryDir dir;
        CSimProcess sim({QStringLiteral("--full")});
        QVERIFY(sim.Ok());
        VirtualCPData other = CRadioSim::FullRadio();
        other.limit.pid = other.contacts[60].pid;
        const QString file = dir.filePath("other.zqv");
        SaveProfile(other, file);
        const CliResult r = Run({command, "--port", sim.port, file});
        QCOMPARE(r.exit, 1);  // No without a terminal
        const QString backupRadio = QStringLiteral("%1 (%2)").arg(other.contacts[60].name, other.limit.pid);
        const QString connected = QStringLiteral("My Radio (20000001)");
        const QString first = FormatStr(IDS_RESTORE_OTHER_RADIO, {backupRadio, connected});
        const QString question = FormatStr(IDS_RESTORE_OTHER_RADIO_QUESTION, {backupRadio, connected});
        if (command == "restore") {
            QVERIFY2(r.err.contains(first + QStringLiteral("\n\n") + LoadStr(IDS_RESTORE_CHANGES_NOTHING) +
                                    QStringLiteral("\n\n") + question),
                     qPrintable(r.err));
        } else {
            QVERIFY2(!r.err.contains(first) && r.err.contains(LoadStr(IDS_SAFE_NOTHING_CHANGES)), qPrintable(r.err));
        }
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

    // Two files: equal is 0, different is 3 with the changes named as the forms name them.
    void diffOfTwoFiles_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<QStringList>("lines");  // the whole output, or with "~" parts of one line
        QTest::newRow("contrast") << 0 << QStringList{"Settings, Contrast: 5 → 1"};
        QTest::newRow("settings as the form shows them")
            << 1
            << QStringList{"Settings, Backlight: 30 seconds → Off", "Settings, Volume (Alarm): 3 → 5",
                           "Settings, Time Format: 12hr → 24hr"};
        QTest::newRow("control character in a name") << 2 << QStringList{"~", "name: ", "\\t"};
        QTest::newRow("two private contacts under one PID") << 3 << QStringList{"~", "name: ", " → Aaa renamed"};
        QTest::newRow("another radio") << 4
                                       << QStringList{"ZQV Radio Information, Unit Private ID: 20000001 → 20000999",
                                                      "ZQV Radio Information, Firmware Version: R5E.08.00 → R5E.08.01"};
    }
    void diffOfTwoFiles()
    {
        QFETCH(int, change);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        VirtualCPData a = CRadioSim::FullRadio();
        std::vector<int> privates;
        for (int i = 0; i < int(a.contacts.size()); ++i)
            if (a.contacts[i].cntct_type == profile::kPrivateContact && a.contacts[i].pid != a.limit.pid)
                privates.push_back(i);
        QVERIFY(privates.size() >= 2);
        a.limit.pid = "20000001";
        a.setting.backlight = 30000;
        a.setting.alarm_vol_level = 3;
        a.setting.setting_flags &= ~SF_TIME_FORMAT;
        a.firmware_release = 0x5E;
        a.firmware_version = 8;
        a.firmware_revision = 0;
        if (change == 3)  // a profile can hold two contacts under one PID
            a.contacts[privates[1]].pid = a.contacts[privates[0]].pid;
        if (change == 2)
            a.contacts[privates[0]].name = "Tab here";
        VirtualCPData b = a;
        switch (change) {
        case 0:
            b.setting.contrast = 1;
            a.setting.contrast = 5;
            break;
        case 1:
            b.setting.backlight = 0;
            b.setting.alarm_vol_level = 5;
            b.setting.setting_flags |= SF_TIME_FORMAT;
            break;
        case 2: break;  // the tab goes into the file below
        case 3: b.contacts[privates[1]].name = "Aaa renamed"; break;
        case 4:
            b.limit.pid = "20000999";
            b.firmware_revision = 1;
            break;
        }
        SaveProfile(a, dir.filePath("a.zqv"));
        SaveProfile(b, dir.filePath("b.zqv"));
        if (change == 2) {  // a tab kept as a character reference, as a profile holds it
            QString text = ReadProfileFile(dir.filePath("b.zqv"));
            QVERIFY(text.contains("\"Tab here\""));
            text.replace("\"Tab here\"", "\"Tab&#9;here\"");
            QFile f(dir.filePath("b.zqv"));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(EncodeTextFile(text, TEXT_MODE_UTF16));
        }
        QCOMPARE(Run({"diff", dir.filePath("a.zqv"), dir.filePath("a.zqv")}).exit, 0);
        const CliResult r = Run({"diff", dir.filePath("a.zqv"), dir.filePath("b.zqv")});
        QCOMPARE(r.exit, 3);
        if (lines.value(0) != "~") {
            QCOMPARE(r.out, lines.join(u'\n') + u'\n');
            return;
        }
        // One line, holding every part and no control character.
        QCOMPARE(r.out.count(u'\n'), 1);
        for (const QString &part : lines.mid(1))
            QVERIFY2(r.out.contains(part), qPrintable(r.out));
        QVERIFY2(!r.out.trimmed().contains(u'\t'), qPrintable(r.out));
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
        // Within a second the number orders them as a number: "-10" is newer than "-9".
        for (int n = 1; n <= 11; ++n)
            QVERIFY(link::NewBackupPath(dir.path(), "20000002", t0)
                        .endsWith(n == 1 ? QStringLiteral("05.zqv") : QStringLiteral("-%1.zqv").arg(n)));
        QStringList order;
        for (const link::BackupEntry &b : link::ListBackups(dir.path(), "20000002"))
            order << b.name.mid(19);
        QCOMPARE(order, (QStringList{"-11", "-10", "-9", "-8", "-7", "-6", "-5", "-4", "-3", "-2", ""}));
        link::PruneBackups(dir.path(), "20000002", 10);
        QCOMPARE(link::ListBackups(dir.path(), "20000002").back().name, QStringLiteral("2026-01-02_03-04-05-2"));

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
