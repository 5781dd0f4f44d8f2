#include "shell/Application.h"
#include "shell/ProgramCatalog.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"

#include <QApplication>
#include <QDate>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ConfigureApplication();
    modHelp::UpdateReminder(QDate::currentDate());

    frmMDI main;
    RegisterProgramWindows(main);
    main.showMaximized();
    return app.exec();
}
