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
    // Maximised, but restored to a window well inside the screen: its title bar and edges
    // stay on the screen when the user un-maximises it.
    if (const QScreen* screen = main.screen()) {
        const QRect area = screen->availableGeometry();
        QRect restored(QPoint(), area.size() * 0.85);
        restored.moveCenter(area.center());
        main.setGeometry(restored);
    }
    main.showMaximized();
}
