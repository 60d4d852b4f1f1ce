#include "sightingwords.h"

#include <almanacterms.h>

#include <QCoreApplication>
#include <QJsonValue>

#include <cmath>

namespace tavik::words {

using namespace almanac;

namespace {

// Evening and morning forms of each figure's name.
const char* const kFieldLabels[][2] = {
    {QT_TRANSLATE_NOOP("Sighting", "Időpont"), nullptr},
    {QT_TRANSLATE_NOOP("Sighting", "Hely"), nullptr},
    {QT_TRANSLATE_NOOP("Sighting", "Együttállás előtte"), nullptr},
    {QT_TRANSLATE_NOOP("Sighting", "Együttállás utána"), nullptr},
    {QT_TRANSLATE_NOOP("Sighting", "A Hold kora"), nullptr},
    {QT_TRANSLATE_NOOP("Sighting", "Nap"), nullptr},
    {QT_TRANSLATE_NOOP("Sighting", "Hold"), nullptr},
    {QT_TRANSLATE_NOOP("Sighting", "Napnyugta"), QT_TRANSLATE_NOOP("Sighting", "Napkelte")},
    {QT_TRANSLATE_NOOP("Sighting", "Holdnyugta"), QT_TRANSLATE_NOOP("Sighting", "Holdkelte")},
    {QT_TRANSLATE_NOOP("Sighting", "Késés"), nullptr},
    {QT_TRANSLATE_NOOP("Sighting", "ARCL"), nullptr},
    {QT_TRANSLATE_NOOP("Sighting", "ARCV"), nullptr},
    {QT_TRANSLATE_NOOP("Sighting", "DAZ"), nullptr},
    {QT_TRANSLATE_NOOP("Sighting", "W′ (sarló szélessége)"), nullptr},
    {QT_TRANSLATE_NOOP("Sighting", "Megvilágított rész"), nullptr},
    {QT_TRANSLATE_NOOP("Sighting", "Legjobb időpont"), nullptr},
    {QT_TRANSLATE_NOOP("Sighting", "Yallop q"), nullptr},
    {QT_TRANSLATE_NOOP("Sighting", "Odeh V"), nullptr},
    {QT_TRANSLATE_NOOP("Sighting", "Rekordok"), nullptr},
};
static_assert(std::size(kFieldLabels) == static_cast<std::size_t>(SightingField::Records) + 1);

const char* const kSunStates[] = {
    QT_TRANSLATE_NOOP("Sighting", "a Nap a látóhatár felett van"),
    QT_TRANSLATE_NOOP("Sighting", "a Nap lenyugodott"),
    QT_TRANSLATE_NOOP("Sighting", "a Nap még nem kelt fel"),
    QT_TRANSLATE_NOOP("Sighting", "a Nap egész nap a látóhatár alatt van"),
};
static_assert(std::size(kSunStates) == static_cast<std::size_t>(SunState::DownAllDay) + 1);

// Evening and morning forms.
const char* const kNoCrescent[][2] = {
    { QT_TRANSLATE_NOOP("Sighting", "nincs napnyugta"), QT_TRANSLATE_NOOP("Sighting", "nincs napkelte") },
    { QT_TRANSLATE_NOOP("Sighting", "nincs holdnyugta"), QT_TRANSLATE_NOOP("Sighting", "nincs holdkelte") },
    { QT_TRANSLATE_NOOP("Sighting", "a Hold a Nap előtt nyugszik"),
        QT_TRANSLATE_NOOP("Sighting", "a Hold a Nap után kel") },
};
static_assert(std::size(kNoCrescent) == static_cast<std::size_t>(NoCrescent::MoonOnTheWrongSide) + 1);

const char* const kRecordMeans[] = {
    QT_TRANSLATE_NOOP("Sighting", "szabad szemmel:"),
    QT_TRANSLATE_NOOP("Sighting", "binokulárral:"),
    QT_TRANSLATE_NOOP("Sighting", "távcsővel:"),
    QT_TRANSLATE_NOOP("Sighting", "fényképen:"),
};
static_assert(std::size(kRecordMeans) == static_cast<std::size_t>(RecordMeans::Imaging) + 1);

// The places of the records that have a name in English.
[[maybe_unused]] const char* const kRecordPlaces[] = {
    QT_TRANSLATE_NOOP("Sighting", "Irán"),
    QT_TRANSLATE_NOOP("Sighting", "Élancourt, Franciaország"),
};

template <class Enum>
int indexOf(Enum e)
{
    return static_cast<int>(e);
}

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

QString sightingWords(const char* text)
{
    return QCoreApplication::translate("Sighting", text);
}

QString fieldLabel(SightingField field, bool evening)
{
    const auto& forms = kFieldLabels[indexOf(field)];
    return sightingWords(!evening && forms[1] ? forms[1] : forms[0]);
}

QString degreesText(double value)
{
    return decimalText(value, 2) + u'°';
}

QString whenText(double jd, const QTimeZone& zone)
{
    return formatLocalMinute(jd, zone) + QStringLiteral(" (") + formatLocalMinute(jd, QTimeZone::utc())
           + QStringLiteral(" UT)");
}

QString widthText(double arcmin)
{
    return decimalText(arcmin, 2) + u'′';
}

QString litText(double fraction)
{
    return decimalText(fraction * 100.0, 2) + u'%';
}

QString yallopText(double q)
{
    const YallopClass c = yallopClass(q);
    return QStringLiteral("%1 (%2: %3)").arg(decimalText(q, 3), QString(yallopLetter(c)), yallopWords(c));
}

QString odehText(double v)
{
    const OdehZone z = odehZone(v);
    return sightingWords(QT_TRANSLATE_NOOP("Sighting", "%1 (%2 zóna: %3)"))
        .arg(decimalText(v, 2), QString(odehLetter(z)), odehWords(z));
}

QString noQText()
{
    return QStringLiteral("- (F: ") + yallopWords(YallopClass::F) + u')';
}

QString noneText()
{
    return sightingWords(QT_TRANSLATE_NOOP("Sighting", "nincs"));
}

QString sunStateText(SunState s)
{
    return sightingWords(kSunStates[indexOf(s)]);
}

QString moonStateText(bool up)
{
    return up ? sightingWords(QT_TRANSLATE_NOOP("Sighting", "a Hold a látóhatár felett van"))
              : sightingWords(QT_TRANSLATE_NOOP("Sighting", "a Hold a látóhatár alatt van"));
}

QString noSunEventText(bool polarNight)
{
    return polarNight ? sightingWords(QT_TRANSLATE_NOOP("Sighting", "nincs (a Nap ezen a napon nem kel fel)"))
                      : sightingWords(QT_TRANSLATE_NOOP("Sighting", "nincs (a Nap ezen a napon nem nyugszik le)"));
}

QString moonUpAllNightText(bool evening)
{
    return evening ? sightingWords(QT_TRANSLATE_NOOP("Sighting", "nincs (a Hold ezen az éjszakán nem nyugszik le)"))
                   : sightingWords(QT_TRANSLATE_NOOP(
                       "Sighting", "nincs (a Hold ezen a hajnalon nem kel fel, egész éjjel fent van)"));
}

QString moonDownAllNightText(bool evening)
{
    return evening ? sightingWords(QT_TRANSLATE_NOOP("Sighting", "nincs (a Hold a Nap előtt lenyugodott, és reggelig nem kel fel)"))
                   : sightingWords(QT_TRANSLATE_NOOP(
                       "Sighting", "nincs (a Hold egész éjjel lent van, és csak a Nap után kel fel)"));
}

QString noMoonEventText(const SightingFigures& f)
{
    if (f.moonUpAllNight)
        return moonUpAllNightText(f.report.evening);
    if (f.moonDownAllNight)
        return moonDownAllNightText(f.report.evening);
    return sightingWords(QT_TRANSLATE_NOOP("Sighting", "nincs a közelében"));
}

QString noCrescentText(NoCrescent why, bool evening)
{
    return sightingWords(kNoCrescent[indexOf(why)][evening ? 0 : 1]);
}

QString lagText(double lagDays, bool evening)
{
    if (lagDays > 0)
        return signedDurationText(lagDays);
    return signedDurationText(lagDays) + QStringLiteral(" (") + noCrescentText(NoCrescent::MoonOnTheWrongSide, evening)
           + u')';
}

QString bestRuleText(const SightingFigures& f)
{
    if (f.moonUpAllNight)
        return sightingWords(QT_TRANSLATE_NOOP("Sighting", "a Nap legmélyebb pontja, a legsötétebb ég"));
    return f.report.evening ? sightingWords(QT_TRANSLATE_NOOP("Sighting", "napnyugta + 4/9 késés"))
                            : sightingWords(QT_TRANSLATE_NOOP("Sighting", "napkelte - 4/9 késés"));
}

QString noBestText(const SightingFigures& f)
{
    if (f.report.sunEvent && f.report.crescent)
        return sightingWords(QT_TRANSLATE_NOOP("Sighting", "a Hold nincs a látóhatár felett, amíg a Nap lent van"));
    return noCrescentText(f.noCrescent.value_or(NoCrescent::NoMoonEvent), f.report.evening);
}

QString recordsHeadText(const SightingFigures& f)
{
    if (f.bestAgeDays)
        return sightingWords(QT_TRANSLATE_NOOP("Sighting", "a Hold kora a legjobb időpontban %1"))
            .arg(signedDurationText(*f.bestAgeDays));
    return sightingWords(QT_TRANSLATE_NOOP("Sighting", "a sarló nem látható (%1), nem vethető össze a rekordokkal"))
        .arg(noCrescentText(f.noCrescent.value_or(NoCrescent::NoMoonEvent), f.report.evening));
}

QStringList recordTexts(const SightingFigures& f)
{
    QStringList lines;
    for (const RecordComparison& c : f.records) {
        const bool imaging = c.record.means == RecordMeans::Imaging;
        QString line
            = sightingWords(kRecordMeans[indexOf(c.record.means)]).leftJustified(18)
              + (imaging ? sightingWords(QT_TRANSLATE_NOOP("Sighting", "az együttállás pillanatában"))
                         : signedDurationText(c.record.hours / 24.0))
              + QStringLiteral(" (%1, %2)").arg(QLatin1String(c.record.date), recordPlace(c.record));
        if (c.younger)
            line += *c.younger ? sightingWords(QT_TRANSLATE_NOOP("Sighting", ": fiatalabb a rekordnál"))
                               : sightingWords(QT_TRANSLATE_NOOP("Sighting", ": nem rekord"));
        lines << line;
    }
    return lines;
}

QString recordPlace(const CrescentRecord& record)
{
    return sightingWords(record.place);
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

QString sightingText(const SightingReport& r, const QTimeZone& zone)
{
    return sightingLines(r, zone).join(u'\n') + u'\n';
}

}  // namespace tavik::words
