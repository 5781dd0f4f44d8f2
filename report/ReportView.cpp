#include "report/ReportView.h"

#include <QKeyEvent>
#include <QMouseEvent>

ReportView::ReportView(QWidget* parent) : QTextEdit(parent)
{
    setReadOnly(true);
    // Read-only, but the keyboard moves through the text and selects part of it to print.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    viewport()->setMouseTracking(true);
}

void ReportView::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        const QString link = textCursor().charFormat().anchorHref();
        if (!link.isEmpty()) {
            event->accept();
            emit anchorClicked(QUrl(link));
            return;
        }
    }
    QTextEdit::keyPressEvent(event);
}

void ReportView::mouseMoveEvent(QMouseEvent* event)
{
    const bool overLink = !anchorAt(event->position().toPoint()).isEmpty();
    viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
    QTextEdit::mouseMoveEvent(event);
}

void ReportView::mousePressEvent(QMouseEvent* event)
{
    m_pressedAnchor = event->button() == Qt::LeftButton ? anchorAt(event->position().toPoint()) : QString();
    QTextEdit::mousePressEvent(event);
}

void ReportView::mouseReleaseEvent(QMouseEvent* event)
{
    QTextEdit::mouseReleaseEvent(event);
    // A click opens a link: pressed and released on the same one, with nothing selected
    // by dragging in between.
    if (event->button() != Qt::LeftButton || m_pressedAnchor.isEmpty())
        return;
    const QString released = anchorAt(event->position().toPoint());
    const QString pressed = std::exchange(m_pressedAnchor, QString());
    if (released == pressed && !textCursor().hasSelection())
        emit anchorClicked(QUrl(released));
}
