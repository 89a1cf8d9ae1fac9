// The private-contact form against the shipped templates: PID typing, leaving the PID field,
// the home-group list, the channel question, the scanner chain, the read-PID button and the
// contact's own scroll list.
#include "ControlIds.h"
#include "EditorTestSupport.h"
#include "PrivateView.h"
#include "StringTable.h"
#include "TwoListWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace zqvtest;

namespace {

CDataItem Add(CEditorWindow &w, NodeKind folder)
{
    CDataItem added;
    CDataItem list = ListItem(w.Root(), folder);
    if (folder == kNodePublicGroups)
        list.AddNewChild(added);
    else
        list.AddNewPriGrpPrivate(folder == kNodePrivates ? QStringLiteral("Private") : QStringLiteral("Group"), added);
    if (added.IsEmpty())
        qFatal("cannot add to folder %d", folder);
    return added;
}

QStringList Items(const QComboBox *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}

}  // namespace

class TestEditorsPrivate : public QObject {
    Q_OBJECT

private:
    static CPrivateView *Show(CEditorWindow &w, int index)
    {
        w.Tree().Build();  // contacts added straight to the profile
        w.show();
        if (!QTest::qWaitForWindowActive(&w) || !w.Select(kNodePrivate, index))
            return nullptr;
        return w.FormAs<CPrivateView>();
    }

private slots:
    void loadsTheContact()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        CPrivateView *form = Show(w, 0);
        QVERIFY(form);
        QCOMPARE(form->NameEdit()->text(), QStringLiteral("This Radio"));
        QCOMPARE(form->PidEdit()->text(), QStringLiteral("10000101"));
        QCOMPARE(form->PidEdit()->maxLength(), 8);
        QCOMPARE(form->ChannelList()->count(), 32);
        QCOMPARE(form->RingerList()->count(), 12);
        QCOMPARE(form->HomeGroupList()->currentText(), QStringLiteral("Group 1"));
        QVERIFY(!w.IsModified());
        QVERIFY(w.prompter.History().empty());
    }

    void pidTyping_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("caret");
        // Fleet: valid 10000101 .. 19999999, eight digits at most.
        QTest::newRow("leading zeros and letters") << "00a1b2"
                                                   << "12" << 2;
        QTest::newRow("zero after a digit stays") << "105"
                                                  << "105" << 3;
        QTest::newRow("ninth digit cannot be typed") << "123456789"
                                                     << "12345678" << 8;
        QTest::newRow("above the end is undone") << "2000000"
                                                    "0"
                                                 << "2000000" << 7;
        QTest::newRow("the end itself") << "19999999"
                                        << "19999999" << 8;
        QTest::newRow("below the start is typed") << "5"
                                                  << "5" << 1;
    }
    void pidTyping()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(int, caret);
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        CPrivateView *form = Show(w, 0);
        QVERIFY(form);
        QLineEdit *pid = form->PidEdit();
        pid->setFocus();
        pid->clear();
        QTest::keyClicks(pid, typed);
        QCOMPARE(pid->text(), expected);
        QCOMPARE(pid->cursorPosition(), caret);
        QCOMPARE(w.closeRequests, 0);
    }

    void pidLeftAndRefused()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        Add(w, kNodePrivates);
        CPrivateView *form = Show(w, 1);
        QVERIFY(form);
        QLineEdit *pid = form->PidEdit();
        // Empty: told, and the focus comes back; Delete and the read button are exempt.
        pid->setFocus();
        pid->clear();
        form->ReadPidButton()->setFocus();
        form->Control(IDC_PRIVATE_DELETE)->setFocus();
        QVERIFY(w.prompter.History().empty());
        pid->setFocus();
        form->RingerList()->setFocus();
        QCOMPARE(w.prompter.Texts(), QStringList{LoadStr(IDS_ID_EMPTY)});
        QVERIFY(pid->hasFocus());
        // The radio's own PID is taken: refused, profile unchanged.
        w.prompter.Clear();
        const QString before = w.ProfileText();
        QTest::keyClicks(pid, QStringLiteral("10000101"));
        form->RingerList()->setFocus();
        QCOMPARE(w.prompter.Texts(),
                 QStringList{LoadStr(IDS_SIMILAR_PID_EXISTS) + QLatin1Char('\n') +
                             FormatStr(IDS_PID_HELD_BY, {QStringLiteral("This Radio")})});
        QCOMPARE(w.ProfileText(), before);
        // A free one goes in.
        w.prompter.Clear();
        pid->setFocus();
        pid->clear();
        QTest::keyClicks(pid, QStringLiteral("10000300"));
        form->RingerList()->setFocus();
        QVERIFY(w.prompter.History().empty());
        QCOMPARE(AttrText(ListChild(w.Root(), kNodePrivate, 1), "pid"), QStringLiteral("10000300"));
    }

    void homeGroupsOfTheChannelInOrder()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        CDataItem contact = Add(w, kNodePrivates);
        Set(contact, "channel", 3);
        CDataItem pub3 = Add(w, kNodePublicGroups);
        Set(pub3, "channel", 3);
        Set(pub3, "name", QStringLiteral("Alpha public"));
        Add(w, kNodePublicGroups);  // channel 1: not listed
        CDataItem grp3 = Add(w, kNodePrivateGroups);
        Set(grp3, "channel", 3);
        Set(grp3, "name", QStringLiteral("Zulu private"));
        CPrivateView *form = Show(w, 1);
        QVERIFY(form);
        QCOMPARE(Items(form->HomeGroupList()),
                 (QStringList{LoadStr(IDS_NONE), QStringLiteral("Zulu private"), QStringLiteral("Alpha public")}));
        QCOMPARE(form->HomeGroupList()->currentIndex(), 0);
        form->HomeGroupList()->setCurrentIndex(2);
        QCOMPARE(AttrText(contact, "home_grp"), AttrText(pub3, "pid"));
        QVERIFY(w.IsModified());
    }

    void channelQuestionOkAndCancel()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        CPrivateView *form = Show(w, 0);
        QVERIFY(form);
        const QString before = w.ProfileText();
        w.prompter.Queue(IDCANCEL);
        form->ChannelList()->setCurrentIndex(1);
        QCOMPARE(w.prompter.Texts(), QStringList{LoadStr(IDS_PRIVATE_CHANNEL_CHANGE)});
        QCOMPARE(form->ChannelList()->currentIndex(), 0);
        QCOMPARE(w.ProfileText(), before);
        QVERIFY(!w.IsModified());

        w.prompter.Queue(IDOK);
        form->ChannelList()->setCurrentIndex(1);
        QCOMPARE(AttrText(ListChild(w.Root(), kNodePrivate, 0), "channel"), QStringLiteral("2"));
        QCOMPARE(form->HomeGroupList()->currentText(), LoadStr(IDS_NONE));
        QVERIFY(w.IsModified());
        QCOMPARE(w.closeRequests, 0);
    }

    // The scroll-list lists name every contact: a rename in the tree and a group that a channel
    // change deleted show there at once, and the tree counts the scroll list again.
    void scrollListsFollowChangesElsewhere()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        CPrivateView *form = Show(w, 0);
        QVERIFY(form);
        QListWidget *available = form->ScrollLists()->AvailableList();
        QCOMPARE(Texts(available), (QStringList{"Group 1", "Public 1", "This Radio"}));

        w.Tree().setFocus();
        w.Tree().OnRename();
        auto *edit = w.Tree().findChild<QLineEdit *>(QStringLiteral("TreeRenameEdit"));
        QVERIFY(edit);
        edit->setText(QStringLiteral("Base Radio"));
        QTest::keyClick(edit, Qt::Key_Return);
        CEditorWindow::Flush();
        QCOMPARE(Texts(available), (QStringList{"Base Radio", "Group 1", "Public 1"}));

        // Group 1 has no other member: moving the radio to channel 2 deletes it.
        QCOMPARE(w.Label(kNodeScrollList), QStringLiteral("Scroll (3)"));
        w.prompter.Queue(IDOK);
        form->ChannelList()->setCurrentIndex(1);
        QCOMPARE(w.ChildLabels(kNodePrivateGroups), QStringList{});
        QCOMPARE(Texts(available), (QStringList{"Base Radio", "Public 1"}));
        QCOMPARE(w.Label(kNodeScrollList), QStringLiteral("Scroll (2)"));
    }

    void scannerChain()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(w.Select(kNodePrivates));
        w.Tree().OnScanAdd();
        w.Flush();
        const QStringList pids{QStringLiteral("10000201"), QStringLiteral("10000202"), QStringLiteral("10000203")};
        for (const QString &p : pids) {
            auto *form = w.FormAs<CPrivateView>();
            QVERIFY(form);
            QVERIFY(form->ScannerMode());
            QVERIFY(form->PidEdit()->hasFocus());
            QVERIFY(form->PidEdit()->text().isEmpty());
            QTest::keyClicks(form->PidEdit(), p);
            QTest::keyClick(form->PidEdit(), Qt::Key_Return);
            w.Flush();
            w.Flush();
        }
        // Three scanned contacts and one more waiting for its PID.
        QCOMPARE(ListItem(w.Root(), kNodePrivates).GetChildCount(), 5);
        QStringList held;
        for (int i = 0; i < 5; ++i)
            held << AttrText(ListChild(w.Root(), kNodePrivate, i), "pid");
        for (const QString &p : pids)
            QVERIFY2(held.contains(p), qPrintable(p));
        QVERIFY(w.FormAs<CPrivateView>()->PidEdit()->hasFocus());
        QVERIFY(w.prompter.History().empty());
        // Leaving the waiting one asks to delete it.
        w.prompter.Queue(IDOK);
        QVERIFY(w.Select(kNodePrivates));
        QCOMPARE(w.prompter.Texts(),
                 QStringList{FormatStr(IDS_INCORRECT_FIELDS_DELETE_CONTACT, {LoadStr(IDS_WRONG_FIELD_ID)})});
        QCOMPARE(ListItem(w.Root(), kNodePrivates).GetChildCount(), 4);
    }

    void readPidButton()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        Add(w, kNodePrivates);
        CPrivateView *form = Show(w, 1);
        QVERIFY(form);
        // Cancelled: nothing changes.
        const QString shown = form->PidEdit()->text();
        form->ReadPidButton()->click();
        QCOMPARE(w.readPidRequests, 1);
        QCOMPARE(form->PidEdit()->text(), shown);
        // A captured ID lands in the field (cleaned like typing) with the focus.
        w.readPidAnswer = QStringLiteral("10000777");
        form->ReadPidButton()->click();
        QCOMPARE(form->PidEdit()->text(), QStringLiteral("10000777"));
        QVERIFY(form->PidEdit()->hasFocus());
        form->RingerList()->setFocus();
        QCOMPARE(AttrText(ListChild(w.Root(), kNodePrivate, 1), "pid"), QStringLiteral("10000777"));

        // An ID above the model's range is shown all the same; leaving, the rule script says
        // why it refuses it, and the profile keeps the last good ID.
        w.readPidAnswer = QStringLiteral("20004711");
        form->ReadPidButton()->click();
        QCOMPARE(form->PidEdit()->text(), QStringLiteral("20004711"));
        form->RingerList()->setFocus();
        QCOMPARE(w.prompter.Texts(),
                 QStringList{LoadStr(IDS_ID_NOT_VALID) + QLatin1Char('\n') +
                             FormatStr(IDS_PID_VALID_RANGE, {"10000101", "19999999"})});
        QVERIFY(form->PidEdit()->hasFocus());
        QCOMPARE(AttrText(ListChild(w.Root(), kNodePrivate, 1), "pid"), QStringLiteral("10000777"));
    }

    // Switching the private scroll list on while it is empty asks whether to start it with the
    // global scroll list (three contacts): Yes copies them, No switches it on empty.
    void privateScrollListQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("entries");
        QTest::newRow("Yes starts it with the scroll list") << int(IDYES) << 3;
        QTest::newRow("No starts it empty") << int(IDNO) << 0;
    }
    void privateScrollListQuestion()
    {
        QFETCH(int, answer);
        QFETCH(int, entries);
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(kFleet));
        CPrivateView *form = Show(w, 0);
        QVERIFY(form);
        QVERIFY(!form->ScrollEnable()->isChecked());
        w.prompter.Queue(answer);
        form->ScrollEnable()->click();
        QCOMPARE(w.prompter.Texts(), QStringList{LoadStr(IDS_COPY_SCROLL_LIST_QUESTION)});
        QVERIFY(form->ScrollEnable()->isChecked());
        QCOMPARE(AttrText(ListChild(w.Root(), kNodePrivate, 0), "private_scroll_list"), QStringLiteral("1"));
        QCOMPARE(form->ScrollLists()->SelectedList()->count(), entries);
        QVERIFY(form->ScrollLists()->AvailableList()->isEnabled());
        QVERIFY(w.IsModified());
    }

    void privateScrollListKeepsEntries()
    {
        QTemporaryDir dir;
        // A public group named like the radio's own contact: both match one entry.
        const QString path = EditedTemplate(dir, kFleet, [](QString &text) {
            text.replace(QStringLiteral("name=\"Public 1\""), QStringLiteral("name=\"This Radio\""));
            text.replace(QStringLiteral("private_scroll_list=\"0\""), QStringLiteral("private_scroll_list=\"1\""));
        });
        CEditorWindow w;
        QVERIFY(w.Open(path));
        CPrivateView *form = Show(w, 0);
        QVERIFY(form);
        QVERIFY(!form->ScrollEnable()->isHidden());  // the template's setting group has the list
        CTwoListWidget *lists = form->ScrollLists();
        QVERIFY(form->ScrollEnable()->isChecked());
        QCOMPARE(lists->SelectedList()->count(), 0);
        CTwoListWidget::SelectRow(lists->AvailableList(), 1, false);
        QCOMPARE(CTwoListWidget::NameOf(lists->SelectedAvailable().value(0)), QStringLiteral("This Radio"));
        lists->AddButton()->click();
        QCOMPARE(Texts(lists->SelectedList()),
                 (QStringList{QStringLiteral("This Radio"), QStringLiteral("This Radio")}));
        QCOMPARE(Texts(lists->AvailableList()), QStringList{QStringLiteral("Group 1")});

        // Clearing the box keeps the entry; checking it again shows it.
        form->ScrollEnable()->click();
        QVERIFY(!lists->AvailableList()->isEnabled());
        QVERIFY(w.Document().Model().ProfileText().contains(QStringLiteral("<list name=\"This Radio\"")));
        form->ScrollEnable()->click();
        QVERIFY(lists->SelectedList()->isEnabled());
        QCOMPARE(lists->SelectedList()->count(), 2);

        CTwoListWidget::SelectRow(lists->SelectedList(), 0, false);
        lists->RemoveButton()->click();
        QCOMPARE(lists->SelectedList()->count(), 0);
        QCOMPARE(lists->AvailableList()->count(), 3);
    }
};

QTEST_MAIN(TestEditorsPrivate)
#include "tst_editors_private.moc"
