// The contacts table against the sample profile: natural name order and the filter, cells
// edited through the rule script (refusals put back), bulk changes with some contacts refused
// or asked about (one step, refused ones untouched), and deleting several after one question.
#include "ContactLists.h"
#include "ContactsTable.h"
#include "ContactsTableView.h"
#include "EditorTestSupport.h"
#include "StringTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace zqvtest;

namespace {

using Field = CContactsTableView::BulkField;

QString SampleProfile()
{
    return QStringLiteral(ZQV_FIXTURES_DIR "/profiles/valid_group3.zqv");
}

xmlNodePtr ContactNamed(CEditorWindow &w, const QString &name)
{
    for (xmlNodePtr node : AllContactNodes(w.Root()))
        if (GetAttr(node, "name") == name)
            return node;
    qFatal("no contact %s", qPrintable(name));
}

std::vector<xmlNodePtr> ContactsNamed(CEditorWindow &w, const QStringList &names)
{
    std::vector<xmlNodePtr> out;
    for (const QString &name : names)
        out.push_back(ContactNamed(w, name));
    return out;
}

// The names in the table's column 1, top to bottom.
QStringList ShownNames(QTableView *table)
{
    QStringList out;
    for (int r = 0; r < table->model()->rowCount(); ++r)
        out << table->model()->index(r, CContactsTableModel::kColName).data().toString();
    return out;
}

// The table's row of contact `name` (its cell in `column`).
QModelIndex CellOf(QTableView *table, const QString &name, int column)
{
    for (int r = 0; r < table->model()->rowCount(); ++r)
        if (table->model()->index(r, CContactsTableModel::kColName).data().toString() == name)
            return table->model()->index(r, column);
    return {};
}

struct TableFixture {
    CEditorWindow w;
    CContactsTableView *view = nullptr;

    TableFixture()
    {
        if (!w.Open(SampleProfile()))
            qFatal("cannot open the sample profile");
        w.ClearModified();
        w.Select(kNodeAllContacts);
        view = w.FormAs<CContactsTableView>();
        if (!view)
            qFatal("no contacts table");
    }
};

}  // namespace

class TestEditorsTable : public QObject {
    Q_OBJECT

private slots:
    void naturalOrder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("sign");
        QTest::newRow("2 before 19") << "Private 2"
                                     << "Private 19" << -1;
        QTest::newRow("19 after 10") << "Private 19"
                                     << "Private 10" << 1;
        QTest::newRow("case ignored first") << "alice"
                                            << "Bob" << -1;
        QTest::newRow("accent folded") << QString::fromUtf8("Émile") << "Eva" << -1;
        QTest::newRow("prefix first") << "Base"
                                      << "Base 1" << -1;
        QTest::newRow("same number: zeros first") << "Unit 007"
                                                  << "Unit 7" << -1;
    }
    void naturalOrder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, sign);
        const int c = CompareNatural(a, b);
        QCOMPARE((c > 0) - (c < 0), sign);
        QCOMPARE(-((CompareNatural(b, a) > 0) - (CompareNatural(b, a) < 0)), sign);
    }

    // The tree's first node under the root opens the table with one row per contact; sorting
    // by name puts numbered names in natural order.
    void tableShowsEveryContactSorted()
    {
        TableFixture f;
        QCOMPARE(f.w.Tree().FindNode(kNodeRoot)->child(0), f.w.Tree().FindNode(kNodeAllContacts));
        QTableView *table = f.view->Table();
        QCOMPARE(table->model()->rowCount(), 12);
        CDataItem privates = ListItem(f.w.Root(), kNodePrivates);
        for (const char *name : {"Private 19", "Private 2", "Private 10"}) {
            CDataItem added;
            privates.AddNewPriGrpPrivate(QStringLiteral("x"), added);
            Set(added, "name", QLatin1String(name));
        }
        f.view->OnUpdate(ViewHint{kHintRefresh, kNodePrivate, 0});
        table->sortByColumn(CContactsTableModel::kColName, Qt::AscendingOrder);
        const QStringList names = ShownNames(table);
        table->sortByColumn(CContactsTableModel::kColChannel, Qt::AscendingOrder);
        QCOMPARE(table->model()->index(0, CContactsTableModel::kColChannel).data().toInt(), 1);
        QVERIFY(names.indexOf("Private 2") < names.indexOf("Private 10"));
        QVERIFY(names.indexOf("Private 10") < names.indexOf("Private 19"));
        // The type column carries the icon, the groups column the private groups' names.
        QVERIFY(!CellOf(table, "Alice", CContactsTableModel::kColType).data(Qt::DecorationRole).isNull());
        QCOMPARE(CellOf(table, "Base 01", CContactsTableModel::kColPrivateGroups).data().toString(),
                 QStringLiteral("Night Shift"));
    }

    void filter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("accent and case ignored") << "CHLOE" << QStringList{QString::fromUtf8("Chloé")};
        QTest::newRow("part of an ID") << "4012003" << QStringList{"Bruno"};
        QTest::newRow("part of a name") << "UR" << QStringList{"Security"};
        QTest::newRow("no match") << "zzz" << QStringList{};
    }
    void filter()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, shown);
        TableFixture f;
        QTest::keyClicks(f.view->FilterBox(), text);
        QStringList names = ShownNames(f.view->Table());
        names.sort();
        QCOMPARE(names, shown);
        f.view->FilterBox()->clear();
        QCOMPARE(f.view->Table()->model()->rowCount(), 12);
    }

    // A cell goes through the same rule call as the forms; a refusal shows the script's
    // message and the cell shows the profile's value again.
    void cellEdit_data()
    {
        QTest::addColumn<QString>("contact");
        QTest::addColumn<int>("column");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("messages");
        QTest::newRow("ringer") << "Alice" << int(CContactsTableModel::kColRinger) << QVariant(7) << "alert_tone"
                                << "7" << 0;
        QTest::newRow("rename") << "Alice" << int(CContactsTableModel::kColName) << QVariant("Zoe") << "name"
                                << "Zoe" << 0;
        QTest::newRow("duplicate name refused")
            << "Alice" << int(CContactsTableModel::kColName) << QVariant("Bruno") << "name"
            << "Alice" << 1;
        QTest::newRow("empty name refused") << "Alice" << int(CContactsTableModel::kColName) << QVariant("") << "name"
                                            << "Alice" << 1;
        QTest::newRow("ID out of range refused")
            << "Alice" << int(CContactsTableModel::kColPid) << QVariant("5") << "pid"
            << "4012002" << 1;
        QTest::newRow("home group on another channel refused")
            << "Alice" << int(CContactsTableModel::kColHomeGroup) << QVariant("4012091") << "home_grp"
            << "4012090" << 1;
        QTest::newRow("scan list of a public group")
            << "Events" << int(CContactsTableModel::kColScan) << QVariant(int(Qt::Checked)) << "in_scan_list"
            << "1" << 0;
    }
    void cellEdit()
    {
        QFETCH(QString, contact);
        QFETCH(int, column);
        QFETCH(QVariant, value);
        QFETCH(QString, attribute);
        QFETCH(QString, stored);
        QFETCH(int, messages);
        TableFixture f;
        xmlNodePtr node = ContactNamed(f.w, contact);
        const QModelIndex cell = CellOf(f.view->Table(), contact, column);
        QVERIFY(cell.isValid());
        const int role = column == CContactsTableModel::kColScan ? Qt::CheckStateRole : Qt::EditRole;
        f.view->SelectContacts({node});
        f.view->Table()->model()->setData(cell, value, role);
        // The row stays selected, also when a new name moved the contact in the profile.
        QVERIFY(f.view->SelectedContacts() == std::vector<xmlNodePtr>{node});
        QCOMPARE(GetAttr(node, attribute.toLatin1().constData()), stored);
        QCOMPARE(int(f.w.prompter.History().size()), messages);
        const bool changed = messages == 0;
        QCOMPARE(f.w.IsModified(), changed);
        QCOMPARE(f.w.modifiedOutsideSteps, 0);
        // What the cell shows is what the profile holds.
        const QModelIndex again = CellOf(f.view->Table(), GetAttr(node, "name"), column);
        if (role == Qt::EditRole)
            QCOMPARE(again.data(Qt::EditRole).toString(), stored);
        if (column == CContactsTableModel::kColName && changed)
            QVERIFY(f.w.ChildLabels(kNodePrivates).contains(stored));
    }

    // A bulk change through the panel: each contact through the script, the refused ones
    // listed and left as they were, the rest one named step.
    void bulkChange_data()
    {
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<int>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("answer");  // to the script's question, if one is asked
        QTest::addColumn<int>("changed");
        QTest::addColumn<QStringList>("refused");
        QTest::addColumn<QString>("step");
        const QStringList all{"Base 01",     "Alice",       "Bruno",       QString::fromUtf8("Chloé"),
                              "Spare ID 90", "Night Shift", "Supervisors", "Dispatch",
                              "Maintenance", "Security",    "Yard & Gate", "Events"};
        QTest::newRow("ringer on all: groups do not apply")
            << all << int(Field::Ringer) << QVariant(5) << 0 << 4
            << QStringList{"Night Shift", "Supervisors", "Dispatch", "Maintenance", "Security", "Yard & Gate", "Events"}
            << "Set ringer 5 on 4 contacts";
        QTest::newRow("channel: question declined")
            << QStringList{"Alice", QString::fromUtf8("Chloé"), "Spare ID 90"} << int(Field::Channel) << QVariant(2)
            << int(IDCANCEL) << 1 << QStringList{"Alice", QString::fromUtf8("Chloé")} << "Set channel 2 on 3 contacts";
        QTest::newRow("channel: question agreed")
            << QStringList{"Alice", QString::fromUtf8("Chloé"), "Spare ID 90"} << int(Field::Channel) << QVariant(2)
            << int(IDOK) << 3 << QStringList{} << "Set channel 2 on 3 contacts";
        QTest::newRow("join a group on another channel")
            << QStringList{"Alice", "Bruno"} << int(Field::JoinGroup) << QVariant("4012091") << 0 << 0
            << QStringList{"Alice"} << "Add 1 contacts to 'Supervisors'";
        QTest::newRow("leave a group") << QStringList{"Base 01", "Alice", "Bruno"} << int(Field::LeaveGroup)
                                       << QVariant("4012090") << 0 << 2 << QStringList{}
                                       << "Remove 2 contacts from 'Night Shift'";
        QTest::newRow("scan list off: only public groups")
            << QStringList{"Dispatch", "Security", "Alice"} << int(Field::ScanList) << QVariant(0) << 0 << 2
            << QStringList{"Alice"} << "Set Scan List to 'No' on 2 contacts";
    }
    void bulkChange()
    {
        QFETCH(QStringList, selected);
        QFETCH(int, field);
        QFETCH(QVariant, value);
        QFETCH(int, answer);
        QFETCH(int, changed);
        QFETCH(QStringList, refused);
        QFETCH(QString, step);
        TableFixture f;
        const std::vector<xmlNodePtr> nodes = ContactsNamed(f.w, selected);
        const QString profileBefore = f.w.ProfileText();
        // What the refused ones hold before.
        std::vector<QString> refusedText;
        for (const QString &name : refused) {
            xmlNodePtr node = ContactNamed(f.w, name);
            xmlBufferPtr buffer = xmlBufferCreate();
            xmlNodeDump(buffer, node->doc, node, 0, 0);
            refusedText.emplace_back(QString::fromUtf8(reinterpret_cast<const char *>(xmlBufferContent(buffer))));
            xmlBufferFree(buffer);
        }
        f.view->SelectContacts(nodes);
        QComboBox *what = f.view->BulkFieldBox();
        what->setCurrentIndex(what->findData(field));
        QComboBox *to = f.view->BulkValueBox();
        to->setCurrentIndex(to->findData(value));
        QVERIFY(to->currentIndex() >= 0);
        if (answer != 0)
            f.w.prompter.Queue(answer);
        QTest::mouseClick(f.view->ApplyButton(), Qt::LeftButton);

        // The step's name, and nothing changed outside it.
        QCOMPARE(f.w.editSteps, QStringList{step});
        QCOMPARE(f.w.modifiedOutsideSteps, 0);
        QCOMPARE(f.w.IsModified(), changed > 0);
        if (changed == 0)
            QCOMPARE(f.w.ProfileText(), profileBefore);
        // The refused contacts are listed in the last message, each with a reason, and are
        // exactly as they were.
        const QStringList texts = f.w.prompter.Texts();
        if (refused.isEmpty()) {
            QCOMPARE(texts.size(), answer != 0 ? 1 : 0);
        } else {
            QVERIFY(!texts.isEmpty());
            QVERIFY(texts.last().startsWith(
                FormatStr(IDS_TABLE_UNCHANGED, {QString::number(refused.size()), QString::number(selected.size())})));
            for (size_t i = 0; i < refusedText.size(); ++i) {
                xmlNodePtr node = ContactNamed(f.w, refused[int(i)]);
                xmlBufferPtr buffer = xmlBufferCreate();
                xmlNodeDump(buffer, node->doc, node, 0, 0);
                QCOMPARE(QString::fromUtf8(reinterpret_cast<const char *>(xmlBufferContent(buffer))), refusedText[i]);
                xmlBufferFree(buffer);
                const QRegularExpression line(
                    QStringLiteral("^%1: .+$").arg(QRegularExpression::escape(refused[int(i)])),
                    QRegularExpression::MultilineOption);
                QVERIFY2(line.match(texts.last()).hasMatch(), qPrintable(texts.last()));
            }
        }
        // A question is asked once for all the contacts it concerns.
        if (answer != 0)
            QCOMPARE(texts.count(texts.first()), 1);
        // The selection stays on the contacts that are still there.
        QCOMPARE(int(f.view->SelectedContacts().size()), int(selected.size()));
    }

    // Several rows go after one question; Cancel keeps them all.
    void deleteSeveralAsksOnce_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("rows");
        QTest::newRow("OK") << int(IDOK) << 9;
        QTest::newRow("Cancel") << int(IDCANCEL) << 12;
    }
    void deleteSeveralAsksOnce()
    {
        QFETCH(int, answer);
        QFETCH(int, rows);
        TableFixture f;
        // Base 01 and Alice are Night Shift's only members: deleting both deletes the group.
        f.view->SelectContacts(ContactsNamed(f.w, {"Base 01", "Alice", "Night Shift"}));
        f.w.prompter.Queue(answer);
        QTest::keyClick(f.view->Table(), Qt::Key_Delete);
        QCOMPARE(int(f.w.prompter.History().size()), 1);
        QCOMPARE(f.view->Table()->model()->rowCount(), rows);
        QCOMPARE(f.w.editSteps.size(), answer == IDOK ? 1 : 0);
        QCOMPARE(f.w.ChildLabels(kNodePrivates).contains("Alice"), answer != IDOK);
    }
};

QTEST_MAIN(TestEditorsTable)
#include "tst_editors_table.moc"
