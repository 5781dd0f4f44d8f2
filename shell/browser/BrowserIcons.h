#pragma once

#include <QIcon>
#include <QString>

// The toolbar pictures, painted in code: "Back", "Forward", "Stop", "Refresh", "Home", "Search".
QIcon BrowserIcon(const QString& key);
