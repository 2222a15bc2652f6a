// The cities of the time-zone database, to fill in the place by name: one per zone of zone1970.tab
// (the zone's main city, "America/New_York" read as "New York"), with its coordinates.
// On Linux the dialog reads the system's table (kZoneTablePath) when it opens; a build for Windows
// compiles the build machine's table in (CompiledZoneTable).
#pragma once

#include <string>
#include <vector>

#include "settings/settings_form.h"

inline const std::string kZoneTablePath = "/usr/share/zoneinfo/zone1970.tab";

// A place as the settings hold it: whole degrees and minutes, rounded to the nearest minute.
struct PlaceDegMin {
    int degrees = 0;
    int minutes = 0;
    bool negative = false;  // south, or west
};

struct City {
    std::string name;     // "New York"
    std::string region;   // "America", "America/Argentina": the zone without the city
    std::string zone;     // "America/New_York"
    PlaceDegMin latitude;   // negative: south
    PlaceDegMin longitude;  // negative: west (ISO 6709's sign)
};

// An ISO 6709 position of zone1970.tab: +DDMM+DDDMM or +DDMMSS+DDDMMSS. False for any other text.
bool ParseIso6709(const std::string& text, PlaceDegMin& latitude, PlaceDegMin& longitude);

// The cities of a zone1970.tab text, in its order; comment lines and malformed lines left out.
std::vector<City> ParseZoneTable(const std::string& text);

// The cities whose name (or zone) contains query, without regard to case, blanks and underscores
// alike; those whose name starts with it first, in alphabetical order. At most limit of them.
std::vector<City> FindCities(const std::vector<City>& cities, const std::string& query, std::size_t limit);

// Writes the city's place into the place fields' lines (19 to 24).
void SetPlaceToCity(SettingValues& values, const City& city);

// The zone table compiled into a Windows build ("" elsewhere).
const char* CompiledZoneTable();
