// The version check made on profile text before it is parsed, and how model codes read.
#include "ProfileFormat.h"

#include <QTest>

using namespace zqv;

class TestProfileFormat : public QObject {
    Q_OBJECT
private slots:
    void cloneCompatibilityVersion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("3") << "<limit clone_compatibility_version=\"3\" />" << true;
        QTest::newRow("1") << "<limit clone_compatibility_version=\"1\" />" << true;
        QTest::newRow("2") << "<limit clone_compatibility_version=\"2\" />" << false;
        QTest::newRow("13") << "<limit clone_compatibility_version=\"13\" />" << false;
        QTest::newRow("3 with blank") << "<limit clone_compatibility_version=\"3 \" />" << false;
        QTest::newRow("empty") << "<limit clone_compatibility_version=\"\" />" << false;
        QTest::newRow("missing") << "<limit model=\"3\" />" << false;
        QTest::newRow("unterminated") << "<limit clone_compatibility_version=\"3" << false;
        QTest::newRow("single quotes are not looked at") << "<limit clone_compatibility_version='3' />" << false;
        QTest::newRow("first occurrence decides")
            << "<a clone_compatibility_version=\"2\"/><b clone_compatibility_version=\"3\"/>" << false;
    }
    void cloneCompatibilityVersion()
    {
        QFETCH(QString, text);
        QTEST(profile::IsSupportedCloneVersion(text), "accepted");
    }

    void modelDisplayName_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("shipped code") << "Z450"
                                      << "ZQV450";
        QTest::newRow("every Z") << "Z45Z"
                                 << "ZQV45ZQV";
        QTest::newRow("lower-case z stays") << "z450"
                                            << "z450";
        QTest::newRow("no Z") << "Q450"
                              << "Q450";
        QTest::newRow("other letters stay") << "D7S"
                                            << "D7S";
        QTest::newRow("empty") << ""
                               << "";
    }
    void modelDisplayName()
    {
        QFETCH(QString, code);
        QTEST(profile::ModelDisplayName(code), "name");
    }
};

QTEST_APPLESS_MAIN(TestProfileFormat)
#include "tst_profileformat.moc"
