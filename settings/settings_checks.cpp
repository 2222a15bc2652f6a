#include "settings/settings_checks.h"

#include <cmath>

#include "core/numeric.h"
#include "core/setting_lines.h"

namespace {

// The size of the latitude counts, whichever way the degree field was typed: -70 is as far from the
// equator as 70. The joined value is the single the chart update builds from the two fields.
bool LatitudeTooHigh(float degrees, float minutes) {
    const float d = std::fabs(degrees);
    const float joined = degrees + minutes / 100;
    return d > 66 || (d == 66 && minutes > 0) || (minutes < 0 && std::fabs(joined) > 66);
}

}  // namespace

std::vector<SettingsProblem> CheckSettings(const SettingValues& v, const std::string& houseSystemLetter) {
    std::vector<SettingsProblem> problems;
    const bool limited = houseSystemLetter != "M" && houseSystemLetter != "I";
    if (limited && LatitudeTooHigh(v[kLatitudeDegreesLine], v[kLatitudeMinutesLine]))
        problems.push_back({kLatitudeDegreesLine, kLatitudeTooHighMessage, kHouseSystemLine});
    // Zone, unless the system's zone is used instead of line 18
    if (!IsExactly(v[kZoneSourceLine], 1) && !(v[kTimeZoneLine] >= -13 && v[kTimeZoneLine] <= 12))
        problems.push_back({kTimeZoneLine, kNatalDataMessage});
    // Longitude degrees and minutes
    const bool degreesFail = !(v[kLongitudeDegreesLine] <= 180), minutesFail = !(v[kLongitudeMinutesLine] <= 59);
    if (degreesFail)
        problems.push_back({kLongitudeDegreesLine, kNatalDataMessage, minutesFail ? kLongitudeMinutesLine : 0});
    else if (minutesFail)
        problems.push_back({kLongitudeMinutesLine, kNatalDataMessage});
    // Latitude minutes
    if (!(v[kLatitudeMinutesLine] <= 59)) problems.push_back({kLatitudeMinutesLine, kNatalDataMessage});
    // Night dimming: off, or a brightness that still shows the picture
    const float percent = v[kNightDimmingLine];
    if (!(percent == 0 || (percent >= 10 && percent <= 100)))
        problems.push_back({kNightDimmingLine, kNightDimmingMessage});
    return problems;
}

void ShowSettingsProblems(ChartState& s, MessageBoxes& boxes) {
    for (const SettingsProblem& p : CheckSettings(s.settingValues, s.houseSystemLetter)) {
        s.settingsError = 1;
        boxes.ShowMessage(p.message, kWarningTitle, MessageIcon::Information);
    }
}
