// GIF files for the program's Pic folder, written with giflib: the picture
// quantised to one 256-colour palette of greys and the label colours.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QVector>

namespace tavik::pictures {

// 256 entries: a ramp of greys, then shades of each accent colour.
QVector<QRgb> moonPalette(const QList<QColor>& accents);

// Every pixel becomes its nearest palette entry.
QImage quantise(const QImage& image, const QVector<QRgb>& palette);

// The GIF bytes of an indexed picture (as quantise gives); empty on failure,
// with the reason in error.
QByteArray encodeGif(const QImage& indexed, QString* error);

// Replaces path whole with the bytes through the program's safe writer; empty,
// or the path and the reason.
QString writePictureFile(const QString& path, QByteArrayView bytes);

// Quantises, encodes and replaces path whole; false with the reason in error.
bool writeGif(const QImage& image, const QVector<QRgb>& palette, const QString& path, QString* error);

} // namespace tavik::pictures
