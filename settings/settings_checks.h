// The two checks made before every chart update on the place data of the settings file. A failed check
// sets settingsError and shows its message in a box titled "Warning!" with the information icon, and
// waits until the user has closed it.
#pragma once

#include <string>

#include "platform/message_boxes.h"
#include "core/chart_state.h"

inline const std::string kWarningTitle = "Warning!";
inline const std::string kLatitudeTooHighMessage =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house systems.";
inline const std::string kNatalDataMessage = "Error in natal input data section. Please correct.";
inline const std::string kNightDimmingMessage =
    "Night dimming (line 15) must be 0 (off) or a brightness from 10 to 100 percent. Please correct.";

// CheckLatitudeLimit: keeps the quadrant house systems below 66 degrees 00 minutes of latitude.
//   reads  houseSystemLetter; settings values 22 (latitude degrees), 23 (latitude minutes)
//   writes settingsError = 1 on failure
// Meridian ("M") and Morinus ("I") houses are not limited. The limit applies to the size of the latitude,
// north or south: it fails when |degrees| > 66, when |degrees| = 66 and minutes > 0, or when negative
// minutes carry the joined latitude |degrees + minutes / 100| beyond 66.
void CheckLatitudeLimit(ChartState& s, MessageBoxes& boxes);

// CheckNatalData: three independent rules, each reported by its own ReportNatalDataError.
//   1. zone:        -13 <= settings value 18 <= 12; not checked when value 17 is exactly 1 (the
//                   system's zone is used, line 18 is not)
//   2. longitude:   settings value 19 <= 180 and settings value 20 <= 59
//   3. latitude:    settings value 23 <= 59
// A value that is not a number fails its rule.
void CheckNatalData(ChartState& s, MessageBoxes& boxes);

// CheckNightDimming: settings value 15 is 0 (no dimming) or a brightness from 10 to 100 percent; any
// other value (5, 101, -10, not a number) sets settingsError = 1 and shows its own message.
void CheckNightDimming(ChartState& s, MessageBoxes& boxes);

// ReportNatalDataError: settingsError = 1 and the natal-data message.
void ReportNatalDataError(ChartState& s, MessageBoxes& boxes);
