// The reports of a full radio (150 contacts, 25 texts, the simulator's full radio read into a
// new profile): building each page, writing it, and the time from OK in the report choice to
// the report window shown with the page laid out.
//
//   bench_report [--iterations N]
//
// Runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include "BenchTiming.h"
#include "RadioSim.h"
#include "ReportDlg.h"
#include "ReportPdf.h"
#include "ReportTestSupport.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTextBrowser>
#include <QTextStream>
#include <algorithm>
#include <vector>

using namespace zqv;
using zqvbench::Stats;
using zqvbench::Summarise;

namespace {

class CNoFileDialog : public IFileDialog {
public:
    QString GetSaveFileName(const SaveRequest &) override { return QString(); }
};

template <class F>
Stats Measure(int iterations, F f)
{
    std::vector<double> ms;
    for (int i = 0; i < iterations; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return Summarise(ms);
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int iterations = 30;
    const QStringList args = app.arguments();
    if (const qsizetype i = args.indexOf(QStringLiteral("--iterations")); i >= 0 && i + 1 < args.size())
        iterations = std::max(1, args.at(i + 1).toInt());

    QTextStream out(stdout);
    test::CReportInstallation inst;
    std::unique_ptr<CZQVCPSDoc> doc = inst.FromRecord(CRadioSim::FullRadio());
    if (!doc) {
        out << "the full radio did not open as a profile\n";
        return 1;
    }
    CScriptedPrompter prompter;
    CNoFileDialog files;
    const CReportContext context{
        inst.Dir(),
        inst.Path(QStringLiteral("cache")),
        {QStringLiteral("Dealer\r\nStreet 1"), QStringLiteral("Notes"), QStringLiteral("Phone")},
        &prompter,
        &files,
        nullptr};
    const CReportBuilder builder(*doc, context.installDir, context.dealer);
    out << "profile: "
        << doc->Model().ProfileDocument()->Select(nullptr, QStringLiteral("//dfns:*[@cntct_type]")).size()
        << " contacts; radio-specific report " << (builder.IsRadioSpecificAvailable() ? "available" : "NOT available")
        << "; " << iterations << " iterations, median / max in ms\n";

    for (ReportKind kind : {ReportKind::RadioSpecific, ReportKind::Overview}) {
        const char *name = kind == ReportKind::RadioSpecific ? "radio-specific" : "overview";
        const Stats build = Measure(iterations, [&] { builder.Build(kind); });
        const Stats write = Measure(iterations, [&] { WriteReport(*doc, context, kind); });
        // OK pressed: build, write, make the window, show it and lay the page out.
        const Stats shown = Measure(std::max(3, iterations / 3), [&] {
            CReportDlg window(WriteReport(*doc, context, kind), doc->GetTitle(), QString(), prompter, files);
            window.show();
            if (!QTest::qWaitForWindowExposed(&window))
                qFatal("the report window was not shown");
            window.Browser()->document()->documentLayout()->documentSize();
        });
        out << QStringLiteral("%1: build %2 / %3, build+write %4 / %5, OK to window shown %6 / %7 (limits: build 50, "
                              "window 300)\n")
                   .arg(QLatin1String(name))
                   .arg(build.median, 0, 'f', 2)
                   .arg(build.max, 0, 'f', 2)
                   .arg(write.median, 0, 'f', 2)
                   .arg(write.max, 0, 'f', 2)
                   .arg(shown.median, 0, 'f', 1)
                   .arg(shown.max, 0, 'f', 1);
    }
    const Stats pdf = Measure(std::max(3, iterations / 3), [&] {
        report::WriteReportPdf(builder.Build(ReportKind::Overview), inst.Path(QStringLiteral("Report")),
                               inst.Path(QStringLiteral("overview.pdf")), QStringLiteral("Overview Report"),
                               {doc->GetTitle()});
    });
    out << QStringLiteral("overview as PDF: %1 / %2\n").arg(pdf.median, 0, 'f', 1).arg(pdf.max, 0, 'f', 1);
    return 0;
}
