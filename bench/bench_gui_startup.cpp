// The desktop program's start-up time and memory against a bare Qt window.
//
//   bench_gui_startup [--runs N] [--language NAME] [--app PATH]   (needs a display: bench/gui_startup.sh
//   gives one; --app measures another build's bench_gui_app, a copy from before a change say)
//
// Two programs of their own, each started as a process per run: bench_gui_baseline, which
// links Qt Widgets only and shows a maximised main window with six menus and a status text,
// and bench_gui_app, linked as zqvcps is and running its start-up (splash skipped). Each run
// takes the time from just before the process is started to its main window being on screen
// (children painted and flushed) and the process's resident memory 300 ms later. The runs
// interleave the bare window, the program without a profile, the program with a 150-contact
// profile on its command line (the simulator's full radio: 150 contacts and 25 texts) and the
// program opening that profile once it has settled (the first open's own time). Prints the
// medians and the ratios against the bare window (targets: start-up at most 1.2, memory at
// most 1.3 without a profile and 1.5 with it).
//
// With --language (a language of the installation, "German" say) it also starts the program,
// N times each and alternating, with English and with that language as the user's current
// language, and prints both medians and their ratio (target: at most 1.05).
#include "DataAdaptor.h"
#include "RadioSim.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <ctime>

using namespace zqv;

namespace {

qint64 RealtimeNs()
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

struct Sample {
    qint64 us = -1;  // microseconds from process start to the window on screen
    qint64 cpuUs = -1;  // the processor time the process used until then
    qint64 rssKb = -1;  // resident memory once settled
    qint64 openUs = -1;  // the first open's time (--open runs)
    qint64 openCpuUs = -1;  // and the processor time the program's thread spent on it
};

// `configHome`, when given, is the child's XDG_CONFIG_HOME (a user configuration of its own).
Sample RunOnce(const QString &program, const QStringList &args, const QString &configHome = {})
{
    QProcess child;
    if (!configHome.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        child.setProcessEnvironment(env);
    }
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 start = RealtimeNs();
    child.start(program, args);
    if (!child.waitForFinished(60000) || child.exitCode() != 0)
        qFatal("%s %s failed", qPrintable(program), qPrintable(args.join(u' ')));
    const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
    if (words.size() < 6 || words[0] != "shown")
        qFatal("%s printed no on-screen time", qPrintable(program));
    Sample s;
    s.us = (words[1].toLongLong() - start) / 1000;
    s.cpuUs = words[3].toLongLong();
    s.rssKb = words[5].toLongLong();
    if (words.size() >= 8 && words[6] == "open_us")
        s.openUs = words[7].toLongLong();
    if (words.size() >= 10 && words[8] == "open_cpu_us")
        s.openCpuUs = words[9].toLongLong();
    return s;
}

double Median(std::vector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : double(v[v.size() / 2]);
}

QString Ms(double us)
{
    return QString::number(us / 1000.0, 'f', 1) + QStringLiteral(" ms");
}

QString Mb(double kb)
{
    return QString::number(kb / 1024.0, 'f', 1) + QStringLiteral(" MB");
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication core(argc, argv);
    int runs = 11;
    const QStringList args = QCoreApplication::arguments();
    const int at = args.indexOf(QStringLiteral("--runs"));
    if (at >= 0 && at + 1 < args.size())
        runs = qMax(1, args[at + 1].toInt());
    const int languageAt = args.indexOf(QStringLiteral("--language"));
    const QString language = languageAt >= 0 && languageAt + 1 < args.size() ? args[languageAt + 1] : QString();
    const int appAt = args.indexOf(QStringLiteral("--app"));
    const QString bareProgram = QStringLiteral(ZQV_BENCH_BASELINE);
    const QString appProgram = appAt >= 0 && appAt + 1 < args.size() ? args[appAt + 1] : QStringLiteral(ZQV_BENCH_APP);
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

    struct Series {
        std::vector<qint64> us, cpuUs, rssKb, openUs, openCpuUs;
        void Add(const Sample &s)
        {
            us.push_back(s.us);
            cpuUs.push_back(s.cpuUs);
            rssKb.push_back(s.rssKb);
            openUs.push_back(s.openUs);
            openCpuUs.push_back(s.openCpuUs);
        }
    } bare, app, withProfile, opened;
    const QStringList openArgs{QStringLiteral("--open"), profile};
    // One warm-up of each, so all start from the same file-system cache.
    RunOnce(bareProgram, {});
    RunOnce(appProgram, {});
    RunOnce(appProgram, openArgs);
    for (int i = 0; i < runs; ++i) {
        bare.Add(RunOnce(bareProgram, {}));
        app.Add(RunOnce(appProgram, {}));
        withProfile.Add(RunOnce(appProgram, {profile}));
        opened.Add(RunOnce(appProgram, openArgs));
    }
    const double bareUs = Median(bare.us), appUs = Median(app.us), profileUs = Median(withProfile.us);
    const double bareKb = Median(bare.rssKb), appKb = Median(app.rssKb), profileKb = Median(withProfile.rssKb);
    const auto ratio = [](double a, double b) { return QString::number(a / b, 'f', 2); };
    out << "start-up to main window on screen (median of " << runs << " interleaved runs)\n";
    out << "  bare window:                 " << Ms(bareUs) << "\n";
    out << "  zqvcps, no profile:          " << Ms(appUs) << "   ratio " << ratio(appUs, bareUs)
        << " (target <= 1.2)\n";
    out << "  zqvcps, 150-contact profile: " << Ms(profileUs) << "   ratio " << ratio(profileUs, bareUs) << "\n";
    const double bareCpu = Median(bare.cpuUs), appCpu = Median(app.cpuUs), profileCpu = Median(withProfile.cpuUs);
    out << "processor time until then (median; steadier than the wall clock on a busy machine)\n";
    out << "  bare window:                 " << Ms(bareCpu) << "\n";
    out << "  zqvcps, no profile:          " << Ms(appCpu) << "   ratio " << ratio(appCpu, bareCpu) << "\n";
    out << "  zqvcps, 150-contact profile: " << Ms(profileCpu) << "   ratio " << ratio(profileCpu, bareCpu) << "\n";
    out << "first open of the 150-contact profile after start-up: " << Ms(Median(opened.openUs)) << " (processor time "
        << Ms(Median(opened.openCpuUs)) << ")\n";
    out << "resident memory (median)\n";
    out << "  bare window:                 " << Mb(bareKb) << "\n";
    out << "  zqvcps, no profile:          " << Mb(appKb) << "   ratio " << ratio(appKb, bareKb)
        << " (target <= 1.3)\n";
    out << "  zqvcps, 150-contact profile: " << Mb(profileKb) << "   ratio " << ratio(profileKb, bareKb)
        << " (target <= 1.5)\n";

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
        RunOnce(appProgram, {}, english);
        RunOnce(appProgram, {}, other);
        for (int i = 0; i < runs; ++i) {
            inEnglish.push_back(RunOnce(appProgram, {}, english).us);
            inOther.push_back(RunOnce(appProgram, {}, other).us);
        }
        // The translation really loaded: a missing one would have reset the language.
        if (QSettings(other + QStringLiteral("/Corvane/ZQV CPS.conf"), QSettings::IniFormat)
                .value(QStringLiteral("CurrentLanguage")) != language)
            qFatal("the program did not start in %s", qPrintable(language));
        const double englishUs = Median(inEnglish), otherUs = Median(inOther);
        out << "start-up by language (median of " << runs << " runs)\n";
        out << "  English:                     " << Ms(englishUs) << "\n";
        out << "  " << (language + QLatin1Char(':')).leftJustified(29) << Ms(otherUs) << "\n";
        out << "  ratio:                       " << QString::number(otherUs / englishUs, 'f', 3)
            << " (target <= 1.05)\n";
    }
    return 0;
}
