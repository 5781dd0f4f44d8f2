#pragma once

#include <QColor>
#include <QIcon>
#include <QString>
#include <QWidget>

// A round, shaded badge with a symbol in its middle: the program's logo and the
// decorative pictures of the main window. Painted, so start-up loads no image files.
class QPainter;

class Emblem : public QWidget {
public:
    // An empty symbol stands for the logo's heart.
    Emblem(const QString& symbol, QColor colour, int diameter, QWidget* parent = nullptr);

    // The program's logo at the given size, and the same badge as its window icon.
    static Emblem* MakeLogo(int diameter);
    static QIcon ApplicationIcon();

    // Paints the logo badge into the area. The window icon is painted by this, and so is
    // the installed SVG icon (app/EmblemSvg.cpp renders it at build time), so the desktop's
    // icon and the window's icon are one drawing.
    static void PaintLogo(QPainter& painter, const QRectF& area);

    QSize sizeHint() const override { return maximumSize(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The shaded round badge; returns the circle that the symbol goes into.
    static QRectF paintBadge(QPainter& painter, const QRectF& area, const QColor& colour);
    static void paint(QPainter& painter, const QRectF& area, const QString& symbol, const QColor& colour);

    QString m_symbol;
    QColor m_colour;
};
