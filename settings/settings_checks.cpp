#include "settings/settings_checks.h"

#include <cmath>

#include "core/numeric.h"
#include "core/setting_lines.h"

void CheckLatitudeLimit(ChartState& s, MessageBoxes& boxes) {
    if (s.houseSystemLetter == "M" || s.houseSystemLetter == "I") return;
    const float degrees = s.settingValues[kLatitudeDegreesLine];
    const float minutes = s.settingValues[kLatitudeMinutesLine];
    // The size of the latitude counts, whichever way the degree field was typed: -70 is as far from the
    // equator as 70. The joined value is the single the chart update builds from the two fields.
    const float d = std::fabs(degrees);
    const float joined = degrees + minutes / 100;
    bool tooHigh = d > 66 || (d == 66 && minutes > 0) || (minutes < 0 && std::fabs(joined) > 66);
    if (!tooHigh) return;
    s.settingsError = 1;
    boxes.ShowMessage(kLatitudeTooHighMessage, kWarningTitle, MessageIcon::Information);
}

void CheckNatalData(ChartState& s, MessageBoxes& boxes) {
    const auto& v = s.settingValues;
    // Zone, unless the system's zone is used instead of line 18
    if (!IsExactly(v[kZoneSourceLine], 1) && !(v[kTimeZoneLine] >= -13 && v[kTimeZoneLine] <= 12))
        ReportNatalDataError(s, boxes);
    // Longitude degrees and minutes
    if (!(v[kLongitudeDegreesLine] <= 180 && v[kLongitudeMinutesLine] <= 59)) ReportNatalDataError(s, boxes);
    // Latitude minutes
    if (!(v[kLatitudeMinutesLine] <= 59)) ReportNatalDataError(s, boxes);
}

void CheckNightDimming(ChartState& s, MessageBoxes& boxes) {
    const float percent = s.settingValues[kNightDimmingLine];
    if (percent == 0 || (percent >= 10 && percent <= 100)) return;
    s.settingsError = 1;
    boxes.ShowMessage(kNightDimmingMessage, kWarningTitle, MessageIcon::Information);
}

void ReportNatalDataError(ChartState& s, MessageBoxes& boxes) {
    s.settingsError = 1;
    boxes.ShowMessage(kNatalDataMessage, kWarningTitle, MessageIcon::Information);
}
