// The main window with profiles open: the menu sets, the toolbar, the edit commands routed to
// the focused edit box (and refused in the password boxes), the help pane row, drops, and the
// save-changes question when a profile window closes.
#include "GuiTestSupport.h"

#include "CommandIds.h"
#include "CommandState.h"
#include "CommandTable.h"
#include "DealerInfoDialog.h"
#include "EditCommands.h"
#include "NonPasteEdit.h"
#include "StringTable.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace zqv;
using namespace zqvtest;

namespace {

// A form with edit boxes of every sort, shown as view kind 1 by the test's view factory.
class CEditForm : public QWidget {
public:
    QLineEdit *plain = new QLineEdit(QStringLiteral("Harbour"), this);
    QLineEdit *readOnly = new QLineEdit(QStringLiteral("4012001"), this);
    QLineEdit *password = new QLineEdit(QStringLiteral("1234"), this);
    QLineEdit *confirm = new QLineEdit(QStringLiteral("1234"), this);
    CNonPasteEdit *typed = new CNonPasteEdit(this);
    CEditForm()
    {
        auto *l = new QVBoxLayout(this);
        for (QWidget *w :
             {static_cast<QWidget *>(plain), static_cast<QWidget *>(readOnly), static_cast<QWidget *>(password),
              static_cast<QWidget *>(confirm), static_cast<QWidget *>(typed)})
            l->addWidget(w);
        readOnly->setReadOnly(true);
        password->setProperty(kControlIdProperty, 1066);
        confirm->setProperty(kControlIdProperty, 1002);
    }
};

bool Enabled(CMainFrame &frame, int id)
{
    frame.UpdateCommands();
    return frame.Action(id)->isEnabled();
}

// The menu bar as its user sees it: each top-level entry, then its menu's visible entries
// indented, with their keys ("-" a separator, ">" a submenu). The numbered entries (recent
// files, profile windows) follow the open profiles and are left out.
QStringList MenuLayout(CMainFrame &frame)
{
    static const QRegularExpression numbered(QStringLiteral("^&\\d "));
    QStringList out;
    for (QAction *top : frame.menuBar()->actions()) {
        out << top->text();
        if (!top->menu())
            continue;
        emit top->menu()->aboutToShow();
        for (QAction *a : top->menu()->actions()) {
            if (!a->isVisible() || numbered.match(a->text()).hasMatch())
                continue;
            QString line = QStringLiteral("  ") + (a->isSeparator() ? QStringLiteral("-") : a->text());
            if (!a->shortcut().isEmpty())
                line += QLatin1Char('\t') + a->shortcut().toString();
            out << line + (a->menu() ? QStringLiteral(" >") : QString());
        }
    }
    return out;
}

// A help file at `out` with a start page and a page with two topics, built from a project in
// `dir`.
bool MakeHelpFile(const QString &dir, const QString &out)
{
    const auto write = [&dir](const char *name, const char *text) {
        QFile file(QDir(dir).filePath(QString::fromLatin1(name)));
        return file.open(QIODevice::WriteOnly) && file.write(text) > 0;
    };
    return write("help.qhp",
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?><QtHelpProject version=\"1.0\">"
                 "<namespace>corvane.zqvcps.test</namespace><virtualFolder>doc</virtualFolder><filterSection>"
                 "<toc><section title=\"Start\" ref=\"index.html\"/><section title=\"Settings\" "
                 "ref=\"settings.htm\"/></toc><files><file>index.html</file><file>settings.htm</file></files>"
                 "</filterSection></QtHelpProject>") &&
        write("index.html", "<html><head><title>ZQV CPS Help</title></head><body><h1>Welcome</h1></body></html>") &&
        write("settings.htm",
              "<html><head><title>Settings</title></head><body><h1><a name=\"overview\">Settings</a></h1>"
              "<h2><a name=\"contrast\">Contrast</a></h2><p>How dark the display is.</p></body></html>") &&
        QProcess::execute(QStringLiteral(ZQV_QHELPGENERATOR), {QDir(dir).filePath("help.qhp"), "-o", out}) == 0;
}

// The page browser of the help window (which comes from the help module).
QTextBrowser *HelpPage(QWidget *help)
{
    return help->findChild<QTextBrowser *>("HelpPage");
}

void FocusWithSelection(QLineEdit *edit)
{
    edit->setFocus();
    edit->selectAll();
}

}  // namespace

class TestMainFrame : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void readWithoutPortShowsMessageAndStaysEnabled();
    void menusAndToolbarFollowOpenProfiles();
    void editCommandsFollowTheFocusedBox();
    void passwordBoxesNeverUseTheClipboard();
    void sameIdsElsewhereUseTheClipboard();
    void everyAcceleratorRunsItsCommand_data();
    void everyAcceleratorRunsItsCommand();
    void nonPasteEditRefusesEveryPaste();
    void helpPaneKeepsTheViewKind();
    void saveChangesQuestion_data();
    void saveChangesQuestion();
    void newProfileFromTemplateIsSavedAs();
    void exitAsksForEveryModifiedProfile();
    void droppedFilesOpen();
    void helpCommandChecksTheHelpFile();
    void f1OpensTheFocusedControlsTopic();
    void newProfileWindowHasTheKeyboardOnItsTree();

private:
    std::unique_ptr<CGuiWorld> m_world;
};

void TestMainFrame::init()
{
    // The settings form and, to show that the password ids mean nothing elsewhere, a text
    // message form with the same boxes.
    CChildFrame::SetViewFactory([](CChildFrame &, int kind) -> QWidget * {
        // A stand-in for the root's form, so that the window has one to show.
        if (kind == kViewRadioInfo)
            return new QWidget;
        return kind == kViewSettings || kind == kViewTextMessage ? new CEditForm : nullptr;
    });
    m_world = std::make_unique<CGuiWorld>();
}

void TestMainFrame::cleanup()
{
    m_world.reset();
    CChildFrame::SetViewFactory(nullptr);
}

void TestMainFrame::readWithoutPortShowsMessageAndStaysEnabled()
{
    QVERIFY(m_world->Start());
    CMainFrame &frame = m_world->Frame();
    QVERIFY(frame.CablePort().isEmpty());
    frame.Action(ID_DEVICE_READ)->trigger();
    QCOMPARE(Shown(m_world->prompter), QStringList{LoadStr(IDS_NO_COM_PORT)});
    QVERIFY(Enabled(frame, ID_DEVICE_READ));
    QVERIFY(Enabled(frame, ID_DEVICE_RESET));
}

void TestMainFrame::menusAndToolbarFollowOpenProfiles()
{
    QVERIFY(m_world->Start());
    CMainFrame &frame = m_world->Frame();
    // The toolbar's buttons and separators in their order.
    QStringList toolbar;
    for (QAction *a : frame.ToolBar()->actions())
        toolbar << (a->isSeparator() ? QStringLiteral("|") : a->iconText());
    QCOMPARE(toolbar, (QStringList{"New",   "Open", "Save", "|",    "Add", "Scan", "Delete", "|", "Cut",    "Copy",
                                   "Paste", "|",    "Undo", "Redo", "|",   "Read", "Write",  "|", "Report", "About"}));
    for (QAction *a : frame.ToolBar()->actions())
        QVERIFY(a->isSeparator() || !a->icon().isNull());
    const QStringList noProfileMenus = {
        "&File",
        "  &New\tCtrl+N",
        "  &Open...\tCtrl+O",
        "  -",
        "  Recent File",
        "  -",
        "  E&xit",
        "&Edit",
        "  Dealer &Info",
        "  Pr&eference",
        "  &Language >",
        "&View",
        "  &Toolbar",
        "  &Status Bar",
        "&Device",
        "  &Read\tCtrl+R",
        "  R&eset\tCtrl+E",
        "  Restore &Backup...",
        "  -",
        "  &History...",
        "  &Fleet...",
        "  -",
        "  Find &Cable...",
        "  &Test Connection...",
        "&Help",
        "  &Content and Index...",
        "  Context &Help\tF1",
        "  -",
        "  Open Last Link &Trace",
        "  Save Support B&undle...",
        "  -",
        "  &About ZQV CPS...",
    };
    QCOMPARE(MenuLayout(frame), noProfileMenus);

    QVERIFY(m_world->app->OpenProfile(m_world->CopyOfTemplate("a.zqv")));
    QVERIFY(m_world->app->OpenProfile(m_world->CopyOfTemplate("b.zqv", "ZQ-210 Compact")));
    QCOMPARE(frame.Children().size(), 2);
    QVERIFY(Enabled(frame, ID_FILE_SAVE));
    QVERIFY(Enabled(frame, ID_DEVICE_WRITE));
    QVERIFY(Enabled(frame, ID_WINDOW_TILE));
    QCOMPARE(frame.windowTitle(), QString("ZQV CPS - [b.zqv]"));
    const QStringList profileMenus = {
        "&File",
        "  &New\tCtrl+N",
        "  &Open...\tCtrl+O",
        "  &Close",
        "  &Save\tCtrl+S",
        "  Save &As...",
        "  Re&vert",
        "  -",
        "  &Import Contacts...",
        "  Import &Text Messages...",
        "  Ex&port Contacts...",
        "  Export Text Messa&ges...",
        "  &Merge...",
        "  -",
        "  -",
        "  E&xit",
        "&Edit",
        "  &Undo\tCtrl+Z",
        "  Red&o\tCtrl+Y",
        "  -",
        "  &Add\tCtrl+A",
        "  &Scan(Add)\tCtrl+T",
        "  -",
        "  Cu&t\tCtrl+X",
        "  &Copy\tCtrl+C",
        "  &Paste\tCtrl+V",
        "  &Delete\tDel",
        "  &Rename\tF2",
        "  -",
        "  Dealer &Info",
        "  Pr&eference",
        "  &Language >",
        "&View",
        "  &Toolbar",
        "  &Status Bar",
        "  &Help Pane",
        "  &Contacts Table",
        "  &Problems",
        "  &Filter Tree\tCtrl+F",
        "&Device",
        "  &Read\tCtrl+R",
        "  &Write\tCtrl+W",
        "  R&eset\tCtrl+E",
        "  Restore &Backup...",
        "  -",
        "  Com&pare with Radio...",
        "  &History...",
        "  &Fleet...",
        "  -",
        "  Find &Cable...",
        "  &Test Connection...",
        "&Report",
        "&Window",
        "  &Cascade",
        "  &Tile",
        "  -",
        "&Help",
        "  &Content and Index...",
        "  Context &Help\tF1",
        "  -",
        "  Open Last Link &Trace",
        "  Save Support B&undle...",
        "  -",
        "  &About ZQV CPS...",
    };
    QCOMPARE(MenuLayout(frame), profileMenus);
    // Opening a profile that is open already brings its window to the front.
    QVERIFY(m_world->app->OpenProfile(m_world->dir.filePath("a.zqv")));
    QCOMPARE(frame.Children().size(), 2);
    QCOMPARE(frame.windowTitle(), QString("ZQV CPS - [a.zqv]"));
    // The tree shows the profile's root, named after its model.
    auto *tree = frame.ActiveChild()->findChild<QTreeWidget *>("ProfileTree");
    QVERIFY(tree);
    QCOMPARE(tree->topLevelItem(0)->text(0), QString("ZQV450"));

    frame.Action(ID_FILE_CLOSE)->trigger();
    frame.Action(ID_FILE_CLOSE)->trigger();
    QTRY_COMPARE(frame.Children().size(), 0);
    // The profiles opened are recent files now, in place of the placeholder.
    QStringList withRecentFiles = noProfileMenus;
    withRecentFiles.removeOne(QStringLiteral("  Recent File"));
    QTRY_COMPARE(MenuLayout(frame), withRecentFiles);
    QVERIFY(!Enabled(frame, ID_FILE_SAVE));
    QCOMPARE(frame.windowTitle(), QString("ZQV CPS"));
}

void TestMainFrame::editCommandsFollowTheFocusedBox()
{
    QVERIFY(m_world->Start({m_world->CopyOfTemplate("a.zqv")}));
    CMainFrame &frame = m_world->Frame();
    QApplication::setActiveWindow(&frame);
    CChildFrame *child = frame.ActiveChild();
    child->ShowView(kViewSettings);
    auto *form = dynamic_cast<CEditForm *>(child->RightView());
    QVERIFY(form);
    QApplication::clipboard()->setText(QStringLiteral("pasted"));

    // An editable box with a selection: everything.
    FocusWithSelection(form->plain);
    QCOMPARE(QApplication::focusWidget(), form->plain);
    QVERIFY(Enabled(frame, ID_EDIT_CUT));
    QVERIFY(Enabled(frame, ID_EDIT_COPY));
    QVERIFY(Enabled(frame, ID_EDIT_PASTE));
    QVERIFY(Enabled(frame, ID_EDIT_DELETE));
    frame.Action(ID_EDIT_CUT)->trigger();
    QCOMPARE(form->plain->text(), QString());
    QCOMPARE(QApplication::clipboard()->text(), QString("Harbour"));
    frame.Action(ID_EDIT_PASTE)->trigger();
    QCOMPARE(form->plain->text(), QString("Harbour"));
    // Without a selection: Cut, Copy and Delete wait for one; Paste does not.
    form->plain->deselect();
    QVERIFY(!Enabled(frame, ID_EDIT_CUT));
    QVERIFY(!Enabled(frame, ID_EDIT_COPY));
    QVERIFY(!Enabled(frame, ID_EDIT_DELETE));
    QVERIFY(Enabled(frame, ID_EDIT_PASTE));
    form->plain->selectAll();
    frame.Action(ID_EDIT_DELETE)->trigger();
    QCOMPARE(form->plain->text(), QString());

    // Alt+E hands the focus to the menu bar and opens the Edit menu: the commands still follow
    // the box that had the focus, and act on it.
    form->plain->setFocus();
    frame.menuBar()->setFocus(Qt::MenuBarFocusReason);
    QVERIFY(Enabled(frame, ID_EDIT_PASTE));
    frame.Action(ID_EDIT_PASTE)->trigger();
    QCOMPARE(form->plain->text(), QString("Harbour"));

    // A read-only box: Copy only.
    FocusWithSelection(form->readOnly);
    QVERIFY(!Enabled(frame, ID_EDIT_CUT));
    QVERIFY(Enabled(frame, ID_EDIT_COPY));
    QVERIFY(!Enabled(frame, ID_EDIT_PASTE));
    frame.Action(ID_EDIT_COPY)->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QString("4012001"));

    // Focus in the tree: the text commands are off, Delete belongs to the tree, and Copy copies
    // the tree's items.
    child->Tree().Widget()->setFocus();
    QVERIFY(!Enabled(frame, ID_EDIT_CUT));
    QVERIFY(Enabled(frame, ID_EDIT_COPY));
    QVERIFY(!Enabled(frame, ID_EDIT_PASTE));
    QVERIFY(!Enabled(frame, ID_EDIT_DELETE));
}

void TestMainFrame::passwordBoxesNeverUseTheClipboard()
{
    QVERIFY(m_world->Start({m_world->CopyOfTemplate("a.zqv")}));
    CMainFrame &frame = m_world->Frame();
    QApplication::setActiveWindow(&frame);
    CChildFrame *child = frame.ActiveChild();
    child->ShowView(kViewSettings);
    auto *form = static_cast<CEditForm *>(child->RightView());
    QApplication::clipboard()->setText(QStringLiteral("9999"));
    for (QLineEdit *box : {form->password, form->confirm}) {
        FocusWithSelection(box);
        QVERIFY(!Enabled(frame, ID_EDIT_CUT));
        QVERIFY(!Enabled(frame, ID_EDIT_COPY));
        QVERIFY(!Enabled(frame, ID_EDIT_PASTE));
        QVERIFY(Enabled(frame, ID_EDIT_DELETE));
        // Nor through the keyboard.
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("9999"));
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(box->text(), QString("1234"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), QString("1234"));
    }
}

void TestMainFrame::sameIdsElsewhereUseTheClipboard()
{
    QVERIFY(m_world->Start({m_world->CopyOfTemplate("a.zqv")}));
    CMainFrame &frame = m_world->Frame();
    QApplication::setActiveWindow(&frame);
    // The dealer dialog's contact box carries id 1002 too.
    QVERIFY(m_world->store->Write(config::UserContactInfo, QStringLiteral("Call 555-0100"), "English"));
    CDealerInfoDialog::Texts texts;
    QVERIFY(CDealerInfoDialog::ReadTexts(*m_world->store, "English", texts));
    CDealerInfoDialog dlg(*m_world->store, m_world->prompter, "English", texts, &frame);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QPlainTextEdit *contact = dlg.ContactInfoEdit();
    contact->setFocus();
    contact->selectAll();
    QTest::keyClick(contact, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString("Call 555-0100"));
    QTest::keyClick(contact, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(contact->toPlainText(), QString());
    QTest::keyClick(contact, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(contact, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(contact->toPlainText(), QString("Call 555-0100Call 555-0100"));
    dlg.reject();
    QApplication::setActiveWindow(&frame);

    // A form other than the settings form: its boxes with those ids are ordinary boxes.
    CChildFrame *child = frame.ActiveChild();
    child->ShowView(kViewTextMessage);
    auto *form = static_cast<CEditForm *>(child->RightView());
    FocusWithSelection(form->confirm);
    QVERIFY(Enabled(frame, ID_EDIT_COPY));
    QVERIFY(Enabled(frame, ID_EDIT_CUT));
    QTest::keyClick(form->confirm, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString("1234"));
}

void TestMainFrame::everyAcceleratorRunsItsCommand_data()
{
    QTest::addColumn<bool>("profile");
    QTest::newRow("no profile") << false;
    QTest::newRow("profile open") << true;
}

void TestMainFrame::everyAcceleratorRunsItsCommand()
{
    QFETCH(bool, profile);
    // Two keys claimed by two commands (or by a command and a window's own menu) do nothing
    // at all; Qt says so in a warning.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("Ambiguous shortcut")));
    QVERIFY(profile ? m_world->Start({m_world->CopyOfTemplate("a.zqv")}) : m_world->Start());
    CMainFrame &frame = m_world->Frame();
    if (profile)
        QVERIFY(m_world->app->OpenProfile(m_world->CopyOfTemplate("b.zqv")));
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QList<int> ran;
    frame.SetCommandHook([&ran](int id) {
        ran << id;
        return true;
    });
    if (profile) {
        // The keyboard is on the tree, whose node offers all four of its commands.
        frame.ActiveChild()->Tree().Widget()->setFocus();
        CCommandState::Instance().SetTreeFlags(true, true, true, true);
    }
    int walked = 0;
    for (const CommandSpec &spec : CommandTable()) {
        const QKeySequence key = frame.Action(spec.id)->shortcut();
        if (key.isEmpty())
            continue;
        ++walked;
        frame.UpdateCommands();
        const bool enabled = frame.Action(spec.id)->isEnabled();
        ran.clear();
        QTest::keyClick(&frame, key[0].key(), key[0].keyboardModifiers());
        QCOMPARE(ran, enabled ? QList<int>{spec.id} : QList<int>{});
    }
    QCOMPARE(walked, 17);
    // What must be reachable from the keyboard in each state.
    QList<int> reachable;
    for (const CommandSpec &spec : CommandTable())
        if (!frame.Action(spec.id)->shortcut().isEmpty() && frame.Action(spec.id)->isEnabled())
            reachable << spec.id;
    QList<int> expected{ID_FILE_NEW, ID_FILE_OPEN, ID_DEVICE_READ, ID_DEVICE_RESET, ID_HELP_CONTEXT};
    if (profile)
        expected << ID_FILE_SAVE << ID_EDIT_ADD << ID_EDIT_SCAN_ADD << ID_EDIT_DELETE << ID_EDIT_RENAME
                 << ID_DEVICE_WRITE << ID_VIEW_FILTER;
    if (profile && QApplication::focusWidget() == frame.ActiveChild()->Tree().Widget())
        expected << ID_EDIT_COPY;
    std::sort(reachable.begin(), reachable.end());
    std::sort(expected.begin(), expected.end());
    QCOMPARE(reachable, expected);
    frame.SetCommandHook(nullptr);
}

void TestMainFrame::nonPasteEditRefusesEveryPaste()
{
    QVERIFY(m_world->Start({m_world->CopyOfTemplate("a.zqv")}));
    CMainFrame &frame = m_world->Frame();
    QApplication::setActiveWindow(&frame);
    CChildFrame *child = frame.ActiveChild();
    child->ShowView(kViewSettings);
    auto *form = static_cast<CEditForm *>(child->RightView());
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    form->typed->setFocus();
    QTest::keyClicks(form->typed, QStringLiteral("Dock 7"));
    QTest::keyClick(form->typed, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(form->typed, Qt::Key_Insert, Qt::ShiftModifier);
    frame.Action(ID_EDIT_PASTE)->trigger();
    QTest::mouseClick(form->typed, Qt::MiddleButton);
    QCOMPARE(form->typed->text(), QString("Dock 7"));
    QCOMPARE(form->typed->contextMenuPolicy(), Qt::PreventContextMenu);
}

void TestMainFrame::helpPaneKeepsTheViewKind()
{
    QVERIFY(m_world->Start({m_world->CopyOfTemplate("a.zqv")}));
    CMainFrame &frame = m_world->Frame();
    CChildFrame *child = frame.ActiveChild();
    QVERIFY(!child->HelpPaneShown());
    QVERIFY(!child->HelpPane());
    QVERIFY(!frame.Action(ID_VIEW_HELP_PANE)->isChecked());
    child->ShowView(kViewSettings);

    frame.Action(ID_VIEW_HELP_PANE)->trigger();
    QVERIFY(child->HelpPaneShown());
    QVERIFY(frame.HelpPaneShown());
    QVERIFY(frame.Action(ID_VIEW_HELP_PANE)->isChecked());
    QCOMPARE(child->ViewKind(), int(kViewSettings));
    QVERIFY(dynamic_cast<CEditForm *>(child->RightView()));
    QVERIFY(child->HelpPane());
    QVERIFY(child->NestedSplitter());
    QCOMPARE(child->NestedSplitter()->widget(1), child->HelpPane());
    QCOMPARE(child->HelpPaneHeight(), 150);
    child->resize(800, 600);
    QTRY_COMPARE(child->NestedSplitter()->sizes().value(1), 150);

    frame.Action(ID_VIEW_HELP_PANE)->trigger();
    QVERIFY(!child->HelpPaneShown());
    QVERIFY(!child->HelpPane());
    QVERIFY(!child->NestedSplitter());
    QCOMPARE(child->ViewKind(), int(kViewSettings));
    QVERIFY(dynamic_cast<CEditForm *>(child->RightView()));

    // The choice is kept for the next start, and the next window opens with it.
    frame.Action(ID_VIEW_HELP_PANE)->trigger();
    m_world->app.reset();
    QCOMPARE(m_world->store->ReadShowContextHelp(), 1);
    QVERIFY(m_world->Start({m_world->CopyOfTemplate("a.zqv")}));
    QVERIFY(m_world->Frame().ActiveChild()->HelpPaneShown());
    QVERIFY(m_world->Frame().ActiveChild()->HelpPane());
}

void TestMainFrame::saveChangesQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Yes") << int(IDYES) << true << true;
    QTest::newRow("No") << int(IDNO) << true << false;
    QTest::newRow("Cancel") << int(IDCANCEL) << false << false;
}

void TestMainFrame::saveChangesQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    const QString path = m_world->CopyOfTemplate("mine.zqv");
    QFile original(path);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();
    QVERIFY(m_world->Start({path}));
    CMainFrame &frame = m_world->Frame();
    frame.ActiveChild()->SetModified(true);
    QCOMPARE(frame.windowTitle(), QString("ZQV CPS - [mine.zqv *]"));
    m_world->prompter.Queue(answer);
    frame.Action(ID_FILE_CLOSE)->trigger();
    QCOMPARE(Shown(m_world->prompter), QStringList{FormatStr(IDS_SAVE_CHANGES_QUESTION, {"mine.zqv"})});
    QTRY_COMPARE(frame.Children().isEmpty(), closes);
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll() != before, saved);
    // An unmodified window closes without a question.
    if (!closes) {
        frame.ActiveChild()->SetModified(false);
        frame.Action(ID_FILE_CLOSE)->trigger();
        QTRY_VERIFY(frame.Children().isEmpty());
        QCOMPARE(m_world->prompter.History().size(), size_t(1));
    }
}

void TestMainFrame::newProfileFromTemplateIsSavedAs()
{
    QVERIFY(m_world->Start());
    CMainFrame &frame = m_world->Frame();
    // File New shows the model choice; the test accepts the first model as soon as it opens.
    QTimer::singleShot(0, [] {
        if (QWidget *w = QApplication::activeModalWidget())
            if (auto *dlg = qobject_cast<QDialog *>(w))
                dlg->accept();
    });
    frame.Action(ID_FILE_NEW)->trigger();
    QCOMPARE(frame.Children().size(), 1);
    CChildFrame *child = frame.ActiveChild();
    QVERIFY(child->Title().startsWith("Profile"));
    const QString target = m_world->dir.filePath("saved.zqv");
    m_world->fileDialog.answers << target;
    frame.Action(ID_FILE_SAVE)->trigger();
    QCOMPARE(m_world->fileDialog.asked, 1);
    QVERIFY(QFileInfo::exists(target));
    QCOMPARE(child->Title(), QString("saved.zqv"));
    QCOMPARE(m_world->app->RecentFiles().first(), QFileInfo(target).absoluteFilePath());
    QVERIFY(m_world->prompter.History().empty());
}

void TestMainFrame::exitAsksForEveryModifiedProfile()
{
    QVERIFY(m_world->Start({m_world->CopyOfTemplate("a.zqv")}));
    CMainFrame &frame = m_world->Frame();
    QVERIFY(m_world->app->OpenProfile(m_world->CopyOfTemplate("b.zqv")));
    for (CChildFrame *child : frame.Children())
        child->SetModified(true);
    // Cancel on the first: the program stays, both windows stay.
    m_world->prompter.Queue(IDCANCEL);
    QVERIFY(!frame.close());
    QCOMPARE(frame.Children().size(), 2);
    QCOMPARE(m_world->prompter.History().size(), size_t(1));
    // No to both: everything closes.
    m_world->prompter.Queue({IDNO, IDNO});
    QVERIFY(frame.close());
    QCOMPARE(m_world->prompter.History().size(), size_t(3));
}

void TestMainFrame::droppedFilesOpen()
{
    QVERIFY(m_world->Start());
    CMainFrame &frame = m_world->Frame();
    QMimeData data;
    data.setUrls(
        {QUrl::fromLocalFile(m_world->CopyOfTemplate("a.zqv")), QUrl::fromLocalFile(m_world->CopyOfTemplate("b.zqv"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &drop);
    QCOMPARE(frame.Children().size(), 2);
}

void TestMainFrame::helpCommandChecksTheHelpFile()
{
    QVERIFY(m_world->Start());
    CMainFrame &frame = m_world->Frame();
    // No help file configured for the language.
    frame.Action(ID_HELP_CONTENTS)->trigger();
    QCOMPARE(Shown(m_world->prompter), QStringList{LoadStr(IDS_HELP_FILE_NOT_IN_REGISTRY)});
    // Configured but missing; present but not a help file.
    m_world->store->Write(config::HelpFileName, QStringLiteral("help/manual.qch"), "English");
    m_world->app.reset();
    m_world->prompter.Clear();
    QVERIFY(m_world->Start());
    m_world->Frame().Action(ID_HELP_CONTENTS)->trigger();
    QDir().mkpath(m_world->installPath + "/help");
    m_world->WriteInstallFile("help/manual.qch", "not a help file");
    m_world->Frame().Action(ID_HELP_CONTENTS)->trigger();
    QCOMPARE(Shown(m_world->prompter), (QStringList{LoadStr(IDS_HELP_FILE_NOT_FOUND), LoadStr(IDS_HELP_FILE_INVALID)}));

    // A real help file opens at its start page, in a window that closes with the program.
    QVERIFY(MakeHelpFile(m_world->dir.path(), m_world->installPath + "/help/manual.qch"));
    m_world->Frame().Action(ID_HELP_CONTENTS)->trigger();
    QCOMPARE(Shown(m_world->prompter).mid(2), QStringList());
    auto *help = m_world->Frame().findChild<QMainWindow *>("HelpWindow");
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(help->windowTitle(), QString("ZQV CPS Help"));
    QVERIFY(HelpPage(help)->toPlainText().contains("Welcome"));
}

// F1 opens the help at the topic of the focused control, else at the page of the form shown,
// else (no profile) at the start page, always in the one help window; Help > Content and Index
// opens the contents beside the start page; Escape closes the help.
void TestMainFrame::f1OpensTheFocusedControlsTopic()
{
    m_world->store->Write(config::HelpFileName, QStringLiteral("help/manual.qch"), "English");
    QDir().mkpath(m_world->installPath + "/help");
    QVERIFY(MakeHelpFile(m_world->dir.path(), m_world->installPath + "/help/manual.qch"));
    QVERIFY(m_world->Start({m_world->CopyOfTemplate("a.zqv")}));
    CMainFrame &frame = m_world->Frame();
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    CChildFrame *child = frame.ActiveChild();
    child->ShowView(1);
    auto *form = dynamic_cast<CEditForm *>(child->RightView());
    QVERIFY(form);
    // The test's form stands for the Settings form; its first box for the Contrast list.
    form->setObjectName(QStringLiteral("CSettingsView"));
    form->plain->setProperty(kControlIdProperty, 1204);
    const auto pressF1 = [&frame](QWidget *focus) {
        QApplication::setActiveWindow(&frame);
        focus->setFocus();
        QTest::keyClick(&frame, Qt::Key_F1);
    };
    const auto shown = [&frame] {
        auto *help = frame.findChild<QMainWindow *>("HelpWindow");
        if (!help)
            return QString();
        const QUrl url = HelpPage(help)->source();
        return url.fileName() + (url.hasFragment() ? "#" + url.fragment() : QString());
    };

    pressF1(form->plain);
    QCOMPARE(shown(), QStringLiteral("settings.htm#contrast"));
    auto *help = frame.findChild<QMainWindow *>("HelpWindow");
    QCOMPARE(help->focusWidget(), static_cast<QWidget *>(HelpPage(help)));
    QVERIFY(HelpPage(help)->toPlainText().contains("How dark"));
    // A box without a topic of its own, and the tree: the form's page, in the same window.
    pressF1(form->readOnly);
    QCOMPARE(shown(), QStringLiteral("settings.htm"));
    form->plain->setFocus();
    pressF1(child->Tree().Widget());
    QCOMPARE(shown(), QStringLiteral("settings.htm"));
    QCOMPARE(frame.findChildren<QMainWindow *>("HelpWindow").size(), 1);
    // The contents: the start page, the Contents tab, the keyboard on the contents.
    frame.Action(ID_HELP_CONTENTS)->trigger();
    QCOMPARE(shown(), QStringLiteral("index.html"));
    QCOMPARE(help->findChild<QTabWidget *>("HelpSidebar")->currentIndex(), 0);
    QVERIFY(help->findChild<QTabWidget *>("HelpSidebar")->currentWidget()->isAncestorOf(help->focusWidget()) ||
            help->findChild<QTabWidget *>("HelpSidebar")->currentWidget() == help->focusWidget());
    QCOMPARE(frame.findChildren<QMainWindow *>("HelpWindow").size(), 1);
    // Escape closes the help.
    QApplication::setActiveWindow(help);
    QTest::keyClick(HelpPage(help), Qt::Key_Escape);
    QTRY_VERIFY(!frame.findChild<QMainWindow *>("HelpWindow"));

    // Without a profile: the start page.
    frame.Action(ID_FILE_CLOSE)->trigger();
    QTRY_COMPARE(frame.Children().size(), 0);
    QApplication::setActiveWindow(&frame);
    QTest::keyClick(&frame, Qt::Key_F1);
    QCOMPARE(shown(), QStringLiteral("index.html"));
    QVERIFY(Shown(m_world->prompter).isEmpty());
}

// Every new profile window, the first and the next ones, starts with the keyboard on its tree.
void TestMainFrame::newProfileWindowHasTheKeyboardOnItsTree()
{
    QVERIFY(m_world->Start({m_world->CopyOfTemplate("a.zqv")}));
    CMainFrame &frame = m_world->Frame();
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QTRY_COMPARE(QApplication::focusWidget(), frame.ActiveChild()->Tree().Widget());
    QVERIFY(m_world->app->OpenProfile(m_world->CopyOfTemplate("b.zqv")));
    QTRY_COMPARE(QApplication::focusWidget(), frame.ActiveChild()->Tree().Widget());
    QCOMPARE(frame.ActiveChild()->Title(), QStringLiteral("b.zqv"));
}

QTEST_MAIN(TestMainFrame)
#include "tst_gui_mainframe.moc"
