#pragma once

#include <QColor>
#include <QWidget>

// A panel that paints a vertical gradient behind its contents, whatever the theme: the
// main window's strips and its welcome panel. Text on it fixes its own colour to match
// (ThemeColours::FixTextColour). A click on the panel itself is reported, for strips that
// act like a picture link.
class GradientPanel : public QWidget {
    Q_OBJECT
public:
    GradientPanel(const QColor& top, const QColor& bottom, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor m_top;
    QColor m_bottom;
};
