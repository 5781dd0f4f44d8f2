#include "shell/CopyGuard.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

void emptyClipboards()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear(QClipboard::Clipboard);
    if (clipboard->supportsSelection())
        clipboard->clear(QClipboard::Selection);
}

// A box writes the X11 mouse selection after its own handling of a mouse release, so that
// one is emptied again once the handling is over.
void emptyClipboardsNowAndAfterwards()
{
    emptyClipboards();
    if (QGuiApplication::clipboard()->supportsSelection()) {
        QMetaObject::invokeMethod(
            qApp, [] { QGuiApplication::clipboard()->clear(QClipboard::Selection); }, Qt::QueuedConnection);
    }
}

bool isCopyKey(const QKeyEvent* key)
{
    return key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut);
}

void clearSelection(QWidget* box)
{
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->deselect();
    } else if (auto* text = qobject_cast<QTextEdit*>(box)) {
        QTextCursor cursor = text->textCursor();
        cursor.clearSelection();
        text->setTextCursor(cursor);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
        QTextCursor cursor = plain->textCursor();
        cursor.clearSelection();
        plain->setTextCursor(cursor);
    }
}

class CopyGuard : public QObject {
public:
    explicit CopyGuard(QWidget* box) : QObject(box), m_box(box) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
            if (isCopyKey(static_cast<QKeyEvent*>(event))) {
                // Taken by the guard: no copy, and no shortcut elsewhere acts on it either.
                event->accept();
                return true;
            }
            break;
        case QEvent::MouseButtonPress:
            // A press inside a selection would start dragging the text out.
            clearSelection(m_box);
            emptyClipboardsNowAndAfterwards();
            break;
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            emptyClipboardsNowAndAfterwards();
            break;
        case QEvent::ContextMenu:
            return true;
        default:
            break;
        }
        return false;
    }

private:
    QWidget* m_box;
};

} // namespace

void GuardAgainstCopying(QWidget* box)
{
    auto* guard = new CopyGuard(box);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setMouseTracking(true);
    box->installEventFilter(guard);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(box)) {
        // Mouse events arrive at the text area's viewport.
        area->viewport()->setMouseTracking(true);
        area->viewport()->installEventFilter(guard);
    }
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        QObject::connect(line, &QLineEdit::textChanged, guard, &emptyClipboards);
        QObject::connect(line, &QLineEdit::selectionChanged, guard, &emptyClipboardsNowAndAfterwards);
    } else if (auto* text = qobject_cast<QTextEdit*>(box)) {
        QObject::connect(text, &QTextEdit::textChanged, guard, &emptyClipboards);
        QObject::connect(text, &QTextEdit::selectionChanged, guard, &emptyClipboardsNowAndAfterwards);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
        QObject::connect(plain, &QPlainTextEdit::textChanged, guard, &emptyClipboards);
        QObject::connect(plain, &QPlainTextEdit::selectionChanged, guard, &emptyClipboardsNowAndAfterwards);
    }
}
