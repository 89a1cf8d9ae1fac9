// Every form in every language at the smallest screen the program supports (1024 x 768):
// no label, check box or button is narrower than its text, and a two-list at a form's foot
// takes the height the window leaves it.
#include "BaseView.h"
#include "EditorTestSupport.h"
#include "NodeKinds.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTest>
#include <QTranslator>

using namespace zqv;
using zqvtest::CEditorWindow;

namespace {

// The main window on a screen takes this much height for its menu, toolbar, the tree's filter
// and the status bar; the tree beside the form is this wide.
constexpr int kFrameHeight = 110;
constexpr int kTreeWidth = 240;

// A profile window shown as on a screen of `screen` logical pixels, with the form of `kind`.
void ShowForm(CEditorWindow &w, const QSize &screen, int kind)
{
    QVERIFY(w.NewFromTemplate(zqvtest::kFleet));
    w.resize(screen.width(), screen.height() - kFrameHeight);
    w.findChild<QSplitter *>()->setSizes({kTreeWidth, screen.width() - kTreeWidth});
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

private slots:
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
        const QString cut = CutOff(w.Form());
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
    }

    void fitsWithoutScrolling_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("high");
        for (int kind = 0; kind < kNodeKindCount; ++kind)
            if (kind != kNodePrivatesWithScanner)
                QTest::addRow("1024x768, %s", NodeViewClass(NodeKind(kind)) ? NodeViewClass(NodeKind(kind)) : "table")
                    << QSize(1024, 768) << kind << false;
        QTest::newRow("private contact, 1280x800") << QSize(1280, 800) << int(kNodePrivate) << true;
    }

    // Every form is as wide as a 1024 x 768 screen leaves it; the private contact's form also
    // fits the height of a 1280 x 800 one.
    void fitsWithoutScrolling()
    {
        QFETCH(QSize, screen);
        QFETCH(int, kind);
        QFETCH(bool, high);
        CEditorWindow w;
        ShowForm(w, screen, kind);
        QVERIFY(!w.Form()->horizontalScrollBar()->isVisible());
        if (high)
            QVERIFY(!w.Form()->verticalScrollBar()->isVisible());
    }
};

QTEST_MAIN(TestFormSizes)
#include "tst_formsizes.moc"
