#pragma once

#include <QColor>
#include <QString>
#include <QTextCursor>

class QTextEdit;

// Colours of the 16-colour palette that reports use.
namespace ReportColour {
inline const QColor Black(0, 0, 0);
inline const QColor DarkRed(128, 0, 0);
inline const QColor DarkCyan(0, 128, 128);
inline const QColor DarkMagenta(128, 0, 128);
} // namespace ReportColour

// Appends runs of text to a report view at its insertion point, each run taking the
// attributes set just before it, like typing into the view.
class ReportComposer {
public:
    explicit ReportComposer(QTextEdit* view);

    void setBold(bool bold);
    void setColour(const QColor& colour);

    // Writes text with the current attributes; "\r\n" (or a lone "\n") starts a new line.
    void write(const QString& text);
    // Writes count line breaks.
    void lineBreak(int count = 1);
    // Moves the insertion point to the end of the document.
    void moveToEnd();

private:
    QTextEdit* m_view;
    QTextCursor m_cursor;
    QTextCharFormat m_format;
};
