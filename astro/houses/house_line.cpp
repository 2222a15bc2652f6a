#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "astro/houses/houses.h"

namespace {

// Replace the characters of text from position p (counted from 1) with the first n characters of r,
// never beyond the end of r or of text.
void Overwrite(std::string& text, std::size_t p, std::size_t n, std::string_view r) {
    if (p < 1 || p > text.size()) return;
    std::size_t count = n;
    if (count > r.size()) count = r.size();
    if (count > text.size() - (p - 1)) count = text.size() - (p - 1);
    std::copy_n(r.data(), count, text.begin() + static_cast<std::ptrdiff_t>(p - 1));
}

// The four characters of houseOrdinals from position p (counted from 1), as far as they exist.
std::string_view OrdinalAt(const std::string& ordinals, std::size_t p) {
    if (p > ordinals.size()) return {};
    return std::string_view(ordinals).substr(p - 1, 4);
}

// The cusp slot 1..12 whose house holds a longitude, 0 for none: the rule of HouseOfLongitude.
int CuspSlotOfLongitude(const ChartState& s, double longitude) {
    double x = longitude + 1.0 / 36000;
    if (x >= 360) x = x - 360;
    int found = 0;
    for (int slot = 1; slot <= 12; ++slot) {
        const double c1 = s.houseCusp[slot];
        const double c2 = slot < 12 ? s.houseCusp[slot + 1] : s.houseCusp[1];
        bool inSlot;
        if (c1 > c2)
            inSlot = (x >= c1 && x < 360) || (x >= 0 && x < c2);
        else
            inSlot = x >= c1 && x < c2;
        if (inSlot) found = slot;
    }
    return found;
}

// The house whose cusp is in slot k.
int HouseOfCuspSlot(int slot) { return (slot + 8) % 12 + 1; }

}  // namespace

// House of a longitude: the house 1..12 whose cusps hold it.
//   reads  houseCusp       slots 1..12 in Midheaven-first order
//   gives  the house, 0 when none holds it (a non-finite longitude or cusp)
// Notes: the longitude is nudged forward by 0.1 second of arc, so that one on a cusp (or just short of
// it) belongs to the house the cusp begins, and taken round to 0 at 360 degrees or beyond; where cusps
// overlap the later cusp slot wins.
int HouseOfLongitude(const ChartState& s, double longitude) {
    const int slot = CuspSlotOfLongitude(s, longitude);
    return slot == 0 ? 0 : HouseOfCuspSlot(slot);
}

// House of every chart body, as the ordinal of the cusp slot whose house holds it, and as a number.
//   reads  bodyLongitude   bodies 1..15, degrees
//          houseCusp       slots 1..12 in Midheaven-first order
//          houseOrdinals   four characters per slot, "10TH11TH12TH 1ST ..."
//   writes houseLine       for body j the ten characters from position 10 j - 9: the ordinal, " HOUSE"
//          bodyHouse       for body j its house 1..12
// Notes: the house of each body is HouseOfLongitude's. A body in no house at all (a non-finite
// longitude) keeps its earlier ordinal and house.
void BuildHouseLine(ChartState& s) {
    for (int j = 1; j <= 15; ++j) {
        Overwrite(s.houseLine, 10 * j - 5, 10, " HOUSE");
        const int slot = CuspSlotOfLongitude(s, s.bodyLongitude[j]);
        if (slot == 0) continue;
        Overwrite(s.houseLine, 10 * j - 9, 4, OrdinalAt(s.houseOrdinals, 4 * slot - 3));
        s.bodyHouse[j] = static_cast<int16_t>(HouseOfCuspSlot(slot));
    }
}
