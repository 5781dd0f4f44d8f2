#include "report/ReportComposer.h"

#include <QTextEdit>

ReportComposer::ReportComposer(QTextEdit* view) : m_view(view), m_cursor(view->textCursor())
{
    m_format.setFontWeight(QFont::Normal);
    m_format.setForeground(ReportColour::Black);
}

void ReportComposer::setBold(bool bold)
{
    m_format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
}

void ReportComposer::setColour(const QColor& colour)
{
    m_format.setForeground(colour);
}

void ReportComposer::write(const QString& text)
{
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList lines = normalised.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            m_cursor.insertBlock();
        if (!lines[i].isEmpty())
            m_cursor.insertText(lines[i], m_format);
    }
    m_view->setTextCursor(m_cursor);
}

void ReportComposer::lineBreak(int count)
{
    for (int i = 0; i < count; ++i)
        m_cursor.insertBlock();
    m_view->setTextCursor(m_cursor);
}

void ReportComposer::moveToEnd()
{
    m_cursor.movePosition(QTextCursor::End);
    m_view->setTextCursor(m_cursor);
}
