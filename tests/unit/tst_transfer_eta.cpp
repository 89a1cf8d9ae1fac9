// The time left of a transfer: progress sequences as a transfer reports them, and what the
// estimate says after the last report.
#include "StringTable.h"
#include "TransferEta.h"

#include <QTest>
#include <vector>

using namespace zqv;

namespace {

struct Report {
    qint64 ms;
    int percent;
};
using Reports = std::vector<Report>;

// One percent every `msPerPercent` from `fromPercent` at `fromMs` up to `toPercent`.
Reports Steady(qint64 fromMs, int fromPercent, int toPercent, qint64 msPerPercent)
{
    Reports out;
    for (int p = fromPercent; p <= toPercent; ++p)
        out.push_back({fromMs + (p - fromPercent) * msPerPercent, p});
    return out;
}

Reports operator+(Reports a, const Reports &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

Q_DECLARE_METATYPE(Reports)

class TestTransferEta : public QObject {
    Q_OBJECT

private slots:
    void estimate_data()
    {
        QTest::addColumn<Reports>("reports");
        // -1: nothing shown; else the time left within 10 %.
        QTest::addColumn<qint64>("expected");

        QTest::newRow("nothing before the transfer has settled") << Steady(0, 0, 15, 100) << qint64(-1);
        QTest::newRow("a steady rate") << Steady(0, 0, 40, 100) << qint64(6000);
        QTest::newRow("one report after a long silence is no rate") << Reports{{0, 0}, {9000, 1}} << qint64(-1);
        QTest::newRow("a quick first burst is smoothed away")
            << Steady(0, 0, 30, 10) + Steady(400, 31, 60, 200) << qint64(8000);
        QTest::newRow("a transfer that slows down is followed")
            << Steady(0, 0, 30, 100) + Steady(3100, 31, 60, 300) << qint64(12000);
        QTest::newRow("a stall hides the estimate") << Steady(0, 0, 40, 100) + Reports{{4000 + 6000, 40}} << qint64(-1);
        QTest::newRow("it counts down between reports")
            << Steady(0, 0, 40, 100) + Reports{{4000 + 1000, 40}} << qint64(5000);
        QTest::newRow("a new step shows nothing at first")
            << Steady(0, 0, 50, 100) + Steady(5100, 0, 5, 100) << qint64(-1);
        QTest::newRow("a new step is estimated on its own")
            << Steady(0, 0, 50, 20) + Steady(1100, 0, 30, 100) << qint64(7000);
        QTest::newRow("a finished transfer has nothing left") << Steady(0, 0, 100, 100) << qint64(0);
    }
    void estimate()
    {
        QFETCH(Reports, reports);
        QFETCH(qint64, expected);
        CTransferEta eta;
        for (const Report &r : reports)
            eta.Update(r.percent, r.ms);
        const qint64 left = eta.RemainingMs();
        if (expected <= 0)
            QCOMPARE(left, expected);
        else
            QVERIFY2(qAbs(left - expected) <= expected / 10, qPrintable(QString::number(left)));
    }

    void text_data()
    {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("no estimate") << qint64(-1) << QString();
        QTest::newRow("rounded up to 5 s") << qint64(31200) << FormatStr(IDS_TIME_LEFT_SECONDS, {"35"});
        QTest::newRow("under a second") << qint64(300) << FormatStr(IDS_TIME_LEFT_SECONDS, {"5"});
        QTest::newRow("a minute and more, to 10 s") << qint64(61500) << FormatStr(IDS_TIME_LEFT_MINUTES, {"1", "10"});
        QTest::newRow("whole minutes") << qint64(119500) << FormatStr(IDS_TIME_LEFT_MINUTES, {"2", "0"});
    }
    void text()
    {
        QFETCH(qint64, ms);
        QFETCH(QString, text);
        QCOMPARE(TimeLeftText(ms), text);
    }
};

QTEST_GUILESS_MAIN(TestTransferEta)
#include "tst_transfer_eta.moc"
