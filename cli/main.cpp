// zqvcps-cli: the command-line face of ZQV CPS. Each command file registers its commands
// with one line below; `--help` lists what this build offers.
//
// Exit codes: 0 success; 1 a failure, whose message is on stderr; 2 a usage error.
#include "CliSupport.h"
#include "ConfigStore.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <csignal>
#include <memory>

using namespace zqv::cli;

namespace {

void PrintUsage(QTextStream &stream, const CommandTable &commands)
{
    stream << "Usage: zqvcps-cli " << kGlobalSynopsis
           << " COMMAND [ARGS]\n"
              "\n"
              "ZQV CPS command-line tool: works with radio profiles (.zqv) and radios.\n"
              "Progress and messages go to stderr.\n"
              "\n"
              "Commands:\n";
    for (const CCommand &command : commands)
        stream << "  " << command.synopsis.leftJustified(44) << ' ' << command.summary << '\n';
    stream << "  " << QStringLiteral("--help, help").leftJustified(44) << " show this text\n"
           << "  " << QStringLiteral("--version").leftJustified(44) << " show the program's version\n"
           << "\nGlobal options:\n"
           << "  " << QStringLiteral("--install-dir DIR").leftJustified(44) << " the installation's data folder\n"
           << "  " << QStringLiteral("--trace FILE").leftJustified(44)
           << " append every frame to and from the radio to FILE\n"
           << "\nExit codes: 0 success, 1 failure (its message on stderr), 2 usage error, 3 diff found "
              "differences.\n";
}

}  // namespace

int main(int argc, char *argv[])
{
    // Under a file-size limit a write past it fails with EFBIG and is reported like any other
    // failed save; by default the signal would end the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    // Reports are laid out by Qt's text engine, which needs the GUI application object; the
    // tool never shows a window, so it runs on the offscreen platform whatever the display.
    // The command word follows the global options and their values (ParseGlobalOptions).
    int commandAt = 1;
    while (commandAt + 1 < argc &&
           (qstrcmp(argv[commandAt], "--install-dir") == 0 || qstrcmp(argv[commandAt], "--trace") == 0))
        commandAt += 2;
    const bool reportCommand = commandAt < argc && qstrcmp(argv[commandAt], "report") == 0;
    if (reportCommand)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application =
        reportCommand ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication &app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("zqvcps-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZQV_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);

    CommandTable commands;
    RegisterProfileCommands(commands);
    RegisterLinkCommands(commands);
    RegisterReportCommands(commands);
    RegisterExchangeCommands(commands);
    RegisterDiagCommands(commands);
    RegisterFleetCommands(commands);

    QStringList args = app.arguments().mid(1);
    // Global options, before the command: where the installation data lives (by default the
    // place the installation, or the build, recorded as InstallPath, as the desktop program
    // finds it; failing that, the data folder next to the program), and the link trace.
    CGlobalOptions global;
    global.installDir = zqv::CConfigStore().ReadInstallPath();
    if (global.installDir.isEmpty())
        global.installDir = QCoreApplication::applicationDirPath() + QStringLiteral("/../data");
    QString error;
    if (!ParseGlobalOptions(args, global, error)) {
        err << "zqvcps-cli: " << error << '\n';
        PrintUsage(err, commands);
        return kExitUsage;
    }
    if (!global.traceFile.isEmpty() && !StartTrace(global.traceFile, err))
        return kExitFailure;
    const QString &installDir = global.installDir;
    if (args.isEmpty()) {
        PrintUsage(err, commands);
        return kExitUsage;
    }
    if (args.first() == QLatin1String("--help") || args.first() == QLatin1String("help")) {
        PrintUsage(out, commands);
        return kExitOk;
    }
    if (args.first() == QLatin1String("--version")) {
        out << "zqvcps-cli " << ZQV_VERSION << "\n";
        return kExitOk;
    }
    for (const CCommand &command : commands) {
        if (command.name == args.first()) {
            CCliContext context(installDir, out, err);
            InstallDoctorHint(context);
            const int exitCode = command.run(context, args.mid(1));
            WarnIfTraceIncomplete(global.traceFile, err);
            return exitCode;
        }
    }
    err << "zqvcps-cli: unknown command '" << args.first() << "'\n";
    PrintUsage(err, commands);
    return kExitUsage;
}
