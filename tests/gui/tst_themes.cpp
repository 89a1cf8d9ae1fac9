// Colours and icons under other desktops: the program's own colours stay readable (4.5:1)
// on a light, a dark and a high-contrast palette (the desktop's, or the program's own looks),
// open forms take the colours of a look chosen while they are shown, and every icon is drawn
// for the pixel size a scaled screen asks for instead of stretching a smaller picture.
#include "AppWindows.h"
#include "Appearance.h"
#include "Artwork.h"
#include "NodeIcons.h"
#include "NodeKinds.h"
#include "ThemeColours.h"

#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>

using namespace zqv;
using namespace zqvtest;

Q_DECLARE_METATYPE(ThemeRole)
Q_DECLARE_METATYPE(Appearance)

namespace {

QPalette Palette(QRgb window, QRgb text, QRgb base, QRgb button, QRgb highlight, QRgb highlightedText)
{
    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, highlightedText);
    return p;
}

// The palettes a dealer's desktop may hand the program.
QList<QPair<const char *, QPalette>> Palettes()
{
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return {
        {"default", fusion->standardPalette()},
        {"dark", Palette(0xff353535, 0xffeeeeee, 0xff2a2a2a, 0xff454545, 0xff2a82da, 0xffffffff)},
        {"high contrast", Palette(0xff000000, 0xffffffff, 0xff000000, 0xff000000, 0xff1aebff, 0xff000000)},
        {"own dark", AppearancePalette(Appearance::Dark)},
        {"own high contrast", AppearancePalette(Appearance::HighContrast)},
    };
}

// The widgets of a form's page painted with `colour`, the page itself included.
QList<QWidget *> PaintedWith(QWidget *form, const QColor &colour)
{
    QWidget *page = qobject_cast<QScrollArea *>(form) ? static_cast<QScrollArea *>(form)->widget() : form;
    QList<QWidget *> widgets = page->findChildren<QWidget *>();
    widgets << page;
    QList<QWidget *> found;
    for (QWidget *w : widgets)
        if (w->autoFillBackground() && w->palette().color(QPalette::Window) == colour)
            found << w;
    return found;
}

}  // namespace

class TestThemes : public QObject {
    Q_OBJECT

    CWorldPerLanguage m_worlds;

private slots:
    void cleanupTestCase()
    {
        ApplyAppearance(Appearance::Desktop);
        m_worlds.Reset();
    }

    // The program's own looks: text on its page, on fields and buttons, and selected text,
    // at 4.5:1 in the dark look and 7:1 in high contrast.
    void appearancePairs_data()
    {
        QTest::addColumn<Appearance>("appearance");
        QTest::addColumn<double>("least");
        QTest::newRow("dark") << Appearance::Dark << 4.5;
        QTest::newRow("high contrast") << Appearance::HighContrast << 7.0;
    }
    void appearancePairs()
    {
        QFETCH(Appearance, appearance);
        QFETCH(double, least);
        const QPalette palette = AppearancePalette(appearance);
        const QList<QPair<QPalette::ColorRole, QPalette::ColorRole>> pairs{
            {QPalette::Text, QPalette::Base},
            {QPalette::WindowText, QPalette::Window},
            {QPalette::ButtonText, QPalette::Button},
            {QPalette::HighlightedText, QPalette::Highlight},
            {QPalette::ToolTipText, QPalette::ToolTipBase},
            {QPalette::Text, QPalette::AlternateBase},
        };
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            for (const auto &pair : pairs) {
                const double ratio = ContrastRatio(palette.color(group, pair.first), palette.color(group, pair.second));
                QVERIFY2(ratio >= least,
                         qPrintable(QStringLiteral("roles %1 on %2: %3:1")
                                        .arg(int(pair.first))
                                        .arg(int(pair.second))
                                        .arg(ratio, 0, 'f', 2)));
            }
    }

    // A look chosen in the preferences while forms are open is kept and repaints them: the
    // heading bands and the page take the new look's colours, and the desktop's come back with it.
    void switchingRepaintsOpenForm_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("private contact") << int(kNodePrivate);
        QTest::newRow("settings") << int(kNodeSettings);
        QTest::newRow("contacts table") << int(kNodeAllContacts);
    }
    void switchingRepaintsOpenForm()
    {
        QFETCH(int, kind);
        CWorld &world = m_worlds.Get(QStringLiteral("English"), QString());
        QWidget *form = world.Form(kind);
        QVERIFY(form);
        const QPalette desktop = QApplication::palette();
        const auto roleWidgets = [&](ThemeRole role) {
            return PaintedWith(form, ThemeColours(role, desktop).background);
        };
        const QList<QWidget *> headings = roleWidgets(ThemeRole::Heading);
        QVERIFY(!headings.isEmpty());
        const QList<QWidget *> pages = roleWidgets(ThemeRole::Field);
        QVERIFY(!pages.isEmpty());
        for (Appearance look : {Appearance::Dark, Appearance::HighContrast, Appearance::Desktop}) {
            {
                CPreferenceDialog dialog(*world.gui.store, *world.gui.ports, &world.gui.Frame());
                dialog.AppearanceList()->setCurrentIndex(int(look));
                dialog.accept();
            }
            QCOMPARE(ReadAppearance(*world.gui.store), look);
            QCOMPARE(CPreferenceDialog(*world.gui.store, *world.gui.ports).AppearanceList()->currentIndex(), int(look));
            QCoreApplication::processEvents();
            const QPalette palette = AppearancePalette(look);
            const QColor band = ThemeColours(ThemeRole::Heading, palette).background;
            const QColor page = ThemeColours(ThemeRole::Field, palette).background;
            for (QWidget *heading : headings) {
                QCOMPARE(heading->palette().color(QPalette::Window), band);
                QCOMPARE(heading->palette().color(QPalette::WindowText),
                         ThemeColours(ThemeRole::Heading, palette).text);
                QCOMPARE(heading->grab().toImage().pixelColor(1, 1), band);
            }
            for (QWidget *w : pages)
                QCOMPARE(w->palette().color(QPalette::Window), page);
        }
        QCOMPARE(QApplication::palette().color(QPalette::Window), desktop.color(QPalette::Window));
    }

    // The help's pages fix no colour of their own: their text, headings included, follows the
    // palette of the help window, so they stay readable in the dark and high-contrast looks.
    void helpPagesTakeThePalettesColours()
    {
        QDirIterator it(QStringLiteral(ZQV_SOURCE_DIR "/data/help"), {QStringLiteral("*.css")}, QDir::Files,
                        QDirIterator::Subdirectories);
        int sheets = 0;
        static const QRegularExpression colour(QStringLiteral(R"((^|[;{\s])color\s*:)"));
        while (it.hasNext()) {
            QFile sheet(it.next());
            QVERIFY(sheet.open(QIODevice::ReadOnly));
            QVERIFY2(!QString::fromUtf8(sheet.readAll()).contains(colour), qPrintable(sheet.fileName()));
            ++sheets;
        }
        QCOMPARE(sheets, 7);
    }

    void colours_data()
    {
        QTest::addColumn<ThemeRole>("role");
        QTest::addColumn<QPalette>("palette");
        const QList<QPair<const char *, ThemeRole>> roles{{"heading", ThemeRole::Heading},
                                                          {"read-only", ThemeRole::ReadOnly},
                                                          {"field", ThemeRole::Field},
                                                          {"refusal", ThemeRole::Refusal},
                                                          {"failure", ThemeRole::Failure}};
        for (const auto &palette : Palettes())
            for (const auto &role : roles)
                QTest::addRow("%s, %s", role.first, palette.first) << role.second << palette.second;
    }

    // Text and background of every role reach 4.5:1; a band (heading, failed bar) also stands
    // out from the page it lies on.
    void colours()
    {
        QFETCH(ThemeRole, role);
        QFETCH(QPalette, palette);
        const ThemeColourPair pair = ThemeColours(role, palette);
        const double ratio = ContrastRatio(pair.text, pair.background);
        QVERIFY2(
            ratio >= 4.5,
            qPrintable(
                QStringLiteral("%1 on %2: %3:1").arg(pair.text.name(), pair.background.name()).arg(ratio, 0, 'f', 2)));
        if (role == ThemeRole::Heading || role == ThemeRole::Failure)
            QVERIFY(pair.background != palette.color(QPalette::Base));
        // Applied to a control, the pair leaves a disabled control's dimmed text alone.
        QPalette applied = palette;
        ApplyThemeColours(applied, role);
        QCOMPARE(applied.color(QPalette::Active, QPalette::Text), pair.text);
        QCOMPARE(applied.color(QPalette::Disabled, QPalette::Text), palette.color(QPalette::Disabled, QPalette::Text));
    }

    void icons_data()
    {
        QTest::addColumn<QIcon>("icon");
        QTest::addColumn<int>("size");
        QTest::addColumn<qreal>("scale");
        QList<QPair<QString, QIcon>> icons{{QStringLiteral("application"), AppIcon()}};
        for (int i = 0; i <= int(ToolIcon::About); ++i)
            icons.append({QStringLiteral("tool %1").arg(i), ToolbarIcon(ToolIcon(i))});
        for (int kind = 0; kind < kNodeKindCount; ++kind)
            icons.append({QStringLiteral("node %1").arg(kind), NodeIcon(NodeKind(kind))});
        icons.append({QStringLiteral("own radio"), NodeIcon(kNodePrivate, true)});
        // The sizes the tree, the lists, the profile window's tree and the toolbar ask for.
        for (const auto &icon : icons)
            for (int size : {16, 17, 20, 24})
                for (qreal scale : {1.0, 1.5, 2.0})
                    QTest::addRow("%s, %d px at %.1f", qPrintable(icon.first), size, scale)
                        << icon.second << size << scale;
    }

    // The picture has the screen's pixels, and at a scale above 1 it is not the 1x picture
    // stretched.
    void icons()
    {
        QFETCH(QIcon, icon);
        QFETCH(int, size);
        QFETCH(qreal, scale);
        const QPixmap pm = icon.pixmap(QSize(size, size), scale);
        const int pixels = qRound(size * scale);
        QCOMPARE(pm.size(), QSize(pixels, pixels));
        QCOMPARE(pm.devicePixelRatio(), scale);
        if (scale > 1) {
            const QImage stretched = icon.pixmap(QSize(size, size), 1.0)
                                         .toImage()
                                         .scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                         .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QVERIFY(pm.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) != stretched);
        }
    }
};

QTEST_MAIN(TestThemes)
#include "tst_themes.moc"
