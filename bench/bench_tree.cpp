// The profile tree with a full profile: selecting every node in turn (each change shows the
// node's form after the form left has been validated) and renaming contacts so that they sort
// elsewhere (rename in the tree, then leave the node, which re-sorts the folder); the filter,
// keystroke by keystroke; and the problems list of the full profile.
//
//   bench_tree [--rounds N] [--renames N]
//
// The profile is the largest shipped template filled up to 150 contacts (50 public groups,
// 30 private groups, the rest private contacts) and 25 text messages through the rule script.
// Runs offscreen unless QT_QPA_PLATFORM says otherwise. One frame is 16 ms.
#include "BenchSupport.h"
#include "ProfileProblems.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTextStream>
#include <algorithm>
#include <vector>

using namespace zqvbench;

namespace {

std::vector<QTreeWidgetItem *> AllNodes(QTreeWidget &tree)
{
    std::vector<QTreeWidgetItem *> out;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        out.push_back(*it);
    return out;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int rounds = 3;
    int renames = 50;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--rounds"))
            rounds = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--renames"))
            renames = args[i + 1].toInt();
    }
    QTextStream out(stdout);

    CEditorWindow w;
    if (!w.NewFromTemplate(QStringLiteral("ZQ-880 Fleet.zqv")))
        qFatal("the template does not load");
    FillFullProfile(w);
    QElapsedTimer buildTimer;
    buildTimer.start();
    w.Tree().Build();
    const double buildMs = buildTimer.nsecsElapsed() / 1e6;
    w.show();
    CEditorWindow::Flush();
    const CDataItem contacts = ChildItem(w.Root(), "Contacts");
    const int contactCount = ChildItem(contacts, "PublicGroups").GetChildCount() +
        ChildItem(contacts, "PrivateGroups").GetChildCount() + ChildItem(contacts, "Privates").GetChildCount();

    // Every node in turn, as clicks would. A selection change may rebuild the tree (a folder
    // re-sorted, a count in a label changed), which deletes its items: the next node is looked
    // up afresh by its position each time rather than kept from before.
    std::vector<double> select;
    const std::size_t nodeCount = AllNodes(w.Tree()).size();
    for (int r = 0; r < rounds; ++r) {
        for (std::size_t k = 0; k < nodeCount; ++k) {
            const std::vector<QTreeWidgetItem *> nodes = AllNodes(w.Tree());
            if (k >= nodes.size())
                break;
            QTreeWidgetItem *node = nodes[k];
            QElapsedTimer t;
            t.start();
            w.Tree().SelectNode(node);
            CEditorWindow::Flush();
            select.push_back(t.nsecsElapsed() / 1e6);
        }
    }

    // Rename contacts so that each sorts to the other end of its folder, then leave it.
    std::vector<double> rename;
    const int kinds[] = {kNodePublicGroup, kNodePrivateGroup, kNodePrivate};
    for (int i = 0; i < renames; ++i) {
        const int kind = kinds[i % 3];
        QTreeWidgetItem *node = w.Tree().FindNode(kind, 0);
        if (!node)
            continue;
        w.Tree().SelectNode(node);
        CEditorWindow::Flush();
        QElapsedTimer t;
        t.start();
        w.Tree().OnRename();
        auto *edit = w.Tree().findChild<QLineEdit *>(QStringLiteral("TreeRenameEdit"));
        if (!edit)
            qFatal("no rename edit");
        edit->setText(QStringLiteral("zz %1").arg(i, 3, 10, QLatin1Char('0')));
        if (!w.Tree().CommitPendingEdits())
            qFatal("rename %d refused", i);
        w.Tree().SelectNode(w.Tree().FindNode(kNodeSettings));
        CEditorWindow::Flush();
        rename.push_back(t.nsecsElapsed() / 1e6);
    }

    // The filter, one keystroke at a time as a dealer types a name and then a PID, then
    // deleting it again; each step re-filters every node and lets the tree repaint.
    std::vector<double> filter;
    for (const QString &typed : {QStringLiteral("private 1"), QStringLiteral("40")}) {
        QStringList steps;
        for (int i = 1; i <= typed.size(); ++i)
            steps << typed.left(i);
        for (int i = typed.size() - 1; i >= 0; --i)
            steps << typed.left(i);
        for (const QString &text : steps) {
            QElapsedTimer t;
            t.start();
            w.Tree().SetFilter(text);
            CEditorWindow::Flush();
            filter.push_back(t.nsecsElapsed() / 1e6);
        }
    }

    // The Problems panel's list of the full profile (what the panel computes after an edit).
    std::vector<double> problems;
    std::size_t problemCount = 0;
    for (int r = 0; r < 10; ++r) {
        QElapsedTimer t;
        t.start();
        const CRadioDataModel &model = w.Document().Model();
        problemCount = link::ListProfileProblems(*model.ProfileDocument(), model.ProfileText()).size();
        problems.push_back(t.nsecsElapsed() / 1e6);
    }

    const Stats s = Summarise(select);
    const Stats n = Summarise(rename);
    const Stats f = Summarise(filter);
    const Stats p = Summarise(problems);
    out << "profile: " << contactCount << " contacts, " << ChildItem(w.Root(), "TextMessages").GetChildCount()
        << " text messages, " << nodeCount << " tree nodes\n";
    out << QStringLiteral("build tree:          %1 ms\n").arg(buildMs, 0, 'f', 2);
    out << QStringLiteral("selection change:    median %1 ms, p95 %2 ms, max %3 ms, mean %4 ms (%5 changes)\n")
               .arg(s.median, 0, 'f', 2)
               .arg(s.p95, 0, 'f', 2)
               .arg(s.max, 0, 'f', 2)
               .arg(s.mean, 0, 'f', 2)
               .arg(select.size());
    out << QStringLiteral("rename and re-sort:  median %1 ms, p95 %2 ms, max %3 ms, mean %4 ms (%5 renames)\n")
               .arg(n.median, 0, 'f', 2)
               .arg(n.p95, 0, 'f', 2)
               .arg(n.max, 0, 'f', 2)
               .arg(n.mean, 0, 'f', 2)
               .arg(rename.size());
    out << QStringLiteral("filter keystroke:    median %1 ms, p95 %2 ms, max %3 ms, mean %4 ms (%5 keystrokes)\n")
               .arg(f.median, 0, 'f', 2)
               .arg(f.p95, 0, 'f', 2)
               .arg(f.max, 0, 'f', 2)
               .arg(f.mean, 0, 'f', 2)
               .arg(filter.size());
    out << QStringLiteral("problems list:       median %1 ms, max %2 ms (%3 problems)\n")
               .arg(p.median, 0, 'f', 2)
               .arg(p.max, 0, 'f', 2)
               .arg(problemCount);
    out << "target: under 16 ms each (one frame)\n";
    return 0;
}
