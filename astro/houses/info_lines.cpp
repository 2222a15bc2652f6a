#include <array>
#include <cctype>
#include <cmath>
#include <iterator>
#include <string>

#include "astro/houses/houses.h"
#include "astro/houses/text_formats.h"

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

std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

// The date in the pattern "dd mmm yyyy": 07 Dec 2026.
std::string FormatDate(const ChartState& s) {
    const int month = s.calendarMonth;
    const std::string monthText =
        month >= 1 && month <= 12 ? kMonthAbbreviations[month - 1] : std::to_string(month);
    return TwoDigits(s.calendarDay) + " " + monthText + " " + std::to_string(s.calendarYear);
}

std::string LowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A degrees.minutes value with its decimal point replaced by a hemisphere letter: 74W00.
std::string PlaceText(float degMin, const std::string& hemisphere) {
    std::string text = FormatFixed2(std::fabs(static_cast<double>(degMin)));
    if (text.size() >= 3 && !hemisphere.empty()) text[text.size() - 3] = hemisphere[0];
    return text;
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
    s.infoLines = {"", "", "", ""};
    s.infoLines[0] = FormatDate(s) + " - " + FormatFixed2(s.clockTime) + " " + LowerCase(s.meridiem) + " (" +
                     NumberToText(s.zoneHours) + ")";
    s.infoLines[1] = PlaceText(s.longitudeDegMin, s.eastWest) + ", " + PlaceText(s.latitudeDegMin, s.northSouth);
    s.infoLines[2] = s.siderealText;
    NameHouseSystem(s);
}

// The house system's name followed by " houses"; a letter of no system gives " houses" alone.
//   reads  houseSystemLetter
//   writes infoLines 3
void NameHouseSystem(ChartState& s) {
    std::string name;
    for (const HouseSystemName& entry : kHouseSystemNames)
        if (s.houseSystemLetter == entry.letter) name = entry.name;
    s.infoLines[3] = name + " houses";
}
