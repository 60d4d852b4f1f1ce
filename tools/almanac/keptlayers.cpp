#include "keptlayers.h"

#include <datafiles.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tavik::almanac {

namespace {

constexpr int kLayersKept = 8;
constexpr qint64 kMaxLayerBytes = qint64(64) << 20;
const QString kSuffix = QStringLiteral(".layer");

// This program as built: a layer of another build may have been drawn otherwise.
QByteArray programMark()
{
    const QFileInfo program(QCoreApplication::applicationFilePath());
    return program.absoluteFilePath().toUtf8() + '\n' + QByteArray::number(program.size()) + '\n'
           + QByteArray::number(program.lastModified().toMSecsSinceEpoch());
}

}  // namespace

KeptLayers::KeptLayers(const maps::MapSheet& sheet, const maps::SheetLayout& layout, Criterion criterion)
    : m_sheet(sheet), m_layout(layout), m_palette(maps::cellPalette(criterion))
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return;
    m_folder = cache + QStringLiteral("/tavik/layers");
    m_key = maps::sheetLayerKey(sheet, layout, m_palette, programMark());
    m_path = m_folder + u'/' + QString::fromLatin1(m_key.toHex()) + kSuffix;
    const FileRead<QByteArray> read = readFileBytes(m_path, kMaxLayerBytes);
    if (read.ok())
        m_layer = maps::SheetLayer::fromBytes(read.value, m_key);
}

QImage KeptLayers::picture()
{
    if (m_layer) {
        QImage picture = m_layer->compose(m_sheet, m_layout);
        if (!picture.isNull())
            return picture;
    }
    m_drawn = true;
    return maps::freshSheetImage(m_sheet, m_layout);
}

void KeptLayers::keep() const
{
    if (!m_drawn || m_key.isEmpty() || !QDir().mkpath(m_folder))
        return;
    const maps::SheetLayer layer = maps::SheetLayer::draw(m_sheet, m_layout, m_palette, m_key);
    const QByteArray bytes = layer.bytes();
    if (bytes.isEmpty() || !replaceWholeFileBytes(m_path, bytes).ok())
        return;
    // The newest few; the others were of other sheets, fonts or builds.
    const QFileInfoList layers = QDir(m_folder).entryInfoList({u'*' + kSuffix}, QDir::Files, QDir::Time);
    for (qsizetype i = kLayersKept; i < layers.size(); ++i)
        QFile::remove(layers[i].absoluteFilePath());
}

}  // namespace tavik::almanac
