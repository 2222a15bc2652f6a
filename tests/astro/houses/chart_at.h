// A moment and a place as the update cycle fills them, with the sky frame and the cusps computed.
#pragma once

#include <cstdint>
#include <string>

#include "astro/frame/sky_frame.h"
#include "astro/houses/houses.h"

struct Moment {
    int year, month, day;
    float clock;           // 12-hour clock, hours.minutes
    const char* meridiem;  // "A.M." or "P.M."
    float zone;            // hours added to local time to give UT
    float lon, lat;        // degrees.minutes, west and north positive
};

inline ChartState ChartAt(const Moment& m, const std::string& letter) {
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
    s.houseSystemLetter = letter;
    ComputeSkyFrame(s);
    ComputeHouseCusps(s);
    return s;
}

// Places and moments of the reference charts.
constexpr Moment kNewYork2000{2000, 1, 1, 12.00f, "A.M.", 5, 74.00f, 40.45f};
constexpr Moment kSydney2024{2024, 3, 20, 6.15f, "A.M.", -10, -151.12f, -33.52f};
constexpr Moment kTokyo1969{1969, 7, 20, 11.56f, "P.M.", -9, -139.41f, 35.41f};
constexpr Moment kBuenosAires1955{1955, 11, 5, 4.44f, "A.M.", 3, 58.22f, -34.36f};
constexpr Moment kDelhi2010{2010, 10, 3, 6.01f, "P.M.", -5.5f, -77.13f, 28.37f};
constexpr Moment kReykjavik2031{2031, 1, 15, 9.09f, "A.M.", 0, 21.56f, 78.13f};
constexpr Moment kQuito1999{1999, 12, 31, 11.59f, "P.M.", 5, 78.30f, 0};
constexpr Moment kLondon1987{1987, 7, 14, 12.00f, "P.M.", 0, 0.07f, 51.30f};
