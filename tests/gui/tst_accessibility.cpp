// What a screen reader and a keyboard user get from every form, dialog and window: each
// control that takes focus has a name to speak, the items of trees, lists and tables expose
// their text, the tab chain never goes back up or left on screen (compared within the
// innermost box both controls share), and no two labels or buttons of one window share a
// mnemonic in any language of the program. One row per window; the forms are every form the
// profile tree shows, one row per node kind.
#include "AppWindows.h"
#include "DialogHelp.h"
#include "MessageBoxPrompter.h"
#include "Mnemonic.h"
#include "StringTable.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabBar>
#include <QTextBrowser>
#include <QTimer>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace zqv;
using namespace zqvtest;

namespace {

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

// Letters that two texts with a keyboard shortcut of `top` share: labels with a buddy,
// buttons, group box titles and tabs.
QStringList MnemonicClashes(QWidget *top)
{
    QHash<QString, QString> taken;
    QStringList faults;
    const auto add = [&](const QString &text) {
        const QString letter = zqvtest::MnemonicLetter(text);
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

// Switches Qt's accessibility on, as a screen reader does when it starts on the desktop:
// without one, widgets raise no events at all.
void ActivateAccessibility()
{
    if (QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
        platform->setActive(true);
}

QString ClassOf(const QObject *o)
{
    return QString::fromLatin1(o->metaObject()->className()).section(QStringLiteral("::"), -1);
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

    CWorldPerLanguage m_worlds;

private slots:
    void cleanup()
    {
        if (CWorld *world = m_worlds.Current())
            world->CloseWindows();
    }
    void cleanupTestCase() { m_worlds.Reset(); }
    void namesAndTabOrder_data();
    void namesAndTabOrder();
    void mnemonicsInEveryLanguage_data();
    void mnemonicsInEveryLanguage();
    void everyWindowClassHasARow();
    void f1InDialogOpensItsPage_data();
    void f1InDialogOpensItsPage();
    void valueChangeIsAnnounced_data();
    void valueChangeIsAnnounced();
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
    CWorld &world = m_worlds.Get(QStringLiteral("English"), QString());
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
    CWorld &world = m_worlds.Get(language, qm);
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

void TestAccessibility::f1InDialogOpensItsPage_data()
{
    QTest::addColumn<QString>("row");
    // The main window's F1 is its own command; the help window is the help itself.
    for (const WindowRow &w : Windows())
        if (!QByteArrayList{"CMainFrame", "CHelpWindow", "CProblemsPanel"}.contains(w.className))
            QTest::newRow(w.name) << QString::fromLatin1(w.name);
}

// F1 in a modal dialog (or a window of its own) opens the help at the dialog's page, and the
// help window takes the keyboard and mouse while the dialog stays open.
void TestAccessibility::f1InDialogOpensItsPage()
{
    QFETCH(QString, row);
    CWorld &world = m_worlds.Get(QStringLiteral("English"), QString());
    world.gui.prompter.Clear();
    QWidget *top = Open(world, row);
    QVERIFY(top);
    const QString page = DialogHelpPage(top);
    QVERIFY2(!page.isEmpty(), "no help page for this window");
    // Modal, as the program shows it.
    top->hide();
    top->setWindowModality(Qt::ApplicationModal);
    top->show();
    QCoreApplication::processEvents();
    QTest::keyClick(top->focusWidget() ? top->focusWidget() : top, Qt::Key_F1);
    QCoreApplication::processEvents();

    QWidget *help = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("HelpWindow") && w->isVisible())
            help = w;
    QVERIFY2(help, qPrintable(Shown(world.gui.prompter).join('\n')));
    const auto *browser = help->findChild<QTextBrowser *>(QStringLiteral("HelpPage"));
    QVERIFY(browser);
    QCOMPARE(browser->source().fileName(), page.section(u'#', 0, 0));
    QCOMPARE(browser->source().fragment(), page.section(u'#', 1));
    QVERIFY2(!QGuiApplicationPrivate::instance()->isWindowBlocked(help->windowHandle()),
             "the modal dialog blocks the help window");
    top->hide();
    top->setWindowModality(Qt::NonModal);
}

void TestAccessibility::valueChangeIsAnnounced_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("control");  // class of the form's first editable control of that kind
    QTest::addColumn<QList<int>>("announcements");  // the events any of which tells the change
    const QList<int> text{QAccessible::TextInserted, QAccessible::TextUpdated, QAccessible::ValueChanged};
    QTest::newRow("line edit") << int(kNodePrivate) << QStringLiteral("QLineEdit") << text;
    QTest::newRow("combo box") << int(kNodePrivate) << QStringLiteral("QComboBox")
                               << QList<int>{QAccessible::ValueChanged};
    QTest::newRow("check box") << int(kNodePrivate) << QStringLiteral("QCheckBox")
                               << QList<int>{QAccessible::StateChanged};
    QTest::newRow("spin box") << int(kNodeSettings) << QStringLiteral("QAbstractSpinBox")
                              << QList<int>{QAccessible::ValueChanged};
}

// Editing a field from the keyboard tells a screen reader about the field's new value: the
// field itself raises the change.
void TestAccessibility::valueChangeIsAnnounced()
{
    QFETCH(int, kind);
    QFETCH(QString, control);
    QFETCH(QList<int>, announcements);
    CWorld &world = m_worlds.Get(QStringLiteral("English"), QString());
    world.gui.prompter.Clear();
    QWidget *form = Open(world, QStringLiteral("form %1").arg(kind));
    QVERIFY(form);
    QWidget *field = nullptr;
    for (QWidget *w : form->findChildren<QWidget *>()) {
        const auto *edit = qobject_cast<QLineEdit *>(w);
        if (w->inherits(qPrintable(control)) && w->isVisibleTo(form) && w->isEnabled() &&
            !(edit && edit->isReadOnly()) && !qobject_cast<QAbstractSpinBox *>(w->parentWidget()) &&
            !qobject_cast<QComboBox *>(w->parentWidget())) {
            field = w;
            break;
        }
    }
    QVERIFY2(field, qPrintable(control));
    field->setFocus();
    QCoreApplication::processEvents();

    static QList<QPair<QObject *, int>> heard;
    heard.clear();
    ActivateAccessibility();
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) { heard.append({event->object(), event->type()}); });
    if (qobject_cast<QLineEdit *>(field)) {
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClicks(field, QStringLiteral("x"));
    } else if (qobject_cast<QCheckBox *>(field)) {
        QTest::keyClick(field, Qt::Key_Space);
    } else if (qobject_cast<QComboBox *>(field)) {
        QTest::keyClick(field, Qt::Key_Down);
    } else {
        QTest::keyClick(field, Qt::Key_Up);
    }
    QCoreApplication::processEvents();
    QAccessible::installUpdateHandler(nullptr);

    QStringList said;
    bool announced = false;
    for (const auto &event : heard) {
        said << QStringLiteral("%1 from %2")
                    .arg(event.second)
                    .arg(event.first ? event.first->metaObject()->className() : "none");
        announced = announced || (event.first == field && announcements.contains(event.second));
    }
    QVERIFY2(announced, qPrintable(said.join(QStringLiteral(", "))));
}

// A refusal reaches a screen reader: the box is a dialog that carries the message itself, and
// it raises an alert as it opens, whose object speaks the message.
void TestAccessibility::messageBoxIsAnnouncedWithItsText()
{
    const QString text = LoadStr(IDS_DUPLICATE_PUBLIC_GROUP_ID);
    static QStringList alerts;  // what the object of each alert speaks
    alerts.clear();
    ActivateAccessibility();
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        if (event->type() != QAccessible::Alert)
            return;
        QAccessibleInterface *iface = event->accessibleInterface();
        alerts << (iface ? iface->text(QAccessible::Name) + u'|' + iface->text(QAccessible::Description) : QString());
    });
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
    QAccessible::installUpdateHandler(nullptr);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    QCOMPARE(alerts.size(), 1);
    QVERIFY2(alerts.first().split(u'|').contains(text), qPrintable(alerts.first()));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
