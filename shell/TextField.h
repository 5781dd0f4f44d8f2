#pragma once

#include <QLineEdit>

// A one-line text field (typed in or read-only) that works from the keyboard and with a
// screen reader:
// - an Alt+letter that no control claims types nothing; Qt on X11 would type the letter;
// - a screen reader announces the field on its first visit too.
class TextField : public QLineEdit {
    Q_OBJECT
public:
    explicit TextField(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
