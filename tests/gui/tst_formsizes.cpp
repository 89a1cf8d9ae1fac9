// Every form, dialog and window in every language at the smallest screen the program supports
// (1024 x 768): no label, check box or button is narrower than its text, every dialog fits that
// screen; and every form follows the window's size without overlapping or hidden controls.
#include "AppWindows.h"
#include "BaseView.h"
#include "EditorTestSupport.h"
#include "NodeKinds.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTranslator>
#include <map>

using namespace zqv;
using zqvtest::CEditorWindow;

namespace {

// The main window on a screen takes this much height for its menu, toolbar, the tree's filter
// and the status bar; the tree beside the form is this wide.
constexpr int kFrameHeight = 110;
constexpr int kTreeWidth = 240;
// The smallest screen; a desktop's panel and a dialog's title bar take this much of its height.
constexpr QSize kSmallScreen(1024, 768);
constexpr int kDecorationHeight = 64;
// The screens of the offscreen platform's configuration, in logical pixels: the smallest
// screen, and a literal 1024 x 768 monitor at scale 1.5 and at scale 2.
struct TestScreen {
    const char *name;
    QSize size;
};
constexpr TestScreen kScreens[] = {{"small", kSmallScreen}, {"literal 1.5", {683, 512}}, {"literal 2", {512, 384}}};

// A field of one line wider than this is harder to read than a narrower one.
constexpr int kMaxLineFieldWidth = 500;

// A profile window sized as on a screen of `screen` logical pixels.
void FitScreen(CEditorWindow &w, const QSize &screen)
{
    w.resize(screen.width(), screen.height() - kFrameHeight);
    w.findChild<QSplitter *>()->setSizes({kTreeWidth, screen.width() - kTreeWidth});
}

// A profile window shown as on a screen of `screen` logical pixels, with the form of `kind`.
void ShowForm(CEditorWindow &w, const QSize &screen, int kind)
{
    QVERIFY(w.NewFromTemplate(zqvtest::kFleet));
    FitScreen(w, screen);
    w.show();
    w.Select(kind);
    QVERIFY(w.Form());
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    CEditorWindow::Flush();
}

// The width a control needs to show its text. A push button's size hint holds a least
// width of the style's; its text and margins are what must fit.
int Needed(const QWidget *w)
{
    auto *button = qobject_cast<const QPushButton *>(w);
    if (!button)
        return w->sizeHint().width();
    QString text = button->text();
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const QStyle *style = button->style();
    int width = button->fontMetrics().horizontalAdvance(text) + style->pixelMetric(QStyle::PM_ButtonMargin) +
        2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
    if (!button->icon().isNull())
        width += button->iconSize().width() + 4;
    return width;
}

// The form's area (right of the tree) made `area` large.
void ResizeForm(CEditorWindow &w, const QSize &area)
{
    w.resize(w.size() + area - w.Form()->size());
    CEditorWindow::Flush();
    // The window shares its new width between the tree and the form: give the tree its own back.
    auto *splitter = w.findChild<QSplitter *>();
    QList<int> sizes = splitter->sizes();
    const int dx = area.width() - w.Form()->width();
    sizes[0] -= dx;
    sizes[1] += dx;
    splitter->setSizes(sizes);
    QTRY_COMPARE(w.Form()->size(), area);
    CEditorWindow::Flush();
}

QString Describe(const QWidget *w)
{
    return QStringLiteral("%1 %2").arg(QLatin1String(w->metaObject()->className()), w->objectName());
}

// The controls of a form that overlap another one or stick out of the form's canvas.
QString Misplaced(const CBaseView *form)
{
    QStringList faults;
    const QWidget *canvas = form->widget();
    QList<const QWidget *> shown;
    for (const QWidget *w : canvas->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(canvas))
            shown << w;
    for (int i = 0; i < shown.size(); ++i) {
        if (!canvas->rect().contains(shown[i]->geometry()))
            faults << Describe(shown[i]) + QStringLiteral(" sticks out");
        for (int j = i + 1; j < shown.size(); ++j)
            if (shown[i]->geometry().intersects(shown[j]->geometry()))
                faults << Describe(shown[i]) + QStringLiteral(" overlaps ") + Describe(shown[j]);
    }
    return faults.join(QStringLiteral(", "));
}

// The shown fields and lists of a form that grow with the room they are given (not those
// inside another one, such as the text box of a drop-down list).
QList<const QWidget *> Fields(const CBaseView *form)
{
    const auto isField = [](const QWidget *w) {
        return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w) ||
            qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QAbstractScrollArea *>(w);
    };
    QList<const QWidget *> fields;
    for (const QWidget *w : form->widget()->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(form) || !isField(w) || !(w->sizePolicy().expandingDirections() & Qt::Horizontal) ||
            w->maximumWidth() <= w->minimumWidth())
            continue;
        const QWidget *outer = w->parentWidget();
        while (outer && outer != form->widget() && !isField(outer))
            outer = outer->parentWidget();
        if (outer == form->widget())
            fields << w;
    }
    return fields;
}

// The columns of a form's tables narrower than their cells, which elide their texts (the last
// one takes the rest).
QStringList ElidedColumns(const QWidget *form)
{
    QStringList cut;
    for (const QTableView *table : form->findChildren<QTableView *>()) {
        const QHeaderView *header = table->horizontalHeader();
        for (int c = 0; c < header->count() - (header->stretchLastSection() ? 1 : 0); ++c) {
            const int needed = static_cast<const QAbstractItemView *>(table)->sizeHintForColumn(c);
            if (!table->isColumnHidden(c) && table->columnWidth(c) < needed)
                cut << QStringLiteral("column \"%1\" (%2 of %3 px)")
                           .arg(table->model()->headerData(c, Qt::Horizontal).toString())
                           .arg(table->columnWidth(c))
                           .arg(needed);
        }
    }
    return cut;
}

QString CutOff(const QWidget *form)
{
    QStringList cut;
    for (const QWidget *w : form->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(form))
            continue;
        QString text;
        if (auto *label = qobject_cast<const QLabel *>(w)) {
            if (label->pixmap().isNull() && !label->text().isEmpty()) {
                text = label->text();
                if (label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                      : label->sizeHint().width() <= label->width())
                    continue;
            }
        } else if (auto *tabs = qobject_cast<const QTabBar *>(w)) {
            // A tab bar short of room elides its tabs' texts.
            for (int i = 0; i < tabs->count(); ++i) {
                const QString tab = tabs->tabText(i).remove(QRegularExpression(QStringLiteral("&(?!&)")));
                const int needed = tabs->fontMetrics().horizontalAdvance(tab);
                if (tabs->tabRect(i).width() < needed)
                    cut << QStringLiteral("tab \"%1\" (%2 of %3 px)")
                               .arg(tab)
                               .arg(tabs->tabRect(i).width())
                               .arg(needed);
            }
        } else if (auto *button = qobject_cast<const QAbstractButton *>(w)) {
            text = button->text();
            if (text.isEmpty() || Needed(button) <= button->width())
                continue;
        }
        if (!text.isEmpty())
            cut << QStringLiteral("\"%1\" (%2 of %3 px)").arg(text).arg(w->width()).arg(Needed(w));
    }
    return cut.join(QStringLiteral(", "));
}

}  // namespace

class TestFormSizes : public QObject {
    Q_OBJECT

    zqvtest::CWorldPerLanguage m_worlds;

private slots:
    void cleanup()
    {
        if (zqvtest::CWorld *world = m_worlds.Current())
            world->CloseWindows();
    }
    void cleanupTestCase() { m_worlds.Reset(); }

    void noTextCutOff_data()
    {
        QTest::addColumn<QString>("qm");
        QTest::addColumn<int>("kind");
        QStringList languages{QString()};
        const QDir built(QStringLiteral(ZQV_BUILD_DIR "/data/translations"));
        for (const QString &file : built.entryList({QStringLiteral("zqvcps_*.qm")}, QDir::Files, QDir::Name))
            languages << built.filePath(file);
        QVERIFY(languages.size() == 7);
        for (const QString &qm : languages)
            for (int kind = 0; kind < kNodeKindCount; ++kind)
                if (kind != kNodePrivatesWithScanner)
                    QTest::addRow("%s, %s", qm.isEmpty() ? "en" : qPrintable(QFileInfo(qm).baseName().mid(7)),
                                  NodeViewClass(NodeKind(kind)) ? NodeViewClass(NodeKind(kind)) : "table")
                        << qm << kind;
    }

    void noTextCutOff()
    {
        QFETCH(QString, qm);
        QFETCH(int, kind);
        QTranslator translator;
        if (!qm.isEmpty()) {
            QVERIFY(translator.load(qm));
            QCoreApplication::installTranslator(&translator);
        }
        CEditorWindow w;
        ShowForm(w, QSize(1024, 768), kind);
        QStringList cuts = ElidedColumns(w.Form());
        if (const QString cut = CutOff(w.Form()); !cut.isEmpty())
            cuts.prepend(cut);
        const QString cut = cuts.join(QStringLiteral(", "));
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
    }

    void formsFollowTheWindow_data()
    {
        QTest::addColumn<int>("kind");
        for (int kind = 0; kind < kNodeKindCount; ++kind)
            if (kind != kNodePrivatesWithScanner)
                QTest::addRow("%s", NodeViewClass(NodeKind(kind)) ? NodeViewClass(NodeKind(kind)) : "table") << kind;
    }

    // Each form as wide as a 1024 x 768 screen leaves it, and, but for the settings (longer than
    // any screen), as high as a 1280 x 800 one leaves it, without scrolling. In a form area of
    // 800 x 600 and of 1600 x 1000 its controls neither overlap nor stick out, and its fields
    // follow the window: wider in the wider one, unless already as wide as they go, and never
    // too wide to read.
    void formsFollowTheWindow()
    {
        QFETCH(int, kind);
        CEditorWindow w;
        ShowForm(w, kSmallScreen, kind);
        CBaseView *form = w.Form();
        QVERIFY(!form->horizontalScrollBar()->isVisible());
        FitScreen(w, QSize(1280, 800));
        CEditorWindow::Flush();
        QVERIFY(!form->horizontalScrollBar()->isVisible());
        if (kind != kNodeSettings)
            QVERIFY(!form->verticalScrollBar()->isVisible());

        std::map<const QWidget *, int> narrow;
        for (const QSize area : {QSize(800, 600), QSize(1600, 1000)}) {
            ResizeForm(w, area);
            const QString misplaced = Misplaced(form);
            QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
            for (const QWidget *field : Fields(form)) {
                const QString name = Describe(field);
                if (area.width() < 1600) {
                    narrow[field] = field->width();
                    continue;
                }
                QVERIFY2(field->width() > narrow[field] || narrow[field] == field->maximumWidth(),
                         qPrintable(QStringLiteral("%1 %2 px at 800, %3 px at 1600")
                                        .arg(name)
                                        .arg(narrow[field])
                                        .arg(field->width())));
                if (!qobject_cast<const QAbstractScrollArea *>(field))
                    QVERIFY2(field->width() <= kMaxLineFieldWidth,
                             qPrintable(QStringLiteral("%1 %2 px").arg(name).arg(field->width())));
            }
        }
    }

    void windowsFitAndCutNoText_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("qm");
        // One language after the other: starting the program in a language is the slow part.
        for (const auto &language : zqvtest::kTestLanguages) {
            if (!language.second.isEmpty() &&
                !QFile::exists(QStringLiteral(ZQV_BUILD_DIR "/data/translations/") + language.second))
                QSKIP("the translations are not built");
            for (const TestScreen &screen : kScreens)
                for (const zqvtest::WindowRow &w : zqvtest::Windows())
                    QTest::addRow("%s, %s, %s", screen.name, qPrintable(language.first), w.name)
                        << QString::fromLatin1(screen.name) << QString::fromLatin1(w.name) << language.first
                        << language.second;
        }
    }

    // Each dialog and window as a window manager shows it on a small screen: it opens no larger
    // than the screen, a window manager keeps it there and never shrinks it below its least size,
    // which must fit. A panel inside the main window is checked with the main window at that
    // screen's size. At scale 2 a window may keep its texts on a scroll area or a shrunk list,
    // but it must still fit the screen.
    void windowsFitAndCutNoText()
    {
        QFETCH(QString, screen);
        QFETCH(QString, row);
        QFETCH(QString, language);
        QFETCH(QString, qm);
        QScreen *target = nullptr;
        for (QScreen *s : QGuiApplication::screens())
            if (s->name() == screen)
                target = s;
        QVERIFY2(target, qPrintable(screen));
        for (const TestScreen &s : kScreens)
            if (screen == QLatin1String(s.name))
                QCOMPARE(target->size(), s.size);
        const QRect available = target->availableGeometry();
        const QSize room(available.width(), available.height() - kDecorationHeight);
        zqvtest::CWorld &world = m_worlds.Get(language, qm);
        world.gui.Frame().setGeometry(QRect(available.topLeft(), room));
        CEditorWindow::Flush();
        QWidget *top = zqvtest::Open(world, row);
        QVERIFY2(top, qPrintable(row));
        QWidget *window = top->window();
        QCOMPARE(window->screen(), target);
        const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
        // A panel of the main window opens with it; a window of its own must not open larger
        // than the screen.
        const QSize opens = window == &world.gui.Frame() ? least : window->size();
        QVERIFY2(least.width() <= room.width() && least.height() <= room.height() &&
                     opens.width() <= available.width() && opens.height() <= available.height(),
                 qPrintable(QStringLiteral("least size %1 x %2, opens at %3 x %4, on %5 x %6")
                                .arg(least.width())
                                .arg(least.height())
                                .arg(opens.width())
                                .arg(opens.height())
                                .arg(room.width())
                                .arg(room.height())));
        if (window != &world.gui.Frame())
            window->resize(window->size().boundedTo(room).expandedTo(least));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        CEditorWindow::Flush();
        const QString cut = CutOff(top);
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
    }
};

QTEST_MAIN(TestFormSizes)
#include "tst_formsizes.moc"
