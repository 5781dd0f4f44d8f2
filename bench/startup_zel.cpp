// Starts exactly as the program does, then quits once the main window has been shown.
#include "app/Startup.h"
#include "shell/frmMDI.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PrepareApplication();
    frmMDI main;
    ShowMainWindow(main);
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
