#include "sightingfigures.h"

#include "lists.h"

#include <QCoreApplication>

#include <cmath>

namespace tavik::almanac {

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

template <class Enum>
int indexOf(Enum e)
{
    return static_cast<int>(e);
}

bool sunDownAllDay(const SkyPlace& sun, double latitude)
{
    constexpr double kSunRiseAltitude = -(kSunSemiDiameter + 34.0 / 60.0);   // degrees, with refraction
    return 90.0 - std::abs(latitude - sun.declination) < kSunRiseAltitude;   // even at noon
}

// Below the horizon, the Sun has set before local midnight and not yet risen
// after it; where it stays down all day (polar night), neither.
SunState sunStateOf(const SkyPlace& sun, double latitude)
{
    if (sun.up)
        return SunState::Up;
    if (sunDownAllDay(sun, latitude))
        return SunState::DownAllDay;
    return sun.hourAngle < 180.0 ? SunState::Set : SunState::NotYetRisen;
}

}  // namespace

QString sightingWords(const char* text)
{
    return QCoreApplication::translate("Sighting", text);
}

SightingFigures sightingFigures(const SightingReport& r)
{
    SightingFigures f;
    f.report = r;
    f.sunState = sunStateOf(r.sun, r.site.latitude);
    f.polarNight = sunDownAllDay(r.sun, r.site.latitude);
    const std::optional<CrescentSighting>& c = r.crescent;
    f.moonUpAllNight = c && c->moonUpAllNight;
    f.moonDownAllNight = c && c->moonDownAllNight;
    if (c && !c->moonUpAllNight && !c->moonDownAllNight) {
        f.moonEvent = c->moonEvent;
        f.lagDays = c->lagDays;
    }
    if (r.best && c) {
        f.bestTime = c->best;
        f.best = r.best;
        f.bestAgeDays = c->ageDays;
        f.yallop = yallopClass(r.best->q);
        f.odeh = odehZone(r.best->odehV);
    } else {
        f.noCrescent = !r.sunEvent ? NoCrescent::NoSunEvent
                       : !c        ? NoCrescent::NoMoonEvent
                                   : NoCrescent::MoonOnTheWrongSide;
    }
    const double hours = f.bestAgeDays ? std::abs(*f.bestAgeDays) * 24.0 : 0.0;
    for (const CrescentRecord& record : crescentRecords()) {
        RecordComparison rc{record, std::nullopt};
        if (f.bestAgeDays && record.means != RecordMeans::Imaging)
            rc.younger = hours < record.hours;
        f.records.append(rc);
    }
    return f;
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
              + QStringLiteral(" (%1, %2)").arg(QLatin1String(c.record.date), sightingWords(c.record.place));
        if (c.younger)
            line += *c.younger ? sightingWords(QT_TRANSLATE_NOOP("Sighting", ": fiatalabb a rekordnál"))
                               : sightingWords(QT_TRANSLATE_NOOP("Sighting", ": nem rekord"));
        lines << line;
    }
    return lines;
}

}  // namespace tavik::almanac
