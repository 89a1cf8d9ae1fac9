// Several simulated radios from one zqv-radio-sim (--count): each on its own pseudo-terminal
// with its own unit PID, answering side by side, each saving its own memory; and a write into
// one of them recorded in the write history (a declined one not).
#include "BackupStore.h"
#include "CliTestSupport.h"
#include "WriteHistory.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <sys/prctl.h>

using namespace zqv;
using namespace zqv::test;
using namespace zqv::link;

namespace {

// Starts the simulator with `args` and returns the lines it prints first (`count` of them).
QStringList StartFleet(QProcess &sim, const QStringList &args, int count)
{
    sim.setProgram(QStringLiteral(ZQV_SIM));
    sim.setArguments(args);
    sim.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    sim.start();
    QStringList lines;
    if (!sim.waitForStarted(5000))
        return lines;
    for (int i = 0; i < 100 && lines.size() < count; ++i) {
        if (!sim.canReadLine())
            sim.waitForReadyRead(100);
        while (sim.canReadLine())
            lines << QString::fromLocal8Bit(sim.readLine()).trimmed();
    }
    return lines;
}

}  // namespace

class TestSimFleet : public QObject {
    Q_OBJECT
private slots:
    void radiosAnswerSideBySideWithTheirOwnPids()
    {
        QTemporaryDir dir;
        QProcess sim;
        const QStringList lines = StartFleet(sim,
                                             {"--count", "3", "--unit-pid", "30000010", "--throttle", "--dump",
                                              dir.filePath("m.zqv"), "--log", dir.filePath("r.log")},
                                             3);
        QCOMPARE(lines.size(), 3);
        QStringList ports, pids;
        for (const QString &line : lines) {
            const QStringList parts = line.split(u' ');
            QCOMPARE(parts.size(), 2);
            ports << parts[0];
            pids << parts[1];
        }
        QCOMPARE(pids, (QStringList{"30000010", "30000011", "30000012"}));
        QCOMPARE(QSet<QString>(ports.begin(), ports.end()).size(), 3);

        // All three asked at once: each port answers with its own radio.
        std::vector<std::unique_ptr<QProcess>> reads;
        for (const QString &port : ports) {
            reads.push_back(std::make_unique<QProcess>());
            reads.back()->start(QStringLiteral(ZQV_CLI),
                                {"--install-dir", ZQV_BUILD_DIR "/data", "read-pid", "--port", port});
        }
        for (int i = 0; i < 3; ++i) {
            QVERIFY(reads[i]->waitForFinished(30000));
            QCOMPARE(reads[i]->exitCode(), 0);
            QCOMPARE(QString::fromLocal8Bit(reads[i]->readAllStandardOutput()).trimmed(), pids[i]);
        }

        // Each radio saves its own memory and logs its own requests.
        sim.terminate();
        QVERIFY(sim.waitForFinished(5000));
        for (int i = 0; i < 3; ++i) {
            const QString dump = dir.filePath(QStringLiteral("m-%1.zqv").arg(i + 1));
            QCOMPARE(LoadRecord(dump).limit.pid, pids[i]);
            QVERIFY(!ReadTextFile(dir.filePath(QStringLiteral("r-%1.log").arg(i + 1))).isEmpty());
        }
    }

    // A write of either program ends up in the history with what it changed; a write the user
    // declined sent nothing and is not there.
    void writeIntoOneRadioIsRecorded()
    {
        QTemporaryDir dir;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath("data"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath("config"));
        QProcess sim;
        const QStringList lines =
            StartFleet(sim, {"--count", "2", "--unit-pid", "30000020", "--dump", dir.filePath("m.zqv")}, 2);
        QCOMPARE(lines.size(), 2);
        const QString port = lines[1].section(u' ', 0, 0);
        QVERIFY(Cli({"read", "--port", port, "-o", dir.filePath("p.zqv")}, env).exit == 0);
        VirtualCPData profile = LoadRecord(dir.filePath("p.zqv"));
        profile.texts[0] = QStringLiteral("Report to the gate");
        const QString file = dir.filePath("p.zqv");
        SaveProfile(profile, file);

        const QString history = dir.filePath("data/Corvane/ZQV CPS/history.sqlite");
        QCOMPARE(Cli({"write", "--port", port, file}, env).exit, 1);  // the change report, answered No
        QVERIFY(CWriteHistory(history).Find().empty());

        const CliResult r = Cli({"write", "--yes", "--port", port, file}, env);
        QVERIFY2(r.exit == 0, qPrintable(r.err));
        const auto entries = CWriteHistory(history).Find();
        QCOMPARE(entries.size(), std::size_t(1));
        const WriteHistoryEntry &e = entries.front();
        QCOMPARE(e.unitPid, QStringLiteral("30000021"));
        QCOMPARE(e.result, QString::fromLatin1(kHistoryVerified));
        QCOMPARE(e.profileFile, file);
        const auto backups = ListBackups(dir.filePath("data/Corvane/ZQV CPS/backups"));
        QVERIFY(!backups.empty());
        QCOMPARE(e.backupFile, backups.front().path);
        QVERIFY(e.changesKnown);
        QVERIFY2(e.changes.join(u'\n').contains(QStringLiteral("Report to the gate")),
                 qPrintable(e.changes.join(u'\n')));

        // The other radio of the fleet was not touched.
        sim.terminate();
        QVERIFY(sim.waitForFinished(5000));
        QVERIFY(!ReadTextFile(dir.filePath("m-1.zqv")).contains(QStringLiteral("Report to the gate")));
        QVERIFY(ReadTextFile(dir.filePath("m-2.zqv")).contains(QStringLiteral("Report to the gate")));
    }
};

QTEST_GUILESS_MAIN(TestSimFleet)
#include "tst_sim_fleet.moc"
