// The transfer operations over a real pseudo-terminal against zqv-radio-sim: a full read, a
// write compared with the radio's dumped memory, the empty radio, failures on the line, cancel
// during a read, capture, and the simulator ending with the process that started it.
#include "DataAdaptor.h"
#include "LinkCodec.h"
#include "RadioSim.h"
#include "RadioTransfer.h"
#include "TransferSession.h"
#include "TransferTestSupport.h"

#include <QElapsedTimer>
#include <QTest>
#include <csignal>
#include <mutex>
#include <sys/prctl.h>
#include <sys/wait.h>

using namespace zqv;
using namespace zqv::test;

namespace {

class CObserver : public ITransferObserver {
public:
    std::function<void(int)> onProgress;
    std::vector<int> progress, failures;
    int successes = 0;
    void OnProgress(int p) override
    {
        progress.push_back(p);
        if (onProgress)
            onProgress(p);
    }
    void OnSuccess() override { ++successes; }
    void OnFailure(int code) override { failures.push_back(code); }
    void OnQuestion(int) override { session->Answer(true); }
    // A session of its own on `port` for the next transfer.
    CTransferSession &On(const QString &port)
    {
        session = std::make_unique<CTransferSession>(port);
        return *session;
    }
    std::unique_ptr<CTransferSession> session;
};

// How many requests start with `prefix`.
int CountOf(const QStringList &requests, const char *prefix)
{
    return int(std::count_if(requests.begin(), requests.end(),
                             [prefix](const QString &r) { return r.startsWith(QLatin1String(prefix)); }));
}

QString ProfileText(const VirtualCPData &record)
{
    QString text;
    CDataAdaptor::VirtualCP2XML(record, text);
    return text;
}

}  // namespace

class TestTransfer : public QObject {
    Q_OBJECT
private slots:
    void readFullRadio()
    {
        CSimProcess sim({QStringLiteral("--full")});
        QVERIFY(sim.Ok());
        CObserver obs;
        VirtualCPData record;
        CRadioTransfer transfer(obs.On(sim.port), &obs);
        QCOMPARE(transfer.ReadRadio(record), 1);
        QCOMPARE(obs.progress, (std::vector<int>{20, 40, 60, 80}));
        QCOMPARE(obs.successes, 1);
        const VirtualCPData expected = CRadioSim::FullRadio();
        for (int i = 0; i < profile::kMaxContacts; ++i)
            QVERIFY2(record.contacts[i] == expected.contacts[i], qPrintable(QString::number(i)));
        QCOMPARE(record, expected);
        // 150 contacts and 25 texts went through, with every byte counted.
        QCOMPARE(CountOf(sim.Requests(), "30 "), 150);
        QVERIFY(transfer.LastBytesRead() > 5000);
    }

    void writeThenCompareTheRadioMemory()
    {
        CSimProcess sim({QStringLiteral("--empty")});
        QVERIFY(sim.Ok());
        CObserver obs;
        const VirtualCPData profile = CRadioSim::FullRadio();
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(CRadioTransfer(obs.On(sim.port), &obs).WriteRadio(profile), 1);
        QVERIFY(timer.elapsed() >= 4000);  // the end-write pause
        // The radio saved its memory when the write ended: as a profile it is exactly the
        // profile that was written.
        QCOMPARE(sim.Dump(), ProfileText(profile));
        QCOMPARE(sim.Requests().last(), QStringLiteral("36"));
    }

    void memoryFromAProfile()
    {
        const QString path = QStringLiteral(ZQV_FIXTURES_DIR "/profiles/valid_group3.zqv");
        VirtualCPData expected;
        CDataAdaptor::XML2VirtualCP(ReadTextFile(path), expected);
        CSimProcess sim({QStringLiteral("--profile"), path});
        QVERIFY(sim.Ok());
        CObserver obs;
        VirtualCPData record;
        QCOMPARE(CRadioTransfer(obs.On(sim.port), &obs).ReadRadio(record), 1);
        QCOMPARE(record.setting, expected.setting);
        QCOMPARE(record.texts, expected.texts);
        QCOMPARE(record.limit.pid, expected.limit.pid);
        for (int i = 0; i < profile::kMaxContacts; ++i) {
            QCOMPARE(record.contacts[i].name, expected.contacts[i].name);
            QCOMPARE(record.contacts[i].pid, expected.contacts[i].pid);
            QCOMPARE(record.contacts[i].cntct_type, expected.contacts[i].cntct_type);
        }
    }

    void emptyRadio()
    {
        CSimProcess sim({QStringLiteral("--empty")});
        QVERIFY(sim.Ok());
        CObserver obs;
        VirtualCPData record;
        QCOMPARE(CRadioTransfer(obs.On(sim.port), &obs).ReadRadio(record), 1);
        QCOMPARE(record, CRadioSim::EmptyRadio());
        QCOMPARE(sim.Requests(), (QStringList{"25", "26", "27", "28", "30 0/0", "32 0/0"}));
    }

    void lineFailures_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("attempts");
        QTest::newRow("silent radio") << QStringList{"--silent"} << -2 << 3;
        QTest::newRow("bad checksums") << QStringList{"--bad-checksum"} << -21 << 3;
        QTest::newRow("invalid opcode") << QStringList{"--fail", "25:bad-opcode"} << -6 << 1;
    }
    void lineFailures()
    {
        QFETCH(QStringList, options);
        CSimProcess sim(options);
        QVERIFY(sim.Ok());
        CObserver obs;
        VirtualCPData record;
        QElapsedTimer timer;
        timer.start();
        QTEST(CRadioTransfer(obs.On(sim.port), &obs).ReadRadio(record), "result");
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        QTEST(int(sim.Requests().size()), "attempts");
        QCOMPARE(obs.failures.size(), size_t(1));
    }

    void portThatDoesNotExist()
    {
        CObserver obs;
        VirtualCPData record;
        QCOMPARE(CRadioTransfer(obs.On(QStringLiteral("/dev/zqv-no-such-port")), &obs).ReadRadio(record), -19);
        QCOMPARE(obs.failures, std::vector<int>{-19});
    }

    void radioGoesAwayDuringARead()
    {
        auto sim = std::make_unique<CSimProcess>(QStringList{QStringLiteral("--full"), QStringLiteral("--throttle")});
        QVERIFY(sim->Ok());
        CObserver obs;
        obs.onProgress = [&sim](int p) {
            if (p == 60)
                sim->Stop();
        };
        VirtualCPData record;
        QCOMPARE(CRadioTransfer(obs.On(sim->port), &obs).ReadRadio(record), -20);
        QCOMPARE(obs.failures, std::vector<int>{-20});
    }

    void cancelDuringAReadLeavesTheTargetUnchanged()
    {
        CSimProcess sim({QStringLiteral("--full"), QStringLiteral("--throttle")});
        QVERIFY(sim.Ok());
        CObserver obs;
        VirtualCPData target;
        target.texts[0] = QStringLiteral("mine");
        const VirtualCPData before = target;
        CTransferSession &session = obs.On(sim.port);
        std::thread worker([&] { CRadioTransfer(session, &obs).ReadRadio(target); });
        // Cancel from this thread once the contacts are coming in.
        for (int i = 0; i < 200 && CountOf(sim.Requests(), "30 ") < 5; ++i)
            QTest::qWait(10);
        session.RequestCancel();
        worker.join();
        QCOMPARE(obs.failures, std::vector<int>{-12});
        QCOMPARE(target, before);
        QVERIFY(CountOf(sim.Requests(), "30 ") < 150);
        QVERIFY(!sim.Commands().contains("32"));
    }

    void capturePid()
    {
        CSimProcess sim({QStringLiteral("--capture-after"), QStringLiteral("1"), QStringLiteral("--capture-pid"),
                         QStringLiteral("20004321")});
        QVERIFY(sim.Ok());
        CObserver obs;
        QString pid;
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(CRadioTransfer(obs.On(sim.port), &obs).CapturePid(pid), 1);
        QCOMPARE(pid, QStringLiteral("20004321"));
        QVERIFY(timer.elapsed() >= 3000);  // the first poll comes three seconds after listening starts
        QCOMPARE(obs.progress, std::vector<int>{20});
        QCOMPARE(sim.Commands(), (QStringList{"25", "26", "27", "38", "39"}));
    }

    void simulatorEndsWithItsParent()
    {
        // A shell starts the simulator and is killed the way a crashed test dies. This process
        // adopts the orphan, so it can tell a simulator that ended (and is collected here)
        // from one that is still running.
        QVERIFY(prctl(PR_SET_CHILD_SUBREAPER, 1) == 0);
        QTemporaryDir dir;
        const QString started = dir.filePath(QStringLiteral("started"));
        QProcess shell;
        shell.start(QStringLiteral("/bin/sh"),
                    {QStringLiteral("-c"), QStringLiteral("\"$0\" --empty >\"$1\" & echo $!; wait"),
                     QStringLiteral(ZQV_SIM), started});
        QVERIFY(shell.waitForStarted(5000));
        for (int i = 0; i < 50 && !shell.canReadLine(); ++i)
            shell.waitForReadyRead(100);
        const pid_t sim = shell.readLine().trimmed().toInt();
        QVERIFY(sim > 0);
        // The simulator prints its port once it is set up; the shell is killed only then.
        const auto port = [&started] {
            QFile file(started);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QTRY_VERIFY_WITH_TIMEOUT(port().startsWith("/dev/"), 5000);

        shell.kill();
        QVERIFY(shell.waitForFinished(5000));
        int status = -1;
        pid_t ended = 0;
        for (int i = 0; i < 100 && ended == 0; ++i) {
            ended = waitpid(sim, &status, WNOHANG);
            if (ended == 0)
                QTest::qWait(50);
        }
        if (ended == 0) {
            kill(sim, SIGKILL);
            waitpid(sim, nullptr, 0);
        }
        QCOMPARE(ended, sim);
        // It stopped as on SIGTERM: cleanly, through its normal exit.
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }
};

QTEST_GUILESS_MAIN(TestTransfer)
#include "tst_transfer.moc"
