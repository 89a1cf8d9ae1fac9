// The contact forms with a full profile: opening the private-contact, private-group,
// scroll-list and scan-list forms (the tree's selection change, which validates the form left
// and builds the new one), and moving 10 entries each way in their list pairs.
//
//   bench_forms [--rounds N]
//
// The profile is the largest shipped template filled up to 150 contacts (see bench_tree).
// Runs offscreen unless QT_QPA_PLATFORM says otherwise. One frame is 16 ms.
#include "BenchSupport.h"
#include "ListFormViews.h"
#include "PrivateGroupView.h"
#include "PrivateView.h"
#include "TwoListWidget.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPushButton>
#include <QTextStream>
#include <functional>
#include <map>

using namespace zqvbench;

namespace {

double TimeMs(const std::function<void()> &work)
{
    QElapsedTimer t;
    t.start();
    work();
    CEditorWindow::Flush();
    return t.nsecsElapsed() / 1e6;
}

// Selects the first `n` selectable entries of `list`.
void SelectFirst(QListWidget *list, int n)
{
    list->clearSelection();
    for (int i = 0; i < list->count() && n > 0; ++i) {
        if (!(list->item(i)->flags() & Qt::ItemIsSelectable))
            continue;
        list->item(i)->setSelected(true);
        --n;
    }
}

// Moves 10 entries each way, timing each move; a list that holds 10 or more (a full scan
// list) gives 10 back first.
void MoveTen(CTwoListWidget *lists, std::vector<double> &add, std::vector<double> &remove)
{
    const auto addTen = [&] {
        SelectFirst(lists->AvailableList(), 10);
        add.push_back(TimeMs([&] { emit lists->addRequested(); }));
    };
    const auto removeTen = [&] {
        SelectFirst(lists->SelectedList(), 10);
        remove.push_back(TimeMs([&] { emit lists->removeRequested(); }));
    };
    if (lists->SelectedList()->count() >= 10) {
        removeTen();
        addTen();
    } else {
        addTen();
        removeTen();
    }
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int rounds = 20;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i)
        if (args[i] == QLatin1String("--rounds"))
            rounds = args[i + 1].toInt();
    QTextStream out(stdout);

    CEditorWindow w;
    if (!w.NewFromTemplate(QStringLiteral("ZQ-880 Fleet.zqv")))
        qFatal("the template does not load");
    FillFullProfile(w);
    w.Tree().Build();
    w.show();
    CEditorWindow::Flush();

    std::map<QString, std::vector<double>> open, add, remove;
    const struct {
        const char *name;
        int kind;
    } forms[] = {{"private contact", kNodePrivate},
                 {"private group", kNodePrivateGroup},
                 {"scroll list", kNodeScrollList},
                 {"scan list channel 1", kNodeScanChannel}};
    for (int r = 0; r < rounds; ++r) {
        for (const auto &f : forms) {
            // Alternate between two elements so that every opening builds a new form.
            const int index = f.kind == kNodeScanChannel || f.kind == kNodeScrollList ? 0 : r % 2;
            w.Tree().SelectNode(w.Tree().FindNode(kNodeSettings));
            CEditorWindow::Flush();
            open[QLatin1String(f.name)].push_back(
                TimeMs([&] { w.Tree().SelectNode(w.Tree().FindNode(f.kind, index)); }));
            CTwoListWidget *lists = nullptr;
            if (auto *p = w.FormAs<CPrivateView>()) {
                if (!p->ScrollEnable()->isChecked())
                    p->ScrollEnable()->click();
                lists = p->ScrollLists();
            } else if (auto *g = w.FormAs<CPrivateGroupView>()) {
                lists = g->Members();
                // One member stays, so that the group can be left.
                if (lists->SelectedList()->count() == 0) {
                    SelectFirst(lists->AvailableList(), 1);
                    emit lists->addRequested();
                }
            } else if (auto *l = w.FormAs<CFlagListView>()) {
                lists = l->Lists();
            }
            if (!lists)
                qFatal("form %s did not open", f.name);
            MoveTen(lists, add[QLatin1String(f.name)], remove[QLatin1String(f.name)]);
        }
    }

    auto line = [&](const QString &what, const std::vector<double> &ms) {
        const Stats s = Summarise(ms);
        out << QStringLiteral("%1 median %2 ms, p95 %3 ms, max %4 ms (%5 runs)\n")
                   .arg(what, -36)
                   .arg(s.median, 0, 'f', 2)
                   .arg(s.p95, 0, 'f', 2)
                   .arg(s.max, 0, 'f', 2)
                   .arg(ms.size());
    };
    const CDataItem contacts = ChildItem(w.Root(), "Contacts");
    out << "profile: "
        << ChildItem(contacts, "PublicGroups").GetChildCount() + ChildItem(contacts, "PrivateGroups").GetChildCount() +
            ChildItem(contacts, "Privates").GetChildCount()
        << " contacts\n";
    for (const auto &f : forms) {
        const QString name = QLatin1String(f.name);
        line(QStringLiteral("open %1:").arg(name), open[name]);
        line(QStringLiteral("add 10 in %1:").arg(name), add[name]);
        line(QStringLiteral("remove 10 in %1:").arg(name), remove[name]);
    }
    out << "target: under 16 ms each (one frame)\n";
    if (!w.prompter.History().empty())
        out << "messages shown: " << w.prompter.Texts().join(QStringLiteral(" | ")) << '\n';
    return 0;
}
