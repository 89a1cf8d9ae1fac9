// The desktop program's start-up time and memory.
//
//   bench_gui_startup [--runs N] [--language NAME]   (needs a display: bench/gui_startup.sh gives one)
//
// Starts, N times each, a bare Qt program that shows an empty QMainWindow and the desktop
// program's start-up (the same CZQVCPSApp::InitInstance as zqvcps, splash skipped), each as a
// process of its own, and takes the time from just before the process is started to the first
// paint of the main window. Prints the medians and their ratio (target: at most 2.0), then the
// resident memory of the program with one 150-contact profile open (the simulator's full
// radio, 150 contacts and 25 texts, shown in the profile tree), and of the two without a
// profile for comparison.
//
// With --language (a language of the installation, "German" say) it also starts the program,
// N times each and alternating, with English and with that language as the user's current
// language, and prints both medians and their ratio (target: at most 1.05).
#include "DataAdaptor.h"
#include "FrameEditors.h"
#include "RadioSim.h"
#include "ZQVCPSApp.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <memory>

using namespace zqv;

namespace {

qint64 RealtimeNs()
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

qint64 ResidentKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

// Reports the first paint of `window` on stdout and ends the program.
class CFirstPaint : public QObject {
public:
    explicit CFirstPaint(QWidget *window) { window->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_bDone) {
            m_bDone = true;
            const qint64 shown = RealtimeNs();
            // Memory is taken once the window has settled.
            QTimer::singleShot(300, [shown] {
                QTextStream(stdout) << "shown " << shown << " rss_kb " << ResidentKb() << Qt::endl;
                QApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_bDone = false;
};

// Attaches the first-paint watch to the main frame when it is first shown (inside
// InitInstance).
class CMainFrameWatch : public QObject {
public:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Show && !m_pWatch && o->objectName() == QLatin1String("MainFrame"))
            m_pWatch = std::make_unique<CFirstPaint>(static_cast<QWidget *>(o));
        return false;
    }

private:
    std::unique_ptr<CFirstPaint> m_pWatch;
};

int RunChild(int argc, char *argv[], const QString &mode, const QString &profile)
{
    QApplication qapp(argc, argv);
    if (mode == QLatin1String("bare")) {
        QMainWindow window;
        CFirstPaint watch(&window);
        window.showMaximized();
        return QApplication::exec();
    }
    // What zqvcps's main does.
    QApplication::setOrganizationName(QStringLiteral("Corvane"));
    QApplication::setApplicationName(QStringLiteral("ZQV CPS"));
    CMainFrameWatch watch;
    qapp.installEventFilter(&watch);
    CZQVCPSApp app;
    InstallEditors(app.Prompter());
    QStringList args{QStringLiteral("zqvcps"), QStringLiteral("--no-splash")};
    if (!profile.isEmpty())
        args << profile;
    if (!app.InitInstance(args)) {
        QTextStream(stderr) << "start-up failed" << Qt::endl;
        return 1;
    }
    return QApplication::exec();
}

struct Sample {
    qint64 ms100 = -1;  // tenths of milliseconds from process start to the first paint
    qint64 rssKb = -1;
};

// `configHome`, when given, is the child's XDG_CONFIG_HOME (a user configuration of its own).
Sample RunOnce(const QString &self, const QString &mode, const QString &profile, const QString &configHome = {})
{
    QProcess child;
    if (!configHome.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        child.setProcessEnvironment(env);
    }
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList args{QStringLiteral("--child"), mode};
    if (!profile.isEmpty())
        args << profile;
    const qint64 start = RealtimeNs();
    child.start(self, args);
    if (!child.waitForFinished(60000) || child.exitCode() != 0)
        return {};
    const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
    if (words.size() < 4)
        return {};
    Sample s;
    s.ms100 = (words[1].toLongLong() - start) / 100000;
    s.rssKb = words[3].toLongLong();
    return s;
}

double Median(std::vector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2] / 10.0;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc >= 3 && QByteArray(argv[1]) == "--child")
        return RunChild(argc, argv, QString::fromLocal8Bit(argv[2]),
                        argc >= 4 ? QString::fromLocal8Bit(argv[3]) : QString());

    QCoreApplication core(argc, argv);
    int runs = 10;
    const QStringList args = QCoreApplication::arguments();
    const int at = args.indexOf(QStringLiteral("--runs"));
    if (at >= 0 && at + 1 < args.size())
        runs = qMax(1, args[at + 1].toInt());
    const int languageAt = args.indexOf(QStringLiteral("--language"));
    const QString language = languageAt >= 0 && languageAt + 1 < args.size() ? args[languageAt + 1] : QString();
    const QString self = QCoreApplication::applicationFilePath();
    QTextStream out(stdout);

    // The 150-contact profile: the simulator's full radio as profile text.
    QTemporaryDir dir;
    const QString profile = dir.filePath(QStringLiteral("full-150.zqv"));
    {
        QString text;
        CDataAdaptor::VirtualCP2XML(CRadioSim::FullRadio(), text);
        CDataAdaptor::SortProfileText(text);
        QFile f(profile);
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot write the profile");
        f.write(text.toUtf8());
    }

    std::vector<qint64> bare, app;
    Sample bareSample, appSample;
    // One warm-up of each, so both start from the same file-system cache.
    RunOnce(self, QStringLiteral("bare"), QString());
    RunOnce(self, QStringLiteral("app"), QString());
    for (int i = 0; i < runs; ++i) {
        bareSample = RunOnce(self, QStringLiteral("bare"), QString());
        appSample = RunOnce(self, QStringLiteral("app"), QString());
        if (bareSample.ms100 < 0 || appSample.ms100 < 0)
            qFatal("a run failed");
        bare.push_back(bareSample.ms100);
        app.push_back(appSample.ms100);
    }
    const double bareMs = Median(bare), appMs = Median(app);
    out << "start-up to main window shown (median of " << runs << " runs)\n";
    out << "  bare QMainWindow:          " << bareMs << " ms\n";
    out << "  zqvcps (splash skipped):   " << appMs << " ms\n";
    out << "  ratio:                     " << QString::number(appMs / bareMs, 'f', 2) << " (target <= 2.0)\n";

    if (!language.isEmpty()) {
        // A user configuration per language, the language its current one.
        const auto configWith = [&dir](const QString &name) {
            const QString home = dir.filePath(QStringLiteral("config-") + name);
            QSettings(home + QStringLiteral("/Corvane/ZQV CPS.conf"), QSettings::IniFormat)
                .setValue(QStringLiteral("CurrentLanguage"), name);
            return home;
        };
        const QString english = configWith(QStringLiteral("English")), other = configWith(language);
        std::vector<qint64> inEnglish, inOther;
        RunOnce(self, QStringLiteral("app"), QString(), english);
        RunOnce(self, QStringLiteral("app"), QString(), other);
        for (int i = 0; i < runs; ++i) {
            const Sample e = RunOnce(self, QStringLiteral("app"), QString(), english);
            const Sample o = RunOnce(self, QStringLiteral("app"), QString(), other);
            if (e.ms100 < 0 || o.ms100 < 0)
                qFatal("a run failed");
            inEnglish.push_back(e.ms100);
            inOther.push_back(o.ms100);
        }
        // The translation really loaded: a missing one would have reset the language.
        if (QSettings(other + QStringLiteral("/Corvane/ZQV CPS.conf"), QSettings::IniFormat)
                .value(QStringLiteral("CurrentLanguage")) != language)
            qFatal("the program did not start in %s", qPrintable(language));
        const double englishMs = Median(inEnglish), otherMs = Median(inOther);
        out << "start-up by language (median of " << runs << " runs)\n";
        out << "  English:                   " << englishMs << " ms\n";
        out << "  " << (language + QLatin1Char(':')).leftJustified(27) << otherMs << " ms\n";
        out << "  ratio:                     " << QString::number(otherMs / englishMs, 'f', 3) << " (target <= 1.05)\n";
    }

    const Sample withProfile = RunOnce(self, QStringLiteral("app"), profile);
    if (withProfile.rssKb < 0)
        qFatal("the run with the profile failed");
    out << "resident memory\n";
    out << "  bare QMainWindow:          " << QString::number(bareSample.rssKb / 1024.0, 'f', 1) << " MB\n";
    out << "  zqvcps, no profile:        " << QString::number(appSample.rssKb / 1024.0, 'f', 1) << " MB\n";
    out << "  zqvcps, 150-contact profile: " << QString::number(withProfile.rssKb / 1024.0, 'f', 1) << " MB\n";
    return 0;
}
