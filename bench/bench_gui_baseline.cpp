// The bare window zqvcps's start-up is compared with (bench/gui_startup.sh): a program that
// links Qt Widgets only and shows a main window like the program's main frame — the screen's
// available geometry, maximised, a menu bar of six menus and a status text — and reports when
// it is on screen.
#include "FirstFrame.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    QMainWindow window;
    for (const char *title : {"&File", "&Edit", "&View", "&Device", "&Window", "&Help"}) {
        QMenu *menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        menu->addAction(QStringLiteral("&Open..."));
        menu->addSeparator();
        menu->addAction(QStringLiteral("E&xit"));
    }
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    zqvbench::CFrameOnScreen watch(&window);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return QApplication::exec();
}
