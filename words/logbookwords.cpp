#include "logbookwords.h"

#include "almanacterms.h"
#include "wordslanguage.h"

#include <lists.h>

#include <QCoreApplication>
#include <QDir>

#include <iterator>

namespace tavik {

using namespace logbook;

namespace {

QString say(const char* text)
{
    return QCoreApplication::translate("Logbook", text);
}

constexpr const char* kResultLabels[] = {
    QT_TRANSLATE_NOOP("Logbook", "szabad szemmel"), QT_TRANSLATE_NOOP("Logbook", "binokulárral"),
    QT_TRANSLATE_NOOP("Logbook", "távcsővel"),      QT_TRANSLATE_NOOP("Logbook", "fényképen"),
    QT_TRANSLATE_NOOP("Logbook", "nem látszott"),
};
static_assert(std::size(kResultLabels) == kResultCount);

constexpr const char* kSkyLabels[] = {
    QT_TRANSLATE_NOOP("Logbook", "nincs megadva"), QT_TRANSLATE_NOOP("Logbook", "tiszta"),
    QT_TRANSLATE_NOOP("Logbook", "párás"),         QT_TRANSLATE_NOOP("Logbook", "vékony felhő"),
    QT_TRANSLATE_NOOP("Logbook", "felhős"),        QT_TRANSLATE_NOOP("Logbook", "poros"),
};
static_assert(std::size(kSkyLabels) == kSkyCount);

struct FlagWords {
    unsigned flag;
    const char* evening;
    const char* morning;   // none: the evening's words serve
};

constexpr FlagWords kFlagWords[] = {
    {MoonBelowHorizon,
     QT_TRANSLATE_NOOP("Logbook", "A megadott időpontban a Hold a látóhatár alatt volt, már lenyugodott."),
     QT_TRANSLATE_NOOP("Logbook", "A megadott időpontban a Hold a látóhatár alatt volt, még nem kelt fel.")},
    {MoonSetFirst, QT_TRANSLATE_NOOP("Logbook", "Aznap este a Hold a Nap előtt nyugodott le."),
     QT_TRANSLATE_NOOP("Logbook", "Aznap reggel a Hold a Nap után kelt fel.")},
    {BeforeConjunction,
     QT_TRANSLATE_NOOP("Logbook", "Esti sarló az együttállás előtt: akkor még nem volt újhold."),
     QT_TRANSLATE_NOOP("Logbook", "Hajnali sarló az együttállás után: akkor már elmúlt az újhold.")},
    {NakedEyeZoneD,
     QT_TRANSLATE_NOOP("Logbook", "Szabad szemmel, pedig Odeh D zónája szerint még távcsővel sem látható."),
     nullptr},
    {NakedEyeDanjon,
     QT_TRANSLATE_NOOP("Logbook", "Szabad szemmel, pedig a Nap-Hold távolság kisebb a Danjon-határnál (6,4°)."),
     nullptr},
    {BeyondRecord, QT_TRANSLATE_NOOP("Logbook", "Fiatalabb sarló, mint az eszközével elért világrekord."),
     QT_TRANSLATE_NOOP("Logbook", "Az együttálláshoz közelebbi óhold, mint az eszközével elért világrekord.")},
};
static_assert(std::size(kFlagWords) == std::size(kAllFlags));

}  // namespace

QString resultLabel(Result result)
{
    return say(kResultLabels[int(result)]);
}

QString skyLabel(Sky sky)
{
    return say(kSkyLabels[int(sky)]);
}

QString flagSentence(unsigned flag, bool evening)
{
    for (const FlagWords& f : kFlagWords) {
        if (f.flag == flag)
            return say(evening || !f.morning ? f.evening : f.morning);
    }
    return {};
}

QStringList flagSentences(unsigned flags, bool evening)
{
    QStringList sentences;
    for (unsigned flag : kAllFlags) {
        if (flags & flag)
            sentences << flagSentence(flag, evening);
    }
    return sentences;
}

QString describeCsvFault(const CsvFault& f)
{
    const QString where = QCoreApplication::translate("Logbook", "%1. sor").arg(f.line);
    switch (f.kind) {
    case CsvFaultKind::NotUtf8: return QCoreApplication::translate("Logbook", "A CSV-fájl nem UTF-8 szöveg (%1).").arg(where);
    case CsvFaultKind::NoHeader: return QCoreApplication::translate("Logbook", "A CSV-fájl üres: hiányzik a fejléc sora.");
    case CsvFaultKind::UnclosedQuote:
        return QCoreApplication::translate("Logbook", "%1: egy idézőjeles mező nem zárul le a fájl végéig.").arg(where);
    case CsvFaultKind::UnknownColumn:
        return QCoreApplication::translate("Logbook", "A fejlécben ismeretlen oszlop: „%1”.").arg(f.field);
    case CsvFaultKind::DuplicateColumn:
        return QCoreApplication::translate("Logbook", "A fejlécben kétszer szerepel a(z) „%1” oszlop.").arg(f.field);
    case CsvFaultKind::MissingColumn:
        return QCoreApplication::translate("Logbook", "A fejlécből hiányzik a(z) „%1” oszlop.").arg(f.field);
    case CsvFaultKind::FieldCount:
        return QCoreApplication::translate("Logbook", "%1: %2 mező áll benne, a fejlécben %3.").arg(where, f.value, f.detail);
    case CsvFaultKind::BadValue:
        return QCoreApplication::translate("Logbook", "%1, %2 mező: „%3” nem olvasható (dátum ÉÉÉÉ-HH-NN, idő ÓÓ:PP, szám tizedesponttal).")
            .arg(where, f.field, f.value);
    case CsvFaultKind::OutOfRange:
        return QCoreApplication::translate("Logbook", "%1, %2 mező: „%3” kívül esik a megengedett tartományon (%4).")
            .arg(where, f.field, f.value, f.detail);
    case CsvFaultKind::UnknownWord:
        return QCoreApplication::translate("Logbook", "%1, %2 mező: ismeretlen érték „%3” (lehet: %4).").arg(where, f.field, f.value, f.detail);
    case CsvFaultKind::UnknownZone:
        return QCoreApplication::translate("Logbook", "%1, %2 mező: ismeretlen időzóna „%3” (IANA név, például Europe/Budapest, vagy UTC).")
            .arg(where, f.field, f.value);
    case CsvFaultKind::OutsideEphemeris:
        return QCoreApplication::translate("Logbook", "%1, %2 mező: „%3” kívül esik az efemerisz-fájlok időszakán.")
            .arg(where, f.field, f.value);
    }
    return {};
}

QString describeStoreStatus(const StoreStatus& s)
{
    const QString file = QDir::toNativeSeparators(s.path);
    switch (s.fault) {
    case StoreFault::None: return {};
    case StoreFault::NoDriver:
        return QCoreApplication::translate("Logbook", "Az észlelési napló nem nyitható meg: hiányzik a Qt SQLite-illesztője "
                          "(a libqt6sql6-sqlite csomag).");
    case StoreFault::FolderNotMade:
        return QCoreApplication::translate("Logbook", "Az észlelési napló mappája (%1) nem hozható létre.").arg(QDir::toNativeSeparators(s.detail));
    case StoreFault::DiskFull:
        if (s.newFile)
            return QCoreApplication::translate("Logbook", "Az észlelési napló (%1) nem hozható létre: megtelt a lemez. "
                                               "Nem maradt utána fájl.").arg(file);
        return QCoreApplication::translate("Logbook", "Az észlelési napló (%1) nem írható: megtelt a lemez. A napló a korábbi "
                          "tartalmával megmaradt, semmi sem veszett el.").arg(file);
    case StoreFault::NotWritable:
        return QCoreApplication::translate("Logbook", "Az észlelési napló (%1) nem írható: a fájl, a mappája vagy a lemez csak "
                          "olvasható, vagy nincs hozzá jogosultság.").arg(file);
    case StoreFault::Damaged:
        return QCoreApplication::translate("Logbook", "Az észlelési napló (%1) sérült, vagy nem is napló. A fájlt a program nem "
                          "módosítja.").arg(file);
    case StoreFault::NewerSchema:
        return QCoreApplication::translate("Logbook", "Az észlelési naplót (%1) a Tavik egy újabb változata írta (%2. változat); "
                          "ez a változat nem módosítja.").arg(file, s.detail);
    case StoreFault::Busy:
        return QCoreApplication::translate("Logbook", "Az észlelési naplót (%1) egy másik program éppen írja; próbálja újra később.")
            .arg(file);
    case StoreFault::Vanished:
        return QCoreApplication::translate("Logbook", "Az észlelést (%1.) közben törölték az észlelési naplóból (%2), egy "
                          "másik ablakban vagy programban; a változtatás nem került a naplóba.").arg(s.detail, file);
    case StoreFault::NotALogbook:
        return QCoreApplication::translate("Logbook", "A(z) %1 egy másik program SQLite-adatbázisa, nem a Tavik észlelési "
                          "naplója. A fájlt a program nem módosítja.").arg(file);
    case StoreFault::Missing:
        return QCoreApplication::translate("Logbook", "Nincs észlelési napló: %1. Semmi sem készült.").arg(file);
    case StoreFault::Other: break;
    }
    return QCoreApplication::translate("Logbook", "Az észlelési napló (%1) nem érhető el (SQLite: %2). A napló a korábbi "
                      "tartalmával megmaradt.").arg(file, s.detail);
}

QString personalRecordLabel(PersonalRecordKind kind)
{
    switch (kind) {
    case PersonalRecordKind::NakedEye:
        return QCoreApplication::translate("Logbook", "Legfiatalabb sarló szabad szemmel");
    case PersonalRecordKind::OpticalAid:
        return QCoreApplication::translate("Logbook", "Legfiatalabb sarló binokulárral vagy távcsővel");
    case PersonalRecordKind::Camera:
        return QCoreApplication::translate("Logbook", "Legfiatalabb sarló fényképen");
    case PersonalRecordKind::ShortestLag:
        return QCoreApplication::translate("Logbook", "Legrövidebb késés");
    case PersonalRecordKind::SmallestArcl: break;
    }
    return QCoreApplication::translate("Logbook", "Legkisebb ARCL");
}

QString personalRecordValue(const PersonalRecord& r)
{
    const words::Language language = words::Language::installed();
    switch (r.kind) {
    case PersonalRecordKind::ShortestLag:
        return QCoreApplication::translate("Logbook", "%1 perc").arg(language.decimal(r.value, 0));
    case PersonalRecordKind::SmallestArcl: return language.decimal(r.value, 2) + u'°';
    default: return words::signedDurationText(r.value / 24.0);
    }
}

QString scoreRule()
{
    return QCoreApplication::translate(
        "Logbook",
        "Helyes az előrejelzés, ha a szabad szemmel látott sarló Yallop A–C osztályába, illetve Odeh A–B "
        "zónájába esett; ha a binokulárral, távcsővel vagy fényképen látott sarló Yallop A–D osztályába, "
        "illetve Odeh A–C zónájába; és ha a nem látott sarló Yallop D–F osztályába, illetve Odeh C–D "
        "zónájába, ahol szabad szemmel nem várható. A felhős ég alatt nem látott sarló nem próbája a "
        "feltételeknek, kimarad; a párás, vékony felhős és poros ég alatti észlelések külön is "
        "szerepelnek. A q és a V a megfigyelés időpontjában (idő nélkül a legjobb időpontban) számolt.");
}

}  // namespace tavik
