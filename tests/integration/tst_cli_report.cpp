// zqvcps-cli report, run as a dealer runs it: the page in the Report window's encoding with its
// picture beside it, PDF with the radio's text, and the failures with their exit codes.
#include "CliTestSupport.h"
#include "ReportTestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestCliReport : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    // The installation folder: the shipped templates and report templates, the adaptation files.
    zqv::test::CReportInstallation install;

    QString Path(const QString &name) const { return dir.filePath(name); }
    static QString Data(const char *relative)
    {
        return QStringLiteral(ZQV_DATA_SOURCE_DIR "/") + QLatin1String(relative);
    }

    // zqvcps-cli on this test's own installation folder.
    zqv::test::CliResult Cli(const QStringList &args)
    {
        return zqv::test::Cli(args, QProcessEnvironment::systemEnvironment(), install.Dir());
    }

    static QByteArray Read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        for (const char *folder : {"ProfileTemplate", "Report"}) {
            const QDir from(Data(folder));
            for (const QString &name : from.entryList(QDir::Files))
                QVERIFY(QFile::exists(install.Path(QLatin1String(folder) + u'/' + name)));
        }
        for (const char *name : {"Region.stv", "UpDownGradeSetting.stv"})
            QVERIFY(QFile::exists(install.Path(QStringLiteral("lib/") + QLatin1String(name))));
        QVERIFY(QDir().mkpath(Path("out")));
    }

    void pageAndPdf()
    {
        const QString profile = Data("ProfileTemplate/ZQ-880 Fleet.zqv");
        zqv::test::CliResult r = Cli({"report", "--kind", "overview", profile, "-o", Path("out/fleet.htm")});
        QVERIFY2(r.exit == 0, qPrintable(r.err));
        const QByteArray page = Read(Path("out/fleet.htm"));
        QVERIFY(page.startsWith("\xFF\xFE<\0h\0t\0m\0l\0"));
        QVERIFY(QFile::exists(Path("out/80S.jpg")));

        r = Cli({"report", "--kind", "spec", profile, "-o", Path("out/radio.PDF")});
        QVERIFY2(r.exit == 0, qPrintable(r.err));
        QVERIFY(Read(Path("out/radio.PDF")).startsWith("%PDF-"));
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: run scripts/setup.sh");
        QProcess p;
        p.start(pdftotext, {Path("out/radio.PDF"), QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(text.contains(QStringLiteral("This Radio")) && text.contains(QStringLiteral("ZQV880")),
                 qPrintable(text));
    }

    void failures()
    {
        const QString profile = Data("ProfileTemplate/ZQ-450 Standard.zqv");
        QCOMPARE(Cli({"report", profile, "-o", Path("out/x.htm")}).exit, 2);  // no --kind
        QCOMPARE(Cli({"report", "--kind", "both", profile, "-o", Path("out/x.htm")}).exit, 2);
        QCOMPARE(Cli({"report", "--kind", "spec", profile, "-o", Path("out/x.doc")}).exit, 2);
        QCOMPARE(Cli({"report", "--kind", "spec", Path("missing.zqv"), "-o", Path("out/x.htm")}).exit, 1);
        zqv::test::CliResult r = Cli({"report", "--kind", "spec", profile, "-o", Path("no/such/folder/x.pdf")});
        QCOMPARE(r.exit, 1);
        QVERIFY2(r.err.contains("could not be saved"), qPrintable(r.err));

        // A profile whose unit PID is no private contact has no Radio-Specific Report.
        QString text = QString::fromUtf8(Read(profile));
        text.replace(QStringLiteral("pid=\"10000101\"\n\tvalid_PID_start"),
                     QStringLiteral("pid=\"10000999\"\n\tvalid_PID_start"));
        QFile f(Path("other.zqv"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text.toUtf8());
        f.close();
        r = Cli({"report", "--kind", "spec", Path("other.zqv"), "-o", Path("out/other.htm")});
        QCOMPARE(r.exit, 1);
        QVERIFY2(r.err.contains("no such contact"), qPrintable(r.err));
        QVERIFY(!QFile::exists(Path("out/other.htm")));

        // A missing template: message 101.
        QVERIFY(QFile::remove(install.Path(QStringLiteral("Report/OverviewReport.tpl"))));
        r = Cli({"report", "--kind", "overview", profile, "-o", Path("out/o.htm")});
        QCOMPARE(r.exit, 1);
        QVERIFY2(r.err.contains("Fatal error: 101."), qPrintable(r.err));
    }
};

QTEST_MAIN(TestCliReport)
#include "tst_cli_report.moc"
