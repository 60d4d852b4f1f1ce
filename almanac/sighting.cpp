#include "sighting.h"

#include "lists.h"
#include "newmoons.h"
#include "sightingfigures.h"

#include <swephexp.h>

#include <QCoreApplication>
#include <QJsonValue>

#include <cmath>

namespace tavik::almanac {

namespace {

// The conjunctions on either side are searched this far: a lunation is at most 29.9 days.
constexpr double kConjunctionSearch = 31.0;   // days

QString placeText(const SkyPlace& p, const QString& state)
{
    return sightingWords(QT_TRANSLATE_NOOP("Sighting", "magasság %1 (fénytöréssel %2), azimut %3 - %4"))
        .arg(degreesText(p.altitude), degreesText(p.apparentAltitude), degreesText(p.azimuth), state);
}

QString ageNote(bool evening)
{
    return evening
               ? sightingWords(QT_TRANSLATE_NOOP("Sighting", "esti sarló, az együttállás óta"))
               : sightingWords(QT_TRANSLATE_NOOP("Sighting", "hajnali sarló, negatív: a következő együttállásig"));
}

// A line's label, the values in one column.
QString label(SightingField field, bool evening = true)
{
    return (fieldLabel(field, evening) + u':').leftJustified(19) + u' ';
}

QString subLabel(SightingField field)
{
    return QStringLiteral("  ") + (fieldLabel(field, true) + u':').leftJustified(17) + u' ';
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

QJsonObject recordsJson(const SightingFigures& f)
{
    const std::optional<double>& age = f.bestAgeDays;
    QJsonObject o{{QStringLiteral("comparable"), age.has_value()},
                  {QStringLiteral("ageHours"), age ? QJsonValue(*age * 24.0) : QJsonValue()}};
    for (const RecordComparison& c : f.records) {
        const QString key = QLatin1String(c.record.key);
        o.insert(key + QStringLiteral("Hours"), c.record.hours);
        if (c.record.means != RecordMeans::Imaging) {
            const QString below = QStringLiteral("below") + key.at(0).toUpper() + key.mid(1) + QStringLiteral("Record");
            o.insert(below, c.younger.value_or(false));
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
    swe_azalt(jdUt, SE_EQU2HOR, geo.data(), kStandardPressure, kStandardTemperature, equ.data(), hor);
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
        {RecordMeans::OpticalAid, kOpticalAidRecordHours, "2002.09.07", QT_TRANSLATE_NOOP("Sighting", "Irán"), "opticalAid"},
        {RecordMeans::Telescope, 12.1, "1996.01.21", "Tucson, Arizona", "telescope"},
        {RecordMeans::Imaging, 0.0, "2013.07.08", QT_TRANSLATE_NOOP("Sighting", "Élancourt, Franciaország"), "imaging"},
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

QStringList sightingLines(const SightingReport& report, const QTimeZone& zone)
{
    using enum SightingField;
    const SightingFigures f = sightingFigures(report);
    const SightingReport& r = f.report;
    const bool ev = r.evening;
    QStringList lines;
    lines << sightingWords(QT_TRANSLATE_NOOP("Sighting", "Holdsarló-megfigyelés körülményei"))
          << label(Time)
                 + sightingWords(QT_TRANSLATE_NOOP("Sighting", "%1 (%2), %3 UT"))
                       .arg(formatLocalMinute(r.at, zone), QString::fromUtf8(zone.id()),
                           formatLocalMinute(r.at, QTimeZone::utc()))
          << label(Site) + siteText(r.site)
          << label(ConjunctionBefore) + whenText(r.conjunctionBefore, zone)
          << label(ConjunctionAfter) + whenText(r.conjunctionAfter, zone)
          << label(Age) + QStringLiteral("%1 (%2)").arg(signedDurationText(r.ageDays), ageNote(ev))
          << label(Sun) + placeText(r.sun, sunStateText(f.sunState))
          << label(Moon) + placeText(r.moon, moonStateText(r.moon.up));
    if (!r.sunEvent) {
        lines << label(SunEvent, ev) + noSunEventText(f.polarNight);
    } else {
        lines << label(SunEvent, ev) + whenText(*r.sunEvent, zone);
        if (!f.moonEvent)
            lines << label(MoonEvent, ev) + noMoonEventText(f);
        else
            lines << label(MoonEvent, ev) + whenText(*f.moonEvent, zone) << label(Lag) + lagText(*f.lagDays, ev);
    }
    lines << label(Arcl) + degreesText(r.now.arcl) << label(Arcv) + degreesText(r.now.arcv)
          << label(Daz) + degreesText(r.now.daz) << label(Width) + widthText(r.now.width)
          << label(Lit) + litText(r.now.litFraction);
    if (f.best) {
        const CrescentGeometry& b = *f.best;
        lines << label(Best) + QStringLiteral("%1 (%2)").arg(whenText(*f.bestTime, zone), bestRuleText(f))
              << QStringLiteral("  ARCL %1, ARCV %2, DAZ %3, W′ %4")
                     .arg(degreesText(b.arcl), degreesText(b.arcv), degreesText(b.daz), widthText(b.width))
              << subLabel(YallopQ) + yallopText(b.q) << subLabel(OdehV) + odehText(b.odehV);
    } else {
        lines << label(Best) + sightingWords(QT_TRANSLATE_NOOP("Sighting", "nincs (%1)")).arg(noBestText(f))
              << subLabel(YallopQ) + noQText();
    }
    lines << label(Records) + recordsHeadText(f);
    for (const QString& record : recordTexts(f))
        lines << QStringLiteral("  ") + record;
    return lines;
}

QJsonObject sightingJson(const SightingReport& report, const QTimeZone& zone)
{
    const SightingFigures f = sightingFigures(report);
    const SightingReport& r = f.report;
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
    o.insert(ev ? QStringLiteral("sunset") : QStringLiteral("sunrise"),
             r.sunEvent ? instant(*r.sunEvent) : QJsonValue(QJsonValue::Null));
    o.insert(ev ? QStringLiteral("moonset") : QStringLiteral("moonrise"),
             f.moonEvent ? instant(*f.moonEvent) : QJsonValue(QJsonValue::Null));
    o.insert(QStringLiteral("lagMinutes"), f.lagDays ? QJsonValue(*f.lagDays * 1440.0) : QJsonValue());
    o.insert(QStringLiteral("moonUpAllNight"), f.moonUpAllNight);
    o.insert(QStringLiteral("moonDownAllNight"), f.moonDownAllNight);
    if (f.best) {
        QJsonObject best = geometryJson(*f.best);
        best.insert(QStringLiteral("time"), instant(*f.bestTime));
        best.insert(QStringLiteral("ageHours"), *f.bestAgeDays * 24.0);
        best.insert(QStringLiteral("yallopQ"), f.best->q);
        best.insert(QStringLiteral("yallopClass"), QString(yallopLetter(f.yallop)));
        best.insert(QStringLiteral("yallopText"), yallopWords(f.yallop));
        best.insert(QStringLiteral("odehV"), f.best->odehV);
        best.insert(QStringLiteral("odehZone"), QString(odehLetter(f.odeh)));
        best.insert(QStringLiteral("odehText"), odehWords(f.odeh));
        o.insert(QStringLiteral("best"), best);
    } else {
        o.insert(QStringLiteral("best"), QJsonValue(QJsonValue::Null));
    }
    o.insert(QStringLiteral("records"), recordsJson(f));
    return o;
}

}  // namespace tavik::almanac
