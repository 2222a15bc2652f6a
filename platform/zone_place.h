// The main city of a time zone, as the time-zone database gives it: the coordinates column of its
// zone1970.tab and zone.tab, ISO 6709 text such as "+5230+01322" (52°30'N 13°22'E) or
// "+404251-0740023" (40°42'51"N 74°00'23"W). And the city of a Windows zone, through CLDR's table of
// Windows key names and database zones (windows_zone_table.inc, made by
// tools/make_windows_zone_table.py).
#pragma once

#include <optional>
#include <string>

struct ZonePlace {
    int latitudeSeconds = 0;   // seconds of arc, north positive
    int longitudeSeconds = 0;  // seconds of arc, east positive
};

// "+DDMM+DDDMM" or "+DDMMSS+DDDMMSS"; nothing for any other text or a value out of range.
std::optional<ZonePlace> ParseIso6709(const std::string& text);

// The place of zone `name` in the text of a zone1970.tab or zone.tab (tab-separated lines: countries,
// coordinates, zone name, comment; "#" begins a comment line).
std::optional<ZonePlace> PlaceInZoneTable(const std::string& tableText, const std::string& name);

// The database zone of a name that the compiled database's tzdata.zi makes a link to another
// ("L Asia/Kolkata Asia/Calcutta"); the name itself when it is no link.
std::string ZoneOfLink(const std::string& tzdataZiText, const std::string& name);

// The zone name of the C library's rule: TZ when set (":Europe/Berlin", "Europe/Berlin" or a path under a
// zoneinfo folder), else the zone that /etc/localtime links to (its target path given here). Empty when
// the zone has no name (a POSIX rule such as "EST5EDT,M3.2.0,M11.1.0", an empty TZ, a copied file).
std::string ZoneNameOf(const char* tzVariable, const std::string& localtimeTarget);

// The main city of the system's zone on a system with the time-zone database in zoneInfoDir: TZ or the
// /etc/localtime link, looked up in zone1970.tab, then zone.tab, then through the links of tzdata.zi.
std::optional<ZonePlace> SystemZonePlace(const std::string& zoneInfoDir = "/usr/share/zoneinfo");

// The main city of a Windows zone key name ("W. Europe Standard Time": Berlin), by CLDR's table.
std::optional<ZonePlace> PlaceOfWindowsZone(const std::string& keyName);
