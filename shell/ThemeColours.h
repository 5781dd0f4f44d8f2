#pragma once

#include <QColor>

class QWidget;

// Text colours that read well in any theme, light or dark. A colour the program's
// description fixes comes with the background it needs; every other colour comes from
// the palette.
namespace ThemeColours {

// The contrast ratio of two colours as the Web Content Accessibility Guidelines define
// it: 1 (the same) to 21 (black on white). Body text needs 4.5.
double ContrastRatio(const QColor& first, const QColor& second);

// Shows the widget's text in a colour of the screen's design, made to read on the
// palette's window colour and on the panels styles draw a shade lighter or darker: the
// colour itself where it has 4.5:1 there, otherwise blended toward the palette's own text
// colour until it has. Follows theme changes; a colour set in the widget's own style
// sheet wins.
void UseAccent(QWidget* widget, const QColor& accent);

// Shows the widget's text in the palette's link colour, made to read in the same way.
void UseLinkColour(QWidget* widget);

// Fixes the widget's text and background colours together (text, window text, base and
// window), so no theme can put the one on a background it does not read on.
void FixColours(QWidget* widget, const QColor& text, const QColor& background);

} // namespace ThemeColours
