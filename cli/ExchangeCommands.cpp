// The exchange commands of zqvcps-cli: export and import of contacts and text messages as CSV
// tables, and the merge of one profile into another.
#include "CliSupport.h"

#include "ContactExchange.h"
#include "StringIds.h"
#include "StringTable.h"
#include "ZQVCPSException.h"

#include <QFile>
#include <QSaveFile>

namespace zqv::cli {

namespace {

const QStringList kExchangeFlags{QStringLiteral("-v"), QStringLiteral("--verbose"), QStringLiteral("--dry-run")};

bool ParseKind(const QString &text, ExchangeKind &kind)
{
    if (text == QLatin1String("contacts"))
        kind = ExchangeKind::Contacts;
    else if (text == QLatin1String("texts"))
        kind = ExchangeKind::Texts;
    else
        return false;
    return true;
}

bool ParsePolicy(const QString &text, ClashPolicy &policy)
{
    if (text.isEmpty() || text == QLatin1String("skip"))
        policy = ClashPolicy::Skip;
    else if (text == QLatin1String("replace"))
        policy = ClashPolicy::Replace;
    else if (text == QLatin1String("rename"))
        policy = ClashPolicy::Rename;
    else
        return false;
    return true;
}

struct CProfileSession {
    explicit CProfileSession(CCliContext &ctx) : host(ctx), doc(ctx.Environment(), host, ctx.Prompter()) {}
    CCliDocumentHost host;
    CZQVCPSDoc doc;
};

// Prints an import's or merge's rows and counts and saves the profile (unless --dry-run). Exit 1
// when a row was refused.
int Finish(CCliContext &ctx, CZQVCPSDoc &doc, const ImportReport &report, const QString &output, bool dryRun,
           bool verbose)
{
    // Refusals and clashes always; with --dry-run or -v every row, as the desktop preview lists them.
    for (const ImportRowResult &row : report.rows) {
        const bool notable = row.verdict == ImportRowResult::Refused || row.verdict == ImportRowResult::ClashSkipped ||
            row.verdict == ImportRowResult::ClashReplaced || row.verdict == ImportRowResult::ClashRenamed;
        if (!notable && !dryRun && !verbose)
            continue;
        const QString text =
            (row.name.isEmpty() ? QString() : row.name + QStringLiteral(": ")) + ImportReport::VerdictText(row);
        // A merge's rows come from a profile, not from lines of a file.
        ctx.Err() << (row.line > 0 ? FormatStr(IDS_CSV_LINE, {QString::number(row.line), text}) : text) << '\n';
    }
    ctx.Out() << report.Summary() << '\n';
    ctx.Out().flush();
    if (!dryRun && !doc.DoSave(output, true)) {
        ctx.Trace(doc.GetLastErrorTrace());
        return kExitFailure;
    }
    return report.AnyRefused() ? kExitFailure : kExitOk;
}

int RunExport(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    ExchangeKind kind = ExchangeKind::Contacts;
    if (!a.Parse(args, {QStringLiteral("--what"), QStringLiteral("-o")}, kExchangeFlags))
        return UsageError(ctx, self, a.Error());
    if (!ParseKind(a.Value(QStringLiteral("--what")), kind))
        return UsageError(ctx, self, QStringLiteral("export needs --what contacts or --what texts"));
    const QString output = a.Value(QStringLiteral("-o"));
    if (a.Operands().size() != 1 || output.isEmpty())
        return UsageError(ctx, self, QStringLiteral("export needs one FILE and -o OUT.csv"));
    ctx.SetVerbose(a.Has(QStringLiteral("-v")) || a.Has(QStringLiteral("--verbose")));
    if (!ctx.LoadInstallation())
        return kExitFailure;
    CProfileSession s(ctx);
    if (!OpenProfile(ctx, s.doc, a.Operands().first()))
        return kExitFailure;
    const std::vector<QStringList> rows = CContactExchange::ExportRows(s.doc.Model().RootItem(), kind);
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly) || file.write(CCsvTable::Write(rows)) < 0 || !file.commit()) {
        ctx.Err() << "zqvcps-cli: " << FormatStr(IDS_CSV_CANNOT_WRITE, {output}) << '\n';
        return kExitFailure;
    }
    ctx.Err() << FormatStr(IDS_CSV_EXPORTED, {QString::number(rows.size() - 1), output}) << '\n';
    return kExitOk;
}

int RunImport(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    ExchangeKind kind = ExchangeKind::Contacts;
    ClashPolicy policy = ClashPolicy::Skip;
    if (!a.Parse(args, {QStringLiteral("--what"), QStringLiteral("-o"), QStringLiteral("--on-clash")}, kExchangeFlags))
        return UsageError(ctx, self, a.Error());
    if (!ParseKind(a.Value(QStringLiteral("--what")), kind))
        return UsageError(ctx, self, QStringLiteral("import needs --what contacts or --what texts"));
    if (!ParsePolicy(a.Value(QStringLiteral("--on-clash")), policy))
        return UsageError(ctx, self, QStringLiteral("--on-clash takes skip, replace or rename"));
    const bool dryRun = a.Has(QStringLiteral("--dry-run"));
    const QString output = a.Value(QStringLiteral("-o"));
    if (a.Operands().size() != 2 || (output.isEmpty() && !dryRun))
        return UsageError(ctx, self, QStringLiteral("import needs IN.csv, FILE and -o OUT.zqv (or --dry-run)"));
    const bool verbose = a.Has(QStringLiteral("-v")) || a.Has(QStringLiteral("--verbose"));
    ctx.SetVerbose(verbose);
    const QString csvPath = a.Operands().at(0);
    QFile csvFile(csvPath);
    // The table is read whole; a spreadsheet of a radio's contacts is a few kilobytes, so
    // anything near the profile cap is not one.
    if (!csvFile.open(QIODevice::ReadOnly) || csvFile.size() > kMaxProfileBytes) {
        ctx.Err() << "zqvcps-cli: " << FormatStr(IDS_CSV_CANNOT_READ, {csvPath}) << '\n';
        return kExitFailure;
    }
    const QByteArray csv = csvFile.readAll();
    if (!ctx.LoadInstallation())
        return kExitFailure;
    CProfileSession s(ctx);
    if (!OpenProfile(ctx, s.doc, a.Operands().at(1)))
        return kExitFailure;
    const ImportReport report = CContactExchange::Apply(s.doc.Model().RootItem(), csv, kind, policy);
    if (!report.fileError.isEmpty()) {
        ctx.Err() << "zqvcps-cli: " << csvPath << ": " << report.fileError << '\n';
        return kExitFailure;
    }
    return Finish(ctx, s.doc, report, output, dryRun, verbose);
}

int RunMerge(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    MergeOptions options;
    if (!a.Parse(args, {QStringLiteral("--what"), QStringLiteral("-o"), QStringLiteral("--on-clash")}, kExchangeFlags))
        return UsageError(ctx, self, a.Error());
    if (!ParsePolicy(a.Value(QStringLiteral("--on-clash")), options.policy))
        return UsageError(ctx, self, QStringLiteral("--on-clash takes skip, replace or rename"));
    if (a.Has(QStringLiteral("--what"))) {
        options = MergeOptions{false, false, false, false, false, options.policy};
        for (const QString &part : a.Value(QStringLiteral("--what")).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            bool *flag = part == QLatin1String("contacts") ? &options.contacts
                : part == QLatin1String("groups")          ? &options.groups
                : part == QLatin1String("texts")           ? &options.texts
                : part == QLatin1String("lists")           ? &options.lists
                : part == QLatin1String("settings")        ? &options.settings
                                                           : nullptr;
            if (!flag)
                return UsageError(ctx, self,
                                  QStringLiteral("--what takes contacts, groups, texts, lists and settings"));
            *flag = true;
        }
    }
    const bool dryRun = a.Has(QStringLiteral("--dry-run"));
    const QString output = a.Value(QStringLiteral("-o"));
    if (a.Operands().size() != 2 || (output.isEmpty() && !dryRun))
        return UsageError(ctx, self, QStringLiteral("merge needs A.zqv, B.zqv and -o C.zqv (or --dry-run)"));
    const bool verbose = a.Has(QStringLiteral("-v")) || a.Has(QStringLiteral("--verbose"));
    ctx.SetVerbose(verbose);
    if (!ctx.LoadInstallation())
        return kExitFailure;
    CProfileSession target(ctx);
    CProfileSession source(ctx);
    if (!OpenProfile(ctx, target.doc, a.Operands().at(0)) || !OpenProfile(ctx, source.doc, a.Operands().at(1)))
        return kExitFailure;
    const ImportReport report =
        CContactExchange::Merge(target.doc.Model().RootItem(), source.doc.Model().RootItem(), options);
    return Finish(ctx, target.doc, report, output, dryRun, verbose);
}

}  // namespace

void RegisterExchangeCommands(CommandTable &table)
{
    AddCommand(table, "export", "export --what contacts|texts FILE -o OUT.csv [-v]",
               "write a profile's contacts or text messages as a CSV table", RunExport);
    AddCommand(table, "import",
               "import --what contacts|texts IN.csv FILE -o OUT.zqv [--dry-run] [--on-clash skip|replace|rename]",
               "add or update contacts or text messages from a CSV table (exit 1 when a row was refused)", RunImport);
    AddCommand(
        table, "merge",
        "merge A.zqv B.zqv -o C.zqv [--what contacts,groups,texts,lists,settings] [--on-clash skip|replace|rename] "
        "[--dry-run]",
        "bring B's contacts, groups, texts (and settings when named) into A (exit 1 when one was refused)", RunMerge);
}

}  // namespace zqv::cli
