// zqvcps-cli: the command-line face of ZQV CPS. Commands are added here as the libraries
// behind them land; `--help` lists what this build offers.
#include <QCoreApplication>
#include <QTextStream>

namespace {

const char kUsage[] =
    "Usage: zqvcps-cli [--install-dir DIR] COMMAND [ARGS]\n"
    "\n"
    "ZQV CPS command-line tool: works with radio profiles (.zqv) and radios.\n"
    "\n"
    "Commands:\n"
    "  --help, help      show this text\n"
    "  --version         show the program's version\n";

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zqvcps-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZQV_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = app.arguments().mid(1);
    // Global option: where the installation data lives (default: next to the program).
    QString installDir = QCoreApplication::applicationDirPath() + QStringLiteral("/../data");
    if (args.size() >= 2 && args.first() == QLatin1String("--install-dir")) {
        installDir = args.at(1);
        args = args.mid(2);
    }
    Q_UNUSED(installDir);  // read by the profile and radio commands
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("help")) {
        out << kUsage;
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == QLatin1String("--version")) {
        out << "zqvcps-cli " << ZQV_VERSION << "\n";
        return 0;
    }
    err << "zqvcps-cli: unknown command '" << args.first() << "'\n" << kUsage;
    return 2;
}
