#include "maptable.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace tavik::almanac {

namespace {

constexpr qint64 kSecondsPerDay = 86400;
// The days a map's times fall on: the date and those round it.
constexpr int kFirstDay = -2;
constexpr int kDays = 7;
constexpr qsizetype kPieceBytes = 1 << 20;
// The longest line: two coordinates, three times, the lag, the value and the
// longest word, each well under 32 bytes, and the tabs.
constexpr qsizetype kLongestLine = 7 * 32 + 24;

// Fixed-point with the given decimals, correctly rounded, at `out`; returns
// the end. "-0.000" reads as a sign that is not there, so it loses it.
char* fixed(char* out, double v, int decimals)
{
    const auto r = std::to_chars(out, out + 32, v, std::chars_format::fixed, decimals);
    if (out[0] == '-' && std::all_of(out + 1, r.ptr, [](char c) { return c == '0' || c == '.'; })) {
        std::memmove(out, out + 1, std::size_t(r.ptr - out - 1));
        return r.ptr - 1;
    }
    return r.ptr;
}

}  // namespace

QByteArray mapClassText(const VisibilityMap& map, const MapPoint& p)
{
    switch (p.outcome) {
    case MapOutcome::Graded:
    case MapOutcome::NoMoonset: return QByteArray(1, char(gradeLetter(map.request.criterion, p.grade).toLatin1()));
    case MapOutcome::MoonsetFirst: return QByteArrayLiteral("moonset-first");
    case MapOutcome::BeforeConjunction: return QByteArrayLiteral("before-conjunction");
    case MapOutcome::NoSunset: break;
    }
    return QByteArrayLiteral("no-sunset");
}

MapTableRows::MapTableRows(const VisibilityMap& map) : m_map(map)
{
    char buf[40];
    m_longitudeEnds.reserve(std::size_t(map.columns));
    for (int c = 0; c < map.columns; ++c) {
        char* end = fixed(buf, map.longitude(c), 3);
        *end++ = '\t';
        m_longitudes.append(buf, end - buf);
        m_longitudeEnds.push_back(int(m_longitudes.size()));
    }
    for (int d = 0; d < kDays; ++d) {
        const QByteArray day = map.request.date.addDays(d + kFirstDay).toString(Qt::ISODate).toLatin1() + 'T';
        std::fill(m_days[d].begin(), m_days[d].end(), '0');
        std::copy_n(day.constData(), std::min<qsizetype>(day.size(), qsizetype(m_days[d].size())), m_days[d].begin());
    }
    for (int g = 0; g < 6; ++g)
        m_classes[g] = QByteArray(1, char(gradeLetter(map.request.criterion, g).toLatin1()));
    m_classes[6] = QByteArrayLiteral("moonset-first");
    m_classes[7] = QByteArrayLiteral("before-conjunction");
    m_classes[8] = QByteArrayLiteral("no-sunset");
}

QByteArrayView MapTableRows::next()
{
    m_piece.resize(0);
    if (m_next < 0) {
        m_piece.append(header());
        ++m_next;
        return m_piece;
    }
    m_piece.reserve(kPieceBytes + qsizetype(m_map.columns) * kLongestLine);
    while (m_next < m_map.rows && m_piece.size() < kPieceBytes) {
        appendRow(m_piece, m_next, &m_map.at(m_next, 0));
        ++m_next;
    }
    return m_piece;
}

QByteArrayView MapTableRows::header()
{
    return "lat\tlon\tsunset_ut\tmoonset_ut\tbest_ut\tlag_min\tvalue\tclass\n";
}

void MapTableRows::appendRows(QByteArray& out, int first, int count, const MapPoint* points) const
{
    out.reserve(out.size() + qsizetype(count) * m_map.columns * kLongestLine);
    for (int r = first; r < first + count; ++r)
        appendRow(out, r, points + std::size_t(r - first) * m_map.columns);
}

void MapTableRows::appendRow(QByteArray& piece, int r, const MapPoint* points) const
{
    const VisibilityMap& map = m_map;
    char lat[40];
    char* latEnd = fixed(lat, map.latitude(r), 3);
    *latEnd++ = '\t';
    const std::size_t latSize = std::size_t(latEnd - lat);
    qsizetype used = piece.size();
    piece.resize(used + qsizetype(map.columns) * kLongestLine);
    char* const begin = piece.data();
    char* out = begin + used;
    // Whole seconds after the date's 0h UTC, as 2025-05-27T18:33:12Z.
    const auto time = [this](char* o, double seconds) {
        const qint64 s = std::llround(seconds);
        const qint64 days = s >= 0 ? s / kSecondsPerDay : -((-s + kSecondsPerDay - 1) / kSecondsPerDay);
        const int rest = int(s - days * kSecondsPerDay);
        const auto& day = m_days[std::size_t(std::clamp(int(days) - kFirstDay, 0, kDays - 1))];
        o = std::copy(day.begin(), day.end(), o);
        const char hms[9] = {char('0' + rest / 36000), char('0' + rest / 3600 % 10), ':',
                             char('0' + rest / 600 % 6), char('0' + rest / 60 % 10), ':',
                             char('0' + rest % 60 / 10), char('0' + rest % 10), 'Z'};
        return std::copy(hms, hms + sizeof hms, o);
    };
    for (int c = 0; c < map.columns; ++c) {
        const MapPoint& p = points[c];
        out = std::copy(lat, lat + latSize, out);
        const int lonBegin = c == 0 ? 0 : m_longitudeEnds[std::size_t(c - 1)];
        out = std::copy(m_longitudes.constData() + lonBegin, m_longitudes.constData() + m_longitudeEnds[std::size_t(c)], out);
        const bool hasSun = p.outcome != MapOutcome::NoSunset;
        const bool hasMoon = hasSun && p.outcome != MapOutcome::NoMoonset && !std::isnan(p.moonEvent);
        const bool graded = p.outcome == MapOutcome::Graded || p.outcome == MapOutcome::NoMoonset;
        if (hasSun)
            out = time(out, p.sunEvent);
        *out++ = '\t';
        if (hasMoon)
            out = time(out, p.moonEvent);
        *out++ = '\t';
        if (graded)
            out = time(out, map.bestSeconds(p));
        *out++ = '\t';
        if (hasMoon) {
            const double lag = map.request.morning ? p.sunEvent - p.moonEvent : p.moonEvent - p.sunEvent;
            out = fixed(out, lag / 60.0, 1);
        }
        *out++ = '\t';
        if (graded)
            out = fixed(out, p.value, 3);
        *out++ = '\t';
        int word = 8;
        switch (p.outcome) {
        case MapOutcome::Graded:
        case MapOutcome::NoMoonset: word = std::clamp(int(p.grade), 0, 5); break;
        case MapOutcome::MoonsetFirst: word = 6; break;
        case MapOutcome::BeforeConjunction: word = 7; break;
        case MapOutcome::NoSunset: break;
        }
        out = std::copy(m_classes[std::size_t(word)].cbegin(), m_classes[std::size_t(word)].cend(), out);
        *out++ = '\n';
    }
    piece.resize(out - begin);
}

QByteArray mapTable(const VisibilityMap& map)
{
    QByteArray out;
    MapTableRows rows(map);
    for (QByteArrayView piece = rows.next(); !piece.isEmpty(); piece = rows.next())
        out.append(piece);
    return out;
}

}  // namespace tavik::almanac
