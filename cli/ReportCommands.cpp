// The report command of zqvcps-cli: a profile's Radio-Specific or Overview Report as the
// HTML page the desktop program shows, or as PDF, for dealers who print many at once.
#include "CliSupport.h"

#include "ConfigStore.h"
#include "ReportBuilder.h"
#include "ReportPdf.h"
#include "StringIds.h"
#include "StringTable.h"
#include "ZQVCPSException.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zqv::cli {

namespace {

// The dealer texts of the language the desktop program would use.
CDealerTexts DealerTexts()
{
    const CConfigStore store;
    QString language = store.ReadCurrentLanguage();
    if (language.isEmpty())
        language = store.ReadDefaultLanguage();
    return ReadDealerTexts(store, language);
}

int RunReport(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    if (!a.Parse(args, {QStringLiteral("--kind"), QStringLiteral("-o")},
                 {QStringLiteral("-v"), QStringLiteral("--verbose")}))
        return UsageError(ctx, self, a.Error());
    ctx.SetVerbose(a.Has(QStringLiteral("-v")) || a.Has(QStringLiteral("--verbose")));
    const QString kind = a.Value(QStringLiteral("--kind"));
    const QString output = a.Value(QStringLiteral("-o"));
    if (a.Operands().size() != 1 || output.isEmpty())
        return UsageError(ctx, self, QStringLiteral("report needs --kind, one FILE and -o OUT"));
    if (kind != QLatin1String("spec") && kind != QLatin1String("overview"))
        return UsageError(ctx, self, QStringLiteral("--kind is spec or overview"));
    const QString suffix = QFileInfo(output).suffix().toLower();
    const bool pdf = suffix == QLatin1String("pdf");
    if (!pdf && suffix != QLatin1String("htm") && suffix != QLatin1String("html"))
        return UsageError(ctx, self, QStringLiteral("-o names a .htm, .html or .pdf file"));
    if (!ctx.LoadInstallation())
        return kExitFailure;

    CCliDocumentHost host(ctx);
    CZQVCPSDoc doc(ctx.Environment(), host, ctx.Prompter());
    const QString file = a.Operands().first();
    if (!OpenProfile(ctx, doc, file))
        return kExitFailure;
    const ReportKind reportKind = kind == QLatin1String("spec") ? ReportKind::RadioSpecific : ReportKind::Overview;
    const QString reportDir = ctx.InstallDir() + QStringLiteral("/Report");
    QString html;
    try {
        html = CReportBuilder(doc, ctx.InstallDir(), DealerTexts()).Build(reportKind);
    } catch (const CZQVCPSException &e) {
        ctx.Report(e.GetMessageId(), e.GetTrace());
        return kExitFailure;
    }
    const QString title =
        LoadStr(reportKind == ReportKind::RadioSpecific ? IDS_RADIO_SPECIFIC_REPORT : IDS_OVERVIEW_REPORT);
    QString reason;
    const bool written = pdf
        ? report::WriteReportPdf(html, reportDir, output, title, {doc.GetTitle()}, report::LocalePaperSize(), &reason)
        : report::WriteReportFile(output, html, &reason);
    if (!written) {
        ctx.Err() << FormatStr(IDS_REPORT_SAVE_FAILED, {output}) << '\n' << reason << '\n';
        return kExitFailure;
    }
    if (!pdf)
        report::CopyPictures(report::ReferencedPictures(html), reportDir, QFileInfo(output).absolutePath());
    ctx.Err() << "Wrote " << title << " to " << output << '\n';
    return kExitOk;
}

}  // namespace

void RegisterReportCommands(CommandTable &table)
{
    AddCommand(table, "report", "report --kind spec|overview FILE -o OUT.htm|OUT.pdf [-v]",
               "write a profile's Radio-Specific or Overview Report as a web page or PDF", RunReport);
}

}  // namespace zqv::cli
