#include "render/render_tables.h"

#include <iterator>

namespace {

// First slot angle of each house on the equal-sector wheel, degrees, houses 1..12.
constexpr int16_t kSlotAngles[] = {
    /*  1- 6 */ 180, 209, 240, 272, 304, 335,
    /*  7-12 */ 4, 34, 65, 95, 124, 153,
};
static_assert(std::size(kSlotAngles) == 12);

// Cusp labels: the (x, y) offset of each of the five characters, by cusp slot (house in comments).
struct LabelOffset {
    int16_t x, y;
};
constexpr LabelOffset kCuspLabelOffsets[][5] = {
    //            tens deg      units deg     sign          tens min      units min
    /*  1 (10) */ {{-22, 222}, {-14, 222}, {-6, 222}, {8, 222}, {16, 222}},
    /*  2 (11) */ {{-138, 184}, {-130, 184}, {-122, 194}, {-108, 202}, {-100, 202}},
    /*  3 (12) */ {{-212, 104}, {-204, 104}, {-202, 117}, {-194, 128}, {-186, 128}},
    /*  4 ( 1) */ {{-236, 18}, {-228, 18}, {-234, 4}, {-236, -10}, {-228, -10}},
    /*  5 ( 2) */ {{-216, -88}, {-208, -88}, {-206, -102}, {-198, -116}, {-190, -116}},
    /*  6 ( 3) */ {{-136, -176}, {-128, -176}, {-120, -186}, {-104, -194}, {-96, -194}},
    /*  7 ( 4) */ {{-22, -214}, {-14, -214}, {-6, -214}, {10, -214}, {18, -214}},
    /*  8 ( 5) */ {{94, -192}, {102, -192}, {110, -184}, {124, -174}, {132, -174}},
    /*  9 ( 6) */ {{182, -118}, {190, -118}, {190, -104}, {198, -92}, {206, -92}},
    /* 10 ( 7) */ {{220, 18}, {228, 18}, {220, 4}, {220, -10}, {228, -10}},
    /* 11 ( 8) */ {{180, 130}, {188, 130}, {190, 116}, {198, 102}, {206, 102}},
    /* 12 ( 9) */ {{94, 200}, {102, 200}, {110, 192}, {124, 184}, {132, 184}},
};
static_assert(std::size(kCuspLabelOffsets) == 12);

// Glyph anchor radius: runs of whole degrees with one radius, in ascending order.
struct RadiusRun {
    int16_t first, last, radius;
};
constexpr RadiusRun kRimRadiusRuns[] = {
    /*  1- 8 */ {0, 7, 199}, {8, 15, 200}, {16, 27, 201}, {28, 36, 202},
                {37, 43, 203}, {44, 50, 204}, {51, 57, 205}, {58, 74, 206},
    /*  9-16 */ {75, 87, 207}, {88, 96, 208}, {97, 103, 209}, {104, 110, 210},
                {111, 117, 211}, {118, 125, 212}, {126, 131, 213}, {132, 137, 214},
    /* 17-24 */ {138, 143, 215}, {144, 148, 216}, {149, 185, 217}, {186, 191, 216},
                {192, 197, 215}, {198, 203, 214}, {204, 208, 213}, {209, 212, 212},
    /* 25-32 */ {213, 214, 211}, {215, 217, 210}, {218, 220, 209}, {221, 222, 208},
                {223, 224, 207}, {225, 226, 206}, {227, 228, 205}, {229, 230, 204},
    /* 33-40 */ {231, 233, 203}, {234, 237, 202}, {238, 245, 201}, {246, 251, 200},
                {252, 257, 199}, {258, 263, 198}, {264, 269, 197}, {270, 280, 196},
    /* 41-47 */ {281, 294, 195}, {295, 310, 194}, {311, 320, 195}, {321, 329, 196},
                {330, 344, 197}, {345, 357, 198}, {358, 360, 199},
};
static_assert(std::size(kRimRadiusRuns) == 47);

// The runs cover 0..360 without a gap or an overlap.
constexpr bool RunsAreContiguous() {
    int16_t next = 0;
    for (const RadiusRun& r : kRimRadiusRuns) {
        if (r.first != next || r.last < r.first) return false;
        next = static_cast<int16_t>(r.last + 1);
    }
    return next == 361;
}
static_assert(RunsAreContiguous());

}  // namespace

void LoadSlotAngles(ChartState& s) {
    for (int h = 1; h <= 12; ++h) s.slotAngles[h] = kSlotAngles[h - 1];
}

void LoadCuspLabelOffsets(ChartState& s) {
    for (int i = 1; i <= 12; ++i)
        for (int e = 0; e <= 4; ++e) {
            s.cuspLabelOffsets[10 * (i - 1) + 2 * e] = kCuspLabelOffsets[i - 1][e].x;
            s.cuspLabelOffsets[10 * (i - 1) + 2 * e + 1] = kCuspLabelOffsets[i - 1][e].y;
        }
    s.cuspLabelOffsets[120] = 0;
}

void LoadRimRadius(ChartState& s) {
    for (const RadiusRun& r : kRimRadiusRuns)
        for (int d = r.first; d <= r.last; ++d) s.rimRadius[d] = r.radius;
}
