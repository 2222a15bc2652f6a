// The settings file: one number per line in the first seven characters, the rest of the line a comment,
// read up to the first empty line and at most 92 lines; and LeadingNumber, the program's one rule for
// reading a number out of a text.
#pragma once

#include <string>

#include "core/chart_state.h"

constexpr int kSettingsLines = 92;  // lines 1..92 carry settingValues[1..92]
constexpr int kSettingsField = 7;   // characters of a line that hold its number

// LeadingNumber: the number at the start of a text.
//   Blanks, tabs and line feeds are ignored wherever they stand. Then: an optional sign, digits with at
//   most one decimal point ("." whatever the locale) and an optional exponent (E or D, optional sign,
//   digits); or "&H" / "&O" followed by hexadecimal / octal digits. Reading stops at the first character
//   that does not fit; a text without a leading number gives 0. A decimal number beyond the double range
//   gives an infinity of its sign ("1E999"), one below it a zero.
double LeadingNumber(const std::string& text);

// ReadSettings: fills settingValues from the settings file.
//   reads  settingsFileName
//   writes settingValues[1..n], n = the number of lines before the first empty line, at most 92; each
//          value is LeadingNumber of the first seven characters of its line, stored as a single.
//          Elements after line n keep their previous values.
// The file is read as editors save it (settings_text.h): ANSI, UTF-8 with a byte-order mark or UTF-16
// with one, all giving the same values; lines end in CR LF, LF or, in a file whose first line ends so,
// a lone CR (SettingsFileLines). Returns false when the file cannot be opened (settingValues untouched)
// or fails while it is read.
bool ReadSettings(ChartState& s);

// Stores a double as a single. The platform's floats are IEEE 754 singles, where a value beyond the
// single range becomes an infinity of its sign: a defined result, not a fault.
float ToSingle(double x);
