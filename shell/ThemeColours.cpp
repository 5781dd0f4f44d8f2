#include "shell/ThemeColours.h"

#include <QApplication>
#include <QEvent>
#include <QLinearGradient>
#include <QPalette>
#include <QPointer>
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

// Applies the accent again once a new theme or a new parent has settled.
class AccentFollower : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Polish:
            // First shown: the accent is worked out now, not when the widget is made, so
            // widgets whose colour is fixed meanwhile never compute one.
            applyAccent(static_cast<QWidget*>(watched));
            break;
        case QEvent::ApplicationPaletteChange:
        case QEvent::ParentChange:
        case QEvent::StyleChange: {
            QPointer<QWidget> widget = static_cast<QWidget*>(watched);
            QMetaObject::invokeMethod(
                this, [widget] { if (widget) applyAccent(widget); }, Qt::QueuedConnection);
            break;
        }
        default:
            break;
        }
        return false;
    }
};

AccentFollower* follower()
{
    static auto* instance = new AccentFollower(qApp);
    return instance;
}

} // namespace

double ContrastRatio(const QColor& first, const QColor& second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

namespace {

void follow(QWidget* widget, const QVariant& accent)
{
    const bool following = widget->property(kAccentProperty).isValid();
    widget->setProperty(kAccentProperty, accent);
    if (widget->testAttribute(Qt::WA_WState_Polished))
        applyAccent(widget);
    if (!following)
        widget->installEventFilter(follower());
}

} // namespace

void UseAccent(QWidget* widget, const QColor& accent)
{
    follow(widget, accent);
}

void UseLinkColour(QWidget* widget)
{
    widget->setForegroundRole(QPalette::Link);
    follow(widget, int(QPalette::Link));
}

void FixTextColour(QWidget* widget, const QColor& colour)
{
    widget->setProperty(kFixedProperty, true);
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {widget->foregroundRole(), QPalette::WindowText, QPalette::Link})
        palette.setColor(role, colour);
    widget->setPalette(palette);
}

void FixBackground(QWidget* widget, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    // The gradient goes in a role that the controls inside never draw their frames from
    // (styles take button outlines from the window colour), and is made the background.
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::AlternateBase, gradient);
    widget->setPalette(palette);
    widget->setBackgroundRole(QPalette::AlternateBase);
    widget->setAutoFillBackground(true);
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
