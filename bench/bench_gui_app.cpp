// zqvcps's start-up for the start-up benchmark (bench/gui_startup.sh): linked as zqvcps is
// and doing what its main does (the splash skipped), it reports when the main frame is on
// screen.
//
//   bench_gui_app [PROFILE]          PROFILE opened from the command line, as zqvcps does
//   bench_gui_app --open PROFILE     PROFILE opened once the frame has settled: its open time
#include "FirstFrame.h"
#include "FrameEditors.h"
#include "MainFrame.h"
#include "ZQVCPSApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <ctime>
#include <memory>

using namespace zqv;

namespace {

// Attaches the on-screen watch to the main frame when it is first shown (inside InitInstance).
class CMainFrameWatch : public QObject {
public:
    explicit CMainFrameWatch(std::function<QString()> after) : m_fnAfter(std::move(after)) {}
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Show && !m_pWatch && o->objectName() == QLatin1String("MainFrame"))
            m_pWatch = std::make_unique<zqvbench::CFrameOnScreen>(static_cast<QWidget *>(o), m_fnAfter);
        return false;
    }

private:
    std::function<QString()> m_fnAfter;
    std::unique_ptr<zqvbench::CFrameOnScreen> m_pWatch;
};

}  // namespace

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    QApplication::setApplicationName(QStringLiteral("ZQV CPS"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.corvane.zqvcps"));
    QStringList args = QApplication::arguments();
    QString openLater;
    if (args.size() >= 3 && args[1] == QLatin1String("--open")) {
        openLater = args[2];
        args = args.mid(0, 1);
    }
    CZQVCPSApp app;
    std::function<QString()> after;
    if (!openLater.isEmpty())
        after = [&app, openLater] {
            QElapsedTimer clock;
            clock.start();
            timespec cpu0{}, cpu1{};
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu0);
            const bool opened = app.OpenProfile(openLater);
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu1);
            const qint64 cpuUs = (cpu1.tv_sec - cpu0.tv_sec) * 1000000 + (cpu1.tv_nsec - cpu0.tv_nsec) / 1000;
            return QStringLiteral("open_us %1 open_cpu_us %2")
                .arg(opened ? clock.nsecsElapsed() / 1000 : -1)
                .arg(cpuUs);
        };
    CMainFrameWatch watch(after);
    qapp.installEventFilter(&watch);
    InstallEditors(app.Prompter());
    args.insert(1, QStringLiteral("--no-splash"));
    if (!app.InitInstance(args))
        return 1;
    return QApplication::exec();
}
