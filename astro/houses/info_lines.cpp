#include <array>
#include <cctype>
#include <cmath>
#include <iterator>
#include <string>

#include "astro/houses/houses.h"
#include "astro/houses/text_formats.h"
#include "core/decimal_text.h"

namespace {

constexpr const char* kMonthAbbreviations[] = {
    /* 1-6 */  "Jan", "Feb", "Mar", "Apr", "May", "Jun",
    /* 7-12 */ "Jul", "Aug", "Sep", "Oct", "Nov", "Dec",
};
static_assert(std::size(kMonthAbbreviations) == 12);

// Name of each house system letter, as shown before " houses".
struct HouseSystemName { const char* letter; const char* name; };
constexpr HouseSystemName kHouseSystemNames[] = {
    {"P", "Placidus"}, {"R", "Regiomontanus"}, {"K", "Koch"},    {"C", "Campanus"},
    {"O", "Porphyry"}, {"E", "Equal"},         {"M", "Meridian"}, {"I", "Morinus"},
};
static_assert(std::size(kHouseSystemNames) == 8);

// The date in the pattern "dd mmm yyyy", added to text: 07 Dec 2026.
void AppendDate(std::string& text, const ChartState& s) {
    const int day = s.calendarDay, month = s.calendarMonth;
    AppendDecimal(text, day, 2);
    text += ' ';
    if (month >= 1 && month <= 12)
        text += kMonthAbbreviations[month - 1];
    else
        AppendDecimal(text, month);
    text += ' ';
    AppendDecimal(text, s.calendarYear);
}

// A degrees.minutes value with its decimal point replaced by a hemisphere letter, added to text: 74W00.
void AppendPlace(std::string& text, float degMin, const std::string& hemisphere) {
    const std::string place = FormatFixed2(std::fabs(static_cast<double>(degMin)));
    text += place;
    if (place.size() >= 3 && !hemisphere.empty()) text[text.size() - 3] = hemisphere[0];
}

}  // namespace

// The four information lines: date and time with the zone, the place, the sidereal time and the
// house system.
//   reads  calendarDay/Month/Year, clockTime, meridiem, zoneHours, longitudeDegMin, eastWest,
//          latitudeDegMin, northSouth, siderealText, houseSystemLetter
//   writes infoLines 0..3, e.g. "07 Dec 2026 - 10.30 p.m. ( 5)", "74W00, 40N45", "03h  41m  38s ",
//          "Placidus houses"
// Note: the date is the one dateText spells in the regional order, taken from its parts.
void BuildInfoLines(ChartState& s) {
    // Each line is written afresh into the text it had, so that an update allocates nothing.
    std::string& when = s.infoLines[0];
    when.clear();
    AppendDate(when, s);
    when += " - ";
    when += FormatFixed2(s.clockTime);
    when += ' ';
    for (char c : s.meridiem) when += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    when += " (";
    when += NumberToText(s.zoneHours);
    when += ')';

    std::string& place = s.infoLines[1];
    place.clear();
    AppendPlace(place, s.longitudeDegMin, s.eastWest);
    place += ", ";
    AppendPlace(place, s.latitudeDegMin, s.northSouth);

    s.infoLines[2] = s.siderealText;
    NameHouseSystem(s);
}

// The house system's name followed by " houses"; a letter of no system gives " houses" alone.
//   reads  houseSystemLetter
//   writes infoLines 3
void NameHouseSystem(ChartState& s) {
    const char* name = "";
    for (const HouseSystemName& entry : kHouseSystemNames)
        if (s.houseSystemLetter == entry.letter) name = entry.name;
    std::string& line = s.infoLines[3];
    line = name;
    line += " houses";
}
