// The undo history of a profile window: every kind of edit the program makes, taken back and
// made again through the Edit menu, gives the profile, the tree, the form and the modified mark
// as they were; saving, the history's limit and File > Revert.
#include "GuiTestSupport.h"

#include "BaseView.h"
#include "CommandIds.h"
#include "CommandTable.h"
#include "ContactsTableView.h"
#include "ControlIds.h"
#include "ExchangeDialogs.h"
#include "FrameEditors.h"
#include "NodeKinds.h"
#include "StringTable.h"
#include "ZQVCPSTreeView.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidgetItemIterator>
#include <QUndoStack>
#include <functional>

using namespace zqv;
using namespace zqvtest;

class TestEditorsUndo : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CGuiWorld> m_world;

    CChildFrame *Child() { return m_world->Frame().ActiveChild(); }
    CZQVCPSTreeView *Tree() { return qobject_cast<CZQVCPSTreeView *>(Child()->Tree().Widget()); }
    bool Select(int kind, int index = 0) { return Tree()->SelectNode(Tree()->FindNode(kind, index)); }
    template <class W>
    W *Control(int id)
    {
        auto *form = Tree()->CurrentForm();
        return form ? qobject_cast<W *>(form->Control(id)) : nullptr;
    }
    QByteArray Profile() { return Child()->Document().Snapshot(); }
    QStringList TreeLabels()
    {
        QStringList labels;
        for (QTreeWidgetItemIterator it(Tree()); *it; ++it)
            labels << (*it)->text(0);
        return labels;
    }
    // The contacts table's form, shown for the All Contacts node.
    CContactsTableView *Table()
    {
        return Select(kNodeAllContacts) ? qobject_cast<CContactsTableView *>(Tree()->CurrentForm()) : nullptr;
    }
    // The table's private contacts, in its order.
    std::vector<xmlNodePtr> TablePrivates()
    {
        std::vector<xmlNodePtr> privates;
        if (CContactsTableView *table = Table()) {
            table->Table()->selectAll();
            for (xmlNodePtr node : table->SelectedContacts())
                if (xmlStrEqual(node->name, BAD_CAST "Private"))
                    privates.push_back(node);
        }
        return privates;
    }
    void Trigger(int command) { m_world->Frame().Action(command)->trigger(); }
    // Picks entry `row` of a form's list and presses the form's button.
    bool MoveEntry(int listId, int row, int buttonId)
    {
        auto *list = Control<QListWidget>(listId);
        auto *button = Control<QAbstractButton>(buttonId);
        if (!list || !button || list->count() <= row)
            return false;
        list->setCurrentRow(row);
        button->click();
        return true;
    }
    // Picks another entry of a form's drop-down list.
    bool PickOther(int comboId)
    {
        auto *combo = Control<QComboBox>(comboId);
        if (!combo || combo->count() < 2)
            return false;
        combo->setCurrentIndex(combo->currentIndex() == 0 ? 1 : 0);
        return true;
    }
    // Types into a form's text field and lets the tree commit it.
    bool TypeAndCommit(int editId, const QString &text)
    {
        QWidget *w = Tree()->CurrentForm() ? Tree()->CurrentForm()->Control(editId) : nullptr;
        if (auto *line = qobject_cast<QLineEdit *>(w)) {
            line->setFocus();
            line->setText(text);
        } else if (auto *plain = qobject_cast<QPlainTextEdit *>(w)) {
            plain->setFocus();
            plain->setPlainText(text);
        } else {
            return false;
        }
        return Child()->Tree().CommitPendingEdits();
    }
    // The fleet template with a second member of its private group, so that one can leave it.
    QString FleetCopy()
    {
        QFile in(m_world->Template(QStringLiteral("ZQ-880 Fleet")));
        if (!in.open(QIODevice::ReadOnly))
            return QString();
        QByteArray text = in.readAll();
        text.replace("</Private></Privates>",
                     "</Private><Private cntct_type=\"0\" name=\"Anna\" pid=\"10000103\" channel=\"1\" "
                     "in_scroll_list=\"0\" alert_tone=\"1\" home_grp=\"\" show_grp_only=\"0\" id_in_use=\"1\" "
                     "see_all_groups=\"1\" mngr_mode=\"1\" private_scroll_list=\"0\"><ParentPrivateGroups>"
                     "<ParentPrivateGroup pid=\"10000102\"/></ParentPrivateGroups><scrolllist/></Private></Privates>");
        const QString path = m_world->dir.filePath(QStringLiteral("a.zqv"));
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(text) != text.size())
            return QString();
        return path;
    }
    QString WriteCsv()
    {
        const QString csv = m_world->dir.filePath("in.csv");
        QFile f(csv);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QString();
        f.write("Name;PID\r\nAnna;10000201\r\nBert;10000202\r\n");
        return csv;
    }

    struct Edit {
        const char *tag;
        // Makes the edit; false when the window did not offer it.
        std::function<bool(TestEditorsUndo &)> run;
        // What the Undo command names it.
        std::function<QString()> stepName;
        // The edited node stays, so undoing shows its form again.
        bool keepsForm;
    };
    static const std::vector<Edit> &Edits();

private slots:
    void init()
    {
        m_world = std::make_unique<CGuiWorld>();
        InstallEditors(m_world->prompter);
        m_world->prompter.Clear();
    }

    void cleanup()
    {
        ExchangeTestSeams() = ExchangeSeams();
        m_world.reset();
        CChildFrame::SetTreeFactory(nullptr);
        CChildFrame::SetViewFactory(nullptr);
    }

    void everyEditUndoesAndRedoes_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(Edits().size()); ++i)
            QTest::newRow(Edits()[i].tag) << i;
    }

    // Do, undo, redo: the profile byte for byte, the tree's labels, the form and the modified
    // mark before and after, and one named step per edit.
    void everyEditUndoesAndRedoes()
    {
        QFETCH(int, row);
        const Edit &edit = Edits()[row];
        QVERIFY(m_world->Start({FleetCopy()}));
        const QByteArray before = Profile();
        QVERIFY(!Child()->IsModified());
        const QStringList treeBefore = TreeLabels();

        QVERIFY2(edit.run(*this), "the window did not offer the edit");
        const QByteArray after = Profile();
        QVERIFY(after != before);
        QVERIFY(Child()->IsModified());
        QCOMPARE(Child()->UndoStack().count(), 1);
        QCOMPARE(Child()->UndoStack().undoText(), edit.stepName());
        QCOMPARE(m_world->Frame().Action(ID_EDIT_UNDO)->text(),
                 SplitMenuText(FormatStr(IDS_MENU_EDIT_UNDO_NAMED, {edit.stepName()})).label);
        const QStringList treeAfter = TreeLabels();
        const int formAfter = Child()->ViewKind();
        const quint32 nodeAfter = CZQVCPSTreeView::NodeValue(Tree()->currentItem());

        Trigger(ID_EDIT_UNDO);
        QCOMPARE(Profile(), before);
        QVERIFY(!Child()->IsModified());
        QCOMPARE(TreeLabels(), treeBefore);
        if (edit.keepsForm) {
            QCOMPARE(Child()->ViewKind(), formAfter);
            QCOMPARE(CZQVCPSTreeView::NodeValue(Tree()->currentItem()), nodeAfter);
        }
        QVERIFY(!m_world->Frame().Action(ID_EDIT_UNDO)->isEnabled());

        Trigger(ID_EDIT_REDO);
        QCOMPARE(Profile(), after);
        QVERIFY(Child()->IsModified());
        QCOMPARE(TreeLabels(), treeAfter);
        QVERIFY(m_world->Frame().Action(ID_EDIT_UNDO)->isEnabled());
        QVERIFY(!m_world->Frame().Action(ID_EDIT_REDO)->isEnabled());
    }

    // Saving marks the state the modified mark clears at and keeps the history; the history
    // keeps the last hundred steps; Revert goes back to the saved state through the history,
    // and reads the file again (after a question) once the history no longer reaches it.
    void saveLimitAndRevert()
    {
        const QString path = m_world->CopyOfTemplate("a.zqv", "ZQ-880 Fleet");
        QVERIFY(m_world->Start({path}));
        const QByteArray opened = Profile();
        QVERIFY(!m_world->Frame().Action(ID_FILE_REVERT)->isEnabled());
        QVERIFY(Select(kNodePrivate, 0));
        QVERIFY(PickOther(IDC_PRIVATE_RINGER));
        QVERIFY(Child()->Save(false));
        const QByteArray saved = Profile();
        QVERIFY(!Child()->IsModified());
        QCOMPARE(Child()->UndoStack().count(), 1);
        Trigger(ID_EDIT_UNDO);
        QCOMPARE(Profile(), opened);
        QVERIFY(Child()->IsModified());
        Trigger(ID_EDIT_REDO);
        QVERIFY(!Child()->IsModified());

        // Revert through the history: no question, and Redo brings the changes back.
        QVERIFY(PickOther(IDC_PRIVATE_RINGER));
        QVERIFY(PickOther(IDC_PRIVATE_RINGER));
        const QByteArray changed = Profile();
        QVERIFY(m_world->Frame().Action(ID_FILE_REVERT)->isEnabled());
        Trigger(ID_FILE_REVERT);
        QCOMPARE(Profile(), saved);
        QVERIFY(!Child()->IsModified());
        QVERIFY(m_world->prompter.History().empty());
        Trigger(ID_EDIT_REDO);
        Trigger(ID_EDIT_REDO);
        QCOMPARE(Profile(), changed);

        // Past the limit the saved state has left the history.
        for (int i = 0; i < CChildFrame::kUndoSteps + 5; ++i)
            QVERIFY(PickOther(IDC_PRIVATE_RINGER));
        QCOMPARE(Child()->UndoStack().count(), CChildFrame::kUndoSteps);
        for (int i = 0; i < CChildFrame::kUndoSteps; ++i)
            Trigger(ID_EDIT_UNDO);
        QVERIFY(Child()->IsModified());
        QVERIFY(!m_world->Frame().Action(ID_EDIT_UNDO)->isEnabled());
        m_world->prompter.Queue(IDNO);
        Trigger(ID_FILE_REVERT);
        QCOMPARE(m_world->prompter.Texts(), QStringList{FormatStr(IDS_REVERT_QUESTION, {"a.zqv"})});
        QVERIFY(Child()->IsModified());
        m_world->prompter.Queue(IDYES);
        Trigger(ID_FILE_REVERT);
        QVERIFY(!Child()->IsModified());
        QCOMPARE(Profile(), saved);
        QCOMPARE(Child()->UndoStack().count(), 0);
    }
};

const std::vector<TestEditorsUndo::Edit> &TestEditorsUndo::Edits()
{
    using T = TestEditorsUndo;
    const auto change = [](const char *node) { return [node] { return FormatStr(IDS_UNDO_CHANGE, {node}); }; };
    static const std::vector<Edit> edits = {
        {"rename in the form",
         [](T &t) { return t.Select(kNodePublicGroup, 0) && t.TypeAndCommit(IDC_PUBLICGROUP_NAME, "Depot"); },
         [] {
             return FormatStr(IDS_UNDO_RENAME, {"Public 1", "Depot"});
         },
         true},
        {"public group channel",
         [](T &t) { return t.Select(kNodePublicGroup, 0) && t.PickOther(IDC_PUBLICGROUP_CHANNEL); }, change("Public 1"),
         true},
        {"private channel, leaving its groups",
         [](T &t) {
             t.m_world->prompter.Queue({IDYES, IDOK, IDYES});
             return t.Select(kNodePrivate, 0) && t.PickOther(IDC_PRIVATE_CHANNEL);
         },
         change("Anna"), true},
        {"private ringer", [](T &t) { return t.Select(kNodePrivate, 0) && t.PickOther(IDC_PRIVATE_RINGER); },
         change("Anna"), true},
        {"private group only",
         [](T &t) {
             auto *box = t.Select(kNodePrivate, 0) ? t.Control<QAbstractButton>(IDC_PRIVATE_GROUP_ONLY) : nullptr;
             return box && (box->click(), true);
         },
         change("Anna"), true},
        {"settings", [](T &t) { return t.Select(kNodeSettings) && t.PickOther(IDC_SETTINGS_CONTRAST); },
         change("Settings"), true},
        {"text message text",
         [](T &t) { return t.Select(kNodeTextMessage, 0) && t.TypeAndCommit(IDC_TEXTMSG_TEXT, "Back at noon"); },
         change("Return to base"), false},
        {"add a public group",
         [](T &t) {
             const int before = t.Tree()->FindNode(kNodePublicGroups)->childCount();
             t.Select(kNodePublicGroups);
             t.Child()->Tree().OnAdd();
             return t.Tree()->FindNode(kNodePublicGroups)->childCount() == before + 1;
         },
         [] { return FormatStr(IDS_UNDO_ADD, {"Public 2"}); }, false},
        {"delete a text message",
         [](T &t) {
             t.m_world->prompter.Queue({IDYES, IDOK, IDYES});
             return t.Select(kNodeTextMessage, 0) && (t.Child()->Tree().OnDelete(), true);
         },
         [] { return FormatStr(IDS_UNDO_DELETE, {"Return to base"}); }, false},
        {"leave a private group",
         [](T &t) {
             t.m_world->prompter.Queue({IDYES, IDOK, IDYES});
             return t.Select(kNodePrivateGroup, 0) &&
                 t.MoveEntry(IDC_PRIVATEGROUP_MEMBERS, 0, IDC_PRIVATEGROUP_REMOVE_MEMBER);
         },
         [] {
             return FormatStr(IDS_UNDO_REMOVE_FROM, {"'Anna'", "Group 1"});
         },
         true},
        {"scroll list remove",
         [](T &t) { return t.Select(kNodeScrollList) && t.MoveEntry(IDC_SCROLL_LIST, 0, IDC_SCROLL_REMOVE); },
         [] {
             return FormatStr(IDS_UNDO_REMOVE_FROM, {"'Group 1'", LoadStr(IDS_SCROLL_LIST)});
         },
         true},
        {"scan list remove",
         [](T &t) {
             return t.Select(kNodeScanChannel, 0) && t.MoveEntry(IDC_SCANCHANNEL_LIST, 0, IDC_SCANCHANNEL_REMOVE);
         },
         [] {
             return FormatStr(IDS_UNDO_REMOVE_FROM, {"'Public 1'", FormatStr(IDS_SCAN_LIST_CHANNEL_N, {"1"})});
         },
         true},
        {"import contacts",
         [](T &t) {
             const QString csv = t.WriteCsv();
             ExchangeTestSeams().openFile = [csv](QWidget *, const QString &) { return csv; };
             ExchangeTestSeams().runPreview = [](CImportPreviewDlg &) { return int(QDialog::Accepted); };
             t.Trigger(ID_FILE_IMPORT_CONTACTS);
             return true;
         },
         [] { return FormatStr(IDS_UNDO_IMPORT, {"in.csv"}); }, false},
        {"merge a profile",
         [](T &t) {
             const QString other = t.m_world->CopyOfTemplate("other.zqv");
             ExchangeTestSeams().openFile = [other](QWidget *, const QString &) { return other; };
             ExchangeTestSeams().runPreview = [](CImportPreviewDlg &) { return int(QDialog::Accepted); };
             t.Trigger(ID_FILE_MERGE);
             return true;
         },
         [] { return FormatStr(IDS_UNDO_MERGE, {"other.zqv"}); }, false},
        {"paste contacts from another profile window",
         [](T &t) {
             const QString here = t.Child()->Document().GetPathName();
             if (!t.m_world->app->OpenProfile(t.m_world->CopyOfTemplate("b.zqv", "ZQ-210 Compact")) ||
                 !t.Select(kNodePrivates))
                 return false;
             const ExchangeClip clip = t.Tree()->CopyItems();
             // Opening the first profile again brings its window back to the front.
             if (clip.IsEmpty() || !t.m_world->app->OpenProfile(here))
                 return false;
             t.Tree()->PasteItems(clip);
             return true;
         },
         [] { return LoadStr(IDS_PASTE_STEP); }, false},
        {"table: bulk ringer on every private contact",
         [](T &t) {
             const std::vector<xmlNodePtr> privates = t.TablePrivates();
             CContactsTableView::BulkChange ringer{CContactsTableView::BulkField::Ringer, 2};
             return privates.size() > 1 && t.Table()->ApplyBulk(privates, ringer).changed == int(privates.size());
         },
         [] {
             return FormatStr(IDS_STEP_SET_RINGER, {"2", "2"});
         },
         true},
        {"table: delete two contacts at once",
         [](T &t) {
             std::vector<xmlNodePtr> privates = t.TablePrivates();
             privates.resize(std::min<size_t>(privates.size(), 2));
             return privates.size() == 2 && t.Table()->DeleteContacts(privates) == 2;
         },
         [] { return FormatStr(IDS_STEP_DELETE, {"2"}); }, true},
    };
    return edits;
}

QTEST_MAIN(TestEditorsUndo)
#include "tst_editors_undo.moc"
