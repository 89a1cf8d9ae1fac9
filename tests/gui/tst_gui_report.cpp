// The report choice and the report window, offscreen: which report can be chosen, the page as
// the window shows it, saving it as a web page and as PDF, printing, and the Report command of
// the desktop program from the menu to the closed window.
#include "GuiTestSupport.h"

#include "CommandIds.h"
#include "MainFrame.h"
#include "ReportDlg.h"
#include "ReportOptionDlg.h"
#include "ReportTestSupport.h"
#include "StringIds.h"
#include "StringTable.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <deque>
#include <functional>
#include <sys/stat.h>

using namespace zqv;
using namespace zqvtest;

namespace {

QString Poppler(const char *tool, const QStringList &args)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(QLatin1String(tool)), args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool HasPoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString PdfText(const QString &pdf)
{
    return Poppler("pdftotext", {pdf, QStringLiteral("-")});
}

QString PdfInfo(const QString &pdf)
{
    return Poppler("pdfinfo", {pdf});
}

// The pictures a PDF holds, as "WIDTHxHEIGHT" in their own pixels.
QStringList PdfPictureSizes(const QString &pdf)
{
    QStringList sizes;
    const QStringList lines = Poppler("pdfimages", {QStringLiteral("-list"), pdf}).split(u'\n');
    for (const QString &line : lines.mid(2)) {
        const QStringList cells = line.simplified().split(u' ');
        if (cells.size() > 4)
            sizes << cells.at(3) + u'x' + cells.at(4);
    }
    return sizes;
}

// Where the leftmost word of a PDF's first page begins, in points from the paper's edge.
double LeftmostText(const QString &pdf)
{
    const QString boxes = Poppler(
        "pdftotext", {QStringLiteral("-bbox"), QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    double leftmost = 1e9;
    static const QRegularExpression xMin(QStringLiteral("<word xMin=\"([0-9.]+)\""));
    for (auto it = xMin.globalMatch(boxes); it.hasNext();)
        leftmost = std::min(leftmost, it.next().captured(1).toDouble());
    return leftmost;
}

// Runs each queued step, in order, on the modal window shown next. It looks every 10 ms; a
// step whose window has not shown after 500 looks is dropped as missed. It lives in the test
// function, so no step runs after the test has returned.
class CModalSteps : public QObject {
public:
    CModalSteps()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { Tick(); });
    }
    void OnNextModal(std::function<void(QWidget *)> step)
    {
        m_steps.push_back(std::move(step));
        m_timer.start(10);
    }
    // Every queued step has run on its window.
    bool AllRan() const { return m_steps.empty() && m_missed == 0; }

private:
    static constexpr int kTries = 500;
    QTimer m_timer;
    std::deque<std::function<void(QWidget *)>> m_steps;
    int m_tries = 0;
    int m_missed = 0;

    void Tick()
    {
        QWidget *w = QApplication::activeModalWidget();
        const bool shown = w && w->isVisible();
        if (!shown && ++m_tries < kTries)
            return;
        std::function<void(QWidget *)> step = std::move(m_steps.front());
        m_steps.pop_front();
        m_tries = 0;
        if (m_steps.empty())
            m_timer.stop();
        if (shown)
            step(w);  // may queue the next step
        else
            ++m_missed;
    }
};

}  // namespace

class TestGuiReport : public QObject {
    Q_OBJECT

    std::unique_ptr<zqv::test::CReportInstallation> inst;
    std::unique_ptr<CZQVCPSDoc> fleet, noOwnRadio;
    CScriptedPrompter prompter;
    CScriptedFileDialog fileDialog;

    CReportContext Context() const
    {
        return {inst->Dir(),
                inst->Path(QStringLiteral("cache")),
                {},
                const_cast<CScriptedPrompter *>(&prompter),
                const_cast<CScriptedFileDialog *>(&fileDialog),
                nullptr};
    }

private slots:
    void initTestCase()
    {
        inst = std::make_unique<zqv::test::CReportInstallation>();
        fleet =
            inst->Open(zqv::test::ReadBytes(QStringLiteral(ZQV_DATA_SOURCE_DIR "/ProfileTemplate/ZQ-450 Standard.zqv")),
                       QStringLiteral("450.zqv"));
        noOwnRadio = inst->Open(zqv::test::Group1WithoutPrivates(), QStringLiteral("g1.zqv"));
        QVERIFY(fleet && noOwnRadio);
    }

    void choiceOffersOnlyWhatTheProfileCanReport()
    {
        CReportOptionDlg both(true);
        QCOMPARE(both.List()->count(), 2);
        QVERIFY(both.List()->item(0)->isSelected());
        QVERIFY(both.OkButton()->isEnabled());

        CReportOptionDlg overviewOnly(false);
        QListWidget *list = overviewOnly.List();
        QVERIFY(list->item(1)->isSelected());
        QVERIFY(!(list->item(0)->flags() & Qt::ItemIsSelectable));
        QCOMPARE(list->item(0)->foreground().color(), overviewOnly.palette().color(QPalette::Disabled, QPalette::Text));
        // Clicking the grey item selects nothing and OK goes grey with the empty selection.
        list->clearSelection();
        QVERIFY(!overviewOnly.OkButton()->isEnabled());
        const QRect grey = list->visualItemRect(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, grey.center());
        QVERIFY(!list->item(0)->isSelected());
        QVERIFY(!overviewOnly.OkButton()->isEnabled());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, grey.center());
        QVERIFY(overviewOnly.isVisible() == false && overviewOnly.result() != QDialog::Accepted);
        list->item(1)->setSelected(true);
        QVERIFY(overviewOnly.OkButton()->isEnabled());
        overviewOnly.accept();
        QCOMPARE(overviewOnly.Choice(), ReportKind::Overview);
    }

    void windowShowsSavesAndPrintsThePage()
    {
        const QString path = WriteReport(*fleet, Context(), ReportKind::RadioSpecific);
        const QString profileFolder = inst->Path(QStringLiteral("profiles"));
        CReportDlg window(path, QStringLiteral("north-dock.zqv"), profileFolder, prompter, fileDialog);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The preview fits the screen's free area.
        const QRect screenArea = window.screen()->availableGeometry();
        CModalSteps modal;
        QRect previewFrame;
        modal.OnNextModal([&](QWidget *preview) {
            previewFrame = preview->frameGeometry();
            qobject_cast<QDialog *>(preview)->reject();
        });
        window.PreviewButton()->click();
        QVERIFY(modal.AllRan());
        QVERIFY2(screenArea.contains(previewFrame),
                 qPrintable(QStringLiteral("%1x%2").arg(previewFrame.width()).arg(previewFrame.height())));
        const QString text = window.Browser()->document()->toPlainText();
        for (const char *expected : {"Unit Private ID", "This Radio", "Receive From", "Transmit To",
                                     "Scroll List (global)", "Text Messages", "On my way"})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);
        QVERIFY(!window.Browser()
                     ->document()
                     ->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("Z450.jpg")))
                     .isNull());

        // Save As: the page with its picture, then PDF; a place that cannot be written is said so.
        const QString besideIt = QFileInfo(path).absolutePath() + QStringLiteral("/copy.htm");
        const QString pipe = inst->Path(QStringLiteral("out/pipe.htm"));
        fileDialog.answers = {inst->Path(QStringLiteral("out/page.htm")), inst->Path(QStringLiteral("out/page.pdf")),
                              inst->Path(QStringLiteral("no/such/folder/page.pdf")), pipe, besideIt};
        QVERIFY(QDir().mkpath(inst->Path(QStringLiteral("out"))));
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        window.SaveAsButton()->click();
        // Save As starts in the profile's folder.
        QCOMPARE(QFileInfo(fileDialog.lastRequest.proposedPath).absolutePath(), profileFolder);
        QCOMPARE(zqv::test::ReadBytes(inst->Path(QStringLiteral("out/page.htm"))), zqv::test::ReadBytes(path));
        QVERIFY(QFile::exists(inst->Path(QStringLiteral("out/Z450.jpg"))));
        // The PDF goes on the default printer's paper, or the locale's where there is no printer:
        // Letter in Canada, though Canada measures in metres.
        const QByteArray paperBefore = qgetenv("LC_PAPER"), allBefore = qgetenv("LC_ALL");
        qputenv("LC_PAPER", "en_CA.UTF-8");
        qunsetenv("LC_ALL");
        window.SaveAsButton()->click();
        qputenv("LC_PAPER", paperBefore);
        qputenv("LC_ALL", allBefore);
        const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
        const QPageSize paper =
            defaultPrinter.isNull() ? QPageSize(QPageSize::Letter) : defaultPrinter.defaultPageSize();
        if (HasPoppler()) {
            QVERIFY(PdfText(inst->Path(QStringLiteral("out/page.pdf"))).contains(QStringLiteral("This Radio")));
            const QSize points = paper.sizePoints();
            QVERIFY2(
                PdfInfo(inst->Path(QStringLiteral("out/page.pdf")))
                    .contains(QStringLiteral("Page size:       %1 x %2 pts").arg(points.width()).arg(points.height())),
                qPrintable(PdfInfo(inst->Path(QStringLiteral("out/page.pdf")))));
        }
        // The message says why, like a profile save's; a FIFO is refused and stays a FIFO.
        for (const QString &reason :
             {QStringLiteral("No such file or directory"), LoadStr(IDS_NOT_REGULAR_FILE_REASON)}) {
            prompter.Clear();
            window.SaveAsButton()->click();
            QCOMPARE(prompter.Texts().size(), 1);
            QVERIFY2(prompter.Texts().first().contains(QStringLiteral("could not be saved")) &&
                         prompter.Texts().first().endsWith(u'\n' + reason),
                     qPrintable(prompter.Texts().first()));
        }
        QVERIFY(QFileInfo::exists(pipe) && !QFileInfo(pipe).isFile());
        // Another name in the report's own folder: its pictures stay where they are.
        prompter.Clear();
        window.SaveAsButton()->click();
        QVERIFY(prompter.Texts().isEmpty());
        QCOMPARE(zqv::test::ReadBytes(besideIt), zqv::test::ReadBytes(path));
        QVERIFY(QFile::exists(QFileInfo(path).absolutePath() + QStringLiteral("/Z450.jpg")));

        // Printing starts with the report's margins on this printer only, and the report's title
        // names the print job.
        const QString printed = inst->Path(QStringLiteral("out/printed.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        QVERIFY(PreparePrinter(printer, window.PrintJob()));
        QCOMPARE(qRound(printer.pageLayout().margins(QPageLayout::Inch).left() * 1000), 237);
        QCOMPARE(qRound(QPrinter(QPrinter::HighResolution).pageLayout().margins(QPageLayout::Inch).left() * 1000) ==
                     237,
                 false);
        QVERIFY(!window.Browser()->documentTitle().isEmpty());
        QCOMPARE(printer.docName(), window.Browser()->documentTitle());
        // A margin the user typed in the print dialog wins over the report's.
        printer.setPageMargins(QMarginsF(1, 1, 1, 1), QPageLayout::Inch);
        window.PrintJob().paint(printer);
        QVERIFY(zqv::test::ReadBytes(printed).startsWith("%PDF-"));
        if (HasPoppler()) {
            QVERIFY(PdfInfo(printed).contains(window.Browser()->documentTitle()));
            const QString printedText = PdfText(printed);
            QVERIFY2(printedText.contains(QStringLiteral("north-dock.zqv")) &&
                         printedText.contains(QStringLiteral("Page 1 of ")),
                     qPrintable(printedText));
            QVERIFY2(LeftmostText(printed) >= 71.5, qPrintable(QString::number(LeftmostText(printed))));
        }
    }

    void reportCommandFromTheMenu()
    {
        CGuiWorld world;
        QVERIFY(world.Start());
        CMainFrame &frame = world.Frame();
        frame.UpdateCommands();
        QVERIFY(!frame.Action(ID_REPORT)->isEnabled());
        QVERIFY(world.app->OpenProfile(world.CopyOfTemplate(QStringLiteral("fleet.zqv"))));
        frame.UpdateCommands();
        QVERIFY(frame.Action(ID_REPORT)->isEnabled());

        QString shownText;
        CModalSteps modal;
        modal.OnNextModal([&](QWidget *choice) {
            auto *dlg = qobject_cast<CReportOptionDlg *>(choice);
            QVERIFY(dlg);
            dlg->List()->item(1)->setSelected(true);
            modal.OnNextModal([&](QWidget *window) {
                auto *report = qobject_cast<CReportDlg *>(window);
                QVERIFY(report);
                shownText = report->Browser()->document()->toPlainText();
                report->CloseButton()->click();
            });
            dlg->OkButton()->click();
        });
        frame.Action(ID_REPORT)->trigger();
        QVERIFY(modal.AllRan());
        QVERIFY2(shownText.contains(QStringLiteral("All Privates")), qPrintable(shownText));
        QVERIFY(QFile::exists(world.installPath + QStringLiteral("/Report/OverviewReport.htm")));

        // A model without a picture leaves an empty place, not a broken-picture sign.
        const QString noPicture = WriteReport(*noOwnRadio, Context(), ReportKind::Overview);
        CReportDlg window(noPicture, QStringLiteral("g1.zqv"), QString(), prompter, fileDialog);
        const QImage placeholder = window.Browser()
                                       ->document()
                                       ->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("41S.jpg")))
                                       .value<QImage>();
        QCOMPARE(placeholder.size(), QSize(1, 1));
        // Printed, it leaves the same empty place: no picture on the page but the blank dot.
        if (HasPoppler()) {
            const QString printed = inst->Path(QStringLiteral("no-picture.pdf"));
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            QVERIFY(PreparePrinter(printer, window.PrintJob()));
            window.PrintJob().paint(printer);
            const QStringList pictures = PdfPictureSizes(printed);
            QVERIFY2(std::all_of(pictures.begin(), pictures.end(),
                                 [](const QString &size) { return size == QLatin1String("1x1"); }),
                     qPrintable(pictures.join(u' ')));
        }

        // A template that is gone: message 101, and no window.
        QFile::remove(world.installPath + QStringLiteral("/Report/SpecReport.tpl"));
        modal.OnNextModal([](QWidget *choice) {
            auto *dlg = qobject_cast<CReportOptionDlg *>(choice);
            QVERIFY(dlg);
            dlg->OkButton()->click();
        });
        frame.Action(ID_REPORT)->trigger();
        QVERIFY(modal.AllRan());
        QCOMPARE(world.prompter.Texts().value(world.prompter.Texts().size() - 1), LoadStr(IDS_FATAL_ERROR_101));
    }
};

QTEST_MAIN(TestGuiReport)
#include "tst_gui_report.moc"
