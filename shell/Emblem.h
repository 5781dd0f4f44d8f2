#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// A round, shaded badge with a symbol in its middle: the program's logo and the
// decorative pictures of the main window. Painted, so start-up loads no image files.
class Emblem : public QWidget {
public:
    Emblem(const QString& symbol, QColor colour, int diameter, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_symbol;
    QColor m_colour;
};
