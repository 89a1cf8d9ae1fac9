// The profile tree against the shipped templates: its shape, the command flags, adding,
// deleting and renaming in every folder, re-sorting on leaving, and the change notices.
#include "ContactsView.h"
#include "ControlIds.h"
#include "EditorTestSupport.h"
#include "PrivateGroupView.h"
#include "PrivateView.h"
#include "PublicGroupView.h"
#include "StringTable.h"
#include "TextMessageView.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItemIterator>

using namespace zqvtest;

class TestEditorsTree : public QObject {
    Q_OBJECT

private:
    static QString Replace(const QString &from, const QString &to, const QString &name, QTemporaryDir &dir)
    {
        return EditedTemplate(dir, name, [&](QString &text) {
            if (!text.contains(from))
                qFatal("template %s lacks %s", qPrintable(name), qPrintable(from));
            text.replace(from, to);
        });
    }

    // The element nodes the tree shows, in tree order.
    static QStringList ShownElements(CZQVCPSTreeView &tree)
    {
        QStringList out;
        for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
            bool shown = IsElementKind(ItemKind(CZQVCPSTreeView::NodeValue(*it)));
            for (QTreeWidgetItem *n = *it; n && shown; n = n->parent())
                shown = !n->isHidden();
            if (shown)
                out << (*it)->text(0);
        }
        return out;
    }
    static QStringList AllLabels(CZQVCPSTreeView &tree)
    {
        QStringList out;
        for (QTreeWidgetItemIterator it(&tree); *it; ++it)
            out << (*it)->text(0);
        return out;
    }

private slots:
    // Typing narrows the tree to the contacts and messages whose name, PID or text holds the
    // text, case and accents aside; the first match is the first in tree order, the folders
    // keep their counts, and an empty filter shows everything again.
    void filterNarrowsTheTree_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("name, other case") << "BRU" << QStringList{"Bruno"};
        QTest::newRow("accent left out") << "chloe" << QStringList{QStringLiteral("Chlo\u00e9")};
        QTest::newRow("accent typed") << QStringLiteral("CHLO\u00c9") << QStringList{QStringLiteral("Chlo\u00e9")};
        QTest::newRow("PID of a contact and a group") << "4012090" << QStringList{"Spare ID 90", "Night Shift"};
        QTest::newRow("part of a PID") << "1200"
                                       << QStringList{"Alice", "Base 01", "Bruno", QStringLiteral("Chlo\u00e9")};
        QTest::newRow("text past the label's cut") << "yard office" << QStringList{"Meeting at 10:00 in ..."};
        QTest::newRow("no match") << "zzz" << QStringList{};
    }
    void filterNarrowsTheTree()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, shown);
        CEditorWindow w;
        QVERIFY(w.Open(QStringLiteral(ZQV_FIXTURES_DIR "/profiles/valid_group3.zqv")));
        const QStringList labels = AllLabels(w.Tree());
        const int everything = ShownElements(w.Tree()).size();
        w.Tree().SetFilter(typed);
        QCOMPARE(ShownElements(w.Tree()), shown);
        QCOMPARE(w.Tree().FirstMatch() ? w.Tree().FirstMatch()->text(0) : QString(), shown.value(0));
        QVERIFY(!w.Tree().topLevelItem(0)->isHidden());
        QCOMPARE(AllLabels(w.Tree()), labels);
        // A rebuilt folder is filtered again: a contact renamed to match shows up.
        const QString renamed = QStringLiteral("Match ") + typed;
        SetAttr(ListChild(w.Root(), kNodePrivate, 4).Node(), "name", renamed);
        w.Tree().UpdateAllViews(nullptr, ViewHint{kHintRefresh, kNodePrivate, 4});
        QVERIFY(ShownElements(w.Tree()).contains(renamed));
        w.Tree().SetFilter(QString());
        QCOMPARE(ShownElements(w.Tree()).size(), everything);
    }

    void shapeWithAndWithoutScanList()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-450 Standard.zqv")));
        QCOMPARE(w.Tree().topLevelItemCount(), 1);
        QCOMPARE(w.Label(kNodeRoot), QStringLiteral("ZQV450"));
        QCOMPARE(w.ChildLabels(kNodeRoot),
                 QStringList({"All Contacts", "Contacts", "Settings", "Lists", "Text Messages"}));
        QCOMPARE(w.ChildLabels(kNodeContacts), QStringList({"Privates", "Private Groups", "Public Groups"}));
        QCOMPARE(w.ChildLabels(kNodeLists), QStringList({"Scroll (2)", "Scan List"}));
        const QStringList channels = w.ChildLabels(kNodeScanList);
        QCOMPARE(channels.size(), 16);
        QCOMPARE(channels.first(), QStringLiteral("Channel 1 (1)"));
        QCOMPARE(channels.last(), QStringLiteral("Channel 16 (0)"));
        QCOMPARE(w.ChildLabels(kNodePublicGroups), QStringList({"Public 1"}));
        QCOMPARE(w.ChildLabels(kNodePrivates), QStringList({"This Radio"}));
        QCOMPARE(w.ChildLabels(kNodeTextMessages), QStringList({"On my way"}));
        QCOMPARE(CZQVCPSTreeView::NodeValue(w.Tree().FindNode(kNodeScanChannel, 3)),
                 MakeItemValue(kNodeScanChannel, 3));
        QCOMPARE(CZQVCPSTreeView::NodeValue(w.Tree().FindNode(kNodePublicGroup, 0)),
                 MakeItemValue(kNodePublicGroup, 0));
        // Built with the root selected and no change to the profile.
        QCOMPARE(w.CurrentKind(), int(kNodeRoot));
        QVERIFY(!w.IsModified());

        QTemporaryDir dir;
        CEditorWindow noScan;
        QVERIFY(noScan.Open(Replace("public_scan_en=\"1\"", "public_scan_en=\"0\"", "ZQ-450 Standard.zqv", dir)));
        QCOMPARE(noScan.ChildLabels(kNodeLists), QStringList({"Scroll (2)"}));
        QVERIFY(!noScan.Tree().FindNode(kNodeScanList));
    }

    void foldersFollowTheRuleScript()
    {
        // A model without private groups and a profile without any has no such folder; a
        // profile that holds some keeps it whatever the model says.
        QTemporaryDir dir;
        CEditorWindow none;
        QVERIFY(none.Open(
            Replace("max_num_of_private_grps=\"5\"", "max_num_of_private_grps=\"0\"", "ZQ-210 Compact.zqv", dir)));
        QCOMPARE(none.ChildLabels(kNodeContacts), QStringList({"Privates", "Public Groups"}));

        QTemporaryDir dir2;
        CEditorWindow some;
        QVERIFY(some.Open(
            Replace("max_num_of_private_grps=\"50\"", "max_num_of_private_grps=\"0\"", "ZQ-880 Fleet.zqv", dir2)));
        QCOMPARE(some.ChildLabels(kNodePrivateGroups), QStringList({"Group 1"}));
    }

    void labels()
    {
        QTemporaryDir dir;
        const QString path = EditedTemplate(dir, QStringLiteral("ZQ-450 Standard.zqv"), [](QString &text) {
            text.replace(QLatin1String("model=\"Z450\""), QLatin1String("model=\"Z45Z\""));
            text.replace(QLatin1String("txt=\"On my way\""), QLatin1String("txt=\"123456789012345678901\""));
        });
        CEditorWindow w;
        QVERIFY(w.Open(path));
        QCOMPARE(w.Label(kNodeRoot), QStringLiteral("ZQV45ZQV"));
        QCOMPARE(w.Label(kNodeTextMessage, 0), QStringLiteral("12345678901234567890..."));
        // The radio's own contact is bold; another contact is not.
        w.Select(kNodePrivates);
        w.Tree().OnAdd();
        QVERIFY(w.Tree().FindNode(kNodePrivate, 0)->font(0).bold());
        QCOMPARE(w.Label(kNodePrivate, 1), QStringLiteral("Private 1"));
        QVERIFY(!w.Tree().FindNode(kNodePrivate, 1)->font(0).bold());
    }

    void commandFlagsFollowSelectionAndFocus()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-450 Standard.zqv")));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.Tree().setFocus();
        QTRY_VERIFY(w.Tree().hasFocus());

        using Flags = CZQVCPSTreeView::CommandFlags;
        const struct {
            int kind;
            Flags flags;  // add, scan, delete, rename
        } cases[] = {
            {kNodeRoot, {false, false, false, false}},        {kNodePrivates, {true, true, false, false}},
            {kNodePublicGroups, {true, false, false, false}}, {kNodePrivateGroups, {true, false, false, false}},
            {kNodeTextMessages, {true, false, false, false}}, {kNodePublicGroup, {false, false, true, true}},
            {kNodePrivate, {false, false, true, true}},       {kNodeTextMessage, {false, false, true, false}},
            {kNodeScrollList, {false, false, false, false}},  {kNodeSettings, {false, false, false, false}},
        };
        for (const auto &c : cases) {
            QVERIFY(w.Select(c.kind));
            w.Tree().setFocus();
            const Flags f = w.Tree().Flags();
            QVERIFY2(f == c.flags, qPrintable(QStringLiteral("kind %1").arg(c.kind)));
        }

        // Leaving the tree clears them, coming back recomputes them.
        QVERIFY(w.Select(kNodePublicGroup, 0));
        auto *form = w.FormAs<CPublicGroupView>();
        QVERIFY(form);
        form->NameEdit()->setFocus();
        QTRY_VERIFY(form->NameEdit()->hasFocus());
        QVERIFY(w.Tree().Flags() == Flags{});
        w.Tree().setFocus();
        QTRY_VERIFY(w.Tree().Flags().del);

        // The context menu offers the same; its Scan(Add) adds a contact with the scanner.
        QVERIFY(w.Select(kNodePrivates));
        std::unique_ptr<QMenu> menu(w.Tree().CreateContextMenu(nullptr));
        const QList<QAction *> actions = menu->actions();
        QCOMPARE(actions.size(), 4);
        QVERIFY(actions[0]->isEnabled() && actions[1]->isEnabled());
        QVERIFY(!actions[2]->isEnabled() && !actions[3]->isEnabled());
        actions[1]->trigger();
        QCOMPARE(w.ChildLabels(kNodePrivates), QStringList({"This Radio", "Private 1"}));
        QCOMPARE(w.CurrentKind(), int(kNodePrivate));
    }

    void addInEveryFolder()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-450 Standard.zqv")));

        // Add on an item adds nothing.
        const QString before = w.ProfileText();
        QVERIFY(w.Select(kNodePublicGroup, 0));
        w.Tree().OnAdd();
        w.Tree().OnScanAdd();
        QCOMPARE(w.ProfileText(), before);
        QVERIFY(!w.IsModified());

        // Public group: the new node is selected with its form, the counts follow.
        QVERIFY(w.Select(kNodePublicGroups));
        w.Tree().OnAdd();
        QCOMPARE(w.ChildLabels(kNodePublicGroups), QStringList({"Public 1", "Public 2"}));
        QCOMPARE(w.CurrentKind(), int(kNodePublicGroup));
        QCOMPARE(w.CurrentNodeIndex(), 1);
        QVERIFY(w.FormAs<CPublicGroupView>());
        QCOMPARE(w.FormAs<CPublicGroupView>()->NameEdit()->text(), QStringLiteral("Public 2"));
        QCOMPARE(w.Label(kNodeScrollList), QStringLiteral("Scroll (3)"));
        QCOMPARE(w.Label(kNodeScanChannel, 0), QStringLiteral("Channel 1 (2)"));
        QVERIFY(w.IsModified());

        // Private group and private contact (with the text handed to the contact's form).
        QVERIFY(w.Select(kNodePrivateGroups));
        w.Tree().OnAdd();
        QCOMPARE(w.ChildLabels(kNodePrivateGroups), QStringList({"Group 1"}));
        QCOMPARE(w.CurrentKind(), int(kNodePrivateGroup));
        QVERIFY(w.FormAs<CPrivateGroupView>());
        QCOMPARE(w.FormAs<CPrivateGroupView>()->NameEdit()->text(), QStringLiteral("Group 1"));

        // A group without members asks before it is left; OK deletes it.
        w.prompter.Queue(IDOK);
        QVERIFY(w.Select(kNodePrivates));
        QCOMPARE(w.prompter.Texts(),
                 QStringList{FormatStr(IDS_INCORRECT_FIELDS_DELETE_CONTACT, {LoadStr(IDS_WRONG_FIELD_GROUP_MEMBERS)})});
        QVERIFY(w.ChildLabels(kNodePrivateGroups).isEmpty());
        w.prompter.Clear();
        w.Tree().OnAdd();
        QCOMPARE(w.Tree().AddText(), LoadStr(IDS_ADD_WITHOUT_SCANNER));
        QVERIFY(w.Select(kNodePrivates));
        w.Tree().OnScanAdd();
        QCOMPARE(w.Tree().AddText(), LoadStr(IDS_ADD_WITH_SCANNER));
        CEditorWindow::Flush();
        // Leaving "Private 1" put it in its place by name; "Private 2" is still where it was added.
        QCOMPARE(w.ChildLabels(kNodePrivates), QStringList({"Private 1", "This Radio", "Private 2"}));
        QCOMPARE(w.Label(kNodeScrollList), QStringLiteral("Scroll (5)"));

        // "Private 2" waits for a scanned ID: leaving it without one offers to delete it.
        w.prompter.Queue(IDOK);
        QVERIFY(w.Select(kNodeTextMessages));
        QCOMPARE(w.prompter.Texts(),
                 QStringList{FormatStr(IDS_INCORRECT_FIELDS_DELETE_CONTACT, {LoadStr(IDS_WRONG_FIELD_ID)})});
        QCOMPARE(w.ChildLabels(kNodePrivates), QStringList({"Private 1", "This Radio"}));
        w.prompter.Clear();
        auto *button = qobject_cast<QPushButton *>(w.Form()->Control(IDC_TEXTMSGS_ADD));
        QVERIFY(button && button->isEnabled());
        button->click();
        CEditorWindow::Flush();
        QCOMPARE(w.ChildLabels(kNodeTextMessages), QStringList({"On my way", "Message 1"}));
        QCOMPARE(w.CurrentKind(), int(kNodeTextMessage));
        QVERIFY(w.FormAs<CTextMessageView>());
        QVERIFY(w.prompter.History().empty());
    }

    void deleteInEveryFolder()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-880 Fleet.zqv")));
        w.show();

        // Delete and Rename do nothing on folders.
        const QString pristine = w.ProfileText();
        QVERIFY(w.Select(kNodePublicGroups));
        QTest::keyClick(&w.Tree(), Qt::Key_Delete);
        w.Tree().OnRename();
        QVERIFY(!w.Tree().findChild<QLineEdit *>(QStringLiteral("TreeRenameEdit")));
        QCOMPARE(w.ProfileText(), pristine);

        // Del on a public group deletes it without a question.
        QVERIFY(w.Select(kNodePublicGroup, 0));
        QTest::keyClick(&w.Tree(), Qt::Key_Delete);
        QVERIFY(w.prompter.History().empty());
        QVERIFY(w.ChildLabels(kNodePublicGroups).isEmpty());
        QCOMPARE(w.Label(kNodeScanChannel, 0), QStringLiteral("Channel 1 (0)"));
        QCOMPARE(w.Label(kNodeScrollList), QStringLiteral("Scroll (2)"));
        QCOMPARE(w.CurrentKind(), int(kNodePublicGroups));
        QVERIFY(w.IsModified());

        // A private group with members asks first; Cancel changes nothing.
        w.ClearModified();
        const QString withGroup = w.ProfileText();
        QVERIFY(w.Select(kNodePrivateGroup, 0));
        w.prompter.Queue(IDCANCEL);
        w.Tree().OnDelete();
        QCOMPARE(w.prompter.History().back().text, LoadStr(IDS_DELETE_PRIVATE_GROUP_QUESTION));
        QCOMPARE(w.ProfileText(), withGroup);
        QVERIFY(!w.IsModified());
        w.prompter.Queue(IDOK);
        w.Tree().OnDelete();
        QVERIFY(w.ChildLabels(kNodePrivateGroups).isEmpty());
        QVERIFY(w.IsModified());

        // A private contact in no group goes at once; the text message as well.
        QVERIFY(w.Select(kNodePrivates));
        w.Tree().OnAdd();
        QCOMPARE(w.ChildLabels(kNodePrivates).size(), 2);
        const size_t asked = w.prompter.History().size();
        w.Tree().OnDelete();
        QCOMPARE(w.prompter.History().size(), asked);
        QCOMPARE(w.ChildLabels(kNodePrivates), QStringList({"This Radio"}));
        QCOMPARE(w.CurrentKind(), int(kNodePrivate));
        QVERIFY(w.Form());

        QVERIFY(w.Select(kNodeTextMessage, 0));
        w.Tree().OnDelete();
        QVERIFY(w.ChildLabels(kNodeTextMessages).isEmpty());
        QCOMPARE(w.CurrentKind(), int(kNodeTextMessages));
    }

    void deleteAsksForAContactInGroups()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-880 Fleet.zqv")));
        const QString before = w.ProfileText();
        QVERIFY(w.Select(kNodePrivate, 0));
        w.prompter.Queue(IDCANCEL);
        w.Tree().OnDelete();
        QCOMPARE(w.prompter.Texts(), QStringList({LoadStr(IDS_DELETE_PRIVATE_QUESTION)}));
        QCOMPARE(w.ProfileText(), before);
        QVERIFY(!w.IsModified());
    }

    // The keyboard between the tree and the form: Tab lands in the form's first field, F6 goes
    // over and back (to where it left off), F6 from a contact the form cannot leave asks the
    // leave question, and Shift+F10 opens the selected node's menu.
    void keyboardBetweenTreeAndForm()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-450 Standard.zqv")));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(w.Select(kNodePublicGroup, 0));
        auto *form = w.FormAs<CPublicGroupView>();
        QVERIFY(form);
        w.Tree().setFocus();
        QTest::keyClick(&w.Tree(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->NameEdit());

        w.Tree().setFocus();
        QTest::keyClick(&w.Tree(), Qt::Key_F6);
        QCOMPARE(QApplication::focusWidget(), form->NameEdit());
        form->ChannelList()->setFocus();
        QTest::keyClick(form->ChannelList(), Qt::Key_F6);
        QVERIFY(w.Tree().hasFocus());
        QTest::keyClick(&w.Tree(), Qt::Key_F6);
        QCOMPARE(QApplication::focusWidget(), form->ChannelList());

        // The empty contact the scanner chain leaves: Cancel stays, OK deletes it.
        QVERIFY(w.Select(kNodePrivates));
        w.Tree().OnScanAdd();
        CEditorWindow::Flush();
        auto *contact = w.FormAs<CPrivateView>();
        QVERIFY(contact && contact->PidEdit()->hasFocus());
        const QStringList question{FormatStr(IDS_INCORRECT_FIELDS_DELETE_CONTACT, {LoadStr(IDS_WRONG_FIELD_ID)})};
        w.prompter.Queue(IDCANCEL);
        QTest::keyClick(contact->PidEdit(), Qt::Key_F6);
        QCOMPARE(w.prompter.Texts(), question);
        QTRY_VERIFY(contact->PidEdit()->hasFocus());
        w.prompter.Clear();
        w.prompter.Queue(IDOK);
        QTest::keyClick(contact->PidEdit(), Qt::Key_F6);
        QCOMPARE(w.prompter.Texts(), question);
        QCOMPARE(w.ChildLabels(kNodePrivates), QStringList({"This Radio"}));
        QTRY_VERIFY(w.Tree().hasFocus());

        QVERIFY(w.Select(kNodePrivates));
        w.Tree().setFocus();
        QString shown;
        QTimer::singleShot(100, [&shown] {
            if (QWidget *popup = QApplication::activePopupWidget()) {
                shown = popup->objectName();
                popup->close();
            }
        });
        QTest::keyClick(&w.Tree(), Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(shown, QStringLiteral("TreeContextMenu"));
    }

    void renameInPlace()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-450 Standard.zqv")));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(w.Select(kNodePublicGroups));
        w.Tree().OnAdd();
        QVERIFY(w.Select(kNodePublicGroup, 0));

        // The edit takes 20 characters; Enter applies the name.
        w.Tree().setFocus();
        w.Tree().OnRename();
        auto *edit = w.Tree().findChild<QLineEdit *>(QStringLiteral("TreeRenameEdit"));
        QVERIFY(edit);
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("abcdefghijklmnopqrstu"));
        QCOMPARE(edit->text(), QStringLiteral("abcdefghijklmnopqrst"));
        edit->setText(QStringLiteral("Alpha"));
        QTest::keyClick(edit, Qt::Key_Return);
        CEditorWindow::Flush();
        QCOMPARE(w.Label(kNodePublicGroup, 0), QStringLiteral("Alpha"));
        QCOMPARE(AttrText(ListChild(w.Root(), kNodePublicGroup, 0), "name"), QStringLiteral("Alpha"));
        QVERIFY(w.IsModified());
        // The form on the right shows the new name.
        QCOMPARE(w.FormAs<CPublicGroupView>()->NameEdit()->text(), QStringLiteral("Alpha"));

        // A name the rule script refuses keeps the old label and the profile.
        w.ClearModified();
        QVERIFY(w.Select(kNodePublicGroup, 1));
        const QString before = w.ProfileText();
        w.Tree().setFocus();
        w.Tree().OnRename();
        edit = w.Tree().findChild<QLineEdit *>(QStringLiteral("TreeRenameEdit"));
        QVERIFY(edit);
        edit->setText(QStringLiteral("ALPHA"));
        QTest::keyClick(edit, Qt::Key_Return);
        CEditorWindow::Flush();
        QCOMPARE(w.prompter.Texts(), QStringList({LoadStr(IDS_SIMILAR_NAME_EXISTS)}));
        QCOMPARE(w.Label(kNodePublicGroup, 1), QStringLiteral("Public 2"));
        QCOMPARE(w.ProfileText(), before);
        QVERIFY(!w.IsModified());

        // A rename still open when the profile is saved is applied first; a refused one stops
        // the save.
        w.prompter.Clear();
        CEditorWindow::Flush();
        w.Tree().OnRename();
        edit = w.Tree().findChild<QLineEdit *>(QStringLiteral("TreeRenameEdit"));
        QVERIFY(edit);
        edit->setText(QStringLiteral("alpha"));
        QVERIFY(!w.Tree().CommitPendingEdits());
        QCOMPARE(w.prompter.Texts(), QStringList({LoadStr(IDS_SIMILAR_NAME_EXISTS)}));
        CEditorWindow::Flush();
        w.Tree().OnRename();
        edit = w.Tree().findChild<QLineEdit *>(QStringLiteral("TreeRenameEdit"));
        QVERIFY(edit);
        edit->setText(QStringLiteral("Bravo"));
        QVERIFY(w.Tree().CommitPendingEdits());
        QCOMPARE(w.Label(kNodePublicGroup, 1), QStringLiteral("Bravo"));
    }

    void renamedContactMovesWhenLeft()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-450 Standard.zqv")));
        QVERIFY(w.Select(kNodePublicGroups));
        w.Tree().OnAdd();
        QVERIFY(w.Select(kNodePublicGroups));
        w.Tree().OnAdd();
        QCOMPARE(w.ChildLabels(kNodePublicGroups), QStringList({"Public 1", "Public 2", "Public 3"}));

        // Renamed in place, the node stays until it is left; then it moves and the node the
        // user chose stays selected, at its new place.
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(w.Select(kNodePublicGroup, 0));
        w.Tree().OnRename();
        auto *edit = w.Tree().findChild<QLineEdit *>(QStringLiteral("TreeRenameEdit"));
        QVERIFY(edit);
        edit->setText(QStringLiteral("Zulu"));
        QVERIFY(w.Tree().CommitPendingEdits());
        QCOMPARE(w.ChildLabels(kNodePublicGroups), QStringList({"Zulu", "Public 2", "Public 3"}));
        w.ClearModified();
        QVERIFY(w.Select(kNodePublicGroup, 2));
        QCOMPARE(w.ChildLabels(kNodePublicGroups), QStringList({"Public 2", "Public 3", "Zulu"}));
        QCOMPARE(w.CurrentKind(), int(kNodePublicGroup));
        QCOMPARE(w.CurrentNodeIndex(), 1);
        QCOMPARE(w.Tree().CurrentIndex(), 1);
        QCOMPARE(w.FormAs<CPublicGroupView>()->NameEdit()->text(), QStringLiteral("Public 3"));
        QVERIFY(w.IsModified());

        // Renamed in its form and left for another folder: the same.
        w.FormAs<CPublicGroupView>()->NameEdit()->setText(QStringLiteral("Alpha"));
        QVERIFY(w.Select(kNodeSettings));
        QCOMPARE(w.ChildLabels(kNodePublicGroups), QStringList({"Alpha", "Public 2", "Zulu"}));
        QCOMPARE(w.CurrentKind(), int(kNodeSettings));

        // Leaving a contact whose place is right changes nothing.
        w.ClearModified();
        const QString before = w.ProfileText();
        QVERIFY(w.Select(kNodePublicGroup, 1));
        QVERIFY(w.Select(kNodeLists));
        QCOMPARE(w.ProfileText(), before);
        QVERIFY(!w.IsModified());
    }

    // What the user sees highlighted is what the form edits and what F2 and Del act on, after
    // a click that re-sorts the node left and after a click the form refuses.
    void highlightFollowsTheForm()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-450 Standard.zqv")));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        CZQVCPSTreeView &tree = w.Tree();
        const auto click = [&](int kind, int index) {
            QTreeWidgetItem *node = tree.FindNode(kind, index);
            QVERIFY(node);
            QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(node).center());
            CEditorWindow::Flush();
        };
        const auto highlighted = [&] {
            const QList<QTreeWidgetItem *> selected = tree.selectedItems();
            return selected.size() == 1 && selected.first() == tree.currentItem() ? selected.first()->text(0)
                                                                                  : QStringLiteral("<mismatch>");
        };

        // Add "Public 2", rename it "Alpha" in its form, click "Public 1": leaving Alpha sorts it
        // first, and the clicked group is highlighted at its new place.
        QVERIFY(w.Select(kNodePublicGroups));
        tree.OnAdd();
        CEditorWindow::Flush();
        w.FormAs<CPublicGroupView>()->NameEdit()->setText(QStringLiteral("Alpha"));
        click(kNodePublicGroup, 0);
        QCOMPARE(w.ChildLabels(kNodePublicGroups), QStringList({"Alpha", "Public 1"}));
        QCOMPARE(w.FormAs<CPublicGroupView>()->NameEdit()->text(), QStringLiteral("Public 1"));
        QCOMPARE(highlighted(), QStringLiteral("Public 1"));
        QCOMPARE(w.CurrentNodeIndex(), 1);
        // Del removes the group the form and the highlight show.
        tree.setFocus();
        QTest::keyClick(&tree, Qt::Key_Delete);
        CEditorWindow::Flush();
        QCOMPARE(w.ChildLabels(kNodePublicGroups), QStringList({"Alpha"}));

        // A blank text message refuses to be left (Cancel): the highlight stays on it, and F2
        // and Del still act on it.
        QVERIFY(w.Select(kNodeTextMessage, 0));
        w.FormAs<CTextMessageView>()->TextEdit()->setPlainText(QString());
        w.prompter.Queue(IDCANCEL);
        click(kNodeTextMessages, 0);
        QCOMPARE(w.prompter.Texts(), QStringList({LoadStr(IDS_MESSAGE_BLANK_DELETE)}));
        QVERIFY(w.FormAs<CTextMessageView>());
        QCOMPARE(highlighted(), QStringLiteral("On my way"));
        QCOMPARE(w.CurrentKind(), int(kNodeTextMessage));

        // The same for a public group whose name is blank, left for another group: F2 renames
        // the group that stays shown.
        w.FormAs<CTextMessageView>()->TextEdit()->setPlainText(QStringLiteral("On my way"));
        w.prompter.Clear();
        QVERIFY(w.Select(kNodePublicGroups));
        tree.OnAdd();
        CEditorWindow::Flush();
        QCOMPARE(w.ChildLabels(kNodePublicGroups), QStringList({"Alpha", "Public 1"}));
        w.FormAs<CPublicGroupView>()->NameEdit()->clear();
        w.prompter.Queue(IDCANCEL);
        click(kNodePublicGroup, 0);
        QCOMPARE(w.prompter.Texts().size(), 1);
        QCOMPARE(highlighted(), QStringLiteral("Public 1"));
        tree.setFocus();
        QTest::keyClick(&tree, Qt::Key_F2);
        auto *edit = tree.findChild<QLineEdit *>(QStringLiteral("TreeRenameEdit"));
        QVERIFY(edit && edit->isVisible());
        edit->setText(QStringLiteral("Bravo"));
        QTest::keyClick(edit, Qt::Key_Return);
        CEditorWindow::Flush();
        QCOMPARE(w.ChildLabels(kNodePublicGroups), QStringList({"Alpha", "Bravo"}));
    }

    void changeNoticesRefreshTheCounts()
    {
        CEditorWindow w;
        QVERIFY(w.NewFromTemplate(QStringLiteral("ZQ-450 Standard.zqv")));
        CDataItem group = ListChild(w.Root(), kNodePublicGroup, 0);
        int r1 = 0;
        int r2 = 0;
        QCOMPARE(group.SetAttributeValue(QStringLiteral("in_scroll_list"), false, r1, 0, r2), 0);
        QCOMPARE(group.SetAttributeValue(QStringLiteral("in_scan_list"), false, r1, 0, r2), 0);
        QCOMPARE(w.Label(kNodeScrollList), QStringLiteral("Scroll (2)"));
        w.Tree().UpdateAllViews(nullptr, ViewHint{kHintRefresh, kNodeScrollList, 0});
        QCOMPARE(w.Label(kNodeScrollList), QStringLiteral("Scroll (1)"));
        QCOMPARE(w.Label(kNodeScanChannel, 0), QStringLiteral("Channel 1 (1)"));
        w.Tree().UpdateAllViews(nullptr, ViewHint{kHintRefresh, kNodeScanChannel, 0});
        QCOMPARE(w.Label(kNodeScanChannel, 0), QStringLiteral("Channel 1 (0)"));

        // A page's Add notice adds as the tree's command does; a Delete notice deletes.
        w.Tree().UpdateAllViews(nullptr, ViewHint{kHintAdd, kNodePrivatesWithScanner, 0});
        QCOMPARE(w.ChildLabels(kNodePrivates), QStringList({"This Radio", "Private 1"}));
        w.Tree().UpdateAllViews(nullptr, ViewHint{kHintDelete, kNodePrivate, 1});
        QCOMPARE(w.ChildLabels(kNodePrivates), QStringList({"This Radio"}));
    }
};

QTEST_MAIN(TestEditorsTree)
#include "tst_editors_tree.moc"
