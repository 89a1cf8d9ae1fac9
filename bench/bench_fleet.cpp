// A fleet write at the real wire speed: the safe write (backup read, change report, write, check
// read) of a full profile (150 contacts, 25 texts) through the fleet run into one radio, then
// into N radios at once, each a zqv-radio-sim throttled to 9600 baud. Prints both times and
// their ratio (target at most 1.15), and the CPU time this process spent on the N-radio run as
// a share of one core, per radio (target at most 5 %). The simulators' own CPU is the radios'
// and is not counted.
//
//   bench_fleet [radios]   (default 8)
#include "DataAdaptor.h"
#include "FleetRun.h"
#include "FleetTestSupport.h"
#include "Prompter.h"
#include "RadioSim.h"
#include "SettingDocs.h"
#include "TextFile.h"
#include "TransferTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <vector>

using namespace zqv;
using zqv::test::CSimProcess;
using zqv::test::CTestFleetHost;

namespace {

double CpuMs()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

struct Figures {
    double elapsedMs = 0;
    double cpuMs = 0;
    bool ok = false;
};

Figures WriteInto(int radios, const QString &profile, const QString &text, const QString &backups)
{
    std::vector<std::unique_ptr<CSimProcess>> sims;
    CListPortEnumerator ports;
    for (int i = 0; i < radios; ++i) {
        sims.push_back(std::make_unique<CSimProcess>(
            QStringList{"--profile", profile, "--throttle", "--unit-pid", QString::number(20000001 + i)}));
        ports.Add(sims.back()->port);
    }
    CTestFleetHost host;
    CFleetRun run(host, ports);
    CScriptedPrompter prompter;
    run.SetCablesOnly(false);
    run.SetUpgradeDocument(
        LoadSettingDoc(QStringLiteral(ZQV_DATA_SOURCE_DIR), QLatin1String(kUpgradeDocName), prompter));
    run.SetProfile({text, 3, false, profile});
    run.SetBackups(backups, 3);
    Figures f;
    const double cpu = CpuMs();
    QElapsedTimer t;
    t.start();
    f.ok = run.Run(FleetAction::Write) && int(run.RunTable().size()) == radios;
    f.elapsedMs = t.nsecsElapsed() / 1e6;
    f.cpuMs = CpuMs() - cpu;
    for (const FleetRunEntry &e : run.RunTable())
        if (e.result != FleetResult::Succeeded)
            std::fprintf(stderr, "%s: %s\n", qPrintable(e.port), qPrintable(e.reason));
    return f;
}

}  // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    // Backups, the write history and the traces go into a folder of the benchmark's own.
    qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    qputenv("XDG_CACHE_HOME", home.filePath("cache").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    QCoreApplication app(argc, argv);
    const int radios = argc > 1 ? std::max(1, atoi(argv[1])) : 8;

    const QString profile = home.filePath("profile.zqv");
    VirtualCPData record = CRadioSim::FullRadio();
    record.contacts[10].name = QStringLiteral("Renamed");  // every radio has something to change
    QString text;
    CDataAdaptor::VirtualCP2XML(record, text);
    QFile f(profile);
    if (!f.open(QIODevice::WriteOnly) || f.write(EncodeTextFile(text, TEXT_MODE_UTF16)) <= 0)
        return 1;
    f.close();
    const Figures one = WriteInto(1, profile, text, home.filePath("backups-1"));
    const Figures many = WriteInto(radios, profile, text, home.filePath("backups-n"));
    std::printf("safe write into 1 radio:  %8.1f ms%s\n", one.elapsedMs, one.ok ? "" : "  (FAILED)");
    std::printf("safe write into %d radios: %8.1f ms%s\n", radios, many.elapsedMs, many.ok ? "" : "  (FAILED)");
    std::printf("ratio %d : 1             %8.3f   (target <= 1.15)\n", radios, many.elapsedMs / one.elapsedMs);
    std::printf("CPU of the %d-radio run:   %8.1f ms = %.2f %% of one core per radio (target <= 5 %%)\n", radios,
                many.cpuMs, 100.0 * many.cpuMs / many.elapsedMs / radios);
    return one.ok && many.ok ? 0 : 1;
}
