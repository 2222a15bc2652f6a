// The system's time zone through the Windows time-zone API: the local time of the present moment with
// the offset in effect, the offset at a local civil time of any year (the zone's rules of that year,
// dynamic daylight saving included), and the zone's key name ("W. Europe Standard Time").
#pragma once

#include <windows.h>

#include <string>

#include "platform/clock.h"

// The civil time's fields as a SYSTEMTIME (no day of the week, no milliseconds).
SYSTEMTIME ToSystemTime(const LocalDateTime& t);

// GetSystemTime, turned into the active zone's local time by SystemTimeToTzSpecificLocalTime; the
// offset is the difference of the two, so that both belong to one instant.
LocalDateTime LocalNowInSystemZone();

// TzSpecificLocalTimeToSystemTime with the zone's rules for t.year (GetTimeZoneInformationForYear);
// seconds east of Greenwich. 0 when the zone cannot be read.
int SystemZoneOffsetAt(const LocalDateTime& t);

// The local time of the zone at an instant (seconds since 1970-01-01 00:00 UT), by
// SystemTimeToTzSpecificLocalTime with the zone's rules for that year, and the offset in effect then.
// Instants before 1601 or beyond the zone's reach read as Universal Time.
LocalDateTime SystemZoneTimeAt(long long unixSeconds);

// The registry key name of the system's zone (GetDynamicTimeZoneInformation), UTF-8; empty when unknown.
std::string SystemZoneKeyName();
