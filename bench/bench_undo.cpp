// The undo history of a profile window with a full profile (150 contacts, 25 texts): what a
// change costs to record, how long an undo of one step that changed 50 contacts takes (the
// profile put back, the tree and the form shown again), and how many bytes 100 steps hold.
//
//   bench_undo [--rounds N]
//
// Runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include "BenchSupport.h"
#include "CommandIds.h"
#include "FrameEditors.h"
#include "GuiTestSupport.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <QUndoStack>

using namespace zqvbench;

namespace {

// The resident memory of this process, in KB (0 when /proc does not say).
qint64 ResidentKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return 0;
}

// Sets `attribute` of the first `count` private contacts through the rule script, as one step.
void ChangeContacts(CChildFrame &child, int count, const char *attribute, const QString &value)
{
    child.BeginEdit(QStringLiteral("bench"));
    CDataItem list = ListItem(child.Document().Model().RootItem(), kNodePrivates);
    for (int i = 0; i < count && i < list.GetChildCount(); ++i)
        Set(ListChild(child.Document().Model().RootItem(), kNodePrivates, i), attribute, value);
    child.SetModified();
    child.EndEdit();
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int rounds = 10;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i)
        if (args[i] == QLatin1String("--rounds"))
            rounds = args[i + 1].toInt();
    QTextStream out(stdout);

    CGuiWorld world;
    InstallEditors(world.prompter);
    const QString path = world.dir.filePath(QStringLiteral("full.zqv"));
    QFile::copy(TemplatePath(kFleet), path);
    QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!world.Start({path}))
        qFatal("the program does not start");
    CMainFrame &frame = world.Frame();
    CChildFrame &child = *frame.ActiveChild();
    {
        CEditorWindow filler;
        if (!filler.NewFromTemplate(kFleet))
            qFatal("the template does not load");
        FillFullProfile(filler);
        if (!child.Document().RestoreSnapshot(filler.Document().Snapshot()))
            qFatal("the full profile does not load");
    }
    child.ProfileChanged();
    frame.show();
    CEditorWindow::Flush();
    const int privates = ListItem(child.Document().Model().RootItem(), kNodePrivates).GetChildCount();

    // Recording: one contact's ringer, as a form would.
    std::vector<double> record;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        ChangeContacts(child, 1, "alert_tone", QString::number(1 + r % 5));
        record.push_back(t.nsecsElapsed() / 1e6);
    }

    // Undo and redo of a step that changed 50 contacts, through the Edit menu's commands.
    std::vector<double> undo, redo;
    for (int r = 0; r < rounds; ++r) {
        ChangeContacts(child, 50, "channel", QString::number(1 + (r + 1) % 2));
        QElapsedTimer t;
        t.start();
        frame.Action(ID_EDIT_UNDO)->trigger();
        CEditorWindow::Flush();
        undo.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        frame.Action(ID_EDIT_REDO)->trigger();
        CEditorWindow::Flush();
        redo.push_back(t.nsecsElapsed() / 1e6);
    }

    // 100 steps, each renaming a contact: the bytes they hold.
    child.ProfileChanged();
    const qint64 rssBefore = ResidentKb();
    for (int i = 0; i < CChildFrame::kUndoSteps; ++i) {
        child.BeginEdit(QStringLiteral("bench"));
        Set(ListChild(child.Document().Model().RootItem(), kNodePrivates, i % privates), "name",
            QStringLiteral("Renamed %1").arg(i));
        child.SetModified();
        child.EndEdit();
    }
    const qint64 rssAfter = ResidentKb();

    out << "profile: " << privates << " private contacts, " << child.Document().Snapshot().size() << " bytes\n";
    out << "record one change:   " << Figures(record) << "\n";
    out << "undo of 50 contacts: " << Figures(undo) << "\n";
    out << "redo of 50 contacts: " << Figures(redo) << "\n";
    out << "100 steps: " << child.UndoStack().count() << " steps hold " << child.HistoryBytes() / 1024
        << " KB; resident memory grew by " << (rssAfter - rssBefore) << " KB\n";
    return 0;
}
