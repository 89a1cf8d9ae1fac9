// The commands that find the cable and say what is wrong with a connection: `doctor` runs
// the troubleshooter's checks and `ports --watch` the cable finder.
#include "CliSupport.h"

#include "CableDoctor.h"
#include "ConfigStore.h"
#include "PortInventory.h"
#include "SettingDocs.h"
#include "SettingsMerge.h"
#include "StringIds.h"
#include "StringTable.h"
#include "ZQVCPSException.h"

#include <QThread>

namespace zqv::cli {
namespace {

const QString kPort = QStringLiteral("--port");

int RunDoctor(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    if (!a.Parse(args, {kPort}, {}) || !a.Operands().isEmpty())
        return UsageError(ctx, self, a.Error().isEmpty() ? QStringLiteral("doctor takes no operands") : a.Error());
    QString port = a.Value(kPort);
    if (!a.Has(kPort)) {
        // Without --port: the port a transfer would use.
        CQtPortEnumerator ports;
        port = FindPort(ports, ReadPortPreference(CConfigStore()), false, 0);
    }
    std::shared_ptr<CXmlDocument> upgrade;
    try {
        upgrade = LoadSettingDoc(ctx.InstallDir(), QLatin1String(kUpgradeDocName), ctx.Prompter());
    } catch (const CZQVCPSException &e) {
        ctx.Report(e.GetMessageId(), e.GetTrace());
        return kExitFailure;
    }
    if (!upgrade)
        return kExitFailure;
    const CCableDoctor doctor([&](const QString &version) { return GetGroupByVersion(*upgrade, version); });
    const DoctorReport report = doctor.Run(port);
    ctx.Out() << report.Text() << '\n';
    return report.AllPassed() ? kExitOk : kExitFailure;
}

void PrintInventory(CCliContext &ctx, const IPortEnumerator &ports)
{
    const QStringList columns = LoadStr(IDS_FIND_COLUMNS).split(u'|');
    ctx.Out() << columns.join(u'\t') << '\n';
    for (const PortInfo &p : TakePortInventory(ports)) {
        ctx.Out() << p.entry.systemLocation << '\t' << p.entry.description << '\t' << UsbIds(p.entry) << '\t'
                  << p.entry.serialNumber << '\t' << (p.isCable ? LoadStr(IDS_REPORT_YES) : QString()) << '\t'
                  << DescribeHolders(p.holders) << '\n';
    }
    ctx.Out().flush();
}

}  // namespace

int RunPortsWatch(CCliContext &ctx)
{
    CQtPortEnumerator ports;
    PrintInventory(ctx, ports);
    CCableFinder finder;
    finder.Start(ports.Ports());
    ctx.Err() << LoadStr(IDS_FIND_INSTRUCTION) << '\n';
    ctx.Err().flush();
    // Until a port comes back (Ctrl+C ends the watch).
    for (;;) {
        QThread::msleep(300);
        for (const CCableFinder::Event &e : finder.Update(ports.Ports())) {
            if (e.kind == CCableFinder::EventKind::Gone) {
                ctx.Out() << FormatStr(IDS_FIND_GONE, {e.portName}) << '\n';
                ctx.Out().flush();
                continue;
            }
            ctx.Out() << FormatStr(IDS_FIND_BACK, {e.portName}) << '\n';
            ctx.Out().flush();
            if (ctx.Prompter().Show(FormatStr(IDS_FIND_USE_QUESTION, {e.portName}), MB_YESNO | MB_ICONQUESTION) ==
                IDYES) {
                CConfigStore config;
                if (config.Write(config::CurrentComPort, e.portName) && config.Write(config::AutoDetect, 0u))
                    ctx.Out() << FormatStr(IDS_FIND_STORED, {e.portName}) << '\n';
            }
            return kExitOk;
        }
    }
}

void InstallDoctorHint(CCliContext &ctx)
{
    // A failed transfer ends with the command that finds out why.
    SetTroubleshooterHandler(
        [&ctx](const QString &port) {
            ctx.Err() << FormatStr(IDS_DOC_CLI_HINT, {port.isEmpty() ? QStringLiteral("PORT") : port}) << '\n';
            ctx.Err().flush();
        },
        false);
}

void RegisterDiagCommands(CommandTable &table)
{
    AddCommand(table, "doctor", "doctor [--port P]",
               "test the connection step by step and say what is wrong (exit 1 at the first failed check)", RunDoctor);
}

}  // namespace zqv::cli
