#include "report/RtfWriter.h"

#include <QColor>
#include <QList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <cmath>

namespace {

struct RunStyle {
    int font = 0;
    int colour = 0; // index into the colour table, 1-based (0 is the automatic colour)
    bool bold = false;
    int halfPoints = 20;
    bool underline = false;
    bool operator==(const RunStyle&) const = default;
};

class RtfBuilder {
public:
    explicit RtfBuilder(const QTextDocument& document) : m_document(document) {}

    QByteArray build()
    {
        // Styles first, so that both tables are complete before the header is written.
        indexOf(m_fonts, m_document.defaultFont().family());
        QByteArray bodyText;
        bool firstBlock = true;
        RunStyle current{-1, -1, false, -1, false};
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            if (!firstBlock)
                bodyText += "\\par\n";
            firstBlock = false;
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (!fragment.isValid())
                    continue;
                const RunStyle style = styleOf(fragment.charFormat());
                bodyText += switchTo(current, style);
                current = style;
                bodyText += escaped(fragment.text());
            }
        }

        QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1";
        rtf += "{\\fonttbl";
        for (int i = 0; i < m_fonts.size(); ++i)
            rtf += "{\\f" + QByteArray::number(i) + "\\fswiss\\fcharset0 " + escaped(m_fonts[i]) + ";}";
        rtf += "}\n{\\colortbl ;";
        for (const QColor& colour : m_colours) {
            rtf += "\\red" + QByteArray::number(colour.red()) + "\\green" + QByteArray::number(colour.green()) +
                   "\\blue" + QByteArray::number(colour.blue()) + ";";
        }
        rtf += "}\n\\viewkind4\\pard\\plain\n";
        rtf += bodyText;
        rtf += "\\par\n}\n";
        return rtf;
    }

private:
    RunStyle styleOf(const QTextCharFormat& format)
    {
        const QFont defaultFont = m_document.defaultFont();
        QString family = format.fontFamilies().toStringList().value(0);
        if (family.isEmpty())
            family = defaultFont.family();
        qreal points = format.fontPointSize();
        if (points <= 0)
            points = defaultFont.pointSizeF() > 0 ? defaultFont.pointSizeF() : 9.75;
        QColor colour = format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : QColor(Qt::black);

        RunStyle style;
        style.font = indexOf(m_fonts, family);
        style.colour = indexOf(m_colours, colour) + 1;
        style.bold = format.fontWeight() >= QFont::DemiBold;
        style.halfPoints = int(std::lround(points * 2));
        style.underline = format.fontUnderline();
        return style;
    }

    template <class T>
    static int indexOf(QList<T>& table, const T& value)
    {
        qsizetype index = table.indexOf(value);
        if (index < 0) {
            table.append(value);
            index = table.size() - 1;
        }
        return int(index);
    }

    static QByteArray switchTo(const RunStyle& from, const RunStyle& to)
    {
        QByteArray control;
        if (from.font != to.font)
            control += "\\f" + QByteArray::number(to.font);
        if (from.halfPoints != to.halfPoints)
            control += "\\fs" + QByteArray::number(to.halfPoints);
        if (from.colour != to.colour)
            control += "\\cf" + QByteArray::number(to.colour);
        if (from.bold != to.bold || from.font < 0)
            control += to.bold ? "\\b" : "\\b0";
        if (from.underline != to.underline || from.font < 0)
            control += to.underline ? "\\ul" : "\\ulnone";
        if (!control.isEmpty())
            control += ' ';
        return control;
    }

    static QByteArray escaped(const QString& text)
    {
        QByteArray out;
        out.reserve(text.size());
        for (QChar c : text) {
            const char16_t code = c.unicode();
            if (code == u'\\' || code == u'{' || code == u'}') {
                out += '\\';
                out += char(code);
            } else if (code == u'\t') {
                out += "\\tab ";
            } else if (code == QChar::LineSeparator || code == u'\n') {
                out += "\\line ";
            } else if (code == QChar::ParagraphSeparator) {
                out += "\\par\n";
            } else if (code < 0x20) {
                // Other control characters carry no text.
            } else if (code < 0x80) {
                out += char(code);
            } else {
                // \uN takes a signed 16-bit number. The stand-in for readers without Unicode
                // is "?" written as \'3f: some readers skip a bare "?" together with the
                // letters after it.
                out += "\\u" + QByteArray::number(qint16(code)) + "\\'3f";
            }
        }
        return out;
    }

    const QTextDocument& m_document;
    QList<QString> m_fonts;
    QList<QColor> m_colours;
};

} // namespace

QByteArray DocumentToRtf(const QTextDocument& document)
{
    return RtfBuilder(document).build();
}
