#include "ThemeColours.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <cmath>

namespace zqv {

namespace {

constexpr double kMinContrast = 4.5;

// The property that names the role a widget is painted with (PaintThemed).
constexpr char kThemeRoleProperty[] = "themeRole";

// Paints every widget of PaintThemed again when the program's palette changes. A widget with
// colours of its own hears nothing of the change itself, so this listens to the application.
// The pair is taken from the new palette: the widget's own palette still holds the old pair.
class CThemeKeeper : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != qApp || event->type() != QEvent::ApplicationPaletteChange)
            return false;
        const auto widgets = QApplication::allWidgets();
        for (QWidget *widget : widgets) {
            const QVariant role = widget->property(kThemeRoleProperty);
            if (!role.isValid())
                continue;
            QPalette palette = QApplication::palette(widget);
            ApplyThemeColours(palette, static_cast<ThemeRole>(role.toInt()));
            widget->setPalette(palette);
        }
        return false;
    }
};

double Channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * Channel(rgb.red()) + 0.7152 * Channel(rgb.green()) + 0.0722 * Channel(rgb.blue());
}

bool Readable(const ThemeColourPair &pair)
{
    return ContrastRatio(pair.text, pair.background) >= kMinContrast;
}

// The program's own pick for a light and for a dark palette.
ThemeColourPair OwnPick(ThemeRole role, const QPalette &palette, bool dark)
{
    switch (role) {
    case ThemeRole::Heading: return {Qt::white, dark ? QColor(0x2c, 0x4a, 0x8a) : QColor(0x3a, 0x5a, 0xa8)};
    case ThemeRole::ReadOnly:
        // The face of a control: grey on a light desktop, so that it does not look as if it
        // took typing.
        return {palette.color(QPalette::ButtonText), palette.color(QPalette::Button)};
    case ThemeRole::Field: return {palette.color(QPalette::Text), palette.color(QPalette::Base)};
    case ThemeRole::Refusal:
        return {dark ? QColor(0xff, 0x8a, 0x80) : QColor(0xb0, 0x00, 0x00), palette.color(QPalette::Base)};
    case ThemeRole::Failure: return {Qt::white, QColor(0xc0, 0x00, 0x00)};
    }
    return {palette.color(QPalette::WindowText), palette.color(QPalette::Window)};
}

}  // namespace

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

bool IsDarkPalette(const QPalette &palette)
{
    return Luminance(palette.color(QPalette::Window)) < Luminance(palette.color(QPalette::WindowText));
}

ThemeColourPair ThemeColours(ThemeRole role, const QPalette &palette)
{
    const ThemeColourPair own = OwnPick(role, palette, IsDarkPalette(palette));
    if (Readable(own))
        return own;
    // A high-contrast palette, or one whose own pairs are weak: the palette's strongest pair
    // among those that keep the role recognisable.
    const ThemeColourPair candidates[] = {
        {palette.color(QPalette::HighlightedText), palette.color(QPalette::Highlight)},
        {palette.color(QPalette::Text), palette.color(QPalette::Base)},
        {palette.color(QPalette::WindowText), palette.color(QPalette::Window)},
    };
    const bool band = role == ThemeRole::Heading || role == ThemeRole::Failure;
    const ThemeColourPair *best = nullptr;
    for (const ThemeColourPair &pair : candidates) {
        if (!band && &pair == &candidates[0])
            continue;
        if (Readable(pair))
            return pair;
        if (!best || ContrastRatio(pair.text, pair.background) > ContrastRatio(best->text, best->background))
            best = &pair;
    }
    // No pair of the palette is readable: black or white, whichever stands out more.
    const QColor background = best->background;
    return {ContrastRatio(Qt::black, background) >= ContrastRatio(Qt::white, background) ? QColor(Qt::black)
                                                                                         : QColor(Qt::white),
            background};
}

void ApplyThemeColours(QPalette &palette, ThemeRole role)
{
    const ThemeColourPair pair = ThemeColours(role, palette);
    palette.setColor(QPalette::Window, pair.background);
    palette.setColor(QPalette::Base, pair.background);
    // Disabled text keeps the palette's own dimmed colour, so a disabled control still
    // looks disabled.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, pair.text);
        palette.setColor(group, QPalette::Text, pair.text);
    }
}

void PaintThemed(QWidget *widget, ThemeRole role)
{
    QPalette palette = widget->palette();
    ApplyThemeColours(palette, role);
    widget->setPalette(palette);
    widget->setProperty(kThemeRoleProperty, static_cast<int>(role));
    static QPointer<CThemeKeeper> keeper;
    if (!keeper && qApp) {
        keeper = new CThemeKeeper(qApp);
        qApp->installEventFilter(keeper);
    }
}

}  // namespace zqv
