// What the commands of zqvcps-cli share: the command table, the exit codes, the terminal
// prompter, and the installation (setting documents and region) loaded on first use.
//
// A command file offers one registration function (RegisterProfileCommands ...) that main.cpp
// calls with one line.
#pragma once

#include "Prompter.h"
#include "RadioDataModel.h"
#include "ZQVCPSDoc.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zqv::cli {

enum ExitCode : int {
    kExitOk = 0,
    kExitFailure = 1,  // the system's message for the failure is on stderr
    kExitUsage = 2,
    kExitDifferent = 3,  // diff: the two differ
};

// Messages go to stderr. A question is answered Yes when the command was told so (--yes),
// asked on the terminal when stdin is one, and answered No (Cancel) otherwise.
class CCliPrompter : public IPrompter {
public:
    explicit CCliPrompter(QTextStream &err) : m_err(err) {}
    int Show(const QString &text, unsigned style) override;
    void SetAssumeYes(bool yes) { m_bAssumeYes = yes; }

private:
    QTextStream &m_err;
    bool m_bAssumeYes = false;
};

class CCliContext {
public:
    CCliContext(QString installDir, QTextStream &out, QTextStream &err);
    ~CCliContext();

    const QString &InstallDir() const { return m_strInstallDir; }
    QTextStream &Out() { return m_out; }
    QTextStream &Err() { return m_err; }
    CCliPrompter &Prompter() { return m_prompter; }

    // Reads Region.stv and UpDownGradeSetting.stv once. False (message already shown) when
    // a document is missing or broken, or the region is not this installation's.
    bool LoadInstallation();
    // The model's environment for this installation (LoadInstallation first).
    CModelEnvironment Environment();
    // The working setting document of a setting group, built from the upgrade document.
    std::shared_ptr<const CXmlDocument> WorkingSettingDocument(int group);

    // Prints the message of an exception (and, with --verbose, its trace) to stderr.
    void Report(int messageId, const QString &trace = QString());
    // Prints a trace text to stderr with --verbose.
    void Trace(const QString &trace);
    void SetVerbose(bool verbose) { m_bVerbose = verbose; }

private:
    QString m_strInstallDir;
    QTextStream &m_out;
    QTextStream &m_err;
    CCliPrompter m_prompter;
    bool m_bVerbose = false;
    bool m_bLoaded = false;
    QString m_strRegion;
    std::shared_ptr<CXmlDocument> m_spUpgradeDoc;
};

// A document host for the command line: the template it was given, and the working setting
// documents of the installation.
class CCliDocumentHost : public IDocumentHost {
public:
    explicit CCliDocumentHost(CCliContext &context) : m_context(context) {}
    QString NewProfileTemplatePath() const override { return m_strTemplatePath; }
    std::shared_ptr<const CXmlDocument> WorkingSettingDocument(int group) override;

    void SetTemplatePath(const QString &path) { m_strTemplatePath = path; }

private:
    CCliContext &m_context;
    QString m_strTemplatePath;
};

// The options and operands of one command: "-o FILE", "--template NAME", flags like "--yes".
class CArgs {
public:
    // `valued` lists the options that take a value. False when an option is unknown or lacks
    // its value (the reason is in Error()).
    bool Parse(const QStringList &args, const QStringList &valued, const QStringList &flags);
    QString Value(const QString &option) const;
    bool Has(const QString &option) const;
    const QStringList &Operands() const { return m_operands; }
    const QString &Error() const { return m_strError; }

private:
    QList<QPair<QString, QString>> m_options;
    QStringList m_operands;
    QString m_strError;
};

struct CCommand {
    QString name;
    QString synopsis;  // the usage line after the program name
    QString summary;  // one line for --help
    std::function<int(CCliContext &, const QStringList &)> run;
};
using CommandTable = std::vector<CCommand>;

// The options that come before the command.
inline constexpr char kGlobalSynopsis[] = "[--install-dir DIR] [--trace FILE]";
struct CGlobalOptions {
    QString installDir;
    QString traceFile;  // empty: no trace
};
// Takes the global options off the front of `args`, in any order. False, with the reason in
// `error`, when one lacks its value or is given twice.
bool ParseGlobalOptions(QStringList &args, CGlobalOptions &options, QString &error);
// Starts the link trace into `path`; false with a message on `err` when the file cannot be
// opened.
bool StartTrace(const QString &path, QTextStream &err);
// After a command: a warning on `err` when lines could not be written to the trace file
// `path` (empty: no trace).
void WarnIfTraceIncomplete(const QString &path, QTextStream &err);

// Opens the profile file `path` into `doc`; false (the message shown, the trace written) when
// it is no regular file or does not load.
bool OpenProfile(CCliContext &context, CZQVCPSDoc &doc, const QString &path);
// Prints "zqvcps-cli: <reason>" and the command's usage line to stderr; returns kExitUsage.
int UsageError(CCliContext &context, const CCommand &command, const QString &reason);

// A command's function: it gets its own table row (for its usage line) and its arguments.
using CommandFunction = int (*)(CCliContext &, const CCommand &, const QStringList &);
// Adds the row of one command to `table`.
void AddCommand(CommandTable &table, const char *name, const char *synopsis, const char *summary, CommandFunction run);

// One per command file: new, show, check, convert (ProfileCommands.cpp); ports, identify, read,
// write, restore, diff, backups, reset, read-pid, capture-pid (LinkCommands.cpp).
void RegisterProfileCommands(CommandTable &table);
void RegisterLinkCommands(CommandTable &table);
// report (ReportCommands.cpp).
void RegisterReportCommands(CommandTable &table);
// export, import, merge (ExchangeCommands.cpp).
void RegisterExchangeCommands(CommandTable &table);
// DiagCommands.cpp: doctor; `ports --watch` (the cable finder) runs RunPortsWatch.
void RegisterDiagCommands(CommandTable &table);
int RunPortsWatch(CCliContext &ctx);
// fleet (FleetCommands.cpp).
void RegisterFleetCommands(CommandTable &table);
// Makes every failed transfer print the doctor command that finds the cause.
void InstallDoctorHint(CCliContext &ctx);

}  // namespace zqv::cli
