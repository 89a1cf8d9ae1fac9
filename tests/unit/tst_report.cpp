// The report pages: the generated HTML of both reports for two fixed profiles compared byte for
// byte with committed pages, the escaping and list rules, template and output failures, the
// fall-back to the cache folder, and PDF output.
//
// ZQV_UPDATE_GOLDEN=1 rewrites the committed pages from the current output (then review the diff).
#include "ReportTestSupport.h"

#include "ReportBuilder.h"
#include "ReportPdf.h"
#include "StringIds.h"
#include "StringTable.h"
#include "ZQVCPSException.h"

#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTest>

using namespace zqv;
using namespace zqv::test;

namespace {

QString GoldenPath(const QString &name)
{
    return FixturePath(QStringLiteral("report/") + name);
}

QByteArray Utf16File(const QString &text)
{
    QStringEncoder encoder(QStringEncoder::Utf16LE);
    return QByteArray("\xFF\xFE", 2) + QByteArray(encoder.encode(text));
}

// Where two texts first differ: line, column and both lines, tabs shown as \t.
QString FirstDifference(const QString &expected, const QString &actual)
{
    const QStringList e = expected.split(u'\n'), a = actual.split(u'\n');
    for (qsizetype i = 0; i < std::max(e.size(), a.size()); ++i) {
        const QString el = i < e.size() ? e.at(i) : QStringLiteral("<end of page>");
        const QString al = i < a.size() ? a.at(i) : QStringLiteral("<end of page>");
        if (el == al)
            continue;
        qsizetype col = 0;
        while (col < el.size() && col < al.size() && el.at(col) == al.at(col))
            ++col;
        auto around = [col](const QString &line) {
            return line.mid(std::max<qsizetype>(0, col - 60), 160).replace(u'\t', QStringLiteral("\\t"));
        };
        return QStringLiteral("line %1, column %2\n expected: ...%3\n actual:   ...%4")
            .arg(i + 1)
            .arg(col + 1)
            .arg(around(el), around(al));
    }
    return QStringLiteral("the texts are equal, the bytes are not (encoding or byte-order mark)");
}

QString Pdftotext()
{
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
}

// The text of each page of a PDF, laid out as on the page.
QStringList PdfPages(const QString &pdf)
{
    QProcess p;
    p.start(Pdftotext(), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

CDealerTexts SampleDealer()
{
    return {QStringLiteral("Corvane Radio Service\r\nUnit 4 & 5, Dock Road"),
            QStringLiteral("Batteries: <charge> weekly"), QStringLiteral("Call 555-0100<BR>")};
}

int ThrownBy(const std::function<void()> &f, QString *trace = nullptr)
{
    return ThrownId(f, trace);
}

}  // namespace

class TestReport : public QObject {
    Q_OBJECT

    std::unique_ptr<CReportInstallation> inst;
    std::unique_ptr<CZQVCPSDoc> group3, group1Empty, group1;

private slots:
    void initTestCase()
    {
        inst = std::make_unique<CReportInstallation>();
        group3 =
            inst->Open(ReadBytes(FixturePath(QStringLiteral("profiles/valid_group3.zqv"))), QStringLiteral("g3.zqv"));
        group1Empty = inst->Open(Group1WithoutPrivates(), QStringLiteral("g1e.zqv"));
        group1 =
            inst->Open(ReadBytes(FixturePath(QStringLiteral("profiles/valid_group1.zqv"))), QStringLiteral("g1.zqv"));
        QVERIFY(group3 && group1Empty && group1);
        QCOMPARE(group1Empty->Model().GetSettingGroup(), 1);
    }

    void pagesMatchTheCommittedPages_data()
    {
        QTest::addColumn<int>("profile");
        QTest::addColumn<bool>("radioSpecific");
        QTest::addColumn<bool>("dealer");
        QTest::addColumn<QString>("golden");
        QTest::newRow("group 3, radio-specific") << 3 << true << true << "group3_radio_specific.htm";
        QTest::newRow("group 3, overview") << 3 << false << true << "group3_overview.htm";
        QTest::newRow("group 1 without privates, overview") << 1 << false << false << "group1_empty_overview.htm";
    }
    void pagesMatchTheCommittedPages()
    {
        QFETCH(int, profile);
        QFETCH(bool, radioSpecific);
        QFETCH(bool, dealer);
        QFETCH(QString, golden);
        const CZQVCPSDoc &doc = profile == 3 ? *group3 : *group1Empty;
        const ReportKind kind = radioSpecific ? ReportKind::RadioSpecific : ReportKind::Overview;
        const QString html = CReportBuilder(doc, inst->Dir(), dealer ? SampleDealer() : CDealerTexts{}).Build(kind);
        const QString written = report::SaveReport(inst->Dir(), inst->Path(QStringLiteral("cache")),
                                                   CReportBuilder::OutputName(kind), html);
        QCOMPARE(written, inst->Path(QStringLiteral("Report/")) + CReportBuilder::OutputName(kind));
        const QByteArray bytes = ReadBytes(written);
        if (qEnvironmentVariableIntValue("ZQV_UPDATE_GOLDEN"))
            WriteBytes(GoldenPath(golden), html.toUtf8());
        const QString expected = QString::fromUtf8(ReadBytes(GoldenPath(golden)));
        QVERIFY2(!expected.isEmpty(), qPrintable(golden + QStringLiteral(" is missing")));
        QVERIFY2(bytes == Utf16File(expected),
                 qPrintable(FirstDifference(expected, QStringDecoder(QStringDecoder::Utf16LE).decode(bytes.mid(2)))));
    }

    // The radio-specific report describes the radio whose unit PID a private contact carries.
    void radioSpecificReportNeedsTheRadiosOwnContact()
    {
        QVERIFY(CReportBuilder(*group3, inst->Dir(), {}).IsRadioSpecificAvailable());
        const CReportBuilder none(*group1Empty, inst->Dir(), {});
        QVERIFY(!none.IsRadioSpecificAvailable());
        QCOMPARE(ThrownBy([&] { none.BuildRadioSpecificReport(); }), int(IDS_REPORT_NO_OWN_RADIO));
    }

    // A group-1 radio has one scroll list and no private-scroll-list switch; the dealer block
    // is left out when every dealer text is blank.
    void group1RadioSpecificReport()
    {
        const QString html =
            CReportBuilder(*group1, inst->Dir(), {QStringLiteral(" "), QString(), QStringLiteral("\r\n")})
                .BuildRadioSpecificReport();
        QVERIFY(html.contains(QStringLiteral("<div class=\"ItemTitle\">Scroll List</div>")));
        QVERIFY(!html.contains(QStringLiteral("Private Scroll List")));
        QVERIFY(!html.contains(QStringLiteral("(global)")));
        QVERIFY(!html.contains(QStringLiteral("Dealer Information")));
    }

    void escapingAndTwoColumnLists()
    {
        QCOMPARE(report::EscapeCell(QStringLiteral("A & B")), QStringLiteral("A&nbsp;&amp;&nbsp;B"));
        QCOMPARE(report::EscapeCell(QStringLiteral("<\"x\">")), QStringLiteral("&lt;&quot;x&quot;&gt;"));
        QCOMPARE(report::EscapeText(QStringLiteral("Meet at 5 & 6")), QStringLiteral("Meet at 5 &amp; 6"));
        QCOMPARE(report::EscapeDealerText(QStringLiteral("a\r\nb & c")), QStringLiteral("a<BR>b &amp; c<BR>"));
        QCOMPARE(report::EscapeDealerText(QStringLiteral("a\nb")), QStringLiteral("a<BR>b<BR>"));
        QCOMPARE(report::EscapeDealerText(QStringLiteral("a\r\n")), QStringLiteral("a<BR>"));
        QCOMPARE(report::EscapeDealerText(QString()), QStringLiteral("<BR>"));

        const QString three = report::TwoColumnList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        QCOMPARE(three.count(QStringLiteral("<tr>")), 2);
        QVERIFY(three.endsWith(QStringLiteral(">c</td><td width=\"265\" class=\"ItemVal\">&nbsp;</td></tr></table>")));
        QCOMPARE(
            report::TwoColumnList({QStringLiteral("a"), QStringLiteral("b")}).count(QStringLiteral("&nbsp;</td></tr>")),
            0);
        QVERIFY(report::TwoColumnList({}).isEmpty());

        // A name with a percent sign or a placeholder-like text stays as it is.
        const QString odd =
            CReportBuilder(*group3, inst->Dir(), {QStringLiteral("100% %1 %s"), {}, {}}).BuildOverviewReport();
        QVERIFY(odd.contains(QStringLiteral(">100% %1 %s<BR></td>")));
    }

    void templatesAndTheirMarkers()
    {
        const QStringList pieces = report::SplitTemplate(
            QStringLiteral("a<!-- report content begin -->\nb<!-- report content begin -->xc"), 2);
        QCOMPARE(pieces,
                 (QStringList{QStringLiteral("a<!-- report content begin -->\n"),
                              QStringLiteral("b<!-- report content begin -->x"), QStringLiteral("c")}));
        // The page is title, content and the rest of the template in order.
        QString trace;
        QCOMPARE(ThrownBy([] { report::SplitTemplate(QStringLiteral("<!-- report content begin -->\n"), 2); }, &trace),
                 int(IDS_FATAL_ERROR_101));

        CReportInstallation bare;
        QFile::remove(bare.Path(QStringLiteral("Report/OverviewReport.tpl")));
        auto doc = bare.Open(ReadBytes(FixturePath(QStringLiteral("profiles/valid_group3.zqv"))));
        QVERIFY(doc);
        QCOMPARE(ThrownBy([&] { CReportBuilder(*doc, bare.Dir(), {}).BuildOverviewReport(); }, &trace),
                 int(IDS_FATAL_ERROR_101));
        QVERIFY2(trace.contains(QStringLiteral("Open template file failed")), qPrintable(trace));
        WriteBytes(bare.Path(QStringLiteral("Report/SpecReport.tpl")), "<html>REPORT_TITLE</html>");
        QCOMPARE(ThrownBy([&] { CReportBuilder(*doc, bare.Dir(), {}).BuildRadioSpecificReport(); }),
                 int(IDS_FATAL_ERROR_101));
    }

    // A Report folder that refuses the page sends it, with the pictures, to the cache folder;
    // when the cache refuses it too, the failure names the report file and why.
    void refusedReportFolderFallsBackToTheCache()
    {
        CReportInstallation local;
        // A folder in the page's place cannot be opened for writing, whoever runs the test.
        QVERIFY(QDir(local.Dir()).mkpath(QStringLiteral("Report/SpecReport.htm")));
        const QString cache = local.Path(QStringLiteral("user-cache/reports"));
        QVERIFY(QDir().mkpath(cache));
        WriteBytes(local.Path(QStringLiteral("user-cache/reports/Z450.jpg")), "stale");
        const QString written =
            report::SaveReport(local.Dir(), cache, QStringLiteral("SpecReport.htm"), QStringLiteral("<p>x</p>"));
        QCOMPARE(written, cache + QStringLiteral("/SpecReport.htm"));
        QCOMPARE(ReadBytes(written), Utf16File(QStringLiteral("<p>x</p>")));
        for (const QString &picture : QDir(local.Path(QStringLiteral("Report"))).entryList({QStringLiteral("*.jpg")}))
            QCOMPARE(ReadBytes(cache + u'/' + picture), ReadBytes(local.Path(QStringLiteral("Report/")) + picture));
        QVERIFY(QDir(local.Path(QStringLiteral("Report"))).entryList({QStringLiteral("*.jpg")}).size() >= 6);

        WriteBytes(local.Path(QStringLiteral("not-a-folder")), "x");
        try {
            report::SaveReport(local.Dir(), local.Path(QStringLiteral("not-a-folder")),
                               QStringLiteral("SpecReport.htm"), QStringLiteral("x"));
            QFAIL("no exception");
        } catch (const CZQVCPSException &e) {
            QCOMPARE(e.GetMessageId(), int(IDS_SAVE_IO_ERROR));
            QCOMPARE(e.MessageText(),
                     FormatStr(IDS_SAVE_IO_ERROR,
                               {local.Path(QStringLiteral("not-a-folder/SpecReport.htm")),
                                QStringLiteral("Not a directory")}));
            QVERIFY2(e.GetTrace().contains(QStringLiteral("Open report file failed")), qPrintable(e.GetTrace()));
        }
    }

    // Every picture a shipped template asks for, for every shipped model, is shipped.
    void everyPictureTheShippedModelsNeedIsShipped()
    {
        const QDir templates(QStringLiteral(ZQV_DATA_SOURCE_DIR "/ProfileTemplate"));
        for (const QString &name : templates.entryList({QStringLiteral("*.zqv")})) {
            auto doc = inst->Open(ReadBytes(templates.filePath(name)), QStringLiteral("shipped.zqv"));
            QVERIFY2(doc, qPrintable(name));
            const CReportBuilder builder(*doc, inst->Dir(), {});
            for (const QString &html : {builder.BuildRadioSpecificReport(), builder.BuildOverviewReport()}) {
                const QStringList pictures = report::ReferencedPictures(html);
                QVERIFY2(!pictures.isEmpty(), qPrintable(name));
                for (const QString &picture : pictures)
                    QVERIFY2(!QImage(inst->Path(QStringLiteral("Report/")) + picture).isNull(),
                             qPrintable(name + u' ' + picture));
            }
        }
    }

    void pdfCarriesTheReport()
    {
        if (Pdftotext().isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: run scripts/setup.sh");
        const QString html = CReportBuilder(*group3, inst->Dir(), {}).BuildRadioSpecificReport();
        const QString pdf = inst->Path(QStringLiteral("spec.pdf"));
        QVERIFY(report::WriteReportPdf(html, inst->Path(QStringLiteral("Report")), pdf,
                                       QStringLiteral("Radio-Specific Report"), {QStringLiteral("g3.zqv")}));
        QVERIFY(ReadBytes(pdf).startsWith("%PDF-"));
        const QString text = PdfPages(pdf).join(u'\f');
        for (const char *expected : {"Base 01", "Receive From", "Night Shift", "Meeting at 10:00"})
            QVERIFY2(text.contains(QLatin1String(expected)), qPrintable(text));
        // A PDF that cannot be written is not reported as written.
        QVERIFY(!report::WriteReportPdf(html, inst->Dir(), inst->Path(QStringLiteral("no/such/folder/x.pdf")),
                                        QString(), {}));
    }

    // Printed pages on papers of many heights, so page ends fall everywhere in the page: every
    // page has its footer, no heading stays alone at a page's foot, and a contact table that
    // goes on onto a new page shows its column heads there again.
    void printedPagesKeepHeadingsHeadsAndFooters()
    {
        if (Pdftotext().isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: run scripts/setup.sh");
        const QString html = CReportBuilder(*group3, inst->Dir(), SampleDealer()).BuildOverviewReport();
        const QDate printed(2026, 3, 14);
        const QString date = QLocale().toString(printed, QLocale::ShortFormat);
        const QStringList headings = {
            LoadStr(IDS_DEALER_INFO_TITLE),  LoadStr(IDS_ALL_PRIVATES),         LoadStr(IDS_ALL_PUBLIC_GROUPS),
            LoadStr(IDS_ALL_PRIVATE_GROUPS), LoadStr(IDS_MANAGER_MODE_ENABLED), LoadStr(IDS_SEE_ALL_GROUPS_ENABLED),
            LoadStr(IDS_GROUP_ONLY_ENABLED), LoadStr(IDS_PRIVATE_GROUPS),       LoadStr(IDS_PUBLIC_GROUPS),
            LoadStr(IDS_GROUP_MEMBERS),      LoadStr(IDS_RECEIVE_LIST)};
        // A row of the private contacts' table: name, PID, channel, group only.
        const QRegularExpression privateRow(QStringLiteral("\\S\\s+\\d+\\s+\\d+\\s+(Yes|No)\\s*$"));
        const QRegularExpression subTitle(QStringLiteral("\\(Channel \\d+\\)$"));
        int continuedTables = 0;
        for (int height = 70; height <= 160; height += 6) {
            const QString pdf = inst->Path(QStringLiteral("overview-%1.pdf").arg(height));
            QVERIFY(report::WriteReportPdf(html, inst->Path(QStringLiteral("Report")), pdf,
                                           QStringLiteral("Overview Report"), {QStringLiteral("g3.zqv"), printed},
                                           QPageSize(QSizeF(120, height), QPageSize::Millimeter)));
            const QStringList pages = PdfPages(pdf);
            QVERIFY(pages.size() > 1);
            for (int i = 0; i < pages.size(); ++i) {
                const QString where = QStringLiteral("%1 mm, page %2:\n%3").arg(height).arg(i + 1).arg(pages.at(i));
                QStringList lines = pages.at(i).split(u'\n');
                lines.removeIf([](const QString &line) { return line.trimmed().isEmpty(); });
                QVERIFY2(!lines.isEmpty(), qPrintable(where));
                const QString footer = lines.takeLast();
                QVERIFY2(footer.contains(QStringLiteral("g3.zqv")) &&
                             footer.contains(QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages.size())) &&
                             footer.contains(date),
                         qPrintable(where));
                const QString last = lines.isEmpty() ? QString() : lines.last().trimmed();
                QVERIFY2(!headings.contains(last) && !subTitle.match(last).hasMatch(), qPrintable(where));
                const bool showsPrivates = std::any_of(
                    lines.begin(), lines.end(), [&](const QString &line) { return privateRow.match(line).hasMatch(); });
                if (!showsPrivates)
                    continue;
                QVERIFY2(pages.at(i).contains(QStringLiteral("G.O.")), qPrintable(where));
                if (!pages.at(i).contains(LoadStr(IDS_ALL_PRIVATES)))
                    ++continuedTables;
            }
        }
        // Some of the papers cut the private contacts' table.
        QVERIFY(continuedTables > 0);
    }

    // The paper where no printer chose one comes from the locale, which knows that Canada and
    // Mexico measure in metres but print on Letter; LC_ALL wins over LC_PAPER over LANG.
    void paperComesFromTheLocale_data()
    {
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcPaper");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<int>("paper");
        const int letter = QPageSize::Letter, a4 = QPageSize::A4;
        QTest::newRow("United States") << ""
                                       << ""
                                       << "en_US.UTF-8" << letter;
        QTest::newRow("Canada, English") << ""
                                         << "en_CA.UTF-8"
                                         << "de_DE.UTF-8" << letter;
        QTest::newRow("Canada, French") << ""
                                        << "fr_CA"
                                        << "" << letter;
        QTest::newRow("Mexico") << ""
                                << "es_MX.UTF-8@euro"
                                << "en_GB.UTF-8" << letter;
        QTest::newRow("Brazil") << ""
                                << ""
                                << "pt_BR.UTF-8" << a4;
        QTest::newRow("Germany under a US paper") << "de_DE.UTF-8"
                                                  << "en_US.UTF-8"
                                                  << "en_US.UTF-8" << a4;
        QTest::newRow("C") << ""
                           << "C"
                           << "en_US.UTF-8" << a4;
    }
    void paperComesFromTheLocale()
    {
        QFETCH(QString, lcAll);
        QFETCH(QString, lcPaper);
        QFETCH(QString, lang);
        QFETCH(int, paper);
        const QByteArray saved[] = {qgetenv("LC_ALL"), qgetenv("LC_PAPER"), qgetenv("LANG")};
        qputenv("LC_ALL", lcAll.toUtf8());
        qputenv("LC_PAPER", lcPaper.toUtf8());
        qputenv("LANG", lang.toUtf8());
        const QPageSize::PageSizeId chosen = report::LocalePaperSize().id();
        qputenv("LC_ALL", saved[0]);
        qputenv("LC_PAPER", saved[1]);
        qputenv("LANG", saved[2]);
        QCOMPARE(int(chosen), paper);
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
