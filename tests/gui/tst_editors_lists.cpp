// The list forms against the largest shipped template: a channel's scan list with its limit of
// ten and both messages, public groups that change channel, the global scroll list with the
// tree's counts, and the Lists page's grid using the window's width.
#include "ControlIds.h"
#include "EditorTestSupport.h"
#include "ListFormViews.h"
#include "ListsView.h"
#include "PublicGroupView.h"
#include "StringTable.h"
#include "TwoListWidget.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace zqvtest;

namespace {

// `onList` public groups on channel 3's scan list and `off` more on channel 3 that are not.
void FillChannel3(CEditorWindow &w, int onList, int off)
{
    CDataItem list = ListItem(w.Root(), kNodePublicGroups);
    for (int i = 0; i < onList + off; ++i) {
        CDataItem added;
        list.AddNewChild(added);
        if (added.IsEmpty())
            qFatal("cannot add a public group");
        Set(added, "in_scan_list", false);
        Set(added, "channel", 3);
        if (i < onList)
            Set(added, "in_scan_list", true);
    }
    w.Tree().Build();
}

int ScanCount(CEditorWindow &w, int channel)
{
    return ChildItem(w.Root(), "Contacts").GetScanListCount(channel);
}

}  // namespace

class TestEditorsLists : public QObject {
    Q_OBJECT

private slots:
    void scanListLimit_data()
    {
        QTest::addColumn<int>("onList");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("added");
        QTest::addColumn<QString>("message");
        QTest::newRow("9 plus 3") << 9 << 3 << 1 << FormatStr(IDS_SCAN_LIST_ADD_LIMIT, {QStringLiteral("10")});
        QTest::newRow("10 already") << 10 << 2 << 0 << LoadStr(IDS_SCAN_LIST_AT_MAXIMUM);
        QTest::newRow("room for all") << 5 << 3 << 3 << QString();
    }
    void scanListLimit()
    {
        QFETCH(int, onList);
        QFETCH(int, chosen);
        QFETCH(int, added);
        QFETCH(QString, message);
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        FillChannel3(w, onList, 3);
        QVERIFY(w.Select(kNodeScanChannel, 2));
        auto *form = w.FormAs<CScanChannelView>();
        QVERIFY(form);
        QCOMPARE(form->ControlText(IDC_SCANCHANNEL_HEADING), QStringLiteral("Scan List Channel 3"));
        CTwoListWidget *lists = form->Lists();
        QCOMPARE(lists->SelectedList()->count(), onList);
        QCOMPARE(lists->AvailableList()->count(), 3);
        for (int i = 0; i < chosen; ++i)
            lists->AvailableList()->item(i)->setSelected(true);
        lists->AddButton()->click();
        QCOMPARE(ScanCount(w, 3), onList + added);
        QCOMPARE(lists->SelectedList()->count(), onList + added);
        QCOMPARE(w.prompter.Texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (added == 0)
            QVERIFY(lists->AvailableList()->selectedItems().isEmpty());
        QCOMPARE(w.Label(kNodeScanChannel, 2), QStringLiteral("Channel 3 (%1)").arg(onList + added));
        QCOMPARE(w.IsModified(), added > 0);
    }

    void removeFromScanListAndSelectionAfterward()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        FillChannel3(w, 2, 0);
        QVERIFY(w.Select(kNodeScanChannel, 2));
        CTwoListWidget *lists = w.FormAs<CScanChannelView>()->Lists();
        lists->SelectedList()->selectAll();
        lists->RemoveButton()->click();
        QCOMPARE(ScanCount(w, 3), 0);
        // The list emptied: its first available entry is selected, ready to go back.
        QCOMPARE(lists->AvailableList()->count(), 2);
        QCOMPARE(lists->AvailableList()->selectedItems().size(), 1);
        QVERIFY(lists->AddButton()->isEnabled());
        QVERIFY(!lists->RemoveButton()->isEnabled());
        QCOMPARE(w.Label(kNodeScanChannel, 2), QStringLiteral("Channel 3 (0)"));
    }

    void groupMovedToAnotherChannel()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        // "Public 1" is on channel 1's scan list; the public-group form moves it to channel 4.
        QVERIFY(w.Select(kNodePublicGroup, 0));
        w.prompter.Queue(IDOK);
        w.FormAs<CPublicGroupView>()->ChannelList()->setCurrentIndex(3);
        QVERIFY(w.Select(kNodeScanChannel, 0));
        CTwoListWidget *lists = w.FormAs<CScanChannelView>()->Lists();
        QCOMPARE(lists->SelectedList()->count() + lists->AvailableList()->count(), 0);
        QVERIFY(w.Select(kNodeScanChannel, 3));
        lists = w.FormAs<CScanChannelView>()->Lists();
        QCOMPARE(lists->SelectedList()->count(), 1);
        QCOMPARE(lists->SelectedList()->item(0)->text(), QStringLiteral("Public 1"));
    }

    void globalScrollList()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        QCOMPARE(w.Label(kNodeScrollList), QStringLiteral("Scroll (3)"));
        QVERIFY(w.Select(kNodeScrollList));
        auto *form = w.FormAs<CScrollListView>();
        QVERIFY(form);
        CTwoListWidget *lists = form->Lists();
        QCOMPARE(lists->SelectedList()->count(), 3);
        QListWidgetItem *group = CTwoListWidget::FindByName(lists->SelectedList(), QStringLiteral("Group 1"));
        QVERIFY(group);
        group->setSelected(true);
        lists->RemoveButton()->click();
        QCOMPARE(w.Label(kNodeScrollList), QStringLiteral("Scroll (2)"));
        QCOMPARE(AttrText(ListChild(w.Root(), kNodePrivateGroup, 0), "in_scroll_list"), QStringLiteral("0"));
        QVERIFY(w.IsModified());
        // Double click brings it back.
        QListWidget *available = lists->AvailableList();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect rect = available->visualItemRect(available->item(0));
        QTest::mouseClick(available->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(available->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(w.Label(kNodeScrollList), QStringLiteral("Scroll (3)"));
        QVERIFY(w.prompter.History().empty());
    }

    void listsPageGridUsesTheWidth()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        w.resize(2000, 600);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.Select(kNodeLists));
        auto *form = w.FormAs<CListsView>();
        QVERIFY(form);
        // The layout settles after the form is shown.
        QTRY_VERIFY2(form->ScanGrid()->geometry().right() >= form->viewport()->width() - 2 * CBaseView::kMinLeftMargin,
                     qPrintable(QStringLiteral("grid ends at %1 of %2")
                                    .arg(form->ScanGrid()->geometry().right())
                                    .arg(form->viewport()->width())));
        const QRect grid = form->ScanGrid()->geometry();
        QVERIFY(form->ScrollList()->x() <= CBaseView::kMinLeftMargin + 1);
        QVERIFY2(grid.width() > 600, qPrintable(QString::number(grid.width())));
    }
};

QTEST_MAIN(TestEditorsLists)
#include "tst_editors_lists.moc"
