// The public-group form against the shipped templates: channel changes with the rule script's
// question, the ID list with its marks, the name checks, leaving with a bad name, and a
// profile the form finds inconsistent.
#include "ControlIds.h"
#include "EditorTestSupport.h"
#include "PublicGroupView.h"
#include "StringTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace zqvtest;

class TestEditorsPublicGroup : public QObject {
    Q_OBJECT

private:
    // A window on `name` with its first public group's form shown.
    static CPublicGroupView *OpenFirstGroup(CEditorWindow &w, const QString &name)
    {
        if (!w.NewFromTemplate(name) || !w.Select(kNodePublicGroup, 0))
            return nullptr;
        return w.FormAs<CPublicGroupView>();
    }

private slots:
    void loadsTheGroup()
    {
        CEditorWindow w;
        CPublicGroupView *form = OpenFirstGroup(w, QStringLiteral("ZQ-450 Standard.zqv"));
        QVERIFY(form);
        QCOMPARE(form->ControlText(IDC_PUBLICGROUP_HEADING), QStringLiteral("Public 1"));
        QCOMPARE(form->NameEdit()->text(), QStringLiteral("Public 1"));
        QCOMPARE(form->NameEdit()->maxLength(), 20);
        QCOMPARE(form->ChannelList()->count(), 16);
        QCOMPARE(form->ChannelList()->currentText(), QStringLiteral("Channel 1"));
        QCOMPARE(form->IdList()->currentText(), QStringLiteral("1  (Public)"));
        QVERIFY(form->Control(IDC_PUBLICGROUP_ADD)->isEnabled());
        QVERIFY(w.prompter.History().empty());
        QVERIFY(!w.IsModified());
    }

    void idListMarksNumbersInUse()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-880 Fleet.zqv")));
        QVERIFY(w.Select(kNodePublicGroups));
        w.Tree().OnAdd();
        QVERIFY(w.Select(kNodePublicGroup, 1));
        auto *form = w.FormAs<CPublicGroupView>();
        QVERIFY(form);
        // Both banks, every number: 1..100 and 1298..1347.
        QComboBox *ids = form->IdList();
        QCOMPARE(ids->count(), 150);
        QCOMPARE(ids->itemText(99), QStringLiteral("100  (Fleet)"));
        QCOMPARE(ids->itemText(100), QStringLiteral("1298  (Site)"));
        // The other group's number carries the mark, this group's own does not.
        QCOMPARE(ids->itemText(0), QStringLiteral("1  (Fleet)  x"));
        QCOMPARE(ids->currentText(), QStringLiteral("2  (Fleet)"));
        QVERIFY(form->isUsed(1));
        QVERIFY(form->isUsed(2));
        QVERIFY(!form->isUsed(3));
        QVERIFY(form->isUsed(101));  // in no bank: no PID

        // A marked number can be chosen; the rule script refuses it, the message names the
        // group that holds it, and nothing changes.
        const QString before = w.ProfileText();
        ids->setCurrentIndex(0);
        QCOMPARE(w.prompter.Texts(),
                 QStringList({LoadStr(IDS_SIMILAR_PID_EXISTS) + QLatin1Char('\n') +
                              FormatStr(IDS_PID_HELD_BY, {QStringLiteral("Public 1")})}));
        QCOMPARE(ids->currentText(), QStringLiteral("2  (Fleet)"));
        QCOMPARE(w.ProfileText(), before);

        QCOMPARE(w.closeRequests, 0);

        // A free number is taken.
        w.ClearModified();
        ids->setCurrentIndex(100);
        QCOMPARE(AttrText(ListChild(w.Root(), kNodePublicGroup, 1), "pid"), w.Document().NumberToPid(1298));
        QVERIFY(w.IsModified());

        // The data model failing under the choice (the group lost its pid attribute) is shown
        // like a refusal: the list goes back, the window stays open.
        w.prompter.Clear();
        xmlUnsetProp(ListChild(w.Root(), kNodePublicGroup, 1).Node(), BAD_CAST "pid");
        ids->setCurrentIndex(101);
        QCOMPARE(w.prompter.Texts(), QStringList({LoadStr(IDS_PROGRAMMING_ERROR_108)}));
        QCOMPARE(ids->currentIndex(), 100);
        QCOMPARE(w.closeRequests, 0);
    }

    // Typing a number in the closed ID list finds it; the numbers passed on the way ("2" is
    // taken by the other group) are not tried, the one typed is taken when the typing pauses.
    void idListFindsTypedNumbers()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-880 Fleet.zqv")));
        QVERIFY(w.Select(kNodePublicGroups));
        w.Tree().OnAdd();
        QVERIFY(w.Select(kNodePublicGroup, 0));
        auto *form = w.FormAs<CPublicGroupView>();
        QVERIFY(form);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(form->IdList()->itemText(1), QStringLiteral("2  (Fleet)  x"));
        form->IdList()->setFocus();
        QTest::keyClicks(form->IdList(), QStringLiteral("20"));
        QCOMPARE(form->IdList()->currentText(), QStringLiteral("20  (Fleet)"));
        QTRY_COMPARE(AttrText(ListChild(w.Root(), kNodePublicGroup, 0), "pid"), w.Document().NumberToPid(20));
        QVERIFY(w.prompter.History().empty());
    }

    void isUsedWithoutItsGroupRaises()
    {
        CEditorWindow w;
        CPublicGroupView *form = OpenFirstGroup(w, QStringLiteral("ZQ-450 Standard.zqv"));
        QVERIFY(form);
        // The group goes from under the open form.
        CDataItem list = ListItem(w.Root(), kNodePublicGroups);
        int r1 = 0;
        int r2 = 0;
        QCOMPARE(list.RemoveChildByIndex(0, r1, 1, r2), 0);
        try {
            form->isUsed(1);
            QFAIL("no exception");
        } catch (const CZQVCPSException &e) {
            QCOMPARE(e.GetMessageId(), int(IDS_NULL_POINTER_ERROR));
            QVERIFY(e.GetTrace().contains(QLatin1String("CPublicGroupView::isUsed")));
        }
        // A number that stands for no PID needs no group.
        QVERIFY(form->isUsed(5000));
    }

    // The IDs a private group may take: unused private contacts' IDs that no other group or
    // contact in use holds, and the group's own.
    void privateGroupIdChoices()
    {
        QTemporaryDir dir;
        const auto unusedPrivate = [](const char *name, const char *pid) {
            return QStringLiteral("<Private cntct_type=\"0\" name=\"%1\" pid=\"%2\" channel=\"1\" in_scroll_list=\"0\" "
                                  "alert_tone=\"1\" home_grp=\"\" show_grp_only=\"0\" id_in_use=\"0\" "
                                  "see_all_groups=\"0\" mngr_mode=\"0\" private_scroll_list=\"0\">"
                                  "<ParentPrivateGroups/><scrolllist/></Private>")
                .arg(QLatin1String(name), QLatin1String(pid));
        };
        const QString path = EditedTemplate(dir, QStringLiteral("ZQ-880 Fleet.zqv"), [&](QString &text) {
            QString extra;
            extra += unusedPrivate("Free B", "10000300");
            extra += unusedPrivate("Free A", "10000200");
            extra += unusedPrivate("Same as A", "10000200");
            extra += unusedPrivate("Group 2's", "10000400");
            extra += unusedPrivate("Public's", "17179869183");
            extra += unusedPrivate("Radio's", "10000101");
            extra += unusedPrivate("Group 1's", "10000102");
            text.replace(QLatin1String("</Private></Privates>"),
                         QLatin1String("</Private>") + extra + QLatin1String("</Privates>"));
            text.replace(
                QLatin1String("/></PrivateGroups>"),
                QLatin1String("/><PrivateGroup cntct_type=\"1\" name=\"Group 2\" pid=\"10000400\" channel=\"1\" "
                              "in_scroll_list=\"0\"/></PrivateGroups>"));
        });
        CEditorWindow w;
        QVERIFY(w.Open(path));
        QCOMPARE(w.prompter.History().size(), size_t(0));
        const CDataItem group1 = ListChild(w.Root(), kNodePrivateGroup, 0);
        const CDataItem group2 = ListChild(w.Root(), kNodePrivateGroup, 1);
        QCOMPARE(AttrText(group2, "name"), QStringLiteral("Group 2"));
        QCOMPARE(PrivateGroupIdChoices(w.Root(), group1), QStringList({"10000102", "10000200", "10000300"}));
        QCOMPARE(PrivateGroupIdChoices(w.Root(), group2), QStringList({"10000200", "10000300", "10000400"}));

        // Every ID offered is one the rule script lets the group take; the left-out ones it refuses.
        for (const QString &pid : PrivateGroupIdChoices(w.Root(), group1)) {
            CDataItem g = ListChild(w.Root(), kNodePrivateGroup, 0);
            int r1 = 0;
            int r2 = 0;
            QVERIFY2(g.SetAttributeValue(QStringLiteral("pid"), pid, r1, 0, r2) == 0, qPrintable(pid));
        }
        for (const char *pid : {"10000400", "17179869183", "10000101"}) {
            CDataItem g = ListChild(w.Root(), kNodePrivateGroup, 0);
            int r1 = 0;
            int r2 = 0;
            QVERIFY2(g.SetAttributeValue(QStringLiteral("pid"), QLatin1String(pid), r1, 0, r2) != 0, pid);
        }
    }

    void channelChangeAsksWhenOnAScanList()
    {
        CEditorWindow w;
        CPublicGroupView *form = OpenFirstGroup(w, QStringLiteral("ZQ-450 Standard.zqv"));
        QVERIFY(form);
        const QString before = w.ProfileText();

        // Cancel: the list goes back, the profile stays byte for byte.
        w.prompter.Queue(IDCANCEL);
        form->ChannelList()->setCurrentIndex(2);
        QCOMPARE(w.prompter.Texts(), QStringList({FormatStr(IDS_PUBLIC_GROUP_CHANNEL_CHANGE, {"1", "3"})}));
        QCOMPARE(form->ChannelList()->currentIndex(), 0);
        QCOMPARE(w.ProfileText(), before);
        QVERIFY(!w.IsModified());

        // OK: the group and its scan-list place move, and the tree counts follow.
        w.prompter.Queue(IDOK);
        form->ChannelList()->setCurrentIndex(2);
        QCOMPARE(AttrText(ListChild(w.Root(), kNodePublicGroup, 0), "channel"), QStringLiteral("3"));
        QCOMPARE(form->ChannelList()->currentIndex(), 2);
        QCOMPARE(w.Label(kNodeScanChannel, 0), QStringLiteral("Channel 1 (0)"));
        QCOMPARE(w.Label(kNodeScanChannel, 2), QStringLiteral("Channel 3 (1)"));
        QVERIFY(w.IsModified());

        // Off the scan list the change needs no question.
        w.prompter.Clear();
        CDataItem group = ListChild(w.Root(), kNodePublicGroup, 0);
        int r1 = 0;
        int r2 = 0;
        QCOMPARE(group.SetAttributeValue(QStringLiteral("in_scan_list"), false, r1, 0, r2), 0);
        form->ChannelList()->setCurrentIndex(5);
        QVERIFY(w.prompter.History().empty());
        QCOMPARE(AttrText(group, "channel"), QStringLiteral("6"));
    }

    void nameChecksOnLeavingTheField()
    {
        CEditorWindow w;
        CPublicGroupView *form = OpenFirstGroup(w, QStringLiteral("ZQ-450 Standard.zqv"));
        QVERIFY(form);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QLineEdit *name = form->NameEdit();

        // 21 characters cannot be typed.
        name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("abcdefghijklmnopqrstu"));
        QCOMPARE(name->text().size(), 20);

        // Empty, left for another field: refused, focus back.
        name->clear();
        form->ChannelList()->setFocus();
        QCOMPARE(w.prompter.Texts(), QStringList({LoadStr(IDS_NAME_EMPTY)}));
        QTRY_VERIFY(name->hasFocus());

        // Empty, left for Delete: no question.
        w.prompter.Clear();
        form->Control(IDC_PUBLICGROUP_DELETE)->setFocus();
        QVERIFY(w.prompter.History().empty());

        // A name another contact has, left with Tab: refused, and shown whole and selected, so
        // that typing replaces it.
        w.prompter.Clear();
        name->setFocus();
        name->setText(QStringLiteral("this radio"));
        QTest::keyClick(name, Qt::Key_Tab);
        QCOMPARE(w.prompter.Texts(), QStringList({LoadStr(IDS_SIMILAR_NAME_EXISTS)}));
        QTRY_VERIFY(name->hasFocus());
        QTRY_COMPARE(name->selectedText(), QStringLiteral("this radio"));
        w.prompter.Clear();

        // A good name is applied when the field is left and the tree shows it.
        name->setFocus();
        name->setText(QStringLiteral("Dispatch"));
        form->ChannelList()->setFocus();
        QVERIFY(w.prompter.History().empty());
        QCOMPARE(AttrText(ListChild(w.Root(), kNodePublicGroup, 0), "name"), QStringLiteral("Dispatch"));
        QCOMPARE(w.Label(kNodePublicGroup, 0), QStringLiteral("Dispatch"));
        QCOMPARE(form->ControlText(IDC_PUBLICGROUP_HEADING), QStringLiteral("Dispatch"));
        QVERIFY(w.IsModified());
    }

    void emptyNameOnLeavingOffersToDelete()
    {
        CEditorWindow w;
        CPublicGroupView *form = OpenFirstGroup(w, QStringLiteral("ZQ-450 Standard.zqv"));
        QVERIFY(form);
        form->NameEdit()->clear();

        // Cancel: the group stays, selected, and the name field gets the focus back.
        const QString before = w.ProfileText();
        w.prompter.Queue(IDCANCEL);
        QVERIFY(!w.Select(kNodeSettings));
        QCOMPARE(w.prompter.Texts(),
                 QStringList({FormatStr(IDS_INCORRECT_FIELDS_DELETE_CONTACT, {LoadStr(IDS_WRONG_FIELD_NAME)})}));
        QCOMPARE(w.CurrentKind(), int(kNodePublicGroup));
        QCOMPARE(w.Form(), form);
        QCOMPARE(w.ProfileText(), before);

        // OK: the group is deleted and the chosen node shown.
        w.prompter.Queue(IDOK);
        QVERIFY(w.Select(kNodeSettings));
        QVERIFY(w.ChildLabels(kNodePublicGroups).isEmpty());
        QCOMPARE(w.CurrentKind(), int(kNodeSettings));
        QCOMPARE(w.Label(kNodeScrollList), QStringLiteral("Scroll (1)"));
        QVERIFY(w.IsModified());
        QVERIFY(!CBaseView::IsValidationSuspended());
    }

    void leavingForALaterSiblingAfterDeletion()
    {
        // The group left is deleted; the sibling the user chose moves up a place and is shown.
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-450 Standard.zqv")));
        QVERIFY(w.Select(kNodePublicGroups));
        w.Tree().OnAdd();
        QVERIFY(w.Select(kNodePublicGroups));
        w.Tree().OnAdd();
        QVERIFY(w.Select(kNodePublicGroup, 0));
        w.FormAs<CPublicGroupView>()->NameEdit()->clear();
        w.prompter.Queue(IDOK);
        QVERIFY(w.Select(kNodePublicGroup, 2));
        QCOMPARE(w.ChildLabels(kNodePublicGroups), QStringList({"Public 2", "Public 3"}));
        QCOMPARE(w.CurrentNodeIndex(), 1);
        QCOMPARE(w.FormAs<CPublicGroupView>()->NameEdit()->text(), QStringLiteral("Public 3"));
    }

    void formButtonsSendNotices()
    {
        CEditorWindow w;
        CPublicGroupView *form = OpenFirstGroup(w, QStringLiteral("ZQ-450 Standard.zqv"));
        QVERIFY(form);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        qobject_cast<QPushButton *>(form->Control(IDC_PUBLICGROUP_ADD))->click();
        CEditorWindow::Flush();
        QCOMPARE(w.ChildLabels(kNodePublicGroups), QStringList({"Public 1", "Public 2"}));
        auto *added = w.FormAs<CPublicGroupView>();
        QVERIFY(added && added != form);
        // The new group's form puts the focus into the name, all selected.
        QTRY_VERIFY(added->NameEdit()->hasFocus());
        QCOMPARE(added->NameEdit()->selectedText(), QStringLiteral("Public 2"));

        qobject_cast<QPushButton *>(added->Control(IDC_PUBLICGROUP_DELETE))->click();
        CEditorWindow::Flush();
        QCOMPARE(w.ChildLabels(kNodePublicGroups), QStringList({"Public 1"}));
        QVERIFY(w.prompter.History().empty());
    }

    void inconsistentProfileClosesWithoutSaving()
    {
        // A group on a channel the model does not have.
        QTemporaryDir dir;
        const QString path = EditedTemplate(dir, QStringLiteral("ZQ-210 Compact.zqv"), [](QString &text) {
            text.replace(QLatin1String("channel=\"1\"\n\tin_scan_list"),
                         QLatin1String("channel=\"5\"\n\tin_scan_list"));
        });
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        QVERIFY(bytes.contains("channel=\"5\""));

        CEditorWindow w;
        QVERIFY(w.Open(path));
        w.Select(kNodePublicGroup, 0);
        QCOMPARE(w.prompter.Texts(), QStringList({LoadStr(IDS_PROFILE_DATA_ERROR)}));
        QCOMPARE(w.closeRequests, 1);
        // Leaving the broken form asks nothing more and changes nothing.
        QVERIFY(w.Select(kNodeSettings));
        QCOMPARE(w.prompter.History().size(), size_t(1));
        QVERIFY(!w.IsModified());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }

    void overlappingBanksWarnOnce()
    {
        QTemporaryDir dir;
        const QString path = EditedTemplate(dir, QStringLiteral("ZQ-880 Fleet.zqv"), [](QString &text) {
            // Banks 2 and 3 start inside bank 0.
            text.replace(QLatin1String("public_grp_info_start_pid2=\"0\""),
                         QLatin1String("public_grp_info_start_pid2=\"17179869133\""));
            text.replace(QLatin1String("public_grp_info_lst_size2=\"0\""),
                         QLatin1String("public_grp_info_lst_size2=\"20\""));
            text.replace(QLatin1String("public_grp_info_start_pid3=\"0\""),
                         QLatin1String("public_grp_info_start_pid3=\"17179869123\""));
            text.replace(QLatin1String("public_grp_info_lst_size3=\"0\""),
                         QLatin1String("public_grp_info_lst_size3=\"20\""));
        });
        CEditorWindow w;
        QVERIFY(w.Open(path));
        QVERIFY(w.Select(kNodePublicGroup, 0));
        QCOMPARE(w.prompter.Texts().count(LoadStr(IDS_DUPLICATE_PUBLIC_GROUP_ID)), 1);
        QCOMPARE(w.closeRequests, 0);
    }
};

QTEST_MAIN(TestEditorsPublicGroup)
#include "tst_editors_publicgroup.moc"
