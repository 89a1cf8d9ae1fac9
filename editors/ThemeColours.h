#pragma once

// The few colours of the program's own look (the blue heading band of the forms, the red of a
// failed read, the red of a refused row), chosen per palette so that text stays readable on a
// light, a dark and a high-contrast desktop. Everything else takes its colours from the
// palette as it is.

#include <QColor>
#include <QPalette>

class QWidget;

namespace zqv {

enum class ThemeRole {
    Heading,  // the band over a form or a group of fields
    ReadOnly,  // a field that shows a value but takes no typing
    Field,  // the page a form's fields sit on
    Refusal,  // text of a row that was refused, on the list's page
    Failure,  // the bar of an operation that failed
};

struct ThemeColourPair {
    QColor text;
    QColor background;
};

// The text and background colours for `role` under `palette`. A palette in which the
// program's own choice would fall below a contrast of 4.5:1 gets the palette's own pair.
ThemeColourPair ThemeColours(ThemeRole role, const QPalette &palette);

// Relative-luminance contrast ratio of two colours, 1 (none) to 21 (black on white).
double ContrastRatio(const QColor &a, const QColor &b);

// True for a palette whose window is darker than its text.
bool IsDarkPalette(const QPalette &palette);

// Sets Window/Base and (but for disabled controls) WindowText/Text of `palette` to the pair
// of `role`.
void ApplyThemeColours(QPalette &palette, ThemeRole role);

// Gives `widget` the pair of `role` on its palette, and gives it the pair again whenever the
// program's palette changes (another appearance chosen, the desktop's theme switched), so an
// open form follows the change at once.
void PaintThemed(QWidget *widget, ThemeRole role);

}  // namespace zqv
