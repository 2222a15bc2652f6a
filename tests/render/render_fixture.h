// A chart filled by hand for the rendering tests: the rendering tables, the settings of the shipped
// file (sizes, colours, orbs), equal 30-degree houses from an Ascendant, and every body placed by hand
// with its house.
#pragma once

#include <initializer_list>
#include <string>

#include "astro/frame/angle_helpers.h"
#include "platform/fake/recording_surface.h"
#include "render/paint.h"
#include "render/render_tables.h"
#include "core/setting_lines.h"
#include "core/chart_state.h"

inline constexpr double kAsc = 15;  // Ascendant of the default chart: house j begins at 15 + 30 (j - 1)

// Cusp of house j (1..12) into its slot: slot k holds the cusp of house ((k + 8) mod 12) + 1.
inline void SetHouseCusp(ChartState& s, int house, double longitude) {
    const int slot = house <= 9 ? house + 3 : house - 9;
    s.houseCusp[slot] = longitude;
}

inline void SetEqualHouses(ChartState& s, double asc) {
    for (int j = 1; j <= 12; ++j) SetHouseCusp(s, j, Normalize360(asc + 30.0 * (j - 1)));
}

// Body b at a longitude, in a house (as the house line places it).
inline void SetBody(ChartState& s, int b, double longitude, int house) {
    s.bodyLongitude[b] = longitude;
    s.bodyHouse[b] = static_cast<int16_t>(house);
}

struct PlacedBody {
    int body;
    double longitude;
    int house;
};
inline void SetBodies(ChartState& s, std::initializer_list<PlacedBody> bodies) {
    for (const PlacedBody& p : bodies) SetBody(s, p.body, p.longitude, p.house);
}

// The values of the shipped KELO.INI, by line number as the file lists them.
inline void SetDefaultSettings(ChartState& s) {
    auto& v = s.settingValues;
    v.fill(0);
    v[2] = 6, v[3] = 8, v[4] = 8, v[5] = 8, v[10] = 2;            // orbs
    v[13] = 1;                                                     // true cusps
    v[47] = 1;                                                     // aspects on
    v[53] = 14, v[54] = 12, v[55] = 14, v[56] = 14, v[57] = 14, v[58] = 14;
    v[68] = 10, v[69] = 8, v[70] = 12, v[71] = 7, v[72] = 16, v[73] = 8, v[74] = 10, v[75] = 7, v[76] = 8,
    v[77] = 10;                                                    // font sizes
    v[78] = 15, v[79] = 15, v[80] = 14, v[81] = 15, v[82] = 11, v[83] = 15, v[84] = 14, v[85] = 15,
    v[86] = 12, v[87] = 10, v[88] = 12, v[89] = 9, v[90] = 0, v[91] = 7, v[92] = 8;  // colours
}

// The default chart: true cusps, equal houses from 15 degrees, body b (1..10) 2 degrees past the middle
// of house b, the node in house 11, the opposite node in house 5, the Part of Fortune in house 12, the
// Ascendant and the Midheaven on their cusps.
inline ChartState MakeChart(int wheelMode = 1) {
    ChartState s;
    s.piValue = 3.1415926535;
    LoadSlotAngles(s);
    LoadCuspLabelOffsets(s);
    LoadRimRadius(s);
    SetDefaultSettings(s);
    s.settingValues[kWheelModeLine] = static_cast<float>(wheelMode);
    s.wheelMode = static_cast<int16_t>(wheelMode);
    s.retroFlags = std::string(15, ' ');
    SetEqualHouses(s, kAsc);
    for (int b = 1; b <= 10; ++b) SetBody(s, b, 30.0 * b + 2, b);
    SetBody(s, 11, 335, 11);
    SetBody(s, 12, 155, 5);
    SetBody(s, 13, 352, 12);
    SetBody(s, 14, kAsc, 1);
    SetBody(s, 15, kAsc + 270, 10);
    s.infoLines = {"07 Dec 2026 - 10.30 p.m. ( 5)", "74W00, 40N45", "03h  12m  09s ", "Placidus houses"};
    return s;
}

// Paints onto a recording surface whose logical size is the start-up size, after a resize.
inline void PaintOn(ChartState& s, RecordingSurface& surface) {
    ResizeChart(s, surface);
    PaintChart(s, surface);
}
