#include "visibilityfigures.h"

#include "almanacterms.h"
#include "lists.h"
#include "sightingfigures.h"
#include "sightingwords.h"
#include "wordslanguage.h"

#include <QCoreApplication>

namespace tavik {

using namespace almanac;
using namespace words;

namespace {

QString place(const SkyPlace& p)
{
    // Airless and refracted, as the report's text gives them.
    return QCoreApplication::translate("VisibilityFigures", "magasság %1 (fénytöréssel %2), azimut %3")
        .arg(degreesText(p.altitude), degreesText(p.apparentAltitude), degreesText(p.azimuth));
}

QString moonEventValue(const SightingFigures& f, const QTimeZone& zone)
{
    if (f.moonUpAllNight || f.moonDownAllNight)
        return noMoonEventText(f);
    return f.moonEvent ? whenText(*f.moonEvent, zone) : noneText();
}

QString recordsValue(const SightingFigures& f)
{
    QStringList lines{recordsHeadText(f)};
    for (const QString& record : recordTexts(f))
        lines << record.trimmed();
    return lines.join(u'\n');
}

}  // namespace

QList<Figure> reportFigures(const SightingReport& report, const QTimeZone& zone)
{
    using enum SightingField;
    const SightingFigures f = sightingFigures(report);
    const SightingReport& r = f.report;
    const bool ev = r.evening;
    const std::optional<CrescentGeometry>& b = f.best;
    auto at = [&b](auto text) { return b ? text(*b) : QString(); };
    auto row = [ev](SightingField field, const char* key, QString now, QString best = {}) {
        return Figure{QLatin1String(key), fieldLabel(field, ev), std::move(now), std::move(best)};
    };
    return {
        row(Time, "time", formatLocalMinute(r.at, zone) + QStringLiteral(" (") + QString::fromUtf8(zone.id()) + u')'),
        row(Site, "site", siteText(r.site)),
        row(ConjunctionBefore, "conjunctionBefore", whenText(r.conjunctionBefore, zone)),
        row(ConjunctionAfter, "conjunctionAfter", whenText(r.conjunctionAfter, zone)),
        row(Age, "age", signedDurationText(r.ageDays), f.bestAgeDays ? signedDurationText(*f.bestAgeDays) : QString()),
        row(Sun, "sun", place(r.sun)),
        row(Moon, "moon", place(r.moon)),
        row(SunEvent, "sunEvent", r.sunEvent ? whenText(*r.sunEvent, zone) : noneText()),
        row(MoonEvent, "moonEvent", moonEventValue(f, zone)),
        row(Lag, "lag", f.lagDays ? lagText(*f.lagDays, ev) : noneText()),
        row(Best, "best", f.bestTime ? whenText(*f.bestTime, zone) : noneText()),
        row(Arcl, "arcl", degreesText(r.now.arcl), at([](auto g) { return degreesText(g.arcl); })),
        row(Arcv, "arcv", degreesText(r.now.arcv), at([](auto g) { return degreesText(g.arcv); })),
        row(Daz, "daz", degreesText(r.now.daz), at([](auto g) { return degreesText(g.daz); })),
        row(Width, "width", widthText(r.now.width), at([](auto g) { return widthText(g.width); })),
        row(Lit, "lit", litText(r.now.litFraction), at([](auto g) { return litText(g.litFraction); })),
        row(YallopQ, "q", {}, b ? yallopText(b->q) : noQText()),
        row(OdehV, "v", {}, b ? odehText(b->odehV) : QStringLiteral("-")),
        row(Records, "records", recordsValue(f)),
    };
}

QStringList huntHeadings(bool evening)
{
    using enum SightingField;
    return {QCoreApplication::translate("VisibilityFigures", "Dátum"), fieldLabel(SunEvent, evening),
            fieldLabel(Lag, evening), QCoreApplication::translate("VisibilityFigures", "Kor a legjobb időpontban"),
            fieldLabel(YallopQ, evening), fieldLabel(OdehV, evening)};
}

QList<QStringList> huntRows(const QList<HuntEvening>& hunt, const QTimeZone& zone)
{
    QList<QStringList> rows;
    for (const HuntEvening& h : hunt) {
        QStringList row{words::Language::date(h.date)};
        if (!h.sunEvent) {
            row << noneText() << QString() << QString() << QString() << QString();
        } else if (!h.crescent) {
            row << formatLocalTime(*h.sunEvent, zone) << noneText() << QString()
                << QString() << QString();
        } else {
            const CrescentSighting& c = *h.crescent;
            // A Moon up (down) all night has no lag, as the report says.
            const bool noLag = c.moonUpAllNight || c.moonDownAllNight;
            row << formatLocalTime(*h.sunEvent, zone) << (noLag ? noneText() : signedDurationText(c.lagDays))
                << (c.q ? signedDurationText(c.ageDays) : QString())
                << (c.q ? yallopText(*c.q) : noQText())
                << (h.odehV ? odehText(*h.odehV) : QStringLiteral("-"));
        }
        rows.append(row);
    }
    return rows;
}

}  // namespace tavik
