#include "visibilityfigures.h"

#include "lists.h"

namespace tavik {

using namespace almanac;

namespace {

QString degrees(double value)
{
    return hungarianDecimal(value, 2) + u'°';
}

QString when(double jd, const QTimeZone& zone)
{
    return formatLocalMinute(jd, zone) + QStringLiteral(" (") + formatLocalMinute(jd, QTimeZone::utc())
           + QStringLiteral(" UT)");
}

QString place(const SkyPlace& p)
{
    return QStringLiteral("magasság %1, azimut %2").arg(degrees(p.apparentAltitude), degrees(p.azimuth));
}

QString yallopText(double q)
{
    const YallopClass c = yallopClass(q);
    return QStringLiteral("%1 (%2: %3)").arg(hungarianDecimal(q, 3), QString(yallopLetter(c)), yallopWords(c));
}

QString odehText(double v)
{
    const OdehZone z = odehZone(v);
    return QStringLiteral("%1 (%2 zóna: %3)").arg(hungarianDecimal(v, 2), QString(odehLetter(z)), odehWords(z));
}

// The report's own record lines, the first after its label: the records
// are the report's last lines.
QString recordsText(const SightingReport& r, const QTimeZone& zone)
{
    const QStringList lines = sightingLines(r, zone);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith(QStringLiteral("Rekordok:"))) {
            QStringList records{lines[i].mid(lines[i].indexOf(u':') + 1).trimmed()};
            for (const QString& line : lines.mid(i + 1))
                records << line.trimmed();
            return records.join(u'\n');
        }
    }
    return {};
}

QList<Figure> eventFigures(const SightingReport& r, const QTimeZone& zone)
{
    const bool ev = r.evening;
    const QString none = QStringLiteral("nincs");
    const std::optional<CrescentSighting>& c = r.crescent;
    QString lag = none;
    if (c) {
        lag = signedDurationText(c->lagDays);
        if (c->lagDays <= 0)
            lag += ev ? QStringLiteral(" (a Hold a Nap előtt nyugszik)") : QStringLiteral(" (a Hold a Nap után kel)");
    }
    return {
        {QStringLiteral("sunEvent"), ev ? QStringLiteral("Napnyugta") : QStringLiteral("Napkelte"),
         r.sunEvent ? when(*r.sunEvent, zone) : none, {}},
        {QStringLiteral("moonEvent"), ev ? QStringLiteral("Holdnyugta") : QStringLiteral("Holdkelte"),
         c ? when(c->moonEvent, zone) : none, {}},
        {QStringLiteral("lag"), QStringLiteral("Késés"), lag, {}},
        {QStringLiteral("best"), QStringLiteral("Legjobb időpont"),
         r.best && c ? when(c->best, zone) : none, {}},
    };
}

}  // namespace

QList<Figure> reportFigures(const SightingReport& r, const QTimeZone& zone)
{
    const std::optional<CrescentGeometry>& b = r.best;
    auto at = [&b](auto text) { return b ? text(*b) : QString(); };
    QList<Figure> f{
        {QStringLiteral("time"), QStringLiteral("Időpont"),
         formatLocalMinute(r.at, zone) + QStringLiteral(" (") + QString::fromUtf8(zone.id()) + u')', {}},
        {QStringLiteral("site"), QStringLiteral("Hely"), siteText(r.site), {}},
        {QStringLiteral("conjunctionBefore"), QStringLiteral("Együttállás előtte"), when(r.conjunctionBefore, zone), {}},
        {QStringLiteral("conjunctionAfter"), QStringLiteral("Együttállás utána"), when(r.conjunctionAfter, zone), {}},
        {QStringLiteral("age"), QStringLiteral("A Hold kora"), signedDurationText(r.ageDays),
         r.crescent && b ? signedDurationText(r.crescent->ageDays) : QString()},
        {QStringLiteral("sun"), QStringLiteral("Nap"), place(r.sun), {}},
        {QStringLiteral("moon"), QStringLiteral("Hold"), place(r.moon), {}},
    };
    f += eventFigures(r, zone);
    f += {
        {QStringLiteral("arcl"), QStringLiteral("ARCL"), degrees(r.now.arcl), at([](auto g) { return degrees(g.arcl); })},
        {QStringLiteral("arcv"), QStringLiteral("ARCV"), degrees(r.now.arcv), at([](auto g) { return degrees(g.arcv); })},
        {QStringLiteral("daz"), QStringLiteral("DAZ"), degrees(r.now.daz), at([](auto g) { return degrees(g.daz); })},
        {QStringLiteral("width"), QStringLiteral("W′ (sarló szélessége)"), hungarianDecimal(r.now.width, 2) + u'′',
         at([](auto g) { return hungarianDecimal(g.width, 2) + u'′'; })},
        {QStringLiteral("lit"), QStringLiteral("Megvilágított rész"), hungarianDecimal(r.now.litFraction * 100, 2) + u'%',
         at([](auto g) { return hungarianDecimal(g.litFraction * 100, 2) + u'%'; })},
        {QStringLiteral("q"), QStringLiteral("Yallop q"), {}, b ? yallopText(b->q) : QStringLiteral("- (F: nem látható)")},
        {QStringLiteral("v"), QStringLiteral("Odeh V"), {}, b ? odehText(b->odehV) : QStringLiteral("-")},
        {QStringLiteral("records"), QStringLiteral("Rekordok"), recordsText(r, zone), {}},
    };
    return f;
}

QStringList huntHeadings(bool evening)
{
    return {QStringLiteral("Dátum"), evening ? QStringLiteral("Napnyugta") : QStringLiteral("Napkelte"),
            QStringLiteral("Késés"), QStringLiteral("Kor a legjobb időpontban"), QStringLiteral("Yallop q"),
            QStringLiteral("Odeh V")};
}

QList<QStringList> huntRows(const QList<HuntEvening>& hunt, const QTimeZone& zone)
{
    QList<QStringList> rows;
    for (const HuntEvening& h : hunt) {
        QStringList row{h.date.toString(QStringLiteral("yyyy.MM.dd"))};
        if (!h.sunEvent) {
            row << QStringLiteral("nincs") << QString() << QString() << QString() << QString();
        } else if (!h.crescent) {
            row << formatLocalTime(*h.sunEvent, zone) << QStringLiteral("nincs") << QString()
                << QString() << QString();
        } else {
            const CrescentSighting& c = *h.crescent;
            row << formatLocalTime(*h.sunEvent, zone) << signedDurationText(c.lagDays)
                << (c.q ? signedDurationText(c.ageDays) : QString())
                << (c.q ? yallopText(*c.q) : QStringLiteral("- (F: nem látható)"))
                << (h.odehV ? odehText(*h.odehV) : QStringLiteral("-"));
        }
        rows.append(row);
    }
    return rows;
}

}  // namespace tavik
