#pragma once

#include <QList>
#include <QString>

// Where web addresses stand in a text: http://, https:// and www. addresses, without the
// punctuation that usually follows an address in prose.
struct LinkSpan {
    qsizetype start;
    qsizetype length;
    QString address; // what a click opens; "www." addresses get "http://" in front
};

QList<LinkSpan> FindWebAddresses(const QString& text);

// Whether an address may be handed to the desktop: only web addresses ever are.
bool IsWebAddress(const QString& address);
