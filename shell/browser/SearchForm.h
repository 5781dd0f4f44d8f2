#pragma once

#include <QString>
#include <QUrl>

// The page that the browser writes into its empty start page: a search form that submits
// the place search to the search service.
namespace SearchForm {

// The form's HTML, submitting with method get and target _top to searchAddress.
QString PageHtml(const QUrl& searchAddress);

// The script that replaces the body of the current page with pageHtml, puts searchText
// into the field "q" and clicks "sa". Both texts reach the script only as JSON string
// literals, so nothing in them is ever run as script or parsed as markup.
QString SubmitScript(const QString& pageHtml, const QString& searchText);

} // namespace SearchForm
