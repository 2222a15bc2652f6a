// One chart update: checks, local date and time, sky frame, cusps, ephemeris, chart options, texts.
#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "core/chart_state.h"

// UpdateChart: the chart of the present moment.
//   reads  settingValues, houseSystemLetter, dateOrder, clockFormat, the clock (one reading, with its
//          zone offset when settings line 17 is exactly 1)
//   writes settingsError; when the checks pass: infoLines, calendarDay/Month/Year, zoneHours, dateText,
//          clockTime, meridiem, longitudeDegMin, eastWest, latitudeDegMin, northSouth, sunAltitude, and everything
//          the sky frame, the cusps, the ephemeris and the texts compute
// A failed settings check shows its message and leaves every chart field as it was.
void UpdateChart(ChartState& s, Clock& clock, MessageBoxes& boxes);

// The parts of the update that turn the clock's reading and the place's settings into the texts' fields.
//   DateText   day, month and year without leading zeros, joined by "/" in the regional order: dateOrder
//              2 year/month/day, 1 day/month/year, any other month/day/year
//   ClockTime  hour (0..23) and minute on a 12-hour clock as hours.minutes, hours 1..12, the minutes as
//              hundredths (15:07 is 3.07, 00:30 is 12.30)
//   Meridiem   "P.M." or "A.M.": by the hour where clockFormat is 1 (24-hour clock), else by the
//              afternoon marker "PM" (any case) at the end of the general date-and-time text
//   DegMin     degrees + minutes / 100 in singles, negated when direction is exactly -1
std::string DateText(int day, int month, int year, int dateOrder);
float ClockTime(int hour, int minute);
std::string Meridiem(int hour, int clockFormat, const std::string& general);
float DegMin(float degrees, float minutes, float direction);
