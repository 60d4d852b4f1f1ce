// The terms every floor's words share: numbers with the interface's decimal
// separator, signed spans of time, a site's coordinates, the words of
// Yallop's classes and Odeh's zones, the eclipses' types and the sentence
// of an ephemeris fault.
#pragma once

#include "crescents.h"
#include "eclipses.h"
#include "ephemeris.h"

#include <QString>

namespace tavik::words {

using almanac::EphemerisError;
using almanac::LunarType;
using almanac::OdehZone;
using almanac::Site;
using almanac::SolarType;
using almanac::YallopClass;

// "0,9376" in Hungarian, "0.9376" in English; never "-0,0000".
QString decimalText(double value, int decimals);
// A signed span of time, for the lists and the report: "16 óra 3 perc",
// "-25 óra 10 perc", and under an hour "8 perc", "-8 perc" (minutes before
// the conjunction).
QString signedDurationText(double days);
QString siteText(const Site& site);   // "É 47,4979°, K 19,0402°, 100 m"
// The side of the equator or of Greenwich: "É" or "D" (latitude), "K" or "Ny".
QString compassLetter(bool latitude, bool northOrEast);

// A short phrase for the class: "könnyen látható" ... "nem látható".
QString yallopWords(YallopClass c);
QString odehWords(OdehZone z);

QString hungarianName(SolarType t);   // "teljes", "gyűrűs", "hibrid", "részleges"
QString hungarianName(LunarType t);   // "teljes", "részleges", "félárnyékos"

// The sentence of an ephemeris fault, in the interface's language
// (EphemerisError::message() says the same).
QString ephemerisFaultText(const EphemerisError& e);

}  // namespace tavik::words
