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

// Points a piece of an open line has at most: short enough that a close
// view leaves most of a long shore out.
constexpr qsizetype kPiece = 64;

}  // namespace

GeoLines::GeoLines(const QList<QPolygonF>& lines, bool closed)
{
    for (const QPolygonF& line : lines) {
        if (closed || line.size() <= kPiece) {
            m_pieces.append(line);
            continue;
        }
        for (qsizetype at = 0; at + 1 < line.size(); at += kPiece - 1)
            m_pieces.append(line.mid(at, kPiece));
    }
    m_bounds.reserve(m_pieces.size());
    for (const QPolygonF& piece : m_pieces)
        m_bounds.append(piece.boundingRect());
}

QPainterPath GeoLines::within(const QRectF& box) const
{
    QPainterPath path;
    for (qsizetype i = 0; i < m_pieces.size(); ++i) {
        const QRectF& b = m_bounds[i];
        // A piece along a meridian or a parallel has no width or no height.
        if (b.left() <= box.right() && b.right() >= box.left() && b.top() <= box.bottom() && b.bottom() >= box.top())
            path.addPolygon(m_pieces[i]);
    }
    return path;
}

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

namespace tavik::maps {

const GeoLines& detailedShores()
{
    static const GeoLines lines(resourceLines(QStringLiteral("shores_i.bin")), false);
    return lines;
}

const GeoLines& detailedLakes()
{
    static const GeoLines lines(resourceLines(QStringLiteral("lakes_i.bin")), true);
    return lines;
}

const GeoLines& detailedBorders()
{
    static const GeoLines lines(resourceLines(QStringLiteral("borders_i.bin")), false);
    return lines;
}

}  // namespace tavik::maps
