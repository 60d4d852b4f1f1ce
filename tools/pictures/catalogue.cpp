#include "catalogue.h"

#include "artwork.h"
#include "gifwriter.h"
#include "labels.h"
#include "lunarfeatures.h"
#include "moonrender.h"

#include <QBuffer>
#include <QDir>

namespace tavik::pictures {

namespace {

QString saveWithQt(const QImage& image, const QString& path, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, quality))
        return QStringLiteral("cannot encode %1").arg(path);
    return writePictureFile(path, bytes);
}

QString saveGif(const QImage& image, const QString& path)
{
    static const QVector<QRgb> palette =
        moonPalette({seaColour(), mountainColour(), craterColour(), markerColour()});
    QString error;
    return writeGif(image, palette, path, &error) ? QString() : error;
}

QString makeFolder(const QString& path)
{
    return QDir().mkpath(path) ? QString() : QStringLiteral("cannot create the folder %1").arg(path);
}

} // namespace

QString writeAllPictures(const LunarSurface& surface, const Folders& folders,
                         const std::function<void(const QString& path, const QString& note)>& progress)
{
    QString error = makeFolder(folders.pictures);
    if (error.isEmpty())
        error = makeFolder(folders.resources);
    const QDir pic(folders.pictures);
    const QDir res(folders.resources);
    QString note;
    auto step = [&](const QString& path, auto&& write) {
        if (!error.isEmpty())
            return;
        note.clear();
        error = write(path);
        if (error.isEmpty() && progress)
            progress(path, note);
    };
    auto labelled = [&note](const QStringList& names, const std::vector<LunarFeature>& wanted) {
        QStringList missing;
        for (const LunarFeature& f : wanted)
            if (!names.contains(QString::fromUtf16(f.name)))
                missing << QString::fromUtf16(f.name);
        note = QStringLiteral("%1 names").arg(names.size());
        if (!missing.isEmpty())
            note += QStringLiteral(", no room for: ") + missing.join(QStringLiteral(", "));
    };
    for (const PhasePicture& phase : phasePictures())
        step(pic.filePath(phase.file),
             [&](const QString& path) { return saveGif(renderPhasePicture(surface, phase.ageDays), path); });
    for (int day = 2; day <= 11; ++day)
        step(pic.filePath(dayPictureFile(day)),
             [&](const QString& path) {
                 QStringList names;
                 const QImage image = renderDayPicture(surface, day, &names);
                 labelled(names, featuresNearTerminator(elongationForAge(day), kLabelLitBand, kLabelDarkBand));
                 return saveGif(image, path);
             });
    step(pic.filePath(QStringLiteral("Lunar-map.jpg")),
         [&](const QString& path) {
             QStringList names;
             const QImage image = renderMapPicture(surface, &names);
             labelled(names, featuresByRank());
             return saveWithQt(image, path, "JPG", 90);
         });
    step(res.filePath(QStringLiteral("banner.jpg")),
         [&](const QString& path) { return saveWithQt(renderBanner(surface), path, "JPG", 90); });
    step(res.filePath(QStringLiteral("tavik.png")),
         [&](const QString& path) { return saveWithQt(renderIcon(surface, 32), path, "PNG", -1); });
    // The desktop's icon theme sizes beside the 32-pixel window icon.
    for (int size : {16, 24, 48, 64, 128, 256})
        step(res.filePath(QStringLiteral("tavik-%1.png").arg(size)),
             [&](const QString& path) { return saveWithQt(renderIcon(surface, size), path, "PNG", -1); });
    return error;
}

} // namespace tavik::pictures
