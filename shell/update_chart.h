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
