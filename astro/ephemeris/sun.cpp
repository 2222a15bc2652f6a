// Sun: apparent geocentric longitude by Newcomb's theory.
#include <iterator>

#include "astro/ephemeris/ephemeris.h"
#include "astro/frame/angle_helpers.h"

namespace {

// Planetary perturbations of the Sun's longitude: coefficient (arcseconds) x cos(phase + k gp + kEarth g),
// gp the mean anomaly of the perturbing planet, g the Sun's.
struct SunTerm { double arcsec, phase; int k, kEarth; };

// Venus (g2).
constexpr SunTerm kVenusTerms[] = {
    /* 1-5 */   {4.838, 299.102, 1, -1}, {0.116, 148.9, 2, -1}, {5.526, 148.313, 2, -2},
                {2.497, 315.943, 2, -3}, {0.666, 177.71, 3, -3},
    /* 6-10 */  {1.559, 345.253, 3, -4}, {1.024, 318.15, 3, -5}, {0.21, 206.2, 4, -4},
                {0.144, 195.4, 4, -5}, {0.152, 343.8, 4, -6},
    /* 11-12 */ {0.123, 195.3, 5, -7}, {0.154, 359.6, 5, -8},
};
static_assert(std::size(kVenusTerms) == 12);

// Mars (g4).
constexpr SunTerm kMarsTerms[] = {
    /* 1-5 */   {0.273, 217.7, -1, 1}, {2.043, 343.888, -2, 2}, {1.77, 200.402, -2, 1},
                {0.129, 294.2, -3, 3}, {0.425, 338.88, -3, 2},
    /* 6-10 */  {0.5, 105.18, -4, 3}, {0.585, 334.06, -4, 2}, {0.204, 100.8, -5, 3},
                {0.154, 227.4, -6, 4}, {0.101, 96.3, -6, 3},
    /* 11 */    {0.106, 222.7, -7, 4},
};
static_assert(std::size(kMarsTerms) == 11);

// Jupiter (g5).
constexpr SunTerm kJupiterTerms[] = {
    /* 1-5 */   {0.163, 198.6, -1, 2}, {7.208, 179.532, -1, 1}, {2.6, 263.217, -1, 0},
                {2.731, 87.145, -2, 2}, {1.61, 109.493, -2, 1},
    /* 6-8 */   {0.164, 170.5, -3, 3}, {0.556, 82.65, -3, 2}, {0.21, 98.5, -3, 1},
};
static_assert(std::size(kJupiterTerms) == 8);

// Saturn (g6).
constexpr SunTerm kSaturnTerms[] = {
    /* 1-4 */   {0.419, 100.58, -1, 1}, {0.32, 269.46, -1, 0}, {0.108, 290.6, -2, 2}, {0.112, 293.6, -2, 1},
};
static_assert(std::size(kSaturnTerms) == 4);

// Sum of coefficient x cos(argument) / 3600 over one planet's terms, in table order. The argument is
// formed phase first, then the planet's multiple, then the Sun's (a multiple of 0 leaves it out).
template <std::size_t N>
double PerturbationSum(const ChartState& s, const SunTerm (&terms)[N], double gp, double g) {
    double sum = 0;
    for (const SunTerm& t : terms) {
        double argument = t.phase + t.k * gp;
        if (t.kEarth != 0) argument = argument + t.kEarth * g;
        sum = sum + t.arcsec * CosDeg(s, argument) / 3600;
    }
    return sum;
}

}  // namespace

// Sun: apparent geocentric ecliptic longitude from Newcomb's mean elements, three long-period terms, the
// equation of the centre, the perturbations by Venus, Mars, Jupiter, Saturn and the Moon, aberration and
// the principal nutation term.
//   reads  julianCenturies (Julian centuries of 36525 days from JD 2415020.0), piValue
//   writes sunMoonResult (degrees, not reduced)
void ComputeSun(ChartState& s) {
    const double T = s.julianCenturies;
    // Long-period terms.
    const double LP = ((1.882 - 0.016 * T) * SinDeg(57.24 + 150.27 * T) + 6.4 * SinDeg(231.19 + 20.2 * T) +
                       0.266 * SinDeg(31.8 + 119 * T)) /
                      3600;
    // Mean longitude and mean anomaly.
    const double L = 279.6966778 + 36000 * T + (2768.13 / 3600) * T + (1.089 / 3600) * T * T;
    const double Lp = Normalize360(L + (0.202 / 3600) * SinDeg(315.6 + 893.3 * T) + LP);
    const double M = 358.4758333 + 35999 * T + (179.1 / 3600) * T - (0.54 / 3600) * T * T;
    const double g = Normalize360(M + LP);
    // Mean anomalies of Venus, Mars, Jupiter and Saturn.
    const double g2 = Normalize360(212.45 + 58517.493 * T);
    const double g4 = Normalize360(319.58 + 19139.977 * T);
    const double g5 = Normalize360(225.28 + 3034.583 * T + (1300.0 / 3600) * SinDeg(133.775 + 39.804 * T));
    const double g6 = Normalize360(175.6 + 1221.794 * T);
    // Lunar arguments: mean elongation and the Moon's mean anomaly.
    const double D = Normalize360(350.737486 + 445267.114217 * T);
    const double l = Normalize360(296.104608 + 477198.849108 * T);
    // Equation of the centre.
    const double EC =
        ((6910.057 - 17.24 * T) * SinDeg(g) + (72.338 - 0.361 * T) * SinDeg(2 * g) + 1.054 * SinDeg(3 * g)) / 3600;
    // Perturbations.
    const double venus = PerturbationSum(s, kVenusTerms, g2, g);
    const double mars = PerturbationSum(s, kMarsTerms, g4, g);
    const double jupiter = PerturbationSum(s, kJupiterTerms, g5, g);
    const double saturn = PerturbationSum(s, kSaturnTerms, g6, g);
    const double moon =
        (6.454 * SinDeg(D) + 0.177 * SinDeg(D + l) - 0.424 * SinDeg(D - l) + 0.172 * SinDeg(D - g)) / 3600;
    // True longitude, then aberration and nutation.
    const double trueLongitude = Lp + EC + venus + mars + jupiter + saturn + moon;
    s.sunMoonResult = trueLongitude - 0.00569 - 0.00479 * SinDeg(259.18 - 1934.142 * T);
}
