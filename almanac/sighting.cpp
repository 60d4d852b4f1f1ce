#include "sighting.h"

#include "lists.h"
#include "newmoons.h"

#include <swephexp.h>

#include <QCoreApplication>
#include <QJsonValue>

#include <cmath>

namespace tavik::almanac {

namespace {

// The conjunctions on either side are searched this far: a lunation is at most 29.9 days.
constexpr double kConjunctionSearch = 31.0;   // days

constexpr double kSunSemiDiameter = 0.2666;    // degrees, mean
constexpr double kMoonSemiDiameter = 0.2590;

QString degrees(double value, int decimals = 2)
{
    return hungarianDecimal(value, decimals) + u'°';
}

QString whenText(double jd, const QTimeZone& zone)
{
    return formatLocalMinute(jd, zone) + QStringLiteral(" (") + formatLocalMinute(jd, QTimeZone::utc())
           + QStringLiteral(" UT)");
}

bool sunDownAllDay(const SkyPlace& sun, double latitude)
{
    constexpr double kSunRiseAltitude = -(kSunSemiDiameter + 34.0 / 60.0);   // degrees, with refraction
    return 90.0 - std::abs(latitude - sun.declination) < kSunRiseAltitude;   // even at noon
}

// Below the horizon, the Sun has set before local midnight and not yet risen
// after it; where it stays down all day (polar night), neither.
QString sunStateText(const SkyPlace& sun, double latitude)
{
    if (sun.up)
        return QStringLiteral("a Nap a látóhatár felett van");
    if (sunDownAllDay(sun, latitude))
        return QStringLiteral("a Nap egész nap a látóhatár alatt van");
    return sun.hourAngle < 180.0 ? QStringLiteral("a Nap lenyugodott") : QStringLiteral("a Nap még nem kelt fel");
}

QString placeText(const SkyPlace& p, const QString& state)
{
    return QStringLiteral("magasság %1 (fénytöréssel %2), azimut %3 - %4")
        .arg(degrees(p.altitude), degrees(p.apparentAltitude), degrees(p.azimuth), state);
}

// Why there is no best time: nothing to see, nothing to compare with a record.
QString noCrescentReason(const SightingReport& r)
{
    const bool ev = r.evening;
    if (!r.sunEvent)
        return ev ? QStringLiteral("nincs napnyugta") : QStringLiteral("nincs napkelte");
    if (!r.crescent)
        return ev ? QStringLiteral("nincs holdnyugta") : QStringLiteral("nincs holdkelte");
    return ev ? QStringLiteral("a Hold a Nap előtt nyugszik") : QStringLiteral("a Hold a Nap után kel");
}

QString recordMeansWords(RecordMeans means)
{
    switch (means) {
    case RecordMeans::NakedEye: return QStringLiteral("szabad szemmel:");
    case RecordMeans::OpticalAid: return QStringLiteral("binokulárral:");
    case RecordMeans::Telescope: return QStringLiteral("távcsővel:");
    case RecordMeans::Imaging: break;
    }
    return QStringLiteral("fényképen:");
}

// The records, each against the age at the best time where there is one.
QStringList recordLines(const SightingReport& r)
{
    const bool seen = r.best && r.crescent;
    const double hours = seen ? std::abs(r.crescent->ageDays) * 24.0 : 0.0;
    QStringList lines{QStringLiteral("Rekordok:           ")
                      + (seen ? QStringLiteral("a Hold kora a legjobb időpontban %1")
                                    .arg(signedDurationText(r.crescent->ageDays))
                              : QStringLiteral("a sarló nem látható (%1), nem vethető össze a rekordokkal")
                                    .arg(noCrescentReason(r)))};
    for (const CrescentRecord& record : crescentRecords()) {
        const bool imaging = record.means == RecordMeans::Imaging;
        QString line = QStringLiteral("  ") + recordMeansWords(record.means).leftJustified(18)
                       + (imaging ? QStringLiteral("az együttállás pillanatában")
                                  : signedDurationText(record.hours / 24.0))
                       + QStringLiteral(" (%1, %2)").arg(QLatin1String(record.date), QString::fromUtf8(record.place));
        if (seen && !imaging)
            line += hours < record.hours ? QStringLiteral(": fiatalabb a rekordnál") : QStringLiteral(": nem rekord");
        lines << line;
    }
    return lines;
}

QJsonValue instant(double jd)
{
    return utcOf(jd).toString(Qt::ISODateWithMs);
}

QJsonValue localInstant(double jd, const QTimeZone& zone)
{
    return utcOf(jd).toTimeZone(zone).toString(Qt::ISODate);
}

QJsonObject placeJson(const SkyPlace& p)
{
    return QJsonObject{{QStringLiteral("altitude"), p.altitude},
                       {QStringLiteral("apparentAltitude"), p.apparentAltitude},
                       {QStringLiteral("azimuth"), p.azimuth},
                       {QStringLiteral("aboveHorizon"), p.up}};
}

QJsonObject geometryJson(const CrescentGeometry& g)
{
    return QJsonObject{{QStringLiteral("arcl"), g.arcl},
                       {QStringLiteral("arcv"), g.arcv},
                       {QStringLiteral("daz"), g.daz},
                       {QStringLiteral("width"), g.width},
                       {QStringLiteral("topocentricArcl"), g.topoArcl},
                       {QStringLiteral("topocentricArcv"), g.topoArcv},
                       {QStringLiteral("topocentricWidth"), g.topoWidth},
                       {QStringLiteral("illuminatedFraction"), g.litFraction}};
}

QJsonObject recordsJson(const SightingReport& r)
{
    const bool seen = r.best && r.crescent;
    const double hours = seen ? std::abs(r.crescent->ageDays) * 24.0 : 0.0;
    QJsonObject o{{QStringLiteral("comparable"), seen},
                  {QStringLiteral("ageHours"), seen ? QJsonValue(r.crescent->ageDays * 24.0) : QJsonValue()}};
    for (const CrescentRecord& record : crescentRecords()) {
        const QString key = QLatin1String(record.key);
        o.insert(key + QStringLiteral("Hours"), record.hours);
        if (record.means != RecordMeans::Imaging) {
            const QString below = QStringLiteral("below") + key.at(0).toUpper() + key.mid(1) + QStringLiteral("Record");
            o.insert(below, seen && hours < record.hours);
        }
    }
    return o;
}

}  // namespace

SkyPlace skyPlace(const Ephemeris& eph, double jdUt, int body, const Site& site)
{
    swe_set_topo(site.longitude, site.latitude, site.elevation);
    auto equ = eph.position(jdUt, body, SEFLG_TOPOCTR | SEFLG_EQUATORIAL);
    double hor[3] = {0};
    GeoPos geo(site);
    swe_azalt(jdUt, SE_EQU2HOR, geo.data(), 1013.25, 10.0, equ.data(), hor);
    SkyPlace p;
    p.azimuth = std::fmod(hor[0] + 180.0, 360.0);   // the library counts from the south
    p.declination = equ[1];
    const double localSiderealTime = swe_sidtime(jdUt) * 15.0 + site.longitude;   // degrees
    p.hourAngle = std::fmod(std::fmod(localSiderealTime - equ[0], 360.0) + 360.0, 360.0);
    p.altitude = hor[1];
    p.apparentAltitude = hor[2];
    p.up = p.apparentAltitude > -(body == SE_SUN ? kSunSemiDiameter : kMoonSemiDiameter);
    return p;
}

const std::array<CrescentRecord, 4>& crescentRecords()
{
    // Naked eye: B. E. Schaefer, "Lunar crescent visibility", QJRAS 37 (1996)
    // 759, and Odeh 2004 (see crescents.h). Binoculars: Odeh 2004, Table VI,
    // No. 549. Telescope: 12.1 h from Tucson, Arizona. Imaging: the Moon
    // photographed in daylight at the very moment of the conjunction (T. Legault).
    static const std::array<CrescentRecord, 4> records{{
        {RecordMeans::NakedEye, kNakedEyeRecordHours, "1990.02.25", "Collins Gap, Tennessee", "nakedEye"},
        {RecordMeans::OpticalAid, kOpticalAidRecordHours, "2002.09.07", "Irán", "opticalAid"},
        {RecordMeans::Telescope, 12.1, "1996.01.21", "Tucson, Arizona", "telescope"},
        {RecordMeans::Imaging, 0.0, "2013.07.08", "Élancourt, Franciaország", "imaging"},
    }};
    return records;
}

std::pair<double, double> sightingReach(double jdUt)
{
    return newMoonsBetweenReach(jdUt - kConjunctionSearch, jdUt + kConjunctionSearch);
}

SightingReport sightingAt(const Ephemeris& eph, double jdUt, const Site& site)
{
    SightingReport r;
    r.at = jdUt;
    r.site = site;
    const QList<double> around = newMoonsBetween(eph, jdUt - kConjunctionSearch, jdUt + kConjunctionSearch);
    for (double t : around) {
        if (t <= jdUt)
            r.conjunctionBefore = t;
        else if (r.conjunctionAfter == 0)
            r.conjunctionAfter = t;
    }
    r.evening = moonSunElongation(eph, jdUt).degrees > 0;
    const double newMoon = r.evening ? r.conjunctionBefore : r.conjunctionAfter;
    r.ageDays = jdUt - newMoon;
    r.sun = skyPlace(eph, jdUt, SE_SUN, site);
    r.moon = skyPlace(eph, jdUt, SE_MOON, site);
    r.now = crescentGeometry(eph, jdUt, site);
    // That evening's sunset (that morning's sunrise): the first within half
    // a day before the moment or after it.
    r.sunEvent = nextRiseSet(eph, jdUt - 0.5, SE_SUN, !r.evening, site);
    if (r.sunEvent)
        r.crescent = crescentOfNight(eph, newMoon, *r.sunEvent, r.evening, site);
    if (r.crescent && r.crescent->q)
        r.best = crescentGeometry(eph, r.crescent->best, site);
    return r;
}

QStringList sightingLines(const SightingReport& r, const QTimeZone& zone)
{
    const bool ev = r.evening;
    QStringList lines;
    lines << QStringLiteral("Holdsarló-megfigyelés körülményei")
          << QStringLiteral("Időpont:            %1 (%2), %3 UT")
                 .arg(formatLocalMinute(r.at, zone), QString::fromUtf8(zone.id()),
                      formatLocalMinute(r.at, QTimeZone::utc()))
          << QStringLiteral("Hely:               ") + siteText(r.site)
          << QStringLiteral("Együttállás előtte: ") + whenText(r.conjunctionBefore, zone)
          << QStringLiteral("Együttállás utána:  ") + whenText(r.conjunctionAfter, zone)
          << QStringLiteral("A Hold kora:        %1 (%2)")
                 .arg(signedDurationText(r.ageDays),
                      ev ? QStringLiteral("esti sarló, az együttállás óta")
                         : QStringLiteral("hajnali sarló, negatív: a következő együttállásig"))
          << QStringLiteral("Nap:                ") + placeText(r.sun, sunStateText(r.sun, r.site.latitude))
          << QStringLiteral("Hold:               ")
                 + placeText(r.moon, r.moon.up ? QStringLiteral("a Hold a látóhatár felett van")
                                               : QStringLiteral("a Hold a látóhatár alatt van"));
    const QString sunWord = ev ? QStringLiteral("Napnyugta:          ") : QStringLiteral("Napkelte:           ");
    const QString moonWord = ev ? QStringLiteral("Holdnyugta:         ") : QStringLiteral("Holdkelte:          ");
    if (!r.sunEvent) {
        const bool polarNight = sunDownAllDay(r.sun, r.site.latitude);
        lines << sunWord + (polarNight ? QStringLiteral("nincs (a Nap ezen a napon nem kel fel)")
                                       : QStringLiteral("nincs (a Nap ezen a napon nem nyugszik le)"));
    } else {
        lines << sunWord + whenText(*r.sunEvent, zone);
        if (!r.crescent) {
            lines << moonWord + QStringLiteral("nincs a közelében");
        } else if (r.crescent->moonUpAllNight) {
            lines << moonWord
                         + (ev ? QCoreApplication::translate("Sighting", "nincs (a Hold ezen az éjszakán nem nyugszik le)")
                               : QCoreApplication::translate("Sighting",
                                                             "nincs (a Hold ezen a hajnalon nem kel fel, egész éjjel fent van)"));
        } else {
            lines << moonWord + whenText(r.crescent->moonEvent, zone)
                  << QStringLiteral("Késés:              ") + signedDurationText(r.crescent->lagDays)
                         + (r.crescent->lagDays > 0
                                ? QString()
                                : (ev ? QStringLiteral(" (a Hold a Nap előtt nyugszik)")
                                      : QStringLiteral(" (a Hold a Nap után kel)")));
        }
    }
    lines << QStringLiteral("ARCL:               ") + degrees(r.now.arcl)
          << QStringLiteral("ARCV:               ") + degrees(r.now.arcv)
          << QStringLiteral("DAZ:                ") + degrees(r.now.daz)
          << QStringLiteral("W′ (sarló szélessége): %1′").arg(hungarianDecimal(r.now.width, 2))
          << QStringLiteral("Megvilágított rész: %1%").arg(hungarianDecimal(r.now.litFraction * 100.0, 2));
    if (r.best && r.crescent) {
        const YallopClass yc = yallopClass(r.best->q);
        const OdehZone oz = odehZone(r.best->odehV);
        lines << QStringLiteral("Legjobb időpont:    %1 (%2)")
                     .arg(whenText(r.crescent->best, zone),
                          r.crescent->moonUpAllNight
                              ? QCoreApplication::translate("Sighting", "a Nap legmélyebb pontja, a legsötétebb ég")
                              : (ev ? QStringLiteral("napnyugta + 4/9 késés") : QStringLiteral("napkelte - 4/9 késés")))
              << QStringLiteral("  ARCL %1, ARCV %2, DAZ %3, W′ %4′")
                     .arg(degrees(r.best->arcl), degrees(r.best->arcv), degrees(r.best->daz),
                          hungarianDecimal(r.best->width, 2))
              << QStringLiteral("  Yallop q:         %1 (%2: %3)")
                     .arg(hungarianDecimal(r.best->q, 3), QString(yallopLetter(yc)), yallopWords(yc))
              << QStringLiteral("  Odeh V:           %1 (%2 zóna: %3)")
                     .arg(hungarianDecimal(r.best->odehV, 2), QString(odehLetter(oz)), odehWords(oz));
    } else {
        const QString why = r.sunEvent && r.crescent
                                ? QStringLiteral("a Hold nincs a látóhatár felett, amíg a Nap lent van")
                                : noCrescentReason(r);
        lines << QStringLiteral("Legjobb időpont:    nincs (%1)").arg(why)
              << QStringLiteral("  Yallop q:         - (F: nem látható)");
    }
    return lines + recordLines(r);
}

QJsonObject sightingJson(const SightingReport& r, const QTimeZone& zone)
{
    QJsonObject o{
        {QStringLiteral("time"), localInstant(r.at, zone)},
        {QStringLiteral("timeUT"), instant(r.at)},
        {QStringLiteral("timeZone"), QString::fromUtf8(zone.id())},
        {QStringLiteral("latitude"), r.site.latitude},
        {QStringLiteral("longitude"), r.site.longitude},
        {QStringLiteral("elevation"), r.site.elevation},
        {QStringLiteral("conjunctionBefore"), instant(r.conjunctionBefore)},
        {QStringLiteral("conjunctionAfter"), instant(r.conjunctionAfter)},
        {QStringLiteral("crescent"), r.evening ? QStringLiteral("evening") : QStringLiteral("morning")},
        {QStringLiteral("ageHours"), r.ageDays * 24.0},
        {QStringLiteral("sun"), placeJson(r.sun)},
        {QStringLiteral("moon"), placeJson(r.moon)},
        {QStringLiteral("now"), geometryJson(r.now)},
    };
    const bool ev = r.evening;
    const bool moonEvent = r.crescent && !r.crescent->moonUpAllNight;
    o.insert(ev ? QStringLiteral("sunset") : QStringLiteral("sunrise"),
             r.sunEvent ? instant(*r.sunEvent) : QJsonValue(QJsonValue::Null));
    o.insert(ev ? QStringLiteral("moonset") : QStringLiteral("moonrise"),
             moonEvent ? instant(r.crescent->moonEvent) : QJsonValue(QJsonValue::Null));
    o.insert(QStringLiteral("lagMinutes"), moonEvent ? QJsonValue(r.crescent->lagDays * 1440.0) : QJsonValue());
    o.insert(QStringLiteral("moonUpAllNight"), r.crescent && r.crescent->moonUpAllNight);
    if (r.best && r.crescent) {
        QJsonObject best = geometryJson(*r.best);
        best.insert(QStringLiteral("time"), instant(r.crescent->best));
        best.insert(QStringLiteral("ageHours"), r.crescent->ageDays * 24.0);
        best.insert(QStringLiteral("yallopQ"), r.best->q);
        best.insert(QStringLiteral("yallopClass"), QString(yallopLetter(yallopClass(r.best->q))));
        best.insert(QStringLiteral("yallopText"), yallopWords(yallopClass(r.best->q)));
        best.insert(QStringLiteral("odehV"), r.best->odehV);
        best.insert(QStringLiteral("odehZone"), QString(odehLetter(odehZone(r.best->odehV))));
        best.insert(QStringLiteral("odehText"), odehWords(odehZone(r.best->odehV)));
        o.insert(QStringLiteral("best"), best);
    } else {
        o.insert(QStringLiteral("best"), QJsonValue(QJsonValue::Null));
    }
    o.insert(QStringLiteral("records"), recordsJson(r));
    return o;
}

}  // namespace tavik::almanac
