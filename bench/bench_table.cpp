// The contacts table with a full profile: the table shown (the tree's selection change, which
// builds the form and reads every contact), one cell edited through the rule script, and a
// bulk change of 50 private contacts.
//
//   bench_table [--rounds N] [--save FILE]
//
// --save writes the profile the desktop program can open for trying the table by hand: the
// full profile with all but five private contacts on channel 2 and one private group there.
// Runs offscreen unless QT_QPA_PLATFORM says otherwise. One frame is 16 ms.
#include "BenchSupport.h"
#include "ContactLists.h"
#include "ContactsTable.h"
#include "ContactsTableView.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QTextStream>
#include <functional>

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

std::vector<xmlNodePtr> Privates(CEditorWindow &w, int n)
{
    std::vector<xmlNodePtr> out;
    for (xmlNodePtr node : ElementChildren(ListItem(w.Root(), kNodePrivates).Node()))
        if (static_cast<int>(out.size()) < n)
            out.push_back(node);
    return out;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int rounds = 20;
    QString save;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--rounds"))
            rounds = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--save"))
            save = args[i + 1];
    }
    QTextStream out(stdout);

    CEditorWindow w;
    if (!w.NewFromTemplate(QStringLiteral("ZQ-880 Fleet.zqv")))
        qFatal("the template does not load");
    FillFullProfile(w);
    if (!save.isEmpty()) {
        const std::vector<xmlNodePtr> privates = Privates(w, 1000);
        for (size_t i = 5; i < privates.size(); ++i)
            Set(CDataItem(w.Root().Context(), privates[i]), "channel", 2);
        Set(ListChild(w.Root(), kNodePrivateGroup, 0), "channel", 2);
        QFile file(save);
        if (!file.open(QIODevice::WriteOnly) || file.write(w.ProfileText().toUtf8()) < 0)
            qFatal("cannot write %s", qPrintable(save));
        out << "saved " << save << "\n";
        return 0;
    }
    w.Tree().Build();
    w.show();
    CEditorWindow::Flush();

    std::vector<double> shown, edit, bulk;
    for (int r = 0; r < rounds; ++r) {
        w.Tree().SelectNode(w.Tree().FindNode(kNodeSettings));
        CEditorWindow::Flush();
        shown.push_back(TimeMs([&] { w.Tree().SelectNode(w.Tree().FindNode(kNodeAllContacts)); }));
        auto *view = w.FormAs<CContactsTableView>();
        if (!view || view->Table()->model()->rowCount() == 0)
            qFatal("the table did not open");
        // A ringer cell of a private contact, set to another value each round.
        QAbstractItemModel *model = view->Table()->model();
        QModelIndex cell;
        for (int row = 0; row < model->rowCount() && !cell.isValid(); ++row)
            if (model->index(row, CContactsTableModel::kColRinger).flags() & Qt::ItemIsEditable)
                cell = model->index(row, CContactsTableModel::kColRinger);
        edit.push_back(TimeMs([&] { model->setData(cell, 1 + (r % 2) * 5, Qt::EditRole); }));
        const CContactsTableView::BulkChange change{CContactsTableView::BulkField::Ringer, 2 + r % 2};
        bulk.push_back(TimeMs([&] { view->ApplyBulk(Privates(w, 50), change); }));
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
    out << "profile: " << AllContactNodes(w.Root()).size() << " contacts\n";
    line(QStringLiteral("table shown"), shown);
    line(QStringLiteral("cell edit (ringer)"), edit);
    line(QStringLiteral("bulk change of 50 (ringer)"), bulk);
    return 0;
}
