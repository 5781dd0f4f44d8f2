#include "shell/Application.h"

#include "shell/Emblem.h"
#include "shell/ProgramStyle.h"
#include "shell/Version.h"
#include "shell/modHelp.h"

#include <QApplication>
#include <QFont>

void ConfigureApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("zel-compatibility"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZEL_VERSION));
    // The desktop matches the windows to the installed launcher <id>.desktop by this name.
    QGuiApplication::setDesktopFileName(modHelp::ApplicationId);
    // Where Verdana is missing, DejaVu Sans stands in, and Symbola draws what DejaVu Sans
    // lacks (most emoji). Symbola comes before the desktop's own choice, often a colour
    // emoji font, whose pictures a printed report cannot carry: they left blank gaps.
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Symbola")});
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
    QApplication::setStyle(new ProgramStyle);
    QApplication::setWindowIcon(Emblem::ApplicationIcon());
}
