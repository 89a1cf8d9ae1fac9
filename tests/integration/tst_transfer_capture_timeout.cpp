// Capturing a private ID when no other radio keys up: four polls three seconds apart, progress
// up to 100, then "Operation timed out". Takes about 12 seconds.
#include "RadioTransfer.h"
#include "TransferSession.h"
#include "TransferTestSupport.h"

#include <QElapsedTimer>
#include <QTest>

using namespace zqv;
using namespace zqv::test;

class TestCaptureTimeout : public QObject {
    Q_OBJECT
    struct CObserver : ITransferObserver {
        std::vector<int> progress, failures;
        void OnProgress(int p) override { progress.push_back(p); }
        void OnSuccess() override {}
        void OnFailure(int code) override { failures.push_back(code); }
        void OnQuestion(int) override {}
        CTransferSession &On(const QString &port)
        {
            session = std::make_unique<CTransferSession>(port);
            return *session;
        }
        std::unique_ptr<CTransferSession> session;
    };
private slots:
    void nobodyKeysUp()
    {
        CSimProcess sim({});
        QVERIFY(sim.Ok());
        CObserver obs;
        QString pid = QStringLiteral("unchanged");
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(CRadioTransfer(obs.On(sim.port), &obs).CapturePid(pid), -9);
        QVERIFY2(timer.elapsed() >= 12000 && timer.elapsed() < 14000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(obs.progress, (std::vector<int>{20, 40, 60, 80, 100}));
        QCOMPARE(obs.failures, std::vector<int>{-9});
        QCOMPARE(pid, QStringLiteral("unchanged"));
        QCOMPARE(sim.Commands(), (QStringList{"25", "26", "27", "38", "39", "39", "39", "39"}));
    }
};

QTEST_GUILESS_MAIN(TestCaptureTimeout)
#include "tst_transfer_capture_timeout.moc"
