// tavik-pictures: renders the Moon pictures of Tavik's Pic folder, the banner
// and the icons from a cylindrical map of the Moon.
#include "catalogue.h"
#include "lunarsurface.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

using namespace tavik::pictures;

int main(int argc, char* argv[])
{
    // The tool draws text into pictures and needs no screen for that.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("tavik-pictures"));
    QGuiApplication::setApplicationVersion(QStringLiteral(TAVIK_VERSION_STRING));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Renders Tavik's Moon pictures (phases, lunar days 2-11, the map), the banner and the icons."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption mapOption(QStringLiteral("map"),
        QStringLiteral("Cylindrical albedo map of the Moon, longitude 0 at the centre."), QStringLiteral("path"),
        QStringLiteral("/usr/share/stellarium/textures/moon_4k.jpg"));
    const QCommandLineOption normalsOption(QStringLiteral("normals"),
        QStringLiteral("Tangent-space normal map for the relief near the terminator; empty for none."),
        QStringLiteral("path"), QStringLiteral("/usr/share/stellarium/textures/moon_normals.png"));
    const QCommandLineOption picOption(QStringLiteral("out-pic"),
        QStringLiteral("Folder for the phase, day and map pictures."), QStringLiteral("dir"), QStringLiteral("Pic"));
    const QCommandLineOption resOption(QStringLiteral("out-resources"),
        QStringLiteral("Folder for the banner and the icons."), QStringLiteral("dir"), QStringLiteral("resources"));
    parser.addOptions({mapOption, normalsOption, picOption, resOption});
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    QString normals = parser.value(normalsOption);
    if (!normals.isEmpty() && !QFileInfo::exists(normals)) {
        err << "no normal map at " << normals << "; the relief is left out\n";
        normals.clear();
    }
    QString error;
    const auto surface = LunarSurface::load(parser.value(mapOption), normals, &error);
    if (!surface) {
        err << "tavik-pictures: " << error << '\n';
        return 1;
    }
    error = writeAllPictures(*surface, {parser.value(picOption), parser.value(resOption)},
                             [&out](const QString& path, const QString& note) {
                                 out << path;
                                 if (!note.isEmpty())
                                     out << " (" << note << ')';
                                 out << '\n' << Qt::flush;
                             });
    if (!error.isEmpty()) {
        err << "tavik-pictures: " << error << '\n';
        return 1;
    }
    return 0;
}
