// A moment and a place as the update cycle fills them into ChartState, for the tests of the sky frame,
// the houses and the information lines.
#pragma once

#include <cstdint>

#include "core/chart_state.h"

struct Moment {
    int year, month, day;
    float clock;           // 12-hour clock, hours.minutes
    const char* meridiem;  // "A.M." or "P.M."
    float zone;            // hours added to local time to give UT
    float lon, lat;        // degrees.minutes, west and north positive
};

// The calendar, clock, zone and place fields, and piValue, as the update sets them before the sky frame.
inline ChartState UpdateInputsAt(const Moment& m) {
    ChartState s;
    s.piValue = 3.1415926535;
    s.calendarYear = static_cast<int16_t>(m.year);
    s.calendarMonth = static_cast<int16_t>(m.month);
    s.calendarDay = static_cast<int16_t>(m.day);
    s.clockTime = m.clock;
    s.meridiem = m.meridiem;
    s.zoneHours = m.zone;
    s.longitudeDegMin = m.lon;
    s.eastWest = m.lon < 0 ? "EAST" : "WEST";
    s.latitudeDegMin = m.lat;
    s.northSouth = m.lat < 0 ? "SOUTH" : "NORTH";
    return s;
}
