#pragma once
// A Firefox profile's "places.sqlite": bookmarks in moz_bookmarks (type 1 a link, 2 a
// folder, under the fixed roots menu, toolbar, unfiled, mobile and tags), addresses and
// use in moz_places; times in microseconds since 1970.

#include "bogmaerker/samling.h"

// Reads a copy of the file (with its "-wal" file, which holds the newest changes while
// Firefox runs) made in a temporary folder: the live file stays untouched, whether or
// not Firefox holds it. Tags are no folders and are left out.
Bogmaerkelaesning laesFirefoxPlaces(const QString &placesSti);
