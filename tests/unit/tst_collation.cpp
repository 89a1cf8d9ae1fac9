// The name collation: every weight band, the folded accents, and whole-name ordering.
#include "Collation.h"

#include <QTest>
#include <algorithm>

using namespace zqv;

class TestCollation : public QObject {
    Q_OBJECT
private slots:
    void weightBands_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("weight");
        const int rows[][2] = {{0, 0},
                               {' ', 1},
                               {'A', 2},
                               {'a', 2},
                               {'Z', 27},
                               {'z', 27},
                               {'M', 14},
                               {1, 28},
                               {31, 58},
                               {'0', 59},
                               {'9', 68},
                               {'!', 69},
                               {'/', 83},
                               {':', 84},
                               {'@', 90},
                               {'[', 91},
                               {'`', 96},
                               {'{', 97},
                               {127, 101},
                               {128, 102},
                               {191, 165},
                               // accents folded onto the base letter
                               {192, 2},
                               {197, 2},
                               {224, 2},
                               {229, 2},
                               {199, 4},
                               {231, 4},
                               {200, 6},
                               {202, 6},
                               {232, 6},
                               {234, 6},
                               {205, 10},
                               {237, 10},
                               {209, 15},
                               {241, 15},
                               {210, 16},
                               {214, 16},
                               {216, 16},
                               {242, 16},
                               {246, 16},
                               {248, 16},
                               {217, 22},
                               {220, 22},
                               {249, 22},
                               {252, 22},
                               // the others, above everything else
                               {198, 166},
                               {203, 167},
                               {204, 168},
                               {206, 169},
                               {207, 170},
                               {208, 171},
                               {215, 172},
                               {221, 173},
                               {222, 174},
                               {223, 175},
                               {230, 176},
                               {235, 177},
                               {236, 178},
                               {238, 179},
                               {239, 180},
                               {240, 181},
                               {247, 182},
                               {253, 183},
                               {254, 184},
                               {255, 185}};
        for (const auto &row : rows)
            QTest::addRow("%d", row[0]) << row[0] << row[1];
    }
    void weightBands()
    {
        QFETCH(int, code);
        QTEST(CollationWeight(char16_t(code)), "weight");
    }

    void everyCodeHasOneWeightAndBandsDoNotOverlap()
    {
        // Apart from the folded letters, no two codes share a weight.
        QMap<int, int> owners;
        for (int c = 0; c < 256; ++c) {
            const int w = CollationWeight(char16_t(c));
            QVERIFY(w >= 0 && w <= 185);
            const bool folded = (c >= 'a' && c <= 'z') || (c >= 192 && w <= 27);
            if (!folded) {
                QVERIFY2(!owners.contains(w),
                         qPrintable(QString("%1 and %2 share %3").arg(owners.value(w)).arg(c).arg(w)));
                owners.insert(w, c);
            }
        }
    }

    void namesSortAsADealerExpects()
    {
        QStringList names{"Zeta", "alpha", QString::fromLatin1("\xC9") + "clair", "Beta"};
        std::stable_sort(names.begin(), names.end(), CollateLess);
        QCOMPARE(names, (QStringList{"alpha", "Beta", QString::fromLatin1("\xC9") + "clair", "Zeta"}));

        const QString eDiaeresis = QString::fromLatin1("\xCB") + "a";
        for (const char *plain : {"Aa", "Zz", "zzzz", "Yellow"})
            QVERIFY(CollateNames(QLatin1String(plain), eDiaeresis) < 0);

        QCOMPARE(CollateNames("Beta", "beta"), 0);
        QVERIFY(CollateNames("Be", "Beta") < 0);  // the shorter key first
        QVERIFY(CollateNames("A B", "AB") < 0);  // blank before letters
        QVERIFY(CollateNames("Z", "1") < 0);  // letters before digits
        QVERIFY(CollateNames("Z", QString(QChar(9))) < 0);  // letters before control characters
        QVERIFY(CollateNames(QString(QChar(9)), "0") < 0);  // control characters before digits
        QVERIFY(CollateNames("9", "!") < 0);  // digits before punctuation
        QCOMPARE(CollateNames("", ""), 0);
    }

    // Searching ignores case and the folded accents only: letters the collation weighs alike
    // but that are different letters (outside Latin-1) stay apart.
    void searchKeysContainAsADealerExpects_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("contains");
        QTest::newRow("case") << "Night Shift"
                              << "SHIFT" << true;
        QTest::newRow("accent") << QStringLiteral("Chlo\u00e9") << "chloe" << true;
        QTest::newRow("accent typed") << "Zurich" << QStringLiteral("Z\u00dcR") << true;
        QTest::newRow("digits") << "4012003"
                                << "1200" << true;
        QTest::newRow("own letter") << QStringLiteral("\u00c6sir") << "aes" << false;
        QTest::newRow("beyond Latin-1") << QStringLiteral("\u0416\u0430\u043d") << QStringLiteral("\u0424") << false;
        QTest::newRow("beyond Latin-1 found")
            << QStringLiteral("\u0416\u0430\u043d") << QStringLiteral("\u0430\u043d") << true;
    }
    void searchKeysContainAsADealerExpects()
    {
        QFETCH(QString, text);
        QFETCH(QString, typed);
        QFETCH(bool, contains);
        QCOMPARE(CollationSearchKey(text).contains(CollationSearchKey(typed)), contains);
    }
};

QTEST_APPLESS_MAIN(TestCollation)
#include "tst_collation.moc"
