// The XML layer: hostile input is refused fast and without touching files or the network,
// escaping round-trips, and user text never breaks a query.
#include "StringIds.h"
#include "XmlDom.h"
#include "ZQVCPSException.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zqv;

class TestXmlDom : public QObject {
    Q_OBJECT
private slots:
    void hostileDocumentsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("external entity") << QByteArray(
            "<?xml version='1.0'?><!DOCTYPE p [<!ENTITY x SYSTEM 'file:///etc/passwd'>]>"
            "<ZQVProfile xmlns='urn:corvane:zqv-cps:profile' a='&x;'/>");
        QTest::newRow("network DTD") << QByteArray(
            "<?xml version='1.0'?><!DOCTYPE p SYSTEM 'http://203.0.113.1/p.dtd'><ZQVProfile/>");
        QTest::newRow("parameter entity")
            << QByteArray("<!DOCTYPE p [<!ENTITY % e SYSTEM 'file:///etc/hostname'> %e;]><ZQVProfile/>");
        QByteArray bomb = "<?xml version='1.0'?><!DOCTYPE lolz [<!ENTITY lol0 'lollollollollollollollol'>";
        for (int i = 1; i < 12; ++i)
            bomb += QStringLiteral(
                        "<!ENTITY lol%1 '&lol%2;&lol%2;&lol%2;&lol%2;&lol%2;&lol%2;&lol%2;&lol%2;&lol%2;&lol%2;'>")
                        .arg(i)
                        .arg(i - 1)
                        .toLatin1();
        bomb += "]><ZQVProfile name='&lol11;'>&lol11;</ZQVProfile>";
        QTest::newRow("entity expansion bomb") << bomb;
        QTest::newRow("undeclared entity") << QByteArray("<ZQVProfile a='&nothing;'/>");
        QTest::newRow("truncated") << QByteArray("<ZQVProfile><limit pid='1'");
        QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff\xfe garbage", 14);
        QTest::newRow("empty") << QByteArray();
    }
    void hostileDocumentsAreRefused()
    {
        QFETCH(QByteArray, text);
        QElapsedTimer timer;
        timer.start();
        QString error;
        auto doc = CXmlDocument::Parse(text, &error);
        QVERIFY(!doc);
        QVERIFY(!error.isEmpty());
        QVERIFY2(timer.elapsed() < 1000, "refusing must not expand anything");
    }

    void doctypeReasonIsNamed()
    {
        QString error;
        QVERIFY(!CXmlDocument::Parse(QByteArray("<!DOCTYPE a><a/>"), &error));
        QVERIFY(error.contains("document type"));
        QVERIFY(!CXmlDocument::Parse(QByteArray("<a><b></a>"), &error));
        QVERIFY2(error.startsWith("line 1:"), qPrintable(error));
    }

    void declaredEncodingIsNotUsed()
    {
        // Text handed over as a string is already decoded, whatever its declaration says.
        const QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-16\" ?><a n=\"\u00C9t\u00E9\"/>");
        auto doc = CXmlDocument::Parse(text);
        QVERIFY(doc);
        QCOMPARE(GetAttr(doc->Root(), "n"), QStringLiteral("\u00C9t\u00E9"));
    }

    void escapingRoundTrips_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("plain") << "Team 1"
                               << "Team 1";
        QTest::newRow("ampersand first") << "A&B"
                                         << "A&amp;B";
        QTest::newRow("already escaped text") << "&amp;"
                                              << "&amp;amp;";
        QTest::newRow("angles and quote") << "<\"x\">"
                                          << "&lt;&quot;x&quot;&gt;";
        QTest::newRow("apostrophe stays") << "O'Neil"
                                          << "O'Neil";
        QTest::newRow("latin-1") << QString::fromLatin1("\xC9\xE8\xFF") << QString::fromLatin1("\xC9\xE8\xFF");
    }
    void escapingRoundTrips()
    {
        QFETCH(QString, value);
        QFETCH(QString, escaped);
        QCOMPARE(XmlEscape(value), escaped);
        auto doc = CXmlDocument::Parse(QStringLiteral("<a v=\"%1\"/>").arg(XmlEscape(value)));
        QVERIFY(doc);
        QCOMPARE(GetAttr(doc->Root(), "v"), value);
        // and through serialisation
        auto again = CXmlDocument::Parse(doc->ToUtf8());
        QCOMPARE(GetAttr(again->Root(), "v"), value);
    }

    void queriesBindDfnsAndTakeVariables()
    {
        auto doc = CXmlDocument::Parse(QByteArray(
            "<ZQVProfile xmlns='urn:corvane:zqv-cps:profile'><Contacts><Privates>"
            "<Private name='a&apos;b' pid='1'/><Private name='a&quot;b' pid='2'/><Private name='x])' pid='3'/>"
            "</Privates></Contacts></ZQVProfile>"));
        QVERIFY(doc);
        QCOMPARE(doc->Select(nullptr, "//Private").size(), size_t(0));  // unprefixed finds nothing
        QCOMPARE(doc->Select(nullptr, "//dfns:Private").size(), size_t(3));
        for (const auto &[name, pid] : {std::pair<QString, QString>{"a'b", "1"}, {"a\"b", "2"}, {"x])", "3"}}) {
            xmlNodePtr node = doc->SelectOne(nullptr, "//dfns:Private[@name = $n]", {{"n", name}});
            QVERIFY(node);
            QCOMPARE(GetAttr(node, "pid"), pid);
        }
        QCOMPARE(doc->Number(nullptr, "count(//dfns:Private[contains(@name, $n)])", {{"n", "a"}}), 2.0);
        // the variables of one query do not leak into the next
        try {
            doc->Select(nullptr, "//dfns:Private[@name = $n]");
            QFAIL("an unbound variable must fail");
        } catch (const CZQVCPSException &e) {
            QCOMPARE(e.GetMessageId(), int(IDS_UNKNOWN_ERROR));
        }
    }

    void detachedNodesStayValidUntilTheDocumentGoes()
    {
        auto doc = CXmlDocument::Parse(QByteArray("<r xmlns='urn:corvane:zqv-cps:profile'><a n='1'/><b/></r>"));
        xmlNodePtr a = doc->SelectOne(nullptr, "//dfns:a");
        doc->Detach(a);
        doc->Detach(a);  // twice is harmless
        QCOMPARE(GetAttr(a, "n"), QString("1"));
        QCOMPARE(ElementChildren(doc->Root()).size(), size_t(1));
        xmlNodePtr c = doc->CreateElement("c");
        xmlAddChild(doc->Root(), c);
        QCOMPARE(doc->Select(nullptr, "//dfns:c").size(), size_t(1));  // created in the profile namespace
        doc.reset();  // frees a (detached) and c (in the tree) exactly once; ASan/valgrind would tell
    }

    void exceptionTraceLines()
    {
        CZQVCPSException e(105, "CRadioDataModel::LoadProfile", 42, "bad");
        e.AddTrace("CZQVCPSDoc::OnOpenDocument", 7, kExceptionCaught);
        QCOMPARE(e.GetTrace(),
                 QString("\n(CRadioDataModel::LoadProfile:42) bad\n(CZQVCPSDoc::OnOpenDocument:7) Exception Caught"));
        const auto lib = CZQVCPSException::FromLibraryError(103, "Op", 1, "m", "d", "s");
        QCOMPARE(lib.GetMessageId(), 103);
        QCOMPARE(lib.GetTrace(), QString("\n(Op:1) ErrorMsg: m\nDesc: d\nSource: s"));
    }
};

QTEST_APPLESS_MAIN(TestXmlDom)
#include "tst_xmldom.moc"
