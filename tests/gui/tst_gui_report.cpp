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
#include <QProcess>
#include <QPushButton>
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

QString PdfText(const QString &pdf)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
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
        CReportDlg window(path, prompter, fileDialog);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
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
        QCOMPARE(zqv::test::ReadBytes(inst->Path(QStringLiteral("out/page.htm"))), zqv::test::ReadBytes(path));
        QVERIFY(QFile::exists(inst->Path(QStringLiteral("out/Z450.jpg"))));
        window.SaveAsButton()->click();
        if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QVERIFY(PdfText(inst->Path(QStringLiteral("out/page.pdf"))).contains(QStringLiteral("This Radio")));
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

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(inst->Path(QStringLiteral("out/printed.pdf")));
        window.PrintTo(printer);
        // The report's margins on this printer, and nowhere else.
        QCOMPARE(qRound(printer.pageLayout().margins(QPageLayout::Inch).left() * 1000), 237);
        QVERIFY(zqv::test::ReadBytes(inst->Path(QStringLiteral("out/printed.pdf"))).startsWith("%PDF-"));
        QCOMPARE(qRound(QPrinter(QPrinter::HighResolution).pageLayout().margins(QPageLayout::Inch).left() * 1000) ==
                     237,
                 false);
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
        CReportDlg window(noPicture, prompter, fileDialog);
        const QImage placeholder = window.Browser()
                                       ->document()
                                       ->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("41S.jpg")))
                                       .value<QImage>();
        QCOMPARE(placeholder.size(), QSize(1, 1));

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
