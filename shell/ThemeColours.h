#pragma once

#include <QColor>

class QEvent;
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
// colour itself where it has 4.5:1 there (in a light theme), otherwise blended toward the
// palette's own text colour until it has (in a dark one). A colour fixed with
// FixTextColour wins. The window that holds the widget works the colour out again with
// ApplyAccents when it is shown and whenever its palette or style changes.
void UseAccent(QWidget* widget, const QColor& accent);

// Shows the widget's text in the palette's link colour, made to read in the same way.
void UseLinkColour(QWidget* widget);

// Works out the accent colours of every widget inside the window for its present palette.
void ApplyAccents(QWidget* window);

// Works the window's accents out again when the event calls for it: the window is shown,
// or its palette or style changed. Windows call it from their own event().
void FollowTheme(QWidget* window, const QEvent* event);

// Fixes the colour of the widget's text (its foreground, window text and link colours),
// for text that stands on a background the theme does not change. No accent or theme
// change alters it afterwards.
void FixTextColour(QWidget* widget, const QColor& colour);

// Fixes the widget's text and background colours together (text, window text, base and
// window), so no theme can put the one on a background it does not read on.
void FixColours(QWidget* widget, const QColor& text, const QColor& background);

} // namespace ThemeColours
