// The yardstick: a bare main window with an empty document area, shown, then quit.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow main;
    main.setCentralWidget(new QMdiArea);
    main.showMaximized();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
