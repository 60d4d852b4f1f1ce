#include "logcommand.h"

#include "almanacterms.h"
#include "commandline.h"
#include "filefaults.h"
#include "logbookwords.h"
#include "wordslanguage.h"

#include <circumstances.h>
#include <csvfile.h>
#include <lists.h>
#include <logbookservice.h>
#include <logbookstore.h>
#include <summaries.h>
#include <transfer.h>

#include <datafiles.h>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <optional>

#include <unistd.h>

namespace tavik::almanac {

using namespace tavik::logbook;

namespace {

class LogCommand {
    Q_DECLARE_TR_FUNCTIONS(LogCommand)
};

enum Exit { Done = 0, BadOption = 1, BadInput = 2, EphemerisFault = 3 };

QJsonValue orNull(const std::optional<double>& v)
{
    return v ? QJsonValue(*v) : QJsonValue(QJsonValue::Null);
}

QJsonObject entryJson(const LogEntry& e)
{
    const Attempt& a = e.attempt;
    const Circumstances& c = e.computed;
    QJsonArray flags;
    for (unsigned f : kAllFlags) {
        if (c.flags & f)
            flags << flagKey(f);
    }
    return QJsonObject{
        {QStringLiteral("id"), e.id},
        {QStringLiteral("date"), a.date.toString(Qt::ISODate)},
        {QStringLiteral("time"), a.time ? QJsonValue(a.time->toString(QStringLiteral("HH:mm"))) : QJsonValue()},
        {QStringLiteral("zone"), a.site.timezone},
        {QStringLiteral("crescent"), a.evening ? QStringLiteral("evening") : QStringLiteral("morning")},
        {QStringLiteral("site"), a.site.name},
        {QStringLiteral("latitude"), a.site.latitude},
        {QStringLiteral("longitude"), a.site.longitude},
        {QStringLiteral("elevation"), a.site.elevation},
        {QStringLiteral("observer"), a.observer},
        {QStringLiteral("result"), resultKey(a.result)},
        {QStringLiteral("instrument"), a.instrument},
        {QStringLiteral("sky"), skyKey(a.sky)},
        {QStringLiteral("notes"), a.notes},
        {QStringLiteral("computation"), c.version},
        {QStringLiteral("timeUT"), utcOf(c.atJd).toString(Qt::ISODate)},
        {QStringLiteral("bestTime"), c.bestTime},
        {QStringLiteral("ageHours"), c.ageHours},
        {QStringLiteral("lagMinutes"), orNull(c.lagMinutes)},
        {QStringLiteral("arcl"), c.arcl},
        {QStringLiteral("arcv"), c.arcv},
        {QStringLiteral("daz"), c.daz},
        {QStringLiteral("width"), c.width},
        {QStringLiteral("illuminatedFraction"), c.litFraction},
        {QStringLiteral("moonAltitude"), c.moonAltitude},
        {QStringLiteral("yallopQ"), c.q},
        {QStringLiteral("yallopClass"), QString(yallopLetter(c.yallop))},
        {QStringLiteral("odehV"), c.v},
        {QStringLiteral("odehZone"), QString(odehLetter(c.odeh))},
        {QStringLiteral("flags"), flags},
    };
}

void printJson(const QJsonValue& v)
{
    const QJsonDocument doc = v.isArray() ? QJsonDocument(v.toArray()) : QJsonDocument(v.toObject());
    QTextStream(stdout) << doc.toJson(QJsonDocument::Indented);
}

int storeFailed(const StoreStatus& s)
{
    errorStream() << describeStoreStatus(s) << "\n";
    return BadInput;
}

// A progress line on the terminal, rewritten in place; nothing when standard
// error is not a terminal (a pipe, a log file).
TransferProgress progressLine(const QString& what)
{
    if (!::isatty(STDERR_FILENO))
        return {};
    return [what, last = -1](qint64 done, qint64 total) mutable {
        const int percent = total > 0 ? int(std::min<qint64>(100, done * 100 / total)) : 100;
        if (percent != last) {
            last = percent;
            errorStream() << "\r" << what << " " << percent << " %" << (percent == 100 ? "\n" : "");
            errorStream().flush();
        }
        return true;
    };
}

int importCsv(LogbookStore& store, const QString& file, const QString& ephe)
{
    ImportOptions options;
    options.ephemerisFolder = ephe;
    const ImportResult r = importAttemptsCsv(store, file, options, progressLine(LogCommand::tr("Betöltés:")));
    if (!r.file.ok()) {
        errorStream() << describeFileFault(r.file) << "\n";
        return BadInput;
    }
    if (!r.store.ok())
        return storeFailed(r.store);
    if (r.ephemeris) {
        errorStream() << file << ": " << tavik::words::ephemerisFaultText(*r.ephemeris) << " " << LogCommand::tr("Semmi sem került a naplóba.") << "\n";
        return EphemerisFault;
    }
    if (!r.faults.isEmpty()) {
        for (const CsvFault& f : r.faults)
            errorStream() << file << ": " << describeCsvFault(f) << "\n";
        if (r.moreFaults)
            errorStream() << LogCommand::tr("További hibás sorok is vannak; az első %n látható.", nullptr, int(r.faults.size()))
                          << "\n";
        errorStream() << LogCommand::tr("Semmi sem került a naplóba.") << "\n";
        return BadInput;
    }
    QTextStream(stdout) << LogCommand::tr("%n új észlelés került a naplóba (%1)", nullptr, int(r.added)).arg(store.path())
                        << LogCommand::tr("; %n már benne volt.", nullptr, int(r.alreadyThere)) << "\n";
    return Done;
}

int exportCsv(LogbookStore& store, const QString& file)
{
    const ExportResult r = exportAttemptsCsv(store, file, progressLine(LogCommand::tr("Mentés:")));
    if (r.sameFile) {
        errorStream() << LogCommand::tr("A CSV-fájl (%1) maga a napló; nem íródott semmi.").arg(file) << "\n";
        return BadOption;
    }
    if (!r.store.ok())
        return storeFailed(r.store);
    if (!r.file.ok()) {
        errorStream() << describeFileFault(r.file) << "\n";
        return BadInput;
    }
    if (!r.unreadable.isEmpty()) {
        QStringList ids;
        for (qint64 id : r.unreadable)
            ids << QString::number(id);
        errorStream() << LogCommand::tr("%n sérült észlelés nem olvasható, kimaradt a CSV-ből: %1.", nullptr,
                                        int(r.unreadable.size()))
                             .arg(ids.join(QStringLiteral(", ")))
                      << "\n";
        return BadInput;
    }
    return Done;
}

int listEntries(LogbookStore& store, bool json)
{
    QList<LogEntry> entries;
    if (const StoreStatus s = store.load(entries, true); !s.ok())
        return storeFailed(s);
    if (json) {
        QJsonArray all;
        for (const LogEntry& e : std::as_const(entries))
            all << entryJson(e);
        printJson(all);
        return Done;
    }
    QTextStream out(stdout);
    for (const LogEntry& e : std::as_const(entries)) {
        const Attempt& a = e.attempt;
        const Circumstances& c = e.computed;
        out << e.id << "  " << words::Language::date(a.date) << " "
            << (a.time ? a.time->toString(QStringLiteral("HH:mm")) : LogCommand::tr("legjobb időpont")) << "  "
            << (a.evening ? LogCommand::tr("este") : LogCommand::tr("hajnal")) << "  " << a.site.name << "  " << resultLabel(a.result)
            << "  " << LogCommand::tr("kor %1 óra").arg(words::decimalText(c.ageHours, 1)) << "  "
            << LogCommand::tr("késés %1 perc").arg(c.lagMinutes ? words::decimalText(*c.lagMinutes, 0) : QStringLiteral("-"))
            << "  q " << words::decimalText(c.q, 3) << " (" << yallopLetter(c.yallop) << ")  V "
            << words::decimalText(c.v, 2) << " (" << odehLetter(c.odeh) << ")\n";
        for (const QString& flag : flagSentences(c.flags, a.evening))
            out << "    ! " << flag << "\n";
    }
    return Done;
}

int showRecords(LogbookStore& store, bool json)
{
    QList<LogEntry> entries;
    if (const StoreStatus s = store.load(entries, true); !s.ok())
        return storeFailed(s);
    const QList<PersonalRecord> records = personalRecords(entries);
    static const char* const kKeys[] = {"nakedEye", "opticalAid", "camera", "shortestLag", "smallestArcl"};
    if (json) {
        QJsonObject o;
        for (const PersonalRecord& r : records) {
            QJsonObject one{{QStringLiteral("value"), r.entry ? QJsonValue(r.value) : QJsonValue()},
                            {QStringLiteral("worldRecordHours"), orNull(r.worldHours)}};
            if (r.entry) {
                one.insert(QStringLiteral("id"), r.entry->id);
                one.insert(QStringLiteral("date"), r.entry->attempt.date.toString(Qt::ISODate));
                one.insert(QStringLiteral("site"), r.entry->attempt.site.name);
            }
            o.insert(QLatin1String(kKeys[int(r.kind)]), one);
        }
        printJson(o);
        return Done;
    }
    QTextStream out(stdout);
    for (const PersonalRecord& r : records) {
        out << personalRecordLabel(r.kind) << ": ";
        if (r.entry)
            out << personalRecordValue(r) << " (" << words::Language::date(r.entry->attempt.date) << ", "
                << r.entry->attempt.site.name << ")";
        else
            out << LogCommand::tr("még nincs");
        if (r.worldHours)
            out << LogCommand::tr("; világrekord: %1").arg(words::signedDurationText(*r.worldHours / 24.0));
        out << "\n";
    }
    return Done;
}

int showScore(LogbookStore& store, bool json)
{
    QList<LogEntry> entries;
    if (const StoreStatus s = store.load(entries, true); !s.ok())
        return storeFailed(s);
    const CriteriaScore score = scoreCriteria(entries);
    if (json) {
        auto table = [](const auto& rows, auto letter) {
            QJsonObject t;
            for (qsizetype c = 0; c < qsizetype(rows.size()); ++c) {
                QJsonObject row;
                for (int r = 0; r < kResultCount; ++r)
                    row.insert(resultKey(Result(r)), rows[c][r]);
                t.insert(QString(letter(int(c))), row);
            }
            return t;
        };
        printJson(QJsonObject{
            {QStringLiteral("counted"), score.counted},
            {QStringLiteral("yallop"), table(score.yallop, [](int c) { return yallopLetter(YallopClass(c)); })},
            {QStringLiteral("odeh"), table(score.odeh, [](int c) { return odehLetter(OdehZone(c)); })},
            {QStringLiteral("yallopRight"), score.yallopRight},
            {QStringLiteral("odehRight"), score.odehRight},
            {QStringLiteral("leftOutCloudyNotSeen"), score.leftOut},
            {QStringLiteral("hazeThinCloudDust"),
             QJsonObject{{QStringLiteral("counted"), score.veiledCounted},
                         {QStringLiteral("yallopRight"), score.veiledYallopRight},
                         {QStringLiteral("odehRight"), score.veiledOdehRight}}}});
        return Done;
    }
    QTextStream out(stdout);
    // The columns are headed by the results as the interface language names them.
    QStringList heads;
    for (int r = 0; r < kResultCount; ++r)
        heads << resultLabel(Result(r));
    auto print = [&](const QString& title, const auto& rows, auto letter, int right) {
        out << title << "\n        ";
        for (const QString& head : std::as_const(heads))
            out << head.leftJustified(std::max<qsizetype>(12, head.size() + 2));
        out << "\n";
        for (qsizetype c = 0; c < qsizetype(rows.size()); ++c) {
            out << "   " << letter(int(c)) << "    ";
            for (int r = 0; r < kResultCount; ++r)
                out << QString::number(rows[c][r]).leftJustified(std::max<qsizetype>(12, heads.at(r).size() + 2));
            out << "\n";
        }
        out << LogCommand::tr("Helyes: %1 / %2").arg(right).arg(score.counted) << "\n\n";
    };

    print(LogCommand::tr("Yallop-osztály × eredmény"), score.yallop, [](int c) { return yallopLetter(YallopClass(c)); },
          score.yallopRight);
    print(LogCommand::tr("Odeh-zóna × eredmény"), score.odeh, [](int c) { return odehLetter(OdehZone(c)); }, score.odehRight);
    out << LogCommand::tr("Ebből párás, vékony felhős vagy poros ég alatt: Yallop %1 / %3, Odeh %2 / %3.")
               .arg(score.veiledYallopRight)
               .arg(score.veiledOdehRight)
               .arg(score.veiledCounted)
        << "\n"
        << LogCommand::tr("Kimaradt %n felhős ég alatt nem látott észlelés.", nullptr, score.leftOut) << "\n\n";
    out << scoreRule() << "\n";
    return Done;
}

// The attempt of "add": the options, with the configured site for what they leave out.
std::optional<Attempt> attemptOption(const QCommandLineParser& p)
{
    Attempt a;
    a.date = QDate::fromString(p.value(QStringLiteral("date")), QStringLiteral("yyyy-MM-dd"));
    if (!a.date.isValid()) {
        errorStream() << LogCommand::tr("Hibás vagy hiányzó --date: \"%1\" (ÉÉÉÉ-HH-NN kell, például 2025-05-27)")
                             .arg(p.value(QStringLiteral("date")))
                      << "\n";
        return std::nullopt;
    }
    if (p.isSet(QStringLiteral("time"))) {
        a.time = QTime::fromString(p.value(QStringLiteral("time")), QStringLiteral("HH:mm"));
        if (!a.time->isValid()) {
            errorStream() << LogCommand::tr("Hibás --time: \"%1\" (ÓÓ:PP kell, például 20:55)").arg(p.value(QStringLiteral("time")))
                          << "\n";
            return std::nullopt;
        }
    }
    a.evening = !p.isSet(QStringLiteral("morning"));
    const std::optional<Result> result = resultFromKey(p.value(QStringLiteral("result")));
    if (!result) {
        errorStream() << LogCommand::tr("Hibás vagy hiányzó --result: \"%1\" (lehet: naked-eye, binoculars, telescope, camera, "
                            "not-seen)")
                             .arg(p.value(QStringLiteral("result")))
                      << "\n";
        return std::nullopt;
    }
    a.result = *result;
    const std::optional<Sky> sky = skyFromKey(p.value(QStringLiteral("sky")));
    if (!sky) {
        errorStream() << LogCommand::tr("Hibás --sky: \"%1\" (lehet: clear, haze, thin-cloud, cloudy, dust)")
                             .arg(p.value(QStringLiteral("sky")))
                      << "\n";
        return std::nullopt;
    }
    a.sky = *sky;
    a.observer = p.value(QStringLiteral("observer"));
    a.instrument = p.value(QStringLiteral("instrument"));
    a.notes = p.value(QStringLiteral("notes"));
    return a;
}

std::optional<AttemptSite> siteOf(const QCommandLineParser& p)
{
    const ObservingSite configured = configuredSite(p);
    const std::optional<Site> site = siteOption(p, configured);
    const std::optional<QTimeZone> zone = zoneOption(p, configured.zone());
    if (!site || !zone)
        return std::nullopt;
    const bool placeGiven = p.isSet(QStringLiteral("lat"));
    QString name = p.isSet(QStringLiteral("site")) ? p.value(QStringLiteral("site"))
                                                   : (placeGiven ? QString() : configured.name);
    const QString zoneId = *zone == QTimeZone::utc() ? QStringLiteral("UTC") : QString::fromUtf8(zone->id());
    return AttemptSite{name, site->latitude, site->longitude, site->elevation, zoneId};
}

int addAttempt(LogbookStore& store, const QCommandLineParser& p)
{
    std::optional<Attempt> a = attemptOption(p);
    const std::optional<AttemptSite> site = siteOf(p);
    if (!site)
        return BadOption;
    if (!a)
        return BadInput;
    a->site = *site;
    const std::optional<Ephemeris> eph = ephemerisOption(p);
    if (!eph)
        return BadOption;
    const SaveResult saved = saveAttempt(store, *eph, *a);
    if (saved.ephemeris) {
        errorStream() << tavik::words::ephemerisFaultText(*saved.ephemeris) << "\n";
        return EphemerisFault;
    }
    if (!saved.store.ok())
        return storeFailed(saved.store);
    QTextStream out(stdout);
    out << LogCommand::tr("Rögzítve (%1. észlelés).").arg(saved.entry.id) << "\n";
    for (const QString& flag : flagSentences(saved.entry.computed.flags, a->evening))
        out << "  ! " << flag << "\n";
    return Done;
}

}  // namespace

int runLogCommand(const QStringList& arguments)
{
    QCommandLineParser p;
    p.setApplicationDescription(LogCommand::tr(
        "Az észlelési napló: minden holdsarló-észlelés a körülményeivel, ellenőrizve.\n"
        "Parancsok: import FÁJL.csv, export FÁJL.csv, list, add, records (saját rekordok), score (a feltételek\n"
        "az én egemen). A napló alapértelmezése $XDG_DATA_HOME/tavik/eszlelesek.sqlite\n"
        "(~/.local/share/tavik/eszlelesek.sqlite); az első íráskor készül el.\n"
        "Az add a --lat/--lon/--elevation/--tz nélkül a beállított megfigyelőhelyet veszi.\n"
        "Kilépési kód: 0 kész, 1 hibás kapcsoló, 2 hibás bemenet (a CSV egy sora, dátum, eredmény) vagy nem\n"
        "olvasható, nem írható napló - ilyenkor a napló változatlan -, 3 az efemerisz hibája."));
    addHelpOptions(p, false);
    p.addOptions({
        {QStringLiteral("db"), LogCommand::tr("A napló fájlja (alapértelmezés: ~/.local/share/tavik/eszlelesek.sqlite)."),
         LogCommand::tr("fájl")},
        {QStringLiteral("json"), LogCommand::tr("JSON a szöveg helyett (list, records, score).")},
        {QStringLiteral("date"), LogCommand::tr("Az észlelés (helyi) napja, ÉÉÉÉ-HH-NN (add)."), LogCommand::tr("dátum")},
        {QStringLiteral("time"), LogCommand::tr("Az első megpillantás helyi ideje, ÓÓ:PP; nélküle a legjobb időpont (add)."),
         LogCommand::tr("idő")},
        {QStringLiteral("morning"), LogCommand::tr("Hajnali (óhold) sarló az esti helyett (add).")},
        {QStringLiteral("result"), LogCommand::tr("naked-eye, binoculars, telescope, camera vagy not-seen (add)."),
         LogCommand::tr("eredmény")},
        {QStringLiteral("site"), LogCommand::tr("A hely neve (add)."), LogCommand::tr("név")},
        {QStringLiteral("observer"), LogCommand::tr("A megfigyelő (add)."), LogCommand::tr("név")},
        {QStringLiteral("instrument"), LogCommand::tr("A műszer, szabad szöveg (add)."), LogCommand::tr("szöveg")},
        {QStringLiteral("sky"), LogCommand::tr("Az ég: clear, haze, thin-cloud, cloudy vagy dust (add)."), LogCommand::tr("ég")},
        {QStringLiteral("notes"), LogCommand::tr("Megjegyzés (add)."), LogCommand::tr("szöveg")},
    });
    p.addOptions(placeOptions());
    p.addPositionalArgument(LogCommand::tr("parancs"), LogCommand::tr("import, export, list, add, records vagy score."),
                            QCoreApplication::translate("LogCommand", "parancs [FÁJL.csv]"));
    if (!p.parse(arguments)) {
        errorStream() << p.errorText() << "\n";
        return BadOption;
    }
    if (p.isSet(QStringLiteral("help"))) {
        QTextStream(stdout) << commandHelp(p, QStringLiteral("log"));
        return Done;
    }
    const QStringList args = p.positionalArguments();
    const QString verb = args.value(0);
    const bool withFile = verb == QLatin1String("import") || verb == QLatin1String("export");
    static const QStringList kVerbs{"import", "export", "list", "add", "records", "score"};
    if (!kVerbs.contains(verb) || args.size() != (withFile ? 2 : 1)) {
        errorStream() << LogCommand::tr("Használat: tavik-almanac log [--db FÁJL] import|export FÁJL.csv, vagy list, add, "
                            "records, score (lásd: log --help)")
                      << "\n";
        return BadOption;
    }
    LogbookStore store(p.isSet(QStringLiteral("db")) ? p.value(QStringLiteral("db")) : defaultLogbookPath());
    const bool json = p.isSet(QStringLiteral("json"));
    if (verb == QLatin1String("import"))
        return importCsv(store, args.at(1), p.value(QStringLiteral("ephe")));
    if (verb == QLatin1String("export"))
        return exportCsv(store, args.at(1));
    if (verb == QLatin1String("list"))
        return listEntries(store, json);
    if (verb == QLatin1String("add"))
        return addAttempt(store, p);
    if (verb == QLatin1String("records"))
        return showRecords(store, json);
    return showScore(store, json);
}

}  // namespace tavik::almanac
