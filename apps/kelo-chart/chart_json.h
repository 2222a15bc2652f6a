// kelo-chart's JSON output: one object with the chart of one update.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
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

// The shape of the object: indented, each member and each array item on a line of its own (ChartJson),
// or the same text without its line breaks and indentation, on one line (a line of JSON Lines). Either
// ends with a line break.
enum class JsonShape { kIndented, kOneLine };
// The object added to the end of out, in the shape asked for. The extra members' rawJson is given
// indented; on one line its line breaks and the indentation after them are left out too.
void AppendChartJson(std::string& out, const ChartState& s, const std::vector<std::string>& messages,
                     const std::vector<JsonMember>& extra, JsonShape shape);
void WriteChartJson(std::ostream& out, const ChartState& s, const std::vector<std::string>& messages,
                    const std::vector<JsonMember>& extra = {});

// Names of the numbers of the output that are not finite ("bodyLongitude[3]", ...); empty for a chart
// that can be written.
std::vector<std::string> NonFiniteValues(const ChartState& s);

std::string JsonNumber(double value);        // shortest round-trip form, "2451545.0" for integers
std::string JsonString(const std::string& text);  // quoted and escaped; bytes above 127 as Latin-1
void AppendJsonNumber(std::string& out, double value);         // JsonNumber's text added to out
void AppendJsonString(std::string& out, std::string_view text);  // JsonString's text added to out
// json added to out without its line breaks and the blanks that begin each line after one.
void AppendWithoutLineBreaks(std::string& out, std::string_view json);
