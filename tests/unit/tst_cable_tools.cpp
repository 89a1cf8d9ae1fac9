// The cable finder over a fake port list, the port inventory, the kept session traces and
// the support bundle (its entries, and that nothing private is in it unless asked).
#include "ConfigStore.h"
#include "LinkTrace.h"
#include "ModelTestSupport.h"
#include "PortInventory.h"
#include "SupportBundle.h"
#include "TraceStore.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <zip.h>

using namespace zqv;
using namespace zqv::test;

namespace {

QList<SerialPortEntry> Ports(const QString &names)
{
    CListPortEnumerator e;
    for (const QString &n : names.split(u' ', Qt::SkipEmptyParts))
        e.Add(n);
    return e.ports;
}

// The entries of a zip file: name -> text.
QMap<QString, QString> Unzip(const QByteArray &bytes)
{
    QMap<QString, QString> out;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *src = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    zip_t *archive = src ? zip_open_from_source(src, ZIP_RDONLY, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive)
        return out;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(archive, zip_uint64_t(i), 0, &st);
        zip_file_t *f = zip_fopen_index(archive, zip_uint64_t(i), 0);
        QByteArray data(qsizetype(st.size), '\0');
        zip_fread(f, data.data(), st.size);
        zip_fclose(f);
        out.insert(QString::fromUtf8(st.name), QString::fromUtf8(data));
    }
    zip_close(archive);
    return out;
}

QString HexOf(const QByteArray &text)
{
    return QString::fromLatin1(text.toHex(' ').toUpper());
}

}  // namespace

class TestCableTools : public QObject {
    Q_OBJECT

private slots:
    // Each row: the port lists seen one after the other (the first when the finder starts),
    // the events they give, and the ports found at the end.
    void finder_data()
    {
        QTest::addColumn<QStringList>("snapshots");
        QTest::addColumn<QString>("events");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("unplugged and back")
            << QStringList{"ttyS0 ttyUSB0", "ttyS0", "ttyS0 ttyUSB0"} << "-ttyUSB0 +ttyUSB0" << QStringList{"ttyUSB0"};
        QTest::newRow("back under another name")
            << QStringList{"ttyS0 ttyUSB0", "ttyS0", "ttyS0 ttyUSB1"} << "-ttyUSB0 +ttyUSB1" << QStringList{"ttyUSB1"};
        QTest::newRow("two cables") << QStringList{"ttyUSB0 ttyUSB1", "ttyUSB1", "", "ttyUSB1", "ttyUSB0 ttyUSB1"}
                                    << "-ttyUSB0 -ttyUSB1 +ttyUSB1 +ttyUSB0" << QStringList{"ttyUSB1", "ttyUSB0"};
        QTest::newRow("first plugged in")
            << QStringList{"ttyS0", "ttyS0", "ttyS0 ttyACM0"} << "*ttyACM0" << QStringList{"ttyACM0"};
        QTest::newRow("gone again after coming back")
            << QStringList{"ttyUSB0", "", "ttyUSB0", ""} << "-ttyUSB0 +ttyUSB0 -ttyUSB0" << QStringList{};
    }
    void finder()
    {
        QFETCH(QStringList, snapshots);
        QFETCH(QString, events);
        QFETCH(QStringList, found);
        CCableFinder finder;
        finder.Start(Ports(snapshots.first()));
        QStringList seen;
        for (const QString &s : snapshots.mid(1))
            for (const CCableFinder::Event &e : finder.Update(Ports(s)))
                seen << (e.kind == CCableFinder::EventKind::Gone       ? u'-'
                             : e.kind == CCableFinder::EventKind::Back ? u'+'
                                                                       : u'*') +
                        e.portName;
        QCOMPARE(seen.join(u' '), events);
        QCOMPARE(finder.FoundPorts(), found);
    }

    // The inventory tells the cable by its description in any case and names who holds a
    // port open, with its process ID.
    void inventory()
    {
        QTemporaryDir dir;
        const QString device = dir.filePath(QStringLiteral("ttyUSB3"));
        WriteBytes(device, "x");
        CListPortEnumerator ports;
        ports.Add(device, QStringLiteral("br zqv cable"));
        ports.ports.last().vendorId = 0x0403;
        ports.ports.last().productId = 0x6001;
        ports.Add(dir.filePath(QStringLiteral("ttyS0")), QStringLiteral("16550A"));
        QProcess holder;
        holder.setProgram(QStringLiteral("sleep"));
        holder.setArguments({QStringLiteral("30")});
        holder.setStandardInputFile(device);
        holder.start();
        QVERIFY(holder.waitForStarted());
        // The child opens the file after it started; give it a moment.
        QList<PortInfo> inv;
        for (int i = 0; i < 50; ++i) {
            inv = TakePortInventory(ports);
            if (!inv.first().holders.isEmpty())
                break;
            QTest::qWait(20);
        }
        QCOMPARE(inv.size(), 2);
        QVERIFY(inv[0].isCable);
        QVERIFY(!inv[1].isCable);
        QCOMPARE(UsbIds(inv[0].entry), QStringLiteral("0403:6001"));
        QCOMPARE(inv[0].holders.size(), 1);
        QCOMPARE(inv[0].holders.first().pid, holder.processId());
        QCOMPARE(inv[0].holders.first().name, QStringLiteral("sleep"));
        QVERIFY(inv[1].holders.isEmpty());
        holder.kill();
        holder.waitForFinished();
    }

    // Every session keeps its own trace, the newest ten are kept, and the switch in the
    // configuration turns it off.
    void sessionTraces()
    {
        QTemporaryDir dir;
        tracestore::SetFolder(dir.filePath(QStringLiteral("traces")));
        CConfigStore().Write(tracestore::KeepLinkTraces, 1u);
        for (int i = 0; i < tracestore::kKeptSessions + 2; ++i) {
            tracestore::BeginSession();
            QVERIFY(linktrace::Active());
            linktrace::Event(QStringLiteral("session %1").arg(i));
            tracestore::EndSession();
            QTest::qWait(2);  // the names carry the time in ms
        }
        QStringList traces = tracestore::Traces();
        QCOMPARE(traces.size(), tracestore::kKeptSessions);
        QVERIFY(ReadBytes(traces.first()).contains("EV session 11"));
        QVERIFY(ReadBytes(traces.last()).contains("EV session 2"));
        QCOMPARE(QFile::permissions(traces.first()) & (QFileDevice::ReadOther | QFileDevice::ReadGroup), 0);

        CConfigStore().Write(tracestore::KeepLinkTraces, 0u);
        tracestore::BeginSession();
        QVERIFY(!linktrace::Active());
        tracestore::EndSession();
        QCOMPARE(tracestore::Traces(), traces);
        tracestore::SetFolder(QString());
    }

    // The bundle's entries, and a scan of every entry for the codeplug password, the dealer
    // texts, the contacts' names and IDs: none is there unless names are asked for.
    void supportBundle_data()
    {
        QTest::addColumn<bool>("includeNames");
        QTest::newRow("without names") << false;
        QTest::newRow("with names") << true;
    }
    void supportBundle()
    {
        QFETCH(bool, includeNames);
        QTemporaryDir dir;
        const QString password = QStringLiteral("7315");
        const QString dealer = QStringLiteral("Harbour Radio Ltd, call 0171 555 0199");
        const QString name = QStringLiteral("Dispatch");
        const QString pid = QStringLiteral("17179869183");

        CConfigStore config(dir.filePath(QStringLiteral("user")), dir.filePath(QStringLiteral("system")));
        QVERIFY(config.Write(config::UserDealerInfo, dealer, QStringLiteral("English")));
        QVERIFY(config.Write(config::CurrentComPort, QStringLiteral("ttyUSB0")));
        QVERIFY(config.Write(config::RecentFile, dir.filePath(name + QStringLiteral(".zqv")), QStringLiteral("1")));

        // A trace with a settings block carrying the password and a contact record.
        const QString trace = dir.filePath(QStringLiteral("link-20261209-010203-004.log"));
        WriteBytes(trace,
                   QStringLiteral("1 2026-12-09T01:02:03.004Z EV open /dev/ttyUSB0\n"
                                  "2 2026-12-09T01:02:03.104Z TX 9B 29 20 00 %1 00 11\n"
                                  "3 2026-12-09T01:02:03.204Z RX 9B 31 1C 01 %2 00 5A\n")
                       .arg(HexOf(password.toLatin1()), HexOf(name.toLatin1() + ' ' + pid.toLatin1()))
                       .toUtf8());

        SupportBundleInput input;
        input.programVersion = QStringLiteral("9.9.9");
        input.traces = {trace};
        input.config = &config;
        input.doctorReport = QStringLiteral("[passed] The port exists");
        input.profile = CXmlDocument::Parse(ReadProfileFile(FixturePath(QStringLiteral("profiles/valid_group3.zqv"))));
        QVERIFY(input.profile);
        input.includeNames = includeNames;
        const QString path = dir.filePath(QStringLiteral("bundle.zip"));
        QString error;
        QVERIFY2(SaveSupportBundle(path, input, &error), qPrintable(error));

        const QMap<QString, QString> entries = Unzip(ReadBytes(path));
        QCOMPARE(entries.keys(),
                 (QStringList{"README.txt", "configuration.txt", "profile.txt", "system.txt",
                              "traces/link-20261209-010203-004.log", "troubleshooter.txt", "version.txt"}));
        QVERIFY(entries["version.txt"].contains(QLatin1String("9.9.9")));
        QVERIFY(entries["system.txt"].contains(QLatin1String("libxml2=")));
        QVERIFY(entries["configuration.txt"].contains(QLatin1String("CurrentComPort=ttyUSB0")));
        QVERIFY(entries["profile.txt"].contains(QLatin1String("model=ZK41")));
        QVERIFY(entries["troubleshooter.txt"].contains(input.doctorReport));
        QVERIFY(entries["traces/link-20261209-010203-004.log"].contains(QLatin1String("EV open /dev/ttyUSB0")));

        const QString all = QStringList(entries.values()).join(u'\n');
        // The dealer texts and the recent files never go in.
        QVERIFY(!all.contains(QLatin1String("Harbour Radio")));
        QVERIFY(!all.contains(name + QStringLiteral(".zqv")));
        for (const QString &secret : {HexOf(password.toLatin1()), HexOf(name.toLatin1()), name, pid})
            QVERIFY2(all.contains(secret) == includeNames, qPrintable(secret));
    }
};

QTEST_MAIN(TestCableTools)
#include "tst_cable_tools.moc"
