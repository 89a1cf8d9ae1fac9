#include "Appearance.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace zqv {

namespace {

// What the desktop gave the program before a look of its own replaced it.
struct DesktopLook {
    bool saved = false;
    QString style;
    QPalette palette;
};

DesktopLook &Desktop()
{
    static DesktopLook look;
    return look;
}

// The window colour of the high-contrast page hides the frames a style derives from it (black
// made darker is still black). This style draws every field, button, box, list, menu and tip
// with a frame in the text colour, and the one with the keyboard focus with a thick frame in the
// selection colour.
class CHighContrastStyle : public QProxyStyle {
public:
    CHighContrastStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
        setObjectName(QStringLiteral("HighContrast"));
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        switch (element) {
        case PE_FrameFocusRect: Frame(painter, option->rect, option->palette, true); return;
        case PE_FrameLineEdit:
        case PE_PanelButtonCommand:
        case PE_FrameGroupBox:
        case PE_FrameTabWidget:
        case PE_FrameMenu:
        case PE_PanelMenu:
        case PE_PanelTipLabel:
        case PE_Frame:
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            Frame(painter, option->rect, option->palette, option->state & State_HasFocus);
            return;
        case PE_IndicatorCheckBox:
        case PE_IndicatorRadioButton:
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            Frame(painter, option->rect, option->palette, false, element == PE_IndicatorRadioButton);
            return;
        default: QProxyStyle::drawPrimitive(element, option, painter, widget);
        }
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element == CE_HeaderSection)
            Frame(painter, option->rect, option->palette, false);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control == CC_ComboBox || control == CC_SpinBox)
            Frame(painter, option->rect, option->palette, option->state & State_HasFocus);
        else if (control == CC_ScrollBar)
            Frame(painter, subControlRect(control, option, SC_ScrollBarSlider, widget), option->palette, false);
    }

private:
    static void Frame(QPainter *painter, const QRect &rect, const QPalette &palette, bool focus, bool round = false)
    {
        if (rect.isEmpty())
            return;
        const qreal width = focus ? 2 : 1;
        painter->save();
        QPen pen(palette.color(focus ? QPalette::Highlight : QPalette::WindowText), width);
        pen.setJoinStyle(Qt::MiterJoin);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        const QRectF inner = QRectF(rect).adjusted(width / 2, width / 2, -width / 2, -width / 2);
        if (round) {
            painter->setRenderHint(QPainter::Antialiasing);
            painter->drawEllipse(inner);
        } else {
            painter->drawRect(inner);
        }
        painter->restore();
    }
};

struct RoleColour {
    QPalette::ColorRole role;
    QRgb active;  // active and inactive windows
    QRgb disabled;
};

QPalette MakePalette(std::initializer_list<RoleColour> colours)
{
    QPalette palette;
    for (const RoleColour &c : colours) {
        palette.setColor(QPalette::Active, c.role, QColor::fromRgb(c.active));
        palette.setColor(QPalette::Inactive, c.role, QColor::fromRgb(c.active));
        palette.setColor(QPalette::Disabled, c.role, QColor::fromRgb(c.disabled));
    }
    return palette;
}

QPalette DarkPalette()
{
    return MakePalette({
        {QPalette::Window, 0xff2d2d2d, 0xff2d2d2d},
        {QPalette::WindowText, 0xffeeeeee, 0xff8a8a8a},
        {QPalette::Base, 0xff1e1e1e, 0xff262626},
        {QPalette::AlternateBase, 0xff262626, 0xff2a2a2a},
        {QPalette::ToolTipBase, 0xff3a3a3a, 0xff3a3a3a},
        {QPalette::ToolTipText, 0xffeeeeee, 0xffeeeeee},
        {QPalette::PlaceholderText, 0xffa0a0a0, 0xff707070},
        {QPalette::Text, 0xffeeeeee, 0xff8a8a8a},
        {QPalette::Button, 0xff3a3a3a, 0xff333333},
        {QPalette::ButtonText, 0xffeeeeee, 0xff8a8a8a},
        {QPalette::BrightText, 0xffff8a80, 0xffff8a80},
        {QPalette::Light, 0xff5a5a5a, 0xff4a4a4a},
        {QPalette::Midlight, 0xff464646, 0xff3e3e3e},
        {QPalette::Mid, 0xff262626, 0xff262626},
        {QPalette::Dark, 0xff1a1a1a, 0xff1a1a1a},
        {QPalette::Shadow, 0xff000000, 0xff000000},
        {QPalette::Highlight, 0xff2f65ca, 0xff4a4a4a},
        {QPalette::HighlightedText, 0xffffffff, 0xffb0b0b0},
        {QPalette::Link, 0xff7ab8ff, 0xff7a8aa0},
        {QPalette::LinkVisited, 0xffc8a0ff, 0xff9a8aa0},
    });
}

QPalette HighContrastPalette()
{
    return MakePalette({
        {QPalette::Window, 0xff000000, 0xff000000},
        {QPalette::WindowText, 0xffffffff, 0xffa0a0a0},
        {QPalette::Base, 0xff000000, 0xff000000},
        {QPalette::AlternateBase, 0xff1c1c1c, 0xff1c1c1c},
        {QPalette::ToolTipBase, 0xff000000, 0xff000000},
        {QPalette::ToolTipText, 0xffffffff, 0xffffffff},
        {QPalette::PlaceholderText, 0xffc8c8c8, 0xffa0a0a0},
        {QPalette::Text, 0xffffffff, 0xffa0a0a0},
        {QPalette::Button, 0xff000000, 0xff000000},
        {QPalette::ButtonText, 0xffffffff, 0xffa0a0a0},
        {QPalette::BrightText, 0xffffff00, 0xffffff00},
        {QPalette::Light, 0xffffffff, 0xffa0a0a0},
        {QPalette::Midlight, 0xffc0c0c0, 0xff808080},
        {QPalette::Mid, 0xff808080, 0xff808080},
        {QPalette::Dark, 0xff808080, 0xff808080},
        {QPalette::Shadow, 0xffffffff, 0xffa0a0a0},
        {QPalette::Highlight, 0xffffff00, 0xffa0a0a0},
        {QPalette::HighlightedText, 0xff000000, 0xff000000},
        {QPalette::Link, 0xff00ffff, 0xffa0a0a0},
        {QPalette::LinkVisited, 0xffff80ff, 0xffa0a0a0},
    });
}

}  // namespace

Appearance ReadAppearance(const CConfigStore &store)
{
    switch (store.ReadDword(config::AppearanceChoice).value_or(0)) {
    case 1: return Appearance::Dark;
    case 2: return Appearance::HighContrast;
    default: return Appearance::Desktop;
    }
}

void WriteAppearance(CConfigStore &store, Appearance appearance)
{
    store.Write(config::AppearanceChoice, static_cast<quint32>(appearance));
}

QPalette AppearancePalette(Appearance appearance)
{
    switch (appearance) {
    case Appearance::Dark: return DarkPalette();
    case Appearance::HighContrast: return HighContrastPalette();
    case Appearance::Desktop: break;
    }
    return Desktop().saved ? Desktop().palette : QApplication::palette();
}

void ApplyAppearance(Appearance appearance)
{
    DesktopLook &desktop = Desktop();
    if (appearance == Appearance::Desktop && !desktop.saved)
        return;  // nothing of the program's own was ever applied
    if (!desktop.saved) {
        desktop.style = QApplication::style()->name();
        desktop.palette = QApplication::palette();
        desktop.saved = true;
    }
    // The look's own colours need a style that paints with the palette as given; Fusion does,
    // whatever the desktop's style.
    QStyle *style = nullptr;
    switch (appearance) {
    case Appearance::Desktop: style = QStyleFactory::create(desktop.style); break;
    case Appearance::Dark: style = QStyleFactory::create(QStringLiteral("Fusion")); break;
    case Appearance::HighContrast: style = new CHighContrastStyle; break;
    }
    if (style)
        QApplication::setStyle(style);
    QApplication::setPalette(AppearancePalette(appearance));
}

}  // namespace zqv
