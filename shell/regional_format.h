// Regional date order and clock format: read once at start-up, first from the legacy initialisation
// file, then, for a code not found there, from the user's registry key "Control Panel\International".
#pragma once

#include <string>

#include "platform/registry.h"
#include "core/chart_state.h"

inline const std::string kInternationalKey = "Control Panel\\International";

// ReadRegionalFormat: dateOrder (iDate: 0 m/d/y, 1 d/m/y, 2 y/m/d) and clockFormat (iTime: 1 = 24-hour).
//   Every line of the file at iniPath whose first five characters, lower-cased, read "idate" or "itime"
//   sets the code to Round16(LeadingNumber(the text after the first "=")); a later line replaces an
//   earlier one. A code not found in the file (or when the file cannot be read) comes from the
//   registry value of the same name; a missing value gives 0.
void ReadRegionalFormat(ChartState& s, TextFileLines& files, Registry& registry, const std::string& iniPath);

// ReadRegistryText: opens root\keyPath (a failed open leaves the key 0), reads the value, closes the key.
std::string ReadRegistryText(Registry& registry, RegKey root, const std::string& keyPath,
                             const std::string& valueName);

// QueryRegistryValue: a string value up to its first NUL, or the low 16 bits of a binary value as a
// signed decimal; empty text for a missing value or any other type.
std::string QueryRegistryValue(Registry& registry, RegKey key, const std::string& valueName);
