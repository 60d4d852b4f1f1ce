#include "maptable.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace tavik::almanac {

namespace {

constexpr qint64 kSecondsPerDay = 86400;

class Row {
public:
    Row(QByteArray& out, const QDate& date) : m_out(out)
    {
        // The days a map's times fall on: the date and those round it.
        for (int d = 0; d < kDays; ++d)
            m_days[d] = date.addDays(d + kFirstDay).toString(Qt::ISODate).toLatin1() + 'T';
    }

    void number(double v, int decimals)
    {
        char buf[32];
        const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
        // "-0.000" reads as a sign that is not there.
        const bool negativeZero = buf[0] == '-' && std::all_of(buf + 1, r.ptr, [](char c) { return c == '0' || c == '.'; });
        m_out.append(negativeZero ? buf + 1 : buf, r.ptr - buf - (negativeZero ? 1 : 0));
    }
    void tab() { m_out.append('\t'); }
    void text(const QByteArray& t) { m_out.append(t); }
    // Whole seconds after the date's 0h UTC, as 2025-05-27T18:33:12Z.
    void time(double seconds)
    {
        const qint64 s = std::llround(seconds);
        const qint64 days = s >= 0 ? s / kSecondsPerDay : -((-s + kSecondsPerDay - 1) / kSecondsPerDay);
        const int rest = int(s - days * kSecondsPerDay);
        m_out.append(m_days[std::clamp(int(days) - kFirstDay, 0, kDays - 1)]);
        const char hms[9] = {char('0' + rest / 36000), char('0' + rest / 3600 % 10), ':',
                             char('0' + rest / 600 % 6), char('0' + rest / 60 % 10), ':',
                             char('0' + rest % 60 / 10), char('0' + rest % 10), 'Z'};
        m_out.append(hms, sizeof hms);
    }

private:
    static constexpr int kFirstDay = -2;
    static constexpr int kDays = 7;
    QByteArray& m_out;
    std::array<QByteArray, kDays> m_days;
};

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

MapTableRows::MapTableRows(const VisibilityMap& map) : m_map(map) {}

QByteArrayView MapTableRows::next()
{
    m_piece.clear();
    if (m_next < 0) {
        m_piece.append("lat\tlon\tsunset_ut\tmoonset_ut\tbest_ut\tlag_min\tvalue\tclass\n");
    } else if (m_next < m_map.rows) {
        m_piece.reserve(qsizetype(m_map.columns) * 75);   // a little more than a usual line
        appendRow(m_next);
    }
    ++m_next;
    return m_piece;
}

void MapTableRows::appendRow(int r)
{
    const VisibilityMap& map = m_map;
    Row row(m_piece, map.request.date);
    for (int c = 0; c < map.columns; ++c) {
        const MapPoint& p = map.at(r, c);
        row.number(map.latitude(r), 3);
        row.tab();
        row.number(map.longitude(c), 3);
        row.tab();
        const bool hasSun = p.outcome != MapOutcome::NoSunset;
        const bool hasMoon = hasSun && p.outcome != MapOutcome::NoMoonset && !std::isnan(p.moonEvent);
        const bool graded = p.outcome == MapOutcome::Graded || p.outcome == MapOutcome::NoMoonset;
        if (hasSun)
            row.time(p.sunEvent);
        row.tab();
        if (hasMoon)
            row.time(p.moonEvent);
        row.tab();
        if (graded)
            row.time(map.bestSeconds(p));
        row.tab();
        if (hasMoon) {
            const double lag = map.request.morning ? p.sunEvent - p.moonEvent : p.moonEvent - p.sunEvent;
            row.number(lag / 60.0, 1);
        }
        row.tab();
        if (graded)
            row.number(p.value, 3);
        row.tab();
        row.text(mapClassText(map, p));
        m_piece.append('\n');
    }
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
