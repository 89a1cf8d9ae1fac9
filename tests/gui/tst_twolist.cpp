// The two-list widget on its own: collation order with suffixed texts, moves that keep an
// entry's name and payload, the selection rules between the lists and what the buttons and
// double clicks ask for.
#include "EditorTestSupport.h"
#include "TwoListWidget.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace zqv;
using zqvtest::Texts;

namespace {

CTwoListWidget::Entry E(const QString &name, const QString &text = QString(), const QVariant &data = {},
                        bool selectable = true)
{
    CTwoListWidget::Entry entry;
    entry.name = name;
    entry.text = text;
    entry.data = data;
    entry.selectable = selectable;
    return entry;
}

}  // namespace

class TestTwoList : public QObject {
    Q_OBJECT

private slots:
    void sortsByNameNotByShownText()
    {
        CTwoListWidget w;
        // The suffix must not decide the order: "b (0 ...)" sorts after "a (4 ...)", and case and
        // accents fold as the name collation says.
        w.AddAvailable(E(QStringLiteral("bob"), QStringLiteral("bob (0 Group(s) Left)"), 1));
        w.AddAvailable(E(QStringLiteral("Alice"), QStringLiteral("Alice (4 Group(s) Left)"), 2));
        w.AddAvailable(E(QStringLiteral("\u00C9mile")));
        w.AddAvailable(E(QStringLiteral("zed")));
        QCOMPARE(Texts(w.AvailableList()),
                 (QStringList{QStringLiteral("Alice (4 Group(s) Left)"), QStringLiteral("bob (0 Group(s) Left)"),
                              QStringLiteral("\u00C9mile"), QStringLiteral("zed")}));
    }

    void moveKeepsNameAndPayload()
    {
        CTwoListWidget w;
        QListWidgetItem *item =
            w.AddAvailable(E(QStringLiteral("Joe (3)"), QStringLiteral("Joe (3) (2 Group(s) Left)"), 42));
        w.AddAvailable(E(QStringLiteral("Ann")));
        QCOMPARE(w.MoveToSelected(item), 1);
        QCOMPARE(Texts(w.SelectedList()), QStringList{QStringLiteral("Joe (3)")});
        QListWidgetItem *moved = w.SelectedList()->item(0);
        QCOMPARE(CTwoListWidget::NameOf(moved), QStringLiteral("Joe (3)"));
        QCOMPARE(CTwoListWidget::DataOf(moved).toInt(), 42);
        w.MoveToAvailable(moved, QStringLiteral("Joe (3) (1 Group(s) Left)"));
        QCOMPARE(Texts(w.AvailableList()),
                 (QStringList{QStringLiteral("Ann"), QStringLiteral("Joe (3) (1 Group(s) Left)")}));
        QCOMPARE(CTwoListWidget::FindByName(w.AvailableList(), QStringLiteral("Joe (3)")), w.AvailableList()->item(1));
    }

    void selectionRulesAndRequests()
    {
        CTwoListWidget w;
        w.resize(500, 300);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (const char *name : {"a", "b", "c"})
            w.AddAvailable(E(QLatin1String(name)));
        w.AddSelected(E(QStringLiteral("s")));
        w.AddAvailable(E(QStringLiteral("full"), QString(), {}, false));
        QVERIFY(!w.AddButton()->isEnabled());
        QVERIFY(!w.RemoveButton()->isEnabled());

        QSignalSpy adds(&w, &CTwoListWidget::addRequested);
        QSignalSpy removes(&w, &CTwoListWidget::removeRequested);

        // A click in the right list, then in the left one: the right selection goes.
        QListWidget *left = w.AvailableList();
        QListWidget *right = w.SelectedList();
        QTest::mouseClick(right->viewport(), Qt::LeftButton, {}, right->visualItemRect(right->item(0)).center());
        QVERIFY(w.RemoveButton()->isEnabled());
        QTest::mouseClick(left->viewport(), Qt::LeftButton, {}, left->visualItemRect(left->item(1)).center());
        QVERIFY(right->selectedItems().isEmpty());
        QVERIFY(w.AddButton()->isEnabled());
        QVERIFY(!w.RemoveButton()->isEnabled());
        QTest::mouseClick(left->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          left->visualItemRect(left->item(2)).center());
        QCOMPARE(w.SelectedAvailable().size(), 2);
        QCOMPARE(CTwoListWidget::NameOf(w.SelectedAvailable().first()), QStringLiteral("b"));

        // An entry that cannot be chosen stays unselected.
        QListWidgetItem *full = CTwoListWidget::FindByName(left, QStringLiteral("full"));
        QTest::mouseClick(left->viewport(), Qt::LeftButton, Qt::ControlModifier, left->visualItemRect(full).center());
        QVERIFY(!full->isSelected());

        w.AddButton()->click();
        QCOMPARE(adds.size(), 1);
        QTest::mouseClick(right->viewport(), Qt::LeftButton, {}, right->visualItemRect(right->item(0)).center());
        QTest::mouseDClick(right->viewport(), Qt::LeftButton, {}, right->visualItemRect(right->item(0)).center());
        QCOMPARE(removes.size(), 1);
        QCOMPARE(adds.size(), 1);

        // The keyboard alone: arrows select in a list (ending the other list's selection) and
        // Enter asks for the move, as the buttons do.
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // Tab into a list without a selection: its current entry is selected.
        left->clearSelection();
        right->clearSelection();
        left->setFocus(Qt::TabFocusReason);
        QCOMPARE(w.SelectedAvailable().size(), 1);
        QVERIFY(w.AddButton()->isEnabled());
        right->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(left, Qt::Key_Down);
        QVERIFY(!w.SelectedAvailable().isEmpty());
        QVERIFY(right->selectedItems().isEmpty());
        QVERIFY(w.AddButton()->isEnabled() && !w.RemoveButton()->isEnabled());
        QTest::keyClick(left, Qt::Key_Return);
        QCOMPARE(adds.size(), 2);
        right->setFocus(Qt::BacktabFocusReason);
        QVERIFY(left->selectedItems().isEmpty());
        QTest::keyClick(right, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(removes.size(), 2);
        QCOMPARE(adds.size(), 2);

        // An empty list shows that it has the focus.
        CTwoListWidget empty;
        empty.AddAvailable(E(QStringLiteral("a")));
        empty.show();
        QVERIFY(QTest::qWaitForWindowActive(&empty));
        empty.AvailableList()->setFocus();
        const QImage before = empty.SelectedList()->grab().toImage();
        QTest::keyClick(empty.AvailableList(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(empty.SelectedList()));
        QVERIFY(empty.SelectedList()->grab().toImage() != before);

        // Disabled lists lose their selections and take no button.
        w.SetListsEnabled(false);
        QVERIFY(left->selectedItems().isEmpty() && right->selectedItems().isEmpty());
        QVERIFY(!w.AddButton()->isEnabled() && !w.RemoveButton()->isEnabled());
    }

    void selectRowAfterMove()
    {
        QListWidget list;
        CTwoListWidget::SelectRow(&list, 0, true);  // empty: nothing, no crash
        list.addItems({QStringLiteral("a"), QStringLiteral("b")});
        CTwoListWidget::SelectRow(&list, 5, true);
        QCOMPARE(list.currentRow(), 1);
        CTwoListWidget::SelectRow(&list, 5, false);
        QCOMPARE(list.currentRow(), 0);
        QCOMPARE(list.selectedItems().size(), 1);
    }
};

QTEST_MAIN(TestTwoList)
#include "tst_twolist.moc"
