#pragma once

#include <QString>

// Removes leading and trailing blanks (spaces only), the way entered text is stored.
inline QString TrimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

// Text the user typed, made fit for a place where Qt reads "&" as an access-key marker
// (group box titles, buttons, tabs): each "&" is doubled, so it shows as typed and claims
// no key.
inline QString CaptionText(QString text)
{
    return text.replace(u'&', QStringLiteral("&&"));
}
