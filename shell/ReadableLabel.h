#pragma once

#include <QLabel>

// A label that holds a result or a reading and that the keyboard reaches: it is a stop of
// its window's Tab round, draws a focus frame, and its text can be selected from the
// keyboard. A screen reader announces it when it takes the focus, so what a result screen
// shows is heard, not only seen.
class ReadableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ReadableLabel(const QString& text = {}, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Draws the keyboard focus frame of a label in its own text colour, which reads on its
// background whatever the theme.
void PaintFocusFrame(QLabel& label);
