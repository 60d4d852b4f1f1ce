// The smallest Qt Widgets program with a main window, for comparing start-up
// times with Tavik's.
#include "firstpaint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow w;
    tavik::exitAfterFirstPaintIfAsked(&w);
    w.show();
    return app.exec();
}
