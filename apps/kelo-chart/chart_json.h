// kelo-chart's JSON output: one object with the chart of one update.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/chart_state.h"

// A member added to the object after the standard keys; rawJson is already valid JSON.
struct JsonMember {
    std::string key;
    std::string rawJson;
};

// Writes the object: settingsError, messages, dayNumber, dayFraction, ramcRad, mcLongitude, ascLongitude,
// siderealText, houseCusp (slots 1..12), bodyLongitude (bodies 1..15), retroFlags, precessionShift,
// siderealShift, altNodeLongitude, houseLine, infoLines, moonVoid, dateText, meridiem, sunAltitude,
// brightness (the night dimming's, 0..1), then the extra members. Numbers are
// written in the shortest form that reads back as the same double.
std::string ChartJson(const ChartState& s, const std::vector<std::string>& messages,
                      const std::vector<JsonMember>& extra = {});
void WriteChartJson(std::ostream& out, const ChartState& s, const std::vector<std::string>& messages,
                    const std::vector<JsonMember>& extra = {});

// Names of the numbers of the output that are not finite ("bodyLongitude[3]", ...); empty for a chart
// that can be written.
std::vector<std::string> NonFiniteValues(const ChartState& s);

std::string JsonNumber(double value);        // shortest round-trip form, "2451545.0" for integers
std::string JsonString(const std::string& text);  // quoted and escaped; bytes above 127 as Latin-1
