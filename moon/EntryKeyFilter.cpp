#include "moon/EntryKeyFilter.h"

#include "shell/Messages.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kEnter = 13;
constexpr char16_t kDelete = 127;

bool isAsciiLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// Whether a character may stand in the field (typed or pasted).
bool allowedInText(EntryFilter kind, char16_t c)
{
    switch (kind) {
    case EntryFilter::Letter:
        return isAsciiLetter(c) || c == u' ';
    case EntryFilter::Place:
        return isAsciiLetter(c) || c == u' ' || c == u'.';
    case EntryFilter::Digit:
        return c >= u'0' && c <= u'9';
    }
    return false;
}

// Whether a typed character passes the filter.
bool acceptedWhenTyped(EntryFilter kind, char16_t c)
{
    if (c == kBackspace)
        return true;
    if (kind == EntryFilter::Digit)
        return c == kDelete || allowedInText(kind, c);
    return c == kEnter || c == kDelete || allowedInText(kind, c);
}

QChar toCapital(QChar c)
{
    return c >= u'a' && c <= u'z' ? QChar(c.unicode() - u'a' + u'A') : c;
}

} // namespace

void EntryKeyFilter::Install(QLineEdit* field, EntryFilter kind)
{
    auto* filter = new EntryKeyFilter(field, kind);
    field->installEventFilter(filter);
    field->setValidator(new EntryValidator(kind, field));
}

EntryKeyFilter::EntryKeyFilter(QLineEdit* field, EntryFilter kind) : QObject(field), m_field(field), m_kind(kind) {}

bool EntryKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_field || event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const char16_t c = text.at(0).unicode();
    // Control characters other than Enter, Backspace and Delete (Escape...) are not typing.
    if (c < 32 && c != kBackspace && c != kEnter)
        return false;

    if (!acceptedWhenTyped(m_kind, c)) {
        if (m_kind == EntryFilter::Digit)
            ShowMessage(QStringLiteral("Please Enter Only Numbers"), MessageIcon::Error);
        else
            ShowMessage(QStringLiteral("Please Enter Only Letters"), MessageIcon::Information);
        return true;
    }
    if (m_kind != EntryFilter::Digit && c >= u'a' && c <= u'z') {
        m_field->insert(QString(toCapital(QChar(c))));
        return true;
    }
    return false;
}

EntryValidator::EntryValidator(EntryFilter kind, QObject* parent) : QValidator(parent), m_kind(kind) {}

QValidator::State EntryValidator::validate(QString& input, int&) const
{
    for (QChar& c : input) {
        if (!allowedInText(m_kind, c.unicode()))
            return Invalid;
        c = toCapital(c);
    }
    return Acceptable;
}
