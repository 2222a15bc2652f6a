// A moment and a place as the update cycle fills them, with the sky frame and the cusps computed.
#pragma once

#include <string>

#include "astro/frame/sky_frame.h"
#include "astro/houses/houses.h"
#include "support/moment.h"

inline ChartState ChartAt(const Moment& m, const std::string& letter) {
    ChartState s = UpdateInputsAt(m);
    s.houseSystemLetter = letter;
    ComputeSkyFrame(s);
    ComputeHouseCusps(s);
    return s;
}

// Places and moments of the reference charts.
constexpr Moment kNewYork2000{2000, 1, 1, 12.00f, "A.M.", 5, 74.00f, 40.45f};
constexpr Moment kSydney2024{2024, 3, 20, 6.15f, "A.M.", -10, -151.12f, -33.52f};
constexpr Moment kTokyo1969{1969, 7, 20, 11.56f, "P.M.", -9, -139.41f, 35.41f};
constexpr Moment kBuenosAires1955{1955, 11, 5, 4.44f, "A.M.", 3, 58.22f, -34.36f};
constexpr Moment kDelhi2010{2010, 10, 3, 6.01f, "P.M.", -5.5f, -77.13f, 28.37f};
constexpr Moment kReykjavik2031{2031, 1, 15, 9.09f, "A.M.", 0, 21.56f, 78.13f};
constexpr Moment kQuito1999{1999, 12, 31, 11.59f, "P.M.", 5, 78.30f, 0};
constexpr Moment kLondon1987{1987, 7, 14, 12.00f, "P.M.", 0, 0.07f, 51.30f};
