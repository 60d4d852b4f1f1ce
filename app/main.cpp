#include "firstpaint.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(TAVIK_TITLE));
    QApplication::setApplicationVersion(QStringLiteral(TAVIK_VERSION_STRING));
    auto* w = new tavik::A(tavik::MainWindowEnvironment::system());
    w->setAttribute(Qt::WA_DeleteOnClose);
    tavik::exitAfterFirstPaintIfAsked(w);
    w->show();
    return app.exec();
}
