#include "shell/browser/SearchForm.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace SearchForm {

QString PageHtml(const QUrl& searchAddress)
{
    const QString action = searchAddress.toString(QUrl::FullyEncoded).toHtmlEscaped();
    const QString home = searchAddress.resolved(QUrl(QStringLiteral("/"))).toString(QUrl::FullyEncoded).toHtmlEscaped();
    // The form submits UTF-8 and says so in "ie" and "oe": a place name in any script
    // reaches the search service as typed.
    return QStringLiteral(
               "<center>"
               "<form method=\"get\" action=\"%1\" target=\"_top\" accept-charset=\"UTF-8\">"
               "<table bgcolor=\"#FFFFFF\"><tr><td nowrap=\"nowrap\" valign=\"top\" align=\"left\" height=\"32\">"
               "<a href=\"%2\"><span style=\"font: bold 26px sans-serif; color: #3366CC\">Google</span></a>"
               "</td><td nowrap=\"nowrap\">"
               "<input type=\"hidden\" name=\"client\" value=\"\"></input>"
               "<input type=\"hidden\" name=\"forid\" value=\"1\"></input>"
               "<input type=\"hidden\" name=\"ie\" value=\"UTF-8\"></input>"
               "<input type=\"hidden\" name=\"oe\" value=\"UTF-8\"></input>"
               "<input type=\"hidden\" name=\"cof\" value=\"GALT:#008000;GL:1;DIV:#336699;VLC:663399;AH:center;"
               "BGC:FFFFFF;LBGC:336699;ALC:0000FF;LC:0000FF;T:000000;GFNT:0000FF;GIMP:0000FF;FORID:1;\"></input>"
               "<input type=\"hidden\" name=\"hl\" value=\"en\"></input>"
               "<input type=\"text\" name=\"q\" size=\"31\" maxlength=\"255\" value=\"\"></input>"
               "<input type=\"submit\" name=\"sa\" value=\"Search\"></input>"
               "</td></tr></table>"
               "</form>"
               "</center>")
        .arg(action, home);
}

QString SubmitScript(const QString& pageHtml, const QString& searchText)
{
    const QByteArray arguments =
        QJsonDocument(QJsonArray{pageHtml, searchText}).toJson(QJsonDocument::Compact);
    return QStringLiteral("(function (page, text) {"
                          " document.body.innerHTML = page;"
                          " document.getElementsByName('q')[0].value = text;"
                          " document.getElementsByName('sa')[0].click();"
                          "}).apply(null, %1);")
        .arg(QString::fromUtf8(arguments));
}

} // namespace SearchForm
