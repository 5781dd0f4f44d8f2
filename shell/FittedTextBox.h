#pragma once

#include <QPlainTextEdit>

// A read-only box of plain text that is as tall as its text at the width it is given, so a
// short text leaves no empty box and the window around it needs less room; its scroll bar
// takes over when the window leaves it less than that.
class FittedTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit FittedTextBox(int minimumLines, QWidget* parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int heightFor(int textWidth, int lines) const;
    int m_minimumLines;
};
