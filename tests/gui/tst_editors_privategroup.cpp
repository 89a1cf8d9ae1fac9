// The private-group form against the largest shipped template: the member lists with their
// groups-left counts and the five-group limit, moving members both ways, the channel checks
// and question, the ID list, and leaving a group without members.
#include "ControlIds.h"
#include "EditorTestSupport.h"
#include "NodeIcons.h"
#include "PrivateGroupView.h"
#include "StringTable.h"
#include "TwoListWidget.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

using namespace zqvtest;

namespace {

CDataItem AddContact(CEditorWindow &w, NodeKind folder, const QString &name)
{
    CDataItem added;
    ListItem(w.Root(), folder)
        .AddNewPriGrpPrivate(folder == kNodePrivates ? QStringLiteral("Private") : QStringLiteral("Group"), added);
    if (added.IsEmpty())
        qFatal("cannot add to folder %d", folder);
    Set(added, "name", name);
    return added;
}

void Join(CDataItem contact, const CDataItem &group)
{
    CDataItem list;
    contact.GetChildByName(QStringLiteral("ParentPrivateGroups"), list);
    CDataItem added;
    list.AddNewChild(added);
    Set(added, "pid", AttrText(group, "pid"));
}

CDataItem Contact(CEditorWindow &w, const QString &name)
{
    for (int i = 0; i < ListItem(w.Root(), kNodePrivates).GetChildCount(); ++i)
        if (AttrText(ListChild(w.Root(), kNodePrivate, i), "name") == name)
            return ListChild(w.Root(), kNodePrivate, i);
    return {};
}

// The tip Qt shows when the pointer rests on `item`.
QString ShownToolTip(QListWidget *list, QListWidgetItem *item)
{
    // A hidden tip lingers for a moment with its text.
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
        return QStringLiteral("(a tip does not go away)");
    const QPoint at = list->visualItemRect(item).center();
    QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(list->viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

QString Left(const QString &name, int left)
{
    return name + FormatStr(IDS_GROUPS_LEFT, {QString::number(left)});
}

// Fleet with contacts "Ann" and "Bob" and a "Full" one that is in five groups (G1..G5), all on
// channel 1; "Group 1" holds the radio's own contact.
void Populate(CEditorWindow &w)
{
    AddContact(w, kNodePrivates, QStringLiteral("Ann"));
    AddContact(w, kNodePrivates, QStringLiteral("Bob"));
    CDataItem full = AddContact(w, kNodePrivates, QStringLiteral("Full"));
    for (int i = 1; i <= 5; ++i)
        Join(full, AddContact(w, kNodePrivateGroups, QStringLiteral("G%1").arg(i)));
    w.Tree().Build();
}

}  // namespace

class TestEditorsPrivateGroup : public QObject {
    Q_OBJECT

private:
    static CPrivateGroupView *Show(CEditorWindow &w, const QString &name)
    {
        w.show();
        if (!QTest::qWaitForWindowActive(&w))
            return nullptr;
        const CDataItem list = ListItem(w.Root(), kNodePrivateGroups);
        for (int i = 0; i < list.GetChildCount(); ++i)
            if (AttrText(ListChild(w.Root(), kNodePrivateGroup, i), "name") == name)
                return w.Select(kNodePrivateGroup, i) ? w.FormAs<CPrivateGroupView>() : nullptr;
        return nullptr;
    }

private slots:
    void membersAndGroupsLeft()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        Populate(w);
        CPrivateGroupView *form = Show(w, QStringLiteral("Group 1"));
        QVERIFY(form);
        CTwoListWidget *lists = form->Members();
        QCOMPARE(Texts(lists->SelectedList()), QStringList{QStringLiteral("This Radio")});
        QCOMPARE(lists->SelectedList()->item(0)->icon().cacheKey(), NodeIcon(kNodePrivate, true).cacheKey());
        QCOMPARE(Texts(lists->AvailableList()),
                 (QStringList{Left(QStringLiteral("Ann"), 5), Left(QStringLiteral("Bob"), 5),
                              Left(QStringLiteral("Full"), 0)}));

        // The full contact cannot be chosen, and shows why.
        QListWidgetItem *full = lists->AvailableList()->item(2);
        QVERIFY(!(full->flags() & Qt::ItemIsSelectable));
        QCOMPARE(full->toolTip(), LoadStr(IDS_PRIVATE_IN_5_GROUPS));
        QListWidget *all = lists->AvailableList();
        QCOMPARE(ShownToolTip(all, full), LoadStr(IDS_PRIVATE_IN_5_GROUPS));
        QVERIFY(ShownToolTip(all, all->item(0)) != LoadStr(IDS_PRIVATE_IN_5_GROUPS));
        // Clicking it says so in the status bar; choosing one that can join gives the idle
        // prompt back.
        QTest::mouseClick(all->viewport(), Qt::LeftButton, {}, all->visualItemRect(full).center());
        QCOMPARE(w.statusText, LoadStr(IDS_PRIVATE_IN_5_GROUPS));
        QVERIFY(lists->SelectedAvailable().isEmpty());
        QTest::mouseClick(all->viewport(), Qt::LeftButton, {}, all->visualItemRect(all->item(0)).center());
        QCOMPARE(w.statusText, QString());
        QTest::keyClick(all, Qt::Key_End);
        QCOMPARE(w.statusText, LoadStr(IDS_PRIVATE_IN_5_GROUPS));
        all->selectAll();
        QCOMPARE(lists->SelectedAvailable().size(), 2);
        QCOMPARE(w.statusText, QString());

        // Both go in; the next free entry would be picked, but only the full one is left.
        lists->AddButton()->click();
        QVERIFY(w.prompter.History().empty());
        QCOMPARE(Texts(lists->SelectedList()),
                 (QStringList{QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("This Radio")}));
        QCOMPARE(Texts(lists->AvailableList()), QStringList{Left(QStringLiteral("Full"), 0)});
        QVERIFY(w.IsModified());
        // With nobody left who can join, the keyboard goes on to the members.
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(lists->SelectedList()));
        QCOMPARE(lists->SelectedChosen().size(), 1);
        QVERIFY(lists->RemoveButton()->isEnabled());

        // The status bar's word about the full contact goes with the form.
        QTest::mouseClick(all->viewport(), Qt::LeftButton, {}, all->visualItemRect(all->item(0)).center());
        QCOMPARE(w.statusText, LoadStr(IDS_PRIVATE_IN_5_GROUPS));

        // Another group's form counts Ann's new membership.
        form = Show(w, QStringLiteral("G1"));
        QCOMPARE(w.statusText, QString());
        QVERIFY(form);
        QVERIFY(form->Members()->AvailableList()->findItems(Left(QStringLiteral("Ann"), 4), Qt::MatchExactly).size() ==
                1);

        // Removing from Group 1 again gives the slot back and selects the entry in its place.
        form = Show(w, QStringLiteral("Group 1"));
        lists = form->Members();
        CTwoListWidget::SelectRow(lists->SelectedList(), 0, false);
        lists->RemoveButton()->click();
        QCOMPARE(Texts(lists->SelectedList()), (QStringList{QStringLiteral("Bob"), QStringLiteral("This Radio")}));
        QCOMPARE(lists->SelectedList()->currentRow(), 0);
        QVERIFY(lists->AvailableList()->findItems(Left(QStringLiteral("Ann"), 5), Qt::MatchExactly).size() == 1);
        QCOMPARE(w.closeRequests, 0);

        // A name of the full 20 characters shows whole, with its count.
        Set(Contact(w, QStringLiteral("Ann")), "name", QStringLiteral("Maintenance Workshop"));
        form = Show(w, QStringLiteral("G1"));
        QVERIFY(form);
        all = form->Members()->AvailableList();
        const QList<QListWidgetItem *> long20 =
            all->findItems(Left(QStringLiteral("Maintenance Workshop"), 5), Qt::MatchExactly);
        QCOMPARE(long20.size(), 1);
        const int needed = all->fontMetrics().horizontalAdvance(long20.first()->text()) + all->iconSize().width() + 16;
        QVERIFY2(needed <= all->viewport()->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(needed).arg(all->viewport()->width())));
    }

    void channelChecksAndQuestion()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        Populate(w);
        CPrivateGroupView *form = Show(w, QStringLiteral("Group 1"));
        QVERIFY(form);
        // Channel 2 has no contact at all: refused by the form, nothing asked.
        const QString before = w.ProfileText();
        form->ChannelList()->setCurrentIndex(1);
        QCOMPARE(w.prompter.Texts(), QStringList{LoadStr(IDS_NO_FREE_PRIVATE_IN_CHANNEL)});
        QCOMPARE(form->ChannelList()->currentIndex(), 0);
        QCOMPARE(w.ProfileText(), before);

        // With a free contact there, the question about the members; Cancel changes nothing.
        CDataItem ann = Contact(w, QStringLiteral("Ann"));
        QVERIFY(!ann.IsEmpty());
        Set(ann, "channel", 2);
        const QString withAnn = w.ProfileText();
        w.prompter.Clear();
        w.prompter.Queue(IDCANCEL);
        form->ChannelList()->setCurrentIndex(1);
        QCOMPARE(w.prompter.Texts(), QStringList{LoadStr(IDS_PRIVATE_GROUP_CHANNEL_CHANGE)});
        QCOMPARE(form->ChannelList()->currentIndex(), 0);
        QCOMPARE(w.ProfileText(), withAnn);

        w.prompter.Queue(IDOK);
        form->ChannelList()->setCurrentIndex(1);
        QCOMPARE(form->Members()->SelectedList()->count(), 0);
        QCOMPARE(Texts(form->Members()->AvailableList()), QStringList{Left(QStringLiteral("Ann"), 5)});
        QCOMPARE(AttrText(ListChild(w.Root(), kNodePrivateGroup, w.CurrentNodeIndex()), "channel"),
                 QStringLiteral("2"));
        QCOMPARE(w.closeRequests, 0);
    }

    void refusedJoinLeavesProfileUnmodified()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        Populate(w);
        CPrivateGroupView *form = Show(w, QStringLiteral("Group 1"));
        QVERIFY(form);
        QVERIFY(!w.IsModified());
        // Ann moved to channel 2 behind the form's back: the rule script refuses her joining
        // a channel-1 group and takes the new entry out again.
        Set(Contact(w, QStringLiteral("Ann")), "channel", 2);
        const QString before = w.ProfileText();
        CTwoListWidget::SelectRow(form->Members()->AvailableList(), 0, false);
        form->Members()->AddButton()->click();
        QCOMPARE(w.prompter.Texts(), QStringList{LoadStr(IDS_VALUE_NOT_VALID)});
        QCOMPARE(w.ProfileText(), before);
        QVERIFY(!w.IsModified());
        QCOMPARE(w.closeRequests, 0);
    }

    void idListLeavesOutOtherGroupsIds()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        Populate(w);
        CPrivateGroupView *form = Show(w, QStringLiteral("G1"));
        QVERIFY(form);
        const QString own = AttrText(ListChild(w.Root(), kNodePrivateGroup, 1), "pid");
        QCOMPARE(form->IdList()->currentText(), own);
        for (int i = 0; i < ListItem(w.Root(), kNodePrivateGroups).GetChildCount(); ++i) {
            const QString pid = AttrText(ListChild(w.Root(), kNodePrivateGroup, i), "pid");
            if (pid != own)
                QCOMPARE(form->IdList()->findText(pid), -1);
        }
    }

    void leavingWithoutMembers()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(w.Select(kNodePrivateGroups));
        w.Tree().OnAdd();
        w.Flush();
        QVERIFY(w.FormAs<CPrivateGroupView>());
        const int groups = ListItem(w.Root(), kNodePrivateGroups).GetChildCount();
        // Cancel stays, with the focus in "All Privates".
        w.prompter.Queue(IDCANCEL);
        QVERIFY(!w.Select(kNodePrivates));
        QCOMPARE(w.prompter.Texts(),
                 QStringList{FormatStr(IDS_INCORRECT_FIELDS_DELETE_CONTACT, {LoadStr(IDS_WRONG_FIELD_GROUP_MEMBERS)})});
        w.Flush();
        QVERIFY(w.FormAs<CPrivateGroupView>()->Members()->AvailableList()->hasFocus());
        // OK deletes it.
        w.prompter.Queue(IDOK);
        QVERIFY(w.Select(kNodePrivates));
        QCOMPARE(ListItem(w.Root(), kNodePrivateGroups).GetChildCount(), groups - 1);
    }
};

QTEST_MAIN(TestEditorsPrivateGroup)
#include "tst_editors_privategroup.moc"
