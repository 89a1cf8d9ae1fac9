// Importing a CSV table of 150 contacts into a profile as the program does (the preview runs
// every row through the rule script on a scratch copy; confirming adopts that copy) and
// exporting them again. For comparison, the import run a second time on the profile itself.
//
//   bench_csv [--iterations N]
#include "BenchTiming.h"
#include "ContactExchange.h"
#include "ModelTestSupport.h"
#include "RadioDataModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <ctime>

using namespace zqv;

namespace {

// 10 private groups and 137 private contacts in them, on three channels; with the template's
// three contacts, the 150 the model holds.
QByteArray FleetTable()
{
    QByteArray csv("Type,Name,PID,Channel,Member Of,Home Group,Ringer\r\n");
    for (int g = 0; g < 10; ++g)
        csv += QStringLiteral("Private Group,Team %1,%2,%3,,,\r\n").arg(g).arg(12000000 + g).arg(g % 3 + 1).toUtf8();
    for (int i = 0; i < 137; ++i) {
        const int channel = i % 3 + 1;
        const int group = (i % 10) - (i % 10) % 3 + channel - 1;  // a team on the same channel
        const QString team = group < 10 ? QStringLiteral("Team %1").arg(group) : QString();
        csv += QStringLiteral("Private Contact,\"Driver %1, Renée\",%2,%3,%4,%4,%5\r\n")
                   .arg(i)
                   .arg(11000000 + i)
                   .arg(channel)
                   .arg(team)
                   .arg(i % 12 + 1)
                   .toUtf8();
    }
    return csv;
}

// The processor time of this thread so far: on a busy machine it shows the work itself, which
// the wall clock mixes with the time spent waiting for a processor.
double ThreadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void Print(QTextStream &out, const char *what, const zqvbench::Stats &s)
{
    out << QStringLiteral("%1 median %2 ms, p95 %3 ms, max %4 ms\n")
               .arg(QLatin1String(what), -34)
               .arg(s.median, 0, 'f', 1)
               .arg(s.p95, 0, 'f', 1)
               .arg(s.max, 0, 'f', 1);
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int iterations = 10;
    const QStringList args = app.arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--iterations")); at > 0 && at + 1 < args.size())
        iterations = std::max(1, args[at + 1].toInt());
    QTextStream out(stdout);
    test::CTestInstallation inst;
    const QString templatePath = inst.Path(QStringLiteral("ProfileTemplate/ZQ-880 Fleet.zqv"));
    const QByteArray csv = FleetTable();

    std::vector<double> preview, confirm, total, totalCpu, again, exportMs;
    QByteArray exported;
    for (int i = 0; i < iterations; ++i) {
        CRadioDataModel model(inst.Environment());
        model.LoadProfile(templatePath, true);
        const QString before = model.ProfileText();
        QElapsedTimer timer;
        const double cpuStart = ThreadCpuMs();
        timer.start();
        QByteArray after;
        const ImportReport shown = CContactExchange::PreviewImport(inst.Environment(), model.ProfileText(), csv,
                                                                   ExchangeKind::Contacts, ClashPolicy::Skip, &after);
        const double previewMs = timer.nsecsElapsed() / 1e6;
        // Confirming adopts the previewed profile, as the program does when the profile is
        // still the one the preview copied.
        if (model.ProfileText() != before || !model.RestoreProfileDocument(after))
            qFatal("the previewed profile could not be adopted");
        const double totalMs = timer.nsecsElapsed() / 1e6;
        totalCpu.push_back(ThreadCpuMs() - cpuStart);
        if (shown.Count(ImportRowResult::New) != 147 || shown.AnyRefused())
            qFatal("the import did not take the fleet: %s", qPrintable(shown.Summary()));
        preview.push_back(previewMs);
        confirm.push_back(totalMs - previewMs);
        total.push_back(totalMs);
        // What confirming cost when it imported every row a second time.
        CRadioDataModel other(inst.Environment());
        other.LoadProfile(templatePath, true);
        timer.restart();
        const ImportReport done =
            CContactExchange::Apply(other.RootItem(), csv, ExchangeKind::Contacts, ClashPolicy::Skip);
        again.push_back(timer.nsecsElapsed() / 1e6);
        if (done.Count(ImportRowResult::New) != 147 || other.ProfileText() != model.ProfileText())
            qFatal("the import differs from its preview");
        for (int e = 0; e < 5; ++e) {
            timer.restart();
            exported = CContactExchange::ExportCsv(model.RootItem(), ExchangeKind::Contacts);
            exportMs.push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    out << "150 contacts (147 new), " << iterations << " runs; export " << exported.size() << " bytes\n";
    Print(out, "preview (scratch copy + rules)", zqvbench::Summarise(preview));
    Print(out, "confirm (adopt the preview)", zqvbench::Summarise(confirm));
    Print(out, "preview + confirm (target < 200 ms)", zqvbench::Summarise(total));
    Print(out, "preview + confirm, processor time", zqvbench::Summarise(totalCpu));
    Print(out, "import again (rules, for comparison)", zqvbench::Summarise(again));
    Print(out, "export (target < 50 ms)", zqvbench::Summarise(exportMs));
    return 0;
}
