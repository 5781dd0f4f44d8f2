#include "app/Startup.h"

#include "app/ProgramCatalog.h"
#include "shell/Application.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"

#include <QDate>
#include <QScreen>

void PrepareApplication()
{
    ConfigureApplication();
    modHelp::UpdateReminder(QDate::currentDate());
}

void ShowMainWindow(frmMDI& main)
{
    RegisterProgramWindows(main);
    if (const QScreen* screen = main.screen())
        main.setGeometry(screen->availableGeometry());
    main.showMaximized();
}
