// The profile tree and its forms inside the desktop program's profile windows: the forms by
// view kind, the main window's tree commands, the help pane row, saving after the form's
// commit, and a profile the form finds inconsistent.
#include "GuiTestSupport.h"

#include "CommandIds.h"
#include "CommandState.h"
#include "ControlIds.h"
#include "ExchangeDialogs.h"
#include "FrameEditors.h"
#include "HelpPane.h"
#include "NodeKinds.h"
#include "ProblemsPanel.h"
#include "ProfileItems.h"
#include "PublicGroupView.h"
#include "RadioInfoView.h"
#include "StringTable.h"
#include "TextFile.h"
#include "TextMessageView.h"
#include "ZQVCPSTreeView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <functional>

using namespace zqv;
using namespace zqvtest;

namespace {

// Calls a function when its object gets a key press; the function's answer says whether the
// key is taken.
class CKeyHook : public QObject {
public:
    explicit CKeyHook(std::function<bool()> onKey) : m_fnOnKey(std::move(onKey)) {}
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::KeyPress && m_fnOnKey(); }

private:
    std::function<bool()> m_fnOnKey;
};

}  // namespace

class TestEditorsFrame : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CGuiWorld> m_world;

    CChildFrame *Child() { return m_world->Frame().ActiveChild(); }
    CZQVCPSTreeView *Tree() { return Child() ? qobject_cast<CZQVCPSTreeView *>(Child()->Tree().Widget()) : nullptr; }
    bool Select(int kind, int index = 0)
    {
        CZQVCPSTreeView *tree = Tree();
        return tree && tree->SelectNode(tree->FindNode(kind, index));
    }

private slots:
    void init()
    {
        m_world = std::make_unique<CGuiWorld>();
        InstallEditors(m_world->prompter);
    }

    void cleanup()
    {
        m_world.reset();
        CChildFrame::SetTreeFactory(nullptr);
        CChildFrame::SetViewFactory(nullptr);
    }

    void formsByViewKind()
    {
        QVERIFY(m_world->Start({m_world->CopyOfTemplate("a.zqv")}));
        QVERIFY(Tree());
        // The root keeps the window's own radio information form.
        QVERIFY(qobject_cast<CRadioInfoView *>(Child()->RightView()));
        QVERIFY(Select(kNodePublicGroup, 0));
        QCOMPARE(Child()->ViewKind(), int(kViewPublicGroup));
        QVERIFY(qobject_cast<CPublicGroupView *>(Child()->RightView()));

        // The help pane row keeps the form's kind and element.
        Child()->ToggleHelpPane();
        QVERIFY(Child()->HelpPane());
        auto *form = qobject_cast<CPublicGroupView *>(Child()->RightView());
        QVERIFY(form);
        QCOMPARE(form->NameEdit()->text(), QStringLiteral("Public 1"));
        QVERIFY(Select(kNodeRoot));
        QVERIFY(qobject_cast<CRadioInfoView *>(Child()->RightView()));
    }

    // A control of the form that gets the focus reaches the window's help pane with the form's
    // class and the control's id; the pane looks the page up in the help-pane map. Another
    // node's form blanks the pane.
    void focusNoticesReachTheHelpPane()
    {
        QVERIFY(m_world->Start({m_world->CopyOfTemplate("a.zqv")}));
        CMainFrame &frame = m_world->Frame();
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        Child()->ToggleHelpPane();
        QVERIFY(Select(kNodePublicGroup, 0));
        auto *pane = dynamic_cast<CHelpView *>(Child()->HelpPaneInterface());
        QVERIFY(pane);
        QCOMPARE(pane->ControlId(), -1);
        auto *form = qobject_cast<CPublicGroupView *>(Child()->RightView());
        QVERIFY(form);

        const struct {
            int controlId;
            const char *page;
        } steps[] = {
            {IDC_PUBLICGROUP_NAME, "publicgroup.htm#name"},
            {IDC_PUBLICGROUP_CHANNEL, "publicgroup.htm#channel"},
        };
        for (const auto &step : steps) {
            form->Control(step.controlId)->setFocus();
            QTRY_COMPARE(pane->ControlId(), step.controlId);
            QCOMPARE(pane->FormClass(), QStringLiteral("CPublicGroupView"));
            QCOMPARE(pane->PageName(), QLatin1String(step.page));
        }

        // The pane stays below the forms; the next form starts it blank.
        QVERIFY(Select(kNodeRoot));
        QCOMPARE(Child()->HelpPaneInterface(), pane);
        QCOMPARE(pane->ControlId(), -1);
        QVERIFY(pane->PageName().isEmpty());
        auto *info = qobject_cast<CRadioInfoView *>(Child()->RightView());
        QVERIFY(info);
        info->Control(IDC_RADIOINFO_PID)->setFocus();
        QTRY_COMPARE(pane->ControlId(), int(IDC_RADIOINFO_PID));
        QCOMPARE(pane->FormClass(), QStringLiteral("CRadioInfoView"));
        QCOMPARE(pane->PageName(), QStringLiteral("radioinfo.htm#unit_pid"));
    }

    void mainWindowTreeCommands()
    {
        QVERIFY(m_world->Start({m_world->CopyOfTemplate("a.zqv")}));
        CMainFrame &frame = m_world->Frame();
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QVERIFY(Select(kNodePublicGroups));
        Tree()->setFocus();
        QTRY_VERIFY(CCommandState::Instance().AddAllowed());
        frame.UpdateCommands();
        QVERIFY(frame.Action(ID_EDIT_ADD)->isEnabled());
        QVERIFY(!frame.Action(ID_EDIT_RENAME)->isEnabled());
        frame.Action(ID_EDIT_ADD)->trigger();
        QCOMPARE(Tree()->FindNode(kNodePublicGroups)->childCount(), 2);
        QVERIFY(Child()->IsModified());
        QVERIFY(Child()->windowTitle().endsWith(QLatin1String(" *")));

        Tree()->setFocus();
        QTRY_VERIFY(CCommandState::Instance().DeleteAllowed());
        frame.UpdateCommands();
        QVERIFY(frame.Action(ID_EDIT_DELETE)->isEnabled());
        frame.Action(ID_EDIT_DELETE)->trigger();
        QCOMPARE(Tree()->FindNode(kNodePublicGroups)->childCount(), 1);
    }

    // The filter box above the tree: Ctrl+F puts the focus there, typing narrows the tree,
    // Enter selects the first match, Escape shows everything again. The Problems panel lists
    // a name that differs only in case, and its line leads to the contact; Write asks about
    // it first (Cancel: nothing else happens; OK: the write goes on) and shows the panel.
    void filterBoxAndProblemsBeforeWrite()
    {
        const QString path = m_world->CopyOfTemplate("a.zqv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray patched = file.readAll().replace("name=\"Public 1\"", "name=\"this radio\"");
        file.close();
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(patched);
        file.close();
        QVERIFY(m_world->Start({path}));
        CMainFrame &frame = m_world->Frame();
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        auto *box = Child()->findChild<QLineEdit *>(QStringLiteral("TreeFilter"));
        QVERIFY(box);
        frame.Action(ID_VIEW_FILTER)->trigger();
        QTRY_VERIFY(box->hasFocus());
        QTest::keyClicks(box, "RADIO");
        QVERIFY(Tree()->FindNode(kNodeSettings)->isHidden());
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(Child()->ViewKind(), int(kViewPrivate));
        QVERIFY(Tree()->hasFocus());
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(box->text().isEmpty());
        QVERIFY(!Tree()->FindNode(kNodeSettings)->isHidden());
        QVERIFY(Tree()->hasFocus());

        QVERIFY(!Child()->ProblemsShown());
        frame.Action(ID_VIEW_PROBLEMS)->trigger();
        QVERIFY(Child()->ProblemsShown());
        CProblemsPanel *panel = Child()->Problems();
        const QString duplicate = FormatStr(IDS_PROBLEM_DUPLICATE_NAME, {"This Radio", "this radio"});
        QCOMPARE(panel->List()->count(), 1);
        QCOMPARE(panel->List()->item(0)->text(), duplicate);
        QVERIFY(Select(kNodeSettings));
        QTest::mouseClick(panel->List()->viewport(), Qt::LeftButton, {},
                          panel->List()->visualItemRect(panel->List()->item(0)).center());
        QCOMPARE(Child()->ViewKind(), int(kViewPrivate));
        // Write asks first and shows the panel: Cancel stops there, OK goes on.
        frame.Action(ID_VIEW_PROBLEMS)->trigger();
        QVERIFY(!Child()->ProblemsShown());
        const QString question = FormatStr(IDS_PROBLEMS_QUESTION, {duplicate});
        m_world->prompter.Queue(IDCANCEL);
        frame.Action(ID_DEVICE_WRITE)->trigger();
        QCOMPARE(Shown(m_world->prompter), QStringList{question});
        QVERIFY(Child()->ProblemsShown());
        m_world->prompter.Clear();
        m_world->prompter.Queue({IDOK, IDOK});
        frame.Action(ID_DEVICE_WRITE)->trigger();
        const QStringList shown = Shown(m_world->prompter);
        QVERIFY2(shown.size() == 2 && shown[0] == question, qPrintable(shown.join('|')));

        // An edit that mends it empties the list once the panel has caught up.
        QVERIFY(Select(kNodePublicGroup, 0));
        auto *form = qobject_cast<CPublicGroupView *>(Child()->RightView());
        QVERIFY(form);
        form->NameEdit()->setText(QStringLiteral("Yard"));
        QVERIFY(Select(kNodeSettings));
        QTRY_COMPARE(panel->Problems().size(), size_t(0));
    }

    // Ctrl+Tab there and back again leaves the focus on the message's text, not on the control
    // after it (Delete Current Message, where one Space deletes the message).
    void ctrlTabKeepsEachWindowsFocus()
    {
        QVERIFY(m_world->Start({m_world->CopyOfTemplate("b.zqv", "ZQ-210 Compact")}));
        CMainFrame &frame = m_world->Frame();
        QVERIFY(m_world->app->OpenProfile(m_world->CopyOfTemplate("a.zqv")));
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        const auto switchWindow = [] {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            QTest::keyPress(focus, Qt::Key_Control, Qt::ControlModifier);
            QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
            QTest::keyRelease(focus, Qt::Key_Control, Qt::NoModifier);
        };
        CChildFrame *a = Child();
        QVERIFY(Select(kNodeTextMessage, 0));
        auto *form = qobject_cast<CTextMessageView *>(a->RightView());
        QVERIFY(form);
        form->TextEdit()->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), form->TextEdit());
        switchWindow();
        QTRY_VERIFY(Child() != a);
        switchWindow();
        QTRY_COMPARE(Child(), a);
        QTRY_COMPARE(QApplication::focusWidget(), form->TextEdit());
    }

    void saveCommitsTheForm()
    {
        const QString path = m_world->CopyOfTemplate("a.zqv");
        QVERIFY(m_world->Start({path}));
        QVERIFY(Select(kNodeTextMessage, 0));
        auto *form = qobject_cast<CTextMessageView *>(Child()->RightView());
        QVERIFY(form);
        form->TextEdit()->setPlainText(QStringLiteral("Back at\nnoon"));
        QVERIFY(Child()->Save(false));
        QVERIFY(!Child()->IsModified());
        int mode = 0;
        QString text = ReadTextFile(path, &mode);
        if (!text.startsWith(QLatin1String("<?xml")))
            ScrambleText(text, mode);
        QVERIFY(text.contains(QLatin1String("txt=\"Back atnoon\"")));
        QCOMPARE(Tree()->FindNode(kNodeTextMessage, 0)->text(0), QStringLiteral("Back atnoon"));
    }

    void pendingEditSurvivesCloseAndHelpPane()
    {
        QVERIFY(m_world->Start({m_world->CopyOfTemplate("a.zqv")}));
        QVERIFY(Select(kNodePublicGroup, 0));
        auto *form = qobject_cast<CPublicGroupView *>(Child()->RightView());
        QVERIFY(form);
        QVERIFY(!Child()->IsModified());

        // Typed, not yet applied: toggling the help pane rebuilds the form with the new name.
        form->NameEdit()->setText(QStringLiteral("Harbour"));
        Child()->ToggleHelpPane();
        form = qobject_cast<CPublicGroupView *>(Child()->RightView());
        QVERIFY(form);
        QCOMPARE(form->NameEdit()->text(), QStringLiteral("Harbour"));
        QVERIFY(Child()->IsModified());

        // Closing with a pending edit asks to save it (answered No here) instead of dropping it.
        QVERIFY(Child()->Save(false));
        form = qobject_cast<CPublicGroupView *>(Child()->RightView());
        form->NameEdit()->setText(QStringLiteral("Harbour East"));
        m_world->prompter.Clear();
        m_world->prompter.Queue(IDNO);
        QVERIFY(Child()->SaveModified());
        QCOMPARE(Shown(m_world->prompter).size(), 1);
        QVERIFY(Shown(m_world->prompter).first().contains(QLatin1String("a.zqv")));
    }

    // A form that asks the tree to add or select from inside its own key handling (a scanner
    // that types a name and presses Enter does so) is replaced meanwhile: it must stay alive
    // until its handling has returned, and the window must show the new node's form.
    void treeCalledFromTheFormsOwnKeyHandler()
    {
        QVERIFY(m_world->Start({m_world->CopyOfTemplate("a.zqv")}));
        CMainFrame &frame = m_world->Frame();
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));

        struct Step {
            int folderKind;
            std::function<void()> call;
            int expectedKind;
        };
        const Step steps[] = {
            {kNodePublicGroups, [this] { Tree()->OnAdd(); }, kViewPublicGroup},
            {kNodeTextMessages, [this] { Tree()->OnAdd(); }, kViewTextMessage},
            {kNodeContacts, [this] { Select(kNodeRoot); }, kViewRadioInfo},
        };
        for (const Step &step : steps) {
            QVERIFY(Select(step.folderKind));
            QPointer<QWidget> form = Child()->RightView();
            QVERIFY(form);
            // The filter runs first, then the form's own handler gets the same key.
            bool aliveAfterCall = false;
            CKeyHook hook([&] {
                step.call();
                aliveAfterCall = !form.isNull() && Child()->RightView() != form;
                return false;
            });
            form->installEventFilter(&hook);
            form->setFocus();
            QTest::keyClick(form, Qt::Key_F9);
            QVERIFY(aliveAfterCall);
            QCOMPARE(Child()->ViewKind(), step.expectedKind);
            QTRY_VERIFY(form.isNull());
        }
        QCOMPARE(Tree()->FindNode(kNodePublicGroups)->childCount(), 2);
        QCOMPARE(Tree()->FindNode(kNodeTextMessages)->childCount(), 2);
        QCOMPARE(Tree()->currentItem(), Tree()->FindNode(kNodeRoot));
        QVERIFY(qobject_cast<CRadioInfoView *>(Child()->RightView()));
    }

    void inconsistentProfileClosesTheWindow()
    {
        const QString path = m_world->CopyOfTemplate("bad.zqv", QStringLiteral("ZQ-210 Compact"));
        {
            QString text = ReadTextFile(path);
            text.replace(QLatin1String("channel=\"1\"\n\tin_scan_list"),
                         QLatin1String("channel=\"5\"\n\tin_scan_list"));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(text.toUtf8());
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();

        QVERIFY(m_world->Start({path}));
        QCOMPARE(m_world->Frame().Children().size(), 1);
        Select(kNodePublicGroup, 0);
        QCOMPARE(Shown(m_world->prompter).count(LoadStr(IDS_PROFILE_DATA_ERROR)), 1);
        QTRY_COMPARE(m_world->Frame().Children().size(), 0);
        // Closed without the save question and without writing.
        QCOMPARE(Shown(m_world->prompter).size(), 1);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }

    // File > Import: the preview lists every row's verdict and changes nothing until it is
    // confirmed; confirming applies the table with the chosen clash policy and rebuilds the
    // tree. File > Export writes the table through the save dialog.
    void importPreviewAndExport_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("policy");
        QTest::addColumn<QStringList>("names");  // the profile's private contacts afterwards
        QTest::addColumn<bool>("editBetween");  // the profile changes while the preview is open
        QTest::newRow("cancelled") << int(QDialog::Rejected) << int(ClashPolicy::Rename) << QStringList{"This Radio"}
                                   << false;
        QTest::newRow("confirmed, keep both") << int(QDialog::Accepted) << int(ClashPolicy::Rename)
                                              << QStringList{"Anna", "This Radio", "this radio 2"} << false;
        QTest::newRow("confirmed, skip") << int(QDialog::Accepted) << int(ClashPolicy::Skip)
                                         << QStringList{"Anna", "This Radio"} << false;
        QTest::newRow("confirmed after the profile changed: the change stays")
            << int(QDialog::Accepted) << int(ClashPolicy::Skip) << QStringList{"Anna", "This Radio"} << true;
    }

    void importPreviewAndExport()
    {
        QFETCH(int, answer);
        QFETCH(int, policy);
        QFETCH(QStringList, names);
        QFETCH(bool, editBetween);
        const QString csv = m_world->dir.filePath("in.csv");
        QFile f(csv);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("Name;PID\r\nAnna;10000201\r\nFar;5\r\nthis radio;10000202\r\n");
        f.close();
        QVERIFY(m_world->Start({m_world->CopyOfTemplate("a.zqv")}));
        QStringList verdicts;
        ExchangeTestSeams().openFile = [&](QWidget *, const QString &) { return csv; };
        ExchangeTestSeams().runPreview = [&](CImportPreviewDlg &dialog) {
            MergeOptions options;
            options.policy = ClashPolicy(policy);
            dialog.SetOptions(options);
            for (int row = 0; row < dialog.Table()->rowCount(); ++row)
                verdicts << dialog.Table()->item(row, 3)->text();
            if (!dialog.findChild<QPushButton *>("importButton")->isEnabled())
                return int(QDialog::Rejected);
            if (editBetween)
                SetAttr(Child()->Document().Model().ProfileDocument()->SelectOne(nullptr, "//dfns:Private"),
                        "alert_tone", "7");
            return answer;
        };
        m_world->Frame().Action(ID_FILE_IMPORT_CONTACTS)->trigger();
        ExchangeTestSeams() = ExchangeSeams();
        QCOMPARE(verdicts.size(), 3);
        QCOMPARE(verdicts[0], LoadStr(IDS_CSV_VERDICT_NEW));
        QCOMPARE(verdicts[1], FormatStr(IDS_CSV_VERDICT_REFUSED, {LoadStr(IDS_ID_NOT_VALID)}));
        QCOMPARE(verdicts[2],
                 policy == int(ClashPolicy::Skip) ? LoadStr(IDS_CSV_VERDICT_CLASH_SKIP)
                                                  : FormatStr(IDS_CSV_VERDICT_CLASH_RENAME, {"this radio 2"}));
        CZQVCPSDoc &doc = Child()->Document();
        QStringList inProfile;
        for (xmlNodePtr c : doc.Model().ProfileDocument()->Select(nullptr, "//dfns:Private"))
            inProfile << GetAttr(c, "name");
        inProfile.sort();
        QCOMPARE(inProfile, names);
        QCOMPARE(doc.IsModified(), names.size() > 1);
        QCOMPARE(bool(doc.Model().ProfileDocument()->SelectOne(nullptr, "//dfns:Private[@alert_tone='7']")),
                 editBetween);
        // The tree shows what the profile holds.
        QCOMPARE(Tree()->FindNode(kNodePrivates, 0)->childCount(), names.size());

        const QString out = m_world->dir.filePath("out.csv");
        m_world->fileDialog.answers << out;
        m_world->Frame().Action(ID_FILE_EXPORT_CONTACTS)->trigger();
        QFile written(out);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().count("Private Contact,"), names.size());
    }

    // Edit > Copy on a folder of one profile window's tree, Edit > Paste in another window of
    // a smaller model, and the same items dropped on a third window's tree: the items go in,
    // and what the target cannot take is listed.
    void copyPasteAndDropBetweenWindows()
    {
        const QString fleet = m_world->CopyOfTemplate("fleet.zqv", "ZQ-880 Fleet");
        QVERIFY(m_world->Start({fleet}));
        CChildFrame *from = Child();
        CDataItem privates = ListItem(from->Document().Model().RootItem(), kNodePrivates);
        for (const auto &[name, pid] : {std::pair{"Near", "10000300"}, std::pair{"Far Away", "10500000"}}) {
            CDataItem p;
            privates.AddNewPriGrpPrivate(QStringLiteral("Private"), p);
            int r1 = 0;
            int r2 = 0;
            QCOMPARE(p.SetAttributeValue("name", name, r1, 1, r2), 0);
            QCOMPARE(p.SetAttributeValue("pid", pid, r1, 1, r2), 0);
        }
        from->Tree().Build();
        QApplication::setActiveWindow(&m_world->Frame());
        QVERIFY(Select(kNodePrivates));
        Tree()->setFocus();
        QTRY_VERIFY(Tree()->hasFocus());
        QVERIFY(m_world->Frame().Action(ID_EDIT_COPY)->isEnabled());
        m_world->Frame().Action(ID_EDIT_COPY)->trigger();
        QVERIFY(ExchangeClip::IsIn(QApplication::clipboard()->mimeData()));
        QVERIFY(QApplication::clipboard()->text().contains("Far Away"));

        auto names = [this] {
            QStringList out;
            for (xmlNodePtr c : Child()->Document().Model().ProfileDocument()->Select(nullptr, "//dfns:Private"))
                out << GetAttr(c, "name");
            return out;
        };
        const QString refused = FormatStr(IDS_PASTE_LEFT_OUT_ITEM, {"Far Away", LoadStr(IDS_ID_NOT_VALID)});
        QVERIFY(m_world->app->OpenProfile(m_world->CopyOfTemplate("compact.zqv", "ZQ-210 Compact")));
        QVERIFY(Child() != from);
        Tree()->setFocus();
        QTRY_VERIFY(Tree()->hasFocus());
        QVERIFY(m_world->Frame().Action(ID_EDIT_PASTE)->isEnabled());
        m_world->Frame().Action(ID_EDIT_PASTE)->trigger();
        QVERIFY(names().contains("Near"));
        QVERIFY(!names().contains("Far Away"));
        QVERIFY(Child()->Document().IsModified());
        QCOMPARE(Tree()->FindNode(kNodePrivates, 0)->childCount(), names().size());
        QCOMPARE(Shown(m_world->prompter).size(), 1);
        QVERIFY2(Shown(m_world->prompter).last().contains(refused), qPrintable(Shown(m_world->prompter).last()));

        QVERIFY(m_world->app->OpenProfile(m_world->CopyOfTemplate("third.zqv", "ZQ-210 Compact")));
        const std::unique_ptr<QMimeData> dragged(
            ExchangeClip::FromMimeData(QApplication::clipboard()->mimeData()).ToMimeData());
        QWidget *viewport = Tree()->viewport();
        const QPointF at(viewport->rect().center());
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, dragged.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, dragged.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        QVERIFY(drop.isAccepted());
        QTRY_VERIFY(names().contains("Near"));
        QCOMPARE(Shown(m_world->prompter).size(), 2);
        QVERIFY(Shown(m_world->prompter).last().contains(refused));
    }

    // File > Merge: the preview follows what to take, and confirming merges just that.
    void mergePreview()
    {
        const QString other = m_world->CopyOfTemplate("fleet.zqv", "ZQ-880 Fleet");
        QVERIFY(m_world->Start({m_world->CopyOfTemplate("a.zqv")}));
        int rowsWithEverything = -1;
        int rowsWithGroups = -1;
        ExchangeTestSeams().openFile = [&](QWidget *, const QString &filter) {
            return filter.contains("*.zqv") ? other : QString();
        };
        ExchangeTestSeams().runPreview = [&](CImportPreviewDlg &dialog) {
            rowsWithEverything = dialog.Table()->rowCount();
            MergeOptions groups{false, true, false, false, false, ClashPolicy::Skip};
            dialog.SetOptions(groups);
            rowsWithGroups = dialog.Table()->rowCount();
            return int(QDialog::Accepted);
        };
        m_world->Frame().Action(ID_FILE_MERGE)->trigger();
        ExchangeTestSeams() = ExchangeSeams();
        // Everything: its public group, private group, own radio and text; groups: two.
        QCOMPARE(rowsWithEverything, 4);
        QCOMPARE(rowsWithGroups, 2);
        QVERIFY(Child()->Document().Model().ProfileDocument()->SelectOne(nullptr, "//dfns:PrivateGroup"));
        QCOMPARE(Tree()->FindNode(kNodePrivateGroups, 0)->childCount(), 1);
        QVERIFY(Child()->Document().IsModified());
    }
};

QTEST_MAIN(TestEditorsFrame)
#include "tst_editors_frame.moc"
