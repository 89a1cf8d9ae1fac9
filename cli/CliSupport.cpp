#include "CliSupport.h"

#include "AppShell.h"
#include "LinkTrace.h"
#include "SettingDocs.h"
#include "SettingsMerge.h"
#include "StringIds.h"
#include "StringTable.h"
#include "ZQVCPSException.h"

#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

namespace zqv::cli {

int CCliPrompter::Show(const QString &text, unsigned style)
{
    m_err << text << '\n';
    const unsigned buttons = style & 0xF;
    if (buttons == MB_OK) {
        m_err.flush();
        return IDOK;
    }
    const bool yesNo = buttons == MB_YESNO || buttons == MB_YESNOCANCEL;
    const int yes = yesNo ? IDYES : IDOK;
    const int no = yesNo ? IDNO : IDCANCEL;
    if (m_bAssumeYes) {
        m_err << (yesNo ? "[yes]\n" : "[ok]\n");
        m_err.flush();
        return yes;
    }
    if (!isatty(fileno(stdin))) {
        m_err << (yesNo ? "[no: not a terminal]\n" : "[cancel: not a terminal]\n");
        m_err.flush();
        return no;
    }
    for (;;) {
        m_err << (yesNo ? "[y/n] " : "[ok/cancel] ");
        m_err.flush();
        char line[64] = {};
        if (!std::fgets(line, sizeof line, stdin))
            return no;
        const QString answer = QString::fromLocal8Bit(line).trimmed().toLower();
        if (answer == QLatin1String("y") || answer == QLatin1String("yes") || answer == QLatin1String("ok"))
            return yes;
        if (answer == QLatin1String("n") || answer == QLatin1String("no") || answer == QLatin1String("cancel"))
            return no;
        if (buttons == MB_YESNOCANCEL && answer == QLatin1String("c"))
            return IDCANCEL;
    }
}

CCliContext::CCliContext(QString installDir, QTextStream &out, QTextStream &err)
    : m_strInstallDir(std::move(installDir)), m_out(out), m_err(err), m_prompter(err)
{
}

CCliContext::~CCliContext() = default;

bool CCliContext::LoadInstallation()
{
    if (m_bLoaded)
        return true;
    try {
        const auto region = LoadSettingDoc(m_strInstallDir, QLatin1String(kRegionDocName), m_prompter);
        if (!region)
            return false;
        m_strRegion = GetRegion(*region);
        if (m_strRegion != QLatin1String(kRegionCode)) {
            m_prompter.ShowMessage(IDS_FILES_MISSING, MB_OK | MB_ICONERROR);
            return false;
        }
        m_spUpgradeDoc = LoadSettingDoc(m_strInstallDir, QLatin1String(kUpgradeDocName), m_prompter);
        if (!m_spUpgradeDoc)
            return false;
    } catch (const CZQVCPSException &e) {
        Report(e.GetMessageId(), e.GetTrace());
        return false;
    }
    m_bLoaded = true;
    return true;
}

CModelEnvironment CCliContext::Environment()
{
    CModelEnvironment env;
    env.installDir = m_strInstallDir;
    env.regionCode = m_strRegion;
    env.upgradeDoc = m_spUpgradeDoc;
    env.prompter = &m_prompter;
    return env;
}

std::shared_ptr<const CXmlDocument> CCliContext::WorkingSettingDocument(int group)
{
    if (!m_spUpgradeDoc)
        return nullptr;
    try {
        return MergeGroupSettingDoc(*m_spUpgradeDoc, group, m_strRegion).working;
    } catch (const CZQVCPSException &e) {
        Report(e.GetMessageId(), e.GetTrace());
        return nullptr;
    }
}

void CCliContext::Report(int messageId, const QString &trace)
{
    m_err << LoadStr(messageId) << '\n';
    Trace(trace);
}

void CCliContext::Trace(const QString &trace)
{
    if (m_bVerbose && !trace.isEmpty())
        m_err << trace.trimmed() << '\n';
    m_err.flush();
}

std::shared_ptr<const CXmlDocument> CCliDocumentHost::WorkingSettingDocument(int group)
{
    return m_context.WorkingSettingDocument(group);
}

bool CArgs::Parse(const QStringList &args, const QStringList &valued, const QStringList &flags)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            if (valued.contains(a)) {
                if (i + 1 >= args.size()) {
                    m_strError = QStringLiteral("option %1 needs a value").arg(a);
                    return false;
                }
                m_options.append({a, args.at(++i)});
            } else if (flags.contains(a)) {
                m_options.append({a, QString()});
            } else {
                m_strError = QStringLiteral("unknown option %1").arg(a);
                return false;
            }
        } else {
            m_operands << a;
        }
    }
    return true;
}

QString CArgs::Value(const QString &option) const
{
    for (const auto &o : m_options)
        if (o.first == option)
            return o.second;
    return QString();
}

bool CArgs::Has(const QString &option) const
{
    for (const auto &o : m_options)
        if (o.first == option)
            return true;
    return false;
}

bool ParseGlobalOptions(QStringList &args, CGlobalOptions &options, QString &error)
{
    bool installGiven = false, traceGiven = false;
    while (!args.isEmpty()) {
        const QString option = args.first();
        QString *target = nullptr;
        bool *given = nullptr;
        if (option == QLatin1String("--install-dir")) {
            target = &options.installDir;
            given = &installGiven;
        } else if (option == QLatin1String("--trace")) {
            target = &options.traceFile;
            given = &traceGiven;
        } else {
            break;
        }
        if (args.size() < 2) {
            error = QStringLiteral("option %1 needs a value").arg(option);
            return false;
        }
        if (*given) {
            error = QStringLiteral("option %1 given twice").arg(option);
            return false;
        }
        *given = true;
        *target = args.at(1);
        args = args.mid(2);
    }
    return true;
}

bool StartTrace(const QString &path, QTextStream &err)
{
    QString reason;
    if (linktrace::Start(path, &reason))
        return true;
    err << "zqvcps-cli: cannot open the trace file " << path << ": " << reason << '\n';
    err.flush();
    return false;
}

void WarnIfTraceIncomplete(const QString &path, QTextStream &err)
{
    const QString reason = linktrace::WriteError();
    if (path.isEmpty() || reason.isEmpty())
        return;
    err << "zqvcps-cli: warning: the trace file " << path << " is incomplete: " << reason << '\n';
    err.flush();
}

void AddCommand(CommandTable &table, const char *name, const char *synopsis, const char *summary, CommandFunction run)
{
    CCommand command{QLatin1String(name), QLatin1String(synopsis), QLatin1String(summary), {}};
    command.run = [run, command](CCliContext &ctx, const QStringList &args) { return run(ctx, command, args); };
    table.push_back(std::move(command));
}

int UsageError(CCliContext &context, const CCommand &command, const QString &reason)
{
    context.Err() << "zqvcps-cli: " << reason << "\nUsage: zqvcps-cli " << kGlobalSynopsis << ' ' << command.synopsis
                  << '\n';
    context.Err().flush();
    return kExitUsage;
}

bool OpenProfile(CCliContext &context, CZQVCPSDoc &doc, const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        context.Err() << "zqvcps-cli: " << path << ": no such file\n";
        context.Prompter().ShowMessage(IDS_LOAD_PROFILE_FAILED);
        return false;
    }
    // A folder, a FIFO or a device: said so, and never opened (reading a FIFO could wait forever).
    if (!info.isFile()) {
        context.Prompter().Show(FormatStr(IDS_PROFILE_NOT_REGULAR_FILE, {path}), MB_OK | MB_ICONERROR);
        return false;
    }
    if (doc.OnOpenDocument(path))
        return true;
    context.Trace(doc.GetLastErrorTrace());
    return false;
}

}  // namespace zqv::cli
