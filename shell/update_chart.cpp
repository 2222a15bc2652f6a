#include "shell/update_chart.h"

#include <cctype>
#include <cmath>
#include <iterator>

#include "astro/ephemeris/ephemeris.h"
#include "astro/frame/angle_helpers.h"
#include "astro/frame/sky_frame.h"
#include "astro/frame/sun_altitude.h"
#include "astro/houses/houses.h"
#include "core/body_slots.h"
#include "core/numeric.h"
#include "core/setting_lines.h"
#include "settings/settings_checks.h"
#include "settings/settings_file.h"

namespace {

// Fixed-sign houses: offset of each cusp slot 1..12 from the base angle (slot 10, the 7th house, at 0).
constexpr double kFixedSignSlotOffset[] = {
    /* slot 0 unused */ 0,
    /* 1-6  */ 90, 120, 150, 180, 210, 240,
    /* 7-12 */ 270, 300, 330, 0, 30, 60,
};
static_assert(std::size(kFixedSignSlotOffset) == 13);

std::string UpperCase(std::string t) {
    for (char& c : t) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return t;
}

}  // namespace

std::string DateText(int day, int month, int year, int dateOrder) {
    const std::string d = std::to_string(day), m = std::to_string(month), y = std::to_string(year);
    if (dateOrder == 2) return y + "/" + m + "/" + d;
    if (dateOrder == 1) return d + "/" + m + "/" + y;
    return m + "/" + d + "/" + y;
}

float ClockTime(int hour, int minute) {
    int h = hour;
    if (h == 0) h = 12;
    if (h > 12) h -= 12;
    return ToSingle(h + minute / 100.0);
}

std::string Meridiem(int hour, int clockFormat, const std::string& general) {
    if (clockFormat == 1) return hour >= 12 ? "P.M." : "A.M.";
    const bool marked = general.size() >= 2 && UpperCase(general.substr(general.size() - 2)) == "PM";
    return marked ? "P.M." : "A.M.";
}

float DegMin(float degrees, float minutes, float direction) {
    const float degMin = degrees + minutes / 100;
    return IsExactly(direction, -1) ? -degMin : degMin;
}

void UpdateChart(ChartState& s, Clock& clock, MessageBoxes& boxes) {
    const auto& v = s.settingValues;

    // 1-2. Settings checks; a failure leaves the previous chart.
    s.settingsError = 0;
    ShowSettingsProblems(s, boxes);
    if (s.settingsError == 1) return;

    // 3. Empty information lines.
    for (std::string& line : s.infoLines) line.clear();

    // 4. One reading of the local date and time; every part below comes from it.
    const LocalDateTime t = clock.Now();
    const std::string general = clock.GeneralDateTimeText(t);

    // 5. Civil date.
    s.calendarDay = Round16(t.day);
    s.calendarYear = Round16(t.year);
    s.calendarMonth = Round16(t.month);

    // 6. Zone, hours added to the local time to give UT: the system's offset of this reading when line
    //    17 says so (west positive, so New York in July is 4 and India -5.5), else line 18.
    if (IsExactly(v[kZoneSourceLine], 1))
        s.zoneHours = ToSingle(-t.utcOffsetSeconds / 3600.0);
    else
        s.zoneHours = v[kTimeZoneLine];

    // 7-10. The date, the clock and the place as the texts show them.
    s.dateText = DateText(t.day, t.month, t.year, s.dateOrder);
    s.clockTime = ClockTime(t.hour, t.minute);
    s.meridiem = Meridiem(t.hour, s.clockFormat, general);
    s.longitudeDegMin = DegMin(v[kLongitudeDegreesLine], v[kLongitudeMinutesLine], v[kLongitudeDirectionLine]);
    s.eastWest = s.longitudeDegMin < 0 ? "EAST" : "WEST";
    s.latitudeDegMin = DegMin(v[kLatitudeDegreesLine], v[kLatitudeMinutesLine], v[kLatitudeDirectionLine]);
    s.northSouth = s.latitudeDegMin < 0 ? "SOUTH" : "NORTH";

    // 11. Sky frame, house cusps, ephemeris.
    ComputeSkyFrame(s);
    ComputeHouseCusps(s);
    ComputeEphemeris(s);

    // The Sun's altitude at the place, from the tropical Sun of date before any option moves it; the
    // picture dims by it at night (settings line 15).
    const double latitude = Sgn(s.latitudeDegMin) * DegMinToDecimal(std::fabs(s.latitudeDegMin));
    s.sunAltitude = SunAltitude(s.bodyLongitude[1], RadToDeg(-s.negObliquityRad), RadToDeg(s.ramcRad), latitude);

    // 12. Node option: the true node for the node and its opposite point.
    if (IsExactly(v[kNodeLine], 1)) {
        s.bodyLongitude[kNodeSlot] = s.altNodeLongitude;
        s.bodyLongitude[kOppositeNodeSlot] = Normalize360(s.altNodeLongitude + 180);
    }

    // 13. Fixed-sign houses: cusps every 30 degrees from a base that the zodiac shift puts on 0 Aries.
    if (v[kZodiacLine] != 0 && IsExactly(v[kFixedSignHousesLine], 99)) {
        double base = 0;
        if (IsExactly(v[kZodiacLine], 1)) base = -s.precessionShift;
        if (IsExactly(v[kZodiacLine], 2)) base = s.siderealShift;
        for (int slot = 1; slot <= 12; ++slot) s.houseCusp[slot] = Normalize360(base + kFixedSignSlotOffset[slot]);
    }

    // 14. House of every body, on the tropical positions.
    BuildHouseLine(s);

    // 15. Zodiac shift of the cusps and the bodies.
    if (IsExactly(v[kZodiacLine], 1)) {
        for (int slot = 1; slot <= 13; ++slot) s.houseCusp[slot] = Normalize360(s.houseCusp[slot] + s.precessionShift);
        for (int b = kSunSlot; b <= kMidheavenSlot; ++b)
            s.bodyLongitude[b] = Normalize360(s.bodyLongitude[b] + s.precessionShift);
    } else if (IsExactly(v[kZodiacLine], 2)) {
        for (int slot = 1; slot <= 13; ++slot) s.houseCusp[slot] = Normalize360(s.houseCusp[slot] - s.siderealShift);
        for (int b = kSunSlot; b <= kMidheavenSlot; ++b)
            s.bodyLongitude[b] = Normalize360(s.bodyLongitude[b] - s.siderealShift);
    }

    // 16. Texts and the void-of-course test.
    BuildInfoLines(s);
    TestMoonVoid(s);
}
