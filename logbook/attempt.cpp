#include "attempt.h"

#include <iterator>

namespace tavik::logbook {

namespace {

constexpr const char* kResultKeys[] = {"naked-eye", "binoculars", "telescope", "camera", "not-seen"};
static_assert(std::size(kResultKeys) == kResultCount);

constexpr const char* kSkyKeys[] = {"", "clear", "haze", "thin-cloud", "cloudy", "dust"};
static_assert(std::size(kSkyKeys) == kSkyCount);

struct FlagKey {
    unsigned flag;
    const char* key;
};

constexpr FlagKey kFlags[] = {
    {MoonBelowHorizon, "moon-below-horizon"}, {MoonSetFirst, "moonset-first"},
    {BeforeConjunction, "before-conjunction"}, {NakedEyeZoneD, "naked-eye-zone-d"},
    {NakedEyeDanjon, "naked-eye-danjon"},     {BeyondRecord, "beyond-record"},
};
static_assert(std::size(kFlags) == std::size(kAllFlags));

}  // namespace

QString resultKey(Result r) { return QLatin1String(kResultKeys[int(r)]); }

std::optional<Result> resultFromKey(const QString& key)
{
    for (int i = 0; i < kResultCount; ++i) {
        if (key == QLatin1String(kResultKeys[i]))
            return Result(i);
    }
    return std::nullopt;
}

QString skyKey(Sky s) { return QLatin1String(kSkyKeys[int(s)]); }

std::optional<Sky> skyFromKey(const QString& key)
{
    for (int i = 0; i < kSkyCount; ++i) {
        if (key == QLatin1String(kSkyKeys[i]))
            return Sky(i);
    }
    return std::nullopt;
}

bool seen(Result r) { return r != Result::NotSeen; }

QString flagKey(unsigned flag)
{
    for (const FlagKey& f : kFlags) {
        if (f.flag == flag)
            return QLatin1String(f.key);
    }
    return {};
}

QString flagKeys(unsigned flags)
{
    QStringList keys;
    for (const FlagKey& f : kFlags) {
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
                                      [&](const FlagKey& f) { return key == QLatin1String(f.key); });
        if (it == std::end(kFlags))
            return std::nullopt;
        flags |= it->flag;
    }
    return flags;
}

}  // namespace tavik::logbook
