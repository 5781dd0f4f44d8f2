#include "shell/ThemeColours.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QWidget>

#include <cmath>

namespace ThemeColours {

namespace {

constexpr double kBodyTextContrast = 4.5;
constexpr double kPanelShade = 0.2;
constexpr const char* kAccentProperty = "zelAccentColour";
constexpr const char* kFixedProperty = "zelFixedColour";

double channel(double value)
{
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

QColor blend(const QColor& from, const QColor& to, double share)
{
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * share),
                            float(a.greenF() + (b.greenF() - a.greenF()) * share),
                            float(a.blueF() + (b.blueF() - a.blueF()) * share));
}

void applyAccent(QWidget* widget)
{
    // A fixed colour wins.
    if (widget->property(kFixedProperty).toBool())
        return;
    // The colours the widget would have without an accent: its parent's, or the theme's.
    const QPalette around = widget->parentWidget() ? widget->parentWidget()->palette() : QApplication::palette(widget);
    const QVariant wanted = widget->property(kAccentProperty);
    const QColor accent = wanted.typeId() == QMetaType::QColor ? wanted.value<QColor>()
                                                               : around.color(QPalette::ColorRole(wanted.toInt()));
    const QColor background = around.color(QPalette::Window);
    const QColor text = around.color(QPalette::WindowText);
    // Styles draw frames and tab pages a shade toward the text colour; the accent reads
    // on those panels too.
    const QColor panel = blend(background, text, kPanelShade);
    const auto readable = [&](const QColor& colour) {
        return std::min(ContrastRatio(colour, background), ContrastRatio(colour, panel)) >= kBodyTextContrast;
    };
    QColor shown = accent;
    for (int step = 1; step <= 20 && !readable(shown); ++step)
        shown = blend(accent, text, step / 20.0);
    QPalette palette = widget->palette();
    if (palette.color(widget->foregroundRole()) == shown)
        return;
    palette.setColor(widget->foregroundRole(), shown);
    widget->setPalette(palette);
}

} // namespace

double ContrastRatio(const QColor& first, const QColor& second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

void UseAccent(QWidget* widget, const QColor& accent)
{
    widget->setProperty(kAccentProperty, accent);
    if (widget->isVisible())
        applyAccent(widget);
}

void UseLinkColour(QWidget* widget)
{
    widget->setForegroundRole(QPalette::Link);
    widget->setProperty(kAccentProperty, int(QPalette::Link));
    if (widget->isVisible())
        applyAccent(widget);
}

void ApplyAccents(QWidget* window)
{
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->property(kAccentProperty).isValid())
            applyAccent(widget);
    }
}

void FollowTheme(QWidget* window, const QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        ApplyAccents(window);
        break;
    default:
        break;
    }
}

void FixTextColour(QWidget* widget, const QColor& colour)
{
    widget->setProperty(kFixedProperty, true);
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {widget->foregroundRole(), QPalette::WindowText, QPalette::Link})
        palette.setColor(role, colour);
    widget->setPalette(palette);
}

void FixColours(QWidget* widget, const QColor& text, const QColor& background)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText})
        palette.setColor(role, text);
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window})
        palette.setColor(role, background);
    widget->setPalette(palette);
}

} // namespace ThemeColours
