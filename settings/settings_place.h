// The place lines of a new user's settings file: lines 19 to 24 (longitude degrees, minutes and
// direction, latitude degrees, minutes and direction) set to the main city of the system's time zone.
#pragma once

#include <optional>
#include <string>

#include "platform/zone_place.h"

// The six values of a place, as the settings lines hold them: whole degrees and minutes (rounded to the
// nearest minute), direction -1 east or south, 1 west or north. A latitude beyond 66°00' is held at
// 66°00' of its hemisphere, the limit of the quadrant house systems, so that the shipped Placidus houses
// draw a chart at once.
struct PlaceValues {
    int longitudeDegrees, longitudeMinutes, longitudeDirection;
    int latitudeDegrees, latitudeMinutes, latitudeDirection;
};
PlaceValues SettingsValuesOfPlace(const ZonePlace& place);

// The settings file's bytes with the first seven characters of lines 19..24 replaced by the place's
// values; comments, the other lines, the line ends and the encoding stay as they were. A file with fewer
// lines changes only the lines it has.
std::string WithPlace(const std::string& fileBytes, const ZonePlace& place);

// A settings file just made from the shipped default, moved to the place when one is known (else it
// keeps the default's, New York). False when the file could not be read or written back.
bool PlaceNewSettingsFile(const std::string& path, const std::optional<ZonePlace>& place);
