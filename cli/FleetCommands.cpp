// fleet read|check|write: many radios at once, one transfer session per radio, through the
// link's fleet run (FleetRun.h), the same run the desktop program's Fleet window drives.
//
//   fleet read  (--ports P1,P2,... | --all-cables) [--password N] [--json] -o DIR
//   fleet check (--ports ... | --all-cables) [--password N] [--json] FILE
//   fleet write (--ports ... | --all-cables) [--password N] [--yes] [--json] [--add-missing] FILE
//
// A line per radio as it finishes (stdout; stderr with --json), then the run table (text, or
// JSON with --json). A write prepares every radio (backup, change report), prints what will
// change in each and asks once (--yes answers it). --add-missing adds the radios whose unit
// PID is in no private contact to FILE as private contacts after the run, so the next run
// writes them. Exit 0 when every radio succeeded, 1 otherwise, 3 for check when every radio
// was read and one differs. Ctrl+C stops the run the way the window's Stop does.
#include "CliSupport.h"
#include "CliTransfer.h"

#include "ConfigStore.h"
#include "DataItem.h"
#include "FleetRun.h"
#include "PortEnumerator.h"
#include "ProfileDiff.h"
#include "SettingDocs.h"
#include "StringIds.h"
#include "StringTable.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <atomic>
#include <csignal>

namespace zqv::cli {

namespace {

const QString kPorts = QStringLiteral("--ports");
const QString kAllCables = QStringLiteral("--all-cables");
const QString kPassword = QStringLiteral("--password");
const QString kOutput = QStringLiteral("-o");
const QString kYes = QStringLiteral("--yes");
const QString kJson = QStringLiteral("--json");
const QString kAddMissing = QStringLiteral("--add-missing");

std::atomic<int> *g_pStop = nullptr;

void OnInterrupt(int)
{
    if (g_pStop)
        g_pStop->store(1);
}

// "ttyUSB0 20000001 Ann": the radio as the lines name it.
QString RadioText(const QString &port, const QString &pid, const QString &name)
{
    QStringList parts{port};
    if (!pid.isEmpty())
        parts << pid;
    if (!name.isEmpty())
        parts << name;
    return parts.join(u' ');
}

class CCliFleetHost : public IFleetHost {
public:
    CCliFleetHost(CCliContext &ctx, bool json, bool yes) : m_ctx(ctx), m_bJson(json), m_bYes(yes) {}

    void RadioFinished(const FleetRunEntry &e) override
    {
        QTextStream &s = m_bJson ? m_ctx.Err() : m_ctx.Out();
        s << RadioText(e.port, e.unitPid, e.name) << ": " << CFleetRun::ResultText(e.result) << " - " << e.reason
          << '\n';
        // What a check found, as `diff --port` lists it.
        if (e.result == FleetResult::Differs)
            for (const QString &line : link::DescribeDifferences(e.changes))
                s << "  " << line << '\n';
        s.flush();
    }

    bool ConfirmWrite(const std::vector<FleetRadioPlan> &plans) override
    {
        QTextStream &err = m_ctx.Err();
        for (const FleetRadioPlan &plan : plans) {
            err << RadioText(plan.port, plan.unitPid, plan.name) << ":\n";
            for (const QString &note : plan.notes)
                err << "  " << note << '\n';
            const QStringList lines = link::DescribeDifferences(plan.changes);
            if (lines.isEmpty())
                err << "  " << LoadStr(IDS_DIFF_SAME) << '\n';
            for (const QString &line : lines)
                err << "  " << line << '\n';
        }
        m_ctx.Prompter().SetAssumeYes(m_bYes);
        return m_ctx.Prompter().Show(FormatStr(IDS_FLEET_CONFIRM, {QString::number(plans.size())}),
                                     MB_YESNO | MB_ICONQUESTION) == IDYES;
    }

    // Nobody to type a password: the run's (--password) is the only one there is.
    bool AskPassword(const FleetRow &row, bool retry, QString &typed) override
    {
        (void)row;
        (void)retry;
        (void)typed;
        return false;
    }

    int AskRadio(const FleetRow &row, const QString &text, unsigned style) override
    {
        m_ctx.Prompter().SetAssumeYes(m_bYes);
        return m_ctx.Prompter().Show(RadioText(row.port, row.unitPid, row.name) + QStringLiteral(": ") + text, style);
    }

    bool SaveRecordAsProfile(const VirtualCPData &record, const QString &path) override
    {
        return CCliTransferHost(m_ctx, QString(), false).SaveRecordAsProfile(record, path);
    }

private:
    CCliContext &m_ctx;
    bool m_bJson;
    bool m_bYes;
};

void PrintTable(CCliContext &ctx, const CFleetRun &run, bool json)
{
    if (json) {
        QJsonArray radios;
        for (const FleetRunEntry &e : run.RunTable()) {
            QJsonObject o{{"port", e.port},
                          {"unitPid", e.unitPid},
                          {"name", e.name},
                          {"firmware", e.firmware},
                          {"result", CFleetRun::ResultText(e.result)},
                          {"succeeded", e.result == FleetResult::Succeeded},
                          {"reason", e.reason},
                          {"seconds", double(e.elapsedMs) / 1000.0},
                          {"backup", e.backupFile},
                          {"verify", e.verify},
                          {"file", e.file},
                          {"changes", QJsonArray::fromStringList(link::DescribeDifferences(e.changes))}};
            radios.append(o);
        }
        ctx.Out() << QString::fromUtf8(QJsonDocument(radios).toJson());
        return;
    }
    // The run table's columns, tab-separated, a radio a line.
    ctx.Out() << CFleetRun::RunTableColumns().join(u'\t') << '\n';
    for (const FleetRunEntry &e : run.RunTable())
        ctx.Out() << CFleetRun::RunTableCells(e).join(u'\t') << '\n';
}

// Adds the radios the run refused for want of their own private contact to FILE.
bool AddMissing(CCliContext &ctx, CZQVCPSDoc &doc, const CFleetRun &run)
{
    std::vector<std::pair<QString, QString>> radios;
    for (const FleetRunEntry &e : run.RunTable())
        if (const FleetRow *row = run.Row(e.rowId); row && row->notInProfile && !e.unitPid.isEmpty())
            radios.emplace_back(e.unitPid, QString());
    if (radios.empty())
        return true;
    const ImportReport report = AddRadiosAsContacts(doc.Model().RootItem(), radios);
    for (const ImportRowResult &row : report.rows)
        if (row.verdict == ImportRowResult::Refused)
            ctx.Err() << row.pid << ": " << ImportReport::VerdictText(row) << '\n';
    ctx.Err() << report.Summary() << '\n';
    return !report.Changed() || doc.DoSave(doc.GetPathName(), true);
}

int RunFleet(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    if (!a.Parse(args, {kPorts, kPassword, kOutput}, {kAllCables, kYes, kJson, kAddMissing}))
        return UsageError(ctx, self, a.Error());
    QStringList operands = a.Operands();
    const QString action = operands.isEmpty() ? QString() : operands.takeFirst();
    const bool read = action == QLatin1String("read");
    const bool check = action == QLatin1String("check");
    const bool write = action == QLatin1String("write");
    if (!read && !check && !write)
        return UsageError(ctx, self, QStringLiteral("fleet needs read, check or write"));
    if (a.Has(kPorts) == a.Has(kAllCables))
        return UsageError(ctx, self, QStringLiteral("fleet needs either --ports P1,P2,... or --all-cables"));
    if (read ? (operands.size() != 0 || a.Value(kOutput).isEmpty()) : (operands.size() != 1 || a.Has(kOutput)))
        return UsageError(ctx, self,
                          read ? QStringLiteral("fleet read needs -o DIR and no FILE")
                               : QStringLiteral("fleet check and write need one FILE"));
    if (!ctx.LoadInstallation())
        return kExitFailure;

    CCliDocumentHost docHost(ctx);
    CZQVCPSDoc doc(ctx.Environment(), docHost, ctx.Prompter());
    if (!read && !OpenProfile(ctx, doc, operands.first()))
        return kExitFailure;
    CListPortEnumerator given;
    for (const QString &port : a.Value(kPorts).split(u',', Qt::SkipEmptyParts))
        given.Add(port.trimmed());
    CQtPortEnumerator system;
    const IPortEnumerator &ports = a.Has(kPorts) ? static_cast<const IPortEnumerator &>(given) : system;

    CCliFleetHost host(ctx, a.Has(kJson), a.Has(kYes));
    CFleetRun run(host, ports);
    run.SetCablesOnly(a.Has(kAllCables));
    run.SetUpgradeDocument(LoadSettingDoc(ctx.InstallDir(), QLatin1String(kUpgradeDocName), ctx.Prompter()));
    if (!read)
        run.SetProfile(FleetProfile::FromDocument(doc));
    run.SetOutputFolder(a.Value(kOutput));
    run.SetPassword(a.Value(kPassword));
    run.SetBackups(CConfigStore::BackupFolder(), CConfigStore().ReadSafeWrite().keep);
    run.Refresh();
    if (run.Rows().empty()) {
        ctx.Prompter().ShowMessage(IDS_FLEET_NO_RADIOS, MB_ICONERROR);
        return kExitFailure;
    }

    g_pStop = &run.StopFlag();
    struct sigaction sa {
    }, old{};
    sa.sa_handler = OnInterrupt;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, &old);
    run.Run(read ? FleetAction::Read : check ? FleetAction::Check : FleetAction::Write);
    sigaction(SIGINT, &old, nullptr);
    g_pStop = nullptr;

    PrintTable(ctx, run, a.Has(kJson));
    if (write && a.Has(kAddMissing) && !AddMissing(ctx, doc, run))
        return kExitFailure;
    if (!run.AllSucceeded())
        return kExitFailure;
    return check && run.AnyDiffers() ? kExitDifferent : kExitOk;
}

}  // namespace

void RegisterFleetCommands(CommandTable &table)
{
    AddCommand(table, "fleet",
               "fleet read|check|write --ports P1,P2,...|--all-cables [--password N] [--yes] [--json] "
               "[--add-missing] FILE|-o DIR",
               "many radios at once: read each into DIR, check each against FILE (exit 3 when one differs), "
               "or write FILE into each",
               RunFleet);
}

}  // namespace zqv::cli
