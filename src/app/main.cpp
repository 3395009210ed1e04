// Program entry.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationDisplayName(" Korvel");
    QWidget mainWindow;
    mainWindow.setWindowTitle(" Korvel - CAD");
    mainWindow.showMaximized();
    return application.exec();
}
