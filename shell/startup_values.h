// Start-up values of the computation: the constants set once before any chart, and the two choices that
// start-up derives from the settings once they are read.
#pragma once

#include <string>

#include "core/chart_state.h"

inline const std::string kHouseOrdinals = "10TH11TH12TH 1ST 2ND 3RD 4TH 5TH 6TH 7TH 8TH 9TH    ";
inline const std::string kEmptyRetroFlags(15, ' ');
inline const std::string kEmptyHouseLine = "---- --------- -----" + std::string(130, ' ');

// InitComputationConstants: the constants the computation needs before its first chart.
//   writes piValue = 3.1415926535, kmPerAu = 149597870, houseOrdinals (13 four-character labels in
//          cusp-slot order, the last one blank), retroFlags (15 blanks), houseLine ("---- --------- -----"
//          and 130 blanks)
void InitComputationConstants(ChartState& s);

// ChooseHouseSystem: the wheel layout and the house system of the settings.
//   reads  settings values 13 and 27
//   writes wheelMode = Round16(settings value 13); houseSystemLetter by settings value 27, compared
//          exactly: 2 "R", 3 "K", 4 "C", 5 "O", 6 "E", 7 "M", 8 "I", any other value "P"
void ChooseHouseSystem(ChartState& s);
