// The settings form and the help pane with a full profile: showing the settings form (leaving
// the root's form, building the form, filling it from the profile), and the help pane
// following the focus from control to control of the settings form (looking the page up in
// the help-pane map, reading it out of the help file, laying it out and painting it).
//
//   bench_settings [--rounds N] [HELP_FILE]
//
// The profile is the editor benchmarks' full profile (the largest shipped template filled up to
// 150 contacts and 25 text messages through the rule script); the help file is the English one of the build tree. One
// frame is 16 ms.
#include "BenchSupport.h"
#include "ControlIds.h"
#include "HelpFile.h"
#include "HelpPane.h"
#include "SettingDocs.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <vector>

using namespace zqvbench;

namespace {

int ContactCount(const CEditorWindow &w)
{
    const CDataItem root = w.Root();
    int total = 0;
    for (int kind : {kNodePublicGroups, kNodePrivateGroups, kNodePrivates})
        total += ListItem(root, kind).GetChildCount();
    return total;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int rounds = 50;
    QString helpFile = QStringLiteral(ZQV_DATA_DIR "/help/zqvcps.qch");
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--rounds") && i + 1 < args.size())
            rounds = args[++i].toInt();
        else
            helpFile = args[i];
    }
    QTextStream out(stdout);

    CEditorWindow w;
    if (!w.NewFromTemplate(QStringLiteral("ZQ-880 Fleet.zqv")))
        qFatal("the template does not load");
    FillFullProfile(w);
    out << "contacts in the profile: " << ContactCount(w) << Qt::endl;
    w.Tree().Build();
    w.show();
    CEditorWindow::Flush();

    std::vector<double> load;
    for (int r = 0; r < rounds; ++r) {
        w.Select(kNodeRoot);
        QElapsedTimer t;
        t.start();
        w.Select(kNodeSettings);
        load.push_back(t.nsecsElapsed() / 1e6);
    }
    out << "settings form shown: " << Figures(load) << Qt::endl;

    CScriptedPrompter prompter;
    auto map = LoadSettingDoc(QStringLiteral(ZQV_SOURCE_DIR "/data"), QLatin1String(kHelpPaneDocName), prompter);
    if (!map)
        qFatal("no help-pane map");
    QElapsedTimer open;
    open.start();
    const auto file = CHelpFile::Open(helpFile);
    out << "help file opened: " << open.nsecsElapsed() / 1e6 << " ms" << (file->IsOpen() ? "" : " (NOT a help file)")
        << Qt::endl;
    CHelpView pane([&](const QString &section, int id) { return GetHelpPageName(*map, section, id); }, helpFile);
    pane.resize(700, 150);
    pane.show();
    CEditorWindow::Flush();
    std::vector<double> update;
    const auto &controls = kFormViewControls[1];
    for (int r = 0; r < rounds; ++r)
        for (std::size_t i = 0; i < controls.count; ++i) {
            QElapsedTimer t;
            t.start();
            pane.ShowControlHelp(QLatin1String(controls.viewClass), controls.ids[i]);
            pane.repaint();
            update.push_back(t.nsecsElapsed() / 1e6);
        }
    out << "help pane update after a focus change: " << Figures(update) << " (" << pane.NavigationCount()
        << " navigations)" << Qt::endl;
    return 0;
}
