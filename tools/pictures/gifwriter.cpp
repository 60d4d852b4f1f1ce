#include "gifwriter.h"

#include <datafiles.h>
#include <filefaults.h>

#include <QDir>
#include <QHash>
#include <gif_lib.h>
#include <algorithm>
#include <vector>

namespace tavik::pictures {

namespace {

constexpr int kPaletteSize = 256;

int writeToBuffer(GifFileType* gif, const GifByteType* data, int length)
{
    auto* buffer = static_cast<QByteArray*>(gif->UserData);
    buffer->append(reinterpret_cast<const char*>(data), length);
    return length;
}

int distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

QString gifError(int code)
{
    const char* text = GifErrorString(code);
    return text ? QString::fromLatin1(text) : QStringLiteral("GIF error %1").arg(code);
}

} // namespace

QVector<QRgb> moonPalette(const QList<QColor>& accents)
{
    constexpr int kShades = 16;
    const int greys = kPaletteSize - kShades * int(accents.size());
    QVector<QRgb> palette;
    palette.reserve(kPaletteSize);
    for (int i = 0; i < greys; ++i) {
        const int g = (i * 255 + (greys - 1) / 2) / (greys - 1);
        palette.push_back(qRgb(g, g, g));
    }
    for (const QColor& c : accents)
        for (int s = 1; s <= kShades; ++s)
            palette.push_back(qRgb(c.red() * s / kShades, c.green() * s / kShades, c.blue() * s / kShades));
    return palette;
}

QImage quantise(const QImage& image, const QVector<QRgb>& palette)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    QHash<QRgb, uchar> nearest;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = in[x] | 0xff000000u;
            auto found = nearest.constFind(colour);
            if (found == nearest.constEnd()) {
                int best = 0;
                for (int i = 1; i < palette.size(); ++i)
                    if (distance(colour, palette[i]) < distance(colour, palette[best]))
                        best = i;
                found = nearest.insert(colour, uchar(best));
            }
            out[x] = *found;
        }
    }
    return indexed;
}

QByteArray encodeGif(const QImage& indexed, QString* error)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return QByteArray();
    };
    if (indexed.format() != QImage::Format_Indexed8 || indexed.colorCount() != kPaletteSize)
        return fail(QStringLiteral("the picture is not quantised to %1 colours").arg(kPaletteSize));
    std::vector<GifColorType> colours;
    for (QRgb c : indexed.colorTable())
        colours.push_back({GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))});
    QByteArray bytes;
    int code = 0;
    GifFileType* gif = EGifOpen(&bytes, writeToBuffer, &code);
    if (!gif)
        return fail(gifError(code));
    ColorMapObject* map = GifMakeMapObject(kPaletteSize, colours.data());
    bool ok = map && EGifPutScreenDesc(gif, indexed.width(), indexed.height(), 8, 0, map) == GIF_OK
              && EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    std::vector<GifPixelType> row(std::size_t(indexed.width()));
    for (int y = 0; ok && y < indexed.height(); ++y) {
        std::copy_n(indexed.constScanLine(y), row.size(), row.begin());
        ok = EGifPutLine(gif, row.data(), indexed.width()) == GIF_OK;
    }
    const int lastError = gif->Error;
    GifFreeMapObject(map);
    int closeCode = 0;
    if (EGifCloseFile(gif, &closeCode) != GIF_OK && ok)
        return fail(gifError(closeCode));
    if (!ok)
        return fail(gifError(lastError));
    return bytes;
}

bool writeGif(const QImage& image, const QVector<QRgb>& palette, const QString& path, QString* error)
{
    const QByteArray bytes = encodeGif(quantise(image, palette), error);
    if (bytes.isEmpty())
        return false;
    const QString fault = writePictureFile(path, bytes);
    if (error)
        *error = fault;
    return fault.isEmpty();
}

QString writePictureFile(const QString& path, QByteArrayView bytes)
{
    const FileStatus status = replaceWholeFileBytes(path, bytes);
    if (status.ok())
        return {};
    return QDir::toNativeSeparators(path) + QStringLiteral(": ")
           + describeFileFault(status).replace(u'\n', u' ');
}

} // namespace tavik::pictures
