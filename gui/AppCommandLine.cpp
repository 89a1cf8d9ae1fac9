// The desktop program's own command-line options and its usage text.
#include "ZQVCPSApp.h"

namespace zqv {

CZQVCPSApp::CommandLine CZQVCPSApp::ParseCommandLine(const QStringList &arguments)
{
    // The toolkit's own options, which it takes off the command line when the application
    // object is made; written with one dash or two, a value after them or after "=".
    static const QStringList kToolkitValued = {QStringLiteral("platform"),
                                               QStringLiteral("platformpluginpath"),
                                               QStringLiteral("platformtheme"),
                                               QStringLiteral("plugin"),
                                               QStringLiteral("qwindowgeometry"),
                                               QStringLiteral("geometry"),
                                               QStringLiteral("qwindowtitle"),
                                               QStringLiteral("title"),
                                               QStringLiteral("qwindowicon"),
                                               QStringLiteral("icon"),
                                               QStringLiteral("session"),
                                               QStringLiteral("display"),
                                               QStringLiteral("name"),
                                               QStringLiteral("style"),
                                               QStringLiteral("stylesheet")};
    static const QStringList kToolkitFlags = {QStringLiteral("reverse"),      QStringLiteral("widgetcount"),
                                              QStringLiteral("testability"),  QStringLiteral("nograb"),
                                              QStringLiteral("dograb"),       QStringLiteral("sync"),
                                              QStringLiteral("qmljsdebugger")};
    CommandLine cmd;
    bool operandsOnly = false;
    for (int i = 1; i < arguments.size() && cmd.error.isEmpty(); ++i) {
        const QString &arg = arguments[i];
        if (operandsOnly || !arg.startsWith(u'-') || arg == QLatin1String("-")) {
            if (cmd.profile.isEmpty())
                cmd.profile = arg;
        } else if (arg == QLatin1String("--")) {
            operandsOnly = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            cmd.help = true;
        } else if (arg == QLatin1String("--version")) {
            cmd.version = true;
        } else if (arg == QLatin1String("--no-splash")) {
            cmd.splash = false;
        } else if (arg == QLatin1String("--port")) {
            if (i + 1 < arguments.size())
                cmd.port = arguments[++i];
            else
                cmd.error = QStringLiteral("option --port needs a value");
        } else if (arg.startsWith(QLatin1String("--port="))) {
            cmd.port = arg.mid(7);
        } else {
            const QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1).section(u'=', 0, 0);
            if (kToolkitValued.contains(name)) {
                if (!arg.contains(u'=') && ++i >= arguments.size())
                    cmd.error = QStringLiteral("option %1 needs a value").arg(arg);
            } else if (!kToolkitFlags.contains(name)) {
                cmd.error = QStringLiteral("unknown option %1").arg(arg);
            }
        }
    }
    return cmd;
}

QString CZQVCPSApp::UsageText()
{
    return QStringLiteral("Usage: zqvcps [--no-splash] [--port PORT[,PORT...]] [PROFILE]\n"
                          "\n"
                          "ZQV CPS: programs push-to-talk radios and edits their profiles (.zqv).\n"
                          "\n"
                          "Options:\n"
                          "  --no-splash    start without the splash screen\n"
                          "  --port PORT    talk to the radio over the serial device PORT in this session\n"
                          "                 (several, comma separated, for the Fleet window)\n"
                          "  --help         show this text\n"
                          "  --version      show the program's version\n"
                          "  PROFILE        a profile to open at start-up\n"
                          "\n"
                          "The toolkit's own options (-platform NAME, -style NAME, ...) are accepted too.\n");
}

}  // namespace zqv
