#include "shell/Application.h"
#include "app/ProgramCatalog.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"

#include <QApplication>
#include <QDate>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ConfigureApplication();
    modHelp::UpdateReminder(QDate::currentDate());

    frmMDI main;
    RegisterProgramWindows(main);
    // Spans the screen even where no window manager honours the maximised state.
    if (const QScreen* screen = main.screen())
        main.setGeometry(screen->availableGeometry());
    main.showMaximized();
    return app.exec();
}
