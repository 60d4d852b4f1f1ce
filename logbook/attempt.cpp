#include "attempt.h"

#include <QCoreApplication>

#include <iterator>

namespace tavik::logbook {

namespace {

struct Word {
    const char* key;
    const char* label;
};

constexpr Word kResults[] = {
    {"naked-eye", QT_TRANSLATE_NOOP("Logbook", "szabad szemmel")},
    {"binoculars", QT_TRANSLATE_NOOP("Logbook", "binokulárral")},
    {"telescope", QT_TRANSLATE_NOOP("Logbook", "távcsővel")},
    {"camera", QT_TRANSLATE_NOOP("Logbook", "fényképen")},
    {"not-seen", QT_TRANSLATE_NOOP("Logbook", "nem látszott")},
};
static_assert(std::size(kResults) == kResultCount);

constexpr Word kSkies[] = {
    {"", QT_TRANSLATE_NOOP("Logbook", "nincs megadva")},
    {"clear", QT_TRANSLATE_NOOP("Logbook", "tiszta")},
    {"haze", QT_TRANSLATE_NOOP("Logbook", "párás")},
    {"thin-cloud", QT_TRANSLATE_NOOP("Logbook", "vékony felhő")},
    {"cloudy", QT_TRANSLATE_NOOP("Logbook", "felhős")},
    {"dust", QT_TRANSLATE_NOOP("Logbook", "poros")},
};
static_assert(std::size(kSkies) == kSkyCount);

struct FlagWords {
    unsigned flag;
    const char* key;
    const char* evening;
    const char* morning;   // none: the evening's words serve
};

constexpr FlagWords kFlags[] = {
    {MoonBelowHorizon, "moon-below-horizon",
     QT_TRANSLATE_NOOP("Logbook", "A megadott időpontban a Hold a látóhatár alatt volt, már lenyugodott."),
     QT_TRANSLATE_NOOP("Logbook", "A megadott időpontban a Hold a látóhatár alatt volt, még nem kelt fel.")},
    {MoonSetFirst, "moonset-first",
     QT_TRANSLATE_NOOP("Logbook", "Aznap este a Hold a Nap előtt nyugodott le."),
     QT_TRANSLATE_NOOP("Logbook", "Aznap reggel a Hold a Nap után kelt fel.")},
    {BeforeConjunction, "before-conjunction",
     QT_TRANSLATE_NOOP("Logbook", "Esti sarló az együttállás előtt: akkor még nem volt újhold."),
     QT_TRANSLATE_NOOP("Logbook", "Hajnali sarló az együttállás után: akkor már elmúlt az újhold.")},
    {NakedEyeZoneD, "naked-eye-zone-d",
     QT_TRANSLATE_NOOP("Logbook", "Szabad szemmel, pedig Odeh D zónája szerint még távcsővel sem látható."), nullptr},
    {NakedEyeDanjon, "naked-eye-danjon",
     QT_TRANSLATE_NOOP("Logbook", "Szabad szemmel, pedig a Nap-Hold távolság kisebb a Danjon-határnál (6,4°)."),
     nullptr},
    {BeyondRecord, "beyond-record",
     QT_TRANSLATE_NOOP("Logbook", "Fiatalabb sarló, mint az eszközével elért világrekord."),
     QT_TRANSLATE_NOOP("Logbook", "Az együttálláshoz közelebbi óhold, mint az eszközével elért világrekord.")},
};

QString translated(const char* text)
{
    return QCoreApplication::translate("Logbook", text);
}

QString sentenceOf(const FlagWords& f, bool evening)
{
    return translated(evening || !f.morning ? f.evening : f.morning);
}

}  // namespace

QString resultKey(Result r) { return QLatin1String(kResults[int(r)].key); }
QString resultLabel(Result r) { return translated(kResults[int(r)].label); }

std::optional<Result> resultFromKey(const QString& key)
{
    for (int i = 0; i < kResultCount; ++i) {
        if (key == QLatin1String(kResults[i].key))
            return Result(i);
    }
    return std::nullopt;
}

QString skyKey(Sky s) { return QLatin1String(kSkies[int(s)].key); }
QString skyLabel(Sky s) { return translated(kSkies[int(s)].label); }

std::optional<Sky> skyFromKey(const QString& key)
{
    for (int i = 0; i < kSkyCount; ++i) {
        if (key == QLatin1String(kSkies[i].key))
            return Sky(i);
    }
    return std::nullopt;
}

bool seen(Result r) { return r != Result::NotSeen; }

QString flagKey(unsigned flag)
{
    for (const FlagWords& f : kFlags) {
        if (f.flag == flag)
            return QLatin1String(f.key);
    }
    return {};
}

QString flagSentence(unsigned flag, bool evening)
{
    for (const FlagWords& f : kFlags) {
        if (f.flag == flag)
            return sentenceOf(f, evening);
    }
    return {};
}

QString flagKeys(unsigned flags)
{
    QStringList keys;
    for (const FlagWords& f : kFlags) {
        if (flags & f.flag)
            keys << QLatin1String(f.key);
    }
    return keys.join(u';');
}

std::optional<unsigned> flagsFromKeys(const QString& text)
{
    unsigned flags = 0;
    for (const QString& key : text.split(u';', Qt::SkipEmptyParts)) {
        const auto* it = std::find_if(std::begin(kFlags), std::end(kFlags),
                                      [&](const FlagWords& f) { return key == QLatin1String(f.key); });
        if (it == std::end(kFlags))
            return std::nullopt;
        flags |= it->flag;
    }
    return flags;
}

QStringList flagSentences(unsigned flags, bool evening)
{
    QStringList sentences;
    for (const FlagWords& f : kFlags) {
        if (flags & f.flag)
            sentences << sentenceOf(f, evening);
    }
    return sentences;
}

}  // namespace tavik::logbook
