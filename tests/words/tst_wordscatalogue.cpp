// The catalogue of the words layer: every message it renders, for every
// fault code and value, said in Hungarian and in English. Each must be
// said (not empty), whole (no %1 left unfilled), in its own language (the
// English differs from the Hungarian and has no Hungarian letter), and a few
// are held to their exact sentence.
//
// To add messages, add a function that calls row() for each, and call it
// from catalogue_data(). A row's render is called once in each language.
#include "almanacterms.h"
#include "filefaults.h"
#include "logbookwords.h"
#include "mapwords.h"
#include "sitefaults.h"
#include "translation.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

#include <functional>

using namespace tavik;
using namespace tavik::logbook;

namespace {

using Render = std::function<QString()>;

// One message; exact sentences where given (null: not compared).
void row(const QString& name, Render render, const QString& hungarian = {}, const QString& english = {})
{
    QTest::newRow(qPrintable(name)) << render << hungarian << english;
}

const QString kLogbook = QStringLiteral("/home/anna/.local/share/tavik/eszlelesek.sqlite");

void addLogbookValues()
{
    for (int r = 0; r < kResultCount; ++r)
        row(QStringLiteral("result %1").arg(resultKey(Result(r))), [r] { return resultLabel(Result(r)); });
    for (int s = 0; s < kSkyCount; ++s)
        row(QStringLiteral("sky %1").arg(s), [s] { return skyLabel(Sky(s)); });
    for (unsigned flag : kAllFlags) {
        for (bool evening : {true, false}) {
            row(QStringLiteral("flag %1, %2").arg(flagKey(flag), QLatin1String(evening ? "evening" : "morning")),
                [flag, evening] { return flagSentence(flag, evening); });
        }
    }
    row(QStringLiteral("flag below the Danjon limit, exact"),
        [] { return flagSentence(NakedEyeDanjon, true); },
        QStringLiteral("Szabad szemmel, pedig a Nap-Hold távolság kisebb a Danjon-határnál (6,4°)."),
        QStringLiteral("Naked eye, although the Sun-Moon distance is below the Danjon limit (6.4°)."));
    const PersonalRecord records[] = {
        {PersonalRecordKind::NakedEye, {}, 13.0, {}}, {PersonalRecordKind::OpticalAid, {}, 12.5, {}},
        {PersonalRecordKind::Camera, {}, 0.75, {}},   {PersonalRecordKind::ShortestLag, {}, 31.0, {}},
        {PersonalRecordKind::SmallestArcl, {}, 8.09, {}},
    };
    for (const PersonalRecord& r : records) {
        row(QStringLiteral("record %1").arg(int(r.kind)), [r] { return personalRecordLabel(r.kind); });
        row(QStringLiteral("record %1 value").arg(int(r.kind)), [r] { return personalRecordValue(r); });
    }
    row(QStringLiteral("record of the shortest lag, exact"), [r = records[3]] { return personalRecordValue(r); },
        QStringLiteral("31 perc"), QStringLiteral("31 min"));
    row(QStringLiteral("score rule"), [] { return scoreRule(); });
}

void addCsvFaults()
{
    const CsvFault faults[] = {
        {CsvFaultKind::NotUtf8, 4, {}, {}, {}},
        {CsvFaultKind::NoHeader, 1, {}, {}, {}},
        {CsvFaultKind::UnclosedQuote, 3, {}, {}, {}},
        {CsvFaultKind::UnknownColumn, 1, "colour", {}, {}},
        {CsvFaultKind::DuplicateColumn, 1, "date", {}, {}},
        {CsvFaultKind::MissingColumn, 1, "zone", {}, {}},
        {CsvFaultKind::FieldCount, 5, {}, "3", "5"},
        {CsvFaultKind::BadValue, 3, "time", "25:61", {}},
        {CsvFaultKind::OutOfRange, 3, "latitude", "95", "-90 … 90"},
        {CsvFaultKind::UnknownWord, 3, "result", "seen", "naked-eye, binoculars, telescope, camera, not-seen"},
        {CsvFaultKind::UnknownZone, 3, "zone", "Europe/Szeged", {}},
        {CsvFaultKind::OutsideEphemeris, 2, "date", "9999-05-01", {}},
    };
    for (const CsvFault& f : faults)
        row(QStringLiteral("CSV fault %1").arg(int(f.kind)), [f] { return describeCsvFault(f); });
    // The sentences the import named before its faults were facts.
    const std::pair<CsvFault, const char*> exact[] = {
        {faults[2], "3. sor: egy idézőjeles mező nem zárul le a fájl végéig."},
        {faults[3], "A fejlécben ismeretlen oszlop: „colour”."},
        {faults[6], "5. sor: 3 mező áll benne, a fejlécben 5."},
        {faults[7], "3. sor, time mező: „25:61” nem olvasható (dátum ÉÉÉÉ-HH-NN, idő ÓÓ:PP, szám tizedesponttal)."},
        {faults[8], "3. sor, latitude mező: „95” kívül esik a megengedett tartományon (-90 … 90)."},
        {faults[9], "3. sor, result mező: ismeretlen érték „seen” (lehet: naked-eye, binoculars, telescope, camera, "
                    "not-seen)."},
        {faults[10], "3. sor, zone mező: ismeretlen időzóna „Europe/Szeged” (IANA név, például Europe/Budapest, "
                     "vagy UTC)."},
        {faults[11], "2. sor, date mező: „9999-05-01” kívül esik az efemerisz-fájlok időszakán."},
    };
    for (const auto& [f, hungarian] : exact) {
        row(QStringLiteral("CSV fault %1, exact").arg(int(f.kind)), [f] { return describeCsvFault(f); },
            QString::fromUtf8(hungarian),
            f.kind == CsvFaultKind::OutOfRange ? QStringLiteral("line 3, field latitude: “95” is outside the allowed "
                                                                "range (-90 … 90).")
                                               : QString());
    }
}

void addStoreFaults()
{
    const StoreStatus faults[] = {
        {StoreFault::NoDriver, kLogbook, {}},
        {StoreFault::FolderNotMade, kLogbook, QStringLiteral("/home/anna/.local/share/tavik")},
        {StoreFault::DiskFull, kLogbook, QStringLiteral("database or disk is full")},
        {StoreFault::DiskFull, kLogbook, QStringLiteral("database or disk is full"), true},
        {StoreFault::NotWritable, kLogbook, {}},
        {StoreFault::Damaged, kLogbook, {}},
        {StoreFault::NewerSchema, kLogbook, QStringLiteral("99")},
        {StoreFault::Busy, kLogbook, {}},
        {StoreFault::Other, kLogbook, QStringLiteral("disk I/O error")},
        {StoreFault::Vanished, kLogbook, QStringLiteral("2")},
        {StoreFault::NotALogbook, kLogbook, {}},
        {StoreFault::Missing, kLogbook, {}},
    };
    for (const StoreStatus& s : faults) {
        row(QStringLiteral("store fault %1%2").arg(int(s.fault)).arg(QLatin1String(s.newFile ? ", new file" : "")),
            [s] { return describeStoreStatus(s); });
    }
    // The sentences the store's tests compared before its faults were facts.
    const std::pair<StoreStatus, const char*> exact[] = {
        {faults[9], "Az észlelést (2.) közben törölték az észlelési naplóból (%1), egy másik ablakban vagy "
                    "programban; a változtatás nem került a naplóba."},
        {faults[10], "A(z) %1 egy másik program SQLite-adatbázisa, nem a Tavik észlelési naplója. A fájlt a "
                     "program nem módosítja."},
        {faults[11], "Nincs észlelési napló: %1. Semmi sem készült."},
        {faults[3], "Az észlelési napló (%1) nem hozható létre: megtelt a lemez. Nem maradt utána fájl."},
        {faults[2], "Az észlelési napló (%1) nem írható: megtelt a lemez. A napló a korábbi tartalmával megmaradt, "
                    "semmi sem veszett el."},
        {faults[5], "Az észlelési napló (%1) sérült, vagy nem is napló. A fájlt a program nem módosítja."},
        {faults[6], "Az észlelési naplót (%1) a Tavik egy újabb változata írta (99. változat); ez a változat nem "
                    "módosítja."},
    };
    for (const auto& [s, hungarian] : exact) {
        row(QStringLiteral("store fault %1%2, exact").arg(int(s.fault)).arg(QLatin1String(s.newFile ? ", new file" : "")),
            [s] { return describeStoreStatus(s); }, QString::fromUtf8(hungarian).arg(kLogbook),
            s.fault == StoreFault::Missing
                ? QStringLiteral("There is no observing logbook at %1. Nothing was written.").arg(kLogbook)
                : QString());
    }
}

void addFileFaults()
{
    for (FileError error : {FileError::Missing, FileError::NotReadable, FileError::NotWritable, FileError::Unencodable}) {
        const FileStatus status{error, QStringLiteral("ujhold.txt"), QStringLiteral("\u3000"), FileReason::DiskFull};
        row(QStringLiteral("file fault %1").arg(int(error)), [status] { return describeFileFault(status); });
    }
    for (int r = int(FileReason::Other); r <= int(FileReason::DanglingLink); ++r) {
        FileStatus status{FileError::NotWritable, QStringLiteral("ujhold.txt"), QStringLiteral("/home/anna/Holdak"),
                          FileReason(r)};
        if (status.reason == FileReason::TooLarge)
            status.detail = QStringLiteral("16777216");
        if (status.reason == FileReason::Other) {
            status.detail.clear();
            status.systemError = 28;
        }
        row(QStringLiteral("file reason %1").arg(r), [status] { return describeFileReason(status); });
    }
}

void addSiteFaults()
{
    const char* const keys[] = {"name", "latitude", "longitude", "elevation", "timezone"};
    for (const char* key : keys) {
        const SiteField field = siteFieldOfKey(QLatin1String(key));
        row(QStringLiteral("site field %1").arg(QLatin1String(key)), [field] { return siteFieldName(field); });
        if (field != SiteField::Name && field != SiteField::Zone)
            row(QStringLiteral("site range %1").arg(QLatin1String(key)), [field] { return siteFieldRange(field); });
    }
    for (int k = int(SiteFault::NotText); k <= int(SiteFault::Missing); ++k) {
        SiteConfigRead read;
        read.fault = SiteConfigFault{SiteFault(k), 3, QStringLiteral("latitude"), QStringLiteral("latitude=95"),
                                     kLatitudeRange};
        row(QStringLiteral("site fault %1").arg(k),
            [read] { return describeSiteConfigFault(read, QStringLiteral("/home/anna/.config/tavik/tavik.conf")); });
    }
    SiteConfigRead unreadable;
    unreadable.status = FileStatus{FileError::NotReadable, QStringLiteral("tavik.conf"), {}, FileReason::PermissionDenied};
    row(QStringLiteral("site file not readable"),
        [unreadable] { return describeSiteConfigFault(unreadable, QStringLiteral("/home/anna/.config/tavik/tavik.conf")); });
}

// Renders in English: our translator installed for the call, taken out after.
// The shared terms of the lists, the report and the maps.
void addAlmanacTerms()
{
    using namespace almanac;
    for (int c = 0; c < 6; ++c)
        row(QStringLiteral("Yallop %1").arg(c), [c] { return words::yallopWords(YallopClass(c)); });
    for (int z = 0; z < 4; ++z)
        row(QStringLiteral("Odeh %1").arg(z), [z] { return words::odehWords(OdehZone(z)); });
    for (int t = 0; t < 4; ++t)
        row(QStringLiteral("solar eclipse %1").arg(t), [t] { return words::hungarianName(SolarType(t)); });
    for (int t = 0; t < 3; ++t)
        row(QStringLiteral("lunar eclipse %1").arg(t), [t] { return words::hungarianName(LunarType(t)); });
    row(QStringLiteral("span, exact"), [] { return words::signedDurationText((16 * 60 + 3) / 1440.0); },
        QStringLiteral("16 óra 3 perc"), QStringLiteral("16 h 3 min"));
    row(QStringLiteral("span before the conjunction, exact"), [] { return words::signedDurationText(-8 / 1440.0); },
        QStringLiteral("-8 perc"), QStringLiteral("-8 min"));
}

// The maps' legend for both criteria at both ends of the night, the captions
// and the title of a picture, and the note on a map beyond the conjunction.
void addMapWords()
{
    using almanac::Criterion;
    using almanac::MapOutcome;
    for (Criterion c : {Criterion::Yallop, Criterion::Odeh}) {
        for (bool morning : {false, true}) {
            for (const maps::LegendKey& key : maps::legendKeys(c)) {
                row(QStringLiteral("legend %1 %2 %3 %4").arg(int(c)).arg(int(morning)).arg(int(key.outcome)).arg(key.grade),
                    [c, morning, key] { return words::legendText(c, key, morning); });
            }
        }
    }
    row(QStringLiteral("legend, exact"), [] { return words::legendText(Criterion::Yallop, {MapOutcome::MoonsetFirst, 0}, false); },
        QStringLiteral("a Hold a Nap előtt nyugszik"), QStringLiteral("the Moon sets before the Sun"));
    const QDate date(2025, 5, 27);
    row(QStringLiteral("evening caption, exact"),
        [date] { return words::eveningCaption(words::Language::installed(), date, false); },
        QStringLiteral("2025.05.27. este"), QStringLiteral("2025.05.27 evening"));
    row(QStringLiteral("morning caption"), [date] { return words::eveningCaption(words::Language::installed(), date, true); });
    almanac::VisibilityMap map;
    map.request.date = date;
    map.newMoon = 2460822.5 + (3 * 60 + 2.5) / 1440.0;   // 2025.05.27 03:02 UT
    row(QStringLiteral("map title, exact"), [map] { return words::mapTitle(words::Language::installed(), map); },
        QStringLiteral("Holdsarló láthatósága 2025.05.27. este – Yallop-féle q – együttállás: 2025.05.27 03:02 UT"),
        QStringLiteral("Crescent visibility 2025.05.27 in the evening – Yallop's q – conjunction: 2025.05.27 03:02 UT"));
    for (bool morning : {false, true}) {
        almanac::VisibilityMap beyond = map;
        beyond.request.morning = morning;
        beyond.request.criterion = Criterion::Odeh;
        row(QStringLiteral("map title %1").arg(int(morning)), [beyond] { return words::mapTitle(words::Language::installed(), beyond); });
        row(QStringLiteral("beyond the conjunction %1").arg(int(morning)),
            [beyond] { return words::beyondConjunctionNote(words::Language::installed(), beyond); });
    }
}

QString inEnglish(const Render& render)
{
    QTranslator* english = installInterfaceLanguage(InterfaceLanguage::English);
    const QString text = render();
    QCoreApplication::removeTranslator(english);
    delete english;
    return text;
}

}  // namespace

Q_DECLARE_METATYPE(Render)

class TestWordsCatalogue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void catalogue_data()
    {
        QTest::addColumn<Render>("render");
        QTest::addColumn<QString>("hungarian");
        QTest::addColumn<QString>("english");
        addLogbookValues();
        addCsvFaults();
        addStoreFaults();
        addFileFaults();
        addSiteFaults();
        addAlmanacTerms();
        addMapWords();
    }

    void catalogue()
    {
        QFETCH(Render, render);
        QFETCH(QString, hungarian);
        QFETCH(QString, english);
        QCOMPARE(installedLanguage(), InterfaceLanguage::Hungarian);
        const QString hu = render();
        const QString en = inEnglish(render);
        QCOMPARE(installedLanguage(), InterfaceLanguage::Hungarian);
        QVERIFY(!hu.isEmpty());
        QVERIFY(!en.isEmpty());
        static const QRegularExpression unfilled(QStringLiteral("%[0-9]"));
        QVERIFY2(!hu.contains(unfilled), qPrintable(hu));
        QVERIFY2(!en.contains(unfilled), qPrintable(en));
        QVERIFY2(hu != en, qPrintable(en));
        static const QRegularExpression hungarianLetter(QStringLiteral("[áéíóöőúüű]"),
                                                        QRegularExpression::CaseInsensitiveOption);
        QVERIFY2(!en.contains(hungarianLetter), qPrintable(en));
        if (!hungarian.isNull())
            QCOMPARE(hu, hungarian);
        if (!english.isNull())
            QCOMPARE(en, english);
    }
};

QTEST_GUILESS_MAIN(TestWordsCatalogue)

#include "tst_wordscatalogue.moc"
