// Starts exactly as the program does, then quits once the main window has been shown.
#include "shell/Application.h"
#include "app/ProgramCatalog.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"

#include <QApplication>
#include <QDate>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ConfigureApplication();
    modHelp::UpdateReminder(QDate::currentDate());

    frmMDI main;
    RegisterProgramWindows(main);
    main.showMaximized();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
