#include "shell/Application.h"

#include "shell/Emblem.h"

#include <QApplication>
#include <QFont>

void ConfigureApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("zel-compatibility"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.95"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
    QApplication::setWindowIcon(Emblem::ApplicationIcon());
}
