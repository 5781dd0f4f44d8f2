#include "report/ReportLinks.h"

#include "shell/modHelp.h"

#include <QRegularExpression>
#include <QUrl>

QList<LinkSpan> FindWebAddresses(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(R"((?:https?://|www\.)[^\s<>"]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    QList<LinkSpan> spans;
    auto matches = pattern.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        QString address = match.captured();
        while (!address.isEmpty() && QStringLiteral(".,;:!?)]}'").contains(address.back()))
            address.chop(1);
        const qsizetype length = address.size();
        if (address.compare(QStringLiteral("www."), Qt::CaseInsensitive) == 0 || length == 0)
            continue;
        if (address.startsWith(QStringLiteral("www."), Qt::CaseInsensitive))
            address.prepend(QStringLiteral("http://"));
        spans.append(LinkSpan{match.capturedStart(), length, address});
    }
    return spans;
}

bool IsWebAddress(const QString& address)
{
    return modHelp::IsWebAddress(QUrl(address, QUrl::StrictMode));
}
