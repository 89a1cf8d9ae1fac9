// What a screen reader and a keyboard user get from every form, dialog and window: each
// control that takes focus has a name to speak, the items of trees, lists and tables expose
// their text, the tab chain never goes back up or left on screen (compared within the
// innermost box both controls share), and no two labels or buttons of one window share a
// mnemonic in any language of the program. One row per window; the forms are every form the
// profile tree shows, one row per node kind.
#include "GuiTestSupport.h"

#include "AboutDlg.h"
#include "AskPwdDlg.h"
#include "CableDoctor.h"
#include "CompareRadioDialog.h"
#include "ConnectionDialogs.h"
#include "DealerInfoDialog.h"
#include "ExchangeDialogs.h"
#include "FrameEditors.h"
#include "HelpModule.h"
#include "MessageBoxPrompter.h"
#include "NewProfileDlg.h"
#include "NodeKinds.h"
#include "PreferenceDialog.h"
#include "ProblemsPanel.h"
#include "ReportDlg.h"
#include "ReportOptionDlg.h"
#include "SafeWriteDialogs.h"
#include "StringTable.h"
#include "TransferDialog.h"
#include "WriteHistoryDialog.h"
#include "ZQVCPSTreeView.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTabBar>
#include <QTimer>
#include <functional>

using namespace zqv;
using namespace zqvtest;

namespace {

// The languages of the program and their built translations (English has none).
const QList<QPair<QString, QString>> kTestLanguages{{"English", ""},
                                                    {"German", "zqvcps_de.qm"},
                                                    {"Spanish", "zqvcps_es.qm"},
                                                    {"LaSpanish", "zqvcps_es_419.qm"},
                                                    {"French", "zqvcps_fr.qm"},
                                                    {"CaFrench", "zqvcps_fr_CA.qm"},
                                                    {"LaPortuguese", "zqvcps_pt_BR.qm"}};

// The program with the real editors and the fleet template open, in `language`.
struct CWorld {
    CGuiWorld gui;
    VirtualCPData record;
    TransferUiContext transfer;
    CCableDoctor doctor{[](const QString &) { return 0; }};
    std::vector<std::unique_ptr<QWidget>> owned;

    bool Start(const QString &language, const QString &qm)
    {
        InstallEditors(gui.prompter);
        if (!qm.isEmpty()) {
            QDir(gui.installPath).mkpath(QStringLiteral("translations"));
            QFile::copy(QStringLiteral(ZQV_BUILD_DIR "/data/translations/") + qm,
                        gui.installPath + QStringLiteral("/translations/") + qm);
            gui.store->Write(config::GUIResource, QStringLiteral("translations/") + qm, language);
            gui.store->Write(config::CurrentLanguage, language);
        }
        for (const auto *v : {&config::UserDealerInfo, &config::UserContactInfo, &config::UserDealerNotes})
            gui.store->Write(*v, QStringLiteral("text"), language);
        gui.ports->Add(QStringLiteral("ttyUSB0"), QStringLiteral("USB serial"));
        transfer.prompter = &gui.prompter;
        transfer.findPort = [] { return QString(); };
        transfer.setPortPane = [](const QString &) {};
        if (!gui.Start() || !gui.app->OpenProfile(gui.CopyOfTemplate(QStringLiteral("fleet.zqv"), "ZQ-880 Fleet")))
            return false;
        gui.Frame().resize(1280, 800);
        gui.Frame().show();
        return true;
    }
    ~CWorld()
    {
        owned.clear();
        gui.app.reset();
        CChildFrame::SetTreeFactory(nullptr);
        CChildFrame::SetViewFactory(nullptr);
    }
    QWidget *Own(QWidget *w)
    {
        owned.emplace_back(w);
        return w;
    }
    CChildFrame &Child() { return *gui.Frame().ActiveChild(); }
    // The form of node `kind` (the first node of that kind), as the tree shows it.
    QWidget *Form(int kind)
    {
        auto *tree = qobject_cast<CZQVCPSTreeView *>(Child().Tree().Widget());
        QTreeWidgetItem *node = tree ? tree->FindNode(kind, 0) : nullptr;
        if (!node || !tree->SelectNode(node))
            return nullptr;
        QCoreApplication::processEvents();
        return Child().RightView();
    }
};

std::vector<link::ProfileDifference> SomeDifferences()
{
    link::ProfileDifference d;
    d.item = QStringLiteral("Private contact \"Ann\" (1001)");
    d.field = QStringLiteral("name");
    d.oldValue = QStringLiteral("Ann");
    d.newValue = QStringLiteral("Anne");
    return {d};
}

// The help file the build made for English, as the build's configuration names it.
QString BuiltHelpFile()
{
    QSettings conf(QStringLiteral(ZQV_BUILD_SYSTEM_CONFIG), QSettings::IniFormat);
    const QString install = conf.value(QStringLiteral("InstallPath")).toString();
    return QDir(install).filePath(conf.value(QStringLiteral("Language/English/HelpFileName")).toString());
}

// Every window the program opens besides the forms: its class and how to open it.
struct WindowRow {
    const char *name;
    const char *className;
    std::function<QWidget *(CWorld &)> open;
};

const std::vector<WindowRow> &Windows()
{
    static const std::vector<WindowRow> rows{
        {"main window", "CMainFrame", [](CWorld &w) -> QWidget * { return &w.gui.Frame(); }},
        {"problems panel", "CProblemsPanel",
         [](CWorld &w) -> QWidget * {
             w.Child().ShowProblems(true);
             return w.Child().Problems();
         }},
        {"about", "CAboutDlg", [](CWorld &w) { return w.Own(new CAboutDlg(&w.gui.Frame())); }},
        {"password", "CAskPwdDlg",
         [](CWorld &w) { return w.Own(new CAskPwdDlg(QStringLiteral("0815"), w.gui.prompter, &w.gui.Frame())); }},
        {"new profile", "CNewProfileDlg",
         [](CWorld &w) { return w.Own(new CNewProfileDlg(w.gui.installPath, w.gui.prompter, &w.gui.Frame())); }},
        {"preferences", "CPreferenceDialog",
         [](CWorld &w) { return w.Own(new CPreferenceDialog(*w.gui.store, *w.gui.ports, &w.gui.Frame())); }},
        {"dealer info", "CDealerInfoDialog",
         [](CWorld &w) {
             CDealerInfoDialog::Texts texts;
             CDealerInfoDialog::ReadTexts(*w.gui.store, w.gui.app->CurrentLanguage(), texts);
             return w.Own(new CDealerInfoDialog(*w.gui.store, w.gui.prompter, w.gui.app->CurrentLanguage(), texts,
                                                &w.gui.Frame()));
         }},
        {"read or write", "CReadWriteDialog",
         [](CWorld &w) {
             return w.Own(new CReadWriteDialog(CReadWriteDialog::Mode::Write, w.record, false, w.transfer, nullptr,
                                               &w.gui.Frame()));
         }},
        {"read private ID", "CReadPidDialog",
         [](CWorld &w) { return w.Own(new CReadPidDialog(w.transfer, &w.gui.Frame())); }},
        {"change report", "CChangeReportDialog",
         [](CWorld &w) {
             return w.Own(new CChangeReportDialog(SomeDifferences(), w.gui.dir.filePath("b.zqv"), {}, &w.gui.Frame()));
         }},
        {"restore backup", "CRestoreBackupDialog",
         [](CWorld &w) {
             return w.Own(
                 new CRestoreBackupDialog(w.gui.dir.filePath("backups"), QString(), QLocale(), &w.gui.Frame()));
         }},
        {"history", "CWriteHistoryDialog",
         [](CWorld &w) {
             return w.Own(new CWriteHistoryDialog(w.gui.dir.filePath("history.sqlite"), w.gui.prompter,
                                                  w.gui.fileDialog, &w.gui.Frame()));
         }},
        {"compare", "CCompareRadioDialog",
         [](CWorld &w) {
             return w.Own(new CCompareRadioDialog(SomeDifferences(), QStringLiteral("Ann (20000001)"),
                                                  QStringLiteral("fleet"), &w.gui.Frame()));
         }},
        {"find cable", "CFindCableDialog",
         [](CWorld &w) { return w.Own(new CFindCableDialog(*w.gui.ports, &w.gui.Frame())); }},
        {"test connection", "CTestConnectionDialog",
         [](CWorld &w) {
             return w.Own(new CTestConnectionDialog(w.doctor, QStringLiteral("/dev/ttyUSB0"), &w.gui.Frame()));
         }},
        {"import preview", "CImportPreviewDlg",
         [](CWorld &w) {
             return w.Own(new CImportPreviewDlg(&w.gui.Frame(), QStringLiteral("contacts.csv"),
                                                CImportPreviewDlg::Mode::Import,
                                                [](const MergeOptions &) { return ImportReport{}; }));
         }},
        {"merge preview", "CImportPreviewDlg",
         [](CWorld &w) {
             return w.Own(new CImportPreviewDlg(&w.gui.Frame(), QStringLiteral("other.zqv"),
                                                CImportPreviewDlg::Mode::Merge,
                                                [](const MergeOptions &) { return ImportReport{}; }));
         }},
        {"report options", "CReportOptionDlg",
         [](CWorld &w) { return w.Own(new CReportOptionDlg(true, &w.gui.Frame())); }},
        {"report", "CReportDlg",
         [](CWorld &w) {
             const QString page = w.gui.dir.filePath(QStringLiteral("report.htm"));
             QFile f(page);
             if (f.open(QIODevice::WriteOnly))
                 f.write("<html><body><p>Report</p></body></html>");
             f.close();
             return w.Own(new CReportDlg(page, QStringLiteral("fleet"), w.gui.dir.path(), w.gui.prompter,
                                         w.gui.fileDialog, &w.gui.Frame()));
         }},
        {"help window", "CHelpWindow",
         [](CWorld &w) -> QWidget * {
             IHelpWindow *help = ShowHelpWindow(BuiltHelpFile(), w.gui.prompter, &w.gui.Frame());
             return help ? help->Window() : nullptr;
         }},
    };
    return rows;
}

// Opens the window of a row: a form for "form <kind>", else the row of Windows().
QWidget *Open(CWorld &world, const QString &row)
{
    if (row.startsWith(QLatin1String("form "))) {
        return world.Form(row.section(QLatin1Char(' '), 1, 1).toInt());
    }
    for (const WindowRow &w : Windows())
        if (row == QLatin1String(w.name)) {
            QWidget *window = w.open(world);
            if (window && window->isWindow()) {
                window->show();
                QCoreApplication::processEvents();
            }
            return window;
        }
    return nullptr;
}

// One row per form (every node kind the tree has a form for) and per window.
QStringList RowNames()
{
    QStringList rows;
    for (int kind = 0; kind < kNodeKindCount; ++kind)
        if (NodeViewClass(NodeKind(kind)))
            rows << QStringLiteral("form %1 %2").arg(kind).arg(QLatin1String(NodeViewClass(NodeKind(kind))));
    for (const WindowRow &w : Windows())
        rows << QLatin1String(w.name);
    return rows;
}

QString Describe(const QWidget *w)
{
    QString text = QLatin1String(w->metaObject()->className());
    if (!w->objectName().isEmpty())
        text += QLatin1Char('#') + w->objectName();
    if (const auto *b = qobject_cast<const QAbstractButton *>(w))
        text += QStringLiteral(" \"%1\"").arg(b->text());
    if (const QWidget *p = w->parentWidget())
        text += QStringLiteral(" in ") + QLatin1String(p->metaObject()->className());
    return text;
}

// A control the Tab key stops at: shown, enabled, taking focus by Tab, not standing in for
// another widget.
bool IsTabStop(const QWidget *w, const QWidget *top)
{
    return w != top && top->isAncestorOf(w) && w->isVisibleTo(top) && w->isEnabled() &&
        (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
}

QRect RectIn(const QWidget *w, const QWidget *top)
{
    return QRect(w->mapTo(top, QPoint(0, 0)), w->size());
}

// The controls of `top` that take focus and speak no name; items of trees, lists and
// tables that speak none.
QStringList Unnamed(QWidget *top)
{
    QStringList faults;
    const auto widgets = top->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(top) || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy())
            continue;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        if (!iface || iface->text(QAccessible::Name).trimmed().isEmpty())
            faults << QStringLiteral("no name: ") + Describe(w);
        auto *view = qobject_cast<QAbstractItemView *>(w);
        if (!iface || !view)
            continue;
        // The first rows' cells of a view: each one that shows something, text or picture,
        // says it.
        for (int i = 0; i < qMin(iface->childCount(), 40); ++i) {
            QAccessibleInterface *cell = iface->child(i);
            QAccessibleTableCellInterface *place = cell ? cell->tableCellInterface() : nullptr;
            if (!place || !cell->text(QAccessible::Name).trimmed().isEmpty())
                continue;
            const QModelIndex index = view->model()->index(place->rowIndex(), place->columnIndex(), view->rootIndex());
            if (!index.data(Qt::DisplayRole).toString().isEmpty() || !index.data(Qt::DecorationRole).isNull())
                faults << QStringLiteral("item %1,%2 says nothing: ").arg(place->rowIndex()).arg(place->columnIndex()) +
                        Describe(w);
        }
    }
    return faults;
}

// The box of `w` that is a direct child of `ancestor` (or `w` itself).
const QWidget *BlockUnder(const QWidget *w, const QWidget *ancestor)
{
    while (w->parentWidget() && w->parentWidget() != ancestor)
        w = w->parentWidget();
    return w;
}

// The steps of the tab chain that go back on screen: the next control's box lies wholly
// above, or wholly left of in the same row, the box of the one before. Both are compared as
// the two children of their innermost shared container, so a chain that finishes one group
// box and goes on with the next is read group by group.
QStringList BackwardSteps(QWidget *top)
{
    QList<QWidget *> chain;
    QWidget *w = top;
    for (int guard = 0; guard < 2000; ++guard) {
        w = w->nextInFocusChain();
        if (!w || w == top)
            break;
        if (IsTabStop(w, top) && !chain.contains(w))
            chain << w;
    }
    QStringList faults;
    for (int i = 1; i < chain.size(); ++i) {
        const QWidget *a = chain[i - 1];
        const QWidget *b = chain[i];
        const QWidget *shared = a->parentWidget();
        while (shared && !shared->isAncestorOf(b))
            shared = shared->parentWidget();
        if (!shared)
            continue;
        const QRect ra = RectIn(BlockUnder(a, shared), top);
        const QRect rb = RectIn(BlockUnder(b, shared), top);
        const bool above = rb.bottom() < ra.top();
        const bool sameRow = rb.top() <= ra.bottom() && ra.top() <= rb.bottom();
        const bool left = sameRow && rb.right() < ra.left();
        if (above || left)
            faults << QStringLiteral("tab goes %1 from %2 to %3")
                          .arg(above ? QLatin1String("up") : QLatin1String("left"), Describe(a), Describe(b));
    }
    return faults;
}

// The mnemonic letter of a text (after a single '&'), lower case; empty for none.
QString MnemonicOf(const QString &text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// Letters that two texts with a keyboard shortcut of `top` share: labels with a buddy,
// buttons, group box titles and tabs.
QStringList MnemonicClashes(QWidget *top)
{
    QHash<QString, QString> taken;
    QStringList faults;
    const auto add = [&](const QString &text) {
        const QString letter = MnemonicOf(text);
        if (letter.isEmpty())
            return;
        if (taken.contains(letter))
            faults << QStringLiteral("'%1' twice: %2, %3").arg(letter, taken[letter], text);
        else
            taken.insert(letter, text);
    };
    const auto widgets = top->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(top))
            continue;
        if (auto *label = qobject_cast<QLabel *>(w); label && label->buddy())
            add(label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            add(button->text());
        else if (auto *box = qobject_cast<QGroupBox *>(w))
            add(box->title());
        else if (auto *tabs = qobject_cast<QTabBar *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i));
    }
    return faults;
}

// The dialog and window classes the program's sources declare.
QStringList DeclaredWindowClasses()
{
    QStringList classes;
    static const QRegularExpression decl(
        QStringLiteral(R"(class\s+(C\w+)\s*:\s*public\s+(QDialog|QMainWindow|QMessageBox|QWizard)\b)"));
    for (const char *folder : {"gui", "editors", "app"}) {
        QDirIterator it(QStringLiteral(ZQV_SOURCE_DIR "/") + QLatin1String(folder), {"*.h", "*.cpp"}, QDir::Files);
        while (it.hasNext()) {
            QFile f(it.next());
            if (!f.open(QIODevice::ReadOnly))
                continue;
            const QString text = QString::fromUtf8(f.readAll());
            for (auto m = decl.globalMatch(text); m.hasNext();)
                classes << m.next().captured(1);
        }
    }
    return classes;
}

QString ClassOf(const QObject *o)
{
    return QString::fromLatin1(o->metaObject()->className()).section(QStringLiteral("::"), -1);
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    // One program per language, kept from row to row (starting one is the slow part).
    std::unique_ptr<CWorld> m_world;
    QString m_language;

    CWorld &World(const QString &language, const QString &qm)
    {
        if (!m_world || m_language != language) {
            m_world.reset();
            m_world = std::make_unique<CWorld>();
            m_language = language;
            if (!m_world->Start(language, qm))
                qFatal("the program does not start in %s", qPrintable(language));
        }
        return *m_world;
    }

private slots:
    void cleanup()
    {
        if (!m_world)
            return;
        m_world->owned.clear();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("HelpWindow"))
                delete w;
        m_world->Child().ShowProblems(false);
    }
    void cleanupTestCase() { m_world.reset(); }
    void namesAndTabOrder_data();
    void namesAndTabOrder();
    void mnemonicsInEveryLanguage_data();
    void mnemonicsInEveryLanguage();
    void everyWindowClassHasARow();
    void messageBoxIsAnnouncedWithItsText();
};

void TestAccessibility::namesAndTabOrder_data()
{
    QTest::addColumn<QString>("row");
    for (const QString &row : RowNames())
        QTest::newRow(qPrintable(row)) << row;
}

void TestAccessibility::namesAndTabOrder()
{
    QFETCH(QString, row);
    CWorld &world = World(QStringLiteral("English"), QString());
    world.gui.prompter.Clear();
    QWidget *top = Open(world, row);
    QVERIFY2(top, qPrintable(row));
    for (const WindowRow &w : Windows())
        if (row == QLatin1String(w.name))
            QCOMPARE(ClassOf(top), QLatin1String(w.className));
    const QStringList faults = Unnamed(top) + BackwardSteps(top);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    QVERIFY2(world.gui.prompter.History().empty(), qPrintable(Shown(world.gui.prompter).join('\n')));
}

void TestAccessibility::mnemonicsInEveryLanguage_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("qm");
    for (const auto &language : kTestLanguages) {
        if (!language.second.isEmpty() &&
            !QFile::exists(QStringLiteral(ZQV_BUILD_DIR "/data/translations/") + language.second))
            QSKIP("the translations are not built");
        for (const QString &row : RowNames())
            QTest::newRow(qPrintable(language.first + QLatin1Char(' ') + row))
                << row << language.first << language.second;
    }
}

void TestAccessibility::mnemonicsInEveryLanguage()
{
    QFETCH(QString, row);
    QFETCH(QString, language);
    QFETCH(QString, qm);
    CWorld &world = World(language, qm);
    QCOMPARE(world.gui.app->CurrentLanguage(), language);
    QWidget *top = Open(world, row);
    QVERIFY2(top, qPrintable(row));
    const QStringList faults = MnemonicClashes(top);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestAccessibility::everyWindowClassHasARow()
{
    QStringList covered;
    for (const WindowRow &w : Windows())
        covered << QLatin1String(w.className);
    // The transfer dialogs' common base is opened only as one of its kinds, which have rows.
    covered << QStringLiteral("CTransferDialog");
    const QStringList declared = DeclaredWindowClasses();
    QVERIFY(declared.contains(QLatin1String("CAboutDlg")));
    for (const QString &cls : declared)
        QVERIFY2(covered.contains(cls), qPrintable(cls + QStringLiteral(" has no row in Windows()")));
}

// A refusal reaches a screen reader: the box is a dialog that carries the message itself, which
// is what is spoken as it opens (Qt raises the alert for it).
void TestAccessibility::messageBoxIsAnnouncedWithItsText()
{
    const QString text = LoadStr(IDS_PASSWORD_INCORRECT);
    QStringList faults(QStringLiteral("no box"));
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        faults.clear();
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
        if (iface->role() != QAccessible::Dialog && iface->role() != QAccessible::AlertMessage)
            faults << QStringLiteral("role %1").arg(int(iface->role()));
        if (iface->text(QAccessible::Description) != text && iface->text(QAccessible::Name) != text)
            faults << QStringLiteral("the box itself does not carry the message");
        box->button(QMessageBox::Ok)->click();
    });
    CMessageBoxPrompter prompter;
    QCOMPARE(prompter.Show(text, MB_OK | MB_ICONERROR), int(IDOK));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
