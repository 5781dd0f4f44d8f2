#pragma once

#include <QByteArray>

class QTextDocument;

// Writes a document as Rich Text Format: a font and a colour table, then each paragraph's
// runs with their bold, colour and size. Backslashes and braces are escaped and every
// character outside ASCII is written as a Unicode escape, so any text survives.
QByteArray DocumentToRtf(const QTextDocument& document);
