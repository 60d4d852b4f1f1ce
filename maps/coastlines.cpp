#include "coastlines.h"

#include <QFile>
#include <QtEndian>

namespace tavik::maps {

namespace {

QList<QPolygonF> resourceLines(const QString& name)
{
    QFile f(QStringLiteral(":/maps/") + name);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return readGeoLines(f.readAll());
}

}  // namespace

QList<QPolygonF> readGeoLines(const QByteArray& bytes)
{
    if (!bytes.startsWith("TVKL") || bytes.size() < 8)
        return {};
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    const quint32 count = qFromLittleEndian<quint32>(data + 4);
    qsizetype at = 8;
    QList<QPolygonF> lines;
    lines.reserve(qsizetype(std::min<quint32>(count, quint32(size / 2))));
    for (quint32 i = 0; i < count; ++i) {
        if (at + 2 > size)
            return {};
        const quint16 n = qFromLittleEndian<quint16>(data + at);
        at += 2;
        if (at + qsizetype(n) * 4 > size)
            return {};
        QPolygonF line;
        line.reserve(n);
        for (quint16 k = 0; k < n; ++k, at += 4)
            line.append(QPointF(qFromLittleEndian<qint16>(data + at) / 100.0,
                                qFromLittleEndian<qint16>(data + at + 2) / 100.0));
        lines.append(line);
    }
    return at == size ? lines : QList<QPolygonF>();
}

const QList<QPolygonF>& coastlines()
{
    static const QList<QPolygonF> lines = resourceLines(QStringLiteral("coastlines.bin"));
    return lines;
}

const QList<QPolygonF>& borders()
{
    static const QList<QPolygonF> lines = resourceLines(QStringLiteral("borders.bin"));
    return lines;
}

}  // namespace tavik::maps
