#include "shell/Application.h"

#include "shell/Accessibility.h"
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
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
    QApplication::setStyle(new ProgramStyle);
    QApplication::setWindowIcon(Emblem::ApplicationIcon());
    InstallAccessibility();
}
