// Hungarian towns and observatories to choose the observing site from: town
// centres (the main square) to 0.001°, elevations to 10 m.
#pragma once

#include "siteconfig.h"

#include <QList>

namespace tavik {

// Budapest first (the default site), then the towns by name, then the
// observatories; all in Europe/Budapest time.
QList<ObservingSite> hungarianSites();

}  // namespace tavik
