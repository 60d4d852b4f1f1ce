#include "calendarcommand.h"

#include "almanacterms.h"
#include "commandline.h"
#include "filefaults.h"
#include "lunarcalendar.h"
#include "lunarmonthtexts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>

#include <optional>

namespace tavik::almanac {

namespace {

std::optional<int> yearOption(const QCommandLineParser& p, const QString& name)
{
    bool ok = false;
    const int year = p.value(name).trimmed().toInt(&ok);
    if (!ok || year < kFirstCalendarYear || year > kLastCalendarYear) {
        errorStream() << QCoreApplication::translate("CalendarCommand", "Hibás --%1 év: \"%2\" - hidzsra év kell %3 és %4 között (az efemeriszfájlok "
                            "1800 és 2399 között tartanak)")
                             .arg(name, p.value(name))
                             .arg(kFirstCalendarYear)
                             .arg(kLastCalendarYear)
                      << "\n";
        return std::nullopt;
    }
    return year;
}

}  // namespace

int runCalendarCommand(const QStringList& arguments)
{
    QCommandLineParser p;
    p.setApplicationDescription(
        QCoreApplication::translate("CalendarCommand", "A hidzsra hónapok kezdőnapjai egy szabály szerint; az évek hidzsra évek.\n"
           "Szabályok: ummalqura (Szaúd-Arábia, Mekka), istanbul (2016, az egész Föld), mabims (2021, a helyen),\n"
           "yallop és odeh (a holdsarló láthatósága a helyen; --optical: távcsővel is).\n"
           "Kilépési kód: 0 kész, 2 hibás bemenet (semmi sem íródik), 3 az efemerisz hibája, 4 az --ics fájl nem "
           "írható."));
    addHelpOptions(p, false);
    p.addOptions({
        {QStringLiteral("rule"), QCoreApplication::translate("CalendarCommand", "A szabály: ummalqura, istanbul, mabims, yallop vagy odeh."), QCoreApplication::translate("CalendarCommand", "szabály")},
        {QStringLiteral("from"), QCoreApplication::translate("CalendarCommand", "Első hidzsra év."), QCoreApplication::translate("CalendarCommand", "év")},
        {QStringLiteral("to"), QCoreApplication::translate("CalendarCommand", "Utolsó hidzsra év (alapértelmezés: az első)."), QCoreApplication::translate("CalendarCommand", "év")},
        {QStringLiteral("optical"), QCoreApplication::translate("CalendarCommand", "Távcsővel látható holdsarló is elég (Yallop C, Odeh B).")},
        {QStringLiteral("tsv"), QCoreApplication::translate("CalendarCommand", "Tabulátorral tagolt sorok fejléccel a táblázat helyett.")},
        {QStringLiteral("ics"), QCoreApplication::translate("CalendarCommand", "iCalendar fájl (RFC 5545) írása."), QCoreApplication::translate("CalendarCommand", "fájl")},
    });
    p.addOptions(placeOptions());
    p.process(arguments);
    if (p.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << commandHelp(p, QStringLiteral("calendar"));
        return 0;
    }
    const std::optional<MonthRule> rule = monthRuleFromKey(p.value(QStringLiteral("rule")).trimmed());
    if (!rule) {
        errorStream() << QCoreApplication::translate("CalendarCommand", "Ismeretlen --rule szabály: \"%1\" (lehet: ummalqura, istanbul, mabims, yallop, odeh)")
                             .arg(p.value(QStringLiteral("rule")))
                      << "\n";
        return 2;
    }
    if (!p.isSet(QStringLiteral("from"))) {
        errorStream() << QCoreApplication::translate("CalendarCommand", "Hiányzik a --from év, például --from 1446") << "\n";
        return 2;
    }
    const std::optional<int> from = yearOption(p, QStringLiteral("from"));
    const std::optional<int> to = p.isSet(QStringLiteral("to")) ? yearOption(p, QStringLiteral("to")) : from;
    if (!from || !to)
        return 2;
    if (*from > *to) {
        errorStream() << QCoreApplication::translate("CalendarCommand", "A --from év (%1) nem lehet később, mint a --to év (%2)").arg(*from).arg(*to) << "\n";
        return 2;
    }
    const ObservingSite configured = configuredSite(p);
    const std::optional<Site> site = siteOption(p, configured);
    const std::optional<QTimeZone> zone = zoneOption(p, configured.zone());
    if (!site || !zone)
        return 2;
    const std::optional<Ephemeris> eph = ephemerisOption(p);
    if (!eph)
        return 2;

    CalendarRequest request;
    request.rule = *rule;
    request.fromYear = *from;
    request.toYear = *to;
    request.site = *site;
    request.zone = *zone;
    request.optical = p.isSet(QStringLiteral("optical"));
    QList<LunarMonth> months;
    try {
        months = lunarMonths(*eph, request);
    } catch (const EphemerisError& e) {
        errorStream() << tavik::words::ephemerisFaultText(e) << "\n";
        return 3;
    }
    if (p.isSet(QStringLiteral("ics"))) {
        const QString path = p.value(QStringLiteral("ics"));
        const FileStatus status = writeCalendarIcs(path, calendarIcs(months, request, QDateTime::currentDateTimeUtc()));
        if (!status.ok()) {
            errorStream() << describeFileFault(status) << "\n";
            return 4;
        }
    }
    QTextStream out(stdout);
    if (p.isSet(QStringLiteral("tsv"))) {
        out << calendarTsvHeader() << "\n";
        for (const LunarMonth& m : std::as_const(months))
            out << calendarTsvLine(m) << "\n";
    } else {
        for (const QString& line : calendarTable(months, *rule))
            out << line << "\n";
        for (const LunarMonth& m : std::as_const(months))
            if (m.borderline)
                out << hijriDateText(1, m.number) << ": " << borderlineText(m) << "\n";
    }
    return 0;
}

}  // namespace tavik::almanac
