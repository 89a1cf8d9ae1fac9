// zqvcps: the desktop program.
#include "FrameEditors.h"
#include "ZQVCPSApp.h"

#include <QApplication>
#include <csignal>

int main(int argc, char *argv[])
{
    std::signal(SIGXFSZ, SIG_IGN);  // a file-size limit fails the write (a save failure), not the program
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
    return QApplication::exec();
}
