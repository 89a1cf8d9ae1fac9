// The start-up checks without a window (configuration, script engine, the three shipped setting
// documents, region, the working setting document of group 3), against a bare libxml2 parse of
// the three files.
//
//   bench_startup [--iterations N]
#include "AppShell.h"
#include "ConfigStore.h"
#include "Prompter.h"
#include "SettingDocs.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <libxml/parser.h>

using namespace zqv;

namespace {

const char *const kDocs[] = {kHelpPaneDocName, kRegionDocName, kUpgradeDocName};

// Milliseconds per run of `work`, over `iterations` runs after one warm-up run.
template <typename Work>
double MsPerRun(int iterations, Work work)
{
    work();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < iterations; ++i)
        work();
    return timer.nsecsElapsed() / 1e6 / iterations;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    int iterations = 200;
    if (args.size() >= 2 && args.first() == QLatin1String("--iterations"))
        iterations = qMax(1, args.at(1).toInt());

    QTemporaryDir dir;
    const QString install = dir.filePath("install");
    QDir().mkpath(install + "/lib");
    for (const char *name : kDocs)
        if (!QFile::copy(QStringLiteral(ZQV_SOURCE_DIR "/data/lib/") + QLatin1String(name), install + "/lib/" + name))
            qFatal("cannot copy %s", name);
    {
        CConfigStore writer(dir.filePath("user"), dir.filePath("system"));
        writer.Write(config::DefaultLanguage, QStringLiteral("English"));
        writer.Write(config::InstallPath, install);
    }

    CScriptedPrompter prompter;
    const auto startOnce = [&](bool withScriptCheck) {
        CConfigStore store(dir.filePath("user"), dir.filePath("system"));
        CAppShell shell(store, prompter);
        if (!withScriptCheck)
            shell.SetScriptEngineCheck([] { return true; });
        if (!shell.Start())
            qFatal("start-up failed: %s", qPrintable(prompter.Texts().join(" | ")));
    };
    const double full = MsPerRun(iterations, [&] { startOnce(true); });
    const double withoutEngine = MsPerRun(iterations, [&] { startOnce(false); });
    const double engine = MsPerRun(iterations, [] {
        if (!CheckScriptEngine())
            qFatal("no script engine");
    });

    CConfigStore store(dir.filePath("user"), dir.filePath("system"));
    CAppShell shell(store, prompter);
    shell.Start();
    const double build = MsPerRun(iterations, [&] { shell.BuildGroupSettingDoc(3); });

    const double parse = MsPerRun(iterations, [&] {
        for (const char *name : kDocs) {
            // Read and parse from memory (the program refuses libxml2's own file loading).
            QFile file(install + "/lib/" + name);
            if (!file.open(QIODevice::ReadOnly))
                qFatal("cannot read %s", name);
            const QByteArray bytes = file.readAll();
            xmlDocPtr doc = xmlReadMemory(bytes.constData(), int(bytes.size()), nullptr, nullptr,
                                          XML_PARSE_NONET | XML_PARSE_NOBLANKS);
            if (!doc)
                qFatal("cannot parse %s", name);
            xmlFreeDoc(doc);
        }
    });

    QTextStream out(stdout);
    out.setRealNumberNotation(QTextStream::FixedNotation);
    out.setRealNumberPrecision(3);
    out << "start-up checks, " << iterations << " runs each (ms per run)\n"
        << "  full start-up (configuration .. group 3 built): " << full << "  = " << full / parse << " x bare parse\n"
        << "  the same without the script-engine check:      " << withoutEngine << "  = " << withoutEngine / parse
        << " x bare parse\n"
        << "  script-engine check alone:                      " << engine << "\n"
        << "  BuildGroupSettingDoc(3) alone:                  " << build << "\n"
        << "  bare libxml2 parse of the three files:          " << parse << "\n";
    return 0;
}
