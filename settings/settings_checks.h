// The checks made before every chart update on the place data of the settings file, written once for
// the chart update, which shows each failure in a message box and keeps the last chart, and for the
// settings form, which shows each beside the field of its line.
#pragma once

#include <string>
#include <vector>

#include "core/body_slots.h"
#include "core/chart_state.h"
#include "platform/message_boxes.h"

inline const std::string kWarningTitle = "Warning!";
inline const std::string kLatitudeTooHighMessage =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house systems.";
inline const std::string kNatalDataMessage = "Error in natal input data section. Please correct.";
inline const std::string kNightDimmingMessage =
    "Night dimming (line 15) must be 0 (off) or a brightness from 10 to 100 percent. Please correct.";

// One failed check: its message, and the settings line to mend. alsoLine, when not 0, is a second line
// whose change mends it too (the house system for the latitude limit, the longitude minutes when they
// fail with the degrees).
struct SettingsProblem {
    int line;
    std::string message;
    int alsoLine = 0;
};

// CheckSettings: the failed checks, in the order the chart update shows them.
//   1. latitude limit: with any house system but Meridian ("M") and Morinus ("I"), the latitude must
//      not lie beyond 66 degrees 00 minutes, north or south: it fails when |degrees| > 66, when
//      |degrees| = 66 and minutes > 0, or when negative minutes carry the joined latitude
//      |degrees + minutes / 100| beyond 66 (line 22, also the house system's line 27);
//   2. zone: -13 <= line 18 <= 12, not checked when line 17 is exactly 1 (the system's zone is used,
//      line 18 is not);
//   3. longitude: line 19 <= 180 and line 20 <= 59 (the line that breaks it);
//   4. latitude minutes: line 23 <= 59;
//   5. night dimming: line 15 is 0 (off) or a brightness from 10 to 100 percent (its own message).
// Rules 2 to 4 give the natal-data message each. A value that is not a number fails its rule.
std::vector<SettingsProblem> CheckSettings(const SettingValues& values, const std::string& houseSystemLetter);

// ShowSettingsProblems: the checks of the chart update, before it computes anything.
//   reads  settingValues, houseSystemLetter
//   writes settingsError = 1 when a check fails
// Each failed check shows its message in a box titled "Warning!" with the information icon and waits
// until the user has closed it; one update can show the natal-data message up to three times.
void ShowSettingsProblems(ChartState& s, MessageBoxes& boxes);
