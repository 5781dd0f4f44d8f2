#include "app/Startup.h"
#include "shell/frmMDI.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PrepareApplication();
    frmMDI main;
    ShowMainWindow(main);
    return app.exec();
}
