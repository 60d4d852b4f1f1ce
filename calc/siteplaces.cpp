#include "siteplaces.h"

#include <QCoreApplication>

namespace tavik {

namespace {

struct Place {
    const char* name;   // UTF-8; the observatories' kind word is translated
    double latitude;    // degrees north
    double longitude;   // degrees east
    double elevation;   // metres
};

constexpr Place kPlaces[] = {
    {"Budapest", 47.4979, 19.0402, 100},
    {"Baja", 46.1810, 18.9550, 100},
    {"Békéscsaba", 46.6790, 21.0900, 90},
    {"Debrecen", 47.5316, 21.6273, 120},
    {"Dunaújváros", 46.9619, 18.9355, 140},
    {"Eger", 47.9027, 20.3773, 170},
    {"Gyöngyös", 47.7826, 19.9280, 170},
    {"Győr", 47.6850, 17.6350, 110},
    {"Hódmezővásárhely", 46.4180, 20.3300, 80},
    {"Kaposvár", 46.3592, 17.7961, 150},
    {"Kecskemét", 46.9065, 19.6913, 120},
    {"Keszthely", 46.7681, 17.2433, 130},
    {"Miskolc", 48.1035, 20.7850, 120},
    {"Nagykanizsa", 46.4570, 16.9900, 150},
    {"Nyíregyháza", 47.9554, 21.7167, 110},
    {"Pécs", 46.0760, 18.2283, 150},
    {"Salgótarján", 48.0980, 19.8030, 250},
    {"Siófok", 46.9050, 18.0500, 110},
    {"Sopron", 47.6855, 16.5900, 220},
    {"Szeged", 46.2530, 20.1480, 80},
    {"Székesfehérvár", 47.1910, 18.4100, 120},
    {"Szekszárd", 46.3480, 18.7050, 100},
    {"Szolnok", 47.1740, 20.1960, 90},
    {"Szombathely", 47.2307, 16.6218, 210},
    {"Tatabánya", 47.5856, 18.4000, 170},
    {"Veszprém", 47.0930, 17.9110, 250},
    {"Zalaegerszeg", 46.8417, 16.8416, 160},
    // The Konkoly Observatory's mountain station in the Mátra, and its seat
    // on the Svábhegy in Buda.
    {QT_TRANSLATE_NOOP("tavik::SitePlaces", "Piszkéstető (csillagvizsgáló)"), 47.9180, 19.8940, 940},
    {QT_TRANSLATE_NOOP("tavik::SitePlaces", "Svábhegy (csillagvizsgáló)"), 47.4996, 18.9642, 470},
};

}  // namespace

QList<ObservingSite> hungarianSites()
{
    QList<ObservingSite> sites;
    sites.reserve(std::size(kPlaces));
    for (const Place& p : kPlaces)
        sites.append({QCoreApplication::translate("tavik::SitePlaces", p.name), p.latitude, p.longitude, p.elevation,
                      QStringLiteral("Europe/Budapest")});
    return sites;
}

}  // namespace tavik
