// The profile commands of zqvcps-cli: new, show, check, convert.
#include "CliSupport.h"
#include "ProfileProblems.h"
#include "StringIds.h"
#include "StringTable.h"
#include "WriteChanges.h"
#include "ZQVCPSException.h"

#include <QDir>
#include <QFileInfo>

namespace zqv::cli {

namespace {

const QStringList kVerboseFlags{QStringLiteral("-v"), QStringLiteral("--verbose")};

// The templates of the installation: file names without ".zqv", sorted.
QStringList TemplateNames(const QString &installDir)
{
    QStringList names;
    const QDir dir(installDir + QStringLiteral("/ProfileTemplate"));
    for (const QFileInfo &info : dir.entryInfoList({QStringLiteral("*.zqv")}, QDir::Files, QDir::Name))
        names << info.completeBaseName();
    return names;
}

// The common start of the commands that take one FILE: options, the operand, --verbose and
// the installation. Returns -1 to go on, else the exit code.
int Prepare(CCliContext &ctx, const CCommand &self, const QStringList &args, const QStringList &valued, CArgs &a)
{
    if (!a.Parse(args, valued, kVerboseFlags) || a.Operands().size() != 1)
        return UsageError(ctx, self,
                          a.Error().isEmpty() ? QStringLiteral("%1 needs one FILE").arg(self.name) : a.Error());
    ctx.SetVerbose(a.Has(QStringLiteral("-v")) || a.Has(QStringLiteral("--verbose")));
    return ctx.LoadInstallation() ? -1 : int(kExitFailure);
}

struct CDocSession {
    explicit CDocSession(CCliContext &ctx) : host(ctx), doc(ctx.Environment(), host, ctx.Prompter()) {}
    CCliDocumentHost host;
    CZQVCPSDoc doc;
};

int RunNew(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    if (!a.Parse(args, {QStringLiteral("--template"), QStringLiteral("-o")}, kVerboseFlags))
        return UsageError(ctx, self, a.Error());
    ctx.SetVerbose(a.Has(QStringLiteral("-v")) || a.Has(QStringLiteral("--verbose")));
    const QString name = a.Value(QStringLiteral("--template"));
    const QString output = a.Value(QStringLiteral("-o"));
    if (name.isEmpty() || output.isEmpty() || !a.Operands().isEmpty()) {
        const QStringList names = TemplateNames(ctx.InstallDir());
        return UsageError(ctx, self,
                          QStringLiteral("new needs --template NAME and -o FILE; templates: %1")
                              .arg(names.isEmpty() ? QStringLiteral("(none)") : names.join(QStringLiteral(", "))));
    }
    // A template is named as the New Profile dialog lists it, or given as a path.
    QString path = ctx.InstallDir() + QStringLiteral("/ProfileTemplate/") + name + QStringLiteral(".zqv");
    if (QFileInfo(name).isFile())
        path = name;
    else if (!QFileInfo(path).isFile()) {
        const QStringList names = TemplateNames(ctx.InstallDir());
        if (names.isEmpty()) {
            ctx.Prompter().ShowMessage(IDS_NO_TEMPLATE_FILES);
            return kExitFailure;
        }
        return UsageError(
            ctx, self, QStringLiteral("no template '%1'; templates: %2").arg(name, names.join(QStringLiteral(", "))));
    }
    if (!ctx.LoadInstallation())
        return kExitFailure;
    CDocSession s(ctx);
    s.host.SetTemplatePath(path);
    if (!s.doc.OnNewDocument()) {
        ctx.Trace(s.doc.GetLastErrorTrace());
        return kExitFailure;
    }
    if (!s.doc.DoSave(output, true)) {
        ctx.Trace(s.doc.GetLastErrorTrace());
        return kExitFailure;
    }
    ctx.Err() << "Created " << output << " from " << QFileInfo(path).completeBaseName() << '\n';
    return kExitOk;
}

int RunShow(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    if (const int code = Prepare(ctx, self, args, {}, a); code >= 0)
        return code;
    CDocSession s(ctx);
    if (!OpenProfile(ctx, s.doc, a.Operands().first()))
        return kExitFailure;
    // The profile as its file holds it: the fields of its own setting group, in plain XML.
    try {
        s.doc.Model().TakeOffDoc(false);
    } catch (const CZQVCPSException &e) {
        ctx.Report(e.GetMessageId(), e.GetTrace());
        return kExitFailure;
    }
    ctx.Out() << QString::fromUtf8(s.doc.Model().OperatingDocument()->ToUtf8(true));
    ctx.Out().flush();
    return kExitOk;
}

int RunCheck(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    // --strict is this command's own flag; the rest is parsed like every FILE command.
    QStringList rest = args;
    const bool strict = rest.removeAll(QStringLiteral("--strict")) > 0;
    if (const int code = Prepare(ctx, self, rest, {}, a); code >= 0)
        return code;
    const QString path = a.Operands().first();
    CDocSession s(ctx);
    if (!OpenProfile(ctx, s.doc, path))
        return kExitFailure;
    // A profile that loads must also give the radio image a write would send, and what that
    // write would change is listed.
    VirtualCPData record;
    std::vector<link::WriteChange> changes;
    try {
        s.doc.GetVirtualCPData(record);
        changes = link::ListWriteChanges(s.doc.Model().ProfileText());
    } catch (const CZQVCPSException &e) {
        ctx.Report(e.GetMessageId(), e.GetTrace());
        return kExitFailure;
    }
    int counts[3] = {0, 0, 0};
    for (const VirtualCPContact &c : record.contacts)
        if (c.cntct_type <= 2)
            ++counts[c.cntct_type];
    int texts = 0;
    for (const QString &t : record.texts)
        texts += t.isEmpty() ? 0 : 1;
    const CRadioDataModel &m = s.doc.Model();
    ctx.Out() << path << ": valid profile, model " << record.limit.model << ", setting group " << m.GetSettingGroup()
              << ", clone compatibility " << m.GetCloneCompatibility() << ", " << (counts[0] + counts[1] + counts[2])
              << " contacts (" << counts[2] << " public groups, " << counts[1] << " private groups, " << counts[0]
              << " private contacts), " << texts << " text messages, "
              << (m.IsSingleByteFormat() ? "code page 1252" : "UTF-16") << '\n';
    ctx.Out().flush();
    for (const QString &line : link::DescribeWriteChanges(changes))
        ctx.Err() << FormatStr(IDS_CLI_WARNING, {line}) << '\n';
    // What a dealer should look at besides; advice only, so --strict does not count it.
    if (const auto doc = s.doc.Model().ProfileDocument())
        for (const link::ProfileProblem &problem : link::ListDealerProblems(*doc))
            ctx.Err() << FormatStr(IDS_CLI_NOTE, {problem.text}) << '\n';
    ctx.Err().flush();
    return strict && !changes.empty() ? kExitFailure : kExitOk;
}

int RunConvert(CCliContext &ctx, const CCommand &self, const QStringList &args)
{
    CArgs a;
    if (const int code = Prepare(ctx, self, args, {QStringLiteral("-o")}, a); code >= 0)
        return code;
    const QString path = a.Operands().first();
    const QString output = a.Has(QStringLiteral("-o")) ? a.Value(QStringLiteral("-o")) : path;
    if (output.isEmpty())
        return UsageError(ctx, self, QStringLiteral("convert needs a FILE after -o"));
    CDocSession s(ctx);
    if (!OpenProfile(ctx, s.doc, path))
        return kExitFailure;
    const int group = s.doc.Model().GetSettingGroup();
    if (group == kLatestSettingGroup && output == path) {
        ctx.Err() << path << ": already in the latest format\n";
        return kExitOk;
    }
    // Converting is what was asked for: the conversion question is answered Yes.
    ctx.Prompter().SetAssumeYes(true);
    const bool saved = s.doc.DoSave(output, true);
    ctx.Prompter().SetAssumeYes(false);
    if (!saved) {
        ctx.Trace(s.doc.GetLastErrorTrace());
        return kExitFailure;
    }
    ctx.Err() << output << ": setting group " << s.doc.Model().GetSettingGroup() << " (was " << group << ")\n";
    return kExitOk;
}

}  // namespace

void RegisterProfileCommands(CommandTable &table)
{
    AddCommand(table, "new", "new --template NAME -o FILE [-v]", "create a profile from a new-profile template",
               RunNew);
    AddCommand(table, "show", "show FILE [-v]", "print a profile as plain XML", RunShow);
    AddCommand(
        table, "check", "check FILE [--strict] [-v]",
        "validate a profile, build its radio image and warn about what a write would change (--strict: exit 1 then)",
        RunCheck);
    AddCommand(table, "convert", "convert FILE [-o OUT] [-v]", "convert a profile to the latest format", RunConvert);
}

}  // namespace zqv::cli
