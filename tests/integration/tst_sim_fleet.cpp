// Several simulated radios from one zqv-radio-sim (--count): each on its own pseudo-terminal
// with its own unit PID, answering side by side, each saving its own memory.
#include "CliTestSupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <sys/prctl.h>

using namespace zqv;
using namespace zqv::test;

class TestSimFleet : public QObject {
    Q_OBJECT
private slots:
    void radiosAnswerSideBySideWithTheirOwnPids()
    {
        QTemporaryDir dir;
        QProcess sim;
        sim.setProgram(QStringLiteral(ZQV_SIM));
        sim.setArguments({"--count", "3", "--unit-pid", "30000010", "--throttle", "--dump", dir.filePath("m.zqv"),
                          "--log", dir.filePath("r.log")});
        sim.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        sim.start();
        QVERIFY(sim.waitForStarted(5000));
        QStringList lines;
        for (int i = 0; i < 100 && lines.size() < 3; ++i) {
            if (!sim.canReadLine())
                sim.waitForReadyRead(100);
            while (sim.canReadLine())
                lines << QString::fromLocal8Bit(sim.readLine()).trimmed();
        }
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
};

QTEST_GUILESS_MAIN(TestSimFleet)
#include "tst_sim_fleet.moc"
