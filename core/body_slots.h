// The chart's bodies by slot, the index of bodyLongitude, bodyHouse, retroFlags and the other per-body
// arrays of ChartState; slot 0 is not used. The planetary ephemeris numbers its bodies otherwise inside
// its own procedures (bodyIndex: 1 Earth, 2..9 Mercury..Pluto).
#pragma once

#include <array>

enum BodySlot : int {
    kSunSlot = 1,
    kMercurySlot = 2,
    kVenusSlot = 3,
    kMarsSlot = 4,
    kJupiterSlot = 5,
    kSaturnSlot = 6,
    kUranusSlot = 7,
    kNeptuneSlot = 8,
    kPlutoSlot = 9,
    kMoonSlot = 10,
    kNodeSlot = 11,
    kOppositeNodeSlot = 12,
    kFortuneSlot = 13,
    kAscendantSlot = 14,
    kMidheavenSlot = 15,
};
constexpr int kBodySlotCount = 15;

// The numbers of the settings file as the program holds them: element N is the single on line N
// (element 0 is not used).
using SettingValues = std::array<float, 93>;
