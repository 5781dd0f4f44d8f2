#include "shell/FittedTextBox.h"

#include <QScrollBar>

FittedTextBox::FittedTextBox(int minimumLines, QWidget* parent)
    : QPlainTextEdit(parent), m_minimumLines(minimumLines)
{
    setReadOnly(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);
    connect(document(), &QTextDocument::contentsChanged, this, &QWidget::updateGeometry);
}

int FittedTextBox::heightFor(int textWidth, int lines) const
{
    const int margin = int(document()->documentMargin());
    const int frame = 2 * frameWidth() + 2 * margin + contentsMargins().top() + contentsMargins().bottom();
    const int minimum = fontMetrics().lineSpacing() * lines + frame;
    if (textWidth <= 0)
        return minimum;
    const QRect room(0, 0, textWidth, QWIDGETSIZE_MAX);
    const int text = fontMetrics().boundingRect(room, Qt::TextWordWrap, toPlainText()).height();
    return qMax(minimum, text + frame);
}

int FittedTextBox::heightForWidth(int width) const
{
    // The text wraps inside the frame, the margins and the scroll bar beside it.
    const int scrollBar = verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff ? 0 : verticalScrollBar()->sizeHint().width();
    const int margin = int(document()->documentMargin());
    return heightFor(width - 2 * frameWidth() - 2 * margin - scrollBar, m_minimumLines);
}

QSize FittedTextBox::sizeHint() const
{
    const QSize hint = QPlainTextEdit::sizeHint();
    return QSize(hint.width(), heightForWidth(width() > 0 ? width() : hint.width()));
}

QSize FittedTextBox::minimumSizeHint() const
{
    return QSize(QPlainTextEdit::minimumSizeHint().width(), heightFor(0, m_minimumLines));
}
