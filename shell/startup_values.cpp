#include "shell/startup_values.h"

#include <iterator>

#include "core/numeric.h"
#include "core/setting_lines.h"

namespace {

// House system letter by settings value 27; any value not listed is Placidus.
struct HouseSystemChoice {
    int settingValue;
    const char* letter;
};
constexpr HouseSystemChoice kHouseSystemChoices[] = {
    {2, "R"},  // Regiomontanus
    {3, "K"},  // Koch
    {4, "C"},  // Campanus
    {5, "O"},  // Porphyry
    {6, "E"},  // Equal
    {7, "M"},  // Meridian
    {8, "I"},  // Morinus
};
static_assert(std::size(kHouseSystemChoices) == 7);

}  // namespace

void InitComputationConstants(ChartState& s) {
    s.piValue = 3.1415926535;
    s.kmPerAu = 149597870;
    s.houseOrdinals = kHouseOrdinals;
    s.retroFlags = kEmptyRetroFlags;
    s.houseLine = kEmptyHouseLine;
}

void ChooseHouseSystem(ChartState& s) {
    s.wheelMode = Round16(s.settingValues[kWheelModeLine]);
    s.houseSystemLetter = "P";
    for (const HouseSystemChoice& c : kHouseSystemChoices)
        if (IsExactly(s.settingValues[kHouseSystemLine], c.settingValue)) s.houseSystemLetter = c.letter;
}
