// The Hungarian sentences about the observing site's file and values, for
// the site window and for tavik-almanac alike.
#pragma once

#include "siteconfig.h"

#include <QString>

namespace tavik {

enum class SiteField { Name, Latitude, Longitude, Elevation, Zone };

// "A földrajzi szélesség" (capitalised) and the like.
QString siteFieldName(SiteField field);
// "-90° és 90° között", "-500 és 15 000 méter között".
QString siteFieldRange(SiteField field);
// The field a line of the file sets, by its key ("latitude").
SiteField siteFieldOfKey(const QString& key);

// What went wrong in reading the file at path, and that Budapest is used
// meanwhile; empty when nothing did (a missing file included).
QString describeSiteConfigFault(const SiteConfigRead& read, const QString& path);

}  // namespace tavik
