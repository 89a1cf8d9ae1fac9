// zqvcps: the desktop program.
#include "AboutDlg.h"
#include "FrameEditors.h"
#include "ZQVCPSApp.h"

#include <QApplication>
#include <csignal>
#include <cstdio>

int main(int argc, char *argv[])
{
    std::signal(SIGXFSZ, SIG_IGN);  // a file-size limit fails the write (a save failure), not the program
    // --help, --version and a wrong command line are answered before anything opens a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const zqv::CZQVCPSApp::CommandLine cmd = zqv::CZQVCPSApp::ParseCommandLine(arguments);
    if (!cmd.error.isEmpty()) {
        std::fprintf(stderr, "zqvcps: %s\n%s", qPrintable(cmd.error), qPrintable(zqv::CZQVCPSApp::UsageText()));
        return 2;
    }
    if (cmd.help) {
        std::fputs(qPrintable(zqv::CZQVCPSApp::UsageText()), stdout);
        return 0;
    }
    if (cmd.version) {
        std::printf("zqvcps %s\n", qPrintable(zqv::CAboutDlg::ProductVersion()));
        return 0;
    }
    QApplication qapp(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    QApplication::setApplicationName(QStringLiteral("ZQV CPS"));
    // Ties the windows to the installed desktop entry (its name and icon in docks and task bars).
    QGuiApplication::setDesktopFileName(QStringLiteral("com.corvane.zqvcps"));
    zqv::CZQVCPSApp app;
    zqv::InstallEditors(app.Prompter());
    // A start that ended early (its step has shown why) is a failure to the caller.
    if (!app.InitInstance(QApplication::arguments()))
        return 1;
    const int code = QApplication::exec();
    return app.StartFailed() ? 1 : code;
}
