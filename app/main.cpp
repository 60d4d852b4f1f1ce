#include "firstpaint.h"
#include "mainwindow.h"
#include "style.h"
#include "ui.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(new tavik::TavikStyle);
    QApplication::setApplicationName(QStringLiteral(TAVIK_TITLE));
    QApplication::setApplicationVersion(QStringLiteral(TAVIK_VERSION_STRING));
    // The forms' own default face; it also spares loading a further font file.
    QApplication::setFont(tavik::ui::font(QStringLiteral("MS Sans Serif"), 8.25));
    auto* w = new tavik::A(tavik::MainWindowEnvironment::system());
    w->setAttribute(Qt::WA_DeleteOnClose);
    tavik::exitAfterFirstPaintIfAsked(w);
    w->show();
    return app.exec();
}
